// Times the Fairness window on an example unit after one roster run: reading
// the figures alone (the floor), opening the window from the menu until its
// first picture is painted, and a return of focus to it with and without a
// change to the counters in between. Each step also says how many times the
// window read the unit.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_fairness [brigade|division]

#include "app/DemoUnit.h"
#include "app/Startup.h"
#include "dialogs/DialogSet.h"
#include "dialogs/FairnessWindow.h"
#include "main/MainWindow.h"
#include "roster/RosterRun.h"
#include "session/FairnessTable.h"
#include "session/UnitSession.h"
#include "store/Database.h"
#include "store/Fields.h"
#include "store/FolderLock.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

namespace {

class Quiet : public Messenger
{
public:
    void inform(const Notice &) override {}
    bool ask(const Notice &) override { return false; }
};

// CPU seconds: the machine is shared, and wall time measures the others.
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

template<typename F> double cpuOf(F &&f)
{
    const double start = cpuSeconds();
    f();
    return cpuSeconds() - start;
}

void activate(QWidget *w)
{
    QApplication::setActiveWindow(w);
    w->activateWindow();
    for (int i = 0; i < 1000 && !w->isActiveWindow(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct Step {
    double seconds = 1e9;
    qsizetype reads = 0;
    void keep(double s, qsizetype r)
    {
        seconds = std::min(seconds, s);
        reads = r;
    }
};

} // namespace

int main(int argc, char **argv)
{
    // The heap as the programs have it.
    calendrix::Startup::reserveHeap();
    // As the program does, before any database is opened.
    calendrix::Database::configureSqlite();
    QApplication app(argc, argv);
    QTextStream out(stdout);
    DemoUnit::Options options;
    const QString scale = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"brigade"_s;
    if (!DemoUnit::parseScale(scale, &options.scale))
        return 2;
    options.from = QDate(2027, 3, 1);
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"unit"_s);
    const DemoUnit::Summary s = DemoUnit::create(dir, options);
    Quiet quiet;
    if (UnitSession(UnitFolder(dir))
            .make(quiet, tmp.filePath(u"roster.cxr"_s), RosterRun::Mode::Counted, 1, 0)
            .outcome != RosterRun::Outcome::Finished)
        return 1;

    const UnitFolder folder(dir);
    Step read, open, same, changed;
    for (int i = 0; i < 3; ++i) {
        read.keep(cpuOf([&] { FairnessTable::read(folder); }), 1);

        MainWindow main(folder, std::make_unique<FolderLock>(dir), [] { return QDate(2027, 2, 20); });
        main.setDialogHost(new DialogSet(&main));
        main.show();
        activate(&main);
        FairnessWindow *window = nullptr;
        qsizetype reads = 0;
        const double opened = cpuOf([&] {
            main.findChild<QAction *>(u"MNU_Fairness"_s)->trigger();
            window = main.findChild<FairnessWindow *>(u"Fairness"_s);
            QObject::connect(window->findChild<QTableView *>(u"SoldierTable"_s)->model(),
                             &QAbstractItemModel::modelReset, [&reads] { ++reads; });
            activate(window);
            window->grab(); // lays out and paints every chart and the table once
        });
        open.keep(opened, reads + 1); // the first reading comes before the counting can start
        for (Step *step : {&same, &changed}) {
            activate(&main);
            if (step == &changed) {
                // Another program (a roster run, the sqlite3 shell) commits a counter.
                Database working = Database::open(folder.workingPath(), FileKind::Working);
                RecordSet memory(working, RecordSources::kMemory);
                memory.edit();
                memory.setValue(Fields::Memory::Count, memory.value(Fields::Memory::Count).toLongLong() + 1);
                memory.update();
            }
            reads = 0;
            const double back = cpuOf([&] {
                activate(window);
                window->grab();
            });
            step->keep(back, reads);
        }
    }
    const auto line = [&](const char *what, const Step &step) {
        out << what << QString::number(step.seconds, 'f', 3) << " s CPU, " << step.reads << " reading(s)\n";
    };
    out << scale << ": " << s.soldiers << " soldiers, " << s.duties << " duties; best of three\n";
    line("figures read (floor):          ", read);
    line("window opened and painted:     ", open);
    line("focus back, nothing changed:   ", same);
    line("focus back, a counter changed: ", changed);
    return 0;
}
