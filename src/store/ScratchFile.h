#pragma once

#include "store/StoreError.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace calendrix {

// The one way the program puts a file in place: a hidden file
// ".calendrix-XXXXXX.tmp" made exclusively beside the target, locked,
// written, flushed, renamed to the target and its folder flushed, so that
// whoever looks at the target finds the earlier file or the whole new one.
// Its owner holds a lock on it for as long as the object lives; the lock goes
// with the process, so a file whose lock can be taken belongs to no live
// work and sweep() may remove it: that is all a kill ever leaves.
class ScratchFile
{
public:
    // Creates the empty file; throws StoreError when the folder refuses it.
    explicit ScratchFile(const QString &target);
    // Removes the file and its journal unless release() was called.
    ~ScratchFile();
    ScratchFile(const ScratchFile &) = delete;
    ScratchFile &operator=(const ScratchFile &) = delete;

    // When a write or a move reaches the disk: at once, or with many others
    // by one syncFileSystem() and syncFolderOf() (a thousand calendars would
    // otherwise wait for a thousand flushes).
    enum class Sync { Now, Later };

    QString path() const { return m_path; }
    // The file it is made to become.
    QString target() const { return m_target; }
    // Writes data to the file and flushes it to the disk; throws StoreError,
    // naming the target, on any short write or failed flush.
    void write(const QByteArray &data, Sync sync = Sync::Now);
    // Flushes the file, whoever wrote it (a library writing to path() as
    // well); throws StoreError.
    void sync();
    // Flushes everything written on the file system of this file, its own
    // writes among them; throws StoreError when any of them failed.
    void syncFileSystem();
    // Sets the file's permission bits, which it keeps when moved into place.
    void setMode(unsigned int mode);

    enum class Replace { Yes, No };
    // Moves the finished file to the target in one step; with Sync::Now the
    // file is flushed first, unless the last thing done to it was a flushing
    // write() or sync(). A file it replaces passes on its permissions. With
    // Replace::No a file that is at the target, or appears there meanwhile,
    // is never replaced (DestinationExists). Throws StoreError.
    void putInPlace(Sync sync = Sync::Now, Replace replace = Replace::Yes);
    // Device and inode of the file, which it keeps when moved into place.
    QString identity() const;
    // The file was moved into place (or is otherwise kept): leave it be.
    void release();

    // Removes the scratch files in dir, with their journals, that no live
    // process holds, and journals whose scratch file is gone. Returns the
    // paths removed. Never fails: what cannot be removed stays.
    static QStringList sweep(const QString &dir);

    // Why nothing may be written over target: it stands there and is no
    // file but a folder, a device, a pipe, a socket or a link (OutputNotAFile).
    // Nothing when it is a file or not there. putInPlace() refuses the same.
    static std::optional<Notice> notAFile(const QString &target);
    // Why no file can be made beside target (CannotMakeFileBeside: its folder
    // is not there, or refuses a new file), found by making one and removing
    // it. Nothing when one can. Asked before long work that would only fail
    // at its end.
    static std::optional<Notice> cannotMakeBeside(const QString &target);

    // A random name ".calendrix-XXXXXX<suffix>" for a hidden file of ours.
    static QString hiddenName(const QString &suffix);

private:
    QString m_target;
    QString m_path;
    int m_fd = -1;
    bool m_flushed = false; // the last write() or sync() flushed the file
};

// The error of the system call that just failed, told as a code with the
// store's number for it (disk full, read-only, or an I/O error): the file is
// %1, the system's words %2, more %3 on.
StoreError systemError(NoticeCode code, const QString &file, const QStringList &more = {});
// The same with values of its own ahead of the system's words.
StoreError systemError(NoticeCode code, QStringList values, const QString &file);

// Flushes the folder that holds path, so that a rename in it survives a crash.
void syncFolderOf(const QString &path);

// The store's helpers for names on the disk.
QByteArray encodedPath(const QString &path);
// True when something is at path; a link is not followed.
bool pathExists(const QString &path);
// "dev:ino" of what path names itself (a link is not followed); empty when
// nothing is there. A file keeps it when it is renamed.
QString identityOf(const QString &path);

} // namespace calendrix
