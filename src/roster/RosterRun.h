#pragma once

#include "roster/Messenger.h"
#include "store/UnitFolder.h"

namespace calendrix {

// One "Make New Datafile": from the chosen path to the finished roster.
//
// The run is all or nothing for failures: the working database changes in one
// transaction, and the datafile is built beside its target and moved into
// place only when complete, just before that transaction commits. A file it
// replaces is kept until the commit has succeeded. A failure, a crash or a
// kill leaves either the old datafile (or none) with the old counters or the
// new datafile with the new counters; what a kill leaves is put in order by
// the next run or the next start of the window. A stop at the holiday or
// column limit is no failure: what was done before it is kept.
class RosterRun
{
public:
    enum class Outcome {
        Finished,
        Stopped,  // at the holiday or column limit; its message was shown
        Declined, // the target exists and the user would not replace it
        Failed,   // an "ERROR" message says why; nothing was changed
    };

    enum class Mode {
        Counted, // the counters move on and the run is kept for undo (see RunHistory)
        Draft,   // the same datafile, marked as a draft; the working database is left as it was
    };

    RosterRun(const UnitFolder &folder, Messenger &messenger, qint16 consolidateFlag, qint16 absenceFlag);

    Outcome make(const QString &targetPath, Mode mode = Mode::Counted);

private:
    // Finishes what an interrupted run left (see DatafileSwap) and removes
    // scratch files no live run owns. False, with an error shown, when the
    // unit cannot be brought back in order.
    bool settle(const QString &target);
    Outcome run(const QString &targetPath, bool replace, Mode mode);

    UnitFolder m_folder;
    Messenger &m_messenger;
    qint16 m_consolidate;
    qint16 m_absence;
};

} // namespace calendrix
