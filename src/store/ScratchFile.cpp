#include "store/ScratchFile.h"

#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

const QString kPrefix = u".calendrix-"_s;
const QString kSuffix = u".tmp"_s;
const QString kJournal = u"-journal"_s;

// True when path still names the file open at fd: a sweep may have removed
// the name between its creation and our lock.
bool namesFile(const QByteArray &path, int fd)
{
    struct stat byName {
    }, byFd{};
    return ::lstat(path.constData(), &byName) == 0 && ::fstat(fd, &byFd) == 0 &&
           byName.st_dev == byFd.st_dev && byName.st_ino == byFd.st_ino;
}

} // namespace

QByteArray encodedPath(const QString &path)
{
    return QFile::encodeName(path);
}

bool pathExists(const QString &path)
{
    struct stat st {
    };
    return ::lstat(encodedPath(path).constData(), &st) == 0;
}

QString identityOf(const QString &path)
{
    struct stat st {
    };
    if (::lstat(encodedPath(path).constData(), &st) != 0)
        return {};
    return u"%1:%2"_s.arg(quint64(st.st_dev)).arg(quint64(st.st_ino));
}

StoreError systemError(NoticeCode notice, const QString &file, const QStringList &more)
{
    const int error = errno;
    return StoreError(storeErrorCodeOfSystem(error), notice,
                      QStringList{file, QString::fromLocal8Bit(strerror(error))} + more, file);
}

StoreError systemError(NoticeCode notice, QStringList values, const QString &file)
{
    const int error = errno;
    values.append(QString::fromLocal8Bit(strerror(error)));
    return StoreError(storeErrorCodeOfSystem(error), notice, values, file);
}

void syncFolderOf(const QString &path)
{
    const int fd =
        ::open(encodedPath(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString ScratchFile::hiddenName(const QString &suffix)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr quint64 count = sizeof letters - 1;
    // Six letters from one draw of the system's generator. The global
    // generator would first seed itself with hundreds of draws: a third of a
    // millisecond on a virtual machine, in every command that writes a file.
    quint64 bits = QRandomGenerator::system()->generate64();
    QString name = kPrefix;
    for (int i = 0; i < 6; ++i) {
        name += QLatin1Char(letters[bits % count]);
        bits /= count;
    }
    return name + suffix;
}

ScratchFile::ScratchFile(const QString &target) : m_target(target)
{
    const QString dir = QFileInfo(target).absolutePath();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = QDir(dir).filePath(hiddenName(kSuffix));
        // The mode is that of any new file of the user: it becomes a database
        // people open, not a private temporary file.
        const int fd =
            ::open(encodedPath(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            throw systemError(NoticeCode::CannotMakeFileBeside, target);
        }
        if (::flock(fd, LOCK_EX) == 0 && namesFile(encodedPath(path), fd)) {
            m_path = path;
            m_fd = fd;
            return;
        }
        ::close(fd);
    }
    throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::NoFileBeside, {target}, target);
}

ScratchFile::~ScratchFile()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so no sweep can take a new file of the
    // same name for ours.
    if (namesFile(encodedPath(m_path), m_fd)) {
        ::unlink(encodedPath(m_path + kJournal).constData());
        ::unlink(encodedPath(m_path).constData());
    }
    ::close(m_fd);
}

void ScratchFile::write(const QByteArray &data, Sync sync)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(m_fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            throw systemError(NoticeCode::CannotWriteFile, m_target);
        done += n;
    }
    m_flushed = false;
    if (sync == Sync::Now)
        this->sync();
}

void ScratchFile::sync()
{
    if (::fsync(m_fd) != 0)
        throw systemError(NoticeCode::CannotWriteFileToDisk, m_target);
    m_flushed = true;
}

void ScratchFile::syncFileSystem()
{
    if (::syncfs(m_fd) != 0)
        throw systemError(NoticeCode::CannotWriteFileToDisk, m_target);
}

void ScratchFile::setMode(unsigned int mode)
{
    if (::fchmod(m_fd, mode_t(mode)) != 0)
        throw systemError(NoticeCode::CannotWriteFile, m_target);
}

std::optional<Notice> ScratchFile::cannotMakeBeside(const QString &target)
{
    try {
        const ScratchFile probe(target);
    } catch (const StoreError &e) {
        return e.notice();
    }
    return std::nullopt;
}

std::optional<Notice> ScratchFile::notAFile(const QString &target)
{
    const QByteArray path = encodedPath(target);
    struct stat st {
    };
    if (::lstat(path.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return std::nullopt;
    QString what = UnitFolder::fileType(st.st_mode);
    if (S_ISLNK(st.st_mode))
        what = ::stat(path.constData(), &st) == 0 ? u"link:"_s + UnitFolder::fileType(st.st_mode) : u"link"_s;
    return Notice{Notice::Kind::Error, NoticeCode::OutputNotAFile, {target, what}};
}

void ScratchFile::putInPlace(Sync sync, Replace replace)
{
    // rename(2) would put the file in the place of a device or a pipe as
    // readily as of a file.
    if (replace == Replace::Yes)
        if (const std::optional<Notice> refused = notAFile(m_target))
            throw StoreError(StoreErrorCode::DestinationExists, *refused, m_target);
    // The file reaches the disk before its name does. Whoever wrote it last
    // through another descriptor (SQLite) may have left that to this flush.
    if (sync == Sync::Now && !m_flushed)
        this->sync();
    const QByteArray from = encodedPath(m_path), to = encodedPath(m_target);
    struct stat existing {
    };
    // The scratch file has the mode of any new file; the clerk's settings on
    // the file it replaces stay.
    if (replace == Replace::Yes && ::stat(to.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(m_fd, existing.st_mode & 07777);
    // rename(2) swaps the name in one step: readers see the old file or the new.
    bool moved = false;
    if (replace == Replace::Yes) {
        moved = ::rename(from.constData(), to.constData()) == 0;
    } else {
        moved = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0;
        // A file system without the no-replace rename: link(2) refuses an
        // existing name as well.
        if (!moved && (errno == EINVAL || errno == ENOSYS) && ::link(from.constData(), to.constData()) == 0) {
            ::unlink(from.constData());
            moved = true;
        }
        if (!moved && errno == EEXIST)
            throw StoreError(StoreErrorCode::DestinationExists, NoticeCode::FileExists, {m_target}, m_target);
    }
    if (!moved)
        throw systemError(NoticeCode::CannotWriteFile, m_target);
    release();
    // The new name itself is only safe once the folder is on the disk.
    if (sync == Sync::Now)
        syncFolderOf(m_target);
}

QString ScratchFile::identity() const
{
    struct stat st {
    };
    if (::fstat(m_fd, &st) != 0)
        return {};
    return u"%1:%2"_s.arg(quint64(st.st_dev)).arg(quint64(st.st_ino));
}

void ScratchFile::release()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

QStringList ScratchFile::sweep(const QString &dir)
{
    // Read with readdir and matched by name: the folder may be the clerk's
    // own, of thousands of files, and a sweep looks at each name only once.
    QStringList removed;
    const QByteArray prefix = encodedPath(kPrefix), suffix = encodedPath(kSuffix),
                     journal = encodedPath(kSuffix + kJournal);
    QByteArray folder = encodedPath(dir);
    if (!folder.endsWith('/'))
        folder += '/';
    std::vector<std::pair<QByteArray, bool>> found; // path, is a journal
    if (DIR *d = ::opendir(folder.constData())) {
        while (const dirent *e = ::readdir(d)) {
            const QByteArrayView name(e->d_name);
            if (!name.startsWith(prefix) || name.size() <= prefix.size())
                continue;
            if (name.endsWith(suffix))
                found.emplace_back(folder + name.toByteArray(), false);
            else if (name.endsWith(journal))
                found.emplace_back(folder + name.toByteArray(), true);
        }
        ::closedir(d);
    }
    for (const auto &[path, isJournal] : found) {
        struct stat st {
        };
        if (isJournal) {
            // A journal outlives its scratch file only when its run was killed
            // between the two unlinks.
            const QByteArray owner = path.chopped(kJournal.size());
            if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
                ::lstat(owner.constData(), &st) != 0 && errno == ENOENT && ::unlink(path.constData()) == 0)
                removed.append(QFile::decodeName(path));
            continue;
        }
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            namesFile(path, fd)) {
            ::unlink(QByteArray(path + encodedPath(kJournal)).constData());
            if (::unlink(path.constData()) == 0)
                removed.append(QFile::decodeName(path));
        }
        ::close(fd);
    }
    return removed;
}

} // namespace calendrix
