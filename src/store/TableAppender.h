#pragma once

#include "store/Database.h"

#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace calendrix {

// Appends rows to one table without reading it: for filling a new file, where
// a record set would only hold every written row in memory again.
class TableAppender
{
public:
    TableAppender(const Database &db, const QString &table);
    ~TableAppender();
    TableAppender(const TableAppender &) = delete;
    TableAppender &operator=(const TableAppender &) = delete;

    // values[i] is the value of ordinal i (0, the key, is ignored); an invalid
    // QVariant, or a missing entry, leaves the field at its default. Returns
    // the new row's key.
    qint64 append(const QVariantList &values);

private:
    Database m_db;
    const TableLayout *m_layout = nullptr;
    QVariantList m_defaults;
    // Written through SQLite itself: binding through the SQL module costs
    // more than the write, and a new roster is tens of thousands of rows.
    sqlite3 *m_handle = nullptr;
    sqlite3_stmt *m_insert = nullptr;
};

} // namespace calendrix
