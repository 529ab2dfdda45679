#pragma once

#include "store/Database.h"
#include "store/RecoveryRecord.h"
#include "store/ScratchFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

namespace calendrix {

// The roster runs that can be taken back. Each of the last kRunsKept runs
// leaves a file in the unit's history/ folder: the three tables of the
// working database as they were just before the run, what the run left in
// the counters and assignment dates (so that a later change by hand can be
// told), and what it made. The working database names the unit's last change
// (a run) and each entry the change before its own, so the runs are taken
// back in the order the unit made them, whatever the clock or the file names
// say, and never one of another unit whose history shares the folder. An undo puts the tables back in one
// transaction and moves the run's datafile into history/; like the run's datafile swap it writes down what it
// is about to do, so that a kill at any moment is settled by the next run, undo or start of the window.
class RunHistory
{
public:
    static constexpr int kRunsKept = 20;

    struct Entry {
        QString path;
        QDateTime made;
        QString datafile;
        QString datafileIdentity; // "dev:ino" of the file the run made
        int duties = 0;
        int periods = 0; // periods filled
        // Empty in entries of versions that did not record the unit's changes.
        QString unit;   // the unit that made the run
        QString change; // the run, as the unit's last change names it
        QString parent; // the unit's last change before the run; empty for none
        qint64 sequence = 0;

        // "2026-12-06 19:11:06"
        QString time() const;
        // "the roster run of 2026-12-06 19:11:06, which made '/unit/march.cxr'
        // (10 duties, 235 periods filled)"
        QString description() const;
    };
    // A file in history/ that is no run kept, or a damaged one: never restored.
    struct Skipped {
        QString path;
        QString why;
        bool undone = false; // a run of this unit already taken back, which the next run removes
    };
    struct Listing {
        QList<Entry> entries; // the unit's last change first, then the runs before it
        QList<Skipped> skipped;
        // The unit's last change is a run whose entry is missing or cannot be
        // read: nothing before it can be taken back either.
        bool lastRunUnreadable = false;
    };

    // Soldiers whose counters or assignment dates differ from what the run left.
    struct Changes {
        int counterSoldiers = 0;
        int dateSoldiers = 0;
        bool none() const { return counterSoldiers == 0 && dateSoldiers == 0; }
        // "The counters of 3 soldiers and the assignment dates of 1 soldier
        // were changed after that run."
        QString text() const;
    };

    struct UndoResult {
        bool undone = false;
        Changes changes;     // what refused the undo, or what --force went past
        QString datafileNow; // where the run's datafile is kept now; empty when it was not moved
        QString note;        // why the datafile was not moved; empty when it was
        // What could not be removed once the tables were committed; the undo stands.
        QList<StoreError> leftovers;
    };

    explicit RunHistory(const UnitFolder &folder);

    // Every file in history/ read: the runs that can be taken back and the
    // files that cannot. Never throws for a bad file; throws StoreError when
    // the folder or the working database cannot be read.
    Listing list() const;
    // What changed since entry's run, compared with the working database as it is.
    Changes changesSince(const Entry &entry) const;
    // Restores the working database's tables to entry's copy and moves its
    // datafile into history/, all or nothing. Refuses (undone false) when
    // the counters or dates were changed since and force is false; throws
    // when entry is not the unit's last change. Call only
    // with the unit's lock held and with settle() done. Throws StoreError;
    // nothing is then changed.
    UndoResult undo(const Entry &entry, bool force) const;

    // Settles an undo that a kill or a failed commit interrupted, from its
    // record at recordPath, which then goes: either it is completed or
    // nothing of it stays. Throws StoreError when the working database
    // cannot be read; the record then stays.
    static RecoveryRecord::Settled settle(const RecoveryRecord &record, const QString &recordPath,
                                          const QString &workingPath);

    // A run's entry, made in step with the run.
    class Recorder
    {
    public:
        // Copies the working database as committed now: call inside the run's
        // transaction, before the run changes anything.
        explicit Recorder(const UnitFolder &folder);
        ~Recorder();
        Recorder(const Recorder &) = delete;
        Recorder &operator=(const Recorder &) = delete;

        // The name the entry will have; the datafile swap's record names it,
        // so that an entry whose run did not commit is removed with the run.
        QString path() const { return m_path; }
        // Adds what the run leaves in the tables (read through working, in
        // the run's transaction) and what it made, and makes the run the
        // unit's last change.
        void complete(Database &working, const QString &datafile, const QString &datafileIdentity, int duties,
                      int periods);
        // Gives the entry its name. Call once the swap's record is written
        // and before the commit.
        void putInPlace();
        // After the commit: removes the runs beyond the last kRunsKept and
        // those already taken back, never another unit's.
        void prune();

    private:
        UnitFolder m_folder;
        QDateTime m_made;
        QString m_path;
        std::unique_ptr<ScratchFile> m_scratch;
    };

private:
    // checkEach: every page of every entry read, as an undo needs.
    Listing listing(bool checkEach) const;

    UnitFolder m_folder;
};

} // namespace calendrix
