#include "roster/PersonnelSheet.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

void PersonnelSheet::writeSheetRows()
{
    m_state.sheet.clear();
    // The first sheet row of each trimmed name and duty.
    QHash<QString, int> sheetRows;
    sheetRows.reserve(qsizetype(m_state.byDuty.size()));
    m_state.sheet.reserve(m_state.byDuty.size());
    for (int i : m_state.byDuty) {
        CounterRow &r = m_state.counters[i];
        SheetRow row;
        row.dutyName = trimmed(r.dutyName);
        row.soldierName = trimmed(r.soldierName);
        row.rank = trimmed(r.rank);
        row.remarks = trimmed(r.remarks);
        const int at = int(m_state.sheet.size());
        // A counter row's cells go to the first sheet row of the same trimmed
        // name and duty.
        if (!row.soldierName.isNull() && !row.dutyName.isNull()) {
            const QString key = row.soldierName.toString() + QChar(0x1f) + row.dutyName.toString();
            auto first = sheetRows.constFind(key);
            if (first == sheetRows.cend())
                first = sheetRows.insert(key, at);
            r.sheetRow = first.value();
        }
        m_state.sheet.push_back(std::move(row));
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
