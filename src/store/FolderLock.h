#pragma once

#include "store/Notice.h"

#include <QString>

namespace calendrix {

// Keeps a second copy of the program from writing into the same unit folder.
//
// The lock is an flock(2) on the folder's .calendrix.lock, which the system
// lets go of when its holder dies, however it dies. What the file says (the
// holder's process and computer) is only for the message: a file that is
// empty or unreadable, as a kill between making it and writing it leaves it,
// is taken over as soon as no live process holds its lock. QLockFile, which
// judged by the content, kept such a unit locked for ever.
class FolderLock
{
public:
    explicit FolderLock(const QString &dir);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // False when the folder is missing, is not a folder, or another running
    // copy holds it; error() then says which, naming the folder (and the
    // process that holds it).
    bool tryLock();
    const Notice &error() const { return m_error; }

private:
    QString m_dir;
    QString m_path;
    int m_fd = -1;
    Notice m_error;
    bool fail(NoticeCode code, const QStringList &values);
};

} // namespace calendrix
