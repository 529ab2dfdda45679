#include "WindowFixture.h"

#include "main/MonthView.h"

#include <QCheckBox>
#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

QByteArray randomBytes()
{
    QRandomGenerator random(4711);
    QByteArray bytes(8192, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

} // namespace

class tst_StartUp : public QObject
{
    Q_OBJECT

private slots:
    void oneBadTableEmptiesOnlyItsList_data();
    void oneBadTableEmptiesOnlyItsList();
    void damagedFileIsKeptAside_data();
    void damagedFileIsKeptAside();
    void withoutAUnit_data();
    void withoutAUnit();
};

void tst_StartUp::oneBadTableEmptiesOnlyItsList_data()
{
    QTest::addColumn<bool>("personnelFile");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("damage"); // "drop" or "relayout"
    QTest::addColumn<QString>("source");
    QTest::newRow("Holiday missing") << true << u"Holiday"_s << u"drop"_s << u"Data7"_s;
    QTest::newRow("AbsentDates missing") << true << u"AbsentDates"_s << u"drop"_s << u"Data4"_s;
    QTest::newRow("WorkSchedule of another layout")
        << true << u"WorkSchedule"_s << u"relayout"_s << u"Data3"_s;
    QTest::newRow("Dates missing") << false << u"Dates"_s << u"drop"_s << u"DutyList"_s;
    QTest::newRow("Qualifications missing") << true << u"Qualifications"_s << u"drop"_s << u"Data5"_s;
}

void tst_StartUp::oneBadTableEmptiesOnlyItsList()
{
    QFETCH(bool, personnelFile);
    QFETCH(QString, table);
    QFETCH(QString, damage);
    QFETCH(QString, source);

    Window w;
    addRows(w.unit.personnel(), u"WorkSchedule"_s, {{u"Kitchen"_s, QDate(2027, 4, 1), QDate(2027, 4, 2)}});
    addRows(w.unit.personnel(), u"AbsentDates"_s,
            {{u"Adams"_s, QDate(2027, 4, 1), QDate(2027, 4, 2), u"leave"_s}});
    {
        const Database db = personnelFile ? w.unit.personnel() : w.unit.working();
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(u"DROP TABLE "_s + table));
        if (damage == u"relayout")
            QVERIFY(q.exec(u"CREATE TABLE %1 (Something TEXT)"_s.arg(table)));
    }

    w.open();
    for (const QString &name : kSources)
        QVERIFY2(w.find<DataControl>(name)->isBound() == (name != source), qPrintable(name));
    const QList<std::pair<int, QString>> lists{
        {1, u"Data1"_s}, {2, u"Data3"_s}, {3, u"Data2"_s}, {4, u"Data4"_s}};
    for (const auto &[grid, shown] : lists)
        QVERIFY2((w.grid(grid)->model()->rowCount() == 0) == (shown == source), qPrintable(shown));
    // Titles that cannot be read count as untitled.
    QCOMPARE(w.find<QCheckBox>(u"PQ_0"_s)->isHidden(), source == u"Data5");

    // One message at start, naming the table and what is wrong with it.
    QCOMPARE(w.dialogs.shown.size(), 1);
    const QString text = w.dialogs.shown.first().text;
    QVERIFY2(text.contains(table), qPrintable(text));
    QVERIFY2(text.contains(damage == u"drop" ? u"missing"_s : u"layout"_s), qPrintable(text));
    QVERIFY2(text.contains(personnelFile ? u"Datafile32.mdb"_s : u"Memory.mdb"_s), qPrintable(text));
}

void tst_StartUp::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("keptAs"); // empty: nothing kept aside
    QTest::newRow("random bytes, keep aside")
        << u"Datafile32.mdb"_s << randomBytes() << 0 << u"Datafile32.mdb.damaged-2027-03-10"_s;
    QTest::newRow("empty working database, keep aside")
        << u"Memory.mdb"_s << QByteArray() << 0 << u"Memory.mdb.damaged-2027-03-10"_s;
    QTest::newRow("earlier one kept the same day")
        << u"Memory.mdb"_s << QByteArray() << 0 << u"Memory.mdb.damaged-2027-03-10-2"_s;
    QTest::newRow("cancelled") << u"Datafile32.mdb"_s << randomBytes() << -1 << QString();
    // A sound database of another kind is put aside only when the user says so.
    const TestUnit other;
    const QByteArray working = readFile(other.folder.workingPath());
    QTest::newRow("working database in its place, cancelled")
        << u"Datafile32.mdb"_s << working << -1 << QString();
    QTest::newRow("working database in its place, keep aside")
        << u"Datafile32.mdb"_s << working << 0 << u"Datafile32.mdb.damaged-2027-03-10"_s;
}

void tst_StartUp::damagedFileIsKeptAside()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, choice);
    QFETCH(QString, keptAs);

    Window w(false);
    const QString path = w.unit.path(file);
    writeFile(path, content);
    const QByteArray earlier("kept at a start earlier today");
    if (keptAs.endsWith(u"-2"))
        writeFile(path + u".damaged-2027-03-10"_s, earlier);
    w.dialogs.choices = {choice};
    w.open();

    QCOMPARE(w.dialogs.shown.size(), 1);
    const QString offer = w.dialogs.shown.value(0).text;
    QVERIFY2(offer.contains(file), qPrintable(offer));
    QCOMPARE(offer.contains(u"not a database file"_s),
             !content.isEmpty() && !content.startsWith("SQLite format 3"));
    if (!keptAs.isEmpty())
        QVERIFY2(offer.contains(keptAs), qPrintable(offer));
    if (keptAs.isEmpty()) {
        // The stranger file stays where it is; the other file is used.
        QCOMPARE(readFile(path), content);
        QVERIFY(!w.find<DataControl>(file == u"Memory.mdb" ? u"DutyList"_s : u"Data1"_s)->isBound());
        QVERIFY(w.find<DataControl>(file == u"Memory.mdb" ? u"Data1"_s : u"DutyList"_s)->isBound());
        QCOMPARE(w.main->windowTitle(), u"Calendrix - "_s + QDir::toNativeSeparators(w.unit.folder.dir()));
        return;
    }
    // The damaged file is kept, byte for byte, and an empty one works in its place.
    QCOMPARE(readFile(w.unit.path(keptAs)), content);
    if (keptAs.endsWith(u"-2"))
        QCOMPARE(readFile(path + u".damaged-2027-03-10"_s), earlier);
    for (const QString &name : kSources)
        QVERIFY2(w.find<DataControl>(name)->isBound(), qPrintable(name));
}

void tst_StartUp::withoutAUnit_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("not made") << -1;
    QTest::newRow("made") << 0;
}

void tst_StartUp::withoutAUnit()
{
    QFETCH(int, choice);
    Window w(false);
    QVERIFY(QFile::remove(w.unit.folder.personnelPath()));
    QVERIFY(QFile::remove(w.unit.folder.workingPath()));
    w.dialogs.choices = {choice};
    w.open();
    QCOMPARE(w.dialogs.shown.size(), 1); // one message, naming the files
    QVERIFY(w.dialogs.shown.first().text.contains(u"Datafile32.mdb"_s));
    QVERIFY(w.dialogs.shown.first().text.contains(u"Memory.mdb"_s));
    QCOMPARE(w.find<DataControl>(u"Data1"_s)->isBound(), choice == 0);
    QCOMPARE(QFile::exists(w.unit.folder.personnelPath()), choice == 0);
    QVERIFY(w.main->isVisible());
    if (choice != 0)
        QCOMPARE(w.main->windowTitle(), u"Calendrix"_s);
    // Without a unit the buttons say what is wrong; Delete says nothing.
    w.click(u"Command8"_s);
    QCOMPARE(w.dialogs.shown.size(), 1);
    w.click(u"Command7"_s);
    QCOMPARE(w.dialogs.shown.size(), choice == 0 ? 1 : 2);
    if (choice == 0)
        return;
    for (int n : {1, 2, 3, 4, 6, 9, 10, 12})
        w.click(u"Command%1"_s.arg(n));
    for (const QString &calendar : {u"MonthView1"_s, u"MonthView2"_s})
        emit w.find<MonthView>(calendar)->DateClick(kToday, kToday.addDays(2));
    const QRegularExpression control(u"Data\\d|TDBGrid|Command|DutyList|Memory1|MyHeader|MyStoreage"_s);
    for (qsizetype i = 0; i < w.dialogs.shown.size(); ++i) {
        const QString &text = w.dialogs.shown[i].text;
        QVERIFY2(!text.contains(control), qPrintable(text));
        // After the start-up offer, each says what was tried and that no unit is open.
        if (i > 0)
            QVERIFY2(text.contains(u"There is no unit open"_s) && text.startsWith(u"Cannot "_s),
                     qPrintable(text));
    }
}

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
