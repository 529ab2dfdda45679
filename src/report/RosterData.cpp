#include "RosterData.h"

#include "Collation.h"
#include "Database.h"
#include "RecordSet.h"
#include "ReportError.h"
#include "StoreError.h"

#include <QHash>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// Ordinals are the datafile's format; see the layout of header and storeage.
constexpr int kDutyName = 1;
constexpr int kOrganization = 2;
constexpr int kSoldierName = 2;
constexpr int kRank = 3;
constexpr int kRemarks = 4;
constexpr int kFirstColumn = 5;
constexpr int kColumns = 36;
constexpr int kFirstHolidayFlag = kFirstColumn + kColumns;

// The rank codes run from "?" (civilian) through "A" up to "W"; a senior
// soldier is listed first, as on the board.
int seniority(const QString &rank)
{
    if (rank.size() != 1)
        return -1;
    const QChar c = rank.at(0);
    return c == u'?' ? 0 : (c >= u'A' && c <= u'W' ? c.unicode() - u'A' + 1 : -1);
}

} // namespace

RosterData RosterData::read(const QString &path)
{
    RosterData data;
    try {
        const Database db = Database::openReadOnly(path, FileKind::Roster);
        RecordSet header(db, u"header"_s);
        QHash<QString, int> dutyIndex;
        for (header.moveFirst(); !header.eof(); header.moveNext()) {
            RosterDuty duty;
            duty.name = header.text(kDutyName);
            duty.organization = header.text(kOrganization);
            // Columns follow one another; the first empty one ends the duty's periods.
            for (int c = 0; c < kColumns; ++c) {
                const QString text = header.text(kFirstColumn + c);
                if (text.isEmpty())
                    break;
                const QDate start = QDate::fromString(text.left(10), Qt::ISODate);
                if (!start.isValid())
                    throw ReportError(
                        u"The roster datafile '%1' is damaged: duty '%2' has '%3' as the date of "
                        "column %4."_s.arg(path, duty.name, text)
                            .arg(c + 1));
                duty.columns.append({start, false});
            }
            // A template's empty first row is not a duty.
            if (duty.name.isEmpty() && duty.columns.isEmpty())
                continue;
            dutyIndex.insert(duty.name, int(data.duties.size()));
            data.duties.append(duty);
        }

        RecordSet sheet(db, u"storeage"_s);
        for (sheet.moveFirst(); !sheet.eof(); sheet.moveNext()) {
            const auto found = dutyIndex.constFind(sheet.text(kDutyName));
            if (found == dutyIndex.constEnd())
                continue;
            RosterDuty &duty = data.duties[*found];
            RosterSoldier soldier;
            soldier.rank = sheet.text(kRank);
            soldier.name = sheet.text(kSoldierName);
            soldier.remarks = sheet.text(kRemarks);
            for (int c = 0; c < duty.columns.size(); ++c) {
                soldier.cells.append(sheet.text(kFirstColumn + c));
                if (sheet.value(kFirstHolidayFlag + c).toBool())
                    duty.columns[c].holiday = true;
            }
            duty.soldiers.append(soldier);
        }
    } catch (const StoreError &e) {
        throw ReportError(e.text());
    }

    for (RosterDuty &duty : data.duties) {
        struct Order {
            int seniority;
            QByteArray key;
            qsizetype index;
        };
        std::vector<Order> order;
        order.reserve(size_t(duty.soldiers.size()));
        for (qsizetype i = 0; i < duty.soldiers.size(); ++i)
            order.push_back({seniority(duty.soldiers[i].rank), Collation::key(duty.soldiers[i].name), i});
        std::sort(order.begin(), order.end(), [&](const Order &a, const Order &b) {
            if (a.seniority != b.seniority)
                return a.seniority > b.seniority;
            const int byName = a.key.compare(b.key);
            return byName != 0 ? byName < 0 : a.index < b.index;
        });
        QList<RosterSoldier> sorted;
        sorted.reserve(duty.soldiers.size());
        for (const Order &o : order)
            sorted.append(std::move(duty.soldiers[o.index]));
        duty.soldiers = std::move(sorted);
    }
    return data;
}

} // namespace calendrix
