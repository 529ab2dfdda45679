#pragma once

#include "roster/Messenger.h"
#include "store/Collation.h"
#include "store/Fields.h"
#include "store/TextKey.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>

#include <array>
#include <bitset>
#include <limits>
#include <optional>
#include <vector>

namespace calendrix {

constexpr int kQualificationCount = Fields::kQualificationCount;
constexpr int kColumnLimit = Fields::kRosterColumns;
constexpr int kHolidayLimit = 99;

enum class DayClass { Normal, Holiday };

struct Soldier {
    QVariant name, rank, section;
    std::bitset<kQualificationCount> holds;
};

struct Duty {
    QVariant name, organization;
    std::bitset<kQualificationCount> requires_;
};

// A counter as the run keeps it: a whole number, or none (Null).
using Counter = std::optional<qint64>;
Counter counterOf(const QVariant &v);
QVariant counterValue(const Counter &c);

// A row of the counter table as the run sees it.
struct CounterRow {
    int slot = -1;  // row of the loaded counter set; -1 for a row this run adds
    qint64 key = 0; // the store's key; rows this run adds come after every other
    bool marker = false;
    bool deleted = false;
    int person = -1;   // RunState::people index of the soldier name; -1 for Null
    int sheetRow = -1; // the sheet row its cells go to; -1 when it has none
    QVariant soldierName, rank, dutyName, remarks;
    Counter count, holidayCount;
    // The counters as the file holds them, for a message about one that is
    // no counter at all (another program may have written anything there).
    QVariant storedCount, storedHolidayCount;
    // The sort values of the fields that order counter rows, by ordinal, made
    // once so that sorting compares ready-made keys as the store does.
    std::array<Collation::SortValue, Fields::Memory::fieldCount> sortValues;

    const Counter &counter(DayClass c) const { return c == DayClass::Holiday ? holidayCount : count; }
    void setCounter(DayClass c, qint64 value);
    void setRank(const QVariant &value, Collation::SortValue::KeyCache &keys);
    void setSortValues(Collation::SortValue::KeyCache &keys);
    // The same with the texts' sort values made already, as a run makes them
    // once for each soldier and duty rather than for every row.
    void setRank(const QVariant &value, const Collation::SortValue &sorted);
    void setSortValues(const Collation::SortValue &soldierNameSorted, const Collation::SortValue &rankSorted,
                       const Collation::SortValue &dutyNameSorted);
};

struct DateRange {
    DateRange(QVariant first, QVariant last)
        : from(std::move(first)), to(std::move(last)), fromDay(from.toDate()), toDay(to.toDate()),
          bothDays(!from.isNull() && !to.isNull())
    {}
    QVariant from, to; // dates or Null; Null never overlaps anything
    // The two as the run compares them, read once: a range is compared with
    // every period its soldier is a candidate for.
    QDate fromDay, toDay;
    bool bothDays;
};

struct SchedulePeriod {
    QVariant dutyName, from, to;
};

struct HeaderRow {
    QVariant dutyName, organization;
    std::array<QVariant, kColumnLimit> starts; // ISO text of each period's first day
    std::array<QDate, kColumnLimit> ends;      // each period's last day; invalid past the last column
};

// What a period puts before a candidate: assigned ("/."), absent ("A"), on
// another duty already ("D"), or nothing, when the cell shows the candidate's
// standing.
enum class Mark : quint8 { None, Assigned, Absent, Busy };

// A sheet cell: a standing number (below zero when more candidates were busy
// than free), a mark, or none (the cell keeps its default). Compact, as a
// division's roster has a hundred thousand rows of 36 cells.
class Cell
{
public:
    Cell() = default;
    static Cell of(Mark mark) { return Cell(kNone + int(mark)); }
    static Cell standing(int number) { return Cell(number); }
    bool isNone() const { return m_value == kNone; }
    // The mark, or Mark::None for a standing number.
    Mark mark() const { return m_value > kNone && m_value <= kNone + 3 ? Mark(m_value - kNone) : Mark::None; }
    int standing() const { return m_value; }

private:
    static constexpr qint32 kNone = std::numeric_limits<qint32>::min();
    explicit Cell(qint32 value) : m_value(value) {}
    qint32 m_value = kNone;
};

struct SheetRow {
    QVariant dutyName, soldierName, rank, remarks; // trimmed, or Null
    std::array<Cell, kColumnLimit> cells;
    std::bitset<kColumnLimit> holiday;
};

struct Candidate {
    int row; // index into RunState::counters
    Mark mark = Mark::None;
};

struct CandidateList {
    std::vector<Candidate> positions;
    int freeCount = 0;
    bool open = true;
};

// Candidate orders of one duty: the counter rows whose trimmed duty name is
// the duty's, sorted as "ORDER BY DutyName Asc, Count|HCount Asc, Rank Desc,
// SoldierName Asc" would sort them. Kept sorted as counters rise.
struct DutyGroup {
    std::vector<int> normal;
    std::vector<int> holiday;
    std::vector<int> &order(DayClass c) { return c == DayClass::Holiday ? holiday : normal; }
};

// Everything one roster run works on, made fresh by every run.
struct RunState {
    RunState(Messenger &m, qint16 consolidate, qint16 absence)
        : messenger(m), consolidateFlag(consolidate), absenceFlag(absence)
    {}

    Messenger &messenger;
    qint16 consolidateFlag;
    qint16 absenceFlag;

    // Read from the personnel and working databases.
    std::vector<Duty> duties;             // by name
    std::vector<Soldier> soldiers;        // by name
    std::vector<SchedulePeriod> schedule; // by duty name, then start
    std::vector<DateRange> holidayRows;   // the Holiday table in its own order
    // Soldier names as the tables spell them, exactly; absences and
    // assignment dates are kept per name so no test searches a table.
    QHash<TextKey, int> people;
    std::vector<std::vector<DateRange>> absencesOf;
    std::vector<std::vector<DateRange>> takenOf;
    int personIndex(const QVariant &name)
    {
        if (name.isNull())
            return -1;
        const QString text = name.toString();
        const auto it = people.constFind(text);
        if (it != people.cend())
            return it.value();
        const int index = int(people.size());
        people.insert(text, index);
        absencesOf.emplace_back();
        takenOf.emplace_back();
        return index;
    }

    std::vector<CounterRow> counters;
    Collation::SortValue::KeyCache sortKeys; // of the counter rows' texts
    std::vector<int> byDuty;                 // live counter rows in "ORDER BY DutyName Asc"
    QHash<TextKey, DutyGroup> groups;        // by trimmed duty name
    // The candidates of a duty (its trimmed name) in the order in which a
    // period of the day class offers it to them; none when nobody holds a
    // counter row for it.
    const std::vector<int> *candidatesOf(const QString &duty, DayClass dayClass) const
    {
        const auto group = groups.constFind(duty);
        if (group == groups.cend())
            return nullptr;
        return dayClass == DayClass::Holiday ? &group->holiday : &group->normal;
    }

    std::vector<std::pair<QDate, QDate>> holidays; // the holiday list

    // The roster being made.
    std::vector<HeaderRow> header;
    std::vector<SheetRow> sheet;
    struct TakenDate {
        QVariant soldierName, from, to;
    };
    std::vector<TakenDate> newDates;
};

// Trimmed text of a value; Null stays Null.
inline QVariant trimmed(const QVariant &v)
{
    return v.isNull() ? QVariant() : QVariant(v.toString().trimmed());
}

} // namespace calendrix
