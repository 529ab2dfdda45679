#pragma once

#include "store/Layouts.h"
#include "store/StoreError.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <memory>

namespace calendrix {

struct DatabaseShared;
class ScratchFile;

// One open database file of ours. Copies of a Database share one connection.
class Database
{
public:
    Database();

    // Sets SQLite up for this program before any database is opened: no
    // count of its memory, which takes a lock around each of its
    // allocations. Does nothing once a database has been opened.
    static void configureSqlite();

    // Opens an existing file of the given kind for reading and writing. The
    // file's header is checked first: a missing file, a file that is not a
    // database or a database of another kind is refused before it is ever
    // opened for writing. A journal left by a crash is rolled back.
    static Database open(const QString &path, FileKind kind);
    // The same checks, but the connection can never write: for reading a file
    // that belongs to someone else's run, such as a finished roster datafile.
    static Database openReadOnly(const QString &path, FileKind kind);
    // openReadOnly() without reading the layouts of the file's tables, for
    // reading a few tables of each of many small files (a listing of the
    // kept runs): a statement on a table that is missing or laid out
    // otherwise fails by itself.
    static Database openReadOnlyForStatements(const QString &path, FileKind kind);
    // Like open(), but a table that is missing or not laid out as ours does
    // not refuse the whole file: each such table's error is appended to
    // tableFaults, and a record set on that table throws it, while the other
    // tables work. For windows that show what they can.
    static Database openWithFaults(const QString &path, FileKind kind, QList<StoreError> *tableFaults);
    // Throws the error of a table that openWithFaults() found unusable.
    void requireUsable(const QString &table) const;

    // Makes a new, empty file of the given kind. Fails with DestinationExists
    // when the path exists. The file appears complete or not at all.
    static void create(const QString &path, FileKind kind);

    // Copies a database into an empty scratch file that is later moved to
    // target (named in errors about the copy), and opens the copy for writing.
    static Database copyInto(const QString &source, const ScratchFile &scratch, const QString &target,
                             FileKind kind);

    // Opens an empty scratch file for writing as a new file of the given kind
    // with no tables yet: the caller makes those it holds.
    static Database openScratch(const ScratchFile &scratch, FileKind kind);
    // Neither the copy nor the commits on a scratch file are flushed to the
    // disk: ScratchFile::putInPlace() flushes the finished file once.

    // Throws the StoreError that open() would give for a file that is not a
    // sound file of this kind; does nothing for a good one. Never writes.
    // With tablesToo false it passes a file whose tables alone are missing or
    // laid out otherwise, as openWithFaults() does.
    static void verify(const QString &path, FileKind kind, bool tablesToo = true);
    // Reads every page of a file that verify() passed and throws Corrupt,
    // naming it, when one is damaged. Never writes.
    static void checkIntegrity(const QString &path, FileKind kind);

    // SQLite's file change counter of the main file (or of the database
    // attached as schema): every commit that changes the file moves it on, a
    // rollback leaves it. Read it inside a transaction (or with the file's
    // writers kept out) to know what it was before one's own commit.
    quint32 changeCounter(const QString &schema = QStringLiteral("main")) const;
    // False when the file is in WAL mode, whose commits leave the change
    // counter as it is: then it tells nothing.
    bool countsCommits() const;

    // One state of the file, for a reader that reads again only after a
    // change: any commit moves the change counter (the journal mode is
    // DELETE), and a file put in the place of this one has another identity.
    struct Version {
        QString path;
        quint32 changes = 0;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 modified = 0; // ns
        bool operator==(const Version &) const = default;
    };
    // Throws StoreError when the header cannot be read.
    Version version() const;

    // False for an optional table that the file, made before the table
    // existed, lacks.
    bool hasTable(const QString &table) const;
    // Creates the optional tables the file lacks, empty; inside the caller's
    // transaction when there is one.
    void addMissingTables();
    // Creates the indexes of the file's tables that it lacks (made before
    // them); inside the caller's transaction when there is one.
    void addMissingIndexes();

    // Makes another database file readable on this connection as schema,
    // never writable; outside a transaction.
    void attachReadOnly(const QString &path, const QString &schema);
    // Makes another of our files writable on this connection as schema, so
    // that one transaction changes both files or neither; outside a
    // transaction. Throws StoreError when the file is not of kind.
    void attach(const QString &path, const QString &schema, FileKind kind);
    void detach(const QString &schema);

    bool isOpen() const;
    void close();
    QString path() const;
    // The file as errors name it: path(), or for a scratch file the target
    // it is made to become.
    QString shownPath() const;
    // The file attached as schema, for errors on its tables; shownPath() for main.
    QString fileOf(const QString &schema) const;
    FileKind kind() const;

    // Without a transaction every update is durable on its own. Inside one,
    // nothing reaches the file until commit.
    void beginTransaction();
    void commit();
    void rollback();

    // For the record-set layer.
    QSqlDatabase connection() const;
    QSqlQuery &cachedQuery(const QString &sql);
    // action says what was being done (a database-failure code), table the
    // table it was done to.
    StoreError errorFrom(const QSqlError &error, NoticeCode action, const QString &table = {}) const;
    void exec(const QString &sql, NoticeCode action, const QString &table = {});

private:
    explicit Database(std::shared_ptr<DatabaseShared> d);
    static Database openChecked(const QString &path, FileKind kind, bool readOnly, bool tablesLater = false);
    static void checkFile(const QString &path, FileKind kind);
    // Returns the header it checked: the file's first 100 bytes.
    static QByteArray verifyHeader(const QString &path, FileKind kind);
    static Database openScratchFile(const ScratchFile &scratch, FileKind kind);
    std::shared_ptr<DatabaseShared> d;
};

// Rolls back unless committed: writes that belong together share one.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();
    void rollback();

private:
    Database &m_db;
    bool m_done = false;
};

// Maps an SQLite error to our error numbers; action is the database-failure
// code of what was being done, extra the values its sentence needs after the
// file (a table, say).
StoreError storeErrorFrom(const QSqlError &error, const QString &file, NoticeCode action,
                          const QStringList &extra = {});
StoreError storeErrorFromSqlite(int sqliteCode, const QString &detail, const QString &file, NoticeCode action,
                                const QStringList &extra = {});

} // namespace calendrix
