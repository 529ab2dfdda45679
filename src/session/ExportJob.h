#pragma once

#include "report/RosterExport.h"
#include "session/OutputResult.h"
#include "store/UnitFolder.h"

namespace calendrix {

// File > Export Roster and `calendrix export`: one roster datafile, read
// once, to calendars, a spreadsheet and CSV, never over a file of the unit.
// The face asks its questions between check() and write().
class ExportJob
{
public:
    // Reads the datafile; throws Error naming it when it cannot be read.
    ExportJob(const UnitFolder &unit, const QString &datafile);
    // The datafile as it was read already (off the window's thread).
    ExportJob(const UnitFolder &unit, const QString &datafile, std::shared_ptr<const RosterData> data);

    // Refused for a file of the unit, Failed for the datafile itself or a
    // file named twice, Exists with the files that would be replaced (but
    // for the calendar folder's own list), else Ready.
    OutputResult check(const ExportTargets &targets) const;
    // What the clerk is told once before the export: a draft, or a datafile
    // that does not know its periods' last days.
    Notices notes() const;
    // Written with one notice per target saying what it holds, Stopped or
    // Failed; the targets take their places together or not at all.
    OutputResult write(const ExportTargets &targets, OutputProgress *progress = nullptr) const;

private:
    UnitFolder m_unit;
    RosterExport m_roster;
};

} // namespace calendrix
