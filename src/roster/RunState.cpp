#include "RunState.h"

#include "Collation.h"

namespace calendrix {

SortText SortText::of(const QVariant &v)
{
    SortText t;
    t.null = v.isNull();
    if (!t.null) {
        t.text = v.toString();
        t.key = Collation::key(t.text);
    }
    return t;
}

int SortText::compare(const SortText &a, const SortText &b)
{
    return Collation::compareText(a.null, a.key, a.text, b.null, b.key, b.text);
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

void CounterRow::setSortForms()
{
    dutySort = SortText::of(dutyName);
    rankSort = SortText::of(rank);
    nameSort = SortText::of(soldierName);
}

} // namespace calendrix
