#include "TestUnit.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void usage_data();
    void usage();
    void initTwiceChangesNothing();
    void demoIsDeterministic();
    void demoScales_data();
    void demoScales();
    void demoRefusesAnExistingUnit();
};

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

Result runCalendrix(const QStringList &arguments)
{
    QProcess p;
    p.start(qEnvironmentVariable("CALENDRIX_BIN"), arguments);
    Result r;
    if (!p.waitForFinished(120000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray folderHash(const QString &dir)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        QFile f(QDir(dir).filePath(name));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        h.addData(name.toUtf8());
        h.addData(f.readAll());
    }
    return h.result();
}

// Every value of every table of the unit, in key order.
QStringList dump(const QString &dir)
{
    QStringList lines;
    const UnitFolder folder(dir);
    const struct {
        QString path;
        FileKind kind;
    } files[] = {{folder.personnelPath(), FileKind::Personnel}, {folder.workingPath(), FileKind::Working}};
    for (const auto &file : files) {
        const Database db = Database::open(file.path, file.kind);
        for (const TableLayout &table : Layouts::tables(file.kind)) {
            RecordSet rs(db, table.name);
            for (; !rs.eof(); rs.moveNext()) {
                QStringList values{table.name};
                for (int i = 0; i < rs.fieldCount(); ++i)
                    values.append(rs.value(i).isNull() ? u"<null>"_s : rs.value(i).toString());
                lines.append(values.join(u'|'));
            }
        }
    }
    return lines;
}

} // namespace

void tst_CommandLine::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"demo DIR"_s;
    QTest::newRow("init help") << QStringList{u"init"_s, u"--help"_s} << 0 << u"init DIR"_s;
    QTest::newRow("demo help") << QStringList{u"demo"_s, u"--help"_s} << 0 << u"--scale"_s;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2 << u"unknown command"_s;
    QTest::newRow("init without folder") << QStringList{u"init"_s} << 2 << u"init DIR"_s;
    QTest::newRow("unknown option") << QStringList{u"init"_s, u"x"_s, u"--force"_s} << 2 << u"force"_s;
    QTest::newRow("bad scale") << QStringList{u"demo"_s, u"x"_s, u"--scale"_s, u"army"_s} << 2 << u"army"_s;
    QTest::newRow("bad seed") << QStringList{u"demo"_s, u"x"_s, u"--seed"_s, u"abc"_s} << 2 << u"abc"_s;
    QTest::newRow("bad date") << QStringList{u"demo"_s, u"x"_s, u"--from"_s, u"2027-13-01"_s} << 2 << u"2027-13-01"_s;
    QTest::newRow("desktop with unknown option") << QStringList{u"--frobnicate"_s} << 2 << u"frobnicate"_s;
}

void tst_CommandLine::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir cwd;
    const Result r = runCalendrix(arguments);
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    if (status == 2)
        QCOMPARE(r.err.trimmed().count(u'\n'), 0); // one line
    QVERIFY(!QFile::exists(u"x"_s));
}

void tst_CommandLine::initTwiceChangesNothing()
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"new unit"_s);
    const Result first = runCalendrix({u"init"_s, dir});
    QCOMPARE(first.status, 0);
    QCOMPARE(first.out.count(u"created"_s), 3);
    {
        RecordSet rs(Database::open(UnitFolder(dir).personnelPath(), FileKind::Personnel), u"Sections"_s);
        addRow(rs, {u"HQ"_s});
    }
    const QByteArray before = folderHash(dir);
    const Result second = runCalendrix({u"init"_s, dir});
    QCOMPARE(second.status, 0);
    QCOMPARE(second.out.count(u"created"_s), 0);
    QCOMPARE(folderHash(dir), before);
}

void tst_CommandLine::demoIsDeterministic()
{
    QTemporaryDir tmp;
    const QStringList common{u"--seed"_s, u"42"_s, u"--from"_s, u"2027-03-01"_s};
    QCOMPARE(runCalendrix(QStringList{u"demo"_s, tmp.filePath(u"a"_s)} + common).status, 0);
    QCOMPARE(runCalendrix(QStringList{u"demo"_s, tmp.filePath(u"b"_s)} + common).status, 0);
    QCOMPARE(runCalendrix({u"demo"_s, tmp.filePath(u"c"_s), u"--seed"_s, u"43"_s, u"--from"_s, u"2027-03-01"_s}).status, 0);
    const QStringList a = dump(tmp.filePath(u"a"_s));
    const QStringList b = dump(tmp.filePath(u"b"_s));
    QVERIFY(a.size() > 300);
    QCOMPARE(a.size(), b.size());
    QCOMPARE(a, b);
    QVERIFY(a != dump(tmp.filePath(u"c"_s)));
}

void tst_CommandLine::demoScales_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<int>("soldiers");
    QTest::addColumn<int>("duties");
    QTest::newRow("company") << u"company"_s << 150 << 10;
    QTest::newRow("battalion") << u"battalion"_s << 800 << 30;
    QTest::newRow("brigade") << u"brigade"_s << 4000 << 80;
}

void tst_CommandLine::demoScales()
{
    QFETCH(QString, scale);
    QFETCH(int, soldiers);
    QFETCH(int, duties);
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"unit"_s);
    const Result r = runCalendrix({u"demo"_s, dir, u"--scale"_s, scale, u"--from"_s, u"2027-03-01"_s});
    QCOMPARE(r.status, 0);

    const Database db = Database::open(UnitFolder(dir).personnelPath(), FileKind::Personnel);
    RecordSet people(db, u"SoldierRoster"_s);
    QCOMPARE(people.recordCount(), soldiers);
    QSet<QString> names;
    for (; !people.eof(); people.moveNext()) {
        names.insert(people.value(1).toString());
        const QString rank = people.text(2);
        QVERIFY2(rank == u"?" || (rank.size() == 1 && rank >= u"A" && rank <= u"W"), qPrintable(rank));
    }
    QCOMPARE(names.size(), soldiers); // names identify soldiers

    RecordSet dutyList(db, u"DutyDates"_s);
    QCOMPARE(dutyList.recordCount(), duties);
    QHash<QString, int> periods;
    RecordSet schedule(db, u"WorkSchedule"_s);
    for (; !schedule.eof(); schedule.moveNext()) {
        ++periods[schedule.text(1)];
        QVERIFY(schedule.value(2).toDate() <= schedule.value(3).toDate());
        QVERIFY(schedule.value(2).toDate() >= QDate(2027, 3, 1));
    }
    for (; !dutyList.eof(); dutyList.moveNext()) {
        const int n = periods.value(dutyList.text(1));
        QVERIFY2(n >= 1 && n <= 36, qPrintable(dutyList.text(1)));
    }
    QVERIFY(RecordSet(db, u"AbsentDates"_s).recordCount() > 0);
    QVERIFY(RecordSet(db, u"Holiday"_s).recordCount() > 0);
    RecordSet titles(db, u"Qualifications"_s);
    QVERIFY(!titles.text(1).isEmpty());
    QVERIFY(titles.value(15).isNull());
}

void tst_CommandLine::demoRefusesAnExistingUnit()
{
    QTemporaryDir tmp;
    QCOMPARE(runCalendrix({u"init"_s, tmp.path()}).status, 0);
    const QByteArray before = folderHash(tmp.path());
    const Result r = runCalendrix({u"demo"_s, tmp.path()});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(u"already holds a unit"_s), qPrintable(r.err));
    QCOMPARE(folderHash(tmp.path()), before);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
