#include "app/CommandLine.h"

#include "app/CommandSupport.h"
#include "app/ExportCommand.h"
#include "app/FairnessCommand.h"
#include "app/ImportCommand.h"
#include "app/NoticeText.h"
#include "report/Report.h"
#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/RosterReports.h"
#include "session/PdfPrinting.h"
#include "session/UnitSession.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QTextStream>

#include <exception>
#include <new>
#include <unistd.h>

// The commands only calendrix-gui runs: they lay out pages, read the report
// layouts or write workbooks, and so load Qt's painting libraries and
// libxlsxwriter.

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

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
        m_line.show(QCoreApplication::translate("CommandLine", "Printing %1: duty %2 of %3")
                        .arg(what)
                        .arg(done)
                        .arg(total));
        return true;
    }

private:
    ProgressLine &m_line;
};

int runInit(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", "Create an empty unit."));
    parser.addPositionalArgument(
        u"DIR"_s, QCoreApplication::translate("CommandLine", "The unit folder; created when missing."));
    const QCommandLineOption repair(
        u"repair"_s,
        QCoreApplication::translate(
            "CommandLine",
            "Set every unit file that is missing or damaged aside as NAME.damaged-YYYYMMDD-HHMMSS "
            "and make it anew; sound files are not touched."));
    parser.addOption(repair);
    if (const int status = parse(parser, arguments, u"init DIR [--repair]"_s); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "init needs exactly one folder: %1")
                              .arg(u"calendrix init DIR [--repair]"_s));
    UnitSession session{UnitFolder(parser.positionalArguments().constFirst())};
    const UnitSession::Initialised initialised =
        session.init(parser.isSet(repair), QDateTime::currentDateTime());
    if (const int status = tell(initialised.notices); status >= 0)
        return status;
    if (initialised.error)
        return failure(*initialised.error);
    for (const UnitFolder::SetAside &s : initialised.files.setAside)
        out() << QCoreApplication::translate("CommandLine", "set aside %1 as %2: %3")
                     .arg(QDir::toNativeSeparators(s.path), QFileInfo(s.aside).fileName(),
                          NoticeText::text(s.why).replace(u'\n', u' '))
              << "\n";
    for (const QString &path : initialised.files.created)
        out() << QCoreApplication::translate("CommandLine", "created %1").arg(QDir::toNativeSeparators(path))
              << "\n";
    for (const QString &path : initialised.files.kept)
        //: the spaces line the names up under those of "created %1"
        out() << QCoreApplication::translate("CommandLine", "kept    %1").arg(QDir::toNativeSeparators(path))
              << "\n";
    out().flush();
    return 0;
}

int runPrint(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Print a roster datafile's remarks and roster into one PDF file, with the "
                       "unit's layouts Remarks.rpt and Roster.rpt, as File > Open/Print Rosters "
                       "does."));
    parser.addPositionalArgument(u"FILE.cxr"_s,
                                 QCoreApplication::translate("CommandLine", "The roster datafile to print."));
    const QCommandLineOption data(
        u"data"_s,
        QCoreApplication::translate("CommandLine",
                                    "The unit folder with the layouts (default: the current folder)."),
        u"DIR"_s);
    const QCommandLineOption pdf(
        u"pdf"_s, QCoreApplication::translate("CommandLine", "The PDF file to write."), u"OUT.pdf"_s);
    const QCommandLineOption paper(u"paper"_s,
                                   QCoreApplication::translate("CommandLine", "a4 (default) or letter."),
                                   u"SIZE"_s, u"a4"_s);
    const QCommandLineOption replace(
        u"replace"_s, QCoreApplication::translate("CommandLine", "Replace OUT.pdf when it exists."));
    parser.addOptions({data, pdf, paper, replace});
    if (const int status =
            parse(parser, arguments,
                  u"print FILE.cxr --pdf OUT.pdf [--data DIR] [--paper a4|letter] [--replace]"_s);
        status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(QCoreApplication::translate(
            "CommandLine", "print needs exactly one datafile: calendrix print FILE.cxr --pdf OUT.pdf"));
    if (!parser.isSet(pdf) || parser.value(pdf).isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "print needs the file to write: --pdf OUT.pdf"));
    QPageSize pageSize;
    if (parser.value(paper).compare(u"a4"_s, Qt::CaseInsensitive) == 0)
        pageSize = QPageSize(QPageSize::A4);
    else if (parser.value(paper).compare(u"letter"_s, Qt::CaseInsensitive) == 0)
        pageSize = QPageSize(QPageSize::Letter);
    else
        return usageError(QCoreApplication::translate("CommandLine", "--paper must be a4 or letter, not '%1'")
                              .arg(parser.value(paper)));

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
        err() << QCoreApplication::translate(
                     "CommandLine", "QUESTION: %1 already exists. Replace? No (give --replace to replace it)")
                     .arg(QDir::toNativeSeparators(target.filePath()))
              << "\n";
        err().flush();
        return 4;
    }

    // Whatever a layout or the datafile holds, print ends with a message,
    // never by aborting.
    try {
        ProgressLine progressLine;
        progressLine.show(
            QCoreApplication::translate("CommandLine", "Reading %1...").arg(QFileInfo(datafile).fileName()));
        ReportEngine engine;
        const RosterReports reports(engine, folder, datafile);
        progressLine.clear();
        if (!reports.complete()) {
            err() << NoticeText::title(Notice::Kind::Error) << ": "
                  << NoticeText::paragraphs(reports.failures()).replace(u'\n', u' ') << "\n";
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
            out() << QCoreApplication::translate("CommandLine", "printed %1").arg(r.title()) << "\n";
        out() << wroteFile(target.filePath()) << "\n";
        out().flush();
        return reports.complete() ? 0 : 1;
    } catch (const std::bad_alloc &) {
        return failure(
            QCoreApplication::translate("CommandLine", "Printing '%1' needs more memory than there is.")
                .arg(QDir::toNativeSeparators(datafile)));
    } catch (const Error &e) {
        return failure(QCoreApplication::translate("CommandLine", "'%1' cannot be printed: %2.")
                           .arg(QDir::toNativeSeparators(datafile), NoticeText::text(e)));
    } catch (const std::exception &e) {
        return failure(QCoreApplication::translate("CommandLine", "'%1' cannot be printed: %2.")
                           .arg(QDir::toNativeSeparators(datafile), QString::fromLocal8Bit(e.what())));
    }
}

} // namespace

int runAny(const QStringList &arguments)
{
    const QString command = arguments.value(1);
    QStringList rest = arguments.mid(1);
    if (!rest.isEmpty())
        rest[0] = u"calendrix "_s + command;
    if (command == u"init")
        return runInit(rest);
    if (command == u"print")
        return runPrint(rest);
    if (command == u"fairness")
        return FairnessCommand::run(rest);
    if (command == u"export")
        return runExport(rest);
    if (command == u"export-personnel")
        return runExportPersonnel(rest);
    if (command == u"import")
        return runImport(rest);
    return run(arguments);
}

} // namespace calendrix::CommandLine
