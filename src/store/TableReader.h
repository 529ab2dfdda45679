#pragma once

#include "store/Database.h"

#include <QByteArrayView>
#include <QList>
#include <QVariant>

#include <vector>

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
    // Only the fields of these ordinals, for a pass that needs a few of a
    // wide table's fields: SQLite then makes no value of the others. Reading
    // any other field is a fault of the caller.
    TableReader(const Database &db, const QString &table, const QList<int> &ordinals);
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
    // The statement's column of a field's ordinal.
    int column(int ordinal) const
    {
        Q_ASSERT(m_column[size_t(ordinal)] >= 0);
        return m_column[size_t(ordinal)];
    }

    Database m_db;
    const TableLayout *m_layout = nullptr;
    sqlite3 *m_handle = nullptr;
    sqlite3_stmt *m_select = nullptr;
    std::vector<int> m_column; // by ordinal; -1 for a field not selected
};

} // namespace calendrix
