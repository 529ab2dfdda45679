#include "app/ImportCommand.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"
#include "session/PersonnelImport.h"
#include "session/UnitSession.h"
#include "store/StoreError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

// "line 4" of a text file, "row 4" of a sheet, "event 4" of a calendar.
QString place(const SheetTable &table, bool calendar, int line)
{
    if (line == 0)
        return QCoreApplication::translate("CommandLine", "the file");
    if (calendar)
        return QCoreApplication::translate("CommandLine", "event %1").arg(line);
    return (table.sheet.isEmpty() ? QCoreApplication::translate("CommandLine", "line %1")
                                  : QCoreApplication::translate("CommandLine", "row %1"))
        .arg(line);
}

QString actionName(Action action)
{
    switch (action) {
    case Action::Refuse:
        return QCoreApplication::translate("CommandLine", "REFUSED");
    case Action::Add:
        return QCoreApplication::translate("CommandLine", "add");
    case Action::Update:
        return QCoreApplication::translate("CommandLine", "update");
    case Action::Unchanged:
        return QCoreApplication::translate("CommandLine", "unchanged");
    case Action::LeftOut:
        break;
    }
    return QCoreApplication::translate("CommandLine", "left out");
}

} // namespace

int runImport(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Import soldiers, absences, holidays or work schedules from a CSV file, a workbook (.xlsx) or, for "
        "holidays, a calendar (.ics). Columns are found by their titles: soldiers Name, Rank, Section and "
        "one per qualification (its title in Setup, or Q1 to Q15); absences Name, From, To, Reason; "
        "holidays Name, From, To; work schedules Duty, From, To. Nothing is imported while a row is refused, "
        "and an import is taken back by 'calendrix undo'."));
    parser.addPositionalArgument(
        u"FILE"_s, QCoreApplication::translate("CommandLine", "The file to import; it is only read."));
    const QCommandLineOption data = dataOption();
    const QCommandLineOption soldiers(u"soldiers"_s,
                                      QCoreApplication::translate("CommandLine", "The file lists soldiers."));
    const QCommandLineOption absences(u"absences"_s,
                                      QCoreApplication::translate("CommandLine", "The file lists absences."));
    const QCommandLineOption holidays(u"holidays"_s,
                                      QCoreApplication::translate("CommandLine", "The file lists holidays."));
    const QCommandLineOption schedule(
        u"schedule"_s, QCoreApplication::translate("CommandLine", "The file lists work schedules."));
    const QCommandLineOption update(
        QCoreApplication::translate("CommandLine", "update"),
        QCoreApplication::translate("CommandLine", "Update soldiers already in the unit."));
    const QCommandLineOption dryRun(
        u"dry-run"_s,
        QCoreApplication::translate("CommandLine", "Say what would be imported; change nothing."));
    const QCommandLineOption sheet(
        u"sheet"_s,
        QCoreApplication::translate("CommandLine", "The workbook's sheet to read (default: the first)."),
        u"NAME"_s);
    const QCommandLineOption years(
        u"years"_s,
        QCoreApplication::translate("CommandLine",
                                    "A calendar's repeating holidays are taken for N years (default 2)."),
        u"N"_s, u"2"_s);
    parser.addOptions({data, soldiers, absences, holidays, schedule, update, dryRun, sheet, years});
    if (const int status = parse(parser, arguments, kSyntax); status >= 0)
        return status;
    if (parser.positionalArguments().size() != 1)
        return usageError(
            QCoreApplication::translate("CommandLine", "give one file to import: calendrix %1").arg(kSyntax));
    const QList<std::pair<const QCommandLineOption *, Kind>> kinds{{&soldiers, Kind::Soldiers},
                                                                   {&absences, Kind::Absences},
                                                                   {&holidays, Kind::Holidays},
                                                                   {&schedule, Kind::Schedule}};
    std::optional<Kind> kind;
    for (const auto &[option, k] : kinds) {
        if (!parser.isSet(*option))
            continue;
        if (kind)
            return usageError(QCoreApplication::translate(
                "CommandLine", "give one of --soldiers, --absences, --holidays and --schedule"));
        kind = k;
    }
    if (!kind)
        return usageError(QCoreApplication::translate(
            "CommandLine", "say what the file lists: --soldiers, --absences, --holidays or --schedule"));
    bool yearsRead = false;
    const int yearCount = parser.value(years).toInt(&yearsRead);
    if (!yearsRead || yearCount < 1 || yearCount > 50)
        return usageError(
            QCoreApplication::translate("CommandLine", "--years takes a number of years from 1 to 50"));
    const QString file = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const QString suffix = QFileInfo(file).suffix().toLower();
    const bool calendar = suffix == u"ics"_s;
    if (calendar && *kind != Kind::Holidays)
        return usageError(
            QCoreApplication::translate("CommandLine", "a calendar (.ics) holds holidays: give --holidays"));
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;

    UnitSession session{UnitFolder(dir)};
    if (const int status = takeUnit(session); status >= 0)
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
        for (const QString &sentence : NoticeText::skippedEvents(read.skippedTimed, read.skippedPast))
            err() << NoticeText::title(Notice::Kind::Information) << ": " << sentence << "\n";
    } else if (!table.sheet.isEmpty()) {
        err() << NoticeText::title(Notice::Kind::Information) << ": "
              << QCoreApplication::translate("CommandLine", "Read the sheet '%1'.").arg(table.sheet) << "\n";
    } else {
        err() << NoticeText::title(Notice::Kind::Information) << ": "
              << NoticeText::howRead(table.encoding, table.separator) << "\n";
    }
    err().flush();

    const UnitSession::Imported imported =
        session.importTable(table, file, *kind, parser.isSet(update), parser.isSet(dryRun), today);
    if (imported.error)
        return failure(QCoreApplication::translate("CommandLine", "Nothing was imported.\n%1")
                           .arg(NoticeText::text(*imported.error)));
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
    out() << QCoreApplication::translate("CommandLine",
                                         "%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.")
                 .arg(plan.count(Action::Add))
                 .arg(plan.count(Action::Update))
                 .arg(plan.count(Action::Unchanged))
                 .arg(plan.count(Action::LeftOut))
                 .arg(refused)
          << "\n";
    for (const QString &section : plan.newSections)
        out() << (imported.imported
                      ? QCoreApplication::translate("CommandLine",
                                                    "The section '%1' is new; it was added to Setup's list.")
                      : QCoreApplication::translate(
                            "CommandLine", "The section '%1' is new; it would be added to Setup's list."))
                     .arg(section)
              << "\n";
    out().flush();
    if (refused > 0) {
        err() << NoticeText::title(Notice::Kind::Error) << ": "
              << QCoreApplication::translate(
                     "CommandLine", "Nothing was imported: mend the refused rows and import the file again.")
              << "\n";
        err().flush();
        return 5;
    }
    if (parser.isSet(dryRun))
        return 0;
    out() << (imported.imported
                  ? QCoreApplication::translate("CommandLine", "Imported; 'calendrix undo' takes it back.")
                  : QCoreApplication::translate("CommandLine", "Nothing to import."))
          << "\n";
    out().flush();
    return 0;
}

} // namespace calendrix::CommandLine
