#pragma once

#include "store/RecoveryRecord.h"
#include "store/ScratchFile.h"

#include <QString>

namespace calendrix {

// Puts a roster run's finished datafile at its target so that the datafile
// and the run's counters stand or fall together, although they live in two
// files that no single commit covers.
//
// Before anything at the target changes, a RecoveryRecord in the unit folder
// names the target, the hidden name under which the file now there is kept,
// and the working database's change counter as it was before the run's
// commit, so that after a kill or a failed commit settle() can tell which
// happened: with the counters committed the new datafile stays, without them
// the old one comes back (or the new one goes, when there was none).
class DatafileSwap
{
public:
    // historyEntry: the run's entry for undo (see RunHistory), which goes
    // with the datafile when the counters were not committed.
    DatafileSwap(QString recordPath, QString target, quint32 workingCounterBefore, QString historyEntry = {});

    // Writes the record, keeps the present target under a hidden name and
    // moves the finished file into its place. Without replace, a file that
    // has appeared at the target is never replaced. Throws StoreError; the
    // caller then settles the unit (UnitSettling).
    void putInPlace(ScratchFile &finished, bool replace);
    // The datafile is put in place by a replace or swap, or the undo of one,
    // which a kill is told as.
    void forRosterChange() { m_record.rosterChange = true; }
    // The same for a file that is already complete, such as a datafile kept
    // in history/, which keeps that name too: the target gets a second name
    // of it (across file systems, a copy). Throws StoreError.
    void putBack(const QString &ready);
    // The working database has committed: the old file and the record go.
    void finish();

    // Settles a run that put its datafile in place but may not have
    // committed, from its record at recordPath, which then goes. Throws
    // StoreError when the working database cannot be read; the record then
    // stays for next time.
    static RecoveryRecord::Settled settle(const RecoveryRecord &record, const QString &recordPath,
                                          const QString &workingPath);

private:
    QString m_recordPath;
    RecoveryRecord m_record;
};

} // namespace calendrix
