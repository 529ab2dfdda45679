#include "RosterFixture.h"
#include "roster/FairnessModel.h"

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {
const QString kGuard = u"Gate Guard"_s;
// 1 March 2027 is a Monday, 6 March a Saturday.
const QDate kMonday(2027, 3, 1);
const QDate kSaturday(2027, 3, 6);

// "Name Rank Count HCount": "-" for an empty (Null) counter; a count of
// "new" gives the soldier no counter row (he is qualified, the run adds it).
void addSoldiers(RosterFixture &f, const QStringList &rows)
{
    for (const QString &row : rows) {
        const QStringList p = row.split(u' ');
        f.soldier(p[0], p[1]);
        if (p[2] == u"new")
            continue;
        const auto value = [](const QString &t) { return t == u"-" ? QVariant() : QVariant(t.toLongLong()); };
        f.counter(p[0], p[1], kGuard, value(p[2]), value(p[3]));
    }
}

QString numbers(const FairnessModel::Figures &f)
{
    return u"%1 | %2 %3 %4 %5 | %6 %7"_s.arg(f.soldiers)
        .arg(f.minimum)
        .arg(f.median)
        .arg(f.mean, 0, 'g', 4)
        .arg(f.maximum)
        .arg(f.lowerQuartile)
        .arg(f.upperQuartile);
}

QString names(const QList<FairnessModel::SoldierCounter> &list)
{
    QStringList out;
    for (const auto &s : list)
        out.append(u"%1 %2"_s.arg(s.name).arg(s.counter));
    return out.join(u", "_s);
}

QString histogram(const FairnessModel::Figures &f)
{
    QStringList out;
    for (int n : f.histogram())
        out.append(QString::number(n));
    return out.join(u' ');
}

} // namespace

class tst_FairnessModel : public QObject
{
    Q_OBJECT

private slots:
    void figuresOfOneDuty_data();
    void figuresOfOneDuty();
    void dutiesSoldiersAndUnit();
    void nextInLineIsWhomTheRunAssigns_data();
    void nextInLineIsWhomTheRunAssigns();
};

void tst_FairnessModel::figuresOfOneDuty_data()
{
    QTest::addColumn<QStringList>("soldiers");
    QTest::addColumn<QString>("normal");     // soldiers | min median mean max | quartiles
    QTest::addColumn<QString>("aboveMin");   // normal counters more than one above the minimum
    QTest::addColumn<QString>("nextInLine"); // normal order
    QTest::addColumn<QString>("bars");       // normal histogram from the minimum
    QTest::addColumn<QString>("holiday");
    QTest::addColumn<QString>("holidayNext");

    // Equal counters go by rank code (higher first), then by name.
    QTest::newRow("ties") << QStringList{u"Baker C 2 1"_s, u"Adams C 2 1"_s, u"Clark E 2 1"_s,
                                         u"Dixon A 5 1"_s}
                          << u"4 | 2 2 2.75 5 | 2 3.5"_s << u"Dixon 5"_s
                          << u"Clark 2, Adams 2, Baker 2, Dixon 5"_s << u"3 0 0 1"_s << u"4 | 1 1 1 1 | 1 1"_s
                          << u"Clark 1, Adams 1, Baker 1, Dixon 1"_s;
    // An empty counter stays empty through preparation, counts as 0 and
    // stands first; a 0 is lifted to the average of the others (4 and 2).
    QTest::newRow("null and zero") << QStringList{u"Adams C - 1"_s, u"Baker C 4 1"_s, u"Clark C 2 1"_s,
                                                  u"Dixon C 0 1"_s}
                                   << u"4 | 0 2.5 2.25 4 | 1 3.5"_s << u"Baker 4, Clark 2, Dixon 3"_s
                                   << u"Adams 0, Clark 2, Dixon 3, Baker 4"_s << u"1 0 1 1 1"_s
                                   << u"4 | 1 1 1 1 | 1 1"_s << u"Adams 1, Baker 1, Clark 1, Dixon 1"_s;
    // A qualified soldier without a row starts at the average, half to even.
    QTest::newRow("new soldier") << QStringList{u"Adams C 1 0"_s, u"Baker C 4 0"_s, u"Clark C new new"_s}
                                 << u"3 | 1 2 2.333 4 | 1 4"_s << u"Baker 4"_s
                                 << u"Adams 1, Clark 2, Baker 4"_s << u"1 1 0 1"_s << u"3 | 0 0 0 0 | 0 0"_s
                                 << u"Adams 0, Baker 0, Clark 0"_s;
    QTest::newRow("one soldier") << QStringList{u"Adams C 7 2"_s} << u"1 | 7 7 7 7 | 7 7"_s << QString()
                                 << u"Adams 7"_s << u"1"_s << u"1 | 2 2 2 2 | 2 2"_s << u"Adams 2"_s;
    // The holiday counter has its own figures and its own order.
    QTest::newRow("holiday counts") << QStringList{u"Adams C 1 4"_s, u"Baker C 1 1"_s, u"Clark C 1 2"_s,
                                                   u"Dixon B 1 6"_s, u"Evans D 1 1"_s, u"Foley C 1 9"_s}
                                    << u"6 | 1 1 1 1 | 1 1"_s << QString()
                                    << u"Evans 1, Adams 1, Baker 1, Clark 1, Foley 1"_s << u"6"_s
                                    << u"6 | 1 3 3.833 9 | 1 6"_s
                                    << u"Evans 1, Baker 1, Clark 2, Adams 4, Dixon 6"_s;
}

void tst_FairnessModel::figuresOfOneDuty()
{
    QFETCH(QStringList, soldiers);
    QFETCH(QString, normal);
    QFETCH(QString, aboveMin);
    QFETCH(QString, nextInLine);
    QFETCH(QString, bars);
    QFETCH(QString, holiday);
    QFETCH(QString, holidayNext);
    RosterFixture f;
    f.duty(kGuard);
    addSoldiers(f, soldiers);

    const FairnessModel model = FairnessModel::read(f.personnel, f.working);
    QCOMPARE(model.duties().size(), size_t(1));
    const FairnessModel::DutyFairness &d = model.duties().front();
    QCOMPARE(d.name, kGuard);
    QCOMPARE(numbers(d.normal), normal);
    QCOMPARE(names(d.normal.aboveMinimum), aboveMin);
    QCOMPARE(names(d.normal.nextInLine), nextInLine);
    QCOMPARE(histogram(d.normal), bars);
    QCOMPARE(numbers(d.holiday), holiday);
    QCOMPARE(names(d.holiday.nextInLine), holidayNext);
}

void tst_FairnessModel::dutiesSoldiersAndUnit()
{
    RosterFixture f;
    f.duty(u"Kitchen"_s, {2});
    f.duty(kGuard, {1});
    f.duty(u"Radio"_s, {3}); // nobody holds 3
    f.soldier(u"Adams"_s, u"C"_s, {1, 2}, u"1st"_s);
    f.soldier(u"Baker"_s, u"D"_s, {1}, u"2nd"_s);
    f.soldier(u"Carl"_s, u"E"_s, {}, u"2nd"_s);
    f.soldier(u"Dixon"_s, u"F"_s, {1, 2}, u"1st"_s);
    f.soldier(u"Evans"_s, u"B"_s, {1, 2}, u"1st"_s); // new: no counter rows yet
    f.counter(u"Adams"_s, u"C"_s, kGuard, 0, 0);
    f.counter(u"Baker"_s, u"D"_s, kGuard, 0, 0);
    f.counter(u"Dixon"_s, u"F"_s, kGuard, 0, 0);
    f.counter(u"Adams"_s, u"C"_s, u"Kitchen"_s, 3, 1);
    f.counter(u"Dixon"_s, u"F"_s, u"Kitchen"_s, 7, 1);
    // A row of a pair no longer qualified is no part of the figures.
    f.counter(u"Carl"_s, u"E"_s, u"Kitchen"_s, 30, 30);
    f.taken(u"Adams"_s, kMonday.addDays(14), kMonday.addDays(15));
    f.taken(u"Adams"_s, kMonday, kMonday.addDays(1));
    f.counter(u"Ghost"_s, u"C"_s, kGuard, 9, 9); // no such soldier: a run would delete it
    const auto before = f.counters();

    const FairnessModel model = FairnessModel::read(f.personnel, f.working);
    QCOMPARE(f.counters(), before); // reading changes nothing
    QStringList duties;
    for (const auto &d : model.duties())
        duties.append(u"%1 %2/%3"_s.arg(d.name).arg(d.normal.soldiers).arg(d.normal.spread()));
    QCOMPARE(duties, (QStringList{u"Gate Guard 4/0"_s, u"Kitchen 3/4"_s, u"Radio 0/0"_s}));
    const FairnessModel::Figures &radio = model.duties()[2].normal;
    QVERIFY(radio.histogram().isEmpty());
    QVERIFY(radio.nextInLine.isEmpty());

    QStringList soldiers;
    for (const auto &s : model.soldiers()) {
        QStringList dates;
        for (const auto &[from, to] : s.dates)
            dates.append(from.toString(Qt::ISODate) + u'/' + to.toString(Qt::ISODate));
        soldiers.append(u"%1 %2 %3 %4+%5 %6 [%7]"_s.arg(s.name, s.rank, s.section)
                            .arg(s.normal)
                            .arg(s.holiday)
                            .arg(s.duties)
                            .arg(dates.join(u", "_s)));
    }
    QCOMPARE(soldiers, (QStringList{u"Adams C 1st 3+1 2 [2027-03-01/2027-03-02, 2027-03-15/2027-03-16]"_s,
                                    u"Baker D 2nd 0+0 1 []"_s, u"Carl E 2nd 0+0 0 []"_s,
                                    u"Dixon F 1st 7+1 2 []"_s, u"Evans B 1st 5+1 2 []"_s}));
    QCOMPARE(model.widestDuty(DayClass::Normal), 1);
    QCOMPARE(model.widestDuty(DayClass::Holiday), 0); // all level: the first by name
    // Baker's counters in the file are 0, Evans has none yet: neither has
    // stood a duty, though the next run starts Evans at Kitchen's average.
    // Carl is qualified for nothing, so he is not missing from any duty.
    QCOMPARE(model.soldiersWithoutDuty(), (QStringList{u"Baker"_s, u"Evans"_s}));
}

void tst_FairnessModel::nextInLineIsWhomTheRunAssigns_data()
{
    QTest::addColumn<QStringList>("soldiers");
    QTest::addColumn<bool>("holiday");

    // Level counters: each soldier given a period falls behind the rest.
    QTest::newRow("level counters") << QStringList{u"Adams C 3 3"_s, u"Baker E 3 3"_s, u"Clark C 3 3"_s,
                                                   u"Dixon ? 3 3"_s, u"Evans W 3 3"_s, u"Foley E 3 3"_s,
                                                   u"Grant A 3 3"_s}
                                    << false;
    // Level once preparation has lifted the zero and the new row to 8.
    QTest::newRow("level after preparation")
        << QStringList{u"Adams C 8 1"_s, u"Baker E 8 1"_s,     u"Clark C 0 1"_s,
                       u"Dixon ? 8 1"_s, u"Evans W new new"_s, u"Foley E 8 1"_s}
        << false;
    // One apart, the higher ranks one above: those below rise to meet them
    // and stand behind them.
    QTest::newRow("one apart") << QStringList{u"Adams C 3 0"_s, u"Baker E 4 0"_s, u"Clark C 3 0"_s,
                                              u"Evans W 4 0"_s, u"Foley E 4 0"_s, u"Grant A 3 0"_s}
                               << false;
    QTest::newRow("holiday") << QStringList{u"Adams C 9 5"_s, u"Baker E 1 5"_s,  u"Clark C 4 5"_s,
                                            u"Dixon ? 0 5"_s, u"Evans W 20 5"_s, u"Foley E 2 5"_s}
                             << true;
}

// On a unit without absences or remembered dates, each of the next periods
// goes to the next soldier in line; five periods a week apart go to the five.
void tst_FairnessModel::nextInLineIsWhomTheRunAssigns()
{
    QFETCH(QStringList, soldiers);
    QFETCH(bool, holiday);
    RosterFixture f;
    f.duty(kGuard);
    addSoldiers(f, soldiers);
    f.consolidate = holiday ? 1 : 0;
    const QDate first = holiday ? kSaturday : kMonday;
    for (int week = 0; week < FairnessModel::kNextInLine; ++week)
        f.period(kGuard, first.addDays(7 * week), first.addDays(7 * week + 1));

    const FairnessModel model = FairnessModel::read(f.personnel, f.working);
    const auto &line =
        model.duties().front().figures(holiday ? DayClass::Holiday : DayClass::Normal).nextInLine;
    QStringList expected;
    for (int week = 0; week < line.size(); ++week)
        expected.append(u"%1 %2 %3"_s.arg(line[week].name, first.addDays(7 * week).toString(Qt::ISODate),
                                          first.addDays(7 * week + 1).toString(Qt::ISODate)));

    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    const QStringList assigned = f.takenRows();
    QCOMPARE(assigned.size(), qsizetype(FairnessModel::kNextInLine));
    QCOMPARE(assigned, expected);
}

QTEST_GUILESS_MAIN(tst_FairnessModel)
#include "tst_FairnessModel.moc"
