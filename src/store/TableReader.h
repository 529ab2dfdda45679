#pragma once

#include "store/Database.h"

#include <QByteArrayView>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace calendrix {

// One pass over the rows of one table in key order, straight from SQLite:
// for reading a whole file once, where a record set would hold every row of
// it in memory before the first is used. Fields are read by their ordinals.
class TableReader
{
public:
    TableReader(const Database &db, const QString &table);
    ~TableReader();
    TableReader(const TableReader &) = delete;
    TableReader &operator=(const TableReader &) = delete;

    // Moves to the next row; false after the last. Throws StoreError
    // (CannotReadTable) when the file cannot be read.
    bool next();

    // As a record set holds it: QString, qint64, bool, QDate or Null.
    QVariant value(int ordinal) const;
    // As RecordSet::text(): trimmed, empty for Null.
    QString text(int ordinal) const;
    // The field's text as stored, untrimmed and valid until next(); a null
    // view when it is Null or held as another type (text() reads those).
    QByteArrayView utf8(int ordinal) const;
    // A yes/no field, read as a record set reads it.
    bool yesNo(int ordinal) const;

    // The greatest key in the table, 0 when it is empty: how far a pass has
    // to go, for showing how far it is.
    qint64 lastKey() const;

private:
    QVariant raw(int ordinal) const;

    Database m_db;
    const TableLayout *m_layout = nullptr;
    sqlite3 *m_handle = nullptr;
    sqlite3_stmt *m_select = nullptr;
};

} // namespace calendrix
