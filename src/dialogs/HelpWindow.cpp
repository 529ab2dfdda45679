#include "dialogs/HelpWindow.h"

#include "main/ErrorDisplay.h"
#include "main/ScreenFit.h"
#include "store/UnitFolder.h"

#include "main/UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

HelpWindow::HelpWindow(const QString &helpFile, QWidget *parent)
    : ToolWindow(u"Help"_s, u"Calendrix Help"_s, parent), m_file(helpFile), m_browser(new QTextBrowser(this))
{
    m_browser->setObjectName(u"HelpText"_s);
    m_browser->setAccessibleName(u"Help text"_s);
    m_browser->setOpenLinks(true);
    (new QVBoxLayout(this))->addWidget(m_browser);
    resizeWithinScreen(this, QSize(760, 640));
}

void HelpWindow::present()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == this)
        modal = nullptr;
    show();
    // A modal dialog blocks every window but its own: the help belongs to
    // the modal dialog while there is one, and to the main window otherwise.
    QWidget *owner = modal ? modal : parentWidget();
    if (QWindow *window = windowHandle(); window && owner)
        window->setTransientParent(owner->window()->windowHandle());
    raise();
    activateWindow();
    m_browser->setFocus();
}

void HelpWindow::showTopic(const QString &topic)
{
    if (topic.isEmpty())
        m_browser->moveCursor(QTextCursor::Start);
    else
        m_browser->scrollToAnchor(topic);
}

bool HelpWindow::load()
{
    QFile file(m_file);
    const QFileInfo info(m_file);
    // Only a file is opened: a FIFO under the name would never answer.
    const bool isFile = info.isFile();
    if (!isFile || !file.open(QIODevice::ReadOnly)) {
        const QString why = !info.exists() ? u"it does not exist"_s
                            : !isFile      ? u"it is not a file"_s
                                           : file.errorString();
        ErrorDisplay::show(
            parentWidget(),
            u"The help file '%1' cannot be read: %2.\nRun '%3' to put a new one in its place."_s.arg(
                QDir::toNativeSeparators(m_file), why, UnitFolder(info.absolutePath()).repairCommand()));
        return false;
    }
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace calendrix
