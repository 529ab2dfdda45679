#pragma once

#include "roster/RunState.h"

namespace calendrix {

// Fills one schedule period: candidates in fairness order, the absence and
// assignment-date tests, the counter raised and the assignment remembered.
class DutyAssignment
{
public:
    explicit DutyAssignment(RunState &state) : m_state(state) {}

    CandidateList fillPeriod(const QString &duty, const QDate &start, const QDate &end,
                             const SchedulePeriod &period, DayClass dayClass);

private:
    void raiseCounter(const CandidateList &list, const QString &duty, int position, DayClass dayClass,
                      std::vector<int> &raised);

    RunState &m_state;
};

} // namespace calendrix
