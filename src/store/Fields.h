#pragma once

// The field ordinals of every table the program reads or writes. Ordinals are
// the file format: never reorder, never renumber. Layouts.cpp builds the
// tables from these names, so a name and its place cannot drift apart.
//
// Qualifications and roster columns are counted from 1, as the clerk counts
// them: qualification(1) is Q1, cell(36) is C36.
namespace calendrix::Fields {

constexpr int kQualificationCount = 15;
// Columns of a roster datafile: one per schedule period of a duty.
constexpr int kRosterColumns = 36;

// Personnel database (Datafile32.mdb).

namespace SoldierRoster {
enum : int { ID, SoldierName, SoldierRank, Section, Q1 };
constexpr int qualification(int k)
{
    return Q1 + k - 1;
}
constexpr int fieldCount = Q1 + kQualificationCount;
} // namespace SoldierRoster

namespace DutyDates {
enum : int { ID, DutyName, Organization, Q1 };
constexpr int qualification(int k)
{
    return Q1 + k - 1;
}
constexpr int fieldCount = Q1 + kQualificationCount;
} // namespace DutyDates

namespace WorkSchedule {
enum : int { ID, DutyName, From, To };
constexpr int fieldCount = To + 1;
} // namespace WorkSchedule

namespace AbsentDates {
enum : int { ID, SoldierName, From, To, Reason };
constexpr int fieldCount = Reason + 1;
} // namespace AbsentDates

namespace Sections {
enum : int { ID, Section };
constexpr int fieldCount = Section + 1;
} // namespace Sections

namespace Holiday {
enum : int { ID, Name, From, To };
constexpr int fieldCount = To + 1;
} // namespace Holiday

// One row; field Q k is the title of qualification k.
namespace Qualifications {
enum : int { ID, Q1 };
constexpr int qualification(int k)
{
    return Q1 + k - 1;
}
constexpr int fieldCount = Q1 + kQualificationCount;
} // namespace Qualifications

// Working database (Memory.mdb).

namespace Memory {
enum : int { ID, Marker, SoldierName, Rank, DutyName, Count, HCount, Remarks };
constexpr int fieldCount = Remarks + 1;
} // namespace Memory

namespace Dates {
enum : int { ID, SoldierName, From, To };
constexpr int fieldCount = To + 1;
} // namespace Dates

// Only the duty name is ever read; the rest of a row is not the program's.
namespace Header {
enum : int { ID, DutyName };
constexpr int fieldCount = DutyName + 1;
} // namespace Header

// Roster datafile (*.cxr and template.tem). Column c of a duty sits at the
// same ordinal in its header row and in its storeage rows.

namespace RosterHeader {
enum : int { ID, DutyName, Organization, Spare3, Spare4, D1 };
// Start date of column c.
constexpr int date(int c)
{
    return D1 + c - 1;
}
constexpr int fieldCount = D1 + kRosterColumns;
// Spare3 of every header row of a draft: a roster that was not counted.
inline constexpr char16_t kDraftMark[] = u"DRAFT";
} // namespace RosterHeader

namespace Storeage {
enum : int { ID, DutyName, SoldierName, Rank, Remarks, C1, H1 = C1 + kRosterColumns };
// Cell of column c: "/.", "A", "D", a standing number, or after a change
// on the made roster kReplacedMark or kSwappedMark.
constexpr int cell(int c)
{
    return C1 + c - 1;
}
// True when column c is a holiday period.
constexpr int holidayFlag(int c)
{
    return H1 + c - 1;
}
constexpr int fieldCount = H1 + kRosterColumns;
// The cell of a soldier taken off a period he stood, for another soldier
// ("A" instead when he is absent then) ...
inline constexpr char16_t kAssignedMark[] = u"/.";
inline constexpr char16_t kReplacedMark[] = u"R";
// ... or given to another soldier in exchange for one of that soldier's periods.
inline constexpr char16_t kSwappedMark[] = u"S";
} // namespace Storeage

// One row per date column the run made: the column's first and last day. A
// datafile made before this table existed has none; its columns' last days
// are not known.
namespace Periods {
enum : int { ID, DutyName, Col, From, To };
constexpr int fieldCount = To + 1;
} // namespace Periods

// One row per period changed on a made roster, in the order they were made:
// when (date and time, ISO 8601), "replace" or "swap", the duty and column,
// the soldier taken off and the one put on, and the clerk's reason. A swap
// writes one row for each of its two periods. Datafiles that were never
// changed have no such table.
namespace Changes {
enum : int { ID, Made, Kind, DutyName, Col, SoldierOff, SoldierOn, Reason };
constexpr int fieldCount = Reason + 1;
inline constexpr char16_t kReplace[] = u"replace";
inline constexpr char16_t kSwap[] = u"swap";
} // namespace Changes

static_assert(RosterHeader::date(1) == Storeage::cell(1) && RosterHeader::fieldCount == Storeage::H1,
              "a header row's dates and a storeage row's cells share their ordinals");
static_assert(Storeage::holidayFlag(1) == Storeage::cell(1) + kRosterColumns);
static_assert(Storeage::fieldCount == 77 && RosterHeader::fieldCount == 41);

} // namespace calendrix::Fields
