#pragma once

#include "dialogs/ToolWindow.h"

class QTextBrowser;

namespace calendrix {

// Shows the program's help file, Roster.hlp in the unit folder.
class HelpWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString &helpFile, QWidget *parent = nullptr);

    // Reads the file again; false (and a message) when it cannot be read.
    bool load();
    // Scrolls to the topic's anchor; the top for none.
    void showTopic(const QString &topic);
    // Shown over a modal dialog, the help still takes keys and clicks, and
    // the dialog stays open under it.
    void present() override;

private:
    QString m_file;
    QTextBrowser *m_browser;
};

} // namespace calendrix
