// Reads a roster datafile once as print, export and the preview do
// (RosterData::read) and says how many rows and cells it holds. Timed by
// bench_read.sh beside the sqlite3 shell scanning the same cells.
// Usage: bench_read DATAFILE

#include "app/Startup.h"
#include "report/RosterData.h"
#include "store/Database.h"

#include <QCoreApplication>

#include <cstdio>

using namespace calendrix;

int main(int argc, char **argv)
{
    // As the program does, before anything else.
    Startup::reserveHeap();
    calendrix::Database::configureSqlite();
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_read DATAFILE\n");
        return 2;
    }
    const RosterData roster = RosterData::read(QString::fromLocal8Bit(argv[1]));
    qsizetype rows = 0, cells = 0;
    for (const RosterDuty &duty : roster.duties)
        for (const RosterSoldier &soldier : duty.soldiers) {
            ++rows;
            cells += soldier.cells.size();
        }
    std::printf("%lld %lld\n", qint64(rows), qint64(cells));
    return 0;
}
