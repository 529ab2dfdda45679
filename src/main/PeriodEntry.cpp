#include "main/PeriodEntry.h"

#include "main/DataGrid.h"
#include "main/MonthView.h"
#include "main/RecordSetModel.h"
#include "store/Fields.h"

#include <QDate>

namespace calendrix {

namespace {
// The calendars make rows of three tables that keep their days in the same places.
constexpr int kFrom = Fields::WorkSchedule::From;
constexpr int kTo = Fields::WorkSchedule::To;
constexpr int kKey = Fields::WorkSchedule::ID;
static_assert(Fields::AbsentDates::From == kFrom && Fields::AbsentDates::To == kTo &&
              Fields::AbsentDates::ID == kKey);
static_assert(Fields::Holiday::From == kFrom && Fields::Holiday::To == kTo && Fields::Holiday::ID == kKey);
} // namespace

PeriodEntry::PeriodEntry(MonthView *calendar, DataGrid *periods, OtherFields otherFields, Guard guard)
    : QObject(calendar), m_periods(periods), m_otherFields(std::move(otherFields)), m_guard(std::move(guard))
{
    connect(calendar, &MonthView::DateClick, this, &PeriodEntry::add);
    connect(calendar, &MonthView::RangeExtended, this, &PeriodEntry::stretch);
}

void PeriodEntry::add(const QDate &first, const QDate &last)
{
    m_lastKey.clear();
    m_guard([&] {
        QList<QPair<int, QVariant>> fields = m_otherFields ? m_otherFields() : QList<QPair<int, QVariant>>{};
        fields.append({kFrom, first});
        fields.append({kTo, last});
        m_periods->appendRow(fields);
        // The key is kept even when a field could not be saved: the row is
        // there, and stretching it is what the clerk then expects.
        m_lastKey = m_periods->recordModel()->fieldValue(m_periods->currentRow(), kKey);
    });
}

void PeriodEntry::stretch(const QDate &first, const QDate &last)
{
    RecordSetModel *model = m_periods->recordModel();
    const int row = m_periods->currentRow();
    if (!model || row < 0 || m_lastKey.isNull() || model->fieldValue(row, kKey) != m_lastKey) {
        // The row of the last run is gone or no longer current: a new period.
        add(first, last);
        return;
    }
    m_guard([&] {
        m_periods->commitPendingEdit();
        // First and last day are saved together, so that the row never holds
        // half of the old run and half of the new.
        if (model->setFieldValue(row, kFrom, first) && model->setFieldValue(row, kTo, last))
            model->submit();
        else
            model->revert();
    });
}

} // namespace calendrix
