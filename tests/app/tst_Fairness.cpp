#include "../report/PdfText.h"
#include "RunCalendrix.h"
#include "roster/RosterFixture.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// A small unit whose names carry what CSV must quote: a comma, a quote, a
// line break.
struct SmallUnit {
    RosterFixture f;
    SmallUnit()
    {
        f.duty(u"Gate, North"_s, {1}, u"1st \"Bn\""_s);
        f.duty(u"Kitchen"_s, {2});
        f.duty(u"Radio"_s, {3}); // nobody holds 3
        f.soldier(u"Adams, Amy"_s, u"C"_s, {1, 2}, u"HQ"_s);
        f.soldier(u"Baker \"Bud\""_s, u"E"_s, {1}, u"Line\nTwo"_s);
        f.soldier(u"Clark"_s, u"E"_s, {1, 2}, u"HQ"_s);
        f.counter(u"Adams, Amy"_s, u"C"_s, u"Gate, North"_s, 2, 1);
        f.counter(u"Baker \"Bud\""_s, u"E"_s, u"Gate, North"_s, 5, 1);
        f.counter(u"Clark"_s, u"E"_s, u"Gate, North"_s, 2, 3);
        f.counter(u"Adams, Amy"_s, u"C"_s, u"Kitchen"_s, 4, 0);
        f.counter(u"Clark"_s, u"E"_s, u"Kitchen"_s, 4, 0);
        f.taken(u"Clark"_s, QDate(2027, 3, 8), QDate(2027, 3, 9));
        f.taken(u"Clark"_s, QDate(2027, 3, 1), QDate(2027, 3, 1));
    }
    QString dir() const { return f.unit.dir.path(); }
};

// RFC 4180 read back: quoted fields, doubled quotes, CR LF after every
// record. Nothing when the text is anything else (a bare line break outside
// quotes, a last record without its CR LF).
QList<QStringList> parseCsv(const QByteArray &bytes)
{
    static const QRegularExpression field(uR"(("(?:[^"]|"")*"|[^",\r\n]*)(,|\r\n))"_s);
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records{{}};
    for (qsizetype at = 0; at < text.size();) {
        const QRegularExpressionMatch m = field.match(text, at, QRegularExpression::NormalMatch,
                                                      QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch())
            return {};
        const QString f = m.captured(1);
        records.last().append(f.startsWith(u'"') ? f.mid(1, f.size() - 2).replace(u"\"\""_s, u"\""_s) : f);
        if (m.captured(2) == u"\r\n")
            records.append(QStringList());
        at = m.capturedEnd();
    }
    records.removeLast(); // what follows the last CR LF: nothing
    return records;
}

// The words of a PDF in the order a reader finds them.
QString pdfText(const QString &path)
{
    QStringList pages;
    for (const PdfPage &page : readPdf(path))
        pages.append(page.text());
    return pages.join(u' ');
}

// The soldiers in the order a run under the given locale, speaking the given
// language, stood them in line (its exported CSV, period by period), then in
// the order of the fairness CSV.
QStringList namesInOrder(const QString &locale, const QString &language)
{
    RosterFixture f;
    f.duty(u"Gate"_s, {1});
    const QStringList names{u"Zeta"_s,          u"\u00c5berg"_s, u"\u00d6berg"_s, u"Aaron"_s,
                            u"\u00c6r\u00f8"_s, u"Oscar"_s,      u"\u00c4ngel"_s};
    for (int i = 0; i < names.size(); ++i) {
        f.soldier(names[i], u"E"_s, {1});
        f.period(u"Gate"_s, QDate(2027, 3, 1 + i), QDate(2027, 3, 1 + i));
    }
    const QByteArray lcAll = qgetenv("LC_ALL"), lang = qgetenv("LANG");
    qputenv("LC_ALL", locale.toUtf8());
    qputenv("LANG", locale.toUtf8());
    const QString csv = f.unit.path(u"roster.csv"_s), fair = f.unit.path(u"fair.csv"_s);
    const QString dir = f.unit.dir.path();
    const QStringList speaking{u"--lang"_s, language};
    const bool ran =
        runCalendrix(QStringList{u"make"_s, f.datafile, u"--data"_s, dir} + speaking).status == 0 &&
        runCalendrix(QStringList{u"export"_s, f.datafile, u"--csv"_s, csv, u"--data"_s, dir} + speaking)
                .status == 0 &&
        runCalendrix(QStringList{u"fairness"_s, u"--data"_s, dir, u"--csv"_s, fair} + speaking).status == 0;
    qputenv("LC_ALL", lcAll);
    qputenv("LANG", lang);
    if (!ran)
        return {};
    QStringList order;
    for (const QStringList &record : parseCsv(readFile(csv)).mid(1))
        order.append(record.value(3));
    for (const QStringList &record : parseCsv(readFile(f.unit.path(u"fair-soldiers.csv"_s))).mid(1))
        order.append(record.value(0));
    return order;
}

} // namespace

class tst_Fairness : public QObject
{
    Q_OBJECT

private slots:
    void tableHasOneLinePerDuty();
    void tableShowsNamesWhole_data();
    void tableShowsNamesWhole();
    void filesReadBack();
    void pdfReadsBack();
    void statuses_data();
    void statuses();
    void rankLabelsAgree_data();
    void rankLabelsAgree();
    void sameOrderUnderEveryLocale_data();
    void sameOrderUnderEveryLocale();
};

void tst_Fairness::tableHasOneLinePerDuty()
{
    SmallUnit u;
    const Result r = runCalendrix({u"fairness"_s, u"--data"_s, u.dir()});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QString());
    QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 3 + 2);
    const auto columns = [](const QString &line) { return line.simplified(); };
    QCOMPARE(columns(lines[1]), u"Gate, North 3 2/2/5 3 1/1/3 2 Clark; Adams, Amy; Baker \"Bud\""_s);
    QCOMPARE(columns(lines[2]), u"Kitchen 2 4/4/4 0 0/0/0 0 Clark; Adams, Amy"_s);
    QCOMPARE(columns(lines[3]), u"Radio 0 - - - -"_s);
    QCOMPARE(lines[4], u"Largest spread: Gate, North (normal 3); Gate, North (holiday 2)"_s);
    QCOMPARE(lines[5], u"Qualified, yet without any duty: none"_s);
}

void tst_Fairness::tableShowsNamesWhole_data()
{
    QTest::addColumn<QString>("duty");
    QTest::addColumn<QString>("soldier");
    QTest::addColumn<QString>("dutyShown");
    QTest::addColumn<QString>("soldierShown");
    QTest::newRow("tab and bell") << u"Gate\tNorth\a"_s << u"Amy"_s << u"Gate\\tNorth\\x07"_s << u"Amy"_s;
    QTest::newRow("line breaks") << u"Gate"_s << u"Line\nTwo\rThree"_s << u"Gate"_s
                                 << u"Line\\nTwo\\rThree"_s;
    QTest::newRow("a written backslash") << u"A\\tB"_s << u"Amy"_s << u"A\\\\tB"_s << u"Amy"_s;
    QTest::newRow("long names") << u"Guard of the northern perimeter, first watch"_s
                                << u"Adams, Amy Beatrice Catherine Dorothy"_s
                                << u"Guard of the northern perimeter, first watch"_s
                                << u"Adams, Amy Beatrice Catherine Dorothy"_s;
}

// One line per duty, and the names as they are, whatever they hold.
void tst_Fairness::tableShowsNamesWhole()
{
    QFETCH(QString, duty);
    QFETCH(QString, soldier);
    QFETCH(QString, dutyShown);
    QFETCH(QString, soldierShown);
    RosterFixture f;
    f.duty(duty, {1});
    f.soldier(soldier, u"C"_s, {1});
    f.counter(soldier, u"C"_s, duty, 2, 1);
    const Result r = runCalendrix({u"fairness"_s, u"--data"_s, f.unit.dir.path()});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 1 + 2);
    QVERIFY2(lines[1].startsWith(dutyShown + u"  "_s), qPrintable(lines[1]));
    QVERIFY2(lines[1].endsWith(u"  "_s + soldierShown), qPrintable(lines[1]));
    QVERIFY2(lines[2].startsWith(u"Largest spread: "_s + dutyShown + u" ("_s), qPrintable(lines[2]));
}

// The CSV files and the PDF read back.
void tst_Fairness::filesReadBack()
{
    SmallUnit u;
    const QString csv = u.f.unit.path(u"out/fair.csv"_s), pdf = u.f.unit.path(u"out/fair.pdf"_s);
    QVERIFY(QDir().mkpath(u.f.unit.path(u"out"_s)));
    const Result r = runCalendrix({u"fairness"_s, u"--data"_s, u.dir(), u"--csv"_s, csv, u"--pdf"_s, pdf});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out,
             u"wrote %1\nwrote %2\nwrote %3\n"_s.arg(csv, u.f.unit.path(u"out/fair-soldiers.csv"_s), pdf));

    const QList<QStringList> duties = parseCsv(readFile(csv));
    QCOMPARE(duties.size(), 4);
    for (const QStringList &record : duties)
        QCOMPARE(record.size(), duties.constFirst().size());
    QCOMPARE(duties[0].mid(0, 10),
             (QStringList{u"Duty"_s, u"Organization"_s, u"Soldiers"_s, u"Normal minimum"_s,
                          u"Normal median"_s, u"Normal mean"_s, u"Normal maximum"_s, u"Normal spread"_s,
                          u"Normal above minimum"_s, u"Normal next in line"_s}));
    QCOMPARE(duties[1],
             (QStringList{u"Gate, North"_s, u"1st \"Bn\""_s, u"3"_s, u"2"_s, u"2"_s, u"3.00"_s, u"5"_s,
                          u"3"_s, u"Baker \"Bud\" (5)"_s, u"Clark (2); Adams, Amy (2); Baker \"Bud\" (5)"_s,
                          u"1"_s, u"1"_s, u"1.67"_s, u"3"_s, u"2"_s, u"Clark (3)"_s,
                          u"Baker \"Bud\" (1); Adams, Amy (1); Clark (3)"_s}));
    // A duty without a qualified soldier has no figures.
    QCOMPARE(duties[3].mid(0, 4), (QStringList{u"Radio"_s, u"Unit"_s, u"0"_s, QString()}));

    QCOMPARE(parseCsv(readFile(u.f.unit.path(u"out/fair-soldiers.csv"_s))),
             (QList<QStringList>{
                 {u"Soldier"_s, u"Rank"_s, u"Section"_s, u"Duties"_s, u"Normal"_s, u"Holiday"_s, u"Total"_s,
                  u"Assignment dates"_s},
                 {u"Adams, Amy"_s, u"PFC"_s, u"HQ"_s, u"2"_s, u"6"_s, u"1"_s, u"7"_s, QString()},
                 {u"Baker \"Bud\""_s, u"CPL"_s, u"Line\nTwo"_s, u"1"_s, u"5"_s, u"1"_s, u"6"_s, QString()},
                 {u"Clark"_s, u"CPL"_s, u"HQ"_s, u"2"_s, u"6"_s, u"3"_s, u"9"_s,
                  u"2027-03-01/2027-03-01; 2027-03-08/2027-03-09"_s}}));

    const QString text = pdfText(pdf);
    for (const QString &expected :
         {u"Counters per duty"_s, u"Gate, North"_s, u"Normal 2 / 2 / 5"_s, u"Holiday 1 / 1 / 3"_s,
          u"no qualified soldier"_s, u"Largest spread: Gate, North"_s, u"Soldiers by their total"_s,
          u"Baker \"Bud\""_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" in:\n"_s + text));
    // The most loaded soldier heads the table.
    const qsizetype table = text.indexOf(u"Soldiers by their total"_s);
    QVERIFY(text.indexOf(u"Clark"_s, table) < text.indexOf(u"Adams, Amy"_s, table));
}

// What other programs read in the PDF: letters as they are ("fi" is no one
// glyph), whole-number ticks, rank abbreviations, "Last, First" names kept
// apart, the number of pages, and the tallest bar's count below the subtitle.
void tst_Fairness::pdfReadsBack()
{
    RosterFixture f;
    f.duty(u"Gate"_s, {1});
    for (const QString &name : {u"Fox, Sofia"_s, u"Adams, Amy"_s, u"Doe, Jane"_s, u"Roe, Rita"_s})
        f.soldier(name, name.startsWith(u'F') ? u"C"_s : u"E"_s, {1});
    // Doe and Roe stand at the average, 5: the histogram's tallest bar.
    f.counter(u"Fox, Sofia"_s, u"C"_s, u"Gate"_s, 7, 0);
    f.counter(u"Adams, Amy"_s, u"E"_s, u"Gate"_s, 3, 0);
    const QString pdf = f.unit.path(u"fair.pdf"_s);
    QCOMPARE(runCalendrix({u"fairness"_s, u"--data"_s, f.unit.dir.path(), u"--pdf"_s, pdf}).status, 0);

    const QString text = pdfText(pdf);
    for (const QString &expected : {u"Qualified, yet without any duty (2): Doe, Jane; Roe, Rita."_s,
                                    u"page 1 of 3"_s, u"page 3 of 3"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" in:\n"_s + text));
    const PdfPage table = readPdf(pdf).value(2);
    QVERIFY2(table.lineOf(u"Fox,"_s).startsWith(u"Fox, Sofia PFC"_s), qPrintable(table.text()));
    QVERIFY2(table.lineOf(u"Adams,"_s).startsWith(u"Adams, Amy CPL"_s), qPrintable(table.text()));
    const QRegularExpression fraction(uR"((^|\s)\d+\.\d(\s|$))"_s);
    QVERIFY2(!text.contains(fraction), qPrintable(fraction.match(text).captured()));

    // The count "2" of the tallest bar is the highest "2" on the histogram's page.
    double subtitle = -1, count = 1e9;
    for (const PdfWord &w : readPdf(pdf).value(1).words) {
        if (w.text == u"qualified;")
            subtitle = w.yMax;
        else if (w.text == u"2")
            count = std::min(count, w.yMin);
    }
    QVERIFY(subtitle > 0 && count < 1e9);
    QVERIFY2(count >= subtitle, qPrintable(u"%1 < %2"_s.arg(count).arg(subtitle)));
}

void tst_Fairness::statuses_data()
{
    QTest::addColumn<QStringList>("arguments"); // "@" stands for the unit folder
    QTest::addColumn<QStringList>("existing");  // files in the unit folder before
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // a part of standard error
    QTest::addColumn<QStringList>("written");

    const QStringList none;
    QTest::newRow("both") << QStringList{u"--csv"_s, u"@/f.csv"_s, u"--pdf"_s, u"@/f.pdf"_s} << none << 0
                          << QString() << QStringList{u"f.csv"_s, u"f-soldiers.csv"_s, u"f.pdf"_s};
    // Nothing is written unless everything may be.
    QTest::newRow("soldiers file exists")
        << QStringList{u"--pdf"_s, u"@/f.pdf"_s, u"--csv"_s, u"@/f.csv"_s} << QStringList{u"f-soldiers.csv"_s}
        << 4 << u"f-soldiers.csv already exists"_s << QStringList{};
    QTest::newRow("replace") << QStringList{u"--pdf"_s, u"@/f.pdf"_s, u"--replace"_s}
                             << QStringList{u"f.pdf"_s} << 0 << QString() << QStringList{u"f.pdf"_s};
    QTest::newRow("a file name") << QStringList{u"@/f.csv"_s} << none << 2 << u"takes no file name"_s << none;
    QTest::newRow("empty name") << QStringList{u"--csv"_s, QString()} << none << 2 << u"--csv needs a name"_s
                                << none;
    QTest::newRow("one file twice") << QStringList{u"--csv"_s, u"@/f.csv"_s, u"--pdf"_s,
                                                   u"@/f-soldiers.csv"_s}
                                    << none << 2 << u"different files"_s << none;
    QTest::newRow("no unit") << QStringList{u"--data"_s, u"@/nowhere"_s} << none << 1 << u"ERROR: "_s << none;
}

void tst_Fairness::statuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, existing);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    SmallUnit u;
    const QByteArray memory = readFile(u.f.unit.folder.workingPath());
    for (const QString &name : existing)
        writeFile(u.f.unit.path(name), "earlier");
    QStringList args{u"fairness"_s, u"--data"_s, u.dir()};
    for (const QString &a : arguments)
        args.append(QString(a).replace(u"@"_s, u.dir()));
    const Result r = runCalendrix(args);
    QCOMPARE(r.status, status);
    if (message.isEmpty())
        QCOMPARE(r.err, QString());
    else
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    for (const QString &name : {u"f.csv"_s, u"f-soldiers.csv"_s, u"f.pdf"_s}) {
        const QByteArray bytes = readFile(u.f.unit.path(name));
        if (written.contains(name))
            QVERIFY2(bytes != "earlier" && bytes != "<cannot read>", qPrintable(name));
        else if (existing.contains(name))
            QCOMPARE(bytes, QByteArray("earlier"));
        else
            QVERIFY2(!QFileInfo::exists(u.f.unit.path(name)), qPrintable(name));
    }
    QCOMPARE(readFile(u.f.unit.folder.workingPath()), memory);
}

void tst_Fairness::rankLabelsAgree_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("label");
    QTest::newRow("civilian") << u"?"_s << u"CIV"_s;
    QTest::newRow("lowest") << u"A"_s << u"PV1"_s;
    QTest::newRow("second, which the counters dialog labels otherwise") << u"B"_s << u"PV2"_s;
    QTest::newRow("highest") << u"W"_s << u"COL"_s;
}

// A soldier carries the personnel list's abbreviation in every file made of
// the unit, whichever output a clerk compares with another (the calendars and
// the spreadsheet show the list's labels as the export's tests read them).
void tst_Fairness::rankLabelsAgree()
{
    QFETCH(QString, code);
    QFETCH(QString, label);
    RosterFixture f;
    f.duty(u"Gate"_s, {1});
    f.period(u"Gate"_s, QDate(2027, 3, 1), QDate(2027, 3, 2));
    f.soldier(u"Amy"_s, code, {1});
    QCOMPARE(f.make(), RosterRun::Outcome::Finished);
    const QString out = f.unit.path(u"out"_s);
    QVERIFY(QDir().mkpath(out));
    const QString csv = out + u"/roster.csv"_s;
    Result r = runCalendrix({u"export"_s, f.datafile, u"--csv"_s, csv, u"--data"_s, f.unit.dir.path()});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    r = runCalendrix({u"fairness"_s, u"--data"_s, f.unit.dir.path(), u"--csv"_s, out + u"/fair.csv"_s});
    QVERIFY2(r.status == 0, qPrintable(r.err));

    QCOMPARE(parseCsv(readFile(csv)).value(1).value(2), label);
    QCOMPARE(parseCsv(readFile(out + u"/fair-soldiers.csv"_s)).value(1).value(1), label);
}

void tst_Fairness::sameOrderUnderEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << u"de_DE.UTF-8"_s << u"de"_s;
    QTest::newRow("Norwegian, with \u00c5 after Z") << u"nb_NO.UTF-8"_s << u"nb"_s;
}

// Whoever stands a duty first must not depend on the language of the
// clerk's desktop.
void tst_Fairness::sameOrderUnderEveryLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QProcess list;
    list.start(u"locale"_s, {u"-a"_s});
    QVERIFY(list.waitForFinished(60000));
    QVERIFY2(QString::fromLocal8Bit(list.readAllStandardOutput())
                 .contains(QString(locale).replace(u"UTF-8"_s, u"utf8"_s)),
             "the locale is not generated: run scripts/deps.sh");
    const QStringList inC = namesInOrder(u"C"_s, u"en"_s);
    QCOMPARE(inC.size(), 14);
    QCOMPARE(namesInOrder(locale, language), inC);
}

QTEST_GUILESS_MAIN(tst_Fairness)
#include "tst_Fairness.moc"
