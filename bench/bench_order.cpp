// Times the store's sort of the counter table in the Counters dialog's order
// on a unit of 4,000 soldiers and 80 duties (320,000 counter rows), names of
// every kind of letter included.
//
// Usage: bench_order

#include "app/Startup.h"
#include "store/Database.h"
#include "store/RecordSet.h"
#include "store/TableAppender.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

int main(int argc, char **argv)
{
    // The heap as the programs have it.
    calendrix::Startup::reserveHeap();
    // As the program does, before any database is opened.
    calendrix::Database::configureSqlite();
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString path = tmp.filePath(u"Memory.mdb"_s);
    Database::create(path, FileKind::Working);
    QRandomGenerator random(1);
    const QStringList first{u"Adams"_s,   u"Ærø"_s,   u"Øster"_s, u"Łukasz"_s, u"Strauß"_s,
                            u"Özdemir"_s, u"olsen"_s, u"Pratt"_s, u"Émile"_s,  u"zimmer"_s};
    constexpr int soldiers = 4000, duties = 80;
    {
        Database db = Database::open(path, FileKind::Working);
        Transaction t(db);
        TableAppender memory(db, u"Memory"_s);
        for (int d = 0; d < duties; ++d)
            for (int s = 0; s < soldiers; ++s)
                memory.append({QVariant(), true, u"%1 %2"_s.arg(first[s % first.size()]).arg(s),
                               QString(QChar(u'A' + int(random.bounded(23)))), u"Duty %1"_s.arg(d),
                               qint64(random.bounded(20)), qint64(random.bounded(5)), u"HQ"_s});
        t.commit();
    }
    const Database db = Database::open(path, FileKind::Working);
    QTextStream out(stdout);
    for (const QString &source :
         {u"SELECT * FROM Memory ORDER BY DutyName Asc, Count Asc, Rank Desc, SoldierName Asc"_s,
          u"SELECT * FROM Memory ORDER BY SoldierName Asc"_s, u"Memory"_s}) {
        double best = 1e9;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            RecordSet rs(db, source);
            best = std::min(best, timer.nsecsElapsed() / 1e9);
        }
        out << QString(u"%1 s  %2\n"_s).arg(best, 7, 'f', 3).arg(source);
    }
    return 0;
}
