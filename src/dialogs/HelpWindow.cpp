#include "HelpWindow.h"

#include "UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

HelpWindow::HelpWindow(const QString &helpFile, QWidget *parent)
    : ToolWindow(u"Help"_s, u"Calendrix Help"_s, parent), m_file(helpFile), m_browser(new QTextBrowser(this))
{
    m_browser->setObjectName(u"HelpText"_s);
    m_browser->setOpenLinks(true);
    (new QVBoxLayout(this))->addWidget(m_browser);
    resize(760, 640);
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

bool HelpWindow::load()
{
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly)) {
        UserDialogs::instance().inform(
            parentWidget(), Messenger::Kind::Error,
            u"The help file '%1' cannot be read: %2\n'calendrix init' puts it into a unit folder."_s.arg(
                QDir::toNativeSeparators(m_file), file.errorString()));
        return false;
    }
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    return true;
}

} // namespace calendrix
