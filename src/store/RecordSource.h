#pragma once

#include <QList>
#include <QString>

namespace calendrix {

// What a record set may be opened on: a table name, or exactly
// "SELECT * FROM table ORDER BY field Asc|Desc, ...". The text is parsed,
// never handed to the database, so no SQL from outside is ever run.
struct RecordSource {
    struct OrderField {
        QString field;
        bool descending = false;
    };

    QString table;
    QList<OrderField> order; // empty: the table's natural order

    // Throws StoreError (BadRecordSource) for anything else.
    static RecordSource parse(const QString &text);
};

} // namespace calendrix
