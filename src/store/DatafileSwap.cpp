#include "store/DatafileSwap.h"

#include "store/Database.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// "dev:ino" of what path names itself (a link is not followed); empty when nothing is there.
QString identityOf(const QString &path)
{
    struct stat st {
    };
    if (::lstat(encoded(path).constData(), &st) != 0)
        return {};
    return u"%1:%2"_s.arg(quint64(st.st_dev)).arg(quint64(st.st_ino));
}

bool exists(const QString &path)
{
    struct stat st {
    };
    return ::lstat(encoded(path).constData(), &st) == 0;
}

// A name beside target that nothing has, for keeping the target's file while
// the new one takes its place.
QString backupName(const QString &target)
{
    const QDir dir = QFileInfo(target).absoluteDir();
    for (;;) {
        const QString path = dir.filePath(ScratchFile::hiddenName(u".old"_s));
        if (!exists(path))
            return path;
    }
}

} // namespace

DatafileSwap::DatafileSwap(QString recordPath, QString target, quint32 workingCounterBefore,
                           QString historyEntry)
    : m_record(std::move(recordPath)), m_target(std::move(target)), m_counterBefore(workingCounterBefore),
      m_historyEntry(std::move(historyEntry))
{}

void DatafileSwap::putInPlace(ScratchFile &finished, bool replace)
{
    struct stat st {
    };
    const bool hadTarget = ::lstat(encoded(m_target).constData(), &st) == 0;
    if (hadTarget && !replace)
        throw StoreError(StoreErrorCode::DestinationExists, u"'%1' already exists."_s.arg(shown(m_target)),
                         m_target);
    if (hadTarget && S_ISDIR(st.st_mode))
        throw StoreError(StoreErrorCode::DestinationExists,
                         u"'%1' is a folder; choose another name for the roster."_s.arg(shown(m_target)),
                         m_target);
    if (hadTarget)
        m_backup = backupName(m_target);

    // The record is on the disk before anything at the target changes.
    QJsonObject record{{u"target"_s, m_target},
                       {u"backup"_s, m_backup},
                       {u"hadTarget"_s, hadTarget},
                       {u"newFile"_s, finished.identity()},
                       {u"counterBefore"_s, qint64(m_counterBefore)},
                       {u"historyEntry"_s, m_historyEntry}};
    {
        ScratchFile scratch(m_record);
        scratch.write(QJsonDocument(record).toJson());
        scratch.putInPlace();
    }

    if (hadTarget && ::link(encoded(m_target).constData(), encoded(m_backup).constData()) != 0 &&
        ::rename(encoded(m_target).constData(), encoded(m_backup).constData()) != 0)
        throw systemError(u"Cannot keep '%1' while it is replaced"_s.arg(shown(m_target)), m_target);
    // rename(2) swaps the name in one step: readers see the old file or the
    // new. A target that was not there is never replaced by one made meanwhile.
    const QByteArray from = encoded(finished.path()), to = encoded(m_target);
    const bool moved =
        hadTarget
            ? ::rename(from.constData(), to.constData()) == 0
            : (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0 ||
               (errno == EINVAL && ::link(from.constData(), to.constData()) == 0 &&
                ::unlink(from.constData()) == 0));
    if (!moved)
        throw systemError(u"Cannot %1 '%2'"_s.arg(hadTarget ? u"replace"_s : u"create"_s, shown(m_target)),
                          m_target);
    finished.release();
    syncFolderOf(m_target);
}

void DatafileSwap::finish()
{
    if (!m_backup.isEmpty())
        ::unlink(encoded(m_backup).constData());
    ::unlink(encoded(m_record).constData());
    syncFolderOf(m_record);
}

DatafileSwap::Recovery DatafileSwap::recover(const QString &recordPath, const QString &workingPath)
{
    Recovery result;
    const UnitFolder::Record read = UnitFolder(QFileInfo(recordPath).absolutePath()).readRecord(recordPath);
    if (read.state == UnitFolder::Record::State::Missing)
        return result;
    result.found = true;
    if (read.state == UnitFolder::Record::State::NotAFile) {
        result.text =
            u"'%1' was %2, not a record of an unfinished roster run; it was set aside as '%3'."_s.arg(
                shown(recordPath), read.what, shown(read.aside));
        return result;
    }
    const QJsonObject record = QJsonDocument::fromJson(read.bytes).object();
    const QString target = record.value(u"target"_s).toString();
    const QString backup = record.value(u"backup"_s).toString();
    if (target.isEmpty() || !record.value(u"counterBefore"_s).isDouble()) {
        // Written in one step, so only another program can have spoilt it.
        ::unlink(encoded(recordPath).constData());
        result.text = u"A record of an unfinished roster run, '%1', could not be read and was removed."_s.arg(
            shown(recordPath));
        return result;
    }

    // Opening the working database rolls back what a killed run left in its
    // journal; only then does the counter tell whether the run committed.
    quint32 counter = 0;
    {
        Database working = Database::open(workingPath, FileKind::Working);
        working.exec(u"SELECT count(*) FROM sqlite_master"_s, u"Cannot read"_s);
        counter = working.changeCounter();
    }
    result.committed = counter != quint32(record.value(u"counterBefore"_s).toInteger());
    const QString newFile = record.value(u"newFile"_s).toString();
    // A run that did not count is nothing to take back.
    const QString historyEntry = record.value(u"historyEntry"_s).toString();
    if (!result.committed && !historyEntry.isEmpty() && ::unlink(encoded(historyEntry).constData()) != 0 &&
        errno != ENOENT)
        throw systemError(u"Cannot remove '%1'"_s.arg(shown(historyEntry)), historyEntry);
    if (result.committed) {
        if (!backup.isEmpty())
            ::unlink(encoded(backup).constData());
    } else if (record.value(u"hadTarget"_s).toBool()) {
        // The old file comes back unless someone has put another one there since.
        const QString now = identityOf(target);
        if (exists(backup) && now == identityOf(backup)) {
            // Killed before the new file took the name: the target is the old file.
            ::unlink(encoded(backup).constData());
        } else if (exists(backup) && (now.isEmpty() || now == newFile)) {
            if (::rename(encoded(backup).constData(), encoded(target).constData()) != 0)
                throw systemError(
                    u"Cannot put '%1' back in place of '%2'"_s.arg(shown(backup), shown(target)), target);
            syncFolderOf(target);
            result.text = u"The roster run that was replacing '%1' did not finish; the file is as it was "
                          "before that run, and so are the counters."_s.arg(shown(target));
        } else if (exists(backup)) {
            result.text = u"The roster run that was replacing '%1' did not finish; the counters are as they "
                          "were before that run. The file it replaced is kept as '%2'."_s.arg(shown(target),
                                                                                              shown(backup));
        }
    } else if (!newFile.isEmpty() && identityOf(target) == newFile) {
        if (::unlink(encoded(target).constData()) != 0)
            throw systemError(u"Cannot remove '%1'"_s.arg(shown(target)), target);
        syncFolderOf(target);
        result.text = u"The roster run that was making '%1' did not finish; the file was removed and the "
                      "counters are as they were before that run."_s.arg(shown(target));
    }
    if (::unlink(encoded(recordPath).constData()) != 0 && errno != ENOENT)
        throw systemError(u"Cannot remove '%1'"_s.arg(shown(recordPath)), recordPath);
    syncFolderOf(recordPath);
    return result;
}

} // namespace calendrix
