#pragma once

// A unit with duties, soldiers, sections and titles, and the main window
// opened on it with scripted dialogs; shared by the main-window tests.

#include "../TestUnit.h"
#include "ScriptedDialogs.h"

#include "main/DataControl.h"
#include "main/DataGrid.h"
#include "main/MainWindow.h"
#include "store/FolderLock.h"

#include <QAction>
#include <QPushButton>

#include <memory>

namespace calendrix::test {

using namespace Qt::Literals::StringLiterals;

inline const QDate kToday(2027, 3, 10); // a Wednesday

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

struct Window {
    TestUnit unit;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> main;

    explicit Window(bool fill = true)
    {
        if (fill)
            fillUnit(unit);
    }
    MainWindow &open(QDate today = kToday)
    {
        auto lock = std::make_unique<FolderLock>(unit.dir.path());
        main = std::make_unique<MainWindow>(unit.folder, std::move(lock), [today] { return today; });
        main->show();
        return *main;
    }
    template<typename T> T *find(const QString &name) const
    {
        T *w = main->findChild<T *>(name);
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
    DataGrid *grid(int n) const { return find<DataGrid>(u"TDBGrid%1"_s.arg(n)); }
    void click(const QString &button) const { find<QPushButton>(button)->click(); }
    QStringList column(int gridNumber, int c) const
    {
        QStringList out;
        auto *m = grid(gridNumber)->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out.append(m->index(r, c).data().toString());
        return out;
    }
    QAction *action(const QString &name) const { return find<QAction>(name); }
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
