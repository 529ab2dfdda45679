#include "roster/RunInput.h"

#include "store/Database.h"
#include "store/Fields.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"

namespace calendrix {

namespace {

QVariant asDate(const QVariant &v)
{
    return v.metaType().id() == QMetaType::QDate ? v : QVariant();
}

bool flag(const QVariant &v)
{
    return !v.isNull() && v.toBool();
}

} // namespace

void readPersonnel(RunState &state, const Database &personnel)
{
    namespace F = Fields;
    RecordSet duties(personnel, RecordSources::kDutiesByName);
    for (; !duties.eof(); duties.moveNext()) {
        Duty d{duties.value(F::DutyDates::DutyName), duties.value(F::DutyDates::Organization), {}};
        // A flag never set (Null) is clear, for duties as for soldiers.
        for (int k = 0; k < kQualificationCount; ++k)
            d.requires_[k] = flag(duties.value(F::DutyDates::qualification(k + 1)));
        state.duties.push_back(d);
    }
    RecordSet soldiers(personnel, RecordSources::kSoldiersByName);
    for (; !soldiers.eof(); soldiers.moveNext()) {
        Soldier s{soldiers.value(F::SoldierRoster::SoldierName),
                  soldiers.value(F::SoldierRoster::SoldierRank),
                  soldiers.value(F::SoldierRoster::Section),
                  {}};
        for (int k = 0; k < kQualificationCount; ++k)
            s.holds[k] = flag(soldiers.value(F::SoldierRoster::qualification(k + 1)));
        state.soldiers.push_back(s);
    }
    RecordSet schedule(personnel, RecordSources::kScheduleByDutyAndStart);
    for (; !schedule.eof(); schedule.moveNext())
        state.schedule.push_back({schedule.value(F::WorkSchedule::DutyName),
                                  schedule.value(F::WorkSchedule::From),
                                  schedule.value(F::WorkSchedule::To)});
    RecordSet absences(personnel, RecordSources::kAbsentDates);
    for (; !absences.eof(); absences.moveNext())
        if (const int person = state.personIndex(absences.value(F::AbsentDates::SoldierName)); person >= 0)
            state.absencesOf[person].push_back(
                {asDate(absences.value(F::AbsentDates::From)), asDate(absences.value(F::AbsentDates::To))});
    RecordSet holidays(personnel, RecordSources::kHoliday);
    for (; !holidays.eof(); holidays.moveNext())
        state.holidayRows.push_back(
            {asDate(holidays.value(F::Holiday::From)), asDate(holidays.value(F::Holiday::To))});
}

void readCounters(RunState &state, RecordSet &memory, RecordSet &dates)
{
    using namespace Fields::Memory;
    state.counters.reserve(size_t(memory.storedRowCount()));
    for (int slot = 0; slot < memory.storedRowCount(); ++slot) {
        CounterRow r;
        r.slot = slot;
        r.key = memory.valueAt(slot, ID).toLongLong();
        r.marker = flag(memory.valueAt(slot, Marker));
        r.soldierName = memory.valueAt(slot, SoldierName);
        r.rank = memory.valueAt(slot, Rank);
        r.dutyName = memory.valueAt(slot, DutyName);
        r.storedCount = memory.valueAt(slot, Count);
        r.storedHolidayCount = memory.valueAt(slot, HCount);
        r.count = counterOf(r.storedCount);
        r.holidayCount = counterOf(r.storedHolidayCount);
        r.remarks = memory.valueAt(slot, Remarks);
        r.setSortValues(state.sortKeys);
        r.person = state.personIndex(r.soldierName);
        state.counters.push_back(r);
    }
    for (; !dates.eof(); dates.moveNext())
        if (const int person = state.personIndex(dates.value(Fields::Dates::SoldierName)); person >= 0)
            state.takenOf[person].push_back(
                {asDate(dates.value(Fields::Dates::From)), asDate(dates.value(Fields::Dates::To))});
}

} // namespace calendrix
