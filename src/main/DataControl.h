#pragma once

#include "store/Database.h"
#include "store/Notice.h"
#include "store/RecordSet.h"

#include <QObject>

namespace calendrix {

// A record source of a window: one database file and a table or ordered
// query, with the record set bound to it. Grids show and edit it through a
// RecordSetModel; commands work on its record set. Unbound (no file open),
// it has no record set and every command on it reports so.
class DataControl : public QObject
{
    Q_OBJECT

public:
    DataControl(const QString &name, QObject *parent);

    // Binds to a database and a record source and reads it; when that fails,
    // the source stays unbound and its commands report the same failure.
    void bind(const Database &db, const QString &recordSource);
    // why: what the user is told when a command needs the records.
    void unbind(const Notice &why = {Notice::Kind::Error, NoticeCode::NoUnitOpen, {}});
    bool isBound() const { return m_recordset.isOpen(); }
    QString recordSource() const { return m_source; }
    Database database() const { return m_db; }

    // Binds to a database and a record source with rows read already
    // (RecordSet::readApart), as bind() does.
    void adopt(const Database &db, const QString &recordSource, RecordSet rows);
    // Sets the record source again and re-reads the rows, on the first one.
    void setRecordSource(const QString &recordSource);
    void refresh();

    // Throws StoreError when unbound, saying why there are no records.
    RecordSet &recordset();

    // Rows were added, deleted or re-read behind the views' backs.
    void notifyRowsChanged();

signals:
    void aboutToReset(); // views save what they hold before the rows are re-read
    void rowsReset();

private:
    Database m_db;
    QString m_source;
    RecordSet m_recordset;
    Notice m_whyUnbound{Notice::Kind::Error, NoticeCode::NoUnitOpen, {}};
};

} // namespace calendrix
