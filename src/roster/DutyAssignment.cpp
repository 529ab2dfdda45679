#include "roster/DutyAssignment.h"

#include "roster/CounterPreparation.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// Inclusive overlap; a range with a missing day overlaps nothing.
bool overlapsAny(const std::vector<std::vector<DateRange>> &byPerson, int person, const QDate &start,
                 const QDate &end)
{
    if (person < 0)
        return false;
    for (const DateRange &r : byPerson[person])
        if (r.bothDays && r.fromDay <= end && r.toDay >= start)
            return true;
    return false;
}

} // namespace

CandidateList DutyAssignment::fillPeriod(const QString &duty, const QDate &start, const QDate &end,
                                         const SchedulePeriod &period, DayClass dayClass)
{
    CandidateList list;
    if (const std::vector<int> *order = m_state.candidatesOf(duty, dayClass)) {
        list.positions.reserve(order->size());
        for (int row : *order)
            list.positions.push_back({row, Mark::None});
    }
    list.freeCount = int(list.positions.size());
    list.open = true;

    const bool absencePoints = m_state.absenceFlag != 0;
    std::vector<int> raised; // counters raised now move their rows from the next period on
    for (int i = 0; i < int(list.positions.size()); ++i) {
        Candidate &c = list.positions[i];
        const CounterRow &row = m_state.counters[c.row];
        if (overlapsAny(m_state.absencesOf, row.person, start, end)) {
            c.mark = Mark::Absent;
            if (absencePoints) {
                if (list.open)
                    raiseCounter(list, duty, i, dayClass, raised);
                --list.freeCount;
            }
        } else if (overlapsAny(m_state.takenOf, row.person, start, end)) {
            c.mark = Mark::Busy;
            --list.freeCount;
        } else if (list.open) {
            c.mark = Mark::Assigned;
            --list.freeCount;
            raiseCounter(list, duty, i, dayClass, raised);
            m_state.newDates.push_back({row.soldierName, period.from, period.to});
            if (row.person >= 0)
                m_state.takenOf[row.person].push_back({period.from, period.to});
            list.open = false;
        }
    }

    if (list.open)
        m_state.messenger.inform(
            {Notice::Kind::Information, NoticeCode::RunNoCandidate, {duty, start.toString(Qt::ISODate)}});

    // Re-file the raised rows in this day class's order.
    if (!raised.empty()) {
        std::vector<int> &order = m_state.groups[duty].order(dayClass);
        // Out first, so that the rest stays sorted for the binary searches.
        for (int row : raised)
            order.erase(std::find(order.begin(), order.end(), row));
        for (int row : raised) {
            const auto at = std::lower_bound(order.begin(), order.end(), row, [&](int a, int b) {
                return CounterPreparation::candidateBefore(m_state.counters[a], m_state.counters[b],
                                                           dayClass);
            });
            order.insert(at, row);
        }
    }
    return list;
}

void DutyAssignment::raiseCounter(const CandidateList &list, const QString &duty, int position,
                                  DayClass dayClass, std::vector<int> &raised)
{
    // The counter row found by the soldier's name is the first of the list
    // with that name: the list is this duty's rows in the current order.
    const CounterRow &candidate = m_state.counters[list.positions[position].row];
    const QVariant &name = candidate.soldierName;
    int row = -1;
    if (candidate.person >= 0) {
        for (int i = 0; i <= position && row < 0; ++i)
            if (m_state.counters[list.positions[i].row].person == candidate.person)
                row = list.positions[i].row;
    }
    if (row < 0) {
        m_state.messenger.inform({Notice::Kind::Error, NoticeCode::RunNoCounterRow, {name.toString(), duty}});
        return;
    }
    CounterRow &r = m_state.counters[row];
    // A counter cleared by hand counts from 0 again rather than staying empty.
    const qint64 value = r.counter(dayClass).value_or(0) + 1;
    checkCounterRange(value, r);
    r.setCounter(dayClass, value);
    if (std::find(raised.begin(), raised.end(), row) == raised.end())
        raised.push_back(row);
}

} // namespace calendrix
