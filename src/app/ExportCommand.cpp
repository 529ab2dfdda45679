#include "app/ExportCommand.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"

#include "session/ExportJob.h"
#include "session/UnitSession.h"
#include "store/Error.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

const QString kSyntax =
    u"export FILE.cxr [--data DIR] [--replace] (--ics DIR | --xlsx OUT.xlsx | --csv OUT.csv)..."_s;

void say(FILE *stream, const QString &line)
{
    QTextStream s(stream);
    s << line << "\n";
}

// One line, whatever the message holds.
int failureLine(const QString &message)
{
    return failure(QString(message).replace(u'\n', u' '));
}

// A refusal or a failure, on one line.
int failed(const OutputResult &result)
{
    if (result.error)
        return failureLine(NoticeText::text(*result.error));
    return failureLine(result.notices.isEmpty() ? QString() : NoticeText::text(result.notices.constFirst()));
}

} // namespace

int runExport(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Export a roster datafile as calendars (iCalendar), a spreadsheet (xlsx) or CSV, as File > "
        "Export Roster does. Give one or more of --ics, --xlsx and --csv."));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addPositionalArgument(
        u"FILE.cxr"_s,
        QCoreApplication::translate("CommandLine", "The roster datafile to export; it is only read."));
    const QCommandLineOption data(
        u"data"_s,
        QCoreApplication::translate(
            "CommandLine",
            "The unit folder, whose own files are never written over (default: the current folder)."),
        u"DIR"_s);
    const QCommandLineOption replace(
        u"replace"_s, QCoreApplication::translate("CommandLine", "Replace files of the export that exist."));
    const QCommandLineOption ics(
        u"ics"_s,
        QCoreApplication::translate("CommandLine",
                                    "A folder for calendars: all.ics with every assignment and one .ics "
                                    "file per soldier who stands a duty; made when missing."),
        u"DIR"_s);
    const QCommandLineOption xlsx(
        u"xlsx"_s,
        QCoreApplication::translate("CommandLine", "A spreadsheet: a summary and one sheet per duty."),
        u"OUT.xlsx"_s);
    const QCommandLineOption csv(
        u"csv"_s,
        QCoreApplication::translate("CommandLine", "Comma-separated values, one row per assignment."),
        u"OUT.csv"_s);
    parser.addOptions({data, replace, ics, xlsx, csv});
    if (const int status = parse(parser, arguments, kSyntax); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(
            QCoreApplication::translate("CommandLine", "export needs exactly one datafile: calendrix %1")
                .arg(kSyntax));
    for (const QCommandLineOption &o : {data, ics, xlsx, csv}) {
        if (parser.values(o).size() > 1)
            return usageError(QCoreApplication::translate("CommandLine", "--%1 may be given once")
                                  .arg(o.names().constFirst()));
        if (parser.isSet(o) && parser.value(o).isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "--%1 needs a name: --%1 %2")
                                  .arg(o.names().constFirst(), o.valueName()));
    }
    if (!parser.isSet(ics) && !parser.isSet(xlsx) && !parser.isSet(csv))
        return usageError(QCoreApplication::translate(
            "CommandLine", "export needs at least one of --ics DIR, --xlsx OUT.xlsx and --csv OUT.csv"));

    const QString datafile = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const UnitFolder unit(parser.isSet(data) ? QDir(parser.value(data)).absolutePath() : QDir::currentPath());
    const ExportTargets targets{parser.value(ics), parser.value(xlsx), parser.value(csv)};

    // Whatever the datafile holds, export ends with a message, never by aborting.
    try {
        const ExportJob job(unit, datafile);
        const OutputResult checked = job.check(targets);
        if (checked.outcome == OutputResult::Outcome::Exists && !parser.isSet(replace)) {
            const QStringList &existing = checked.files;
            const QString first = QDir::toNativeSeparators(existing.constFirst());
            const qsizetype more = existing.size() - 1;
            const QString question =
                more == 0
                    ? QCoreApplication::translate(
                          "CommandLine", "%1 already exists. Replace? No (give --replace to replace it)")
                          .arg(first)
                    : NoticeText::counted("CommandLine", int(more),
                                          "%1 and %n more file of the export already exist. Replace them? "
                                          "No (give --replace to replace them)",
                                          //: %1 is a file
                                          QT_TRANSLATE_N_NOOP("CommandLine",
                                                              "%1 and %n more files of the export already "
                                                              "exist. Replace them? No (give --replace to "
                                                              "replace them)"))
                          .arg(first);
            say(stderr, QCoreApplication::translate("CommandLine", "QUESTION: %1").arg(question));
            return 4;
        }
        if (checked.outcome == OutputResult::Outcome::Refused ||
            checked.outcome == OutputResult::Outcome::Failed)
            return failed(checked);
        for (const Notice &note : job.notes())
            say(stderr, NoticeText::title(note.kind) + u": "_s + NoticeText::text(note));
        const OutputResult written = job.write(targets);
        if (written.outcome != OutputResult::Outcome::Written)
            return failed(written);
        for (const Notice &wrote : written.notices)
            say(stdout, logLine(wrote));
        return 0;
    } catch (const Error &e) {
        return failureLine(NoticeText::text(e));
    } catch (const std::bad_alloc &) {
        return failureLine(
            NoticeText::text({Notice::Kind::Error, NoticeCode::ExportNeedsMemory, {datafile}}));
    } catch (const std::exception &e) {
        return failureLine(QCoreApplication::translate("CommandLine", "'%1' cannot be exported: %2.")
                               .arg(QDir::toNativeSeparators(datafile), QString::fromLocal8Bit(e.what())));
    }
}

int runExportPersonnel(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Write the unit's soldiers into a CSV file or a workbook (.xlsx) with the columns that 'calendrix "
        "import --soldiers' reads: edited in a spreadsheet program, the file is imported back with "
        "--update."));
    parser.addPositionalArgument(
        u"OUT"_s, QCoreApplication::translate("CommandLine", "The file to write: OUT.csv or OUT.xlsx."));
    const QCommandLineOption data = dataOption();
    const QCommandLineOption replace(
        u"replace"_s, QCoreApplication::translate("CommandLine", "Write over OUT when it exists."));
    parser.addOptions({data, replace});
    const QString syntax = u"export-personnel OUT.csv|OUT.xlsx [--data DIR] [--replace]"_s;
    if (const int status = parse(parser, arguments, syntax); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1)
        return usageError(
            QCoreApplication::translate("CommandLine", "give one file to write: calendrix %1").arg(syntax));
    const QString target = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const QString suffix = QFileInfo(target).suffix().toLower();
    if (suffix != u"csv"_s && suffix != u"xlsx"_s)
        return usageError(
            QCoreApplication::translate("CommandLine", "the file to write ends in .csv or .xlsx"));
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;
    // Only read from the unit, so also while the window has it open.
    const UnitSession session{UnitFolder(dir)};
    if (session.folder().isOwnFile(target))
        return failure(
            QCoreApplication::translate("CommandLine",
                                        "'%1' is one of the unit's own files; choose another file to write.")
                .arg(QDir::toNativeSeparators(target)));
    if ((QFileInfo::exists(target) || QFileInfo(target).isSymLink()) && !parser.isSet(replace)) {
        err() << NoticeText::title(Notice::Kind::Error) << ": "
              << QCoreApplication::translate("CommandLine", "'%1' exists; give --replace to write over it.")
                     .arg(QDir::toNativeSeparators(target))
              << "\n";
        err().flush();
        return 4;
    }
    const std::optional<StoreError> error = session.exportSoldiers(target);
    if (error)
        return failure(*error);
    out() << wroteFile(target) << "\n";
    out().flush();
    return 0;
}

} // namespace calendrix::CommandLine
