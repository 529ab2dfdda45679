#include "store/FolderLock.h"

#include "store/UnitFolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

FolderLock::FolderLock(const QString &dir)
    : m_dir(QDir(dir).absolutePath()), m_lock(std::make_unique<QLockFile>(UnitFolder(m_dir).lockPath()))
{
    // Held for as long as the program runs: only a dead process frees it.
    m_lock->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

bool FolderLock::tryLock()
{
    const QString folder = QDir::toNativeSeparators(m_dir);
    // Without a folder there is no lock file to make, which is no sign of
    // another program.
    const QFileInfo info(m_dir);
    if (!info.exists()) {
        m_error = u"The unit folder '%1' does not exist."_s.arg(folder);
        return false;
    }
    if (!info.isDir()) {
        m_error = u"'%1' is not a folder; a unit is kept in a folder."_s.arg(folder);
        return false;
    }
    if (m_lock->tryLock(0))
        return true;
    qint64 pid = 0;
    QString host, app;
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->getLockInfo(&pid, &host, &app)) {
        m_error = u"The unit in '%1' is already open in another copy of Calendrix "
                  "(process %2 on %3)."_s.arg(folder)
                      .arg(pid)
                      .arg(host.isEmpty() ? u"this computer"_s : host);
    } else if (m_lock->error() == QLockFile::PermissionError) {
        m_error = u"The unit folder '%1' cannot be written (no permission)."_s.arg(folder);
    } else if (m_lock->error() == QLockFile::UnknownError) {
        // The lock file could not be made or written, most often on a full disk.
        m_error = u"The unit folder '%1' cannot be written (is the disk full?)."_s.arg(folder);
    } else {
        m_error = u"The unit in '%1' is in use by another program."_s.arg(folder);
    }
    return false;
}

} // namespace calendrix
