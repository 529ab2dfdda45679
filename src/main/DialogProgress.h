#pragma once

#include "session/OutputResult.h"

#include <QProgressDialog>

namespace calendrix {

// A session's output under a progress dialog: its "Stop", where it has one,
// stops the output.
class DialogProgress : public OutputProgress
{
public:
    explicit DialogProgress(QProgressDialog &dialog) : m_dialog(dialog) {}
    bool advance(const QString &, int done, int total) override
    {
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog &m_dialog;
};

} // namespace calendrix
