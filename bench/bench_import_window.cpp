// Times File > Import's preview of 20,000 soldiers with 15 qualification
// columns from a CSV file: the file chosen, read and planned (on a thread of
// its own), the preview filled. CPU seconds of the whole process, the median
// of three, beside the floor of reading the file alone.
//
// Usage: QT_QPA_PLATFORM=offscreen bench_import_window [soldiers]

#include "WindowFixture.h"
#include "app/Startup.h"
#include "store/Database.h"

#include "store/CsvReader.h"

#include <QAbstractItemModel>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

double cpuSeconds(const std::function<void()> &work)
{
    const std::clock_t start = std::clock();
    work();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

double median(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    // The heap as the programs have it.
    calendrix::Startup::reserveHeap();
    // As the program does, before any database is opened.
    calendrix::Database::configureSqlite();
    QApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20000;
    Window w(false);
    w.open();
    const QString file = w.unit.path(u"soldiers.csv"_s);
    {
        const QStringList ranks{u"PV1"_s, u"PV2"_s, u"PFC"_s, u"SPC"_s,
                                u"CPL"_s, u"SGT"_s, u"2LT"_s, u"CPT"_s};
        QStringList header{u"Name"_s, u"Rank"_s, u"Section"_s};
        for (int k = 1; k <= 15; ++k)
            header.append(u"Q%1"_s.arg(k));
        QByteArray text = header.join(u';').toUtf8() + '\n';
        for (int i = 0; i < count; ++i) {
            QStringList row{u"Soldier %1"_s.arg(i, 5, 10, QChar(u'0')), ranks[i % ranks.size()],
                            u"Platoon %1"_s.arg(i % 40)};
            for (int k = 0; k < 15; ++k)
                row.append((i >> k) & 1 ? u"x"_s : QString());
            text += row.join(u';').toUtf8() + '\n';
        }
        writeFile(file, text);
    }
    QWidget *dialog = w.choose(u"MNU_Import"_s, u"ImportDialog"_s);
    QList<double> preview, floor;
    for (int run = 0; run < 3; ++run) {
        floor.append(cpuSeconds([&] { CsvReader::read(file); }));
        preview.append(cpuSeconds([&] {
            w.dialogs.fileNames = {file};
            w.click(dialog, u"ImportChoose"_s);
        }));
    }
    const int rows = w.in<QTableView>(dialog, u"ImportPreview"_s)->model()->rowCount();
    std::printf("%d rows previewed: %.3f s CPU (median of 3); floor, the file read alone: %.3f s\n", rows,
                median(preview), median(floor));
    return rows == count ? 0 : 1;
}
