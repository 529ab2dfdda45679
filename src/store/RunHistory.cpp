#include "store/RunHistory.h"

#include "store/DatafileSwap.h"
#include "store/RecordSources.h"
#include "store/RecoveryRecord.h"
#include "store/RowChanges.h"
#include "store/StoreError.h"
#include "store/UnitSettling.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The entries' own tables: the run's facts in all, and beside them either the
// copies of Memory, Dates and Header with digests of what the run left (the
// first format); or the proof of what the run left with, as rows, the rows
// it changed and the keys it changed and added (the second); or packed
// (RowChanges) the rows it added, removed and changed (the third, written now).
const QString kFactsTable = u"run"_s;
const QString kCountersTable = u"countersAfter"_s;
const QString kDatesTable = u"datesAfter"_s;
const QString kRangesTable = u"changed"_s;
const QString kChangesTable = u"changes"_s;
const QString kSequencesTable = u"sequences"_s;
const QString kProofTable = u"proof"_s;
// A replace's or swap's: what it changed on the roster, as Entry tells it.
const QString kRosterTable = u"roster"_s;
// The first format that keeps a proof of what its run left.
constexpr int kProofFormat = 2;
// The first that keeps packed what its change did, and digests with BLAKE2b.
constexpr int kChangesFormat = 3;
// The first whose proof sums the assignment dates row by row (see Proof).
constexpr int kDatesSummedFormat = 4;
constexpr int kFormat = 4;
const QString kEntrySchema = u"kept"_s;
const QString kTimeFormat = u"yyyyMMdd-HHmmss-zzz"_s;
// In the working database (and so in each first-format entry's copy of it):
// the unit's last change. Not one of the unit's record sources; files
// without it are those of units that have made no run since it was added.
const QString kChangeTable = u"LastChange"_s;

const QStringList &keptTables()
{
    static const QStringList tables{RecordSources::kMemory, RecordSources::kDates, RecordSources::kHeader};
    return tables;
}

// The length of "run-<time>", the start of every name the history gives.
constexpr qsizetype kStampedLength = 23;

// Whether name starts as the history's names do: "run-", then the time as
// kTimeFormat writes it. Checked by hand: a pattern would be compiled by the
// first run of every process.
bool isStamped(QStringView name)
{
    static constexpr char16_t kShape[] = u"run-########-######-###";
    static_assert(std::size(kShape) - 1 == kStampedLength);
    if (name.size() < kStampedLength)
        return false;
    for (qsizetype i = 0; i < kStampedLength; ++i) {
        const char16_t c = name[i].unicode();
        if (kShape[i] == u'#' ? c < u'0' || c > u'9' : c != kShape[i])
            return false;
    }
    return true;
}

// An entry: "run-<time>.mdb".
bool isEntryName(QStringView name)
{
    return isStamped(name) && name.sliced(kStampedLength) == u".mdb";
}

// In a second-format entry, the rows of table that the run changed, as
// they were before it.
QString beforeTable(const QString &table)
{
    return u"before_"_s + table;
}

// A datafile that an undo moved into history/: "run-<time>-<its name>.cxr".
bool isKeptDatafile(const QString &name)
{
    return isStamped(name) && name.size() > kStampedLength && name[kStampedLength] == u'-';
}

QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QString &file, NoticeCode what)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql))
        throw storeErrorFrom(q.lastError(), file, what);
    return q;
}

void execPrepared(QSqlQuery &q, const QString &file, NoticeCode what)
{
    if (!q.exec())
        throw storeErrorFrom(q.lastError(), file, what);
}

// The unit's last change, as the working database says.
struct Stamp {
    QString unit;
    qint64 sequence = 0;
    QString change;
    // The working database's change counter while its counters and dates
    // were still as the change left them; -1 when that is not known.
    qint64 counter = -1;
};

Stamp stampOf(const QSqlDatabase &db, const QString &file, const QString &schema = u"main"_s)
{
    Stamp stamp;
    QSqlQuery exists =
        run(db,
            u"SELECT count(*) FROM %2.sqlite_master WHERE type = 'table' AND name = '%1'"_s.arg(kChangeTable,
                                                                                                schema),
            file, NoticeCode::HistoryCannotRead);
    if (!exists.next() || exists.value(0).toInt() == 0)
        return stamp;
    QSqlQuery q =
        run(db, u"SELECT * FROM %2.%1"_s.arg(kChangeTable, schema), file, NoticeCode::HistoryCannotRead);
    if (q.next()) {
        stamp.unit = q.value(0).toString();
        stamp.sequence = q.value(1).toLongLong();
        stamp.change = q.value(2).toString();
        if (q.record().count() > 3 && !q.value(3).isNull())
            stamp.counter = q.value(3).toLongLong();
    }
    return stamp;
}

// Inside the caller's transaction.
void writeStamp(Database &working, const Stamp &stamp, const QString &schema = u"main"_s)
{
    const QSqlDatabase db = working.connection();
    const QString file = working.fileOf(schema);
    run(db,
        u"CREATE TABLE IF NOT EXISTS %2.%1 (Unit TEXT, Sequence INTEGER, Change TEXT, Counter INTEGER)"_s.arg(
            kChangeTable, schema),
        file, NoticeCode::HistoryCannotWrite);
    // Units whose table predates the counter.
    QSqlQuery columns =
        run(db, u"PRAGMA %2.table_info(%1)"_s.arg(kChangeTable, schema), file, NoticeCode::HistoryCannotRead);
    int count = 0;
    while (columns.next())
        ++count;
    if (count < 4)
        run(db, u"ALTER TABLE %2.%1 ADD COLUMN Counter INTEGER"_s.arg(kChangeTable, schema), file,
            NoticeCode::HistoryCannotWrite);
    run(db, u"DELETE FROM %2.%1"_s.arg(kChangeTable, schema), file, NoticeCode::HistoryCannotWrite);
    QSqlQuery q(db);
    q.prepare(u"INSERT INTO %2.%1 (Unit, Sequence, Change, Counter) VALUES (?, ?, ?, ?)"_s.arg(kChangeTable,
                                                                                               schema));
    q.addBindValue(stamp.unit);
    q.addBindValue(stamp.sequence);
    q.addBindValue(stamp.change);
    q.addBindValue(stamp.counter >= 0 ? QVariant(stamp.counter) : QVariant(QMetaType::fromType<qint64>()));
    execPrepared(q, file, NoticeCode::HistoryCannotWrite);
}

QString newName()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString textOf(const QVariant &v)
{
    return v.isNull() ? u"\u0001"_s : v.toString();
}

template<typename Map> int differing(const Map &a, const Map &b)
{
    QSet<typename Map::key_type> keys;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        keys.insert(it.key());
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        keys.insert(it.key());
    int n = 0;
    for (const auto &k : keys)
        if (a.value(k) != b.value(k))
            ++n;
    return n;
}

// --- Entries of the first format: whole tables and per-soldier digests.

// Per soldier, a digest of his counter rows in key order: duty, count,
// holiday count. What the clerk corrects in the Counters dialog shows here.
QHash<QString, QByteArray> counterDigests(const QSqlDatabase &db, const QString &schema, const QString &file)
{
    QHash<QString, QByteArray> rows;
    QSqlQuery q =
        run(db, u"SELECT SoldierName, DutyName, Count, HCount FROM %1.\"Memory\" ORDER BY ID"_s.arg(schema),
            file, NoticeCode::HistoryCannotReadCounters);
    while (q.next()) {
        QByteArray &row = rows[q.value(0).toString()];
        for (int i = 1; i < 4; ++i)
            row += textOf(q.value(i)).toUtf8() + '\x1f';
        row += '\x1e';
    }
    for (QByteArray &value : rows)
        value = QCryptographicHash::hash(value, QCryptographicHash::Sha256).toHex();
    return rows;
}

// Per soldier, his assignment dates that the housekeeping would keep today
// (it removes those that have passed), sorted.
QHash<QString, QStringList> currentDates(const QSqlDatabase &db, const QString &sql, const QString &file,
                                         const QDate &today)
{
    const QString day = today.toString(Qt::ISODate);
    QHash<QString, QStringList> out;
    QSqlQuery q = run(db, sql, file, NoticeCode::HistoryCannotReadDates);
    while (q.next()) {
        const QVariant to = q.value(2);
        if (!to.isNull() && !to.toString().isEmpty() && to.toString().left(10) < day)
            continue;
        out[q.value(0).toString()].append(textOf(q.value(1)) + u'|' + textOf(to));
    }
    for (QStringList &list : out)
        list.sort();
    return out;
}

// Compares the working database (main) with what the run left, as the
// first-format entry attached as kEntrySchema says.
RunHistory::Changes compareWholeCopy(const Database &working, const QString &entryPath)
{
    const QSqlDatabase db = working.connection();
    const QString file = working.path();
    const QDate today = QDate::currentDate();
    RunHistory::Changes changes;
    QHash<QString, QByteArray> after;
    QSqlQuery q = run(db, u"SELECT SoldierName, Digest FROM %1.%2"_s.arg(kEntrySchema, kCountersTable),
                      entryPath, NoticeCode::HistoryCannotRead);
    while (q.next())
        after.insert(q.value(0).toString(), q.value(1).toByteArray());
    changes.counterSoldiers = differing(after, counterDigests(db, u"main"_s, file));
    const QString dates = u"SELECT SoldierName, \"From\", \"To\" FROM %1.%2 ORDER BY rowid"_s;
    changes.dateSoldiers = differing(currentDates(db, dates.arg(kEntrySchema, kDatesTable), entryPath, today),
                                     currentDates(db, dates.arg(u"main"_s, u"\"Dates\""_s), file, today));
    return changes;
}

// --- Entries of the second format.

// What an undo compares, as the run left the tables and as they are now. Per
// soldier (by a hash of his name): a digest of his counter rows (duty, count,
// holiday count in key order) and a sum over his assignment dates that had
// not passed on the run's day. Per last day of an assignment (empty for
// none), how many and their sum: that alone can leave out what has passed
// since, as the housekeeping removes it, and so decides whether the dates
// were changed; the soldiers' sums count them.
//
// Up to the third format every row of the three tables goes into one digest,
// so that each entry reads all assignment dates the unit ever kept. From the
// fourth, the assignment dates go into the digest as their number and a sum
// of each row's own digest: a run that only adds dates to what the last
// change left takes that change's proof, takes out of the soldiers' sums the
// dates that have passed since and adds its own rows.
struct Proof {
    QHash<quint64, quint32> counters;
    QHash<quint64, quint32> dates;
    QMap<QString, QPair<qint64, quint64>> days;
    QByteArray allCounters; // every counter row in key order
    // Every row of the three tables, every column; from the fourth format
    // the assignment dates by their number and sum below.
    QByteArray allRows;
    // From the fourth format: every assignment date, every column.
    qint64 datesRows = 0;
    quint64 datesSum[2] = {0, 0};
};

// A statement read straight from SQLite: the proof reads every row of the
// three tables, and the values' bytes are all it needs.
class Rows
{
public:
    Rows(sqlite3 *db, const QString &sql, const QString &file, NoticeCode what)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK)
            throw storeErrorFromSqlite(sqlite3_extended_errcode(db), QString::fromUtf8(sqlite3_errmsg(db)),
                                       file, what);
        m_db = db;
        m_file = file;
        m_what = what;
    }
    ~Rows() { sqlite3_finalize(m_stmt); }
    Rows(const Rows &) = delete;
    Rows &operator=(const Rows &) = delete;

    // Binds text to the statement's parameter i (from 1), before the first next().
    void bind(int i, const QByteArray &utf8)
    {
        bound(sqlite3_bind_text(m_stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT));
    }
    // Binds a value as SQLite holds it, its type and bytes kept.
    void bind(int i, sqlite3_value *value) { bound(sqlite3_bind_value(m_stmt, i, value)); }
    // Makes the statement ready to run again, with new values bound.
    void reset() { sqlite3_reset(m_stmt); }
    qint64 integer(int i) const { return sqlite3_column_int64(m_stmt, i); }

    bool next()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw storeErrorFromSqlite(rc, QString::fromUtf8(sqlite3_errmsg(m_db)), m_file, m_what);
        return false;
    }
    int columns() const { return sqlite3_column_count(m_stmt); }
    // The column of that name, as SQL finds it; -1 for none.
    int column(const QString &name) const
    {
        for (int i = 0; i < columns(); ++i)
            if (QString::fromUtf8(sqlite3_column_name(m_stmt, i)).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    bool isNull(int i) const { return sqlite3_column_type(m_stmt, i) == SQLITE_NULL; }
    // The value as text (a null as nothing), as the Qt driver's value gives it:
    // what the proofs of earlier versions were made of.
    QByteArrayView text(int i) const { return textOf(i, sqlite3_column_type(m_stmt, i)); }
    // What textOf() makes of the value: its text, or \u0001 for a null.
    template<typename Bytes> void appendText(Bytes &out, int i) const
    {
        const int type = sqlite3_column_type(m_stmt, i);
        if (type == SQLITE_NULL)
            out.append('\x01');
        else
            out.append(textOf(i, type));
    }
    // The value as a proof keeps every column: the number of the type the Qt
    // driver gives it, a colon, appendText() and \u001f.
    template<typename Bytes> void appendColumn(Bytes &out, int i) const
    {
        static_assert(QMetaType::LongLong == 4 && QMetaType::Double == 6 && QMetaType::QString == 10 &&
                      QMetaType::QByteArray == 12);
        const int type = sqlite3_column_type(m_stmt, i);
        switch (type) {
        case SQLITE_INTEGER:
            out.append("4:", 2);
            break;
        case SQLITE_FLOAT:
            out.append("6:", 2);
            break;
        case SQLITE_BLOB:
            out.append("12:", 3);
            break;
        default:
            out.append("10:", 3);
            break;
        }
        if (type == SQLITE_NULL)
            out.append('\x01');
        else
            out.append(textOf(i, type));
        out.append('\x1f');
    }

private:
    void bound(int rc) const
    {
        if (rc != SQLITE_OK)
            throw storeErrorFromSqlite(sqlite3_extended_errcode(m_db),
                                       QString::fromUtf8(sqlite3_errmsg(m_db)), m_file, m_what);
    }
    // type: the value's type, asked before anything reads the value, as
    // reading it as text may change what SQLite says of it.
    QByteArrayView textOf(int i, int type) const
    {
        if (type == SQLITE_INTEGER) {
            // Written as SQLite writes a whole number as text, without
            // making SQLite keep that text as well.
            const auto end =
                std::to_chars(m_number, m_number + sizeof m_number, qint64(sqlite3_column_int64(m_stmt, i)))
                    .ptr;
            return QByteArrayView(m_number, end - m_number);
        }
        if (type == SQLITE_FLOAT) {
            m_other = QString::number(sqlite3_column_double(m_stmt, i), 'g', QLocale::FloatingPointShortest)
                          .toUtf8();
            return m_other;
        }
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i));
        const QByteArrayView view(bytes, bytes ? sqlite3_column_bytes(m_stmt, i) : 0);
        // Bytes that are no UTF-8 are read as the driver reads them, with
        // replacement characters.
        if (type == SQLITE_BLOB) {
            m_other = QString::fromUtf8(view).toUtf8();
            return m_other;
        }
        if (type == SQLITE_TEXT && !view.isValidUtf8()) {
            m_other = QString(reinterpret_cast<const QChar *>(sqlite3_column_text16(m_stmt, i)),
                              sqlite3_column_bytes16(m_stmt, i) / qsizetype(sizeof(QChar)))
                          .toUtf8();
            return m_other;
        }
        return view;
    }

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_file;
    NoticeCode m_what{};
    mutable QByteArray m_other;
    mutable char m_number[24] = {};
};

sqlite3 *handleOf(const QSqlDatabase &db, const QString &file)
{
    const QVariant handle = db.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !*static_cast<sqlite3 *const *>(handle.constData()))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::NotSqliteConnection, {}, file);
    return *static_cast<sqlite3 *const *>(handle.constData());
}

// Feeds a digest in large pieces: most of what it digests comes in values of
// a few bytes, each of which would otherwise be a call of its own.
class Digest
{
public:
    explicit Digest(QCryptographicHash::Algorithm algorithm) : m_hash(algorithm), m_bytes(2 * kPiece) {}
    // The buffer's appends, as QByteArray names them.
    void append(const char *data, qsizetype size)
    {
        if (m_used + size > qsizetype(m_bytes.size()))
            m_bytes.resize(size_t(2 * (m_used + size)));
        std::memcpy(m_bytes.data() + m_used, data, size_t(size));
        m_used += size;
    }
    void append(QByteArrayView bytes) { append(bytes.data(), bytes.size()); }
    void append(char c) { append(&c, 1); }
    // Every column of the row, as a proof keeps it, and the row's end.
    void appendRow(const Rows &row)
    {
        for (int i = 0, n = row.columns(); i < n; ++i)
            row.appendColumn(*this, i);
        append('\x1e');
        flushIfFull();
    }
    void flushIfFull()
    {
        if (m_used >= kPiece)
            flush();
    }
    QByteArray result()
    {
        flush();
        return m_hash.result();
    }

private:
    static constexpr qsizetype kPiece = 1 << 16;
    void flush()
    {
        m_hash.addData(QByteArrayView(m_bytes.data(), m_used));
        m_used = 0;
    }
    QCryptographicHash m_hash;
    std::vector<char> m_bytes;
    qsizetype m_used = 0;
};

// The first eight bytes of the digest of each of many short values, big-endian:
// one hash object, reset for each value, where a digest of its own would make
// and free one a value.
class ShortHashes
{
public:
    explicit ShortHashes(QCryptographicHash::Algorithm algorithm) : m_hash(algorithm) {}
    quint64 of(QByteArrayView bytes) { return qFromBigEndian<quint64>(digestOf(bytes).data()); }
    // The whole digest of bytes, good until the next call.
    QByteArrayView digestOf(QByteArrayView bytes)
    {
        m_hash.reset();
        m_hash.addData(bytes);
        return m_hash.resultView();
    }

private:
    QCryptographicHash m_hash;
};

// The digest of the proofs an entry of format keeps: the second format's
// SHA-256; BLAKE2b, four times as fast here, from the third on.
QCryptographicHash::Algorithm proofDigest(int format)
{
    return format >= kChangesFormat ? QCryptographicHash::Blake2b_256 : QCryptographicHash::Sha256;
}

// What a change that only added and removed dates hands on from the proof
// of the change before it (see Proof): that proof, made on the day given,
// the keys of the rows the change added, one after another, and the rows it
// removed, every column's value as it was (in the order of columns).
struct ProofBefore {
    Proof proof;
    QString day;
    std::vector<qint64> added;
    QStringList columns;
    std::vector<std::vector<std::shared_ptr<sqlite3_value>>> removed;
};

// The proof of what the working database holds now, with the dates that had
// not passed on the day cut; before, when given, stands for every date but
// the ones it names as added, as in ProofBefore.
Proof proofOf(const QSqlDatabase &connection, const QString &file, const QString &cut, int format,
              const ProofBefore *before = nullptr)
{
    const QCryptographicHash::Algorithm algorithm = proofDigest(format);
    const bool summed = format >= kDatesSummedFormat;
    sqlite3 *db = handleOf(connection, file);
    Proof proof;
    // One pass over each table: every row and column for the digest of all
    // rows, and from the same rows the counters and the dates.
    Digest rowsDigest(algorithm), all(algorithm);
    const auto columnsOf = [&](const Rows &rows, const QStringList &named, NoticeCode what) {
        std::vector<int> columns;
        for (const QString &name : named) {
            columns.push_back(rows.column(name));
            if (columns.back() < 0)
                throw storeErrorFromSqlite(SQLITE_ERROR, u"no such column: %1"_s.arg(name), file, what);
        }
        return columns;
    };
    // Every row of a table in key order, with the columns named; select()
    // also starts the table's part of the digest of all rows.
    const auto rowsOf = [&](const QString &table, const QStringList &named, NoticeCode what) {
        auto rows =
            std::make_unique<Rows>(db, u"SELECT * FROM main.\"%1\" ORDER BY \"ID\""_s.arg(table), file, what);
        std::vector<int> columns = columnsOf(*rows, named, what);
        return std::pair(std::move(rows), columns);
    };
    const auto select = [&](const QString &table, const QStringList &named, NoticeCode what) {
        rowsDigest.append(table.toUtf8() + '\x1d');
        return rowsOf(table, named, what);
    };
    // Each soldier's counter rows in key order, by his name: most names are
    // short enough to be kept without an allocation of their own.
    std::unordered_map<std::string, std::string> counters;
    {
        const auto [q, c] =
            select(RecordSources::kMemory, {u"SoldierName"_s, u"DutyName"_s, u"Count"_s, u"HCount"_s},
                   NoticeCode::HistoryCannotReadCounters);
        std::string row, name;
        const Rows &counterRows = *q; // a structured binding is no lambda's to capture
        const auto append = [&counterRows](std::string &out, int column) {
            if (counterRows.isNull(column)) {
                out += '\x01';
            } else {
                const QByteArrayView text = counterRows.text(column);
                out.append(text.data(), size_t(text.size()));
            }
        };
        while (q->next()) {
            row.clear();
            for (int i = 1; i < 4; ++i) {
                append(row, c[size_t(i)]);
                row += '\x1f';
            }
            row += '\x1e';
            const QByteArrayView soldier = q->text(c[0]);
            name.assign(soldier.data(), size_t(soldier.size()));
            counters[name] += row;
            q->appendText(all, c[0]);
            all.append('\x1f');
            all.append(QByteArrayView(row.data(), qsizetype(row.size())));
            all.flushIfFull();
            rowsDigest.appendRow(*q);
        }
    }
    proof.allCounters = all.result();
    ShortHashes hashes(algorithm);
    for (const auto &[soldier, rows] : counters)
        proof.counters.insert(hashes.of(QByteArrayView(soldier.data(), qsizetype(soldier.size()))),
                              quint32(hashes.of(QByteArrayView(rows.data(), qsizetype(rows.size())))) | 1u);
    // The dates: read whole, or taken from the proof before with the rows
    // the run added.
    ShortHashes rowHashes(algorithm);
    // The day of a date is the first ten characters of its last day (a Null
    // apart from any text).
    const auto dayOf = [](const Rows &d, int to) {
        return d.isNull(to) ? QString() : QString::fromUtf8(d.text(to)).left(10);
    };
    // A date's soldier, by the hash of his name, and its own hash. A
    // soldier's name stands on many rows: it is hashed once, found again by
    // its bytes.
    QByteArray row;
    std::string bytes;
    const auto hashOf = [&](const Rows &d, const std::vector<int> &c,
                            std::unordered_map<std::string, quint64> &soldierHashes) {
        row.clear();
        for (int i = 0; i < 3; ++i) {
            d.appendText(row, c[size_t(i)]);
            if (i < 2)
                row += '\x1f';
        }
        const quint64 h = hashes.of(row);
        const QByteArrayView soldier = d.text(c[0]);
        bytes.assign(soldier.data(), size_t(soldier.size()));
        auto soldierHash = soldierHashes.find(bytes);
        if (soldierHash == soldierHashes.end())
            soldierHash = soldierHashes.emplace(bytes, hashes.of(bytes)).first;
        return std::pair(soldierHash->second, h);
    };
    // A date's own digest, of every column as the digest of the first
    // formats had it, as two 64-bit halves: the proof keeps their sums.
    QByteArray whole;
    const auto halvesOf = [&](const Rows &d) {
        whole.clear();
        for (int i = 0, n = d.columns(); i < n; ++i)
            d.appendColumn(whole, i);
        const QByteArrayView digest = rowHashes.digestOf(whole);
        return std::pair(qFromBigEndian<quint64>(digest.data()), qFromBigEndian<quint64>(digest.data() + 8));
    };
    const auto addDates = [&](Rows &d, const std::vector<int> &c, bool toDigest) {
        // A last day stands on many rows: its day is made once, found again
        // by its text.
        std::unordered_map<std::string, quint64> soldierHashes;
        std::unordered_map<std::string, QPair<qint64, quint64> *> daySums; // null: before the cut
        qint64 rows = 0;
        while (d.next()) {
            ++rows;
            if (toDigest)
                rowsDigest.appendRow(d);
            if (summed) {
                const auto [high, low] = halvesOf(d);
                proof.datesSum[0] += high;
                proof.datesSum[1] += low;
            }
            const bool noDay = d.isNull(c[2]);
            const QByteArrayView to = noDay ? QByteArrayView() : d.text(c[2]);
            bytes.assign(1, noDay ? 'n' : 't');
            bytes.append(to.data(), size_t(to.size()));
            auto sum = daySums.find(bytes);
            if (sum == daySums.end()) {
                const QString day = dayOf(d, c[2]);
                sum = daySums.emplace(bytes, !day.isEmpty() && day < cut ? nullptr : &proof.days[day]).first;
            }
            if (!sum->second)
                continue;
            const auto [soldier, h] = hashOf(d, c, soldierHashes);
            proof.dates[soldier] += quint32(h);
            ++sum->second->first;
            sum->second->second += h;
        }
        proof.datesRows += rows;
        return rows;
    };
    const QStringList dateColumns{u"SoldierName"_s, u"From"_s, u"To"_s};
    bool carried = false;
    const bool isoDay =
        before && before->day.size() == 10 && QDate::fromString(before->day, Qt::ISODate).isValid();
    if (summed && isoDay && before->day <= cut &&
        (before->added.empty() ||
         before->added.back() - before->added.front() + 1 == qint64(before->added.size()))) {
        proof.days = before->proof.days;
        proof.dates = before->proof.dates;
        proof.datesRows = before->proof.datesRows;
        proof.datesSum[0] = before->proof.datesSum[0];
        proof.datesSum[1] = before->proof.datesSum[1];
        carried = true;
        // The rows the change removed leave the proof as a whole read put
        // them in: their values, as they were, come back as a row of a
        // statement, and go through what reads the table.
        if (!before->removed.empty()) {
            QStringList values;
            for (qsizetype i = 0; i < before->columns.size(); ++i)
                values.append(
                    u"?%1 AS \"%2\""_s.arg(i + 1).arg(QString(before->columns[i]).replace(u'"', u"\"\""_s)));
            Rows d(db, u"SELECT "_s + values.join(u", "_s), file, NoticeCode::HistoryCannotReadDates);
            const std::vector<int> c = columnsOf(d, dateColumns, NoticeCode::HistoryCannotReadDates);
            std::unordered_map<std::string, quint64> soldierHashes;
            for (const auto &removed : before->removed) {
                if (qsizetype(removed.size()) != before->columns.size()) {
                    carried = false;
                    break;
                }
                d.reset();
                for (size_t i = 0; i < removed.size(); ++i)
                    d.bind(int(i) + 1, removed[i].get());
                if (!d.next()) {
                    carried = false;
                    break;
                }
                const auto [high, low] = halvesOf(d);
                proof.datesSum[0] -= high;
                proof.datesSum[1] -= low;
                --proof.datesRows;
                // A row whose day had passed on the proof's day was in its sums only.
                const QString day = dayOf(d, c[2]);
                if (!day.isEmpty() && day < before->day)
                    continue;
                const auto [soldier, h] = hashOf(d, c, soldierHashes);
                const auto sum = proof.days.find(day);
                const auto dates = proof.dates.find(soldier);
                if (sum == proof.days.end() || dates == proof.dates.end()) {
                    carried = false;
                    break;
                }
                if ((*dates -= quint32(h)) == 0)
                    proof.dates.erase(dates);
                sum->second -= h;
                if (--sum->first == 0)
                    proof.days.erase(sum);
            }
        }
        // The days that have passed since: they leave the proof, and their
        // dates the soldiers' sums. Such a date's last day, when it is text,
        // lies from the day of the proof before up to today (both ISO days,
        // which the bytes of any text compare with as its characters do); the
        // rows the run added were not in the proof before. Numbers sort
        // before every text and blobs after, so that all three are ranges of
        // the index on the last day.
        QSet<QString> passed;
        for (auto it = proof.days.begin(); it != proof.days.end();) {
            if (!it.key().isEmpty() && it.key() < cut) {
                passed.insert(it.key());
                it = proof.days.erase(it);
            } else {
                ++it;
            }
        }
        if (!passed.isEmpty()) {
            Rows d(db,
                   u"SELECT * FROM main.\"%1\" WHERE (\"To\" >= ?1 AND \"To\" < ?2) OR \"To\" < '' OR "
                   "\"To\" >= x''"_s.arg(RecordSources::kDates),
                   file, NoticeCode::HistoryCannotReadDates);
            d.bind(1, before->day.toUtf8());
            d.bind(2, cut.toUtf8());
            std::vector<int> c =
                columnsOf(d, dateColumns + QStringList{u"ID"_s}, NoticeCode::HistoryCannotReadDates);
            std::unordered_map<std::string, quint64> soldierHashes;
            while (carried && d.next()) {
                const qint64 id = d.integer(c[3]);
                if ((!before->added.empty() && id >= before->added.front() && id <= before->added.back()) ||
                    !passed.contains(dayOf(d, c[2])))
                    continue;
                const auto [soldier, h] = hashOf(d, c, soldierHashes);
                const auto it = proof.dates.find(soldier);
                carried = it != proof.dates.end();
                if (carried && (*it -= quint32(h)) == 0)
                    proof.dates.erase(it);
            }
        }
    }
    if (carried && !before->added.empty()) {
        Rows d(db,
               u"SELECT * FROM main.\"%1\" WHERE \"ID\" BETWEEN %2 AND %3 ORDER BY \"ID\""_s
                   .arg(RecordSources::kDates)
                   .arg(before->added.front())
                   .arg(before->added.back()),
               file, NoticeCode::HistoryCannotReadDates);
        carried = addDates(d, columnsOf(d, dateColumns, NoticeCode::HistoryCannotReadDates), false) ==
                  qint64(before->added.size());
    }
    if (!carried) {
        proof.days.clear();
        proof.dates.clear();
        proof.datesRows = 0;
        proof.datesSum[0] = proof.datesSum[1] = 0;
        // Up to the third format the rows go into the digest of all rows.
        const auto [d, c] =
            summed ? rowsOf(RecordSources::kDates, dateColumns, NoticeCode::HistoryCannotReadDates)
                   : select(RecordSources::kDates, dateColumns, NoticeCode::HistoryCannotReadDates);
        addDates(*d, c, !summed);
    }
    {
        const auto [h, c] = select(RecordSources::kHeader, {}, NoticeCode::HistoryCannotRead);
        while (h->next())
            rowsDigest.appendRow(*h);
    }
    if (summed) {
        // The dates after the other tables, by their number and sum.
        rowsDigest.append(RecordSources::kDates.toUtf8() + '\x1d');
        QByteArray totals(24, Qt::Uninitialized);
        qToBigEndian<quint64>(quint64(proof.datesRows), totals.data());
        qToBigEndian<quint64>(proof.datesSum[0], totals.data() + 8);
        qToBigEndian<quint64>(proof.datesSum[1], totals.data() + 16);
        rowsDigest.append(totals);
    }
    proof.allRows = rowsDigest.result();
    return proof;
}

// What the undo of an import compares: every row and column of the tables it changed.
QByteArray rowsProof(const QSqlDatabase &connection, const QString &file, const QStringList &tables)
{
    sqlite3 *db = handleOf(connection, file);
    Digest digest(proofDigest(kFormat));
    for (const QString &table : tables) {
        Rows t(db, u"SELECT * FROM main.\"%1\" ORDER BY \"ID\""_s.arg(table), file,
               NoticeCode::HistoryCannotRead);
        digest.append(table.toUtf8() + '\x1d');
        while (t.next())
            digest.appendRow(t);
    }
    return digest.result();
}

QByteArray packed(const Proof &proof, int format)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << proof.counters << proof.dates << proof.days << proof.allCounters << proof.allRows;
    if (format >= kDatesSummedFormat)
        s << proof.datesRows << proof.datesSum[0] << proof.datesSum[1];
    return bytes;
}

// The proof an entry of format keeps; nothing when it cannot be read.
std::optional<Proof> unpacked(const QByteArray &bytes, int format)
{
    Proof proof;
    QDataStream s(bytes);
    s.setVersion(QDataStream::Qt_6_0);
    s >> proof.counters >> proof.dates >> proof.days >> proof.allCounters >> proof.allRows;
    if (format >= kDatesSummedFormat)
        s >> proof.datesRows >> proof.datesSum[0] >> proof.datesSum[1];
    if (s.status() != QDataStream::Ok)
        return std::nullopt;
    return proof;
}

// The proof the unit's last change left, for a run that only adds dates to
// the tables as that change left them: the change's entry, looked for among
// the newest few, of a format that sums the dates. Whatever stands in the
// way leaves the run to read the dates whole.
std::optional<ProofBefore> proofBefore(const QString &historyPath, const QString &unit, const QString &change)
{
    const QDir dir(historyPath);
    int tried = 0;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name | QDir::Reversed)) {
        if (!isEntryName(name))
            continue;
        if (++tried > 3)
            break;
        const QString path = dir.filePath(name);
        try {
            const Database db = Database::openReadOnlyForStatements(path, FileKind::Working);
            QSqlQuery q =
                run(db.connection(),
                    u"SELECT r.Unit, r.Change, r.Format, r.Day, r.Kind, p.Proof FROM %1 r, %2 p"_s.arg(
                        kFactsTable, kProofTable),
                    path, NoticeCode::HistoryCannotRead);
            if (!q.next() || q.value(0).toString() != unit || q.value(1).toString() != change)
                continue;
            RunHistory::Entry e;
            e.kind = q.value(4).toString();
            const int format = q.value(2).toInt();
            const QString day = q.value(3).toString();
            std::optional<Proof> proof = unpacked(q.value(5).toByteArray(), format);
            if (format < kDatesSummedFormat || format > kFormat || e.isImport() || !proof || q.next())
                return std::nullopt;
            return ProofBefore{std::move(*proof), day, {}, {}, {}};
        } catch (const StoreError &) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// What a change hands on from the proof of the unit's last change (parent):
// only when the tables are as that change left them (untouched) and the
// change removed and added dates but changed none; dates says what it did.
std::optional<ProofBefore> carriedOn(const QString &historyPath, bool untouched, const QString &unit,
                                     const QString &parent, RowChanges::Seen &&dates)
{
    if (!untouched || parent.isEmpty() || dates.changed != 0)
        return std::nullopt;
    std::optional<ProofBefore> before = proofBefore(historyPath, unit, parent);
    if (before) {
        before->added = std::move(dates.added);
        std::sort(before->added.begin(), before->added.end());
        before->columns = std::move(dates.columns);
        before->removed = std::move(dates.removed);
    }
    return before;
}

// The dates that have not passed on day.
QMap<QString, QPair<qint64, quint64>> daysFrom(const QMap<QString, QPair<qint64, quint64>> &days,
                                               const QString &day)
{
    QMap<QString, QPair<qint64, quint64>> out;
    for (auto it = days.cbegin(); it != days.cend(); ++it)
        if (it.key().isEmpty() || it.key() >= day)
            out.insert(it.key(), it.value());
    return out;
}

// Compares the working database (main) with what the run left, as the
// second-format entry attached as kEntrySchema proves.
RunHistory::Changes compareProof(const Database &working, const QString &entryPath, int format)
{
    QSqlQuery q =
        run(working.connection(),
            u"SELECT p.Proof, r.Day FROM %1.%2 p, %1.%3 r"_s.arg(kEntrySchema, kProofTable, kFactsTable),
            entryPath, NoticeCode::HistoryCannotRead);
    Proof left;
    QString runDay;
    if (q.next()) {
        const std::optional<Proof> kept = unpacked(q.value(0).toByteArray(), format);
        if (!kept)
            throw StoreError(StoreErrorCode::Corrupt, NoticeCode::HistoryEntryUnreadable, {entryPath},
                             entryPath);
        left = *kept;
        runDay = q.value(1).toString();
    }
    const Proof now = proofOf(working.connection(), working.path(), runDay, format);
    RunHistory::Changes changes;
    changes.counterSoldiers = differing(left.counters, now.counters);
    if (changes.counterSoldiers == 0 && left.allCounters != now.allCounters)
        changes.counterSoldiers = 1;
    // A clock put back to before the run's day cannot bring back what the run
    // did not see.
    const QString today = std::max(QDate::currentDate().toString(Qt::ISODate), runDay);
    if (daysFrom(left.days, today) != daysFrom(now.days, today))
        changes.dateSoldiers = std::max(1, differing(left.dates, now.dates));
    changes.asLeft = left.allRows == now.allRows;
    return changes;
}

// Changes since an import that entry keeps, in the personnel database: none
// when nothing has written to it since, else as every row compares.
RunHistory::Changes importChanges(const Database &personnel, const RunHistory::Entry &entry)
{
    RunHistory::Changes changes;
    const bool counts = personnel.countsCommits();
    const quint32 counter = personnel.changeCounter();
    changes.atCounter = counts ? counter : -1;
    if (counts && entry.personnelCounter >= 0 && quint32(entry.personnelCounter) == counter) {
        changes.asLeft = true;
        return changes;
    }
    QByteArray left;
    QStringList tables;
    {
        const Database kept = Database::openReadOnly(entry.path, FileKind::Working);
        QSqlQuery p = run(kept.connection(), u"SELECT Proof FROM %1"_s.arg(kProofTable), entry.path,
                          NoticeCode::HistoryCannotRead);
        if (p.next())
            left = p.value(0).toByteArray();
        QSqlQuery t = run(kept.connection(), u"SELECT name FROM %1"_s.arg(kSequencesTable), entry.path,
                          NoticeCode::HistoryCannotRead);
        while (t.next())
            tables.append(t.value(0).toString());
    }
    changes.personnel = rowsProof(personnel.connection(), personnel.path(), tables) != left;
    changes.asLeft = !changes.personnel;
    return changes;
}

// Changes since the unit's last change, which entry keeps: none when nothing
// has written to the working database since the change left its counters and
// dates as the entry says, else as they compare.
RunHistory::Changes changesAgainst(const Database &working, const RunHistory::Entry &entry, const Stamp &now)
{
    RunHistory::Changes changes;
    const bool counts = working.countsCommits();
    const quint32 counter = working.changeCounter();
    if (entry.format >= kProofFormat && counts && now.counter >= 0 && quint32(now.counter) == counter &&
        now.change == entry.change) {
        changes.atCounter = counter;
        changes.asLeft = true;
        return changes;
    }
    changes = entry.format >= kProofFormat ? compareProof(working, entry.path, entry.format)
                                           : compareWholeCopy(working, entry.path);
    changes.atCounter = counts ? counter : -1;
    return changes;
}

// Detaches the entry however the undo ends.
class Attached
{
public:
    Attached(Database &db, const QString &path, const QString &schema = kEntrySchema)
        : m_db(db), m_schema(schema)
    {
        m_db.attachReadOnly(path, m_schema);
    }
    // Attached for writing, as a file of kind.
    Attached(Database &db, const QString &path, const QString &schema, FileKind kind)
        : m_db(db), m_schema(schema)
    {
        m_db.attach(path, m_schema, kind);
    }
    ~Attached() { m_db.detach(m_schema); }
    Attached(const Attached &) = delete;
    Attached &operator=(const Attached &) = delete;

private:
    Database &m_db;
    QString m_schema;
};

void unlinkOrThrow(const QString &path)
{
    if (::unlink(encodedPath(path).constData()) != 0 && errno != ENOENT)
        throw systemError(NoticeCode::CannotRemoveFile, path);
}

// Once an undo has committed, a name that cannot be removed changes nothing
// of what it did: it is reported, and the undo stands.
template<typename Step> void tidy(QList<StoreError> &leftovers, Step step)
{
    try {
        step();
    } catch (const StoreError &e) {
        leftovers.append(e);
    }
}

// Rewrites a second-format entry without the whole tables it kept while its
// run was the newest; one without them is left as it is. A kill leaves the
// entry whole, for the next run to slim.
void slim(const QString &path)
{
    QStringList tables;
    {
        const Database fat = Database::openReadOnly(path, FileKind::Working);
        QSqlQuery q = run(fat.connection(), u"SELECT name FROM main.sqlite_master WHERE type = 'table'"_s,
                          path, NoticeCode::HistoryCannotRead);
        while (q.next()) {
            const QString name = q.value(0).toString();
            if (name == kFactsTable || name == kRangesTable || name == kSequencesTable ||
                name == kProofTable || name.startsWith(beforeTable(QString())) || keptTables().contains(name))
                tables.append(name);
        }
    }
    ScratchFile scratch(path);
    Database lean = Database::openScratch(scratch, FileKind::Working);
    {
        Attached attached(lean, path, u"fat"_s);
        Transaction write(lean);
        for (const QString &table : std::as_const(tables)) {
            QSqlQuery layout =
                run(lean.connection(),
                    u"SELECT sql FROM fat.sqlite_master WHERE type = 'table' AND name = '%1'"_s.arg(table),
                    path, NoticeCode::HistoryCannotRead);
            if (!layout.next())
                return;
            lean.exec(layout.value(0).toString(), NoticeCode::HistoryCannotWrite);
            // The unit's tables stay, empty, as the file's kind has them.
            if (!keptTables().contains(table))
                lean.exec(u"INSERT INTO main.\"%1\" SELECT * FROM fat.\"%1\""_s.arg(table),
                          NoticeCode::HistoryCannotWrite);
        }
        lean.exec(u"UPDATE main.%1 SET Whole = 0"_s.arg(kFactsTable), NoticeCode::HistoryCannotWrite);
        write.commit();
    }
    scratch.putInPlace();
}

const QString kKeptSuffix = u"-before.cxr"_s;

// The entry whose change keeps the datafile named name as it was before
// the change; empty when it is a run's datafile taken back.
QString entryOfKept(const QString &name)
{
    return isStamped(name) && QStringView(name).sliced(kStampedLength) == kKeptSuffix
               ? name.first(kStampedLength) + u".mdb"_s
               : QString();
}

// What a replace or swap on duty left in the datafile open as schema on
// connection, and what its undo puts back: the duty's rows and the record of
// changes. Another duty's rows, changed since, neither stop nor suffer the undo.
QString datafileRowsOf(const QSqlDatabase &connection, const QString &schema, const QString &duty,
                       const QString &path)
{
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    QSqlQuery q(connection);
    q.setForwardOnly(true);
    for (const QString &select :
         {u"SELECT * FROM %1.\"%2\" WHERE DutyName = ? ORDER BY ID"_s.arg(schema, RecordSources::kStoreage),
          u"SELECT * FROM %1.\"%2\" ORDER BY ID"_s.arg(schema, RecordSources::kChanges)}) {
        q.prepare(select);
        if (select.contains(u'?'))
            q.addBindValue(duty);
        if (!q.exec())
            throw storeErrorFrom(q.lastError(), path, NoticeCode::HistoryCannotRead);
        while (q.next()) {
            const int columns = q.record().count();
            for (int i = 0; i < columns; ++i) {
                const QVariant v = q.value(i);
                const QByteArray bytes = v.isNull() ? QByteArray("\x01null") : v.toString().toUtf8();
                hash.addData(QByteArray::number(bytes.size()) + ':');
                hash.addData(bytes);
            }
            hash.addData(QByteArrayView("\n"));
        }
        hash.addData(QByteArrayView("\x02"));
    }
    return QString::fromLatin1(hash.result().toHex());
}

// A replace or swap: its datafile, when it is no longer as the change left
// it. rowsNow: datafileRowsOf() the datafile, read where it is attached.
void compareDatafile(RunHistory::Changes &changes, const RunHistory::Entry &entry,
                     std::optional<QString> rowsNow = {})
{
    if (!entry.isRosterChange())
        return;
    changes.afterRosterChange = true;
    if (entry.keepsDatafile()) {
        if (RunHistory::digestOf(entry.datafile) != entry.datafileDigest)
            changes.datafileChanged = entry.datafile;
        return;
    }
    // Changed in place: the same file, its rows as the change left them.
    bool same = identityOf(entry.datafile) == entry.datafileIdentity;
    changes.datafileElsewhere = !same;
    if (same && !rowsNow) {
        try {
            const Database file = Database::openReadOnly(entry.datafile, FileKind::Roster);
            rowsNow = datafileRowsOf(file.connection(), u"main"_s, entry.duty, entry.datafile);
        } catch (const StoreError &) {
            same = false;
        }
    }
    if (!same || *rowsNow != entry.datafileRows)
        changes.datafileChanged = entry.datafile;
}

// The datafiles of runs taken back beyond the last kRunsKept; names sort as
// the runs were made. True when any was removed.
bool pruneKeptDatafiles(const QString &historyPath)
{
    bool removed = false;
    const QDir dir(historyPath);
    QStringList kept;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::Reversed)) {
        if (!isKeptDatafile(name))
            continue;
        // The datafile of a replace or swap goes with its entry, or, when a
        // kill left it without one, here.
        if (const QString entry = entryOfKept(name); !entry.isEmpty()) {
            if (!pathExists(dir.filePath(entry)))
                removed = ::unlink(encodedPath(dir.filePath(name)).constData()) == 0 || removed;
            continue;
        }
        kept.append(name);
    }
    for (qsizetype i = RunHistory::kRunsKept; i < kept.size(); ++i)
        removed = ::unlink(encodedPath(dir.filePath(kept.at(i))).constData()) == 0 || removed;
    return removed;
}

} // namespace

std::optional<Notice> RunHistory::Changes::datafileLeft() const
{
    if (datafileChanged.isEmpty() || !datafileElsewhere)
        return std::nullopt;
    return Notice{Notice::Kind::Information,
                  pathExists(datafileChanged) ? NoticeCode::UndoDatafileAnother
                                              : NoticeCode::UndoDatafileMissing,
                  {datafileChanged}};
}

Notice RunHistory::Changes::notice() const
{
    if (!datafileChanged.isEmpty() && counterSoldiers == 0 && dateSoldiers == 0)
        return datafileElsewhere
                   ? *datafileLeft()
                   : Notice{Notice::Kind::Information, NoticeCode::UndoDatafileChanged, {datafileChanged}};
    if (personnel)
        return {Notice::Kind::Information, NoticeCode::UndoPersonnelChanged, {}};
    const bool change = afterRosterChange;
    if (counterSoldiers > 0 && dateSoldiers > 0)
        return {Notice::Kind::Information,
                change ? NoticeCode::UndoCountersAndDatesChangedAfterChange
                       : NoticeCode::UndoCountersAndDatesChanged,
                {QString::number(counterSoldiers), QString::number(dateSoldiers)}};
    if (counterSoldiers > 0)
        return {Notice::Kind::Information,
                change ? NoticeCode::UndoCountersChangedAfterChange : NoticeCode::UndoCountersChanged,
                {},
                counterSoldiers};
    return {Notice::Kind::Information,
            change ? NoticeCode::UndoDatesChangedAfterChange : NoticeCode::UndoDatesChanged,
            {},
            dateSoldiers};
}

RunHistory::RunHistory(const UnitFolder &folder) : m_folder(folder) {}

QString RunHistory::keptDatafileOf(const QString &entryPath)
{
    const QFileInfo entry(entryPath);
    return entry.dir().filePath(entry.completeBaseName() + kKeptSuffix);
}

QString RunHistory::digestOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Blake2b_256);
    if (!hash.addData(&file))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

RunHistory::Listing RunHistory::list() const
{
    return listing(true);
}

RunHistory::Listing RunHistory::lastChange() const
{
    return listing(true, nullptr, u"main"_s, true);
}

RunHistory::Listing RunHistory::listing(bool checkLast, const Database *unit, const QString &unitSchema,
                                        bool toLastChange) const
{
    Listing listing;
    if (const std::optional<Notice> fault = m_folder.historyFault())
        throw StoreError(StoreErrorCode::CannotOpen, fault->code, fault->values, m_folder.historyPath());
    Stamp now;
    if (unit) {
        now = stampOf(unit->connection(), m_folder.workingPath(), unitSchema);
    } else {
        const Database working = Database::openReadOnly(m_folder.workingPath(), FileKind::Working);
        now = stampOf(working.connection(), working.path());
    }
    const auto unreadable = [](const QString &path, const StoreError &) {
        return Notice{Notice::Kind::Warning, NoticeCode::HistoryEntryUnreadable, {path}};
    };
    QList<Entry> found;
    QList<Skipped> notEntries;
    const QDir dir(m_folder.historyPath());
    // Newest first: an entry's name is the time it was made, and the unit's
    // last change is nearly always the newest. The lists are put back in
    // the names' order at the end.
    const QFileInfoList files =
        dir.exists()
            ? dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name | QDir::Reversed)
            : QFileInfoList();
    // Set once the unit's last change is read, when the older entries are not needed.
    bool reachedLast = false;
    for (const QFileInfo &info : files) {
        const QString name = info.fileName();
        if (name.startsWith(u".calendrix-"_s))
            continue; // a scratch file of a live or killed run
        if (!isEntryName(name)) {
            if (!(isKeptDatafile(name) && info.isFile()))
                notEntries.append(
                    {info.filePath(),
                     {Notice::Kind::Warning, NoticeCode::HistoryNotAnEntry, {info.filePath()}}});
            continue;
        }
        if (reachedLast)
            continue;
        // Each entry's facts, and that its tables are there; reading every
        // page is for the one an undo takes.
        try {
            // Opening checks the file's kind; the statements below find a
            // table that is missing or laid out otherwise.
            const Database db = Database::openReadOnlyForStatements(info.filePath(), FileKind::Working);
            QSqlQuery q = run(db.connection(), u"SELECT * FROM %1"_s.arg(kFactsTable), info.filePath(),
                              NoticeCode::HistoryCannotRead);
            Entry e;
            e.path = info.filePath();
            if (q.next()) {
                const int columns = q.record().count();
                e.made = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
                e.datafile = q.value(1).toString();
                e.datafileIdentity = q.value(2).toString();
                e.duties = q.value(3).toInt();
                e.periods = q.value(4).toInt();
                if (columns >= 9) {
                    e.unit = q.value(5).toString();
                    e.sequence = q.value(6).toLongLong();
                    e.change = q.value(7).toString();
                    e.parent = q.value(8).toString();
                }
                if (columns >= 10)
                    e.format = q.value(9).toInt();
                e.whole = e.format < kProofFormat || (columns >= 13 && q.value(12).toInt() == 1);
                if (columns >= 17) {
                    e.kind = q.value(13).toString();
                    e.added = q.value(14).toInt();
                    e.updated = q.value(15).toInt();
                    e.personnelCounter = q.value(16).isNull() ? -1 : q.value(16).toLongLong();
                }
                // A datafile within the folder is named from there (UnitFolder::keptName).
                if (!e.isImport())
                    e.datafile = m_folder.fromKeptName(e.datafile);
            }
            if (!e.made.isValid() || e.datafile.isEmpty() || q.next() ||
                e.unit.isEmpty() != e.change.isEmpty() || e.format < 1 || e.format > kFormat)
                throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::HistoryEntryUnreadable, {e.path},
                                 e.path);
            if (e.isRosterChange()) {
                QSqlQuery r = run(db.connection(), u"SELECT * FROM %1"_s.arg(kRosterTable), info.filePath(),
                                  NoticeCode::HistoryCannotRead);
                if (!r.next())
                    throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::HistoryEntryUnreadable,
                                     {e.path}, e.path);
                e.duty = r.value(0).toString();
                e.column = r.value(1).toInt();
                e.otherColumn = r.value(2).toInt();
                e.soldierOff = r.value(3).toString();
                e.soldierOn = r.value(4).toString();
                e.datafileDigest = r.value(5).toString();
                if (r.record().count() >= 8)
                    e.datafileRows = r.value(6).toString();
                if (!e.keepsDatafile() && e.datafileRows.isEmpty())
                    throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::HistoryEntryUnreadable,
                                     {e.path}, e.path);
            }
            const QStringList tables =
                e.format >= kChangesFormat ? QStringList{kChangesTable, kSequencesTable, kProofTable}
                : e.format >= kProofFormat ? QStringList{kRangesTable, kSequencesTable, kProofTable}
                                           : QStringList{kCountersTable, kDatesTable};
            // One statement on them all: preparing it finds each of them.
            run(db.connection(), u"SELECT 1 FROM %1 LIMIT 0"_s.arg(tables.join(u", "_s)), info.filePath(),
                NoticeCode::HistoryCannotRead);
            reachedLast = toLastChange && !e.change.isEmpty() && e.change == now.change && e.unit == now.unit;
            found.append(e);
        } catch (const StoreError &error) {
            notEntries.append({info.filePath(), unreadable(info.filePath(), error)});
        }
    }
    std::reverse(found.begin(), found.end());
    std::reverse(notEntries.begin(), notEntries.end());

    // From the unit's last change back, each entry naming the change before
    // its own.
    const auto chain = [&] {
        listing.entries.clear();
        listing.skipped = notEntries;
        listing.lastRunUnreadable = false;
        QHash<QString, qsizetype> byChange;
        for (qsizetype i = 0; i < found.size(); ++i)
            if (!found.at(i).change.isEmpty() && found.at(i).unit == now.unit)
                byChange.insert(found.at(i).change, i);
        QSet<qsizetype> taken;
        QString next = now.change;
        while (!next.isEmpty()) {
            const auto it = byChange.constFind(next);
            if (it == byChange.cend() || taken.contains(*it)) {
                listing.lastRunUnreadable = listing.entries.isEmpty();
                break;
            }
            taken.insert(*it);
            listing.entries.append(found.at(*it));
            next = found.at(*it).parent;
        }
        // What kind of change the entry keeps, for the sentence to name it.
        const auto skip = [&](const Entry &e, NoticeCode why, bool undone = false) {
            const QString kind = e.isImport() ? u"import"_s : e.isRosterChange() ? u"change"_s : u"run"_s;
            listing.skipped.append({e.path, {Notice::Kind::Warning, why, {e.path, kind}}, undone});
        };
        // Before the first run that named its change come those of older
        // versions, which only their times order.
        QList<Entry> older;
        for (const Entry &e : std::as_const(found))
            if (e.change.isEmpty())
                older.append(e);
        std::sort(older.begin(), older.end(), [](const Entry &a, const Entry &b) {
            return a.made != b.made ? a.made > b.made : a.path > b.path;
        });
        const bool olderReached = next.isEmpty();
        for (const Entry &e : std::as_const(older)) {
            if (olderReached)
                listing.entries.append(e);
            else
                skip(e, NoticeCode::HistoryEntryLaterMissing);
        }
        for (qsizetype i = 0; i < found.size(); ++i) {
            const Entry &e = found.at(i);
            if (e.change.isEmpty() || taken.contains(i))
                continue;
            if (e.unit != now.unit)
                skip(e, NoticeCode::HistoryEntryOfOtherUnit);
            else if (e.sequence >= now.sequence)
                skip(e, NoticeCode::HistoryEntryTakenBack, true);
            else
                skip(e, NoticeCode::HistoryEntryLaterMissing);
        }
    };
    chain();
    // Only the unit's last change can be taken back: a damaged entry of it
    // stops the undo, and the ones before it wait for it.
    if (checkLast && !listing.entries.isEmpty()) {
        const QString last = listing.entries.constFirst().path;
        try {
            Database::checkIntegrity(last, FileKind::Working);
            listing.entries.first().checked = true;
        } catch (const StoreError &error) {
            notEntries.append({last, unreadable(last, error)});
            found.removeIf([&](const Entry &e) { return e.path == last; });
            chain();
        }
    }
    return listing;
}

bool RunHistory::hasName(const Database &db, const QString &unitSchema) const
{
    return !stampOf(db.connection(), m_folder.workingPath(), unitSchema).unit.isEmpty();
}

void RunHistory::nameUnit(Database &changed, const QString &unitSchema) const
{
    Transaction transaction(changed);
    writeStamp(changed, Stamp{newName(), 0, QString(), -1}, unitSchema);
    transaction.commit();
}

RunHistory::Changes RunHistory::changesSince(const Entry &entry) const
{
    if (entry.isImport())
        return importChanges(Database::openReadOnly(m_folder.personnelPath(), FileKind::Personnel), entry);
    Database working = Database::openReadOnly(m_folder.workingPath(), FileKind::Working);
    const Stamp now = stampOf(working.connection(), working.path());
    Attached attached(working, entry.path);
    Changes changes = changesAgainst(working, entry, now);
    compareDatafile(changes, entry);
    return changes;
}

RunHistory::UndoResult RunHistory::undo(const Entry &entry, bool force,
                                        const std::optional<Changes> &seen) const
{
    if (entry.isImport())
        return undoImport(entry, force, seen);
    if (entry.isRosterChange())
        return entry.keepsDatafile() ? undoKeptRosterChange(entry, force, seen)
                                     : undoRosterChange(entry, force, seen);
    UndoResult result;
    // A damaged entry is never restored.
    if (!entry.checked)
        Database::checkIntegrity(entry.path, FileKind::Working);
    Database working = Database::open(m_folder.workingPath(), FileKind::Working);
    Attached attached(working, entry.path);
    Transaction transaction(working);
    const quint32 counterBefore = working.changeCounter();
    // Checked where it is changed, under the write lock: only the unit's last
    // change is ever taken back.
    const Stamp now = stampOf(working.connection(), working.path());
    if (now.change != entry.change || (!entry.unit.isEmpty() && now.unit != entry.unit))
        throw StoreError(StoreErrorCode::General, NoticeCode::UndoNotLastRun, {entry.path}, entry.path);
    // What the question was asked with still holds when nothing has
    // written to the file since.
    result.changes =
        seen && seen->atCounter >= 0 && quint32(seen->atCounter) == counterBefore && working.countsCommits()
            ? *seen
            : changesAgainst(working, entry, now);
    if (!result.changes.none() && !force)
        return result;
    // Rows changed since that the run did not touch come back from the
    // whole tables that the newest entry keeps too; else only what the run
    // changed goes back.
    const bool whole = entry.format < kProofFormat || (entry.whole && !result.changes.asLeft);

    // The datafile goes into history/ only if it is still the file the run made.
    QString movedTo;
    const QString identity = identityOf(entry.datafile);
    if (identity.isEmpty()) {
        result.note = Notice{Notice::Kind::Information, NoticeCode::UndoDatafileGone, {entry.datafile}};
    } else if (identity != entry.datafileIdentity) {
        result.note = Notice{Notice::Kind::Information, NoticeCode::UndoDatafileReplaced, {entry.datafile}};
    } else {
        const QString base =
            QFileInfo(entry.path).completeBaseName() + u'-' + QFileInfo(entry.datafile).fileName();
        movedTo = QDir(m_folder.historyPath()).filePath(base);
        for (int n = 2; pathExists(movedTo); ++n)
            movedTo = QDir(m_folder.historyPath()).filePath(u"%1-%2"_s.arg(n).arg(base));
    }

    // Written down before anything changes, so that a kill is settled (see settle()).
    RecoveryRecord record;
    record.change = RecoveryRecord::Change::Undo;
    record.counterBefore = counterBefore;
    record.datafile = entry.datafile;
    record.identity = identity;
    record.keptAs = movedTo;
    record.entry = entry.path;
    record.write(m_folder.pendingUndoPath());
    try {
        if (!movedTo.isEmpty()) {
            // A second name in history/ for the same file; its own name goes
            // once the tables are committed. Across file systems, a copy.
            if (::link(encodedPath(entry.datafile).constData(), encodedPath(movedTo).constData()) != 0) {
                if (errno != EXDEV)
                    throw systemError(NoticeCode::UndoCannotKeepDatafile,
                                      {entry.datafile, m_folder.historyPath()}, movedTo);
                QFile source(entry.datafile);
                if (!source.open(QIODevice::ReadOnly))
                    throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::CannotReadFile,
                                     {entry.datafile, source.errorString()}, entry.datafile);
                ScratchFile copy(movedTo);
                copy.write(source.readAll());
                copy.putInPlace(ScratchFile::Sync::Later, ScratchFile::Replace::No);
            }
            syncFolderOf(movedTo);
        }
        const QString tables = u"('Memory', 'Dates', 'Header')"_s;
        if (entry.format >= kChangesFormat) {
            QSqlQuery packed =
                run(working.connection(), u"SELECT Changes FROM %1.%2"_s.arg(kEntrySchema, kChangesTable),
                    entry.path, NoticeCode::HistoryCannotRead);
            if (!packed.next())
                throw StoreError(StoreErrorCode::Corrupt, NoticeCode::HistoryEntryUnreadable, {entry.path},
                                 entry.path);
            RowChanges::restore(working, packed.value(0).toByteArray(), entry.path);
        } else if (!whole) {
            // The rows the run changed or added go, those it changed or
            // removed come back as they were.
            for (const QString &table : keptTables()) {
                working.exec(
                    u"DELETE FROM main.\"%1\" WHERE ID IN (SELECT t.ID FROM %2.%3 c CROSS JOIN main.\"%1\" t "
                    "ON t.ID BETWEEN c.First AND c.Last WHERE c.Tbl = '%1')"_s.arg(table, kEntrySchema,
                                                                                   kRangesTable),
                    NoticeCode::HistoryCannotRestore);
                working.exec(u"INSERT OR REPLACE INTO main.\"%1\" SELECT * FROM %2.\"%3\""_s.arg(
                                 table, kEntrySchema, beforeTable(table)),
                             NoticeCode::HistoryCannotRestore);
            }
        } else {
            for (const QString &table : keptTables()) {
                working.exec(u"DELETE FROM main.\"%1\""_s.arg(table), NoticeCode::HistoryCannotRestore);
                working.exec(u"INSERT INTO main.\"%1\" SELECT * FROM %2.\"%1\""_s.arg(table, kEntrySchema),
                             NoticeCode::HistoryCannotRestore);
            }
        }
        // The keys the tables will give next come back too.
        working.exec(u"DELETE FROM main.sqlite_sequence WHERE name IN "_s + tables,
                     NoticeCode::HistoryCannotRestore);
        working.exec(u"INSERT INTO main.sqlite_sequence SELECT * FROM %1.%2 WHERE name IN "_s.arg(
                         kEntrySchema, whole ? u"sqlite_sequence"_s : kSequencesTable) +
                         tables,
                     NoticeCode::HistoryCannotRestore);
        // The unit's last change becomes the one before the run; an entry of
        // an older version leaves the unit without one, as it found it. The
        // tables are as that change left them when nothing had changed them
        // either side of the run.
        if (!entry.change.isEmpty()) {
            Stamp parent{entry.unit, entry.sequence - 1, entry.parent};
            if (entry.format >= kProofFormat && (result.changes.asLeft || whole)) {
                QSqlQuery untouched =
                    run(working.connection(), u"SELECT Untouched FROM %1.%2"_s.arg(kEntrySchema, kFactsTable),
                        entry.path, NoticeCode::HistoryCannotRead);
                if (untouched.next() && untouched.value(0).toInt() == 1)
                    parent.counter = qint64(counterBefore) + 1;
            }
            writeStamp(working, parent);
        }
        transaction.commit();
    } catch (const StoreError &) {
        transaction.rollback();
        // A commit that reported an error may still have reached the file.
        RecoveryRecord::Settled settled = settle(record, m_folder.pendingUndoPath(), m_folder.workingPath());
        if (!settled.committed)
            throw;
        result.undone = true;
        result.datafileNow = movedTo;
        result.leftovers = std::move(settled.leftovers);
        return result;
    }
    if (!movedTo.isEmpty())
        tidy(result.leftovers, [&] {
            unlinkOrThrow(entry.datafile);
            syncFolderOf(entry.datafile);
        });
    tidy(result.leftovers, [&] {
        unlinkOrThrow(entry.path);
        syncFolderOf(entry.path);
    });
    // Left in place, the record is settled by the next use of the unit.
    tidy(result.leftovers, [&] { RecoveryRecord::remove(m_folder.pendingUndoPath()); });
    pruneKeptDatafiles(m_folder.historyPath());
    result.undone = true;
    result.datafileNow = movedTo;
    return result;
}

// An import is taken back in one transaction on the personnel database with
// the working database attached, which holds the unit's last change: both
// files change or neither, so a kill needs no record to settle it. An entry
// left after the commit names a change the unit no longer has, and goes with
// the next run's or import's tidying.
RunHistory::UndoResult RunHistory::undoImport(const Entry &entry, bool force,
                                              const std::optional<Changes> &seen) const
{
    UndoResult result;
    if (!entry.checked)
        Database::checkIntegrity(entry.path, FileKind::Working);
    QByteArray changes;
    QList<QPair<QString, QVariant>> sequences;
    {
        const Database kept = Database::openReadOnly(entry.path, FileKind::Working);
        QSqlQuery c = run(kept.connection(), u"SELECT Changes FROM %1"_s.arg(kChangesTable), entry.path,
                          NoticeCode::HistoryCannotRead);
        if (!c.next())
            throw StoreError(StoreErrorCode::Corrupt, NoticeCode::HistoryEntryUnreadable, {entry.path},
                             entry.path);
        changes = c.value(0).toByteArray();
        QSqlQuery q = run(kept.connection(), u"SELECT name, seq FROM %1"_s.arg(kSequencesTable), entry.path,
                          NoticeCode::HistoryCannotRead);
        while (q.next())
            sequences.append({q.value(0).toString(), q.value(1)});
    }
    Database personnel = Database::open(m_folder.personnelPath(), FileKind::Personnel);
    personnel.attach(m_folder.workingPath(), kUnitSchema, FileKind::Working);
    Transaction transaction(personnel);
    const Stamp now = stampOf(personnel.connection(), m_folder.workingPath(), kUnitSchema);
    if (now.change != entry.change || now.unit != entry.unit)
        throw StoreError(StoreErrorCode::General, NoticeCode::UndoNotLastRun, {entry.path}, entry.path);
    const quint32 counter = personnel.changeCounter();
    result.changes =
        seen && seen->atCounter >= 0 && quint32(seen->atCounter) == counter && personnel.countsCommits()
            ? *seen
            : importChanges(personnel, entry);
    if (!result.changes.none() && !force)
        return result;
    RowChanges::restore(personnel, changes, entry.path);
    // Each table's next key as it was, its row kept in its place.
    QSqlQuery forget(personnel.connection()), set(personnel.connection()), put(personnel.connection());
    forget.prepare(u"DELETE FROM main.sqlite_sequence WHERE name = ?"_s);
    set.prepare(u"UPDATE main.sqlite_sequence SET seq = ? WHERE name = ?"_s);
    put.prepare(u"INSERT INTO main.sqlite_sequence (name, seq) VALUES (?, ?)"_s);
    for (const auto &[table, seq] : std::as_const(sequences)) {
        if (seq.isNull()) {
            forget.addBindValue(table);
            execPrepared(forget, personnel.path(), NoticeCode::HistoryCannotRestore);
            continue;
        }
        set.addBindValue(seq);
        set.addBindValue(table);
        execPrepared(set, personnel.path(), NoticeCode::HistoryCannotRestore);
        if (set.numRowsAffected() > 0)
            continue;
        put.addBindValue(table);
        put.addBindValue(seq);
        execPrepared(put, personnel.path(), NoticeCode::HistoryCannotRestore);
    }
    writeStamp(personnel, {entry.unit, entry.sequence - 1, entry.parent}, kUnitSchema);
    transaction.commit();
    result.undone = true;
    tidy(result.leftovers, [&] {
        unlinkOrThrow(entry.path);
        syncFolderOf(entry.path);
    });
    return result;
}

namespace {

// What changed since a replace or swap, told under the undo's write lock;
// throws when it is no longer the unit's last change. What was told when the
// question was asked still holds while nothing has written to the file; the
// datafile is compared by the caller, as nothing in the working database
// tells its changes.
RunHistory::Changes changesBeforeRosterUndo(const Database &working, const RunHistory::Entry &entry,
                                            quint32 counterBefore,
                                            const std::optional<RunHistory::Changes> &seen)
{
    const Stamp now = stampOf(working.connection(), working.path());
    if (now.change != entry.change || now.unit != entry.unit)
        throw StoreError(StoreErrorCode::General, NoticeCode::UndoNotLastRun, {entry.path}, entry.path);
    RunHistory::Changes changes =
        seen && seen->atCounter >= 0 && quint32(seen->atCounter) == counterBefore && working.countsCommits()
            ? *seen
            : changesAgainst(working, entry, now);
    changes.datafileChanged.clear();
    changes.datafileElsewhere = false;
    return changes;
}

// After a replace's or swap's rows are put back: the keys its tables give
// next, and the change before it as the unit's last, with the counter the
// commit will leave when nothing else was changed.
void restoreKeysAndLastChange(Database &working, const RunHistory::Entry &entry,
                              const RunHistory::Changes &changes, quint32 counterBefore)
{
    const QString tables = u"('Memory', 'Dates', 'Header')"_s;
    working.exec(u"DELETE FROM main.sqlite_sequence WHERE name IN "_s + tables,
                 NoticeCode::HistoryCannotRestore);
    working.exec(u"INSERT INTO main.sqlite_sequence SELECT * FROM %1.%2 WHERE name IN "_s.arg(
                     kEntrySchema, kSequencesTable) +
                     tables,
                 NoticeCode::HistoryCannotRestore);
    Stamp parent{entry.unit, entry.sequence - 1, entry.parent};
    if (changes.asLeft) {
        QSqlQuery untouched =
            run(working.connection(), u"SELECT Untouched FROM %1.%2"_s.arg(kEntrySchema, kFactsTable),
                entry.path, NoticeCode::HistoryCannotRead);
        if (untouched.next() && untouched.value(0).toInt() == 1)
            parent.counter = qint64(counterBefore) + 1;
    }
    writeStamp(working, parent);
}

} // namespace

// A replace or swap is taken back as it was made: the tables and the
// datafile's rows in one transaction on the working database with the
// datafile attached, which SQLite commits to both files or to neither. The
// record names the datafile, so that whoever comes next rolls back what a
// kill left of its journal before anyone reads it.
RunHistory::UndoResult RunHistory::undoRosterChange(const Entry &entry, bool force,
                                                    const std::optional<Changes> &seen) const
{
    UndoResult result;
    if (!entry.checked)
        Database::checkIntegrity(entry.path, FileKind::Working);
    Database working = Database::open(m_folder.workingPath(), FileKind::Working);
    // A datafile gone or replaced since is not written: a forced undo takes back the counters alone.
    const bool datafileThere = identityOf(entry.datafile) == entry.datafileIdentity;
    std::optional<Attached> datafile;
    if (datafileThere)
        datafile.emplace(working, entry.datafile, kDatafileSchema, FileKind::Roster);
    Attached attached(working, entry.path);
    Transaction transaction(working);
    const quint32 counterBefore = working.changeCounter();
    result.changes = changesBeforeRosterUndo(working, entry, counterBefore, seen);
    std::optional<quint32> datafileCounter;
    std::optional<QString> datafileRows;
    if (datafileThere) {
        datafileCounter = working.changeCounter(kDatafileSchema);
        datafileRows = datafileRowsOf(working.connection(), kDatafileSchema, entry.duty, entry.datafile);
    }
    compareDatafile(result.changes, entry, datafileRows);
    if (!result.changes.none() && !force)
        return result;

    RecoveryRecord record;
    record.change = RecoveryRecord::Change::Undo;
    record.counterBefore = counterBefore;
    record.datafile = entry.datafile;
    record.identity = entry.datafileIdentity;
    record.entry = entry.path;
    record.rosterChange = true;
    if (datafileCounter)
        record.datafileCounterBefore = *datafileCounter;
    try {
        QSqlQuery packed =
            run(working.connection(), u"SELECT Changes FROM %1.%2"_s.arg(kEntrySchema, kChangesTable),
                entry.path, NoticeCode::HistoryCannotRead);
        QSqlQuery rows =
            run(working.connection(), u"SELECT DatafileChanges FROM %1.%2"_s.arg(kEntrySchema, kRosterTable),
                entry.path, NoticeCode::HistoryCannotRead);
        if (!packed.next() || !rows.next())
            throw StoreError(StoreErrorCode::Corrupt, NoticeCode::HistoryEntryUnreadable, {entry.path},
                             entry.path);
        RowChanges::restore(working, packed.value(0).toByteArray(), entry.path);
        if (datafileThere)
            RowChanges::restore(working, rows.value(0).toByteArray(), entry.path, kDatafileSchema);
        restoreKeysAndLastChange(working, entry, result.changes, counterBefore);
        record.write(m_folder.pendingUndoPath());
        transaction.commit();
    } catch (const StoreError &) {
        transaction.rollback();
        // A commit that reported an error may still have reached the files.
        const UnitSettling::Result settled = UnitSettling::settle(m_folder);
        if (settled.error)
            throw *settled.error;
        if (!settled.undo.committed)
            throw;
    }
    RecoveryRecord::remove(m_folder.pendingUndoPath());
    result.undone = true;
    tidy(result.leftovers, [&] {
        unlinkOrThrow(entry.path);
        syncFolderOf(entry.path);
    });
    return result;
}

// A replace or swap of the version that kept the whole datafile before the
// change is taken back as a run makes its datafile: the tables in one
// transaction on the working database, the datafile kept in history/ put in
// place through the same swap and record, so that a kill leaves the change
// or its undo whole.
RunHistory::UndoResult RunHistory::undoKeptRosterChange(const Entry &entry, bool force,
                                                        const std::optional<Changes> &seen) const
{
    UndoResult result;
    if (!entry.checked)
        Database::checkIntegrity(entry.path, FileKind::Working);
    const QString kept = keptDatafileOf(entry.path);
    if (!pathExists(kept))
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::UndoKeptDatafileMissing, {kept}, kept);
    Database working = Database::open(m_folder.workingPath(), FileKind::Working);
    Attached attached(working, entry.path);
    Transaction transaction(working);
    const quint32 counterBefore = working.changeCounter();
    result.changes = changesBeforeRosterUndo(working, entry, counterBefore, seen);
    compareDatafile(result.changes, entry);
    if (!result.changes.none() && !force)
        return result;

    DatafileSwap swap(m_folder.pendingRunPath(), entry.datafile, counterBefore);
    swap.forRosterChange();
    try {
        QSqlQuery packed =
            run(working.connection(), u"SELECT Changes FROM %1.%2"_s.arg(kEntrySchema, kChangesTable),
                entry.path, NoticeCode::HistoryCannotRead);
        if (!packed.next())
            throw StoreError(StoreErrorCode::Corrupt, NoticeCode::HistoryEntryUnreadable, {entry.path},
                             entry.path);
        RowChanges::restore(working, packed.value(0).toByteArray(), entry.path);
        restoreKeysAndLastChange(working, entry, result.changes, counterBefore);
        swap.putBack(kept);
        transaction.commit();
    } catch (const StoreError &) {
        transaction.rollback();
        // A commit that reported an error may still have reached the file;
        // the counter says which, and the datafile follows it.
        const UnitSettling::Result settled = UnitSettling::settle(m_folder);
        if (settled.error)
            throw *settled.error;
        if (!settled.run.committed)
            throw;
    }
    swap.finish();
    result.undone = true;
    tidy(result.leftovers, [&] {
        unlinkOrThrow(entry.path);
        unlinkOrThrow(kept);
        syncFolderOf(entry.path);
    });
    return result;
}

RecoveryRecord::Settled RunHistory::settle(const RecoveryRecord &record, const QString &recordPath,
                                           const QString &workingPath)
{
    RecoveryRecord::Settled result;
    result.found = true;
    result.committed = record.committed(workingPath);
    const QString &datafile = record.datafile, &movedTo = record.keptAs;
    if (result.committed) {
        // The copy in history/ is complete before the commit; the name at
        // the datafile's place goes, if it still is the run's file.
        if (!movedTo.isEmpty() && pathExists(movedTo) && identityOf(datafile) == record.identity)
            tidy(result.leftovers, [&] {
                unlinkOrThrow(datafile);
                syncFolderOf(datafile);
            });
        tidy(result.leftovers, [&] {
            unlinkOrThrow(record.entry);
            syncFolderOf(record.entry);
        });
        // What the undo took back, for the sentence to name it.
        result.notice = {Notice::Kind::Information,
                         result.leftovers.isEmpty() ? NoticeCode::UndoCompleted
                                                    : NoticeCode::UndoCompletedWithLeftovers,
                         {record.rosterChange ? u"change"_s : u"run"_s}};
        for (const StoreError &e : std::as_const(result.leftovers))
            result.notice->causes.push_back(e.notice());
        RecoveryRecord::remove(recordPath);
        return result;
    }
    if (!movedTo.isEmpty() && pathExists(movedTo)) {
        if (pathExists(datafile))
            unlinkOrThrow(movedTo);
        else if (::rename(encodedPath(movedTo).constData(), encodedPath(datafile).constData()) != 0)
            throw systemError(NoticeCode::UndoCannotPutBack, {movedTo, datafile}, datafile);
    }
    result.notice = Notice{Notice::Kind::Information, NoticeCode::UndoAbandoned, {}};
    syncFolderOf(record.entry);
    if (!datafile.isEmpty())
        syncFolderOf(datafile);
    RecoveryRecord::remove(recordPath);
    return result;
}

RunHistory::Recorder::Recorder(const UnitFolder &folder, const Database &working)
    : m_folder(folder), m_unitSchema(u"main"_s)
{
    start(working, keptTables());
}

RunHistory::Recorder::Recorder(const UnitFolder &folder, const Database &personnel, const QStringList &tables)
    : m_folder(folder), m_unitSchema(kUnitSchema)
{
    start(personnel, tables);
}

RunHistory::Recorder::~Recorder() = default;

void RunHistory::Recorder::start(const Database &db, const QStringList &tables)
{
    const QDir dir(m_folder.historyPath());
    if (const std::optional<Notice> fault = m_folder.historyFault())
        throw StoreError(StoreErrorCode::CannotOpen, fault->code, fault->values, dir.path());
    if (!dir.exists() && ::mkdir(encodedPath(dir.path()).constData(), 0777) != 0 && errno != EEXIST)
        throw systemError(NoticeCode::CannotCreateFolder, dir.path());
    // Names follow the changes' order, in UTC so that a clock put back for
    // winter time cannot reorder them; two within a millisecond get the next one.
    m_made = QDateTime::currentDateTimeUtc();
    m_path = dir.filePath(u"run-%1.mdb"_s.arg(m_made.toString(kTimeFormat)));
    while (pathExists(m_path)) {
        m_made = m_made.addMSecs(1);
        m_path = dir.filePath(u"run-%1.mdb"_s.arg(m_made.toString(kTimeFormat)));
    }
    m_scratch = std::make_unique<ScratchFile>(m_path);
    // The keys the tables would give next, and from here every row the
    // change adds, removes or changes.
    m_tables = tables;
    QHash<QString, qint64> sequences;
    QSqlQuery q = run(db.connection(), u"SELECT name, seq FROM main.sqlite_sequence"_s, db.path(),
                      NoticeCode::HistoryCannotRead);
    while (q.next())
        sequences.insert(q.value(0).toString(), q.value(1).toLongLong());
    for (const QString &table : tables)
        m_sequences.append(
            {table, sequences.contains(table) ? QVariant(sequences.value(table)) : QVariant()});
    m_changes = std::make_unique<RowChanges>(db, tables);
}

struct RunHistory::Recorder::Facts {
    QString datafile, datafileIdentity;
    int duties = 0, periods = 0;
    std::optional<RosterFacts> roster;
    QString unit, change, parent;
    qint64 sequence = 0;
    bool untouched = false;
    QString kind = u"run"_s;
    int added = 0, updated = 0;
    qint64 personnelCounter = -1;
};

RunHistory::Recorder::Facts RunHistory::Recorder::stamp(Database &working, quint32 counterBefore,
                                                        const QString &datafile,
                                                        const QString &datafileIdentity)
{
    // The change becomes the unit's last, in the change's transaction, which
    // moves the change counter on by one. A unit gets its name with its first change.
    const Stamp before = stampOf(working.connection(), working.path());
    const bool counts = working.countsCommits();
    const Stamp stamp{before.unit.isEmpty() ? newName() : before.unit, before.sequence + 1, newName(),
                      counts ? qint64(counterBefore) + 1 : -1};
    writeStamp(working, stamp);
    Facts facts;
    facts.datafile = datafile;
    facts.datafileIdentity = datafileIdentity;
    facts.unit = stamp.unit;
    facts.sequence = stamp.sequence;
    facts.change = stamp.change;
    facts.parent = before.change;
    facts.untouched = counts && before.counter >= 0 && quint32(before.counter) == counterBefore;
    return facts;
}

void RunHistory::Recorder::complete(Database &working, quint32 counterBefore, const QString &datafile,
                                    const QString &datafileIdentity, int duties, int periods)
{
    Facts facts = stamp(working, counterBefore, datafile, datafileIdentity);
    facts.duties = duties;
    facts.periods = periods;
    const QString day = QDate::currentDate().toString(Qt::ISODate);
    RowChanges::Seen dates;
    const QByteArray changes = m_changes->packed(RecordSources::kDates, &dates);
    m_changes.reset();
    // A run only adds dates: with the tables as the last change left them,
    // its proof of the dates is that change's and the rows it added.
    const std::optional<ProofBefore> before =
        carriedOn(m_folder.historyPath(), facts.untouched, facts.unit, facts.parent, std::move(dates));
    const Proof proof =
        proofOf(working.connection(), working.path(), day, kFormat, before ? &*before : nullptr);
    write(working, u"main"_s, facts, packed(proof, kFormat), changes, day);
}

void RunHistory::Recorder::watchDatafile(const Database &working)
{
    m_datafileChanges = std::make_unique<RowChanges>(
        working, QStringList{RecordSources::kStoreage, RecordSources::kChanges}, kDatafileSchema);
}

void RunHistory::Recorder::completeRosterChange(Database &working, quint32 counterBefore,
                                                const QString &datafile, const QString &datafileIdentity,
                                                const RosterFacts &roster)
{
    Facts facts = stamp(working, counterBefore, datafile, datafileIdentity);
    facts.duties = 1;
    facts.periods = roster.otherColumn > 0 ? 2 : 1;
    facts.kind = roster.kind;
    facts.roster = roster;
    const QString day = QDate::currentDate().toString(Qt::ISODate);
    RowChanges::Seen dates;
    const QByteArray changes = m_changes->packed(RecordSources::kDates, &dates);
    m_changes.reset();
    // A replace or swap removes and adds dates and changes none: with the
    // tables as the last change left them, its proof of the dates is that
    // change's without the rows it removed and with those it added.
    const std::optional<ProofBefore> before =
        carriedOn(m_folder.historyPath(), facts.untouched, facts.unit, facts.parent, std::move(dates));
    const Proof proof =
        proofOf(working.connection(), working.path(), day, kFormat, before ? &*before : nullptr);
    write(working, u"main"_s, facts, packed(proof, kFormat), changes, day);
}

void RunHistory::Recorder::completeImport(Database &personnel, const QString &kind, const QString &file,
                                          int added, int updated)
{
    // The working database, attached, holds the unit's last change; its
    // counters and dates are not what an import changes, so the fast way of
    // telling a later change by hand is the personnel database's counter.
    const Stamp before = stampOf(personnel.connection(), m_folder.workingPath(), kUnitSchema);
    const Stamp stamp{before.unit.isEmpty() ? newName() : before.unit, before.sequence + 1, newName(), -1};
    writeStamp(personnel, stamp, kUnitSchema);
    Facts facts;
    facts.datafile = file;
    facts.unit = stamp.unit;
    facts.sequence = stamp.sequence;
    facts.change = stamp.change;
    facts.parent = before.change;
    facts.kind = kind;
    facts.added = added;
    facts.updated = updated;
    if (personnel.countsCommits())
        facts.personnelCounter = qint64(personnel.changeCounter()) + 1;
    const QByteArray changes = m_changes->packed();
    m_changes.reset();
    write(personnel, kUnitSchema, facts, rowsProof(personnel.connection(), personnel.path(), m_tables),
          changes, QDate::currentDate().toString(Qt::ISODate));
}

void RunHistory::Recorder::write(const Database &changed, const QString &unitSchema, const Facts &facts,
                                 const QByteArray &proof, const QByteArray &changes, const QString &day)
{
    // The time the entry's name gives, without a zone, as entries have always kept it.
    const QString made = m_made.toString(u"yyyy-MM-ddTHH:mm:ss.zzz"_s);
    QByteArray datafileChanges;
    QString datafileRows;
    if (m_datafileChanges) {
        datafileChanges = m_datafileChanges->packed();
        m_datafileChanges.reset();
        datafileRows =
            datafileRowsOf(changed.connection(), kDatafileSchema, facts.roster->duty, facts.datafile);
    }
    QStringList layouts;
    {
        QSqlQuery q = run(changed.connection(),
                          u"SELECT sql FROM %1.sqlite_master WHERE type = 'table' AND name IN "
                          "('Memory', 'Dates', 'Header') ORDER BY name"_s.arg(unitSchema),
                          changed.fileOf(unitSchema), NoticeCode::HistoryCannotRead);
        while (q.next())
            layouts.append(q.value(0).toString());
    }

    Database entry = Database::openScratch(*m_scratch, FileKind::Working);
    Transaction write(entry);
    // The unit's tables, empty, so that the entry is of the working database's kind.
    for (const QString &layout : std::as_const(layouts))
        entry.exec(layout, NoticeCode::HistoryCannotWrite);
    entry.exec(u"CREATE TABLE %1 (Changes BLOB)"_s.arg(kChangesTable), NoticeCode::HistoryCannotWrite);
    QSqlQuery keep(entry.connection());
    keep.prepare(u"INSERT INTO %1 VALUES (?)"_s.arg(kChangesTable));
    keep.addBindValue(changes);
    execPrepared(keep, m_path, NoticeCode::HistoryCannotWrite);
    // The tables watched, with the key each would give next; none where the
    // table has given none yet.
    entry.exec(u"CREATE TABLE %1 (name, seq)"_s.arg(kSequencesTable), NoticeCode::HistoryCannotWrite);
    QSqlQuery sequence(entry.connection());
    sequence.prepare(u"INSERT INTO %1 VALUES (?, ?)"_s.arg(kSequencesTable));
    for (const auto &[table, seq] : std::as_const(m_sequences)) {
        if (seq.isNull() && (facts.kind == u"run"_s || facts.roster))
            continue; // a run's undo knows its three tables, as a replace's or swap's does
        sequence.bindValue(0, table);
        sequence.bindValue(1, seq);
        execPrepared(sequence, m_path, NoticeCode::HistoryCannotWrite);
    }

    entry.exec(
        u"CREATE TABLE %1 (Made TEXT, Datafile TEXT, DatafileIdentity TEXT, Duties INTEGER, "
        "Periods INTEGER, Unit TEXT, Sequence INTEGER, Change TEXT, Parent TEXT, Format INTEGER, Day TEXT, "
        "Untouched INTEGER, Whole INTEGER, Kind TEXT, Added INTEGER, Updated INTEGER, "
        "PersonnelCounter INTEGER)"_s.arg(kFactsTable),
        NoticeCode::HistoryCannotWrite);
    // A run's or roster change's datafile is named so that a copy of the
    // folder takes back its own; an import names the file it read, as the
    // clerk chose it.
    const QString keptDatafile =
        facts.kind == u"run"_s || facts.roster ? m_folder.keptName(facts.datafile) : facts.datafile;
    QSqlQuery row(entry.connection());
    row.prepare(
        u"INSERT INTO %1 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s.arg(kFactsTable));
    for (const QVariant &v :
         {QVariant(made), QVariant(keptDatafile), QVariant(facts.datafileIdentity), QVariant(facts.duties),
          QVariant(facts.periods), QVariant(facts.unit), QVariant(facts.sequence), QVariant(facts.change),
          QVariant(facts.parent), QVariant(kFormat), QVariant(day), QVariant(facts.untouched ? 1 : 0),
          QVariant(0), QVariant(facts.kind), QVariant(facts.added), QVariant(facts.updated),
          facts.personnelCounter >= 0 ? QVariant(facts.personnelCounter) : QVariant()})
        row.addBindValue(v);
    execPrepared(row, m_path, NoticeCode::HistoryCannotWrite);

    entry.exec(u"CREATE TABLE %1 (Proof BLOB)"_s.arg(kProofTable), NoticeCode::HistoryCannotWrite);
    QSqlQuery keepProof(entry.connection());
    keepProof.prepare(u"INSERT INTO %1 VALUES (?)"_s.arg(kProofTable));
    keepProof.addBindValue(proof);
    execPrepared(keepProof, m_path, NoticeCode::HistoryCannotWrite);
    m_change = facts.change;
    if (const std::optional<RosterFacts> &r = facts.roster) {
        // Digest: the earlier version's, which kept the whole datafile; now
        // what the change leaves of the duty's rows and the rows it changed.
        entry.exec(
            u"CREATE TABLE %1 (Duty TEXT, Col INTEGER, OtherCol INTEGER, SoldierOff TEXT, "
            "SoldierOn TEXT, Digest TEXT, DatafileRows TEXT, DatafileChanges BLOB)"_s.arg(kRosterTable),
            NoticeCode::HistoryCannotWrite);
        QSqlQuery roster(entry.connection());
        roster.prepare(u"INSERT INTO %1 VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s.arg(kRosterTable));
        for (const QVariant &v :
             {QVariant(r->duty), QVariant(r->column), QVariant(r->otherColumn), QVariant(r->soldierOff),
              QVariant(r->soldierOn), QVariant(), QVariant(datafileRows), QVariant(datafileChanges)})
            roster.addBindValue(v);
        execPrepared(roster, m_path, NoticeCode::HistoryCannotWrite);
    }
    write.commit();
}

void RunHistory::Recorder::appendUnwatched(const QString &table,
                                           const std::function<void(std::vector<qint64> &keys)> &append)
{
    m_changes->appendUnwatched(table, append);
}

void RunHistory::Recorder::putInPlace()
{
    m_scratch->putInPlace();
}

bool RunHistory::Recorder::committedAfterAll(const Database &changed)
{
    // Reading the stamp rolls back first what the failed commit left of the
    // journals, where the disk lets it. The change's own connection may be
    // stuck on the file that failed: then the working file on one of its own.
    std::optional<Stamp> now;
    try {
        now = stampOf(changed.connection(), m_folder.workingPath(), m_unitSchema);
    } catch (const StoreError &) {
        try {
            const Database working = Database::open(m_folder.workingPath(), FileKind::Working);
            now = stampOf(working.connection(), working.path());
        } catch (const StoreError &) {
            return false;
        }
    }
    if (!m_change.isEmpty() && now->change == m_change)
        return true;
    try {
        if (::unlink(encodedPath(m_path).constData()) == 0)
            syncFolderOf(m_path);
    } catch (const StoreError &) {
    }
    return false;
}

void RunHistory::Recorder::prune(const Database &changed)
{
    // The run has committed; what cannot be tidied now is tidied by the next.
    try {
        const Listing listing = RunHistory(m_folder).listing(false, &changed, m_unitSchema);
        bool removed = false;
        const auto remove = [&](const QString &entry) {
            removed = ::unlink(encodedPath(entry).constData()) == 0 || removed;
            removed = ::unlink(encodedPath(keptDatafileOf(entry)).constData()) == 0 || removed;
        };
        for (qsizetype i = kRunsKept; i < listing.entries.size(); ++i)
            remove(listing.entries.at(i).path);
        for (const Skipped &s : listing.skipped)
            if (s.undone)
                remove(s.path);
        removed = pruneKeptDatafiles(m_folder.historyPath()) || removed;
        // Entries of the second format kept the whole tables while their run was the newest.
        for (qsizetype i = 1; i < std::min<qsizetype>(kRunsKept, listing.entries.size()); ++i)
            if (listing.entries.at(i).format == kProofFormat && listing.entries.at(i).whole)
                slim(listing.entries.at(i).path);
        // The new entry's name is on the disk already; only removals are left.
        if (removed)
            syncFolderOf(m_path);
    } catch (const StoreError &) {
    }
}

} // namespace calendrix
