#include "DatafileBuilder.h"
#include "TestUnit.h"
#include "report/ReportError.h"
#include "report/RosterData.h"

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_RosterData : public QObject
{
    Q_OBJECT

private slots:
    void columnEnds_data();
    void columnEnds();
    void differingCells_data();
    void differingCells();
};

namespace {
const QDate kMonday(2027, 3, 1);
} // namespace

void tst_RosterData::columnEnds_data()
{
    QTest::addColumn<bool>("withPeriods");    // false: made before the periods table existed
    QTest::addColumn<QStringList>("periods"); // "duty|column|to" rows written into periods
    QTest::addColumn<QStringList>("ends");    // "duty:end,end" as read, "-" for an invalid end
    QTest::newRow("old datafile") << false << QStringList{} << QStringList{u"Armory:-,-,-"_s, u"Band:-"_s};
    QTest::newRow("day, week, across the month")
        << true
        << QStringList{u"Armory|1|2027-03-01"_s, u"Armory|2|2027-03-08"_s, u"Armory|3|2027-04-02"_s,
                       u"Band|1|2027-03-01"_s}
        << QStringList{u"Armory:2027-03-01,2027-03-08,2027-04-02"_s, u"Band:2027-03-01"_s};
    // Rows in another order, of no duty or past a duty's columns change nothing else.
    QTest::newRow("stray rows") << true
                                << QStringList{u"Band|1|2027-03-05"_s, u"Nobody|1|2027-03-09"_s,
                                               u"Band|2|2027-03-09"_s, u"Armory|2|2027-03-08"_s}
                                << QStringList{u"Armory:-,2027-03-08,-"_s, u"Band:2027-03-05"_s};
}

void tst_RosterData::columnEnds()
{
    QFETCH(bool, withPeriods);
    QFETCH(QStringList, periods);
    QFETCH(QStringList, ends);
    TestUnit unit;
    const QString path = unit.path(u"March.cxr"_s);
    const QList<QDate> armory{kMonday, kMonday.addDays(1), QDate(2027, 3, 29)};
    writeDatafile(
        path, {{u"Armory"_s, u"HQ"_s, armory, {}, {{u"E"_s, u"Able"_s, u""_s, {u"/."_s, u"1"_s, u"/."_s}}}},
               {u"Band"_s, u"Music"_s, {kMonday}, {0}, {{u"D"_s, u"Baker"_s, u""_s, {u"/."_s}}}}});
    if (!withPeriods)
        dropTable(path, FileKind::Roster, u"periods"_s);
    if (withPeriods) {
        const Database db = Database::open(path, FileKind::Roster);
        RecordSet rs(db, u"periods"_s);
        for (const QString &row : periods) {
            const QStringList v = row.split(u'|');
            addRow(rs, {v[0], v[1].toInt(), QDate::fromString(v[2], Qt::ISODate),
                        QDate::fromString(v[2], Qt::ISODate)});
        }
    }

    const RosterData data = RosterData::read(path);
    QStringList got;
    for (const RosterDuty &duty : data.duties) {
        QStringList days;
        for (const RosterColumn &column : duty.columns)
            days.append(column.end.isValid() ? column.end.toString(Qt::ISODate) : u"-"_s);
        got.append(duty.name + u':' + days.join(u','));
    }
    QCOMPARE(got, ends);
    // The starts, holidays and cells are read as before.
    QCOMPARE(data.duties.at(0).columns.at(2).start, QDate(2027, 3, 29));
    QCOMPARE(data.duties.at(1).columns.at(0).holiday, true);
    QCOMPARE(data.duties.at(0).soldiers.at(0).cells, (QStringList{u"/."_s, u"1"_s, u"/."_s}));
}

namespace {

// Gate Guard over three weeks, two soldiers; Kitchen over one week, one soldier.
QList<DutySpec> drafted()
{
    return {{u"Gate Guard"_s,
             u"HQ"_s,
             {kMonday, kMonday.addDays(7), kMonday.addDays(14)},
             {},
             {{u"F"_s, u"Baker"_s, u"HQ"_s, {u"/."_s, u"1"_s, u"/."_s}},
              {u"E"_s, u"Adams"_s, u"HQ"_s, {u"1"_s, u"/."_s, u"1"_s}}}},
            {u"Kitchen"_s, u"HQ"_s, {kMonday}, {}, {{u"E"_s, u"Adams"_s, u"HQ"_s, {u"/."_s}}}}};
}

} // namespace

void tst_RosterData::differingCells_data()
{
    QTest::addColumn<QList<DutySpec>>("counted");
    QTest::addColumn<int>("differing");

    QTest::newRow("the same") << drafted() << 0;
    QList<DutySpec> swapped = drafted();
    std::swap(swapped[0].rows[0].cells[1], swapped[0].rows[1].cells[1]);
    QTest::newRow("one period to another soldier") << swapped << 2;
    QList<DutySpec> noAdams = drafted();
    noAdams[0].rows.removeLast();
    QTest::newRow("a soldier less") << noAdams << 3;
    QList<DutySpec> noKitchen = drafted();
    noKitchen.removeLast();
    QTest::newRow("a duty less") << noKitchen << 1;
    QList<DutySpec> moved = drafted();
    moved[1].starts = {kMonday.addDays(1)};
    QTest::newRow("a period moved") << moved << 1;
    QList<DutySpec> longer = drafted();
    longer[1].starts.append(kMonday.addDays(7));
    longer[1].rows[0].cells.append(u"/."_s);
    QTest::newRow("a period more") << longer << 2;
}

// "Make It Count" tells the clerk how far the counted roster strays from the draft.
void tst_RosterData::differingCells()
{
    QFETCH(QList<DutySpec>, counted);
    QFETCH(int, differing);
    TestUnit unit;
    writeDatafile(unit.path(u"draft.cxr"_s), drafted());
    writeDatafile(unit.path(u"counted.cxr"_s), counted);
    const RosterData draft = RosterData::read(unit.path(u"draft.cxr"_s));
    const RosterData real = RosterData::read(unit.path(u"counted.cxr"_s));
    QCOMPARE(real.differingCells(draft), differing);
    QCOMPARE(draft.differingCells(real), differing);
}

QTEST_GUILESS_MAIN(tst_RosterData)
#include "tst_RosterData.moc"
