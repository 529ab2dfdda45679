#pragma once

#include "roster/RunState.h"

#include <QDate>
#include <QList>
#include <QString>

#include <vector>

namespace calendrix {

class Database;

// How evenly the duties fall: the counters of every duty as the next roster
// run will start from them, read from the unit and never written.
//
// The counters are those of the run's own counter preparation, done in
// memory: a soldier is qualified for a duty when the run would give him a
// counter row for it, rows of pairs no longer qualified are left out, and a
// new or zero counter stands at its duty's average. An empty (Null) counter
// counts as 0 in the figures, since the run raises it from 0, and stands
// first in line, as it does in the run's order.
class FairnessModel
{
public:
    struct SoldierCounter {
        QString name;
        qint64 counter = 0;
    };

    // One day class of one duty.
    struct Figures {
        int soldiers = 0; // qualified; the figures below mean nothing without any
        qint64 minimum = 0, maximum = 0;
        double lowerQuartile = 0, median = 0, upperQuartile = 0, mean = 0;
        qint64 spread() const { return maximum - minimum; }
        std::vector<qint64> counters;       // every qualified soldier's, ascending
        QList<SoldierCounter> aboveMinimum; // more than one above the minimum, by name
        QList<SoldierCounter> nextInLine;   // the first five of the run's candidate order
        // How many soldiers stand at each counter from minimum to maximum.
        QList<int> histogram() const;
    };

    struct DutyFairness {
        QString name, organization;
        Figures normal, holiday;
        const Figures &figures(DayClass c) const { return c == DayClass::Holiday ? holiday : normal; }
    };

    struct SoldierFairness {
        QString name, rank, section;
        qint64 normal = 0, holiday = 0;   // over every duty he is qualified for
        int duties = 0;                   // qualified for
        QList<QPair<QDate, QDate>> dates; // remembered assignment dates, by first day
        // A counter of his above 0 in the file, before the run's lifting:
        // he has stood one of his duties since his counters began.
        bool counted = false;
        qint64 total() const { return normal + holiday; }
    };

    // Reads the unit. Throws StoreError, as the run would, for a table that
    // cannot be read or a stored counter that is no counter.
    static FairnessModel read(const Database &personnel, const Database &working);

    static constexpr int kNextInLine = 5;

    const std::vector<DutyFairness> &duties() const { return m_duties; }        // by name
    const std::vector<SoldierFairness> &soldiers() const { return m_soldiers; } // by name
    // The duty whose counters of the day class lie furthest apart; the first
    // by name among equals; -1 when no duty has a qualified soldier.
    int widestDuty(DayClass c) const;
    // Soldiers qualified for at least one duty who have stood none of them
    // since their counters began: every counter of theirs in the file is 0,
    // empty or not yet made. Once a run has lifted such counters to their
    // duty's average, nothing tells the soldier from the others any more.
    QStringList soldiersWithoutDuty() const;

private:
    std::vector<DutyFairness> m_duties;
    std::vector<SoldierFairness> m_soldiers;
};

} // namespace calendrix
