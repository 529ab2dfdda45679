#pragma once

#include "roster/Messenger.h"
#include "roster/RosterRun.h"
#include "session/PersonnelImport.h"
#include "store/Notice.h"
#include "store/RunHistory.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"
#include "store/UnitSettling.h"

#include <QDateTime>

#include <functional>
#include <memory>
#include <optional>

namespace calendrix {

class FolderLock;

// One unit folder as the window and the command line work on it: its lock,
// settling what killed work left, and the use cases that change the unit
// (make, undo, init and repair). Each is done here once and returns what
// happened as an outcome and notices; the two faces only present them and
// ask their questions in their own way.
class UnitSession
{
public:
    explicit UnitSession(const UnitFolder &folder);
    // A folder whose lock the caller already holds.
    UnitSession(const UnitFolder &folder, std::unique_ptr<FolderLock> lock);
    ~UnitSession();
    UnitSession(const UnitSession &) = delete;
    UnitSession &operator=(const UnitSession &) = delete;

    const UnitFolder &folder() const { return m_folder; }

    // Takes the folder's lock, so that no second copy of the program writes
    // into it. False when the folder is missing or another copy holds it;
    // lockRefused() then says why.
    bool lock();
    bool isLocked() const { return m_lock != nullptr; }
    Notice lockRefused() const { return m_lockRefused; }
    // Hands the lock on (to a window that keeps it while it is open).
    std::unique_ptr<FolderLock> takeLock();

    struct Settled {
        Notices notices; // what was settled, in the order it was done
        // Why settling stopped; what was not settled stays for next time.
        std::optional<StoreError> error;
    };
    // Puts the unit in order after a killed roster run or undo, before
    // anything reads its counters or its runs kept. Call with the lock held.
    Settled settle(const QStringList &datafileFolders = {}) const;

    struct Made {
        RosterRun::Outcome outcome;
        // After the run: a window's "Sorry..." for a file not replaced. The
        // run's own messages went to the messenger as it went.
        Notices notices;
    };
    // File > Make New Datafile, Make Draft, and the command `make`: settles
    // what an earlier run left (it may change what is at the target), then runs.
    Made make(Messenger &messenger, const QString &target, RosterRun::Mode mode, qint16 consolidateFlag,
              qint16 absenceFlag) const;

    // What undo would take back.
    struct LastRun {
        Notices settled; // told before anything else
        QList<RunHistory::Skipped> skipped;
        bool unreadable = false; // the last run's record cannot be read: nothing earlier is offered
        std::optional<RunHistory::Entry> entry;
        RunHistory::Changes changesSince;
    };
    // What a run changed after it does to an undo.
    enum class Force {
        No,        // it is not undone
        Always,    // it is undone, with whatever changes until the undo
        WhenAsked, // the changes in the question are undone; new ones stop it
    };
    struct Undone {
        enum class Outcome {
            Undone,
            NoRun,             // nothing kept to undo
            LastRunUnreadable, // see LastRun::unreadable
            ChangedSince,      // changed after the run, and not forced
            NotConfirmed,
            ChangedMeanwhile, // between the question and the undo; result.changes says what
            Failed,           // error says why; nothing was changed
        };
        Outcome outcome = Outcome::NoRun;
        LastRun last; // as far as it was found out
        RunHistory::UndoResult result;
        std::optional<StoreError> error;
    };
    // Tools > Undo Last Roster Run and the command `undo`. confirm is asked
    // only when there is a run to undo. Never throws a StoreError: settling,
    // reading the history or the undo that fails is in error.
    Undone undoLastRun(Force force, const std::function<bool(const LastRun &)> &confirm) const;

    struct History {
        Notices settled;
        RunHistory::Listing listing;
        std::optional<StoreError> error; // why nothing is listed
    };
    // The runs kept, the last first. Settles first when the lock can be had;
    // a unit open elsewhere was settled when it was opened.
    History history();

    struct ImportFile {
        SheetTable table; // how it was read is in its encoding, separator and sheet
        bool calendar = false;
        int skippedTimed = 0, skippedPast = 0; // a calendar's events that are no holidays
        std::optional<StoreError> error;       // why nothing was read
    };
    // The file an import of kind reads, by its suffix: a workbook (.xlsx),
    // its first sheet or the one named; a calendar (.ics), holidays only,
    // repeating ones for years years from today; CSV else. Never throws.
    static ImportFile readImportFile(const QString &path, PersonnelImport::Kind kind, const QString &sheet,
                                     int years, const QDate &today);

    struct Imported {
        PersonnelImport::Plan plan;
        bool imported = false;           // committed and kept in the history
        std::optional<StoreError> error; // why the file was not read or imported
    };
    // The command `import` and File > Import: plans table (the rows of the
    // file source, already read) against the personnel database and, unless
    // dryRun or a row is refused, imports it in one transaction, kept in the
    // history as the unit's last change so that undo takes it back. The plan
    // is made again under the write lock, so it is what is imported; rows that
    // ended before today are left out. Call
    // with the lock held. Never throws a StoreError.
    Imported importTable(const SheetTable &table, const QString &source, PersonnelImport::Kind kind,
                         bool update, bool dryRun, const QDate &today) const;

    // The command `export-personnel`: the soldiers, as PersonnelImport::soldierRows
    // gives them, into target (.csv or .xlsx), written beside it and put in
    // place whole. The caller has refused the unit's own files and asked
    // about one that exists. Never throws a StoreError.
    std::optional<StoreError> exportSoldiers(const QString &target) const;

    struct Initialised {
        enum class Outcome { Done, Refused, Failed };
        Outcome outcome = Outcome::Done;
        Notices notices;                 // in order; a refusal's reason last
        std::optional<StoreError> error; // with Failed, when it was the store's
        UnitFolder::RepairResult files;  // what was set aside (repair only), created, kept
    };
    // The command `init`, with repair: damaged files are set aside at now
    // and made anew, after what killed work left is settled.
    Initialised init(bool repair, const QDateTime &now);
    // The window's offer for a unit it cannot open: the damaged databases
    // the clerk was shown (UnitFolder::unusableFiles()) are kept aside under
    // the day's name, and what is missing is made. Done, or Failed with
    // what was done until then.
    Initialised init(const QList<UnitFolder::Unusable> &keepAside, const QDate &today) const;

private:
    UnitSettling::Result settleWith(const UnitSettling::Options &options) const;

    UnitFolder m_folder;
    std::unique_ptr<FolderLock> m_lock;
    // The lock's own reason once it is refused.
    Notice m_lockRefused{Notice::Kind::Error, NoticeCode::UnitInUse, {}};
};

} // namespace calendrix
