#include "roster/PersonnelSheet.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

void PersonnelSheet::writeSheetRows()
{
    m_state.sheet.clear();
    m_state.sheet.reserve(m_state.byDuty.size());
    // A counter row's cells go to the first sheet row of the same trimmed
    // name and duty. Names and duties are numbered by their trimmed text,
    // each name trimmed once per spelling (a person) and each duty once per
    // run of its rows, which come in duty order.
    QHash<TextKey, int> nameIds, dutyIds;
    std::vector<std::pair<int, QVariant>> personName(m_state.people.size(), {-1, QVariant()});
    QHash<qint64, int> sheetRows;
    sheetRows.reserve(qsizetype(m_state.byDuty.size()));
    const auto idOf = [](QHash<TextKey, int> &ids, const QVariant &trimmedText) {
        const QString text = trimmedText.toString();
        const auto known = ids.constFind(text);
        return known != ids.cend() ? known.value() : ids.insert(text, int(ids.size())).value();
    };
    QString lastDuty;
    bool afterDuty = false;
    int dutyId = -1;
    QVariant dutyTrimmed;
    for (int i : m_state.byDuty) {
        CounterRow &r = m_state.counters[i];
        if (r.dutyName.isNull()) {
            afterDuty = false;
            dutyId = -1;
            dutyTrimmed = QVariant();
        } else if (const QString text = r.dutyName.toString(); !afterDuty || text != lastDuty) {
            lastDuty = text;
            afterDuty = true;
            dutyTrimmed = QVariant(text.trimmed());
            dutyId = idOf(dutyIds, dutyTrimmed);
        }
        SheetRow row;
        row.dutyName = dutyTrimmed;
        int nameId = -1;
        if (r.person >= 0) {
            auto &[id, name] = personName[size_t(r.person)];
            if (id < 0) {
                name = trimmed(r.soldierName);
                id = idOf(nameIds, name);
            }
            nameId = id;
            row.soldierName = name;
        }
        row.rank = trimmed(r.rank);
        row.remarks = trimmed(r.remarks);
        const int at = int(m_state.sheet.size());
        if (nameId >= 0 && dutyId >= 0) {
            const qint64 key = (qint64(dutyId) << 32) | nameId;
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
