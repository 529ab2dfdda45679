#pragma once

#include "store/Database.h"
#include "store/Layouts.h"
#include "store/RecordSource.h"

#include <QVariant>
#include <memory>

namespace calendrix {

struct RecordSetData;

// A cursor over the rows of one table, in the table's natural order or in
// the order of a "SELECT * FROM t ORDER BY ..." source.
//
// The rows are read once when the set is opened (or refreshed); changes made
// through the set go to the file at once and into the set's own rows: a row
// added appears at the end of the set until it is re-opened, a deleted row
// disappears from it. Clones share the rows and keep cursors of their own.
//
// Values: text as QString, integers as qint64, yes/no as bool, dates as
// QDate, Null as an invalid QVariant.
class RecordSet
{
public:
    RecordSet();
    RecordSet(const Database &db, const QString &source);
    ~RecordSet();
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;
    RecordSet(RecordSet &&) noexcept;
    RecordSet &operator=(RecordSet &&) noexcept;

    // Binds the set to a new source and reads it; positioned on the first row.
    void open(const Database &db, const QString &source);
    // Reads source from db's file through a read-only connection of the
    // calling thread's own, closed again before it returns, and binds the set
    // to db for everything after: a window's large table is read so on a
    // thread of its own while db's connection stays with the window's thread.
    static RecordSet readApart(const Database &db, const QString &source);
    bool isOpen() const;
    Database database() const;

    // An independent cursor over the same rows, on the first row.
    RecordSet clone() const;

    // True on an empty set.
    bool eof() const;
    void moveFirst();
    void moveNext();

    QString fieldName(int ordinal) const;
    FieldType fieldType(int ordinal) const;

    QVariant value(int ordinal) const;
    QString text(int ordinal) const; // trimmed text, empty for Null
    void setValue(int ordinal, const QVariant &value);
    qint64 key() const;

    void addNew();
    void edit();
    void update();
    // Deletes the current row; the cursor stays on the gap until moved.
    void deleteCurrent();

    // The stored rows by position: every row read or added, deleted ones
    // included, so that a position stays valid while rows are deleted; for
    // views that show the set as a list and for passes over all rows.
    int storedRowCount() const;
    bool isDeletedRow(int row) const;
    const QVariant &valueAt(int row, int ordinal) const; // Null for a deleted row
    void moveToRow(int row);
    int lastModifiedRow() const; // -1 when nothing was added or saved

private:
    void requireOpen() const;
    void requireCurrent() const;
    void leaveEdit();
    int nextLive(int from) const;

    std::shared_ptr<RecordSetData> d;
    int m_pos = -1;      // stored row, -1 before the first
    bool m_atEnd = true; // after the last
    enum class EditMode { None, Edit, Add };
    EditMode m_mode = EditMode::None;
    QList<QVariant> m_buffer;
    QByteArray m_dirty; // '1' for each field set since add-new or edit
};

} // namespace calendrix
