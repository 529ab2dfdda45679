#include "TestUnit.h"

#include "store/Collation.h"

#include <QDate>

#include <array>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

using Rows = QList<QVariantList>;

class tst_Ordering : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void placesCompareAsTheValues_data();
    void placesCompareAsTheValues();
};

// Each row lists the values of ordinals 1, 2, ...; "expected" is the order of
// the field at ordinal "shown".
void tst_Ordering::order_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("expected");

    const QVariant null;
    const QString byName = u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s;

    QTest::newRow("names ignore case") << u"SoldierRoster"_s << Rows{{u"Baker"_s}, {u"adams"_s}, {u"Clark"_s}}
                                       << byName << 1 << QStringList{u"adams"_s, u"Baker"_s, u"Clark"_s};
    QTest::newRow("equal but for case: capital first, always")
        << u"SoldierRoster"_s << Rows{{u"adams"_s}, {u"Adams"_s}, {u"ADAMS"_s}} << byName << 1
        << QStringList{u"ADAMS"_s, u"Adams"_s, u"adams"_s};
    QTest::newRow("null first") << u"SoldierRoster"_s << Rows{{u"Baker"_s}, {null}, {u"Adams"_s}} << byName
                                << 1 << QStringList{u"<null>"_s, u"Adams"_s, u"Baker"_s};
    QTest::newRow("descending puts null last")
        << u"SoldierRoster"_s << Rows{{u"Baker"_s}, {null}, {u"Adams"_s}}
        << u"SELECT * FROM SoldierRoster ORDER BY SoldierName Desc"_s << 1
        << QStringList{u"Baker"_s, u"Adams"_s, u"<null>"_s};
    // Letters beyond ASCII sort where a reader looks for them, not after "Z".
    QTest::newRow("AE ligature as A and E")
        << u"SoldierRoster"_s << Rows{{u"Afton"_s}, {u"Æsop"_s}, {u"Aesop"_s}, {u"Adams"_s}} << byName << 1
        << QStringList{u"Adams"_s, u"Aesop"_s, u"Æsop"_s, u"Afton"_s};
    QTest::newRow("O with stroke among the Os")
        << u"SoldierRoster"_s << Rows{{u"Pratt"_s}, {u"Oyler"_s}, {u"Øster"_s}, {u"Olsen"_s}} << byName << 1
        << QStringList{u"Olsen"_s, u"Øster"_s, u"Oyler"_s, u"Pratt"_s};
    QTest::newRow("L with stroke among the Ls")
        << u"SoldierRoster"_s << Rows{{u"Mann"_s}, {u"Lyle"_s}, {u"Łukasz"_s}, {u"Lars"_s}} << byName << 1
        << QStringList{u"Lars"_s, u"Łukasz"_s, u"Lyle"_s, u"Mann"_s};
    QTest::newRow("sharp s as ss") << u"SoldierRoster"_s
                                   << Rows{{u"Straust"_s}, {u"Strauß"_s}, {u"Strauss"_s}, {u"Strausr"_s}}
                                   << byName << 1
                                   << QStringList{u"Strausr"_s, u"Strauss"_s, u"Strauß"_s, u"Straust"_s};
    QTest::newRow("equal but for accents: by character code")
        << u"SoldierRoster"_s << Rows{{u"Émile"_s}, {u"emile"_s}, {u"Emile"_s}, {u"Emilf"_s}} << byName << 1
        << QStringList{u"Emile"_s, u"emile"_s, u"Émile"_s, u"Emilf"_s};
    QTest::newRow("accented letters among their base letters")
        << u"SoldierRoster"_s << Rows{{u"Zimmer"_s}, {u"Özdemir"_s}, {u"Olsen"_s}, {u"Pratt"_s}} << byName
        << 1 << QStringList{u"Olsen"_s, u"Özdemir"_s, u"Pratt"_s, u"Zimmer"_s};

    // Candidate order: lowest counter, then highest rank code, then name.
    const QString candidates =
        u"SELECT * FROM Memory ORDER BY DutyName Asc, Count Asc, Rank Desc, SoldierName Asc"_s;
    QTest::newRow("worked case") << u"Memory"_s
                                 << Rows{{true, u"Adams"_s, u"E"_s, u"Guard"_s, 3},
                                         {true, u"Baker"_s, u"C"_s, u"Guard"_s, 1},
                                         {true, u"Clark"_s, u"F"_s, u"Guard"_s, 1},
                                         {true, u"Dixon"_s, u"F"_s, u"Guard"_s, 1}}
                                 << candidates << 2
                                 << QStringList{u"Clark"_s, u"Dixon"_s, u"Baker"_s, u"Adams"_s};
    QTest::newRow("rank codes: W before V, letters before civilians")
        << u"Memory"_s
        << Rows{{true, u"Civ"_s, u"?"_s, u"Guard"_s, 0},
                {true, u"Vee"_s, u"V"_s, u"Guard"_s, 0},
                {true, u"Ay"_s, u"A"_s, u"Guard"_s, 0},
                {true, u"Dub"_s, u"W"_s, u"Guard"_s, 0}}
        << candidates << 2 << QStringList{u"Dub"_s, u"Vee"_s, u"Ay"_s, u"Civ"_s};
    QTest::newRow("lower counter beats higher rank")
        << u"Memory"_s
        << Rows{{true, u"Colonel"_s, u"W"_s, u"Guard"_s, 5}, {true, u"Private"_s, u"A"_s, u"Guard"_s, 4}}
        << candidates << 2 << QStringList{u"Private"_s, u"Colonel"_s};
    QTest::newRow("counters compare as numbers")
        << u"Memory"_s
        << Rows{{true, u"Ten"_s, u"A"_s, u"Guard"_s, 10}, {true, u"Nine"_s, u"A"_s, u"Guard"_s, 9}}
        << candidates << 2 << QStringList{u"Nine"_s, u"Ten"_s};
    QTest::newRow("equal counters and ranks: by name, all letters")
        << u"Memory"_s
        << Rows{{true, u"Pratt"_s, u"C"_s, u"Guard"_s, 2},
                {true, u"Özdemir"_s, u"C"_s, u"Guard"_s, 2},
                {true, u"Olsen"_s, u"C"_s, u"Guard"_s, 2},
                {true, u"Zander"_s, u"C"_s, u"Guard"_s, 2},
                {true, u"Łukasz"_s, u"C"_s, u"Guard"_s, 2}}
        << candidates << 2 << QStringList{u"Łukasz"_s, u"Olsen"_s, u"Özdemir"_s, u"Pratt"_s, u"Zander"_s};
    QTest::newRow("duty groups first")
        << u"Memory"_s
        << Rows{{true, u"Adams"_s, u"A"_s, u"Runner"_s, 0}, {true, u"Baker"_s, u"A"_s, u"guard"_s, 9}}
        << candidates << 4 << QStringList{u"guard"_s, u"Runner"_s};

    // Dates by the calendar, not by their text.
    QTest::newRow("dates chronologically")
        << u"WorkSchedule"_s
        << Rows{{u"G"_s, QDate(2027, 1, 2)},
                {u"G"_s, QDate(2026, 12, 31)},
                {u"G"_s, null},
                {u"G"_s, QDate(2026, 2, 1)}}
        << u"SELECT * FROM WorkSchedule ORDER BY DutyName Asc, From Asc"_s << 2
        << QStringList{u"<null>"_s, u"2026-02-01"_s, u"2026-12-31"_s, u"2027-01-02"_s};
    QTest::newRow("equal rows keep the order they were added")
        << u"WorkSchedule"_s
        << Rows{{u"G"_s, QDate(2027, 1, 2), QDate(2027, 1, 3)},
                {u"G"_s, QDate(2027, 1, 2), QDate(2027, 1, 2)}}
        << u"SELECT * FROM WorkSchedule ORDER BY DutyName Asc"_s << 3
        << QStringList{u"2027-01-03"_s, u"2027-01-02"_s};
    QTest::newRow("natural order of a bare table")
        << u"Sections"_s << Rows{{u"Zulu"_s}, {u"alpha"_s}, {u"Mike"_s}} << u"Sections"_s << 1
        << QStringList{u"Zulu"_s, u"alpha"_s, u"Mike"_s};
}

void tst_Ordering::order()
{
    QFETCH(QString, table);
    QFETCH(Rows, rows);
    QFETCH(QString, source);
    QFETCH(int, shown);
    QFETCH(QStringList, expected);

    TestUnit unit;
    const Database db = table == u"Memory" ? unit.working() : unit.personnel();
    addRows(db, table, rows);
    RecordSet rs(db, source);
    QCOMPARE(column(rs, shown), expected);
}

using Cells = QList<QVariantList>;

// Places must give every pair of rows the order that comparing their sort
// values gives: texts made once and shared, equal texts made apart, numbers,
// Nulls and text in one field, in either direction.
void tst_Ordering::placesCompareAsTheValues_data()
{
    QTest::addColumn<Cells>("rows");       // field 1 text, field 2 whole number, field 3 date
    QTest::addColumn<QList<int>>("order"); // ordinals; negative for descending

    const QVariant null;
    const Cells names = {
        {u"Baker"_s, 1, QDate(2027, 3, 1)},
        {u"adams"_s, 1, QDate(2027, 3, 2)},
        {u"Adams"_s, 2, u"soon"_s},
        {u"Özdemir"_s, null, null},
        {u"Olsen"_s, 2, QDate(2027, 3, 1)},
        {u"Baker"_s, 1, u"soon"_s},
        {u""_s, -5, u""_s},
        {null, 1, QDate(2027, 2, 28)},
        {u"Adams"_s, 2, QDate(2027, 3, 2)},
        {u"Pratt"_s, null, u"later"_s},
    };
    QTest::newRow("names, then the key") << names << QList<int>{1, 0};
    QTest::newRow("number up, name down") << names << QList<int>{2, -1, 0};
    QTest::newRow("dates and text in one field, down") << names << QList<int>{-3, 1, 0};
    QTest::newRow("number down alone") << names << QList<int>{-2};
}

void tst_Ordering::placesCompareAsTheValues()
{
    QFETCH(Cells, rows);
    QFETCH(QList<int>, order);

    const FieldType types[] = {FieldType::Integer, FieldType::Text, FieldType::Integer, FieldType::Date};
    Collation::SortValue::KeyCache cache;
    std::vector<std::array<Collation::SortValue, 4>> values(size_t(rows.size()));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        values[size_t(r)][0] = Collation::SortValue::of(int(r), FieldType::Integer);
        for (int f = 1; f < 4; ++f)
            // Every other row makes its texts apart, as equal bytes that
            // share no memory.
            values[size_t(r)][size_t(f)] =
                Collation::SortValue::of(rows[r][f - 1], types[f], r % 2 ? nullptr : &cache);
    }
    Collation::Order byFields;
    QList<int> fields;
    for (const int o : order) {
        byFields.append({std::abs(o), o < 0});
        fields.append(std::abs(o));
    }
    const Collation::Places places(
        values.size(), [&](size_t i) { return values[i].data(); }, fields);
    // The same values made only when asked for, each text's key anew and
    // gone once it is placed: a freed key's address may come again for
    // other bytes.
    const Collation::Places asked(
        values.size(),
        [&](size_t r, int field) {
            return field == 0 ? Collation::SortValue::of(int(r), FieldType::Integer)
                              : Collation::SortValue::of(rows[qsizetype(r)][field - 1], types[field]);
        },
        fields);
    const auto sign = [](int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); };
    for (size_t a = 0; a < values.size(); ++a)
        for (size_t b = 0; b < values.size(); ++b) {
            const int expected = sign(Collation::compare(values[a].data(), values[b].data(), byFields));
            QVERIFY2(sign(places.compare(a, b, byFields)) == expected,
                     qPrintable(u"rows %1 and %2"_s.arg(a).arg(b)));
            QVERIFY2(sign(asked.compare(a, b, byFields)) == expected,
                     qPrintable(u"rows %1 and %2, made when asked"_s.arg(a).arg(b)));
        }
}

QTEST_GUILESS_MAIN(tst_Ordering)
#include "tst_Ordering.moc"
