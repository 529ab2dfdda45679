#include "store/DatafileSwap.h"

#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// A name beside target that nothing has, for keeping the target's file while
// the new one takes its place.
QString backupName(const QString &target)
{
    const QDir dir = QFileInfo(target).absoluteDir();
    for (;;) {
        const QString path = dir.filePath(ScratchFile::hiddenName(u".old"_s));
        if (!pathExists(path))
            return path;
    }
}

Notice settledRun(NoticeCode code, QStringList values)
{
    return {Notice::Kind::Information, code, std::move(values)};
}

} // namespace

DatafileSwap::DatafileSwap(QString recordPath, QString target, quint32 workingCounterBefore,
                           QString historyEntry)
    : m_recordPath(std::move(recordPath))
{
    m_record.change = RecoveryRecord::Change::Run;
    m_record.datafile = std::move(target);
    m_record.counterBefore = workingCounterBefore;
    m_record.entry = std::move(historyEntry);
}

void DatafileSwap::putInPlace(ScratchFile &finished, bool replace)
{
    const QString &target = m_record.datafile;
    struct stat st {
    };
    const bool hadTarget = ::lstat(encodedPath(target).constData(), &st) == 0;
    if (hadTarget && !replace)
        throw StoreError(StoreErrorCode::DestinationExists, NoticeCode::FileExists, {target}, target);
    if (hadTarget && S_ISDIR(st.st_mode))
        throw StoreError(StoreErrorCode::DestinationExists, NoticeCode::DatafileIsFolder, {target}, target);
    if (const std::optional<Notice> refused = ScratchFile::notAFile(target))
        throw StoreError(StoreErrorCode::DestinationExists, *refused, target);
    m_record.hadDatafile = hadTarget;
    m_record.keptAs = hadTarget ? backupName(target) : QString();
    m_record.identity = finished.identity();
    // The record is on the disk before anything at the target changes.
    m_record.write(m_recordPath);

    if (hadTarget && ::link(encodedPath(target).constData(), encodedPath(m_record.keptAs).constData()) != 0 &&
        ::rename(encodedPath(target).constData(), encodedPath(m_record.keptAs).constData()) != 0)
        throw systemError(NoticeCode::CannotKeepReplacedFile, target);
    // A target that was not there is never replaced by one made meanwhile.
    finished.putInPlace(ScratchFile::Sync::Now,
                        hadTarget ? ScratchFile::Replace::Yes : ScratchFile::Replace::No);
}

void DatafileSwap::putBack(const QString &ready)
{
    // A hidden second name beside the target first, which the rename then
    // moves into the target's place in one step; named as a scratch file, so
    // that what a kill leaves of it is swept.
    QString beside;
    do
        beside = QFileInfo(m_record.datafile).absoluteDir().filePath(ScratchFile::hiddenName(u".tmp"_s));
    while (pathExists(beside));
    if (::link(encodedPath(ready).constData(), encodedPath(beside).constData()) != 0) {
        if (errno != EXDEV)
            throw systemError(NoticeCode::CannotKeepReplacedFile, ready);
        QFile source(ready);
        if (!source.open(QIODevice::ReadOnly))
            throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::CannotReadFile,
                             {ready, source.errorString()}, ready);
        ScratchFile copy(m_record.datafile);
        copy.write(source.readAll());
        putInPlace(copy, true);
        return;
    }
    const QString &target = m_record.datafile;
    m_record.hadDatafile = pathExists(target);
    m_record.keptAs = m_record.hadDatafile ? backupName(target) : QString();
    m_record.identity = identityOf(beside);
    try {
        m_record.write(m_recordPath);
        if (m_record.hadDatafile &&
            ::link(encodedPath(target).constData(), encodedPath(m_record.keptAs).constData()) != 0)
            throw systemError(NoticeCode::CannotKeepReplacedFile, target);
        if (::rename(encodedPath(beside).constData(), encodedPath(target).constData()) != 0)
            throw systemError(NoticeCode::CannotPutBackFile, target, {beside});
    } catch (const StoreError &) {
        ::unlink(encodedPath(beside).constData());
        throw;
    }
    syncFolderOf(target);
}

void DatafileSwap::finish()
{
    if (!m_record.keptAs.isEmpty())
        ::unlink(encodedPath(m_record.keptAs).constData());
    ::unlink(encodedPath(m_recordPath).constData());
    syncFolderOf(m_recordPath);
}

RecoveryRecord::Settled DatafileSwap::settle(const RecoveryRecord &record, const QString &recordPath,
                                             const QString &workingPath)
{
    RecoveryRecord::Settled result;
    result.found = true;
    result.committed = record.committed(workingPath);
    const QString &target = record.datafile, &backup = record.keptAs;
    // A run that did not count is nothing to take back.
    if (!result.committed && !record.entry.isEmpty() &&
        ::unlink(encodedPath(record.entry).constData()) != 0 && errno != ENOENT)
        throw systemError(NoticeCode::CannotRemoveFile, record.entry);
    if (record.inPlace()) {
        // Changed in place: what did not commit was rolled back in the file itself.
        if (!result.committed)
            result.notice = settledRun(NoticeCode::ChangeFileRestored, {target});
        RecoveryRecord::remove(recordPath);
        return result;
    }
    if (result.committed) {
        if (!backup.isEmpty())
            ::unlink(encodedPath(backup).constData());
    } else if (record.hadDatafile) {
        // The old file comes back unless someone has put another one there since.
        const QString now = identityOf(target);
        if (pathExists(backup) && now == identityOf(backup)) {
            // Killed before the new file took the name: the target is the old file.
            ::unlink(encodedPath(backup).constData());
        } else if (pathExists(backup) && (now.isEmpty() || now == record.identity)) {
            if (::rename(encodedPath(backup).constData(), encodedPath(target).constData()) != 0)
                throw systemError(NoticeCode::CannotPutBackFile, target, {backup});
            syncFolderOf(target);
            result.notice = settledRun(
                record.rosterChange ? NoticeCode::ChangeFileRestored : NoticeCode::RunFileRestored, {target});
        } else if (pathExists(backup)) {
            result.notice = settledRun(record.rosterChange ? NoticeCode::ChangeFileKeptAside
                                                           : NoticeCode::RunFileKeptAside,
                                       {target, backup});
        }
    } else if (!record.identity.isEmpty() && identityOf(target) == record.identity) {
        if (::unlink(encodedPath(target).constData()) != 0)
            throw systemError(NoticeCode::CannotRemoveFile, target);
        syncFolderOf(target);
        result.notice = settledRun(NoticeCode::RunFileRemoved, {target});
    }
    RecoveryRecord::remove(recordPath);
    return result;
}

} // namespace calendrix
