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

    // False when another running copy holds the folder; errorText() then
    // names the folder and that process.
    bool tryLock();
    QString errorText() const { return m_error; }

private:
    QString m_dir;
    std::unique_ptr<QLockFile> m_lock;
    QString m_error;
};

} // namespace calendrix
