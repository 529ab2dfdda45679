#include "store/UnitSettling.h"

#include "store/DatafileSwap.h"
#include "store/RunHistory.h"
#include "store/ScratchFile.h"

#include <QFileInfo>

namespace calendrix {

namespace {

// What keeps a working database from being opened at all, as opposed to
// a lock or a full disk, which a repair cannot set right either.
bool isUnusable(const StoreError &e, const UnitFolder &folder)
{
    return e.file() == folder.workingPath() &&
           (e.code() == StoreErrorCode::WrongFileKind || e.code() == StoreErrorCode::Corrupt ||
            e.code() == StoreErrorCode::ItemNotFound || e.code() == StoreErrorCode::FileNotFound);
}

// Settles the record at path, whichever change wrote it.
RecoveryRecord::Settled settleRecord(const UnitFolder &folder, const QString &path)
{
    RecoveryRecord::Settled settled;
    const RecoveryRecord::Read read = RecoveryRecord::read(folder, path);
    const bool runPath = path == folder.pendingRunPath();
    settled.found = read.state != RecoveryRecord::Read::State::Missing;
    switch (read.state) {
    case RecoveryRecord::Read::State::Missing:
        break;
    case RecoveryRecord::Read::State::NotAFile:
        settled.notice = Notice{Notice::Kind::Information,
                                runPath ? NoticeCode::RunRecordNotAFile : NoticeCode::UndoRecordNotAFile,
                                {path, read.what, read.aside}};
        break;
    case RecoveryRecord::Read::State::Unreadable:
        // Written in one step, so only another program can have spoilt it.
        RecoveryRecord::remove(path);
        settled.notice = Notice{Notice::Kind::Information,
                                runPath ? NoticeCode::RunRecordUnreadable : NoticeCode::UndoRecordUnreadable,
                                {path}};
        break;
    case RecoveryRecord::Read::State::Read:
        settled = read.record.change == RecoveryRecord::Change::Run
                      ? DatafileSwap::settle(read.record, path, folder.workingPath())
                      : RunHistory::settle(read.record, path, folder.workingPath());
        break;
    }
    return settled;
}

} // namespace

Notices UnitSettling::Result::notices() const
{
    Notices notices;
    for (const RecoveryRecord::Settled *settled : {&run, &undo})
        if (settled->notice)
            notices.append(*settled->notice);
    return notices;
}

UnitSettling::Result UnitSettling::settle(const UnitFolder &folder, const Options &options)
{
    Result result;
    try {
        // A journal left beside a database is played back, or dropped when it
        // belongs to a transaction across both files that committed (an
        // import), only by a connection that may write: a reader would be refused.
        for (const auto &[path, kind] : {std::pair{folder.workingPath(), FileKind::Working},
                                         std::pair{folder.personnelPath(), FileKind::Personnel}})
            if (QFileInfo::exists(path + QStringLiteral("-journal")))
                Database::open(path, kind);
        result.run = settleRecord(folder, folder.pendingRunPath());
        result.undo = settleRecord(folder, folder.pendingUndoPath());
    } catch (const StoreError &e) {
        if (!options.repairAt || !isUnusable(e, folder)) {
            result.error = e;
            return result;
        }
        result.unusableWorking = e;
        // A new working database cannot tell whether the run counted: the
        // records, which name the files the run or undo kept, go aside with
        // the old one, and nothing they name is removed.
        try {
            for (const QString &record : {folder.pendingRunPath(), folder.pendingUndoPath()}) {
                if (QFileInfo(record).isFile())
                    result.recordsAside.append({record, folder.keepAside(record, *options.repairAt)});
            }
        } catch (const StoreError &aside) {
            result.error = aside;
            return result;
        }
    }
    // Only killed work leaves scratch files unlocked; a live run's stay.
    QStringList folders = options.datafileFolders;
    folders << folder.dir() << folder.historyPath();
    folders.removeDuplicates();
    for (const QString &dir : std::as_const(folders))
        result.swept += ScratchFile::sweep(dir);
    return result;
}

} // namespace calendrix
