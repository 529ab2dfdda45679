#include "app/CommandLine.h"
#include "app/Startup.h"
#include "store/Database.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

// The calendrix program runs the commands that read and write the unit's
// databases itself, linked with Qt's core and SQL libraries alone. The
// window and the commands that make documents (print, fairness, export,
// export-personnel) or check the report layouts (init) start calendrix-gui
// in its place: loading Qt's painting and window libraries and
// libxlsxwriter costs more processor time than a small unit's whole roster
// run. So does import: the readers of workbooks, CSV files and calendars
// would add a millisecond to the start of every other command.

using namespace Qt::Literals::StringLiterals;

namespace {

struct NotStarted {
    QByteArray path;
    int error = 0;
};

// Starts calendrix-gui in this process's place, with the same arguments:
// the one beside this program (a build folder), else the one where the
// package installs it. Returns only when neither could be started.
NotStarted startGuiProgram(char **argv)
{
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    QByteArray folder = length > 0 ? QByteArray(self, length) : QByteArray(argv[0]);
    folder.truncate(std::max<qsizetype>(folder.lastIndexOf('/'), 0));
    if (folder.isEmpty())
        folder = ".";
    NotStarted failed;
    for (const QByteArray &path :
         {folder + "/calendrix-gui", folder + "/" CALENDRIX_GUI_FROM_BIN "/calendrix-gui"}) {
        ::execv(path.constData(), argv);
        // One that is there but cannot run says more than one that is not there.
        if (failed.path.isEmpty() || failed.error == ENOENT)
            failed = {path, errno};
    }
    return failed;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace calendrix;
    QStringList arguments = Startup::arguments(argc, argv);
    const Startup::LanguageOption language = Startup::takeLanguageOption(arguments);
    if (CommandLine::needsGuiProgram(arguments)) {
        const NotStarted failed = startGuiProgram(argv);
        QCoreApplication app(argc, argv);
        Startup::speak(language);
        const QString message =
            u"calendrix: "_s +
            QCoreApplication::translate("CommandLine", "the window and the commands print, fairness, export, "
                                                       "export-personnel, import and init are in %1, which "
                                                       "cannot be started: %2. Reinstall Calendrix.")
                .arg(QDir::toNativeSeparators(QDir::cleanPath(QString::fromLocal8Bit(failed.path))),
                     QString::fromLocal8Bit(std::strerror(failed.error))) +
            u'\n';
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return 1;
    }
    // A command matches each of its few patterns against a few short texts:
    // compiling every pattern to machine code first costs more than it saves.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT"))
        qputenv("QT_ENABLE_REGEXP_JIT", "0");
    Startup::reserveHeap();
    Database::configureSqlite();
    QCoreApplication app(argc, argv);
    if (const int status = Startup::speak(language); status >= 0)
        return status;
    return CommandLine::finished(arguments, CommandLine::run(arguments));
}
