#include "main/UnitDatabases.h"

#include "store/StoreError.h"

namespace calendrix {

void UnitDatabases::setFolder(const UnitFolder &folder)
{
    m_folder = folder;
    m_personnel = Database();
    m_working = Database();
}

Database &UnitDatabases::slot(FileKind kind)
{
    return kind == FileKind::Personnel ? m_personnel : m_working;
}

QString UnitDatabases::path(FileKind kind) const
{
    return kind == FileKind::Personnel ? m_folder.personnelPath() : m_folder.workingPath();
}

Database UnitDatabases::reopen(FileKind kind, QList<StoreError> *tableFaults)
{
    Database &db = slot(kind);
    db = Database();
    db = Database::openWithFaults(path(kind), kind, tableFaults);
    return db;
}

Database UnitDatabases::get(FileKind kind)
{
    Database &db = slot(kind);
    if (!db.isOpen())
        db = Database::openWithFaults(path(kind), kind, nullptr);
    return db;
}

} // namespace calendrix
