#pragma once

#include "roster/Messenger.h"
#include "store/UnitFolder.h"
#include "store/UnitSettling.h"

#include <functional>

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
//
// The run expects the unit settled (UnitSession settles it first) and says
// everything as notices, whose words the messenger's face makes.
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

    // Settles the unit when a commit reported an error, to learn whether it
    // reached the file; the session hands in its own, so that settling is
    // done one way wherever it is done.
    using Settle = std::function<UnitSettling::Result()>;

    RosterRun(const UnitFolder &folder, Messenger &messenger, qint16 consolidateFlag, qint16 absenceFlag,
              Settle settle);

    Outcome make(const QString &targetPath, Mode mode = Mode::Counted);

private:
    Outcome run(const QString &targetPath, bool replace, Mode mode);

    UnitFolder m_folder;
    Messenger &m_messenger;
    qint16 m_consolidate;
    qint16 m_absence;
    Settle m_settle;
};

} // namespace calendrix
