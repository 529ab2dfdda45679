#include "report/RosterData.h"

#include "report/ReportError.h"
#include "report/TemplateValues.h"
#include "store/Collation.h"
#include "store/Database.h"
#include "store/Fields.h"
#include "store/RecordSources.h"
#include "store/StoreError.h"
#include "store/TableReader.h"
#include "store/TextKey.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

namespace H = Fields::RosterHeader;
namespace S = Fields::Storeage;
namespace P = Fields::Periods;
namespace Ch = Fields::Changes;

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

QString draftNotice()
{
    return QCoreApplication::translate(
        "Report", "DRAFT \u2014 not counted",
        "Printed on every page of a draft roster, whose duties were not counted");
}

namespace {

// The texts of a roster repeat: a million cells hold some hundred marks and a
// soldier's name comes back in every duty he stands. Each distinct text is
// made once, from the bytes as stored, and shared by every field that has it.
class SharedTexts
{
public:
    QString text(const TableReader &reader, int ordinal)
    {
        const QByteArrayView bytes = reader.utf8(ordinal);
        if (bytes.isNull())
            return reader.text(ordinal);
        // A mark is a few bytes: packed into a number, with its length, it
        // is found without comparing strings.
        if (bytes.size() < 8) {
            quint64 packed = quint64(bytes.size()) << 56;
            for (qsizetype i = 0; i < bytes.size(); ++i)
                packed |= quint64(quint8(bytes[i])) << (8 * i);
            const auto found = m_short.constFind(packed);
            if (found != m_short.constEnd())
                return found.value();
            return m_short.insert(packed, QString::fromUtf8(bytes).trimmed()).value();
        }
        // Looked up without a copy; kept with one.
        const auto found = m_texts.constFind(QByteArray::fromRawData(bytes.data(), bytes.size()));
        if (found != m_texts.constEnd())
            return found.value();
        return m_texts.insert(bytes.toByteArray(), QString::fromUtf8(bytes).trimmed()).value();
    }

private:
    QHash<quint64, QString> m_short;
    QHash<BytesKey, QString> m_texts;
};

Notice damaged(NoticeCode code, const QString &path, const QString &duty, const QString &text, int column)
{
    return {Notice::Kind::Error, code, {path, duty, text, QString::number(column)}};
}

} // namespace

RosterData RosterData::read(const QString &path, const ReadProgress &progress)
{
    RosterData data;
    SharedTexts texts;
    QHash<TextKey, int> dutyIndex;
    try {
        const Database db = Database::openReadOnly(path, FileKind::Roster);
        TableReader header(db, RecordSources::kRosterHeader);
        while (header.next()) {
            RosterDuty duty;
            duty.name = header.text(H::DutyName);
            duty.organization = header.text(H::Organization);
            if (header.text(H::Spare3) == QString::fromUtf16(H::kDraftMark))
                data.draft = true;
            // Columns follow one another; the first empty one ends the duty's periods.
            for (int c = 0; c < Fields::kRosterColumns; ++c) {
                const QString text = header.text(H::date(c + 1));
                if (text.isEmpty())
                    break;
                const QDate start = QDate::fromString(text.left(10), Qt::ISODate);
                if (!start.isValid())
                    throw ReportError(
                        damaged(NoticeCode::DatafileBadColumnDate, path, duty.name, text, c + 1));
                duty.columns.append({start, {}, false});
            }
            // A template's empty first row is not a duty.
            if (duty.name.isEmpty() && duty.columns.isEmpty())
                continue;
            dutyIndex.insert(duty.name, int(data.duties.size()));
            data.duties.append(duty);
        }

        // Datafiles made before the periods table existed give no last days.
        if (db.hasTable(RecordSources::kPeriods)) {
            TableReader periods(db, RecordSources::kPeriods);
            while (periods.next()) {
                const auto found = dutyIndex.constFind(periods.text(P::DutyName));
                const int c = periods.value(P::Col).toInt();
                if (found == dutyIndex.constEnd() || c < 1 || c > data.duties[*found].columns.size())
                    continue;
                const QVariant end = periods.value(P::To);
                if (!end.isNull() && end.metaType().id() != QMetaType::QDate)
                    throw ReportError(damaged(NoticeCode::DatafileBadLastDay, path, data.duties[*found].name,
                                              end.toString(), c));
                data.duties[*found].columns[c - 1].end = end.toDate();
            }
        }

        // Only a roster changed after its run has this table.
        if (db.hasTable(RecordSources::kChanges)) {
            TableReader changes(db, RecordSources::kChanges);
            while (changes.next()) {
                const auto found = dutyIndex.constFind(changes.text(Ch::DutyName));
                const int c = changes.value(Ch::Col).toInt();
                if (found == dutyIndex.constEnd() || c < 1 || c > data.duties[*found].columns.size())
                    continue;
                data.duties[*found].changes.append(
                    {changes.text(Ch::Made), changes.text(Ch::Kind) == QString::fromUtf16(Ch::kSwap), c - 1,
                     changes.text(Ch::SoldierOff), changes.text(Ch::SoldierOn), changes.text(Ch::Reason)});
            }
        }

        TableReader sheet(db, RecordSources::kStoreage);
        const qint64 total = progress ? sheet.lastKey() : 0;
        for (qint64 row = 0; sheet.next(); ++row) {
            // Asked often enough to stop within a blink, seldom enough to cost nothing.
            if (progress && row % 512 == 0 && !progress(sheet.value(S::ID).toLongLong(), total))
                throw ReportError(Notice{Notice::Kind::Error, NoticeCode::DatafileReadStopped, {path}});
            const auto found = dutyIndex.constFind(texts.text(sheet, S::DutyName));
            if (found == dutyIndex.constEnd())
                continue;
            RosterDuty &duty = data.duties[*found];
            RosterSoldier &soldier = duty.soldiers.emplace_back();
            soldier.rank = texts.text(sheet, S::Rank);
            soldier.name = texts.text(sheet, S::SoldierName);
            soldier.remarks = texts.text(sheet, S::Remarks);
            soldier.cells.reserve(duty.columns.size());
            for (int c = 0; c < duty.columns.size(); ++c) {
                soldier.cells.append(texts.text(sheet, S::cell(c + 1)));
                if (sheet.yesNo(S::holidayFlag(c + 1)))
                    duty.columns[c].holiday = true;
            }
        }
    } catch (const StoreError &e) {
        throw ReportError(e.notice());
    }

    // A name stands in many duties: its sort key is made once.
    QHash<TextKey, QByteArray> keys;
    for (RosterDuty &duty : data.duties) {
        struct Order {
            int seniority;
            QByteArray key;
            qsizetype index;
        };
        std::vector<Order> order;
        order.reserve(size_t(duty.soldiers.size()));
        for (qsizetype i = 0; i < duty.soldiers.size(); ++i) {
            const QString &name = duty.soldiers[i].name;
            auto key = keys.constFind(name);
            if (key == keys.constEnd())
                key = keys.insert(name, Collation::key(name));
            order.push_back({seniority(duty.soldiers[i].rank), *key, i});
        }
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

int RosterDuty::changedPeriods() const
{
    static const QString replaced = QString::fromUtf16(S::kReplacedMark);
    static const QString swapped = QString::fromUtf16(S::kSwappedMark);
    QList<bool> changed(columns.size(), false);
    for (const RosterCellChange &c : changes)
        changed[c.column] = true;
    for (const RosterSoldier &s : soldiers)
        for (qsizetype c = 0; c < std::min(s.cells.size(), columns.size()); ++c)
            if (s.cells[c] == replaced || s.cells[c] == swapped)
                changed[c] = true;
    return int(changed.count(true));
}

QString RosterData::title() const
{
    QString organization = duties.isEmpty() ? QString() : duties.constFirst().organization;
    QDate first, last;
    for (const RosterDuty &duty : duties) {
        if (duty.organization != organization)
            organization.clear();
        for (const RosterColumn &c : duty.columns) {
            if (!c.start.isValid())
                continue;
            first = first.isValid() ? std::min(first, c.start) : c.start;
            last = last.isValid() ? std::max(last, c.lastDay()) : c.lastDay();
        }
    }
    const QString from = printedDate(first), to = printedDate(last);
    const QString unit = organization.simplified();
    QString title;
    if (unit.isEmpty())
        title = first.isValid() ? QCoreApplication::translate("Report", "Duty roster, %1 to %2").arg(from, to)
                                : QCoreApplication::translate("Report", "Duty roster");
    else
        title = first.isValid()
                    ? QCoreApplication::translate("Report", "Duty roster, %1, %2 to %3").arg(unit, from, to)
                    : QCoreApplication::translate("Report", "Duty roster, %1").arg(unit);
    return draft ? QCoreApplication::translate("Report", "%1 (%2)", "A roster's title, then the draft notice")
                       .arg(title, draftNotice())
                 : title;
}

int RosterData::differingCells(const RosterData &other) const
{
    const auto cellsOf = [](const RosterDuty &duty) {
        QHash<QString, QList<QString>> rows;
        for (const RosterSoldier &s : duty.soldiers)
            rows.insert(s.name, s.cells);
        return rows;
    };
    const auto countAll = [](const RosterDuty &duty) {
        int n = 0;
        for (const RosterSoldier &s : duty.soldiers)
            n += int(std::max<qsizetype>(1, s.cells.size()));
        return std::max(1, n);
    };
    QHash<QString, const RosterDuty *> theirs;
    for (const RosterDuty &d : other.duties)
        theirs.insert(d.name, &d);
    int differing = 0;
    for (const RosterDuty &mine : duties) {
        const RosterDuty *their = theirs.take(mine.name);
        if (!their) {
            differing += countAll(mine);
            continue;
        }
        QList<QDate> myStarts, theirStarts;
        for (const RosterColumn &c : mine.columns)
            myStarts.append(c.start);
        for (const RosterColumn &c : their->columns)
            theirStarts.append(c.start);
        if (myStarts != theirStarts || mine.organization != their->organization) {
            differing += std::max(countAll(mine), countAll(*their));
            continue;
        }
        QHash<QString, QList<QString>> rows = cellsOf(*their);
        for (const RosterSoldier &s : mine.soldiers) {
            const auto found = rows.constFind(s.name);
            if (found == rows.constEnd()) {
                differing += int(std::max<qsizetype>(1, s.cells.size()));
                continue;
            }
            const QList<QString> &cells = *found;
            for (qsizetype c = 0; c < std::max(s.cells.size(), cells.size()); ++c)
                if (s.cells.value(c) != cells.value(c))
                    ++differing;
            rows.remove(s.name);
        }
        for (const QList<QString> &cells : std::as_const(rows))
            differing += int(std::max<qsizetype>(1, cells.size()));
    }
    for (const RosterDuty *d : std::as_const(theirs))
        differing += countAll(*d);
    return differing;
}

} // namespace calendrix
