#include "report/TemplateValues.h"

#include "report/RosterData.h"
#include "store/RankList.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;
namespace mustache = kainjow::mustache;

namespace calendrix {

namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// The library's set() and push_back() copy whole subtrees; a roster has tens
// of thousands of cells, so values are moved into place instead.
void put(mustache::data &object, const char *name, mustache::data &&value)
{
    object[name] = std::move(value);
}

void append(mustache::data &list, mustache::data &&item)
{
    // list_value() hands out the list that the value owns; it is not const.
    const_cast<mustache::list &>(list.list_value()).push_back(std::move(item));
}

mustache::data flag(bool on)
{
    return on ? mustache::data(mustache::data::type::bool_true)
              : mustache::data(mustache::data::type::bool_false);
}

mustache::data number(qsizetype n)
{
    return mustache::data(std::to_string(n));
}

// Dates are printed the same way wherever the program runs: a roster is read
// by the whole unit, not only by the clerk whose machine printed it.
const QLocale &english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    return locale;
}

QString shortDate(const QDate &date)
{
    return date.toString(u"dd.MM."_s);
}

mustache::data columnValues(const RosterColumn &column, int index)
{
    const QDate &d = column.start;
    mustache::data c;
    put(c, "number", number(index + 1));
    put(c, "date", utf8(shortDate(d)));
    put(c, "day", utf8(QString::number(d.day())));
    put(c, "month", utf8(QString::number(d.month())));
    put(c, "monthName", utf8(english().monthName(d.month(), QLocale::ShortFormat)));
    put(c, "year", utf8(QString::number(d.year())));
    put(c, "iso", utf8(d.toString(Qt::ISODate)));
    put(c, "weekday", utf8(english().dayName(d.dayOfWeek(), QLocale::NarrowFormat)));
    put(c, "weekdayName", utf8(english().dayName(d.dayOfWeek(), QLocale::ShortFormat)));
    put(c, "holiday", flag(column.holiday));
    return c;
}

mustache::data cellValues(const QString &mark, int index, bool holiday)
{
    const bool assigned = mark == u"/.";
    const bool absent = mark == u"A";
    const bool busy = mark == u"D";
    const bool empty = mark.isEmpty();
    mustache::data cell;
    put(cell, "mark", utf8(mark));
    put(cell, "column", number(index + 1));
    put(cell, "holiday", flag(holiday));
    put(cell, "assigned", flag(assigned));
    put(cell, "absent", flag(absent));
    put(cell, "busy", flag(busy));
    put(cell, "empty", flag(empty));
    put(cell, "standing", flag(!assigned && !absent && !busy && !empty));
    return cell;
}

mustache::data soldierValues(const RosterSoldier &soldier, int index, const RosterDuty &duty,
                             const mustache::data &columns, const QHash<QString, QString> &rankNames)
{
    mustache::data s;
    put(s, "number", number(index + 1));
    put(s, "rank", utf8(soldier.rank));
    put(s, "rankName", utf8(rankNames.value(soldier.rank, soldier.rank)));
    put(s, "name", utf8(soldier.name));
    put(s, "remarks", utf8(soldier.remarks));
    mustache::data cells(mustache::data::type::list);
    mustache::data dates(mustache::data::type::list);
    QStringList dateList;
    for (int c = 0; c < duty.columns.size(); ++c) {
        const QString mark = soldier.cells.value(c);
        append(cells, cellValues(mark, c, duty.columns[c].holiday));
        if (mark == u"/.") {
            append(dates, mustache::data(columns.list_value()[size_t(c)]));
            dateList.append(shortDate(duty.columns[c].start));
        }
    }
    put(s, "cells", std::move(cells));
    put(s, "dates", std::move(dates));
    put(s, "hasDates", flag(!dateList.isEmpty()));
    put(s, "dateList", utf8(dateList.join(u", "_s)));
    put(s, "standsCount", number(dateList.size()));
    return s;
}

} // namespace

TemplateValues TemplateValues::fromRoster(const RosterData &roster, const QString &path,
                                          const QDate &printedOn, int onlyDuty)
{
    QHash<QString, QString> rankNames;
    for (const auto &[code, shown] : mainRankList())
        rankNames.insert(code, shown.trimmed());

    mustache::data top;
    put(top, "file", utf8(QFileInfo(path).fileName()));
    put(top, "path", utf8(path));
    put(top, "printed", utf8(english().toString(printedOn, u"d MMM yyyy"_s)));
    put(top, "dutyCount", number(roster.duties.size()));
    if (onlyDuty >= 0) {
        put(top, "duty", utf8(roster.duties[onlyDuty].name));
        put(top, "organization", utf8(roster.duties[onlyDuty].organization));
    }

    TemplateValues values{top, top};
    mustache::data duties(mustache::data::type::list);
    const int from = onlyDuty >= 0 ? onlyDuty : 0;
    const int to = onlyDuty >= 0 ? onlyDuty + 1 : int(roster.duties.size());
    for (int i = from; i < to; ++i) {
        const RosterDuty &duty = roster.duties[i];
        mustache::data d;
        put(d, "number", number(i + 1));
        put(d, "first", flag(i == from));
        put(d, "duty", utf8(duty.name));
        put(d, "organization", utf8(duty.organization));
        mustache::data columns(mustache::data::type::list);
        for (int c = 0; c < duty.columns.size(); ++c)
            append(columns, columnValues(duty.columns[c], c));
        mustache::data soldiers(mustache::data::type::list);
        for (int s = 0; s < duty.soldiers.size(); ++s)
            append(soldiers, soldierValues(duty.soldiers[s], s, duty, columns, rankNames));
        put(d, "columnCount", number(duty.columns.size()));
        put(d, "hasColumns", flag(!duty.columns.isEmpty()));
        put(d, "soldierCount", number(duty.soldiers.size()));
        put(d, "hasSoldiers", flag(!duty.soldiers.isEmpty()));
        put(d, "columns", std::move(columns));
        put(d, "soldiers", std::move(soldiers));
        append(duties, std::move(d));
    }
    put(values.page, "duties", std::move(duties));
    put(values.page, "hasDuties", flag(!roster.duties.isEmpty()));
    return values;
}

} // namespace calendrix
