// Times the find box of the personnel list on a unit of 4,000 soldiers: the
// whole list searched for a name that is not there, and a step to the next match.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_find

#include "WindowFixture.h"

#include "main/FindBar.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class bench_find : public QObject
{
    Q_OBJECT

private slots:
    void findIn4000Soldiers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("not found") << u"nobody"_s;
        QTest::newRow("next match") << u"7"_s;
    }
    void findIn4000Soldiers()
    {
        QFETCH(QString, text);
        Window w;
        {
            RecordSet soldiers(w.unit.personnel(), u"SoldierRoster"_s);
            for (int i = 0; i < 4000; ++i)
                addRow(soldiers, {u"Soldier %1"_s.arg(i, 4, 10, QChar(u'0')), u"E"_s});
        }
        w.open();
        auto *bar = w.find<FindBar>(u"FindBar3"_s);
        bar->open();
        bar->findChild<QLineEdit *>(u"FindText"_s)->setText(text);
        QBENCHMARK
        {
            bar->findNext();
        }
    }
};

QTEST_MAIN(bench_find)
#include "bench_find.moc"
