#pragma once

#include "Layouts.h"

#include <QString>
#include <QVariant>

namespace calendrix {

// The order of values in a sorted record set, for anyone who must sort rows
// exactly as the store does.
namespace Collation {

// How a person expects names to sort: without regard to case or accents
// ("adams" before "Baker", "Özdemir" between "Olsen" and "Pratt").
QString key(const QString &text);

// Null first; text by its key, then by character code so that the order is
// total; integers by value; dates by the calendar. textKey values are the
// key() of the text values (ignored for other types).
// The text rule alone, for callers that keep keys and texts at hand.
int compareText(bool aNull, const QString &aKey, const QString &aText, bool bNull, const QString &bKey,
                const QString &bText);

int compare(const QVariant &a, const QString &aKey, const QVariant &b, const QString &bKey, FieldType type);

} // namespace Collation
} // namespace calendrix
