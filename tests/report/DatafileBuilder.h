#pragma once

// Writes a roster datafile with exactly the duties, columns and cells a test
// names, as a roster run would have left it.

#include "store/Database.h"
#include "store/Fields.h"
#include "store/RecordSet.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>

namespace calendrix::test {

struct DutySpec {
    QString name;
    QString organization;
    QList<QDate> starts;
    QList<int> holidayColumns; // 0-based
    struct Row {
        QString rank, name, remarks;
        QStringList cells;
    };
    QList<Row> rows;
};

// ends: per duty name the last days of its periods, written into periods.
inline void writeDatafile(const QString &path, const QList<DutySpec> &duties,
                          const QHash<QString, QList<QDate>> &ends = {})
{
    Database::create(path, FileKind::Roster);
    Database db = Database::open(path, FileKind::Roster);
    RecordSet header(db, QStringLiteral("header"));
    RecordSet sheet(db, QStringLiteral("storeage"));
    for (const DutySpec &d : duties) {
        header.addNew();
        header.setValue(1, d.name);
        header.setValue(2, d.organization);
        for (int c = 0; c < d.starts.size(); ++c)
            header.setValue(5 + c, d.starts[c].toString(Qt::ISODate));
        header.update();
        if (const QList<QDate> last = ends.value(d.name); !last.isEmpty()) {
            RecordSet periods(db, QStringLiteral("periods"));
            for (int c = 0; c < last.size(); ++c) {
                periods.addNew();
                periods.setValue(Fields::Periods::DutyName, d.name);
                periods.setValue(Fields::Periods::Col, c + 1);
                periods.setValue(Fields::Periods::From, d.starts[c].toString(Qt::ISODate));
                periods.setValue(Fields::Periods::To, last[c].toString(Qt::ISODate));
                periods.update();
            }
        }
        for (const DutySpec::Row &r : d.rows) {
            sheet.addNew();
            sheet.setValue(1, d.name);
            sheet.setValue(2, r.name);
            sheet.setValue(3, r.rank);
            sheet.setValue(4, r.remarks);
            for (int c = 0; c < r.cells.size(); ++c)
                sheet.setValue(5 + c, r.cells[c]);
            for (int c : d.holidayColumns)
                sheet.setValue(41 + c, true);
            sheet.update();
        }
    }
}

} // namespace calendrix::test
