#include "app/ExportCommand.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"

#include "session/ExportJob.h"
#include "store/Error.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
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
    parser.setApplicationDescription(
        u"Export a roster datafile as calendars (iCalendar), a spreadsheet (xlsx) or CSV, as File > "
        "Export Roster does. Give one or more of --ics, --xlsx and --csv."_s);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addPositionalArgument(u"FILE.cxr"_s, u"The roster datafile to export; it is only read."_s);
    const QCommandLineOption data(
        u"data"_s,
        u"The unit folder, whose own files are never written over (default: the current folder)."_s,
        u"DIR"_s);
    const QCommandLineOption replace(u"replace"_s, u"Replace files of the export that exist."_s);
    const QCommandLineOption ics(u"ics"_s,
                                 u"A folder for calendars: all.ics with every assignment and one .ics "
                                 "file per soldier who stands a duty; made when missing."_s,
                                 u"DIR"_s);
    const QCommandLineOption xlsx(u"xlsx"_s, u"A spreadsheet: a summary and one sheet per duty."_s,
                                  u"OUT.xlsx"_s);
    const QCommandLineOption csv(u"csv"_s, u"Comma-separated values, one row per assignment."_s,
                                 u"OUT.csv"_s);
    parser.addOptions({data, replace, ics, xlsx, csv});
    if (const int status = parse(parser, arguments, kSyntax); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1 || parser.positionalArguments().constFirst().isEmpty())
        return usageError(u"export needs exactly one datafile: calendrix "_s + kSyntax);
    for (const QCommandLineOption &o : {data, ics, xlsx, csv}) {
        if (parser.values(o).size() > 1)
            return usageError(u"--%1 may be given once"_s.arg(o.names().constFirst()));
        if (parser.isSet(o) && parser.value(o).isEmpty())
            return usageError(u"--%1 needs a name: --%1 %2"_s.arg(o.names().constFirst(), o.valueName()));
    }
    if (!parser.isSet(ics) && !parser.isSet(xlsx) && !parser.isSet(csv))
        return usageError(u"export needs at least one of --ics DIR, --xlsx OUT.xlsx and --csv OUT.csv"_s);

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
                more == 0 ? u"%1 already exists. Replace? No (give --replace to replace it)"_s.arg(first)
                          : NoticeText::plural(int(more),
                                               u"%1 and %2 more file of the export already exist. Replace "
                                               "them? No (give --replace to replace them)"_s,
                                               u"%1 and %2 more files of the export already exist. Replace "
                                               "them? No (give --replace to replace them)"_s)
                                .arg(first, QString::number(more));
            say(stderr, u"QUESTION: "_s + question);
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
        return failureLine(u"'%1' cannot be exported: %2."_s.arg(QDir::toNativeSeparators(datafile),
                                                                 QString::fromLocal8Bit(e.what())));
    }
}

} // namespace calendrix::CommandLine
