#include "store/FieldValues.h"

#include "store/StoreError.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::FieldValues {

namespace {

// "2027-03-01", or a date as the user's locale writes it, with a four-digit
// year as the lists show it ("12/14/2027") or a two-digit one ("12/14/27"),
// which is taken as this century's.
QDate dateFromText(const QString &text)
{
    QDate date = QDate::fromString(text, Qt::ISODate);
    const QLocale locale;
    // Day and month may be typed without their leading zeros ("1.3.28").
    const auto loose = [](QString format) {
        return format.replace(u"dd"_s, u"d"_s).replace(u"MM"_s, u"M"_s);
    };
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    for (const QString &format : {shortFormat, dateFormat(), loose(shortFormat), loose(dateFormat()),
                                  locale.dateFormat(QLocale::LongFormat)}) {
        if (date.isValid())
            break;
        date = locale.toDate(text, format);
        if (date.isValid() && date.year() < 1950 && !format.contains(u"yyyy"_s))
            date = date.addYears(100);
    }
    return date;
}

} // namespace

QVariant fromStorage(const QVariant &raw, FieldType type)
{
    if (raw.isNull())
        return {};
    switch (type) {
    case FieldType::Key:
    case FieldType::Integer: {
        // A real number that another program wrote is a whole number only if
        // it is one; anything else keeps its text rather than being rounded
        // or clipped into a different number.
        if (raw.metaType().id() == QMetaType::Double) {
            const double x = raw.toDouble();
            if (x >= -9.2e18 && x <= 9.2e18 && x == static_cast<double>(qint64(x)))
                return QVariant(qint64(x));
            return QVariant(raw.toString());
        }
        bool ok = false;
        const qint64 n = raw.toLongLong(&ok);
        return ok ? QVariant(n) : QVariant(raw.toString());
    }
    case FieldType::YesNo:
        return QVariant(raw.toLongLong() != 0);
    case FieldType::Date: {
        const QString s = raw.toString();
        const QDate date = QDate::fromString(s.left(10), Qt::ISODate);
        return date.isValid() ? QVariant(date) : QVariant(s);
    }
    case FieldType::Text:
        break;
    }
    return QVariant(raw.toString());
}

QVariant toStorage(const QVariant &value, FieldType type)
{
    if (value.isNull())
        return {};
    switch (type) {
    case FieldType::Date:
        return isoDate(value.toDate());
    case FieldType::YesNo:
        return QVariant(value.toBool() ? 1 : 0);
    default:
        break;
    }
    return value;
}

// Brings a caller's value to the field's type, or says why it cannot.
QVariant convert(const QVariant &value, FieldType type, const QString &fieldName)
{
    if (!value.isValid() || value.isNull())
        return {};
    const int id = value.metaType().id();
    const bool isText = id == QMetaType::QString;
    const QString textValue = isText ? value.toString().trimmed() : QString();
    auto mismatch = [&]() {
        return StoreError(StoreErrorCode::TypeMismatch, NoticeCode::InvalidFieldValue,
                          {value.toString(), fieldName});
    };
    switch (type) {
    case FieldType::Text:
        if (id == QMetaType::QDate)
            return isoDate(value.toDate());
        return value.toString();
    case FieldType::Key:
    case FieldType::Integer: {
        if (isText && textValue.isEmpty())
            return {};
        if (id == QMetaType::Bool)
            return QVariant(qint64(value.toBool() ? 1 : 0));
        if (id == QMetaType::Double || id == QMetaType::Float) {
            const double x = value.toDouble();
            if (x != x || x > 9.2e18 || x < -9.2e18 || x != static_cast<double>(qint64(x)))
                throw mismatch();
            return QVariant(qint64(x));
        }
        bool ok = false;
        const qint64 n = isText ? textValue.toLongLong(&ok) : value.toLongLong(&ok);
        if (!ok)
            throw mismatch();
        return QVariant(n);
    }
    case FieldType::YesNo: {
        if (id == QMetaType::Bool)
            return value;
        if (isText) {
            if (textValue.isEmpty())
                return {};
            const QString t = textValue.toLower();
            if (t == u"true" || t == u"yes" || t == u"1" || t == u"-1")
                return QVariant(true);
            if (t == u"false" || t == u"no" || t == u"0")
                return QVariant(false);
            throw mismatch();
        }
        bool ok = false;
        const qint64 n = value.toLongLong(&ok);
        if (!ok)
            throw mismatch();
        return QVariant(n != 0);
    }
    case FieldType::Date: {
        if (id == QMetaType::QDate) {
            if (!value.toDate().isValid())
                throw mismatch();
            return value;
        }
        if (id == QMetaType::QDateTime)
            return QVariant(value.toDateTime().date());
        if (isText) {
            if (textValue.isEmpty())
                return {};
            const QDate date = dateFromText(textValue);
            if (!date.isValid()) {
                const QDate example(QDate::currentDate().year(), 12, 31);
                throw StoreError(StoreErrorCode::TypeMismatch, NoticeCode::NotADate,
                                 {textValue, dateText(example), dateFormat()});
            }
            return QVariant(date);
        }
        throw mismatch();
    }
    }
    return value;
}

QString dateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // Every run of y's, "yy" or "yyyy", becomes four.
    for (qsizetype i = format.indexOf(u'y'); i >= 0; i = format.indexOf(u'y', i + 4)) {
        qsizetype end = i;
        while (end < format.size() && format[end] == u'y')
            ++end;
        format.replace(i, end - i, u"yyyy"_s);
    }
    return format;
}

QString isoDate(const QDate &date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 0 || year > 9999)
        return {};
    QString text(10, Qt::Uninitialized);
    char16_t *c = reinterpret_cast<char16_t *>(text.data());
    const auto put = [&c](int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            c[i] = char16_t(u'0' + value % 10);
        c += digits;
    };
    put(year, 4);
    *c++ = u'-';
    put(month, 2);
    *c++ = u'-';
    put(day, 2);
    return text;
}

QString dateText(const QDate &date)
{
    return QLocale().toString(date, dateFormat());
}

QString text(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::QDate)
        return isoDate(value.toDate());
    return value.toString().trimmed();
}

} // namespace calendrix::FieldValues
