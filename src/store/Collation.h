#pragma once

#include "store/Layouts.h"
#include "store/RecordSource.h"
#include "store/TextKey.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

namespace calendrix {

// The order of values in a sorted record set, for anyone who must sort rows
// exactly as the store does.
namespace Collation {

// How a person expects names to sort, alike on every machine: the Unicode
// collation's root order, without regard to case or accents ("adams" before
// "Baker", "Özdemir" between "Olsen" and "Pratt", "Æ" as "AE", "Ø" with "O",
// "Ł" with "L", "ß" as "ss"); texts equal in that respect go by character
// code ("Adams" before "adams"), so that the order is total. Two keys compare
// byte by byte.
QByteArray key(const QString &text);

// A field's value made ready for sorting once, so that a sort compares
// ready-made keys.
struct SortValue {
    enum class Kind : quint8 { Null, Number, Text }; // in their order
    Kind kind = Kind::Null;
    qint64 number = 0; // integers, yes/no, dates as their day number
    QByteArray key;    // text

    // Keys already made, for texts that repeat (a duty name on every counter
    // row): each is made once and its bytes are shared.
    using KeyCache = QHash<TextKey, QByteArray>;
    // type is the field's type in its layout, not the value's: a date field
    // may hold text. cache, when given, is used for text fields only.
    static SortValue of(const QVariant &value, FieldType type, KeyCache *cache = nullptr);
};

// Null first; text by its key; integers by value; dates by the calendar,
// before any text that a date field may hold.
int compare(const SortValue &a, const SortValue &b);

// One field of a sort order: which of a row's sort values, and the direction.
struct OrderField {
    int index;
    bool descending = false;
};
using Order = QList<OrderField>;

// Compares two rows field by field in the given order; a and b each point to
// one row's sort values, indexed by field ordinal (OrderField::index).
int compare(const SortValue *a, const SortValue *b, const Order &order);

// The order of a record source over its table's fields by ordinal, ending
// with the key (ordinal 0), so that rows equal in every named field keep the
// order they were added in. Throws StoreError for a field the table does not
// have.
Order orderOf(const RecordSource &source, const TableLayout &table);

// The sort values of many rows in some fields, each reduced to a number that
// compares as the value does: a text by its place among the field's distinct
// texts. Sorting many rows over few texts (a name on every duty's counter
// row) then compares numbers rather than keys byte by byte, in exactly the
// order compare() gives.
class Places
{
public:
    // rowValues(i) points to row i's sort values, indexed by field ordinal;
    // fields are the ordinals an order will name.
    Places(size_t rowCount, const std::function<const SortValue *(size_t)> &rowValues,
           const QList<int> &fields);
    // valueOf(row, field) makes a row's sort value in a field when it is
    // asked for, once for each: no list of every row's values is kept.
    Places(size_t rowCount, const std::function<SortValue(size_t, int)> &valueOf, const QList<int> &fields);

    // As compare(rowValues(a), rowValues(b), order); order names only fields
    // given to the constructor.
    int compare(size_t a, size_t b, const Order &order) const
    {
        const Place *x = &m_places[a * m_width];
        const Place *y = &m_places[b * m_width];
        for (const OrderField &f : order) {
            const Place &p = x[m_slot[size_t(f.index)]];
            const Place &q = y[m_slot[size_t(f.index)]];
            const int c = p.kind != q.kind ? (p.kind < q.kind ? -1 : 1)
                                           : (p.value < q.value ? -1 : (p.value > q.value ? 1 : 0));
            if (c != 0)
                return f.descending ? -c : c;
        }
        return 0;
    }

private:
    template<typename ValueOf> void place(size_t rowCount, const ValueOf &valueOf, const QList<int> &fields);

    struct Place {
        qint64 value = 0; // the number, or the text's place
        SortValue::Kind kind = SortValue::Kind::Null;
    };
    std::vector<int> m_slot; // by field ordinal: its place in a row's places, or -1
    size_t m_width = 0;      // places per row
    // Row by row, each row's places side by side: a comparison reads two
    // short runs of memory rather than one scattered place per field.
    std::vector<Place> m_places;
};

} // namespace Collation
} // namespace calendrix
