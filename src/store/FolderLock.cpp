#include "store/FolderLock.h"

#include "store/UnitFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// True when path still names the file open at fd: the holder before us
// removes the name as it lets go, and a lock on a file without a name locks
// nothing.
bool namesFile(const QByteArray &path, int fd)
{
    struct stat byName {
    }, byFd{};
    return ::lstat(path.constData(), &byName) == 0 && ::fstat(fd, &byFd) == 0 &&
           byName.st_dev == byFd.st_dev && byName.st_ino == byFd.st_ino;
}

// The holder's process and computer as it wrote them: the same three lines
// (process, program, computer) that QLockFile writes, so that a copy of an
// older build reads them too.
QByteArray holderInfo()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
           QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n';
}

} // namespace

FolderLock::FolderLock(const QString &dir)
    : m_dir(QDir(dir).absolutePath()), m_path(UnitFolder(m_dir).lockPath())
{}

FolderLock::~FolderLock()
{
    if (m_fd < 0)
        return;
    // The name goes while the lock is still held, so that nobody takes a
    // lock on a file that is about to lose its name.
    const QByteArray path = QFile::encodeName(m_path);
    if (namesFile(path, m_fd))
        ::unlink(path.constData());
    ::close(m_fd);
}

bool FolderLock::tryLock()
{
    if (m_fd >= 0)
        return true;
    const QString &folder = m_dir;
    // Without a folder there is no lock file to make, which is no sign of
    // another program.
    const QFileInfo info(m_dir);
    if (!info.exists()) {
        return fail(NoticeCode::UnitFolderMissing, {folder});
    }
    if (!info.isDir()) {
        return fail(NoticeCode::UnitNotAFolder, {folder});
    }
    const auto cannotWrite = [&](int error) {
        return fail(error == EACCES || error == EPERM || error == EROFS ? NoticeCode::UnitFolderNoPermission
                                                                        : NoticeCode::UnitFolderDiskFull,
                    {folder});
    };
    const QByteArray path = QFile::encodeName(m_path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Never through a link, which could lead the holder's lines into any
        // file; never waiting on a FIFO put in its place.
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
        if (fd < 0) {
            if (errno != ELOOP)
                return cannotWrite(errno);
            return fail(NoticeCode::LockFileIsLink, {m_path});
        }
        struct stat st {
        };
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return fail(NoticeCode::LockFileIsOther, {m_path, UnitFolder::fileType(st.st_mode)});
        }
        int locked;
        do
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int error = errno;
            // A holder that has only just made the file has not written its
            // lines yet: it is alive all the same.
            char text[512] = {};
            const ssize_t n = error == EWOULDBLOCK ? ::pread(fd, text, sizeof text - 1, 0) : 0;
            ::close(fd);
            const QList<QByteArray> lines = QByteArray(text, n > 0 ? n : 0).split('\n');
            const qint64 pid = lines.value(0).toLongLong();
            const QString host = QString::fromUtf8(lines.value(2));
            if (error != EWOULDBLOCK)
                return fail(NoticeCode::UnitFolderCannotLock,
                            {folder, QString::fromLocal8Bit(strerror(error))});
            if (pid > 0 && host.isEmpty())
                return fail(NoticeCode::UnitOpenElsewhereHere, {folder, QString::number(pid)});
            if (pid > 0)
                return fail(NoticeCode::UnitOpenElsewhere, {folder, QString::number(pid), host});
            return fail(NoticeCode::UnitInUse, {folder});
        }
        if (!namesFile(path, fd)) {
            ::close(fd);
            continue;
        }
        // Whatever an earlier holder left is replaced: its lock went with it.
        const QByteArray lines = holderInfo();
        const bool truncated = ::ftruncate(fd, 0) == 0;
        const ssize_t written = truncated ? ::pwrite(fd, lines.constData(), size_t(lines.size()), 0) : -1;
        if (written != lines.size()) {
            // A short write sets no error: the disk is full.
            const int error = written < 0 ? errno : ENOSPC;
            ::unlink(path.constData());
            ::close(fd);
            return cannotWrite(error);
        }
        m_fd = fd;
        return true;
    }
    return fail(NoticeCode::UnitInUse, {folder});
}

bool FolderLock::fail(NoticeCode code, const QStringList &values)
{
    m_error = {Notice::Kind::Error, code, values, -1, 0};
    return false;
}

} // namespace calendrix
