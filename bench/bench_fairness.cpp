// Times the Fairness window on the example brigade (4,000 soldiers, 80
// duties) after one roster run: reading the figures alone, opening the window
// from the menu until its first picture is painted, and reading everything
// again as the window does when it becomes active.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_fairness

#include "app/DemoUnit.h"
#include "dialogs/DialogSet.h"
#include "dialogs/FairnessWindow.h"
#include "main/MainWindow.h"
#include "roster/FairnessModel.h"
#include "roster/RosterRun.h"
#include "session/UnitSession.h"
#include "store/FolderLock.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

namespace {

class Quiet : public Messenger
{
public:
    void inform(const Notice &) override {}
    bool ask(const Notice &) override { return false; }
};

template<typename F> double bestOf(int times, F &&f)
{
    double best = 1e9;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, double(t.nsecsElapsed()) / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"unit"_s);
    DemoUnit::Options options;
    options.scale = DemoUnit::Scale::Brigade;
    options.from = QDate(2027, 3, 1);
    const DemoUnit::Summary s = DemoUnit::create(dir, options);
    Quiet quiet;
    if (UnitSession(UnitFolder(dir))
            .make(quiet, tmp.filePath(u"roster.cxr"_s), RosterRun::Mode::Counted, 1, 0)
            .outcome != RosterRun::Outcome::Finished)
        return 1;

    const UnitFolder folder(dir);
    const double read = bestOf(5, [&] {
        FairnessModel::read(Database::open(folder.personnelPath(), FileKind::Personnel),
                            Database::open(folder.workingPath(), FileKind::Working));
    });

    double open = 1e9, again = 1e9;
    for (int i = 0; i < 3; ++i) {
        MainWindow main(folder, std::make_unique<FolderLock>(dir), [] { return QDate(2027, 2, 20); });
        main.setDialogHost(new DialogSet(&main));
        main.show();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        main.findChild<QAction *>(u"MNU_Fairness"_s)->trigger();
        auto *window = main.findChild<FairnessWindow *>(u"Fairness"_s);
        window->grab(); // lays out and paints every chart and the table once
        open = std::min(open, double(t.nsecsElapsed()) / 1e9);
        again = std::min(again, bestOf(3, [&] {
                             window->refresh();
                             window->grab();
                         }));
    }
    out << "brigade: " << s.soldiers << " soldiers, " << s.duties << " duties\n"
        << "figures read:                  " << QString::number(read, 'f', 3) << " s\n"
        << "window opened and painted:     " << QString::number(open, 'f', 3) << " s\n"
        << "read again and painted:        " << QString::number(again, 'f', 3) << " s\n";
    return 0;
}
