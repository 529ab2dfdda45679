#pragma once

#include "roster/RunState.h"

namespace calendrix {

class Database;

// Writes each filled period into the roster's sheet, ends the run, and puts
// the finished roster into its datafile.
class ResultRecording
{
public:
    explicit ResultRecording(RunState &state) : m_state(state) {}

    // The candidates' sheet rows were found by trimmed name and duty when
    // the sheet was written (PersonnelSheet).
    void recordPeriod(int column, DayClass dayClass, const CandidateList &list);
    void endRun();

    // The header and sheet rows into a fresh copy of the template.
    // A draft's header rows say so (Spare3), for the reports and the clerk.
    void writeDatafile(Database &datafile, bool draft = false);

private:
    RunState &m_state;
};

} // namespace calendrix
