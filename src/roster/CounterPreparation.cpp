#include "roster/CounterPreparation.h"
#include "roster/RuleFault.h"

#include "store/Collation.h"
#include "store/RecordSet.h"
#include "store/RecordSource.h"
#include "store/RecordSources.h"
#include "store/TextKey.h"

#include <QSet>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QString textOf(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

bool CounterPreparation::qualified(const Soldier &s, const Duty &d)
{
    // Asked for every soldier and duty: one test of all fifteen.
    return (d.requires_ & ~s.holds).none();
}

void checkCounterRange(qint64 value, const CounterRow &row)
{
    // Never wrap a counter.
    if (value < 0 || value > kLargestCounter)
        throw RuleFault(NoticeCode::CounterBeyondLargest,
                        {textOf(row.soldierName), textOf(row.dutyName), QString::number(value)});
}

namespace {

// A counter that another program wrote into the file may be anything: a
// number far beyond 16 bits, a fraction, a text. Such a row stops the run
// before any sum is taken, and the message points at the row to correct.
void checkStoredCounters(const CounterRow &row)
{
    const struct {
        NoticeCode fault; // names the column as the Assignment Counters dialog heads it
        const Counter &counter;
        const QVariant &stored;
    } counters[] = {{NoticeCode::StoredNormalCounterOutOfRange, row.count, row.storedCount},
                    {NoticeCode::StoredHolidayCounterOutOfRange, row.holidayCount, row.storedHolidayCount}};
    for (const auto &c : counters) {
        if (c.stored.isNull() || (c.counter && *c.counter >= 0 && *c.counter <= kLargestCounter))
            continue;
        throw RuleFault(c.fault, {textOf(row.soldierName), textOf(row.dutyName), c.stored.toString()});
    }
}

const Collation::Order &candidateOrder(DayClass dayClass)
{
    static const auto orderOf = [](DayClass c) {
        return Collation::orderOf(RecordSource::parse(CounterPreparation::candidateSource(c)),
                                  *Layouts::table(FileKind::Working, RecordSources::kMemory));
    };
    static const Collation::Order normal = orderOf(DayClass::Normal);
    static const Collation::Order holiday = orderOf(DayClass::Holiday);
    return dayClass == DayClass::Holiday ? holiday : normal;
}

// The counter rows' values in the fields of the given orders, made ready for
// sorting them many times over.
Collation::Places placesOf(const std::vector<CounterRow> &rows, const Collation::Order &orders)
{
    QList<int> fields;
    for (const Collation::OrderField &f : orders)
        fields.append(f.index);
    return Collation::Places(
        rows.size(), [&](size_t i) { return rows[i].sortValues.data(); }, fields);
}

} // namespace

QString CounterPreparation::candidateSource(DayClass dayClass)
{
    return dayClass == DayClass::Holiday ? RecordSources::kCountersByHolidayCount
                                         : RecordSources::kCountersByNormalCount;
}

bool CounterPreparation::candidateBefore(const CounterRow &a, const CounterRow &b, DayClass dayClass)
{
    return Collation::compare(a.sortValues.data(), b.sortValues.data(), candidateOrder(dayClass)) < 0;
}

void CounterPreparation::prepareCounters(RecordSet &headers)
{
    prepareCounterRows();
    cleanHeaders(headers);
}

void CounterPreparation::prepareCounterRows()
{
    for (CounterRow &row : m_state.counters)
        row.marker = false;
    markAndAdd();
    sortByDuty();
    deleteAndAverage();
    buildCandidateOrders();
}

void CounterPreparation::markAndAdd()
{
    std::vector<CounterRow> &rows = m_state.counters;
    // Duty names by exact text; a counter row of any other duty name can be
    // found by no duty.
    QHash<TextKey, qint64> dutyIndex;
    for (const Duty &d : m_state.duties)
        if (!d.name.isNull())
            dutyIndex.insert(d.name.toString(), dutyIndex.size());
    auto pairKey = [](int person, qint64 duty) { return (qint64(person) << 32) | duty; };

    // The first row (in the table's order) of each soldier and duty, as a
    // search by soldier name and then duty name would find it.
    QHash<qint64, int> first;
    first.reserve(int(rows.size()));
    qint64 lastKey = 0;
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        lastKey = std::max(lastKey, rows[i].key);
        if (rows[i].person < 0 || rows[i].dutyName.isNull())
            continue;
        const auto duty = dutyIndex.constFind(rows[i].dutyName.toString());
        if (duty != dutyIndex.cend())
            first.insert(pairKey(rows[i].person, duty.value()), i);
    }

    std::vector<int> people;
    for (const Soldier &soldier : m_state.soldiers)
        people.push_back(m_state.personIndex(soldier.name));
    // A unit's first run adds a row for every qualified soldier and duty:
    // room for them at once, rather than moving every row again as they come.
    size_t qualifiedPairs = 0;
    for (const Duty &duty : m_state.duties)
        for (const Soldier &soldier : m_state.soldiers)
            qualifiedPairs += qualified(soldier, duty) ? 1 : 0;
    if (qualifiedPairs > size_t(first.size()))
        rows.reserve(rows.size() + qualifiedPairs - size_t(first.size()));
    // Each soldier's name and rank and each duty's name get their sort
    // values once, not once for every row they stand on.
    using Collation::SortValue;
    std::vector<std::pair<SortValue, SortValue>> soldierSorted;
    soldierSorted.reserve(m_state.soldiers.size());
    for (const Soldier &soldier : m_state.soldiers)
        soldierSorted.emplace_back(SortValue::of(soldier.name, FieldType::Text, &m_state.sortKeys),
                                   SortValue::of(soldier.rank, FieldType::Text, &m_state.sortKeys));
    for (const Duty &duty : m_state.duties) {
        const qint64 d = duty.name.isNull() ? -1 : dutyIndex.value(duty.name.toString());
        const SortValue dutySorted = SortValue::of(duty.name, FieldType::Text, &m_state.sortKeys);
        for (size_t si = 0; si < m_state.soldiers.size(); ++si) {
            const Soldier &soldier = m_state.soldiers[si];
            if (!qualified(soldier, duty))
                continue;
            const int person = people[si];
            const bool findable = person >= 0 && d >= 0;
            const int found = findable ? first.value(pairKey(person, d), -1) : -1;
            if (found >= 0) {
                CounterRow &row = rows[found];
                row.marker = true;
                row.setRank(soldier.rank, soldierSorted[si].second);
                row.remarks = soldier.section;
                continue;
            }
            CounterRow row;
            row.key = ++lastKey;
            row.marker = true;
            row.soldierName = soldier.name;
            row.rank = soldier.rank;
            row.dutyName = duty.name;
            row.remarks = soldier.section;
            row.count = 0;
            row.holidayCount = 0;
            row.setSortValues(soldierSorted[si].first, soldierSorted[si].second, dutySorted);
            row.person = person;
            rows.push_back(std::move(row));
            if (findable)
                first.insert(pairKey(person, d), int(rows.size()) - 1);
        }
    }
}

void CounterPreparation::sortByDuty()
{
    const std::vector<CounterRow> &rows = m_state.counters;
    std::vector<int> &order = m_state.byDuty;
    order.resize(rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    static const Collation::Order byDuty =
        Collation::orderOf(RecordSource::parse(RecordSources::kCountersByDuty),
                           *Layouts::table(FileKind::Working, RecordSources::kMemory));
    const Collation::Places places = placesOf(rows, byDuty);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return places.compare(size_t(a), size_t(b), byDuty) < 0; });
}

void CounterPreparation::deleteAndAverage()
{
    std::vector<CounterRow> &rows = m_state.counters;
    std::vector<int> kept;
    kept.reserve(m_state.byDuty.size());
    for (int i : m_state.byDuty) {
        if (rows[i].marker)
            kept.push_back(i);
        else
            rows[i].deleted = true;
    }
    m_state.byDuty = kept;

    for (int i : kept)
        checkStoredCounters(rows[i]);

    // A duty group is a run of rows with the same duty name. Every counter is
    // now at most 32767, so a 64-bit sum of them cannot overflow.
    auto sameDuty = [](const CounterRow &a, const CounterRow &b) {
        return a.dutyName.isNull() == b.dutyName.isNull() && a.dutyName.toString() == b.dutyName.toString();
    };
    size_t begin = 0;
    while (begin < kept.size()) {
        size_t end = begin + 1;
        while (end < kept.size() && sameDuty(rows[kept[begin]], rows[kept[end]]))
            ++end;
        qint64 n = 0, sum = 0, hn = 0, hsum = 0;
        for (size_t i = begin; i < end; ++i) {
            const CounterRow &r = rows[kept[i]];
            if (r.count.value_or(0) != 0) {
                ++n;
                sum += *r.count;
            }
            if (r.holidayCount.value_or(0) != 0) {
                ++hn;
                hsum += *r.holidayCount;
            }
        }
        // Rounded half to even: 2.5 gives 2, 3.5 gives 4.
        const qint64 average = sum != 0 ? qint64(std::nearbyint(double(sum) / double(n))) : 0;
        const qint64 holidayAverage = hsum != 0 ? qint64(std::nearbyint(double(hsum) / double(hn))) : 0;
        for (size_t i = begin; i < end; ++i) {
            CounterRow &r = rows[kept[i]];
            if (r.count == 0)
                r.setCounter(DayClass::Normal, average);
            if (r.holidayCount == 0)
                r.setCounter(DayClass::Holiday, holidayAverage);
        }
        begin = end;
    }
}

void CounterPreparation::buildCandidateOrders()
{
    m_state.groups.clear();
    for (int i : m_state.byDuty) {
        const CounterRow &r = m_state.counters[i];
        if (r.dutyName.isNull())
            continue; // a Null duty name equals no duty
        DutyGroup &g = m_state.groups[r.dutyName.toString().trimmed()];
        g.normal.push_back(i);
        g.holiday.push_back(i);
    }
    const std::vector<CounterRow> &rows = m_state.counters;
    Collation::Order fields = candidateOrder(DayClass::Normal);
    fields.append(candidateOrder(DayClass::Holiday));
    const Collation::Places places = placesOf(rows, fields);
    for (DutyGroup &g : m_state.groups) {
        // A group's rows nearly always carry the duty's name alike; the
        // order's first field then decides nothing and is left out, as
        // comparing those equal names byte by byte was a third of the sort.
        const Collation::SortValue &duty = rows[g.normal.front()].sortValues[Fields::Memory::DutyName];
        const bool alike = std::all_of(g.normal.begin(), g.normal.end(), [&](int i) {
            return Collation::compare(rows[i].sortValues[Fields::Memory::DutyName], duty) == 0;
        });
        for (DayClass c : {DayClass::Normal, DayClass::Holiday}) {
            Collation::Order order = candidateOrder(c);
            if (alike && !order.isEmpty() && order.front().index == Fields::Memory::DutyName)
                order.removeFirst();
            std::sort(g.order(c).begin(), g.order(c).end(),
                      [&](int a, int b) { return places.compare(size_t(a), size_t(b), order) < 0; });
        }
    }
}

void CounterPreparation::cleanHeaders(RecordSet &headers)
{
    QSet<TextKey> dutyNames;
    for (const Duty &d : m_state.duties)
        if (!d.name.isNull())
            dutyNames.insert(d.name.toString());
    for (headers.moveFirst(); !headers.eof(); headers.moveNext()) {
        const QVariant name = headers.value(Fields::Header::DutyName);
        if (name.isNull() || !dutyNames.contains(name.toString()))
            headers.deleteCurrent();
    }
}

} // namespace calendrix
