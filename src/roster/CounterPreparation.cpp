#include "CounterPreparation.h"

#include "Collation.h"
#include "RecordSet.h"

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

bool qualified(const Soldier &s, const Duty &d)
{
    for (int k = 0; k < kQualificationCount; ++k)
        if (d.requires_[k] && !s.holds[k])
            return false;
    return true;
}

} // namespace

void checkCounterRange(qint64 value, const CounterRow &row)
{
    // Counters are 16-bit in every file that carries them; never wrap one.
    if (value < -32768 || value > 32767)
        throw StoreError(StoreErrorCode::General,
                         u"The counter of %1 for %2 would be %3, beyond the largest counter "
                         "(32767). Lower the counters of this duty in Assignment Counters."_s
                             .arg(textOf(row.soldierName), textOf(row.dutyName))
                             .arg(value));
}

bool CounterPreparation::candidateBefore(const CounterRow &a, const CounterRow &b, DayClass dayClass)
{
    if (int c = SortText::compare(a.dutySort, b.dutySort))
        return c < 0;
    const Counter &x = a.counter(dayClass), &y = b.counter(dayClass);
    if (x != y)
        return x < y; // Null (no value) first
    if (int c = SortText::compare(a.rankSort, b.rankSort))
        return c > 0; // highest rank code first
    if (int c = SortText::compare(a.nameSort, b.nameSort))
        return c < 0;
    return a.key < b.key;
}

void CounterPreparation::prepareCounters(RecordSet &headers)
{
    for (CounterRow &row : m_state.counters)
        row.marker = false;
    markAndAdd();
    sortByDuty();
    deleteAndAverage();
    buildCandidateOrders();
    cleanHeaders(headers);
}

void CounterPreparation::markAndAdd()
{
    std::vector<CounterRow> &rows = m_state.counters;
    // Duty names by exact text; a counter row of any other duty name can be
    // found by no duty.
    QHash<QString, qint64> dutyIndex;
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
    for (const Duty &duty : m_state.duties) {
        const qint64 d = duty.name.isNull() ? -1 : dutyIndex.value(duty.name.toString());
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
                row.rank = soldier.rank;
                row.rankSort = SortText::of(soldier.rank);
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
            row.setSortForms();
            row.person = person;
            rows.push_back(row);
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
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const CounterRow &x = rows[a], &y = rows[b];
        if (int c = SortText::compare(x.dutySort, y.dutySort))
            return c < 0;
        return x.key < y.key;
    });
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

    // A duty group is a run of rows with the same duty name; sums are 64-bit
    // so that no unit is too large to average.
    auto sameDuty = [](const CounterRow &a, const CounterRow &b) {
        return a.dutySort.null == b.dutySort.null && a.dutySort.text == b.dutySort.text;
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
            if (r.count == 0) {
                checkCounterRange(average, r);
                r.count = average;
            }
            if (r.holidayCount == 0) {
                checkCounterRange(holidayAverage, r);
                r.holidayCount = holidayAverage;
            }
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
        DutyGroup &g = m_state.groups[r.dutySort.text.trimmed()];
        g.normal.push_back(i);
        g.holiday.push_back(i);
    }
    const std::vector<CounterRow> &rows = m_state.counters;
    for (DutyGroup &g : m_state.groups) {
        for (DayClass c : {DayClass::Normal, DayClass::Holiday})
            std::sort(g.order(c).begin(), g.order(c).end(),
                      [&](int a, int b) { return candidateBefore(rows[a], rows[b], c); });
    }
}

void CounterPreparation::cleanHeaders(RecordSet &headers)
{
    QSet<QString> dutyNames;
    for (const Duty &d : m_state.duties)
        if (!d.name.isNull())
            dutyNames.insert(d.name.toString());
    for (headers.moveFirst(); !headers.eof(); headers.moveNext()) {
        const QVariant name = headers.value(1);
        if (name.isNull() || !dutyNames.contains(name.toString()))
            headers.deleteCurrent();
    }
}

} // namespace calendrix
