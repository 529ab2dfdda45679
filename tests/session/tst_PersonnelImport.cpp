#include "TestUnit.h"

#include "session/PersonnelImport.h"
#include "session/UnitSession.h"
#include "store/Fields.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"

#include <QTest>

using namespace calendrix;
using namespace calendrix::test;
using namespace Qt::Literals::StringLiterals;

using Kind = PersonnelImport::Kind;
using Action = PersonnelImport::Row::Action;

Q_DECLARE_METATYPE(calendrix::PersonnelImport::Kind)

class tst_PersonnelImport : public QObject
{
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void sharedTitles_data();
    void sharedTitles();
    void applyAddsAndUpdates();
    void importIsKeptAndUndone();

private:
    // A unit with Adams (SPC, HQ, a driver), the duty Gate Guard, Adams
    // absent 1-5 March 2027 and New Year's Day.
    void fill(const TestUnit &unit);
};

namespace {

// The day the tests import on: the rows of 2027 lie ahead, those of 2026 are over.
const QDate kToday(2027, 1, 1);

// Lines of cells parted by '|', the first the header, as a file's reader gives them.
SheetTable tableOf(const QString &text)
{
    SheetTable table;
    int line = 0;
    for (const QString &l : text.split(u'\n')) {
        SheetTable::Row row{++line, {}};
        for (const QString &text : l.split(u'|')) {
            SheetCell cell;
            cell.kind = text.isEmpty() ? SheetCell::Kind::Empty : SheetCell::Kind::Text;
            cell.text = text;
            row.cells.append(cell);
        }
        table.rows.append(row);
    }
    return table;
}

QString said(int line, Action action, std::optional<NoticeCode> code = std::nullopt)
{
    static const char *const names[] = {"refuse", "add", "update", "unchanged", "overlap"};
    return u"%1 %2%3"_s.arg(line).arg(QLatin1String(names[int(action)]),
                                      code ? u" "_s + QString::number(int(*code)) : QString());
}

} // namespace

void tst_PersonnelImport::fill(const TestUnit &unit)
{
    const Database db = unit.personnel();
    addRows(db, RecordSources::kSoldierRoster, {{u"Adams"_s, u"D"_s, u"HQ"_s, true}});
    addRows(db, RecordSources::kSections, {{u"HQ"_s}});
    addRows(db, RecordSources::kDutyDates, {{u"Gate Guard"_s, u"HQ"_s}});
    addRows(db, RecordSources::kAbsentDates,
            {{u"Adams"_s, QDate(2027, 3, 1), QDate(2027, 3, 5), u"leave"_s}});
    addRows(db, RecordSources::kHoliday, {{u"New Year"_s, QDate(2027, 1, 1), QDate(2027, 1, 1)}});
    QCOMPARE(sqliteShell(unit.folder.personnelPath(),
                         u"INSERT INTO Qualifications (Q1) SELECT 'x' WHERE NOT EXISTS (SELECT 1 FROM "
                         "Qualifications); UPDATE Qualifications SET Q1 = 'Driver'"_s,
                         true),
             QString());
}

void tst_PersonnelImport::plan_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("update");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected"); // refused rows first

    const QString longName(PersonnelImport::kLongestName + 1, u'x');
    QTest::newRow("soldiers: added, by any header spelling")
        << Kind::Soldiers << false
        << u"Soldier Name|RANK|platoon|driver|q2\nBaker|PV2|1st|x|no\nClark|G||yes|"_s
        << QStringList{said(2, Action::Add), said(3, Action::Add)};
    QTest::newRow("soldiers: every refusal")
        << Kind::Soldiers << false
        << (u"Name|Rank|Driver\n|E|x\n"_s + longName +
            u"|E|x\nBaker|E|x\nBaker|E|x\nClark|General|x\nDixon|E|maybe\nAdams|E|x"_s)
        << QStringList{said(2, Action::Refuse, NoticeCode::ImportEmptyName),
                       said(3, Action::Refuse, NoticeCode::ImportNameTooLong),
                       said(5, Action::Refuse, NoticeCode::ImportNameTwice),
                       said(6, Action::Refuse, NoticeCode::ImportUnknownRank),
                       said(7, Action::Refuse, NoticeCode::ImportNotYesNo),
                       said(8, Action::Refuse, NoticeCode::ImportSoldierExists),
                       said(4, Action::Add)};
    QTest::newRow("soldiers: a column nobody knows, none for the name")
        << Kind::Soldiers << false << u"Rank|Shoe size\nE|44"_s
        << QStringList{said(1, Action::Refuse, NoticeCode::ImportUnknownColumn),
                       said(1, Action::Refuse, NoticeCode::ImportMissingColumn)};
    QTest::newRow("soldiers: updated only when asked")
        << Kind::Soldiers << true << u"Name|Rank|Section|Driver\nAdams|SPC|HQ|x\nAdams |CPL|HQ|x"_s
        << QStringList{said(3, Action::Refuse, NoticeCode::ImportNameTwice), said(2, Action::Unchanged)};
    QTest::newRow("soldiers: a new rank is an update")
        << Kind::Soldiers << true << u"Name|Rank\nAdams|CPL"_s << QStringList{said(2, Action::Update)};
    QTest::newRow("absences") << Kind::Absences << false
                              << u"Soldier|From|To|Reason\nAdams|2027-03-04|2027-03-08|course\nAdams|2027-04-"
                                 u"01||\nNobody|2027-04-01|"
                                 "2027-04-02|\nAdams|soon|2027-04-02|\nAdams|2027-04-09|2027-04-02|"_s
                              << QStringList{said(4, Action::Refuse, NoticeCode::ImportUnknownSoldier),
                                             said(5, Action::Refuse, NoticeCode::ImportNotADate),
                                             said(6, Action::Refuse, NoticeCode::ImportToBeforeFrom),
                                             said(2, Action::LeftOut, NoticeCode::ImportOverlapsAbsence),
                                             said(3, Action::Add)};
    // The titles the window shows for these columns are read as well.
    QTest::newRow("absences: the window's titles")
        << Kind::Absences << false << u"ID|Name|From|To|Remark\n7|Adams|2027-04-01|2027-04-02|course"_s
        << QStringList{said(1, Action::Refuse, NoticeCode::ImportUnknownAbsenceColumn), said(2, Action::Add)};
    QTest::newRow("holidays: the window's titles")
        << Kind::Holidays << false << u"Title|From|To|Note\nMay Day|2027-05-01|"_s
        << QStringList{said(1, Action::Refuse, NoticeCode::ImportUnknownHolidayColumn), said(2, Action::Add)};
    QTest::newRow("schedule: a column nobody knows")
        << Kind::Schedule << false << u"Duty|From|To|Who\nGate Guard|2027-05-03|2027-05-09|Adams"_s
        << QStringList{said(1, Action::Refuse, NoticeCode::ImportUnknownScheduleColumn),
                       said(2, Action::Add)};
    QTest::newRow("holidays, one overlapping another in the file")
        << Kind::Holidays << false
        << u"Summary|From|To\nNew Year|2027-01-01|2027-01-01\nEaster|2027-03-26|2027-03-29\nEaster "
           "Monday|2027-03-29|"_s
        << QStringList{said(2, Action::LeftOut, NoticeCode::ImportOverlapsHoliday), said(3, Action::Add),
                       said(4, Action::LeftOut, NoticeCode::ImportOverlapsHoliday)};
    QTest::newRow("schedule")
        << Kind::Schedule << false
        << u"Duty|From|To\nGate Guard|2027-05-03|2027-05-09\nKitchen|2027-05-03|2027-05-09\nGate "
           "Guard|2026-12-01|2026-12-31"_s
        << QStringList{said(3, Action::Refuse, NoticeCode::ImportUnknownDuty), said(2, Action::Add),
                       said(4, Action::LeftOut, NoticeCode::ImportEndedBeforeToday)};
}

void tst_PersonnelImport::plan()
{
    QFETCH(Kind, kind);
    QFETCH(bool, update);
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    TestUnit unit;
    fill(unit);
    const PersonnelImport::Plan plan =
        PersonnelImport::plan(unit.personnel(), kind, tableOf(file), update, kToday);
    QStringList actual;
    for (const PersonnelImport::Row &row : plan.rows)
        actual.append(said(row.line, row.action, row.why ? std::optional(row.why->code) : std::nullopt));
    QCOMPARE(actual, expected);
}

void tst_PersonnelImport::sharedTitles_data()
{
    QTest::addColumn<QString>("titles");       // Q1 to Q3 in Setup, parted by '|'
    QTest::addColumn<QString>("file");         // a file of soldiers
    QTest::addColumn<QStringList>("expected"); // its plan
    QTest::addColumn<QString>("headers");      // export-personnel's Q1 to Q3 columns
    QTest::addColumn<QString>("example");      // the number the refusal offers instead

    const QStringList addBaker{said(2, Action::Add)};
    // The column is refused, and with it the file; its rows are planned all the same.
    const QStringList shared{said(1, Action::Refuse, NoticeCode::ImportTitleShared), said(2, Action::Add)};
    QTest::newRow("titles of their own") << u"Driver|Medic|"_s << u"Name|driver|Q3\nBaker|x|x"_s << addBaker
                                         << u"Driver|Medic|Q3"_s << QString();
    // One column of Driver set Q2 alone, whatever the clerk meant; the export
    // wrote two columns of that title, both read back as Q2.
    QTest::newRow("one title for two")
        << u"Driver|Medic|DRIVER"_s << u"Name|Driver\nBaker|x"_s << shared << u"Q1|Medic|Q3"_s << u"Q1"_s;
    QTest::newRow("the same title, by number")
        << u"Driver|Medic|DRIVER"_s << u"Name|Q1|q3\nBaker|x|"_s << addBaker << u"Q1|Medic|Q3"_s << QString();
    QTest::newRow("a title that is another's number")
        << u"Driver|Q1|"_s << u"Name|Q1\nBaker|x"_s << shared << u"Driver|Q2|Q3"_s << u"Q2"_s;
    QTest::newRow("a title that is a field's")
        << u"Rank|Medic|"_s << u"Name|Rank|Q1\nBaker|E|x"_s << addBaker << u"Q1|Medic|Q3"_s << QString();
}

// A column is read as one qualification or refused, and what export-personnel
// writes is read back as it was written.
void tst_PersonnelImport::sharedTitles()
{
    QFETCH(QString, titles);
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QString, headers);
    QFETCH(QString, example);
    TestUnit unit;
    const QStringList t = titles.split(u'|');
    QCOMPARE(sqliteShell(unit.folder.personnelPath(),
                         u"DELETE FROM Qualifications; INSERT INTO Qualifications (Q1, Q2, Q3) "
                         "VALUES ('%1', '%2', '%3')"_s.arg(t[0], t[1], t[2]),
                         true),
             QString());
    const PersonnelImport::Plan plan =
        PersonnelImport::plan(unit.personnel(), Kind::Soldiers, tableOf(file), false, kToday);
    QStringList actual;
    for (const PersonnelImport::Row &row : plan.rows)
        actual.append(said(row.line, row.action, row.why ? std::optional(row.why->code) : std::nullopt));
    QCOMPARE(actual, expected);
    if (!example.isEmpty())
        QCOMPARE(plan.rows.first().why->values.value(2), example);

    const QList<QStringList> rows = PersonnelImport::soldierRows(unit.personnel());
    QCOMPARE(rows.first().mid(3, 3).join(u'|'), headers);
    // Baker with every qualification, written out and read back.
    const SheetTable exported = tableOf(rows.first().join(u'|') + u"\nBaker|E||x|x|x"_s);
    const PersonnelImport::Plan back =
        PersonnelImport::plan(unit.personnel(), Kind::Soldiers, exported, false, kToday);
    QVERIFY(back.canImport());
    PersonnelImport::apply(unit.personnel(), back);
    QCOMPARE(sqliteShell(unit.folder.personnelPath(),
                         u"SELECT Q1, Q2, Q3 FROM SoldierRoster WHERE SoldierName = 'Baker'"_s),
             u"1|1|1"_s);
}

// What a plan says is what the database then holds: a soldier added with the
// qualification of his column, a new section in Setup's list, a rank updated.
void tst_PersonnelImport::applyAddsAndUpdates()
{
    TestUnit unit;
    fill(unit);
    const PersonnelImport::Plan plan = PersonnelImport::plan(
        unit.personnel(), Kind::Soldiers,
        tableOf(u"Name|Rank|Section|Driver\nAdams|CPL|HQ|x\nBaker|PV2|Band|"_s), true, kToday);
    QVERIFY(plan.canImport());
    QCOMPARE(plan.newSections, QStringList{u"Band"_s});
    PersonnelImport::apply(unit.personnel(), plan);
    QCOMPARE(sqliteShell(unit.folder.personnelPath(),
                         u"SELECT SoldierName, SoldierRank, Section, Q1 FROM SoldierRoster ORDER BY ID; "
                         "SELECT Section FROM Sections ORDER BY ID"_s),
             u"Adams|E|HQ|1\nBaker|B|Band|0\nHQ\nBand"_s);
}

// An import is the unit's last change: listed, taken back to the byte of
// every row, refused when the personnel data changed since unless forced,
// and a dry run or a refused row changes nothing.
void tst_PersonnelImport::importIsKeptAndUndone()
{
    TestUnit unit;
    fill(unit);
    UnitSession session(unit.folder);
    QVERIFY(session.lock());
    const QString personnel = unit.folder.personnelPath();
    const QString before = sqliteShell(personnel, u".dump"_s);
    const SheetTable soldiers = tableOf(u"Name|Rank|Section\nAdams|CPL|HQ\nBaker|PV2|Band"_s);
    QVERIFY(!session.importTable(soldiers, u"a.csv"_s, Kind::Soldiers, true, true, kToday).imported);
    QVERIFY(!session.importTable(soldiers, u"a.csv"_s, Kind::Soldiers, false, false, kToday)
                 .imported); // Adams exists
    QCOMPARE(sqliteShell(personnel, u".dump"_s), before);

    const UnitSession::Imported imported =
        session.importTable(soldiers, u"a.csv"_s, Kind::Soldiers, true, false, kToday);
    QVERIFY2(imported.imported && !imported.error, imported.error ? imported.error->what() : "");
    const QList<RunHistory::Entry> kept = session.history().listing.entries;
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept.first().kind, u"soldiers"_s);
    QCOMPARE(QPair(kept.first().added, kept.first().updated), QPair(1, 1));
    const auto yes = [](const UnitSession::LastRun &) { return true; };
    QCOMPARE(session.undoLastRun(UnitSession::Force::No, yes).outcome, UnitSession::Undone::Outcome::Undone);
    QCOMPARE(sqliteShell(personnel, u".dump"_s), before);

    QVERIFY(session
                .importTable(tableOf(u"Holiday|From\nMay Day|2027-05-01"_s), u"h.csv"_s, Kind::Holidays,
                             false, false, kToday)
                .imported);
    QCOMPARE(sqliteShell(personnel, u"UPDATE Holiday SET Name = 'Labour Day' WHERE Name = 'May Day'"_s, true),
             QString());
    QCOMPARE(session.undoLastRun(UnitSession::Force::No, yes).outcome,
             UnitSession::Undone::Outcome::ChangedSince);
    QCOMPARE(session.undoLastRun(UnitSession::Force::Always, yes).outcome,
             UnitSession::Undone::Outcome::Undone);
    QCOMPARE(sqliteShell(personnel, u".dump"_s), before);
}

QTEST_GUILESS_MAIN(tst_PersonnelImport)
#include "tst_PersonnelImport.moc"
