#include "roster/DateColumns.h"

#include "roster/DutyAssignment.h"
#include "roster/ResultRecording.h"
#include "roster/RuleFault.h"
#include "store/FieldValues.h"
#include "store/StoreError.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

DayClass DateColumns::dayClassOf(const QDate &start) const
{
    if (m_state.consolidateFlag == 0)
        return DayClass::Normal;
    // Only the first day counts: a period from Friday over the weekend is normal.
    if (start.dayOfWeek() == Qt::Saturday || start.dayOfWeek() == Qt::Sunday)
        return DayClass::Holiday;
    for (const auto &[first, last] : m_state.holidays)
        if (start >= first && start <= last)
            return DayClass::Holiday;
    return DayClass::Normal;
}

bool DateColumns::runColumns()
{
    // Each duty takes the periods whose trimmed duty name equals its own, in
    // start order; a Null name matches nothing.
    QHash<TextKey, std::vector<int>> periodsOf;
    for (int i = 0; i < int(m_state.schedule.size()); ++i) {
        const QVariant &d = m_state.schedule[i].dutyName;
        if (!d.isNull())
            periodsOf[d.toString().trimmed()].push_back(i);
    }
    int total = 0, done = 0;
    for (const Duty &duty : m_state.duties)
        if (!duty.name.isNull())
            total += int(periodsOf.value(duty.name.toString().trimmed()).size());

    DutyAssignment assignment(m_state);
    ResultRecording recording(m_state);
    m_state.header.clear();
    for (const Duty &duty : m_state.duties) {
        m_state.header.push_back({duty.name, duty.organization, {}, {}});
        if (duty.name.isNull())
            continue;
        const QString name = duty.name.toString().trimmed();
        const auto it = periodsOf.constFind(name);
        if (it == periodsOf.cend())
            continue;
        int column = 0;
        for (int p : it.value()) {
            ++column;
            if (column > kColumnLimit) {
                m_state.messenger.inform(
                    {Notice::Kind::Error, NoticeCode::RunColumnLimit, {duty.name.toString()}});
                return false;
            }
            const SchedulePeriod &period = m_state.schedule[p];
            if (period.from.metaType().id() != QMetaType::QDate ||
                period.to.metaType().id() != QMetaType::QDate)
                throw RuleFault(period.from.metaType().id() != QMetaType::QDate
                                    ? NoticeCode::PeriodWithoutFromDate
                                    : NoticeCode::PeriodWithoutToDate,
                                {name});
            const QDate start = period.from.toDate();
            const QDate end = period.to.toDate();
            m_state.header.back().starts[column - 1] = FieldValues::isoDate(start);
            m_state.header.back().ends[column - 1] = end;
            const DayClass dayClass = dayClassOf(start);
            const CandidateList list = assignment.fillPeriod(name, start, end, period, dayClass);
            recording.recordPeriod(column, dayClass, list);
            m_state.messenger.progress(++done, total);
        }
    }
    return true;
}

} // namespace calendrix
