#pragma once

#include "RunState.h"

namespace calendrix {

class RecordSet;

// Brings the counter rows into line with the personnel and duties as they
// stand: one row per qualified soldier and duty, new and zero counters lifted
// to their duty's average, and stale duty headers removed.
class CounterPreparation
{
public:
    explicit CounterPreparation(RunState &state) : m_state(state) {}

    // headers: the working database's Header table, pruned in place.
    void prepareCounters(RecordSet &headers);

    // Candidate order of two counter rows for one day class; true when a
    // comes first.
    static bool candidateBefore(const CounterRow &a, const CounterRow &b, DayClass dayClass);

private:
    void markAndAdd();
    void sortByDuty();
    void deleteAndAverage();
    void buildCandidateOrders();
    void cleanHeaders(RecordSet &headers);

    RunState &m_state;
};

// Sets a counter as the 16-bit value the counter table holds, or throws.
void checkCounterRange(qint64 value, const CounterRow &row);

} // namespace calendrix
