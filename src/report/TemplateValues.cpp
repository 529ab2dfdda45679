#include "report/TemplateValues.h"

#include "report/RosterData.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;
namespace mustache = kainjow::mustache;

namespace calendrix {

namespace {

std::string utf8(const QString &text)
{
    return text.toStdString();
}

} // namespace

QString printedDateFormat()
{
    // The month names are those of the language the program speaks (the
    // clerk's choice, not the machine's); the order of day, month and year is
    // the translator's, as the army of that language writes a date.
    return QCoreApplication::translate("Report", "d MMM yyyy",
                                       "How a date is printed on the reports: a QDate format, e.g. "
                                       "d. MMM yyyy. MMM is the short month name of the language.");
}

QString printedDate(const QDate &date, const QString &format)
{
    return QLocale().toString(date, format);
}

TemplateValues TemplateValues::forDuty(const RosterData &roster, int duty, const QString &path,
                                       const QDate &printedOn)
{
    mustache::data v;
    v.set("file", utf8(QFileInfo(path).fileName()));
    v.set("path", utf8(path));
    v.set("printed", utf8(printedDate(printedOn)));
    v.set("dutyCount", std::to_string(roster.duties.size()));
    if (duty >= 0) {
        const RosterDuty &d = roster.duties[duty];
        v.set("duty", utf8(d.name));
        v.set("organization", utf8(d.organization));
        v.set("soldierCount", std::to_string(d.soldiers.size()));
        v.set("columnCount", std::to_string(d.columns.size()));
        v.set("changedPeriods", std::to_string(d.changedPeriods()));
        if (!d.columns.isEmpty()) {
            const QDate from = d.columns.constFirst().start;
            const RosterColumn &last = d.columns.constLast();
            // The last period's own end is known only where the datafile keeps it.
            const QDate to = last.end.isValid() ? last.end : last.start;
            v.set("from", utf8(printedDate(from)));
            v.set("to", utf8(printedDate(to)));
            v.set("dateRange",
                  utf8(from == to ? printedDate(from) : printedDate(from) + u" \u2013 "_s + printedDate(to)));
        }
    }
    return TemplateValues{v};
}

TemplateValues TemplateValues::withChange(const RosterDuty &duty, const RosterCellChange &change) const
{
    TemplateValues v = *this;
    // Recorded to the second; the minute is what a clerk looks for.
    const QDateTime made = QDateTime::fromString(change.made, Qt::ISODate);
    v.values.set("made", utf8(made.isValid() ? printedDate(made.date()) + u' ' + made.toString(u"HH:mm"_s)
                                             : change.made));
    const RosterColumn &column = duty.columns[change.column];
    v.values.set("period", utf8(column.lastDay() == column.start ? printedDate(column.start)
                                                                 : printedDate(column.start) + u" \u2013 "_s +
                                                                       printedDate(column.lastDay())));
    v.values.set("off", utf8(change.soldierOff));
    v.values.set("on", utf8(change.soldierOn));
    if (!change.reason.isEmpty())
        v.values.set("reason", utf8(change.reason));
    v.values.set(change.swap ? "swap" : "replace", mustache::data(true));
    return v;
}

void TemplateValues::setPage(int page, int pages)
{
    values.set("page", std::to_string(page));
    values.set("pages", std::to_string(pages));
}

} // namespace calendrix
