#include "WindowFixture.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// Keys go where a keyboard's would: to the widget that has the focus at the time.
void type(const QString &text)
{
    QTest::keyClicks(static_cast<QWidget *>(nullptr), text, Qt::NoModifier, 0);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget *>(nullptr), key, modifiers, 0);
}

QString storedName(const Window &w, const QString &table, qint64 id)
{
    RecordSet rs(w.unit.personnel(), table);
    for (; !rs.eof(); rs.moveNext())
        if (rs.key() == id)
            return rs.text(1);
    return u"<gone>"_s;
}

struct LocaleGuard {
    QLocale saved;
    explicit LocaleGuard(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

class tst_GridEditing : public QObject
{
    Q_OBJECT

private slots:
    void typingGoesIntoTheClickedCell_data();
    void typingGoesIntoTheClickedCell();
    void tabLeavesTheListAtItsEnds_data();
    void tabLeavesTheListAtItsEnds();
    void untitledQualificationsHidden();
    void datesShowFourDigitYears_data();
    void datesShowFourDigitYears();
    void dropDownShowsFifteenItems();
    void dutyNameTakenIsRefused_data();
    void dutyNameTakenIsRefused();
    void findMovesToMatches_data();
    void findMovesToMatches();
    void findNotFoundAndEscape();
    void findKeepsTheEditAndOpensThatTabsBar();
};

void tst_GridEditing::typingGoesIntoTheClickedCell_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("gridNumber");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("table");
    // Adams, Baker, Clark: type-ahead on "B" would jump to Baker.
    QTest::newRow("soldier name") << 1 << 3 << 0 << u"Bates"_s << u"SoldierRoster"_s;
    QTest::newRow("soldier name, last row") << 1 << 3 << 2 << u"Abbot"_s << u"SoldierRoster"_s;
    // Gate Guard, Kitchen: "G" would jump to Gate Guard.
    QTest::newRow("duty name") << 0 << 1 << 1 << u"Guardroom"_s << u"DutyDates"_s;
}

void tst_GridEditing::typingGoesIntoTheClickedCell()
{
    QFETCH(int, tab);
    QFETCH(int, gridNumber);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, table);
    Window w;
    w.openActive(tab);
    DataGrid *grid = w.grid(gridNumber);
    RecordSetModel *model = grid->recordModel();
    grid->setFocus();
    grid->setCurrentRow(row);
    const qint64 id = model->fieldValue(row, 0).toLongLong();
    // A click on the name cell of the current row, and typing at once.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(model->index(row, 1)).center(),
                      0);
    type(typed);
    QCOMPARE(grid->currentRow(), row);
    press(Qt::Key_Return);
    QTRY_COMPARE(storedName(w, table, id), typed);
    QCOMPARE(grid->currentRow(), row);
    QCOMPARE(model->index(row, 1).data().toString(), typed);
    QVERIFY(w.dialogs.shown.isEmpty());
}

// Tab leaves the list past its last cell, Shift+Tab before its first, Ctrl+Tab at once.
void tst_GridEditing::tabLeavesTheListAtItsEnds_data()
{
    QTest::addColumn<int>("cell"); // 0: the first, 1: the rank of the first row (typing), 2: the last
    QTest::addColumn<QKeyCombination>("keys");
    QTest::newRow("Tab in the last cell") << 2 << QKeyCombination(Qt::Key_Tab);
    QTest::newRow("Shift+Tab in the first cell") << 0 << (Qt::SHIFT | Qt::Key_Backtab);
    QTest::newRow("Ctrl+Tab, typing") << 1 << (Qt::CTRL | Qt::Key_Tab);
    QTest::newRow("Ctrl+Shift+Tab, typing") << 1 << (Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);
}

void tst_GridEditing::tabLeavesTheListAtItsEnds()
{
    QFETCH(int, cell);
    QFETCH(QKeyCombination, keys);
    Window w;
    w.openActive(1);
    DataGrid *grid = w.grid(3);
    const QModelIndex start = grid->model()->index(cell < 2 ? 0 : 2, cell < 2 ? cell * 2 : 7); // Q4, "Driver"
    grid->setFocus();
    grid->setCurrentIndex(start);
    if (cell == 1)
        grid->edit(start);
    press(keys.key(), keys.keyboardModifiers());
    QVERIFY(!grid->isAncestorOf(QApplication::focusWidget()) && !grid->hasFocus());
    QCOMPARE(grid->currentIndex(), QModelIndex(start));
    QVERIFY(!grid->isEditing());
}

// The boxes of untitled qualifications and their columns are hidden, in step.
void tst_GridEditing::untitledQualificationsHidden()
{
    Window w; // titles: 1 "Weapons", 2 Null, 3 "", 4 "Driver", the rest Null
    w.open();
    const struct {
        int grid;
        int firstColumn;
        QString boxes;
    } grids[] = {{1, 3, u"DQ_"_s}, {3, 4, u"PQ_"_s}};
    auto inStep = [&] {
        for (const auto &g : grids)
            for (int i = 0; i < 15; ++i) {
                const bool boxHidden = w.find<QCheckBox>(g.boxes + QString::number(i))->isHidden();
                if (w.grid(g.grid)->isColumnHidden(g.firstColumn + i) != boxHidden)
                    return u"TDBGrid%1 column Q%2"_s.arg(g.grid).arg(i + 1);
            }
        return QString();
    };
    for (const auto &g : grids) {
        DataGrid *grid = w.grid(g.grid);
        QVERIFY(!grid->isColumnHidden(g.firstColumn));     // Weapons
        QVERIFY(grid->isColumnHidden(g.firstColumn + 1));  // Null
        QVERIFY(grid->isColumnHidden(g.firstColumn + 2));  // empty text
        QVERIFY(!grid->isColumnHidden(g.firstColumn + 3)); // Driver
        QVERIFY(grid->isColumnHidden(g.firstColumn + 14));
        QVERIFY(!grid->isColumnHidden(1));
        QCOMPARE(w.find<QCheckBox>(g.boxes + u"0"_s)->text(), u"Weapons"_s);
        QCOMPARE(w.find<QCheckBox>(g.boxes + u"3"_s)->text(), u"Driver"_s);
    }
    QCOMPARE(inStep(), QString());
    // Re-reading the lists keeps them hidden.
    w.click(u"Command4"_s);
    w.click(u"Command10"_s);
    QCOMPARE(inStep(), QString());
    QVERIFY(w.grid(3)->isColumnHidden(5));
    // A title given now is known, but shows its boxes and columns at the next start, not before.
    w.giveTitleWhileOpen(2, u"Medic"_s);
    QCOMPARE(w.find<QCheckBox>(u"PQ_1"_s)->text(), u"Medic"_s);
    QVERIFY(w.grid(3)->isColumnHidden(5));
    QCOMPARE(inStep(), QString());
    w.main.reset();
    w.open();
    QVERIFY(!w.grid(3)->isColumnHidden(5));
    QVERIFY(!w.grid(1)->isColumnHidden(4));
    QCOMPARE(inStep(), QString());
}

void tst_GridEditing::datesShowFourDigitYears_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("shownFrom"); // 14 December 2027
    QTest::addColumn<QString>("typedTo");
    QTest::addColumn<QDate>("storedTo");
    QTest::newRow("en_US") << QLocale(u"en_US"_s) << u"12/14/2027"_s << u"1/5/2028"_s << QDate(2028, 1, 5);
    QTest::newRow("en_US, two-digit year typed")
        << QLocale(u"en_US"_s) << u"12/14/2027"_s << u"3/1/28"_s << QDate(2028, 3, 1);
    QTest::newRow("de_DE") << QLocale(u"de_DE"_s) << u"14.12.2027"_s << u"05.01.2028"_s << QDate(2028, 1, 5);
    QTest::newRow("de_DE, two-digit year typed")
        << QLocale(u"de_DE"_s) << u"14.12.2027"_s << u"1.3.28"_s << QDate(2028, 3, 1);
    QTest::newRow("en_GB") << QLocale(u"en_GB"_s) << u"14/12/2027"_s << u"05/01/2028"_s << QDate(2028, 1, 5);
    QTest::newRow("ISO") << QLocale(u"en_US"_s) << u"12/14/2027"_s << u"2028-01-05"_s << QDate(2028, 1, 5);
}

void tst_GridEditing::datesShowFourDigitYears()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, shownFrom);
    QFETCH(QString, typedTo);
    QFETCH(QDate, storedTo);
    const LocaleGuard guard(locale);
    Window w;
    addRows(w.unit.personnel(), u"AbsentDates"_s,
            {{u"Adams"_s, QDate(2027, 12, 14), QDate(2028, 1, 2), u"leave"_s},
             {u"Baker"_s, QDate(2027, 12, 14)}});
    w.open();
    DataGrid *grid = w.grid(4);
    RecordSetModel *model = grid->recordModel();
    QCOMPARE(model->index(0, 2).data().toString(), shownFrom);

    // One editor for a date, empty or not, holding the date as shown.
    auto editorClass = [&](const QModelIndex &index) {
        std::unique_ptr<QWidget> editor(
            grid->itemDelegateForIndex(index)->createEditor(grid->viewport(), {}, index));
        QString held;
        if (auto *line = qobject_cast<QLineEdit *>(editor.get())) {
            grid->itemDelegateForIndex(index)->setEditorData(line, index);
            held = line->text();
        }
        return QString::fromLatin1(editor->metaObject()->className()) + u' ' + held;
    };
    const QString filled = editorClass(model->index(0, 2));
    QCOMPARE(filled, editorClass(model->index(1, 3)) + shownFrom);
    QVERIFY2(filled.contains(u"LineEdit"_s), qPrintable(filled));

    // What is shown can be typed back, and so can the other ways of writing a date.
    QVERIFY(model->setData(model->index(0, 2), shownFrom));
    QVERIFY(model->setData(model->index(0, 3), typedTo));
    QVERIFY(model->submit());
    RecordSet stored(w.unit.personnel(), u"AbsentDates"_s);
    QCOMPARE(stored.value(2), QVariant(QDate(2027, 12, 14)));
    QCOMPARE(stored.value(3), QVariant(storedTo));

    // A non-date is refused with a message that says how to write one.
    QVERIFY(!model->setData(model->index(1, 3), u"next week"_s));
    const QStringList errors = w.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(u"next week"_s), qPrintable(errors[0]));
    QVERIFY2(!errors[0].contains(u"3421"_s), qPrintable(errors[0]));
    const QString example = locale.toString(QDate(QDate::currentDate().year(), 12, 31), QLocale::ShortFormat);
    const QString wideExample = QDate(QDate::currentDate().year(), 12, 31)
                                    .toString(locale.dateFormat(QLocale::ShortFormat)
                                                  .replace(u"yyyy"_s, u"yy"_s)
                                                  .replace(u"yy"_s, u"yyyy"_s));
    QVERIFY2(errors[0].contains(wideExample), qPrintable(errors[0] + u" / "_s + example));
    QVERIFY(model->index(1, 3).data().isNull());
}

void tst_GridEditing::dutyNameTakenIsRefused_data()
{
    QTest::addColumn<QString>("typed"); // over Kitchen, beside Gate Guard
    QTest::addColumn<QString>("stored");
    QTest::newRow("another duty's name") << u"Gate Guard"_s << u"Kitchen"_s;
    // The run matches names with the blanks at their ends left out.
    QTest::newRow("another duty's name, with blanks") << u"  Gate Guard "_s << u"Kitchen"_s;
    // Names that differ in letter case are two duties to the run.
    QTest::newRow("in other letters' case") << u"gate guard"_s << u"gate guard"_s;
    QTest::newRow("its own name") << u"Kitchen"_s << u"Kitchen"_s;
    QTest::newRow("a name of its own") << u"Gate"_s << u"Gate"_s;
}

// Two duties of one name would stop every roster run: the second name is
// refused where it is typed, saying which.
void tst_GridEditing::dutyNameTakenIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Window w;
    w.open();
    RecordSetModel *model = w.grid(1)->recordModel();
    QCOMPARE(model->index(1, 1).data().toString(), u"Kitchen"_s);
    const qint64 id = model->fieldValue(1, 0).toLongLong();
    const bool refused = stored != typed;
    QCOMPARE(model->setData(model->index(1, 1), typed), !refused);
    QVERIFY(model->submit());
    QCOMPARE(storedName(w, u"DutyDates"_s, id), stored);
    const QStringList errors = w.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors,
             refused
                 ? QStringList{u"Another duty is named 'Gate Guard' already. A roster keeps a duty's "
                               "counters, periods and rows by its name: give each duty a name of its own."_s}
                 : QStringList());
}

void tst_GridEditing::dropDownShowsFifteenItems()
{
    Window w;
    w.openActive(1);
    DataGrid *grid = w.grid(3);
    grid->setCurrentRow(0);
    const QModelIndex rank = grid->model()->index(0, 2);
    grid->edit(rank);
    auto *box = grid->viewport()->findChild<QComboBox *>();
    QVERIFY(box);
    QCOMPARE(box->count(), 24);
    box->showPopup();
    QAbstractItemView *view = box->view();
    QTRY_VERIFY(view->isVisible());
    int whole = 0;
    for (int r = 0; r < box->count(); ++r) {
        const QRect item = view->visualRect(view->model()->index(r, 0));
        if (item.top() >= 0 && item.bottom() < view->viewport()->height())
            ++whole;
    }
    QCOMPARE(whole, 15);
    QVERIFY(view->viewport()->width() >= view->sizeHintForColumn(0)); // the abbreviations are whole
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
    box->hidePopup();
}

void tst_GridEditing::findMovesToMatches_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("rows"); // after typing, then after each Return
    // Adams, Baker, Clark
    QTest::newRow("part of the name, wrapping") << 1 << 0 << u"a"_s << QList<int>{0, 1, 2, 0};
    QTest::newRow("case-blind") << 1 << 0 << u"CLA"_s << QList<int>{2, 2};
    QTest::newRow("from the current row") << 1 << 2 << u"er"_s << QList<int>{1, 1};
    // Gate Guard, Kitchen
    QTest::newRow("duties") << 0 << 0 << u"t"_s << QList<int>{0, 1, 0};
}

void tst_GridEditing::findMovesToMatches()
{
    QFETCH(int, tab);
    QFETCH(int, start);
    QFETCH(QString, typed);
    QFETCH(QList<int>, rows);
    Window w;
    w.openActive(tab);
    DataGrid *grid = w.grid(tab == 0 ? 1 : 3);
    grid->setCurrentRow(start);
    grid->setFocus();
    press(Qt::Key_F, Qt::ControlModifier);
    auto *bar = w.find<QWidget>(tab == 0 ? u"FindBar1"_s : u"FindBar3"_s);
    QVERIFY(bar);
    QTRY_VERIFY(bar->isVisible());
    auto *text = bar->findChild<QLineEdit *>(u"FindText"_s);
    QTRY_VERIFY(text->hasFocus());
    type(typed);
    QCOMPARE(grid->currentRow(), rows[0]);
    for (int i = 1; i < rows.size(); ++i) {
        press(i % 2 ? Qt::Key_Return : Qt::Key_F3);
        QCOMPARE(grid->currentRow(), rows[i]);
    }
    QVERIFY(bar->findChild<QLabel *>(u"FindStatus"_s)->text().isEmpty());
    QVERIFY(w.dialogs.shown.isEmpty());
}

void tst_GridEditing::findNotFoundAndEscape()
{
    Window w;
    {
        // A long list: the match far down is scrolled into view.
        RecordSet soldiers(w.unit.personnel(), u"SoldierRoster"_s);
        for (int i = 0; i < 400; ++i)
            addRow(soldiers, {u"Soldier %1"_s.arg(i, 4, 10, QChar(u'0')), u"E"_s});
    }
    w.openActive(1);
    DataGrid *grid = w.grid(3);
    grid->setCurrentRow(1);
    grid->setFocus();
    press(Qt::Key_F, Qt::ControlModifier);
    auto *bar = w.find<QWidget>(u"FindBar3"_s);
    QVERIFY(bar);
    QTRY_VERIFY(bar->isVisible());
    auto *status = bar->findChild<QLabel *>(u"FindStatus"_s);
    type(u"zz"_s);
    QCOMPARE(status->text(), u"Not found"_s);
    QCOMPARE(grid->currentRow(), 1);
    QVERIFY(w.dialogs.shown.isEmpty());
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    type(u"0377"_s);
    QVERIFY(status->text().isEmpty());
    QCOMPARE(grid->model()->index(grid->currentRow(), 1).data().toString(), u"Soldier 0377"_s);
    QVERIFY(grid->viewport()->rect().intersects(grid->visualRect(grid->currentIndex())));
    press(Qt::Key_Escape);
    QVERIFY(bar->isHidden());
    QTRY_VERIFY(grid->hasFocus());
}

void tst_GridEditing::findKeepsTheEditAndOpensThatTabsBar()
{
    Window w;
    w.openActive(1);
    // Find while a name is being edited: the edit is saved as the row is left.
    DataGrid *grid = w.grid(3);
    RecordSetModel *model = grid->recordModel();
    grid->setFocus();
    grid->setCurrentRow(0);
    const qint64 adams = model->fieldValue(0, 0).toLongLong();
    grid->setCurrentIndex(model->index(0, 1));
    press(Qt::Key_F2);
    QTRY_VERIFY(grid->isEditing());
    press(Qt::Key_End);
    type(u"on"_s);
    press(Qt::Key_F, Qt::ControlModifier);
    type(u"clark"_s);
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(storedName(w, u"SoldierRoster"_s, adams), u"Adamson"_s);
    QCOMPARE(model->index(0, 1).data().toString(), u"Adamson"_s);
    press(Qt::Key_Escape);

    // From the absence list of the Roster tab: the personnel list's bar.
    w.grid(4)->setFocus();
    QTRY_VERIFY(w.grid(4)->hasFocus());
    press(Qt::Key_F, Qt::ControlModifier);
    auto *roster = w.find<QWidget>(u"FindBar3"_s);
    auto *duty = w.find<QWidget>(u"FindBar1"_s);
    QVERIFY(roster && duty);
    QTRY_VERIFY(roster->isVisible());
    press(Qt::Key_Escape);
    QVERIFY(roster->isHidden());
    // From a button of the Duty tab: the duty list's bar.
    w.find<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(0);
    w.find<QPushButton>(u"Command3"_s)->setFocus();
    QTRY_VERIFY(w.find<QPushButton>(u"Command3"_s)->hasFocus());
    press(Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(duty->isVisible());
    QVERIFY(roster->isHidden());
    type(u"kit"_s);
    QCOMPARE(w.grid(1)->currentRow(), 1);
}

QTEST_MAIN(tst_GridEditing)
#include "tst_GridEditing.moc"
