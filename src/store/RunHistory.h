#pragma once

#include "store/Database.h"
#include "store/ScratchFile.h"
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
// told), and what it made. An undo puts the tables back in one transaction
// and moves the run's datafile into history/; like the run's datafile swap it
// writes down what it is about to do, so that a kill at any moment is settled
// by the next run, undo or start of the window.
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
    };
    struct Listing {
        QList<Entry> entries; // newest first
        QList<Skipped> skipped;
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
    };

    explicit RunHistory(const UnitFolder &folder);

    // Every file in history/ read: the runs that can be taken back and the
    // files that cannot. Never throws for a bad file; throws StoreError when
    // the folder cannot be read.
    Listing list() const;
    // What changed since entry's run, compared with the working database as it is.
    Changes changesSince(const Entry &entry) const;
    // Restores the working database's tables to entry's copy and moves its
    // datafile into history/, all or nothing. Refuses (undone false) when
    // the counters or dates were changed since and force is false. Call only
    // with the unit's lock held and with settle() done. Throws StoreError;
    // nothing is then changed.
    UndoResult undo(const Entry &entry, bool force) const;

    // Settles an undo that a kill or a failed commit interrupted: either it
    // is completed or nothing of it stays. Returns what was done, for the
    // clerk; empty when there was nothing to settle. Throws StoreError when
    // the working database cannot be read; the record then stays.
    static QString settle(const UnitFolder &folder);

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
        // the run's transaction) and what it made.
        void complete(const Database &working, const QString &datafile, const QString &datafileIdentity,
                      int duties, int periods);
        // Gives the entry its name. Call once the swap's record is written
        // and before the commit.
        void putInPlace();
        // After the commit: removes the runs beyond the last kRunsKept.
        void prune();

    private:
        UnitFolder m_folder;
        QDateTime m_made;
        QString m_path;
        std::unique_ptr<ScratchFile> m_scratch;
    };

private:
    UnitFolder m_folder;
};

} // namespace calendrix
