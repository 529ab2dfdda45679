#pragma once

#include <QString>

namespace calendrix {

// Why a report could not be produced, in words for the clerk: which file and,
// for a layout, which line.
class ReportError
{
public:
    explicit ReportError(QString text) : m_text(std::move(text)) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

} // namespace calendrix
