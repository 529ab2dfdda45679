#include "store/TableAppender.h"

#include "store/FieldValues.h"

#include <QSqlDriver>
#include <sqlite3.h>

#include <algorithm>
#include <exception>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

StoreError sqliteError(sqlite3 *handle, const QString &file, NoticeCode action, const QString &table)
{
    return storeErrorFromSqlite(sqlite3_extended_errcode(handle), QString::fromUtf8(sqlite3_errmsg(handle)),
                                file, action, {table});
}

} // namespace

TableAppender::TableAppender(const Database &db, const QString &table, int rowsPerStatement)
    : m_db(db), m_uncaught(std::uncaught_exceptions())
{
    if (!db.isOpen())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::AppendTableNotOpen, {table});
    m_layout = Layouts::table(db.kind(), table);
    if (!m_layout)
        throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableNotInKind,
                         {table, Layouts::kindKey(db.kind())}, db.shownPath());
    const QVariant handle = db.connection().driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3 *const *>(handle.constData()))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::NotSqliteConnection, {}, db.shownPath());
    m_handle = *static_cast<sqlite3 *const *>(handle.constData());

    m_fields = int(m_layout->fields.size());
    m_defaults.append(QVariant());
    m_defaultText.resize(size_t(m_fields));
    for (int i = 1; i < m_fields; ++i) {
        const FieldLayout &f = m_layout->fields[i];
        const QVariant stored =
            f.defaultValue.isEmpty()
                ? QVariant()
                : FieldValues::toStorage(FieldValues::fromStorage(f.defaultValue, f.type), f.type);
        m_defaults.append(stored);
        if (stored.metaType().id() == QMetaType::QString)
            m_defaultText[size_t(i)] = stored.toString().toUtf8();
    }
    // A statement of many rows costs more to prepare the more parameters it
    // has (64 rows of a roster's 77 fields, 1.4 ms): a wide table takes fewer
    // rows to a statement, which still saves most of what more would.
    const int parameters =
        std::min(kParametersPerStatement, sqlite3_limit(m_handle, SQLITE_LIMIT_VARIABLE_NUMBER, -1));
    m_rowsPerStatement = std::clamp(rowsPerStatement, 1, std::max(1, parameters / m_fields));
    if (m_rowsPerStatement > 1) {
        m_firstBound = 0;
        m_nextKey = firstFreeKey();
    }
    m_cells.resize(size_t(m_rowsPerStatement) * size_t(m_fields));
    m_text.resize(m_cells.size());
    m_single = prepare(1);
}

TableAppender::~TableAppender()
{
    // Rows added and never written are a fault of the caller, unless an
    // exception is on its way out past the appender: then the transaction
    // they were for is not committed either.
    if (m_pending > 0 && std::uncaught_exceptions() == m_uncaught)
        qCritical("TableAppender: %d rows of %s were added and never written", m_pending,
                  qPrintable(m_layout->name));
    Q_ASSERT(m_pending == 0 || std::uncaught_exceptions() != m_uncaught);
    sqlite3_finalize(m_single.statement);
    sqlite3_finalize(m_many.statement);
}

qint64 TableAppender::firstFreeKey()
{
    // The key SQLite would give: one past the greatest the table holds and,
    // for a table of AUTOINCREMENT, past the greatest it ever gave.
    qint64 greatest = 0;
    // Reads one number into greatest; a query that cannot be prepared is
    // an error unless it may be missing.
    const auto read = [&](const QString &sql, bool mayBeMissing) {
        sqlite3_stmt *q = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(m_handle, utf8.constData(), int(utf8.size()), &q, nullptr) != SQLITE_OK) {
            sqlite3_finalize(q);
            if (mayBeMissing)
                return;
            throw sqliteError(m_handle, m_db.shownPath(), NoticeCode::CannotWriteTable, m_layout->name);
        }
        int rc;
        while ((rc = sqlite3_step(q)) == SQLITE_ROW)
            greatest = std::max(greatest, qint64(sqlite3_column_int64(q, 0)));
        if (rc != SQLITE_DONE) {
            const StoreError e =
                sqliteError(m_handle, m_db.shownPath(), NoticeCode::CannotWriteTable, m_layout->name);
            sqlite3_finalize(q);
            throw e;
        }
        sqlite3_finalize(q);
    };
    read(u"SELECT max(\"rowid\") FROM main.\"%1\""_s.arg(m_layout->name), false);
    // A file without a table of AUTOINCREMENT has no sqlite_sequence.
    read(u"SELECT seq FROM main.sqlite_sequence WHERE name = '%1' COLLATE NOCASE"_s.arg(m_layout->name),
         true);
    if (greatest == std::numeric_limits<qint64>::max())
        throw storeErrorFromSqlite(SQLITE_FULL, u"database or disk is full"_s, m_db.shownPath(),
                                   NoticeCode::CannotAddRow, {m_layout->name});
    return greatest + 1;
}

TableAppender::Insert TableAppender::prepare(int rows)
{
    QStringList names, marks;
    for (int i = m_firstBound; i < m_fields; ++i) {
        names.append(u'"' + m_layout->fields[i].name + u'"');
        marks.append(u"?"_s);
    }
    const QString row = u'(' + marks.join(u',') + u')';
    QStringList values(rows, row);
    const QByteArray sql =
        u"INSERT INTO \"%1\" (%2) VALUES %3"_s.arg(m_layout->name, names.join(u','), values.join(u','))
            .toUtf8();
    Insert insert;
    if (sqlite3_prepare_v2(m_handle, sql.constData(), int(sql.size()), &insert.statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(insert.statement);
        throw sqliteError(m_handle, m_db.shownPath(), NoticeCode::CannotWriteTable, m_layout->name);
    }
    insert.bound.assign(size_t(rows * (m_fields - m_firstBound) + 1), Cell{Cell::Kind::Unbound});
    return insert;
}

void TableAppender::check(int rc)
{
    if (rc != SQLITE_OK)
        throw sqliteError(m_handle, m_db.shownPath(), NoticeCode::CannotAddRow, m_layout->name);
}

void TableAppender::outOfRange() const
{
    throw storeErrorFromSqlite(SQLITE_RANGE, u"column index out of range"_s, m_db.shownPath(),
                               NoticeCode::CannotAddRow, {m_layout->name});
}

void TableAppender::setText(int ordinal, QStringView text)
{
    Cell &c = cell(ordinal);
    // Encoded into a buffer kept per field, so that a row costs no allocation.
    QByteArray &buffer = m_text[size_t(&c - m_cells.data())];
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
    c.kind = Cell::Kind::Text;
    c.text = size ? buffer.constData() : "";
    c.size = int(size);
}

void TableAppender::setUtf8(int ordinal, const QByteArray &utf8)
{
    Cell &c = cell(ordinal);
    c.kind = Cell::Kind::Text;
    c.text = utf8.isEmpty() ? "" : utf8.constData();
    c.size = int(utf8.size());
}

void TableAppender::setInteger(int ordinal, qint64 value)
{
    Cell &c = cell(ordinal);
    c.kind = Cell::Kind::Integer;
    c.integer = value;
}

void TableAppender::setValue(int ordinal, const QVariant &value)
{
    if (!value.isValid())
        return;
    const FieldLayout &f = m_layout->fields[ordinal];
    if (value.isNull()) {
        cell(ordinal).kind = Cell::Kind::Null;
        return;
    }
    // Text handed over as text needs no conversion: the common case by far.
    if (f.type == FieldType::Text && value.metaType().id() == QMetaType::QString) {
        setText(ordinal, *static_cast<const QString *>(value.constData()));
        return;
    }
    const QVariant v = FieldValues::toStorage(FieldValues::convert(value, f.type, f.name), f.type);
    if (v.isNull())
        cell(ordinal).kind = Cell::Kind::Null;
    else if (v.metaType().id() == QMetaType::QString)
        setText(ordinal, *static_cast<const QString *>(v.constData()));
    else
        setInteger(ordinal, v.toLongLong());
}

void TableAppender::bindDefault(sqlite3_stmt *statement, int parameter, int ordinal)
{
    const QVariant &d = m_defaults[ordinal];
    if (d.isNull())
        check(sqlite3_bind_null(statement, parameter));
    else if (d.metaType().id() == QMetaType::QString)
        check(sqlite3_bind_text(statement, parameter, m_defaultText[size_t(ordinal)].constData(),
                                int(m_defaultText[size_t(ordinal)].size()), SQLITE_STATIC));
    else
        check(sqlite3_bind_int64(statement, parameter, d.toLongLong()));
}

void TableAppender::write(Insert &insert, int first, int rows)
{
    // Whether a parameter bound so already gives the cell's value.
    const auto holds = [](const Cell &bound, const Cell &c) {
        if (c.kind != bound.kind)
            return false;
        if (c.kind == Cell::Kind::Integer)
            return c.integer == bound.integer;
        if (c.kind == Cell::Kind::Text)
            return c.text == bound.text && c.size == bound.size;
        return true; // the default, or Null
    };
    sqlite3_stmt *const statement = insert.statement;
    const int width = m_fields - m_firstBound;
    try {
        for (int row = first; row < first + rows; ++row) {
            for (int ordinal = m_firstBound; ordinal < m_fields; ++ordinal) {
                const int parameter = (row - first) * width + ordinal - m_firstBound + 1;
                Cell &c = m_cells[size_t(row) * size_t(m_fields) + size_t(ordinal)];
                Cell &bound = insert.bound[size_t(parameter)];
                if (!holds(bound, c)) {
                    switch (c.kind) {
                    case Cell::Kind::Default:
                        bindDefault(statement, parameter, ordinal);
                        break;
                    case Cell::Kind::Null:
                        check(sqlite3_bind_null(statement, parameter));
                        break;
                    case Cell::Kind::Integer:
                        check(sqlite3_bind_int64(statement, parameter, c.integer));
                        break;
                    case Cell::Kind::Text:
                        check(sqlite3_bind_text(statement, parameter, c.text, c.size, SQLITE_STATIC));
                        break;
                    case Cell::Kind::Unbound:
                        break;
                    }
                    bound = c;
                }
                c.kind = Cell::Kind::Default;
            }
        }
        if (sqlite3_step(statement) != SQLITE_DONE) {
            const StoreError e =
                sqliteError(m_handle, m_db.shownPath(), NoticeCode::CannotAddRow, m_layout->name);
            sqlite3_reset(statement);
            throw e;
        }
        sqlite3_reset(statement);
    } catch (...) {
        // What was not written is not written later either.
        for (Cell &c : m_cells)
            c.kind = Cell::Kind::Default;
        m_pending = 0;
        throw;
    }
}

qint64 TableAppender::addRow()
{
    qint64 key = 0;
    if (m_firstBound == 0) {
        key = m_nextKey++;
        Cell &c = m_cells[size_t(m_pending) * size_t(m_fields)];
        c.kind = Cell::Kind::Integer;
        c.integer = key;
    }
    ++m_pending;
    if (m_rowsPerStatement == 1) {
        write(m_single, 0, 1);
        m_pending = 0;
        if (m_firstBound != 0)
            key = sqlite3_last_insert_rowid(m_handle);
    } else if (m_pending == m_rowsPerStatement) {
        // Prepared once a table has that many rows: a few rows never pay for it.
        if (!m_many.statement)
            m_many = prepare(m_rowsPerStatement);
        write(m_many, 0, m_pending);
        m_pending = 0;
    }
    return key;
}

void TableAppender::finish()
{
    // The rows short of a statement go one by one.
    for (int row = 0; row < m_pending; ++row)
        write(m_single, row, 1);
    m_pending = 0;
}

qint64 TableAppender::append(const QVariantList &values)
{
    for (int i = 1; i < int(values.size()) && i < m_fields; ++i)
        setValue(i, values[i]);
    return addRow();
}

} // namespace calendrix
