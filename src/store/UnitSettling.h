#pragma once

#include "store/Notice.h"
#include "store/RecoveryRecord.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace calendrix {

// Puts a unit in order after a roster run or an undo that a kill or a failed
// commit left unfinished, before anything reads its counters or its runs
// kept: the run's datafile is kept or put back to match the counters, an
// interrupted undo is completed or taken back, and the scratch files of
// killed work are removed. The window, the command line and the run all
// settle through here, so that each sees the unit the same way.
class UnitSettling
{
public:
    struct Options {
        // Folders besides the unit's own that may hold a run's datafile, and
        // so the scratch files of a killed run.
        QStringList datafileFolders;
        // For a repair: a working database that is missing, damaged or of
        // another kind does not stop settling, as the repair is what makes it
        // anew. The records then cannot be settled against it, and are set
        // aside under asideName(record, *repairAt) with the database.
        std::optional<QDateTime> repairAt;
    };

    struct RecordAside {
        QString record;
        QString aside; // where the record now is
    };

    struct Result {
        RecoveryRecord::Settled run;  // the datafile of an unfinished run
        RecoveryRecord::Settled undo; // an unfinished undo
        QStringList swept;            // scratch files and journals of killed work, removed
        // Why settling stopped after what run and undo tell: the working
        // database could not be read, a record could not be settled, or (with
        // repairAt) one could not be set aside. What was not settled stays
        // for next time and nothing is swept.
        std::optional<StoreError> error;
        // Only with repairAt: why the working database could not be read, and
        // the records that could therefore not be settled.
        std::optional<StoreError> unusableWorking;
        QList<RecordAside> recordsAside;

        // What was settled, for the clerk, in the order it was done.
        Notices notices() const;
    };

    // Call with the unit's lock held. Never throws: a failure is in error,
    // after what was settled before it, which the clerk is still told.
    static Result settle(const UnitFolder &folder, const Options &options = {});
};

} // namespace calendrix
