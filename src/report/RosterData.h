#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

namespace calendrix {

// What a finished roster datafile says, per duty, ready to be laid out.
struct RosterColumn {
    QDate start;
    QDate end;            // the period's last day; invalid when the datafile does not say
    bool holiday = false; // the period counted as a holiday

    // The last day as far as the datafile tells: an older one knows only the first.
    QDate lastDay() const { return end.isValid() ? end : start; }
};

struct RosterSoldier {
    QString rank; // rank code, "?" to "W"
    QString name;
    QString remarks;
    QList<QString> cells; // one per column of the duty: "/.", "A", "D", "R", "S", a number or empty
};

// A period handed to another soldier after the run, as the datafile's
// changes table records it: his cell became "/." and the cell of the one
// taken off "R" (replaced), "S" (swapped) or "A".
struct RosterCellChange {
    QString made; // ISO date and time, as recorded
    bool swap = false;
    int column = 0; // index into the duty's columns
    QString soldierOff, soldierOn, reason;
};

struct RosterDuty {
    QString name;
    QString organization;
    QList<RosterColumn> columns;
    QList<RosterSoldier> soldiers;   // most senior first, then by name
    QList<RosterCellChange> changes; // in the order they were made

    // How many of the duty's periods were changed after the run: those the
    // changes table names and those with a cell marked replaced or swapped.
    int changedPeriods() const;
};

// What a draft's printed reports and exports carry, so that it never passes
// for the roster that counts.
QString draftNotice();

struct RosterData {
    QList<RosterDuty> duties; // in the datafile's order, which is duty name order
    bool draft = false;       // made by a draft run: nothing of it was counted

    // How many cells of other are not as in this roster: a cell that differs,
    // and every cell of a soldier, column or duty that only one of them has.
    // The draft mark does not count.
    int differingCells(const RosterData &other) const;

    // What the exports call the roster: "Duty roster", the organization when
    // every duty has the same, the days it covers, and the draft mark.
    QString title() const;

    // How far a read has come: done of total rows; false asks it to stop.
    using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

    // Reads a roster datafile without ever opening it for writing, in one
    // pass over each table. Throws ReportError naming the file when it is
    // missing, not a roster datafile or damaged, or when progress asked to
    // stop (NoticeCode::DatafileReadStopped).
    static RosterData read(const QString &path, const ReadProgress &progress = {});
};

} // namespace calendrix
