#pragma once

#include "store/ScratchFile.h"

#include <QString>

namespace calendrix {

// Puts a roster run's finished datafile at its target so that the datafile
// and the run's counters stand or fall together, although they live in two
// files that no single commit covers.
//
// Before anything at the target changes, a record in the unit folder names
// the target, the hidden name under which the file now there is kept, and the
// working database's change counter as it was before the run's commit. A
// commit always moves that counter on and a rolled-back one never does, so
// after a kill or a failed commit recover() can tell which happened: with the
// counters committed the new datafile stays, without them the old one comes
// back (or the new one goes, when there was none).
class DatafileSwap
{
public:
    // historyEntry: the run's entry for undo (see RunHistory), which goes
    // with the datafile when the counters were not committed.
    DatafileSwap(QString recordPath, QString target, quint32 workingCounterBefore, QString historyEntry = {});

    // Writes the record, keeps the present target under a hidden name and
    // moves the finished file into its place. Without replace, a file that
    // has appeared at the target is never replaced. Throws StoreError; the
    // caller then calls recover().
    void putInPlace(ScratchFile &finished, bool replace);
    // The working database has committed: the old file and the record go.
    void finish();

    struct Recovery {
        bool found = false;     // a record was there
        bool committed = false; // its run's counters had been committed
        QString text;           // what was done, for the clerk; empty if nothing to tell
    };
    // Settles a run that put its datafile in place but may not have
    // committed. Does nothing without a record. Throws StoreError when the
    // working database cannot be read; the record then stays for next time.
    static Recovery recover(const QString &recordPath, const QString &workingPath);

private:
    QString m_record;
    QString m_target;
    QString m_backup;
    quint32 m_counterBefore;
    QString m_historyEntry;
};

} // namespace calendrix
