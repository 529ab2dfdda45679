#include "main/DataControl.h"

#include "app/NoticeText.h"

using namespace Qt::Literals::StringLiterals;

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
        unbind(NoticeText::text(e));
        throw;
    }
}

void DataControl::unbind(const QString &why)
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
                         m_whyUnbound.isEmpty() ? u"There is no unit open: its files could not be opened."_s
                                                : m_whyUnbound);
    return m_recordset;
}

void DataControl::notifyRowsChanged()
{
    emit rowsReset();
}

} // namespace calendrix
