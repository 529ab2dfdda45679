// Times the print preview of a roster datafile's two reports: how long the
// clerk waits for the first page, and for the last duty to be laid out.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_preview UNIT-FOLDER DATAFILE

#include "app/Startup.h"
#include "main/ReportPreview.h"
#include "report/ReportEngine.h"
#include "report/RosterReports.h"
#include "store/Database.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

using namespace calendrix;

int main(int argc, char **argv)
{
    // The heap as the programs have it.
    calendrix::Startup::reserveHeap();
    // As the program does, before any database is opened.
    calendrix::Database::configureSqlite();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: bench_preview UNIT-FOLDER DATAFILE\n", stderr);
        return 2;
    }
    QTextStream out(stdout);
    QElapsedTimer clock;
    clock.start();
    ReportEngine engine;
    const RosterReports reports(engine, args[1], args[2]);
    const double read = clock.nsecsElapsed() / 1e9;
    out << "read both reports: " << read << " s\n";
    for (const Report &report : reports.reports()) {
        clock.restart();
        ReportPreview preview(report, nullptr);
        preview.show();
        auto *view = preview.findChild<QAbstractScrollArea *>(QStringLiteral("PageView"));
        double firstPage = -1;
        while (preview.layingOut() || firstPage < 0) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (firstPage < 0 && preview.pageCount() > 0) {
                view->viewport()->repaint(); // the first page painted on the screen
                firstPage = clock.nsecsElapsed() / 1e9;
            }
        }
        const double all = clock.nsecsElapsed() / 1e9;
        out << report.name() << ": first page on the screen after " << firstPage << " s, all "
            << preview.pageCount() << " pages laid out after " << all << " s\n";
    }
    return 0;
}
