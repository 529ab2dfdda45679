#include "RosterFixture.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {
// 1 March 2027 is a Monday.
const QDate kMonday(2027, 3, 1);
const QString kGuard = u"Gate Guard"_s;
using Kind = Messenger::Kind;
} // namespace

class tst_RosterRun : public QObject
{
    Q_OBJECT

private slots:
    void workedAssignment_data();
    void workedAssignment();
    void standingNumbers_data();
    void standingNumbers();
    void averages_data();
    void averages();
    void dayClasses_data();
    void dayClasses();
    void orderIsReadAgainForEveryPeriod();
    void candidateOrderIsTheCountersOrder_data();
    void candidateOrderIsTheCountersOrder();
    void storedCounterOutOfRange_data();
    void storedCounterOutOfRange();
    void secondRunSeesTheFirstRunsDates();
    void qualifications_data();
    void qualifications();
    void limitsStopTheRun_data();
    void limitsStopTheRun();
    void periodsHoldEachColumnsDays_data();
    void periodsHoldEachColumnsDays();
    void dutyWithoutPeriodsOrCandidates();
    void everyoneAbsentOrBusy();
    void namesAreMatchedExactly();
    void spellingsOfOneNameShareASheetRow();
    void soldierOfThreeDuties();
    void staleCountersAndHeadersGo();
    void moreThan99Candidates();
    void unnamedSoldierIsReportedOnce();
    void replaceQuestion();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void unitFilesAreNeverTargets_data();
    void unitFilesAreNeverTargets();
};

void tst_RosterRun::workedAssignment_data()
{
    QTest::addColumn<int>("absenceFlag");
    QTest::addColumn<QStringList>("cells"); // Clark, Dixon, Baker, Adams
    QTest::addColumn<qint64>("clarkCount");
    QTest::newRow("absence flag set") << 1 << QStringList{u"A"_s, u"/."_s, u"2"_s, u"1"_s} << qint64(2);
    QTest::newRow("absence flag clear") << 0 << QStringList{u"A"_s, u"/."_s, u"3"_s, u"2"_s} << qint64(1);
}

void tst_RosterRun::workedAssignment()
{
    QFETCH(int, absenceFlag);
    QFETCH(QStringList, cells);
    QFETCH(qint64, clarkCount);
    RosterFixture f;
    f.absence = qint16(absenceFlag);
    f.duty(kGuard);
    const struct {
        QString name, rank;
        qint64 count;
    } soldiers[] = {
        {u"Adams"_s, u"E"_s, 3}, {u"Baker"_s, u"C"_s, 1}, {u"Clark"_s, u"F"_s, 1}, {u"Dixon"_s, u"F"_s, 1}};
    for (const auto &s : soldiers) {
        f.soldier(s.name, s.rank);
        f.counter(s.name, s.rank, kGuard, s.count);
    }
    f.period(kGuard, kMonday, kMonday);
    // An absence that ends on the period's first day counts.
    f.absent(u"Clark"_s, kMonday.addDays(-4), kMonday);

    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.messenger.texts(Kind::Plain), QStringList{u"Finished"_s});
    const QStringList got{f.cells(kGuard, u"Clark"_s, 1).value(0), f.cells(kGuard, u"Dixon"_s, 1).value(0),
                          f.cells(kGuard, u"Baker"_s, 1).value(0), f.cells(kGuard, u"Adams"_s, 1).value(0)};
    QCOMPARE(got, cells);
    const auto counters = f.counters();
    QCOMPARE(counters.value(u"Clark|Gate Guard"_s).first, clarkCount);
    QCOMPARE(counters.value(u"Dixon|Gate Guard"_s).first, qint64(2));
    QCOMPARE(counters.value(u"Baker|Gate Guard"_s).first, qint64(1));
    QCOMPARE(counters.value(u"Adams|Gate Guard"_s).first, qint64(3));
    QCOMPARE(f.takenRows(), QStringList{u"Dixon 2027-03-01 2027-03-01"_s});
}

void tst_RosterRun::standingNumbers_data()
{
    QTest::addColumn<int>("absenceFlag");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("absence flag set") << 1 << QStringList{u"/."_s, u"A"_s, u"2"_s, u"D"_s, u"1"_s, u"D"_s};
    QTest::newRow("absence flag clear") << 0 << QStringList{u"/."_s, u"A"_s, u"3"_s, u"D"_s, u"2"_s, u"D"_s};
}

void tst_RosterRun::standingNumbers()
{
    QFETCH(int, absenceFlag);
    QFETCH(QStringList, cells);
    RosterFixture f;
    f.absence = qint16(absenceFlag);
    f.duty(kGuard);
    const QStringList names{u"P1"_s, u"P2"_s, u"P3"_s, u"P4"_s, u"P5"_s, u"P6"_s};
    for (int i = 0; i < names.size(); ++i) {
        f.soldier(names[i], u"D"_s);
        f.counter(names[i], u"D"_s, kGuard, qint64(i + 1));
    }
    f.period(kGuard, kMonday, kMonday.addDays(1));
    f.absent(u"P2"_s, kMonday.addDays(1), kMonday.addDays(9)); // begins on the last day
    f.taken(u"P4"_s, kMonday.addDays(-3), kMonday);            // from another duty, earlier
    // Begins on the last day, written with a time as files from elsewhere hold it.
    QSqlQuery(f.working.connection())
        .exec(u"INSERT INTO Dates VALUES (NULL, 'P6', '2027-03-02 08:00:00', '2027-03-09')"_s);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QStringList got;
    for (const QString &n : names)
        got.append(f.cells(kGuard, n, 1).value(0));
    QCOMPARE(got, cells);
}

void tst_RosterRun::averages_data()
{
    QTest::addColumn<QList<qint64>>("counts");   // existing counter rows, in name order
    QTest::addColumn<QList<qint64>>("expected"); // the same, then a newly qualified soldier
    QTest::newRow("4 2 0 0") << QList<qint64>{4, 2, 0, 0} << QList<qint64>{4, 2, 3, 3, 3};
    QTest::newRow("1 2 0: 1.5 rounds to 2") << QList<qint64>{1, 2, 0} << QList<qint64>{1, 2, 2, 2};
    QTest::newRow("1 4 0: 2.5 rounds to 2") << QList<qint64>{1, 4, 0} << QList<qint64>{1, 4, 2, 2};
    QTest::newRow("3 4 0: 3.5 rounds to 4") << QList<qint64>{3, 4, 0} << QList<qint64>{3, 4, 4, 4};
    QTest::newRow("all zero stay zero") << QList<qint64>{0, 0} << QList<qint64>{0, 0, 0};
    QTest::newRow("large sums do not wrap")
        << QList<qint64>{32000, 32000, 32000, 0} << QList<qint64>{32000, 32000, 32000, 32000, 32000};
}

void tst_RosterRun::averages()
{
    QFETCH(QList<qint64>, counts);
    QFETCH(QList<qint64>, expected);
    RosterFixture f;
    f.duty(kGuard);
    f.duty(u"Other"_s); // its counters are a group of their own
    for (int i = 0; i < counts.size(); ++i) {
        const QString name = u"S%1"_s.arg(i);
        f.soldier(name, u"C"_s);
        f.counter(name, u"C"_s, kGuard, counts[i], counts[i]);
        f.counter(name, u"C"_s, u"Other"_s, qint64(100), qint64(0));
    }
    f.soldier(u"Z new"_s, u"C"_s);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    const auto counters = f.counters();
    for (int i = 0; i < expected.size(); ++i) {
        const QString name = i < counts.size() ? u"S%1"_s.arg(i) : u"Z new"_s;
        const auto c = counters.value(name + u"|Gate Guard"_s);
        QCOMPARE(c.first, expected[i]);
        QCOMPARE(c.second, expected[i]); // the holiday counters follow the same rule
    }
    QCOMPARE(counters.value(u"Z new|Other"_s).first, qint64(100));
}

void tst_RosterRun::dayClasses_data()
{
    QTest::addColumn<int>("consolidate");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("days");
    QTest::addColumn<QVariant>("holidayFrom");
    QTest::addColumn<QVariant>("holidayTo");
    QTest::addColumn<bool>("isHoliday");
    const QVariant none;
    const QVariant h1(kMonday.addDays(8)), h2(kMonday.addDays(10)); // Tue 9th to Thu 11th
    QTest::newRow("Saturday") << 1 << kMonday.addDays(5) << 1 << none << none << true;
    QTest::newRow("Sunday") << 1 << kMonday.addDays(6) << 1 << none << none << true;
    QTest::newRow("Friday over the weekend") << 1 << kMonday.addDays(4) << 3 << none << none << false;
    QTest::newRow("Monday") << 1 << kMonday << 1 << none << none << false;
    QTest::newRow("first day of a holiday") << 1 << kMonday.addDays(8) << 1 << h1 << h2 << true;
    QTest::newRow("last day of a holiday") << 1 << kMonday.addDays(10) << 1 << h1 << h2 << true;
    QTest::newRow("day after a holiday") << 1 << kMonday.addDays(11) << 1 << h1 << h2 << false;
    QTest::newRow("day before, running into it") << 1 << kMonday.addDays(7) << 3 << h1 << h2 << false;
    QTest::newRow("flag clear: Saturday") << 0 << kMonday.addDays(5) << 1 << none << none << false;
    QTest::newRow("flag clear: holiday") << 0 << kMonday.addDays(8) << 1 << h1 << h2 << false;
    QTest::newRow("flag 2 counts as set") << 2 << kMonday.addDays(5) << 1 << none << none << true;
    QTest::newRow("holiday without To matches nothing")
        << 1 << kMonday.addDays(8) << 1 << h1 << none << false;
    QTest::newRow("holiday without From matches up to its To")
        << 1 << kMonday.addDays(9) << 1 << none << h2 << true;
}

void tst_RosterRun::dayClasses()
{
    QFETCH(int, consolidate);
    QFETCH(QDate, from);
    QFETCH(int, days);
    QFETCH(QVariant, holidayFrom);
    QFETCH(QVariant, holidayTo);
    QFETCH(bool, isHoliday);
    RosterFixture f;
    f.consolidate = qint16(consolidate);
    f.duty(kGuard);
    f.soldier(u"Able"_s, u"D"_s);
    f.soldier(u"Baker"_s, u"D"_s);
    f.period(kGuard, from, from.addDays(days - 1));
    if (holidayFrom.isValid() || holidayTo.isValid())
        f.holiday(holidayFrom, holidayTo);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    // The period is Able's either way; the flag and the counter tell its class.
    QCOMPARE(f.cells(kGuard, u"Able"_s, 1), QStringList{u"/."_s});
    QCOMPARE(f.holidayFlag(kGuard, u"Able"_s, 1), isHoliday);
    QCOMPARE(f.holidayFlag(kGuard, u"Baker"_s, 1), isHoliday);
    const auto able = f.counters().value(u"Able|Gate Guard"_s);
    QCOMPARE(able, isHoliday ? qMakePair(qint64(0), qint64(1)) : qMakePair(qint64(1), qint64(0)));
}

void tst_RosterRun::orderIsReadAgainForEveryPeriod()
{
    RosterFixture f;
    f.consolidate = 1;
    f.duty(kGuard);
    for (const QString &n : {u"Able"_s, u"Baker"_s, u"Clark"_s})
        f.soldier(n, u"D"_s);
    // Entered out of order: columns follow the start dates.
    for (int d : {2, 0, 1, 5, 6, 3})
        f.period(kGuard, kMonday.addDays(d), kMonday.addDays(d));
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    // Mon..Thu rotate by the normal counter, each raise moving the soldier
    // back from the next period on; Saturday and Sunday go by the holiday one.
    QCOMPARE(f.cells(kGuard, u"Able"_s, 6), (QStringList{u"/."_s, u"1"_s, u"2"_s, u"/."_s, u"/."_s, u"1"_s}));
    QCOMPARE(f.cells(kGuard, u"Baker"_s, 6), (QStringList{u"2"_s, u"/."_s, u"1"_s, u"2"_s, u"2"_s, u"/."_s}));
    QCOMPARE(f.cells(kGuard, u"Clark"_s, 6), (QStringList{u"1"_s, u"2"_s, u"/."_s, u"1"_s, u"1"_s, u"2"_s}));
    QCOMPARE(f.counters().value(u"Able|Gate Guard"_s), qMakePair(qint64(2), qint64(1)));
    const Database db = Database::open(f.datafile, FileKind::Roster);
    RecordSet header(db, u"header"_s);
    QCOMPARE(header.text(1), kGuard);
    QCOMPARE(header.text(5), u"2027-03-01"_s);
    QCOMPARE(header.text(10), u"2027-03-07"_s);
    QVERIFY(header.value(11).isNull());
}

void tst_RosterRun::candidateOrderIsTheCountersOrder_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("holiday");
    for (quint32 seed = 1; seed <= 12; ++seed) {
        QTest::addRow("unit %u, normal day", seed) << seed << false;
        QTest::addRow("unit %u, holiday", seed) << seed << true;
    }
}

// The run lists candidates in the order the Assignment Counters dialog shows
// the counter rows; a random unit of look-alike names, few counter values and
// few rank codes, so that every tie-break is used.
void tst_RosterRun::candidateOrderIsTheCountersOrder()
{
    QFETCH(quint32, seed);
    QFETCH(bool, holiday);
    QStringList pool{u"Adams"_s,   u"adams"_s,       u"ADAMS"_s,       u"\u00c6sop"_s,  u"Aesop"_s,
                     u"aesop"_s,   u"Afton"_s,       u"\u00d8ster"_s,  u"Oster"_s,      u"\u00f8ster"_s,
                     u"Olsen"_s,   u"Pratt"_s,       u"\u0141ukasz"_s, u"Lukasz"_s,     u"\u0142ukasz"_s,
                     u"Mann"_s,    u"Strau\u00df"_s, u"Strauss"_s,     u"Straust"_s,    u"\u00d6zdemir"_s,
                     u"Ozdemir"_s, u"\u00e9mile"_s,  u"Emile"_s,       u"\u00c9mile"_s, u"Zander"_s};
    QRandomGenerator random(seed);
    std::shuffle(pool.begin(), pool.end(), random);
    const QStringList names = pool.mid(0, 8 + int(random.bounded(pool.size() - 8)));

    RosterFixture f;
    f.consolidate = holiday ? 1 : 0;
    f.duty(kGuard);
    const QStringList ranks{u"C"_s, u"E"_s, u"?"_s};
    for (const QString &name : names) {
        const QString rank = ranks[int(random.bounded(ranks.size()))];
        f.soldier(name, rank);
        // Counters of 1 or more, so that none is lifted to the average first.
        f.counter(name, rank, kGuard, qint64(1 + random.bounded(2)), qint64(1 + random.bounded(2)));
    }
    const QDate day = holiday ? kMonday.addDays(5) : kMonday; // a Saturday or a Monday
    f.period(kGuard, day, day);

    QStringList expected;
    {
        RecordSet shown(f.working, holiday ? u"SELECT * FROM Memory ORDER BY DutyName Asc, HCount Asc, Rank "
                                             "Desc, SoldierName Asc"_s
                                           : u"SELECT * FROM Memory ORDER BY DutyName Asc, Count Asc, Rank "
                                             "Desc, SoldierName Asc"_s);
        expected = column(shown, 2);
    }

    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    // The run's order, read back from the cells: the assigned soldier first,
    // then the others by their standing numbers, highest first.
    QStringList got(names.size());
    for (const QString &name : names) {
        const QString cell = f.cells(kGuard, name, 1).value(0);
        const int position = cell == u"/." ? 0 : int(names.size()) - cell.toInt();
        QVERIFY2(position >= 0 && position < names.size() && got[position].isEmpty(),
                 qPrintable(name + u": "_s + cell));
        got[position] = name;
    }
    QCOMPARE(got, expected);
}

void tst_RosterRun::storedCounterOutOfRange_data()
{
    QTest::addColumn<int>("field");      // 5 Count, 6 HCount
    QTest::addColumn<QString>("stored"); // as SQL writes it into the file
    QTest::addColumn<QString>("shown");  // as the message must give it
    QTest::newRow("largest 64-bit") << 5 << u"9223372036854775807"_s << u"9223372036854775807"_s;
    QTest::newRow("smallest 64-bit") << 5 << u"-9223372036854775808"_s << u"-9223372036854775808"_s;
    QTest::newRow("1e30 as a real number") << 5 << u"1e30"_s << u"1e+30"_s;
    QTest::newRow("-40000") << 5 << u"-40000"_s << u"-40000"_s;
    QTest::newRow("negative") << 5 << u"-2"_s << u"-2"_s;
    QTest::newRow("one above the largest") << 5 << u"32768"_s << u"32768"_s;
    QTest::newRow("a fraction") << 5 << u"2.5"_s << u"2.5"_s;
    QTest::newRow("holiday counter 9223372036854775807")
        << 6 << u"9223372036854775807"_s << u"9223372036854775807"_s;
    QTest::newRow("holiday counter 1e30") << 6 << u"1e30"_s << u"1e+30"_s;
    QTest::newRow("holiday counter -40000") << 6 << u"-40000"_s << u"-40000"_s;
}

// A counter that another program wrote beyond what a counter can be stops the
// run before anything is changed, and the message names the row to correct.
void tst_RosterRun::storedCounterOutOfRange()
{
    QFETCH(int, field);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    RosterFixture f;
    f.duty(kGuard);
    f.duty(u"Kitchen"_s);
    for (const QString &name : {u"Able"_s, u"Baker"_s, u"Clark"_s}) {
        f.soldier(name, u"D"_s);
        f.counter(name, u"D"_s, u"Kitchen"_s, qint64(4), qint64(4));
    }
    f.counter(u"Able"_s, u"D"_s, kGuard, qint64(0), qint64(0)); // would be lifted to the average
    f.counter(u"Baker"_s, u"D"_s, kGuard, qint64(3), qint64(3));
    f.counter(u"Clark"_s, u"D"_s, kGuard, qint64(5), qint64(5));
    {
        QSqlQuery q(f.working.connection());
        QVERIFY(q.exec(u"UPDATE Memory SET \"%1\" = %2 WHERE SoldierName = 'Baker' AND DutyName = '%3'"_s.arg(
            field == 5 ? u"Count"_s : u"HCount"_s, stored, kGuard)));
        QCOMPARE(q.numRowsAffected(), 1);
    }
    f.period(kGuard, kMonday, kMonday);
    const QByteArray before = readFile(f.unit.folder.workingPath());

    QCOMPARE(f.make(), RosterRun::Outcome::Failed);
    const QStringList errors = f.messenger.texts(Kind::Error);
    QCOMPARE(errors.size(), 1);
    const QString expected =
        u"The %1 counter of Baker for Gate Guard is %2, outside the range 0\u201332767."_s.arg(
            field == 5 ? u"Normal"_s : u"Holiday"_s, shown);
    QVERIFY2(errors.first().contains(expected), qPrintable(errors.first()));
    QVERIFY2(!errors.first().contains(u"Able"_s), qPrintable(errors.first()));
    QVERIFY(f.messenger.texts(Kind::Plain).isEmpty());
    QCOMPARE(readFile(f.unit.folder.workingPath()), before);
    QVERIFY(!QFile::exists(f.datafile));
}

void tst_RosterRun::secondRunSeesTheFirstRunsDates()
{
    RosterFixture f;
    f.duty(kGuard);
    f.duty(u"Kitchen"_s);
    f.soldier(u"Able"_s, u"D"_s);
    f.soldier(u"Baker"_s, u"D"_s);
    f.period(kGuard, kMonday, kMonday);
    // A unit made before the index on the dates' last day gets it with its run.
    const QString index = u"SELECT count(*) FROM sqlite_master WHERE name = 'Dates_To'"_s;
    QCOMPARE(sqliteShell(f.unit.folder.workingPath(), u"DROP INDEX Dates_To"_s, true), QString());
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.cells(kGuard, u"Able"_s, 1), QStringList{u"/."_s});
    QCOMPARE(sqliteShell(f.unit.folder.workingPath(), index), u"1"_s);

    // Next roster: Gate Guard (first by name) and Kitchen on the same day.
    // Able is taken by the first run's assignment, Baker by the Gate Guard.
    f.period(u"Kitchen"_s, kMonday, kMonday);
    f.datafile = f.unit.path(u"second.cxr"_s);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.cells(kGuard, u"Able"_s, 1), QStringList{u"D"_s});
    QCOMPARE(f.cells(kGuard, u"Baker"_s, 1), QStringList{u"/."_s});
    QCOMPARE(f.cells(u"Kitchen"_s, u"Able"_s, 1), QStringList{u"D"_s});
    QCOMPARE(f.cells(u"Kitchen"_s, u"Baker"_s, 1), QStringList{u"D"_s});
    QCOMPARE(f.messenger.texts(Kind::Information),
             QStringList{u"No qualified soldier is available for Kitchen on 2027-03-01"_s});
    const auto counters = f.counters();
    QCOMPARE(counters.value(u"Able|Gate Guard"_s).first, qint64(1));
    // Baker's 0 was lifted to the duty's average (1) before his raise.
    QCOMPARE(counters.value(u"Baker|Gate Guard"_s).first, qint64(2));
    QCOMPARE(counters.value(u"Baker|Kitchen"_s).first, qint64(0));
    QCOMPARE(f.takenRows(), (QStringList{u"Able 2027-03-01 2027-03-01"_s, u"Baker 2027-03-01 2027-03-01"_s}));
}

void tst_RosterRun::qualifications_data()
{
    QTest::addColumn<QVariantList>("soldierFlags"); // Q1, Q2 of the soldier
    QTest::addColumn<QVariantList>("dutyFlags");    // Q1, Q2 of the duty
    QTest::addColumn<bool>("qualified");
    const QVariant yes(true), no(false), null;
    QTest::newRow("holds both") << QVariantList{yes, yes} << QVariantList{yes, yes} << true;
    QTest::newRow("lacks one") << QVariantList{yes, no} << QVariantList{yes, yes} << false;
    QTest::newRow("null reads as not held") << QVariantList{yes, null} << QVariantList{yes, yes} << false;
    QTest::newRow("null reads as not required") << QVariantList{no, no} << QVariantList{null, null} << true;
    QTest::newRow("extra qualification is fine") << QVariantList{yes, yes} << QVariantList{no, yes} << true;
}

void tst_RosterRun::qualifications()
{
    QFETCH(QVariantList, soldierFlags);
    QFETCH(QVariantList, dutyFlags);
    QFETCH(bool, qualified);
    RosterFixture f;
    addRows(f.personnel, u"DutyDates"_s, {{kGuard, u"Unit"_s, dutyFlags[0], dutyFlags[1]}});
    addRows(f.personnel, u"SoldierRoster"_s,
            {{u"Able"_s, u"D"_s, u"HQ"_s, soldierFlags[0], soldierFlags[1]}});
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.counters().contains(u"Able|Gate Guard"_s), qualified);
    QCOMPARE(f.cells(kGuard, u"Able"_s, 1) != QStringList{u"<no row>"_s}, qualified);
}

void tst_RosterRun::limitsStopTheRun_data()
{
    QTest::addColumn<int>("holidays");
    QTest::addColumn<int>("periods"); // of Armory, the first duty
    QTest::addColumn<int>("consolidate");
    QTest::addColumn<QString>("error"); // empty: the run is not stopped
    QTest::newRow("99 holidays") << 99 << 1 << 1 << QString();
    QTest::newRow("100 holidays") << 100 << 1 << 1 << u"Number of Holidays exceeds 99 maximum"_s;
    QTest::newRow("100 holidays, flag clear") << 100 << 1 << 0 << QString();
    QTest::newRow("36 periods") << 0 << 36 << 0 << QString();
    QTest::newRow("37 periods") << 0 << 37 << 0 << u"Armory is greater than the 36 columns"_s;
}

// What came before the stop is kept: counter rows, sheet rows and the
// columns filled; a duty after it is never reached.
void tst_RosterRun::limitsStopTheRun()
{
    QFETCH(int, holidays);
    QFETCH(int, periods);
    QFETCH(int, consolidate);
    QFETCH(QString, error);
    const bool stops = !error.isEmpty();
    const bool beforeAny = stops && holidays > 99; // the holidays are counted before any period
    RosterFixture f;
    f.consolidate = qint16(consolidate);
    f.duty(u"Armory"_s);
    f.duty(u"Zulu Watch"_s);
    f.soldier(u"Able"_s, u"D"_s);
    for (int d = 0; d < periods; ++d)
        f.period(u"Armory"_s, kMonday.addDays(d), kMonday.addDays(d));
    f.period(u"Zulu Watch"_s, QDate(2028, 1, 3), QDate(2028, 1, 3));
    {
        Transaction t(f.personnel);
        for (int i = 0; i < holidays; ++i)
            f.holiday(QDate(2030, 1, 1).addDays(i), QDate(2030, 1, 1).addDays(i));
        t.commit();
    }
    QCOMPARE(f.make(), stops ? RosterRun::Outcome::Stopped : RosterRun::Outcome::Finished);
    QCOMPARE(f.messenger.texts(Kind::Error), stops ? QStringList{error} : QStringList{});
    QCOMPARE(f.messenger.texts(Kind::Plain).isEmpty(), stops);
    QVERIFY(f.counters().contains(u"Able|Armory"_s));
    const int filled = beforeAny ? 0 : std::min(periods, 36);
    QCOMPARE(f.cells(u"Armory"_s, u"Able"_s, std::min(periods, 36)),
             QStringList(filled, u"/."_s) + QStringList(std::min(periods, 36) - filled, QString()));
    QCOMPARE(f.counters().value(u"Able|Armory"_s).first, qint64(filled));
    QCOMPARE(f.cells(u"Zulu Watch"_s, u"Able"_s, 1), QStringList{stops ? u""_s : u"/."_s});
    const Database db = Database::open(f.datafile, FileKind::Roster);
    RecordSet header(db, u"header"_s);
    QCOMPARE(header.text(1), beforeAny ? QString() : u"Armory"_s);
    QCOMPARE(header.text(4 + std::min(periods, 36)),
             beforeAny ? QString() : kMonday.addDays(std::min(periods, 36) - 1).toString(Qt::ISODate));
    QCOMPARE(rowCount(header), stops ? 1 : 2);
}

void tst_RosterRun::periodsHoldEachColumnsDays_data()
{
    using Periods = QList<std::pair<QDate, QDate>>;
    QTest::addColumn<Periods>("periods"); // as entered, not in start order
    QTest::addColumn<bool>("oldTemplate");
    QTest::addColumn<QStringList>("expected"); // "duty|column|from|to" in key order
    const QStringList days{u"Armory|1|2027-03-01|2027-03-01"_s, u"Armory|2|2027-03-02|2027-03-02"_s,
                           u"Gate Guard|1|2027-03-01|2027-03-01"_s};
    const Periods oneDay{{kMonday.addDays(1), kMonday.addDays(1)}, {kMonday, kMonday}};
    QTest::newRow("one day") << oneDay << false << days;
    QTest::newRow("week") << Periods{{QDate(2027, 3, 15), QDate(2027, 3, 21)},
                                     {QDate(2027, 3, 8), QDate(2027, 3, 14)}}
                          << false
                          << QStringList{u"Armory|1|2027-03-08|2027-03-14"_s,
                                         u"Armory|2|2027-03-15|2027-03-21"_s,
                                         u"Gate Guard|1|2027-03-01|2027-03-01"_s};
    QTest::newRow("across the month's end")
        << Periods{{QDate(2027, 2, 26), QDate(2027, 3, 4)}} << false
        << QStringList{u"Armory|1|2027-02-26|2027-03-04"_s, u"Gate Guard|1|2027-03-01|2027-03-01"_s};
    QTest::newRow("template without periods") << oneDay << true << days;
}

void tst_RosterRun::periodsHoldEachColumnsDays()
{
    using Periods = QList<std::pair<QDate, QDate>>;
    QFETCH(Periods, periods);
    QFETCH(bool, oldTemplate);
    QFETCH(QStringList, expected);
    RosterFixture f;
    if (oldTemplate)
        dropTable(f.unit.folder.templatePath(), FileKind::Roster, u"periods"_s);
    f.duty(u"Armory"_s);
    f.duty(u"Band"_s); // no periods, no rows
    f.duty(kGuard);
    f.soldier(u"Able"_s, u"D"_s);
    for (const auto &[from, to] : periods)
        f.period(u"Armory"_s, from, to);
    f.period(kGuard, kMonday, kMonday);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);

    const Database db = Database::open(f.datafile, FileKind::Roster);
    QVERIFY(db.hasTable(u"periods"_s));
    QHash<QString, QStringList> headerDates;
    for (RecordSet header(db, u"header"_s); !header.eof(); header.moveNext())
        for (int c = 1; c <= 36; ++c)
            headerDates[header.text(1)].append(header.text(4 + c));
    RecordSet rows(db, u"periods"_s);
    QCOMPARE(rowCount(rows), expected.size());
    QStringList got;
    for (; !rows.eof(); rows.moveNext()) {
        got.append(QStringList{rows.text(1), rows.text(2), rows.text(3), rows.text(4)}.join(u'|'));
        // Each row's first day is the one its column of the header shows.
        QCOMPARE(headerDates.value(rows.text(1)).value(rows.value(2).toInt() - 1), rows.text(3));
    }
    QCOMPARE(got, expected);
}

void tst_RosterRun::dutyWithoutPeriodsOrCandidates()
{
    RosterFixture f;
    f.duty(u"Armory"_s, {5}, u"HQ Company"_s); // nobody holds qualification 5
    f.duty(u"Band"_s, {}, u"Music"_s);         // no periods
    f.soldier(u"Able"_s, u"D"_s);
    f.period(u"Armory"_s, kMonday, kMonday);
    f.period(u"Armory"_s, kMonday.addDays(1), kMonday.addDays(1));
    f.period(u"Nobody's duty"_s, kMonday, kMonday); // names no duty: never used
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.messenger.texts(Kind::Information),
             (QStringList{u"No qualified soldier is available for Armory on 2027-03-01"_s,
                          u"No qualified soldier is available for Armory on 2027-03-02"_s}));
    const Database db = Database::open(f.datafile, FileKind::Roster);
    RecordSet header(db, u"header"_s);
    QCOMPARE(rowCount(header), 2);
    moveToLastRow(header);
    QCOMPARE(header.text(1), u"Band"_s);
    QCOMPARE(header.text(2), u"Music"_s);
    QVERIFY(header.value(5).isNull());
    QCOMPARE(f.cells(u"Band"_s, u"Able"_s, 2), (QStringList{u""_s, u""_s}));
    QVERIFY(f.takenRows().isEmpty());
}

void tst_RosterRun::everyoneAbsentOrBusy()
{
    for (int flag : {0, 1}) {
        RosterFixture f;
        f.absence = qint16(flag);
        f.duty(kGuard);
        f.soldier(u"Able"_s, u"D"_s);
        f.soldier(u"Baker"_s, u"D"_s);
        f.counter(u"Able"_s, u"D"_s, kGuard, qint64(5));
        f.counter(u"Baker"_s, u"D"_s, kGuard, qint64(5));
        f.period(kGuard, kMonday, kMonday.addDays(2));
        f.absent(u"Able"_s, kMonday.addDays(2), kMonday.addDays(2));
        f.taken(u"Baker"_s, kMonday.addDays(1), kMonday.addDays(1));
        QCOMPARE(f.make(), RosterRun::Outcome::Finished);
        QCOMPARE(f.messenger.texts(Kind::Information),
                 QStringList{u"No qualified soldier is available for Gate Guard on 2027-03-01"_s});
        QCOMPARE(f.cells(kGuard, u"Able"_s, 1), QStringList{u"A"_s});
        QCOMPARE(f.cells(kGuard, u"Baker"_s, 1), QStringList{u"D"_s});
        QCOMPARE(f.takenRows().size(), 1); // only Baker's own row from before
        QCOMPARE(f.counters().value(u"Able|Gate Guard"_s).first, qint64(5 + flag));
        QCOMPARE(f.counters().value(u"Baker|Gate Guard"_s).first, qint64(5));
    }
}

void tst_RosterRun::namesAreMatchedExactly()
{
    RosterFixture f;
    f.duty(kGuard);
    const QStringList names{u"O'Brien"_s, u"\"Doc\" Holliday"_s, u" Padded "_s, u"Müller"_s};
    for (const QString &n : names)
        f.soldier(n, u"D"_s);
    for (int d = 0; d < 4; ++d)
        f.period(kGuard, kMonday.addDays(d), kMonday.addDays(d));
    f.absent(u"O'Brien"_s, kMonday, kMonday.addDays(9));
    f.absent(u"Padded"_s, kMonday, kMonday.addDays(9)); // not the padded name: does not count
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QVERIFY(f.messenger.texts(Kind::Error).isEmpty());
    QCOMPARE(f.cells(kGuard, u"O'Brien"_s, 4), QStringList(4, u"A"_s));
    // The sheet keeps names trimmed; the padded soldier's cells are there. A
    // leading blank sorts first, so he stands the first and the fourth day.
    // (O'Brien's absences take no number: the Absence flag is clear.)
    QCOMPARE(f.cells(kGuard, u"Padded"_s, 4), (QStringList{u"/."_s, u"2"_s, u"3"_s, u"/."_s}));
    QCOMPARE(f.cells(kGuard, u"\"Doc\" Holliday"_s, 4), (QStringList{u"3"_s, u"/."_s, u"2"_s, u"3"_s}));
    QCOMPARE(f.counters().value(u" Padded |Gate Guard"_s).first, qint64(2));
}

// Two soldiers whose names differ only by blanks around them are one name on
// the roster: both counter rows write into the first sheet row of that name
// and duty, the later row's mark standing, and the second sheet row stays blank.
void tst_RosterRun::spellingsOfOneNameShareASheetRow()
{
    RosterFixture f;
    f.duty(kGuard);
    for (const QString &n : {u"Able"_s, u"Able "_s, u"Baker"_s})
        f.soldier(n, u"D"_s);
    for (int d = 0; d < 3; ++d)
        f.period(kGuard, kMonday.addDays(d), kMonday.addDays(d));
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    const Database db = Database::open(f.datafile, FileKind::Roster);
    RecordSet sheet(db, u"storeage"_s);
    QStringList rows;
    for (; !sheet.eof(); sheet.moveNext()) {
        QStringList row{sheet.value(1).toString(), sheet.value(2).toString()};
        for (int c = 1; c <= 3; ++c)
            row.append(sheet.value(4 + c).toString());
        rows.append(row.join(u'|'));
    }
    // Period 1 went to Able and period 2 to "Able ", whose marks the other's
    // then covered.
    QCOMPARE(rows, (QStringList{u"Gate Guard|Able|2|1|1"_s, u"Gate Guard|Able|||"_s,
                                u"Gate Guard|Baker|1|2|/."_s}));
}

void tst_RosterRun::soldierOfThreeDuties()
{
    RosterFixture f;
    for (const QString &d : {u"Cook"_s, u"Guard"_s, u"Runner"_s})
        f.duty(d);
    f.soldier(u"  Able  "_s, u" D "_s, {}, u" 1st Platoon "_s);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    const Database db = Database::open(f.datafile, FileKind::Roster);
    RecordSet sheet(db, u"storeage"_s);
    QStringList rows;
    for (; !sheet.eof(); sheet.moveNext())
        rows.append(QStringList{sheet.value(1).toString(), sheet.value(2).toString(),
                                sheet.value(3).toString(), sheet.value(4).toString()}
                        .join(u'|'));
    QCOMPARE(rows, (QStringList{u"Cook|Able|D|1st Platoon"_s, u"Guard|Able|D|1st Platoon"_s,
                                u"Runner|Able|D|1st Platoon"_s}));
}

void tst_RosterRun::staleCountersAndHeadersGo()
{
    RosterFixture f;
    f.duty(kGuard, {1});
    f.soldier(u"Able"_s, u"F"_s, {1}, u"2nd Platoon"_s);
    f.soldier(u"Baker"_s, u"D"_s);                            // lost qualification 1
    f.counter(u"Able"_s, u"C"_s, kGuard, qint64(4));          // rank and section are refreshed
    f.counter(u"Able"_s, u"C"_s, kGuard, qint64(9));          // a second row: deleted
    f.counter(u"Baker"_s, u"D"_s, kGuard, qint64(2));         // no longer qualified
    f.counter(u"Gone"_s, u"D"_s, kGuard, qint64(2));          // left the unit
    f.counter(u"Able"_s, u"C"_s, u"gate guard"_s, qint64(7)); // another duty by case
    addRows(f.working, u"Header"_s, {{kGuard}, {u"Old duty"_s}, {QVariant()}, {u"Gate Guard "_s}});
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    RecordSet memory(f.unit.working(), u"Memory"_s);
    QCOMPARE(rowCount(memory), 1);
    QCOMPARE(memory.text(2), u"Able"_s);
    QCOMPARE(memory.text(3), u"F"_s);
    QCOMPARE(memory.value(5).toLongLong(), qint64(4));
    QCOMPARE(memory.text(7), u"2nd Platoon"_s);
    QCOMPARE(column(memory = RecordSet(f.unit.working(), u"Header"_s), 1), QStringList{kGuard});
}

void tst_RosterRun::moreThan99Candidates()
{
    RosterFixture f;
    f.duty(kGuard);
    {
        Transaction t(f.personnel);
        for (int i = 0; i < 150; ++i)
            f.soldier(u"Soldier %1"_s.arg(i, 3, 10, QChar(u'0')), u"D"_s);
        t.commit();
    }
    f.period(kGuard, kMonday, kMonday);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.cells(kGuard, u"Soldier 000"_s, 1), QStringList{u"/."_s});
    QCOMPARE(f.cells(kGuard, u"Soldier 001"_s, 1), QStringList{u"149"_s});
    QCOMPARE(f.cells(kGuard, u"Soldier 149"_s, 1), QStringList{u"1"_s});
}

void tst_RosterRun::unnamedSoldierIsReportedOnce()
{
    RosterFixture f;
    f.duty(kGuard);
    f.soldier(QVariant(), u"W"_s); // a row whose name was never typed
    f.soldier(u"Able"_s, u"D"_s);
    f.period(kGuard, kMonday, kMonday);
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.messenger.texts(Kind::Error),
             (QStringList{u"SoldierName='' could not add points for Gate Guard"_s,
                          u"Could not locate  in output datafile"_s}));
    QCOMPARE(f.cells(kGuard, u"Able"_s, 1), QStringList{u"1"_s});
    QCOMPARE(f.counters().value(u"Able|Gate Guard"_s).first, qint64(0));
}

void tst_RosterRun::replaceQuestion()
{
    RosterFixture f;
    f.duty(kGuard);
    f.soldier(u"Able"_s, u"D"_s);
    f.period(kGuard, kMonday, kMonday);
    writeFile(f.datafile, "last month's roster");
    QCOMPARE(f.make(), RosterRun::Outcome::Declined);
    QCOMPARE(f.messenger.questions,
             QStringList{u"File already exists.  Do you want to replace roster.cxr?"_s});
    QVERIFY(f.messenger.messages.isEmpty());
    QCOMPARE(readFile(f.datafile), QByteArray("last month's roster"));
    QVERIFY(f.counters().isEmpty());

    f.messenger.answers = {true};
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    QCOMPARE(f.cells(kGuard, u"Able"_s, 1), QStringList{u"/."_s});
}

void tst_RosterRun::failuresChangeNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("says");
    QTest::newRow("period without a start") << u"no From"_s << u"no valid From date"_s;
    QTest::newRow("counter at its limit") << u"full counter"_s << u"32767"_s;
    QTest::newRow("no template") << u"no template"_s << u"template.tem"_s;
    // Counters, periods and the datafile's rows know a duty by its name: the
    // periods of the second would be counted but not shown on the roster.
    QTest::newRow("two duties of one name") << u"Kitchen"_s << u"Two duties are named 'Kitchen'."_s;
    QTest::newRow("the same name with blanks around it")
        << u" Kitchen "_s << u"Two duties are named 'Kitchen'."_s;
}

void tst_RosterRun::failuresChangeNothing()
{
    QFETCH(QString, fault);
    QFETCH(QString, says);
    RosterFixture f;
    f.duty(kGuard);
    f.duty(u"Kitchen"_s);
    if (fault.trimmed() == u"Kitchen")
        f.duty(fault);
    f.soldier(u"Able"_s, u"D"_s);
    f.counter(u"Able"_s, u"D"_s, kGuard, qint64(fault == u"full counter" ? 32767 : 3));
    f.period(kGuard, kMonday, kMonday);
    f.period(u"Kitchen"_s, fault == u"no From" ? QVariant() : QVariant(kMonday), kMonday);
    if (fault == u"no template")
        QVERIFY(QFile::remove(f.unit.folder.templatePath()));
    const auto countersBefore = f.counters();

    QCOMPARE(f.make(), RosterRun::Outcome::Failed);
    const QStringList errors = f.messenger.texts(Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(says), qPrintable(errors.first()));
    QVERIFY(f.messenger.texts(Kind::Plain).isEmpty());
    QCOMPARE(f.counters(), countersBefore);
    QVERIFY(f.takenRows().isEmpty());
    QVERIFY(!QFile::exists(f.datafile));
    const QStringList left = QDir(f.unit.dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(!name.endsWith(u".tmp"_s) && !name.endsWith(u"-journal"_s), qPrintable(name));
}

void tst_RosterRun::unitFilesAreNeverTargets_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"Memory.mdb", "Roster.rpt", "Remarks.rpt", "Roster.hlp", "Roster.de.hlp",
                             "Roster.nb.hlp", "ROSTER.INI", "ROSTER2.INI", ".calendrix.lock"})
        QTest::newRow(name) << QString::fromLatin1(name);
    // What the history folder holds is kept for undo.
    QTest::newRow("a run kept for undo") << u"history/run-20270301-080000-000.mdb"_s;
    QTest::newRow("a datafile kept for undo") << u"history/run-20270301-080000-000-march.cxr"_s;
    QTest::newRow("a new file in history") << u"history/new.cxr"_s;
}

// Even with leave to replace, a run never turns a file of the unit into a
// roster datafile.
void tst_RosterRun::unitFilesAreNeverTargets()
{
    QFETCH(QString, name);
    RosterFixture f;
    f.duty(kGuard);
    f.soldier(u"Able"_s, u"D"_s);
    f.counter(u"Able"_s, u"D"_s, kGuard, 3);
    f.period(kGuard, kMonday, kMonday);
    f.datafile = f.unit.folder.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(f.datafile).absolutePath()));
    if (!QFileInfo::exists(f.datafile))
        writeFile(f.datafile, "kept as it is");
    const QByteArray before = readFile(f.datafile);
    f.messenger.answers = {true};
    const auto countersBefore = f.counters();

    QCOMPARE(f.make(), RosterRun::Outcome::Failed);
    const QStringList errors = f.messenger.texts(Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(u"unit's own files"_s), qPrintable(errors.first()));
    QCOMPARE(readFile(f.datafile), before);
    QCOMPARE(f.counters(), countersBefore);
}

QTEST_GUILESS_MAIN(tst_RosterRun)
#include "tst_RosterRun.moc"
