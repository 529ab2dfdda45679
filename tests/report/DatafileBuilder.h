#pragma once

// Writes a roster datafile with exactly the duties, columns and cells a test
// names, as a roster run would have left it.

#include "store/Database.h"
#include "store/Fields.h"
#include "store/RecordSet.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTest>

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

// Gate Guard on two days, two soldiers in turn; the comma in a name is one
// that a CSV file must quote and a calendar file name keeps.
inline DutySpec gateGuard()
{
    return {QStringLiteral("Gate Guard"),
            QStringLiteral("HQ"),
            {QDate(2027, 3, 1), QDate(2027, 3, 2)},
            {},
            {{QStringLiteral("E"),
              QStringLiteral("Adams, Al"),
              QStringLiteral("1st Platoon"),
              {QStringLiteral("/."), QStringLiteral("1")}},
             {QStringLiteral("U"),
              QStringLiteral("Clark"),
              QStringLiteral("HQ"),
              {QStringLiteral("1"), QStringLiteral("/.")}}}};
}

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

// One duty of a full sheet of columns and as many soldiers as given, every
// cell filled: a datafile that takes a while to read.
inline void writeLargeDatafile(const QString &path, int soldiers)
{
    DutySpec duty = gateGuard();
    QStringList cells;
    duty.starts.clear();
    for (int c = 1; c <= Fields::kRosterColumns; ++c) {
        duty.starts.append(QDate(2027, 3, 1).addDays(c - 1));
        cells.append(QStringLiteral("C%1").arg(c));
    }
    writeDatafile(path, {duty});
    const Database db = Database::open(path, FileKind::Roster);
    QSqlQuery fill(db.connection());
    const bool filled = fill.exec(
        QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                       "INSERT INTO storeage (DutyName, SoldierName, Rank, %2) SELECT 'Gate Guard', "
                       "'S' || x, 'E', %3 FROM n")
            .arg(soldiers)
            .arg(cells.join(u','), QStringList(cells.size(), QStringLiteral("'1'")).join(u',')));
    QVERIFY2(filled, qPrintable(fill.lastError().text()));
}

// What a datafile holds, read straight from its tables, as the exports and
// prints must show it.
struct DatafileDuty {
    struct Soldier {
        QString rank, name;
        QStringList cells;
    };
    QString name, organization;
    QList<QDate> starts, ends; // ends: invalid where the periods table has no row
    QList<bool> holidays;
    QList<Soldier> soldiers;
};

inline QList<DatafileDuty> readDatafile(const QString &path)
{
    QList<DatafileDuty> duties;
    const Database db = Database::openReadOnly(path, FileKind::Roster);
    for (RecordSet header(db, QStringLiteral("header")); !header.eof(); header.moveNext()) {
        DatafileDuty d{header.text(1), header.text(2), {}, {}, {}, {}};
        for (int c = 0; c < Fields::kRosterColumns && !header.text(5 + c).isEmpty(); ++c)
            d.starts.append(QDate::fromString(header.text(5 + c), Qt::ISODate));
        d.ends.resize(d.starts.size());
        d.holidays.resize(d.starts.size());
        if (!d.name.isEmpty() || !d.starts.isEmpty())
            duties.append(d);
    }
    if (db.hasTable(QStringLiteral("periods")))
        for (RecordSet periods(db, QStringLiteral("periods")); !periods.eof(); periods.moveNext())
            for (DatafileDuty &d : duties)
                if (const int col = periods.value(2).toInt();
                    d.name == periods.text(1) && col >= 1 && col <= d.ends.size())
                    d.ends[col - 1] = QDate::fromString(periods.text(4), Qt::ISODate);
    for (RecordSet sheet(db, QStringLiteral("storeage")); !sheet.eof(); sheet.moveNext())
        for (DatafileDuty &d : duties)
            if (d.name == sheet.text(1)) {
                DatafileDuty::Soldier s{sheet.text(3), sheet.text(2), {}};
                for (int c = 0; c < d.starts.size(); ++c) {
                    s.cells.append(sheet.text(5 + c));
                    d.holidays[c] = d.holidays[c] || sheet.value(41 + c).toBool();
                }
                d.soldiers.append(s);
            }
    return duties;
}

} // namespace calendrix::test
