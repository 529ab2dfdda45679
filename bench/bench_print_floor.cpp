// The floor any printing pays: the same cells as the roster and remarks of a
// datafile, each painted with one plain drawText call at a fixed place onto
// a QPdfWriter, with no measuring, no layout file and no rules. Timed by
// bench_print.sh beside "calendrix print" on the same datafile.
// Usage: bench_print_floor DATAFILE OUT.pdf

#include "report/RosterData.h"
#include "store/RankList.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

using namespace calendrix;

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_print_floor DATAFILE OUT.pdf\n");
        return 2;
    }
    const RosterData roster = RosterData::read(QString::fromLocal8Bit(argv[1]));
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
    // The remarks: rank, name, remarks and count per soldier, 60 rows a page.
    for (const RosterDuty &duty : roster.duties) {
        for (qsizetype s = 0; s < duty.soldiers.size(); ++s) {
            if (s % 60 == 0)
                newPage();
            const RosterSoldier &soldier = duty.soldiers[s];
            const double y = (s % 60 + 1) * row;
            painter.drawText(QPointF(0, y), rankAbbreviation(soldier.rank));
            painter.drawText(QPointF(column * 2, y), soldier.name);
            painter.drawText(QPointF(column * 12, y), soldier.remarks);
            painter.drawText(QPointF(column * 40, y),
                             QString::number(soldier.cells.count(QStringLiteral("/."))));
        }
    }
    // The roster: rank, name and one cell per period, 40 rows a page.
    for (const RosterDuty &duty : roster.duties) {
        for (qsizetype s = 0; s < duty.soldiers.size(); ++s) {
            if (s % 40 == 0)
                newPage();
            const RosterSoldier &soldier = duty.soldiers[s];
            const double y = (s % 40 + 4) * row;
            painter.drawText(QPointF(0, y), rankAbbreviation(soldier.rank));
            painter.drawText(QPointF(column, y), soldier.name);
            for (qsizetype c = 0; c < soldier.cells.size(); ++c)
                if (!soldier.cells[c].isEmpty())
                    painter.drawText(QPointF(column * (8 + c), y), soldier.cells[c]);
        }
    }
    return painter.end() ? 0 : 1;
}
