#pragma once

#include <QString>

// Every record source the program opens: the tables by name (natural order)
// and the few orders it asks for. Nothing else is ever asked of the store, so
// a new order belongs here before it is used anywhere.
namespace calendrix::RecordSources {

// Tables, in their natural order.
inline const QString kSoldierRoster = QStringLiteral("SoldierRoster");
inline const QString kDutyDates = QStringLiteral("DutyDates");
inline const QString kWorkSchedule = QStringLiteral("WorkSchedule");
inline const QString kAbsentDates = QStringLiteral("AbsentDates");
inline const QString kSections = QStringLiteral("Sections");
inline const QString kHoliday = QStringLiteral("Holiday");
inline const QString kQualifications = QStringLiteral("Qualifications");
inline const QString kMemory = QStringLiteral("Memory");
inline const QString kDates = QStringLiteral("Dates");
inline const QString kHeader = QStringLiteral("Header");
// The tables of a roster datafile; periods is missing from older ones, changes
// from those never changed after their run.
inline const QString kRosterHeader = QStringLiteral("header");
inline const QString kStoreage = QStringLiteral("storeage");
inline const QString kPeriods = QStringLiteral("periods");
inline const QString kChanges = QStringLiteral("changes");

// Personnel database.
inline const QString kSoldiersByName = QStringLiteral("SELECT * FROM SoldierRoster ORDER BY SoldierName Asc");
inline const QString kAbsencesByName = QStringLiteral("SELECT * FROM AbsentDates ORDER BY SoldierName Asc");
inline const QString kDutiesByName = QStringLiteral("SELECT * FROM DutyDates ORDER BY DutyName Asc");
inline const QString kScheduleByDuty = QStringLiteral("SELECT * FROM WorkSchedule ORDER BY DutyName Asc");
// The roster run's order: a duty's periods by their first day.
inline const QString kScheduleByDutyAndStart =
    QStringLiteral("SELECT * FROM WorkSchedule ORDER BY DutyName Asc, From Asc");
inline const QString kSectionsByName = QStringLiteral("SELECT * FROM Sections ORDER BY Section Asc");
inline const QString kHolidaysByStart = QStringLiteral("SELECT * FROM Holiday ORDER BY From Asc");

// Working database.
inline const QString kCountersByDuty = QStringLiteral("SELECT * FROM Memory ORDER BY DutyName Asc");
// Candidates of a period: the lowest counter first, then the senior rank, then
// the name.
inline const QString kCountersByNormalCount =
    QStringLiteral("SELECT * FROM Memory ORDER BY DutyName Asc, Count Asc, Rank Desc, SoldierName Asc");
inline const QString kCountersByHolidayCount =
    QStringLiteral("SELECT * FROM Memory ORDER BY DutyName Asc, HCount Asc, Rank Desc, SoldierName Asc");
inline const QString kDatesByName = QStringLiteral("SELECT * FROM Dates ORDER BY SoldierName Asc, From Asc");

} // namespace calendrix::RecordSources
