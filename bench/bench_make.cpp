// Times "calendrix make" on example units of every size (CPU seconds, the
// median of three, of nine for a unit below 1,000 soldiers, each the unit's
// first run: no counters, no history), with its peak memory, against the
// floor that any implementation pays: writing the finished datafile's rows
// into a fresh SQLite file in one transaction; and against the full floor,
// which also writes the counter, date and header rows the run left in the
// working file into a fresh file of that kind; each floor once a row to a
// run of its statement, and once 64 rows to a run (the run writes up to 64,
// a table of wide rows fewer).
// Then what every make pays: the program's start alone, and a make of a
// unit cut down to three soldiers and one period, beside its own floor.
// Then a unit used for 21 runs, each a schedule later than the last, so
// that what the counters and assignment dates gather shows as run 21 against
// run 1 (each the median of three made from the same state). Beside each
// make, the same run in a process that has already started, as the window
// makes it (the unit already open, its soldiers listed): what the run itself
// costs against the floor, without the program's start; and the same with
// nothing opened before it, so that the run also pays the SQL driver's and
// the collator's first use.
//
// Usage: bench_make [PATH-TO-calendrix] [--scales company,battalion,brigade,division]
//                   [--runs-scale brigade] [--runs 21]

#include "app/DemoUnit.h"
#include "app/Startup.h"
#include "roster/Messenger.h"
#include "session/UnitSession.h"
#include "store/Database.h"
#include "store/Layouts.h"
#include "store/OptionFile.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"
#include "store/UnitFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <type_traits>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

namespace {

struct ChildRun {
    int status = -1;
    double seconds = 0; // CPU, user and system
    long peakKb = 0;
};

double cpuSeconds(const timeval &user, const timeval &system)
{
    return double(user.tv_sec + system.tv_sec) + double(user.tv_usec + system.tv_usec) / 1e6;
}

double processCpu()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage.ru_utime, usage.ru_stime);
}

template<typename T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Arguments as execv() takes them, made before a fork.
class Argv
{
public:
    explicit Argv(const QStringList &arguments)
    {
        for (const QString &a : arguments)
            m_strings.push_back(a.toLocal8Bit());
        for (QByteArray &a : m_strings)
            m_pointers.push_back(a.data());
        m_pointers.push_back(nullptr);
    }
    const char *program() const { return m_pointers.front(); }
    char *const *data() const { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_strings;
    std::vector<char *> m_pointers;
};

// What a child wrote to the pipe fds before it ended well.
template<typename T> T resultOf(pid_t pid, const int (&fds)[2])
{
    close(fds[1]);
    T result{};
    const bool complete = read(fds[0], &result, sizeof result) == ssize_t(sizeof result);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    return result;
}

// Runs work in a forked copy of this process and hands back its result, so
// that this process stays small: a child's peak memory as the kernel counts
// it starts from what its parent held when it forked. For untimed work only:
// each page of this process that the copy first writes to is copied then.
template<typename T, typename Work> T inChild(Work work)
{
    static_assert(std::is_trivially_copyable_v<T>);
    int fds[2];
    if (pipe(fds) != 0)
        std::abort();
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        // The heap as the programs have it, in the copy alone: huge pages
        // shared with this process would be copied whole at a child's first
        // write to them.
        Startup::reserveHeap();
        const T result = work();
        if (write(fds[1], &result, sizeof result) != ssize_t(sizeof result))
            _exit(1);
        _exit(0);
    }
    return resultOf<T>(pid, fds);
}

// Runs timed work in a process started anew from this program and hands back
// its result. A forked copy shares this process's pages and copies each one
// the work first writes to, a fault that no started program takes (the
// company's make took 39 faults in a copy, 16 in a process of its own).
template<typename T> T inOwnProcess(const QStringList &work)
{
    static_assert(std::is_trivially_copyable_v<T>);
    int fds[2];
    if (pipe(fds) != 0)
        std::abort();
    Argv argv(QStringList{QCoreApplication::applicationFilePath(), u"--timed"_s, QString::number(fds[1])} +
              work);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        execv(argv.program(), argv.data());
        _exit(127);
    }
    return resultOf<T>(pid, fds);
}

ChildRun runChild(const QStringList &arguments)
{
    Argv argv(arguments);
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);
        freopen("/dev/null", "w", stdout);
        execv(argv.program(), argv.data());
        _exit(127);
    }
    ChildRun r;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.seconds = cpuSeconds(usage.ru_utime, usage.ru_stime);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.peakKb = usage.ru_maxrss;
    return r;
}

// Reads every row of a file the run wrote and writes it again into a new
// file of its kind with one prepared statement per table, in one transaction:
// a row to each run of the statement, or rowsPerStatement rows (the rows a
// table has past the last full statement going in one of their own).
double writeFloor(const QString &source, FileKind kind, const QString &scratch, int *rows,
                  int rowsPerStatement = 1)
{
    QList<QList<QVariantList>> tables;
    {
        const Database db = Database::open(source, kind);
        for (const TableLayout &t : Layouts::tables(kind)) {
            QSqlQuery q(db.connection());
            q.exec(u"SELECT * FROM \"%1\""_s.arg(t.name));
            QList<QVariantList> list;
            while (q.next()) {
                QVariantList values;
                for (int i = 1; i < t.fields.size(); ++i)
                    values.append(q.value(i));
                list.append(values);
            }
            tables.append(list);
        }
    }
    const double start = processCpu();
    Database::create(scratch, kind);
    Database db = Database::open(scratch, kind);
    Transaction t(db);
    int ti = 0;
    for (const TableLayout &table : Layouts::tables(kind)) {
        QStringList names, marks;
        for (int i = 1; i < table.fields.size(); ++i) {
            names.append(u'"' + table.fields[i].name + u'"');
            marks.append(u"?"_s);
        }
        // Straight to SQLite: one prepared statement, values bound as they are.
        const QVariant h = db.connection().driver()->handle();
        sqlite3 *handle = *static_cast<sqlite3 *const *>(h.constData());
        const auto prepare = [&](int count) {
            const QString row = u'(' + marks.join(u',') + u')';
            const QByteArray sql = u"INSERT INTO \"%1\" (%2) VALUES %3"_s
                                       .arg(table.name, names.join(u','), QStringList(count, row).join(u','))
                                       .toUtf8();
            sqlite3_stmt *insert = nullptr;
            sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &insert, nullptr);
            return insert;
        };
        const QList<QVariantList> &all = tables[ti];
        const int width = int(table.fields.size()) - 1;
        for (qsizetype first = 0; first < all.size();) {
            const int count = int(std::min<qsizetype>(rowsPerStatement, all.size() - first));
            sqlite3_stmt *insert = prepare(count);
            for (; first + count <= all.size(); first += count) {
                for (int r = 0; r < count; ++r) {
                    const QVariantList &row = all[first + r];
                    for (int i = 0; i < row.size(); ++i) {
                        const QVariant &v = row[i];
                        const int parameter = r * width + i + 1;
                        if (v.isNull()) {
                            sqlite3_bind_null(insert, parameter);
                        } else if (v.metaType().id() == QMetaType::QString) {
                            const QString text = v.toString();
                            sqlite3_bind_text16(insert, parameter, text.utf16(), int(text.size() * 2),
                                                SQLITE_TRANSIENT);
                        } else {
                            sqlite3_bind_int64(insert, parameter, v.toLongLong());
                        }
                    }
                }
                sqlite3_step(insert);
                sqlite3_reset(insert);
                *rows += count;
            }
            sqlite3_finalize(insert);
        }
        ++ti;
    }
    t.commit();
    return processCpu() - start;
}

// The floor of a run: its datafile's rows, and the counter, assignment date
// and header rows it left in the working file, each file written anew as
// above. The working file's rows are all the run's own when it started from
// empty counters, as every timed make here does.
struct Floor {
    double datafileSeconds = 0, workingSeconds = 0;
    int datafileRows = 0, workingRows = 0;
    // The same, 64 rows to each run of a statement, as the run writes them.
    double manyDatafileSeconds = 0, manyWorkingSeconds = 0;
};

Floor writeFloors(const QString &datafile, const QString &unit, const QString &scratchFolder)
{
    const QString datafileCopy = scratchFolder + u"/floor.cxr"_s;
    const QString workingCopy = scratchFolder + u"/floor.mdb"_s;
    QFile::remove(datafileCopy);
    QFile::remove(workingCopy);
    return inOwnProcess<Floor>({u"floors"_s, datafile, unit, scratchFolder});
}

Floor floorsHere(const QString &datafile, const QString &unit, const QString &scratchFolder)
{
    const QString datafileCopy = scratchFolder + u"/floor.cxr"_s;
    const QString workingCopy = scratchFolder + u"/floor.mdb"_s;
    Floor f;
    f.datafileSeconds = writeFloor(datafile, FileKind::Roster, datafileCopy, &f.datafileRows);
    f.workingSeconds = writeFloor(unit + u"/Memory.mdb"_s, FileKind::Working, workingCopy, &f.workingRows);
    int rows = 0;
    QFile::remove(datafileCopy);
    QFile::remove(workingCopy);
    f.manyDatafileSeconds = writeFloor(datafile, FileKind::Roster, datafileCopy, &rows, 64);
    f.manyWorkingSeconds = writeFloor(unit + u"/Memory.mdb"_s, FileKind::Working, workingCopy, &rows, 64);
    return f;
}

// Answers no to every question and keeps nothing: the target never exists.
class QuietMessenger : public Messenger
{
public:
    void inform(const Notice &) override {}
    bool ask(const Notice &) override { return false; }
};

// Where the in-process run starts from.
enum class Start {
    // As the window makes it: the unit open, its soldiers listed by name (the
    // window's first list, which opens the SQL driver and the collator).
    Window,
    // Nothing opened before: the run pays each library's first use.
    Cold,
};

// The run in a process started for it, as the window makes it: the unit
// locked, the run timed from its call to its end.
double inProcessMake(const QString &unit, const QString &target, Start from = Start::Window)
{
    return inOwnProcess<double>({u"make"_s, unit, target, from == Start::Window ? u"window"_s : u"cold"_s});
}

double makeHere(const QString &unit, const QString &target, Start from)
{
    UnitSession session{UnitFolder(unit)};
    if (!session.lock())
        std::abort();
    const UnitFolder &folder = session.folder();
    QuietMessenger messenger;
    std::optional<Database> personnel;
    std::optional<RecordSet> soldiers;
    if (from == Start::Window) {
        personnel = Database::open(folder.personnelPath(), FileKind::Personnel);
        soldiers.emplace(*personnel, RecordSources::kSoldiersByName);
    }
    const double start = processCpu();
    const RosterRun::Outcome outcome =
        session
            .make(messenger, target, RosterRun::Mode::Counted, OptionFile::read(folder.consolidatePath()),
                  OptionFile::read(folder.absencePath()))
            .outcome;
    const double seconds = processCpu() - start;
    if (outcome != RosterRun::Outcome::Finished)
        std::abort();
    return seconds;
}

// What a process started by inOwnProcess() was started for: the work its
// arguments name, its result written to the pipe they give.
int timedWork(const QStringList &args)
{
    const int fd = args.value(0).toInt();
    const QString what = args.value(1);
    auto send = [&](const auto &result) {
        return write(fd, &result, sizeof result) == ssize_t(sizeof result) ? 0 : 1;
    };
    if (what == u"make" && args.size() == 5)
        return send(makeHere(args[2], args[3], args[4] == u"cold" ? Start::Cold : Start::Window));
    if (what == u"floors" && args.size() == 5)
        return send(floorsHere(args[2], args[3], args[4]));
    return 2;
}

// Empties the unit's counters and history, as before its first run, and
// removes the datafile a make before wrote.
void asNeverRun(const QString &unit, const QString &target)
{
    QFile::remove(target);
    QFile::remove(unit + u"/Memory.mdb"_s);
    Database::create(unit + u"/Memory.mdb"_s, FileKind::Working);
    QDir(unit + u"/history"_s).removeRecursively();
}

// Copies a folder and everything in it.
bool copyFolder(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QFileInfo &entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() ? !copyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// Moves every period of the unit's schedule on by the schedule's own span,
// as the clerk plans the next weeks before the next run.
void nextSchedule(const QString &unit)
{
    Database db = Database::open(unit + u"/Datafile32.mdb"_s, FileKind::Personnel);
    QSqlQuery q(db.connection());
    q.exec(u"SELECT julianday(max(\"To\")) - julianday(min(\"From\")) + 1 FROM WorkSchedule"_s);
    q.next();
    const int span = q.value(0).toInt();
    q.exec(
        u"UPDATE WorkSchedule SET \"From\" = date(\"From\", '+%1 days'), \"To\" = date(\"To\", '+%1 days')"_s
            .arg(span));
}

// Cuts a unit down to its first schedule period, that period's duty and its
// first three soldiers: what a make costs with next to no work.
void cutDown(const QString &unit)
{
    Database db = Database::open(unit + u"/Datafile32.mdb"_s, FileKind::Personnel);
    QSqlQuery q(db.connection());
    for (const QString &sql :
         {u"DELETE FROM WorkSchedule WHERE ID > (SELECT min(ID) FROM WorkSchedule)"_s,
          u"DELETE FROM DutyDates WHERE DutyName NOT IN (SELECT DutyName FROM WorkSchedule)"_s,
          u"DELETE FROM SoldierRoster WHERE ID > (SELECT min(ID) + 2 FROM SoldierRoster)"_s})
        if (!q.exec(sql))
            std::abort();
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does, before any database is opened.
    Database::configureSqlite();
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.value(0) == u"--timed") {
        // The heap as the programs have it.
        Startup::reserveHeap();
        return timedWork(args.mid(1));
    }
    QString binary = QCoreApplication::applicationDirPath() + u"/../src/calendrix"_s;
    QStringList scales{u"company"_s, u"battalion"_s, u"brigade"_s, u"division"_s};
    QString runsScale = u"brigade"_s;
    int runs = 21;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"--scales" && i + 1 < args.size())
            scales = args[++i].split(u',', Qt::SkipEmptyParts);
        else if (args[i] == u"--runs-scale" && i + 1 < args.size())
            runsScale = args[++i];
        else if (args[i] == u"--runs" && i + 1 < args.size())
            runs = args[++i].toInt();
        else
            binary = args[i];
    }
    auto makeUnit = [](const QString &scaleName, const QString &unit, DemoUnit::Summary *s) {
        DemoUnit::Options options;
        if (!DemoUnit::parseScale(scaleName, &options.scale))
            return false;
        options.seed = 1;
        options.from = QDate(2027, 3, 1);
        *s = inChild<DemoUnit::Summary>([&] { return DemoUnit::create(unit, options); });
        return true;
    };
    QTextStream out(stdout);
    out << "CPU seconds (user+sys), medians of 3 (of 9 below 1,000 soldiers)\n";
    out << "floor: the datafile's rows; full floor: those and the working file's counter, date and header "
           "rows\n";
    out << "in process: the same run in a started process with the unit open and its soldiers listed, as "
           "the window makes it\n";
    out << "scale      soldiers duties periods  rows  +working  make s   peak MB  floor s  make/floor  "
           "full floor s  make/full floor  in process s  in process/floor\n";
    for (const QString &scaleName : scales) {
        QTemporaryDir tmp;
        const QString unit = tmp.filePath(u"unit"_s);
        DemoUnit::Summary s;
        if (!makeUnit(scaleName, unit, &s))
            return 2;
        const QString target = tmp.filePath(u"roster.cxr"_s);
        // A small unit's make is over in milliseconds: more of them make
        // its median as steady as a large unit's.
        const int samples = s.soldiers < 1000 ? 9 : 3;
        std::vector<double> seconds;
        std::vector<long> peaks;
        for (int i = 0; i < samples; ++i) {
            // Every run is the unit's first: the same counters, and no
            // entries of the makes before it in the history to list.
            asNeverRun(unit, target);
            const ChildRun r = runChild({binary, u"make"_s, target, u"--data"_s, unit});
            if (r.status != 0) {
                out << scaleName << ": make failed with status " << r.status << "\n";
                return 1;
            }
            seconds.push_back(r.seconds);
            peaks.push_back(r.peakKb);
        }
        std::vector<double> inProcess, cold;
        for (int i = 0; i < samples; ++i) {
            asNeverRun(unit, target);
            inProcess.push_back(inProcessMake(unit, target));
            asNeverRun(unit, target);
            cold.push_back(inProcessMake(unit, target, Start::Cold));
        }
        // The floor is taken from the files of the last make, before the
        // next scale's unit is made.
        std::vector<double> floors, fullFloors, manyFloors, manyFullFloors;
        Floor f;
        for (int i = 0; i < samples; ++i) {
            f = writeFloors(target, unit, tmp.path());
            floors.push_back(f.datafileSeconds);
            fullFloors.push_back(f.datafileSeconds + f.workingSeconds);
            manyFloors.push_back(f.manyDatafileSeconds);
            manyFullFloors.push_back(f.manyDatafileSeconds + f.manyWorkingSeconds);
        }
        const double make = median(seconds), floorSeconds = median(floors), fullSeconds = median(fullFloors);
        const double inProcessSeconds = median(inProcess);
        out << QString(u"%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13 %14\n"_s)
                   .arg(scaleName, -10)
                   .arg(s.soldiers, 8)
                   .arg(s.duties, 6)
                   .arg(s.periods, 7)
                   .arg(f.datafileRows, 7)
                   .arg(f.workingRows, 8)
                   .arg(make, 9, 'f', 3)
                   .arg(median(peaks) / 1024.0, 8, 'f', 1)
                   .arg(floorSeconds, 8, 'f', 3)
                   .arg(make / floorSeconds, 10, 'f', 2)
                   .arg(fullSeconds, 13, 'f', 3)
                   .arg(make / fullSeconds, 15, 'f', 2)
                   .arg(inProcessSeconds, 13, 'f', 3)
                   .arg(inProcessSeconds / floorSeconds, 17, 'f', 2);
        // The run writes its rows several to a statement; the floors written so.
        const double manyFloor = median(manyFloors), manyFull = median(manyFullFloors);
        out << QString(u"  64 rows to a statement: floor %1 s, full floor %2 s; in process/floor %3, "
                       "in process/full floor %4\n"_s)
                   .arg(manyFloor, 0, 'f', 3)
                   .arg(manyFull, 0, 'f', 3)
                   .arg(inProcessSeconds / manyFloor, 0, 'f', 2)
                   .arg(inProcessSeconds / manyFull, 0, 'f', 2);
        const double coldSeconds = median(cold);
        out << QString(u"  in process, nothing opened before: %1 s; /floor %2, /full floor %3\n"_s)
                   .arg(coldSeconds, 0, 'f', 3)
                   .arg(coldSeconds / floorSeconds, 0, 'f', 2)
                   .arg(coldSeconds / fullSeconds, 0, 'f', 2);
        out.flush();
    }
    {
        // What every make pays, whatever the unit's size: the start of the
        // program alone, and a make with next to nothing to do.
        QTemporaryDir tmp;
        const QString unit = tmp.filePath(u"unit"_s);
        DemoUnit::Summary s;
        if (!makeUnit(u"company"_s, unit, &s))
            return 2;
        cutDown(unit);
        const QString target = tmp.filePath(u"roster.cxr"_s);
        std::vector<double> starts, makes, inProcess, cold, floors, fullFloors;
        for (int i = 0; i < 9; ++i) {
            starts.push_back(runChild({binary, u"--version"_s}).seconds);
            asNeverRun(unit, target);
            inProcess.push_back(inProcessMake(unit, target));
            asNeverRun(unit, target);
            cold.push_back(inProcessMake(unit, target, Start::Cold));
            asNeverRun(unit, target);
            const ChildRun r = runChild({binary, u"make"_s, target, u"--data"_s, unit});
            if (r.status != 0) {
                out << "fixed costs: make failed with status " << r.status << "\n";
                return 1;
            }
            makes.push_back(r.seconds);
            const Floor f = writeFloors(target, unit, tmp.path());
            floors.push_back(f.datafileSeconds);
            fullFloors.push_back(f.datafileSeconds + f.workingSeconds);
        }
        out << QString(u"fixed costs (medians of 9): calendrix --version %1 s; make of 3 soldiers and 1 "
                       "period %2 s (in process %5 s, nothing opened before %6 s), floor %3 s, full floor "
                       "%4 s\n"_s)
                   .arg(median(starts), 0, 'f', 4)
                   .arg(median(makes), 0, 'f', 4)
                   .arg(median(floors), 0, 'f', 4)
                   .arg(median(fullFloors), 0, 'f', 4)
                   .arg(median(inProcess), 0, 'f', 4)
                   .arg(median(cold), 0, 'f', 4);
        out.flush();
    }
    if (runs < 2 || runsScale.isEmpty())
        return 0;
    QTemporaryDir tmp;
    const QString unit = tmp.filePath(u"unit"_s);
    DemoUnit::Summary s;
    if (!makeUnit(runsScale, unit, &s))
        return 2;
    // Run 1 and the last are each made three times from the unit as it was
    // before them, and the median kept; the runs between once.
    const QString saved = tmp.filePath(u"saved"_s);
    ChildRun first, last;
    for (int i = 1; i <= runs; ++i) {
        if (i > 1)
            nextSchedule(unit);
        const bool timed = i == 1 || i == runs;
        if (timed && !copyFolder(unit, saved)) {
            out << runsScale << ": cannot copy the unit before run " << i << "\n";
            return 1;
        }
        std::vector<double> seconds;
        std::vector<long> peaks;
        for (int k = 0; k < (timed ? 3 : 1); ++k) {
            const QString target = tmp.filePath(u"r%1.cxr"_s.arg(i));
            if (k > 0 &&
                (!QFile::remove(target) || !QDir(unit).removeRecursively() || !copyFolder(saved, unit))) {
                out << runsScale << ": cannot put the unit back before run " << i << "\n";
                return 1;
            }
            const ChildRun r = runChild({binary, u"make"_s, target, u"--data"_s, unit});
            if (r.status != 0) {
                out << runsScale << ": run " << i << " failed with status " << r.status << "\n";
                return 1;
            }
            seconds.push_back(r.seconds);
            peaks.push_back(r.peakKb);
        }
        if (timed) {
            ChildRun &kept = i == 1 ? first : last;
            kept.seconds = median(seconds);
            kept.peakKb = median(peaks);
            QDir(saved).removeRecursively();
        }
    }
    out << QString(u"%1 runs (%2): run 1 %3 s %4 MB, run %1 %5 s %6 MB\n"_s)
               .arg(runs)
               .arg(runsScale)
               .arg(first.seconds, 0, 'f', 3)
               .arg(first.peakKb / 1024.0, 0, 'f', 1)
               .arg(last.seconds, 0, 'f', 3)
               .arg(last.peakKb / 1024.0, 0, 'f', 1);
    return 0;
}
