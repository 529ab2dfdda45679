#pragma once

#include "store/Database.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

struct sqlite3_value;

namespace calendrix {

// What a transaction changes in some tables of a database, watched with
// SQLite's session extension from the moment a RowChanges is made on the
// connection: the keys of the rows it adds, the rows it removes and, of the
// rows it changes, the columns it changes with their values before. That is
// what an undo needs and no more: the values a change leaves are in the
// tables, and rows added are taken away by their keys. Packed (zlib), even
// the first run of a division, which adds 136,000 counter rows, keeps a few
// hundred kilobytes. Each table has an integer key "ID".
class RowChanges
{
public:
    // Starts watching tables of schema (main, or a database attached under
    // that name) on db's connection; call before anything of the transaction
    // changes them. Throws StoreError.
    RowChanges(const Database &db, const QStringList &tables, const QString &schema = QStringLiteral("main"));
    ~RowChanges();
    RowChanges(const RowChanges &) = delete;
    RowChanges &operator=(const RowChanges &) = delete;

    // Runs append, which only adds rows to table and gives their keys, with
    // the watch paused: the rows added are kept by those keys, as the watch
    // keeps them. The session would copy each added row out of the table
    // again only to say its key, and the rows a unit's first run adds are
    // nearly all it changes.
    void appendUnwatched(const QString &table, const std::function<void(std::vector<qint64> &keys)> &append);

    // What the watch saw of one table's rows: the keys of the rows added
    // (appendUnwatched()'s as well), each row removed with every column's
    // value before, in the order of columns (the table's), and how many rows
    // were changed.
    struct Seen {
        QStringList columns;
        std::vector<qint64> added;
        std::vector<std::vector<std::shared_ptr<sqlite3_value>>> removed;
        qint64 changed = 0;
    };

    // What the tables' rows changed since the watch began, packed; seen,
    // when given, gets what the watch saw of table. Throws StoreError
    // (HistoryCannotWrite).
    QByteArray packed(const QString &table = {}, Seen *seen = nullptr) const;

    // Puts back in db, inside the caller's transaction, what packed says was
    // changed: the rows added go, the rows removed come back, the changed
    // columns get their values before. A row changed since in a column the
    // change did not touch keeps that column. Throws StoreError: Corrupt
    // (naming source) when packed cannot be read, HistoryCannotRestore when
    // a row cannot be written.
    static void restore(const Database &db, const QByteArray &packed, const QString &source,
                        const QString &schema = QStringLiteral("main"));

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};

} // namespace calendrix
