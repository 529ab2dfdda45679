#include "TestUnit.h"
#include "main/ActivationHousekeeping.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

// The housekeeping on the record sets alone, with no window.
class tst_Housekeeping : public QObject
{
    Q_OBJECT

private slots:
    void pastPeriodsGo_data();
    void pastPeriodsGo();
    void titles_data();
    void titles();
    void aTitleGivenLaterStaysHidden();
};

void tst_Housekeeping::pastPeriodsGo_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("working");
    QTest::addColumn<int>("toField");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("absences") << RecordSources::kAbsentDates << false << int(Fields::AbsentDates::To)
                              << false;
    QTest::newRow("work schedule") << RecordSources::kWorkSchedule << false << int(Fields::WorkSchedule::To)
                                   << false;
    QTest::newRow("assignment dates") << RecordSources::kDates << true << int(Fields::Dates::To) << false;
    QTest::newRow("holidays") << RecordSources::kHoliday << false << int(Fields::Holiday::To) << false;
    QTest::newRow("file that cannot be written")
        << RecordSources::kAbsentDates << false << int(Fields::AbsentDates::To) << true;
}

void tst_Housekeeping::pastPeriodsGo()
{
    QFETCH(QString, table);
    QFETCH(bool, working);
    QFETCH(int, toField);
    QFETCH(bool, readOnly);
    TestUnit unit;
    const QString path = working ? unit.folder.workingPath() : unit.folder.personnelPath();
    const FileKind kind = working ? FileKind::Working : FileKind::Personnel;
    {
        RecordSet rs(Database::open(path, kind), table);
        // Name, From, To: ends yesterday, ends today, no end, began long ago, ended long ago.
        addRow(rs, {u"yesterday"_s, QDate(2027, 3, 1), QDate(2027, 3, 9)});
        addRow(rs, {u"today"_s, QDate(2027, 3, 1), QDate(2027, 3, 10)});
        addRow(rs, {u"open"_s, QDate(2027, 3, 1)});
        addRow(rs, {u"long"_s, QDate(2020, 1, 1), QDate(2027, 4, 1)});
        addRow(rs, {u"past"_s, QDate(2020, 1, 1), QDate(2020, 1, 2)});
    }
    const QStringList all{u"yesterday"_s, u"today"_s, u"open"_s, u"long"_s, u"past"_s};
    const auto stored = [&] {
        RecordSet rs(Database::open(path, kind), table);
        return column(rs, 1);
    };

    RecordSet periods(readOnly ? Database::openReadOnly(path, kind) : Database::open(path, kind), table);
    const int deleted = ActivationHousekeeping::deletePastPeriods(periods, toField, QDate(2027, 3, 10));
    if (readOnly) {
        // Nothing can go, and saying so is not the housekeeping's business.
        QCOMPARE(deleted, 0);
        QCOMPARE(stored(), all);
        return;
    }
    QCOMPARE(deleted, 2);
    QCOMPARE(stored(), (QStringList{u"today"_s, u"open"_s, u"long"_s}));
    QVERIFY(periods.eof());

    // The next activation works on the same record set, left past its end.
    QCOMPARE(ActivationHousekeeping::deletePastPeriods(periods, toField, QDate(2027, 3, 11)), 1);
    QCOMPARE(stored(), (QStringList{u"open"_s, u"long"_s}));
    QCOMPARE(ActivationHousekeeping::deletePastPeriods(periods, toField, QDate(2027, 3, 11)), 0);
}

void tst_Housekeeping::titles_data()
{
    QTest::addColumn<QVariantList>("stored"); // empty: no Qualifications row
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QStringList>("shown"); // per qualification, "-" for hidden
    QStringList allHidden(Fields::kQualificationCount, u"-"_s);
    QStringList some = allHidden;
    some[0] = u"Weapons"_s;
    some[3] = u"Driver"_s;
    some[14] = u"Medic"_s;
    QVariantList titles(Fields::kQualificationCount);
    titles[0] = u"Weapons"_s;
    titles[2] = u""_s;
    titles[3] = u"Driver"_s;
    titles[14] = u"Medic"_s;
    QTest::newRow("titled, Null and empty") << titles << true << some;
    QTest::newRow("no titles row") << QVariantList{} << true << allHidden;
    QTest::newRow("table cannot be read") << titles << false << allHidden;
}

void tst_Housekeeping::titles()
{
    QFETCH(QVariantList, stored);
    QFETCH(bool, readable);
    QFETCH(QStringList, shown);
    TestUnit unit;
    RecordSet qualifications(unit.personnel(), RecordSources::kQualifications);
    for (qualifications.moveFirst(); !qualifications.eof(); qualifications.moveNext())
        qualifications.deleteCurrent();
    if (!stored.isEmpty())
        addRow(qualifications, stored);

    ActivationHousekeeping housekeeping;
    housekeeping.readTitles(readable ? &qualifications : nullptr);
    QStringList got;
    for (int k = 1; k <= Fields::kQualificationCount; ++k)
        got.append(housekeeping.isHidden(k) ? u"-"_s : housekeeping.title(k));
    QCOMPARE(got, shown);
}

void tst_Housekeeping::aTitleGivenLaterStaysHidden()
{
    TestUnit unit;
    RecordSet qualifications(unit.personnel(), RecordSources::kQualifications);
    for (qualifications.moveFirst(); !qualifications.eof(); qualifications.moveNext())
        qualifications.deleteCurrent();
    addRow(qualifications, {u"Weapons"_s});
    ActivationHousekeeping housekeeping;
    housekeeping.readTitles(&qualifications);
    QVERIFY(!housekeeping.isHidden(1));
    QVERIFY(housekeeping.isHidden(2));

    qualifications.moveFirst();
    qualifications.edit();
    qualifications.setValue(Fields::Qualifications::qualification(2), u"Medic"_s);
    qualifications.update();
    housekeeping.readTitles(&qualifications);
    // The new title is known, but its boxes come back only at the next start.
    QCOMPARE(housekeeping.title(2), u"Medic"_s);
    QVERIFY(housekeeping.isHidden(2));
}

QTEST_GUILESS_MAIN(tst_Housekeeping)
#include "tst_Housekeeping.moc"
