#include "app/CommandLine.h"

#include "app/CommandSupport.h"
#include "app/HistoryCommands.h"
#include "app/NoticeText.h"

#include "app/DemoUnit.h"
#include "app/ExportCommand.h"
#include "app/FairnessCommand.h"
#include "report/Report.h"
#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/ReportLayout.h"
#include "report/RosterReports.h"
#include "roster/RosterRun.h"
#include "store/Database.h"
#include "store/FolderLock.h"
#include "store/OptionFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"
#include "store/UnitSettling.h"

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

const QStringList kCommands = {u"init"_s,   u"demo"_s, u"make"_s,    u"print"_s,
                               u"export"_s, u"undo"_s, u"history"_s, u"fairness"_s};

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
                          "  undo         take back the last roster run (--data DIR)\n"
                          "  history      list the roster runs that can be taken back\n"
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
                problems.append(e.text());
        }
    }
    // Every run would fail on it at its end, after all its work.
    if (const QString why = folder.historyFault(); !why.isEmpty())
        problems.append(why);
    if (problems.isEmpty())
        return -1;
    return failure(problems.join(u' ') + u" Run '%1': it sets damaged files aside and makes them anew."_s.arg(
                                             folder.repairCommand()));
}

namespace {

// What a killed run or undo left is settled before the unit's files are
// checked, as the window does when it starts: until then the working
// database's journal holds changes that only a writer may roll back, and
// the checks, which only read, would take the file for read-only.
int settleKilledWork(const UnitFolder &folder, const QDateTime &now)
{
    // The repair sets a damaged working database aside or makes a missing one.
    UnitSettling::Options options;
    options.repairAt = now;
    const UnitSettling::Result settled = UnitSettling::settle(folder, options);
    for (const Notice &notice : settled.notices())
        err() << "INFORMATION: " << NoticeText::text(notice) << "\n";
    if (settled.error && !settled.unusableWorking)
        return failure(
            NoticeText::text({Notice::Kind::Error, NoticeCode::SettleFailed, {settled.error->text()}}));
    for (const UnitSettling::RecordAside &r : std::as_const(settled.recordsAside))
        err() << "WARNING: "
              << u"'%1' names the files of a roster run or undo that did not finish and cannot be "
                 "settled without the working database; it is kept as '%2'."_s.arg(
                     QDir::toNativeSeparators(r.record), QDir::toNativeSeparators(r.aside))
              << "\n";
    // A record that could not be set aside.
    if (settled.error)
        return failure(settled.error->text());
    err().flush();
    return -1;
}

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
    try {
        const UnitFolder folder(parser.positionalArguments().constFirst());
        if (!parser.isSet(repair)) {
            if (const QString why = folder.historyFault(); !why.isEmpty())
                return failure(why + u" Run '%1': it sets it aside and makes the folder anew."_s.arg(
                                         folder.repairCommand()));
            const UnitFolder::InitResult result = folder.init();
            for (const QString &path : result.created)
                out() << "created " << QDir::toNativeSeparators(path) << "\n";
            for (const QString &path : result.kept)
                out() << "kept    " << QDir::toNativeSeparators(path) << "\n";
            out().flush();
            return 0;
        }
        // Nothing may be moved under a copy of the program that has the unit open.
        QDir().mkpath(folder.dir());
        FolderLock lock(folder.dir());
        if (!lock.tryLock())
            return failure(lock.errorText());
        const QDateTime now = QDateTime::currentDateTime();
        if (const int status = settleKilledWork(folder, now); status >= 0)
            return status;
        const auto layoutCheck = [](const QString &path) {
            try {
                ReportLayout::load(path);
            } catch (const ReportError &e) {
                return e.text();
            }
            return QString();
        };
        const UnitFolder::RepairResult result = folder.repair(now, layoutCheck);
        for (const UnitFolder::SetAside &s : result.setAside)
            out() << "set aside " << QDir::toNativeSeparators(s.path) << " as "
                  << QFileInfo(s.aside).fileName() << ": " << QString(s.why).replace(u'\n', u' ') << "\n";
        for (const QString &path : result.created)
            out() << "created " << QDir::toNativeSeparators(path) << "\n";
        for (const QString &path : result.kept)
            out() << "kept    " << QDir::toNativeSeparators(path) << "\n";
        out().flush();
    } catch (const StoreError &e) {
        return failure(e.text());
    }
    return 0;
}

int runDemo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Create an example unit."_s);
    parser.addPositionalArgument(u"DIR"_s, u"A new or empty folder for the example unit."_s);
    const QCommandLineOption scale(u"scale"_s,
                                   u"company (about 150 soldiers, 10 duties), battalion (800, 30) "
                                   "or brigade (4000, 80)."_s,
                                   u"SIZE"_s, u"company"_s);
    const QCommandLineOption seed(u"seed"_s, u"Seed of the example; the same seed gives the same unit."_s,
                                  u"N"_s, u"1"_s);
    const QCommandLineOption from(u"from"_s, u"First scheduled day, YYYY-MM-DD (default: tomorrow)."_s,
                                  u"DATE"_s);
    parser.addOptions({scale, seed, from});
    if (const int status = parse(parser, arguments,
                                 u"demo DIR [--scale company|battalion|brigade] [--seed N] [--from DATE]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(u"demo needs exactly one folder: calendrix demo DIR"_s);
    DemoUnit::Options options;
    if (!DemoUnit::parseScale(parser.value(scale), &options.scale))
        return usageError(
            u"--scale must be company, battalion or brigade, not '%1'"_s.arg(parser.value(scale)));
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
        return failure(e.text());
    }
    return 0;
}

// The roster run's messages as lines: "TITLE: text" on standard error,
// "Finished" on standard output.
class PrintingMessenger : public Messenger
{
public:
    explicit PrintingMessenger(bool replace) : m_replace(replace) {}

    void inform(Kind kind, const QString &text) override
    {
        if (kind == Kind::Plain) {
            out() << text << "\n";
            out().flush();
            return;
        }
        err() << title(kind) << ": " << QString(text).replace(u'\n', u' ') << "\n";
        err().flush();
    }

    bool ask(const QString &question) override
    {
        if (m_replace)
            return true;
        err() << "QUESTION: " << question << " No (give --replace to replace it)\n";
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

    const UnitFolder folder(dir);
    FolderLock lock(folder.dir());
    if (!lock.tryLock())
        return failure(lock.errorText());
    if (const int status = checkUnitFiles(folder); status >= 0)
        return status;
    PrintingMessenger messenger(parser.isSet(replace));
    RosterRun run(folder, messenger, OptionFile::read(folder.consolidatePath()),
                  OptionFile::read(folder.absencePath()));
    switch (run.make(parser.positionalArguments().constFirst(),
                     parser.isSet(draft) ? RosterRun::Mode::Draft : RosterRun::Mode::Counted)) {
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
    // The PDF must never take the place of the datafile or of a layout.
    const bool isDatafile =
        target.absoluteFilePath() == QFileInfo(datafile).absoluteFilePath() ||
        (target.exists() && target.canonicalFilePath() == QFileInfo(datafile).canonicalFilePath());
    if (isDatafile || UnitFolder(folder).isOwnFile(target.filePath()))
        return failure(u"'%1' is the datafile or a file of the unit; choose another name for the PDF."_s.arg(
            QDir::toNativeSeparators(target.filePath())));
    if (target.exists() && !parser.isSet(replace)) {
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
            err() << "ERROR: " << QString(reports.failureText()).replace(u'\n', u' ') << "\n";
            err().flush();
        }
        if (reports.reports().isEmpty())
            return 1;
        try {
            Report::writePdf(reports.reports(), target.filePath(), pageSize,
                             [&progressLine](const Report &report, int done, int all) {
                                 progressLine.show(
                                     u"Printing %1: duty %2 of %3"_s.arg(report.title()).arg(done).arg(all));
                             });
            progressLine.clear();
        } catch (const ReportError &e) {
            progressLine.clear();
            return failure(e.text());
        }
        for (const Report &r : reports.reports())
            out() << "printed " << r.title() << "\n";
        out() << "wrote " << QDir::toNativeSeparators(target.filePath()) << "\n";
        out().flush();
        return reports.complete() ? 0 : 1;
    } catch (const std::bad_alloc &) {
        return failure(
            u"Printing '%1' needs more memory than there is."_s.arg(QDir::toNativeSeparators(datafile)));
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
    if (command == u"fairness")
        return FairnessCommand::run(rest);
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
