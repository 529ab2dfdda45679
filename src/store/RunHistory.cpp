#include "store/RunHistory.h"

#include "store/RecoveryRecord.h"
#include "store/StoreError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The entries' own tables, beside the copies of Memory, Dates and Header.
const QString kFactsTable = u"run"_s;
const QString kCountersTable = u"countersAfter"_s;
const QString kDatesTable = u"datesAfter"_s;
const QString kEntrySchema = u"kept"_s;
const QString kTimeFormat = u"yyyyMMdd-HHmmss-zzz"_s;
// In the working database (and so in each entry's copy of it): the unit's
// last change. Not one of the unit's record sources; files without it are
// those of units that have made no run since it was added.
const QString kChangeTable = u"LastChange"_s;

const QRegularExpression &entryPattern()
{
    static const QRegularExpression p(u"^run-(\\d{8}-\\d{6}-\\d{3})\\.mdb$"_s);
    return p;
}

// A datafile that an undo moved into history/: "run-<time>-<its name>.cxr".
bool isKeptDatafile(const QString &name)
{
    static const QRegularExpression p(u"^run-\\d{8}-\\d{6}-\\d{3}-.*$"_s);
    return p.match(name).hasMatch();
}

QSqlQuery run(const QSqlDatabase &db, const QString &sql, const QString &file, const QString &what)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        throw storeErrorFrom(q.lastError(), file, what);
    return q;
}

// The unit's last change, as the working database (main) or an entry's copy
// of it says.
struct Stamp {
    QString unit;
    qint64 sequence = 0;
    QString change;
};

Stamp stampOf(const QSqlDatabase &db, const QString &schema, const QString &file)
{
    Stamp stamp;
    QSqlQuery exists =
        run(db,
            u"SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name = '%2'"_s.arg(schema,
                                                                                                kChangeTable),
            file, u"Cannot read"_s);
    if (!exists.next() || exists.value(0).toInt() == 0)
        return stamp;
    QSqlQuery q = run(db, u"SELECT Unit, Sequence, Change FROM %1.%2"_s.arg(schema, kChangeTable), file,
                      u"Cannot read"_s);
    if (q.next()) {
        stamp.unit = q.value(0).toString();
        stamp.sequence = q.value(1).toLongLong();
        stamp.change = q.value(2).toString();
    }
    return stamp;
}

// Inside the caller's transaction.
void writeStamp(Database &working, const Stamp &stamp)
{
    working.exec(
        u"CREATE TABLE IF NOT EXISTS main.%1 (Unit TEXT, Sequence INTEGER, Change TEXT)"_s.arg(kChangeTable),
        u"Cannot write"_s);
    working.exec(u"DELETE FROM main.%1"_s.arg(kChangeTable), u"Cannot write"_s);
    QSqlQuery q(working.connection());
    q.prepare(u"INSERT INTO main.%1 VALUES (?, ?, ?)"_s.arg(kChangeTable));
    q.addBindValue(stamp.unit);
    q.addBindValue(stamp.sequence);
    q.addBindValue(stamp.change);
    if (!q.exec())
        throw storeErrorFrom(q.lastError(), working.path(), u"Cannot write"_s);
}

QString newName()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString textOf(const QVariant &v)
{
    return v.isNull() ? u"\u0001"_s : v.toString();
}

// Per soldier, a digest of his counter rows in key order: duty, count,
// holiday count. What the clerk corrects in the Counters dialog shows here.
QHash<QString, QByteArray> counterDigests(const QSqlDatabase &db, const QString &schema, const QString &file)
{
    QHash<QString, QByteArray> rows;
    QSqlQuery q =
        run(db, u"SELECT SoldierName, DutyName, Count, HCount FROM %1.\"Memory\" ORDER BY ID"_s.arg(schema),
            file, u"Cannot read the counters of"_s);
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
    QSqlQuery q = run(db, sql, file, u"Cannot read the assignment dates of"_s);
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

template<typename Map> int differing(const Map &a, const Map &b)
{
    QSet<QString> keys;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        keys.insert(it.key());
    for (auto it = b.cbegin(); it != b.cend(); ++it)
        keys.insert(it.key());
    int n = 0;
    for (const QString &k : keys)
        if (a.value(k) != b.value(k))
            ++n;
    return n;
}

// Compares the working database (main) with what the run left, as the
// entry attached as kEntrySchema says.
RunHistory::Changes compare(const Database &working, const QString &entryPath)
{
    const QSqlDatabase db = working.connection();
    const QString file = working.path();
    const QDate today = QDate::currentDate();
    RunHistory::Changes changes;
    QHash<QString, QByteArray> after;
    QSqlQuery q = run(db, u"SELECT SoldierName, Digest FROM %1.%2"_s.arg(kEntrySchema, kCountersTable),
                      entryPath, u"Cannot read"_s);
    while (q.next())
        after.insert(q.value(0).toString(), q.value(1).toByteArray());
    changes.counterSoldiers = differing(after, counterDigests(db, u"main"_s, file));
    const QString dates = u"SELECT SoldierName, \"From\", \"To\" FROM %1.%2 ORDER BY rowid"_s;
    changes.dateSoldiers = differing(currentDates(db, dates.arg(kEntrySchema, kDatesTable), entryPath, today),
                                     currentDates(db, dates.arg(u"main"_s, u"\"Dates\""_s), file, today));
    return changes;
}

// Detaches the entry however the undo ends.
class Attached
{
public:
    Attached(Database &db, const QString &path) : m_db(db) { m_db.attachReadOnly(path, kEntrySchema); }
    ~Attached() { m_db.detach(kEntrySchema); }
    Attached(const Attached &) = delete;
    Attached &operator=(const Attached &) = delete;

private:
    Database &m_db;
};

QString soldiers(int n)
{
    return n == 1 ? u"1 soldier"_s : u"%1 soldiers"_s.arg(n);
}

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

} // namespace

QString RunHistory::Changes::text() const
{
    QStringList parts;
    if (counterSoldiers > 0)
        parts.append(u"the counters of "_s + soldiers(counterSoldiers));
    if (dateSoldiers > 0)
        parts.append(u"the assignment dates of "_s + soldiers(dateSoldiers));
    if (parts.isEmpty())
        return {};
    QString text = parts.join(u" and "_s);
    text[0] = text[0].toUpper();
    return text + u" were changed after that run."_s;
}

QString RunHistory::Entry::time() const
{
    return made.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

QString RunHistory::Entry::description() const
{
    return u"the roster run of %1, which made '%2' (%3 %4, %5 %6 filled)"_s.arg(
        time(), shownPath(datafile), QString::number(duties), duties == 1 ? u"duty"_s : u"duties"_s,
        QString::number(periods), periods == 1 ? u"period"_s : u"periods"_s);
}

RunHistory::RunHistory(const UnitFolder &folder) : m_folder(folder) {}

RunHistory::Listing RunHistory::list() const
{
    return listing(true);
}

RunHistory::Listing RunHistory::listing(bool checkEach) const
{
    Listing listing;
    if (const std::optional<Notice> fault = m_folder.historyFault())
        throw StoreError(StoreErrorCode::CannotOpen, fault->code, fault->values, m_folder.historyPath());
    Stamp now;
    {
        const Database working = Database::openReadOnly(m_folder.workingPath(), FileKind::Working);
        now = stampOf(working.connection(), u"main"_s, working.path());
    }
    QList<Entry> found;
    const QDir dir(m_folder.historyPath());
    const QFileInfoList files =
        dir.exists() ? dir.entryInfoList(
                           QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)
                     : QFileInfoList();
    for (const QFileInfo &info : files) {
        const QString name = info.fileName();
        if (name.startsWith(u".calendrix-"_s))
            continue; // a scratch file of a live or killed run
        if (!entryPattern().match(name).hasMatch()) {
            if (!(isKeptDatafile(name) && info.isFile()))
                listing.skipped.append({info.filePath(), u"'%1' is not a roster run kept by Calendrix."_s.arg(
                                                             shownPath(info.filePath()))});
            continue;
        }
        try {
            Database::verify(info.filePath(), FileKind::Working);
            if (checkEach)
                Database::checkIntegrity(info.filePath(), FileKind::Working);
            const Database db = Database::openReadOnly(info.filePath(), FileKind::Working);
            for (const QString &table : {kCountersTable, kDatesTable})
                run(db.connection(), u"SELECT count(*) FROM %1"_s.arg(table), info.filePath(),
                    u"Cannot read"_s);
            QSqlQuery q = run(db.connection(), u"SELECT * FROM %1"_s.arg(kFactsTable), info.filePath(),
                              u"Cannot read"_s);
            Entry e;
            e.path = info.filePath();
            if (q.next()) {
                e.made = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
                e.datafile = q.value(1).toString();
                e.datafileIdentity = q.value(2).toString();
                e.duties = q.value(3).toInt();
                e.periods = q.value(4).toInt();
                if (q.record().count() >= 9) {
                    e.unit = q.value(5).toString();
                    e.sequence = q.value(6).toLongLong();
                    e.change = q.value(7).toString();
                    e.parent = q.value(8).toString();
                }
            }
            if (!e.made.isValid() || e.datafile.isEmpty() || q.next() ||
                e.unit.isEmpty() != e.change.isEmpty())
                throw StoreError(StoreErrorCode::WrongFileKind, QString(), e.path);
            found.append(e);
        } catch (const StoreError &error) {
            listing.skipped.append(
                {info.filePath(),
                 error.code() == StoreErrorCode::Corrupt && !error.readyText().isEmpty()
                     ? error.readyText()
                     : u"'%1' is not a roster run kept by Calendrix, or it is damaged."_s.arg(
                           shownPath(info.filePath()))});
        }
    }

    // From the unit's last change back, each entry naming the change before
    // its own.
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
    // Before the first run that named its change come those of older
    // versions, which only their times order.
    QList<Entry> older;
    for (const Entry &e : found)
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
            listing.skipped.append(
                {e.path, u"'%1' is a roster run that can no longer be taken back: a later run of the unit is "
                         "missing."_s.arg(shownPath(e.path))});
    }
    for (qsizetype i = 0; i < found.size(); ++i) {
        const Entry &e = found.at(i);
        if (e.change.isEmpty() || taken.contains(i))
            continue;
        if (e.unit != now.unit)
            listing.skipped.append(
                {e.path, u"'%1' is a roster run of another unit."_s.arg(shownPath(e.path))});
        else if (e.sequence >= now.sequence)
            listing.skipped.append(
                {e.path, u"'%1' is a roster run that was already taken back."_s.arg(shownPath(e.path)),
                 true});
        else
            listing.skipped.append(
                {e.path, u"'%1' is a roster run that can no longer be taken back: a later run of the unit is "
                         "missing."_s.arg(shownPath(e.path))});
    }
    return listing;
}

RunHistory::Changes RunHistory::changesSince(const Entry &entry) const
{
    Database working = Database::openReadOnly(m_folder.workingPath(), FileKind::Working);
    Attached attached(working, entry.path);
    return compare(working, entry.path);
}

RunHistory::UndoResult RunHistory::undo(const Entry &entry, bool force) const
{
    UndoResult result;
    // A damaged copy is never restored.
    Database::checkIntegrity(entry.path, FileKind::Working);
    Database working = Database::open(m_folder.workingPath(), FileKind::Working);
    Attached attached(working, entry.path);
    Transaction transaction(working);
    const quint32 counterBefore = working.changeCounter();
    // Checked where it is changed, under the write lock: only the unit's last
    // change is ever taken back.
    const Stamp now = stampOf(working.connection(), u"main"_s, working.path());
    if (now.change != entry.change || (!entry.unit.isEmpty() && now.unit != entry.unit))
        throw StoreError(
            StoreErrorCode::General,
            u"'%1' is not the unit's last roster run; nothing was undone."_s.arg(shownPath(entry.path)),
            entry.path);
    result.changes = compare(working, entry.path);
    if (!result.changes.none() && !force)
        return result;

    // The datafile goes into history/ only if it is still the file the run made.
    QString movedTo;
    const QString identity = identityOf(entry.datafile);
    if (identity.isEmpty()) {
        result.note =
            u"The roster datafile of that run, '%1', is no longer there."_s.arg(shownPath(entry.datafile));
    } else if (identity != entry.datafileIdentity) {
        result.note = u"'%1' is no longer the roster datafile that run made; it stays where it is."_s.arg(
            shownPath(entry.datafile));
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
                    throw systemError(u"Cannot keep '%1' in '%2'"_s.arg(shownPath(entry.datafile),
                                                                        shownPath(m_folder.historyPath())),
                                      movedTo);
                QFile source(entry.datafile);
                if (!source.open(QIODevice::ReadOnly))
                    throw StoreError(
                        StoreErrorCode::CannotOpen,
                        u"Cannot read '%1': %2"_s.arg(shownPath(entry.datafile), source.errorString()),
                        entry.datafile);
                ScratchFile copy(movedTo);
                copy.write(source.readAll());
                copy.putInPlace(ScratchFile::Sync::Later, ScratchFile::Replace::No);
            }
            syncFolderOf(movedTo);
        }
        for (const QString &table : {u"Memory"_s, u"Dates"_s, u"Header"_s}) {
            working.exec(u"DELETE FROM main.\"%1\""_s.arg(table), u"Cannot restore"_s);
            working.exec(u"INSERT INTO main.\"%1\" SELECT * FROM %2.\"%1\""_s.arg(table, kEntrySchema),
                         u"Cannot restore"_s);
        }
        // The keys the tables will give next come back too.
        const QString tables = u"('Memory', 'Dates', 'Header')"_s;
        working.exec(u"DELETE FROM main.sqlite_sequence WHERE name IN "_s + tables, u"Cannot restore"_s);
        working.exec(
            u"INSERT INTO main.sqlite_sequence SELECT * FROM %1.sqlite_sequence WHERE name IN "_s.arg(
                kEntrySchema) +
                tables,
            u"Cannot restore"_s);
        // The unit's last change becomes the one before the run; an entry of
        // an older version leaves the unit without one, as it found it.
        if (!entry.change.isEmpty())
            writeStamp(working, {entry.unit, entry.sequence - 1, entry.parent});
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
    result.undone = true;
    result.datafileNow = movedTo;
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
        result.notice = {Notice::Kind::Information,
                         result.leftovers.isEmpty() ? NoticeCode::UndoCompleted
                                                    : NoticeCode::UndoCompletedWithLeftovers,
                         {}};
        for (const StoreError &e : std::as_const(result.leftovers))
            result.notice->causes.push_back(e.notice());
        RecoveryRecord::remove(recordPath);
        return result;
    }
    if (!movedTo.isEmpty() && pathExists(movedTo)) {
        if (pathExists(datafile))
            unlinkOrThrow(movedTo);
        else if (::rename(encodedPath(movedTo).constData(), encodedPath(datafile).constData()) != 0)
            throw systemError(u"Cannot put '%1' back as '%2'"_s.arg(shownPath(movedTo), shownPath(datafile)),
                              datafile);
    }
    result.notice = Notice{Notice::Kind::Information, NoticeCode::UndoAbandoned, {}};
    syncFolderOf(record.entry);
    if (!datafile.isEmpty())
        syncFolderOf(datafile);
    RecoveryRecord::remove(recordPath);
    return result;
}

RunHistory::Recorder::Recorder(const UnitFolder &folder) : m_folder(folder)
{
    const QDir dir(m_folder.historyPath());
    if (const std::optional<Notice> fault = m_folder.historyFault())
        throw StoreError(StoreErrorCode::CannotOpen, fault->code, fault->values, dir.path());
    if (!dir.exists() && ::mkdir(encodedPath(dir.path()).constData(), 0777) != 0 && errno != EEXIST)
        throw systemError(NoticeCode::CannotCreateFolder, dir.path());
    // Names follow the runs' order, in UTC so that a clock put back for
    // winter time cannot reorder them; two runs within a millisecond get the next one.
    m_made = QDateTime::currentDateTimeUtc();
    m_path = dir.filePath(u"run-%1.mdb"_s.arg(m_made.toString(kTimeFormat)));
    while (pathExists(m_path)) {
        m_made = m_made.addMSecs(1);
        m_path = dir.filePath(u"run-%1.mdb"_s.arg(m_made.toString(kTimeFormat)));
    }
    m_scratch = std::make_unique<ScratchFile>(m_path);
    // A connection of its own reads the file as committed: the run holds
    // the write lock but has changed nothing yet.
    Database::copyInto(m_folder.workingPath(), *m_scratch, m_path, FileKind::Working);
}

RunHistory::Recorder::~Recorder() = default;

void RunHistory::Recorder::complete(Database &working, const QString &datafile,
                                    const QString &datafileIdentity, int duties, int periods)
{
    const QString made = QDateTime::fromString(QFileInfo(m_path).completeBaseName().mid(4), kTimeFormat)
                             .toString(Qt::ISODateWithMs);
    Database entry = Database::open(m_scratch->path(), FileKind::Working);
    Transaction write(entry);
    const QSqlDatabase db = entry.connection();
    entry.exec(u"CREATE TABLE %1 (Made TEXT, Datafile TEXT, DatafileIdentity TEXT, Duties INTEGER, "
               "Periods INTEGER, Unit TEXT, Sequence INTEGER, Change TEXT, Parent TEXT)"_s.arg(kFactsTable),
               u"Cannot write"_s);
    entry.exec(u"CREATE TABLE %1 (SoldierName TEXT, Digest TEXT)"_s.arg(kCountersTable), u"Cannot write"_s);
    entry.exec(u"CREATE TABLE %1 (SoldierName TEXT, \"From\" TEXT, \"To\" TEXT)"_s.arg(kDatesTable),
               u"Cannot write"_s);
    QSqlQuery facts(db);
    // The run becomes the unit's last change, in the run's transaction. A
    // unit gets its name with its first run.
    const Stamp before = stampOf(working.connection(), u"main"_s, working.path());
    const Stamp stamp{before.unit.isEmpty() ? newName() : before.unit, before.sequence + 1, newName()};
    writeStamp(working, stamp);
    facts.prepare(u"INSERT INTO %1 VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s.arg(kFactsTable));
    for (const QVariant &v :
         {QVariant(made), QVariant(datafile), QVariant(datafileIdentity), QVariant(duties), QVariant(periods),
          QVariant(stamp.unit), QVariant(stamp.sequence), QVariant(stamp.change), QVariant(before.change)})
        facts.addBindValue(v);
    if (!facts.exec())
        throw storeErrorFrom(facts.lastError(), m_path, u"Cannot write"_s);

    const QHash<QString, QByteArray> digests =
        counterDigests(working.connection(), u"main"_s, working.path());
    QSqlQuery counter(db);
    counter.prepare(u"INSERT INTO %1 VALUES (?, ?)"_s.arg(kCountersTable));
    for (auto it = digests.cbegin(); it != digests.cend(); ++it) {
        counter.bindValue(0, it.key());
        counter.bindValue(1, QString::fromLatin1(it.value()));
        if (!counter.exec())
            throw storeErrorFrom(counter.lastError(), m_path, u"Cannot write"_s);
    }
    QSqlQuery dates =
        run(working.connection(), u"SELECT SoldierName, \"From\", \"To\" FROM \"Dates\" ORDER BY ID"_s,
            working.path(), u"Cannot read the assignment dates of"_s);
    QSqlQuery date(db);
    date.prepare(u"INSERT INTO %1 VALUES (?, ?, ?)"_s.arg(kDatesTable));
    while (dates.next()) {
        for (int i = 0; i < 3; ++i)
            date.bindValue(i, dates.value(i));
        if (!date.exec())
            throw storeErrorFrom(date.lastError(), m_path, u"Cannot write"_s);
    }
    write.commit();
}

void RunHistory::Recorder::putInPlace()
{
    m_scratch->putInPlace();
}

void RunHistory::Recorder::prune()
{
    // The run has committed; what cannot be tidied now is tidied by the next.
    try {
        // Each entry's facts tell which go; reading every page of every
        // copy is the undo's business, not each run's.
        const Listing listing = RunHistory(m_folder).listing(false);
        for (qsizetype i = kRunsKept; i < listing.entries.size(); ++i)
            ::unlink(encodedPath(listing.entries.at(i).path).constData());
        for (const Skipped &s : listing.skipped)
            if (s.undone)
                ::unlink(encodedPath(s.path).constData());
        syncFolderOf(m_path);
    } catch (const StoreError &) {
    }
}

} // namespace calendrix
