#include "RunState.h"

#include "Collation.h"

namespace calendrix {

const MemoryOrdinals &MemoryOrdinals::get()
{
    static const MemoryOrdinals ordinals = [] {
        const TableLayout *memory = Layouts::table(FileKind::Working, QStringLiteral("Memory"));
        Q_ASSERT(memory && memory->fields.size() <= int(std::tuple_size_v<decltype(CounterRow::sortValues)>));
        auto ordinal = [&](const char16_t *name) {
            for (int i = 0; i < memory->fields.size(); ++i)
                if (memory->fields[i].name == QStringView(name))
                    return i;
            Q_ASSERT(false);
            return 0;
        };
        return MemoryOrdinals{0,
                              ordinal(u"SoldierName"),
                              ordinal(u"Rank"),
                              ordinal(u"DutyName"),
                              ordinal(u"Count"),
                              ordinal(u"HCount")};
    }();
    return ordinals;
}

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
    const MemoryOrdinals &m = MemoryOrdinals::get();
    (c == DayClass::Holiday ? holidayCount : count) = value;
    sortValues[c == DayClass::Holiday ? m.holidayCount : m.count] =
        Collation::SortValue::of(QVariant(value), FieldType::Integer);
}

void CounterRow::setRank(const QVariant &value, Collation::SortValue::KeyCache &keys)
{
    rank = value;
    sortValues[MemoryOrdinals::get().rank] = Collation::SortValue::of(value, FieldType::Text, &keys);
}

void CounterRow::setSortValues(Collation::SortValue::KeyCache &keys)
{
    const MemoryOrdinals &m = MemoryOrdinals::get();
    using Collation::SortValue;
    sortValues[m.key] = SortValue::of(QVariant(key), FieldType::Key);
    sortValues[m.soldierName] = SortValue::of(soldierName, FieldType::Text, &keys);
    sortValues[m.rank] = SortValue::of(rank, FieldType::Text, &keys);
    sortValues[m.dutyName] = SortValue::of(dutyName, FieldType::Text, &keys);
    sortValues[m.count] = SortValue::of(counterValue(count), FieldType::Integer);
    sortValues[m.holidayCount] = SortValue::of(counterValue(holidayCount), FieldType::Integer);
}

} // namespace calendrix
