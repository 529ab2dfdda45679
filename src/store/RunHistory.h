#pragma once

#include "store/Database.h"
#include "store/RecoveryRecord.h"
#include "store/ScratchFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace calendrix {

class RowChanges;

// The roster runs that can be taken back. Each of the last kRunsKept runs
// leaves a file in the unit's history/ folder: what the run changed in the
// working database's three tables (RowChanges: the keys of the rows it
// added, the rows it removed, the columns it changed as they were before
// it), digests of what it left in the counters and assignment dates (so that
// a later change by hand can be told), and what it made. Entries of earlier
// versions hold the whole tables, or the changed rows as tables; they are
// read and undone as they always were. The working database names the unit's
// last change (a run) and each entry the change before its own, so the runs are taken back in the order the
// unit made them, whatever the clock or the file names say, and never one of another unit whose history
// shares the folder. An undo puts the tables back in one transaction and moves the run's datafile into
// history/; like the run's datafile swap it writes down what it is about to do, so that a kill at any moment
// is settled by the next run, undo or start of the window.
class RunHistory
{
public:
    static constexpr int kRunsKept = 20;

    struct Entry {
        QString path;
        QDateTime made;
        // What the change was: "run", an import: "soldiers", "absences", "holidays" or "schedule",
        // or a change on a made roster: "replace" or "swap".
        QString kind = QStringLiteral("run");
        QString datafile;         // an import's: the file imported
        QString datafileIdentity; // "dev:ino" of the file the run made
        int duties = 0;
        int periods = 0; // periods filled
        // Empty in entries of versions that did not record the unit's changes.
        QString unit;   // the unit that made the run
        QString change; // the run, as the unit's last change names it
        QString parent; // the unit's last change before the run; empty for none
        qint64 sequence = 0;
        // 1: the whole tables as they were before the run; 2: the rows the
        // run changed, as tables (earlier versions); 3: what the run changed, packed.
        int format = 1;
        // The entry holds the whole tables as they were before its run: one
        // of the first format, or the newest of the second.
        bool whole = true;
        // Every page was read sound by list(): the undo need not read them again.
        bool checked = false;
        int added = 0, updated = 0; // an import's rows
        // An import: the personnel database's change counter it left; -1 when not known.
        qint64 personnelCounter = -1;

        // A replace or swap: the duty, its column (and a swap's other one),
        // the soldier taken off (a swap: the first period's) and the one put on.
        QString duty;
        int column = 0, otherColumn = 0;
        QString soldierOff, soldierOn;
        // What tells that the datafile is still as the change left it: a
        // digest of its duty's rows and its record of changes, which are all
        // that its undo puts back (the datafile is changed in place, and the
        // entry holds what changed in it); or, in entries of the version that
        // kept the whole datafile before the change, a digest of the file.
        QString datafileRows;
        QString datafileDigest;
        bool keepsDatafile() const { return !datafileDigest.isEmpty(); }

        bool isRosterChange() const
        {
            return kind == QLatin1String("replace") || kind == QLatin1String("swap");
        }
        bool isImport() const { return kind != QLatin1String("run") && !isRosterChange(); }
    };
    // A file in history/ that is no run kept, or a damaged one: never restored.
    struct Skipped {
        QString path;
        Notice why;
        // A change of this unit taken back, or left unfinished, which the next change removes.
        bool undone = false;
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
        // The working database's change counter they were told at; -1 when
        // it does not count commits. Equal under the write lock, they still hold.
        qint64 atCounter = -1;
        // Every row of the three tables is as the run left it, the columns
        // that are not compared too: restoring what the run changed gives
        // the tables as they were before it.
        bool asLeft = false;
        // An import: the tables it changed were changed since.
        bool personnel = false;
        // A replace or swap: its datafile, when it is no longer as the change left it.
        QString datafileChanged;
        // ... because the file the change was made in no longer stands under
        // that name (another file does, as in a copy of the unit, or none):
        // an undo then takes back the counters alone and leaves it as it is.
        bool datafileElsewhere = false;
        bool afterRosterChange = false; // told of a replace or swap, not of a run
        bool none() const
        {
            return counterSoldiers == 0 && dateSoldiers == 0 && !personnel && datafileChanged.isEmpty();
        }
        // Whether an undo writes over any of them.
        bool loses() const
        {
            return counterSoldiers > 0 || dateSoldiers > 0 || personnel ||
                   (!datafileChanged.isEmpty() && !datafileElsewhere);
        }
        // "The counters of 3 soldiers and the assignment dates of 1 soldier
        // were changed after that run." What an undo loses, else what it leaves.
        Notice notice() const;
        // The datafile an undo leaves as it is (datafileElsewhere).
        std::optional<Notice> datafileLeft() const;
    };

    struct UndoResult {
        bool undone = false;
        Changes changes;            // what refused the undo, or what --force went past
        QString datafileNow;        // where the run's datafile is kept now; empty when it was not moved
        std::optional<Notice> note; // why the datafile was not moved
        // What could not be removed once the tables were committed; the undo stands.
        QList<StoreError> leftovers;
    };

    explicit RunHistory(const UnitFolder &folder);

    // The schema under which an import attaches the working database to its
    // connection on the personnel database, so that the unit's last change
    // is written in the import's transaction.
    static inline const QString kUnitSchema = QStringLiteral("unit");
    // The schema under which a replace or swap, and its undo, attach the
    // roster datafile to the working database's connection, so that the
    // datafile and the counters change in one transaction.
    static inline const QString kDatafileSchema = QStringLiteral("roster");

    // Every file in history/ read: the runs that can be taken back and the
    // files that cannot. Never throws for a bad file; throws StoreError when
    // the folder or the working database cannot be read.
    Listing list() const;
    // What an undo needs: the unit's last change, its entry read in full, and
    // the files in history/ that are named later than it. Entries are opened
    // from the newest back to that change's; the older ones wait for list().
    Listing lastChange() const;
    // What changed since entry's run, compared with the working database as it is.
    Changes changesSince(const Entry &entry) const;
    // Restores the working database's tables to entry's copy and moves its
    // datafile into history/, all or nothing. Refuses (undone false) when
    // the counters or dates were changed since and force is false; throws
    // when entry is not the unit's last change. Changes told by
    // changesSince() are not compared again while nothing has written to the
    // working database since. Call only with the unit's lock held and with
    // settle() done. Throws StoreError; nothing is then changed.
    UndoResult undo(const Entry &entry, bool force, const std::optional<Changes> &seen = {}) const;

    // Whether the unit has its name, which it gets with its first change;
    // db holds the working database as unitSchema.
    bool hasName(const Database &db, const QString &unitSchema) const;
    // Gives the unit its name, in a transaction of its own. A change that
    // no record settles (an import) needs it before it begins: its entry
    // names the unit, and the entry of such a change killed before its
    // commit is then one that the next change tidies away, where it would
    // otherwise be another unit's, kept and warned of for good.
    void nameUnit(Database &changed, const QString &unitSchema) const;

    // Settles an undo that a kill or a failed commit interrupted, from its
    // record at recordPath, which then goes: either it is completed or
    // nothing of it stays. Throws StoreError when the working database
    // cannot be read; the record then stays.
    static RecoveryRecord::Settled settle(const RecoveryRecord &record, const QString &recordPath,
                                          const QString &workingPath);

    // Where a replace or swap of the earlier version whose entry is at
    // entryPath keeps the datafile as it was before the change, for its undo
    // to put back.
    static QString keptDatafileOf(const QString &entryPath);
    // A digest of the file's bytes; empty when it cannot be read.
    static QString digestOf(const QString &path);

    // A run's entry, made in step with the run.
    class Recorder
    {
    public:
        // Watches what the run changes through working: call inside the
        // run's transaction, before the run changes anything, and keep
        // working open until complete().
        Recorder(const UnitFolder &folder, const Database &working);
        // Watches what an import changes in tables of the personnel
        // database, with the working database attached as kUnitSchema.
        Recorder(const UnitFolder &folder, const Database &personnel, const QStringList &tables);
        ~Recorder();
        Recorder(const Recorder &) = delete;
        Recorder &operator=(const Recorder &) = delete;

        // The name the entry will have; the datafile swap's record names it,
        // so that an entry whose run did not commit is removed with the run.
        QString path() const { return m_path; }
        // Keeps what the run changed in the tables (read through working, in
        // the run's transaction) and what it made, and makes the run the
        // unit's last change. counterBefore: the working database's change
        // counter when the run's transaction began.
        void complete(Database &working, quint32 counterBefore, const QString &datafile,
                      const QString &datafileIdentity, int duties, int periods);
        // Keeps what an import of kind from file changed and makes it the unit's last change.
        void completeImport(Database &personnel, const QString &kind, const QString &file, int added,
                            int updated);
        // A replace or swap on a made roster, as Entry tells it.
        struct RosterFacts {
            QString kind, duty;
            int column = 0, otherColumn = 0;
            QString soldierOff, soldierOn;
        };
        // Watches what a replace or swap changes in the roster datafile,
        // attached to working as kDatafileSchema; call before it changes anything.
        void watchDatafile(const Database &working);
        // Keeps what a replace or swap changed in the tables and in the
        // datafile, and makes it the unit's last change. Call with
        // watchDatafile() done, before the commit.
        void completeRosterChange(Database &working, quint32 counterBefore, const QString &datafile,
                                  const QString &datafileIdentity, const RosterFacts &facts);
        // Appends rows to a watched table with the watch paused; see
        // RowChanges::appendUnwatched().
        void appendUnwatched(const QString &table,
                             const std::function<void(std::vector<qint64> &keys)> &append);
        // Gives the entry its name. Call once the swap's record is written
        // and before the commit.
        void putInPlace();
        // After the commit: removes the runs beyond the last kRunsKept and
        // those already taken back, never another unit's, and the datafiles
        // of runs taken back beyond the last kRunsKept; an entry of an
        // earlier version that kept the whole tables keeps only what its run changed.
        // changed: the database the change was written through, still open.
        void prune(const Database &changed);
        // After a commit that reported an error, rolled back: whether the
        // change reached the unit all the same. When it did not, its entry
        // goes, so that the history keeps no change the unit never had; when
        // that cannot be told, the entry stays for the listing to place.
        // For a change that no record settles (an import).
        bool committedAfterAll(const Database &changed);

    private:
        struct Facts;
        void start(const Database &db, const QStringList &tables);
        // Makes the change the unit's last, in its transaction: its facts so far.
        Facts stamp(Database &working, quint32 counterBefore, const QString &datafile,
                    const QString &datafileIdentity);
        // changes: what the change did, packed (RowChanges); day: today's date.
        void write(const Database &changed, const QString &unitSchema, const Facts &facts,
                   const QByteArray &proof, const QByteArray &changes, const QString &day);

        UnitFolder m_folder;
        QString m_unitSchema; // the working database's schema on the connection of the change
        QDateTime m_made;
        QString m_path;
        QString m_change; // the change's name, once the entry is written
        std::unique_ptr<ScratchFile> m_scratch;
        QStringList m_tables;
        QList<QPair<QString, QVariant>> m_sequences; // sqlite_sequence before the change; Null for none
        std::unique_ptr<RowChanges> m_changes;
        std::unique_ptr<RowChanges> m_datafileChanges;
    };

private:
    // checkLast: every page of the entry of the unit's last change read, as
    // an undo needs; the others are listed from their facts.
    // unit: a connection that has the working database as unitSchema, to
    // read its last change from; without one, the file is opened for it.
    // toLastChange: stop opening entries at the unit's last change.
    Listing listing(bool checkLast, const Database *unit = nullptr,
                    const QString &unitSchema = QStringLiteral("main"), bool toLastChange = false) const;
    UndoResult undoImport(const Entry &entry, bool force, const std::optional<Changes> &seen) const;
    UndoResult undoRosterChange(const Entry &entry, bool force, const std::optional<Changes> &seen) const;
    UndoResult undoKeptRosterChange(const Entry &entry, bool force, const std::optional<Changes> &seen) const;

    UnitFolder m_folder;
};

} // namespace calendrix
