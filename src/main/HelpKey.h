#pragma once

#include <QObject>

#include <functional>

namespace calendrix {

// F1 in any window of the program opens the help: the main window, its
// dialogs, and the modal ones too (file dialogs, print previews, message
// boxes), which hold back the key shortcuts of every other window.
class HelpKey : public QObject
{
    Q_OBJECT

public:
    HelpKey(std::function<void()> openHelp, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_openHelp;
};

} // namespace calendrix
