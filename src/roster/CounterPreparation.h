#pragma once

#include "roster/RunState.h"

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
    // The counter rows and candidate orders alone, in memory: the counters
    // as the next run starts from them. Writes nothing.
    void prepareCounterRows();

    // Candidate order of two counter rows for one day class; true when a
    // comes first. It is the order in which the Assignment Counters dialog
    // shows the rows, made by the same comparison.
    static bool candidateBefore(const CounterRow &a, const CounterRow &b, DayClass dayClass);
    // The soldier holds every qualification the duty asks for.
    static bool qualified(const Soldier &s, const Duty &d);
    // The counter table's order for a day class, as a record source.
    static QString candidateSource(DayClass dayClass);

private:
    void markAndAdd();
    void sortByDuty();
    void deleteAndAverage();
    void buildCandidateOrders();
    void cleanHeaders(RecordSet &headers);

    RunState &m_state;
};

// Counters are 16-bit in every file that carries them, and never negative.
constexpr qint64 kLargestCounter = 32767;

// Throws StoreError, naming the soldier and the duty, when value lies outside
// 0 to kLargestCounter, the range a stored counter can hold.
void checkCounterRange(qint64 value, const CounterRow &row);

} // namespace calendrix
