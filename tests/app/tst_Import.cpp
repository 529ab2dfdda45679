#include "SmallDisk.h"
#include "TestUnit.h"
#include "roster/FaultRun.h"

#include <QProcess>
#include <QTest>

using namespace calendrix;
using namespace calendrix::test;
using namespace Qt::Literals::StringLiterals;

// calendrix import on files that other programs wrote: a CSV file in
// Windows-1252, workbooks from openpyxl, a calendar from python's icalendar.
class tst_Import : public QObject
{
    Q_OBJECT

private slots:
    void importsWhatOtherProgramsWrote();
    void usage_data();
    void usage();
    void killedImportIsAllOrNothing_data();
    void killedImportIsAllOrNothing();
    void failedImportKeepsNoEntry_data();
    void failedImportKeepsNoEntry();
    void fullDiskImportsNothingAndNamesTheFullFile();
    void importWhoseEntryIsGoneIsToldAsAChange_data();
    void importWhoseEntryIsGoneIsToldAsAChange();
};

namespace {

// A file written by import_files.py; empty when python could not write it.
QString written(const QTemporaryDir &dir, const QString &kind, const QStringList &more = {})
{
    const QString path = dir.filePath(kind);
    QProcess python;
    python.start(u"/usr/bin/python3"_s, QStringList{QStringLiteral(IMPORT_FILES), kind, path} + more);
    if (!python.waitForFinished() || python.exitCode() != 0) {
        qWarning("%s", python.readAllStandardError().constData());
        return {};
    }
    return path;
}

QString dumpOf(const TestUnit &unit)
{
    return sqliteShell(unit.folder.personnelPath(), u".dump"_s);
}

QString rows(const TestUnit &unit, const QString &sql, bool write = false)
{
    return sqliteShell(unit.folder.personnelPath(), sql, write);
}

} // namespace

void tst_Import::importsWhatOtherProgramsWrote()
{
    TestUnit unit;
    const QString data = unit.dir.path();
    QCOMPARE(rows(unit,
                  u"INSERT INTO Qualifications (Q1) SELECT 'x' WHERE NOT EXISTS (SELECT 1 FROM "
                  "Qualifications); UPDATE Qualifications SET Q1 = 'Driver'"_s,
                  true),
             QString());
    const QString start = dumpOf(unit);

    writeFile(unit.path(u"list.csv"_s), "Name;Rank;Section\r\nM\xfcller, Hans;PFC;HQ\r\n");
    Outcome o = runWith({u"import"_s, unit.path(u"list.csv"_s), u"--soldiers"_s, u"--data"_s, data});
    QVERIFY2(o.status == 0 && o.err.contains(u"INFORMATION: The file was read as Windows-1252 text. Its "
                                             "columns are separated by semicolons.\n"_s),
             qPrintable(o.err));
    // Dry runs: a column of another name is refused with the names the
    // import reads; a file marked as UTF-8 is told so.
    const struct {
        const char *name, *bytes;
        int status;
        QString says;
    } dry[] = {{"titled.csv", "Name;Dienstgrad\nNeu, Hans;PFC\n", 5,
                u"line 1: REFUSED: The column 'Dienstgrad' is none of those a file of soldiers has: Name (or "
                "Soldier), Rank, Section (or Comment, Platoon) and the titles of the qualifications in Setup "
                "(or Q1 to Q15).\n"_s},
               {"marked.csv", "\xef\xbb\xbfName\tRank\r\nNyg\xc3\xa5rd, Per\tPFC\r\n", 0,
                u"INFORMATION: The file was read as UTF-8 text with a byte-order mark. Its columns are "
                "separated by tabs.\n"_s}};
    for (const auto &file : dry) {
        const QString path = unit.path(QString::fromLatin1(file.name));
        writeFile(path, file.bytes);
        o = runWith({u"import"_s, path, u"--soldiers"_s, u"--data"_s, data, u"--dry-run"_s});
        QVERIFY2(o.status == file.status && o.err.contains(file.says), qPrintable(o.err));
    }
    QCOMPARE(rows(unit, u"SELECT SoldierName, SoldierRank FROM SoldierRoster"_s), u"M\u00fcller, Hans|C"_s);

    const QString book = written(unit.dir, u"soldiers.xlsx"_s);
    QVERIFY(!book.isEmpty());
    o = runWith({u"import"_s, book, u"--soldiers"_s, u"--data"_s, data});
    QVERIFY2(o.status == 0 && o.out.contains(u"2 to add"_s), qPrintable(o.out + o.err));
    QCOMPARE(rows(unit, u"SELECT SoldierName, SoldierRank, Section, Q1, Q2 FROM SoldierRoster ORDER BY ID"_s),
             u"M\u00fcller, Hans|C|HQ|0|0\nYoung, Ann|D|1st|1|0\nZane, Bo|B|2nd|1|0"_s);

    // One row goes backwards: nothing is imported, and a dry run never writes.
    const QString absences = written(unit.dir, u"absences.xlsx"_s, {u"Young, Ann"_s});
    const QByteArray personnel = readFile(unit.folder.personnelPath());
    for (const QString &dry : {u"--dry-run"_s, QString()}) {
        o = runWith(QStringList{u"import"_s, absences, u"--absences"_s, u"--data"_s, data} +
                    (dry.isEmpty() ? QStringList() : QStringList{dry}));
        QCOMPARE(o.status, 5);
        QVERIFY2(o.err.contains(u"row 3: REFUSED: The last day"_s), qPrintable(o.err));
        QCOMPARE(readFile(unit.folder.personnelPath()), personnel);
    }

    // A day in a form the import does not read: the refusal names the forms
    // it reads, and the day written in the second of them is read.
    writeFile(unit.path(u"dotted.csv"_s), "Name,From\n\"Young, Ann\",01.03.2027\n");
    o = runWith({u"import"_s, unit.path(u"dotted.csv"_s), u"--absences"_s, u"--data"_s, data});
    QCOMPARE(o.status, 5);
    const QString refusal =
        u"line 2: REFUSED: '01.03.2027' in the column 'From' is not a date. Write a day as "
        "2027-03-26 or as "_s;
    const qsizetype at = o.err.indexOf(refusal);
    QVERIFY2(at >= 0, qPrintable(o.err));
    const QString form = o.err.mid(at + refusal.size()).section(u'\n', 0, 0).chopped(1);
    QVERIFY2(!form.isEmpty() && form != u"2027-03-26"_s, qPrintable(form));
    writeFile(unit.path(u"local.csv"_s), "Name,From\n\"Young, Ann\",\"" + form.toUtf8() + "\"\n");
    o = runWith({u"import"_s, unit.path(u"local.csv"_s), u"--absences"_s, u"--data"_s, data, u"--dry-run"_s});
    QVERIFY2(o.status == 0 && o.out.contains(u"1 to add"_s), qPrintable(o.out + o.err));

    const QString calendar = written(unit.dir, u"holidays.ics"_s);
    o = runWith({u"import"_s, calendar, u"--holidays"_s, u"--data"_s, data});
    QVERIFY2(o.status == 0, qPrintable(o.err));
    // The meeting, and the old day.
    QVERIFY2(o.err.contains(u"INFORMATION: 1 event with a time of day was skipped.\n"_s) &&
                 o.err.contains(u"INFORMATION: 1 event that ended before today was skipped.\n"_s),
             qPrintable(o.err));
    const int year = QDate::currentDate().year();
    QCOMPARE(rows(unit, u"SELECT Name, \"From\", \"To\" FROM Holiday ORDER BY \"From\""_s),
             u"Unit Day|%1-01-01|%1-01-01\nFounders Day|%1-03-14|%1-03-14\nSummer "
             "Break|%1-07-01|%1-07-03\nUnit Day|%2-01-01|%2-01-01"_s.arg(year + 1)
                 .arg(year + 2));

    // The way back: the soldiers written out and imported again change nothing;
    // never over a file of the unit, nor over one that exists unasked.
    for (const QString &name : {u"out.csv"_s, u"out.xlsx"_s}) {
        QCOMPARE(runWith({u"export-personnel"_s, unit.path(name), u"--data"_s, data}).status, 0);
        o = runWith({u"import"_s, unit.path(name), u"--soldiers"_s, u"--update"_s, u"--data"_s, data});
        QVERIFY2(o.out.contains(u"0 to add, 0 to update, 3 unchanged"_s), qPrintable(o.out + o.err));
        QCOMPARE(runWith({u"export-personnel"_s, unit.path(name), u"--data"_s, data}).status, 4);
    }
    QCOMPARE(runWith({u"export-personnel"_s, unit.folder.historyPath() + u"/out.csv"_s, u"--data"_s, data,
                      u"--replace"_s})
                 .status,
             1);

    // Three imports kept, the last first; undone one by one to the unit as it was.
    o = runWith({u"history"_s, u"--data"_s, data});
    QCOMPARE(o.out.count(u"import of"_s), 3);
    QVERIFY2(o.out.startsWith(u"%1"_s.arg(year)) && o.out.section(u'\n', 0, 0).contains(u"holidays"_s),
             qPrintable(o.out));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(runWith({u"undo"_s, u"--yes"_s, u"--data"_s, data}).status, 0);
    QCOMPARE(dumpOf(unit), start);
}

void tst_Import::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no kind") << QStringList{u"import"_s, u"a.csv"_s};
    QTest::newRow("two kinds") << QStringList{u"import"_s, u"a.csv"_s, u"--soldiers"_s, u"--schedule"_s};
    QTest::newRow("a calendar of soldiers") << QStringList{u"import"_s, u"a.ics"_s, u"--soldiers"_s};
    QTest::newRow("years out of range")
        << QStringList{u"import"_s, u"a.ics"_s, u"--holidays"_s, u"--years"_s, u"0"_s};
}

void tst_Import::usage()
{
    QFETCH(QStringList, arguments);
    QCOMPARE(runWith(arguments).status, 2);
}

void tst_Import::killedImportIsAllOrNothing_data()
{
    QTest::addColumn<QString>("killAfter");
    QTest::addColumn<bool>("imported");
    QTest::newRow("the history entry in place") << u"rename:.mdb"_s << false;
    QTest::newRow("the journal on the disk") << u"fsync:Datafile32.mdb-journal"_s << false;
    QTest::newRow("committed") << u"unlink:Datafile32.mdb-journal"_s << true;
}

// Killed at each step of its one transaction, an import is in the unit
// whole, and undoable, or not at all.
void tst_Import::killedImportIsAllOrNothing()
{
    QFETCH(QString, killAfter);
    QFETCH(bool, imported);
    TestUnit unit;
    const QString data = unit.dir.path();
    const QString before = dumpOf(unit);
    writeFile(unit.path(u"list.csv"_s), "Name,Rank\nAdams,SPC\nBaker,PV2\n");
    const QStringList arguments{u"import"_s, unit.path(u"list.csv"_s), u"--soldiers"_s, u"--data"_s, data};
    QVERIFY(runWith(arguments, {u"CALENDRIX_KILL_AFTER="_s + killAfter}).killed);
    QCOMPARE(rows(unit, u"SELECT count(*) FROM SoldierRoster"_s), imported ? u"2"_s : u"0"_s);
    // What the kill left is told for what it is until the next change tidies it.
    const Outcome left = runWith({u"history"_s, u"--data"_s, data});
    QVERIFY2(left.err.contains(u"is an import that was taken back, or that did not finish."_s) == !imported,
             qPrintable(left.err));
    const Outcome undone = runWith({u"undo"_s, u"--yes"_s, u"--data"_s, data});
    QCOMPARE(undone.status, imported ? 0 : 1);
    QCOMPARE(dumpOf(unit), before);
    // The unit goes on: the same import once more, which tidies away what
    // the killed one left, so that no listing warns of it again.
    QCOMPARE(runWith(arguments).status, 0);
    QCOMPARE(rows(unit, u"SELECT count(*) FROM SoldierRoster"_s), u"2"_s);
    const Outcome listed = runWith({u"history"_s, u"--data"_s, data});
    QVERIFY2(listed.status == 0 && listed.err.isEmpty(), qPrintable(listed.err));
}

void tst_Import::failedImportKeepsNoEntry_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("the journal cannot be synced") << u"CALENDRIX_FAIL_SYNC=Datafile32.mdb-journal"_s;
    QTest::newRow("the database cannot be synced") << u"CALENDRIX_FAIL_SYNC=*/Datafile32.mdb"_s;
}

// An import whose commit fails is not in the unit, and neither is it in the
// history: no entry is left that every later listing would warn of.
void tst_Import::failedImportKeepsNoEntry()
{
    QFETCH(QString, fault);
    TestUnit unit;
    const QString data = unit.dir.path();
    const QString before = dumpOf(unit);
    const QDir history(unit.folder.historyPath());
    const QStringList entries = history.entryList(QDir::Files | QDir::Hidden);
    writeFile(unit.path(u"list.csv"_s), "Name,Rank\nAdams,SPC\nBaker,PV2\n");
    const QStringList arguments{u"import"_s, unit.path(u"list.csv"_s), u"--soldiers"_s, u"--data"_s, data};
    const Outcome failed = runWith(arguments, {fault});
    QCOMPARE(failed.status, 1);
    QVERIFY2(failed.err.contains(u"Nothing was imported."_s), qPrintable(failed.err));
    // Opened for writing, as the next use of the unit opens it: SQLite then
    // rolls back what a failed commit left of its journal.
    QCOMPARE(rows(unit, u"SELECT count(*) FROM SoldierRoster"_s, true), u"0"_s);
    QCOMPARE(history.entryList(QDir::Files | QDir::Hidden), entries);
    const Outcome listed = runWith({u"history"_s, u"--data"_s, data});
    QCOMPARE(listed.status, 0);
    QVERIFY2(listed.err.isEmpty(), qPrintable(listed.err));
    // The same import once more, and its undo.
    QCOMPARE(runWith(arguments).status, 0);
    QCOMPARE(rows(unit, u"SELECT count(*) FROM SoldierRoster"_s), u"2"_s);
    QCOMPARE(runWith({u"undo"_s, u"--yes"_s, u"--data"_s, data}).status, 0);
    QCOMPARE(dumpOf(unit), before);
}

// On a disk with ever more room left, each import that fails imports
// nothing; the import writes the personnel database and the unit's record of
// its last change in the working database, and a failure to write the
// latter names the working database.
void tst_Import::fullDiskImportsNothingAndNamesTheFullFile()
{
    const SmallDisk disk(3 * 1024 * 1024);
    if (!disk.isMounted())
        QSKIP("no permission to mount a small disk here");
    QTemporaryDir outside;
    const QString list = outside.filePath(u"list.csv"_s);
    QByteArray csv = "Name,Rank\n";
    for (int i = 0; i < 1500; ++i)
        csv += "\"Newman" + QByteArray::number(i) + ", Al\",PFC\n";
    writeFile(list, csv);
    const UnitFolder unit(disk.filePath(u"unit"_s));
    int failures = 0, workingNamed = 0;
    for (int freeKb = 4;; freeKb += 4) {
        QFile::remove(disk.filePath(u"filler"_s));
        QDir(unit.dir()).removeRecursively();
        unit.init();
        disk.fill(freeKb * 1024);

        const Outcome o = runWith({u"import"_s, list, u"--soldiers"_s, u"--data"_s, unit.dir()});
        if (o.status == 0)
            break;
        ++failures;
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains(u"Nothing was imported."_s), qPrintable(o.err));
        QFile::remove(disk.filePath(u"filler"_s));
        QCOMPARE(sqliteShell(unit.personnelPath(), u"SELECT count(*) FROM SoldierRoster"_s, true), u"0"_s);
        QVERIFY(freeKb < 1024);
        if (o.err.contains(u"('"_s + unit.workingPath() + u"')"_s))
            ++workingNamed;
    }
    QVERIFY(failures > 0);
    QVERIFY2(workingNamed > 0, "no failure to write the working database was seen");
}

// The unit's last change is an import whose entry was removed: the undo
// refuses, and says so of the unit's last change, not of a roster run.
void tst_Import::importWhoseEntryIsGoneIsToldAsAChange_data()
{
    QTest::addColumn<bool>("damaged"); // else removed
    QTest::newRow("entry removed, a stray file beside") << false;
    QTest::newRow("entry damaged, a stray file beside") << true;
}

void tst_Import::importWhoseEntryIsGoneIsToldAsAChange()
{
    QFETCH(bool, damaged);
    TestUnit unit;
    const QString data = unit.dir.path();
    writeFile(unit.path(u"list.csv"_s), "Name,Rank\nAdams,SPC\n");
    QCOMPARE(runWith({u"import"_s, unit.path(u"list.csv"_s), u"--soldiers"_s, u"--data"_s, data}).status, 0);
    QDir history(unit.folder.historyPath());
    const QStringList entries = history.entryList(QDir::Files);
    QCOMPARE(entries.size(), 1);
    if (damaged)
        writeFile(history.filePath(entries.first()), "not a database at all");
    else
        QVERIFY(history.remove(entries.first()));
    writeFile(history.filePath(u"notes.txt"_s), "kept by hand\n");
    const Outcome o = runWith({u"undo"_s, u"--yes"_s, u"--data"_s, data});
    QCOMPARE(o.status, 1);
    QVERIFY2(
        o.err.contains(u"ERROR: The unit's last change cannot be undone: its file in the history folder"_s),
        qPrintable(o.err));
    QVERIFY2(o.err.contains(u"notes.txt"_s), qPrintable(o.err));
    QCOMPARE(o.err.contains(entries.first()), damaged);
    QVERIFY2(!o.err.contains(u"roster run"_s), qPrintable(o.err));
    QCOMPARE(rows(unit, u"SELECT SoldierName FROM SoldierRoster"_s), u"Adams"_s);
}

QTEST_GUILESS_MAIN(tst_Import)
#include "tst_Import.moc"
