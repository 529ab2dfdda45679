#pragma once

#include <kainjow/mustache.hpp>

#include <QDate>
#include <QString>

namespace calendrix {

struct RosterCellChange;
struct RosterData;
struct RosterDuty;

// What the texts of a layout (title, footer, headings...) can name, for one
// duty: file (the datafile's name), path, printed (the day of printing),
// dutyCount, duty, organization, from and to (the first and the last day of
// the duty's periods, with the year), dateRange ("7 Dec 2026 – 4 Jan 2027"),
// soldierCount, columnCount and changedPeriods (how many periods were changed
// after the run); on each page also page and pages (within the duty). The
// grid and the list themselves are laid out by the engine.
struct TemplateValues {
    kainjow::mustache::data values;

    // The values of duty (its index), or of the datafile alone when duty is -1.
    static TemplateValues forDuty(const RosterData &roster, int duty, const QString &path,
                                  const QDate &printedOn);
    void setPage(int page, int pages);
    // For a line of the remarks list about one change: made (its day and
    // time), period (the period's day or days), off, on, reason (set only
    // when given), and replace or swap, set for the kind it is.
    TemplateValues withChange(const RosterDuty &duty, const RosterCellChange &change) const;
};

// Dates as the unit reads them in the program's language: "7 Dec 2026",
// "7. Dez. 2026". The format, looked up once, serves a list of many dates.
QString printedDateFormat();
QString printedDate(const QDate &date, const QString &format = printedDateFormat());

} // namespace calendrix
