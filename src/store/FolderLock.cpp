#include "FolderLock.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

FolderLock::FolderLock(const QString &dir)
    : m_dir(QDir(dir).absolutePath()),
      m_lock(std::make_unique<QLockFile>(QDir(m_dir).filePath(u".calendrix.lock"_s)))
{
    // Held for as long as the program runs: only a dead process frees it.
    m_lock->setStaleLockTime(0);
}

FolderLock::~FolderLock() = default;

bool FolderLock::tryLock()
{
    if (m_lock->tryLock(0))
        return true;
    const QString folder = QDir::toNativeSeparators(m_dir);
    qint64 pid = 0;
    QString host, app;
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->getLockInfo(&pid, &host, &app)) {
        m_error = u"The unit in '%1' is already open in another copy of Calendrix "
                  "(process %2 on %3)."_s.arg(folder)
                      .arg(pid)
                      .arg(host.isEmpty() ? u"this computer"_s : host);
    } else if (m_lock->error() == QLockFile::PermissionError) {
        m_error = u"The unit folder '%1' cannot be written (no permission)."_s.arg(folder);
    } else {
        m_error = u"The unit in '%1' is in use by another program."_s.arg(folder);
    }
    return false;
}

} // namespace calendrix
