// Times "calendrix make" on example units of every size, with its peak
// memory, against the floor that any implementation pays: writing the
// finished datafile's rows into a fresh SQLite file in one transaction.
//
// Usage: bench_make [PATH-TO-calendrix] [--scales company,battalion,brigade]

#include "app/DemoUnit.h"
#include "store/Database.h"
#include "store/Layouts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>

#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

namespace {

struct ChildRun {
    int status = -1;
    double seconds = 0;
    long peakKb = 0;
};

ChildRun runChild(const QStringList &argv)
{
    std::vector<QByteArray> args;
    for (const QString &a : argv)
        args.push_back(a.toLocal8Bit());
    std::vector<char *> raw;
    for (QByteArray &a : args)
        raw.push_back(a.data());
    raw.push_back(nullptr);

    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);
        freopen("/dev/null", "w", stdout);
        execv(raw[0], raw.data());
        _exit(127);
    }
    ChildRun r;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.seconds = timer.nsecsElapsed() / 1e9;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.peakKb = usage.ru_maxrss;
    return r;
}

// Reads every row of the roster and writes it again into a new file with
// one prepared statement per table, in one transaction.
double writeFloor(const QString &datafile, const QString &scratch, int *rows)
{
    QList<QList<QVariantList>> tables;
    {
        const Database db = Database::open(datafile, FileKind::Roster);
        for (const TableLayout &t : Layouts::tables(FileKind::Roster)) {
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
    QElapsedTimer timer;
    timer.start();
    Database::create(scratch, FileKind::Roster);
    Database db = Database::open(scratch, FileKind::Roster);
    Transaction t(db);
    *rows = 0;
    int ti = 0;
    for (const TableLayout &table : Layouts::tables(FileKind::Roster)) {
        QStringList names, marks;
        for (int i = 1; i < table.fields.size(); ++i) {
            names.append(u'"' + table.fields[i].name + u'"');
            marks.append(u"?"_s);
        }
        // Straight to SQLite: one prepared statement, values bound as they are.
        const QVariant h = db.connection().driver()->handle();
        sqlite3 *handle = *static_cast<sqlite3 *const *>(h.constData());
        const QByteArray sql =
            u"INSERT INTO \"%1\" (%2) VALUES (%3)"_s.arg(table.name, names.join(u','), marks.join(u','))
                .toUtf8();
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &insert, nullptr);
        for (const QVariantList &row : tables[ti]) {
            for (int i = 0; i < row.size(); ++i) {
                const QVariant &v = row[i];
                if (v.isNull()) {
                    sqlite3_bind_null(insert, i + 1);
                } else if (v.metaType().id() == QMetaType::QString) {
                    const QString text = v.toString();
                    sqlite3_bind_text16(insert, i + 1, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
                } else {
                    sqlite3_bind_int64(insert, i + 1, v.toLongLong());
                }
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
            ++*rows;
        }
        sqlite3_finalize(insert);
        ++ti;
    }
    t.commit();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString binary = QCoreApplication::applicationDirPath() + u"/../src/calendrix"_s;
    QStringList scales{u"company"_s, u"battalion"_s, u"brigade"_s};
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == u"--scales" && i + 1 < args.size())
            scales = args[++i].split(u',');
        else
            binary = args[i];
    }
    QTextStream out(stdout);
    out << "scale      soldiers duties periods  rows     make s   peak MB  floor s  make/floor\n";
    for (const QString &scaleName : scales) {
        QTemporaryDir tmp;
        DemoUnit::Options options;
        if (!DemoUnit::parseScale(scaleName, &options.scale))
            return 2;
        options.seed = 1;
        options.from = QDate(2027, 3, 1);
        const QString unit = tmp.filePath(u"unit"_s);
        const DemoUnit::Summary s = DemoUnit::create(unit, options);
        const QString target = tmp.filePath(u"roster.cxr"_s);
        // Best of three: the first run also pays for cold caches.
        ChildRun best;
        for (int i = 0; i < 3; ++i) {
            QFile::remove(target);
            // Every run starts from the same counters.
            QFile::remove(unit + u"/Memory.mdb"_s);
            Database::create(unit + u"/Memory.mdb"_s, FileKind::Working);
            const ChildRun r = runChild({binary, u"make"_s, target, u"--data"_s, unit});
            if (r.status != 0) {
                out << scaleName << ": make failed with status " << r.status << "\n";
                return 1;
            }
            if (i == 0 || r.seconds < best.seconds)
                best = r;
        }
        int rows = 0;
        double floorSeconds = 1e9;
        for (int i = 0; i < 3; ++i) {
            QFile::remove(tmp.filePath(u"floor.cxr"_s));
            floorSeconds = std::min(floorSeconds, writeFloor(target, tmp.filePath(u"floor.cxr"_s), &rows));
        }
        out << QString(u"%1 %2 %3 %4 %5 %6 %7 %8 %9\n"_s)
                   .arg(scaleName, -10)
                   .arg(s.soldiers, 8)
                   .arg(s.duties, 6)
                   .arg(s.periods, 7)
                   .arg(rows, 7)
                   .arg(best.seconds, 9, 'f', 3)
                   .arg(best.peakKb / 1024.0, 8, 'f', 1)
                   .arg(floorSeconds, 8, 'f', 3)
                   .arg(best.seconds / floorSeconds, 8, 'f', 1);
        out.flush();
    }
    return 0;
}
