// calendrix print on the example company: what is printed, on which pages,
// and in which row and column, read back from the PDF.

#include "../TestUnit.h"
#include "../report/PdfText.h"
#include "Database.h"
#include "RecordSet.h"
#include "RunCalendrix.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// What the datafile holds for one duty, read straight from its tables.
struct ExpectedDuty {
    QString name;
    QList<QDate> starts;
    QMap<QString, QStringList> cells; // by soldier name
};

QList<ExpectedDuty> readDatafile(const QString &path)
{
    QList<ExpectedDuty> duties;
    const Database db = Database::open(path, FileKind::Roster);
    RecordSet header(db, u"header"_s);
    for (header.moveFirst(); !header.eof(); header.moveNext()) {
        ExpectedDuty d{header.text(1), {}, {}};
        for (int c = 0; c < 36 && !header.text(5 + c).isEmpty(); ++c)
            d.starts.append(QDate::fromString(header.text(5 + c), Qt::ISODate));
        duties.append(d);
    }
    RecordSet sheet(db, u"storeage"_s);
    for (sheet.moveFirst(); !sheet.eof(); sheet.moveNext())
        for (ExpectedDuty &d : duties)
            if (d.name == sheet.text(1)) {
                QStringList cells;
                for (int c = 0; c < d.starts.size(); ++c)
                    cells.append(sheet.text(5 + c));
                d.cells.insert(sheet.text(2), cells);
            }
    return duties;
}

struct Unit {
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(u"unit"_s); }
    QString datafile() const { return dir.filePath(u"unit/january.cxr"_s); }
    QString pdf() const { return dir.filePath(u"january.pdf"_s); }
};

bool makeCompany(Unit &unit)
{
    return runCalendrix({u"demo"_s, unit.folder(), u"--from"_s, u"2027-01-04"_s}).status == 0 &&
           runCalendrix({u"make"_s, unit.datafile(), u"--data"_s, unit.folder()}).status == 0;
}

const QRegularExpression kMark(u"^(/\\.|A|D|[0-9]+)$"_s);

QStringList errorLines(const Result &r)
{
    return r.err.split(u'\n').filter(QRegularExpression(u"^ERROR: "_s));
}

// A small file system of its own that fills up, unmounted when done.
struct SmallDisk {
    QTemporaryDir dir;
    bool mounted = false;
    explicit SmallDisk(const QString &size)
    {
        mounted = QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size="_s + size, u"tmpfs"_s,
                                                 dir.path()}) == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute(u"umount"_s, {dir.path()});
    }
};

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
    void missingRemarksLayout();
    void notADatafile_data();
    void notADatafile();
    void existingPdf();
    void fullDisk_data();
    void fullDisk();
    void fileTooLarge_data();
    void fileTooLarge();

private:
    void checkNothingWritten(const Result &r, const QString &pdf, const QByteArray &before) const;
    Unit m_company;
    QList<ExpectedDuty> m_duties;
};

void tst_Print::initTestCase()
{
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    QVERIFY(makeCompany(m_company));
    m_duties = readDatafile(m_company.datafile());
    QCOMPARE(m_duties.size(), 10);
}

void tst_Print::companyRoster()
{
    const Result r = runCalendrix(
        {u"print"_s, m_company.datafile(), u"--data"_s, m_company.folder(), u"--pdf"_s, m_company.pdf()});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err)); // nothing to say when all went well
    const QList<PdfPage> pages = readPdf(m_company.pdf());
    QVERIFY(!pages.isEmpty());

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
    for (const ExpectedDuty &d : m_duties) {
        QVERIFY2(remarks.contains(d.name), qPrintable(d.name));
        QVERIFY2(roster.contains(d.name), qPrintable(d.name));
    }

    // On each duty's first roster page: a weekday initial per period, the
    // day and month under it, and every soldier's marks under their dates.
    int checkedRows = 0;
    int page = firstRosterPage;
    for (const ExpectedDuty &d : m_duties) {
        while (page < pages.size() && !pages[page].text().startsWith(d.name))
            ++page;
        QVERIFY2(page < pages.size(), qPrintable(d.name + u" has no page of its own"_s));
        const PdfPage &p = pages[page];
        QSet<QString> nameWords;
        for (const QString &name : d.cells.keys())
            for (const QString &word : name.split(u' '))
                nameWords.insert(word);
        double firstRowTop = p.height;
        for (const PdfWord &w : p.words)
            if (nameWords.contains(w.text))
                firstRowTop = std::min(firstRowTop, w.yMin);
        static const QRegularExpression weekday(u"^[MTWFS]$"_s);
        static const QRegularExpression digits(u"^[0-9]+$"_s);
        QList<PdfWord> weekdays;
        for (const PdfWord &w : p.words)
            if (w.yMax < firstRowTop && weekday.match(w.text).hasMatch())
                weekdays.append(w);
        std::sort(weekdays.begin(), weekdays.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
        QCOMPARE(weekdays.size(), d.starts.size());
        const auto columnOf = [&](double x) {
            int best = 0;
            for (int c = 1; c < weekdays.size(); ++c)
                if (qAbs(weekdays[c].xCenter() - x) < qAbs(weekdays[best].xCenter() - x))
                    best = c;
            return best;
        };
        QMap<int, QStringList> stacked; // column -> day and month, top to bottom
        for (const PdfWord &w : p.words)
            if (w.yMax < firstRowTop && w.yMin > weekdays.first().yMin - 2.6 * (w.yMax - w.yMin) &&
                w.xMin > weekdays.first().xMin - 8 && digits.match(w.text).hasMatch())
                stacked[columnOf(w.xCenter())].append(w.text);
        for (int c = 0; c < d.starts.size(); ++c) {
            QCOMPARE(weekdays[c].text,
                     QLocale(QLocale::English).dayName(d.starts[c].dayOfWeek(), QLocale::NarrowFormat));
            QCOMPARE(stacked.value(c),
                     (QStringList{QString::number(d.starts[c].day()), QString::number(d.starts[c].month())}));
        }
        for (auto it = d.cells.constBegin(); it != d.cells.constEnd(); ++it) {
            const QString surname = it.key().section(u' ', 0, 0);
            const QString rest = it.key().section(u' ', 1);
            for (const PdfWord &w : p.words) {
                if (w.text != surname)
                    continue;
                const QList<PdfWord> line = p.lineAt(w.yCenter());
                QStringList words;
                for (const PdfWord &x : line)
                    words.append(x.text);
                // The whole name and nothing more ("Lane, Sofia" is not "Lane, Sofia V.").
                const qsizetype at = words.indexOf(surname);
                const qsizetype n = it.key().count(u' ') + 1;
                if (words.mid(at, n).join(u' ') != it.key() ||
                    (at + n < words.size() && !kMark.match(words[at + n]).hasMatch()))
                    continue;
                QStringList marks(d.starts.size());
                for (const PdfWord &x : line)
                    if (x.xMin > w.xMax && kMark.match(x.text).hasMatch() &&
                        !rest.split(u' ').contains(x.text))
                        marks[columnOf(x.xCenter())] = x.text;
                QCOMPARE(marks, it.value());
                ++checkedRows;
            }
        }
    }
    QVERIFY2(checkedRows >= 200, qPrintable(QString::number(checkedRows)));
}

void tst_Print::missingRemarksLayout()
{
    Unit unit;
    QVERIFY(makeCompany(unit));
    QVERIFY(QFile::remove(QDir(unit.folder()).filePath(u"Remarks.rpt"_s)));
    const Result r =
        runCalendrix({u"print"_s, unit.datafile(), u"--data"_s, unit.folder(), u"--pdf"_s, unit.pdf()});
    QCOMPARE(r.status, 1);
    // One line says what was not printed and why.
    const QStringList errors = r.err.split(u'\n').filter(QRegularExpression(u"^ERROR: "_s));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(
        errors.first().startsWith(u"ERROR: The remarks of '%1' could not be printed."_s.arg(unit.datafile())),
        qPrintable(r.err));
    QVERIFY(errors.first().contains(u"Remarks.rpt' does not exist"_s));
    const QList<PdfPage> pages = readPdf(unit.pdf());
    QVERIFY(!pages.isEmpty());
    for (const PdfPage &p : pages)
        QVERIFY(p.landscape());
}

void tst_Print::notADatafile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("says");
    QTest::newRow("the working database") << u"Memory.mdb"_s << u"a Calendrix working database"_s;
    QTest::newRow("a layout") << u"Roster.rpt"_s << u"not a database file"_s;
    QTest::newRow("missing") << u"february.cxr"_s << u"does not exist"_s;
}

void tst_Print::notADatafile()
{
    QFETCH(QString, file);
    QFETCH(QString, says);
    const QString path = QDir(m_company.folder()).filePath(file);
    const QString pdf = m_company.dir.filePath(u"wrong.pdf"_s);
    const Result r = runCalendrix({u"print"_s, path, u"--data"_s, m_company.folder(), u"--pdf"_s, pdf});
    QCOMPARE(r.status, 1);
    QVERIFY2(
        r.err.contains(u"ERROR: Neither the remarks nor the roster of '%1' could be printed."_s.arg(path)),
        qPrintable(r.err));
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QVERIFY(!QFile::exists(pdf));
}

void tst_Print::existingPdf()
{
    const QString pdf = m_company.dir.filePath(u"kept.pdf"_s);
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("the clerk's own file");
    f.close();
    const QStringList args{u"print"_s,         m_company.datafile(), u"--data"_s,
                           m_company.folder(), u"--pdf"_s,           pdf};
    QCOMPARE(runCalendrix(args).status, 4);
    QCOMPARE(QFileInfo(pdf).size(), 20);
    // Never over the datafile or a layout, even when asked to replace.
    const Result over = runCalendrix({u"print"_s, m_company.datafile(), u"--data"_s, m_company.folder(),
                                      u"--pdf"_s, m_company.datafile(), u"--replace"_s});
    QCOMPARE(over.status, 1);
    QVERIFY(readDatafile(m_company.datafile()).size() == 10);
    QCOMPARE(runCalendrix(args + QStringList{u"--replace"_s}).status, 0);
    QVERIFY(!readPdf(pdf).isEmpty());
}

// A file system filling up part way: the sizes that end on a boundary of
// Qt's write buffer were once taken for a finished file.
void tst_Print::fullDisk_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QByteArray>("before"); // an earlier OUT.pdf, replaced
    for (const QString &size : {u"64k"_s, u"256k"_s, u"512k"_s}) {
        QTest::addRow("%s", qPrintable(size)) << size << QByteArray();
        QTest::addRow("%s over an earlier file", qPrintable(size))
            << size << QByteArray("the clerk's own file");
    }
}

void tst_Print::fullDisk()
{
    QFETCH(QString, size);
    QFETCH(QByteArray, before);
    SmallDisk disk(size);
    if (!disk.mounted)
        QSKIP("mounting a small file system is not permitted here");
    const QString pdf = disk.dir.filePath(u"january.pdf"_s);
    if (!before.isEmpty()) {
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size() && f.flush());
    }
    const Result r = runCalendrix(
        {u"print"_s, m_company.datafile(), u"--data"_s, m_company.folder(), u"--pdf"_s, pdf, u"--replace"_s});
    checkNothingWritten(r, pdf, before);
}

void tst_Print::fileTooLarge_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QByteArray>("before");
    for (const int limit : {64 << 10, 256 << 10, 512 << 10}) {
        QTest::addRow("%d KiB", limit >> 10) << limit << QByteArray();
        QTest::addRow("%d KiB over an earlier file", limit >> 10)
            << limit << QByteArray("the clerk's own file");
    }
}

void tst_Print::fileTooLarge()
{
    QFETCH(int, limit);
    QFETCH(QByteArray, before);
    const QString pdf = m_company.dir.filePath(u"limited.pdf"_s);
    QFile::remove(pdf);
    if (!before.isEmpty()) {
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size() && f.flush());
    }
    const Result r = runCalendrix(
        {u"print"_s, m_company.datafile(), u"--data"_s, m_company.folder(), u"--pdf"_s, pdf, u"--replace"_s},
        fileSizeLimit(rlim_t(limit)));
    checkNothingWritten(r, pdf, before);
    QFile::remove(pdf);
}

// A PDF that could not be written whole is an error, and neither a part of
// it nor a scratch file is left; an earlier file stays as it was.
void tst_Print::checkNothingWritten(const Result &r, const QString &pdf, const QByteArray &before) const
{
    QCOMPARE(r.status, 1);
    const QStringList errors = errorLines(r);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QDir::toNativeSeparators(pdf)), qPrintable(r.err));
    QVERIFY2(!r.out.contains(u"wrote"_s), qPrintable(r.out));
    if (before.isEmpty())
        QVERIFY(!QFile::exists(pdf));
    else
        QCOMPARE(readFile(pdf), before);
    const QStringList left = QDir(QFileInfo(pdf).absolutePath()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(!name.contains(QFileInfo(pdf).completeBaseName()) || name == QFileInfo(pdf).fileName(),
                 qPrintable(name));
}

QTEST_MAIN(tst_Print)
#include "tst_Print.moc"
