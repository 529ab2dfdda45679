#include "main/DataControl.h"

namespace calendrix {

DataControl::DataControl(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

void DataControl::bind(const Database &db, const QString &recordSource)
{
    m_db = db;
    m_source = recordSource;
    try {
        refresh();
    } catch (const StoreError &e) {
        unbind(e.notice());
        throw;
    }
}

void DataControl::adopt(const Database &db, const QString &recordSource, RecordSet rows)
{
    emit aboutToReset();
    m_db = db;
    m_source = recordSource;
    m_recordset = std::move(rows);
    emit rowsReset();
}

void DataControl::unbind(const Notice &why)
{
    emit aboutToReset();
    m_recordset = RecordSet();
    m_db = Database();
    m_whyUnbound = why;
    emit rowsReset();
}

void DataControl::setRecordSource(const QString &recordSource)
{
    m_source = recordSource;
    refresh();
}

void DataControl::refresh()
{
    if (!m_db.isOpen()) {
        recordset(); // throws: not bound
        return;
    }
    emit aboutToReset();
    m_recordset.open(m_db, m_source);
    emit rowsReset();
}

RecordSet &DataControl::recordset()
{
    if (!m_recordset.isOpen())
        throw StoreError(StoreErrorCode::CannotOpen,
                         Notice::because({Notice::Kind::Error, NoticeCode::NoRecords, {}}, m_whyUnbound));
    return m_recordset;
}

void DataControl::notifyRowsChanged()
{
    emit rowsReset();
}

} // namespace calendrix
