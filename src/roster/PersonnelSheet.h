#pragma once

#include "roster/RunState.h"

namespace calendrix {

// The body of the new roster (one sheet row per counter row) and the
// holiday list that decides which periods are holidays.
class PersonnelSheet
{
public:
    explicit PersonnelSheet(RunState &state) : m_state(state) {}

    void writeSheetRows();
    // False when the run stops at the holiday limit (the message is shown).
    bool loadHolidays();

private:
    RunState &m_state;
};

} // namespace calendrix
