#include "session/UnitSession.h"

#include "store/CsvReader.h"
#include "store/HolidayCalendar.h"
#include "store/RecordSources.h"
#include "store/XlsxReader.h"

#include <QFileInfo>

#include <optional>

// The import of personnel tables, on a file of its own: only calendrix-gui
// runs it, and the readers of workbooks, CSV files and calendars need
// libraries that every other command would load for nothing.

namespace calendrix {

namespace {

// The personnel tables an import of kind writes, and its name in the history.
QStringList importedTables(PersonnelImport::Kind kind)
{
    switch (kind) {
    case PersonnelImport::Kind::Soldiers:
        return {RecordSources::kSoldierRoster, RecordSources::kSections};
    case PersonnelImport::Kind::Absences:
        return {RecordSources::kAbsentDates};
    case PersonnelImport::Kind::Holidays:
        return {RecordSources::kHoliday};
    case PersonnelImport::Kind::Schedule:
        break;
    }
    return {RecordSources::kWorkSchedule};
}

QString importKey(PersonnelImport::Kind kind)
{
    static const QString keys[] = {QStringLiteral("soldiers"), QStringLiteral("absences"),
                                   QStringLiteral("holidays"), QStringLiteral("schedule")};
    return keys[int(kind)];
}

} // namespace

namespace {

// A calendar's holidays as the table a CSV file of them would give.
SheetTable holidayTable(const QString &path, const HolidayFile &file)
{
    SheetTable table;
    table.path = path;
    const auto text = [](const QString &value) {
        SheetCell cell;
        cell.kind = SheetCell::Kind::Text;
        cell.text = value;
        return cell;
    };
    const auto date = [](const QDate &value) {
        SheetCell cell;
        cell.kind = SheetCell::Kind::Date;
        cell.date = value;
        return cell;
    };
    table.rows.append(
        {0, {text(QStringLiteral("Name")), text(QStringLiteral("From")), text(QStringLiteral("To"))}});
    for (const HolidayEntry &h : file.holidays)
        table.rows.append({h.event, {text(h.name), date(h.from), date(h.to)}});
    return table;
}

} // namespace

UnitSession::ImportFile UnitSession::readImportFile(const QString &path, PersonnelImport::Kind kind,
                                                    const QString &sheet, int years, const QDate &today)
{
    ImportFile file;
    const QString suffix = QFileInfo(path).suffix().toLower();
    file.calendar = suffix == QStringLiteral("ics");
    try {
        if (file.calendar) {
            if (kind != PersonnelImport::Kind::Holidays)
                throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::ImportCalendarNotHolidays, {path},
                                 path);
            const HolidayFile holidays = HolidayCalendar::read(path, today, years);
            file.table = holidayTable(path, holidays);
            file.skippedTimed = holidays.skippedTimed;
            file.skippedPast = holidays.skippedPast;
        } else if (suffix == QStringLiteral("xlsx")) {
            file.table = XlsxReader::read(path, sheet);
        } else {
            file.table = CsvReader::read(path);
        }
    } catch (const StoreError &e) {
        file.error = e;
    }
    return file;
}

UnitSession::Imported UnitSession::importTable(const SheetTable &table, const QString &source,
                                               PersonnelImport::Kind kind, bool update, bool dryRun,
                                               const QDate &today) const
{
    using Action = PersonnelImport::Row::Action;
    Imported result;
    try {
        if (dryRun) {
            result.plan =
                PersonnelImport::plan(Database::openReadOnly(m_folder.personnelPath(), FileKind::Personnel),
                                      kind, table, update, today);
            return result;
        }
        Database personnel = Database::open(m_folder.personnelPath(), FileKind::Personnel);
        personnel.attach(m_folder.workingPath(), RunHistory::kUnitSchema, FileKind::Working);
        std::optional<Transaction> transaction(std::in_place, personnel);
        const auto nothingToImport = [&] {
            result.plan = PersonnelImport::plan(personnel, kind, table, update, today);
            return !result.plan.canImport() ||
                   result.plan.count(Action::Add) + result.plan.count(Action::Update) == 0;
        };
        if (nothingToImport())
            return result;
        // The unit's first change names it first, on its own; the plan is
        // then made again in the import's transaction.
        if (const RunHistory unit(m_folder); !unit.hasName(personnel, RunHistory::kUnitSchema)) {
            transaction->rollback();
            unit.nameUnit(personnel, RunHistory::kUnitSchema);
            transaction.emplace(personnel);
            if (nothingToImport())
                return result;
        }
        const int added = result.plan.count(Action::Add), updated = result.plan.count(Action::Update);
        RunHistory::Recorder history(m_folder, personnel, importedTables(kind));
        PersonnelImport::apply(personnel, result.plan);
        history.completeImport(personnel, importKey(kind), source, added, updated);
        history.putInPlace();
        try {
            transaction->commit();
        } catch (const StoreError &) {
            transaction->rollback();
            if (!history.committedAfterAll(personnel))
                throw;
        }
        result.imported = true;
        history.prune(personnel);
    } catch (const StoreError &e) {
        result.error = e;
    }
    return result;
}

} // namespace calendrix
