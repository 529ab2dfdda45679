#include "SmallDisk.h"
#include "TestUnit.h"
#include "roster/FaultRun.h"
#include "session/RosterChange.h"
#include "store/RankList.h"
#include "store/RecordSources.h"

#include <QDir>
#include <QRegularExpression>

#include <cstdio>

using namespace calendrix;
using namespace calendrix::test;
using namespace Qt::Literals::StringLiterals;

// Replace and swap on a made roster: the counters, dates and cells follow
// the candidate order exactly, refusals change nothing, undo and kills leave
// before or after.
class tst_RosterChange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nextTakesTheFirstFreeAndUndoRestores_data();
    void nextTakesTheFirstFreeAndUndoRestores();
    void swapMovesCountersOnlyAcrossDayClasses_data();
    void swapMovesCountersOnlyAcrossDayClasses();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void datesOfOtherRostersMakeBusy_data();
    void datesOfOtherRostersMakeBusy();
    void killAtEachStep_data();
    void killAtEachStep();
    void draftChangesOnlyItsDatafile();
    void firstRosterAsADraftOffersItsSoldiers_data();
    void firstRosterAsADraftOffersItsSoldiers();
    void undoInACopyLeavesTheOriginalsDatafile();
    void undoTellsOfADatafileNoLongerThere_data();
    void undoTellsOfADatafileNoLongerThere();
    void onlyTheFirstCounterRowOfTheDutyMoves_data();
    void onlyTheFirstCounterRowOfTheDutyMoves();
    void fullDiskChangesNothingAndNamesTheFullFile_data();
    void fullDiskChangesNothingAndNamesTheFullFile();
    void undoThatFailsOrLeavesAFileSaysWhatItUndid_data();
    void undoThatFailsOrLeavesAFileSaysWhatItUndid();

private:
    QTemporaryDir m_tmp;
    QString m_made; // a demo unit with r1.cxr made
};

namespace {

const QString kDuty = u"Gate Guard"_s;

// The working database's rows, the unit's last change left out.
QString workingRows(const QString &unit)
{
    QStringList lines = sqliteShell(memoryOf(unit), u".dump"_s).split(u'\n');
    lines.removeIf([](const QString &line) { return line.contains(u"LastChange"_s); });
    return lines.join(u'\n');
}

// The working database's rows, the datafile's cells and its record of
// changes (when and under which key left out).
QString state(const QString &unit, const QString &datafile = {})
{
    return workingRows(unit) + sqliteShell(datafile.isEmpty() ? QDir(unit).filePath(u"r1.cxr"_s) : datafile,
                                           u"SELECT * FROM storeage; SELECT Kind, DutyName, Col, "
                                           "SoldierOff, SoldierOn, Reason FROM changes"_s);
}

QString cell(const QString &unit, const QString &soldier, int column)
{
    return sqliteShell(
        QDir(unit).filePath(u"r1.cxr"_s),
        u"SELECT C%1 FROM storeage WHERE DutyName = '%2' AND SoldierName = '%3'"_s.arg(column).arg(
            kDuty, QString(soldier).replace(u'\'', u"''"_s)));
}

RosterChange::Candidates candidates(const QString &unit, int column)
{
    return RosterChange(UnitFolder(unit)).candidates(QDir(unit).filePath(u"r1.cxr"_s), kDuty, {column, {}});
}

const RosterChange::Candidate *rowOf(const RosterChange::Candidates &c, const QString &soldier)
{
    for (const RosterChange::Candidate &r : c.rows)
        if (r.soldier == soldier)
            return &r;
    return nullptr;
}

qint64 counterOf(const RosterChange::Candidates &c, const QString &soldier, DayClass dayClass)
{
    const RosterChange::Candidate *r = rowOf(c, soldier);
    return r ? (dayClass == DayClass::Holiday ? r->holidayCount : r->count).value_or(0) : -1;
}

} // namespace

void tst_RosterChange::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_made = m_tmp.filePath(u"made"_s);
    QVERIFY(run(
        {u"demo"_s, m_made, u"--scale"_s, u"company"_s, u"--seed"_s, u"3"_s, u"--from"_s, u"2027-01-04"_s}));
    QVERIFY(run({u"make"_s, QDir(m_made).filePath(u"r1.cxr"_s), u"--data"_s, m_made}));
}

// Several replaces in a row, each giving the period to the first free soldier
// of a fresh candidate list; then undone one by one, each bringing back the
// tables and the datafile's rows exactly as they were before it.
void tst_RosterChange::nextTakesTheFirstFreeAndUndoRestores_data()
{
    QTest::addColumn<QString>("seed");
    QTest::newRow("demo unit 3") << u"3"_s;
    QTest::newRow("demo unit 8") << u"8"_s;
}

void tst_RosterChange::nextTakesTheFirstFreeAndUndoRestores()
{
    QFETCH(QString, seed);
    const QString unit = m_tmp.filePath(u"next"_s);
    QDir(unit).removeRecursively();
    QVERIFY(
        run({u"demo"_s, unit, u"--scale"_s, u"company"_s, u"--seed"_s, seed, u"--from"_s, u"2027-01-04"_s}));
    QVERIFY(run({u"make"_s, QDir(unit).filePath(u"r1.cxr"_s), u"--data"_s, unit}));
    QStringList before;
    for (int column : {3, 9, 3, 6, 14}) {
        const RosterChange::Candidates was = candidates(unit, column);
        QVERIFY(!was.refused && !was.error);
        // The order is the counter table's own for the day class, as the store sorts it.
        QStringList names, ordered;
        for (const RosterChange::Candidate &r : was.rows)
            names.append(r.soldier);
        RecordSet counters(Database::openReadOnly(memoryOf(unit), FileKind::Working),
                           was.period.dayClass == DayClass::Holiday ? RecordSources::kCountersByHolidayCount
                                                                    : RecordSources::kCountersByNormalCount);
        for (; !counters.eof(); counters.moveNext())
            if (counters.text(Fields::Memory::DutyName) == kDuty &&
                names.contains(counters.text(Fields::Memory::SoldierName)))
                ordered.append(counters.text(Fields::Memory::SoldierName));
        QCOMPARE(names, ordered);
        // The command lists the same order, ranks as the personnel list shows them;
        // the duty may be typed in any letter case.
        const QString typed = column % 2 == 0 ? kDuty : kDuty.toLower();
        const QStringList listed = runWith({u"candidates"_s, QDir(unit).filePath(u"r1.cxr"_s), u"--duty"_s,
                                            typed, u"--period"_s, QString::number(column), u"--data"_s, unit})
                                       .out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(listed.size(), was.rows.size() + 2);
        QVERIFY(
            listed[2].startsWith(was.rows[0].soldier + u'\t' + rankAbbreviation(was.rows[0].rank) + u'\t'));
        const auto first =
            std::find_if(was.rows.cbegin(), was.rows.cend(), [](const auto &r) { return r.isFree(); });
        QVERIFY(first != was.rows.cend());
        const QString off = was.period.standing, on = first->soldier;
        const DayClass dayClass = was.period.dayClass;
        before.append(state(unit));
        // The period by its column, or by its last day.
        const Outcome o =
            runWith({u"replace"_s, QDir(unit).filePath(u"r1.cxr"_s), u"--duty"_s, typed.toUpper(),
                     column % 3 == 0 ? u"--period"_s : u"--day"_s,
                     column % 3 == 0 ? QString::number(column) : was.period.to.toString(Qt::ISODate),
                     u"--next"_s, u"--data"_s, unit});
        QVERIFY2(o.status == 0, qPrintable(o.err));
        const RosterChange::Candidates now = candidates(unit, column);
        QCOMPARE(now.period.standing, on);
        QCOMPARE(counterOf(now, on, dayClass), counterOf(was, on, dayClass) + 1);
        QCOMPARE(counterOf(now, off, dayClass), std::max<qint64>(0, counterOf(was, off, dayClass) - 1));
        QCOMPARE(cell(unit, on, column), u"/."_s);
        QVERIFY(cell(unit, off, column) == u"R"_s || cell(unit, off, column) == u"A"_s);
        const QString day = was.period.from.toString(Qt::ISODate), last = was.period.to.toString(Qt::ISODate);
        const auto datesOf = [&](const QString &who) {
            return sqliteShell(
                memoryOf(unit),
                u"SELECT count(*) FROM Dates WHERE SoldierName = '%1' AND \"From\" = "
                "'%2' AND \"To\" = '%3'"_s.arg(QString(who).replace(u'\'', u"''"_s), day, last));
        };
        QCOMPARE(datesOf(on), u"1"_s);
        QCOMPARE(datesOf(off), u"0"_s);
    }
    // A day the roster has no period on is named as a day, not as a period.
    const Outcome noDay = runWith({u"candidates"_s, QDir(unit).filePath(u"r1.cxr"_s), u"--duty"_s, kDuty,
                                   u"--day"_s, u"2020-01-01"_s, u"--data"_s, unit});
    QVERIFY2(noDay.status == 5 &&
                 noDay.err.contains(u"Duty 'Gate Guard' has no period on 2020-01-01 on this roster."_s),
             qPrintable(noDay.err));
    // The history keeps what the changes changed, never a whole datafile.
    QCOMPARE(QDir(QDir(unit).filePath(u"history"_s)).entryList({u"*.cxr"_s}, QDir::Files), QStringList());
    const Outcome listed = runWith({u"history"_s, u"--data"_s, unit});
    QVERIFY2(listed.out.contains(u"replace on duty 'Gate Guard': period 14, "_s), qPrintable(listed.out));
    // A datafile changed since its last change is no longer what the undo would put back.
    const QByteArray changed = readFile(QDir(unit).filePath(u"r1.cxr"_s));
    sqliteShell(QDir(unit).filePath(u"r1.cxr"_s),
                u"UPDATE storeage SET Remarks = 'x' WHERE DutyName = '%1'"_s.arg(kDuty), true);
    const Outcome refused = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains(u"was changed after that change"_s), qPrintable(refused.err));
    writeFile(QDir(unit).filePath(u"r1.cxr"_s), changed);
    // So are counters changed by hand, told as changed after the replace, not a run.
    const QByteArray memory = readFile(memoryOf(unit));
    sqliteShell(memoryOf(unit), u"UPDATE Memory SET Count = Count + 5 WHERE ID = 1"_s, true);
    const Outcome counted = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QVERIFY2(counted.status == 1 && counted.err.contains(u"were changed after that replace or swap."_s),
             qPrintable(counted.err));
    writeFile(memoryOf(unit), memory);
    while (!before.isEmpty()) {
        QVERIFY(run({u"undo"_s, u"--data"_s, unit, u"--yes"_s}));
        QCOMPARE(state(unit), before.takeLast());
    }
    // The run is the last change again, with its own datafile: its undo moves it away.
    QVERIFY(run({u"undo"_s, u"--data"_s, unit, u"--yes"_s}));
    QVERIFY(!QFile::exists(QDir(unit).filePath(u"r1.cxr"_s)));
}

void tst_RosterChange::swapMovesCountersOnlyAcrossDayClasses_data()
{
    QTest::addColumn<bool>("across");
    QTest::newRow("within one day class") << false;
    QTest::newRow("across day classes") << true;
}

void tst_RosterChange::swapMovesCountersOnlyAcrossDayClasses()
{
    QFETCH(bool, across);
    const QString unit = m_tmp.filePath(u"swap"_s);
    copyUnit(m_made, unit);
    const RosterChange change{UnitFolder(unit)};
    const QString file = QDir(unit).filePath(u"r1.cxr"_s);
    QList<RosterChange::Candidates> periods;
    for (int p = 1; p <= 36 && !candidates(unit, p).refused; ++p)
        periods.append(candidates(unit, p));
    // The first two periods of the kind asked for whose soldiers may trade them.
    for (int p = 1; p <= periods.size(); ++p) {
        for (int q = p + 1; q <= periods.size(); ++q) {
            const RosterChange::Candidates &a = periods[p - 1], &b = periods[q - 1];
            if ((a.period.dayClass != b.period.dayClass) != across)
                continue;
            const RosterChange::Changed swapped = change.swap(file, kDuty, p, q, u"trade"_s);
            if (swapped.outcome == RosterChange::Changed::Outcome::Refused)
                continue;
            QCOMPARE(swapped.outcome, RosterChange::Changed::Outcome::Done);
            const QString x = a.period.standing, y = b.period.standing;
            const RosterChange::Candidates after = candidates(unit, p);
            QCOMPARE(after.period.standing, y);
            QCOMPARE(cell(unit, x, p), u"S"_s);
            QCOMPARE(cell(unit, x, q), u"/."_s);
            for (const auto &[who, gave, took] : {std::tuple{x, a, b}, std::tuple{y, b, a}})
                for (DayClass c : {DayClass::Normal, DayClass::Holiday})
                    QCOMPARE(counterOf(after, who, c), counterOf(a, who, c) - (gave.period.dayClass == c) +
                                                           (took.period.dayClass == c));
            QCOMPARE(sqliteShell(file, u"SELECT Kind, Col, SoldierOff, SoldierOn, Reason FROM changes"_s),
                     u"swap|%1|%2|%3|trade\nswap|%4|%3|%2|trade"_s.arg(p).arg(x, y).arg(q));
            return;
        }
    }
    QFAIL("no two periods could be swapped");
}

void tst_RosterChange::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("duty");
    QTest::addColumn<int>("column");
    // A swap's other period; 0 for a replace, -1 for one the soldier of column is busy in.
    QTest::addColumn<int>("other");
    QTest::addColumn<QString>("by"); // a soldier whose state is this code, or a name
    QTest::addColumn<NoticeCode>("code");
    // Why a soldier is not free: the roster's own cell is found before his
    // assignment dates, which hold it as well.
    QTest::addColumn<NoticeCode>("cause");
    // The caller saw someone else stand the period (of a swap: the other one)
    // than stands it in the datafile now.
    QTest::addColumn<bool>("seenAnother");

    const NoticeCode none = NoticeCode::ChangeNotFree;
    QTest::newRow("not qualified") << kDuty << 3 << 0 << u"Nobody, Known"_s << NoticeCode::ChangeNotQualified
                                   << none << false;
    QTest::newRow("absent") << kDuty << 3 << 0 << u"absent"_s << NoticeCode::ChangeNotFree
                            << NoticeCode::ChangeAbsent << false;
    QTest::newRow("busy") << kDuty << 3 << 0 << u"busy"_s << NoticeCode::ChangeNotFree
                          << NoticeCode::ChangeOnDuty << false;
    QTest::newRow("already stands it")
        << kDuty << 3 << 0 << u"stands"_s << NoticeCode::ChangeAlreadyStanding << none << false;
    QTest::newRow("unknown duty") << u"Gate"_s << 3 << 0 << QString() << NoticeCode::ChangeUnknownDuty << none
                                  << false;
    QTest::newRow("unknown period") << kDuty << 37 << 0 << QString() << NoticeCode::ChangeUnknownPeriod
                                    << none << false;
    QTest::newRow("a period nobody stands")
        << kDuty << 2 << 0 << QString() << NoticeCode::ChangeNobodyStands << none << false;
    QTest::newRow("the unit's own file")
        << kDuty << 3 << 0 << QString() << NoticeCode::ChangeOwnFile << none << false;
    QTest::newRow("swap with a period its soldier is on another duty in")
        << kDuty << 3 << -1 << QString() << NoticeCode::ChangeNotFree << NoticeCode::ChangeOnDuty << false;
    QTest::newRow("swap with itself")
        << kDuty << 3 << 3 << QString() << NoticeCode::ChangeSamePeriod << none << false;
    QTest::newRow("swap with a period nobody stands")
        << kDuty << 3 << 2 << QString() << NoticeCode::ChangeNobodyStands << none << false;
    QTest::newRow("replace after the datafile changed")
        << kDuty << 3 << 0 << QString() << NoticeCode::ChangeStandsAnother << none << true;
    QTest::newRow("swap after the datafile changed")
        << kDuty << 3 << 4 << QString() << NoticeCode::ChangeStandsAnother << none << true;
}

void tst_RosterChange::refusalsChangeNothing()
{
    QFETCH(QString, duty);
    QFETCH(int, column);
    QFETCH(int, other);
    QFETCH(QString, by);
    QFETCH(NoticeCode, code);
    QFETCH(NoticeCode, cause);
    QFETCH(bool, seenAnother);
    const QString unit = m_tmp.filePath(u"refused"_s);
    copyUnit(m_made, unit);
    const QString file =
        QDir(unit).filePath(code == NoticeCode::ChangeOwnFile ? u"template.tem"_s : u"r1.cxr"_s);
    // Period 2 as a roster whose soldier's cell was cleared shows it.
    sqliteShell(file, u"UPDATE storeage SET C2 = '0' WHERE C2 = '/.' AND DutyName = '%1'"_s.arg(kDuty), true);
    const RosterChange::Candidates c = candidates(unit, 3);
    const QHash<QString, std::function<bool(const RosterChange::Candidate &)>> picks{
        {u"absent"_s, [](const auto &r) { return r.busy && r.busy->code == NoticeCode::ChangeAbsent; }},
        {u"busy"_s, [](const auto &r) { return r.busy && r.busy->code == NoticeCode::ChangeOnDuty; }},
        {u"stands"_s, [](const auto &r) { return r.standing; }}};
    if (picks.contains(by)) {
        const auto r = std::find_if(c.rows.cbegin(), c.rows.cend(), picks.value(by));
        QVERIFY(r != c.rows.cend());
        by = r->soldier;
    }
    for (int q = 1; q <= 36 && other < 0; ++q) {
        const RosterChange::Candidates cq = candidates(unit, q);
        const RosterChange::Candidate *r = rowOf(cq, c.period.standing);
        if (!cq.refused && r && r->busy && r->busy->code == NoticeCode::ChangeOnDuty)
            other = q;
    }
    QVERIFY(other >= 0);
    const QString before = state(unit);
    const RosterChange change{UnitFolder(unit)};
    QStringList seen;
    if (seenAnother)
        seen = other > 0 ? QStringList{c.period.standing, u"Somebody, Else"_s}
                         : QStringList{u"Somebody, Else"_s};
    const RosterChange::Changed refused =
        other > 0 ? change.swap(file, duty, column, other, {}, seen)
                  : change.replace(file, duty, {column, {}}, by, {}, seen.value(0));
    QCOMPARE(refused.outcome, RosterChange::Changed::Outcome::Refused);
    QCOMPARE(refused.refused->code, code);
    if (code == NoticeCode::ChangeNotFree) {
        QCOMPARE(int(refused.refused->causes.size()), 1);
        QCOMPARE(refused.refused->causes.front().code, cause);
    }
    QCOMPARE(state(unit), before);
    QCOMPARE(RunHistory(UnitFolder(unit)).list().entries.size(), 1);
    QCOMPARE(leftovers(unit), QStringList());
}

void tst_RosterChange::datesOfOtherRostersMakeBusy_data()
{
    // An assignment date of the soldier from a roster other than this one:
    // its first and last day, each as the period's first or last day and
    // a number of days from it.
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("busy");

    QTest::newRow("on the period's days") << u"first+0"_s << u"last+0"_s << true;
    QTest::newRow("ending on its first day") << u"first-3"_s << u"first+0"_s << true;
    QTest::newRow("starting on its last day") << u"last+0"_s << u"last+5"_s << true;
    QTest::newRow("the day before") << u"first-1"_s << u"first-1"_s << false;
    QTest::newRow("the day after") << u"last+1"_s << u"last+1"_s << false;
    QTest::newRow("a year before") << u"first-365"_s << u"first-360"_s << false;
}

// A date in the working database makes a soldier busy when it overlaps the
// period, wherever it lies in the table, and only then.
void tst_RosterChange::datesOfOtherRostersMakeBusy()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, busy);
    const QString unit = m_tmp.filePath(u"dated"_s);
    copyUnit(m_made, unit);
    const RosterChange::Candidates before = candidates(unit, 3);
    const auto free = std::find_if(before.rows.cbegin(), before.rows.cend(),
                                   [](const RosterChange::Candidate &r) { return r.isFree(); });
    QVERIFY(free != before.rows.cend());
    const QString soldier = free->soldier;
    const auto dayOf = [&](const QString &at) {
        const QDate anchor = at.startsWith(u"first"_s) ? before.period.from : before.period.to;
        return anchor.addDays(at.mid(at.indexOf(QRegularExpression(u"[+-]"_s))).toInt())
            .toString(Qt::ISODate);
    };
    const QString inserted =
        sqliteShell(memoryOf(unit),
                    u"INSERT INTO Dates (SoldierName, \"From\", \"To\") VALUES ('%1', '%2', '%3')"_s.arg(
                        QString(soldier).replace(u'\'', u"''"_s), dayOf(from), dayOf(to)),
                    true);
    QCOMPARE(inserted, QString());
    const RosterChange::Candidates after = candidates(unit, 3);
    const RosterChange::Candidate *r = rowOf(after, soldier);
    QVERIFY(r);
    QCOMPARE(r->busy.has_value(), busy);
    if (busy)
        QCOMPARE(r->busy->code, NoticeCode::ChangeOnOtherRoster);
    // The soldier typed in capitals is the one soldier the name can mean.
    const RosterChange::Changed changed = RosterChange{UnitFolder(unit)}.replace(
        QDir(unit).filePath(u"r1.cxr"_s), kDuty, {3, {}}, soldier.toUpper(), {});
    QCOMPARE(changed.outcome,
             busy ? RosterChange::Changed::Outcome::Refused : RosterChange::Changed::Outcome::Done);
    if (busy)
        QVERIFY(changed.refused->code == NoticeCode::ChangeNotFree &&
                changed.refused->values == QStringList{soldier});
    else
        QCOMPARE(changed.periods.value(0).standing, soldier);
}

void tst_RosterChange::killAtEachStep_data()
{
    QTest::addColumn<bool>("undo");
    QTest::addColumn<QString>("killAfter");
    QTest::addColumn<bool>("done");

    // The datafile's pages are on the disk before the commit point, the
    // removal of the journal that names both files' journals.
    QTest::newRow("replace: after the record") << false << u"rename:.calendrix-run"_s << false;
    QTest::newRow("replace: after the history entry") << false << u"rename:.mdb"_s << false;
    QTest::newRow("replace: after the datafile is written") << false << u"fsync:r1.cxr"_s << false;
    QTest::newRow("replace: after the commit") << false << u"unlink:Memory.mdb-journal"_s << true;
    QTest::newRow("undo: after the record") << true << u"rename:.calendrix-undo"_s << false;
    QTest::newRow("undo: after the datafile is written") << true << u"fsync:r1.cxr"_s << false;
    QTest::newRow("undo: after the commit") << true << u"unlink:Memory.mdb-journal"_s << true;
}

// Killed right after each step; the next use of the unit settles it to
// before or after, never between.
void tst_RosterChange::killAtEachStep()
{
    QFETCH(bool, undo);
    QFETCH(QString, killAfter);
    QFETCH(bool, done);
    const QString unit = m_tmp.filePath(u"kill"_s);
    copyUnit(m_made, unit);
    const QStringList replace{u"replace"_s,  QDir(unit).filePath(u"r1.cxr"_s),
                              u"--duty"_s,   kDuty,
                              u"--period"_s, u"3"_s,
                              u"--next"_s,   u"--data"_s,
                              unit};
    const QString made = state(unit);
    QVERIFY(run(replace));
    const QString replaced = state(unit);
    if (!undo)
        QVERIFY(run({u"undo"_s, u"--data"_s, unit, u"--yes"_s}));
    const QString before = undo ? replaced : made, after = undo ? made : replaced;
    const QStringList command = undo ? QStringList{u"undo"_s, u"--data"_s, unit, u"--yes"_s} : replace;
    const Outcome killed = runWith(command, {u"CALENDRIX_KILL_AFTER="_s + killAfter});
    QVERIFY2(killed.killed, qPrintable(u"not killed: "_s + killed.err));
    // The next command settles it, and then a reader that may not write finds the datafile whole.
    const Outcome next = runWith({u"history"_s, u"--data"_s, unit});
    QCOMPARE(next.status, 0);
    QCOMPARE(next.err.contains(undo ? u"An undo that did not finish was abandoned"_s
                                    : u"The replace or swap, or its undo, that was changing"_s),
             !done);
    // An undo killed after its commit is completed, and told as the undo of a replace.
    if (undo && done)
        QVERIFY2(
            next.err.contains(u"INFORMATION: An undo that did not finish has been completed: the counters "
                              "are as they were before the replace or swap it took back."_s),
            qPrintable(next.err));
    QVERIFY(!candidates(unit, 3).error);
    QCOMPARE(state(unit), done ? after : before);
    QCOMPARE(RunHistory(UnitFolder(unit)).list().entries.size(), done == undo ? 1 : 2);
    QCOMPARE(leftovers(unit), QStringList());
}

// A draft counted nothing: its change touches neither counters nor history.
// An older datafile gets the changes table and nothing else.
void tst_RosterChange::draftChangesOnlyItsDatafile()
{
    const QString unit = m_tmp.filePath(u"draft"_s), draft = QDir(unit).filePath(u"d.cxr"_s);
    copyUnit(m_made, unit);
    QVERIFY(run({u"make"_s, draft, u"--draft"_s, u"--data"_s, unit}));
    // As a datafile of a version before the periods and changes tables.
    sqliteShell(draft, u"DROP TABLE periods; DROP TABLE changes"_s, true);
    // The soldier who stands it has fallen sick since: his cell shows him absent.
    const QString sick = sqliteShell(
        draft, u"SELECT SoldierName FROM storeage WHERE DutyName = '%1' AND C3 = '/.'"_s.arg(kDuty));
    sqliteShell(
        QDir(unit).filePath(u"Datafile32.mdb"_s),
        u"INSERT INTO AbsentDates (SoldierName, \"From\", \"To\") VALUES ('%1', '2027-01-01', '2027-01-31')"_s
            .arg(sick),
        true);
    const QByteArray memory = readFile(memoryOf(unit));
    QVERIFY(run(
        {u"replace"_s, draft, u"--duty"_s, kDuty, u"--period"_s, u"3"_s, u"--next"_s, u"--data"_s, unit}));
    QCOMPARE(readFile(memoryOf(unit)), memory);
    QCOMPARE(RunHistory(UnitFolder(unit)).list().entries.size(), 1);
    QCOMPARE(sqliteShell(draft, u"SELECT Kind, Col FROM changes"_s), u"replace|3"_s);
    QCOMPARE(sqliteShell(draft, u".tables"_s).simplified(), u"changes header storeage"_s);
    QCOMPARE(sqliteShell(draft, u"SELECT C3 FROM storeage WHERE SoldierName = '%1' AND DutyName = '%2'"_s.arg(
                                    sick, kDuty)),
             u"A"_s);
}

// A unit's first roster is often a draft, and a draft stores no counters:
// its candidates are those of the roster's rows, in the order the run took
// them, and a replace finds one.
void tst_RosterChange::firstRosterAsADraftOffersItsSoldiers_data()
{
    QTest::addColumn<QString>("duty");
    QTest::newRow("Gate Guard") << kDuty;
    QTest::newRow("Charge of Quarters") << u"Charge of Quarters"_s;
}

void tst_RosterChange::firstRosterAsADraftOffersItsSoldiers()
{
    QFETCH(QString, duty);
    const QString unit = m_tmp.filePath(u"first-draft"_s), draft = QDir(unit).filePath(u"d.cxr"_s);
    QDir(unit).removeRecursively();
    QVERIFY(run(
        {u"demo"_s, unit, u"--scale"_s, u"company"_s, u"--seed"_s, u"3"_s, u"--from"_s, u"2027-01-04"_s}));
    QVERIFY(run({u"make"_s, draft, u"--draft"_s, u"--data"_s, unit}));
    const RosterChange::Candidates was = RosterChange(UnitFolder(unit)).candidates(draft, duty, {1, {}});
    QVERIFY(!was.refused && !was.error);
    QVERIFY(was.draft);
    QStringList listed;
    for (const RosterChange::Candidate &r : was.rows)
        listed.append(r.soldier);
    const QString onRoster = sqliteShell(
        draft, u"SELECT SoldierName FROM storeage WHERE DutyName = '%1' ORDER BY SoldierName"_s.arg(duty));
    QStringList sorted = listed;
    sorted.sort();
    QCOMPARE(sorted.join(u'\n'), onRoster);
    // The run gave the duty's first period to the first soldier free then;
    // those before him in the order were busy then, and are busy still.
    const auto first = std::find_if(was.rows.cbegin(), was.rows.cend(), [](const RosterChange::Candidate &r) {
        return r.standing || r.isFree();
    });
    QVERIFY(first != was.rows.cend());
    QCOMPARE(first->soldier, was.period.standing);
    const auto next = std::find_if(was.rows.cbegin(), was.rows.cend(),
                                   [](const RosterChange::Candidate &r) { return r.isFree(); });
    QVERIFY(next != was.rows.cend());

    const QByteArray memory = readFile(memoryOf(unit));
    const Outcome o = runWith(
        {u"replace"_s, draft, u"--duty"_s, duty, u"--period"_s, u"1"_s, u"--next"_s, u"--data"_s, unit});
    QVERIFY2(o.status == 0, qPrintable(o.err));
    QCOMPARE(readFile(memoryOf(unit)), memory);
    QCOMPARE(RunHistory(UnitFolder(unit)).list().entries.size(), 0);
    QCOMPARE(RosterChange(UnitFolder(unit)).candidates(draft, duty, {1, {}}).period.standing, next->soldier);
}

// A replace taken back in a copy of the unit (a backup put back) never
// writes the original's datafile: the copy's own is a copy, not the file
// the replace changed, so the undo is refused, and forced it takes back
// the copy's counters alone.
void tst_RosterChange::undoInACopyLeavesTheOriginalsDatafile()
{
    const QString original = m_tmp.filePath(u"original"_s), copy = m_tmp.filePath(u"copy"_s);
    const QString datafile = QDir(original).filePath(u"r1.cxr"_s);
    copyUnit(m_made, original);
    const QString before = state(original), countersBefore = workingRows(original);
    QVERIFY(run({u"replace"_s, datafile, u"--duty"_s, kDuty, u"--period"_s, u"3"_s, u"--next"_s, u"--data"_s,
                 original}));
    QVERIFY(workingRows(original) != countersBefore);
    const QString after = state(original);
    const QByteArray replaced = readFile(datafile);
    copyUnit(original, copy);

    const Outcome refused = runWith({u"undo"_s, u"--data"_s, copy, u"--yes"_s});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains(QDir(copy).filePath(u"r1.cxr"_s)), qPrintable(refused.err));
    QCOMPARE(runWith({u"undo"_s, u"--data"_s, copy, u"--yes"_s, u"--force"_s}).status, 0);
    QCOMPARE(workingRows(copy), countersBefore);
    QCOMPARE(readFile(QDir(copy).filePath(u"r1.cxr"_s)), replaced);
    QCOMPARE(readFile(datafile), replaced);
    QCOMPARE(state(original), after);

    QCOMPARE(runWith({u"undo"_s, u"--data"_s, original, u"--yes"_s}).status, 0);
    QCOMPARE(state(original), before);
}

// The file a replace was made in, no longer under its name: the undo says
// so, not that the file was changed, and taken back anyway it takes back
// the counters alone, without telling of changes lost.
void tst_RosterChange::undoTellsOfADatafileNoLongerThere_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("told");
    const QString another = u"is not the roster datafile that change was made in but another file"_s;
    QTest::newRow("a copy of the unit") << u"copy"_s << another;
    QTest::newRow("a copy of the datafile put in its place") << u"put"_s << another;
    QTest::newRow("the datafile removed") << u"remove"_s << u"that change was made in is no longer there"_s;
}

void tst_RosterChange::undoTellsOfADatafileNoLongerThere()
{
    QFETCH(QString, how);
    QFETCH(QString, told);
    const QString made = m_tmp.filePath(u"gone-made"_s), unit = m_tmp.filePath(u"gone"_s);
    QDir(made).removeRecursively();
    QDir(unit).removeRecursively();
    copyUnit(m_made, made);
    const QString countersBefore = workingRows(made);
    QVERIFY(run({u"replace"_s, QDir(made).filePath(u"r1.cxr"_s), u"--duty"_s, kDuty, u"--period"_s, u"3"_s,
                 u"--next"_s, u"--data"_s, made}));
    const QString datafile = QDir(unit).filePath(u"r1.cxr"_s);
    const QByteArray replaced = readFile(QDir(made).filePath(u"r1.cxr"_s));
    copyUnit(made, unit);
    if (how == u"copy") {
        // copyUnit copies the files: the copy's datafile is another file already.
    } else {
        // The unit itself, its files as the replace left them.
        QDir(unit).removeRecursively();
        QVERIFY(QDir().rename(made, unit));
        if (how == u"put") {
            QVERIFY(QFile::copy(datafile, datafile + u".new"_s));
            QVERIFY(::rename(QFile::encodeName(datafile + u".new"_s).constData(),
                             QFile::encodeName(datafile).constData()) == 0);
        } else {
            QVERIFY(QFile::remove(datafile));
        }
    }

    const Outcome refused = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains(told), qPrintable(refused.err));
    QVERIFY2(!refused.err.contains(u"was changed after that change"_s), qPrintable(refused.err));
    const Outcome forced = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s, u"--force"_s});
    QCOMPARE(forced.status, 0);
    QVERIFY2(forced.out.contains(told), qPrintable(forced.out));
    QVERIFY2(!forced.out.contains(u"lost"_s), qPrintable(forced.out));
    QCOMPARE(workingRows(unit), countersBefore);
    if (how != u"remove")
        QCOMPARE(readFile(datafile), replaced);
    else
        QVERIFY(!QFile::exists(datafile));
}

// The counter that moves is the soldier's first row of the duty, its name
// trimmed, as the run would find it; no other row of his moves.
void tst_RosterChange::onlyTheFirstCounterRowOfTheDutyMoves_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("moves");
    const QString gate = u"SoldierName = '%1' AND DutyName = 'Gate Guard'"_s;
    const QString copy = u"INSERT INTO Memory (Marker, SoldierName, Rank, DutyName, Count, HCount) "
                         "SELECT Marker, SoldierName, Rank, DutyName, %2 FROM Memory WHERE "_s +
                         gate + u"; "_s;
    QTest::newRow("spaces around the duty's name")
        << u"UPDATE Memory SET DutyName = '  Gate Guard ' WHERE "_s + gate
        << u"SELECT ID FROM Memory WHERE SoldierName = '%1' AND DutyName = '  Gate Guard '"_s;
    QTest::newRow("a second row of the soldier and duty")
        << QString(copy).replace(u"%2"_s, u"50, 50"_s) << u"SELECT min(ID) FROM Memory WHERE "_s + gate;
    QTest::newRow("an earlier row of a duty whose name holds the duty's")
        << QString(copy).replace(u"%2"_s, u"Count, HCount"_s) +
               u"UPDATE Memory SET DutyName = 'Gate Guard Relief' WHERE ID = (SELECT min(ID) FROM Memory WHERE "_s +
               gate + u")"_s
        << u"SELECT max(ID) FROM Memory WHERE "_s + gate;
}

void tst_RosterChange::onlyTheFirstCounterRowOfTheDutyMoves()
{
    QFETCH(QString, change);
    QFETCH(QString, moves);
    const QString unit = m_tmp.filePath(u"rows"_s);
    copyUnit(m_made, unit);
    const int column = 3;
    const RosterChange::Candidates was = candidates(unit, column);
    const auto first =
        std::find_if(was.rows.cbegin(), was.rows.cend(), [](const auto &r) { return r.isFree(); });
    QVERIFY(!was.refused && !was.error && first != was.rows.cend());
    const QString on = QString(first->soldier).replace(u'\'', u"''"_s);
    sqliteShell(memoryOf(unit), QString(change).replace(u"%1"_s, on), true);
    const QString target = sqliteShell(memoryOf(unit), QString(moves).replace(u"%1"_s, on)).trimmed();
    const QString rowsOf =
        u"SELECT ID, DutyName, Count, HCount FROM Memory WHERE SoldierName = '%1' ORDER BY ID"_s.arg(on);
    const QStringList before = sqliteShell(memoryOf(unit), rowsOf).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(before.size() > 1 && !target.isEmpty());

    const Outcome o = runWith({u"replace"_s, QDir(unit).filePath(u"r1.cxr"_s), u"--duty"_s, kDuty,
                               u"--period"_s, QString::number(column), u"--next"_s, u"--data"_s, unit});
    QVERIFY2(o.status == 0, qPrintable(o.err));
    QCOMPARE(candidates(unit, column).period.standing, first->soldier);
    QStringList expected = before;
    for (QString &row : expected) {
        QStringList cells = row.split(u'|');
        if (cells[0] != target)
            continue;
        const int counter = was.period.dayClass == DayClass::Holiday ? 3 : 2;
        cells[counter] = QString::number(cells[counter].toLongLong() + 1);
        row = cells.join(u'|');
    }
    QCOMPARE(sqliteShell(memoryOf(unit), rowsOf).split(u'\n', Qt::SkipEmptyParts), expected);
}

QTEST_GUILESS_MAIN(tst_RosterChange)
#include "tst_RosterChange.moc"

void tst_RosterChange::fullDiskChangesNothingAndNamesTheFullFile_data()
{
    QTest::addColumn<bool>("undo");
    QTest::addColumn<bool>("alone"); // the datafile on the small disk, the unit elsewhere
    QTest::newRow("replace") << false << false;
    QTest::newRow("undo of a replace") << true << false;
    QTest::newRow("replace, the datafile on a disk of its own") << false << true;
    QTest::newRow("undo of a replace, the datafile on a disk of its own") << true << true;
}

// On a disk with ever more room left, each replace or undo that fails
// changes nothing, and a failure to write the datafile names the datafile,
// not the working database it is attached to. With the datafile alone on
// the small disk, every failure names it, the commit's too.
void tst_RosterChange::fullDiskChangesNothingAndNamesTheFullFile()
{
    QFETCH(bool, undo);
    QFETCH(bool, alone);
    const SmallDisk disk(3 * 1024 * 1024);
    if (!disk.isMounted())
        QSKIP("no permission to mount a small disk here");
    const QString unit = alone ? m_tmp.filePath(u"unit-on-big-disk"_s) : disk.filePath(u"unit"_s);
    const QString datafile = alone ? disk.filePath(u"r1.cxr"_s) : QDir(unit).filePath(u"r1.cxr"_s);
    const QStringList replace{u"replace"_s, datafile,    u"--duty"_s, kDuty, u"--period"_s,
                              u"3"_s,       u"--next"_s, u"--data"_s, unit};
    const QStringList command = undo ? QStringList{u"undo"_s, u"--data"_s, unit, u"--yes"_s} : replace;
    int failures = 0, datafileNamed = 0;
    for (int freeKb = 4;; freeKb += 4) {
        QFile::remove(disk.filePath(u"filler"_s));
        QDir(unit).removeRecursively();
        copyUnit(m_made, unit);
        if (alone) {
            QFile::remove(datafile);
            QVERIFY(QFile::copy(QDir(m_made).filePath(u"r1.cxr"_s), datafile));
        }
        // The undo's replace is made on this disk, so that its datafile is the same file.
        if (undo)
            QVERIFY(run(replace));
        const QString before = state(unit, datafile);
        disk.fill(freeKb * 1024);

        const Outcome o = runWith(command);
        if (o.status == 0)
            break;
        ++failures;
        QCOMPARE(o.status, 1);
        QCOMPARE(state(unit, datafile), before);
        QVERIFY(freeKb < 1024);
        const QString err = o.err.simplified();
        if (err.contains(u"('"_s + datafile + u"')"_s))
            ++datafileNamed;
        else
            QVERIFY2(!alone, qPrintable(err));
        // The datafile's own tables are never told as the working database's.
        for (const QString &table : {u"storeage"_s, u"changes"_s})
            if (err.contains(u"a row of %1:"_s.arg(table)))
                QVERIFY2(err.contains(datafile), qPrintable(err));
    }
    QVERIFY(failures > 0);
    QVERIFY2(datafileNamed > 0, "no failure to write the datafile was seen");
}

void tst_RosterChange::undoThatFailsOrLeavesAFileSaysWhatItUndid_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("undone");
    QTest::addColumn<QString>("says");
    QTest::newRow("the datafile cannot be flushed")
        << u"CALENDRIX_FAIL_SYNC=r1.cxr"_s << false
        << u"ERROR: The replace or swap could not be undone; nothing was changed.\n"_s;
    QTest::newRow("the entry cannot be removed")
        << u"CALENDRIX_FAIL_UNLINK=entry"_s << true
        << u"WARNING: The replace or swap was undone, but a file could not be removed. Cannot remove"_s;
}

// An undo of a replace that fails, or stands but leaves its entry behind,
// tells it as the undo of a replace or swap, never of a roster run.
void tst_RosterChange::undoThatFailsOrLeavesAFileSaysWhatItUndid()
{
    QFETCH(QString, fault);
    QFETCH(bool, undone);
    QFETCH(QString, says);
    const QString unit = m_tmp.filePath(u"undo-fault"_s);
    QDir(unit).removeRecursively();
    copyUnit(m_made, unit);
    const QString made = state(unit);
    QVERIFY(run({u"replace"_s, QDir(unit).filePath(u"r1.cxr"_s), u"--duty"_s, kDuty, u"--period"_s, u"3"_s,
                 u"--next"_s, u"--data"_s, unit}));
    const QString replaced = state(unit);
    if (fault.endsWith(u"=entry"_s))
        fault.replace(u"entry"_s, RunHistory(UnitFolder(unit)).list().entries.first().path);
    const Outcome o = runWith({u"undo"_s, u"--data"_s, unit, u"--yes"_s}, {fault});
    QCOMPARE(o.status, undone ? 0 : 1);
    QVERIFY2(o.err.contains(says), qPrintable(o.err));
    QVERIFY2(!o.err.contains(u"roster run"_s), qPrintable(o.err));
    // The next command settles what the failed commit left of its journals.
    QCOMPARE(runWith({u"history"_s, u"--data"_s, unit}).status, 0);
    QCOMPARE(state(unit), undone ? made : replaced);
}
