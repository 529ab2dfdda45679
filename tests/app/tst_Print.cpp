// calendrix print on the example company: what is printed, on which pages,
// and in which row and column, read back from the PDF.

#include "../TestUnit.h"
#include "../report/DatafileBuilder.h"
#include "../report/PdfText.h"
#include "RunCalendrix.h"
#include "SmallDisk.h"
#include "store/Database.h"
#include "store/RecordSet.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <pty.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

struct Unit {
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(u"unit"_s); }
    QString datafile() const { return dir.filePath(u"unit/january.cxr"_s); }
    QString pdf() const { return dir.filePath(u"january.pdf"_s); }
    // calendrix print into pdf, of the unit's datafile unless another is named.
    QStringList print(const QString &pdf, const QString &file = {}) const
    {
        return {u"print"_s, file.isEmpty() ? datafile() : file, u"--data"_s, folder(), u"--pdf"_s, pdf};
    }
};

// Enough memory for any print, so that a layout asking for more fails at
// once instead of taking the machine's memory. Sanitizers reserve far more
// address space than they use, so their builds go without.
std::function<void()> memoryLimit()
{
#if defined(__SANITIZE_ADDRESS__)
    return {};
#else
    return [] {
        const rlimit limit{rlim_t(3) << 30, rlim_t(3) << 30};
        setrlimit(RLIMIT_AS, &limit);
    };
#endif
}

// A layout around one line of its own, which stands in line 5; the remarks
// read data file 0, the roster data file 1.
QByteArray layoutWith(const QByteArray &line, int dataFile = 1)
{
    return "[layout]\nreport = " + QByteArray(dataFile == 1 ? "roster" : "remarks") +
           "\ndatafile = " + QByteArray::number(dataFile) + "\n[texts]\n" + line + "\n";
}

// The largest file the program may write, as a quota would have it: a write
// beyond it fails with EFBIG rather than ending the process.
std::function<void()> fileSizeLimit(rlim_t bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
}

} // namespace

class tst_Print : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void companyRoster();
    void draftSaysSoOnEveryPage();
    void progressOnATerminal();
    void killedPrintLeavesNothingBehind();
    void reportsPrintInASansFont_data();
    void reportsPrintInASansFont();
    void writeFails_data();
    void writeFails();
    void unusableLayout_data();
    void unusableLayout();
    void changedRoster_data();
    void changedRoster();

private:
    Unit m_small; // a unit without duties: its datafile prints in no time
    Unit m_company;
    QList<DatafileDuty> m_duties;
};

void tst_Print::initTestCase()
{
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    QCOMPARE(runCalendrix({u"demo"_s, m_company.folder(), u"--from"_s, u"2027-01-04"_s}).status, 0);
    QCOMPARE(runCalendrix({u"make"_s, m_company.datafile(), u"--data"_s, m_company.folder()}).status, 0);
    m_duties = readDatafile(m_company.datafile());
    QCOMPARE(m_duties.size(), 10);
    QVERIFY(runCalendrix({u"init"_s, m_small.folder()}).status == 0);
    QVERIFY(runCalendrix({u"make"_s, m_small.datafile(), u"--data"_s, m_small.folder()}).status == 0);
}

void tst_Print::companyRoster()
{
    const Result r = runCalendrix(m_company.print(m_company.pdf()));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err)); // nothing to say when all went well
    const QList<PdfPage> pages = readPdf(m_company.pdf());
    QVERIFY(!pages.isEmpty());
    // The document's title names both reports and the datafile.
    QProcess info;
    info.start(u"pdfinfo"_s, {m_company.pdf()});
    QVERIFY(info.waitForFinished());
    const QString title = QString::fromUtf8(info.readAllStandardOutput()).section(u'\n', 0, 0);
    QCOMPARE(title.section(u':', 1).trimmed(),
             u"Remarks and Duty roster \u2013 "_s + QFileInfo(m_company.datafile()).fileName());

    // The remarks come first, upright; then the roster, every page landscape.
    int firstRosterPage = 0;
    while (firstRosterPage < pages.size() && !pages[firstRosterPage].landscape())
        ++firstRosterPage;
    QVERIFY(firstRosterPage > 0);
    const int rosterPages = int(pages.size()) - firstRosterPage;
    QVERIFY2(rosterPages >= 10 && rosterPages <= 40, qPrintable(QString::number(rosterPages)));
    for (int i = firstRosterPage; i < pages.size(); ++i)
        QVERIFY2(pages[i].landscape(), qPrintable(u"page %1"_s.arg(i + 1)));
    QVERIFY2(firstRosterPage <= 40, qPrintable(QString::number(firstRosterPage)));

    QString remarks, roster;
    for (int i = 0; i < pages.size(); ++i)
        (i < firstRosterPage ? remarks : roster) += pages[i].text() + u' ';
    for (const DatafileDuty &d : m_duties) {
        QVERIFY2(remarks.contains(d.name), qPrintable(d.name));
        QVERIFY2(roster.contains(d.name), qPrintable(d.name));
    }
    QVERIFY(!(remarks + roster).contains(u"DRAFT"_s));

    // Each duty starts a page of its own, in the datafile's order.
    int page = firstRosterPage;
    for (const DatafileDuty &d : m_duties) {
        while (page < pages.size() && !pages[page].text().startsWith(d.name))
            ++page;
        QVERIFY2(page < pages.size(), qPrintable(d.name + u" has no page of its own"_s));
    }
}

// A printed draft can never pass for the roster that counts: its title and
// footer say so on every page of both reports.
void tst_Print::draftSaysSoOnEveryPage()
{
    const QString datafile = m_company.dir.filePath(u"january-draft.cxr"_s);
    const Result made = runCalendrix({u"make"_s, datafile, u"--draft"_s, u"--data"_s, m_company.folder()});
    QVERIFY2(made.status == 0, qPrintable(made.err));
    const QString pdf = m_company.dir.filePath(u"draft.pdf"_s);
    const Result r = runCalendrix(m_company.print(pdf, datafile));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QList<PdfPage> pages = readPdf(pdf);
    QVERIFY(pages.size() > 20);
    for (int i = 0; i < pages.size(); ++i) {
        const QString text = pages[i].text();
        const qsizetype notices = text.count(u"DRAFT \u2014 not counted"_s);
        QVERIFY2(notices == 2, qPrintable(u"page %1: %2"_s.arg(i + 1).arg(text.left(300))));
        // One at the top of the page (the title), one at the bottom (the footer).
        QList<double> heights;
        for (const PdfWord &w : pages[i].words)
            if (w.text == u"DRAFT"_s)
                heights.append(w.yCenter() / pages[i].height);
        QVERIFY2(heights.size() == 2 && heights.first() < 0.2 && heights.last() > 0.8,
                 qPrintable(u"page %1"_s.arg(i + 1)));
    }
}

// On a terminal, print tells how far it is on one line that it rewrites and
// leaves empty at the end (in a pipe it says nothing: see companyRoster).
void tst_Print::progressOnATerminal()
{
    // The terminal is read once the program has ended, so what it shows
    // must fit the terminal's buffer: the company's ten duties do.
    int terminal = -1, stderrEnd = -1;
    QVERIFY(::openpty(&terminal, &stderrEnd, nullptr, nullptr, nullptr) == 0);
    const Result r = runCalendrix(m_company.print(m_company.pdf()) << u"--replace"_s,
                                  [stderrEnd] { ::dup2(stderrEnd, STDERR_FILENO); });
    ::fcntl(terminal, F_SETFL, O_NONBLOCK);
    QByteArray shown;
    char buffer[4096];
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, n);
    ::close(terminal);
    ::close(stderrEnd);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(u"wrote "_s));

    const QString text = QString::fromUtf8(shown);
    QVERIFY2(!text.contains(u'\n'), qPrintable(text));
    const QString file = QFileInfo(m_company.datafile()).fileName();
    QStringList lines = text.split(u"\r\x1b[K"_s);
    QVERIFY2(lines.size() > 3, qPrintable(text));
    QCOMPARE(lines.takeFirst(), QString());
    QCOMPARE(lines.takeLast(), QString()); // the line is left empty
    QCOMPARE(lines.takeFirst(), u"Reading %1..."_s.arg(file));
    QStringList expected;
    for (const QString &report : {u"Remarks"_s, u"Duty roster"_s})
        for (int d = 1; d <= m_duties.size(); ++d)
            expected.append(
                u"Printing %1 \u2013 %2: duty %3 of %4"_s.arg(report, file).arg(d).arg(m_duties.size()));
    lines.removeAll(QString());
    QCOMPARE(lines, expected);
}

// A print killed half-way (here by the signal of the file size limit) leaves
// no part of the PDF, only its scratch file, which the next print there sweeps.
void tst_Print::killedPrintLeavesNothingBehind()
{
    QTemporaryDir out;
    const QString pdf = out.filePath(u"kill.pdf"_s);
    const QStringList args = m_company.print(pdf);
    const Result killed = runCalendrix(args, [] {
        const rlimit size{64 * 1024, 64 * 1024};
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_FSIZE, &size);
        setrlimit(RLIMIT_CORE, &noCore);
    });
    QCOMPARE(killed.status, -1);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QVERIFY(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).constFirst().startsWith(u".calendrix-"_s));

    const Result r = runCalendrix(args);
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"kill.pdf"_s});
}

// The font packages the program's package accepts, each alone on the
// system: the reports print in a sans-serif face of it, never in whatever
// the font database finds first.
void tst_Print::reportsPrintInASansFont_data()
{
    QTest::addColumn<QString>("fonts");
    QTest::newRow("fonts-dejavu-core") << u"/usr/share/fonts/truetype/dejavu"_s;
    QTest::newRow("fonts-liberation2") << u"/usr/share/fonts/truetype/liberation2"_s;
}

void tst_Print::reportsPrintInASansFont()
{
    QFETCH(QString, fonts);
    if (!QFileInfo(fonts).isDir())
        QSKIP("the font package is not installed");
    QTemporaryDir dir;
    const QString config = dir.filePath(u"fonts.conf"_s);
    writeFile(config, u"<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>%1</dir>\n<cachedir>%2</cachedir>\n"
                      "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n</fontconfig>\n"_s
                          .arg(fonts, dir.filePath(u"cache"_s))
                          .toUtf8());
    const QByteArray earlier = qgetenv("FONTCONFIG_FILE");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config));
    const QString roster = dir.filePath(u"roster.pdf"_s), fairness = dir.filePath(u"fairness.pdf"_s);
    const Result printed = runCalendrix(m_small.print(roster));
    const Result fair = runCalendrix({u"fairness"_s, u"--data"_s, m_company.folder(), u"--pdf"_s, fairness});
    if (earlier.isNull())
        qunsetenv("FONTCONFIG_FILE");
    else
        qputenv("FONTCONFIG_FILE", earlier);
    QVERIFY2(printed.status == 0, qPrintable(printed.err));
    QVERIFY2(fair.status == 0, qPrintable(fair.err));
    for (const QString &pdf : {roster, fairness}) {
        QProcess list;
        list.start(u"pdffonts"_s, {pdf});
        QVERIFY(list.waitForFinished());
        // The name column after two heading lines, without the subset tag.
        const QStringList lines =
            QString::fromUtf8(list.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() > 2, qPrintable(pdf));
        for (const QString &line : lines.mid(2)) {
            const QString name = line.section(u' ', 0, 0).section(u'+', -1);
            QVERIFY2(name.contains(u"Sans"_s) && !name.contains(u"Mono"_s), qPrintable(pdf + u": "_s + name));
        }
    }
}

// A file system filling up part way, or a file size limit as a quota would
// set it: the sizes that end on a boundary of Qt's write buffer were once
// taken for a finished file, others were told as an "Unknown error" rather
// than by the system's reason.
void tst_Print::writeFails_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("before"); // an earlier OUT.pdf, replaced
    QTest::addColumn<int>("reason");        // ENOSPC: a small disk; EFBIG: a file size limit
    for (const int reason : {ENOSPC, EFBIG})
        for (const qint64 kb : {64, 128, 256}) {
            const char *how = reason == ENOSPC ? "disk" : "limit";
            QTest::addRow("print %lldk %s", kb, how) << u"print"_s << kb * 1024 << QByteArray() << reason;
            QTest::addRow("print %lldk %s over an earlier file", kb, how)
                << u"print"_s << kb * 1024 << QByteArray("the clerk's own file") << reason;
        }
    for (const qint64 kb : {8, 16, 24})
        QTest::addRow("fairness %lldk disk", kb) << u"fairness"_s << kb * 1024 << QByteArray() << ENOSPC;
}

void tst_Print::writeFails()
{
    QFETCH(QString, command);
    QFETCH(qint64, size);
    QFETCH(QByteArray, before);
    QFETCH(int, reason);
    std::optional<SmallDisk> disk;
    const QTemporaryDir limited;
    if (reason == ENOSPC && !disk.emplace(size).isMounted())
        QSKIP("mounting a small file system is not permitted here");
    const QString pdf = (disk ? disk->path() : limited.path()) + u"/january.pdf"_s;
    if (!before.isEmpty())
        writeFile(pdf, before);
    const Result r = runCalendrix(
        command == u"print" ? m_company.print(pdf) << u"--replace"_s
                            : QStringList{u"fairness"_s, u"--data"_s, m_company.folder(), u"--pdf"_s, pdf},
        reason == EFBIG ? fileSizeLimit(rlim_t(size)) : std::function<void()>());
    // A PDF that could not be written whole is an error that says why (errno
    // reason), and neither a part of it nor a scratch file is left; an earlier
    // file stays as it was.
    QCOMPARE(r.status, 1);
    const QStringList errors = errorLines(r);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QDir::toNativeSeparators(pdf)), qPrintable(r.err));
    QVERIFY2(errors[0].contains(QString::fromLocal8Bit(std::strerror(reason))), qPrintable(r.err));
    QVERIFY2(!r.out.contains(u"wrote"_s), qPrintable(r.out));
    if (before.isEmpty())
        QVERIFY(!QFile::exists(pdf));
    else
        QCOMPARE(readFile(pdf), before);
    const QStringList left = QDir(QFileInfo(pdf).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2((!name.contains(QFileInfo(pdf).completeBaseName()) && !name.startsWith(u".calendrix-"_s)) ||
                     name == QFileInfo(pdf).fileName(),
                 qPrintable(name));
}

void tst_Print::unusableLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("line"); // 0: the file as a whole

    const QString roster = u"Roster.rpt"_s;
    const QString remarks = u"Remarks.rpt"_s;
    QTest::newRow("only white space") << remarks << QByteArray(" \r\n\t\n   \n") << u"is empty"_s << 0;
    QTest::newRow("60 MB") << roster << layoutWith(QByteArray(60 << 20, 'x')) << u"is larger than 1 MB"_s
                           << 0;
    QTest::newRow("30,000 nested sections")
        << roster
        << layoutWith("title = " + QByteArray("{{#duty}}").repeated(30000) + "x" +
                      QByteArray("{{/duty}}").repeated(30000))
        << u"sections are nested more than 64 deep"_s << 5;
    QTest::newRow("an unclosed tag") << remarks << layoutWith("footer-left = {{file", 0) << u"Unclosed tag"_s
                                     << 5;
}

// A layout that would take the machine's memory or never finish is refused
// with its name and line; the other report is still printed.
void tst_Print::unusableLayout()
{
    QFETCH(QString, layout);
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    QFETCH(int, line);
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"unit"_s);
    QCOMPARE(runCalendrix({u"init"_s, unit}).status, 0);
    const QString path = QDir(unit).filePath(layout);
    writeFile(path, content);
    const QString pdf = dir.filePath(u"out.pdf"_s);
    const Result r =
        runCalendrix({u"print"_s, m_small.datafile(), u"--data"_s, unit, u"--pdf"_s, pdf}, memoryLimit());
    QCOMPARE(r.status, 1);
    const QStringList errors = errorLines(r);
    QCOMPARE(errors.size(), 1);
    const QString where = line > 0 ? u"The layout '%1' has an error in line %2: "_s.arg(path).arg(line)
                                   : u"The layout '%1' "_s.arg(path);
    QVERIFY2(errors[0].contains(where), qPrintable(errors[0]));
    QVERIFY2(errors[0].contains(says), qPrintable(errors[0]));
    QVERIFY2(errors[0].startsWith(u"ERROR: The %1 of '%2' could not be printed."_s.arg(
                 layout == u"Roster.rpt" ? u"roster"_s : u"remarks"_s, m_small.datafile())),
             qPrintable(errors[0]));
    // The other report is printed all the same: the remarks upright, the roster across.
    const QList<PdfPage> pages = readPdf(pdf);
    QVERIFY(!pages.isEmpty());
    for (const PdfPage &p : pages)
        QCOMPARE(p.landscape(), layout == u"Remarks.rpt");
}

void tst_Print::changedRoster_data()
{
    QTest::addColumn<bool>("earlierLayouts"); // without the keys for changes after the run
    QTest::addColumn<QString>("explained");
    QTest::newRow("shipped layouts") << false << u"holiday \u00b7 R replaced \u00b7 S swapped"_s;
    QTest::newRow("layouts of an earlier version") << true << u"periods (R replaced, S swapped); see"_s;
}

// A period handed to another soldier after the run: a line under the grid
// that explains the marks, and the change with its reason in the remarks.
void tst_Print::changedRoster()
{
    QFETCH(bool, earlierLayouts);
    QFETCH(QString, explained);
    QTemporaryDir dir;
    const QString unit = dir.filePath(u"unit"_s), datafile = dir.filePath(u"changed.cxr"_s);
    QCOMPARE(runCalendrix({u"init"_s, unit}).status, 0);
    for (const QString &name : {u"Roster.rpt"_s, u"Remarks.rpt"_s}) {
        QByteArray layout = readFile(QDir(unit).filePath(name));
        if (earlierLayouts) {
            QList<QByteArray> lines =
                layout.replace(" \u00b7 R replaced \u00b7 S swapped"_ba, {}).split('\n');
            lines.removeIf([](const QByteArray &l) {
                return l.startsWith("change") || l.startsWith("replaced") || l.startsWith("swapped");
            });
            layout = lines.join('\n');
        }
        writeFile(QDir(unit).filePath(name), layout);
    }
    QVERIFY(QFile::copy(m_company.datafile(), datafile));
    const DatafileDuty &duty = m_duties.constFirst();
    QString off, on;
    for (const DatafileDuty::Soldier &s : duty.soldiers)
        (s.cells[0] == u"/." ? off : on) = s.name;
    Database db = Database::open(datafile, FileKind::Roster);
    db.exec(u"UPDATE storeage SET C1 = CASE SoldierName WHEN '%1' THEN 'R' ELSE '/.' END "
            "WHERE DutyName = '%3' AND SoldierName IN ('%1', '%2')"_s.arg(off, on, duty.name),
            NoticeCode::DatabaseFailed);
    db.exec(u"INSERT INTO changes (Made, Kind, DutyName, Col, SoldierOff, SoldierOn, Reason) VALUES "
            "('2027-01-05T14:03:00', 'replace', '%3', 1, '%1', '%2', 'Fever, sent home')"_s.arg(off, on,
                                                                                                duty.name),
            NoticeCode::DatabaseFailed);
    db.close();
    const Result r =
        runCalendrix({u"print"_s, datafile, u"--data"_s, unit, u"--pdf"_s, m_company.pdf(), u"--replace"_s});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QString remarks, roster;
    for (const PdfPage &page : readPdf(m_company.pdf()))
        (page.landscape() ? roster : remarks) += page.text() + u' ';
    QVERIFY(roster.contains(u"Changed after the run in 1 of its periods"_s));
    QVERIFY2(roster.contains(explained), qPrintable(roster.right(400)));
    QVERIFY2(
        remarks.contains(u"Changed after the run 4 Jan 2027: %1 instead of %2 (replaced on 5 Jan 2027 14:03) "
                         "\u2014 Fever, sent home"_s.arg(on, off)),
        qPrintable(remarks.left(2000)));
}

QTEST_MAIN(tst_Print)
#include "tst_Print.moc"
