#include "store/RangeRows.h"

#include "store/FieldValues.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix::RangeRows {

QList<QVariantList> overlapping(const Database &db, const QString &table, int from, int to,
                                const QDate &first, const QDate &last)
{
    const TableLayout *layout = Layouts::table(db.kind(), table);
    if (!layout)
        throw StoreError(StoreErrorCode::ItemNotFound, NoticeCode::TableNotInFile,
                         {table, Layouts::kindKey(db.kind()), db.path()}, db.path());
    db.requireUsable(layout->name);
    QStringList columns;
    for (const FieldLayout &f : layout->fields)
        columns.append(u'"' + f.name + u'"');
    // SQLite leaves out only the rows that the judgement below would leave
    // out too; every other row is read and judged as the record set reads it.
    // A last day that is text sorting before the first day (ISO, where text
    // order is date order) with dashes where an ISO day has them reads as an
    // earlier day or as none: where it first differs from the first day it
    // holds a lower ASCII character, as any other character sorts after our
    // digits. A first day is left out only when it is ISO and after the last.
    // The cheap comparison comes first: in a table that grows with every run
    // most ranges have passed.
    const QString iso = u"GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*'"_s;
    const QString sql = u"SELECT %1 FROM \"%2\" WHERE NOT ((%3 < :first AND %3 LIKE '____-__-__%') OR "
                        u"(%4 > :last AND %4 %5 AND substr(%4, 1, 10) > :last)) ORDER BY \"ID\""_s.arg(
                            columns.join(u','), layout->name, columns[to], columns[from], iso);
    QSqlQuery q(db.connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw db.errorFrom(q.lastError(), NoticeCode::CannotReadTable, layout->name);
    q.bindValue(u":first"_s, FieldValues::isoDate(first));
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
    return rows;
}

} // namespace calendrix::RangeRows
