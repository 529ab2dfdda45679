#include "SmallDisk.h"
#include "WindowFixture.h"

#include "main/MonthView.h"
#include "main/OffThread.h"
#include "main/ValueListDelegate.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QTextCharFormat>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <optional>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpBindsEverything();
    void addDeleteUpdateSort_data();
    void addDeleteUpdateSort();
    void updateWithEmptyDutyListSavesThePeriod();
    void editingSavesWhenLeavingTheRow();
    void rankSectionAndQualificationBoxes();
    void calendarGestures_data();
    void calendarGestures();
    void calendarShowsTheRunWhileDragging();
    void calendarTakesAtMost365Days_data();
    void calendarTakesAtMost365Days();
    void housekeeping_data();
    void housekeeping();
    void togglesWriteOptionFiles();
    void toggleThatCannotBeSavedChangesNothing_data();
    void toggleThatCannotBeSavedChangesNothing();
    void rosterRunFromTheMenu_data();
    void rosterRunFromTheMenu();
    void everyWayOfClosingSavesTheEdit_data();
    void everyWayOfClosingSavesTheEdit();
    void workOffTheThreadLeavesTheWindowGoing_data();
    void workOffTheThreadLeavesTheWindowGoing();
};

void tst_MainWindow::startUpBindsEverything()
{
    Window w;
    writeFile(w.unit.folder.absencePath(), " 1 \r\n");
    MainWindow &main = w.open();
    QCOMPARE(main.windowTitle(), u"Calendrix - "_s + QDir::toNativeSeparators(w.unit.folder.dir()));
    QCOMPARE(main.objectName(), u"Main"_s);
    auto *tabs = w.find<QTabWidget>(u"SSTab1"_s);
    QCOMPARE(tabs->tabText(tabs->currentIndex()), u"Roster"_s);
    QCOMPARE(tabs->tabText(0), u"Duty"_s);
    for (const QString &name : kSources)
        QVERIFY2(w.find<DataControl>(name)->isBound(), qPrintable(name));
    QCOMPARE(w.find<DataControl>(u"Data2"_s)->recordSource(),
             u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s);
    QCOMPARE(w.find<MonthView>(u"MonthView1"_s)->selectedDate(), kToday);
    QCOMPARE(w.find<MonthView>(u"MonthView2"_s)->selectedDate(), kToday);
    QCOMPARE(w.column(3, 1), (QStringList{u"Adams"_s, u"Baker"_s, u"Clark"_s}));
    QCOMPARE(w.column(1, 1), (QStringList{u"Gate Guard"_s, u"Kitchen"_s}));
    QVERIFY(!w.action(u"MNU_Consolidate"_s)->isChecked());
    QVERIFY(w.action(u"MNU_Absence"_s)->isChecked());
    QCOMPARE(main.runOptions().absenceFlag, qint16(1));
    QVERIFY(w.dialogs.shown.isEmpty());
}

void tst_MainWindow::addDeleteUpdateSort_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("Duty tab") << 0;
    QTest::newRow("Roster tab") << 1;
}

void tst_MainWindow::addDeleteUpdateSort()
{
    QFETCH(int, tab);
    Window w;
    w.open();
    const int first = tab == 0 ? 1 : 7; // Add, Delete, Update, Sort
    DataGrid *grid = w.grid(tab == 0 ? 1 : 3);
    auto *model = grid->recordModel();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int before = model->rowCount();

    w.click(u"Command%1"_s.arg(first)); // Add: an empty row at the end, current
    QCOMPARE(model->rowCount(), before + 1);
    QCOMPARE(grid->currentRow(), before);
    QVERIFY(model->fieldValue(before, 1).isNull());
    QVERIFY(model->setData(model->index(before, 1), u"Aardvark"_s));
    w.click(u"Command%1"_s.arg(first + 2)); // Update saves it
    RecordSet rs(w.unit.personnel(), tab == 0 ? u"DutyDates"_s : u"SoldierRoster"_s);
    moveToLastRow(rs);
    QCOMPARE(rs.text(1), u"Aardvark"_s);

    w.click(u"Command%1"_s.arg(first + 3)); // Sort: in name order, first row current
    QCOMPARE(model->index(0, 1).data().toString(), u"Aardvark"_s);
    QCOMPARE(grid->currentRow(), 0);

    grid->setCurrentRow(1);
    const QString next = model->index(2, 1).data().toString();
    w.click(u"Command%1"_s.arg(first + 1)); // Delete: the next row becomes current
    QCOMPARE(model->rowCount(), before);
    QCOMPARE(grid->currentRow(), 1);
    QCOMPARE(model->index(1, 1).data().toString(), next);

    grid->setCurrentRow(model->rowCount() - 1);
    w.click(u"Command%1"_s.arg(first + 1)); // Delete of the last row: no current row
    QCOMPARE(grid->currentRow(), -1);

    // Two Adds in a row: two empty rows, both at the end and both stored.
    const int left = model->rowCount();
    w.click(u"Command%1"_s.arg(first));
    w.click(u"Command%1"_s.arg(first));
    QCOMPARE(model->rowCount(), left + 2);
    QCOMPARE(model->index(left, 1).data().toString(), QString());
    QCOMPARE(model->index(left + 1, 1).data().toString(), QString());
    QCOMPARE(grid->currentRow(), left + 1);
    QCOMPARE(rowCount(w.unit.personnel(), tab == 0 ? u"DutyDates"_s : u"SoldierRoster"_s), left + 2);
    QVERIFY(w.dialogs.shown.isEmpty());
}

void tst_MainWindow::updateWithEmptyDutyListSavesThePeriod()
{
    Window w(false);
    addRows(w.unit.personnel(), u"WorkSchedule"_s, {{u"Guard"_s, kToday, kToday}});
    w.open();
    auto *periods = w.grid(2)->recordModel();
    w.grid(2)->setCurrentRow(0);
    QVERIFY(periods->setData(periods->index(0, 1), u"Fire Guard"_s));
    w.click(u"Command3"_s);
    QVERIFY(w.dialogs.shown.isEmpty());
    RecordSet rs(w.unit.personnel(), u"WorkSchedule"_s);
    QCOMPARE(rs.text(1), u"Fire Guard"_s);
}

void tst_MainWindow::editingSavesWhenLeavingTheRow()
{
    Window w;
    w.open();
    DataGrid *grid = w.grid(3);
    auto *model = grid->recordModel();
    grid->setCurrentRow(0);
    QVERIFY(model->setData(model->index(0, 1), u"Adamson"_s));
    QCOMPARE(model->index(0, 1).data().toString(), u"Adamson"_s);
    grid->setCurrentRow(1); // leaving the row saves it
    RecordSet rs(w.unit.personnel(), u"SoldierRoster"_s);
    while (!rs.eof() && rs.text(1) != u"Adamson")
        rs.moveNext();
    QVERIFY(!rs.eof());
    QCOMPARE(rs.text(2), u"E"_s);
}

void tst_MainWindow::rankSectionAndQualificationBoxes()
{
    Window w;
    w.open();
    auto *model = w.grid(3)->recordModel();
    // Adams "E", Baker "?", Clark "U"
    QCOMPARE(w.column(3, 2), (QStringList{u"CPL"_s, u"CIV"_s, u"MAJ  "_s}));
    auto *delegate = qobject_cast<ValueListDelegate *>(w.grid(3)->itemDelegateForColumn(2));
    QVERIFY(delegate);
    const QModelIndex rank = model->index(0, 2);
    std::unique_ptr<QWidget> editor(delegate->createEditor(w.grid(3)->viewport(), {}, rank));
    auto *box = qobject_cast<QComboBox *>(editor.get());
    QCOMPARE(box->count(), 24);
    QCOMPARE(box->itemText(0), u"CIV"_s);
    QCOMPARE(box->itemText(23), u"COL"_s);
    delegate->setEditorData(box, rank);
    QCOMPARE(box->currentText(), u"CPL"_s);
    box->setCurrentIndex(box->findText(u"COL"_s));
    delegate->setModelData(box, model, rank);
    QVERIFY(model->submit());
    RecordSet rs(w.unit.personnel(), u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s);
    QCOMPARE(rs.text(2), u"W"_s);
    // The section box offers the unit's sections in name order.
    auto *sections = qobject_cast<ValueListDelegate *>(w.grid(3)->itemDelegateForColumn(3));
    QVERIFY(sections);
    editor.reset(sections->createEditor(w.grid(3)->viewport(), {}, {}));
    box = qobject_cast<QComboBox *>(editor.get());
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    QCOMPARE(items, (QStringList{u"1st Platoon"_s, u"2nd Platoon"_s, u"HQ"_s}));
    QCOMPARE(box->maxVisibleItems(), 15);

    // The qualification boxes follow the current row and write its flags.
    DataGrid *grid = w.grid(3);
    auto *pq0 = w.find<QCheckBox>(u"PQ_0"_s);
    grid->setCurrentRow(2); // Clark holds qualification 1
    QVERIFY(pq0->isChecked());
    grid->setCurrentRow(0); // Adams does not
    QVERIFY(!pq0->isChecked());
    pq0->click();
    RecordSet soldiers(w.unit.personnel(), u"SELECT * FROM SoldierRoster ORDER BY SoldierName Asc"_s);
    QCOMPARE(soldiers.value(4), QVariant(true));
    QCOMPARE(grid->model()->index(0, 4).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    // The duty tab's boxes write the duty's flags.
    w.grid(1)->setCurrentRow(1); // Kitchen
    w.find<QCheckBox>(u"DQ_3"_s)->click();
    RecordSet duties(w.unit.personnel(), u"SELECT * FROM DutyDates ORDER BY DutyName Asc"_s);
    duties.moveNext();
    QCOMPARE(duties.value(Fields::DutyDates::qualification(4)), QVariant(true));
}

namespace {

// A calendar of the main window, driven with the mouse and the keyboard as a
// clerk would, on the month it shows (March 2027).
struct CalendarHand {
    MonthView *calendar;
    QTableView *view;

    explicit CalendarHand(MonthView *c) : calendar(c), view(c->findChild<QTableView *>()) {}
    QPoint dayAt(int day) const
    {
        for (int r = 1; r < view->model()->rowCount(); ++r)
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                const QModelIndex i = view->model()->index(r, c);
                if (i.data().toInt() == day && (r < 4 || day > 14))
                    return view->visualRect(i).center();
            }
        return {};
    }
    // "c14" click, "s20" shift-click, "d16-18" drag, "k14" Return on the
    // focused 14th, "K20" shift+Return on the 20th, " " Space on the 9th.
    void act(const QString &step) const
    {
        QWidget *viewport = view->viewport();
        const QChar kind = step.front();
        const QStringList days = step.mid(1).split(u'-');
        const int day = days.first().toInt();
        if (kind == u'c') {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, dayAt(day));
        } else if (kind == u's') {
            QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, dayAt(day));
        } else if (kind == u'd') {
            const int to = days.last().toInt();
            QTest::mousePress(viewport, Qt::LeftButton, {}, dayAt(day));
            for (int d = day; d != to;)
                QTest::mouseMove(viewport, dayAt(d += to > day ? 1 : -1));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, dayAt(to));
        } else {
            calendar->setSelectedDate(QDate(2027, 3, kind == u' ' ? 9 : day));
            view->setFocus();
            const Qt::Key key = kind == u' ' ? Qt::Key_Space : Qt::Key_Return;
            QTest::keyClick(view, key, kind == u'K' ? Qt::ShiftModifier : Qt::NoModifier);
        }
    }
};

// The periods stored, as "name from to" in the order of their keys.
QStringList storedPeriods(const TestUnit &unit, const QString &table)
{
    QStringList periods;
    for (RecordSet rs(unit.personnel(), table); !rs.eof(); rs.moveNext())
        periods.append(rs.text(1) + u' ' + rs.value(2).toDate().toString(u"d"_s) + u'-' +
                       rs.value(3).toDate().toString(u"d"_s));
    return periods;
}

} // namespace

void tst_MainWindow::calendarGestures_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("periods"); // days of March, for the current duty or soldier
    const auto row = [](const char *name, int tab, const QString &steps, const QStringList &periods) {
        QTest::newRow(name) << tab << steps << periods;
    };
    row("a click", 0, u"c14"_s, {u"14-14"_s});
    row("the same day twice", 1, u"c14 c14"_s, {u"14-14"_s, u"14-14"_s});
    row("a drag", 0, u"d16-18"_s, {u"16-18"_s});
    row("a drag backwards", 1, u"d18-16"_s, {u"16-18"_s});
    row("click then shift-click: one period", 0, u"c14 s20"_s, {u"14-20"_s});
    row("shift-click before the day clicked", 1, u"c20 s14"_s, {u"14-20"_s});
    row("shift-click after a drag runs from its first day", 0, u"c14 d16-18 s20"_s, {u"14-14"_s, u"16-20"_s});
    row("a second shift-click moves the end again", 1, u"c14 s20 s16"_s, {u"14-16"_s});
    row("shift-click with nothing picked before", 0, u"s20"_s, {u"20-20"_s});
    row("Return on a day", 0, u"k14"_s, {u"14-14"_s});
    row("Space on a day", 1, u" 9"_s, {u"9-9"_s});
    row("Return, then shift+Return further on", 0, u"k14 K17"_s, {u"14-17"_s});
}

void tst_MainWindow::calendarGestures()
{
    QFETCH(int, tab);
    QFETCH(QString, steps);
    QFETCH(QStringList, periods);
    Window w;
    w.open();
    w.find<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(tab);
    DataGrid *owners = w.grid(tab == 0 ? 1 : 3);
    owners->setCurrentRow(1); // not the first: the period is the current one's
    const QString name = owners->model()->index(1, 1).data().toString();
    const CalendarHand hand(w.find<MonthView>(tab == 0 ? u"MonthView1"_s : u"MonthView2"_s));
    QVERIFY(hand.view);
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts))
        hand.act(step == u"9" ? u" 9"_s : step);
    QStringList expected;
    for (const QString &p : periods)
        expected.append(name + u' ' + p);
    QCOMPARE(storedPeriods(w.unit, tab == 0 ? u"WorkSchedule"_s : u"AbsentDates"_s), expected);
    QCOMPARE(owners->currentRow(), 1); // the duty or soldier stays current, the new period is current
    QCOMPARE(w.grid(tab == 0 ? 2 : 4)->currentRow(), periods.size() - 1);
    QVERIFY(w.dialogs.shown.isEmpty());
}

void tst_MainWindow::calendarShowsTheRunWhileDragging()
{
    Window w;
    w.open();
    w.find<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(0);
    const CalendarHand hand(w.find<MonthView>(u"MonthView1"_s));
    auto selected = [&](int day) {
        return hand.calendar->dateTextFormat(QDate(2027, 3, day)).background() ==
               hand.calendar->palette().brush(QPalette::Highlight);
    };
    QWidget *viewport = hand.view->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, hand.dayAt(16));
    QTest::mouseMove(viewport, hand.dayAt(18));
    // Nor does the calendar mark today, its last choice, beside the run.
    QVERIFY(!hand.view->selectionModel()->isSelected(hand.view->indexAt(hand.dayAt(10))));
    QVERIFY(!selected(15));
    QVERIFY(selected(16) && selected(17) && selected(18));
    QVERIFY(!selected(19));
    QTest::mouseMove(viewport, hand.dayAt(17)); // back again: the 18th is no longer in it
    QVERIFY(!selected(18));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, hand.dayAt(17));
    QVERIFY(selected(16) && selected(17));
    // The weekend stays bold inside the run: Saturday the 20th.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, hand.dayAt(20));
    QVERIFY(selected(20));
    QCOMPARE(hand.calendar->dateTextFormat(QDate(2027, 3, 20)).fontWeight(), int(QFont::Bold));
    QCOMPARE(storedPeriods(w.unit, u"WorkSchedule"_s), QStringList{u"Gate Guard 16-20"_s});
}

void tst_MainWindow::calendarTakesAtMost365Days_data()
{
    QTest::addColumn<QDate>("chosenFirst");
    QTest::addColumn<QDate>("chosenThen");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("forwards: the first day stays")
        << QDate(2027, 1, 1) << QDate(2028, 6, 1) << QDate(2027, 1, 1) << QDate(2027, 12, 31);
    QTest::newRow("backwards: the first day chosen is the last")
        << QDate(2028, 6, 1) << QDate(2027, 1, 1) << QDate(2027, 6, 3) << QDate(2028, 6, 1);
    QTest::newRow("exactly 365 days: no message")
        << QDate(2027, 1, 1) << QDate(2027, 12, 31) << QDate(2027, 1, 1) << QDate(2027, 12, 31);
}

void tst_MainWindow::calendarTakesAtMost365Days()
{
    QFETCH(QDate, chosenFirst);
    QFETCH(QDate, chosenThen);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    Window w;
    w.open();
    auto *calendar = w.find<MonthView>(u"MonthView2"_s);
    calendar->selectRange(chosenFirst, chosenFirst);
    calendar->extendRange(chosenThen); // a shift-click on a month further on
    RecordSet rs(w.unit.personnel(), u"AbsentDates"_s);
    QCOMPARE(rowCount(rs), 1);
    QCOMPARE(rs.value(2).toDate(), from);
    QCOMPARE(rs.value(3).toDate(), to);
    const QStringList told = w.dialogs.texts(Messenger::Kind::Information);
    if (from.daysTo(to) == 364 && std::abs(chosenFirst.daysTo(chosenThen)) > 364) {
        QCOMPARE(told.size(), 1);
        QVERIFY(told.first().startsWith(u"At most 365 days"_s));
        QVERIFY(told.first().contains(QLocale().toString(from, QLocale::LongFormat)));
    } else {
        QVERIFY(told.isEmpty());
    }
}

void tst_MainWindow::housekeeping_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("working");
    QTest::addColumn<int>("gridNumber"); // the list showing them, if any
    QTest::addColumn<bool>("refused");   // the file refuses to give up a row
    QTest::newRow("absences") << u"AbsentDates"_s << false << 4 << false;
    QTest::newRow("work schedule") << u"WorkSchedule"_s << false << 2 << false;
    QTest::newRow("assignment dates") << u"Dates"_s << true << 0 << false;
    QTest::newRow("holidays") << u"Holiday"_s << false << 0 << false;
    QTest::newRow("file that cannot be written") << u"AbsentDates"_s << false << 4 << true;
}

void tst_MainWindow::housekeeping()
{
    QFETCH(QString, table);
    QFETCH(bool, working);
    QFETCH(int, gridNumber);
    QFETCH(bool, refused);
    Window w;
    {
        const Database db = working ? w.unit.working() : w.unit.personnel();
        RecordSet rs(db, table);
        // Name, From, To: ends yesterday, ends today, no end, began long ago, ended long ago.
        addRow(rs, {u"yesterday"_s, QDate(2027, 3, 1), QDate(2027, 3, 9)});
        addRow(rs, {u"today"_s, QDate(2027, 3, 1), QDate(2027, 3, 10)});
        addRow(rs, {u"open"_s, QDate(2027, 3, 1)});
        addRow(rs, {u"long"_s, QDate(2020, 1, 1), QDate(2027, 4, 1)});
        addRow(rs, {u"past"_s, QDate(2020, 1, 1), QDate(2020, 1, 2)});
        if (refused)
            refuseDeletes(db, table);
    }
    w.open();
    const auto remaining = [&](const QStringList &names) {
        RecordSet rs(working ? w.unit.working() : w.unit.personnel(), table);
        QCOMPARE(column(rs, 1), names);
        if (gridNumber)
            QCOMPARE(w.grid(gridNumber)->model()->rowCount(), names.size());
    };
    const QStringList all{u"yesterday"_s, u"today"_s, u"open"_s, u"long"_s, u"past"_s};
    // Nothing can go, and saying so is not the housekeeping's business.
    remaining(refused ? all : QStringList{u"today"_s, u"open"_s, u"long"_s});
    // A day later, on the next activation, the one ending on the 10th goes.
    w.today = QDate(2027, 3, 11);
    w.main->runHousekeeping();
    remaining(refused ? all : QStringList{u"open"_s, u"long"_s});
    QVERIFY(w.dialogs.shown.isEmpty());
}

void tst_MainWindow::togglesWriteOptionFiles()
{
    Window w;
    writeFile(w.unit.folder.consolidatePath(), " 2 \r\n");
    MainWindow &main = w.open();
    QAction *consolidate = w.action(u"MNU_Consolidate"_s);
    QVERIFY(!consolidate->isChecked());
    QCOMPARE(main.runOptions().consolidateFlag, qint16(2));
    consolidate->trigger();
    QVERIFY(consolidate->isChecked());
    QCOMPARE(readFile(w.unit.folder.consolidatePath()), QByteArray(" 1 \r\n"));
    consolidate->trigger();
    QVERIFY(!consolidate->isChecked());
    QCOMPARE(readFile(w.unit.folder.consolidatePath()), QByteArray(" 0 \r\n"));
    QCOMPARE(main.runOptions().consolidateFlag, qint16(0));
    QVERIFY(!QFile::exists(w.unit.folder.absencePath()));
    w.action(u"MNU_Absence"_s)->trigger();
    QCOMPARE(readFile(w.unit.folder.absencePath()), QByteArray(" 1 \r\n"));
    QCOMPARE(main.runOptions().absenceFlag, qint16(1));
}

void tst_MainWindow::toggleThatCannotBeSavedChangesNothing_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("fullDisk"); // else a folder stands where the file should be
    QTest::newRow("Absence, a folder in the way")
        << u"MNU_Absence"_s << u"ROSTER2.INI"_s << u"Absence"_s << false;
    QTest::newRow("Consolidate, full disk")
        << u"MNU_Consolidate"_s << u"ROSTER.INI"_s << u"Consolidate"_s << true;
    QTest::newRow("Absence, full disk") << u"MNU_Absence"_s << u"ROSTER2.INI"_s << u"Absence"_s << true;
}

void tst_MainWindow::toggleThatCannotBeSavedChangesNothing()
{
    QFETCH(QString, item);
    QFETCH(QString, file);
    QFETCH(QString, setting);
    QFETCH(bool, fullDisk);
    std::optional<SmallDisk> disk;
    if (fullDisk && !disk.emplace(1024 * 1024).isMounted())
        QSKIP("mounting a small disk is not permitted here");
    const QTemporaryDir scratch;
    const UnitFolder folder(fullDisk ? disk->path() : scratch.path());
    folder.init();
    if (fullDisk)
        writeFile(folder.filePath(file), " 1 \r\n");
    else
        QVERIFY(QDir().mkdir(folder.filePath(file)));
    ScriptedDialogs dialogs;
    auto main = std::make_unique<MainWindow>(folder, std::make_unique<FolderLock>(folder.dir()),
                                             [] { return kToday; });
    main->show();
    QAction *action = main->findChild<QAction *>(item);
    QCOMPARE(action->isChecked(), fullDisk);
    if (fullDisk)
        disk->fill();

    action->trigger();
    QCOMPARE(action->isChecked(), fullDisk);
    if (fullDisk)
        QCOMPARE(readFile(folder.filePath(file)), QByteArray(" 1 \r\n"));
    const QStringList errors = dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(u"The %1 setting could not be saved"_s.arg(setting)) &&
                 errors.first().contains(file) &&
                 (!fullDisk || errors.first().contains(u"No space left on device"_s)),
             qPrintable(errors.first()));
    const qint16 flag =
        setting == u"Consolidate" ? main->runOptions().consolidateFlag : main->runOptions().absenceFlag;
    QCOMPARE(flag, qint16(fullDisk ? 1 : 0));
    main.reset(); // nothing of the unit may stay open on the disk
}

void tst_MainWindow::rosterRunFromTheMenu_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("cancelled") << u"cancel"_s;
    QTest::newRow("initial name left") << u"initial"_s;
    QTest::newRow("new file, no extension typed") << u"new"_s;
    QTest::newRow("new file, by its key Ctrl+N") << u"key"_s;
    QTest::newRow("exists, replace Yes") << u"yes"_s;
    QTest::newRow("exists, replace No") << u"no"_s;
}

void tst_MainWindow::rosterRunFromTheMenu()
{
    QFETCH(QString, situation);
    Window w;
    addRows(w.unit.personnel(), u"WorkSchedule"_s, {{u"Kitchen"_s, QDate(2027, 3, 15), QDate(2027, 3, 15)}});
    MainWindow &main = w.open();
    const QString target = w.unit.path(u"March.cxr"_s);
    if (situation == u"yes" || situation == u"no")
        writeFile(target, "old roster");
    if (situation == u"cancel")
        w.dialogs.fileNames = {u""_s};
    else if (situation == u"initial")
        w.dialogs.fileNames = {w.unit.path(u"*.cxr"_s)};
    else
        w.dialogs.fileNames = {situation == u"new" || situation == u"key" ? w.unit.path(u"March"_s) : target};
    w.dialogs.answers = {situation == u"yes"};

    if (situation == u"key") {
        QApplication::setActiveWindow(&main);
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_N, Qt::ControlModifier);
    } else {
        w.action(u"MNU_Make"_s)->trigger();
    }

    QVERIFY(main.isVisible());
    QVERIFY(!QApplication::overrideCursor());
    // Offered in the unit's folder, not where the program was started.
    QCOMPARE(w.dialogs.offeredNames.value(0), w.unit.path(u"*.cxr"_s));
    const bool ran = situation == u"new" || situation == u"key" || situation == u"yes";
    QCOMPARE(w.dialogs.texts(Messenger::Kind::Plain), ran ? QStringList{u"Finished"_s} : QStringList{});
    QCOMPARE(w.dialogs.questions,
             situation == u"yes" || situation == u"no"
                 ? QStringList{u"File already exists.  Do you want to replace March.cxr?"_s}
                 : QStringList{});
    if (situation == u"cancel" || situation == u"initial")
        QVERIFY(!QFile::exists(target));
    if (ran) {
        const Database db = Database::open(target, FileKind::Roster);
        QCOMPARE(rowCount(db, u"header"_s), 2);
        // The window has no use for the new datafile's rows and does not read them.
        for (const DataControl *source : main.findChildren<DataControl *>())
            QVERIFY2(!source->recordSource().contains(u"storeage"_s, Qt::CaseInsensitive) &&
                         !source->recordSource().contains(u"header"_s, Qt::CaseInsensitive),
                     qPrintable(source->objectName()));
        QCOMPARE(rowCount(w.unit.working(), u"Memory"_s), 4);
    }
    if (situation == u"no") {
        QCOMPARE(readFile(target), QByteArray("old roster"));
        QCOMPARE(rowCount(w.unit.working(), u"Memory"_s), 0);
        QCOMPARE(w.dialogs.texts(Messenger::Kind::Error),
                 QStringList{u"Sorry you have encountered error number 3204"_s});
        // The program goes on: the next run may replace it.
        w.dialogs.fileNames = {target};
        w.dialogs.answers = {true};
        w.action(u"MNU_Make"_s)->trigger();
        QCOMPARE(w.dialogs.texts(Messenger::Kind::Plain), QStringList{u"Finished"_s});
        QVERIFY(Database::open(target, FileKind::Roster).isOpen());
    }
}

void tst_MainWindow::everyWayOfClosingSavesTheEdit_data()
{
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<int>("column"); // of the absence list: 3 "To", 4 "Remark"
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inEditor");  // still in the cell's editor, or already held by the list
    QTest::addColumn<QString>("stored"); // empty: the window stays open
    QTest::newRow("Exit, row held") << u"Exit"_s << 4 << u"Sick"_s << false << u"Sick"_s;
    QTest::newRow("close()") << u"close"_s << 4 << u"Sick"_s << true << u"Sick"_s;
    // The title bar's X and Alt+F4 reach the window as the window system's close.
    QTest::newRow("X or Alt+F4") << u"window system"_s << 4 << u"Sick"_s << true << u"Sick"_s;
    QTest::newRow("File > Exit clicked") << u"Exit clicked"_s << 4 << u"Sick"_s << true << u"Sick"_s;
    QTest::newRow("Ctrl+Q in the editor") << u"Ctrl+Q"_s << 4 << u"Sick"_s << true << u"Sick"_s;
    QTest::newRow("refused, kept open") << u"window system"_s << 3 << u"next week"_s << true << QString();
}

void tst_MainWindow::everyWayOfClosingSavesTheEdit()
{
    QFETCH(QString, closeBy);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, inEditor);
    QFETCH(QString, stored);
    Window w;
    const QStringList before{u"Adams"_s, u"2027-04-01"_s, u"2027-04-02"_s, u"leave"_s};
    addRows(w.unit.personnel(), u"AbsentDates"_s,
            {{before[0], QDate(2027, 4, 1), QDate(2027, 4, 2), before[3]}});
    MainWindow &main = w.openActive(1);
    DataGrid *grid = w.grid(4);
    auto *model = grid->recordModel();
    grid->setFocus();
    grid->setCurrentIndex(model->index(0, column));
    if (inEditor) {
        // A click on the cell of the current row opens its editor, as a clerk does.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(model->index(0, column)).center(), 0);
        QTest::keyClicks(static_cast<QWidget *>(nullptr), typed, {}, 0);
    } else {
        QVERIFY(model->setData(model->index(0, column), typed));
    }

    if (closeBy == u"Exit") {
        w.action(u"MNU_Exit"_s)->trigger();
    } else if (closeBy == u"close") {
        main.close();
    } else if (closeBy == u"Ctrl+Q") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    } else if (closeBy == u"window system") {
        QCloseEvent close;
        QCoreApplication::sendEvent(main.windowHandle(), &close);
    } else {
        auto *file = w.find<QMenu>(u"MNU_File"_s);
        QTest::mouseClick(main.menuBar(), Qt::LeftButton, {},
                          main.menuBar()->actionGeometry(file->menuAction()).center());
        QTRY_VERIFY(file->isVisible());
        QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(w.action(u"MNU_Exit"_s)).center());
    }
    if (stored.isEmpty()) {
        // Told why, with the editor still holding what was typed.
        QVERIFY(main.isVisible());
        QCOMPARE(w.dialogs.texts(Messenger::Kind::Error).size(), 1);
        QVERIFY(grid->isEditing());
    } else {
        QTRY_VERIFY(!main.isVisible());
    }
    RecordSet rs(w.unit.personnel(), u"AbsentDates"_s);
    QStringList after;
    for (int f = 1; f <= 4; ++f)
        after.append(rs.value(f).toString());
    QCOMPARE(after, stored.isEmpty() ? before : QStringList(before.mid(0, column - 1)) << stored);
}

void tst_MainWindow::workOffTheThreadLeavesTheWindowGoing_data()
{
    QTest::addColumn<bool>("lasts");
    QTest::addColumn<bool>("throws");
    QTest::newRow("quick") << false << false;
    QTest::newRow("long enough to show") << true << false;
    QTest::newRow("failing") << false << true;
}

void tst_MainWindow::workOffTheThreadLeavesTheWindowGoing()
{
    QFETCH(bool, lasts);
    QFETCH(bool, throws);
    QWidget window;
    window.show();
    // The window's thread watches for the busy dialog; the work, when it is
    // long, goes on until the window has shown it, which it can only do while
    // the work runs elsewhere. Ten seconds only keep a fault from hanging.
    std::atomic<bool> shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &window, [&] {
        const auto *busy = window.findChild<QProgressDialog *>(u"BusyProgress"_s);
        if (busy && busy->isVisible() && busy->labelText() == u"Working on it..."_s)
            shown = true;
    });
    watch.start(10);
    QThread *ranOn = nullptr;
    bool failed = false;
    try {
        runOffThread(&window, u"Work"_s, u"Working on it..."_s, [&] {
            ranOn = QThread::currentThread();
            if (throws)
                throw std::runtime_error("the work failed");
            for (QDeadlineTimer hang(10000); lasts && !shown && !hang.hasExpired();)
                QThread::msleep(5);
        });
    } catch (const std::runtime_error &) {
        failed = true;
    }
    QVERIFY(ranOn && ranOn != QThread::currentThread());
    QCOMPARE(failed, throws);
    // A quick work ends before the dialog is due; a loaded machine may still show it.
    if (lasts)
        QVERIFY(shown);
    // The dialog goes with the work.
    QVERIFY(!window.findChild<QProgressDialog *>(u"BusyProgress"_s));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
