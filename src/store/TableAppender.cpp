#include "store/TableAppender.h"

#include "store/FieldValues.h"

#include <QSqlDriver>
#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

StoreError sqliteError(sqlite3 *handle, const QString &file, NoticeCode action, const QString &table)
{
    return storeErrorFromSqlite(sqlite3_extended_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle)),
                                file, action, {table});
}

} // namespace

TableAppender::TableAppender(const Database &db, const QString &table) : m_db(db)
{
    if (!db.isOpen())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::AppendTableNotOpen, {table});
    m_layout = Layouts::table(db.kind(), table);
    if (!m_layout)
        throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableNotInKind,
                         {table, Layouts::kindKey(db.kind())}, db.path());
    const QVariant handle = db.connection().driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3 *const *>(handle.constData()))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::NotSqliteConnection, {}, db.path());
    m_handle = *static_cast<sqlite3 *const *>(handle.constData());

    QStringList names, marks;
    for (int i = 1; i < m_layout->fields.size(); ++i) {
        const FieldLayout &f = m_layout->fields[i];
        names.append(u'"' + f.name + u'"');
        marks.append(u"?"_s);
        m_defaults.append(f.defaultValue.isEmpty() ? QVariant()
                                                   : FieldValues::fromStorage(f.defaultValue, f.type));
    }
    const QByteArray sql =
        u"INSERT INTO \"%1\" (%2) VALUES (%3)"_s.arg(m_layout->name, names.join(u','), marks.join(u','))
            .toUtf8();
    if (sqlite3_prepare_v2(m_handle, sql.constData(), int(sql.size()), &m_insert, nullptr) != SQLITE_OK)
        throw sqliteError(m_handle, db.path(), NoticeCode::CannotWriteTable, m_layout->name);
}

TableAppender::~TableAppender()
{
    sqlite3_finalize(m_insert);
}

qint64 TableAppender::append(const QVariantList &values)
{
    sqlite3_reset(m_insert);
    for (int i = 1; i < m_layout->fields.size(); ++i) {
        const FieldLayout &f = m_layout->fields[i];
        const QVariant &given = i < values.size() ? values[i] : m_defaults[i - 1];
        // Text handed over as text needs no conversion: the common case by far.
        const bool asIs = f.type == FieldType::Text && given.metaType().id() == QMetaType::QString;
        const QVariant v =
            asIs ? given
                 : FieldValues::toStorage(given.isValid() ? FieldValues::convert(given, f.type, f.name)
                                                          : m_defaults[i - 1],
                                          f.type);
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(m_insert, i);
        } else if (v.metaType().id() == QMetaType::QString) {
            const QString *text = static_cast<const QString *>(v.constData());
            rc = sqlite3_bind_text16(m_insert, i, text->utf16(), int(text->size() * sizeof(char16_t)),
                                     SQLITE_TRANSIENT);
        } else {
            rc = sqlite3_bind_int64(m_insert, i, v.toLongLong());
        }
        if (rc != SQLITE_OK)
            throw sqliteError(m_handle, m_db.path(), NoticeCode::CannotAddRow, m_layout->name);
    }
    if (sqlite3_step(m_insert) != SQLITE_DONE) {
        const StoreError e = sqliteError(m_handle, m_db.path(), NoticeCode::CannotAddRow, m_layout->name);
        sqlite3_reset(m_insert);
        throw e;
    }
    const qint64 key = sqlite3_last_insert_rowid(m_handle);
    sqlite3_reset(m_insert);
    return key;
}

} // namespace calendrix
