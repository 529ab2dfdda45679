// The report engine: what a layout is given, what it prints and where, how
// a broken layout or a wrong file is told, what is read of a datafile, and
// how an export stops part way.

#include "DatafileBuilder.h"
#include "PdfText.h"
#include "TestUnit.h"
#include "report/Report.h"
#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "report/RosterExport.h"
#include "report/RosterReports.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// The report of one layout over one datafile, given as data file number n.
Report runReport(const QString &layout, const QString &datafile, int n = 0)
{
    ReportEngine engine;
    engine.setLayoutFile(layout);
    engine.setDataFile(n, datafile);
    return engine.run();
}

// The unit's own roster layout, which reads data file 1.
Report unitRoster(const TestUnit &unit, const QString &datafile)
{
    return runReport(unit.folder.rosterLayoutPath(), datafile, 1);
}

QString reportError(ReportEngine &engine)
{
    try {
        engine.run();
    } catch (const ReportError &e) {
        return NoticeText::text(e);
    }
    return {};
}

// One duty with the given number of columns and soldiers; marks run 1, 2, ...
// with "/." on the diagonal, so each row and column is told apart.
// Periods of periodDays days each.
DutySpec wideDuty(int columns, int soldiers, int periodDays = 1)
{
    DutySpec d{u"Main Gate Guard"_s, u"Headquarters and Headquarters Company"_s, {}, {}, {}};
    for (int c = 0; c < columns; ++c) {
        d.starts.append(QDate(2027, 3, 1).addDays(c * periodDays));
        if (c % 7 == 5)
            d.holidayColumns.append(c);
    }
    for (int s = 0; s < soldiers; ++s) {
        DutySpec::Row r{u"E"_s,
                        u"S%1 Vandenberghe-Smithson, Maximilian"_s.arg(s, 3, 10, QChar(u'0')),
                        u"Support Platoon"_s,
                        {}};
        for (int c = 0; c < columns; ++c)
            r.cells.append(c == s % columns ? u"/."_s : QString::number(100 + (s + c) % 50));
        d.rows.append(r);
    }
    return d;
}

const QDate kMonday(2027, 3, 1);

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

class tst_Report : public QObject
{
    Q_OBJECT

private slots:
    void textsAreFilledIn();
    void printedInTheLanguage_data();
    void printedInTheLanguage();
    void brokenLayouts_data();
    void brokenLayouts();
    void dataFilesAreNumbered();
    void aReplacedDatafileIsReadAgain_data();
    void aReplacedDatafileIsReadAgain();
    void wrongDatafiles();
    void damagedDates_data();
    void damagedDates();
    void thirtySixColumnsFit_data();
    void thirtySixColumnsFit();
    void headerRowsRepeatOnEveryPage();
    void remarksListTheDaysOnDuty();
    void unwritablePdfIsReported();
    void columnEnds_data();
    void columnEnds();
    void differingCells_data();
    void differingCells();
    void exportStopped_data();
    void exportStopped();
};

// A layout of its own: the texts filled in from the datafile, with the
// duty's dates and their year.
void tst_Report::textsAreFilledIn()
{
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    TestUnit unit;
    const QString datafile = unit.path(u"roster.cxr"_s);
    DutySpec guard{u"Guard"_s,
                   u"HQ <&>"_s,
                   {QDate(2026, 12, 7), QDate(2026, 12, 28), QDate(2027, 1, 4)},
                   {1},
                   {{u"A"_s, u"Zulu, Amy"_s, u"1st"_s, {u"1"_s, u"/."_s, u"A"_s}},
                    {u"W"_s, u"Young, Bob"_s, u"HQ"_s, {u"/."_s, u"D"_s, u"2"_s}}}};
    writeDatafile(datafile, {DutySpec{}, guard, DutySpec{u"Kitchen"_s, {}, {}, {}, {}}});
    const QString layout = unit.path(u"values.rpt"_s);
    writeFile(layout, "# a layout of the unit's own\n[layout]\nreport = roster\n[texts]\n"
                      "title = T {{duty}}|{{organization}}|{{dateRange}}|{{dutyCount}}|{{soldierCount}}\n"
                      "subtitle =\nfooter-left = F {{file}}\nfooter-right = {{page}}/{{pages}}\n"
                      "no-soldiers = nobody here\n[columns]\nshow = name, periods, count\nname = N\n");
    const Report report = runReport(layout, datafile);
    QCOMPARE(report.title(), u"Duty roster \u2013 roster.cxr"_s);
    QCOMPARE(report.sectionCount(), 2);
    const QString pdf = unit.path(u"values.pdf"_s);
    Report::writePdf({report}, pdf, QPageSize(QPageSize::A4));
    const QList<PdfPage> pages = readPdf(pdf);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].lineOf(u"T"_s), u"T Guard|HQ <&>|7 Dec 2026 \u2013 4 Jan 2027|2|2"_s);
    // The day, the month and the weekday over each column; the count of days
    // on duty at the end of each row, most senior first.
    QCOMPARE(pages[0].lineOf(u"7"_s), u"7 28 4"_s);
    QCOMPARE(pages[0].lineOf(u"12"_s), u"12 12 1"_s);
    QCOMPARE(pages[0].lineOf(u"N"_s), u"N Mo Mo Mo Days"_s);
    QCOMPARE(pages[0].lineOf(u"Young,"_s), u"Young, Bob /. D 2 1"_s);
    QCOMPARE(pages[0].lineOf(u"Zulu,"_s), u"Zulu, Amy 1 /. A 1"_s);
    const auto top = [&](const QString &word) {
        return std::find_if(pages[0].words.begin(), pages[0].words.end(),
                            [&](const PdfWord &w) { return w.text == word; })
            ->yMin;
    };
    QVERIFY(top(u"Young,"_s) < top(u"Zulu,"_s));
    QCOMPARE(pages[0].lineOf(u"F"_s), u"F roster.cxr 1/1"_s);
    QCOMPARE(pages[1].lineOf(u"T"_s), u"T Kitchen|||2|0"_s);
    QVERIFY(pages[1].text().contains(u"nobody here"_s));
}

void tst_Report::brokenLayouts_data()
{
    QTest::addColumn<QByteArray>("layout");
    QTest::addColumn<QString>("expected");
    const QByteArray head = "[layout]\nreport = roster\n";
    QTest::newRow("no report") << QByteArray("# nothing\n[page]\norientation = landscape\n")
                               << u"does not say what it prints"_s;
    QTest::newRow("unknown section") << head + "\n[colours]\n" << u"line 4: there is no section [colours]"_s;
    QTest::newRow("unknown key") << head + "[page]\nzoom = 2\n" << u"line 4: [page] has no key 'zoom'"_s;
    QTest::newRow("key twice") << head + "report = remarks\n"
                               << u"line 3: 'report' is set twice (first in line 2)"_s;
    QTest::newRow("no section") << QByteArray("report = roster\n")
                                << u"line 1: a key must follow a [section]"_s;
    QTest::newRow("not a key") << head + "[page]\nlandscape\n"
                               << u"line 4: 'landscape' is neither a [section] nor a key = value"_s;
    QTest::newRow("unclosed section") << head + "[texts]\n\ntitle = {{#duty}}\n" << u"line 5"_s;
    QTest::newRow("unclosed tag") << head + "[texts]\nfooter-left = {{duty\n" << u"line 4"_s;
    QTest::newRow("line counted in characters, not bytes")
        << "# \xc3\x84\xc3\x96\xc3\x9c\n" + head + "[texts]\ntitle = \xe2\x80\x94 {{/x}}\n"
        << u"line 5"_s;
    QTest::newRow("orientation") << head + "[page]\norientation = sideways\n"
                                 << u"line 4: the orientation must be portrait or landscape"_s;
    QTest::newRow("data file number") << head + "datafile = x\n"
                                      << u"line 3: the data file must be a number"_s;
    QTest::newRow("report") << QByteArray("[layout]\n\nreport = soldier\n")
                            << u"line 3: report must be roster or remarks"_s;
    QTest::newRow("margin") << head + "[page]\nmargins = -4\n" << u"line 4: the margins"_s;
    QTest::newRow("paper") << head + "[page]\npaper = b5\n" << u"line 4: the paper must be"_s;
    QTest::newRow("font") << head + "[fonts]\nbody = huge\n" << u"line 4: a font is a size"_s;
    // "nan" reads as a number, and a bounds check alone lets it through.
    QTest::newRow("font not a number") << head + "[fonts]\nheader = nan\n" << u"line 4: a font is a size"_s;
    QTest::newRow("margin not a number") << head + "[page]\nmargins = 10, nan, 10, 10\n"
                                         << u"line 4: the margins"_s;
    QTest::newRow("column") << head + "[columns]\nshow = name, dates\n"
                            << u"line 4: the roster has no column 'dates'"_s;
    QTest::newRow("mark") << head + "[marks]\nassigned = sparkling\n" << u"line 4: a mark is drawn"_s;
    QTest::newRow("shade") << head + "[shading]\nholiday = #12\n" << u"line 4: a shade is a colour"_s;
    QTest::newRow("old HTML layout")
        << QByteArray("<!DOCTYPE html>\n<html>\n<meta name=\"calendrix-datafile\" content=\"1\">")
        << u"line 1: this is a layout in the old HTML form, which this version no longer reads; run "
           "'calendrix init DIR --repair'"_s;
    QTest::newRow("not text") << QByteArray("SQLite format 3\0\xff\xfe", 19) << u"is not a text file"_s;
    QTest::newRow("missing") << QByteArray() << u"does not exist"_s;
}

void tst_Report::brokenLayouts()
{
    QFETCH(QByteArray, layout);
    QFETCH(QString, expected);
    TestUnit unit;
    const QString datafile = unit.path(u"roster.cxr"_s);
    writeDatafile(datafile, {wideDuty(3, 2)});
    const QString path = unit.path(u"broken.rpt"_s);
    if (!layout.isEmpty())
        writeFile(path, layout);

    ReportEngine engine;
    engine.setLayoutFile(path);
    engine.setDataFile(0, datafile);
    const QString error = reportError(engine);
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY2(error.contains(expected), qPrintable(error));
}

void tst_Report::dataFilesAreNumbered()
{
    TestUnit unit;
    const QString datafile = unit.path(u"roster.cxr"_s);
    writeDatafile(datafile, {wideDuty(2, 1)});
    const QString layout = unit.path(u"one.rpt"_s);
    writeFile(layout, "[layout]\nreport = roster\ndatafile = 1\n");

    ReportEngine engine;
    engine.setLayoutFile(layout);
    engine.setDataFile(0, datafile);
    QVERIFY(reportError(engine).contains(u"reads data file 1, which is not set"_s));
    engine.setDataFile(1, datafile);
    QCOMPARE(engine.run().sectionCount(), 1);
    // The unit's own pair: the remarks read data file 0, the roster data file 1.
    QCOMPARE(RosterReports(engine, unit.folder.dir(), datafile).reports().size(), 2);
}

// The remarks and the roster of one datafile share what was read of it, but
// a datafile replaced between the two (by a roster run, say) is read anew.
void tst_Report::aReplacedDatafileIsReadAgain_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::newRow("same file") << false;
    QTest::newRow("replaced") << true;
}

void tst_Report::aReplacedDatafileIsReadAgain()
{
    QFETCH(bool, replaced);
    TestUnit unit;
    const QString datafile = unit.path(u"roster.cxr"_s);
    writeDatafile(datafile, {wideDuty(3, 2)});
    ReportEngine engine;
    engine.setDataFile(0, datafile);
    engine.setDataFile(1, datafile);
    engine.setLayoutFile(unit.folder.remarksLayoutPath());
    const Report remarks = engine.run();
    if (replaced) {
        const QString next = unit.path(u"next.cxr"_s);
        DutySpec other = wideDuty(3, 2);
        other.name = u"Kitchen"_s;
        writeDatafile(next, {wideDuty(3, 2), other});
        QVERIFY(QFile::remove(datafile));
        QVERIFY(QFile::rename(next, datafile));
    }
    engine.setLayoutFile(unit.folder.rosterLayoutPath());
    const Report roster = engine.run();
    QCOMPARE(remarks.sectionCount(), 1);
    QCOMPARE(roster.sectionCount(), replaced ? 2 : 1);
}

void tst_Report::wrongDatafiles()
{
    TestUnit unit;
    const QString path = unit.folder.personnelPath();
    const QByteArray before = readFile(path);

    ReportEngine engine;
    const RosterReports reports(engine, unit.folder.dir(), path);
    QVERIFY(reports.reports().isEmpty());
    const QString text = NoticeText::paragraphs(reports.failures());
    QVERIFY2(text.startsWith(u"Neither the remarks nor the roster of '%1'"_s.arg(path)), qPrintable(text));
    QVERIFY2(text.contains(u"a Calendrix personnel database"_s), qPrintable(text));
    // Looking is all that happened: not a byte changed, no journal left.
    QCOMPARE(readFile(path), before);
    QVERIFY(!QFile::exists(path + u"-journal"_s));
}

void tst_Report::damagedDates_data()
{
    QTest::addColumn<QString>("sql");      // what damages the datafile
    QTest::addColumn<QString>("sentence"); // %1: the datafile
    QTest::newRow("a column's date")
        << u"UPDATE header SET D2 = 'someday'"_s
        << u"The roster datafile '%1' is damaged: duty 'Gate Guard' has 'someday' as the date of column 2."_s;
    QTest::newRow("a column's last day")
        << u"INSERT INTO periods (DutyName, Col, \"From\", \"To\") VALUES ('Gate Guard', 1, '2027-03-01', 'x')"_s
        << u"The roster datafile '%1' is damaged: duty 'Gate Guard' has 'x' as the last day of column 1."_s;
}

void tst_Report::damagedDates()
{
    QFETCH(QString, sql);
    QFETCH(QString, sentence);
    TestUnit unit;
    const QString path = unit.path(u"March.cxr"_s);
    writeDatafile(path, {gateGuard()});
    QVERIFY(QSqlQuery(Database::open(path, FileKind::Roster).connection()).exec(sql));
    try {
        RosterData::read(path);
        QFAIL("a damaged datafile was read");
    } catch (const ReportError &e) {
        QCOMPARE(NoticeText::text(e), sentence.arg(path));
    }
}

void tst_Report::thirtySixColumnsFit_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("periodDays");
    QTest::newRow("A4") << int(QPageSize::A4) << 842.0 << 595.0 << 1;
    QTest::newRow("Letter") << int(QPageSize::Letter) << 792.0 << 612.0 << 1;
    // "28–3" and "14–20" are wider than three digits.
    QTest::newRow("A4, weeks") << int(QPageSize::A4) << 842.0 << 595.0 << 7;
    QTest::newRow("Letter, weeks") << int(QPageSize::Letter) << 792.0 << 612.0 << 7;
}

void tst_Report::thirtySixColumnsFit()
{
    QFETCH(int, paper);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(int, periodDays);
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    TestUnit unit;
    const QString datafile = unit.path(u"wide.cxr"_s);
    const DutySpec duty = wideDuty(36, 12, periodDays);
    // Longer periods print their last day too.
    QList<QDate> lastDays;
    for (const QDate &start : duty.starts)
        lastDays.append(start.addDays(periodDays - 1));
    writeDatafile(datafile, {duty}, {{duty.name, periodDays > 1 ? lastDays : QList<QDate>()}});
    const QString pdf = unit.path(u"wide.pdf"_s);
    Report::writePdf({unitRoster(unit, datafile)}, pdf, QPageSize(QPageSize::PageSizeId(paper)));

    const QList<PdfPage> pages = readPdf(pdf);
    QCOMPARE(pages.size(), 1);
    const PdfPage &page = pages.first();
    QVERIFY(page.landscape());
    QCOMPARE(qRound(page.width), qRound(width));
    QCOMPARE(qRound(page.height), qRound(height));
    const double margin = 10 / 25.4 * 72;
    for (const PdfWord &w : page.words)
        QVERIFY2(w.xMin >= margin - 1 && w.xMax <= width - margin + 1,
                 qPrintable(u"'%1' from %2 to %3 pt"_s.arg(w.text).arg(w.xMin).arg(w.xMax)));

    // Each soldier's row holds his 36 marks, in order. Long names may wrap;
    // the marks stand on the first line of the row.
    static const QRegularExpression mark(u"^(/\\.|A|D|[0-9]+)$"_s);
    for (int s = 0; s < duty.rows.size(); ++s) {
        const QString id = duty.rows[s].name.section(u' ', 0, 0);
        auto found = std::find_if(page.words.begin(), page.words.end(),
                                  [&](const PdfWord &w) { return w.text == id; });
        QVERIFY2(found != page.words.end(), qPrintable(id));
        QStringList marks;
        for (const PdfWord &w : page.lineAt(found->yCenter()))
            if (w.xMin > found->xMax && mark.match(w.text).hasMatch())
                marks.append(w.text);
        QCOMPARE(marks, duty.rows[s].cells);
    }
    // Above the rows: two letters of the weekday per column, in date order.
    static const QRegularExpression weekday(u"^(Mo|Tu|We|Th|Fr|Sa|Su)$"_s);
    QStringList weekdays = page.lineOf(u"Mo"_s).split(u' ');
    weekdays.removeIf([](const QString &w) { return !weekday.match(w).hasMatch(); });
    QString expected;
    for (const QDate &start : duty.starts)
        expected += QLocale(QLocale::English).dayName(start.dayOfWeek(), QLocale::ShortFormat).left(2);
    QCOMPARE(weekdays.join(QString()), expected);
    // Every period that is longer than a day shows its last day in the header.
    const auto firstRow = std::find_if(page.words.begin(), page.words.end(),
                                       [](const PdfWord &w) { return w.text == u"S000"_s; });
    static const QRegularExpression lastDay(u"^[0-9]*\u2013[0-9]+$"_s);
    int ends = 0;
    for (const PdfWord &w : page.words)
        if (w.yMax < firstRow->yMin && lastDay.match(w.text).hasMatch())
            ++ends;
    QCOMPARE(ends, periodDays > 1 ? 36 : 0);
}

void tst_Report::printedInTheLanguage_data()
{
    QTest::addColumn<QString>("language");  // the translation and the locale; "C": none
    QTest::addColumn<QStringList>("lines"); // of the first page, each found by its first word
    QTest::newRow("English")
        << u"C"_s
        << QStringList{u"T 29 Dec 2026 \u2013 14 Jan 2027"_s, u"Name Tu We Th Days"_s,
                       u"Guard \u00b7 page 1 of 1"_s, u"Duty roster \u2013 r.cxr"_s,
                       u"HQ \u00b7 29 Dec 2026 \u2013 14 Jan 2027 \u00b7 1 soldiers \u00b7 3 periods"_s};
    QTest::newRow("German")
        << u"de"_s
        << QStringList{
               u"T 29. Dez. 2026 \u2013 14. Jan. 2027"_s, u"Name Di Mi Do Tage"_s,
               u"Guard \u00b7 Seite 1 von 1"_s, u"Dienstplan \u2013 r.cxr"_s,
               u"HQ \u00b7 29. Dez. 2026 \u2013 14. Jan. 2027 \u00b7 1 Soldaten \u00b7 3 Zeitr\u00e4ume"_s};
    QTest::newRow("Bokm\u00e5l")
        << u"nb"_s
        << QStringList{u"T 29. des. 2026 \u2013 14. jan. 2027"_s, u"Navn ti on to Dager"_s,
                       u"Guard \u00b7 side 1 av 1"_s, u"Vaktliste \u2013 r.cxr"_s,
                       u"HQ \u00b7 29. des. 2026 \u2013 14. jan. 2027 \u00b7 1 soldater \u00b7 3 perioder"_s};
}

// The fixed texts of the engine, the month and weekday names follow the
// language, and so does a text of the shipped layouts that the unit kept;
// the layout's own texts are printed as they stand.
void tst_Report::printedInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, lines);
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    QTranslator translator;
    const QLocale before;
    const auto restore = qScopeGuard([&] {
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(before);
    });
    QLocale::setDefault(QLocale(language));
    if (language != u"C")
        QVERIFY(translator.load(QM_FOLDER u"/reports_"_s + language + u".qm"_s) &&
                QCoreApplication::installTranslator(&translator));
    TestUnit unit;
    const QString datafile = unit.path(u"r.cxr"_s);
    writeDatafile(datafile, {{u"Guard"_s,
                              u"HQ"_s,
                              {QDate(2026, 12, 29), QDate(2027, 1, 6), QDate(2027, 1, 14)},
                              {},
                              {{u"A"_s, u"Zulu, Amy"_s, u"1st"_s, {u"1"_s, u"/."_s, u"A"_s}}}}});
    const QString layout = unit.path(u"l.rpt"_s);
    writeFile(layout, "[layout]\nreport = roster\n[texts]\ntitle = T {{dateRange}}\nfooter-left =\n"
                      "subtitle = {{organization}} \u00b7 {{dateRange}} \u00b7 {{soldierCount}} soldiers "
                      "\u00b7 {{columnCount}} periods\n"
                      "[columns]\nshow = name, periods, count\n");
    const Report report = runReport(layout, datafile);
    const QString pdf = unit.path(u"r.pdf"_s);
    Report::writePdf({report}, pdf, QPageSize(QPageSize::A4));
    const QList<PdfPage> pages = readPdf(pdf);
    QCOMPARE(pages.size(), 1);
    for (const QString &line : lines.mid(0, 3) + lines.mid(4))
        QCOMPARE(pages[0].lineOf(line.section(u' ', 0, 0)), line);
    QCOMPARE(report.title(), lines[3]);
}

void tst_Report::headerRowsRepeatOnEveryPage()
{
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    TestUnit unit;
    const QString datafile = unit.path(u"long.cxr"_s);
    writeDatafile(datafile, {wideDuty(10, 140)});
    const QString pdf = unit.path(u"long.pdf"_s);

    Report::writePdf({unitRoster(unit, datafile)}, pdf, QPageSize(QPageSize::A4));
    const QList<PdfPage> pages = readPdf(pdf);
    QVERIFY2(pages.size() >= 3 && pages.size() <= 6, qPrintable(QString::number(pages.size())));
    for (int i = 0; i < pages.size(); ++i) {
        const PdfPage &page = pages[i];
        QVERIFY(page.landscape());
        QVERIFY(page.text().contains(u"Main Gate Guard \u00b7 page %1 of %2"_s.arg(i + 1).arg(pages.size())));
        // Above the first soldier of every page: the duty and its ten dates.
        double rowsTop = page.height;
        for (const PdfWord &w : page.words)
            if (w.text == u"CPL"_s)
                rowsTop = std::min(rowsTop, w.yMin);
        QStringList above;
        for (const PdfWord &w : page.words)
            if (w.yMax <= rowsTop)
                above.append(w.text);
        for (const QString &expected : {u"Guard"_s, u"1"_s, u"10"_s, u"We"_s})
            QVERIFY2(above.contains(expected), qPrintable(u"page %1: %2"_s.arg(i + 1).arg(above.join(u' '))));
    }
    // Every soldier is printed once.
    int rows = 0;
    for (const PdfPage &p : pages)
        rows += int(std::count_if(p.words.begin(), p.words.end(),
                                  [](const PdfWord &w) { return w.text == u"Maximilian"_s; }));
    QCOMPARE(rows, 140);
}

void tst_Report::remarksListTheDaysOnDuty()
{
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    TestUnit unit;
    const QString datafile = unit.path(u"r.cxr"_s);
    DutySpec d{u"Fire Picket"_s,
               u"2nd Platoon"_s,
               {QDate(2027, 5, 3), QDate(2027, 5, 10), QDate(2027, 5, 17)},
               {},
               {{u"F"_s, u"Okafor, Ines"_s, u"HQ Section"_s, {u"/."_s, u"1"_s, u"/."_s}},
                {u"B"_s, u"Lane, Sam"_s, u"1st Platoon"_s, {u"1"_s, u"/."_s, u"A"_s}}}};
    writeDatafile(datafile, {d});
    ReportEngine engine;
    const RosterReports reports(engine, unit.folder.dir(), datafile);
    QVERIFY2(reports.complete(), qPrintable(NoticeText::paragraphs(reports.failures())));
    const QString pdf = unit.path(u"r.pdf"_s);
    Report::writePdf(reports.reports(), pdf, QPageSize(QPageSize::A4));
    const QList<PdfPage> pages = readPdf(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(!pages[0].landscape());
    QVERIFY(pages[1].landscape());
    const QString remarks = pages[0].text();
    QCOMPARE(pages[0].lineOf(u"SGT"_s), u"SGT Okafor, Ines HQ Section 3 May 2027, 17 May 2027 2"_s);
    QCOMPARE(pages[0].lineOf(u"PV2"_s), u"PV2 Lane, Sam 1st Platoon 10 May 2027 1"_s);
    QVERIFY2(remarks.contains(u"3 May 2027 – 17 May 2027"_s), qPrintable(remarks));
    QVERIFY(remarks.contains(u"r.cxr \u00b7 remarks"_s));
}

void tst_Report::unwritablePdfIsReported()
{
    TestUnit unit;
    const QString datafile = unit.path(u"e.cxr"_s);
    writeDatafile(datafile, {wideDuty(2, 2)});
    const Report report = unitRoster(unit, datafile);
    const QString target = unit.path(u"no such folder/out.pdf"_s);
    try {
        Report::writePdf({report}, target, QPageSize(QPageSize::A4));
        QFAIL("a PDF in a missing folder was reported as written");
    } catch (const ReportError &e) {
        QCOMPARE(NoticeText::text(e),
                 u"The file '%1' cannot be written: No such file or directory."_s.arg(target));
    }
}

void tst_Report::columnEnds_data()
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

void tst_Report::columnEnds()
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

void tst_Report::differingCells_data()
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
void tst_Report::differingCells()
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

void tst_Report::exportStopped_data()
{
    QTest::addColumn<QStringList>("formats");
    QTest::addColumn<double>("at"); // the share of the steps done when Stop is pressed
    for (const QStringList &formats : {QStringList{u"ics"_s}, QStringList{u"xlsx"_s}, QStringList{u"csv"_s},
                                       QStringList{u"ics"_s, u"xlsx"_s, u"csv"_s}})
        for (const double at : {0.0, 0.5, 0.99})
            QTest::addRow("%s at %d%%", qPrintable(formats.join(u'+')), int(at * 100)) << formats << at;
}

// Stopping an export part way, as the window's "Stop" does: nothing is put
// in place, and no scratch file or new folder is left behind.
void tst_Report::exportStopped()
{
    QFETCH(QStringList, formats);
    QFETCH(double, at);
    TestUnit unit;
    const QString datafile = unit.path(u"march.cxr"_s);
    QList<DutySpec> duties(4, wideDuty(2, 5));
    for (int d = 0; d < duties.size(); ++d)
        duties[d].name = u"Duty %1"_s.arg(d);
    writeDatafile(datafile, duties);
    const QTemporaryDir out;
    const ExportTargets targets{formats.contains(u"ics"_s) ? out.filePath(u"calendars"_s) : QString(),
                                formats.contains(u"xlsx"_s) ? out.filePath(u"r.xlsx"_s) : QString(),
                                formats.contains(u"csv"_s) ? out.filePath(u"r.csv"_s) : QString()};
    const RosterExport roster(datafile);
    int calls = 0, lastDone = 0, lastTotal = 0;
    bool stopped = false;
    try {
        roster.write(targets, [&](int done, int total) {
            ++calls;
            // Steps only go forward, within the total.
            if (done < lastDone || done > total || (lastTotal && total != lastTotal))
                return false;
            lastDone = done;
            lastTotal = total;
            return done < std::max(1, int(at * total));
        });
    } catch (const ExportStopped &) {
        stopped = true;
    }
    QVERIFY(stopped);
    QVERIFY(calls >= 1);
    QVERIFY(lastTotal > 1);
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());

    // Without Stop, the same export reaches its total and writes every target.
    int finalDone = 0, finalTotal = 0;
    const auto written = roster.write(targets, [&](int done, int total) {
        finalDone = done;
        finalTotal = total;
        return true;
    });
    QCOMPARE(written.size(), formats.size());
    QCOMPARE(finalDone, finalTotal);
    QCOMPARE(finalTotal, lastTotal);
}

QTEST_MAIN(tst_Report)
#include "tst_Report.moc"
