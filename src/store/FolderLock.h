#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace calendrix {

// Keeps a second copy of the program from writing into the same unit folder.
class FolderLock
{
public:
    explicit FolderLock(const QString &dir);
    ~FolderLock();

    // False when the folder is missing, is not a folder, or another running
    // copy holds it; errorText() then says which, naming the folder (and the
    // process that holds it).
    bool tryLock();
    QString errorText() const { return m_error; }

private:
    QString m_dir;
    std::unique_ptr<QLockFile> m_lock;
    QString m_error;
};

} // namespace calendrix
