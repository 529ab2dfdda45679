#include "app/CommandLine.h"

#include "app/CommandSupport.h"
#include "app/HistoryCommands.h"
#include "app/NoticeText.h"
#include "app/RosterCommands.h"

#include "app/DemoUnit.h"
#include "roster/RosterRun.h"
#include "session/UnitSession.h"
#include "store/Database.h"
#include "store/OptionFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

const QStringList kCommands = {
    u"init"_s,       u"demo"_s,    u"make"_s,     u"print"_s,  u"export"_s,
    u"undo"_s,       u"history"_s, u"fairness"_s, u"import"_s, u"export-personnel"_s,
    u"candidates"_s, u"replace"_s, u"swap"_s};

// Read where it is printed, so that the language chosen at start applies.
QString overview()
{
    return QCoreApplication::translate(
        "CommandLine", "Usage: calendrix [--data DIR] [FILE.cxr]\n"
                       "       calendrix COMMAND [options]\n\n"
                       "Without a command, opens the duty roster program on the unit in DIR\n"
                       "(default: the current folder), and shows FILE.cxr in the print preview.\n\n"
                       "Commands:\n"
                       "  init DIR     create an empty unit in DIR (existing files are kept;\n"
                       "               with --repair, damaged ones are set aside and made anew)\n"
                       "  demo DIR     create an example unit in DIR\n"
                       "  make OUT.cxr make a roster datafile from the unit (--data DIR)\n"
                       "  print F.cxr  print a roster datafile's remarks and roster to PDF\n"
                       "  export F.cxr export a roster datafile as calendars, a spreadsheet or CSV\n"
                       "  import FILE  import soldiers, absences, holidays or work schedules from\n"
                       "               CSV, a workbook (.xlsx) or a calendar (.ics)\n"
                       "  export-personnel OUT.csv|OUT.xlsx\n"
                       "               write the soldiers with the columns import reads\n"
                       "  candidates F.cxr\n"
                       "               who could stand a period of a duty, in the run's order\n"
                       "  replace F.cxr\n"
                       "               give a period to another soldier (--next or --by NAME)\n"
                       "  swap F.cxr   two soldiers of a duty trade their periods\n"
                       "  undo         take back the last roster run, import, replace or swap\n"
                       "  history      list the changes that can be taken back\n"
                       "  fairness     how evenly the duties fall: a table, CSV or a PDF with charts\n\n"
                       "Run 'calendrix COMMAND --help' for the options of a command;\n"
                       "'calendrix --version' prints the version.\n");
}

} // namespace

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int usageError(const QString &message)
{
    err() << "calendrix: " << message << "\n";
    err().flush();
    return 2;
}

int failure(const QString &message)
{
    err() << NoticeText::title(Notice::Kind::Error) << ": " << message << "\n";
    err().flush();
    return 1;
}

int failure(const Error &error)
{
    return failure(NoticeText::text(error));
}

// Parses one command's arguments; -1 means go on, otherwise the exit status.
int parse(QCommandLineParser &parser, const QStringList &arguments, const QString &syntax)
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({u"h"_s, u"help"_s},
                                  QCoreApplication::translate("CommandLine", "Show this help."));
    parser.addOption(help);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        out() << QCoreApplication::translate("CommandLine", "Usage: calendrix %1").arg(syntax) << "\n\n";
        if (!parser.applicationDescription().isEmpty())
            out() << parser.applicationDescription() << "\n\n";
        const QString text = parser.helpText();
        // Qt's own heading, in the language of Qt's translation if one is loaded.
        const char *qtContext = "QCommandLineParser";
        out() << text.mid(text.indexOf(QCoreApplication::translate(qtContext, "Options:")));
        out().flush();
        return 0;
    }
    return -1;
}

// The folder named by --data, or the current folder. -1 means go on,
// otherwise the exit status after a usage error.
QCommandLineOption dataOption()
{
    return {u"data"_s,
            QCoreApplication::translate("CommandLine", "The unit folder (default: the current folder)."),
            u"DIR"_s};
}

int dataFolder(const QCommandLineParser &parser, const QCommandLineOption &data, QString *dir)
{
    if (!parser.isSet(data)) {
        *dir = QDir::currentPath();
        return -1;
    }
    // An empty name would quietly mean the current folder.
    if (parser.value(data).isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "--data needs a folder: --data DIR"));
    *dir = QDir(parser.value(data)).absolutePath();
    return -1;
}

int tell(const Notices &notices)
{
    for (const Notice &notice : notices) {
        if (notice.kind == Notice::Kind::Error)
            return failure(NoticeText::text(notice));
        err() << NoticeText::title(notice.kind) << (notice.kind == Notice::Kind::Plain ? "" : ": ")
              << NoticeText::text(notice) << "\n";
    }
    err().flush();
    return -1;
}

// The command line logs what it wrote as a log reads: lower case, no full
// stop. These are its own sentences; the window's stand in NoticeText.
QString logLine(const Notice &notice)
{
    const int n = notice.count;
    const int soldiers = notice.values.value(1).toInt();
    const int cancelled = notice.values.value(2).toInt();
    const auto counted = [&](const char *one, const char *many) {
        return NoticeText::fill(notice, NoticeText::counted("CommandLine", n, one, many));
    };
    switch (notice.code) {
    case NoticeCode::ExportWroteCalendars: {
        // %n counts the calendars; the soldiers and the cancelled
        // assignments each choose their own sentence.
        const char *one =
            cancelled == 0   ? "wrote %n calendar into %1: all.ics and one for each of %2 soldiers"
            : cancelled == 1 ? "wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 "
                               "assignment that the roster no longer has as cancelled"
                             : "wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 "
                               "assignments that the roster no longer has as cancelled";
        if (cancelled == 0)
            return soldiers == 1
                       ? counted(one,
                                 //: %1 is a folder, %2 a number of soldiers (here 1)
                                 QT_TRANSLATE_N_NOOP("CommandLine", "wrote %n calendars into %1: all.ics and "
                                                                    "one for each of %2 soldier"))
                       : counted(one,
                                 //: %1 is a folder, %2 a number of soldiers
                                 QT_TRANSLATE_N_NOOP("CommandLine", "wrote %n calendars into %1: all.ics and "
                                                                    "one for each of %2 soldiers"));
        if (cancelled == 1)
            return soldiers == 1
                       ? counted(
                             one,
                             //: %1 is a folder, %2 a number of soldiers (here 1), %3 of assignments (here 1)
                             QT_TRANSLATE_N_NOOP(
                                 "CommandLine",
                                 "wrote %n calendars into %1: all.ics and one for each of %2 "
                                 "soldier, with %3 assignment that the roster no longer has as "
                                 "cancelled"))
                       : counted(one,
                                 //: %1 is a folder, %2 a number of soldiers, %3 of assignments (here 1)
                                 QT_TRANSLATE_N_NOOP(
                                     "CommandLine",
                                     "wrote %n calendars into %1: all.ics and one for each of %2 "
                                     "soldiers, with %3 assignment that the roster no longer has as "
                                     "cancelled"));
        return soldiers == 1
                   ? counted(one,
                             //: %1 is a folder, %2 a number of soldiers (here 1), %3 of assignments
                             QT_TRANSLATE_N_NOOP("CommandLine",
                                                 "wrote %n calendars into %1: all.ics and one for each "
                                                 "of %2 soldier, with %3 assignments that the roster no "
                                                 "longer has as cancelled"))
                   : counted(one,
                             //: %1 is a folder, %2 a number of soldiers, %3 of assignments
                             QT_TRANSLATE_N_NOOP("CommandLine",
                                                 "wrote %n calendars into %1: all.ics and one for each "
                                                 "of %2 soldiers, with %3 assignments that the roster "
                                                 "no longer has as cancelled"));
    }
    case NoticeCode::ExportWroteSpreadsheet:
        return counted("wrote %1: Summary and %n duty sheet",
                       QT_TRANSLATE_N_NOOP("CommandLine", "wrote %1: Summary and %n duty sheets"));
    case NoticeCode::ExportWroteCsv:
        return counted("wrote %1: %n assignment",
                       QT_TRANSLATE_N_NOOP("CommandLine", "wrote %1: %n assignments"));
    default:
        break;
    }
    return NoticeText::text(notice);
}

QString wroteFile(const QString &path)
{
    return QCoreApplication::translate("CommandLine", "wrote %1").arg(QDir::toNativeSeparators(path));
}

// Refuses a unit whose own databases cannot be used, with the command that
// sets them right; the run would only fail on them later.
int checkUnitFiles(const UnitFolder &folder)
{
    const std::pair<QString, FileKind> databases[] = {
        {folder.personnelPath(), FileKind::Personnel},
        {folder.workingPath(), FileKind::Working},
        {folder.templatePath(), FileKind::Roster},
    };
    QStringList problems;
    for (const auto &[path, kind] : databases) {
        try {
            Database::verify(path, kind);
        } catch (const StoreError &e) {
            // A locked file is no fault of the file; the run says so itself.
            if (e.code() == StoreErrorCode::FileNotFound || e.code() == StoreErrorCode::WrongFileKind ||
                e.code() == StoreErrorCode::Corrupt || e.code() == StoreErrorCode::ItemNotFound)
                problems.append(NoticeText::text(e));
        }
    }
    // Every run would fail on it at its end, after all its work.
    if (const std::optional<Notice> why = folder.historyFault())
        problems.append(NoticeText::text(*why));
    if (problems.isEmpty())
        return -1;
    return failure(QCoreApplication::translate(
                       "CommandLine", "%1 Run '%2': it sets damaged files aside and makes them anew.")
                       .arg(problems.join(u' '), folder.repairCommand()));
}

int takeUnit(UnitSession &session)
{
    if (!session.lock())
        return tell({session.lockRefused()});
    return checkUnitFiles(session.folder());
}

namespace {

int runDemo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Create an example unit."));
    parser.addPositionalArgument(
        u"DIR"_s, QCoreApplication::translate("CommandLine", "A new or empty folder for the example unit."));
    const QCommandLineOption scale(
        u"scale"_s,
        QCoreApplication::translate("CommandLine",
                                    "company (about 150 soldiers, 10 duties), battalion (800, 30) "
                                    "brigade (4000, 80) or division (20000, 80)."),
        u"SIZE"_s, u"company"_s);
    const QCommandLineOption seed(
        u"seed"_s,
        QCoreApplication::translate("CommandLine", "Seed of the example; the same seed gives the same unit."),
        u"N"_s, u"1"_s);
    const QCommandLineOption from(
        u"from"_s,
        QCoreApplication::translate("CommandLine", "First scheduled day, YYYY-MM-DD (default: tomorrow)."),
        u"DATE"_s);
    parser.addOptions({scale, seed, from});
    if (const int status =
            parse(parser, arguments,
                  u"demo DIR [--scale company|battalion|brigade|division] [--seed N] [--from DATE]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "demo needs exactly one folder: calendrix demo DIR"));
    DemoUnit::Options options;
    if (!DemoUnit::parseScale(parser.value(scale), &options.scale))
        return usageError(
            QCoreApplication::translate("CommandLine",
                                        "--scale must be company, battalion, brigade or division, not '%1'")
                .arg(parser.value(scale)));
    bool ok = false;
    options.seed = parser.value(seed).toULongLong(&ok);
    if (!ok)
        return usageError(
            QCoreApplication::translate("CommandLine", "--seed must be a whole number from 0, not '%1'")
                .arg(parser.value(seed)));
    if (parser.isSet(from)) {
        options.from = QDate::fromString(parser.value(from), Qt::ISODate);
        if (!options.from.isValid())
            return usageError(
                QCoreApplication::translate("CommandLine", "--from must be a date YYYY-MM-DD, not '%1'")
                    .arg(parser.value(from)));
        if (options.from > DemoUnit::latestStart())
            return usageError(QCoreApplication::translate(
                                  "CommandLine",
                                  "--from must be %1 or earlier, so that every duty's 36 periods end by "
                                  "9999-12-31, not '%2'")
                                  .arg(DemoUnit::latestStart().toString(Qt::ISODate), parser.value(from)));
    }
    try {
        const QString dir = parser.positionalArguments().constFirst();
        const DemoUnit::Summary s = DemoUnit::create(dir, options);
        //: %1 is the folder; an example unit always has many of each
        out() << QCoreApplication::translate(
                     "CommandLine",
                     "Example unit in %1: %2 soldiers, %3 duties, %4 periods, %5 absences, %6 holidays")
                     .arg(QDir::toNativeSeparators(QDir(dir).absolutePath()))
                     .arg(s.soldiers)
                     .arg(s.duties)
                     .arg(s.periods)
                     .arg(s.absences)
                     .arg(s.holidays)
              << "\n";
        out().flush();
    } catch (const StoreError &e) {
        return failure(e);
    }
    return 0;
}

// The roster run's messages as lines: "TITLE: text" on standard error,
// "Finished" on standard output.
class PrintingMessenger : public Messenger
{
public:
    explicit PrintingMessenger(bool replace) : m_replace(replace) {}

    void inform(const Notice &notice) override
    {
        if (notice.kind == Kind::Plain) {
            out() << NoticeText::text(notice) << "\n";
            out().flush();
            return;
        }
        err() << NoticeText::title(notice.kind) << ": " << NoticeText::text(notice).replace(u'\n', u' ')
              << "\n";
        err().flush();
    }

    bool ask(const Notice &question) override
    {
        if (m_replace)
            return true;
        //: %1 asks whether to replace a file; the command line answers it
        err() << QCoreApplication::translate("CommandLine", "QUESTION: %1 No (give --replace to replace it)")
                     .arg(NoticeText::text(question))
              << "\n";
        err().flush();
        return false;
    }

private:
    bool m_replace;
};

int runMake(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Make a roster datafile from the unit, as File > Make New "
                                                   "Datafile does."));
    parser.addPositionalArgument(u"OUT.cxr"_s,
                                 QCoreApplication::translate("CommandLine", "The roster datafile to make."));
    const QCommandLineOption data = dataOption();
    const QCommandLineOption replace(
        u"replace"_s, QCoreApplication::translate("CommandLine", "Replace OUT.cxr when it exists."));
    const QCommandLineOption draft(
        u"draft"_s,
        QCoreApplication::translate("CommandLine", "Make a draft: the same roster, marked as a draft, with "
                                                   "the counters and assignment dates left as they are."));
    parser.addOptions({data, replace, draft});
    if (const int status = parse(parser, arguments, u"make OUT.cxr [--draft] [--data DIR] [--replace]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "make needs exactly one datafile: %1")
                              .arg(u"calendrix make OUT.cxr [--data DIR]"_s));
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;

    UnitSession session{UnitFolder(dir)};
    if (const int status = takeUnit(session); status >= 0)
        return status;
    const UnitFolder &folder = session.folder();
    PrintingMessenger messenger(parser.isSet(replace));
    // What the session says after the run is for a window: here the question's
    // line has said No already.
    switch (session
                .make(messenger, parser.positionalArguments().constFirst(),
                      parser.isSet(draft) ? RosterRun::Mode::Draft : RosterRun::Mode::Counted,
                      OptionFile::read(folder.consolidatePath()), OptionFile::read(folder.absencePath()))
                .outcome) {
    case RosterRun::Outcome::Finished:
        return 0;
    case RosterRun::Outcome::Stopped:
        return 3;
    case RosterRun::Outcome::Declined:
        return 4;
    case RosterRun::Outcome::Failed:
        break;
    }
    return 1;
}

// A file manager starts the program with the file the clerk opened, which it
// knows as a datafile by its content, not only by its extension.
bool isDatafileArgument(const QString &argument)
{
    return !kCommands.contains(argument) &&
           (argument.endsWith(u".cxr"_s, Qt::CaseInsensitive) || QFileInfo(argument).isFile());
}

} // namespace

bool isConsoleCommand(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString first = arguments.at(1);
    return kCommands.contains(first) || first == u"--help" || first == u"-h" || first == u"--version" ||
           first == u"-v" || (!first.startsWith(u'-') && !isDatafileArgument(first));
}

bool needsFonts(const QStringList &arguments)
{
    return arguments.value(1) == u"print" || arguments.value(1) == u"fairness";
}

bool needsGuiProgram(const QStringList &arguments)
{
    static const QStringList commands = {u"print"_s,  u"fairness"_s,         u"init"_s,
                                         u"export"_s, u"export-personnel"_s, u"import"_s};
    return !isConsoleCommand(arguments) || commands.contains(arguments.value(1));
}

int run(const QStringList &arguments)
{
    const QString command = arguments.value(1);
    if (command == u"--help" || command == u"-h") {
        out() << overview();
        out().flush();
        return 0;
    }
    if (command == u"--version" || command == u"-v") {
        out() << "calendrix " << CALENDRIX_VERSION << "\n";
        out().flush();
        return 0;
    }
    QStringList rest = arguments.mid(1);
    rest[0] = u"calendrix "_s + command;
    if (command == u"demo")
        return runDemo(rest);
    if (command == u"make")
        return runMake(rest);
    if (command == u"undo")
        return runUndo(rest);
    if (command == u"history")
        return runHistory(rest);
    if (command == u"candidates")
        return runCandidates(rest);
    if (command == u"replace")
        return runReplace(rest);
    if (command == u"swap")
        return runSwap(rest);
    return usageError(
        QCoreApplication::translate("CommandLine", "unknown command '%1' (try calendrix --help)")
            .arg(command));
}

int finished(const QStringList &arguments, int status)
{
    out().flush();
    if (out().status() == QTextStream::Ok)
        return status;
    static const QStringList changing{u"make"_s, u"undo"_s, u"import"_s, u"replace"_s,
                                      u"swap"_s, u"demo"_s, u"init"_s};
    const bool changedUnit = status == 0 && changing.contains(arguments.value(1)) &&
                             !arguments.contains(u"--dry-run"_s) && !arguments.contains(u"--help"_s);
    const auto *file = qobject_cast<const QFileDevice *>(out().device());
    const QString reason = file ? file->errorString() : QString();
    if (changedUnit) {
        err() << NoticeText::title(Notice::Kind::Warning) << ": "
              << QCoreApplication::translate("CommandLine",
                                             "The command did its work, but its output could not be "
                                             "written in full: %1.")
                     .arg(reason)
              << "\n";
        err().flush();
        return status;
    }
    const int failed =
        failure(QCoreApplication::translate("CommandLine", "The output could not be written in full: %1.")
                    .arg(reason));
    return status == 0 ? failed : status;
}

QString desktopFolder(const QStringList &arguments, int *status, QString *datafile)
{
    QCommandLineParser parser;
    const QCommandLineOption data(u"data"_s, QCoreApplication::translate("CommandLine", "The unit folder."),
                                  u"DIR"_s);
    parser.addOption(data);
    *status = 2;
    if (!parser.parse(arguments)) {
        usageError(parser.errorText());
        return {};
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && (files.size() > 1 || !isDatafileArgument(files.constFirst()))) {
        usageError(QCoreApplication::translate("CommandLine", "unknown command '%1' (try calendrix --help)")
                       .arg(files.constLast()));
        return {};
    }
    QString dir;
    if ((*status = dataFolder(parser, data, &dir)) >= 0)
        return {};
    if (!files.isEmpty()) {
        const QFileInfo file(files.constFirst());
        if (!file.exists()) {
            *status =
                failure(QCoreApplication::translate("CommandLine", "The roster datafile '%1' does not exist.")
                            .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
            return {};
        }
        *datafile = file.absoluteFilePath();
        // A file manager starts the program in a folder of its own choosing;
        // a datafile is most often saved in its unit's folder.
        if (!parser.isSet(data) && !QFileInfo::exists(UnitFolder(dir).personnelPath()))
            dir = file.absolutePath();
    }
    // Said here, before any window: a folder that is not there is no unit
    // to open, and no sign of another program holding it.
    const QFileInfo info(dir);
    if (!info.exists() || !info.isDir()) {
        *status =
            failure(!info.exists()
                        ? QCoreApplication::translate("CommandLine", "The unit folder '%1' does not exist.")
                              .arg(QDir::toNativeSeparators(dir))
                        : QCoreApplication::translate("CommandLine",
                                                      "'%1' is not a folder; a unit is kept in a folder.")
                              .arg(QDir::toNativeSeparators(dir)));
        return {};
    }
    *status = -1;
    return dir;
}

} // namespace calendrix::CommandLine
