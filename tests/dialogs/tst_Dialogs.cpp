#include "../main/WindowFixture.h"

#include "app/Language.h"

#include "dialogs/CountersDialog.h"
#include "dialogs/SetupDialog.h"
#include "dialogs/SoldierTotalsModel.h"
#include "main/MonthView.h"
#include "main/ReportPreview.h"
#include "report/ReportEngine.h"
#include "store/FieldValues.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

void soldiersAndDutiesWithAllFlags(const TestUnit &unit)
{
    const Database db = unit.personnel();
    RecordSet soldiers(db, u"SoldierRoster"_s);
    RecordSet duties(db, u"DutyDates"_s);
    for (const QString &name : {u"Able"_s, u"Baker"_s}) {
        soldiers.addNew();
        soldiers.setValue(1, name);
        duties.addNew();
        duties.setValue(1, name + u" duty"_s);
        for (int k = 0; k < 15; ++k) {
            soldiers.setValue(4 + k, true);
            duties.setValue(3 + k, true);
        }
        soldiers.update();
        duties.update();
    }
}

// The Q flags of every soldier and duty, as "1"/"0" strings.
QStringList flags(const TestUnit &unit)
{
    QStringList out;
    for (const auto &[table, first] : {std::pair{u"SoldierRoster"_s, 4}, std::pair{u"DutyDates"_s, 3}}) {
        RecordSet rs(unit.personnel(), table);
        for (; !rs.eof(); rs.moveNext()) {
            QString f;
            for (int k = 0; k < 15; ++k)
                f += rs.value(first + k).toBool() ? u'1' : u'0';
            out.append(f);
        }
    }
    return out;
}

// Two rows in every list that the dialogs edit; the holidays lie after
// "today", so that the housekeeping keeps them.
void twoRowsEverywhere(const TestUnit &unit)
{
    addRows(unit.working(), u"Memory"_s,
            {{true, u"Able"_s, u"C"_s, u"Guard"_s, 3, 1}, {true, u"Baker"_s, u"F"_s, u"Guard"_s, 5, 2}});
    addRows(unit.working(), u"Dates"_s,
            {{u"Able"_s, QDate(2027, 4, 10), QDate(2027, 4, 12)},
             {u"Baker"_s, QDate(2027, 5, 1), QDate(2027, 5, 2)}});
    addRows(unit.personnel(), u"Sections"_s, {{u"Alpha"_s}, {u"Bravo"_s}});
    for (const QString &table : {u"Holiday"_s, u"WorkSchedule"_s, u"AbsentDates"_s})
        addRows(unit.personnel(), table,
                {{u"Easter"_s, QDate(2027, 4, 10), QDate(2027, 4, 12)},
                 {u"Summer"_s, QDate(2027, 8, 1), QDate(2027, 8, 1)}});
}

bool uniqueMnemonics(const QStringList &texts)
{
    QStringList keys;
    for (const QString &text : texts)
        keys.append(QKeySequence::mnemonic(text).toString());
    keys.removeAll(QString());
    return QSet<QString>(keys.begin(), keys.end()).size() == keys.size();
}

// The English texts of a translation that it gives in other words: shown
// in that language, each is a text left untranslated.
QSet<QString> translatedSources(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> out;
    QString source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" &&
                 xml.readElementText(QXmlStreamReader::IncludeChildElements) != source)
            out.insert(source);
    }
    return out;
}

// The open cell editor of a grid, if any.
QLineEdit *cellEditor(DataGrid *grid)
{
    for (auto *edit : grid->viewport()->findChildren<QLineEdit *>())
        if (edit->isVisible())
            return edit;
    return nullptr;
}

struct GridOf {
    QString menu, window, grid, table;
    int nameColumn = 0;
};

const GridOf kCounters{u"MNU_Count"_s, u"Edit32"_s, u"TDBGrid1"_s, u"Memory"_s};
const GridOf kDates{u"MNU_Dates"_s, u"Assignment"_s, u"TDBGrid3"_s, u"Dates"_s};
const GridOf kSections{u"MNU_Setup"_s, u"Setup"_s, u"TDBGrid1"_s, u"Sections"_s};
const GridOf kHolidays{u"MNU_Setup"_s, u"Setup"_s, u"TDBGrid2"_s, u"Holiday"_s};
const GridOf kSchedule{QString(), u"Main"_s, u"TDBGrid2"_s, u"WorkSchedule"_s, 1};
const GridOf kAbsences{QString(), u"Main"_s, u"TDBGrid4"_s, u"AbsentDates"_s, 1};
const GridOf kDuties{QString(), u"Main"_s, u"TDBGrid1"_s, u"DutyDates"_s};

// A unit with two lines in every table, the program open on it and the
// dialog of the grid shown; returns the dialog.
QWidget *openOn(Window &p, const GridOf &where, QStringList *before)
{
    twoRowsEverywhere(p.unit);
    *before = stored(p.unit, where.table);
    p.open();
    if (where.menu.isEmpty())
        return p.main.get();
    p.choose(where.menu);
    return p.window(where.window);
}

// Opens the window of where on a unit with two lines in every table and
// types into the first line's column: left in the cell's editor, or already
// handed to the grid. Gives the window, its grid, the table as stored and
// what the cell showed before.
void typeIntoFirstLine(Window &p, const GridOf &where, int column, const QString &typed, bool inEditor,
                       QWidget **dialog, DataGrid **grid, QStringList *before, QString *shown)
{
    *dialog = openOn(p, where, before);
    QVERIFY(QTest::qWaitForWindowExposed(*dialog));
    *grid = p.in<DataGrid>(*dialog, where.grid);
    if (auto *tabs = p.in<QTabWidget>(*dialog, u"SSTab1"_s))
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(*grid))
                tabs->setCurrentIndex(i);
    const QModelIndex cell = (*grid)->recordModel()->index(0, column);
    *shown = cell.data().toString();
    (*grid)->setCurrentIndex(cell);
    if (inEditor) {
        (*grid)->edit(cell);
        QLineEdit *editor = cellEditor(*grid);
        QVERIFY(editor);
        editor->setText(typed);
    } else {
        QVERIFY((*grid)->recordModel()->setData(cell, typed));
    }
}

// Keys typed ahead as a fast typist types them: each is delivered when an
// event loop next runs, the window's or a message box's, to whatever has the
// focus then ("\t" is Tab, "\b" Backspace). Messages still up at the end are closed.
struct TypeAhead {
    QWidget *window;
    QString keys;
    bool done = false;
    QList<QWidget *> pressedUnder; // the message on top when each key being delivered was pressed
};

void typeOn(const std::shared_ptr<TypeAhead> &t)
{
    QWidget *box = QApplication::activeModalWidget();
    const auto later = [t] { QTimer::singleShot(0, [t] { typeOn(t); }); };
    // One key at a time: QTest lets events run while it delivers a key, and
    // only a message that key brought up takes the next ones meanwhile. A
    // message just shown takes them once the window system has given it the
    // focus; when the message goes, the focus goes back to the window typed in.
    if (!box && !QGuiApplication::focusWindow())
        t->window->activateWindow();
    if ((!t->pressedUnder.isEmpty() && t->pressedUnder.last() == box) || !QGuiApplication::focusWindow() ||
        (box && QGuiApplication::focusWindow() != box->windowHandle())) {
        later();
        return;
    }
    if (t->keys.isEmpty()) {
        if (box) {
            later();
            box->close();
        } else {
            t->done = true;
        }
        return;
    }
    const QChar c = t->keys.front();
    t->keys.remove(0, 1);
    later();
    t->pressedUnder.append(box);
    if (c == u'\t')
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Tab, {}, 0);
    else if (c == u'\b')
        QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Backspace, {}, 0);
    else
        QTest::keyClick(static_cast<QWidget *>(nullptr), c.toLatin1(), {}, 0);
    t->pressedUnder.removeLast();
}

} // namespace

Q_DECLARE_METATYPE(GridOf)

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void titlesClearFlagsOfUntitledOnly_data();
    void titlesClearFlagsOfUntitledOnly();
    void addSortDeleteOk_data();
    void addSortDeleteOk();
    void holidays();
    void counters();
    void countersAreReadWhileTheWindowAnswers();
    void countersThatCannotBeReadAreToldOncePerReturn();
    void f1OpensHelpFromADialog();
    void closingDropsWhatWasNotSaved_data();
    void closingDropsWhatWasNotSaved();
    void theMainWindowSavesWhatToolWindowsHold_data();
    void theMainWindowSavesWhatToolWindowsHold();
    void countersTakeOnlyTheirRange_data();
    void countersTakeOnlyTheirRange();
    void periodsEndOnOrAfterTheirStart_data();
    void periodsEndOnOrAfterTheirStart();
    void datesShownWholeAndReadAgain();
    void f1InModalDialogs_data();
    void f1InModalDialogs();
    void failedDeleteShowsTheErrorOneWay_data();
    void failedDeleteShowsTheErrorOneWay();
    void everyWindowFitsASmallScreen_data();
    void everyWindowFitsASmallScreen();
    void typingAfterAddStaysInTheNewRow_data();
    void typingAfterAddStaysInTheNewRow();
    void longNamesLeaveTheOtherColumnsInView();
    void focusComesBackAfterADialog_data();
    void focusComesBackAfterADialog();
};

void tst_Dialogs::titlesClearFlagsOfUntitledOnly_data()
{
    QTest::addColumn<bool>("titlesRow");     // the Qualifications table has its row
    QTest::addColumn<QStringList>("titles"); // typed into boxes 1..4; the rest left empty
    QTest::addColumn<QString>("kept");       // flags left set, Q1..Q15
    QTest::newRow("blank and empty titles")
        << true << QStringList{u"Weapons"_s, u"   "_s, u""_s, u"Driver"_s} << u"100100000000000"_s;
    QTest::newRow("all titled at the start")
        << true << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s} << u"111100000000000"_s;
    // Nothing to save a title into: it is lost, its flags kept.
    QTest::newRow("no titles row") << false << QStringList{u"Typed"_s} << u"100000000000000"_s;
}

void tst_Dialogs::titlesClearFlagsOfUntitledOnly()
{
    QFETCH(bool, titlesRow);
    QFETCH(QStringList, titles);
    QFETCH(QString, kept);
    Window p(false);
    soldiersAndDutiesWithAllFlags(p.unit);
    if (!titlesRow)
        RecordSet(p.unit.personnel(), u"Qualifications"_s).deleteCurrent();
    p.open();
    QVERIFY(p.find<QCheckBox>(u"PQ_0"_s)->isHidden()); // no titles: every box hidden
    bool ended = false;
    QWidget *setup = p.choose(u"MNU_Setup"_s, u"Setup"_s);
    connect(qobject_cast<SetupDialog *>(setup), &SetupDialog::endProgram, this, [&] { ended = true; });
    for (int i = 0; i < 15; ++i)
        QVERIFY(p.in<QLineEdit>(setup, u"Text1_%1"_s.arg(i))->text().isEmpty());
    // Cancel saves no title; it stays in its box, where OK would save it.
    p.in<QLineEdit>(setup, u"Text1_0"_s)->setText(u"Typed"_s);
    p.click(setup, u"Command2"_s);
    QVERIFY(p.main->isVisible());
    if (titlesRow)
        QVERIFY(RecordSet(p.unit.personnel(), u"Qualifications"_s).value(1).isNull());
    p.choose(u"MNU_Setup"_s);
    QCOMPARE(p.in<QLineEdit>(setup, u"Text1_0"_s)->text(), u"Typed"_s);
    for (int i = 0; i < titles.size(); ++i)
        p.in<QLineEdit>(setup, u"Text1_%1"_s.arg(i))->setText(titles[i]);
    QCOMPARE(p.in<QLineEdit>(setup, u"Text1_0"_s)->maxLength(), 50);
    p.click(setup, u"Command1"_s);

    QCOMPARE(p.dialogs.texts(Messenger::Kind::Plain),
             QStringList{u"Program must be restarted for changes to take effect"_s});
    QVERIFY(ended);
    QVERIFY(!p.main->isVisible()); // the program ends
    QCOMPARE(flags(p.unit), QStringList(4, kept));
    RecordSet stored(p.unit.personnel(), u"Qualifications"_s);
    QCOMPARE(rowCount(stored), titlesRow ? 1 : 0);
    if (titlesRow) {
        QCOMPARE(stored.text(1), titles[0]);
        QCOMPARE(stored.value(2).toString(), titles[1]);
    }
}

void tst_Dialogs::addSortDeleteOk_data()
{
    QTest::addColumn<GridOf>("where");
    QTest::addColumn<int>("name");            // the name's column of the grid
    QTest::addColumn<QStringList>("buttons"); // Add, Delete, Update, Sort, OK
    QTest::addColumn<bool>("ends");           // OK ends the program; else it hides the window
    QTest::newRow("sections") << kSections << 1
                              << QStringList{u"Command5"_s, u"Command6"_s, u"Command7"_s, u"Command8"_s,
                                             u"Command3"_s}
                              << true;
    QTest::newRow("assignment dates")
        << kDates << 0
        << QStringList{u"Command15"_s, u"Command16"_s, u"Command17"_s, u"Command18"_s, u"Command13"_s}
        << false;
}

void tst_Dialogs::addSortDeleteOk()
{
    QFETCH(GridOf, where);
    QFETCH(int, name);
    QFETCH(QStringList, buttons);
    QFETCH(bool, ends);
    Window p(false);
    p.open();
    QWidget *dialog = p.choose(where.menu, where.window);
    auto *list = p.in<DataGrid>(dialog, where.grid);
    auto *model = list->recordModel();
    if (!ends)
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), u"Name"_s);
    p.click(dialog, buttons[1]); // Delete and Update on an empty list: nothing
    p.click(dialog, buttons[2]);
    QVERIFY(p.dialogs.shown.isEmpty());
    for (const QString &typed : {u"Zulu"_s, u"Alpha"_s}) {
        p.click(dialog, buttons[0]); // Add: an empty line at the end, current
        QCOMPARE(list->currentRow(), model->rowCount() - 1);
        QVERIFY(model->setData(model->index(list->currentRow(), name), typed));
        if (!ends && typed == u"Zulu")
            QVERIFY(model->setData(model->index(0, name + 1), QDate(2027, 5, 1)));
        p.click(dialog, buttons[2]);
    }
    QCOMPARE(model->index(1, name).data().toString(), u"Alpha"_s); // last until Sort
    p.click(dialog, buttons[3]);
    QCOMPARE(model->index(0, name).data().toString(), u"Alpha"_s);
    QCOMPARE(list->currentRow(), 0);
    p.click(dialog, buttons[1]); // Delete "Alpha"
    QCOMPARE(model->rowCount(), 1);
    // OK stores a name still in the edit line.
    p.click(dialog, buttons[0]);
    QVERIFY(model->setData(model->index(1, name), u"Mike"_s));
    p.click(dialog, buttons[4]);
    RecordSet rs(where.table == u"Dates" ? p.unit.working() : p.unit.personnel(), where.table);
    QStringList names = column(rs, 1);
    names.sort();
    QCOMPARE(names, (QStringList{u"Mike"_s, u"Zulu"_s}));
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Plain).size(), ends ? 1 : 0);
    QCOMPARE(p.main->isVisible(), !ends);
    QVERIFY(ends || !dialog->isVisible());
}

void tst_Dialogs::holidays()
{
    Window p(false);
    addRows(p.unit.personnel(), u"Holiday"_s, {{u"Past"_s, QDate(2027, 1, 1), QDate(2027, 1, 1)}});
    p.open(); // the housekeeping removes the past holiday
    QWidget *setup = p.choose(u"MNU_Setup"_s, u"Setup"_s);
    auto *grid = p.in<DataGrid>(setup, u"TDBGrid2"_s);
    auto *calendar = p.in<MonthView>(setup, u"MonthView1"_s);
    QCOMPARE(calendar->selectedDate(), kToday);
    QCOMPARE(grid->model()->rowCount(), 0);
    p.click(setup, u"Command12"_s); // Remove on an empty list: nothing
    QVERIFY(p.dialogs.shown.isEmpty());
    calendar->selectRange(QDate(2027, 12, 24), QDate(2027, 12, 26));
    calendar->selectRange(QDate(2027, 7, 4), QDate(2027, 7, 4));
    calendar->extendRange(QDate(2027, 7, 5)); // a shift-click stretches the new line
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->currentRow(), 1);
    auto *model = grid->recordModel();
    QVERIFY(model->setData(model->index(1, 0), u"Independence Day"_s));
    p.click(setup, u"Command9"_s); // OK: saves the line and hides; the program goes on
    QVERIFY(!setup->isVisible());
    QVERIFY(p.main->isVisible());
    RecordSet rs(p.unit.personnel(), u"SELECT * FROM Holiday ORDER BY From Asc"_s);
    QCOMPARE(column(rs, 1), (QStringList{u"Independence Day"_s, u"<null>"_s}));
    rs.moveFirst();
    QCOMPARE(rs.value(2).toDate(), QDate(2027, 7, 4));
    QCOMPARE(rs.value(3).toDate(), QDate(2027, 7, 5));
    moveToLastRow(rs);
    QCOMPARE(rs.value(2).toDate(), QDate(2027, 12, 24));
    QCOMPARE(rs.value(3).toDate(), QDate(2027, 12, 26));
    // Shown again, the list is read again in date order.
    p.choose(u"MNU_Setup"_s);
    QCOMPARE(model->index(0, 0).data().toString(), u"Independence Day"_s);
}

// A division's counters take a good part of a second to read and sort: the
// windows go on painting meanwhile, at the showing, at each return and for
// the other order. The window comes back active when the busy dialog of a
// read goes; that return reads nothing again, or each read would bring on
// the next for ever. A return after the clerk went elsewhere reads again.
void tst_Dialogs::countersAreReadWhileTheWindowAnswers()
{
    Window p(false);
    constexpr int kRows = 150000; // long enough to read for the busy dialog to show
    execIn(p.unit.folder.workingPath(),
           u"INSERT INTO Memory (Marker, SoldierName, Rank, DutyName, Count, HCount) "
           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
           "SELECT 1, 'Soldier ' || (i % 20000), 'K', 'Duty ' || (i % 80), i % 7, i % 3 FROM n"_s.arg(kRows));
    p.open();
    int ticks = 0;
    CountersDialog *counters = nullptr;
    bool goElsewhereAndBack = false;
    QTimer tick;
    tick.setInterval(5);
    connect(&tick, &QTimer::timeout, this, [&] {
        ++ticks;
        // As the window system may do while a read goes on.
        if (std::exchange(goElsewhereAndBack, false)) {
            QApplication::setActiveWindow(p.main.get());
            QApplication::setActiveWindow(counters);
        }
    });
    tick.start();
    counters = qobject_cast<CountersDialog *>(p.choose(u"MNU_Count"_s, u"Edit32"_s));
    QVERIFY(counters);
    QVERIFY2(ticks > 0, "the window did not answer while the counters were read at showing");
    auto *grid = p.in<DataGrid>(counters, u"TDBGrid1"_s);
    auto *sort = p.in<QPushButton>(counters, u"Command3"_s);
    QCOMPARE(grid->model()->rowCount(), kRows);
    QCOMPARE(grid->model()->index(0, 5).data().toInt(), 0); // lowest normal counter first

    int reads = 0;
    connect(counters->findChild<DataControl *>(u"Data1"_s), &DataControl::rowsReset, this, [&] { ++reads; });
    ticks = 0;
    goElsewhereAndBack = true;
    sort->click();
    QVERIFY2(ticks > 0, "the window did not answer while the counters were sorted by holiday");
    QCOMPARE(reads, 1); // no read within the read
    QCOMPARE(grid->model()->index(0, 6).data().toInt(), 0);
    QCOMPARE(sort->text(), u"Normal"_s);

    reads = 0;
    // Back from the busy dialog (a return that may come or not, as the read
    // took long enough for the dialog to show or not).
    QApplication::setActiveWindow(counters);
    QCOMPARE(reads, 0);
    QCOMPARE(sort->text(), u"Normal"_s);
    // Elsewhere and back: read again, in the normal-day order.
    ticks = 0;
    QApplication::setActiveWindow(p.main.get());
    QApplication::setActiveWindow(counters);
    QCOMPARE(reads, 1);
    QVERIFY2(ticks > 0, "the window did not answer while the counters were read again");
    QCOMPARE(sort->text(), u"Holiday"_s);
}

// The window comes back active when the message that the counters cannot
// be read goes: that return is told nothing again, or the clerk could never
// answer the message for good. A return after going elsewhere tells it again.
void tst_Dialogs::countersThatCannotBeReadAreToldOncePerReturn()
{
    Window p(false);
    p.open();
    // Laid out otherwise, as another program might leave it.
    execIn(p.unit.folder.workingPath(), u"ALTER TABLE Memory RENAME COLUMN Remarks TO Other"_s);
    auto *counters = qobject_cast<CountersDialog *>(p.choose(u"MNU_Count"_s, u"Edit32"_s));
    QVERIFY(counters);
    const auto told = [&] { return p.dialogs.texts(Messenger::Kind::Error).size(); };
    QCOMPARE(told(), 1);
    QVERIFY2(p.dialogs.texts(Messenger::Kind::Error).first().contains(u"Memory.mdb"_s),
             qPrintable(p.dialogs.texts(Messenger::Kind::Error).first()));
    QApplication::setActiveWindow(counters); // its first activation, which the showing's read stands for
    QCOMPARE(told(), 1);
    counters->readCounters();
    QCOMPARE(told(), 2);
    QEvent back(QEvent::ActivationChange); // back from the message
    QApplication::sendEvent(counters, &back);
    QCOMPARE(told(), 2);
    QApplication::setActiveWindow(p.main.get());
    QApplication::setActiveWindow(counters);
    QCOMPARE(told(), 3);
}

void tst_Dialogs::counters()
{
    Window p(false);
    addRows(p.unit.working(), u"Memory"_s,
            {{true, u"Able"_s, u"A"_s, u"Guard"_s, 3, 0},
             {true, u"Baker"_s, u"K"_s, u"Guard"_s, 1, 5},
             {true, u"Clark"_s, u"U"_s, u"Guard"_s, 2, 1}});
    p.open();
    auto *counters = qobject_cast<CountersDialog *>(p.choose(u"MNU_Count"_s, u"Edit32"_s));
    QVERIFY(counters);
    auto *grid = p.in<DataGrid>(counters, u"TDBGrid1"_s);
    auto *sort = p.in<QPushButton>(counters, u"Command3"_s);
    auto names = [&] {
        QStringList out;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            out.append(grid->model()->index(r, 2).data().toString());
        return out;
    };
    QCOMPARE(names(), (QStringList{u"Baker"_s, u"Clark"_s, u"Able"_s})); // by Normal
    QCOMPARE(sort->text(), u"Holiday"_s);
    // This window's own rank labels.
    QCOMPARE(grid->model()->index(2, 3).data().toString(), u"PV2"_s);
    QCOMPARE(grid->model()->index(0, 3).data().toString(), u"CSM"_s);
    QCOMPARE(grid->model()->index(1, 3).data().toString(), u"MAJ"_s);

    sort->click();
    QCOMPARE(names(), (QStringList{u"Able"_s, u"Clark"_s, u"Baker"_s})); // by Holiday
    QCOMPARE(sort->text(), u"Normal"_s);
    sort->click();
    QCOMPARE(names(), (QStringList{u"Baker"_s, u"Clark"_s, u"Able"_s}));
    QCOMPARE(sort->text(), u"Holiday"_s);

    sort->click();
    counters->readCounters(); // back from the main window: normal order again
    QCOMPARE(sort->text(), u"Holiday"_s);
    QCOMPARE(names(), (QStringList{u"Baker"_s, u"Clark"_s, u"Able"_s}));

    // Update saves a corrected counter; Delete removes the line.
    auto *model = grid->recordModel();
    grid->setCurrentRow(0);
    QVERIFY(model->setData(model->index(0, 5), 7));
    p.click(counters, u"Command2"_s);
    grid->setCurrentRow(2);
    p.click(counters, u"Command4"_s);
    QCOMPARE(grid->currentRow(), -1); // the last line gone: no current line
    RecordSet rs(p.unit.working(), u"Memory"_s);
    QCOMPARE(column(rs, 2), (QStringList{u"Baker"_s, u"Clark"_s}));
    rs.moveFirst();
    QCOMPARE(rs.value(5).toLongLong(), qint64(7));
    p.click(counters, u"Command1"_s); // Close
    QVERIFY(!counters->isVisible());
    QVERIFY(p.dialogs.shown.isEmpty());
}

void tst_Dialogs::f1OpensHelpFromADialog()
{
    Window p(false);
    p.open();
    QWidget *dates = p.choose(u"MNU_Dates"_s, u"Assignment"_s);
    QVERIFY(QTest::qWaitForWindowExposed(dates));
    QApplication::setActiveWindow(dates);
    dates->setFocus();
    QTest::keyClick(dates, Qt::Key_F1);
    QWidget *help = p.window(u"Help"_s);
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    auto *text = p.in<QTextBrowser>(help, u"HelpText"_s);
    QVERIFY(text->toPlainText().contains(u"Assignment dates"_s, Qt::CaseInsensitive));
    // Help > Contents is F1 by another way; still one window.
    help->hide();
    p.choose(u"MNU_Contents"_s);
    QCOMPARE(p.window(u"Help"_s), help);
    QVERIFY(help->isVisible());

    // Without the help file the user is told where it should be.
    QVERIFY(QFile::remove(p.unit.folder.filePath(u"Roster.hlp"_s)));
    p.choose(u"MNU_Contents"_s);
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Error).size(), 1);
    const QString said = p.dialogs.texts(Messenger::Kind::Error).first();
    QVERIFY2(said.contains(u"Roster.hlp"_s) && said.contains(p.unit.folder.repairCommand()) &&
                 said.contains(u"--repair"_s),
             qPrintable(said));
}

void tst_Dialogs::closingDropsWhatWasNotSaved_data()
{
    QTest::addColumn<GridOf>("where");
    QTest::addColumn<QString>("closeBy"); // a button, "Escape" or "close" (the window's own button)
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inEditor"); // still in the cell editor, or already handed to the grid
    QTest::newRow("counter, Close") << kCounters << u"Command1"_s << 5 << u"8"_s << false;
    QTest::newRow("counter in the editor, Close") << kCounters << u"Command1"_s << 7 << u"Typed"_s << true;
    QTest::newRow("counter, Escape") << kCounters << u"Escape"_s << 6 << u"9"_s << false;
    QTest::newRow("dates, Cancel") << kDates << u"Command14"_s << 1 << u"2027-04-11"_s << false;
    QTest::newRow("dates in the editor, Cancel") << kDates << u"Command14"_s << 0 << u"Zed"_s << true;
    QTest::newRow("dates, window closed") << kDates << u"close"_s << 0 << u"Zed"_s << false;
    QTest::newRow("sections, Cancel") << kSections << u"Command4"_s << 1 << u"Zulu"_s << false;
    QTest::newRow("sections in the editor, window closed")
        << kSections << u"close"_s << 1 << u"Zulu"_s << true;
    QTest::newRow("holidays, Cancel") << kHolidays << u"Command10"_s << 0 << u"Typed"_s << false;
    QTest::newRow("holidays in the editor, Cancel") << kHolidays << u"Command10"_s << 0 << u"Typed"_s << true;
}

void tst_Dialogs::closingDropsWhatWasNotSaved()
{
    QFETCH(GridOf, where);
    QFETCH(QString, closeBy);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, inEditor);
    Window p(false);
    QWidget *dialog = nullptr;
    DataGrid *grid = nullptr;
    QStringList before;
    QString shown;
    typeIntoFirstLine(p, where, column, typed, inEditor, &dialog, &grid, &before, &shown);
    if (QTest::currentTestFailed())
        return;
    auto *model = grid->recordModel();

    if (closeBy == u"Escape")
        QTest::keyClick(grid, Qt::Key_Escape);
    else if (closeBy == u"close")
        dialog->close();
    else
        p.click(dialog, closeBy);
    QVERIFY(!dialog->isVisible());
    QVERIFY(p.main->isVisible());
    QCOMPARE(stored(p.unit, where.table), before);

    // Back again: the list is read from the file and nothing is waiting to
    // be written when another line is chosen.
    p.choose(where.menu);
    QVERIFY(dialog->isVisible());
    grid->setCurrentRow(1);
    QCOMPARE(stored(p.unit, where.table), before);
    QVERIFY(!grid->isEditing());
    QVERIFY(!model->hasPendingEdits());
    QCOMPARE(model->index(0, column).data().toString(), shown);
    QVERIFY(p.dialogs.shown.isEmpty());
}

void tst_Dialogs::theMainWindowSavesWhatToolWindowsHold_data()
{
    QTest::addColumn<GridOf>("where");
    QTest::addColumn<QString>("by"); // how the program is closed, or the menu item chosen in the main window
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inEditor"); // still in the cell editor, or already handed to the grid
    QTest::addColumn<bool>("taken");
    QTest::newRow("counter in the editor, program closed")
        << kCounters << u"close"_s << 5 << u"8"_s << true << true;
    QTest::newRow("counter held by the list, File > Exit")
        << kCounters << u"MNU_Exit"_s << 6 << u"4"_s << false << true;
    QTest::newRow("dates in the editor, X or Alt+F4")
        << kDates << u"window system"_s << 0 << u"Zed"_s << true << true;
    QTest::newRow("holiday held by the list, Tools > Fairness")
        << kHolidays << u"MNU_Fairness"_s << 0 << u"Typed"_s << false << true;
    QTest::newRow("section in the editor, Tools > Undo")
        << kSections << u"MNU_Undo"_s << 1 << u"Zulu"_s << true << true;
    QTest::newRow("counter refused, program kept open")
        << kCounters << u"close"_s << 5 << u"40000"_s << true << false;
    // The counters are read again at each return to their window.
    QTest::newRow("counter in the editor, elsewhere and back")
        << kCounters << u"elsewhere and back"_s << 5 << u"8"_s << true << true;
    QTest::newRow("counter held by the list, elsewhere and back")
        << kCounters << u"elsewhere and back"_s << 6 << u"4"_s << false << true;
    QTest::newRow("counter refused, elsewhere and back")
        << kCounters << u"elsewhere and back"_s << 6 << u"-4"_s << true << false;
}

// The clerk types into a list of Assignment Counters, Assignment Dates or
// Setup and then goes to the main window: closing the program there, or a
// command that reads the unit (a roster run, an import, an undo...), saves
// what was typed first, as it saves the main window's own lists; so does
// the return to the counters, which reads them again. A value the list
// refuses keeps the program open, the editor still holding it.
void tst_Dialogs::theMainWindowSavesWhatToolWindowsHold()
{
    QFETCH(GridOf, where);
    QFETCH(QString, by);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, inEditor);
    QFETCH(bool, taken);
    Window p(false);
    QWidget *dialog = nullptr;
    DataGrid *grid = nullptr;
    QStringList before;
    QString shown;
    typeIntoFirstLine(p, where, column, typed, inEditor, &dialog, &grid, &before, &shown);
    if (QTest::currentTestFailed())
        return;

    p.main->activateWindow();
    if (by == u"elsewhere and back") {
        QApplication::setActiveWindow(p.main.get());
        QApplication::setActiveWindow(dialog);
    } else if (by == u"close") {
        p.main->close();
    } else if (by == u"window system") {
        QCloseEvent close;
        QCoreApplication::sendEvent(p.main->windowHandle(), &close);
    } else {
        p.choose(by);
    }
    const auto holds = [&typed](const QStringList &rows) {
        return std::any_of(rows.cbegin(), rows.cend(),
                           [&typed](const QString &row) { return row.split(u'|').contains(typed); });
    };
    QVERIFY(!holds(before));
    if (!taken) {
        QVERIFY(p.main->isVisible() && dialog->isVisible());
        QCOMPARE(p.dialogs.texts(Messenger::Kind::Error).size(), 1);
        QVERIFY(grid->isEditing());
        QCOMPARE(stored(p.unit, where.table), before);
        return;
    }
    const QStringList after = stored(p.unit, where.table);
    QVERIFY2(holds(after), qPrintable(after.join(u'\n')));
    QCOMPARE(after.size(), before.size());
}

void tst_Dialogs::countersTakeOnlyTheirRange_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("Normal 40000") << 5 << u"40000"_s << false;
    QTest::newRow("Normal -3") << 5 << u"-3"_s << false;
    QTest::newRow("Holiday 32768") << 6 << u"32768"_s << false;
    QTest::newRow("Holiday -1") << 6 << u"-1"_s << false;
    QTest::newRow("Normal 32767") << 5 << u"32767"_s << true;
    QTest::newRow("Holiday 0") << 6 << u"0"_s << true;
}

void tst_Dialogs::countersTakeOnlyTheirRange()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    Window p(false);
    QStringList before;
    QWidget *counters = openOn(p, kCounters, &before);
    auto *grid = p.in<DataGrid>(counters, u"TDBGrid1"_s);
    auto *model = grid->recordModel();
    grid->setCurrentRow(0);
    const QString name = model->index(0, 2).data().toString();
    const QString shown = model->index(0, column).data().toString();
    QCOMPARE(model->setData(model->index(0, column), typed), taken);
    p.click(counters, u"Command2"_s); // Update
    grid->setCurrentRow(1);

    RecordSet rs(p.unit.working(), u"Memory"_s);
    while (rs.text(2) != name)
        rs.moveNext();
    QCOMPARE(rs.value(column).toString(), taken ? typed : shown);
    if (taken) {
        QVERIFY(p.dialogs.shown.isEmpty());
        return;
    }
    const QStringList errors = p.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(p.dialogs.shown.size(), 1);
    const QString caption = model->headerData(column, Qt::Horizontal).toString();
    for (const QString &part : {typed, u"0"_s, u"32767"_s, caption})
        QVERIFY2(errors.first().contains(part), qPrintable(errors.first()));
    QVERIFY2(!errors.first().contains(u"Error"_s) && !errors.first().contains(u"TDBGrid"_s),
             qPrintable(errors.first()));
}

void tst_Dialogs::periodsEndOnOrAfterTheirStart_data()
{
    QTest::addColumn<GridOf>("where");
    QTest::addColumn<int>("column");  // "From" or "To"
    QTest::addColumn<QDate>("typed"); // stored: 10 to 12 April
    QTest::addColumn<bool>("taken");
    for (const GridOf &g : {kDates, kHolidays, kSchedule, kAbsences}) {
        const QByteArray w = (g.window + u' ' + g.grid).toLatin1();
        QTest::newRow(w + ": From after To") << g << 1 << QDate(2027, 4, 13) << false;
        QTest::newRow(w + ": To before From") << g << 2 << QDate(2027, 4, 9) << false;
        QTest::newRow(w + ": From on To") << g << 1 << QDate(2027, 4, 12) << true;
        QTest::newRow(w + ": To on From") << g << 2 << QDate(2027, 4, 10) << true;
    }
}

void tst_Dialogs::periodsEndOnOrAfterTheirStart()
{
    QFETCH(GridOf, where);
    QFETCH(int, column);
    QFETCH(QDate, typed);
    QFETCH(bool, taken);
    Window p(false);
    QStringList before;
    QWidget *dialog = openOn(p, where, &before);
    auto *grid = p.in<DataGrid>(dialog, where.grid);
    auto *model = grid->recordModel();
    grid->setCurrentRow(0);
    QCOMPARE(model->setData(model->index(0, where.nameColumn + column), typed), taken);
    grid->setCurrentRow(1); // leaving the line saves it
    RecordSet rs(where.table == u"Dates" ? p.unit.working() : p.unit.personnel(),
                 u"SELECT * FROM %1 ORDER BY From Asc"_s.arg(where.table));
    if (taken) {
        QVERIFY(p.dialogs.shown.isEmpty());
        QCOMPARE(rs.value(column + 1).toDate(), typed);
        return;
    }
    QCOMPARE(stored(p.unit, where.table), before);
    const QStringList errors = p.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QCOMPARE(p.dialogs.shown.size(), 1);
    // The message names both columns and the day the typed one clashes with.
    const QString other = model->index(0, where.nameColumn + 3 - column).data().toString();
    for (const QString &part : {u"\"From\""_s, u"\"To\""_s, other})
        QVERIFY2(errors.first().contains(part), qPrintable(errors.first()));
}

void tst_Dialogs::datesShownWholeAndReadAgain()
{
    Window p(false);
    addRows(p.unit.working(), u"Dates"_s,
            {{u"Montgomery-Whitfield, Alexander"_s, QDate(2027, 12, 28), QDate(2027, 12, 31)},
             {u"Lee"_s, QDate(2027, 11, 30), QDate(2028, 1, 1)}});
    p.open();
    QWidget *dates = p.choose(u"MNU_Dates"_s, u"Assignment"_s);
    QVERIFY(QTest::qWaitForWindowExposed(dates));
    auto *grid = p.in<DataGrid>(dates, u"TDBGrid3"_s);
    QHeaderView *header = grid->horizontalHeader();
    const QAbstractItemView *view = grid; // where the content's width hint is public
    int total = 0;
    for (int c = 0; c < 3; ++c) {
        const int needed = std::max(view->sizeHintForColumn(c), header->sectionSizeHint(c));
        QVERIFY2(grid->columnWidth(c) >= needed,
                 qPrintable(u"column %1: %2 < %3"_s.arg(c).arg(grid->columnWidth(c)).arg(needed)));
        total += grid->columnWidth(c);
    }
    QVERIFY2(total <= grid->viewport()->width(),
             qPrintable(u"%1 > %2"_s.arg(total).arg(grid->viewport()->width())));
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);

    // Each showing reads the list again: a row added as a roster run adds it.
    p.click(dates, u"Command14"_s);
    addRows(p.unit.working(), u"Dates"_s, {{u"Aaron"_s, QDate(2027, 6, 1), QDate(2027, 6, 1)}});
    p.choose(u"MNU_Dates"_s);
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), u"Aaron"_s);
}

void tst_Dialogs::f1InModalDialogs_data()
{
    QTest::addColumn<QString>("modal");
    for (const char *kind : {"save", "open", "folder", "message", "preview"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_Dialogs::f1InModalDialogs()
{
    QFETCH(QString, modal);
    Window p(false);
    p.open();
    QVERIFY(QTest::qWaitForWindowExposed(p.main.get()));
    WidgetDialogs real;
    QWidget *help = nullptr;
    bool opened = false, helpShown = false, helpTakesKeys = false, keptOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = nullptr;
        if (!QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()) != nullptr; }))
            return;
        opened = QTest::qWaitForWindowExposed(dialog);
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        help = p.window(u"Help"_s);
        helpShown = help && QTest::qWaitFor([&] { return help->isVisible(); });
        if (helpShown && QTest::qWaitForWindowExposed(help)) {
            // Keys through the window system, which holds them back from
            // windows that a modal dialog blocks.
            auto *text = p.in<QTextBrowser>(help, u"HelpText"_s);
            QTest::keyClick(help->windowHandle(), Qt::Key_PageDown);
            helpTakesKeys = text->verticalScrollBar()->value() > 0;
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            keptOpen = QTest::qWaitFor([&] { return !help->isVisible(); }) && dialog->isVisible() &&
                       QApplication::activeModalWidget() == dialog;
        }
        dialog->close();
    });
    const QString filter = u"Calendrix datafiles (*.cxr)"_s;
    if (modal == u"save") {
        QCOMPARE(real.saveFileName(p.main.get(), filter, p.unit.path(u"new.cxr"_s)), QString());
    } else if (modal == u"open") {
        QCOMPARE(real.openFileName(p.main.get(), filter, u"*.cxr"_s, p.unit.dir.path()), QString());
    } else if (modal == u"folder") {
        QCOMPARE(real.folderName(p.main.get(), u"Unit folder"_s, p.unit.dir.path()), QString());
    } else if (modal == u"message") {
        real.inform(p.main.get(), Messenger::Kind::Information, u"Something to say"_s);
    } else {
        ReportEngine engine;
        engine.setLayoutFile(p.unit.folder.remarksLayoutPath());
        engine.setDataFile(0, p.unit.folder.filePath(u"template.tem"_s));
        real.previewReport(p.main.get(), engine.run());
    }
    QVERIFY(opened);
    QVERIFY(helpShown);
    QVERIFY(helpTakesKeys);
    QVERIFY(keptOpen);
}

void tst_Dialogs::failedDeleteShowsTheErrorOneWay_data()
{
    QTest::addColumn<GridOf>("where");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("action"); // the first line, when the window says what failed
    QTest::newRow("counters") << kCounters << u"Command4"_s << QString();
    QTest::newRow("dates") << kDates << u"Command16"_s << QString();
    QTest::newRow("sections") << kSections << u"Command6"_s << QString();
    QTest::newRow("holidays") << kHolidays << u"Command12"_s << QString();
    QTest::newRow("main window duties") << kDuties << u"Command2"_s << u"Cannot delete the duty."_s;
}

void tst_Dialogs::failedDeleteShowsTheErrorOneWay()
{
    QFETCH(GridOf, where);
    QFETCH(QString, button);
    QFETCH(QString, action);
    const QString &table = where.table;
    Window p(false);
    twoRowsEverywhere(p.unit);
    soldiersAndDutiesWithAllFlags(p.unit);
    refuseDeletes(table == u"Memory" || table == u"Dates" ? p.unit.working() : p.unit.personnel(), table);
    p.open();
    const QStringList before = stored(p.unit, table);
    QWidget *w = where.menu.isEmpty() ? p.main.get() : p.choose(where.menu, where.window);
    if (where.menu.isEmpty()) {
        w->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(0);
        p.in<DataGrid>(w, where.grid)->setCurrentRow(0);
    }
    p.dialogs.shown.clear();
    p.click(w, button);

    QCOMPARE(stored(p.unit, table), before);
    const QStringList errors = p.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors.size(), 1);
    // Why, then the number on a line of its own; first what failed, where the window says it.
    const QStringList lines = errors.first().split(u'\n');
    QVERIFY2(lines.size() == (action.isEmpty() ? 2 : 3), qPrintable(errors.first()));
    QVERIFY2(QRegularExpression(u"^\\(error \\d+\\)$"_s).match(lines.last()).hasMatch(),
             qPrintable(errors.first()));
    QVERIFY2(!lines[lines.size() - 2].isEmpty() && !lines[lines.size() - 2].front().isDigit(),
             qPrintable(errors.first()));
    if (!action.isEmpty())
        QCOMPARE(lines.first(), action);
}

// On a 1024x768 screen, and on a 1366x768 one at 150 % text size, every
// window, frame included, lies on the screen and shows each of its buttons
// whole, in each language. Each row runs again in a program of its own whose
// screen has that size.
void tst_Dialogs::everyWindowFitsASmallScreen_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QString>("scale"); // QT_SCALE_FACTOR: text and controls that much larger
    QTest::addColumn<QString>("language");
    QTest::newRow("1024x768, en") << QSize(1024, 768) << u"1"_s << u"en"_s;
    // German words are the longest; and no English text is left in sight.
    QTest::newRow("1024x768, de") << QSize(1024, 768) << u"1"_s << u"de"_s;
    QTest::newRow("1024x768, nb") << QSize(1024, 768) << u"1"_s << u"nb"_s;
    QTest::newRow("1366x768 at 150 %, en") << QSize(1366, 768) << u"1.5"_s << u"en"_s;
    QTest::newRow("1366x768 at 150 %, de") << QSize(1366, 768) << u"1.5"_s << u"de"_s;
}

void tst_Dialogs::everyWindowFitsASmallScreen()
{
    QFETCH(QSize, pixels);
    QFETCH(QString, scale);
    QFETCH(QString, language);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Each screen in a process of its own, started on it.
    if (qEnvironmentVariable("CALENDRIX_TEST_SCREEN") != QString::fromUtf8(QTest::currentDataTag())) {
        QTemporaryFile config;
        QVERIFY(config.open());
        config.write(QByteArrayLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": )") +
                     QByteArray::number(pixels.width()) +
                     ", \"height\": " + QByteArray::number(pixels.height()) + "}]}");
        config.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"CALENDRIX_TEST_SCREEN"_s, QString::fromUtf8(QTest::currentDataTag()));
        env.insert(u"QT_SCALE_FACTOR"_s, scale);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {u"everyWindowFitsASmallScreen:"_s + QString::fromUtf8(QTest::currentDataTag()),
                     u"-platform"_s, u"offscreen:configfile="_s + config.fileName()});
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
        return;
    }
    Language::install(language);
    const auto english =
        language == u"en"
            ? QSet<QString>()
            : translatedSources(QStringLiteral(TRANSLATIONS "/calendrix_") + language + u".ts"_s);
    // The translation is built into the program.
    QVERIFY(language == u"en" || (english.size() > 100 &&
                                  QCoreApplication::translate("calendrix::MainWindow", "&File") != u"&File"));
    const auto speaks = [&english](const QString &text, const QObject *where) {
        QVERIFY2(!english.contains(text), qPrintable(where->objectName() + u": "_s + text));
    };
    Window p(false);
    p.open();
    const auto fits = [&screen, &speaks](QWidget *window) {
        QVERIFY(window);
        QTRY_VERIFY(window->isVisible());
        const QString name = window->objectName();
        QVERIFY2(screen.contains(window->frameGeometry()),
                 qPrintable(name + u": frame %1,%2 %3x%4"_s.arg(window->frameGeometry().x())
                                       .arg(window->frameGeometry().y())
                                       .arg(window->frameGeometry().width())
                                       .arg(window->frameGeometry().height())));
        // Tab reaches every control that takes the focus, each has a name, no two share a mnemonic.
        const QString problems = accessProblems(window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window) || w->window() != window)
                continue;
            for (const char *shown : {"text", "title", "placeholderText", "toolTip", "accessibleName"})
                if (!qobject_cast<QLineEdit *>(w) || qstrcmp(shown, "text") != 0)
                    speaks(w->property(shown).toString(), w);
            if (const auto *tabs = qobject_cast<QTabWidget *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    speaks(tabs->tabText(i), w);
            if (const auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model())
                for (int i = 0; i < view->model()->columnCount(); ++i)
                    speaks(view->model()->headerData(i, Qt::Horizontal).toString(), w);
        }
        speaks(window->windowTitle(), window);
        // No column's title is cut, but the one that takes the rest of the
        // width; the column sorted on leaves room for the arrow as well.
        for (const QTableView *table : window->findChildren<QTableView *>()) {
            QHeaderView *header = table->horizontalHeader();
            if (!table->isVisibleTo(window) || header->isHidden())
                continue;
            int last = header->count() - 1;
            while (last > 0 && header->isSectionHidden(header->logicalIndex(last)))
                --last;
            const bool arrows = header->isSortIndicatorShown();
            for (int visual = 0; visual < header->count(); ++visual) {
                const int column = header->logicalIndex(visual);
                if (header->isSectionHidden(column) || (header->stretchLastSection() && visual == last))
                    continue;
                header->setSortIndicatorShown(arrows && column == header->sortIndicatorSection());
                const int needed = header->sectionSizeHint(column);
                header->setSortIndicatorShown(arrows);
                QVERIFY2(header->sectionSize(column) >= needed,
                         qPrintable(u"%1: %2: %3 is %4 wide for %5"_s
                                        .arg(name, table->objectName(),
                                             table->model()->headerData(column, Qt::Horizontal).toString())
                                        .arg(header->sectionSize(column))
                                        .arg(needed)));
            }
        }
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (!button->isVisibleTo(window) || button->window() != window)
                continue;
            const QRect where(button->mapTo(window, QPoint()), button->size());
            QVERIFY2(window->rect().contains(where), qPrintable(name + u": "_s + button->text()));
        }
    };
    fits(p.main.get());
    for (const QWidget *menu : p.main->findChildren<QWidget *>()) { // the menus hold the actions
        QStringList texts;
        for (const QAction *item : menu->actions()) {
            texts.append(item->text());
            speaks(item->text(), menu);
        }
        QVERIFY2(uniqueMnemonics(texts), qPrintable(menu->objectName()));
    }
    if (language == u"de") { // the choice is kept per user, for the next start
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        p.choose(u"MNU_Language_nb"_s);
        QCOMPARE(Language::remembered(), u"nb"_s);
        QCOMPARE(p.dialogs.texts(Messenger::Kind::Information).size(), 1);
    }
    p.choose(u"MNU_Undo"_s); // a message box of the window's own: nothing to undo
    speaks(p.dialogs.texts(Messenger::Kind::Information).constLast(), p.main.get());
    // Menu item, window, caption.
    for (const auto &[item, name, caption] :
         {std::tuple{u"MNU_Setup"_s, u"Setup"_s, u"Setup"_s},
          std::tuple{u"MNU_Count"_s, u"Edit32"_s, u"Assignment Counters"_s},
          std::tuple{u"MNU_Dates"_s, u"Assignment"_s, u"Assignment Dates"_s},
          std::tuple{u"MNU_Fairness"_s, u"Fairness"_s, QString()},
          std::tuple{u"MNU_About"_s, u"About"_s, u"About"_s},
          std::tuple{u"MNU_Contents"_s, u"Help"_s, QString()},
          std::tuple{u"MNU_Import"_s, u"ImportDialog"_s, QString()}}) {
        for (int times = 0; times < 3; ++times)
            p.choose(item);
        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                window = w;
        fits(window);
        if (!caption.isEmpty()) {
            // One window per dialog, hidden by its closing button, not destroyed.
            QCOMPARE(p.window(name), window);
            if (language == u"en")
                QCOMPARE(window->windowTitle(), caption);
            window->hide();
            QCOMPARE(p.choose(item, name), window);
            QVERIFY(window->isVisible());
        }
        if (name == u"Setup") // it opens on "Comment" the first time
            QCOMPARE(p.in<QTabWidget>(window, u"SSTab1"_s)->currentIndex(), 1);
        if (name == u"Fairness" && pixels.width() <= 1024) { // the totals in sight, titles whole
            const auto *table = p.in<QTableView>(window, u"SoldierTable"_s);
            QVERIFY(table->columnViewportPosition(SoldierTotalsModel::Total) +
                        table->columnWidth(SoldierTotalsModel::Total) <=
                    table->viewport()->width());
        }
        if (name == u"About") { // it tells this build, and its button closes it
            QStringList texts;
            for (QLabel *label : window->findChildren<QLabel *>()) {
                texts.append(label->text());
                if (label->objectName() == u"Image1" || label->objectName() == u"Picture1")
                    QVERIFY2(!label->pixmap().isNull(), qPrintable(label->objectName()));
            }
            QVERIFY(texts.contains(u"Calendrix"_s));
            QVERIFY(texts.contains(
                QCoreApplication::translate("calendrix::AboutDialog", "Version %1, %2-bit edition")
                    .arg(QStringLiteral(CALENDRIX_VERSION))
                    .arg(QSysInfo::WordSize)));
            p.click(window, u"Command1"_s);
            QVERIFY(!window->isVisible());
        }
        if (name == u"Fairness") {
            // A window manager may put a dialog as large as its parent with
            // its title bar above the screen: it is moved back when shown.
            window->hide();
            window->move(0, -40);
            window->show();
            QTRY_VERIFY(window->frameGeometry().top() >= screen.top());
            fits(window);
            bool previewed = false;
            QTimer::singleShot(0, window, [&] {
                QWidget *preview = QApplication::activeModalWidget();
                fits(preview);
                previewed = true;
                preview->close();
            });
            p.in<QPushButton>(window, u"PrintButton"_s)->click();
            QVERIFY(previewed);
        }
        window->hide();
    }
    // A made roster's windows: Change Roster with its Replace step, and the print preview.
    fillUnit(p.unit);
    addRows(p.unit.personnel(), u"WorkSchedule"_s, {{u"Gate Guard"_s, p.today, p.today}});
    const QString datafile = p.unit.path(u"march.cxr"_s);
    for (const QString &item : {u"MNU_Make"_s, u"MNU_Change"_s}) {
        p.dialogs.fileNames = {datafile};
        p.choose(item);
    }
    QWidget *change = p.window(u"RosterChangeDialog"_s);
    fits(change);
    p.in<QTableWidget>(change, u"ChangePeriods"_s)->selectRow(0);
    p.click(change, u"ChangeReplace"_s);
    fits(change->findChild<QDialog *>(u"Replace"_s));
    change->close();
    p.dialogs.fileNames = {datafile};
    p.choose(u"MNU_Open"_s);
    QCOMPARE(p.dialogs.previews.size(), 2);
    ReportPreview preview(p.dialogs.previews.constLast(), p.main.get());
    preview.show();
    fits(&preview);
    Language::install(u"en"_s);
}

void tst_Dialogs::typingAfterAddStaysInTheNewRow_data()
{
    QTest::addColumn<QString>("typed"); // after Alt+A; then OK is clicked
    QTest::addColumn<QString>("added");
    QTest::addColumn<int>("messages"); // each saying that "To" cannot be before "From"
    QTest::newRow("name and period") << u"Adams, Daniel\t2027-02-02\t2027-02-28"_s
                                     << u"3|Adams, Daniel|2027-02-02|2027-02-28"_s << 0;
    // The Tab that goes from the button into the list leaves the new row's first cell current.
    QTest::newRow("Tab, name and period")
        << u"\tAdams, Daniel\t2027-02-02\t2027-02-28"_s << u"3|Adams, Daniel|2027-02-02|2027-02-28"_s << 0;
    // The refused day stays in its cell; of the keys typed while the message
    // is up, the space closes it and the "2" is lost, as in any message box.
    QTest::newRow("last day refused, put right") << u"Adams, Daniel\t2027-02-02\t2027-02-01\t2 \b\b28"_s
                                                 << u"3|Adams, Daniel|2027-02-02|2027-02-28"_s << 1;
    // OK saves the rest of the line and stays open on the refused day, said once.
    QTest::newRow("last day refused at OK")
        << u"Adams, Daniel\t2027-02-02\t2027-02-01"_s << u"3|Adams, Daniel|2027-02-02|<null>"_s << 1;
}

void tst_Dialogs::typingAfterAddStaysInTheNewRow()
{
    QFETCH(QString, typed);
    QFETCH(QString, added);
    QFETCH(int, messages);
    Window p(false);
    QStringList before;
    QWidget *dates = openOn(p, kDates, &before);
    QApplication::setActiveWindow(dates);
    QVERIFY(QTest::qWaitForWindowActive(dates));
    p.dialogs.realMessageBoxes = true;
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_A, Qt::AltModifier, 0);
    auto typing = std::make_shared<TypeAhead>(TypeAhead{dates, typed, false, {}});
    typeOn(typing);
    QTRY_VERIFY(typing->done);
    p.dialogs.realMessageBoxes = false;
    QTest::mouseClick(p.in<QPushButton>(dates, u"Command13"_s), Qt::LeftButton);
    QCOMPARE(stored(p.unit, u"Dates"_s), before + QStringList{added});
    const QString refusal =
        u"\"To\" cannot be before \"From\": %1 was typed, and the period starts on %2."_s.arg(
            FieldValues::dateText(QDate(2027, 2, 1)), FieldValues::dateText(QDate(2027, 2, 2)));
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Error), QStringList(messages, refusal));
    QCOMPARE(dates->isVisible(), added.endsWith(u"<null>"));
}

// An 82-character duty shows whole in its tool tip, and Holiday (Counters) and To stay in view.
void tst_Dialogs::longNamesLeaveTheOtherColumnsInView()
{
    const QString duty =
        u"Guard of the North Gate of the Battalion's Motor Pool, Nights and Holidays, Bloc C"_s;
    Window p(false);
    addRows(p.unit.working(), u"Memory"_s, {{true, QString(70, u'S'), u"C"_s, duty, 3, 1}});
    addRows(p.unit.personnel(), u"WorkSchedule"_s, {{duty, QDate(2027, 4, 10), QDate(2027, 4, 12)}});
    p.open();
    p.find<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(0);
    DataGrid *counters = p.in<DataGrid>(p.choose(u"MNU_Count"_s, u"Edit32"_s), u"TDBGrid1"_s);
    for (const auto &[view, longColumn, lastColumn] :
         {std::tuple{counters, 4, 6}, std::tuple{p.grid(2), 1, 3}}) {
        QVERIFY(view->columnViewportPosition(lastColumn) + view->columnWidth(lastColumn) <=
                view->viewport()->width());
        const QPoint at = view->visualRect(view->model()->index(0, longColumn)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), duty);
    }
}

void tst_Dialogs::focusComesBackAfterADialog_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("closeBy"); // a button, or "Escape"
    QTest::newRow("Setup, Cancel") << u"MNU_Setup"_s << u"Setup"_s << u"Command4"_s;
    QTest::newRow("Counters, Escape") << u"MNU_Count"_s << u"Edit32"_s << u"Escape"_s;
    QTest::newRow("Dates, Cancel") << u"MNU_Dates"_s << u"Assignment"_s << u"Command14"_s;
    QTest::newRow("Fairness, Close") << u"MNU_Fairness"_s << u"Fairness"_s << u"CloseButton"_s;
    QTest::newRow("About, OK") << u"MNU_About"_s << u"About"_s << u"Command1"_s;
}

// Typing goes where it went before the dialog: the control the clerk left.
void tst_Dialogs::focusComesBackAfterADialog()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, closeBy);
    Window p(false);
    p.open();
    QApplication::setActiveWindow(p.main.get());
    DataGrid *absences = p.grid(4);
    absences->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), absences);
    QWidget *dialog = p.choose(item, name);
    QVERIFY(dialog);
    QApplication::setActiveWindow(dialog);
    QTRY_VERIFY(dialog->isActiveWindow());
    if (closeBy == u"Escape")
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        p.click(dialog, closeBy);
    QTRY_VERIFY(!dialog->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), absences);
}

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
