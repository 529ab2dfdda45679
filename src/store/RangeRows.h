#pragma once

#include "store/Database.h"

#include <QDate>
#include <QVariantList>

namespace calendrix::RangeRows {

// The rows of a table of date ranges whose from and to fields (ordinals) are
// both dates and overlap the days first..last (inclusive), in key order, each
// with every field's value as a record set gives it. A row with a missing or
// unreadable day overlaps nothing and is left out. For tables that grow with
// every run (Dates) while a run needs only the ranges near its own periods:
// with an index on the to field (Layouts), SQLite reads only the rows that
// have not ended before first, whatever the table holds of the past.
QList<QVariantList> overlapping(const Database &db, const QString &table, int from, int to,
                                const QDate &first, const QDate &last);

} // namespace calendrix::RangeRows
