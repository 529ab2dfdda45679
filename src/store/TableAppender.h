#pragma once

#include "store/Database.h"

#include <QStringEncoder>
#include <QVariantList>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace calendrix {

// Appends rows to one table without reading it: for filling a new file, where
// a record set would only hold every written row in memory again.
//
// A row is given field by field (set...) and then added (addRow); a field not
// set keeps its default. Values of the right type go to SQLite as they are,
// so that a roster of a hundred thousand rows costs about what SQLite's own
// write of it costs.
class TableAppender
{
public:
    TableAppender(const Database &db, const QString &table);
    ~TableAppender();
    TableAppender(const TableAppender &) = delete;
    TableAppender &operator=(const TableAppender &) = delete;

    // Text for a text field.
    void setText(int ordinal, QStringView text);
    // Text already in UTF-8, for texts written over and over (a roster's
    // marks): utf8 must stay as it is until the row is added.
    void setUtf8(int ordinal, const QByteArray &utf8);
    void setInteger(int ordinal, qint64 value);
    // Any value, brought to the field's type as a record set would; an
    // invalid QVariant leaves the field at its default, a null but valid one
    // writes Null.
    void setValue(int ordinal, const QVariant &value);
    // Writes the row set so far and starts the next; returns the new row's key.
    qint64 addRow();

    // values[i] is the value of ordinal i (0, the key, is ignored); an invalid
    // QVariant, or a missing entry, leaves the field at its default. Returns
    // the new row's key.
    qint64 append(const QVariantList &values);

private:
    void check(int rc);
    void bindDefault(int ordinal);

    Database m_db;
    const TableLayout *m_layout = nullptr;
    QVariantList m_defaults;               // by ordinal, as stored
    std::vector<QByteArray> m_defaultText; // the text defaults in UTF-8, by ordinal
    std::vector<char> m_set;               // by ordinal: set for the row being made
    // By ordinal: bound to something other than the default. SQLite keeps a
    // statement's bindings from row to row, so a field left at its default
    // in row after row is bound once.
    std::vector<char> m_bound;
    std::vector<QByteArray> m_text; // by ordinal: the row's texts in UTF-8
    // Each text alone: half a surrogate pair at the end of one is no part of the next.
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    // Written through SQLite itself: binding through the SQL module costs
    // more than the write, and a new roster is tens of thousands of rows.
    sqlite3 *m_handle = nullptr;
    sqlite3_stmt *m_insert = nullptr;
};

} // namespace calendrix
