#include "report/TemplateValues.h"

#include "report/RosterData.h"

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

QString printedDate(const QDate &date)
{
    // A roster is read by the whole unit, not only by the clerk whose machine
    // printed it, so the month names do not follow the machine's language.
    static const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    return english.toString(date, u"d MMM yyyy"_s);
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

void TemplateValues::setPage(int page, int pages)
{
    values.set("page", std::to_string(page));
    values.set("pages", std::to_string(pages));
}

} // namespace calendrix
