// The floor any printing pays: the same cells as the roster and remarks of a
// datafile, read in one pass of one prepared statement with SQLite's own C
// API (nothing of the program's reading) and each painted with one plain
// drawText call at a fixed place onto a QPdfWriter, with no measuring, no
// layout file, no sorting and no rules. Timed by bench_print.sh beside
// "calendrix print" on the same datafile.
// Usage: bench_print_floor DATAFILE OUT.pdf

#include "app/Startup.h"
#include "store/RankList.h"

#include <QGuiApplication>
#include <QList>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <sqlite3.h>

#include <cstdio>

using namespace calendrix;

namespace {

constexpr int kColumns = 36;

QString text(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

struct RemarksRow {
    QString rank, name, remarks;
    int count = 0;
    qsizetype index = 0; // in its duty
};

} // namespace

int main(int argc, char **argv)
{
    // The heap as the programs have it.
    calendrix::Startup::reserveHeap();
    // As the program does: SQLite keeps no count of its memory.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_print_floor DATAFILE OUT.pdf\n");
        return 2;
    }
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    QByteArray sql = "SELECT DutyName, SoldierName, Rank, Remarks";
    for (int c = 1; c <= kColumns; ++c)
        sql += ", C" + QByteArray::number(c);
    sql += " FROM storeage ORDER BY ID";
    sqlite3_stmt *rows = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &rows, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", sqlite3_errmsg(db));
        return 1;
    }

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    QFont font(QStringLiteral("DejaVu Sans"), 7);
    QPainter painter(&writer);
    painter.setFont(font);
    const double row = writer.height() / 60.0;
    const double column = writer.width() / 45.0;
    bool first = true;
    const auto newPage = [&] {
        if (!first)
            writer.newPage();
        first = false;
    };

    // The roster while reading: rank, name and one cell per period, 40 rows
    // a page, each duty from a new page. The remarks need only four short
    // texts a soldier and follow.
    const QString assigned = QStringLiteral("/.");
    QList<RemarksRow> remarks;
    QByteArray duty;
    qsizetype s = 0;
    while (sqlite3_step(rows) == SQLITE_ROW) {
        const QByteArray dutyName(reinterpret_cast<const char *>(sqlite3_column_text(rows, 0)),
                                  sqlite3_column_bytes(rows, 0));
        if (dutyName != duty) {
            duty = dutyName;
            s = 0;
        }
        RemarksRow r{rankAbbreviation(text(rows, 2)), text(rows, 1), text(rows, 3), 0, s};
        if (s % 40 == 0)
            newPage();
        const double y = (s % 40 + 4) * row;
        painter.drawText(QPointF(0, y), r.rank);
        painter.drawText(QPointF(column, y), r.name);
        for (int c = 0; c < kColumns; ++c) {
            if (sqlite3_column_bytes(rows, 4 + c) == 0)
                continue;
            const QString cell = text(rows, 4 + c);
            r.count += cell == assigned;
            painter.drawText(QPointF(column * (8 + c), y), cell);
        }
        remarks.append(std::move(r));
        ++s;
    }
    sqlite3_finalize(rows);
    sqlite3_close(db);

    // The remarks: rank, name, remarks and count per soldier, 60 rows a page.
    for (const RemarksRow &r : std::as_const(remarks)) {
        if (r.index % 60 == 0)
            newPage();
        const double y = (r.index % 60 + 1) * row;
        painter.drawText(QPointF(0, y), r.rank);
        painter.drawText(QPointF(column * 2, y), r.name);
        painter.drawText(QPointF(column * 12, y), r.remarks);
        painter.drawText(QPointF(column * 40, y), QString::number(r.count));
    }
    return painter.end() ? 0 : 1;
}
