#include "TestUnit.h"
#include "store/FieldValues.h"
#include "store/Fields.h"
#include "store/Layouts.h"
#include "store/RangeRows.h"
#include "store/TableAppender.h"
#include "store/TableReader.h"

#include <QDate>
#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_RecordSet : public QObject
{
    Q_OBJECT

private slots:
    void emptySetHasNoCurrentRecord();
    void addedRowStaysAtEndUntilReadAgain();
    void deleteThenMoveNext();
    void cloneHasItsOwnCursor();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void badValuesAreRefused_data();
    void badValuesAreRefused();
    void editingRules();
    void newRowDefaultsAndDurableEdits();
    void recordSourcesOutsideTheFormAreRefused_data();
    void recordSourcesOutsideTheFormAreRefused();
    void valuesReadAsTheDriverReadsThem_data();
    void valuesReadAsTheDriverReadsThem();
    void appendedRowsTakeDefaultsOfFieldsNotSet_data();
    void appendedRowsTakeDefaultsOfFieldsNotSet();
    void appendedRowsHoldWhatWasSetForThem_data();
    void appendedRowsHoldWhatWasSetForThem();
    void appendedRowsTakeTheKeysSqliteWouldGive_data();
    void appendedRowsTakeTheKeysSqliteWouldGive();
    void appendedRowsThatCannotBeWrittenAreNotWrittenAtAll_data();
    void appendedRowsThatCannotBeWrittenAreNotWrittenAtAll();
    void isoDateIsQtsIsoText_data();
    void isoDateIsQtsIsoText();
    void rangeRowsAreEveryRowJudged_data();
    void rangeRowsAreEveryRowJudged();
};

void tst_RecordSet::emptySetHasNoCurrentRecord()
{
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s);
    QVERIFY(rs.eof());
    QCOMPARE(rowCount(rs), 0);
    rs.moveFirst(); // allowed, stays empty
    QVERIFY(rs.eof());
    EXPECT_STORE_ERROR(rs.deleteCurrent(), StoreErrorCode::NoCurrentRecord);
    EXPECT_STORE_ERROR(rs.edit(), StoreErrorCode::NoCurrentRecord);
    EXPECT_STORE_ERROR(rs.value(1), StoreErrorCode::NoCurrentRecord);
    EXPECT_STORE_ERROR(rs.moveNext(), StoreErrorCode::NoCurrentRecord);

    // A row added to an empty set does not become current by itself.
    addRow(rs, {u"Adams"_s});
    QCOMPARE(rowCount(rs), 1);
    rs.moveFirst();
    QVERIFY(!rs.eof());
    QCOMPARE(rs.text(1), u"Adams"_s);
}

void tst_RecordSet::addedRowStaysAtEndUntilReadAgain()
{
    TestUnit unit;
    const Database db = unit.personnel();
    const QString byName = u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s;
    RecordSet rs(db, byName);
    for (const QString &name : {u"Clark"_s, u"Baker"_s})
        addRow(rs, {name});
    rs.open(db, byName);
    QCOMPARE(column(rs, 1), QStringList({u"Baker"_s, u"Clark"_s}));

    rs.moveFirst();
    addRow(rs, {u"Adams"_s});
    QCOMPARE(rs.text(1), u"Baker"_s); // the cursor stays where it was
    QCOMPARE(column(rs, 1), QStringList({u"Baker"_s, u"Clark"_s, u"Adams"_s}));
    rs.moveToRow(rs.lastModifiedRow());
    QCOMPARE(rs.text(1), u"Adams"_s);

    rs.open(db, byName);
    QCOMPARE(column(rs, 1), QStringList({u"Adams"_s, u"Baker"_s, u"Clark"_s}));
    rs.moveFirst();
    QCOMPARE(rs.text(1), u"Adams"_s);
}

void tst_RecordSet::deleteThenMoveNext()
{
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"Sections"_s);
    for (const QString &s : {u"HQ"_s, u"1st"_s, u"2nd"_s, u"3rd"_s})
        addRow(rs, {s});
    rs.open(unit.personnel(), u"Sections"_s);
    rs.moveNext(); // "1st"
    rs.deleteCurrent();
    EXPECT_STORE_ERROR(rs.value(1), StoreErrorCode::RecordDeleted);
    rs.moveNext();
    QCOMPARE(rs.text(1), u"2nd"_s);
    QCOMPARE(rowCount(rs), 3);
    QCOMPARE(column(rs, 1), QStringList({u"HQ"_s, u"2nd"_s, u"3rd"_s}));

    // Gone from the file as well.
    RecordSet fresh(unit.personnel(), u"Sections"_s);
    QCOMPARE(column(fresh, 1), QStringList({u"HQ"_s, u"2nd"_s, u"3rd"_s}));

    // Past a deleted last row lies the end.
    moveToLastRow(rs);
    rs.deleteCurrent();
    rs.moveNext();
    QVERIFY(rs.eof());
    QCOMPARE(rowCount(rs), 2);
}

void tst_RecordSet::cloneHasItsOwnCursor()
{
    TestUnit unit;
    const QString bySection = u"SELECT * FROM Sections ORDER BY Section Asc"_s;
    RecordSet rs(unit.personnel(), bySection);
    for (const QString &s : {u"B"_s, u"A"_s, u"C"_s})
        addRow(rs, {s});
    rs.open(unit.personnel(), bySection);
    RecordSet c = rs.clone();
    moveToLastRow(rs);
    QCOMPARE(rs.text(1), u"C"_s);
    QCOMPARE(c.text(1), u"A"_s);
    c.moveNext();
    QCOMPARE(c.text(1), u"B"_s);
    QCOMPARE(rs.text(1), u"C"_s);

    // Same rows: a change through one cursor shows through the other.
    c.edit();
    c.setValue(1, u"B2"_s);
    c.update();
    rs.moveFirst();
    rs.moveNext();
    QCOMPARE(rs.text(1), u"B2"_s);
    rs.deleteCurrent();
    EXPECT_STORE_ERROR(c.value(1), StoreErrorCode::RecordDeleted);
    QCOMPARE(column(c, 1), QStringList({u"A"_s, u"C"_s}));

    // Read again, the two no longer share: the clone walks the rows it had,
    // and sees D once it reads again itself.
    rs.open(unit.personnel(), bySection);
    addRow(rs, {u"D"_s});
    QCOMPARE(column(c, 1), QStringList({u"A"_s, u"C"_s}));
    c.open(unit.personnel(), bySection);
    QCOMPARE(column(c, 1), QStringList({u"A"_s, u"C"_s, u"D"_s}));
}

void tst_RecordSet::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("written");
    QTest::addColumn<QVariant>("expected");

    const QVariant null;
    QTest::newRow("text") << u"SoldierRoster"_s << int(Fields::SoldierRoster::SoldierName)
                          << QVariant(u"O'Brien, \"Doc\" Ø"_s) << QVariant(u"O'Brien, \"Doc\" Ø"_s);
    QTest::newRow("text keeps blanks") << u"SoldierRoster"_s << int(Fields::SoldierRoster::SoldierName)
                                       << QVariant(u"  Adams "_s) << QVariant(u"  Adams "_s);
    QTest::newRow("text null") << u"SoldierRoster"_s << int(Fields::SoldierRoster::SoldierName) << null
                               << null;
    QTest::newRow("empty text is not null") << u"SoldierRoster"_s << int(Fields::SoldierRoster::Section)
                                            << QVariant(QString(u""_s)) << QVariant(QString(u""_s));
    QTest::newRow("yes") << u"SoldierRoster"_s << Fields::SoldierRoster::qualification(15) << QVariant(true)
                         << QVariant(true);
    QTest::newRow("no") << u"DutyDates"_s << Fields::DutyDates::qualification(1) << QVariant(false)
                        << QVariant(false);
    QTest::newRow("yes from -1") << u"DutyDates"_s << Fields::DutyDates::qualification(2) << QVariant(-1)
                                 << QVariant(true);
    QTest::newRow("yes/no null") << u"DutyDates"_s << Fields::DutyDates::qualification(3) << null << null;
    QTest::newRow("date") << u"WorkSchedule"_s << int(Fields::WorkSchedule::From)
                          << QVariant(QDate(2026, 12, 31)) << QVariant(QDate(2026, 12, 31));
    QTest::newRow("date leap day") << u"Holiday"_s << int(Fields::Holiday::To) << QVariant(QDate(2028, 2, 29))
                                   << QVariant(QDate(2028, 2, 29));
    QTest::newRow("date from iso text") << u"AbsentDates"_s << int(Fields::AbsentDates::To)
                                        << QVariant(u"2027-01-02"_s) << QVariant(QDate(2027, 1, 2));
    QTest::newRow("date as the locale writes it")
        << u"AbsentDates"_s << int(Fields::AbsentDates::From)
        << QVariant(QLocale().toString(QDate(2027, 1, 2), QLocale::ShortFormat))
        << QVariant(QDate(2027, 1, 2));
    QTest::newRow("date null") << u"WorkSchedule"_s << int(Fields::WorkSchedule::To) << null << null;
    QTest::newRow("date from empty text")
        << u"WorkSchedule"_s << int(Fields::WorkSchedule::To) << QVariant(u""_s) << null;
    QTest::newRow("integer") << u"Memory"_s << int(Fields::Memory::Count) << QVariant(32767)
                             << QVariant(qint64(32767));
    QTest::newRow("integer negative")
        << u"Memory"_s << int(Fields::Memory::HCount) << QVariant(-5) << QVariant(qint64(-5));
    QTest::newRow("integer from text")
        << u"Memory"_s << int(Fields::Memory::Count) << QVariant(u" 12 "_s) << QVariant(qint64(12));
    QTest::newRow("integer null") << u"Memory"_s << int(Fields::Memory::Count) << null << null;
}

void tst_RecordSet::valuesRoundTrip()
{
    QFETCH(QString, table);
    QFETCH(int, field);
    QFETCH(QVariant, written);
    QFETCH(QVariant, expected);

    TestUnit unit;
    const Database db = table == u"Memory" ? unit.working() : unit.personnel();
    {
        RecordSet rs(db, table);
        rs.addNew();
        rs.setValue(field, written);
        rs.update();
        rs.moveToRow(rs.lastModifiedRow());
        QCOMPARE(rs.value(field), expected);
    }
    // Read back from the file through a new connection.
    const Database again = Database::open(db.path(), db.kind());
    RecordSet rs(again, table);
    moveToLastRow(rs);
    const QVariant v = rs.value(field);
    QCOMPARE(v.isNull(), expected.isNull());
    QCOMPARE(v, expected);
}

void tst_RecordSet::badValuesAreRefused_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("date from words") << u"WorkSchedule"_s << int(Fields::WorkSchedule::From)
                                     << QVariant(u"next Tuesday"_s);
    QTest::newRow("date 31 February")
        << u"WorkSchedule"_s << int(Fields::WorkSchedule::From) << QVariant(u"2027-02-31"_s);
    QTest::newRow("integer from words") << u"Memory"_s << int(Fields::Memory::Count) << QVariant(u"three"_s);
    QTest::newRow("integer from fraction") << u"Memory"_s << int(Fields::Memory::Count) << QVariant(2.5);
    QTest::newRow("yes/no from words")
        << u"DutyDates"_s << Fields::DutyDates::qualification(1) << QVariant(u"perhaps"_s);
}

void tst_RecordSet::badValuesAreRefused()
{
    QFETCH(QString, table);
    QFETCH(int, field);
    QFETCH(QVariant, value);
    TestUnit unit;
    RecordSet rs(table == u"Memory" ? unit.working() : unit.personnel(), table);
    rs.addNew();
    EXPECT_STORE_ERROR(rs.setValue(field, value), StoreErrorCode::TypeMismatch);
    rs.update();
    rs.open(rs.database(), table);
    QCOMPARE(rowCount(rs), 1);
    QVERIFY(rs.value(field).isNull() || (table == u"Memory" && field == Fields::Memory::Count)); // default 0
}

void tst_RecordSet::editingRules()
{
    TestUnit unit;
    RecordSet rs(unit.personnel(), u"Sections"_s);
    addRow(rs, {u"HQ"_s});
    rs.moveFirst();
    EXPECT_STORE_ERROR(rs.setValue(1, u"x"_s), StoreErrorCode::UpdateWithoutEdit);
    EXPECT_STORE_ERROR(rs.update(), StoreErrorCode::UpdateWithoutEdit);
    rs.edit();
    EXPECT_STORE_ERROR(rs.setValue(0, 99), StoreErrorCode::FieldReadOnly);
    EXPECT_STORE_ERROR(rs.setValue(2, 1), StoreErrorCode::ItemNotFound);
    rs.setValue(1, u"Changed"_s);
    QCOMPARE(rs.text(1), u"Changed"_s); // the pending value is what the set shows

    // A row deleted through a clone cannot be saved through the other cursor.
    rs.edit();
    rs.setValue(1, u"Lost"_s);
    RecordSet c = rs.clone();
    c.deleteCurrent();
    EXPECT_STORE_ERROR(rs.update(), StoreErrorCode::RecordDeleted);
}

void tst_RecordSet::newRowDefaultsAndDurableEdits()
{
    TestUnit unit;
    RecordSet rs(unit.working(), u"Memory"_s);
    addRow(rs, {true, u"Adams"_s, u"E"_s, u"Gate Guard"_s});
    rs.open(unit.working(), u"Memory"_s);
    QCOMPARE(rs.value(Fields::Memory::Count), QVariant(qint64(0)));
    QCOMPARE(rs.value(Fields::Memory::HCount), QVariant(qint64(0)));
    QVERIFY(rs.value(Fields::Memory::Remarks).isNull());
    QCOMPARE(rs.value(Fields::Memory::Marker), QVariant(true));
    QVERIFY(rs.key() > 0);

    // An edit is seen by another connection without any close or commit.
    RecordSet duties(unit.personnel(), u"DutyDates"_s);
    addRow(duties, {u"Gate Guard"_s, u"HQ"_s});
    duties.moveFirst();
    duties.edit();
    duties.setValue(Fields::DutyDates::qualification(4), true);
    duties.update();
    RecordSet other(unit.personnel(), u"DutyDates"_s);
    QCOMPARE(other.value(Fields::DutyDates::qualification(4)), QVariant(true));
    QCOMPARE(other.text(2), u"HQ"_s);
}

void tst_RecordSet::recordSourcesOutsideTheFormAreRefused_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("code");
    const int bad = int(StoreErrorCode::BadRecordSource);
    const int missing = int(StoreErrorCode::ItemNotFound);
    QTest::newRow("statement") << u"DELETE FROM SoldierRoster"_s << bad;
    QTest::newRow("where clause") << u"SELECT * FROM SoldierRoster WHERE 1=1 ORDER BY ID Asc"_s << bad;
    QTest::newRow("no direction") << u"SELECT * FROM SoldierRoster ORDER BY SoldierName"_s << bad;
    QTest::newRow("second statement") << u"SoldierRoster; DROP TABLE SoldierRoster"_s << bad;
    QTest::newRow("columns") << u"SELECT SoldierName FROM SoldierRoster ORDER BY ID Asc"_s << bad;
    QTest::newRow("injected order") << u"SELECT * FROM SoldierRoster ORDER BY (SELECT 1) Asc"_s << bad;
    QTest::newRow("empty") << u""_s << bad;
    QTest::newRow("unknown table") << u"Soldiers"_s << missing;
    QTest::newRow("table of another file") << u"Memory"_s << missing;
    QTest::newRow("unknown field") << u"SELECT * FROM SoldierRoster ORDER BY Name Asc"_s << missing;
}

void tst_RecordSet::recordSourcesOutsideTheFormAreRefused()
{
    QFETCH(QString, source);
    QFETCH(int, code);
    TestUnit unit;
    EXPECT_STORE_ERROR(RecordSet(unit.personnel(), source), StoreErrorCode(code));
    // The table is still there, and read in any letter case.
    QVERIFY(unit.personnel().hasTable(u"SoldierRoster"_s));
    RecordSet soldiers(unit.personnel(), u"SoldierRoster"_s);
    addRow(soldiers, {u"Adams"_s});
    RecordSet rs(unit.personnel(), u"select * from soldierroster order by SOLDIERNAME desc, [ID] ASC"_s);
    QCOMPARE(rs.text(Fields::SoldierRoster::SoldierName), u"Adams"_s);
}

// A record set reads its rows through SQLite itself; what it makes of each
// kind of value another program may have stored must be what it made of
// the value as Qt's SQLite driver gives it.
void tst_RecordSet::valuesReadAsTheDriverReadsThem_data()
{
    QTest::addColumn<QString>("stored"); // an SQL literal
    QTest::newRow("whole number") << u"-42"_s;
    QTest::newRow("real, whole") << u"3.0"_s;
    QTest::newRow("real") << u"2.5"_s;
    QTest::newRow("text") << u"'Øster, Zoë'"_s;
    QTest::newRow("empty text") << u"''"_s;
    QTest::newRow("ISO date") << u"'2027-03-01'"_s;
    QTest::newRow("date and time") << u"'2027-03-01 12:00:00'"_s;
    QTest::newRow("not UTF-8") << u"CAST(x'41ff42' AS TEXT)"_s;
    QTest::newRow("blob") << u"x'00ff41'"_s;
    QTest::newRow("null") << u"NULL"_s;
}

void tst_RecordSet::valuesReadAsTheDriverReadsThem()
{
    QFETCH(QString, stored);
    TestUnit unit;
    // A text, a whole number, a yes/no and a date field, all given the value.
    const QString sql = u"INSERT INTO SoldierRoster (SoldierName, Section, Q1) VALUES (%1, %1, %1); "
                        "INSERT INTO WorkSchedule (DutyName, \"From\") VALUES (%1, %1)"_s.arg(stored);
    QCOMPARE(sqliteShell(unit.folder.personnelPath(), sql, true), QString());
    const Database db = unit.personnel();
    for (const QString &table : {u"SoldierRoster"_s, u"WorkSchedule"_s}) {
        RecordSet rs(db, table);
        QSqlQuery q(db.connection());
        QVERIFY(q.exec(u"SELECT * FROM %1 ORDER BY ID"_s.arg(table)));
        QVERIFY(q.next() && !rs.eof());
        const TableLayout *layout = Layouts::table(FileKind::Personnel, table);
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant expected = FieldValues::fromStorage(q.value(i), layout->fields[i].type);
            const QVariant read = rs.value(i);
            QVERIFY2(read.metaType() == expected.metaType() && read == expected,
                     qPrintable(u"%1.%2: %3 against %4"_s.arg(table, layout->fields[i].name, read.toString(),
                                                              expected.toString())));
        }
        // A pass over the table reads every field as the record set does.
        TableReader reader(db, table);
        QVERIFY(reader.next());
        for (int i = 0; i < q.record().count(); ++i) {
            const QString field = u"%1.%2"_s.arg(table, layout->fields[i].name);
            const QVariant read = reader.value(i);
            QVERIFY2(read.metaType() == rs.value(i).metaType() && read == rs.value(i), qPrintable(field));
            QCOMPARE(reader.text(i), rs.text(i));
            if (layout->fields[i].type == FieldType::YesNo)
                QVERIFY2(reader.yesNo(i) == rs.value(i).toBool(), qPrintable(field));
        }
        // So does a pass over some of its fields, named in any order.
        QList<int> some;
        for (int i = q.record().count() - 1; i >= 0; i -= 2)
            some.append(i);
        TableReader part(db, table, some);
        QVERIFY(part.next());
        for (const int i : std::as_const(some)) {
            QVERIFY2(part.value(i) == rs.value(i) && part.value(i).metaType() == rs.value(i).metaType(),
                     qPrintable(layout->fields[i].name));
            QCOMPARE(part.utf8(i), reader.utf8(i));
        }
        QVERIFY(!part.next());
    }
}

// Each row an appender adds holds what was set for it and the defaults of
// the rest, whatever the rows before it set, written one by one or several
// to a statement (a last statement short of rows included).
void tst_RecordSet::appendedRowsTakeDefaultsOfFieldsNotSet_data()
{
    QTest::addColumn<int>("rowsPerStatement");
    for (const int rows : {1, 2, 4, TableAppender::kManyRows})
        QTest::addRow("%d to a statement", rows) << rows;
}

void tst_RecordSet::appendedRowsTakeDefaultsOfFieldsNotSet()
{
    QFETCH(int, rowsPerStatement);
    using namespace Fields::Memory;
    TestUnit unit;
    const Database db = unit.working();
    QList<qint64> keys;
    {
        TableAppender rows(db, u"Memory"_s, rowsPerStatement);
        rows.setText(SoldierName, u"Adams"_s);
        rows.setInteger(Count, 5);
        rows.setText(Remarks, u"first"_s);
        keys.append(rows.addRow());
        rows.setText(SoldierName, u"Baker"_s);
        rows.setInteger(HCount, 2);
        keys.append(rows.addRow());
        rows.setText(SoldierName, u"Clark"_s);
        rows.setValue(Count, QVariant(QMetaType::fromType<qint64>()));
        rows.setText(Remarks, QString());
        keys.append(rows.addRow());
        rows.setText(SoldierName, u"Davis"_s);
        keys.append(rows.addRow());
        // Texts past ASCII, and half a surrogate pair, which stays in its own field.
        rows.setText(SoldierName, u"Øster, Zoë"_s);
        rows.setText(Rank, QString(QChar(0xd83d)));
        rows.setText(Remarks, u"A \U0001F600"_s);
        keys.append(rows.addRow());
        keys.append(
            rows.append({QVariant(), QVariant(true), u"Evans"_s, QVariant(), QVariant(), QVariant(7)}));
        rows.finish();
    }
    QCOMPARE(
        sqliteShell(
            db.path(),
            u"SELECT SoldierName, Marker, quote(Count), quote(HCount), quote(Remarks), hex(Rank) FROM Memory "
            "ORDER BY ID"_s),
        u"Adams||5|0|'first'|\nBaker||0|2|NULL|\nClark||NULL|0|''|\nDavis||0|0|NULL|\n"
        "Øster, Zoë||0|0|'A \U0001F600'|EFBFBD\nEvans|1|7|0|NULL|"_s);
    QStringList stored;
    for (const qint64 key : std::as_const(keys))
        stored.append(QString::number(key));
    QCOMPARE(
        sqliteShell(db.path(), u"SELECT group_concat(ID, ',') FROM (SELECT ID FROM Memory ORDER BY ID)"_s),
        stored.join(u','));
}

// A row holds what was set for it, though the row before it in the same
// place of a statement set the same number, the same default, a text of the
// same size in the same buffer, or the very same bytes; and a field set in
// one row and not in the next takes its default again.
void tst_RecordSet::appendedRowsHoldWhatWasSetForThem_data()
{
    QTest::addColumn<int>("rowsPerStatement");
    for (const int rows : {1, 2, 3, TableAppender::kManyRows})
        QTest::addRow("%d to a statement", rows) << rows;
}

void tst_RecordSet::appendedRowsHoldWhatWasSetForThem()
{
    QFETCH(int, rowsPerStatement);
    using namespace Fields::Memory;
    TestUnit unit;
    const Database db = unit.working();
    const QByteArray marks[] = {"A", "B", "C"};
    QStringList expected;
    {
        TableAppender rows(db, u"Memory"_s, rowsPerStatement);
        // Past two statements of the most rows, the last short of one.
        for (int i = 0; i < 2 * TableAppender::kManyRows + 5; ++i) {
            // Names of one size, each encoded into the same buffer.
            rows.setText(SoldierName, u"n%1"_s.arg(i % 10));
            rows.setUtf8(Rank, marks[i % 3 == 2 ? 0 : i % 2]);
            QString count = QString::number(i % 2);
            if (i % 5 == 0) {
                rows.setValue(Count, QVariant(QMetaType::fromType<qint64>()));
                count = u"NULL"_s;
            } else if (i % 7 == 0) {
                count = u"0"_s; // the field's default
            } else {
                rows.setInteger(Count, i % 2);
            }
            // Text for a number field, which SQLite stores as the number.
            rows.setText(HCount, QString::number(7 + i % 2));
            QString remarks = u"NULL"_s;
            if (i % 3 != 0) {
                rows.setUtf8(Remarks, marks[(i / 3) % 3]);
                remarks = u"'%1'"_s.arg(QString::fromLatin1(marks[(i / 3) % 3]));
            }
            rows.addRow();
            expected.append(u"n%1|%2|%3|%4|%5"_s.arg(i % 10)
                                .arg(QString::fromLatin1(marks[i % 3 == 2 ? 0 : i % 2]), count)
                                .arg(7 + i % 2)
                                .arg(remarks));
        }
        rows.finish();
    }
    QCOMPARE(sqliteShell(db.path(), u"SELECT SoldierName, Rank, quote(Count), quote(HCount), quote(Remarks) "
                                    "FROM Memory ORDER BY ID"_s)
                 .split(u'\n'),
             expected);
}

// The keys an appender gives rows it writes several to a statement are the
// ones SQLite gives rows written one by one: past every key the table ever
// held, as its AUTOINCREMENT keeps them, or past the greatest it holds where
// that record is gone.
void tst_RecordSet::appendedRowsTakeTheKeysSqliteWouldGive_data()
{
    QTest::addColumn<QString>("before"); // SQL run on the unit's counters first
    QTest::newRow("empty") << QString();
    QTest::newRow("rows") << u"INSERT INTO Memory (SoldierName) VALUES ('a'), ('b'), ('c')"_s;
    QTest::newRow("the last rows removed")
        << u"INSERT INTO Memory (SoldierName) VALUES ('a'), ('b'), ('c'), ('d'); "
           "DELETE FROM Memory WHERE ID > 2"_s;
    QTest::newRow("every row removed") << u"INSERT INTO Memory (SoldierName) VALUES ('a'), ('b'); "
                                          "DELETE FROM Memory"_s;
    QTest::newRow("the record of keys given gone")
        << u"INSERT INTO Memory (SoldierName) VALUES ('a'), ('b'), ('c'); "
           "DELETE FROM Memory WHERE ID = 3; DELETE FROM sqlite_sequence"_s;
    QTest::newRow("a key far out") << u"INSERT INTO Memory (ID, SoldierName) VALUES (1000, 'a')"_s;
}

void tst_RecordSet::appendedRowsTakeTheKeysSqliteWouldGive()
{
    QFETCH(QString, before);
    QList<qint64> keys[2];
    QString tables[2];
    for (const int rowsPerStatement : {1, 3}) {
        TestUnit unit;
        if (!before.isEmpty())
            QCOMPARE(sqliteShell(unit.folder.workingPath(), before, true), QString());
        const Database db = unit.working();
        QList<qint64> &given = keys[rowsPerStatement == 1 ? 0 : 1];
        {
            TableAppender rows(db, u"Memory"_s, rowsPerStatement);
            for (int i = 0; i < 5; ++i) {
                rows.setText(Fields::Memory::SoldierName, u"row %1"_s.arg(i));
                given.append(rows.addRow());
            }
            rows.finish();
        }
        tables[rowsPerStatement == 1 ? 0 : 1] = sqliteShell(
            db.path(), u"SELECT ID, SoldierName FROM Memory ORDER BY ID; SELECT seq FROM sqlite_sequence"_s);
    }
    QCOMPARE(keys[1], keys[0]);
    QCOMPARE(tables[1], tables[0]);
}

// Several rows to a statement: an error of a row is told when it is written,
// as its statement fills or in finish(), and neither it nor a row after it
// stays.
void tst_RecordSet::appendedRowsThatCannotBeWrittenAreNotWrittenAtAll_data()
{
    QTest::addColumn<int>("added");
    QTest::newRow("a full statement") << 4;
    QTest::newRow("rows short of a statement, in finish()") << 3;
}

void tst_RecordSet::appendedRowsThatCannotBeWrittenAreNotWrittenAtAll()
{
    QFETCH(int, added);
    TestUnit unit;
    Database db = unit.working();
    Transaction t(db);
    TableAppender rows(db, u"Memory"_s, 4);
    rows.setText(Fields::Memory::SoldierName, u"row 0"_s);
    const qint64 key = rows.addRow();
    // Another row takes the key the appender gave its first.
    QSqlQuery q(db.connection());
    QVERIFY(q.exec(u"INSERT INTO Memory (ID, SoldierName) VALUES (%1, 'other')"_s.arg(key)));
    for (int i = 1; i < added; ++i) {
        rows.setText(Fields::Memory::SoldierName, u"row %1"_s.arg(i));
        if (i == 3)
            QVERIFY_THROWS_EXCEPTION(StoreError, rows.addRow());
        else
            rows.addRow();
    }
    if (added < 4)
        QVERIFY_THROWS_EXCEPTION(StoreError, rows.finish());
    QVERIFY(q.exec(u"SELECT group_concat(SoldierName) FROM Memory"_s) && q.next());
    QCOMPARE(q.value(0).toString(), u"other"_s);
    // Nothing is left to write: what failed is not tried again.
    rows.finish();
    t.rollback();
}

// Dates are written with a formatter of our own; what it writes must be what
// Qt's ISO format writes and reads back, padding and range included.
void tst_RecordSet::isoDateIsQtsIsoText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("invalid") << QDate();
    QTest::newRow("first year") << QDate(1, 1, 1);
    QTest::newRow("two digits") << QDate(99, 9, 9);
    QTest::newRow("three digits") << QDate(999, 10, 31);
    QTest::newRow("leap day") << QDate(2028, 2, 29);
    QTest::newRow("new year's eve") << QDate(2026, 12, 31);
    QTest::newRow("last of 9999") << QDate(9999, 12, 31);
    QTest::newRow("five digits") << QDate(10000, 1, 1);
    QTest::newRow("before Christ") << QDate(-44, 3, 15);
}

void tst_RecordSet::isoDateIsQtsIsoText()
{
    QFETCH(QDate, date);
    const QString text = FieldValues::isoDate(date);
    QCOMPARE(text, date.toString(Qt::ISODate));
    QCOMPARE(text.isNull(), date.toString(Qt::ISODate).isNull());
    if (!text.isEmpty())
        QCOMPARE(QDate::fromString(text, Qt::ISODate), date);
}

void tst_RecordSet::rangeRowsAreEveryRowJudged_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<bool>("indexed"); // as a unit made before the index was
    for (const bool indexed : {true, false}) {
        const char *const index = indexed ? "" : ", no index";
        QTest::addRow("a week%s", index) << QDate(2026, 12, 1) << QDate(2026, 12, 7) << indexed;
        QTest::addRow("one day%s", index) << QDate(2026, 12, 5) << QDate(2026, 12, 5) << indexed;
        QTest::addRow("a year%s", index) << QDate(2026, 1, 1) << QDate(2026, 12, 31) << indexed;
    }
}

// What SQLite leaves out of a table of date ranges is what judging every row
// as a record set reads it leaves out too, whatever the days are written as.
void tst_RecordSet::rangeRowsAreEveryRowJudged()
{
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(bool, indexed);
    TestUnit unit;
    if (!indexed)
        QCOMPARE(sqliteShell(unit.folder.workingPath(), u"DROP INDEX Dates_To"_s, true), QString());
    const QStringList days{u"'2026-11-30'"_s, u"'2026-12-01'"_s, u"'2026-12-01T08:00'"_s,
                           u"'2026-12-05 23:59'"_s, u"'2026-12-07'"_s, u"'2026-12-08'"_s, u"'2027-01-01'"_s,
                           u"'2025-12-31'"_s,
                           // Other digits, wholly or in part, and other separators.
                           u"'\u0662\u0660\u0662\u0666-\u0661\u0662-\u0660\u0665'"_s, u"'2026-1\u0662-05'"_s,
                           u"'1\u0669\u0669\u0669-\u0660\u0661-\u0660\u0661'"_s, u"'2026,12,05'"_s,
                           u"'2026/12/05'"_s, u"'2025.12.05'"_s, u"'2026-12-05+01'"_s,
                           // Separators that sort before the dash, after the year or the month.
                           u"'2026!12!05'"_s, u"'2026-12,05'"_s, u"'2026)01-05'"_s, u"'2026-01''05'"_s,
                           // Too short, a day that is none, no day at all.
                           u"'2026-12-0'"_s, u"'2026-12-'"_s, u"'2026-1-5'"_s, u"'2026-02-30'"_s,
                           u"'x2026-12-05'"_s, u"''"_s, u"NULL"_s,
                           // Numbers and a blob that holds a day's bytes.
                           u"20261205"_s, u"2026.5"_s, u"X'323032362D31322D3035'"_s};
    QStringList rows;
    for (const QString &from : days)
        for (const QString &to : days)
            rows.append(u"('Zeller, Anna', %1, %2)"_s.arg(from, to));
    QCOMPARE(
        sqliteShell(unit.folder.workingPath(),
                    u"INSERT INTO Dates (SoldierName, \"From\", \"To\") VALUES %1"_s.arg(rows.join(u", ")),
                    true),
        QString());
    const Database db = unit.working();
    using namespace Fields::Dates;
    QList<QVariantList> expected;
    QSqlQuery q(db.connection());
    QVERIFY(q.exec(u"SELECT * FROM Dates ORDER BY ID"_s));
    const TableLayout *layout = Layouts::table(FileKind::Working, u"Dates"_s);
    while (q.next()) {
        QVariantList values;
        for (int i = 0; i < q.record().count(); ++i)
            values.append(FieldValues::fromStorage(q.value(i), layout->fields[i].type));
        if (values[From].metaType().id() == QMetaType::QDate &&
            values[To].metaType().id() == QMetaType::QDate && values[From].toDate() <= last &&
            values[To].toDate() >= first)
            expected.append(values);
    }
    QVERIFY(expected.size() > 10);
    QCOMPARE(RangeRows::overlapping(db, u"Dates"_s, From, To, first, last), expected);
}

QTEST_GUILESS_MAIN(tst_RecordSet)
#include "tst_RecordSet.moc"
