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
    : ToolWindow(u"Help"_s, tr("Calendrix Help"), parent), m_file(helpFile), m_browser(new QTextBrowser(this))
{
    m_browser->setObjectName(u"HelpText"_s);
    m_browser->setAccessibleName(tr("Help text"));
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
        const QString path = QDir::toNativeSeparators(m_file);
        const QString repair = UnitFolder(info.absolutePath()).repairCommand();
        ErrorDisplay::show(
            parentWidget(),
            !info.exists() ? tr("The help file '%1' cannot be read: it does not exist.\nRun '%2' to put a "
                                "new one in its "
                                "place.")
                                 .arg(path, repair)
            : !isFile
                ? tr("The help file '%1' cannot be read: it is not a file.\nRun '%2' to put a new one in "
                     "its place.")
                      .arg(path, repair)
                : tr("The help file '%1' cannot be read: %2.\nRun '%3' to put a new one in its place.")
                      .arg(path, file.errorString(), repair));
        return false;
    }
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace calendrix
