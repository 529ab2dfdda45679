#include "roster/RunInput.h"

#include "store/Database.h"
#include "store/Fields.h"
#include "store/RangeRows.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/TableReader.h"

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

void readCounters(RunState &state, RecordSet &memory)
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
}

void readCountersOf(RunState &state, const Database &working, const QString &duty)
{
    using namespace Fields::Memory;
    const QByteArray wanted = duty.toUtf8();
    TableReader memory(working, RecordSources::kMemory);
    while (memory.next()) {
        // The stored bytes decide, unless they hold more than the name and
        // spaces around it could hide it.
        const QByteArrayView name = memory.utf8(DutyName);
        const bool ofDuty = name.isNull() ? memory.text(DutyName) == duty
                            : name.size() == wanted.size()
                                ? name == QByteArrayView(wanted)
                                : name.size() > wanted.size() && name.indexOf(QByteArrayView(wanted)) >= 0 &&
                                      memory.text(DutyName) == duty;
        if (!ofDuty)
            continue;
        CounterRow r;
        r.slot = int(state.counters.size());
        r.key = memory.value(ID).toLongLong();
        r.marker = flag(memory.value(Marker));
        r.soldierName = memory.value(SoldierName);
        r.rank = memory.value(Rank);
        r.dutyName = memory.value(DutyName);
        r.storedCount = memory.value(Count);
        r.storedHolidayCount = memory.value(HCount);
        r.count = counterOf(r.storedCount);
        r.holidayCount = counterOf(r.storedHolidayCount);
        r.remarks = memory.value(Remarks);
        r.setSortValues(state.sortKeys);
        r.person = state.personIndex(r.soldierName);
        state.counters.push_back(r);
    }
}

void readTakenDates(RunState &state, const Database &working, bool forRun)
{
    using namespace Fields::Dates;
    QDate first(1, 1, 1), last(9999, 12, 31);
    if (forRun) {
        // A date overlaps a period when it starts by the period's last day
        // and ends on or after its first: so none before the earliest first
        // day or after the latest last day ever can.
        first = last = QDate();
        for (const SchedulePeriod &p : state.schedule) {
            if (p.from.metaType().id() != QMetaType::QDate || p.to.metaType().id() != QMetaType::QDate)
                continue; // never filled: the run stops at it, or no duty takes it
            if (!first.isValid() || p.from.toDate() < first)
                first = p.from.toDate();
            if (!last.isValid() || p.to.toDate() > last)
                last = p.to.toDate();
        }
        if (!first.isValid())
            return;
    }
    readTakenDates(state, working, first, last);
}

void readTakenDates(RunState &state, const Database &working, const QDate &first, const QDate &last)
{
    using namespace Fields::Dates;
    const QList<QVariantList> rows =
        RangeRows::overlapping(working, RecordSources::kDates, From, To, first, last);
    for (const QVariantList &row : rows)
        if (const int person = state.personIndex(row[SoldierName]); person >= 0)
            state.takenOf[person].push_back({row[From], row[To]});
}

} // namespace calendrix
