#include "TestUnit.h"

#include "SmallDisk.h"
#include "store/Fields.h"
#include "store/FolderLock.h"
#include "store/Layouts.h"
#include "store/ScratchFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <optional>
#include <sys/file.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_Files : public QObject
{
    Q_OBJECT

private slots:
    void wrongFilesAreRefusedUntouched_data();
    void wrongFilesAreRefusedUntouched();
    void copyFromADamagedTemplateNamesIt_data();
    void copyFromADamagedTemplateNamesIt();
    void initKeepsExistingFiles();
    void changeAfterACheckIsCheckedAgain_data();
    void changeAfterACheckIsCheckedAgain();
    void layoutsAsTheSqliteShellSeesThem_data();
    void layoutsAsTheSqliteShellSeesThem();
    void optionalTableMayBeMissing_data();
    void optionalTableMayBeMissing();
    void lockOfNoLiveProcessIsTakenOver_data();
    void lockOfNoLiveProcessIsTakenOver();
    void lockOnAFolderThatIsNotThere_data();
    void lockOnAFolderThatIsNotThere();
    void sweepTakesOnlyAbandonedScratchFiles_data();
    void sweepTakesOnlyAbandonedScratchFiles();
    void hiddenNamesDiffer();
    void onlyAFileIsWrittenOver_data();
    void onlyAFileIsWrittenOver();
};

namespace {

QByteArray fileHash(const QString &path)
{
    return QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256);
}

// A copy of a unit file as a later Calendrix, with a layout of its own, would leave it.
void makeNewerFile(const QString &from, const QString &path)
{
    QVERIFY(QFile::copy(from, path));
    QCOMPARE(sqliteShell(path, u"PRAGMA user_version=%1"_s.arg(Layouts::schemaVersion() + 1), true),
             QString());
}

} // namespace

void tst_Files::wrongFilesAreRefusedUntouched_data()
{
    QTest::addColumn<QString>("content"); // how the file is made
    QTest::addColumn<int>("expectedKind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<QString>("name");
    const int personnel = int(FileKind::Personnel), working = int(FileKind::Working);
    const int wrong = int(StoreErrorCode::WrongFileKind);
    QTest::newRow("missing") << u"missing"_s << personnel << int(StoreErrorCode::FileNotFound)
                             << u"does not exist"_s << u"target.mdb"_s;
    QTest::newRow("text file") << u"text"_s << personnel << wrong << u"not a database"_s << u"target.mdb"_s;
    QTest::newRow("empty file") << u"empty"_s << working << wrong << u"empty"_s << u"target.mdb"_s;
    QTest::newRow("other program's database")
        << u"foreign"_s << personnel << wrong << u"another program"_s << u"target.mdb"_s;
    QTest::newRow("datafile for personnel")
        << u"datafile"_s << personnel << wrong << u"roster datafile"_s << u"target.mdb"_s;
    QTest::newRow("working for personnel")
        << u"working"_s << personnel << wrong << u"working database"_s << u"target.mdb"_s;
    QTest::newRow("personnel for working")
        << u"personnel"_s << working << wrong << u"personnel database"_s << u"target.mdb"_s;
    QTest::newRow("folder") << u"folder"_s << working << wrong << u"is a folder"_s << u"target.mdb"_s;
    // A computed column moves every column after it, as the program reads rows.
    QTest::newRow("computed column among ours")
        << u"computed"_s << personnel << wrong << u"WorkSchedule"_s << u"target.mdb"_s;
    QTest::newRow("truncated database")
        << u"truncated"_s << personnel << int(StoreErrorCode::Corrupt) << u"damaged"_s << u"target.mdb"_s;
    const int roster = int(FileKind::Roster);
    QTest::newRow("FIFO") << u"fifo"_s << working << wrong << u"is a FIFO"_s << u"Memory.mdb"_s;
    QTest::newRow("device") << u"device"_s << personnel << wrong << u"is a device"_s << u"Datafile32.mdb"_s;
    QTest::newRow("template missing") << u"missing"_s << roster << int(StoreErrorCode::FileNotFound)
                                      << u"roster template"_s << u"template.tem"_s;
    QTest::newRow("template a folder")
        << u"folder"_s << roster << wrong << u"roster template"_s << u"template.tem"_s;
    QTest::newRow("personnel of a newer version")
        << u"newer personnel"_s << personnel << wrong << u"newer version"_s << u"target.mdb"_s;
    QTest::newRow("working database of a newer version")
        << u"newer working"_s << working << wrong << u"newer version"_s << u"target.mdb"_s;
    QTest::newRow("datafile of a newer version")
        << u"newer datafile"_s << roster << wrong << u"newer version"_s << u"target.cxr"_s;
}

void tst_Files::wrongFilesAreRefusedUntouched()
{
    QFETCH(QString, content);
    QFETCH(int, expectedKind);
    QFETCH(int, code);
    QFETCH(QString, mentions);
    QFETCH(QString, name);

    TestUnit unit;
    const QString path = unit.path(name);
    if (QFileInfo::exists(path))
        QVERIFY(QFile::remove(path));
    if (content == u"text")
        writeFile(path, "SoldierName,Rank\r\nAdams,E\r\n");
    else if (content == u"empty")
        writeFile(path, QByteArray());
    else if (content == u"foreign")
        QCOMPARE(sqliteShell(path, u"CREATE TABLE SoldierRoster (x)"_s, true), QString());
    else if (content == u"datafile")
        QVERIFY(QFile::copy(unit.folder.templatePath(), path));
    else if (content == u"working")
        QVERIFY(QFile::copy(unit.folder.workingPath(), path));
    else if (content == u"personnel")
        QVERIFY(QFile::copy(unit.folder.personnelPath(), path));
    else if (content == u"folder")
        QVERIFY(QDir().mkdir(path));
    else if (content == u"computed") {
        QVERIFY(QFile::copy(unit.folder.personnelPath(), path));
        QCOMPARE(sqliteShell(path,
                             u"DROP TABLE WorkSchedule; CREATE TABLE WorkSchedule (ID INTEGER PRIMARY KEY, "
                             "Twice AS (ID * 2), DutyName TEXT, \"From\" DATE, \"To\" DATE)"_s,
                             true),
                 QString());
    } else if (content == u"newer personnel")
        makeNewerFile(unit.folder.personnelPath(), path);
    else if (content == u"newer working")
        makeNewerFile(unit.folder.workingPath(), path);
    else if (content == u"newer datafile")
        makeNewerFile(unit.folder.templatePath(), path);
    else if (content == u"fifo")
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (content == u"device")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    else if (content == u"truncated")
        writeFile(path, readFile(unit.folder.personnelPath()).left(1500));
    // Reading a FIFO or an endless device whole cannot be done.
    const bool special = content == u"fifo" || content == u"device";
    const QByteArray before = special ? QByteArray() : fileHash(path);
    const QStringList filesBefore = QDir(unit.dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    try {
        Database::open(path, FileKind(expectedKind));
        QFAIL("opened a file of the wrong kind");
    } catch (const StoreError &e) {
        QCOMPARE(e.number(), code);
        const QString text = NoticeText::text(e);
        QVERIFY2(text.contains(QFileInfo(path).fileName()) && text.contains(mentions), qPrintable(text));
    }
    if (!special)
        QCOMPARE(fileHash(path), before);
    QCOMPARE(QDir(unit.dir.path()).entryList(QDir::AllEntries | QDir::Hidden), filesBefore);
}

void tst_Files::copyFromADamagedTemplateNamesIt_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("no header row") << u"no header row"_s << u"no row"_s;
    QTest::newRow("damaged page") << u"page"_s << u"damaged"_s;
    QTest::newRow("missing") << u"missing"_s << u"does not exist"_s;
}

void tst_Files::copyFromADamagedTemplateNamesIt()
{
    QFETCH(QString, damage);
    QFETCH(QString, mentions);
    TestUnit unit;
    const QString templ = unit.folder.templatePath();
    if (damage == u"no header row") {
        Database db = Database::open(templ, FileKind::Roster);
        db.exec(u"DELETE FROM header"_s, NoticeCode::DatabaseFailed);
    } else if (damage == u"page") {
        damageTable(templ, FileKind::Roster, u"storeage"_s);
    } else {
        QVERIFY(QFile::remove(templ));
    }
    // As a roster run copies it: into a hidden scratch file beside the datafile.
    const QString target = unit.path(u"June.cxr"_s);
    {
        const ScratchFile scratch(target);
        try {
            Database::copyInto(templ, scratch, target, FileKind::Roster);
            QFAIL("copied a damaged template");
        } catch (const StoreError &e) {
            const QString text = NoticeText::text(e);
            QVERIFY2(text.contains(u"template.tem"_s) && text.contains(mentions), qPrintable(text));
            QVERIFY2(!text.contains(u".calendrix-"_s) && !text.contains(u"roster datafile"_s),
                     qPrintable(text));
        }
    }
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(QDir(unit.dir.path()).entryList({u".calendrix-*"_s}, QDir::Files | QDir::Hidden), QStringList());
}

void tst_Files::initKeepsExistingFiles()
{
    TestUnit unit;
    addRows(unit.personnel(), u"Sections"_s, {{u"HQ"_s}});
    const QByteArray before = fileHash(unit.folder.personnelPath());
    EXPECT_STORE_ERROR(Database::create(unit.folder.personnelPath(), FileKind::Personnel),
                       StoreErrorCode::DestinationExists);
    QCOMPARE(fileHash(unit.folder.personnelPath()), before);
    const UnitFolder::InitResult again = unit.folder.init();
    QVERIFY(again.created.isEmpty());
    QVERIFY(again.kept.contains(unit.folder.personnelPath()));
    QCOMPARE(fileHash(unit.folder.personnelPath()), before);

    // A missing file is made again; the others stay.
    QVERIFY(QFile::remove(unit.folder.templatePath()));
    const UnitFolder::InitResult repaired = unit.folder.init();
    QCOMPARE(repaired.created, QStringList{unit.folder.templatePath()});
    QCOMPARE(rowCount(unit.personnel(), u"Sections"_s), 1);
    // A new personnel database has its one row of untitled qualifications.
    RecordSet titles(unit.personnel(), u"Qualifications"_s);
    QCOMPARE(rowCount(titles), 1);
    for (int k = 1; k <= 15; ++k)
        QVERIFY(titles.value(k).isNull());
}

void tst_Files::changeAfterACheckIsCheckedAgain_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("change"); // SQL run on the file by another program
    QTest::addColumn<int>("code");
    const int wrong = int(StoreErrorCode::WrongFileKind);
    QTest::newRow("a table dropped") << int(FileKind::Personnel) << u"DROP TABLE Qualifications"_s
                                     << int(StoreErrorCode::ItemNotFound);
    QTest::newRow("a column renamed")
        << int(FileKind::Working) << u"ALTER TABLE Memory RENAME COLUMN Count TO Tally"_s << wrong;
    QTest::newRow("a table made anew")
        << int(FileKind::Working) << u"DROP TABLE Dates; CREATE TABLE Dates (ID INTEGER PRIMARY KEY)"_s
        << wrong;
    QTest::newRow("the template's header row deleted")
        << int(FileKind::Roster) << u"DELETE FROM header"_s << int(StoreErrorCode::Corrupt);
}

// A file that passed a check and then changed is checked again, however
// soon after and however small the change.
void tst_Files::changeAfterACheckIsCheckedAgain()
{
    QFETCH(int, kind);
    QFETCH(QString, change);
    QFETCH(int, code);
    TestUnit unit;
    const FileKind fileKind = FileKind(kind);
    const QString path = fileKind == FileKind::Personnel ? unit.folder.personnelPath()
                         : fileKind == FileKind::Working ? unit.folder.workingPath()
                                                         : unit.folder.templatePath();
    Database::verify(path, fileKind);
    Database::open(path, fileKind).close();
    QCOMPARE(sqliteShell(path, change, true), QString());
    for (const bool opening : {false, true}) {
        // Opening does not look for the header row.
        if (opening && fileKind == FileKind::Roster)
            continue;
        try {
            if (opening)
                Database::open(path, fileKind);
            else
                Database::verify(path, fileKind);
            QFAIL(opening ? "opened" : "passed");
        } catch (const StoreError &e) {
            QCOMPARE(int(e.code()), code);
        }
    }
}

void tst_Files::layoutsAsTheSqliteShellSeesThem_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns"); // name:type, in ordinal order

    QString q15, qt15, d36, c36, h36;
    for (int i = 1; i <= 15; ++i) {
        q15 += u",Q%1:BOOLEAN"_s.arg(i);
        qt15 += u",Q%1:TEXT"_s.arg(i);
    }
    for (int i = 1; i <= 36; ++i) {
        d36 += u",D%1:TEXT"_s.arg(i);
        c36 += u",C%1:TEXT"_s.arg(i);
        h36 += u",H%1:BOOLEAN"_s.arg(i);
    }
    const QString id = u"ID:INTEGER"_s;
    QTest::newRow("SoldierRoster") << u"Datafile32.mdb"_s << u"SoldierRoster"_s
                                   << id + u",SoldierName:TEXT,SoldierRank:TEXT,Section:TEXT"_s + q15;
    QTest::newRow("DutyDates") << u"Datafile32.mdb"_s << u"DutyDates"_s
                               << id + u",DutyName:TEXT,Organization:TEXT"_s + q15;
    QTest::newRow("WorkSchedule") << u"Datafile32.mdb"_s << u"WorkSchedule"_s
                                  << id + u",DutyName:TEXT,From:DATE,To:DATE"_s;
    QTest::newRow("AbsentDates") << u"Datafile32.mdb"_s << u"AbsentDates"_s
                                 << id + u",SoldierName:TEXT,From:DATE,To:DATE,Reason:TEXT"_s;
    QTest::newRow("Sections") << u"Datafile32.mdb"_s << u"Sections"_s << id + u",Section:TEXT"_s;
    QTest::newRow("Holiday") << u"Datafile32.mdb"_s << u"Holiday"_s << id + u",Name:TEXT,From:DATE,To:DATE"_s;
    QTest::newRow("Qualifications") << u"Datafile32.mdb"_s << u"Qualifications"_s << id + qt15;
    QTest::newRow("Memory") << u"Memory.mdb"_s << u"Memory"_s
                            << id + u",Marker:BOOLEAN,SoldierName:TEXT,Rank:TEXT,DutyName:TEXT,"
                                    "Count:INTEGER,HCount:INTEGER,Remarks:TEXT"_s;
    QTest::newRow("Dates") << u"Memory.mdb"_s << u"Dates"_s << id + u",SoldierName:TEXT,From:DATE,To:DATE"_s;
    QTest::newRow("Header") << u"Memory.mdb"_s << u"Header"_s << id + u",DutyName:TEXT"_s;
    QTest::newRow("header") << u"template.tem"_s << u"header"_s
                            << id + u",DutyName:TEXT,Organization:TEXT,Spare3:TEXT,Spare4:TEXT"_s + d36;
    QTest::newRow("storeage") << u"template.tem"_s << u"storeage"_s
                              << id + u",DutyName:TEXT,SoldierName:TEXT,Rank:TEXT,Remarks:TEXT"_s + c36 + h36;
    QTest::newRow("periods") << u"template.tem"_s << u"periods"_s
                             << id + u",DutyName:TEXT,Col:INTEGER,From:DATE,To:DATE"_s;
}

// Other tools read our files: the sqlite3 shell must see exactly these layouts.
void tst_Files::layoutsAsTheSqliteShellSeesThem()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QString, columns);
    TestUnit unit;
    const QString got =
        sqliteShell(unit.path(file), u"SELECT name || ':' || type FROM pragma_table_info('%1')"_s.arg(table));
    QCOMPARE(got.split(u'\n').join(u','), columns);
}

void tst_Files::optionalTableMayBeMissing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("periods"); // how the file holds the table
    QTest::addColumn<bool>("sound");
    QTest::newRow("template without periods") << u"template.tem"_s << u"missing"_s << true;
    QTest::newRow("datafile without periods") << u"March.cxr"_s << u"missing"_s << true;
    QTest::newRow("datafile with periods") << u"March.cxr"_s << u"ours"_s << true;
    QTest::newRow("periods of another layout") << u"March.cxr"_s << u"other"_s << false;
}

// Roster files made before the periods table existed are still roster files;
// a periods table that is not ours is damage all the same.
void tst_Files::optionalTableMayBeMissing()
{
    QFETCH(QString, name);
    QFETCH(QString, periods);
    QFETCH(bool, sound);
    TestUnit unit;
    const QString path = unit.path(name);
    if (path != unit.folder.templatePath())
        QVERIFY(QFile::copy(unit.folder.templatePath(), path));
    if (periods != u"ours")
        dropTable(path, FileKind::Roster, u"periods"_s);
    if (periods == u"other") {
        const Database db = Database::open(unit.folder.personnelPath(), FileKind::Personnel);
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(u"ATTACH DATABASE '%1' AS roster"_s.arg(path)));
        QVERIFY(q.exec(u"CREATE TABLE roster.periods (ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT)"_s));
        QVERIFY(q.exec(u"DETACH DATABASE roster"_s));
    }

    const QByteArray before = fileHash(path);
    try {
        Database::verify(path, FileKind::Roster);
        const Database db = Database::openReadOnly(path, FileKind::Roster);
        QVERIFY(sound);
        QCOMPARE(db.hasTable(u"periods"_s), periods == u"ours");
        QCOMPARE(db.hasTable(u"header"_s), true);
        QList<StoreError> faults;
        Database::openWithFaults(path, FileKind::Roster, &faults);
        QVERIFY(faults.isEmpty());
    } catch (const StoreError &e) {
        QVERIFY2(!sound, qPrintable(NoticeText::text(e)));
        QCOMPARE(e.code(), StoreErrorCode::WrongFileKind);
        QVERIFY(NoticeText::text(e).contains(u"its table periods does not have the layout"_s));
    }
    // Looking never adds the table: that is the run's, inside its own writing.
    QCOMPARE(fileHash(path), before);
    if (!sound)
        return;

    Database db = Database::open(path, FileKind::Roster);
    {
        Transaction t(db);
        db.addMissingTables();
        t.commit();
    }
    QVERIFY(db.hasTable(u"periods"_s));
    RecordSet rows(db, u"periods"_s);
    QCOMPARE(rowCount(rows), 0);
    QCOMPARE(db.connection().record(u"periods"_s).count(), Fields::Periods::fieldCount);
}

void tst_Files::lockOfNoLiveProcessIsTakenOver_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("heldByTheLiving"); // its flock held, as by a copy still starting
    QTest::newRow("empty, left by a kill") << QByteArray() << false;
    QTest::newRow("unreadable") << QByteArray("\0\xff\xfe\x01garbage", 12) << false;
    QTest::newRow("of a process long gone") << QByteArray("2147483646\ncalendrix\nelsewhere\n") << false;
    QTest::newRow("empty, being made by a live copy") << QByteArray() << true;
}

void tst_Files::lockOfNoLiveProcessIsTakenOver()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, heldByTheLiving);
    TestUnit unit;
    const QString path = unit.folder.lockPath();
    writeFile(path, content);
    QFile living(path);
    if (heldByTheLiving) {
        QVERIFY(living.open(QIODevice::ReadWrite));
        QVERIFY(::flock(living.handle(), LOCK_EX | LOCK_NB) == 0);
    }
    FolderLock lock(unit.dir.path());
    QCOMPARE(lock.tryLock(), !heldByTheLiving);
    if (heldByTheLiving) {
        QVERIFY(NoticeText::text(lock.error()).contains(u"in use by another program"_s));
        return;
    }
    // The lock is really ours: no other copy gets it while we hold it, and
    // is told which folder and which process.
    FolderLock second(unit.dir.path());
    QVERIFY(!second.tryLock());
    QVERIFY(NoticeText::text(second.error()).contains(QString::number(QCoreApplication::applicationPid())) &&
            NoticeText::text(second.error()).contains(QDir::toNativeSeparators(unit.dir.path())));
}

void tst_Files::lockOnAFolderThatIsNotThere_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing") << u"missing"_s << u"does not exist"_s;
    QTest::newRow("a file") << u"file"_s << u"is not a folder"_s;
    QTest::newRow("on a full disk") << u"full"_s << u"cannot be written (is the disk full?)"_s;
}

void tst_Files::lockOnAFolderThatIsNotThere()
{
    QFETCH(QString, what);
    QFETCH(QString, says);
    QTemporaryDir tmp;
    const SmallDisk disk(64 * 1024);
    if (what == u"full" && !disk.isMounted())
        QSKIP("no permission to mount a small disk here");
    const QString dir = (what == u"full" ? disk.path() : tmp.path()) + u"/unit"_s;
    if (what == u"file")
        writeFile(dir, "a file");
    if (what == u"full") {
        QDir().mkpath(dir);
        disk.fill();
    }
    FolderLock lock(dir);
    QVERIFY(!lock.tryLock());
    const QString text = NoticeText::text(lock.error());
    QVERIFY2(text.contains(says) && text.contains(QDir::toNativeSeparators(dir)), qPrintable(text));
}

// A sweep reads the folder by name; what it removes must still be only a
// scratch file no one holds, or a journal whose scratch file is gone.
void tst_Files::sweepTakesOnlyAbandonedScratchFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // file, held, link, folder
    QTest::addColumn<bool>("removed");
    QTest::newRow("abandoned") << u".calendrix-dead01.tmp"_s << u"file"_s << true;
    QTest::newRow("abandoned, empty middle") << u".calendrix-.tmp"_s << u"file"_s << true;
    QTest::newRow("orphan journal") << u".calendrix-dead02.tmp-journal"_s << u"file"_s << true;
    QTest::newRow("held by a live run") << QString() << u"held"_s << false;
    QTest::newRow("link to a file") << u".calendrix-link03.tmp"_s << u"link"_s << false;
    QTest::newRow("link as a journal") << u".calendrix-link04.tmp-journal"_s << u"link"_s << false;
    QTest::newRow("folder as a journal") << u".calendrix-dir05.tmp-journal"_s << u"folder"_s << false;
    QTest::newRow("the run's record") << u".calendrix-run"_s << u"file"_s << false;
    QTest::newRow("the clerk's own") << u"notes.tmp"_s << u"file"_s << false;
    QTest::newRow("prefix alone") << u".calendrix-"_s << u"file"_s << false;
}

void tst_Files::sweepTakesOnlyAbandonedScratchFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    QTemporaryDir dir, outside;
    const QString kept = outside.filePath(u"kept.txt"_s);
    writeFile(kept, "the clerk's file");
    std::optional<ScratchFile> held;
    if (kind == u"held") {
        held.emplace(dir.filePath(u"June.cxr"_s));
        name = QFileInfo(held->path()).fileName();
    } else if (kind == u"link") {
        QVERIFY(QFile::link(kept, dir.filePath(name)));
    } else if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else {
        writeFile(dir.filePath(name), "left by a killed run");
    }
    const QStringList swept = ScratchFile::sweep(dir.path());
    QCOMPARE(swept, removed ? QStringList{dir.filePath(name)} : QStringList());
    QCOMPARE(QFileInfo(dir.filePath(name)).exists() || QFileInfo(dir.filePath(name)).isSymLink(), !removed);
    QCOMPARE(readFile(kept), QByteArray("the clerk's file"));
}

// Every scratch file, kept datafile and set-aside file beside the unit's
// takes one of these names; one that came again would cost a retry or more.
void tst_Files::hiddenNamesDiffer()
{
    const QRegularExpression shape(u"^\\.calendrix-[A-Za-z0-9]{6}\\.old$"_s);
    QSet<QString> names;
    QSet<QChar> letters;
    for (int i = 0; i < 1000; ++i) {
        const QString name = ScratchFile::hiddenName(u".old"_s);
        QVERIFY2(shape.match(name).hasMatch(), qPrintable(name));
        names.insert(name);
        for (int j = 11; j < 17; ++j)
            letters.insert(name[j]);
    }
    QCOMPARE(names.size(), 1000);
    // All 62 letters turn up, in 6,000 of them.
    QCOMPARE(letters.size(), 62);
}

// A finished file takes the place of a file, never of a pipe, a folder or
// a link: rename(2) would put it there as readily.
void tst_Files::onlyAFileIsWrittenOver_data()
{
    QTest::addColumn<QString>("kind"); // what stands at the target: file, fifo, folder, link, dangling
    QTest::addColumn<QString>("what"); // what the refusal calls it; empty when the file is written
    QTest::newRow("a file") << u"file"_s << QString();
    QTest::newRow("nothing") << u"none"_s << QString();
    QTest::newRow("a pipe") << u"fifo"_s << u"fifo"_s;
    QTest::newRow("a folder") << u"folder"_s << u"folder"_s;
    QTest::newRow("a link to a file") << u"link"_s << u"link:file"_s;
    QTest::newRow("a link to nothing") << u"dangling"_s << u"link"_s;
}

void tst_Files::onlyAFileIsWrittenOver()
{
    QFETCH(QString, kind);
    QFETCH(QString, what);
    QTemporaryDir dir;
    const QString target = dir.filePath(u"out.pdf"_s), other = dir.filePath(u"other.pdf"_s);
    writeFile(other, "the clerk's file");
    if (kind == u"file")
        writeFile(target, "old");
    else if (kind == u"fifo")
        QVERIFY(::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(u"out.pdf"_s));
    else if (kind == u"link")
        QVERIFY(QFile::link(other, target));
    else if (kind == u"dangling")
        QVERIFY(QFile::link(dir.filePath(u"nowhere"_s), target));
    const std::optional<Notice> refusal = ScratchFile::notAFile(target);
    QCOMPARE(refusal ? refusal->values.value(1) : QString(), what);
    struct stat before {
    };
    ::lstat(QFile::encodeName(target).constData(), &before);
    ScratchFile scratch(target);
    scratch.write("new");
    try {
        scratch.putInPlace();
        QVERIFY2(what.isEmpty(), "written over what is no file");
        QCOMPARE(readFile(target), QByteArray("new"));
    } catch (const StoreError &e) {
        QVERIFY2(!what.isEmpty(), e.what());
        QCOMPARE(e.notice().code, NoticeCode::OutputNotAFile);
        struct stat after {
        };
        QVERIFY(::lstat(QFile::encodeName(target).constData(), &after) == 0);
        QCOMPARE(after.st_ino, before.st_ino);
    }
    QCOMPARE(readFile(other), QByteArray("the clerk's file"));
}

QTEST_GUILESS_MAIN(tst_Files)
#include "tst_Files.moc"
