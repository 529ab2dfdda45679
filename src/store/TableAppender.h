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
//
// Rows can go to SQLite several to a statement (rowsPerStatement): SQLite
// then keeps up its statement and the table's AUTOINCREMENT once for them
// all, which halves the cost of a short row. The appender then gives each
// row its key itself, the one SQLite would give it, and writes the rows as
// each statement fills and in finish(), which must come before the
// transaction is committed; an error of a row may then be told only there.
class TableAppender
{
public:
    // Rows to a statement for a table filled with many rows at once: past
    // this SQLite saves next to nothing more.
    static constexpr int kManyRows = 64;
    // At most this many parameters to a statement of many rows.
    static constexpr int kParametersPerStatement = 1024;

    TableAppender(const Database &db, const QString &table, int rowsPerStatement = 1);
    ~TableAppender();
    TableAppender(const TableAppender &) = delete;
    TableAppender &operator=(const TableAppender &) = delete;

    // Text for a text field.
    void setText(int ordinal, QStringView text);
    // Text already in UTF-8, for texts written over and over (a roster's
    // marks): utf8 must stay as it is until the row is written, when it is
    // added, or with several rows to a statement, when its statement fills
    // or finish() comes.
    void setUtf8(int ordinal, const QByteArray &utf8);
    void setInteger(int ordinal, qint64 value);
    // Any value, brought to the field's type as a record set would; an
    // invalid QVariant leaves the field at its default, a null but valid one
    // writes Null.
    void setValue(int ordinal, const QVariant &value);
    // Ends the row set so far and starts the next; returns the row's key.
    qint64 addRow();
    // Writes the rows added and not yet written.
    void finish();

    // values[i] is the value of ordinal i (0, the key, is ignored); an invalid
    // QVariant, or a missing entry, leaves the field at its default. Returns
    // the new row's key.
    qint64 append(const QVariantList &values);

private:
    // A field of a row to be written, as it was set; or what a parameter of
    // a statement is bound to (Unbound before its first binding).
    struct Cell {
        enum class Kind : quint8 { Default, Null, Integer, Text, Unbound };
        Kind kind = Kind::Default;
        int size = 0;
        qint64 integer = 0;
        const char *text = nullptr;
    };
    // A prepared insert of some rows, and what each of its parameters is
    // bound to. SQLite keeps a statement's bindings from one run to the
    // next, and reads a text bound as it stands (SQLITE_STATIC) only when
    // the statement runs: a parameter given the same number, the same
    // default or text at the same address and of the same size as in the
    // row before is not bound again. A roster's marks are a few hundred
    // texts in cell after cell.
    struct Insert {
        sqlite3_stmt *statement = nullptr;
        std::vector<Cell> bound; // by parameter, from 1
    };

    qint64 firstFreeKey();
    Insert prepare(int rows);
    void check(int rc);
    // A field of the row being set: set... is called for every cell of a
    // roster, so only the check of its range stays out of line.
    Cell &cell(int ordinal)
    {
        if (ordinal < 1 || ordinal >= m_fields) [[unlikely]]
            outOfRange();
        return m_cells[size_t(m_pending) * size_t(m_fields) + size_t(ordinal)];
    }
    [[noreturn]] void outOfRange() const;
    // Writes the rows set from first on, as many as the statement takes.
    void write(Insert &insert, int first, int rows);
    void bindDefault(sqlite3_stmt *statement, int parameter, int ordinal);

    Database m_db;
    const TableLayout *m_layout = nullptr;
    int m_fields = 0; // ordinals, the key's included
    int m_rowsPerStatement = 1;
    // The first ordinal bound: the key (0) where the appender gives it,
    // the first field (1) where SQLite does.
    int m_firstBound = 1;
    qint64 m_nextKey = 0;                  // where the appender gives the keys
    int m_pending = 0;                     // rows added and not written
    QVariantList m_defaults;               // by ordinal, as stored
    std::vector<QByteArray> m_defaultText; // the text defaults in UTF-8, by ordinal
    std::vector<Cell> m_cells;             // the rows to be written: by row, then ordinal
    std::vector<QByteArray> m_text;        // their texts in UTF-8, as m_cells
    int m_uncaught = 0;                    // exceptions in flight when the appender was made
    // Each text alone: half a surrogate pair at the end of one is no part of the next.
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    // Written through SQLite itself: binding through the SQL module costs
    // more than the write, and a new roster is tens of thousands of rows.
    sqlite3 *m_handle = nullptr;
    Insert m_single; // of one row
    Insert m_many;   // of m_rowsPerStatement rows, once that many are added
};

} // namespace calendrix
