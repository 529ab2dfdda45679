#pragma once

#include "store/Database.h"
#include "store/UnitFolder.h"

namespace calendrix {

class StoreError;

// The unit's personnel and working databases as the windows use them: the
// main window opens them at start, and every dialog asks here for the same
// open files, so that no window opens a database file of its own.
class UnitDatabases
{
public:
    explicit UnitDatabases(UnitFolder folder) : m_folder(std::move(folder)) {}

    UnitFolder folder() const { return m_folder; }
    // Another unit: the databases of the one before are let go.
    void setFolder(const UnitFolder &folder);

    // Opens the file of that kind afresh. A table that cannot be used is
    // kept apart and listed in tableFaults; its record sets say why. Throws
    // StoreError when the file cannot be opened at all.
    Database reopen(FileKind kind, QList<StoreError> *tableFaults);
    // The open database of that kind; one not open yet is opened now, and
    // a failure to do so throws StoreError.
    Database personnel() { return get(FileKind::Personnel); }
    Database working() { return get(FileKind::Working); }

private:
    Database get(FileKind kind);
    Database &slot(FileKind kind);
    QString path(FileKind kind) const;

    UnitFolder m_folder;
    Database m_personnel;
    Database m_working;
};

} // namespace calendrix
