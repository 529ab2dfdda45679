#include "roster/RunState.h"

#include "store/Collation.h"

namespace calendrix {

Counter counterOf(const QVariant &v)
{
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return v.isNull() || !ok ? Counter() : Counter(n);
}

QVariant counterValue(const Counter &c)
{
    return c ? QVariant(*c) : QVariant();
}

void CounterRow::setCounter(DayClass c, qint64 value)
{
    (c == DayClass::Holiday ? holidayCount : count) = value;
    sortValues[c == DayClass::Holiday ? Fields::Memory::HCount : Fields::Memory::Count] =
        Collation::SortValue::of(QVariant(value), FieldType::Integer);
}

void CounterRow::setRank(const QVariant &value, Collation::SortValue::KeyCache &keys)
{
    rank = value;
    sortValues[Fields::Memory::Rank] = Collation::SortValue::of(value, FieldType::Text, &keys);
}

void CounterRow::setRank(const QVariant &value, const Collation::SortValue &sorted)
{
    rank = value;
    sortValues[Fields::Memory::Rank] = sorted;
}

void CounterRow::setSortValues(Collation::SortValue::KeyCache &keys)
{
    using Collation::SortValue;
    setSortValues(SortValue::of(soldierName, FieldType::Text, &keys),
                  SortValue::of(rank, FieldType::Text, &keys),
                  SortValue::of(dutyName, FieldType::Text, &keys));
}

void CounterRow::setSortValues(const Collation::SortValue &soldierNameSorted,
                               const Collation::SortValue &rankSorted,
                               const Collation::SortValue &dutyNameSorted)
{
    using namespace Fields::Memory;
    using Collation::SortValue;
    sortValues[ID] = SortValue::of(QVariant(key), FieldType::Key);
    sortValues[SoldierName] = soldierNameSorted;
    sortValues[Rank] = rankSorted;
    sortValues[DutyName] = dutyNameSorted;
    sortValues[Count] = SortValue::of(counterValue(count), FieldType::Integer);
    sortValues[HCount] = SortValue::of(counterValue(holidayCount), FieldType::Integer);
}

} // namespace calendrix
