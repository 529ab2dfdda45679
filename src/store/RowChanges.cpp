#include "store/RowChanges.h"

#include "store/StoreError.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>
#include <QSqlDriver>
#include <QSqlQuery>

#include <algorithm>
#include <map>
#include <vector>

// The session extension's declarations; the system library is built with it.
#define SQLITE_ENABLE_SESSION
#define SQLITE_ENABLE_PREUPDATE_HOOK
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

constexpr quint8 kPackVersion = 1;
constexpr int kCompression = 6;

sqlite3 *handleOf(const Database &db)
{
    const QVariant handle = db.connection().driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3 *const *>(handle.constData()))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::NotSqliteConnection, {}, db.shownPath());
    return *static_cast<sqlite3 *const *>(handle.constData());
}

StoreError sqliteError(sqlite3 *handle, int code, const QString &file, NoticeCode action)
{
    return storeErrorFromSqlite(code, QString::fromUtf8(sqlite3_errmsg(handle)), file, action);
}

QString quoted(const QString &name)
{
    return u'"' + QString(name).replace(u'"', u"\"\""_s) + u'"';
}

// One stored value as SQLite holds it, so that what comes back is the same
// storage class byte for byte.
struct Value {
    quint8 type = SQLITE_NULL;
    qint64 integer = 0;
    double real = 0;
    QByteArray bytes;
};

void write(QDataStream &s, sqlite3_value *v)
{
    const int type = sqlite3_value_type(v);
    s << quint8(type);
    if (type == SQLITE_INTEGER) {
        s << qint64(sqlite3_value_int64(v));
    } else if (type == SQLITE_FLOAT) {
        s << sqlite3_value_double(v);
    } else if (type == SQLITE_TEXT) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(v));
        s << QByteArray(text, sqlite3_value_bytes(v));
    } else if (type == SQLITE_BLOB) {
        s << QByteArray(static_cast<const char *>(sqlite3_value_blob(v)), sqlite3_value_bytes(v));
    }
}

Value read(QDataStream &s)
{
    Value v;
    s >> v.type;
    if (v.type == SQLITE_INTEGER)
        s >> v.integer;
    else if (v.type == SQLITE_FLOAT)
        s >> v.real;
    else if (v.type == SQLITE_TEXT || v.type == SQLITE_BLOB)
        s >> v.bytes;
    else if (v.type != SQLITE_NULL)
        s.setStatus(QDataStream::ReadCorruptData);
    return v;
}

class Statement
{
public:
    Statement(sqlite3 *db, const QString &sql, const QString &file) : m_db(db), m_file(file)
    {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
        if (rc != SQLITE_OK)
            throw sqliteError(db, rc, file, NoticeCode::HistoryCannotRestore);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const Value &v)
    {
        switch (v.type) {
        case SQLITE_INTEGER:
            sqlite3_bind_int64(m_stmt, index, v.integer);
            break;
        case SQLITE_FLOAT:
            sqlite3_bind_double(m_stmt, index, v.real);
            break;
        case SQLITE_TEXT:
            sqlite3_bind_text(m_stmt, index, v.bytes.constData(), int(v.bytes.size()), SQLITE_TRANSIENT);
            break;
        case SQLITE_BLOB:
            sqlite3_bind_blob(m_stmt, index, v.bytes.constData(), int(v.bytes.size()), SQLITE_TRANSIENT);
            break;
        default:
            sqlite3_bind_null(m_stmt, index);
        }
    }
    void bind(int index, qint64 v) { sqlite3_bind_int64(m_stmt, index, v); }
    void run()
    {
        const int rc = sqlite3_step(m_stmt);
        sqlite3_reset(m_stmt);
        if (rc != SQLITE_DONE)
            throw sqliteError(m_db, rc, m_file, NoticeCode::HistoryCannotRestore);
    }

private:
    sqlite3 *m_db;
    QString m_file;
    sqlite3_stmt *m_stmt = nullptr;
};

} // namespace

struct RowChanges::Watch {
    sqlite3 *db = nullptr;
    sqlite3_session *session = nullptr;
    QString path;
    QHash<QString, QStringList> columns;
    std::map<QString, std::vector<qint64>> appended; // by appendUnwatched()
};

RowChanges::RowChanges(const Database &db, const QStringList &tables, const QString &schema)
    : m_watch(std::make_unique<Watch>())
{
    m_watch->db = handleOf(db);
    m_watch->path = db.fileOf(schema);
    for (const QString &table : tables) {
        QSqlQuery q(db.connection());
        if (!q.exec(u"PRAGMA %1.table_info(%2)"_s.arg(quoted(schema), quoted(table))))
            throw storeErrorFrom(q.lastError(), m_watch->path, NoticeCode::HistoryCannotRead);
        QStringList &names = m_watch->columns[table];
        while (q.next())
            names.append(q.value(1).toString());
    }
    int rc = sqlite3session_create(m_watch->db, schema.toUtf8().constData(), &m_watch->session);
    for (qsizetype i = 0; rc == SQLITE_OK && i < tables.size(); ++i)
        rc = sqlite3session_attach(m_watch->session, tables.at(i).toUtf8().constData());
    if (rc != SQLITE_OK)
        throw sqliteError(m_watch->db, rc, m_watch->path, NoticeCode::HistoryCannotWrite);
}

RowChanges::~RowChanges()
{
    if (m_watch->session)
        sqlite3session_delete(m_watch->session);
}

void RowChanges::appendUnwatched(const QString &table,
                                 const std::function<void(std::vector<qint64> &keys)> &append)
{
    sqlite3session_enable(m_watch->session, 0);
    try {
        append(m_watch->appended[table]);
    } catch (...) {
        sqlite3session_enable(m_watch->session, 1);
        throw;
    }
    sqlite3session_enable(m_watch->session, 1);
}

QByteArray RowChanges::packed(const QString &table, Seen *seen) const
{
    int size = 0;
    void *changeset = nullptr;
    int rc = sqlite3session_changeset(m_watch->session, &size, &changeset);
    const std::unique_ptr<void, decltype(&sqlite3_free)> owned(changeset, &sqlite3_free);
    if (rc != SQLITE_OK)
        throw sqliteError(m_watch->db, rc, m_watch->path, NoticeCode::HistoryCannotWrite);

    struct Table {
        int key = 0;
        std::vector<qint64> added;
        QByteArray removed, changed;
        QDataStream removedOut{&removed, QIODevice::WriteOnly}, changedOut{&changed, QIODevice::WriteOnly};
        quint32 removedRows = 0, changedRows = 0;
        Table()
        {
            removedOut.setVersion(QDataStream::Qt_6_0);
            changedOut.setVersion(QDataStream::Qt_6_0);
        }
    };
    std::map<QString, Table> tables;
    sqlite3_changeset_iter *it = nullptr;
    rc = sqlite3changeset_start(&it, size, changeset);
    while (rc == SQLITE_OK && sqlite3changeset_next(it) == SQLITE_ROW) {
        const char *name = nullptr;
        int columns = 0, op = 0, indirect = 0;
        sqlite3changeset_op(it, &name, &columns, &op, &indirect);
        const QString tableName = QString::fromUtf8(name);
        Table &t = tables[tableName];
        Seen *const seeing = seen && tableName == table ? seen : nullptr;
        unsigned char *pk = nullptr;
        sqlite3changeset_pk(it, &pk, &columns);
        t.key = int(std::find(pk, pk + columns, 1) - pk);
        sqlite3_value *v = nullptr;
        if (op == SQLITE_INSERT) {
            sqlite3changeset_new(it, t.key, &v);
            t.added.push_back(sqlite3_value_int64(v));
            if (seeing)
                seeing->added.push_back(t.added.back());
        } else if (op == SQLITE_DELETE) {
            QDataStream &s = t.removedOut;
            if (seeing)
                seeing->removed.emplace_back();
            for (int i = 0; i < columns; ++i) {
                sqlite3changeset_old(it, i, &v);
                write(s, v);
                if (seeing) {
                    // A copy of its own: the changeset's values go with the iterator.
                    std::shared_ptr<sqlite3_value> copy(sqlite3_value_dup(v), &sqlite3_value_free);
                    if (!copy)
                        rc = SQLITE_NOMEM;
                    seeing->removed.back().push_back(std::move(copy));
                }
            }
            ++t.removedRows;
        } else {
            if (seeing)
                ++seeing->changed;
            QDataStream &s = t.changedOut;
            sqlite3changeset_old(it, t.key, &v);
            s << qint64(sqlite3_value_int64(v));
            std::vector<int> touched;
            for (int i = 0; i < columns; ++i)
                if (i != t.key && sqlite3changeset_old(it, i, &v) == SQLITE_OK && v)
                    touched.push_back(i);
            s << quint16(touched.size());
            for (int i : touched) {
                sqlite3changeset_old(it, i, &v);
                s << quint16(i);
                write(s, v);
            }
            ++t.changedRows;
        }
    }
    const int finished = it ? sqlite3changeset_finalize(it) : rc;
    if (rc != SQLITE_OK || finished != SQLITE_OK)
        throw sqliteError(m_watch->db, rc != SQLITE_OK ? rc : finished, m_watch->path,
                          NoticeCode::HistoryCannotWrite);
    if (seen) {
        seen->columns = m_watch->columns.value(table);
        const auto appended = m_watch->appended.find(table);
        if (appended != m_watch->appended.end())
            seen->added.insert(seen->added.end(), appended->second.cbegin(), appended->second.cend());
    }
    for (const auto &[name, keys] : m_watch->appended) {
        if (keys.empty())
            continue;
        Table &t = tables[name];
        const QStringList columns = m_watch->columns.value(name);
        const auto id = std::find_if(columns.cbegin(), columns.cend(), [](const QString &c) {
            return c.compare(u"ID"_s, Qt::CaseInsensitive) == 0;
        });
        t.key = int(id - columns.cbegin());
        if (id == columns.cend())
            throw storeErrorFromSqlite(SQLITE_ERROR, u"no such column: ID"_s, m_watch->path,
                                       NoticeCode::HistoryCannotWrite);
        t.added.insert(t.added.end(), keys.cbegin(), keys.cend());
    }

    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << kPackVersion << quint32(tables.size());
    for (auto &[name, t] : tables) {
        s << name << m_watch->columns.value(name) << quint16(t.key);
        // The keys added, as ranges: a run adds its rows one after another.
        std::sort(t.added.begin(), t.added.end());
        std::vector<std::pair<qint64, qint64>> ranges;
        for (qint64 id : t.added) {
            if (!ranges.empty() && ranges.back().second + 1 == id)
                ranges.back().second = id;
            else
                ranges.emplace_back(id, id);
        }
        s << quint32(ranges.size());
        for (const auto &[first, last] : ranges)
            s << first << last;
        t.removedOut.device()->close();
        t.changedOut.device()->close();
        s << t.removedRows;
        s.writeRawData(t.removed.constData(), int(t.removed.size()));
        s << t.changedRows;
        s.writeRawData(t.changed.constData(), int(t.changed.size()));
    }
    return qCompress(bytes, kCompression);
}

void RowChanges::restore(const Database &db, const QByteArray &packed, const QString &source,
                         const QString &schema)
{
    const auto corrupt = [&] {
        return StoreError(StoreErrorCode::Corrupt, NoticeCode::HistoryEntryUnreadable, {source}, source);
    };
    const QByteArray bytes = qUncompress(packed);
    if (bytes.isEmpty())
        throw corrupt();
    sqlite3 *handle = handleOf(db);
    const QString file = db.fileOf(schema);
    QDataStream s(bytes);
    s.setVersion(QDataStream::Qt_6_0);
    quint8 version = 0;
    quint32 tables = 0;
    s >> version >> tables;
    if (version != kPackVersion)
        throw corrupt();
    for (quint32 t = 0; t < tables && s.status() == QDataStream::Ok; ++t) {
        QString table;
        QStringList columns;
        quint16 key = 0;
        quint32 ranges = 0;
        s >> table >> columns >> key >> ranges;
        if (s.status() != QDataStream::Ok || key >= columns.size())
            throw corrupt();
        const QString id = quoted(columns.at(key)), name = quoted(schema) + u'.' + quoted(table);
        Statement remove(handle, u"DELETE FROM %1 WHERE %2 BETWEEN ?1 AND ?2"_s.arg(name, id), file);
        for (quint32 i = 0; i < ranges && s.status() == QDataStream::Ok; ++i) {
            qint64 first = 0, last = 0;
            s >> first >> last;
            remove.bind(1, first);
            remove.bind(2, last);
            remove.run();
        }
        QStringList names, marks;
        for (const QString &column : std::as_const(columns)) {
            names.append(quoted(column));
            marks.append(u"?"_s);
        }
        Statement insert(handle,
                         u"INSERT OR REPLACE INTO %1 (%2) VALUES (%3)"_s.arg(name, names.join(u", "_s),
                                                                             marks.join(u", "_s)),
                         file);
        quint32 removed = 0;
        s >> removed;
        for (quint32 r = 0; r < removed && s.status() == QDataStream::Ok; ++r) {
            for (int i = 0; i < columns.size(); ++i)
                insert.bind(i + 1, read(s));
            if (s.status() == QDataStream::Ok)
                insert.run();
        }
        std::vector<std::unique_ptr<Statement>> updates(size_t(columns.size()));
        quint32 changed = 0;
        s >> changed;
        for (quint32 r = 0; r < changed && s.status() == QDataStream::Ok; ++r) {
            qint64 row = 0;
            quint16 count = 0;
            s >> row >> count;
            for (quint16 c = 0; c < count && s.status() == QDataStream::Ok; ++c) {
                quint16 column = 0;
                s >> column;
                if (column >= columns.size())
                    throw corrupt();
                const Value before = read(s);
                std::unique_ptr<Statement> &update = updates[column];
                if (!update)
                    update = std::make_unique<Statement>(
                        handle, u"UPDATE %1 SET %2 = ?1 WHERE %3 = ?2"_s.arg(name, names.at(column), id),
                        file);
                update->bind(1, before);
                update->bind(2, row);
                if (s.status() == QDataStream::Ok)
                    update->run();
            }
        }
    }
    if (s.status() != QDataStream::Ok || !s.atEnd())
        throw corrupt();
}

} // namespace calendrix
