#include "../main/WindowFixture.h"

#include "dialogs/CountersDialog.h"
#include "dialogs/FairnessWindow.h"

#include <QAbstractItemModelTester>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

struct Program : Window {
    Program() : Window(false) {}
    // quals per soldier: "Name Rank q..."; counters: "Name Duty Count HCount".
    void fill(const QStringList &duties, const QStringList &soldiers, const QStringList &counters)
    {
        // The values, then "yes" for each qualification given after them.
        const auto add = [this](const QString &table, const QStringList &p, int values, int q1) {
            RecordSet rs(unit.personnel(), table);
            rs.addNew();
            for (int i = 0; i < values; ++i)
                rs.setValue(1 + i, p[i]);
            for (const QString &k : p.mid(values))
                rs.setValue(q1 - 1 + k.toInt(), true);
            rs.update();
        };
        for (const QString &row : duties)
            add(u"DutyDates"_s, row.split(u'|'), 1, 3);
        for (const QString &row : soldiers)
            add(u"SoldierRoster"_s, row.split(u' '), 2, 4);
        RecordSet m(unit.working(), u"Memory"_s);
        for (const QString &row : counters) {
            const QStringList p = row.split(u'|');
            addRow(m, {true, p[0], QString(), p[1], p[2].toLongLong(), p[3].toLongLong()});
        }
    }
    FairnessWindow *openFairness()
    {
        open();
        choose(u"MNU_Fairness"_s);
        return main->findChild<FairnessWindow *>(u"Fairness"_s);
    }
};

// "min/median/max" of every box of a series.
QStringList boxes(QBoxPlotSeries *series)
{
    QStringList out;
    for (QBoxSet *b : series->boxSets())
        out.append(u"%1 %2/%3/%4"_s.arg(b->label())
                       .arg(b->at(QBoxSet::LowerExtreme))
                       .arg(b->at(QBoxSet::Median))
                       .arg(b->at(QBoxSet::UpperExtreme)));
    return out;
}

QStringList bars(QChart *chart)
{
    QStringList out;
    const auto series = chart->series();
    if (series.size() != 1)
        return {u"%1 series"_s.arg(series.size())};
    for (QBarSet *set : qobject_cast<QBarSeries *>(series.first())->barSets()) {
        QStringList values;
        for (int i = 0; i < set->count(); ++i)
            values.append(QString::number(set->at(i)));
        out.append(set->label() + u": "_s + values.join(u' '));
    }
    return out;
}

QStringList categories(QChart *chart)
{
    for (QAbstractAxis *axis : chart->axes(Qt::Horizontal))
        if (auto *c = qobject_cast<QBarCategoryAxis *>(axis))
            return c->categories();
    return {};
}

QStringList tableColumn(QTableView *table, int column)
{
    QStringList out;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        out.append(table->model()->index(r, column).data().toString());
    return out;
}

const QStringList kDuties{u"Gate|1"_s, u"Kitchen"_s, u"Radio|3"_s};
const QStringList kSoldiers{u"Adams B 1"_s, u"Baker E 1"_s, u"Clark E"_s};
const QStringList kCounters{u"Adams|Gate|2|1"_s, u"Baker|Gate|6|1"_s, u"Adams|Kitchen|3|2"_s,
                            u"Baker|Kitchen|3|2"_s, u"Clark|Kitchen|4|2"_s};

} // namespace

class tst_FairnessWindow : public QObject
{
    Q_OBJECT

private slots:
    void chartsAndTable();
    void histogram_data();
    void histogram();
    void countersEditedAndShownFromTheTable();
    void readsWhatChanged_data();
    void readsWhatChanged();
    void readsWhileTheWindowAnswers();
    void savesAPdf_data();
    void savesAPdf();
};

void tst_FairnessWindow::chartsAndTable()
{
    Program p;
    p.fill(kDuties, kSoldiers, kCounters);
    FairnessWindow *w = p.openFairness();
    QVERIFY(w);
    QTRY_VERIFY(w->isVisible());

    // One box per duty with a qualified soldier (Radio has none), per day class.
    QChart *chart = p.in<QChartView>(w, u"DutyChart"_s)->chart();
    const auto series = chart->series();
    QCOMPARE(series.size(), 2);
    auto *normal = qobject_cast<QBoxPlotSeries *>(series[0]);
    auto *holiday = qobject_cast<QBoxPlotSeries *>(series[1]);
    QVERIFY(normal && holiday);
    QCOMPARE(boxes(normal), (QStringList{u"Gate 2/4/6"_s, u"Kitchen 3/3/4"_s}));
    QCOMPARE(boxes(holiday), (QStringList{u"Gate 1/1/1"_s, u"Kitchen 2/2/2"_s}));

    // The duty with the largest spread is chosen first.
    auto *choice = p.in<QComboBox>(w, u"DutyChoice"_s);
    QCOMPARE(choice->count(), 3);
    QCOMPARE(choice->currentText(), u"Gate"_s);
    QVERIFY(p.in<QLabel>(w, u"DutyFigures"_s)->text().contains(u"Next in line: Adams (2); Baker (6)."_s));
    QVERIFY(p.in<QLabel>(w, u"UnitSummary"_s)
                ->text()
                .contains(u"Largest spread of normal counters: Gate (4)."_s));

    // The most loaded first; a click on a heading sorts by it.
    auto *table = p.in<QTableView>(w, u"SoldierTable"_s);
    QCOMPARE(tableColumn(table, 0), (QStringList{u"Baker"_s, u"Adams"_s, u"Clark"_s}));
    QCOMPARE(tableColumn(table, 6), (QStringList{u"12"_s, u"8"_s, u"6"_s}));
    QCOMPARE(tableColumn(table, 3), (QStringList{u"2"_s, u"2"_s, u"1"_s}));
    table->sortByColumn(0, Qt::AscendingOrder);
    QCOMPARE(tableColumn(table, 0), (QStringList{u"Adams"_s, u"Baker"_s, u"Clark"_s}));
    table->sortByColumn(4, Qt::AscendingOrder); // Normal: 5, 9, 4
    QCOMPARE(tableColumn(table, 0), (QStringList{u"Clark"_s, u"Adams"_s, u"Baker"_s}));
    table->sortByColumn(1, Qt::DescendingOrder); // rank codes E, E, B: equals stay by name
    QCOMPARE(tableColumn(table, 1), (QStringList{u"CPL"_s, u"CPL"_s, u"PV2"_s}));
    QCOMPARE(tableColumn(table, 0), (QStringList{u"Baker"_s, u"Clark"_s, u"Adams"_s}));

    choice->setCurrentText(u"Radio"_s);
    QCOMPARE(p.in<QChartView>(w, u"Histogram"_s)->chart()->series().size(), 0);
    QCOMPARE(p.in<QLabel>(w, u"DutyFigures"_s)->text(), u"No soldier is qualified for Radio."_s);
}

void tst_FairnessWindow::histogram_data()
{
    QTest::addColumn<QStringList>("counters"); // of one duty "Gate": "Count|HCount"
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<QStringList>("bars");

    QTest::newRow("one apart") << QStringList{u"3|0"_s, u"4|0"_s, u"4|0"_s}
                               << QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s}
                               << QStringList{u"Normal: 0 0 0 1 2"_s, u"Holiday: 3 0 0 0 0"_s};
    QTest::newRow("level") << QStringList{u"5|5"_s, u"5|5"_s} << QStringList{u"5"_s}
                           << QStringList{u"Normal: 2"_s, u"Holiday: 2"_s};
    // More than forty counters: neighbours share a bar.
    QTest::newRow("wide") << QStringList{u"1|1"_s, u"100|1"_s, u"50|1"_s}
                          << QStringList{u"1\u20133"_s, u"4\u20136"_s} // the first two
                          << QStringList{u"Normal: 1"_s, u"Holiday: 3"_s};
}

void tst_FairnessWindow::histogram()
{
    QFETCH(QStringList, counters);
    QFETCH(QStringList, categories);
    QFETCH(QStringList, bars);
    Program p;
    QStringList soldiers, rows;
    for (int i = 0; i < counters.size(); ++i) {
        soldiers.append(u"S%1 C"_s.arg(i));
        rows.append(u"S%1|Gate|%2"_s.arg(i).arg(counters[i]));
    }
    p.fill({u"Gate"_s}, soldiers, rows);
    FairnessWindow *w = p.openFairness();
    QChart *chart = p.in<QChartView>(w, u"Histogram"_s)->chart();
    const QStringList shown = ::categories(chart);
    QVERIFY(shown.size() <= 40);
    QCOMPARE(shown.mid(0, categories.size()), categories);
    QStringList values = ::bars(chart);
    // Every soldier is in exactly one bar of each set.
    for (const QString &set : values) {
        double sum = 0;
        for (const QString &v : set.section(u": "_s, 1).split(u' '))
            sum += v.toDouble();
        QCOMPARE(sum, double(counters.size()));
        QCOMPARE(set.section(u": "_s, 1).split(u' ').size(), shown.size());
    }
    QCOMPARE(values.size(), bars.size());
    for (qsizetype i = 0; i < values.size(); ++i) // the leading bars
        QCOMPARE(values[i].section(u' ', 0, int(bars[i].count(u' '))), bars[i]);
}

void tst_FairnessWindow::countersEditedAndShownFromTheTable()
{
    Program p;
    p.fill(kDuties, kSoldiers, kCounters);
    FairnessWindow *w = p.openFairness();
    auto *table = p.in<QTableView>(w, u"SoldierTable"_s);
    QAbstractItemModelTester tester(table->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(tableColumn(table, 0).constFirst(), u"Baker"_s);

    // Adams's Gate counter goes up to 20 in Assignment Counters.
    p.main->findChild<QAction *>(u"MNU_Count"_s)->trigger();
    auto *counters = p.main->findChild<CountersDialog *>(u"Edit32"_s);
    QTRY_VERIFY(counters->isVisible());
    auto *grid = counters->findChild<DataGrid *>(u"TDBGrid1"_s);
    int row = -1;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        if (grid->model()->index(r, 2).data() == u"Adams"_s && grid->model()->index(r, 4).data() == u"Gate"_s)
            row = r;
    QVERIFY(row >= 0);
    grid->setCurrentRow(row);
    QVERIFY(grid->recordModel()->setData(grid->model()->index(row, 5), 20));
    counters->findChild<QPushButton *>(u"Command2"_s)->click();
    counters->findChild<QPushButton *>(u"Command1"_s)->click();

    w->activateWindow();
    QTRY_COMPARE(tableColumn(table, 0).constFirst(), u"Adams"_s);
    QCOMPARE(tableColumn(table, 6).constFirst(), u"26"_s);
    auto *normal =
        qobject_cast<QBoxPlotSeries *>(p.in<QChartView>(w, u"DutyChart"_s)->chart()->series().first());
    QCOMPARE(boxes(normal).constFirst(), u"Gate 6/13/20"_s);

    // A double-click on a soldier shows his counters there again.
    table->sortByColumn(0, Qt::AscendingOrder);
    const QModelIndex baker = table->model()->index(1, 0);
    QCOMPARE(baker.data().toString(), u"Baker"_s);
    const QRect cell = table->visualRect(baker);
    // A double-click is a click and a second press, as from a mouse.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTRY_VERIFY(counters->isVisible());
    QStringList selected;
    for (const QModelIndex &row : grid->selectionModel()->selectedRows(2))
        selected.append(row.data().toString() + u' ' + row.siblingAtColumn(4).data().toString());
    selected.sort();
    QCOMPARE(selected, (QStringList{u"Baker Gate"_s, u"Baker Kitchen"_s}));
    QCOMPARE(grid->model()->index(grid->currentRow(), 2).data().toString(), u"Baker"_s);
}

void tst_FairnessWindow::readsWhatChanged_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("changed"); // by another program while the window was not active
    QTest::addColumn<int>("reads");    // when the window is active again
    QTest::newRow("fairness") << u"MNU_Fairness"_s << u"SoldierTable"_s << false << 0;
    QTest::newRow("fairness, changed") << u"MNU_Fairness"_s << u"SoldierTable"_s << true << 1;
    // Assignment Counters reads on every activation.
    QTest::newRow("counters") << u"MNU_Count"_s << u"TDBGrid1"_s << false << 1;
}

// A showing is read once, and a return of focus to Fairness reads only what
// changed: a division takes more than a second to read.
void tst_FairnessWindow::readsWhatChanged()
{
    QFETCH(QString, menu);
    QFETCH(QString, table);
    QFETCH(bool, changed);
    QFETCH(int, reads);
    Program p;
    p.fill(kDuties, kSoldiers, kCounters);
    p.openActive(0);
    // Read as it is shown; its activation comes after.
    QWidget *w = p.choose(menu, menu == u"MNU_Fairness"_s ? u"Fairness"_s : u"Edit32"_s);
    QSignalSpy read(p.in<QAbstractItemView>(w, table)->model(), &QAbstractItemModel::modelReset);
    QTRY_VERIFY(w->isActiveWindow());
    QCOMPARE(read.size(), 0);

    QApplication::setActiveWindow(p.main.get());
    QTRY_VERIFY(!w->isActiveWindow());
    if (changed)
        QCOMPARE(
            sqliteShell(p.unit.folder.workingPath(),
                        u"UPDATE Memory SET Count = 20 WHERE SoldierName = 'Adams' AND DutyName = 'Gate'"_s,
                        true),
            QString());
    w->activateWindow();
    QTRY_VERIFY(w->isActiveWindow());
    QCOMPARE(read.size(), reads);
    if (changed)
        QCOMPARE(tableColumn(p.in<QTableView>(w, table), 6).constFirst(), u"26"_s);
}

// A division's figures take a second to read: the windows go on painting
// while the window reads them, at its showing and on its return after a change.
void tst_FairnessWindow::readsWhileTheWindowAnswers()
{
    Program p;
    constexpr int kSoldierCount = 4000;
    {
        const Database personnel = p.unit.personnel();
        QSqlQuery q(personnel.connection());
        QVERIFY2(
            q.exec(
                u"INSERT INTO DutyDates (DutyName, Organization, Q1) WITH RECURSIVE n(i) AS "
                "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10) SELECT 'Duty ' || i, 'HQ', 1 FROM n"_s),
            qPrintable(q.lastError().text()));
        QVERIFY2(
            q.exec(
                u"INSERT INTO SoldierRoster (SoldierName, SoldierRank, Section, Q1) WITH RECURSIVE n(i) AS "
                "(SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "SELECT 'Soldier ' || i, 'K', 'HQ', 1 FROM n"_s.arg(kSoldierCount)),
            qPrintable(q.lastError().text()));
    }
    execIn(p.unit.folder.workingPath(),
           u"INSERT INTO Memory (Marker, SoldierName, Rank, DutyName, Count, HCount) "
           "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
           "SELECT 1, 'Soldier ' || (i / 10 + 1), 'K', 'Duty ' || (i % 10 + 1), i % 9, i % 4 FROM n"_s.arg(
               kSoldierCount * 10 - 1));
    int ticks = 0;
    QTimer tick;
    tick.setInterval(5);
    connect(&tick, &QTimer::timeout, this, [&] { ++ticks; });
    tick.start();
    FairnessWindow *w = p.openFairness();
    QVERIFY(w);
    QVERIFY2(ticks > 0, "the window did not answer while the figures were read at showing");
    auto *soldiers = p.in<QTableView>(w, u"SoldierTable"_s);
    QCOMPARE(soldiers->model()->rowCount(), kSoldierCount);

    QApplication::setActiveWindow(p.main.get());
    QCOMPARE(sqliteShell(p.unit.folder.workingPath(), u"UPDATE Memory SET Count = Count + 1"_s, true),
             QString());
    ticks = 0;
    QApplication::setActiveWindow(w);
    QVERIFY2(ticks > 0, "the window did not answer while the figures were read again");
    QCOMPARE(soldiers->model()->rowCount(), kSoldierCount);
}

void tst_FairnessWindow::savesAPdf_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("print");   // Print... into a file rather than Save PDF...
    QTest::addColumn<bool>("replace"); // the answer to the question, if one is asked
    QTest::addColumn<bool>("written");
    QTest::newRow("new file") << u"fairness"_s << false << false << true;
    QTest::newRow("existing file, replaced") << u"old.pdf"_s << false << true << true;
    QTest::newRow("existing file, kept") << u"old.pdf"_s << false << false << false;
    // Even with leave to replace, never a file of the unit.
    QTest::newRow("the working database") << u"Memory.mdb"_s << false << true << false;
    // The print dialog asked before it let a file be replaced.
    QTest::newRow("printed into an existing file") << u"old.pdf"_s << true << false << true;
    QTest::newRow("printed into the help file") << u"Roster.hlp"_s << true << true << false;
}

// Save PDF and printing into a file ask before they replace a file and never
// write over the unit's own.
void tst_FairnessWindow::savesAPdf()
{
    QFETCH(QString, target);
    QFETCH(bool, print);
    QFETCH(bool, replace);
    QFETCH(bool, written);
    Program p;
    p.fill(kDuties, kSoldiers, kCounters);
    FairnessWindow *w = p.openFairness();
    const QString path = p.unit.path(target);
    const QString pdf = QFileInfo(path).suffix().isEmpty() ? path + u".pdf"_s : path;
    if (target == u"old.pdf")
        writeFile(pdf, "the clerk's own");
    const QByteArray before = readFile(pdf);
    p.dialogs.answers = {replace};
    if (print) {
        p.dialogs.printFiles = {path};
        QTimer::singleShot(0, w, [] {
            QWidget *preview = QApplication::activeModalWidget();
            QVERIFY(preview);
            auto *tools = preview->findChild<QToolBar *>();
            QTest::mouseClick(tools->widgetForAction(preview->findChild<QAction *>(u"PrintAction"_s)),
                              Qt::LeftButton);
            preview->close();
        });
        p.in<QPushButton>(w, u"PrintButton"_s)->click();
    } else {
        p.dialogs.fileNames = {path};
        p.in<QPushButton>(w, u"PdfButton"_s)->click();
        QCOMPARE(p.dialogs.offeredNames, QStringList{p.unit.path(u"fairness.pdf"_s)});
    }
    QCOMPARE(readFile(pdf).startsWith("%PDF-"), written);
    if (!written)
        QCOMPARE(readFile(pdf), before);
    QCOMPARE(p.dialogs.questions.size(), (target == u"old.pdf" && !print) ? 1 : 0);
    QCOMPARE(p.dialogs.shown.size(), target.endsWith(u"mdb"_s) || target.endsWith(u"hlp"_s) ? 1 : 0);
}

QTEST_MAIN(tst_FairnessWindow)
#include "tst_FairnessWindow.moc"
