#pragma once

#include "roster/RunState.h"

namespace calendrix {

class Database;
class RecordSet;

// What a roster run reads before it changes anything, shared by the run and
// by anyone who must see the unit exactly as the next run will.

// Duties, soldiers, the work schedule, absences and holidays.
void readPersonnel(RunState &state, const Database &personnel);
// The counter rows of memory (the whole Memory table) and the assignment
// dates of dates (the Dates table), as the file holds them.
void readCounters(RunState &state, RecordSet &memory, RecordSet &dates);

} // namespace calendrix
