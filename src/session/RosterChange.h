#pragma once

#include "roster/RunState.h"
#include "store/Notice.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace calendrix {

// A soldier who cannot stand his period on a made roster: who could take it,
// and the replace or swap itself. The counters follow exactly (the soldier
// taken off loses one on the period's day class, the one put on gains one),
// the assignment dates follow, and the datafile's cells and its changes table
// say what was done. A counted roster's change goes through the same datafile
// swap as a run and is kept in the history, so that undo takes it back; a
// draft's changes only its datafile and is not kept, as the draft itself is not.
class RosterChange
{
public:
    // Which period of the duty: its column on the roster, or the one that holds day.
    struct Which {
        int column = 0;
        QDate day;
    };

    struct Period {
        QString duty;
        int column = 0;
        QDate from, to;
        DayClass dayClass = DayClass::Normal;
        QString standing; // who stands it; empty for nobody
    };

    struct Candidate {
        QString soldier, rank;
        Counter count, holidayCount;
        bool standing = false;      // he stands the period now
        std::optional<Notice> busy; // why he is not free: absent, or on a duty then
        bool isFree() const { return !standing && !busy; }
    };

    struct Candidates {
        Period period;
        QList<Candidate> rows; // in the order the run would take them for the period
        bool draft = false;
        std::optional<Notice> refused; // an unknown duty or period
        std::optional<StoreError> error;
    };

    struct Changed {
        enum class Outcome { Done, Refused, Failed };
        Outcome outcome = Outcome::Done;
        Notices settled;         // what a killed change or run left, put in order first
        QList<Period> periods;   // as they stand after the change
        QStringList soldiersOff; // per period
        bool draft = false;      // only the datafile changed
        std::optional<Notice> refused;
        std::optional<StoreError> error;
    };

    explicit RosterChange(const UnitFolder &folder) : m_folder(folder) {}

    // The soldiers qualified for duty who have a row on the roster, as the
    // counters stand now. Never throws.
    Candidates candidates(const QString &datafile, const QString &duty, const Which &which) const;
    // Takes the soldier who stands the period off and gives it to by, or with
    // by empty to the first free candidate. seen, when given, is who the
    // clerk was shown standing it: the change is refused when another stands
    // it in the datafile now. Call with the unit's lock held. Never throws.
    Changed replace(const QString &datafile, const QString &duty, const Which &which, const QString &by,
                    const QString &reason, const QString &seen = {}) const;
    // The soldiers of two periods of duty trade them; seen as for replace,
    // one name per period. Call with the lock held. Never throws.
    Changed swap(const QString &datafile, const QString &duty, int column, int otherColumn,
                 const QString &reason, const QStringList &seen = {}) const;

private:
    struct Request;
    Changed change(const QString &datafile, const Request &request) const;

    UnitFolder m_folder;
};

} // namespace calendrix
