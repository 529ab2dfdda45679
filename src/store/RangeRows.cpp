#include "store/RangeRows.h"

#include "store/FieldValues.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::RangeRows {

QList<QVariantList> overlapping(const Database &db, const QString &table, int from, int to,
                                const QDate &first, const QDate &last)
{
    const TableLayout *layout = Layouts::table(db.kind(), table);
    if (!layout)
        throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableNotInFile,
                         {table, Layouts::kindKey(db.kind()), db.shownPath()}, db.shownPath());
    db.requireUsable(layout->name);
    QStringList columns;
    int key = -1;
    for (const FieldLayout &f : layout->fields) {
        if (f.type == FieldType::Key)
            key = int(columns.size());
        columns.append(u'"' + f.name + u'"');
    }
    // SQLite leaves out only the rows that the judgement below would leave
    // out too; every other row is read and judged as the record set reads it.
    //
    // A last day that sorts before the first day as text (ISO, where text
    // order is day order) can still be read as a later day only where it
    // first differs from the first day in one of the two dashes: a day's
    // separator may be any punctuation, and some sort before the dash. Such a
    // day starts with the first day's year, or its year and month, followed
    // by punctuation from '!' up to the dash. A number is never read as a day,
    // and a blob sorts after every text. So the last day is at or after the
    // first day, or in one of those two narrow ranges: three ranges of the
    // index on it, none of which holds the ranges that have passed.
    //
    // A first day is left out only when it is ISO and after the last.
    const QString iso = u"GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'"_s;
    const QString sql =
        u"SELECT %1 FROM \"%2\" WHERE (%3 >= :first OR (%3 >= :year AND %3 < :yearEnd) OR "
        u"(%3 >= :month AND %3 < :monthEnd)) AND NOT (%4 > :last AND %4 %5 AND substr(%4, 1, 10) > :last)"_s
            .arg(columns.join(u','), layout->name, columns[to], columns[from], iso);
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw db.errorFrom(q.lastError(), NoticeCode::CannotReadTable, layout->name);
    const QString firstDay = FieldValues::isoDate(first);
    q.bindValue(u":first"_s, firstDay);
    // Not the bare year: the field's affinity would compare it as a number.
    q.bindValue(u":year"_s, firstDay.left(4) + u'!');
    q.bindValue(u":yearEnd"_s, firstDay.left(4) + u'-');
    q.bindValue(u":month"_s, firstDay.left(7) + u'!');
    q.bindValue(u":monthEnd"_s, firstDay.left(7) + u'-');
    q.bindValue(u":last"_s, FieldValues::isoDate(last));
    if (!q.exec())
        throw db.errorFrom(q.lastError(), NoticeCode::CannotReadTable, layout->name);
    QList<QVariantList> rows;
    const int n = int(layout->fields.size());
    while (q.next()) {
        QVariantList values;
        values.reserve(n);
        for (int i = 0; i < n; ++i)
            values.append(FieldValues::fromStorage(q.value(i), layout->fields[i].type));
        const QVariant &f = values[from];
        const QVariant &t = values[to];
        if (f.metaType().id() != QMetaType::QDate || t.metaType().id() != QMetaType::QDate)
            continue;
        if (f.toDate() <= last && t.toDate() >= first)
            rows.append(values);
    }
    if (q.lastError().isValid())
        throw db.errorFrom(q.lastError(), NoticeCode::CannotReadTable, layout->name);
    // The index gives them in order of their last day; keys are whole numbers.
    if (key >= 0)
        std::sort(rows.begin(), rows.end(), [key](const QVariantList &a, const QVariantList &b) {
            return a[key].toLongLong() < b[key].toLongLong();
        });
    return rows;
}

} // namespace calendrix::RangeRows
