#include "FaultRun.h"
#include "RosterFixture.h"

#include "app/NoticeText.h"
#include "store/Fields.h"
#include "store/Layouts.h"
#include "store/RunHistory.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QSqlQuery>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

// Drafts count nothing; counted runs can be taken back, run by run, all or
// nothing, and only while nobody has changed what they left.
class tst_RunHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void draftGivesTheCountedRunsCells_data();
    void draftGivesTheCountedRunsCells();
    void undoGoesBackRunByRun();
    void undoBringsBackWhatTheRunRemoved();
    void undoInACopyOrAMovedUnit_data();
    void undoInACopyOrAMovedUnit();
    void undoRefusedAfterChanges_data();
    void undoRefusedAfterChanges();
    void historyKeepsTwenty();
    void strangeFilesAreNamedAndSkipped_data();
    void strangeFilesAreNamedAndSkipped();
    void damagedOlderRunIsFoundWhenItsTurnComes();
    void undoOpensNoEntryBeforeTheLast();
    void proofKeepsDatesByTheirLastDay_data();
    void proofKeepsDatesByTheirLastDay();
    void aRunTakesOnTheProofOfTheChangeBefore_data();
    void aRunTakesOnTheProofOfTheChangeBefore();
    void runThatDidNotCountIsNeverOffered_data();
    void runThatDidNotCountIsNeverOffered();
    void undoStandsWhenAFileCannotBeRemoved_data();
    void undoStandsWhenAFileCannotBeRemoved();
    void killAtEachUndoStep_data();
    void killAtEachUndoStep();
    void aCopyMadeAfterAKillSettlesOnlyItself_data();
    void aCopyMadeAfterAKillSettlesOnlyItself();
    void recordsThatAreNoFilesNeverStopTheUnit_data();
    void recordsThatAreNoFilesNeverStopTheUnit();
    void historyThatIsNoFolderIsNamed_data();
    void historyThatIsNoFolderIsNamed();

private:
    QTemporaryDir m_tmp;
    QString m_start;   // a demo unit
    QString m_twoRuns; // m_start after a.cxr and b.cxr
    // A copy of m_start in unit with a.cxr and b.cxr made in it: the runs
    // kept name their datafiles by path, so each test makes its own.
    void makeTwoRuns(const QString &unit);
    QString m_before;     // dump of m_start's Memory.mdb
    QString m_afterFirst; // ... after a.cxr
    QString m_firstFile;  // a copy of that Memory.mdb
    QString m_afterBoth;  // ... after b.cxr
};

namespace {

// What the sqlite3 shell dumps: every table, row and key sequence, but the
// unit's last change, which names the unit and the run afresh in each copy.
QString shellDump(const QString &path)
{
    QStringList lines = sqliteShell(path, u".dump"_s).split(u'\n');
    lines.removeIf([](const QString &line) { return line.contains(u"LastChange"_s); });
    return lines.join(u'\n');
}

// The unit's runs kept, newest first, and the skipped files.
RunHistory::Listing historyOf(const QString &unit)
{
    return RunHistory(UnitFolder(unit)).list();
}

// Every row of a roster's header, storeage and periods; the draft mark left out.
QStringList rosterRows(const QString &path, QString *marks)
{
    const Database db = Database::openReadOnly(path, FileKind::Roster);
    QStringList rows;
    for (const QString &table : {u"header"_s, u"storeage"_s, u"periods"_s}) {
        RecordSet rs(db, table);
        const qsizetype fieldCount = Layouts::table(FileKind::Roster, table)->fields.size();
        for (; !rs.eof(); rs.moveNext()) {
            QStringList values;
            for (int i = 0; i < fieldCount; ++i) {
                if (table == u"header"_s && i == Fields::RosterHeader::Spare3) {
                    marks->append(rs.value(i).isNull() ? u"~"_s : rs.value(i).toString());
                    continue;
                }
                values.append(rs.value(i).isNull() ? u"~"_s : rs.value(i).toString());
            }
            rows.append(table + u':' + values.join(u'|'));
        }
    }
    return rows;
}

// What the unit's newest entry proves of the tables its change left.
struct KeptProof {
    QHash<quint64, quint32> counters, dates;
    QMap<QString, QPair<qint64, quint64>> days;
    QByteArray allCounters, allRows;
    qint64 datesRows = 0;
    quint64 datesSum[2] = {0, 0};
    bool read = false;
    bool operator==(const KeptProof &) const = default;
};

KeptProof newestProof(const QString &unit)
{
    KeptProof p;
    const RunHistory::Listing history = historyOf(unit);
    if (history.entries.isEmpty())
        return p;
    const QByteArray bytes = QByteArray::fromHex(
        sqliteShell(history.entries.first().path, u"SELECT hex(Proof) FROM proof"_s).toLatin1());
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    in >> p.counters >> p.dates >> p.days >> p.allCounters >> p.allRows >> p.datesRows >> p.datesSum[0] >>
        p.datesSum[1];
    p.read = in.status() == QDataStream::Ok && in.atEnd();
    return p;
}

// The file's change counter and the copy of it that SQLite checks it by:
// bytes 24 and 92 of its header.
QByteArray changeCounterOf(const QString &path)
{
    const QByteArray header = readFile(path).left(100);
    return header.mid(24, 4) + header.mid(92, 4);
}

void setChangeCounter(const QString &path, const QByteArray &counter)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(24) && f.write(counter.left(4)) == 4);
    QVERIFY(f.seek(92) && f.write(counter.mid(4)) == 4);
}

} // namespace

void tst_RunHistory::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    QVERIFY(QFileInfo(qEnvironmentVariable("CALENDRIX_BIN")).isExecutable());
    m_start = m_tmp.filePath(u"start"_s);
    QVERIFY(run({u"demo"_s, m_start, u"--seed"_s, u"5"_s, u"--from"_s, u"2027-03-01"_s}));
    m_before = shellDump(memoryOf(m_start));
    m_twoRuns = m_tmp.filePath(u"two-runs"_s);
    copyUnit(m_start, m_twoRuns);
    QVERIFY(run({u"make"_s, QDir(m_twoRuns).filePath(u"a.cxr"_s), u"--data"_s, m_twoRuns}));
    m_afterFirst = shellDump(memoryOf(m_twoRuns));
    m_firstFile = m_tmp.filePath(u"first.mdb"_s);
    QVERIFY(QFile::copy(memoryOf(m_twoRuns), m_firstFile));
    QVERIFY(run({u"make"_s, QDir(m_twoRuns).filePath(u"b.cxr"_s), u"--data"_s, m_twoRuns}));
    m_afterBoth = shellDump(memoryOf(m_twoRuns));
    QVERIFY(m_before != m_afterFirst && m_afterFirst != m_afterBoth);
    QCOMPARE(historyOf(m_twoRuns).entries.size(), 2);
}

void tst_RunHistory::makeTwoRuns(const QString &unit)
{
    copyUnit(m_start, unit);
    for (const QString &name : {u"a.cxr"_s, u"b.cxr"_s})
        QVERIFY(run({u"make"_s, QDir(unit).filePath(name), u"--data"_s, unit}));
}

void tst_RunHistory::draftGivesTheCountedRunsCells_data()
{
    QTest::addColumn<QString>("setup"); // SQL on Memory.mdb before the runs, or a switch
    QTest::addColumn<bool>("consolidate");
    QTest::addColumn<bool>("afterRuns"); // on the unit that has two runs already

    QTest::newRow("new unit") << QString() << false << false;
    QTest::newRow("counters from two runs") << QString() << false << true;
    QTest::newRow("holiday counters apart") << QString() << true << true;
    QTest::newRow("counters corrected by hand")
        << u"UPDATE Memory SET Count = (ID * 7) % 5, HCount = ID % 3"_s << true << true;
}

// A draft makes the very roster a counted run makes at that moment, says it
// is a draft, and leaves every byte of the working database as it was.
void tst_RunHistory::draftGivesTheCountedRunsCells()
{
    QFETCH(QString, setup);
    QFETCH(bool, consolidate);
    QFETCH(bool, afterRuns);
    const QString unit = m_tmp.filePath(u"draft"_s);
    copyUnit(afterRuns ? m_twoRuns : m_start, unit);
    if (!setup.isEmpty())
        execIn(memoryOf(unit), setup);
    writeFile(QDir(unit).filePath(u"ROSTER.INI"_s), consolidate ? " 1 \r\n" : " 0 \r\n");
    const QByteArray memoryBytes = readFile(memoryOf(unit));
    const int keptBefore = int(historyOf(unit).entries.size());

    const QString draft = QDir(unit).filePath(u"march-draft.cxr"_s);
    const Outcome d = runWith({u"make"_s, draft, u"--draft"_s, u"--data"_s, unit});
    QCOMPARE(d.status, 0);
    QVERIFY2(readFile(memoryOf(unit)) == memoryBytes, "a draft changed the working database");
    QCOMPARE(int(historyOf(unit).entries.size()), keptBefore);

    const QString counted = QDir(unit).filePath(u"march.cxr"_s);
    const Outcome c = runWith({u"make"_s, counted, u"--data"_s, unit});
    QCOMPARE(c.status, d.status);
    QCOMPARE(c.out, d.out);
    QCOMPARE(c.err, d.err);
    QString draftMarks, countedMarks;
    const QStringList draftRows = rosterRows(draft, &draftMarks);
    const QStringList countedRows = rosterRows(counted, &countedMarks);
    QCOMPARE(draftRows.size(), countedRows.size());
    QCOMPARE(draftRows, countedRows);
    QVERIFY(draftRows.size() > 100);
    QCOMPARE(draftMarks, QString(u"DRAFT"_s).repeated(draftMarks.size() / 5));
    QCOMPARE(countedMarks, QString(u"~"_s).repeated(draftMarks.size() / 5));
    QVERIFY(readFile(memoryOf(unit)) != memoryBytes);
    QCOMPARE(int(historyOf(unit).entries.size()), keptBefore + 1);
}

// make, make, undo, undo: the working database is as before the first make,
// dumped by the sqlite3 shell; each datafile went into history/.
void tst_RunHistory::undoGoesBackRunByRun()
{
    const QString unit = m_tmp.filePath(u"back"_s);
    makeTwoRuns(unit);
    const QString a = QDir(unit).filePath(u"a.cxr"_s), b = QDir(unit).filePath(u"b.cxr"_s);
    const QByteArray bBytes = readFile(b);

    const Outcome listed = runWith({u"history"_s, u"--data"_s, unit});
    QCOMPARE(listed.status, 0);
    const QStringList lines = listed.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    // Each entry keeps only what its run changed, though b.cxr's changed every counter row.
    for (const RunHistory::Entry &entry : historyOf(unit).entries)
        QVERIFY(QFileInfo(entry.path).size() * 2 < QFileInfo(memoryOf(unit)).size());
    QVERIFY2(lines.at(0).contains(b) && lines.at(1).contains(a), qPrintable(listed.out));
    QVERIFY2(lines.at(0).contains(u"10 duties"_s) && lines.at(0).contains(u"periods filled"_s),
             qPrintable(lines.at(0)));

    // Without --yes and without a terminal to ask on, nothing happens.
    const Outcome unasked = runWith({u"undo"_s, u"--data"_s, unit});
    QCOMPARE(unasked.status, 4);
    QVERIFY2(unasked.err.contains(u"b.cxr"_s), qPrintable(unasked.err));
    QCOMPARE(shellDump(memoryOf(unit)), m_afterBoth);

    const Outcome first = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QCOMPARE(first.status, 0);
    QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
    QVERIFY(!QFile::exists(b));
    const QStringList moved = QDir(QDir(unit).filePath(u"history"_s)).entryList({u"*-b.cxr"_s});
    QCOMPARE(moved.size(), 1);
    QCOMPARE(readFile(QDir(unit).filePath(u"history/"_s + moved.first())), bBytes);

    QCOMPARE(runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}).status, 0);
    QCOMPARE(shellDump(memoryOf(unit)), m_before);
    QVERIFY(!QFile::exists(a));

    const Outcome none = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QCOMPARE(none.status, 1);
    QCOMPARE(none.err, u"ERROR: Nothing is kept to undo: no roster run, import, replace or swap.\n"_s);
    QCOMPARE(runWith({u"history"_s, u"--data"_s, unit}).out, u"No changes are kept for undo.\n"_s);
    QCOMPARE(leftovers(unit), QStringList());
}

// A counter row of a soldier who left and the header of a duty no longer
// kept: the run removes them, and its undo brings them back as they were.
void tst_RunHistory::undoBringsBackWhatTheRunRemoved()
{
    const QString unit = m_tmp.filePath(u"removed"_s);
    copyUnit(m_twoRuns, unit);
    execIn(memoryOf(unit),
           u"INSERT INTO Memory (Marker, SoldierName, Rank, DutyName, Count, HCount, Remarks) "
           "VALUES (1, 'Gone, Gary', 'E', 'Gate', 7, 2, 'left in May')"_s);
    execIn(memoryOf(unit), u"INSERT INTO Header (DutyName) VALUES ('Old Duty')"_s);
    const QString before = shellDump(memoryOf(unit));
    QVERIFY(run({u"make"_s, QDir(unit).filePath(u"c.cxr"_s), u"--data"_s, unit}));
    QCOMPARE(sqliteShell(memoryOf(unit), u"SELECT count(*) FROM Memory WHERE SoldierName = 'Gone, Gary'; "
                                         "SELECT count(*) FROM Header WHERE DutyName = 'Old Duty'"_s),
             u"0\n0"_s);
    QCOMPARE(runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}).status, 0);
    QCOMPARE(shellDump(memoryOf(unit)), before);
}

void tst_RunHistory::undoInACopyOrAMovedUnit_data()
{
    QTest::addColumn<bool>("copied");    // else the folder was moved
    QTest::addColumn<QString>("within"); // where in the folder the datafiles are
    QTest::newRow("a copy of the folder") << true << QString();
    QTest::newRow("the folder moved") << false << QString();
    QTest::newRow("a copy, datafiles in a folder of it") << true << u"rosters/"_s;
    QTest::newRow("moved, datafiles in a folder of it") << false << u"rosters/"_s;
}

// A copy of the unit (a backup put back, a unit carried to another
// machine) takes back its own runs: the original's datafile stays where it
// is, whatever is undone in the copy. A unit moved as a whole takes its
// datafiles with it, and its undo still moves the run's away.
void tst_RunHistory::undoInACopyOrAMovedUnit()
{
    QFETCH(bool, copied);
    QFETCH(QString, within);
    const QString original = m_tmp.filePath(u"original"_s), other = m_tmp.filePath(u"other"_s);
    QDir(other).removeRecursively();
    copyUnit(m_start, original);
    QVERIFY(QDir(original).mkpath(within.isEmpty() ? u"."_s : within));
    for (const QString &name : {u"a.cxr"_s, u"b.cxr"_s})
        QVERIFY(run({u"make"_s, QDir(original).filePath(within + name), u"--data"_s, original}));
    const QString b = QDir(original).filePath(within + u"b.cxr"_s),
                  otherB = QDir(other).filePath(within + u"b.cxr"_s);
    const QByteArray bBytes = readFile(b);
    if (copied) {
        copyUnit(original, other); // the files of the folder itself
        if (!within.isEmpty()) {
            QVERIFY(QDir(other).mkpath(within));
            for (const QString &name : {u"a.cxr"_s, u"b.cxr"_s})
                QVERIFY(
                    QFile::copy(QDir(original).filePath(within + name), QDir(other).filePath(within + name)));
        }
    } else {
        QVERIFY(QDir().rename(original, other));
    }

    const Outcome listed = runWith({u"history"_s, u"--data"_s, other});
    QVERIFY2(listed.out.contains(otherB) && !listed.out.contains(b), qPrintable(listed.out));
    const Outcome undone = runWith({u"undo"_s, u"--data"_s, other, u"--yes"_s});
    QCOMPARE(undone.status, 0);
    QCOMPARE(shellDump(memoryOf(other)), m_afterFirst);
    const QStringList kept = QDir(QDir(other).filePath(u"history"_s)).entryList({u"*-b.cxr"_s});
    if (!copied) {
        QVERIFY(!QFile::exists(otherB));
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readFile(QDir(other).filePath(u"history/"_s + kept.first())), bBytes);
        return;
    }
    QCOMPARE(readFile(b), bBytes);
    // The copy's datafile is a copy, not the file the run made: it stays, and the clerk is told.
    QCOMPARE(readFile(otherB), bBytes);
    QCOMPARE(kept.size(), 0);
    QVERIFY2((undone.out + undone.err).contains(u"is no longer the roster datafile that run made"_s),
             qPrintable(undone.out + undone.err));

    QCOMPARE(historyOf(original).entries.size(), 2);
    QCOMPARE(runWith({u"undo"_s, u"--data"_s, original, u"--yes"_s}).status, 0);
    QVERIFY(!QFile::exists(b));
    QCOMPARE(QDir(QDir(original).filePath(u"history"_s)).entryList({u"*-b.cxr"_s}).size(), 1);
}

void tst_RunHistory::undoRefusedAfterChanges_data()
{
    QTest::addColumn<QString>("change");  // SQL on Memory.mdb after the runs
    QTest::addColumn<QString>("refusal"); // empty: the undo goes ahead
    // What of the change stays after the undo: the undo puts back what the
    // second run changed, columns and rows it did not touch keep a change by hand.
    QTest::addColumn<QString>("kept");

    // The second run raises the counters of rows 1 to 3 and the holiday
    // counters of the last two rows, and adds the last assignment date.
    QTest::newRow("one counter") << u"UPDATE Memory SET Count = Count + 1 WHERE ID = 1"_s
                                 << u"The counters of 1 soldier were changed after that run."_s << QString();
    QTest::newRow("a holiday counter")
        << u"UPDATE Memory SET HCount = HCount + 2 WHERE ID IN (SELECT ID FROM Memory ORDER BY ID DESC LIMIT 3)"_s
        << u"The counters of 3 soldiers were changed after that run."_s
        << u"UPDATE Memory SET HCount = HCount + 2 WHERE ID = (SELECT max(ID) - 2 FROM Memory)"_s;
    QTest::newRow("a counter row deleted")
        << u"DELETE FROM Memory WHERE ID = 2"_s << u"The counters of 1 soldier were changed after that run."_s
        << u"DELETE FROM Memory WHERE ID = 2"_s;
    QTest::newRow("an assignment date removed")
        << u"DELETE FROM Dates WHERE ID = (SELECT max(ID) FROM Dates)"_s
        << u"The assignment dates of 1 soldier were changed after that run."_s << QString();
    QTest::newRow("counters and dates")
        << u"UPDATE Memory SET Count = 0 WHERE ID IN (1, 2, 3); "
           "UPDATE Dates SET \"To\" = '2099-01-01' WHERE ID = (SELECT min(ID) FROM Dates)"_s
        << u"The counters of 3 soldiers and the assignment dates of 1 soldier were changed after that run."_s
        << u"UPDATE Dates SET \"To\" = '2099-01-01' WHERE ID = 1"_s;
    // The window's housekeeping removes dates that have passed; that is no
    // change by hand.
    QTest::newRow("past dates removed by the housekeeping")
        << u"UPDATE Dates SET \"From\" = '2020-01-01', \"To\" = '2020-01-02' WHERE ID = 1"_s << QString()
        << u"DELETE FROM Dates WHERE \"To\" < '2021-01-01'"_s;
    QTest::newRow("a remark edited") << u"UPDATE Memory SET Remarks = 'moved to HQ' WHERE ID = 4"_s
                                     << QString()
                                     << u"UPDATE Memory SET Remarks = 'moved to HQ' WHERE ID = 4"_s;
}

void tst_RunHistory::undoRefusedAfterChanges()
{
    QFETCH(QString, change);
    QFETCH(QString, refusal);
    QFETCH(QString, kept);
    const QString unit = m_tmp.filePath(u"changed"_s);
    // The tables after the undo: as the undone run found them, with what stays of the change.
    const QString expectedFile = m_tmp.filePath(u"expected.mdb"_s);
    QFile::remove(expectedFile);
    QVERIFY(QFile::copy(m_firstFile, expectedFile));
    if (change.contains(u"2020"_s)) {
        // A date that has passed, there before a run, which the housekeeping
        // removes after it.
        copyUnit(m_start, unit);
        execIn(memoryOf(unit), u"INSERT INTO Dates (SoldierName, \"From\", \"To\") SELECT SoldierName, "
                               "'2020-01-01', '2020-01-02' FROM (SELECT 'Past, Peter' AS SoldierName)"_s);
        QFile::remove(expectedFile);
        QVERIFY(QFile::copy(memoryOf(unit), expectedFile));
        QVERIFY(run({u"make"_s, QDir(unit).filePath(u"b.cxr"_s), u"--data"_s, unit}));
        change = u"DELETE FROM Dates WHERE \"To\" < '2021-01-01'"_s;
    } else {
        makeTwoRuns(unit);
    }
    if (!kept.isEmpty())
        execIn(expectedFile, kept);
    const QString expected = shellDump(expectedFile);
    const QString beforeChange = shellDump(memoryOf(unit));
    for (const QString &sql : change.split(u"; "_s))
        execIn(memoryOf(unit), sql);
    const QString changed = shellDump(memoryOf(unit));
    QVERIFY(changed != beforeChange);

    const Outcome o = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    if (refusal.isEmpty()) {
        QVERIFY2(o.status == 0, qPrintable(o.err));
        QCOMPARE(shellDump(memoryOf(unit)), expected);
        return;
    }
    QCOMPARE(o.status, 1);
    QVERIFY2(o.err.startsWith(u"ERROR: "_s + refusal), qPrintable(o.err));
    QVERIFY2(o.err.contains(u"--force"_s), qPrintable(o.err));
    QCOMPARE(shellDump(memoryOf(unit)), changed);
    QVERIFY(QFile::exists(QDir(unit).filePath(u"b.cxr"_s)));
    // Forced, the question and the result say what is lost; what the run
    // changed is as before it.
    const Outcome asked = runWith({u"undo"_s, u"--data"_s, unit, u"--force"_s});
    QCOMPARE(asked.status, 4);
    QVERIFY2(asked.err.contains(refusal + u" Undoing it anyway loses those changes."_s),
             qPrintable(asked.err));
    const Outcome forced = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s, u"--force"_s});
    QCOMPARE(forced.status, 0);
    QVERIFY2(forced.out.contains(refusal + u" Those changes are lost."_s), qPrintable(forced.out));
    QCOMPARE(shellDump(memoryOf(unit)), expected);
    QVERIFY(!QFile::exists(QDir(unit).filePath(u"b.cxr"_s)));
}

// The 21st and 22nd runs push out the oldest two; the list is newest first,
// even when the clock was put back before the last run. A replace's datafile
// that a kill left without its entry goes with the first run.
void tst_RunHistory::historyKeepsTwenty()
{
    const QString unit = m_tmp.filePath(u"twenty"_s);
    copyUnit(m_start, unit);
    QDir history(QDir(unit).filePath(u"history"_s));
    QVERIFY(history.mkpath(u"."_s));
    writeFile(history.filePath(u"run-20270301-080000-000-before.cxr"_s), "left by a killed replace");
    for (int i = 1; i <= 22; ++i) {
        if (i == 22) {
            int n = 0;
            for (const QString &name : history.entryList({u"run-*.mdb"_s}, QDir::Files, QDir::Name)) {
                const QString later = u"run-20991231-2300%1-000.mdb"_s.arg(n, 2, 10, QChar(u'0'));
                QVERIFY(history.rename(name, later));
                execIn(history.filePath(later),
                       u"UPDATE run SET Made = '2099-12-31T23:00:%1.000Z'"_s.arg(n++, 2, 10, QChar(u'0')));
            }
        }
        QVERIFY(run(
            {u"make"_s, QDir(unit).filePath(u"r%1.cxr"_s.arg(i, 2, 10, QChar(u'0'))), u"--data"_s, unit}));
    }
    const RunHistory::Listing listing = historyOf(unit);
    QCOMPARE(listing.skipped.size(), 0);
    QCOMPARE(listing.entries.size(), RunHistory::kRunsKept);
    QCOMPARE(QDir(QDir(unit).filePath(u"history"_s)).entryList(QDir::Files).size(), 20);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(QFileInfo(listing.entries.at(i).datafile).fileName(),
                 u"r%1.cxr"_s.arg(22 - i, 2, 10, QChar(u'0')));
    const QStringList lines = runWith({u"history"_s, u"--data"_s, unit}).out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 20);
    QVERIFY(lines.first().contains(u"r22.cxr"_s) && lines.last().contains(u"r03.cxr"_s));
}

void tst_RunHistory::strangeFilesAreNamedAndSkipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");   // what is put there
    QTest::addColumn<QString>("result"); // "skipped": b.cxr's run is undone all the same

    QTest::newRow("a text file") << u"notes.txt"_s << u"text"_s << u"skipped"_s;
    QTest::newRow("junk under a run's name") << u"run-20991231-235959-999.mdb"_s << u"junk"_s << u"skipped"_s;
    QTest::newRow("a working database without the run's facts")
        << u"run-20991231-235959-999.mdb"_s << u"memory"_s << u"skipped"_s;
    QTest::newRow("a personnel database under a run's name")
        << u"run-20991231-235959-999.mdb"_s << u"personnel"_s << u"skipped"_s;
    QTest::newRow("a folder") << u"run-20991231-235959-999.mdb"_s << u"folder"_s << u"skipped"_s;
    QTest::newRow("a run of another unit sharing the folder") << QString() << u"other unit"_s << u"skipped"_s;
    // Nothing older is ever taken back in place of the unit's last run.
    QTest::newRow("the newest run, damaged") << QString() << u"damaged"_s << u"refused"_s;
    QTest::newRow("the newest run, renamed") << u"b-kept.mdb"_s << u"renamed"_s << u"refused"_s;
    QTest::newRow("the newest run, under a name with a letter for a digit")
        << u"run-2099123l-235959-999.mdb"_s << u"renamed"_s << u"refused"_s;
    QTest::newRow("the newest run, made with the clock an hour back")
        << QString() << u"clock back"_s << u"undone"_s;
    // An entry of an earlier version: the whole tables, digests of what the run left.
    QTest::newRow("the newest run, kept by an earlier version") << QString() << u"earlier"_s << u"undone"_s;
    // The version before: the rows the run changed as tables, and the keys it changed or added.
    QTest::newRow("the newest run, kept as tables") << QString() << u"tables"_s << u"undone"_s;
}

// A file in history/ that is no run kept, or a damaged one, is named and
// never restored; only the unit's last run is ever undone.
void tst_RunHistory::strangeFilesAreNamedAndSkipped()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, result);
    const QString unit = m_tmp.filePath(u"strange"_s);
    makeTwoRuns(unit);
    const QDir history(QDir(unit).filePath(u"history"_s));
    const QList<RunHistory::Entry> kept = historyOf(unit).entries;
    QString path = history.filePath(name);
    if (kind == u"text")
        writeFile(path, "keep the history tidy\n");
    else if (kind == u"junk")
        writeFile(path, QByteArray(8192, '\x5a'));
    else if (kind == u"memory")
        QVERIFY(QFile::copy(memoryOf(unit), path));
    else if (kind == u"personnel")
        QVERIFY(QFile::copy(QDir(unit).filePath(u"Datafile32.mdb"_s), path));
    else if (kind == u"folder")
        QVERIFY(history.mkdir(name));
    else if (kind == u"damaged") {
        path = kept.first().path;
        damageTable(path, FileKind::Working, u"Memory"_s);
    } else if (kind == u"renamed") {
        QVERIFY(QFile::rename(kept.first().path, path));
    } else if (kind == u"clock back") {
        // b.cxr's run made an hour before a.cxr's, as its name and its facts say.
        const QDateTime back = kept.last().made.addSecs(-3600).toUTC();
        path = history.filePath(u"run-%1.mdb"_s.arg(back.toString(u"yyyyMMdd-HHmmss-zzz"_s)));
        QVERIFY(QFile::rename(kept.first().path, path));
        execIn(path, u"UPDATE run SET Made = '%1'"_s.arg(back.toString(Qt::ISODateWithMs)));
    } else if (kind == u"earlier") {
        // The tables as the run found them, and the facts of that version.
        path = kept.first().path;
        QCOMPARE(
            sqliteShell(path,
                        u"ATTACH '%1' AS f; INSERT INTO Memory SELECT * FROM f.Memory; INSERT INTO Dates "
                        "SELECT * FROM f.Dates; INSERT INTO Header SELECT * FROM f.Header; DELETE FROM "
                        "sqlite_sequence; INSERT INTO sqlite_sequence SELECT * FROM f.sqlite_sequence;"_s.arg(
                            m_firstFile),
                        true),
            QString());
        for (const QString &sql :
             {u"DROP TABLE changes; "
              "DROP TABLE sequences; DROP TABLE proof; CREATE TABLE countersAfter "
              "(SoldierName TEXT, Digest TEXT); "
              "CREATE TABLE datesAfter (SoldierName TEXT, \"From\" TEXT, \"To\" TEXT)"_s,
              u"ALTER TABLE run DROP COLUMN Format; ALTER TABLE run DROP COLUMN Day; "
              u"ALTER TABLE run DROP COLUMN "
              "Untouched; ALTER TABLE run DROP COLUMN Whole; ALTER TABLE run DROP COLUMN Kind; ALTER TABLE "
              "run "
              "DROP COLUMN Added; ALTER TABLE run DROP COLUMN Updated; ALTER TABLE run DROP "
              "COLUMN PersonnelCounter"_s})
            for (const QString &statement : sql.split(u"; "_s))
                execIn(path, statement);
    } else if (kind == u"tables") {
        path = kept.first().path;
        QString sql = u"ATTACH '%1' AS f; ATTACH '%2' AS w; DROP TABLE changes; UPDATE run SET Format = 2; "
                      "CREATE TABLE changed (Tbl TEXT, First INTEGER, Last INTEGER); "_s.arg(m_firstFile,
                                                                                             memoryOf(unit));
        for (const QString &t : {u"Memory"_s, u"Dates"_s, u"Header"_s})
            sql +=
                u"CREATE TABLE before_%1 AS SELECT * FROM f.%1 EXCEPT SELECT * FROM w.%1; INSERT INTO "
                "changed SELECT '%1', ID, ID FROM (SELECT * FROM w.%1 EXCEPT SELECT * FROM f.%1); "_s.arg(t);
        QCOMPARE(sqliteShell(path, sql, true), QString());
    } else if (kind == u"other unit") {
        const QString other = m_tmp.filePath(u"other"_s);
        copyUnit(m_start, other);
        QVERIFY(QDir(other).rmdir(u"history"_s));
        QVERIFY(QFile::link(history.path(), QDir(other).filePath(u"history"_s)));
        QVERIFY(run({u"make"_s, QDir(other).filePath(u"o.cxr"_s), u"--data"_s, other}));
        path = historyOf(other).entries.first().path.replace(other, unit);
    }
    const QByteArray bytes = readFile(path);

    const Outcome listed = runWith({u"history"_s, u"--data"_s, unit});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.out.count(u'\n'), result == u"refused"_s ? 0 : 2);
    const Outcome undone = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s, u"--force"_s});
    if (result == u"undone"_s) {
        QCOMPARE(undone.status, 0);
        QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
        return;
    }
    QVERIFY2(listed.err.startsWith(u"WARNING: "_s) && listed.err.contains(QDir::toNativeSeparators(path)),
             qPrintable(listed.err));
    QVERIFY2(undone.err.contains(QDir::toNativeSeparators(path)), qPrintable(undone.err));
    if (result == u"refused"_s) {
        QCOMPARE(undone.status, 1);
        QVERIFY2(undone.err.contains(u"ERROR: The unit's last change cannot be undone"_s),
                 qPrintable(undone.err));
        QCOMPARE(shellDump(memoryOf(unit)), m_afterBoth);
    } else {
        QCOMPARE(undone.status, 0);
        QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
    }
    QCOMPARE(readFile(path), bytes);
}

void tst_RunHistory::proofKeepsDatesByTheirLastDay_data()
{
    QTest::addColumn<QStringList>("lastDays"); // To of dates added before the run, as SQL
    QTest::addColumn<QStringList>("days");     // what the run's proof keeps of them: "day=count"

    QTest::newRow("a day, alone and with more after it")
        << QStringList{u"'2099-01-01'"_s, u"'2099-01-01T08:00'"_s, u"'2099-01-01 and later'"_s}
        << QStringList{u"2099-01-01=3"_s};
    // The first of the two gives the day its name: a Null is no text.
    QTest::newRow("Null, then empty text") << QStringList{u"NULL"_s, u"''"_s} << QStringList{u"(null)=2"_s};
    QTest::newRow("empty text, then Null") << QStringList{u"''"_s, u"NULL"_s} << QStringList{u"=2"_s};
    QTest::newRow("ten characters, not ten bytes")
        << QStringList{u"'ÄÖÜäöüßÄÖÜäöü'"_s} << QStringList{u"ÄÖÜäöüßÄÖÜ=1"_s};
    QTest::newRow("text before the day") << QStringList{u"'Ä2099-01-01'"_s, u"'x2099-01-01'"_s}
                                         << QStringList{u"x2099-01-0=1"_s, u"Ä2099-01-0=1"_s};
    QTest::newRow("bytes that are no UTF-8")
        << QStringList{u"CAST(X'FF32303939' AS TEXT)"_s} << QStringList{u"\uFFFD2099=1"_s};
    QTest::newRow("a whole number") << QStringList{u"20990101"_s} << QStringList{u"20990101=1"_s};
    QTest::newRow("days that have passed")
        << QStringList{u"'2001-01-01'"_s, u"'2001-01-01T08:00'"_s} << QStringList{};
}

// An entry's proof counts the dates by the first ten characters of their last
// day, as the proofs of earlier versions did: an entry they kept compares
// alike and stays undoable without a question.
void tst_RunHistory::proofKeepsDatesByTheirLastDay()
{
    QFETCH(QStringList, lastDays);
    QFETCH(QStringList, days);
    const QString unit = m_tmp.filePath(u"proof"_s);
    copyUnit(m_start, unit);
    QStringList rows;
    for (const QString &to : lastDays)
        rows.append(u"('Zeller, Anna', '2026-01-01', %1)"_s.arg(to));
    sqliteShell(memoryOf(unit),
                u"INSERT INTO Dates (SoldierName, \"From\", \"To\") VALUES %1"_s.arg(rows.join(u", ")), true);
    const qint64 before = sqliteShell(memoryOf(unit), u"SELECT max(ID) FROM Dates"_s).trimmed().toLongLong();
    QVERIFY(run({u"make"_s, QDir(unit).filePath(u"a.cxr"_s), u"--data"_s, unit}));

    // The run's own dates fall on days of its schedule; what stays is ours.
    const QStringList runDays =
        sqliteShell(memoryOf(unit),
                    u"SELECT DISTINCT substr(\"To\", 1, 10) FROM Dates WHERE ID > %1"_s.arg(before))
            .split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!runDays.isEmpty());
    const RunHistory::Listing history = historyOf(unit);
    QCOMPARE(history.entries.size(), 1);
    const QByteArray proof = QByteArray::fromHex(
        sqliteShell(history.entries.first().path, u"SELECT hex(Proof) FROM proof"_s).trimmed().toLatin1());
    QDataStream in(proof);
    in.setVersion(QDataStream::Qt_6_0);
    QHash<quint64, quint32> counters, dates;
    QMap<QString, QPair<qint64, quint64>> kept;
    in >> counters >> dates >> kept;
    QCOMPARE(in.status(), QDataStream::Ok);
    QStringList got;
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        if (!runDays.contains(it.key()))
            got.append(u"%1=%2"_s.arg(it.key().isNull() ? u"(null)"_s : it.key()).arg(it.value().first));
    QCOMPARE(got, days);
}

void tst_RunHistory::aRunTakesOnTheProofOfTheChangeBefore_data()
{
    QTest::addColumn<QString>("before"); // what comes before the run
    QTest::newRow("a run") << u"run"_s;
    QTest::newRow("a run over dates of every kind") << u"odd"_s;
    QTest::newRow("a run taken back") << u"undo"_s;
    QTest::newRow("a run ten days ago") << u"days"_s;
    // The change that takes on the proof is no run but one of these.
    QTest::newRow("a replace") << u"replace"_s;
    QTest::newRow("a swap") << u"swap"_s;
    // It takes away a date that had passed before the run.
    QTest::newRow("a replace of a period long passed") << u"replace passed"_s;
}

// A run that finds the tables as the unit's last change left them takes that
// change's proof of the dates and adds its own rows, where it read every
// date the unit keeps before: its proof is the one that reading every date
// gives, and a date changed where the file's change counter does not show it
// goes unseen.
void tst_RunHistory::aRunTakesOnTheProofOfTheChangeBefore()
{
    QFETCH(QString, before);
    const QString unit = m_tmp.filePath(u"carried-"_s + before);
    copyUnit(m_start, unit);
    // The first date, long passed, is the one changed below; the run never reads it.
    QStringList dates{u"('Zeller, Anna', '2001-01-01', '2001-01-02')"_s};
    if (before == u"odd") {
        dates << u"('Odd, Otto', NULL, NULL)"_s << u"('Odd, Otto', '', '')"_s
              << u"('Odd, Otto', 2.5, CAST(X'FF32303939' AS TEXT))"_s << u"(NULL, '2099-01-01', 20990101)"_s
              << u"('Odd, Otto', '2099-01-01', '2099-01-01T08:00')"_s << u"('Odd, Otto', X'00', X'3230')"_s;
    } else if (before == u"days") {
        // Not passed when the first run is made, passed at the second.
        const QString day = QDate::currentDate().addDays(-5).toString(Qt::ISODate);
        dates << u"('Odd, Otto', '%1', '%1')"_s.arg(day) << u"('Zeller, Anna', '%1', '%1T20:00')"_s.arg(day)
              << u"('Odd, Otto', '%1', CAST('%1' AS BLOB))"_s.arg(day)
              << u"('Odd, Otto', '%1', '%1')"_s.arg(QDate::currentDate().addDays(-3).toString(Qt::ISODate));
    }
    sqliteShell(memoryOf(unit),
                u"INSERT INTO Dates (SoldierName, \"From\", \"To\") VALUES %1"_s.arg(dates.join(u", ")),
                true);
    if (before == u"replace passed") {
        // The guard's first period, twelve days ago: passed on the run's day.
        const QString day = QDate::currentDate().addDays(-12).toString(Qt::ISODate);
        sqliteShell(
            QDir(unit).filePath(u"Datafile32.mdb"_s),
            u"INSERT INTO WorkSchedule (DutyName, \"From\", \"To\") VALUES ('Gate Guard', '%1', '%1')"_s.arg(
                day),
            true);
    }
    const Outcome first =
        runWith({u"make"_s, QDir(unit).filePath(u"a.cxr"_s), u"--data"_s, unit},
                before == u"days" || before == u"replace passed" ? QStringList{u"CALENDRIX_DAYS_AHEAD=-10"_s}
                                                                 : QStringList{});
    QVERIFY2(first.status == 0, qPrintable(first.err));
    if (before == u"undo") {
        QVERIFY(run({u"make"_s, QDir(unit).filePath(u"b.cxr"_s), u"--data"_s, unit}));
        QCOMPARE(runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}).status, 0);
    } else if (before == u"days") {
        // The next run also fills a period that passed three days ago: its
        // date was in no proof before.
        const QString day = QDate::currentDate().addDays(-3).toString(Qt::ISODate);
        sqliteShell(QDir(unit).filePath(u"Datafile32.mdb"_s),
                    u"INSERT INTO WorkSchedule (DutyName, \"From\", \"To\") SELECT DutyName, '%1', '%1' "
                    "FROM WorkSchedule LIMIT 1"_s.arg(day),
                    true);
    }

    // As left; written to without a change; the first date changed behind
    // the change counter; the first date changed.
    const QString asLeft = unit + u"-as-left"_s, written = unit + u"-written"_s, hidden = unit + u"-hidden"_s,
                  changed = unit + u"-changed"_s;
    for (const QString &copy : {asLeft, written, hidden, changed})
        copyUnit(unit, copy);
    const QString rename = u"UPDATE Dates SET SoldierName = 'Zeller, Anne' WHERE ID = 1"_s;
    // (SQLite writes no page that an update leaves as it was.)
    for (const QString &step : {u"+"_s, u"-"_s})
        execIn(memoryOf(written),
               u"UPDATE Memory SET HCount = HCount %1 1 WHERE ID = (SELECT min(ID) FROM Memory)"_s.arg(step));
    QVERIFY(changeCounterOf(memoryOf(written)) != changeCounterOf(memoryOf(unit)));
    execIn(memoryOf(hidden), rename);
    setChangeCounter(memoryOf(hidden), changeCounterOf(memoryOf(unit)));
    QCOMPARE(changeCounterOf(memoryOf(hidden)), changeCounterOf(memoryOf(unit)));
    execIn(memoryOf(changed), rename);
    const auto change = [&before](const QString &copy, int with) {
        const QStringList roster{QDir(copy).filePath(u"a.cxr"_s),
                                 u"--duty"_s,
                                 u"Gate Guard"_s,
                                 u"--period"_s,
                                 u"1"_s,
                                 u"--data"_s,
                                 copy};
        if (before.startsWith(u"replace"))
            return run(QStringList{u"replace"_s} + roster + QStringList{u"--next"_s});
        if (before == u"swap")
            return run(QStringList{u"swap"_s} + roster +
                       QStringList{u"--with-period"_s, QString::number(with)});
        return run({u"make"_s, QDir(copy).filePath(u"c.cxr"_s), u"--data"_s, copy});
    };
    // The first period whose soldier may trade with the first's.
    int with = 2;
    while (before == u"swap" && with < 30 && !change(asLeft, with))
        ++with;
    for (const QString &copy : {asLeft, written, hidden, changed})
        QVERIFY(before == u"swap" && copy == asLeft ? with < 30 : change(copy, with));

    const KeptProof taken = newestProof(asLeft), read = newestProof(written);
    QVERIFY(taken.read && read.read);
    QCOMPARE(taken.datesRows, sqliteShell(memoryOf(asLeft), u"SELECT count(*) FROM Dates"_s).toLongLong());
    QCOMPARE(taken.days, read.days);
    QCOMPARE(taken.dates, read.dates);
    QVERIFY(taken == read);
    QVERIFY(newestProof(hidden) == taken);
    const KeptProof seen = newestProof(changed);
    QVERIFY(seen.read && seen.datesRows == taken.datesRows && !(seen == taken));
    if (before == u"days") {
        QVERIFY(!taken.days.contains(QDate::currentDate().addDays(-5).toString(Qt::ISODate)));
        QCOMPARE(sqliteShell(memoryOf(asLeft), u"SELECT count(*) FROM Dates WHERE \"To\" = '%1'"_s.arg(
                                                   QDate::currentDate().addDays(-3).toString(Qt::ISODate))),
                 u"2"_s);
    }
}

// The listing reads each kept run's facts only; the run an undo takes is
// checked whole, so a damaged older one is found once it is the last.
void tst_RunHistory::damagedOlderRunIsFoundWhenItsTurnComes()
{
    const QString unit = m_tmp.filePath(u"older-damaged"_s);
    makeTwoRuns(unit);
    const QString older = historyOf(unit).entries.last().path;
    damageTable(older, FileKind::Working, u"proof"_s);
    const QByteArray bytes = readFile(older);

    const Outcome listed = runWith({u"history"_s, u"--data"_s, unit});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.out.count(u'\n'), 2);
    const Outcome first = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QVERIFY2(first.status == 0, qPrintable(first.err));
    QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
    const Outcome second = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s, u"--force"_s});
    QCOMPARE(second.status, 1);
    QVERIFY2(second.err.contains(QDir::toNativeSeparators(older)), qPrintable(second.err));
    QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
    QCOMPARE(readFile(older), bytes);
}

// An undo reads the entries from the newest back to the unit's last change
// and no further: its cost does not grow with the runs kept. What it leaves
// unread is listed, and refused in its turn, as before.
void tst_RunHistory::undoOpensNoEntryBeforeTheLast()
{
    const QString unit = m_tmp.filePath(u"older-unread"_s);
    makeTwoRuns(unit);
    const QString older = historyOf(unit).entries.last().path;
    writeFile(older, QByteArray(8192, '\x5a'));

    const Outcome listed = runWith({u"history"_s, u"--data"_s, unit});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.out.count(u'\n'), 1);
    QVERIFY2(listed.err.contains(QDir::toNativeSeparators(older)), qPrintable(listed.err));
    const Outcome first = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QVERIFY2(first.status == 0, qPrintable(first.err));
    QVERIFY2(!first.err.contains(QDir::toNativeSeparators(older)), qPrintable(first.err));
    QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
    const Outcome second = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s, u"--force"_s});
    QCOMPARE(second.status, 1);
    QVERIFY2(second.err.contains(QDir::toNativeSeparators(older)), qPrintable(second.err));
    QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);
}

void tst_RunHistory::undoStandsWhenAFileCannotBeRemoved_data()
{
    QTest::addColumn<QString>("file"); // what cannot be removed

    QTest::newRow("the run's datafile") << u"/b.cxr"_s;
    QTest::newRow("the run's entry") << u"entry"_s;
    QTest::newRow("the undo's record") << u"/.calendrix-undo"_s;
}

// Once the tables are committed the undo is done and said to be, with the
// file left over named; the unit goes on as after any undo.
void tst_RunHistory::undoStandsWhenAFileCannotBeRemoved()
{
    QFETCH(QString, file);
    const QString unit = m_tmp.filePath(u"leftover"_s);
    makeTwoRuns(unit);
    if (file == u"entry"_s)
        file = historyOf(unit).entries.first().path;
    const Outcome o =
        runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}, {u"CALENDRIX_FAIL_UNLINK="_s + file});
    QCOMPARE(o.status, 0);
    QVERIFY2(o.out.startsWith(u"Undone: "_s) && o.err.contains(u"could not be removed"_s) &&
                 o.err.contains(file),
             qPrintable(o.err));
    QCOMPARE(shellDump(memoryOf(unit)), m_afterFirst);

    const Outcome listed = runWith({u"history"_s, u"--data"_s, unit});
    QCOMPARE(listed.status, 0);
    QCOMPARE(listed.out.count(u'\n'), 1);
    QVERIFY2(listed.out.contains(u"a.cxr"_s), qPrintable(listed.out));
    QCOMPARE(runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}).status, 0);
    QCOMPARE(shellDump(memoryOf(unit)), m_before);
    QVERIFY(
        runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s})
            .err.endsWith(u"ERROR: Nothing is kept to undo: no roster run, import, replace or swap.\n"_s));
}

void tst_RunHistory::runThatDidNotCountIsNeverOffered_data()
{
    QTest::addColumn<QStringList>("fault");
    QTest::addColumn<bool>("counted");

    QTest::newRow("killed once its entry has its name")
        << QStringList{u"CALENDRIX_KILL_AFTER=rename:.mdb"_s} << false;
    QTest::newRow("killed after the commit")
        << QStringList{u"CALENDRIX_KILL_AFTER=unlink:Memory.mdb-journal"_s} << true;
    QTest::newRow("commit fails") << QStringList{u"CALENDRIX_FAIL_SYNC=Memory.mdb-journal"_s} << false;
}

// An entry is there exactly when its run's counters were committed.
void tst_RunHistory::runThatDidNotCountIsNeverOffered()
{
    QFETCH(QStringList, fault);
    QFETCH(bool, counted);
    const QString unit = m_tmp.filePath(u"uncounted"_s);
    makeTwoRuns(unit);
    const Outcome o = runWith({u"make"_s, QDir(unit).filePath(u"c.cxr"_s), u"--data"_s, unit}, fault);
    QVERIFY(o.status != 0);
    // The next use of the unit settles what the run left.
    QCOMPARE(runWith({u"history"_s, u"--data"_s, unit}).status, 0);
    const RunHistory::Listing listing = historyOf(unit);
    QCOMPARE(listing.entries.size(), counted ? 3 : 2);
    QCOMPARE(QFileInfo(listing.entries.first().datafile).fileName(), counted ? u"c.cxr"_s : u"b.cxr"_s);
    QCOMPARE(leftovers(QDir(unit).filePath(u"history"_s)).size(), 0);
    QCOMPARE(runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}).status, 0);
    QCOMPARE(shellDump(memoryOf(unit)), counted ? m_afterBoth : m_afterFirst);
}

void tst_RunHistory::killAtEachUndoStep_data()
{
    QTest::addColumn<QString>("killAfter");
    QTest::addColumn<bool>("undone");

    QTest::newRow("after the record") << u"rename:.calendrix-undo"_s << false;
    QTest::newRow("after the datafile's copy in history") << u"link:-b.cxr"_s << false;
    QTest::newRow("after the commit") << u"unlink:Memory.mdb-journal"_s << true;
    QTest::newRow("after the datafile's own name goes") << u"unlink:/b.cxr"_s << true;
    QTest::newRow("after the entry goes") << u"unlink:.mdb"_s << true;
}

// Killed right after each step; the next use of the unit (a make refused
// because its target exists) completes the undo or leaves no trace of it.
void tst_RunHistory::killAtEachUndoStep()
{
    QFETCH(QString, killAfter);
    QFETCH(bool, undone);
    const QString unit = m_tmp.filePath(u"step"_s);
    makeTwoRuns(unit);
    const Outcome killed =
        runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}, {u"CALENDRIX_KILL_AFTER="_s + killAfter});
    QVERIFY2(killed.killed, qPrintable(u"not killed: "_s + killed.err));

    const QString other = m_tmp.filePath(u"other.cxr"_s);
    writeFile(other, "");
    const Outcome next = runWith({u"make"_s, other, u"--data"_s, unit});
    QCOMPARE(next.status, 4);
    QVERIFY2(next.err.contains(undone ? u"has been completed"_s : u"was abandoned"_s), qPrintable(next.err));
    QCOMPARE(shellDump(memoryOf(unit)), undone ? m_afterFirst : m_afterBoth);
    QCOMPARE(QFile::exists(QDir(unit).filePath(u"b.cxr"_s)), !undone);
    const QStringList moved = QDir(QDir(unit).filePath(u"history"_s)).entryList({u"*-b.cxr"_s});
    QCOMPARE(moved.size(), undone ? 1 : 0);
    QCOMPARE(historyOf(unit).entries.size(), undone ? 1 : 2);
    QCOMPARE(leftovers(unit), QStringList());
}

void tst_RunHistory::aCopyMadeAfterAKillSettlesOnlyItself_data()
{
    QTest::addColumn<bool>("undo"); // else a run is killed
    QTest::addColumn<QString>("killAfter");
    QTest::newRow("an undo, before its commit") << true << u"link:-b.cxr"_s;
    QTest::newRow("an undo, after its commit") << true << u"unlink:Memory.mdb-journal"_s;
    QTest::newRow("a run, after its datafile takes its name") << false << u"rename:c.cxr"_s;
    QTest::newRow("a run, after its commit") << false << u"unlink:Memory.mdb-journal"_s;
}

// A unit copied between a kill and its next use (a backup taken after a
// power cut): the copy's next use settles the copy's own files, and the
// original's stay as the kill left them until the original is used again.
void tst_RunHistory::aCopyMadeAfterAKillSettlesOnlyItself()
{
    QFETCH(bool, undo);
    QFETCH(QString, killAfter);
    const QString original = m_tmp.filePath(u"killed"_s), copy = m_tmp.filePath(u"killed-copy"_s);
    makeTwoRuns(original);
    const QStringList command =
        undo ? QStringList{u"undo"_s, u"--data"_s, original, u"--yes"_s}
             : QStringList{u"make"_s, QDir(original).filePath(u"c.cxr"_s), u"--data"_s, original};
    const Outcome killed = runWith(command, {u"CALENDRIX_KILL_AFTER="_s + killAfter});
    QVERIFY2(killed.killed, qPrintable(u"not killed: "_s + killed.err));
    // Every file of the original, hidden ones and history/ too, as the kill left it.
    const auto files = [](const QString &dir) {
        QMap<QString, QByteArray> bytes;
        QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            bytes.insert(QDir(dir).relativeFilePath(path), readFile(path));
        }
        return bytes;
    };
    const QMap<QString, QByteArray> left = files(original);
    copyUnit(original, copy);

    QCOMPARE(runWith({u"history"_s, u"--data"_s, copy}).status, 0);
    QCOMPARE(files(original).keys(), left.keys());
    QVERIFY(files(original) == left);
    const UnitFolder copied(copy);
    QVERIFY(!QFile::exists(copied.pendingRunPath()) && !QFile::exists(copied.pendingUndoPath()));
    // The original settles as it always has.
    QCOMPARE(runWith({u"history"_s, u"--data"_s, original}).status, 0);
    QCOMPARE(leftovers(original), QStringList());
}

void tst_RunHistory::recordsThatAreNoFilesNeverStopTheUnit_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("command");
    QTest::newRow("FIFO as the run's record: history") << u".calendrix-run"_s << u"fifo"_s << u"history"_s;
    QTest::newRow("FIFO as the run's record: make") << u".calendrix-run"_s << u"fifo"_s << u"make"_s;
    QTest::newRow("FIFO as the undo's record: undo") << u".calendrix-undo"_s << u"fifo"_s << u"undo"_s;
    QTest::newRow("folder as the undo's record: history")
        << u".calendrix-undo"_s << u"folder"_s << u"history"_s;
    QTest::newRow("link to nothing as the run's record: make")
        << u".calendrix-run"_s << u"link"_s << u"make"_s;
}

// What is no regular file under a record's name is never read, which would
// wait for ever on a FIFO; it is set aside and the command goes on.
void tst_RunHistory::recordsThatAreNoFilesNeverStopTheUnit()
{
    QFETCH(QString, record);
    QFETCH(QString, kind);
    QFETCH(QString, command);
    const QString unit = m_tmp.filePath(u"records"_s);
    makeTwoRuns(unit);
    const QString path = QDir(unit).filePath(record);
    if (kind == u"fifo")
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    else
        QVERIFY(QFile::link(u"nowhere"_s, path));
    QStringList arguments{command, u"--data"_s, unit};
    if (command == u"make")
        arguments.insert(1, QDir(unit).filePath(u"c.cxr"_s));
    if (command == u"undo")
        arguments.append(u"--yes"_s);
    const Outcome o = runWith(arguments);
    QCOMPARE(o.status, 0);
    QVERIFY2(o.err.contains(u"'%1' was "_s.arg(QDir::toNativeSeparators(path))) &&
                 o.err.contains(u"it was set aside as"_s),
             qPrintable(o.err));
    QVERIFY(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink());
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System;
    QCOMPARE(QDir(unit).entryList({record + u".damaged-*"_s}, all).size(), 1);
    QCOMPARE(historyOf(unit).entries.size(), command == u"make" ? 3 : command == u"undo" ? 1 : 2);
}

void tst_RunHistory::historyThatIsNoFolderIsNamed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("a file") << u"file"_s << u"is a file, not a folder"_s;
    QTest::newRow("a FIFO") << u"fifo"_s << u"is a FIFO (named pipe), not a folder"_s;
    QTest::newRow("a link to nothing") << u"link"_s << u"is a link to nothing, not a folder"_s;
}

// A history/ that cannot hold the runs is named with what it is wherever it
// matters, and the repair sets it aside like any damaged file of the unit.
void tst_RunHistory::historyThatIsNoFolderIsNamed()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    const QString unit = m_tmp.filePath(u"no-history"_s);
    copyUnit(m_start, unit);
    const UnitFolder folder(unit);
    QVERIFY(QDir().rmdir(folder.historyPath()));
    if (kind == u"file")
        writeFile(folder.historyPath(), "notes");
    else if (kind == u"fifo")
        QVERIFY(::mkfifo(QFile::encodeName(folder.historyPath()).constData(), 0600) == 0);
    else
        QVERIFY(QFile::link(u"nowhere"_s, folder.historyPath()));
    const QString why = u"'%1' %2"_s.arg(QDir::toNativeSeparators(folder.historyPath()), says);

    for (const QStringList &arguments : {QStringList{u"history"_s, u"--data"_s, unit},
                                         {u"make"_s, QDir(unit).filePath(u"c.cxr"_s), u"--data"_s, unit},
                                         {u"init"_s, unit}}) {
        const Outcome o = runWith(arguments);
        QCOMPARE(o.status, 1);
        QVERIFY2(o.err.contains(why), qPrintable(o.err));
    }
    // The window's run, which has no such check before it.
    try {
        const Database working = Database::open(folder.workingPath(), FileKind::Working);
        RunHistory::Recorder recorder(folder, working);
        QFAIL("a run was kept where no folder is");
    } catch (const StoreError &e) {
        QVERIFY2(NoticeText::text(e).contains(why), qPrintable(NoticeText::text(e)));
    }

    const Outcome repaired = runWith({u"init"_s, unit, u"--repair"_s});
    QCOMPARE(repaired.status, 0);
    QVERIFY2(repaired.out.contains(u"set aside %1 as"_s.arg(QDir::toNativeSeparators(folder.historyPath()))),
             qPrintable(repaired.out));
    QVERIFY(QFileInfo(folder.historyPath()).isDir());
    QCOMPARE(runWith({u"history"_s, u"--data"_s, unit}).out, u"No changes are kept for undo.\n"_s);
}

QTEST_GUILESS_MAIN(tst_RunHistory)
#include "tst_RunHistory.moc"
