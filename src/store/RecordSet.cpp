#include "store/RecordSet.h"

#include "store/Collation.h"
#include "store/FieldValues.h"
#include "store/TableReader.h"

#include <QDate>
#include <QHash>

#include <algorithm>
#include <memory>
#include <unordered_map>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QString quoted(const QString &identifier)
{
    return u'"' + identifier + u'"';
}

} // namespace

struct FieldInfo {
    QString name;
    FieldType type;
    QVariant defaultValue;
};

struct Row {
    QList<QVariant> values;
    bool deleted = false;
};

struct RecordSetData {
    Database db;
    QString sourceText;
    RecordSource source;
    QList<FieldInfo> fields;
    std::vector<Row> rows;
    int liveCount = 0;
    int lastModified = -1;
    // Prepared statements by the set of fields they write; declared after db
    // so that they go before the connection does.
    std::unordered_map<QByteArray, std::unique_ptr<QSqlQuery>> inserts;
    std::unordered_map<QByteArray, std::unique_ptr<QSqlQuery>> updates;

    QSqlQuery &statement(bool insert, const QByteArray &dirty)
    {
        auto &cache = insert ? inserts : updates;
        if (const auto it = cache.find(dirty); it != cache.end())
            return *it->second;
        QStringList names;
        for (int i = 1; i < fields.size(); ++i)
            if (dirty[i] == '1')
                names.append(quoted(fields[i].name));
        QString sql;
        if (insert && names.isEmpty()) {
            sql = u"INSERT INTO %1 DEFAULT VALUES"_s.arg(qualifiedTable());
        } else if (insert) {
            sql = u"INSERT INTO %1 (%2) VALUES (%3)"_s.arg(qualifiedTable(), names.join(u','),
                                                           QStringList(names.size(), u"?"_s).join(u','));
        } else {
            sql = u"UPDATE %1 SET %2=? WHERE \"ID\"=?"_s.arg(qualifiedTable(), names.join(u"=?,"_s));
        }
        auto q = std::make_unique<QSqlQuery>(db.connection());
        if (!q->prepare(sql))
            throw db.errorFrom(q->lastError(), NoticeCode::CannotWriteTable, source.table);
        return *cache.emplace(dirty, std::move(q)).first->second;
    }

    QString filePath() const { return db.shownPath(); } // for errors
    QString qualifiedTable() const { return quoted(source.table); }

    void sortRows(const Collation::Order &order)
    {
        // Each row's sort value in a field is made once, and each text then
        // placed among the field's distinct texts: the sort compares numbers,
        // not keys byte by byte, and no list of every row's values is kept.
        QList<int> named;
        for (const Collation::OrderField &f : order)
            named.append(f.index);
        Collation::SortValue::KeyCache keys;
        const Collation::Places places(
            rows.size(),
            [&](size_t r, int ordinal) {
                return Collation::SortValue::of(rows[r].values[ordinal], fields[ordinal].type, &keys);
            },
            named);
        std::vector<int> perm(rows.size());
        for (size_t i = 0; i < perm.size(); ++i)
            perm[i] = int(i);
        std::sort(perm.begin(), perm.end(),
                  [&](int a, int b) { return places.compare(size_t(a), size_t(b), order) < 0; });
        std::vector<Row> sorted;
        sorted.reserve(rows.size());
        for (int i : perm)
            sorted.push_back(std::move(rows[i]));
        rows = std::move(sorted);
    }

    void load()
    {
        const TableLayout *layout = Layouts::table(db.kind(), source.table);
        if (!layout)
            throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableNotInFile,
                             {source.table, Layouts::kindKey(db.kind()), filePath()}, filePath());
        source.table = layout->name;
        fields.clear();
        for (const FieldLayout &f : layout->fields) {
            QVariant dflt;
            if (!f.defaultValue.isEmpty())
                dflt = FieldValues::fromStorage(f.defaultValue, f.type);
            fields.append({f.name, f.type, dflt});
        }
        Collation::Order order;
        if (!source.order.isEmpty()) {
            try {
                order = Collation::orderOf(source, *layout);
            } catch (const StoreError &e) {
                throw StoreError(e.code(), e.notice().code, e.notice().values, filePath());
            }
        }

        // Read through SQLite itself (each value as the Qt driver would
        // give it): a table of soldiers is read whole before any window or
        // run shows it, and the driver's row cache costs more than the reading.
        TableReader reader(db, source.table);
        rows.clear();
        lastModified = -1;
        const int n = fields.size();
        while (reader.next()) {
            Row r;
            r.values.reserve(n);
            for (int i = 0; i < n; ++i)
                r.values.append(reader.value(i));
            rows.push_back(std::move(r));
        }
        liveCount = int(rows.size());
        if (!order.isEmpty())
            sortRows(order);
    }
};

RecordSet::RecordSet() = default;
RecordSet::~RecordSet() = default;
RecordSet::RecordSet(RecordSet &&) noexcept = default;
RecordSet &RecordSet::operator=(RecordSet &&) noexcept = default;

RecordSet::RecordSet(const Database &db, const QString &source)
{
    open(db, source);
}

void RecordSet::open(const Database &db, const QString &source)
{
    if (!db.isOpen())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::RecordSourceNotOpen, {source});
    auto data = std::make_shared<RecordSetData>();
    data->db = db;
    data->sourceText = source;
    data->source = RecordSource::parse(source);
    db.requireUsable(data->source.table);
    data->load();
    d = std::move(data);
    leaveEdit();
    moveFirst();
}

RecordSet RecordSet::readApart(const Database &db, const QString &source)
{
    // db's connection belongs to another thread: only its path and kind are
    // asked for here.
    if (db.path().isEmpty())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::RecordSourceNotOpen, {source});
    RecordSet set;
    const Database own = Database::openReadOnly(db.path(), db.kind());
    set.open(own, source);
    // The rows hold no statement of the connection that read them, which
    // closes here, in its own thread.
    set.d->db = db;
    return set;
}

bool RecordSet::isOpen() const
{
    return bool(d);
}
Database RecordSet::database() const
{
    return d ? d->db : Database();
}

RecordSet RecordSet::clone() const
{
    requireOpen();
    RecordSet c;
    c.d = d;
    c.moveFirst();
    return c;
}

void RecordSet::requireOpen() const
{
    if (!d)
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::RecordSetNotOpen, {});
}

void RecordSet::requireCurrent() const
{
    requireOpen();
    if (m_atEnd || m_pos < 0 || m_pos >= int(d->rows.size()))
        throw StoreError(StoreErrorCode::NoCurrentRecord, NoticeCode::NoCurrentRecord, {}, d->filePath());
    if (d->rows[m_pos].deleted)
        throw StoreError(StoreErrorCode::RecordDeleted, NoticeCode::RecordDeleted, {}, d->filePath());
}

bool RecordSet::eof() const
{
    return !d || d->liveCount == 0 || m_atEnd;
}

int RecordSet::nextLive(int from) const
{
    for (int i = std::max(from, 0); i < int(d->rows.size()); ++i)
        if (!d->rows[i].deleted)
            return i;
    return -1;
}

void RecordSet::leaveEdit()
{
    m_mode = EditMode::None;
    m_buffer.clear();
    m_dirty.clear();
}

void RecordSet::moveFirst()
{
    requireOpen();
    leaveEdit();
    const int i = nextLive(0);
    m_pos = i;
    m_atEnd = i < 0;
}

void RecordSet::moveNext()
{
    requireOpen();
    // From a deleted row (even the last one) the cursor may still move on.
    if (m_atEnd || (m_pos < 0 && d->liveCount == 0))
        throw StoreError(StoreErrorCode::NoCurrentRecord, NoticeCode::NoCurrentRecord, {}, d->filePath());
    leaveEdit();
    const int i = nextLive(m_pos + 1);
    if (i < 0) {
        m_atEnd = true;
        m_pos = int(d->rows.size());
    } else {
        m_pos = i;
    }
}

QString RecordSet::fieldName(int ordinal) const
{
    requireOpen();
    if (ordinal < 0 || ordinal >= d->fields.size())
        throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::NoFieldNumber,
                         {d->source.table, QString::number(ordinal)});
    return d->fields[ordinal].name;
}

FieldType RecordSet::fieldType(int ordinal) const
{
    fieldName(ordinal);
    return d->fields[ordinal].type;
}

QVariant RecordSet::value(int ordinal) const
{
    fieldName(ordinal);
    if (m_mode != EditMode::None)
        return m_buffer[ordinal];
    requireCurrent();
    return d->rows[m_pos].values[ordinal];
}

QString RecordSet::text(int ordinal) const
{
    return FieldValues::text(value(ordinal));
}

void RecordSet::setValue(int ordinal, const QVariant &value)
{
    fieldName(ordinal);
    if (m_mode == EditMode::None)
        throw StoreError(StoreErrorCode::UpdateWithoutEdit, NoticeCode::ChangeWithoutEdit, {}, d->filePath());
    if (d->fields[ordinal].type == FieldType::Key)
        throw StoreError(StoreErrorCode::FieldReadOnly, NoticeCode::KeyFieldReadOnly,
                         {d->fields[ordinal].name}, d->filePath());
    m_buffer[ordinal] = FieldValues::convert(value, d->fields[ordinal].type, d->fields[ordinal].name);
    m_dirty[ordinal] = '1';
}

qint64 RecordSet::key() const
{
    requireCurrent();
    return d->rows[m_pos].values[0].toLongLong();
}

void RecordSet::addNew()
{
    requireOpen();
    m_mode = EditMode::Add;
    m_buffer.clear();
    for (const FieldInfo &f : d->fields)
        m_buffer.append(f.defaultValue);
    m_dirty = QByteArray(d->fields.size(), '0');
}

void RecordSet::edit()
{
    requireCurrent();
    m_mode = EditMode::Edit;
    m_buffer = d->rows[m_pos].values;
    m_dirty = QByteArray(d->fields.size(), '0');
}

void RecordSet::update()
{
    requireOpen();
    if (m_mode == EditMode::None)
        throw StoreError(StoreErrorCode::UpdateWithoutEdit, NoticeCode::UpdateWithoutEdit, {}, d->filePath());
    const bool anyChange = m_dirty.indexOf('1', 1) >= 0;

    if (m_mode == EditMode::Add) {
        QSqlQuery &q = d->statement(true, m_dirty);
        int bound = 0;
        for (int i = 1; i < d->fields.size(); ++i)
            if (m_dirty[i] == '1')
                q.bindValue(bound++, FieldValues::toStorage(m_buffer[i], d->fields[i].type));
        if (!q.exec())
            throw d->db.errorFrom(q.lastError(), NoticeCode::CannotAddRow, d->source.table);
        Row r;
        r.values = std::move(m_buffer);
        r.values[0] = QVariant(q.lastInsertId().toLongLong());
        q.finish();
        d->rows.push_back(std::move(r));
        const int slot = int(d->rows.size()) - 1;
        ++d->liveCount;
        d->lastModified = slot;
        leaveEdit();
        return;
    }

    // Edit: the row may have been deleted through a clone meanwhile.
    if (m_atEnd || m_pos < 0 || d->rows[m_pos].deleted)
        throw StoreError(StoreErrorCode::RecordDeleted, NoticeCode::RecordDeleted, {}, d->filePath());
    if (anyChange) {
        QSqlQuery &q = d->statement(false, m_dirty);
        int bound = 0;
        for (int i = 1; i < d->fields.size(); ++i)
            if (m_dirty[i] == '1')
                q.bindValue(bound++, FieldValues::toStorage(m_buffer[i], d->fields[i].type));
        q.bindValue(bound, d->rows[m_pos].values[0]);
        if (!q.exec())
            throw d->db.errorFrom(q.lastError(), NoticeCode::CannotSaveRow, d->source.table);
        const int affected = q.numRowsAffected();
        q.finish();
        if (affected != 1)
            throw StoreError(StoreErrorCode::RecordDeleted, NoticeCode::RecordDeletedByOther,
                             {d->source.table}, d->filePath());
        for (int f = 1; f < d->fields.size(); ++f)
            if (m_dirty[f] == '1')
                d->rows[m_pos].values[f] = m_buffer[f];
    }
    d->lastModified = m_pos;
    leaveEdit();
}

void RecordSet::deleteCurrent()
{
    requireCurrent();
    leaveEdit();
    QSqlQuery &q = d->db.cachedQuery(u"DELETE FROM %1 WHERE \"ID\"=?"_s.arg(d->qualifiedTable()));
    q.bindValue(0, d->rows[m_pos].values[0]);
    if (!q.exec())
        throw d->db.errorFrom(q.lastError(), NoticeCode::CannotDeleteRow, d->source.table);
    q.finish();
    d->rows[m_pos].deleted = true;
    --d->liveCount;
}

int RecordSet::storedRowCount() const
{
    return d ? int(d->rows.size()) : 0;
}

bool RecordSet::isDeletedRow(int row) const
{
    return !d || row < 0 || row >= int(d->rows.size()) || d->rows[row].deleted;
}

const QVariant &RecordSet::valueAt(int row, int ordinal) const
{
    // A reference, as the run compares every counter row's fields with it.
    static const QVariant null;
    if (isDeletedRow(row) || ordinal < 0 || ordinal >= d->fields.size())
        return null;
    return d->rows[row].values[ordinal];
}

void RecordSet::moveToRow(int row)
{
    requireOpen();
    if (isDeletedRow(row))
        throw StoreError(StoreErrorCode::NoCurrentRecord, NoticeCode::NoCurrentRecord, {}, d->filePath());
    leaveEdit();
    m_pos = row;
    m_atEnd = false;
}

int RecordSet::lastModifiedRow() const
{
    return d ? d->lastModified : -1;
}

} // namespace calendrix
