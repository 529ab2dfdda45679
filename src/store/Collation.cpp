#include "store/Collation.h"

#include "store/StoreError.h"

#include <QDate>

#include <unicode/ucol.h>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::Collation {

namespace {

// The root collation, never the user's locale: every machine, whatever its
// language settings, must put the same soldier first. At primary strength
// case and accents do not count. Comparing and making keys on one collator
// is safe from any thread; it lives as long as the program.
const UCollator *rootCollator()
{
    static const UCollator *const collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        UCollator *c = ucol_open("", &status);
        if (U_FAILURE(status)) {
            // Without collation data the keys hold the character codes only:
            // still one total order, if a less friendly one.
            ucol_close(c);
            return static_cast<UCollator *>(nullptr);
        }
        ucol_setStrength(c, UCOL_PRIMARY);
        // Decomposed and composed spellings of a letter are the same letter.
        ucol_setAttribute(c, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
        return c;
    }();
    return collator;
}

// The character codes, high byte first, so that bytes compare as the codes do.
void appendCodeUnits(QByteArray &key, const QString &text)
{
    const qsizetype at = key.size();
    key.resize(at + text.size() * 2);
    char *out = key.data() + at;
    for (const QChar c : text) {
        *out++ = char(c.unicode() >> 8);
        *out++ = char(c.unicode() & 0xff);
    }
}

} // namespace

QByteArray key(const QString &text)
{
    QByteArray k;
    if (const UCollator *collator = rootCollator()) {
        const auto *chars = reinterpret_cast<const UChar *>(text.utf16());
        const auto length = int32_t(text.size());
        k.resize(qsizetype(text.size()) * 3 + 16);
        int32_t n = ucol_getSortKey(collator, chars, length, reinterpret_cast<uint8_t *>(k.data()),
                                    int32_t(k.size()));
        if (n > k.size()) {
            k.resize(n);
            n = ucol_getSortKey(collator, chars, length, reinterpret_cast<uint8_t *>(k.data()), n);
        }
        // n counts the key's closing zero byte, which no weight contains: it
        // ends the collation part, and a text whose collation part is a
        // prefix of another's sorts first, as it should.
        k.resize(n);
    }
    k.reserve(k.size() + text.size() * 2);
    appendCodeUnits(k, text);
    return k;
}

SortValue SortValue::of(const QVariant &value, FieldType type, KeyCache *cache)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Key:
    case FieldType::Integer:
        return SortValue{Kind::Number, value.toLongLong(), {}};
    case FieldType::YesNo:
        return SortValue{Kind::Number, value.toBool() ? 1 : 0, {}};
    case FieldType::Date:
        if (value.metaType().id() == QMetaType::QDate)
            return SortValue{Kind::Number, value.toDate().toJulianDay(), {}};
        {
            // What a date field holds that is no date goes after the dates,
            // by its character codes.
            SortValue v{Kind::Text, 0, {}};
            appendCodeUnits(v.key, value.toString());
            return v;
        }
    case FieldType::Text:
        break;
    }
    const QString text = value.toString();
    if (!cache)
        return {Kind::Text, 0, Collation::key(text)};
    auto it = cache->constFind(text);
    if (it == cache->cend())
        it = cache->insert(text, Collation::key(text));
    return {Kind::Text, 0, it.value()};
}

int compare(const SortValue &a, const SortValue &b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind ? -1 : 1;
    switch (a.kind) {
    case SortValue::Kind::Null:
        return 0;
    case SortValue::Kind::Number:
        return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    case SortValue::Kind::Text:
        break;
    }
    const int c = a.key.compare(b.key);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compare(const SortValue *a, const SortValue *b, const Order &order)
{
    for (const OrderField &f : order)
        if (const int c = compare(a[f.index], b[f.index]))
            return f.descending ? -c : c;
    return 0;
}

Order orderOf(const RecordSource &source, const TableLayout &table)
{
    Order order;
    for (const RecordSource::OrderField &o : source.order) {
        int ordinal = -1;
        for (int i = 0; i < table.fields.size(); ++i)
            if (table.fields[i].name.compare(o.field, Qt::CaseInsensitive) == 0)
                ordinal = i;
        if (ordinal < 0)
            throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::NoSuchField, {table.name, o.field});
        order.append({ordinal, o.descending});
    }
    order.append({0, false});
    return order;
}

Places::Places(size_t rowCount, const std::function<const SortValue *(size_t)> &rowValues,
               const QList<int> &fields)
{
    place(
        rowCount, [&rowValues](size_t row, int field) -> const SortValue & { return rowValues(row)[field]; },
        fields);
}

Places::Places(size_t rowCount, const std::function<SortValue(size_t, int)> &valueOf,
               const QList<int> &fields)
{
    place(rowCount, valueOf, fields);
}

template<typename ValueOf>
void Places::place(size_t rowCount, const ValueOf &valueOf, const QList<int> &fields)
{
    std::vector<int> slotFields; // by slot: its field ordinal
    for (const int field : fields) {
        if (size_t(field) >= m_slot.size())
            m_slot.resize(size_t(field) + 1, -1);
        if (m_slot[size_t(field)] >= 0)
            continue;
        m_slot[size_t(field)] = int(slotFields.size());
        slotFields.push_back(field);
    }
    m_width = slotFields.size();
    m_places.resize(rowCount * m_width);
    for (size_t slot = 0; slot < m_width; ++slot) {
        const int field = slotFields[slot];
        // A text repeated on many rows shares its key's bytes: each distinct
        // key is placed once, found by its bytes' address and length. The
        // keys kept here hold those bytes, so that no address found stands
        // for other bytes later, whatever becomes of a value made on asking.
        QHash<std::pair<const char *, qsizetype>, qint64> byBytes;
        std::vector<QByteArray> distinct;
        for (size_t row = 0; row < rowCount; ++row) {
            decltype(auto) v = valueOf(row, field);
            Place &p = m_places[row * m_width + slot];
            p.kind = v.kind;
            if (v.kind == SortValue::Kind::Number) {
                p.value = v.number;
            } else if (v.kind == SortValue::Kind::Text) {
                const std::pair<const char *, qsizetype> bytes{v.key.constData(), v.key.size()};
                auto at = byBytes.constFind(bytes);
                if (at == byBytes.cend()) {
                    at = byBytes.insert(bytes, qint64(distinct.size()));
                    distinct.push_back(v.key);
                }
                p.value = *at;
            }
        }
        if (distinct.empty())
            continue;
        std::vector<qint64> byKey(distinct.size());
        for (size_t i = 0; i < byKey.size(); ++i)
            byKey[i] = qint64(i);
        std::sort(byKey.begin(), byKey.end(),
                  [&](qint64 a, qint64 b) { return distinct[size_t(a)].compare(distinct[size_t(b)]) < 0; });
        // Keys of equal bytes at different addresses share a place.
        std::vector<qint64> placeOf(distinct.size());
        qint64 place = 0;
        for (size_t i = 0; i < byKey.size(); ++i) {
            if (i > 0 && distinct[size_t(byKey[i - 1])].compare(distinct[size_t(byKey[i])]) != 0)
                ++place;
            placeOf[size_t(byKey[i])] = place;
        }
        for (size_t row = 0; row < rowCount; ++row) {
            Place &p = m_places[row * m_width + slot];
            if (p.kind == SortValue::Kind::Text)
                p.value = placeOf[size_t(p.value)];
        }
    }
}

} // namespace calendrix::Collation
