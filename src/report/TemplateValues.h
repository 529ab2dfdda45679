#pragma once

#include <kainjow/mustache.hpp>

#include <QDate>
#include <QString>

namespace calendrix {

struct RosterData;

// What a layout's tags can name, built once per report from a datafile.
//
// Top level: file (the datafile's name), path, printed (the day of printing),
// dutyCount, hasDuties and the list duties; for one duty's section also duty
// and organization. Per duty: duty, organization, number, first, columnCount,
// hasColumns, soldierCount, hasSoldiers, and the lists columns and soldiers.
// Per column: number, date ("06.12."), day, month, monthName, year, iso,
// weekday (its initial), weekdayName, holiday. Per soldier: number, rank
// (code), rankName, name, remarks, the list cells, the list dates (the
// columns he stands, as columns), hasDates, dateList ("06.12., 13.12.") and
// standsCount. Per cell: mark, column, holiday, and one of assigned, absent,
// busy, standing, empty.
struct TemplateValues {
    kainjow::mustache::data page;   // everything, for the page
    kainjow::mustache::data footer; // the top-level values only, for the footer lines

    // All duties, or only the one at index onlyDuty (then it is the first
    // and only duty of the list, and duty and organization are also top-level
    // values for the footer).
    static TemplateValues fromRoster(const RosterData &roster, const QString &path, const QDate &printedOn,
                                     int onlyDuty = -1);
};

} // namespace calendrix
