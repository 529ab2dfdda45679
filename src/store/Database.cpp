#include "store/Database.h"

#include "store/ScratchFile.h"
#include "store/SmallFile.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDriver>
#include <QStorageInfo>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <unordered_map>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

std::atomic<int> connectionCounter{0};

QString newConnectionName()
{
    return u"calendrix-%1"_s.arg(connectionCounter.fetch_add(1));
}

QString sqliteUri(const QString &path, bool readOnly)
{
    const QString abs = QFileInfo(path).absoluteFilePath();
    return QUrl::fromLocalFile(abs).toString(QUrl::FullyEncoded) + (readOnly ? u"?mode=ro"_s : u"?mode=rw"_s);
}

QString quoted(const QString &identifier)
{
    QString q = identifier;
    q.replace(u'"', u"\"\""_s);
    return u'"' + q + u'"';
}

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.isOpen() ? db.driver()->handle() : QVariant();
    return qstrcmp(handle.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3 *const *>(handle.constData())
                                                       : nullptr;
}

struct LockHolder {
    qint64 pid = 0;
    QString program; // empty when the system does not tell it
};

QByteArray linkTarget(const QByteArray &link)
{
    char target[4096];
    const ssize_t n = ::readlink(link.constData(), target, sizeof target);
    return n > 0 ? QByteArray(target, n) : QByteArray();
}

// The process, other than a copy of this program, that holds a lock on
// SQLite's lock bytes of a file (the pending byte at 1 GiB, the reserved byte
// and the shared range after it, whatever the file's size), as the system
// lists them; with writersOnly, only a writer in the middle of its change
// counts, not a reader. Copies of this program are left to the folder lock,
// which names them in its own words. The list is read rather than asked of a
// descriptor (F_GETLK): closing any descriptor of the file would drop
// SQLite's own locks on it.
std::optional<LockHolder> lockHolder(const QString &path, bool writersOnly)
{
    struct stat st {
    };
    QFile locks(u"/proc/locks"_s);
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !locks.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray file = QByteArray::number(major(st.st_dev), 16).rightJustified(2, '0') + ':' +
                            QByteArray::number(minor(st.st_dev), 16).rightJustified(2, '0') + ':' +
                            QByteArray::number(static_cast<qulonglong>(st.st_ino));
    constexpr qint64 pendingByte = 0x40000000;
    constexpr qint64 lockBytes = 512;
    const QByteArray self = linkTarget("/proc/self/exe");
    // "1: POSIX  ADVISORY  WRITE 4242 fe:00:1234 1073741824 1073742335"; a
    // process waiting for a lock has "->" before POSIX and holds nothing.
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        if (f.size() < 8 || f[1] != "POSIX" || f[5] != file || (writersOnly && f[3] != "WRITE"))
            continue;
        const qint64 start = f[6].toLongLong();
        const qint64 end = f[7] == "EOF" ? std::numeric_limits<qint64>::max() : f[7].toLongLong();
        const qint64 pid = f[4].toLongLong();
        const QByteArray proc = "/proc/" + f[4];
        if (end < pendingByte || start >= pendingByte + lockBytes || pid <= 0 || pid == ::getpid() ||
            (!self.isEmpty() && linkTarget(proc + "/exe") == self))
            continue;
        QFile comm(QString::fromLatin1(proc + "/comm"));
        return LockHolder{pid, comm.open(QIODevice::ReadOnly)
                                   ? QString::fromLocal8Bit(comm.readAll().trimmed())
                                   : QString()};
    }
    return std::nullopt;
}

// SQLite's own busy timeout (5 s), except that a file another program still
// holds for writing after a tenth of a second is refused: such a hold lasts as
// long as that program pleases, while another program's commit, a reader's
// lock or our own is over in a moment.
int waitUnlessHeld(void *connection, int attempt)
{
    constexpr int delays[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    constexpr int count = int(std::size(delays));
    int waited = 0;
    for (int i = 0; i < std::min(attempt, count); ++i)
        waited += delays[i];
    waited += std::max(0, attempt - count) * delays[count - 1];
    if (waited >= 5000)
        return 0;
    if (waited >= 100) {
        auto *db = static_cast<sqlite3 *>(connection);
        for (int i = 0; const char *schema = sqlite3_db_name(db, i); ++i) {
            const char *file = sqlite3_db_filename(db, schema);
            if (file && *file && lockHolder(QFile::decodeName(file), true))
                return 0;
        }
    }
    sqlite3_sleep(delays[std::min(attempt, count - 1)]);
    return 1;
}

// Opens a raw connection; the caller owns removing it.
QSqlDatabase openConnection(const QString &name, const QString &path, bool readOnly)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
    db.setDatabaseName(sqliteUri(path, readOnly));
    db.setConnectOptions(readOnly ? u"QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"_s : u"QSQLITE_OPEN_URI"_s);
    if (db.open()) {
        if (sqlite3 *handle = sqliteHandle(db))
            sqlite3_busy_handler(handle, waitUnlessHeld, handle);
    }
    return db;
}

// Removes a connection once every handle on it is gone.
class ScopedConnection
{
public:
    ScopedConnection(const QString &path, bool readOnly)
        : m_name(newConnectionName()), m_db(openConnection(m_name, path, readOnly))
    {}
    ~ScopedConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase &db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// What the file at path is meant to be: the unit's template is a roster file,
// but calling it a datafile would send the clerk looking for the wrong file.
QString kindTitle(const QString &path, FileKind kind)
{
    if (kind == FileKind::Roster && UnitFolder::isTemplateName(path))
        return u"template"_s;
    return Layouts::kindKey(kind);
}

StoreError wrongKind(const QString &path, FileKind kind, NoticeCode what, const QStringList &whatValues = {})
{
    return StoreError(StoreErrorCode::WrongFileKind, what,
                      QStringList{path} + whatValues + QStringList{kindTitle(path, kind)}, path);
}

// The tables of the file that are missing or not laid out as ours, each with
// the error that a record set on it gives. A file that cannot be read at all
// throws.
QList<std::pair<QString, StoreError>> layoutFaults(QSqlDatabase &db, const QString &path, FileKind kind)
{
    const QList<TableLayout> &tables = Layouts::tables(kind);
    // The file's tables and views by name in lower case (SQLite's own lookup
    // of a name ignores ASCII case, and ours are ASCII); then the columns of
    // ours, as a statement on each names them. Preparing a statement only
    // reads what SQLite parsed of the file already, where PRAGMA table_info
    // prepares and runs a statement of its own for every table in the file.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(u"SELECT name FROM sqlite_schema WHERE type IN ('table', 'view')"_s))
        throw storeErrorFrom(q.lastError(), path, NoticeCode::CannotReadTableLayout,
                             {tables.constFirst().name});
    QHash<QString, QString> named;
    while (q.next()) {
        const QString name = q.value(0).toString();
        named.insert(name.toLower(), name);
    }
    if (q.lastError().isValid())
        throw storeErrorFrom(q.lastError(), path, NoticeCode::CannotReadTableLayout,
                             {tables.constFirst().name});
    sqlite3 *const handle = sqliteHandle(db);
    QHash<QString, QStringList> columns;
    for (const TableLayout &table : tables) {
        const auto it = named.constFind(table.name.toLower());
        if (it == named.cend())
            continue;
        const QByteArray sql = u"SELECT * FROM main.%1"_s.arg(quoted(*it)).toUtf8();
        sqlite3_stmt *statement = nullptr;
        if (!handle ||
            sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &statement, nullptr) != SQLITE_OK) {
            const int code = handle ? sqlite3_extended_errcode(handle) : SQLITE_MISUSE;
            const QString detail = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString();
            sqlite3_finalize(statement);
            throw storeErrorFromSqlite(code, detail, path, NoticeCode::CannotReadTableLayout, {table.name});
        }
        QStringList &names = columns[table.name.toLower()];
        for (int i = 0, n = sqlite3_column_count(statement); i < n; ++i)
            names.append(QString::fromUtf8(sqlite3_column_name(statement, i)));
        sqlite3_finalize(statement);
    }

    QList<std::pair<QString, StoreError>> faults;
    for (const TableLayout &table : tables) {
        const QStringList names = columns.value(table.name.toLower());
        bool ok = names.size() >= table.fields.size();
        for (int i = 0; ok && i < table.fields.size(); ++i)
            ok = names[i].compare(table.fields[i].name, Qt::CaseInsensitive) == 0;
        if (names.isEmpty() && table.optional)
            continue;
        if (names.isEmpty())
            faults.append({table.name, StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableMissing,
                                                  {table.name, path}, path)});
        else if (!ok)
            faults.append(
                {table.name, StoreError(StoreErrorCode::WrongFileKind, NoticeCode::TableLayoutDamaged,
                                        {path, table.name, kindTitle(path, kind)}, path)});
    }
    return faults;
}

// Every roster file, the template included, starts with one header row that
// the first duty takes; without it nothing can be written into a copy.
void checkHeaderRow(QSqlDatabase &db, const QString &path)
{
    QSqlQuery q(db);
    if (!q.exec(u"SELECT 1 FROM \"header\" LIMIT 1"_s))
        throw storeErrorFrom(q.lastError(), path, NoticeCode::CannotReadHeaderTable);
    if (!q.next())
        throw StoreError(StoreErrorCode::Corrupt, NoticeCode::HeaderRowMissing, {path}, path);
}

void checkLayout(QSqlDatabase &db, const QString &path, FileKind kind)
{
    const auto faults = layoutFaults(db, path, kind);
    if (!faults.isEmpty())
        throw faults.first().second;
}

// The files whose tables this process found laid out as ours, as each was
// then: which file it was, when it last changed, and its first 100 bytes,
// which hold SQLite's change counter and schema cookie. A command opens
// the same database several times (to check the unit, to run, to copy the
// template); while a file still matches, its layout is not read again.
struct FileStamp {
    quint64 device = 0, inode = 0;
    qint64 size = 0, modified = 0, changed = 0; // times in nanoseconds
    QByteArray header;

    static std::optional<FileStamp> of(const QString &path, const QByteArray &header)
    {
        struct stat st = {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return std::nullopt;
        return FileStamp{quint64(st.st_dev),
                         quint64(st.st_ino),
                         qint64(st.st_size),
                         qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                         qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec,
                         header};
    }
    bool operator==(const FileStamp &) const = default;
};

class SoundFiles
{
public:
    static SoundFiles &instance()
    {
        static SoundFiles files;
        return files;
    }
    // headerRow: a roster file's header row was found as well.
    bool holds(const QString &path, FileKind kind, const std::optional<FileStamp> &stamp, bool headerRow)
    {
        if (!stamp)
            return false;
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_files.constFind(path);
        return it != m_files.cend() && it->kind == kind && it->stamp == *stamp &&
               (it->headerRow || !headerRow);
    }
    void remember(const QString &path, FileKind kind, const std::optional<FileStamp> &stamp, bool headerRow)
    {
        if (!stamp)
            return;
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_files.insert(path, {kind, *stamp, headerRow});
    }

private:
    struct Sound {
        FileKind kind;
        FileStamp stamp;
        bool headerRow;
    };
    std::mutex m_mutex;
    QHash<QString, Sound> m_files;
};

} // namespace

StoreError storeErrorFrom(const QSqlError &error, const QString &file, NoticeCode action,
                          const QStringList &extra)
{
    bool ok = false;
    const int native = error.nativeErrorCode().toInt(&ok);
    return storeErrorFromSqlite(ok ? native : -1,
                                error.databaseText().isEmpty() ? error.text() : error.databaseText(), file,
                                action, extra);
}

StoreError storeErrorFromSqlite(int sqliteCode, const QString &detail, const QString &file, NoticeCode action,
                                const QStringList &extra)
{
    // The number tells the reasons we know; the system's own words are kept
    // for the rest.
    const int primary = sqliteCode < 0 ? -1 : (sqliteCode & 0xff);
    StoreErrorCode code = StoreErrorCode::General;
    switch (primary) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        code = StoreErrorCode::Locked;
        break;
    case 8: // SQLITE_READONLY
        code = StoreErrorCode::ReadOnly;
        break;
    case 10: // SQLITE_IOERR
        code = StoreErrorCode::IoError;
        break;
    case 11: // SQLITE_CORRUPT
        code = StoreErrorCode::Corrupt;
        break;
    case 13: // SQLITE_FULL
        code = StoreErrorCode::DiskFull;
        break;
    case 14: // SQLITE_CANTOPEN
        code = StoreErrorCode::CannotOpen;
        break;
    case 19: // SQLITE_CONSTRAINT
        code = StoreErrorCode::Constraint;
        break;
    case 26: // SQLITE_NOTADB
        code = StoreErrorCode::WrongFileKind;
        break;
    default:
        break;
    }
    // Named while it still holds the file: writers refused at once, readers
    // when the wait for them ran out.
    if (primary == 5) {
        if (const std::optional<LockHolder> holder = lockHolder(file, false))
            return StoreError(code,
                              holder->program.isEmpty() ? NoticeCode::FileHeldByProcess
                                                        : NoticeCode::FileHeldByProgram,
                              {file, QString::number(holder->pid), holder->program}, file);
    }
    return StoreError(code, action, QStringList{detail, file} + extra, file);
}

struct DatabaseShared {
    QString connectionName;
    QSqlDatabase db;
    QString path;  // absolute
    QString shown; // the name errors give the file: path, or the target a scratch file becomes
    FileKind kind = FileKind::Personnel;
    QHash<QString, QString> attached; // file by schema
    QSet<QString> readOnly;           // the schemas attached only to be read
    // Prepared statements by their text. Declared after db so that they go
    // before the connection does; held by pointer because a QSqlQuery is not
    // to be copied.
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> statements;
    // Tables of the file that cannot be used (openWithFaults), by lower-case name.
    QHash<QString, StoreError> unusable;
    bool inTransaction = false;

    ~DatabaseShared()
    {
        statements.clear();
        if (inTransaction) {
            QSqlQuery q(db);
            q.exec(u"ROLLBACK"_s);
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
    }
};

Database::Database() = default;
Database::Database(std::shared_ptr<DatabaseShared> shared) : d(std::move(shared)) {}

void Database::verify(const QString &path, FileKind kind, bool tablesToo)
{
    checkFile(path, kind);
    const std::optional<FileStamp> stamp = FileStamp::of(path, verifyHeader(path, kind));
    if (SoundFiles::instance().holds(path, kind, stamp, kind == FileKind::Roster))
        return;
    ScopedConnection c(path, true);
    if (!c.db().isOpen())
        throw storeErrorFrom(c.db().lastError(), path, NoticeCode::CannotOpenDatabase);
    // Reading the tables' layouts still fails on a file that cannot be read.
    const auto faults = layoutFaults(c.db(), path, kind);
    if (tablesToo && !faults.isEmpty())
        throw faults.first().second;
    const bool headerSound = std::none_of(faults.cbegin(), faults.cend(),
                                          [](const auto &fault) { return fault.first == u"header"; });
    if (kind == FileKind::Roster && headerSound)
        checkHeaderRow(c.db(), path);
    if (faults.isEmpty())
        SoundFiles::instance().remember(path, kind, stamp, kind == FileKind::Roster);
}

void Database::checkIntegrity(const QString &path, FileKind kind)
{
    ScopedConnection c(path, true);
    if (!c.db().isOpen())
        throw storeErrorFrom(c.db().lastError(), path, NoticeCode::CannotOpenDatabase);
    QSqlQuery q(c.db());
    if (!q.exec(u"PRAGMA quick_check(1)"_s)) {
        const StoreError e = storeErrorFrom(q.lastError(), path, NoticeCode::CannotCheckDatabase);
        if (e.code() != StoreErrorCode::Corrupt && e.code() != StoreErrorCode::WrongFileKind)
            throw e;
        throw StoreError(StoreErrorCode::Corrupt, NoticeCode::FileDamaged,
                         {kindTitle(path, kind), path, q.lastError().databaseText()}, path);
    }
    if (q.next() && q.value(0).toString() != u"ok")
        throw StoreError(StoreErrorCode::Corrupt, NoticeCode::FileDamaged,
                         {kindTitle(path, kind), path, q.value(0).toString()}, path);
}

void Database::checkFile(const QString &path, FileKind kind)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const int error = errno;
        if (error == ENOENT && !QFileInfo(path).isSymLink())
            throw StoreError(StoreErrorCode::FileNotFound, NoticeCode::DatabaseFileNotFound,
                             {kindTitle(path, kind), path}, path);
        if (error == ENOENT)
            throw wrongKind(path, kind, NoticeCode::FileIsDanglingLink);
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::DatabaseFileUnreadable,
                         {kindTitle(path, kind), path, QString::fromLocal8Bit(strerror(error))}, path);
    }
    if (!S_ISREG(st.st_mode))
        throw wrongKind(path, kind, NoticeCode::FileIsNoFile, {UnitFolder::fileType(st.st_mode)});
    if (!QFileInfo(path).isReadable())
        throw StoreError(StoreErrorCode::CannotOpen, NoticeCode::DatabaseFileNoPermission,
                         {kindTitle(path, kind), path}, path);
    if (st.st_size == 0)
        throw wrongKind(path, kind, NoticeCode::FileIsEmpty);
}

QByteArray Database::verifyHeader(const QString &path, FileKind kind)
{
    // The kind is read from the file's header bytes, without SQLite: a file
    // left with a journal by a crash can only be recovered by a connection
    // that may write, and none is opened on a file not known to be ours.
    // Opened without waiting, and checked again once open: what checkFile()
    // saw may have been swapped for a FIFO or a device since.
    const SmallFile file = SmallFile::read(path, 100);
    if (file.state == SmallFile::State::NotAFile && file.mode != 0)
        throw wrongKind(path, kind, NoticeCode::FileIsNoFile, {UnitFolder::fileType(file.mode)});
    if (file.state != SmallFile::State::Read)
        throw StoreError(
            StoreErrorCode::CannotOpen, NoticeCode::DatabaseFileUnreadable,
            {kindTitle(path, kind), path, QString::fromLocal8Bit(strerror(file.error ? file.error : ENOENT))},
            path);
    const QByteArray &header = file.bytes;
    if (header.size() < 100 || !header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        throw wrongKind(path, kind, NoticeCode::FileIsNotDatabase);
    auto bigEndian = [&](int offset) {
        return qint32((quint32(quint8(header[offset])) << 24) | (quint32(quint8(header[offset + 1])) << 16) |
                      (quint32(quint8(header[offset + 2])) << 8) | quint32(quint8(header[offset + 3])));
    };
    const qint32 appId = bigEndian(68);
    if (appId != Layouts::applicationId(kind)) {
        for (FileKind other : {FileKind::Personnel, FileKind::Working, FileKind::Roster})
            if (appId == Layouts::applicationId(other))
                throw wrongKind(path, kind, NoticeCode::FileIsOtherKind, {Layouts::kindKey(other)});
        throw wrongKind(path, kind, NoticeCode::FileIsForeignDatabase);
    }
    if (bigEndian(60) > Layouts::schemaVersion())
        throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::FileFromNewerVersion, {path}, path);
    return header;
}

Database Database::open(const QString &path, FileKind kind)
{
    return openChecked(path, kind, false);
}

Database Database::openWithFaults(const QString &path, FileKind kind, QList<StoreError> *tableFaults)
{
    Database db = openChecked(path, kind, false, true);
    for (const auto &[table, error] : layoutFaults(db.d->db, path, kind)) {
        db.d->unusable.insert(table.toLower(), error);
        if (tableFaults)
            tableFaults->append(error);
    }
    return db;
}

void Database::requireUsable(const QString &table) const
{
    if (!d)
        return;
    const auto it = d->unusable.constFind(table.toLower());
    if (it != d->unusable.cend())
        throw it.value();
}

Database Database::openReadOnly(const QString &path, FileKind kind)
{
    return openChecked(path, kind, true);
}

void Database::configureSqlite()
{
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
}

Database Database::openReadOnlyForStatements(const QString &path, FileKind kind)
{
    return openChecked(path, kind, true, true);
}

Database Database::openChecked(const QString &path, FileKind kind, bool readOnly, bool tablesLater)
{
    checkFile(path, kind);
    const std::optional<FileStamp> stamp = FileStamp::of(path, verifyHeader(path, kind));
    auto shared = std::make_shared<DatabaseShared>();
    shared->connectionName = newConnectionName();
    shared->db = openConnection(shared->connectionName, path, readOnly);
    if (!shared->db.isOpen())
        throw storeErrorFrom(shared->db.lastError(), path, NoticeCode::CannotOpenDatabase);
    shared->path = QFileInfo(path).absoluteFilePath();
    shared->shown = shared->path;
    shared->kind = kind;
    Database db(shared);
    if (!readOnly) {
        db.exec(u"PRAGMA journal_mode=DELETE"_s, NoticeCode::CannotOpenDatabase);
        db.exec(u"PRAGMA synchronous=FULL"_s, NoticeCode::CannotOpenDatabase);
    }
    if (!tablesLater && !SoundFiles::instance().holds(path, kind, stamp, false)) {
        checkLayout(shared->db, path, kind);
        SoundFiles::instance().remember(path, kind, stamp, false);
    }
    return db;
}

bool Database::hasTable(const QString &table) const
{
    if (!isOpen())
        return false;
    QSqlQuery q(d->db);
    if (!q.exec(u"PRAGMA table_info(%1)"_s.arg(quoted(table))))
        throw errorFrom(q.lastError(), NoticeCode::CannotReadTableLayout, table);
    return q.next();
}

void Database::addMissingTables()
{
    for (const TableLayout &t : Layouts::tables(kind()))
        if (t.optional && !hasTable(t.name))
            exec(Layouts::createStatement(t, u"main"_s), NoticeCode::CannotAddTable, t.name);
}

void Database::addMissingIndexes()
{
    for (const TableLayout &t : Layouts::tables(kind()))
        if (!t.optional || hasTable(t.name))
            for (const QString &index : Layouts::indexStatements(t, u"main"_s))
                exec(index, NoticeCode::CannotWriteTable, t.name);
}

bool Database::isOpen() const
{
    return d && d->db.isOpen();
}

void Database::close()
{
    d.reset();
}

QString Database::path() const
{
    return d ? d->path : QString();
}

QString Database::shownPath() const
{
    return d ? d->shown : QString();
}

QString Database::fileOf(const QString &schema) const
{
    return d ? d->attached.value(schema, d->shown) : QString();
}

FileKind Database::kind() const
{
    return d ? d->kind : FileKind::Personnel;
}

quint32 Database::changeCounter(const QString &schema) const
{
    // Read through SQLite's own handle on the file: opening and closing a
    // second descriptor would drop the locks SQLite holds on it.
    sqlite3 *const connection = isOpen() ? sqliteHandle(d->db) : nullptr;
    sqlite3_file *file = nullptr;
    unsigned char bytes[4] = {};
    // The counter is bytes 24 to 27 of the file's header, big-endian.
    if (!connection ||
        sqlite3_file_control(connection, schema.toUtf8().constData(), SQLITE_FCNTL_FILE_POINTER, &file) !=
            SQLITE_OK ||
        !file || !file->pMethods || file->pMethods->xRead(file, bytes, 4, 24) != SQLITE_OK)
        throw StoreError(StoreErrorCode::IoError, NoticeCode::CannotReadFileHeader, {path()}, path());
    return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | quint32(bytes[3]);
}

Database::Version Database::version() const
{
    Version v{path(), changeCounter()};
    // stat, not open: closing a descriptor of our own would drop SQLite's locks.
    struct stat st = {};
    if (::stat(QFile::encodeName(v.path).constData(), &st) == 0) {
        v.device = quint64(st.st_dev);
        v.inode = quint64(st.st_ino);
        v.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return v;
}

bool Database::countsCommits() const
{
    QSqlQuery q(d->db);
    if (!q.exec(u"PRAGMA main.journal_mode"_s) || !q.next())
        throw errorFrom(q.lastError(), NoticeCode::CannotOpenDatabase);
    return q.value(0).toString().compare(u"wal"_s, Qt::CaseInsensitive) != 0;
}

void Database::beginTransaction()
{
    if (!isOpen())
        throw StoreError(StoreErrorCode::General, NoticeCode::NoDatabaseOpen, {});
    if (d->inTransaction)
        throw StoreError(StoreErrorCode::General, NoticeCode::TransactionAlreadyOpen, {}, path());
    exec(u"BEGIN IMMEDIATE"_s, NoticeCode::CannotStartWriting);
    d->inTransaction = true;
}

void Database::commit()
{
    if (!isOpen() || !d->inTransaction)
        return;
    QSqlQuery q(d->db);
    if (!q.exec(u"COMMIT"_s)) {
        const StoreError e = errorFrom(q.lastError(), NoticeCode::CannotSaveChanges);
        if (e.code() != StoreErrorCode::DiskFull || d->attached.isEmpty())
            throw e;
        // SQLite does not say which file of a commit across several found
        // no room. Files on one disk share its room, and the main file is
        // named; of files on other disks, the one with least room left.
        QString full = d->shown;
        qint64 least = QStorageInfo(QFileInfo(full).absolutePath()).bytesAvailable();
        for (auto it = d->attached.cbegin(); it != d->attached.cend(); ++it) {
            if (d->readOnly.contains(it.key()))
                continue;
            const qint64 room = QStorageInfo(QFileInfo(it.value()).absolutePath()).bytesAvailable();
            if (room >= 0 && (least < 0 || room < least)) {
                least = room;
                full = it.value();
            }
        }
        throw storeErrorFrom(q.lastError(), full, NoticeCode::CannotSaveChanges);
    }
    d->inTransaction = false;
}

void Database::rollback()
{
    if (!isOpen() || !d->inTransaction)
        return;
    d->inTransaction = false;
    QSqlQuery q(d->db);
    q.exec(u"ROLLBACK"_s);
}

QSqlDatabase Database::connection() const
{
    return d ? d->db : QSqlDatabase();
}

QSqlQuery &Database::cachedQuery(const QString &sql)
{
    std::unique_ptr<QSqlQuery> &q = d->statements[sql];
    if (!q) {
        auto prepared = std::make_unique<QSqlQuery>(d->db);
        if (!prepared->prepare(sql)) {
            d->statements.erase(sql);
            throw storeErrorFrom(prepared->lastError(), d->shown, NoticeCode::CannotPrepareStatement);
        }
        q = std::move(prepared);
    }
    return *q;
}

StoreError Database::errorFrom(const QSqlError &error, NoticeCode action, const QString &table) const
{
    return storeErrorFrom(error, d ? d->shown : QString(), action,
                          table.isEmpty() ? QStringList() : QStringList{table});
}

void Database::exec(const QString &sql, NoticeCode action, const QString &table)
{
    QSqlQuery q(d->db);
    if (!q.exec(sql))
        throw errorFrom(q.lastError(), action, table);
}

void Database::attachReadOnly(const QString &path, const QString &schema)
{
    QSqlQuery q(d->db);
    q.prepare(u"ATTACH DATABASE ? AS %1"_s.arg(quoted(schema)));
    q.addBindValue(sqliteUri(path, true));
    if (!q.exec())
        throw storeErrorFrom(q.lastError(), path, NoticeCode::CannotOpenDatabase);
    d->attached.insert(schema, path);
    d->readOnly.insert(schema);
}

void Database::attach(const QString &path, const QString &schema, FileKind kind)
{
    verify(path, kind);
    QSqlQuery q(d->db);
    q.prepare(u"ATTACH DATABASE ? AS %1"_s.arg(quoted(schema)));
    q.addBindValue(sqliteUri(path, false));
    if (!q.exec())
        throw storeErrorFrom(q.lastError(), path, NoticeCode::CannotOpenDatabase);
    exec(u"PRAGMA %1.journal_mode=DELETE"_s.arg(quoted(schema)), NoticeCode::CannotOpenDatabase);
    exec(u"PRAGMA %1.synchronous=FULL"_s.arg(quoted(schema)), NoticeCode::CannotOpenDatabase);
    d->attached.insert(schema, path);
    d->readOnly.remove(schema);
}

void Database::detach(const QString &schema)
{
    QSqlQuery q(d->db);
    q.exec(u"DETACH DATABASE %1"_s.arg(quoted(schema)));
    d->attached.remove(schema);
    d->readOnly.remove(schema);
}

namespace {

// Makes a new file at path through build(scratch), where scratch is an empty
// file beside it; the file appears complete under its name or not at all.
void makeFile(const QString &path, const std::function<void(const QString &)> &build)
{
    const QFileInfo target(path);
    if (target.exists() || target.isSymLink())
        throw StoreError(StoreErrorCode::DestinationExists, NoticeCode::FileExists, {path}, path);
    ScratchFile scratch(path);
    build(scratch.path());
    scratch.sync();
    // A file made meanwhile is kept.
    scratch.putInPlace(ScratchFile::Sync::Now, ScratchFile::Replace::No);
}

// Copies the source's pages into the empty scratch database `out` with
// SQLite's backup, then checks the copy's structure page by page: a damaged
// source shows as a damaged copy, and a file the size of a template costs a
// fraction of what rebuilding it table by table would.
void copyPages(const QString &source, FileKind kind, sqlite3 *out, const QString &destination)
{
    ScopedConnection from(source, true);
    if (!from.db().isOpen())
        throw storeErrorFrom(from.db().lastError(), source, NoticeCode::CannotOpenDatabase);
    sqlite3 *const in = sqliteHandle(from.db());
    // A failed write belongs to the destination's folder; the scratch
    // file's own name means nothing to anyone.
    const QStringList where{source, QFileInfo(destination).absolutePath()};
    auto damaged = [&](const QString &detail) {
        return StoreError(StoreErrorCode::Corrupt, NoticeCode::FileDamagedCannotCopy,
                          {kindTitle(source, kind), source, detail}, source);
    };
    sqlite3_backup *backup = sqlite3_backup_init(out, "main", in, "main");
    if (!backup)
        throw storeErrorFromSqlite(sqlite3_extended_errcode(out), QString::fromUtf8(sqlite3_errmsg(out)),
                                   destination, NoticeCode::CannotCopyDatabase, where);
    const int stepped = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE) {
        // The source's fault when it cannot be read as a database; the
        // destination's when its pages cannot be written.
        if ((stepped & 0xff) == SQLITE_CORRUPT || (stepped & 0xff) == SQLITE_NOTADB)
            throw damaged(QString::fromUtf8(sqlite3_errstr(stepped)));
        const QString detail = sqlite3_errcode(out) == SQLITE_OK ? QString::fromUtf8(sqlite3_errstr(stepped))
                                                                 : QString::fromUtf8(sqlite3_errmsg(out));
        throw storeErrorFromSqlite(stepped, detail, destination, NoticeCode::CannotCopyDatabase, where);
    }
    // Pages are copied as they are: the check finds what a damaged source
    // carried into the copy, as reading every row would.
    sqlite3_stmt *check = nullptr;
    int rc = sqlite3_prepare_v2(out, "PRAGMA quick_check", -1, &check, nullptr);
    QStringList faults;
    while (rc == SQLITE_OK || rc == SQLITE_ROW) {
        if ((rc = sqlite3_step(check)) != SQLITE_ROW)
            break;
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(check, 0));
        const QString line = text ? QString::fromUtf8(text) : QString();
        if (line != u"ok"_s)
            faults.append(line);
    }
    const int code = rc == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(out);
    const QString message = QString::fromUtf8(code == SQLITE_OK ? "" : sqlite3_errmsg(out));
    sqlite3_finalize(check);
    if (code != SQLITE_OK) {
        if ((code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB)
            throw damaged(message);
        throw storeErrorFromSqlite(code, message, destination, NoticeCode::CannotCopyDatabase, where);
    }
    if (!faults.isEmpty())
        throw damaged(faults.join(u'\n'));
}

} // namespace

void Database::create(const QString &path, FileKind kind)
{
    makeFile(path, [&](const QString &scratch) {
        ScopedConnection c(scratch, false);
        if (!c.db().isOpen())
            throw storeErrorFrom(c.db().lastError(), path, NoticeCode::CannotCreateDatabase);
        QSqlQuery q(c.db());
        auto run = [&](const QString &sql) {
            if (!q.exec(sql))
                throw storeErrorFrom(q.lastError(), path, NoticeCode::CannotCreateDatabase);
        };
        run(u"PRAGMA journal_mode=DELETE"_s);
        run(u"PRAGMA application_id=%1"_s.arg(Layouts::applicationId(kind)));
        run(u"PRAGMA user_version=%1"_s.arg(Layouts::schemaVersion()));
        run(u"BEGIN"_s);
        for (const TableLayout &t : Layouts::tables(kind)) {
            run(Layouts::createStatement(t, u"main"_s));
            for (const QString &index : Layouts::indexStatements(t, u"main"_s))
                run(index);
        }
        // A new personnel database carries its one row of (untitled)
        // qualifications; the template its one empty header row.
        if (kind == FileKind::Personnel)
            run(u"INSERT INTO \"Qualifications\" DEFAULT VALUES"_s);
        if (kind == FileKind::Roster)
            run(u"INSERT INTO \"header\" DEFAULT VALUES"_s);
        run(u"COMMIT"_s);
    });
}

Database Database::openScratchFile(const ScratchFile &scratch, FileKind kind)
{
    auto shared = std::make_shared<DatabaseShared>();
    shared->connectionName = newConnectionName();
    shared->db = openConnection(shared->connectionName, scratch.path(), false);
    if (!shared->db.isOpen())
        throw storeErrorFrom(shared->db.lastError(), scratch.path(), NoticeCode::CannotCreateDatabase);
    shared->path = QFileInfo(scratch.path()).absoluteFilePath();
    // Its hidden name means nothing to anyone, and is gone after a failure.
    shared->shown = QFileInfo(scratch.target()).absoluteFilePath();
    shared->kind = kind;
    Database db(shared);
    // A commit still rolls back whole on an error; but nothing reads the file
    // before it is put in place, which flushes it once.
    db.exec(u"PRAGMA journal_mode=DELETE"_s, NoticeCode::CannotCreateDatabase);
    db.exec(u"PRAGMA synchronous=OFF"_s, NoticeCode::CannotCreateDatabase);
    return db;
}

Database Database::openScratch(const ScratchFile &scratch, FileKind kind)
{
    Database db = openScratchFile(scratch, kind);
    // The file's kind in one commit, not one for each mark.
    Transaction marks(db);
    db.exec(u"PRAGMA application_id=%1"_s.arg(Layouts::applicationId(kind)),
            NoticeCode::CannotCreateDatabase);
    db.exec(u"PRAGMA user_version=%1"_s.arg(Layouts::schemaVersion()), NoticeCode::CannotCreateDatabase);
    marks.commit();
    return db;
}

Database Database::copyInto(const QString &source, const ScratchFile &scratch, const QString &target,
                            FileKind kind)
{
    verify(source, kind);
    Database copy = openScratchFile(scratch, kind);
    copyPages(source, kind, sqliteHandle(copy.connection()), target);
    return copy;
}

Transaction::Transaction(Database &db) : m_db(db)
{
    m_db.beginTransaction();
}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollback();
}

void Transaction::commit()
{
    m_db.commit();
    m_done = true;
}

void Transaction::rollback()
{
    m_db.rollback();
    m_done = true;
}

} // namespace calendrix
