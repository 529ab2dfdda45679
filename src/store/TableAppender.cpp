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

    const int n = int(m_layout->fields.size());
    QStringList names, marks;
    m_defaults.append(QVariant());
    m_defaultText.resize(size_t(n));
    m_set.assign(size_t(n), 0);
    m_bound.assign(size_t(n), 1); // nothing is bound yet: the first row binds every default
    m_text.resize(size_t(n));
    for (int i = 1; i < n; ++i) {
        const FieldLayout &f = m_layout->fields[i];
        names.append(u'"' + f.name + u'"');
        marks.append(u"?"_s);
        const QVariant stored =
            f.defaultValue.isEmpty()
                ? QVariant()
                : FieldValues::toStorage(FieldValues::fromStorage(f.defaultValue, f.type), f.type);
        m_defaults.append(stored);
        if (stored.metaType().id() == QMetaType::QString)
            m_defaultText[size_t(i)] = stored.toString().toUtf8();
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

void TableAppender::check(int rc)
{
    if (rc != SQLITE_OK)
        throw sqliteError(m_handle, m_db.path(), NoticeCode::CannotAddRow, m_layout->name);
}

void TableAppender::setText(int ordinal, QStringView text)
{
    // Encoded into a buffer kept per field, so that a row costs no allocation.
    QByteArray &buffer = m_text[size_t(ordinal)];
    buffer.resize(m_utf8.requiredSpace(text.size()));
    // Names are nearly always ASCII, copied unit by unit; the encoder, whose
    // every call costs more than a short name's copy, takes what follows
    // the first other character.
    char *const out = buffer.data();
    const char16_t *const in = text.utf16();
    qsizetype size = 0;
    while (size < text.size() && in[size] < 0x80) {
        out[size] = char(in[size]);
        ++size;
    }
    if (size < text.size())
        size = m_utf8.appendToBuffer(out + size, text.sliced(size)) - out;
    // Empty text is text, never Null.
    check(sqlite3_bind_text(m_insert, ordinal, size ? buffer.constData() : "", int(size), SQLITE_STATIC));
    m_set[size_t(ordinal)] = 1;
}

void TableAppender::setUtf8(int ordinal, const QByteArray &utf8)
{
    check(sqlite3_bind_text(m_insert, ordinal, utf8.constData(), int(utf8.size()), SQLITE_STATIC));
    m_set[size_t(ordinal)] = 1;
}

void TableAppender::setInteger(int ordinal, qint64 value)
{
    check(sqlite3_bind_int64(m_insert, ordinal, value));
    m_set[size_t(ordinal)] = 1;
}

void TableAppender::setValue(int ordinal, const QVariant &value)
{
    if (!value.isValid())
        return;
    const FieldLayout &f = m_layout->fields[ordinal];
    if (value.isNull()) {
        check(sqlite3_bind_null(m_insert, ordinal));
        m_set[size_t(ordinal)] = 1;
        return;
    }
    // Text handed over as text needs no conversion: the common case by far.
    if (f.type == FieldType::Text && value.metaType().id() == QMetaType::QString) {
        setText(ordinal, *static_cast<const QString *>(value.constData()));
        return;
    }
    const QVariant v = FieldValues::toStorage(FieldValues::convert(value, f.type, f.name), f.type);
    if (v.isNull()) {
        check(sqlite3_bind_null(m_insert, ordinal));
        m_set[size_t(ordinal)] = 1;
    } else if (v.metaType().id() == QMetaType::QString) {
        setText(ordinal, *static_cast<const QString *>(v.constData()));
    } else {
        setInteger(ordinal, v.toLongLong());
    }
}

void TableAppender::bindDefault(int ordinal)
{
    const QVariant &d = m_defaults[ordinal];
    if (d.isNull())
        check(sqlite3_bind_null(m_insert, ordinal));
    else if (d.metaType().id() == QMetaType::QString)
        check(sqlite3_bind_text(m_insert, ordinal, m_defaultText[size_t(ordinal)].constData(),
                                int(m_defaultText[size_t(ordinal)].size()), SQLITE_STATIC));
    else
        check(sqlite3_bind_int64(m_insert, ordinal, d.toLongLong()));
}

qint64 TableAppender::addRow()
{
    for (int i = 1; i < int(m_set.size()); ++i)
        if (!m_set[size_t(i)] && m_bound[size_t(i)])
            bindDefault(i);
    m_bound.swap(m_set);
    std::fill(m_set.begin(), m_set.end(), 0);
    if (sqlite3_step(m_insert) != SQLITE_DONE) {
        const StoreError e = sqliteError(m_handle, m_db.path(), NoticeCode::CannotAddRow, m_layout->name);
        sqlite3_reset(m_insert);
        throw e;
    }
    const qint64 key = sqlite3_last_insert_rowid(m_handle);
    sqlite3_reset(m_insert);
    return key;
}

qint64 TableAppender::append(const QVariantList &values)
{
    std::fill(m_set.begin(), m_set.end(), 0);
    for (int i = 1; i < int(values.size()) && i < int(m_set.size()); ++i)
        setValue(i, values[i]);
    return addRow();
}

} // namespace calendrix
