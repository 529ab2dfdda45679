#include "app/CommandLine.h"

#include "app/CommandSupport.h"
#include "app/HistoryCommands.h"
#include "app/ImportCommand.h"
#include "app/NoticeText.h"
#include "app/RosterCommands.h"

#include "app/DemoUnit.h"
#include "app/ExportCommand.h"
#include "app/FairnessCommand.h"
#include "report/Report.h"
#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/RosterReports.h"
#include "roster/RosterRun.h"
#include "session/PdfPrinting.h"
#include "session/UnitSession.h"
#include "store/Database.h"
#include "store/OptionFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <new>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

const QStringList kCommands = {
    u"init"_s,       u"demo"_s,    u"make"_s,     u"print"_s,  u"export"_s,
    u"undo"_s,       u"history"_s, u"fairness"_s, u"import"_s, u"export-personnel"_s,
    u"candidates"_s, u"replace"_s, u"swap"_s};

const QString kOverview = u"Usage: calendrix [--data DIR] [FILE.cxr]\n"
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
                          "'calendrix --version' prints the version.\n"_s;

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

namespace {

// How far a long piece of work is, on one line of a terminal that is
// rewritten as the work goes on. In a file or a pipe it would be noise, so
// there it says nothing. The line is gone when the work ends, however it ends.
class ProgressLine
{
public:
    ProgressLine() : m_onTerminal(::isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { clear(); }
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    void show(const QString &text)
    {
        if (!m_onTerminal)
            return;
        err() << "\r\x1b[K" << text;
        err().flush();
        m_shown = true;
    }
    void clear()
    {
        if (!m_shown)
            return;
        err() << "\r\x1b[K";
        err().flush();
        m_shown = false;
    }

private:
    bool m_onTerminal;
    bool m_shown = false;
};

// Printing tells which report and how far it has come; it cannot stop.
class PrintProgress : public OutputProgress
{
public:
    explicit PrintProgress(ProgressLine &line) : m_line(line) {}
    bool advance(const QString &what, int done, int total) override
    {
        m_line.show(u"Printing %1: duty %2 of %3"_s.arg(what).arg(done).arg(total));
        return true;
    }

private:
    ProgressLine &m_line;
};

} // namespace

int usageError(const QString &message)
{
    err() << "calendrix: " << message << "\n";
    err().flush();
    return 2;
}

int failure(const QString &message)
{
    err() << "ERROR: " << message << "\n";
    err().flush();
    return 1;
}

int failure(const Error &error)
{
    return failure(NoticeText::text(error));
}

int failure(const Notice &notice)
{
    return failure(NoticeText::text(notice));
}

// Parses one command's arguments; -1 means go on, otherwise the exit status.
int parse(QCommandLineParser &parser, const QStringList &arguments, const QString &syntax)
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Show this help."_s);
    parser.addOption(help);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        out() << "Usage: calendrix " << syntax << "\n\n";
        if (!parser.applicationDescription().isEmpty())
            out() << parser.applicationDescription() << "\n\n";
        const QString text = parser.helpText();
        out() << text.mid(text.indexOf(u"Options:"_s));
        out().flush();
        return 0;
    }
    return -1;
}

// The folder named by --data, or the current folder. -1 means go on,
// otherwise the exit status after a usage error.
int dataFolder(const QCommandLineParser &parser, const QCommandLineOption &data, QString *dir)
{
    if (!parser.isSet(data)) {
        *dir = QDir::currentPath();
        return -1;
    }
    // An empty name would quietly mean the current folder.
    if (parser.value(data).isEmpty())
        return usageError(u"--data needs a folder: --data DIR"_s);
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
    const auto plural = NoticeText::plural;
    const int soldiers = notice.values.value(1).toInt();
    const int cancelled = notice.values.value(2).toInt();
    switch (notice.code) {
    case NoticeCode::ExportWroteCalendars:
        if (cancelled == 0)
            return NoticeText::fill(
                notice,
                plural(notice.count, u"wrote %n calendar into %1: all.ics and one for each of %2 soldiers"_s,
                       plural(soldiers,
                              u"wrote %n calendars into %1: all.ics and one for each of %2 soldier"_s,
                              u"wrote %n calendars into %1: all.ics and one for each of %2 soldiers"_s)));
        return NoticeText::fill(
            notice,
            plural(
                cancelled,
                plural(notice.count,
                       u"wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 "
                       "assignment that the roster no longer has as cancelled"_s,
                       plural(soldiers,
                              u"wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 "
                              "assignment that the roster no longer has as cancelled"_s,
                              u"wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with "
                              "%3 assignment that the roster no longer has as cancelled"_s)),
                plural(notice.count,
                       u"wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 "
                       "assignments that the roster no longer has as cancelled"_s,
                       plural(soldiers,
                              u"wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 "
                              "assignments that the roster no longer has as cancelled"_s,
                              u"wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with "
                              "%3 assignments that the roster no longer has as cancelled"_s))));
    case NoticeCode::ExportWroteSpreadsheet:
        return NoticeText::fill(notice, plural(notice.count, u"wrote %1: Summary and %n duty sheet"_s,
                                               u"wrote %1: Summary and %n duty sheets"_s));
    case NoticeCode::ExportWroteCsv:
        return NoticeText::fill(
            notice, plural(notice.count, u"wrote %1: %n assignment"_s, u"wrote %1: %n assignments"_s));
    default:
        break;
    }
    return NoticeText::text(notice);
}

QString wroteFile(const QString &path)
{
    return u"wrote %1"_s.arg(QDir::toNativeSeparators(path));
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
    return failure(problems.join(u' ') + u" Run '%1': it sets damaged files aside and makes them anew."_s.arg(
                                             folder.repairCommand()));
}

namespace {

int runInit(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Create an empty unit."_s);
    parser.addPositionalArgument(u"DIR"_s, u"The unit folder; created when missing."_s);
    const QCommandLineOption repair(
        u"repair"_s, u"Set every unit file that is missing or damaged aside as NAME.damaged-YYYYMMDD-HHMMSS "
                     "and make it anew; sound files are not touched."_s);
    parser.addOption(repair);
    if (const int status = parse(parser, arguments, u"init DIR [--repair]"_s); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(u"init needs exactly one folder: calendrix init DIR [--repair]"_s);
    UnitSession session{UnitFolder(parser.positionalArguments().constFirst())};
    const UnitSession::Initialised initialised =
        session.init(parser.isSet(repair), QDateTime::currentDateTime());
    if (const int status = tell(initialised.notices); status >= 0)
        return status;
    if (initialised.error)
        return failure(*initialised.error);
    for (const UnitFolder::SetAside &s : initialised.files.setAside)
        out() << "set aside " << QDir::toNativeSeparators(s.path) << " as " << QFileInfo(s.aside).fileName()
              << ": " << NoticeText::text(s.why).replace(u'\n', u' ') << "\n";
    for (const QString &path : initialised.files.created)
        out() << "created " << QDir::toNativeSeparators(path) << "\n";
    for (const QString &path : initialised.files.kept)
        out() << "kept    " << QDir::toNativeSeparators(path) << "\n";
    out().flush();
    return 0;
}

int runDemo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Create an example unit."_s);
    parser.addPositionalArgument(u"DIR"_s, u"A new or empty folder for the example unit."_s);
    const QCommandLineOption scale(u"scale"_s,
                                   u"company (about 150 soldiers, 10 duties), battalion (800, 30) "
                                   "brigade (4000, 80) or division (20000, 80)."_s,
                                   u"SIZE"_s, u"company"_s);
    const QCommandLineOption seed(u"seed"_s, u"Seed of the example; the same seed gives the same unit."_s,
                                  u"N"_s, u"1"_s);
    const QCommandLineOption from(u"from"_s, u"First scheduled day, YYYY-MM-DD (default: tomorrow)."_s,
                                  u"DATE"_s);
    parser.addOptions({scale, seed, from});
    if (const int status =
            parse(parser, arguments,
                  u"demo DIR [--scale company|battalion|brigade|division] [--seed N] [--from DATE]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(u"demo needs exactly one folder: calendrix demo DIR"_s);
    DemoUnit::Options options;
    if (!DemoUnit::parseScale(parser.value(scale), &options.scale))
        return usageError(
            u"--scale must be company, battalion, brigade or division, not '%1'"_s.arg(parser.value(scale)));
    bool ok = false;
    options.seed = parser.value(seed).toULongLong(&ok);
    if (!ok)
        return usageError(u"--seed must be a whole number, not '%1'"_s.arg(parser.value(seed)));
    if (parser.isSet(from)) {
        options.from = QDate::fromString(parser.value(from), Qt::ISODate);
        if (!options.from.isValid())
            return usageError(u"--from must be a date YYYY-MM-DD, not '%1'"_s.arg(parser.value(from)));
        if (options.from > DemoUnit::latestStart())
            return usageError(u"--from must be %1 or earlier, so that every duty's 36 periods end by "
                              "9999-12-31, not '%2'"_s.arg(DemoUnit::latestStart().toString(Qt::ISODate),
                                                           parser.value(from)));
    }
    try {
        const QString dir = parser.positionalArguments().constFirst();
        const DemoUnit::Summary s = DemoUnit::create(dir, options);
        out() << "Example unit in " << QDir::toNativeSeparators(QDir(dir).absolutePath()) << ": "
              << s.soldiers << " soldiers, " << s.duties << " duties, " << s.periods << " periods, "
              << s.absences << " absences, " << s.holidays << " holidays\n";
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
        err() << "QUESTION: " << NoticeText::text(question) << " No (give --replace to replace it)\n";
        err().flush();
        return false;
    }

private:
    bool m_replace;
};

int runMake(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Make a roster datafile from the unit, as File > Make New "
                                     "Datafile does."_s);
    parser.addPositionalArgument(u"OUT.cxr"_s, u"The roster datafile to make."_s);
    const QCommandLineOption data(u"data"_s, u"The unit folder (default: the current folder)."_s, u"DIR"_s);
    const QCommandLineOption replace(u"replace"_s, u"Replace OUT.cxr when it exists."_s);
    const QCommandLineOption draft(u"draft"_s, u"Make a draft: the same roster, marked as a draft, with "
                                               "the counters and assignment dates left as they are."_s);
    parser.addOptions({data, replace, draft});
    if (const int status = parse(parser, arguments, u"make OUT.cxr [--draft] [--data DIR] [--replace]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(u"make needs exactly one datafile: calendrix make OUT.cxr [--data DIR]"_s);
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;

    UnitSession session{UnitFolder(dir)};
    if (!session.lock())
        return tell({session.lockRefused()});
    const UnitFolder &folder = session.folder();
    if (const int status = checkUnitFiles(folder); status >= 0)
        return status;
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

int runPrint(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Print a roster datafile's remarks and roster into one PDF file, with the "
        "unit's layouts Remarks.rpt and Roster.rpt, as File > Open/Print Rosters "
        "does."_s);
    parser.addPositionalArgument(u"FILE.cxr"_s, u"The roster datafile to print."_s);
    const QCommandLineOption data(
        u"data"_s, u"The unit folder with the layouts (default: the current folder)."_s, u"DIR"_s);
    const QCommandLineOption pdf(u"pdf"_s, u"The PDF file to write."_s, u"OUT.pdf"_s);
    const QCommandLineOption paper(u"paper"_s, u"a4 (default) or letter."_s, u"SIZE"_s, u"a4"_s);
    const QCommandLineOption replace(u"replace"_s, u"Replace OUT.pdf when it exists."_s);
    parser.addOptions({data, pdf, paper, replace});
    if (const int status =
            parse(parser, arguments,
                  u"print FILE.cxr --pdf OUT.pdf [--data DIR] [--paper a4|letter] [--replace]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(u"print needs exactly one datafile: calendrix print FILE.cxr --pdf OUT.pdf"_s);
    if (!parser.isSet(pdf) || parser.value(pdf).isEmpty())
        return usageError(u"print needs the file to write: --pdf OUT.pdf"_s);
    QPageSize pageSize;
    if (parser.value(paper).compare(u"a4"_s, Qt::CaseInsensitive) == 0)
        pageSize = QPageSize(QPageSize::A4);
    else if (parser.value(paper).compare(u"letter"_s, Qt::CaseInsensitive) == 0)
        pageSize = QPageSize(QPageSize::Letter);
    else
        return usageError(u"--paper must be a4 or letter, not '%1'"_s.arg(parser.value(paper)));

    const QString datafile = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    QString folder;
    if (const int status = dataFolder(parser, data, &folder); status >= 0)
        return status;
    const QFileInfo target(parser.value(pdf));
    const PdfPrinting printing{UnitFolder(folder), datafile};
    const OutputResult checked = printing.check(target.filePath());
    if (checked.outcome == OutputResult::Outcome::Refused)
        return failure(NoticeText::text(checked.notices.constFirst()));
    if (checked.outcome == OutputResult::Outcome::Exists && !parser.isSet(replace)) {
        err() << "QUESTION: " << QDir::toNativeSeparators(target.filePath())
              << " already exists. Replace? No (give --replace to replace it)\n";
        err().flush();
        return 4;
    }

    // Whatever a layout or the datafile holds, print ends with a message,
    // never by aborting.
    try {
        ProgressLine progressLine;
        progressLine.show(u"Reading %1..."_s.arg(QFileInfo(datafile).fileName()));
        ReportEngine engine;
        const RosterReports reports(engine, folder, datafile);
        progressLine.clear();
        if (!reports.complete()) {
            err() << "ERROR: " << NoticeText::paragraphs(reports.failures()).replace(u'\n', u' ') << "\n";
            err().flush();
        }
        if (reports.reports().isEmpty())
            return 1;
        PrintProgress progress(progressLine);
        const OutputResult written =
            printing.write(reports.reports(), target.filePath(), pageSize, &progress);
        progressLine.clear();
        if (written.error)
            return failure(*written.error);
        for (const Report &r : reports.reports())
            out() << "printed " << r.title() << "\n";
        out() << wroteFile(target.filePath()) << "\n";
        out().flush();
        return reports.complete() ? 0 : 1;
    } catch (const std::bad_alloc &) {
        return failure(
            u"Printing '%1' needs more memory than there is."_s.arg(QDir::toNativeSeparators(datafile)));
    } catch (const Error &e) {
        return failure(
            u"'%1' cannot be printed: %2."_s.arg(QDir::toNativeSeparators(datafile), NoticeText::text(e)));
    } catch (const std::exception &e) {
        return failure(u"'%1' cannot be printed: %2."_s.arg(QDir::toNativeSeparators(datafile),
                                                            QString::fromLocal8Bit(e.what())));
    }
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

int run(const QStringList &arguments)
{
    const QString command = arguments.value(1);
    if (command == u"--help" || command == u"-h") {
        out() << kOverview;
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
    if (command == u"init")
        return runInit(rest);
    if (command == u"demo")
        return runDemo(rest);
    if (command == u"make")
        return runMake(rest);
    if (command == u"print")
        return runPrint(rest);
    if (command == u"export")
        return runExport(rest);
    if (command == u"undo")
        return runUndo(rest);
    if (command == u"history")
        return runHistory(rest);
    if (command == u"import")
        return runImport(rest);
    if (command == u"export-personnel")
        return runExportPersonnel(rest);
    if (command == u"fairness")
        return FairnessCommand::run(rest);
    if (command == u"candidates")
        return runCandidates(rest);
    if (command == u"replace")
        return runReplace(rest);
    if (command == u"swap")
        return runSwap(rest);
    return usageError(u"unknown command '%1' (try calendrix --help)"_s.arg(command));
}

QString desktopFolder(const QStringList &arguments, int *status, QString *datafile)
{
    QCommandLineParser parser;
    const QCommandLineOption data(u"data"_s, u"The unit folder."_s, u"DIR"_s);
    parser.addOption(data);
    *status = 2;
    if (!parser.parse(arguments)) {
        usageError(parser.errorText());
        return {};
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && (files.size() > 1 || !isDatafileArgument(files.constFirst()))) {
        usageError(u"unknown command '%1' (try calendrix --help)"_s.arg(files.constLast()));
        return {};
    }
    QString dir;
    if ((*status = dataFolder(parser, data, &dir)) >= 0)
        return {};
    if (!files.isEmpty()) {
        const QFileInfo file(files.constFirst());
        if (!file.exists()) {
            *status = failure(u"The roster datafile '%1' does not exist."_s.arg(
                QDir::toNativeSeparators(file.absoluteFilePath())));
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
        *status = failure(
            !info.exists()
                ? u"The unit folder '%1' does not exist."_s.arg(QDir::toNativeSeparators(dir))
                : u"'%1' is not a folder; a unit is kept in a folder."_s.arg(QDir::toNativeSeparators(dir)));
        return {};
    }
    *status = -1;
    return dir;
}

} // namespace calendrix::CommandLine
