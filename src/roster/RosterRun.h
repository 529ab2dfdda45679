#pragma once

#include "Messenger.h"
#include "UnitFolder.h"

namespace calendrix {

// One "Make New Datafile": from the chosen path to the finished roster.
//
// The run is all or nothing for failures: the working database changes in one
// transaction, and the datafile is built beside its target and moved into
// place only when complete, just before that transaction commits. A failure,
// a crash or a kill leaves Memory.mdb as it was and no partial datafile at the
// target. A stop at the holiday or column limit is no failure: what was done
// before it is kept.
class RosterRun
{
public:
    enum class Outcome {
        Finished,
        Stopped,  // at the holiday or column limit; its message was shown
        Declined, // the target exists and the user would not replace it
        Failed,   // an "ERROR" message says why; nothing was changed
    };

    RosterRun(const UnitFolder &folder, Messenger &messenger, qint16 consolidateFlag, qint16 absenceFlag);

    Outcome make(const QString &targetPath);

private:
    Outcome run(const QString &targetPath, bool replace);

    UnitFolder m_folder;
    Messenger &m_messenger;
    qint16 m_consolidate;
    qint16 m_absence;
};

} // namespace calendrix
