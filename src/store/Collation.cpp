#include "Collation.h"

#include <QDate>

namespace calendrix::Collation {

QString key(const QString &text)
{
    QString k = text.normalized(QString::NormalizationForm_D);
    k.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return k.toCaseFolded();
}

int compareText(bool aNull, const QString &aKey, const QString &aText, bool bNull, const QString &bKey,
                const QString &bText)
{
    if (aNull || bNull)
        return aNull == bNull ? 0 : (aNull ? -1 : 1);
    if (const int c = QString::compare(aKey, bKey); c != 0)
        return c;
    return QString::compare(aText, bText);
}

int compare(const QVariant &a, const QString &aKey, const QVariant &b, const QString &bKey, FieldType type)
{
    const bool an = a.isNull(), bn = b.isNull();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    switch (type) {
    case FieldType::Key:
    case FieldType::Integer: {
        const qint64 x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::YesNo:
        return int(a.toBool()) - int(b.toBool());
    case FieldType::Date: {
        const bool ad = a.metaType().id() == QMetaType::QDate;
        const bool bd = b.metaType().id() == QMetaType::QDate;
        if (ad && bd) {
            const QDate x = a.toDate(), y = b.toDate();
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        if (ad != bd)
            return ad ? -1 : 1;
        return QString::compare(a.toString(), b.toString());
    }
    case FieldType::Text:
        break;
    }
    return compareText(false, aKey, a.toString(), false, bKey, b.toString());
}

} // namespace calendrix::Collation
