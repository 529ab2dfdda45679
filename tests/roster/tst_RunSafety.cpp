#include "FaultRun.h"
#include "RosterFixture.h"

#include "SmallDisk.h"
#include "store/ScratchFile.h"

#include <QDir>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

// A run killed at any moment leaves the working database as it was before the
// run (or as a finished run leaves it) and never a partial datafile.
class tst_RunSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killAtEachStep_data();
    void killAtEachStep();
    void repairSettlesAKilledRunFirst_data();
    void repairSettlesAKilledRunFirst();
    void failedFlushKeepsTheOldFile_data();
    void failedFlushKeepsTheOldFile();
    void fullDiskNeverLosesTheOldFile();
    void abandonedScratchFilesGo_data();
    void abandonedScratchFilesGo();

private:
    QTemporaryDir m_tmp;
    QString m_start; // a demo unit after one run
    QStringList m_memoryBefore, m_memoryAfter, m_datafile;
    QStringList m_oldFile; // the roster that a replacing run replaces
};

namespace {

QString integrity(const Database &db)
{
    QSqlQuery q(db.connection());
    if (!q.exec(u"PRAGMA integrity_check"_s) || !q.next())
        return u"cannot check"_s;
    return q.value(0).toString();
}

// Every row of every table of one file, in key order.
QStringList dump(const QString &path, FileKind kind)
{
    const Database db = Database::open(path, kind);
    QStringList lines{integrity(db)};
    for (const TableLayout &table : Layouts::tables(kind)) {
        RecordSet rs(db, table.name);
        for (; !rs.eof(); rs.moveNext()) {
            QStringList values;
            for (int i = 0; i < table.fields.size(); ++i)
                values.append(rs.value(i).isNull() ? u"~"_s : rs.value(i).toString());
            lines.append(table.name + u':' + values.join(u'|'));
        }
    }
    return lines;
}

// The databases and option files of a unit: neither its layouts, which a
// repair remakes, nor the history of runs made in another folder.
const QStringList kUnitFiles{u"Datafile32.mdb"_s, u"Memory.mdb"_s, u"template.tem"_s, u"ROSTER.INI"_s,
                             u"ROSTER2.INI"_s};

// A fresh copy of unit in work, with oldFile at the target when replacing;
// returns the arguments of a make into work's "out.cxr".
QStringList makeInCopy(const QString &unit, const QString &work, bool replace, const QString &oldFile)
{
    copyUnit(unit, work, kUnitFiles);
    const QString target = QDir(work).filePath(u"out.cxr"_s);
    QFile::remove(target);
    if (replace && !QFile::copy(oldFile, target))
        qWarning("cannot copy the old roster");
    QStringList arguments{u"make"_s, target, u"--data"_s, work};
    if (replace)
        arguments.append(u"--replace"_s);
    return arguments;
}

} // namespace

void tst_RunSafety::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_start = m_tmp.filePath(u"start"_s);
    QVERIFY(run({u"demo"_s, m_start, u"--seed"_s, u"5"_s, u"--from"_s, u"2027-03-01"_s}));
    // A first roster, so that the run under test changes counters and dates
    // that are already there; it is also the file a replacing run replaces.
    const QString first = m_tmp.filePath(u"first.cxr"_s);
    QVERIFY(run({u"make"_s, first, u"--data"_s, m_start}));
    m_oldFile = dump(first, FileKind::Roster);
    m_memoryBefore = dump(memoryOf(m_start), FileKind::Working);

    const QString reference = m_tmp.filePath(u"reference"_s);
    copyUnit(m_start, reference, kUnitFiles);
    QVERIFY(run({u"make"_s, QDir(reference).filePath(u"out.cxr"_s), u"--data"_s, reference}));
    m_memoryAfter = dump(memoryOf(reference), FileKind::Working);
    m_datafile = dump(QDir(reference).filePath(u"out.cxr"_s), FileKind::Roster);
    QVERIFY(m_memoryAfter != m_memoryBefore);
    QVERIFY(m_datafile != m_oldFile);
}

void tst_RunSafety::killAtEachStep_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("killAfter");
    QTest::addColumn<bool>("counted"); // the run's counters were committed

    QTest::newRow("new file: after it takes its name") << false << u"rename:out.cxr"_s << false;
    QTest::newRow("new file: after the commit") << false << u"unlink:Memory.mdb-journal"_s << true;
    QTest::newRow("replacing: after the old file is kept") << true << u"link:.old"_s << false;
    QTest::newRow("replacing: after the new file takes the name") << true << u"rename:out.cxr"_s << false;
    QTest::newRow("replacing: after the commit") << true << u"unlink:Memory.mdb-journal"_s << true;
    QTest::newRow("replacing: after the old file goes") << true << u"unlink:.old"_s << true;
}

// Killed at each step of putting the datafile in place; the next use of the
// unit (here a make that is refused because its target exists) puts things
// in order before it does anything else.
void tst_RunSafety::killAtEachStep()
{
    QFETCH(bool, replace);
    QFETCH(QString, killAfter);
    QFETCH(bool, counted);
    const QString work = m_tmp.filePath(u"step"_s);
    const QStringList arguments = makeInCopy(m_start, work, replace, m_tmp.filePath(u"first.cxr"_s));
    const QString target = arguments.at(1);
    const Outcome killed = runWith(arguments, {u"CALENDRIX_KILL_AFTER="_s + killAfter});
    QVERIFY2(killed.killed, qPrintable(u"not killed: "_s + killed.err));

    const QString other = m_tmp.filePath(u"other.cxr"_s);
    QFile(other).open(QIODevice::WriteOnly);
    const Outcome next = runWith({u"make"_s, other, u"--data"_s, work});
    QCOMPARE(next.status, 4);

    QCOMPARE(dump(memoryOf(work), FileKind::Working), counted ? m_memoryAfter : m_memoryBefore);
    if (counted)
        QCOMPARE(dump(target, FileKind::Roster), m_datafile);
    else if (replace)
        QCOMPARE(dump(target, FileKind::Roster), m_oldFile);
    else
        QVERIFY(!QFile::exists(target));
    // Told when the file at the target changed back.
    QCOMPARE(next.err.contains(u"did not finish"_s), !counted && killAfter.startsWith(u"rename"_s));
    QCOMPARE(leftovers(work), QStringList());
}

void tst_RunSafety::repairSettlesAKilledRunFirst_data()
{
    QTest::addColumn<bool>("damaged"); // the working database, after the kill
    QTest::newRow("sound") << false;
    QTest::newRow("damaged") << true;
}

// The journal a killed run leaves holds pages that only a writer may roll
// back; a repair that only read would take the file for read-only. Without
// a working database to tell whether the run counted, its record is kept.
void tst_RunSafety::repairSettlesAKilledRunFirst()
{
    QFETCH(bool, damaged);
    // A brigade's run spills pages into Memory.mdb before its commit.
    const QString unit = m_tmp.filePath(u"brigade"_s);
    QDir(unit).removeRecursively();
    QVERIFY(run({u"demo"_s, unit, u"--scale"_s, u"brigade"_s, u"--seed"_s, u"1"_s}));
    const QByteArray before = readFile(memoryOf(unit));
    const QString target = QDir(unit).filePath(u"out.cxr"_s);
    QVERIFY(
        runWith({u"make"_s, target, u"--data"_s, unit}, {u"CALENDRIX_KILL_AFTER=rename:out.cxr"_s}).killed);
    QVERIFY(readFile(memoryOf(unit)) != before);
    if (damaged) {
        QVERIFY(QFile::remove(memoryOf(unit) + u"-journal"_s));
        writeFile(memoryOf(unit), "not a database");
    }

    const Outcome repaired = runWith({u"init"_s, unit, u"--repair"_s});
    QCOMPARE(repaired.status, 0);
    QCOMPARE(repaired.out.contains(u"set aside "_s + memoryOf(unit)), damaged);
    const QStringList records = QDir(unit).entryList({u".calendrix-run*"_s}, QDir::Files | QDir::Hidden);
    if (damaged) {
        QVERIFY2(repaired.err.contains(u"is kept as"_s), qPrintable(repaired.err));
        QCOMPARE(records.size(), 1);
        QVERIFY(records.first().startsWith(u".calendrix-run.damaged-"_s));
        QVERIFY(QFile::exists(target));
        return;
    }
    QVERIFY2(repaired.err.contains(u"did not finish"_s), qPrintable(repaired.err));
    QVERIFY(records.isEmpty());
    QVERIFY(readFile(memoryOf(unit)) == before);
    QVERIFY(!QFile::exists(target));
}

void tst_RunSafety::failedFlushKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("failing"); // the file whose flush fails
    for (const bool replace : {false, true}) {
        const char *file = replace ? "replacing a roster" : "new file";
        QTest::addRow("%s: the commit", file) << replace << u"Memory.mdb-journal"_s;
        QTest::addRow("%s: the datafile", file) << replace << u"*-rosters/.calendrix-*.tmp"_s;
        QTest::addRow("%s: the history entry", file) << replace << u"*/history/.calendrix-*.tmp"_s;
    }
}

// The disk fails under the working database's journal, or under a file
// that the run flushes before it takes its name: the old roster stays, and
// the message says nothing changed.
void tst_RunSafety::failedFlushKeepsTheOldFile()
{
    QFETCH(bool, replace);
    QFETCH(QString, failing);
    const QString work = m_tmp.filePath(u"failing"_s);
    QDir(work).removeRecursively();
    QStringList arguments = makeInCopy(m_start, work, replace, m_tmp.filePath(u"first.cxr"_s));
    // The datafile's folder is not the unit's, whose record of the run is
    // flushed too.
    const QString rosters = work + u"-rosters"_s;
    QDir(rosters).removeRecursively();
    QVERIFY(QDir().mkpath(rosters));
    const QString target = QDir(rosters).filePath(u"out.cxr"_s);
    if (replace)
        QVERIFY(QFile::rename(arguments.at(1), target));
    arguments[1] = target;
    const Outcome o = runWith(arguments, {u"CALENDRIX_FAIL_SYNC="_s + failing});
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.contains(u"nothing was changed"_s), qPrintable(o.err));
    QCOMPARE(dump(memoryOf(work), FileKind::Working), m_memoryBefore);
    if (replace)
        QCOMPARE(dump(target, FileKind::Roster), m_oldFile);
    else
        QVERIFY(!QFile::exists(target));
    QCOMPARE(leftovers(work), QStringList());
    QCOMPARE(leftovers(rosters), QStringList());
    QCOMPARE(leftovers(UnitFolder(work).historyPath()), QStringList());
    QCOMPARE(QDir(UnitFolder(work).historyPath()).entryList(QDir::Files), QStringList());
}

// A new unit on a small disk, filled to a little less each time, so that the
// disk runs out at every step of the run in turn. Its first run adds much to
// the working database, and the file it replaces is small (an empty roster),
// so the disk can run out at the commit even after the old file is gone.
// Each failure names the roster or the history entry being made.
void tst_RunSafety::fullDiskNeverLosesTheOldFile()
{
    const QString fresh = m_tmp.filePath(u"fresh"_s);
    QVERIFY(run({u"demo"_s, fresh, u"--seed"_s, u"5"_s, u"--from"_s, u"2027-03-01"_s}));
    const QString oldFile = QDir(fresh).filePath(u"template.tem"_s);
    const QStringList before = dump(memoryOf(fresh), FileKind::Working);
    const QStringList emptyRoster = dump(oldFile, FileKind::Roster);
    const QString reference = m_tmp.filePath(u"fresh-reference"_s);
    copyUnit(fresh, reference, kUnitFiles);
    QVERIFY(run({u"make"_s, QDir(reference).filePath(u"out.cxr"_s), u"--data"_s, reference}));
    const QStringList after = dump(memoryOf(reference), FileKind::Working);
    const QStringList datafile = dump(QDir(reference).filePath(u"out.cxr"_s), FileKind::Roster);

    const SmallDisk disk(1200 * 1024);
    if (!disk.isMounted())
        QSKIP("no permission to mount a small disk here");
    const QString work = disk.filePath(u"unit"_s);
    const QString target = QDir(work).filePath(u"out.cxr"_s);
    int failures = 0, runFailures = 0;
    for (int freeKb = 0;; freeKb += 4) {
        QFile::remove(disk.filePath(u"filler"_s));
        QDir(work).removeRecursively();
        copyUnit(fresh, work, kUnitFiles);
        QVERIFY(QFile::copy(oldFile, target));
        disk.fill(freeKb * 1024 + 1);

        const Outcome o = runWith({u"make"_s, target, u"--data"_s, work, u"--replace"_s});
        const QStringList memory = dump(memoryOf(work), FileKind::Working);
        if (o.status == 0) {
            QCOMPARE(memory, after);
            QCOMPARE(dump(target, FileKind::Roster), datafile);
            break;
        }
        ++failures;
        // Whatever failed and whatever it says, nothing changed.
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.startsWith(u"ERROR: "_s), qPrintable(o.err));
        // A file is named as the clerk knows it, never by a scratch file's hidden name.
        QVERIFY2(!o.err.contains(u"/.calendrix-"_s), qPrintable(o.err));
        QCOMPARE(memory, before);
        QVERIFY2(QFile::exists(target), "the old roster is gone");
        QCOMPARE(dump(target, FileKind::Roster), emptyRoster);
        QCOMPARE(leftovers(work), QStringList());
        QVERIFY(freeKb < 1200);
        if (o.err.contains(u"could not be made"_s))
            ++runFailures;
    }
    QVERIFY(runFailures > 0);
    qInfo("%d runs failed on the full disk (%d inside the roster run), each keeping the old roster", failures,
          runFailures);
}

// Scratch files of killed work go with whatever settles the unit next (a PDF's
// with the next PDF there); one that a live run holds stays. Only a run knows
// the folder of its datafile. A file and then its name reach the disk first.
void tst_RunSafety::abandonedScratchFilesGo_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1: the unit, %2: the other folder
    QTest::addColumn<QString>("killAfter");     // a first run of the same is killed there
    QTest::newRow("make") << QStringList{u"make"_s, u"%2/out.cxr"_s, u"--data"_s, u"%1"_s} << QString();
    QTest::newRow("undo") << QStringList{u"undo"_s, u"--data"_s, u"%1"_s, u"--yes"_s} << QString();
    QTest::newRow("history") << QStringList{u"history"_s, u"--data"_s, u"%1"_s} << QString();
    QTest::newRow("init --repair") << QStringList{u"init"_s, u"%1"_s, u"--repair"_s} << QString();
    QTest::newRow("init --repair killed with a layout flushed")
        << QStringList{u"init"_s, u"%1"_s, u"--repair"_s} << u"fsync:.tmp"_s;
    QTest::newRow("print killed with the PDF's folder flushed")
        << QStringList{u"print"_s, u"%1/../first.cxr"_s, u"--data"_s,   u"%1/../start"_s,
                       u"--pdf"_s, u"%2/out.pdf"_s,      u"--replace"_s}
        << u"fsync:-rosters"_s;
}

void tst_RunSafety::abandonedScratchFilesGo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, killAfter);
    const QString work = m_tmp.filePath(u"scratch-"_s + QString::fromLatin1(QTest::currentDataTag()));
    copyUnit(m_start, work, kUnitFiles);
    const QString elsewhere = work + u"-rosters"_s;
    const QString history = UnitFolder(work).historyPath();
    for (const QString &dir : {work, history, elsewhere}) {
        QDir().mkpath(dir);
        writeFile(QDir(dir).filePath(u".calendrix-dead01.tmp"_s), QByteArray(1 << 16, 'x'));
        writeFile(QDir(dir).filePath(u".calendrix-dead01.tmp-journal"_s), "journal");
        writeFile(QDir(dir).filePath(u".calendrix-dead02.tmp-journal"_s), "orphan journal");
    }
    const ScratchFile live(QDir(elsewhere).filePath(u"x.cxr"_s));
    for (QString &argument : arguments)
        argument.replace(u"%1"_s, work).replace(u"%2"_s, elsewhere);
    if (!killAfter.isEmpty())
        QVERIFY(runWith(arguments, {u"CALENDRIX_KILL_AFTER="_s + killAfter}).killed);
    // Undo finds no run to take back here, but settles the unit first.
    const Outcome o = runWith(arguments);
    QVERIFY2(!o.killed && (o.status == 0 || arguments.constFirst() == u"undo"_s), qPrintable(o.err));
    const bool settles = arguments.constFirst() != u"print"_s;
    QCOMPARE(leftovers(work).isEmpty(), settles);
    QCOMPARE(leftovers(history).isEmpty(), settles);
    if (arguments.constFirst() == u"make"_s || !settles)
        QCOMPARE(leftovers(elsewhere), QStringList{QFileInfo(live.path()).fileName()});
}

QTEST_GUILESS_MAIN(tst_RunSafety)
#include "tst_RunSafety.moc"
