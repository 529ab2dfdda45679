#include "store/TableReader.h"

#include "store/FieldValues.h"

#include <QSqlDriver>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QList<int> everyOrdinal(const Database &db, const QString &table)
{
    QList<int> ordinals;
    if (const TableLayout *layout = Layouts::table(db.kind(), table))
        for (int i = 0; i < layout->fields.size(); ++i)
            ordinals.append(i);
    return ordinals;
}

} // namespace

TableReader::TableReader(const Database &db, const QString &table)
    : TableReader(db, table, everyOrdinal(db, table))
{}

TableReader::TableReader(const Database &db, const QString &table, const QList<int> &ordinals) : m_db(db)
{
    if (!db.isOpen())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::RecordSourceNotOpen, {table});
    m_layout = Layouts::table(db.kind(), table);
    if (!m_layout)
        throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableNotInKind,
                         {table, Layouts::kindKey(db.kind())}, db.shownPath());
    db.requireUsable(m_layout->name);
    const QVariant handle = db.connection().driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3 *const *>(handle.constData()))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::NotSqliteConnection, {}, db.shownPath());
    m_handle = *static_cast<sqlite3 *const *>(handle.constData());

    QStringList names;
    m_column.assign(size_t(m_layout->fields.size()), -1);
    for (const int ordinal : ordinals) {
        if (ordinal < 0 || ordinal >= m_layout->fields.size() || m_column[size_t(ordinal)] >= 0)
            continue;
        m_column[size_t(ordinal)] = int(names.size());
        names.append(u'"' + m_layout->fields[ordinal].name + u'"');
    }
    const QByteArray sql =
        u"SELECT %1 FROM \"%2\" ORDER BY \"ID\""_s.arg(names.join(u','), m_layout->name).toUtf8();
    if (sqlite3_prepare_v2(m_handle, sql.constData(), int(sql.size()), &m_select, nullptr) != SQLITE_OK)
        throw storeErrorFromSqlite(sqlite3_extended_errcode(m_handle),
                                   QString::fromUtf8(sqlite3_errmsg(m_handle)), db.shownPath(),
                                   NoticeCode::CannotReadTable, {m_layout->name});
}

TableReader::~TableReader()
{
    sqlite3_finalize(m_select);
}

bool TableReader::next()
{
    const int rc = sqlite3_step(m_select);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw storeErrorFromSqlite(sqlite3_extended_errcode(m_handle),
                               QString::fromUtf8(sqlite3_errmsg(m_handle)), m_db.shownPath(),
                               NoticeCode::CannotReadTable, {m_layout->name});
}

// What the SQL module would have handed a record set for the same cell.
QVariant TableReader::raw(int ordinal) const
{
    switch (sqlite3_column_type(m_select, column(ordinal))) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_select, column(ordinal))));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_select, column(ordinal)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char *>(sqlite3_column_blob(m_select, column(ordinal))),
                                   sqlite3_column_bytes(m_select, column(ordinal))));
    default:
        return QVariant(QString::fromUtf8(utf8(ordinal)));
    }
}

QVariant TableReader::value(int ordinal) const
{
    return FieldValues::fromStorage(raw(ordinal), m_layout->fields[ordinal].type);
}

QString TableReader::text(int ordinal) const
{
    // Only a text field keeps its stored text; a date or yes/no field held
    // as text reads as its value does.
    if (m_layout->fields[ordinal].type == FieldType::Text &&
        sqlite3_column_type(m_select, column(ordinal)) == SQLITE_TEXT)
        return QString::fromUtf8(utf8(ordinal)).trimmed();
    return FieldValues::text(value(ordinal));
}

QByteArrayView TableReader::utf8(int ordinal) const
{
    if (sqlite3_column_type(m_select, column(ordinal)) != SQLITE_TEXT)
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_select, column(ordinal)));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_select, column(ordinal)) : 0);
}

bool TableReader::yesNo(int ordinal) const
{
    // A roster's holiday flags are Null in nearly every cell: that and a
    // whole number are answered here, without a QVariant for each.
    switch (sqlite3_column_type(m_select, column(ordinal))) {
    case SQLITE_NULL:
        return false;
    case SQLITE_INTEGER:
        return sqlite3_column_int64(m_select, column(ordinal)) != 0;
    default:
        return value(ordinal).toBool();
    }
}

qint64 TableReader::lastKey() const
{
    sqlite3_stmt *last = nullptr;
    const QByteArray sql = u"SELECT max(\"ID\") FROM \"%1\""_s.arg(m_layout->name).toUtf8();
    qint64 key = 0;
    if (sqlite3_prepare_v2(m_handle, sql.constData(), int(sql.size()), &last, nullptr) == SQLITE_OK &&
        sqlite3_step(last) == SQLITE_ROW)
        key = sqlite3_column_int64(last, 0);
    sqlite3_finalize(last);
    return key;
}

} // namespace calendrix
