#include "store/UnitSettling.h"

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

} // namespace

QStringList UnitSettling::Result::texts() const
{
    QStringList texts;
    if (!run.text.isEmpty())
        texts.append(run.text);
    if (!undo.isEmpty())
        texts.append(undo);
    return texts;
}

UnitSettling::Result UnitSettling::settle(const UnitFolder &folder, const Options &options)
{
    Result result;
    try {
        result.run = DatafileSwap::recover(folder.pendingRunPath(), folder.workingPath());
        result.undo = RunHistory::settle(folder);
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
