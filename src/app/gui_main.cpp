#include "app/CommandLine.h"
#include "app/Startup.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <unistd.h>

#ifdef CALENDRIX_WITH_GUI
#include "dialogs/DialogSet.h"
#include "main/ErrorDisplay.h"
#include "main/MainWindow.h"
#include "session/UnitSession.h"
#include "store/Error.h"
#include "store/FolderLock.h"

#include <QApplication>
#include <QIcon>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

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

#ifdef CALENDRIX_WITH_GUI
// While the window's platform opens, Qt's own messages are held back: when
// there is no display to open, Qt ends with a fatal message of its own (and
// a core dump) that tells the clerk to reinstall; one line of ours says what
// is wrong instead. When the display opens, what was held is said after all.
QtMessageHandler g_laterHandler = nullptr;
QList<std::tuple<QtMsgType, QString, QString>> g_heldMessages;

// Made while the options are read: no translation is at hand while the
// window's application is being made.
QByteArray g_noDisplay;

void holdWhileOpening(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(g_noDisplay.constData(), stderr);
        std::_Exit(1);
    }
    g_heldMessages.append({type, QString::fromUtf8(context.category), message});
}

void sayHeldMessages()
{
    qInstallMessageHandler(g_laterHandler);
    for (const auto &[type, category, message] : std::as_const(g_heldMessages)) {
        const QByteArray name = category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, name.constData());
        qt_message_output(type, context, message);
    }
    g_heldMessages.clear();
}
#endif

} // namespace

int main(int argc, char **argv)
{
    using namespace calendrix;
    Startup::reserveHeap();
    QStringList arguments = Startup::arguments(argc, argv);
    const Startup::LanguageOption language = Startup::takeLanguageOption(arguments);
    Database::configureSqlite();
    if (CommandLine::isConsoleCommand(arguments)) {
        if (CommandLine::needsFonts(arguments)) {
            // Printing lays out text, which needs fonts but never a screen.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            givePrivateRuntimeFolder();
            QGuiApplication app(argc, argv);
            if (const int status = Startup::speak(language); status >= 0)
                return status;
            return CommandLine::finished(arguments, CommandLine::runAny(arguments));
        }
        QCoreApplication app(argc, argv);
        if (const int status = Startup::speak(language); status >= 0)
            return status;
        return CommandLine::finished(arguments, CommandLine::runAny(arguments));
    }
    int status = -1;
    QString datafile;
    QString dir;
    {
        // The options are checked before any display is opened, and their
        // messages are said in the clerk's language already.
        QCoreApplication app(argc, argv);
        if ((status = Startup::speak(language)) >= 0)
            return status;
        dir = CommandLine::desktopFolder(arguments, &status, &datafile);
#ifdef CALENDRIX_WITH_GUI
        g_noDisplay =
            (u"calendrix: "_s +
             QCoreApplication::translate("Language", "the window needs a display, and none could be "
                                                     "opened; the other commands work without one "
                                                     "(see calendrix --help)") +
             u'\n')
                .toLocal8Bit();
#endif
    }
    if (status >= 0)
        return status;
#ifdef CALENDRIX_WITH_GUI
    g_laterHandler = qInstallMessageHandler(holdWhileOpening);
    QApplication app(argc, argv);
    sayHeldMessages();
    Startup::speak(language);
    QApplication::setApplicationName(u"Calendrix"_s);
    QApplication::setApplicationVersion(QStringLiteral(CALENDRIX_VERSION));
    QApplication::setWindowIcon(QIcon(u":/images/calendrix-64.png"_s));

    UnitSession session{UnitFolder(dir)};
    if (!session.lock()) {
        ErrorDisplay::show(nullptr, Error(session.lockRefused()));
        return 1;
    }
    MainWindow window(session.folder(), session.takeLock());
    window.setDialogHost(new DialogSet(&window));
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
