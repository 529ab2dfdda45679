#include "roster/PersonnelSheet.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

void PersonnelSheet::writeSheetRows()
{
    m_state.sheet.clear();
    // The first sheet row of each trimmed name and duty.
    QHash<QString, int> sheetRows;
    auto key = [](const QString &name, const QString &duty) { return name + QChar(0x1f) + duty; };
    m_state.sheet.reserve(m_state.byDuty.size());
    for (int i : m_state.byDuty) {
        const CounterRow &r = m_state.counters[i];
        SheetRow row;
        row.dutyName = trimmed(r.dutyName);
        row.soldierName = trimmed(r.soldierName);
        row.rank = trimmed(r.rank);
        row.remarks = trimmed(r.remarks);
        m_state.sheet.push_back(row);
        if (!row.soldierName.isNull() && !row.dutyName.isNull()) {
            const QString k = key(row.soldierName.toString(), row.dutyName.toString());
            if (!sheetRows.contains(k))
                sheetRows.insert(k, int(m_state.sheet.size()) - 1);
        }
    }
    // Where each counter row's cells go: the first sheet row of the same
    // trimmed name and duty.
    for (int i : m_state.byDuty) {
        CounterRow &r = m_state.counters[i];
        if (!r.soldierName.isNull() && !r.dutyName.isNull())
            r.sheetRow =
                sheetRows.value(key(r.soldierName.toString().trimmed(), r.dutyName.toString().trimmed()), -1);
    }
}

bool PersonnelSheet::loadHolidays()
{
    m_state.holidays.clear();
    if (m_state.consolidateFlag == 0)
        return true;
    // A missing first or last day reads as the zero date: a holiday without
    // an end matches nothing, one without a start everything up to its end.
    const QDate zero(1899, 12, 30);
    for (const DateRange &h : m_state.holidayRows) {
        if (int(m_state.holidays.size()) == kHolidayLimit) {
            m_state.messenger.inform({Notice::Kind::Error, NoticeCode::RunHolidayLimit, {}});
            return false;
        }
        m_state.holidays.emplace_back(h.from.isNull() ? zero : h.from.toDate(),
                                      h.to.isNull() ? zero : h.to.toDate());
    }
    return true;
}

} // namespace calendrix
