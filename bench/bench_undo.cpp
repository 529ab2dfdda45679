// The undo of a unit's last run in a process that has already started, as
// the window makes it (the unit locked and open, the SQL driver loaded),
// beside its floor in a started process of its own: the SQL that the sqlite3
// shell runs for bench_history.sh's floor, given to SQLite's own library.
// Both without the program's start, which at a company is most of what
// "calendrix undo" and the sqlite3 shell cost. Each call times one undo or
// one floor on a unit folder that bench_history.sh has copied for it, and
// prints its CPU seconds (user and system).
// Usage: bench_undo undo DIR
//        bench_undo floor DATABASE SQL-FILE

#include "app/Startup.h"
#include "session/UnitSession.h"
#include "store/Database.h"
#include "store/UnitFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <sqlite3.h>

#include <cstdio>
#include <sys/resource.h>

using namespace calendrix;

namespace {

double processCpu()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int undo(const QString &folder)
{
    UnitSession session{UnitFolder(folder)};
    if (!session.lock()) {
        std::fprintf(stderr, "bench_undo: the unit is held elsewhere\n");
        return 1;
    }
    // The window has the unit open: its working file read, the driver loaded.
    {
        const Database working = Database::openReadOnly(session.folder().workingPath(), FileKind::Working);
    }
    const double start = processCpu();
    const UnitSession::Undone undone =
        session.undoLastRun(UnitSession::Force::No, [](const UnitSession::LastRun &) { return true; });
    const double seconds = processCpu() - start;
    if (undone.outcome != UnitSession::Undone::Outcome::Undone) {
        std::fprintf(stderr, "bench_undo: the run was not undone (outcome %d)\n", int(undone.outcome));
        return 1;
    }
    std::printf("%.4f\n", seconds);
    return 0;
}

int floor(const QString &database, const QString &sqlFile)
{
    QFile file(sqlFile);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_undo: cannot read %s\n", qPrintable(sqlFile));
        return 1;
    }
    const QByteArray sql = file.readAll();
    const double start = processCpu();
    sqlite3 *db = nullptr;
    char *error = nullptr;
    const bool done =
        sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
        sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) == SQLITE_OK;
    const bool closed = sqlite3_close(db) == SQLITE_OK;
    const double seconds = processCpu() - start;
    if (!done || !closed) {
        std::fprintf(stderr, "bench_undo: the floor failed: %s\n", error ? error : "cannot open or close");
        sqlite3_free(error);
        return 1;
    }
    std::printf("%.4f\n", seconds);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does, before anything else.
    Startup::reserveHeap();
    Database::configureSqlite();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("undo"))
        return undo(args.at(2));
    if (args.size() == 4 && args.at(1) == QLatin1String("floor"))
        return floor(args.at(2), args.at(3));
    std::fprintf(stderr, "usage: bench_undo undo DIR\n       bench_undo floor DATABASE SQL-FILE\n");
    return 2;
}
