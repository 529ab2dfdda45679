#pragma once

// A fresh unit folder per test, with its databases open.

#include "app/NoticeText.h"
#include "store/Database.h"
#include "store/RecordSet.h"
#include "store/UnitFolder.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace calendrix::test {

struct TestUnit {
    QTemporaryDir dir;
    UnitFolder folder{dir.path()};

    TestUnit() { folder.init(); }
    Database personnel() const { return Database::open(folder.personnelPath(), FileKind::Personnel); }
    Database working() const { return Database::open(folder.workingPath(), FileKind::Working); }
    QString path(const QString &name) const { return dir.filePath(name); }
};

// What the sqlite3 shell, as other tools read (or, writable, change) our
// files, answers to sql.
inline QString sqliteShell(const QString &file, const QString &sql, bool writable = false)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"),
            {writable ? QStringLiteral("-bail") : QStringLiteral("-readonly"), file, sql});
    if (!p.waitForFinished() || p.exitCode() != 0)
        return QStringLiteral("sqlite3 failed: ") + QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Writes a file whole, as a stranger's program or a damaged disk might leave it.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cannot read>");
}

// Takes a table out of a file, which then looks like one made before the
// table was part of its layout.
inline void dropTable(const QString &path, FileKind kind, const QString &table)
{
    const Database db = Database::open(path, kind);
    QSqlQuery q(db.connection());
    QVERIFY2(q.exec(QStringLiteral("DROP TABLE \"%1\"").arg(table)), qPrintable(q.lastError().text()));
}

// Runs SQL on a working database, as another program would.
inline void execIn(const QString &path, const QString &sql)
{
    const Database db = Database::open(path, FileKind::Working);
    QSqlQuery q(db.connection());
    QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
}

// Overwrites the start of the first page of a table with junk, as a bad disk
// block would, so that SQLite reports the file damaged when it reads there.
inline void damageTable(const QString &path, FileKind kind, const QString &table)
{
    int page = 0;
    {
        const Database db = Database::open(path, kind);
        QSqlQuery q(db.connection());
        q.prepare(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"));
        q.addBindValue(table);
        QVERIFY(q.exec() && q.next());
        page = q.value(0).toInt();
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(qint64(page - 1) * 4096));
    QCOMPARE(f.write(QByteArray(64, '\xff')), 64);
}

// Adds one row with the given values at ordinals 1, 2, ...
inline void addRow(RecordSet &rs, const QVariantList &values)
{
    rs.addNew();
    for (int i = 0; i < values.size(); ++i)
        rs.setValue(i + 1, values[i]);
    rs.update();
}

// Adds rows to a table, as addRow does, and lets go of the table.
inline void addRows(const Database &db, const QString &table, const QList<QVariantList> &rows)
{
    RecordSet rs(db, table);
    for (const QVariantList &row : rows)
        addRow(rs, row);
}

// The values of one field over the whole set, in cursor order.
inline QStringList column(RecordSet &rs, int ordinal)
{
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QVariant v = rs.value(ordinal);
        out.append(v.isNull() ? QStringLiteral("<null>") : rs.text(ordinal));
    }
    return out;
}

// The rows of a set, deleted ones left out; the cursor does not move.
inline int rowCount(const RecordSet &rs)
{
    int rows = 0;
    for (int row = 0; row < rs.storedRowCount(); ++row)
        rows += rs.isDeletedRow(row) ? 0 : 1;
    return rows;
}

inline int rowCount(const Database &db, const QString &source)
{
    return rowCount(RecordSet(db, source));
}

// Makes the last row of the set current; an empty set is left as it is.
inline void moveToLastRow(RecordSet &rs)
{
    for (int row = rs.storedRowCount() - 1; row >= 0; --row)
        if (!rs.isDeletedRow(row))
            return rs.moveToRow(row);
}

#define EXPECT_STORE_ERROR(statement, expectedCode)                                                          \
    do {                                                                                                     \
        bool thrown_ = false;                                                                                \
        try {                                                                                                \
            statement;                                                                                       \
        } catch (const calendrix::StoreError &e_) {                                                          \
            thrown_ = true;                                                                                  \
            QCOMPARE(e_.code(), expectedCode);                                                               \
        }                                                                                                    \
        QVERIFY2(thrown_, "expected a StoreError from: " #statement);                                        \
    } while (false)

} // namespace calendrix::test
