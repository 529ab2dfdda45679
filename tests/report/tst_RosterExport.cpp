// Stopping an export part way, as the window's "Stop" does: nothing is put
// in place, and no scratch file or new folder is left behind.

#include "../TestUnit.h"
#include "DatafileBuilder.h"

#include "report/RosterExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_RosterExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stopped_data();
    void stopped();

private:
    QTemporaryDir m_dir;
    QString m_datafile;
};

void tst_RosterExport::initTestCase()
{
    m_datafile = m_dir.filePath(u"march.cxr"_s);
    QList<DutySpec> duties;
    for (int d = 0; d < 4; ++d) {
        DutySpec duty{u"Duty %1"_s.arg(d), u"HQ"_s, {QDate(2027, 3, 1), QDate(2027, 3, 2)}, {1}, {}};
        for (int s = 0; s < 5; ++s)
            duty.rows.append({u"E"_s,
                              u"Soldier %1"_s.arg(s),
                              {},
                              {s == d ? u"/."_s : u"1"_s, s == d + 1 ? u"/."_s : u"2"_s}});
        duties.append(duty);
    }
    writeDatafile(m_datafile, duties);
}

void tst_RosterExport::stopped_data()
{
    QTest::addColumn<QStringList>("formats");
    QTest::addColumn<double>("at"); // the share of the steps done when Stop is pressed
    for (const QStringList &formats : {QStringList{u"ics"_s}, QStringList{u"xlsx"_s}, QStringList{u"csv"_s},
                                       QStringList{u"ics"_s, u"xlsx"_s, u"csv"_s}})
        for (const double at : {0.0, 0.5, 0.99})
            QTest::addRow("%s at %d%%", qPrintable(formats.join(u'+')), int(at * 100)) << formats << at;
}

void tst_RosterExport::stopped()
{
    QFETCH(QStringList, formats);
    QFETCH(double, at);
    const QTemporaryDir out;
    const ExportTargets targets{formats.contains(u"ics"_s) ? out.filePath(u"calendars"_s) : QString(),
                                formats.contains(u"xlsx"_s) ? out.filePath(u"r.xlsx"_s) : QString(),
                                formats.contains(u"csv"_s) ? out.filePath(u"r.csv"_s) : QString()};
    const RosterExport roster(m_datafile);
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

QTEST_GUILESS_MAIN(tst_RosterExport)
#include "tst_RosterExport.moc"
