#include "RosterFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

// A run killed at any moment leaves the working database as it was before the
// run (or as a finished run leaves it) and never a partial datafile.
class tst_RunSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedRunsLeaveNothingHalfDone();
};

namespace {

const QString kBinary = qEnvironmentVariable("CALENDRIX_BIN");

bool run(const QStringList &arguments)
{
    QProcess p;
    p.start(kBinary, arguments);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QString integrity(const Database &db)
{
    QSqlQuery q(db.connection());
    if (!q.exec(u"PRAGMA integrity_check"_s) || !q.next())
        return u"cannot check"_s;
    return q.value(0).toString();
}

// Every row of every table of one file, in key order.
QStringList dump(const QString &path, FileKind kind)
{
    const Database db = Database::open(path, kind);
    QStringList lines{integrity(db)};
    for (const TableLayout &table : Layouts::tables(kind)) {
        RecordSet rs(db, table.name);
        for (; !rs.eof(); rs.moveNext()) {
            QStringList values;
            for (int i = 0; i < rs.fieldCount(); ++i)
                values.append(rs.value(i).isNull() ? u"~"_s : rs.value(i).toString());
            lines.append(table.name + u':' + values.join(u'|'));
        }
    }
    return lines;
}

void copyUnit(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(to).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(QDir(to).filePath(name));
    for (const QString &name :
         {u"Datafile32.mdb"_s, u"Memory.mdb"_s, u"template.tem"_s, u"ROSTER.INI"_s, u"ROSTER2.INI"_s})
        QVERIFY(QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name)));
}

} // namespace

void tst_RunSafety::killedRunsLeaveNothingHalfDone()
{
    QTemporaryDir tmp;
    const QString start = tmp.filePath(u"start"_s);
    QVERIFY(run({u"demo"_s, start, u"--seed"_s, u"5"_s, u"--from"_s, u"2027-03-01"_s}));
    // A first roster, so that the run under test changes counters and dates
    // that are already there.
    QVERIFY(run({u"make"_s, tmp.filePath(u"first.cxr"_s), u"--data"_s, start}));
    const QStringList memoryBefore = dump(QDir(start).filePath(u"Memory.mdb"_s), FileKind::Working);

    const QString reference = tmp.filePath(u"reference"_s);
    copyUnit(start, reference);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run({u"make"_s, QDir(reference).filePath(u"out.cxr"_s), u"--data"_s, reference}));
    const qint64 fullRunUs = clock.nsecsElapsed() / 1000;
    const QStringList memoryAfter = dump(QDir(reference).filePath(u"Memory.mdb"_s), FileKind::Working);
    const QStringList datafile = dump(QDir(reference).filePath(u"out.cxr"_s), FileKind::Roster);
    QVERIFY(memoryAfter != memoryBefore);

    const QString work = tmp.filePath(u"work"_s);
    const QString target = QDir(work).filePath(u"out.cxr"_s);
    int untouched = 0, finished = 0;
    for (int i = 0; i < 120; ++i) {
        copyUnit(start, work);
        QProcess p;
        p.start(kBinary, {u"make"_s, target, u"--data"_s, work});
        QVERIFY(p.waitForStarted());
        QThread::usleep(QRandomGenerator::global()->bounded(quint32(fullRunUs * 12 / 10)));
        p.kill();
        QVERIFY(p.waitForFinished());

        const QStringList memory = dump(QDir(work).filePath(u"Memory.mdb"_s), FileKind::Working);
        QCOMPARE(memory.first(), u"ok"_s);
        const bool unchanged = memory == memoryBefore;
        QVERIFY2(unchanged || memory == memoryAfter, "the working database was left half-written");
        if (QFile::exists(target)) {
            QCOMPARE(dump(target, FileKind::Roster), datafile);
        } else {
            QVERIFY2(unchanged, "counters moved on without their roster");
        }
        unchanged ? ++untouched : ++finished;
    }
    // The kills fell both inside runs and after them.
    QVERIFY(untouched > 0);
    qInfo("%d runs killed before their end, %d finished", untouched, finished);
}

QTEST_GUILESS_MAIN(tst_RunSafety)
#include "tst_RunSafety.moc"
