#include "TestUnit.h"

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_Find : public QObject
{
    Q_OBJECT

private slots:
    void findsExactly_data();
    void findsExactly();
    void findNextWalksDuplicatesInSetOrder();
    void findFollowsEdits();
    void noMatchLeavesCursor();
    void indexAgreesWithAScanAfterAnyEdits();
};

namespace {
const QStringList kNames = {
    u"O'Brien"_s, u"\"Doc\" Holliday"_s, u"Müller"_s,      u"Søndergaard"_s, u" Adams "_s, u"Adams"_s,
    u"adams"_s,   u"x' OR '1'='1"_s,     u"Back\\slash"_s, u"Tab\tName"_s,   u"李小龍"_s,
};
}

void tst_Find::findsExactly_data()
{
    QTest::addColumn<QString>("sought");
    QTest::addColumn<QString>("found"); // empty: no match
    for (const QString &name : kNames)
        QTest::newRow(qPrintable(u"exact "_s + name)) << name << name;
    QTest::newRow("case differs") << u"ADAMS"_s << QString();
    QTest::newRow("blanks differ") << u"Adams "_s << QString();
    QTest::newRow("part of a name") << u"Brien"_s << QString();
    QTest::newRow("like-pattern") << u"Adam%"_s << QString();
    QTest::newRow("empty") << u""_s << QString();
}

void tst_Find::findsExactly()
{
    QFETCH(QString, sought);
    QFETCH(QString, found);
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"SoldierRoster"_s);
    for (const QString &name : kNames)
        addRow(rs, {name, u"A"_s});
    rs.refresh();
    const bool hit = rs.findFirst(u"SoldierName"_s, sought);
    QCOMPARE(hit, !found.isEmpty());
    QCOMPARE(rs.noMatch(), found.isEmpty());
    if (hit) {
        QCOMPARE(rs.value(1).toString(), found);
        QVERIFY(!rs.findNext(u"SoldierName"_s, sought)); // each name once
    }
}

void tst_Find::findNextWalksDuplicatesInSetOrder()
{
    TestUnit unit;
    RecordSet writer(unit.working(), u"Memory"_s);
    for (const QString &duty : {u"Radio"_s, u"Guard"_s, u"Cook"_s})
        addRow(writer, {true, u"O'Brien"_s, u"A"_s, duty});
    addRow(writer, {true, u"Baker"_s, u"A"_s, u"Guard"_s});

    RecordSet rs(unit.working(), u"SELECT * FROM Memory ORDER BY DutyName Asc"_s);
    QStringList duties;
    for (bool hit = rs.findFirst(u"SoldierName"_s, u"O'Brien"_s); hit;
         hit = rs.findNext(u"SoldierName"_s, u"O'Brien"_s))
        duties.append(rs.text(4));
    QCOMPARE(duties, QStringList({u"Cook"_s, u"Guard"_s, u"Radio"_s}));
    QVERIFY(rs.noMatch());
}

void tst_Find::findFollowsEdits()
{
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"SoldierRoster"_s);
    for (const QString &name : {u"Adams"_s, u"Baker"_s, u"Clark"_s})
        addRow(rs, {name});
    rs.refresh();
    QVERIFY(rs.findFirst(u"SoldierName"_s, u"Baker"_s)); // builds the index

    rs.edit();
    rs.setValue(1, u"Becker"_s);
    rs.update();
    QVERIFY(!rs.findFirst(u"SoldierName"_s, u"Baker"_s));
    QVERIFY(rs.findFirst(u"SoldierName"_s, u"Becker"_s));

    addRow(rs, {u"Adams"_s});
    QVERIFY(rs.findFirst(u"SoldierName"_s, u"Adams"_s));
    const qint64 first = rs.key();
    QVERIFY(rs.findNext(u"SoldierName"_s, u"Adams"_s)); // the added row, at the end
    QVERIFY(rs.key() > first);

    rs.findFirst(u"SoldierName"_s, u"Adams"_s);
    rs.deleteCurrent();
    QVERIFY(rs.findFirst(u"SoldierName"_s, u"Adams"_s));
    QVERIFY(rs.key() > first);
    QVERIFY(!rs.findNext(u"SoldierName"_s, u"Adams"_s));
}

void tst_Find::noMatchLeavesCursor()
{
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"SoldierRoster"_s);
    for (const QString &name : {u"Adams"_s, u"Baker"_s})
        addRow(rs, {name});
    rs.refresh();
    rs.moveLast();
    QVERIFY(!rs.findFirst(u"SoldierName"_s, u"Nobody"_s));
    QVERIFY(rs.noMatch());
    QCOMPARE(rs.text(1), u"Baker"_s);
    QVERIFY(rs.findFirst(u"SoldierName"_s, u"Adams"_s));
    QVERIFY(!rs.noMatch());
}

// Random adds, renames, deletes and refreshes; after each, every find must
// land where a plain scan of the set would.
void tst_Find::indexAgreesWithAScanAfterAnyEdits()
{
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s);
    const QStringList names{u"Able"_s, u"able"_s, u"O'Neil"_s, u" Able"_s, u"Baker"_s};
    quint32 seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % quint32(n));
    };
    auto scan = [&](const QString &name, int after) {
        for (int slot = after + 1; slot < rs.rowSlots(); ++slot)
            if (!rs.isDeletedSlot(slot) && rs.valueAt(slot, 1).toString() == name &&
                !rs.valueAt(slot, 1).isNull())
                return slot;
        return -1;
    };
    Database db = rs.database();
    Transaction t(db); // one transaction keeps the many small writes quick
    for (int step = 0; step < 600; ++step) {
        const QString name = names[next(names.size())];
        switch (next(6)) {
        case 0:
        case 1:
            addRow(rs, {name});
            break;
        case 2:
            if (rs.findFirst(u"SoldierName"_s, name)) {
                rs.edit();
                rs.setValue(1, names[next(names.size())]);
                rs.update();
            }
            break;
        case 3:
            if (rs.findFirst(u"SoldierName"_s, name))
                rs.deleteCurrent();
            break;
        case 4:
            if (next(4) == 0)
                rs.refresh();
            break;
        default:
            break;
        }
        // Walk every name with find first / find next against the scan.
        for (const QString &sought : names) {
            int expected = scan(sought, -1);
            bool hit = rs.findFirst(u"SoldierName"_s, sought);
            while (true) {
                QCOMPARE(hit, expected >= 0);
                if (!hit)
                    break;
                QCOMPARE(rs.currentSlot(), expected);
                expected = scan(sought, expected);
                hit = rs.findNext(u"SoldierName"_s, sought);
            }
        }
    }
}

QTEST_GUILESS_MAIN(tst_Find)
#include "tst_Find.moc"
