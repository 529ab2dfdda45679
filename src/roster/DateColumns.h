#pragma once

#include "roster/RunState.h"

namespace calendrix {

// The outer loop of the assignment: per duty one header row, per schedule
// period of the duty the next date column, its day class, the assignment
// and the recording.
class DateColumns
{
public:
    explicit DateColumns(RunState &state) : m_state(state) {}

    // False when the run stops at the column limit (the message is shown).
    // The end of the run ("Finished") is the driver's, once all is saved.
    bool runColumns();

    DayClass dayClassOf(const QDate &start) const;

private:
    RunState &m_state;
};

} // namespace calendrix
