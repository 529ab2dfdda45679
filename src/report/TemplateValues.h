#pragma once

#include <kainjow/mustache.hpp>

#include <QDate>
#include <QString>

namespace calendrix {

struct RosterData;

// What the texts of a layout (title, footer, headings...) can name, for one
// duty: file (the datafile's name), path, printed (the day of printing),
// dutyCount, duty, organization, from and to (the first and the last day of
// the duty's periods, with the year), dateRange ("7 Dec 2026 – 4 Jan 2027"),
// soldierCount and columnCount; on each page also page and pages (within the
// duty). The grid and the list themselves are laid out by the engine.
struct TemplateValues {
    kainjow::mustache::data values;

    // The values of duty (its index), or of the datafile alone when duty is -1.
    static TemplateValues forDuty(const RosterData &roster, int duty, const QString &path,
                                  const QDate &printedOn);
    void setPage(int page, int pages);
};

// Dates as the unit reads them wherever the program runs: "7 Dec 2026".
QString printedDate(const QDate &date);

} // namespace calendrix
