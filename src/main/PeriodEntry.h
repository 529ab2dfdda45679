#pragma once

#include <QObject>
#include <QVariant>

#include <functional>

namespace calendrix {

class DataGrid;
class MonthView;

// Makes period rows from a calendar: each new run of days picked adds a row
// to the grid, and a shift-click that stretches the run changes the row that
// run added rather than adding another, as long as that row is still the
// current one.
class PeriodEntry : public QObject
{
    Q_OBJECT

public:
    // Fields of a new row besides From and To (the duty's or soldier's name).
    using OtherFields = std::function<QList<QPair<int, QVariant>>()>;
    // Runs a change of the grid; reports a store failure its own way.
    using Guard = std::function<void(const std::function<void()> &)>;

    PeriodEntry(MonthView *calendar, DataGrid *periods, OtherFields otherFields, Guard guard);

private:
    void add(const QDate &first, const QDate &last);
    void stretch(const QDate &first, const QDate &last);

    DataGrid *m_periods;
    OtherFields m_otherFields;
    Guard m_guard;
    QVariant m_lastKey; // the key of the row the last run added
};

} // namespace calendrix
