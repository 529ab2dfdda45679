#include "roster/FairnessModel.h"

#include "roster/CounterPreparation.h"
#include "roster/RunInput.h"
#include "store/Collation.h"
#include "store/Database.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"

#include <QSet>

#include <algorithm>
#include <numeric>

namespace calendrix {

namespace {

// Preparing counters says nothing; a messenger is only needed for a run.
class SilentMessenger : public Messenger
{
public:
    void inform(const Notice &) override {}
    bool ask(const Notice &) override { return false; }
};

QString textOf(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

// The median of values[from, to), which is sorted and not empty.
double medianOf(const std::vector<qint64> &values, size_t from, size_t to)
{
    const size_t n = to - from;
    const size_t mid = from + n / 2;
    return n % 2 == 1 ? double(values[mid]) : (double(values[mid - 1]) + double(values[mid])) / 2.0;
}

void sortByName(QList<FairnessModel::SoldierCounter> &list)
{
    std::stable_sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
        return Collation::key(a.name) < Collation::key(b.name);
    });
}

FairnessModel::Figures figuresOf(const RunState &state, const std::vector<int> *order, DayClass c)
{
    FairnessModel::Figures f;
    if (!order || order->empty())
        return f;
    const auto valueOf = [&](int row) { return state.counters[row].counter(c).value_or(0); };
    f.soldiers = int(order->size());
    for (int row : *order)
        f.counters.push_back(valueOf(row));
    std::sort(f.counters.begin(), f.counters.end());
    const size_t n = f.counters.size();
    f.minimum = f.counters.front();
    f.maximum = f.counters.back();
    f.median = medianOf(f.counters, 0, n);
    // Tukey's hinges: the medians of the halves below and above the median.
    f.lowerQuartile = n == 1 ? f.median : medianOf(f.counters, 0, n / 2);
    f.upperQuartile = n == 1 ? f.median : medianOf(f.counters, n - n / 2, n);
    f.mean = double(std::accumulate(f.counters.begin(), f.counters.end(), qint64(0))) / double(n);
    for (int row : *order) {
        const qint64 v = valueOf(row);
        const QString name = textOf(state.counters[row].soldierName);
        if (v > f.minimum + 1)
            f.aboveMinimum.append({name, v});
        if (f.nextInLine.size() < FairnessModel::kNextInLine)
            f.nextInLine.append({name, v});
    }
    sortByName(f.aboveMinimum);
    return f;
}

} // namespace

QList<int> FairnessModel::Figures::histogram() const
{
    QList<int> out;
    if (counters.empty())
        return out;
    out.fill(0, qsizetype(maximum - minimum + 1));
    for (qint64 v : counters)
        ++out[qsizetype(v - minimum)];
    return out;
}

FairnessModel FairnessModel::read(const Database &personnel, const Database &working)
{
    SilentMessenger silent;
    RunState state(silent, 0, 0);
    readPersonnel(state, personnel);
    {
        RecordSet memory(working, RecordSources::kMemory);
        readCounters(state, memory);
    }
    readTakenDates(state, working, false);
    CounterPreparation(state).prepareCounterRows();

    FairnessModel model;
    QSet<QString> seenDuties;
    for (const Duty &duty : state.duties) {
        // The run finds a duty's counter rows by its trimmed name.
        const QString key = textOf(duty.name).trimmed();
        if (seenDuties.contains(key))
            continue;
        seenDuties.insert(key);
        DutyFairness d;
        d.name = textOf(duty.name);
        d.organization = textOf(duty.organization);
        if (!duty.name.isNull()) {
            d.normal = figuresOf(state, state.candidatesOf(key, DayClass::Normal), DayClass::Normal);
            d.holiday = figuresOf(state, state.candidatesOf(key, DayClass::Holiday), DayClass::Holiday);
        }
        model.m_duties.push_back(std::move(d));
    }

    // Per person index, over the rows that survived preparation.
    std::vector<SoldierFairness> byPerson(state.people.size());
    for (int i : state.byDuty) {
        const CounterRow &r = state.counters[i];
        if (r.person < 0 || r.dutyName.isNull())
            continue;
        SoldierFairness &s = byPerson[size_t(r.person)];
        s.normal += r.count.value_or(0);
        s.holiday += r.holidayCount.value_or(0);
        ++s.duties;
        if (r.slot >= 0 &&
            (counterOf(r.storedCount).value_or(0) > 0 || counterOf(r.storedHolidayCount).value_or(0) > 0))
            s.counted = true;
    }
    QSet<int> seenPeople;
    for (const Soldier &soldier : state.soldiers) {
        const int person = state.personIndex(soldier.name);
        if (person < 0 || seenPeople.contains(person))
            continue;
        seenPeople.insert(person);
        SoldierFairness s = byPerson[size_t(person)];
        s.name = textOf(soldier.name);
        s.rank = textOf(soldier.rank);
        s.section = textOf(soldier.section);
        for (const DateRange &r : state.takenOf[size_t(person)])
            if (r.bothDays)
                s.dates.append({r.fromDay, r.toDay});
        std::sort(s.dates.begin(), s.dates.end());
        model.m_soldiers.push_back(std::move(s));
    }
    return model;
}

int FairnessModel::widestDuty(DayClass c) const
{
    int widest = -1;
    for (size_t i = 0; i < m_duties.size(); ++i) {
        const Figures &f = m_duties[i].figures(c);
        if (f.soldiers > 0 && (widest < 0 || f.spread() > m_duties[size_t(widest)].figures(c).spread()))
            widest = int(i);
    }
    return widest;
}

QStringList FairnessModel::soldiersWithoutDuty() const
{
    QStringList out;
    for (const SoldierFairness &s : m_soldiers)
        if (s.duties > 0 && !s.counted)
            out.append(s.name);
    return out;
}

} // namespace calendrix
