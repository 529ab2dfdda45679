#pragma once

// The one fixture of the window tests: a unit, the scripted dialogs, and the
// main window opened on it with its other windows, as the program opens them.

#include "../TestUnit.h"
#include "ScriptedDialogs.h"

#include "dialogs/DialogSet.h"
#include "main/DataControl.h"
#include "main/DataGrid.h"
#include "main/MainWindow.h"
#include "main/RecordSetModel.h"
#include "store/Fields.h"
#include "store/FolderLock.h"
#include "store/Layouts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace calendrix::test {

using namespace Qt::Literals::StringLiterals;

inline const QDate kToday(2027, 3, 10); // a Wednesday

// The main window's record sources.
inline const QStringList kSources{u"Data1"_s, u"Data2"_s, u"Data3"_s, u"Data4"_s,
                                  u"Data5"_s, u"Data6"_s, u"Data7"_s, u"DutyList"_s};

// A unit with two duties, three soldiers, sections, titles and periods.
inline void fillUnit(const TestUnit &unit)
{
    const Database db = unit.personnel();
    RecordSet duties(db, u"DutyDates"_s);
    addRow(duties, {u"Kitchen"_s, u"HQ"_s});
    addRow(duties, {u"Gate Guard"_s, u"HQ"_s, true});
    RecordSet soldiers(db, u"SoldierRoster"_s);
    addRow(soldiers, {u"Clark"_s, u"U"_s, u"2nd Platoon"_s, true});
    addRow(soldiers, {u"Adams"_s, u"E"_s, u"1st Platoon"_s});
    addRow(soldiers, {u"Baker"_s, u"?"_s, u"HQ"_s});
    RecordSet sections(db, u"Sections"_s);
    for (const QString &s : {u"HQ"_s, u"2nd Platoon"_s, u"1st Platoon"_s})
        addRow(sections, {s});
    RecordSet titles(db, u"Qualifications"_s);
    titles.edit();
    titles.setValue(1, u"Weapons"_s);
    titles.setValue(3, u""_s);
    titles.setValue(4, u"Driver"_s);
    titles.update();
}

// What keeps a keyboard or screen reader user from a window: a control that
// takes the focus but has no accessible name or that Tab never reaches, and
// two buttons or labelled controls sharing a mnemonic. Empty when none.
inline QString accessProblems(QWidget *window)
{
    QSet<const QWidget *> chain;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        chain.insert(w);
    QStringList problems, keys;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        if (w->focusPolicy() & Qt::TabFocus && !w->focusProxy() &&
            (!chain.contains(w) ||
             QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty()))
            problems.append(
                u"%1 %2"_s.arg(QString::fromLatin1(w->metaObject()->className()), w->objectName()));
        const auto *label = qobject_cast<QLabel *>(w);
        if (qobject_cast<QAbstractButton *>(w) || (label && label->buddy())) {
            const QString key = QKeySequence::mnemonic(w->property("text").toString()).toString();
            if (!key.isEmpty() && keys.contains(key))
                problems.append(u"mnemonic "_s + key);
            keys.append(key);
        }
    }
    return problems.isEmpty() ? QString() : window->objectName() + u": "_s + problems.join(u", "_s);
}

// Every stored value of a table, row by row.
inline QStringList stored(const TestUnit &unit, const QString &table)
{
    const bool working = table == u"Memory" || table == u"Dates";
    RecordSet rs(working ? unit.working() : unit.personnel(), table);
    const qsizetype fieldCount =
        Layouts::table(working ? FileKind::Working : FileKind::Personnel, table)->fields.size();
    QStringList rows;
    for (; !rs.eof(); rs.moveNext()) {
        QStringList fields;
        for (int f = 0; f < fieldCount; ++f)
            fields.append(rs.value(f).isNull() ? u"<null>"_s : rs.value(f).toString());
        rows.append(fields.join(u'|'));
    }
    return rows;
}

// The file refuses to give up a row of the table.
inline void refuseDeletes(const Database &db, const QString &table)
{
    QSqlQuery q(db.connection());
    QVERIFY2(q.exec(u"CREATE TRIGGER keep BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'kept'); END"_s.arg(
                 table)),
             qPrintable(q.lastError().text()));
}

struct Window {
    TestUnit unit;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> main;
    QDate today = kToday;

    explicit Window(bool fill = true)
    {
        if (fill)
            fillUnit(unit);
    }
    MainWindow &open()
    {
        main = std::make_unique<MainWindow>(unit.folder, std::make_unique<FolderLock>(unit.dir.path()),
                                            [this] { return today; });
        main->setDialogHost(new DialogSet(main.get(), [this] { return today; }));
        main->show();
        return *main;
    }
    // Opened and active, so that keys go where a keyboard's would, on the tab given.
    MainWindow &openActive(int tab)
    {
        open();
        QApplication::setActiveWindow(main.get());
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(main.get());
        find<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(tab);
        return *main;
    }
    template<typename T> T *find(const QString &name, const QWidget *in = nullptr) const
    {
        T *w = (in ? in : main.get())->findChild<T *>(name);
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
    template<typename T> T *in(const QWidget *window, const QString &name) const
    {
        return find<T>(name, window);
    }
    DataGrid *grid(int n) const { return find<DataGrid>(u"TDBGrid%1"_s.arg(n)); }
    void click(const QString &button, const QWidget *in = nullptr) const
    {
        find<QPushButton>(button, in)->click();
    }
    void click(const QWidget *window, const QString &button) const { click(button, window); }
    QAction *action(const QString &name) const { return find<QAction>(name); }
    void choose(const QString &item) const { action(item)->trigger(); }
    QWidget *choose(const QString &item, const QString &windowName) const
    {
        choose(item);
        return window(windowName);
    }
    // A window of the program other than the main window, by its name; one only.
    QWidget *window(const QString &name) const
    {
        const auto all = main->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly);
        return all.size() == 1 ? all.first() : nullptr;
    }
    QStringList column(int gridNumber, int c) const
    {
        QStringList out;
        auto *m = grid(gridNumber)->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out.append(m->index(r, c).data().toString());
        return out;
    }
    QStringList stored(const QString &table) const { return test::stored(unit, table); }
    // Once the read of a datafile, started next, shows how far it is, clicks
    // its Stop and sets stopped; title takes the caption its dialog shows.
    void stopTheReadWhenShown(bool &stopped, QString *title = nullptr) const
    {
        QTimer::singleShot(0, [this, &stopped, title] {
            QProgressDialog *progress = nullptr;
            QTRY_VERIFY((progress = main->findChild<QProgressDialog *>(u"ReadProgress"_s)) &&
                        progress->isVisible());
            if (title)
                *title = progress->windowTitle();
            QTRY_VERIFY(progress->value() > 0);
            QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
            stopped = true;
        });
    }
    // Gives qualification k a title behind the window's back, as Setup would,
    // and lets the window become active again.
    void giveTitleWhileOpen(int k, const QString &title) const
    {
        RecordSet titles(unit.personnel(), u"Qualifications"_s);
        titles.edit();
        titles.setValue(k, title);
        titles.update();
        find<DataControl>(u"Data5"_s)->refresh();
        main->runHousekeeping();
    }
};

} // namespace calendrix::test
