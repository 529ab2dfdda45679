#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

#ifdef CALENDRIX_WITH_GUI
#include "dialogs/DialogSet.h"
#include "main/MainWindow.h"
#include "store/FolderLock.h"
#include "store/UnitFolder.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list.append(QString::fromLocal8Bit(argv[i]));
    return list;
}

// Qt wants a private runtime folder even offscreen and warns on standard
// error when the session has none (a console, a service); a command whose
// standard error carries its messages makes one itself, as Qt would.
void givePrivateRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString dir = QDir::tempPath() + u"/runtime-"_s + QString::number(::getuid());
    if (!QDir().mkpath(dir) ||
        !QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return; // Qt then falls back and says so itself
    QFileInfo info(dir);
    if (info.ownerId() == ::getuid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentList(argc, argv);
    if (calendrix::CommandLine::isConsoleCommand(arguments)) {
        if (calendrix::CommandLine::needsFonts(arguments)) {
            // Printing lays out text, which needs fonts but never a screen.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            givePrivateRuntimeFolder();
            QGuiApplication app(argc, argv);
            return calendrix::CommandLine::run(arguments);
        }
        QCoreApplication app(argc, argv);
        return calendrix::CommandLine::run(arguments);
    }
    int status = -1;
    QString datafile;
    const QString dir = calendrix::CommandLine::desktopFolder(arguments, &status, &datafile);
    if (status >= 0)
        return status;
#ifdef CALENDRIX_WITH_GUI
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Calendrix"_s);
    QApplication::setApplicationVersion(QStringLiteral(CALENDRIX_VERSION));
    QApplication::setWindowIcon(QIcon(u":/images/calendrix-64.png"_s));

    auto lock = std::make_unique<calendrix::FolderLock>(dir);
    if (!lock->tryLock()) {
        QMessageBox::critical(nullptr, u"ERROR"_s, lock->errorText());
        return 1;
    }
    calendrix::MainWindow window(calendrix::UnitFolder(dir), std::move(lock));
    window.setDialogHost(new calendrix::DialogSet(&window));
    window.show();
    // Queued, so that the preview opens over the window, not before it.
    if (!datafile.isEmpty())
        QMetaObject::invokeMethod(
            &window, [&window, datafile] { window.openDatafile(datafile); }, Qt::QueuedConnection);
    return app.exec();
#else
    Q_UNUSED(dir);
    // A build without the window can only run commands.
    std::fputs("calendrix: this build has no window; give a command (see calendrix --help)\n", stderr);
    return 2;
#endif
}
