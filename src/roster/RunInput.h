#pragma once

#include "roster/RunState.h"

#include <QDate>

namespace calendrix {

class Database;
class RecordSet;

// What a roster run reads before it changes anything, shared by the run and
// by anyone who must see the unit exactly as the next run will.

// Duties, soldiers, the work schedule, absences and holidays.
void readPersonnel(RunState &state, const Database &personnel);
// The counter rows of memory (the whole Memory table), as the file holds them.
void readCounters(RunState &state, RecordSet &memory);
// The counter rows of one duty (its name trimmed), in the table's order and
// as readCounters reads them, straight from the working database: for a
// change of that duty's periods alone. A row's slot is its place among them.
void readCountersOf(RunState &state, const Database &working, const QString &duty);
// The assignment dates of the working database's Dates table: with
// forRun, only those that can overlap a period of the schedule read by
// readPersonnel, as no other can mark a soldier busy in this run.
void readTakenDates(RunState &state, const Database &working, bool forRun);
// Those that overlap the days first..last, for a change of a few periods.
void readTakenDates(RunState &state, const Database &working, const QDate &first, const QDate &last);

} // namespace calendrix
