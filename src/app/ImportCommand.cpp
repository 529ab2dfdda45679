#include "app/ImportCommand.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"
#include "session/PersonnelImport.h"
#include "session/UnitSession.h"
#include "store/StoreError.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

const QString kSyntax = u"import FILE (--soldiers | --absences | --holidays | --schedule) [--data DIR] "
                        "[--update] [--dry-run] [--sheet NAME] [--years N]"_s;

using Kind = PersonnelImport::Kind;
using Action = PersonnelImport::Row::Action;

QString encodingName(const QString &key)
{
    if (key == u"utf-8-bom"_s)
        return u"UTF-8 with a byte-order mark"_s;
    if (key == u"windows-1252"_s)
        return u"Windows-1252"_s;
    return u"UTF-8"_s;
}

QString separatorName(const QString &separator)
{
    if (separator == u"\t"_s)
        return u"tabs"_s;
    if (separator == u";"_s)
        return u"semicolons"_s;
    if (separator == u","_s)
        return u"commas"_s;
    return u"nothing (one column)"_s;
}

// "line 4" of a text file, "row 4" of a sheet, "event 4" of a calendar.
QString place(const SheetTable &table, bool calendar, int line)
{
    if (line == 0)
        return u"the file"_s;
    if (calendar)
        return u"event %1"_s.arg(line);
    return (table.sheet.isEmpty() ? u"line %1"_s : u"row %1"_s).arg(line);
}

QString actionName(Action action)
{
    switch (action) {
    case Action::Refuse:
        return u"REFUSED"_s;
    case Action::Add:
        return u"add"_s;
    case Action::Update:
        return u"update"_s;
    case Action::Unchanged:
        return u"unchanged"_s;
    case Action::LeftOut:
        break;
    }
    return u"left out"_s;
}

} // namespace

int runImport(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Import soldiers, absences, holidays or work schedules from a CSV file, a workbook (.xlsx) or, for "
        "holidays, a calendar (.ics). Columns are found by their titles: soldiers Name, Rank, Section and "
        "one per qualification (its title in Setup, or Q1 to Q15); absences Name, From, To, Reason; "
        "holidays Name, From, To; work schedules Duty, From, To. Nothing is imported while a row is refused, "
        "and an import is taken back by 'calendrix undo'."_s);
    parser.addPositionalArgument(u"FILE"_s, u"The file to import; it is only read."_s);
    const QCommandLineOption data(u"data"_s, u"The unit folder (default: the current folder)."_s, u"DIR"_s);
    const QCommandLineOption soldiers(u"soldiers"_s, u"The file lists soldiers."_s);
    const QCommandLineOption absences(u"absences"_s, u"The file lists absences."_s);
    const QCommandLineOption holidays(u"holidays"_s, u"The file lists holidays."_s);
    const QCommandLineOption schedule(u"schedule"_s, u"The file lists work schedules."_s);
    const QCommandLineOption update(u"update"_s, u"Update soldiers already in the unit."_s);
    const QCommandLineOption dryRun(u"dry-run"_s, u"Say what would be imported; change nothing."_s);
    const QCommandLineOption sheet(u"sheet"_s, u"The workbook's sheet to read (default: the first)."_s,
                                   u"NAME"_s);
    const QCommandLineOption years(
        u"years"_s, u"A calendar's repeating holidays are taken for N years (default 2)."_s, u"N"_s, u"2"_s);
    parser.addOptions({data, soldiers, absences, holidays, schedule, update, dryRun, sheet, years});
    if (const int status = parse(parser, arguments, kSyntax); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1)
        return usageError(u"give one file to import: calendrix "_s + kSyntax);
    const QList<std::pair<const QCommandLineOption *, Kind>> kinds{{&soldiers, Kind::Soldiers},
                                                                   {&absences, Kind::Absences},
                                                                   {&holidays, Kind::Holidays},
                                                                   {&schedule, Kind::Schedule}};
    std::optional<Kind> kind;
    for (const auto &[option, k] : kinds) {
        if (!parser.isSet(*option))
            continue;
        if (kind)
            return usageError(u"give one of --soldiers, --absences, --holidays and --schedule"_s);
        kind = k;
    }
    if (!kind)
        return usageError(u"say what the file lists: --soldiers, --absences, --holidays or --schedule"_s);
    bool yearsRead = false;
    const int yearCount = parser.value(years).toInt(&yearsRead);
    if (!yearsRead || yearCount < 1 || yearCount > 50)
        return usageError(u"--years takes a number of years from 1 to 50"_s);
    const QString file = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const QString suffix = QFileInfo(file).suffix().toLower();
    const bool calendar = suffix == u"ics"_s;
    if (calendar && *kind != Kind::Holidays)
        return usageError(u"a calendar (.ics) holds holidays: give --holidays"_s);
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;

    UnitSession session{UnitFolder(dir)};
    if (!session.lock())
        return tell({session.lockRefused()});
    if (const int status = checkUnitFiles(session.folder()); status >= 0)
        return status;
    const UnitSession::Settled settled = session.settle();
    if (const int status = tell(settled.notices); status >= 0)
        return status;
    if (settled.error)
        return failure(*settled.error);

    const QDate today = QDate::currentDate();
    const UnitSession::ImportFile read =
        UnitSession::readImportFile(file, *kind, parser.value(sheet), yearCount, today);
    if (read.error)
        return failure(*read.error);
    const SheetTable &table = read.table;
    if (calendar) {
        if (read.skippedTimed + read.skippedPast > 0)
            err() << "INFORMATION: " << read.skippedTimed << " events with a time of day and "
                  << read.skippedPast << " that ended before today were skipped.\n";
    } else if (!table.sheet.isEmpty()) {
        err() << "INFORMATION: Read the sheet '" << table.sheet << "'.\n";
    } else {
        err() << "INFORMATION: Read as " << encodingName(table.encoding) << " text, separated by "
              << separatorName(table.separator) << ".\n";
    }
    err().flush();

    const UnitSession::Imported imported =
        session.importTable(table, file, *kind, parser.isSet(update), parser.isSet(dryRun), today);
    if (imported.error)
        return failure(u"Nothing was imported.\n"_s + NoticeText::text(*imported.error));
    const PersonnelImport::Plan &plan = imported.plan;
    for (const PersonnelImport::Row &row : plan.rows) {
        const bool told = row.action == Action::Refuse || row.action == Action::LeftOut;
        if (!told && !parser.isSet(dryRun))
            continue;
        QTextStream &stream = told ? err() : out();
        stream << place(table, calendar, row.line) << ": " << actionName(row.action);
        if (row.why)
            stream << ": " << NoticeText::text(*row.why);
        else if (row.values.size() > 1)
            stream << " " << row.values[1].toString();
        stream << "\n";
    }
    err().flush();
    const int refused = plan.count(Action::Refuse);
    out() << plan.count(Action::Add) << " to add, " << plan.count(Action::Update) << " to update, "
          << plan.count(Action::Unchanged) << " unchanged, " << plan.count(Action::LeftOut) << " left out, "
          << refused << " refused.\n";
    for (const QString &section : plan.newSections)
        out() << "The section '" << section << "' is new; it " << (imported.imported ? "was" : "would be")
              << " added to Setup's list.\n";
    out().flush();
    if (refused > 0) {
        err() << "ERROR: Nothing was imported: mend the refused rows and import the file again.\n";
        err().flush();
        return 5;
    }
    if (parser.isSet(dryRun))
        return 0;
    out() << (imported.imported ? "Imported; 'calendrix undo' takes it back.\n" : "Nothing to import.\n");
    out().flush();
    return 0;
}

int runExportPersonnel(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Write the unit's soldiers into a CSV file or a workbook (.xlsx) with the columns that 'calendrix "
        "import --soldiers' reads: edited in a spreadsheet program, the file is imported back with --update."_s);
    parser.addPositionalArgument(u"OUT"_s, u"The file to write: OUT.csv or OUT.xlsx."_s);
    const QCommandLineOption data(u"data"_s, u"The unit folder (default: the current folder)."_s, u"DIR"_s);
    const QCommandLineOption replace(u"replace"_s, u"Write over OUT when it exists."_s);
    parser.addOptions({data, replace});
    const QString syntax = u"export-personnel OUT.csv|OUT.xlsx [--data DIR] [--replace]"_s;
    if (const int status = parse(parser, arguments, syntax); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1)
        return usageError(u"give one file to write: calendrix "_s + syntax);
    const QString target = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const QString suffix = QFileInfo(target).suffix().toLower();
    if (suffix != u"csv"_s && suffix != u"xlsx"_s)
        return usageError(u"the file to write ends in .csv or .xlsx"_s);
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;
    UnitSession session{UnitFolder(dir)};
    if (!session.lock())
        return tell({session.lockRefused()});
    if (const int status = checkUnitFiles(session.folder()); status >= 0)
        return status;
    if (session.folder().isOwnFile(target))
        return failure(u"'%1' is one of the unit's own files; choose another file to write."_s.arg(
            QDir::toNativeSeparators(target)));
    if ((QFileInfo::exists(target) || QFileInfo(target).isSymLink()) && !parser.isSet(replace)) {
        err() << "ERROR: '" << QDir::toNativeSeparators(target)
              << "' exists; give --replace to write over it.\n";
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
