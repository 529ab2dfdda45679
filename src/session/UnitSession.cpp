#include "session/UnitSession.h"

#include "store/FolderLock.h"
#include "store/RecordSources.h"

#include <QDir>
#include <QFileInfo>

namespace calendrix {

UnitSession::UnitSession(const UnitFolder &folder) : m_folder(folder) {}

UnitSession::UnitSession(const UnitFolder &folder, std::unique_ptr<FolderLock> lock)
    : m_folder(folder), m_lock(std::move(lock))
{}

UnitSession::~UnitSession() = default;

bool UnitSession::lock()
{
    if (m_lock)
        return true;
    auto lock = std::make_unique<FolderLock>(m_folder.dir());
    if (!lock->tryLock()) {
        m_lockRefused = lock->error();
        return false;
    }
    m_lock = std::move(lock);
    return true;
}

std::unique_ptr<FolderLock> UnitSession::takeLock()
{
    return std::move(m_lock);
}

UnitSettling::Result UnitSession::settleWith(const UnitSettling::Options &options) const
{
    return UnitSettling::settle(m_folder, options);
}

UnitSession::Settled UnitSession::settle(const QStringList &datafileFolders) const
{
    UnitSettling::Options options;
    options.datafileFolders = datafileFolders;
    const UnitSettling::Result settled = settleWith(options);
    return {settled.notices(), settled.error};
}

UnitSession::Made UnitSession::make(Messenger &messenger, const QString &target, RosterRun::Mode mode,
                                    qint16 consolidateFlag, qint16 absenceFlag) const
{
    if (!target.isEmpty()) {
        // A killed run may have left scratch files beside its datafile too.
        const Settled settled = settle({QFileInfo(target).absolutePath()});
        for (const Notice &notice : settled.notices)
            messenger.inform(notice);
        if (settled.error) {
            messenger.inform(Notice::because({Notice::Kind::Error, NoticeCode::RunSettleFailed, {}},
                                             settled.error->notice()));
            return {RosterRun::Outcome::Failed, {}};
        }
    }
    RosterRun run(m_folder, messenger, consolidateFlag, absenceFlag, [this] { return settleWith({}); });
    Made made{run.make(target, mode), {}};
    // The old file stays as it was; the program goes on.
    if (made.outcome == RosterRun::Outcome::Declined) {
        const int number = int(StoreErrorCode::DestinationExists);
        made.notices.append(
            {Notice::Kind::Error, NoticeCode::RunReplaceDeclined, {QString::number(number)}, -1, number});
    }
    return made;
}

UnitSession::Undone UnitSession::undoLastRun(Force force,
                                             const std::function<bool(const LastRun &)> &confirm) const
{
    Undone undone;
    LastRun &last = undone.last;
    const auto outcome = [&](Undone::Outcome outcome) {
        undone.outcome = outcome;
        return undone;
    };
    try {
        // A killed run or undo is settled first: it decides what the last run is.
        const Settled settled = settle();
        last.settled = settled.notices;
        if (settled.error)
            throw *settled.error;
        const RunHistory history(m_folder);
        const RunHistory::Listing listing = history.lastChange();
        last.skipped = listing.skipped;
        last.unreadable = listing.lastRunUnreadable;
        if (last.unreadable)
            return outcome(Undone::Outcome::LastRunUnreadable);
        if (listing.entries.isEmpty())
            return outcome(Undone::Outcome::NoRun);
        last.entry = listing.entries.constFirst();
        last.changesSince = history.changesSince(*last.entry);
        if (!last.changesSince.none() && force == Force::No)
            return outcome(Undone::Outcome::ChangedSince);
        if (!confirm(last))
            return outcome(Undone::Outcome::NotConfirmed);
        undone.result = history.undo(
            *last.entry, force == Force::Always || (force == Force::WhenAsked && !last.changesSince.none()),
            last.changesSince);
        return outcome(undone.result.undone ? Undone::Outcome::Undone : Undone::Outcome::ChangedMeanwhile);
    } catch (const StoreError &e) {
        undone.error = e;
        return outcome(Undone::Outcome::Failed);
    }
}

UnitSession::History UnitSession::history()
{
    History history;
    try {
        // A unit open in the window was settled when the window opened it, and
        // only the holder of the lock may settle.
        if (lock()) {
            const Settled settled = settle();
            history.settled = settled.notices;
            if (settled.error)
                throw *settled.error;
        }
        history.listing = RunHistory(m_folder).list();
    } catch (const StoreError &e) {
        history.error = e;
    }
    return history;
}

} // namespace calendrix
