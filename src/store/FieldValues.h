#pragma once

#include "store/Layouts.h"

#include <QDate>
#include <QVariant>

namespace calendrix {

// How values of each field type are held in memory (QString, qint64, bool,
// QDate, Null) and in the file (text, integer, 0/1, "YYYY-MM-DD", NULL).
namespace FieldValues {

QVariant fromStorage(const QVariant &raw, FieldType type);
QVariant toStorage(const QVariant &value, FieldType type);

// A caller's value brought to the field's type; throws StoreError
// (TypeMismatch) when the type cannot hold it.
QVariant convert(const QVariant &value, FieldType type, const QString &fieldName);

// The date as "YYYY-MM-DD", as QDate::toString(Qt::ISODate) gives it (a null
// text for an invalid date or a year outside 0-9999) without its general
// formatter, which costs more than a run's write of the row that holds it.
QString isoDate(const QDate &date);

// How dates are shown and typed: the locale's short date format with its year
// widened to four digits, so that 2027 never reads as 27.
QString dateFormat();
QString dateText(const QDate &date);

// A value held in memory as the text the run and the reports compare: a date
// as ISO, anything else trimmed; Null as empty.
QString text(const QVariant &value);

} // namespace FieldValues
} // namespace calendrix
