#include "report/CalendarExport.h"

#include "report/ExportBatch.h"
#include "report/RosterData.h"
#include "store/Collation.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QSet>

#include <libical/ical.h>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

const QString kAssigned = u"/."_s;
constexpr qsizetype kMaxBaseBytes = 200; // file names end at 255 bytes, with room for " (N).ics"

// What the roster says, as bytes: the same datafile gives the same UIDs, a
// different roster different ones.
QByteArray rosterIdentity(const RosterData &data)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&hash](const QString &text) {
        hash.addData(text.toUtf8());
        hash.addData(QByteArrayView("\x1f", 1));
    };
    for (const RosterDuty &duty : data.duties) {
        add(duty.name);
        add(duty.organization);
        for (const RosterColumn &c : duty.columns)
            add(c.start.toString(Qt::ISODate) + c.end.toString(Qt::ISODate) + (c.holiday ? u'H' : u'N'));
        for (const RosterSoldier &s : duty.soldiers) {
            add(s.rank);
            add(s.name);
            add(s.cells.join(u'\x1e'));
        }
    }
    return hash.result();
}

// iCalendar text may hold no control characters but the line break, which
// libical writes as "\n".
QByteArray icalText(const QString &text)
{
    QString t = text;
    t.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    for (QChar &c : t)
        if (c != u'\n' && c != u'\t' && c.category() == QChar::Other_Control)
            c = u' ';
    return t.toUtf8();
}

icaltimetype icalDate(const QDate &d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year();
    t.month = d.month();
    t.day = d.day();
    t.is_date = 1;
    return t;
}

struct CalendarDeleter {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Calendar = std::unique_ptr<icalcomponent, CalendarDeleter>;

Calendar newCalendar()
{
    Calendar cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(),
                               icalproperty_new_prodid("-//Calendrix//Calendrix " CALENDRIX_VERSION "//EN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    return cal;
}

QByteArray calendarText(icalcomponent *cal)
{
    char *text = icalcomponent_as_ical_string_r(cal);
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace

QString CalendarExport::safeBaseName(const QString &name)
{
    QString safe;
    for (const QChar c : name.trimmed()) {
        // Also what other systems refuse, so that the folder can be copied anywhere.
        const bool refused = c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c);
        safe += refused ? u'_' : c;
    }
    if (safe.startsWith(u'.'))
        safe[0] = u'_';
    while (safe.toUtf8().size() > kMaxBaseBytes) {
        safe.chop(1);
        if (!safe.isEmpty() && safe.back().isHighSurrogate())
            safe.chop(1);
    }
    return safe.isEmpty() ? u"_"_s : safe;
}

CalendarExport::CalendarExport(const RosterData &data) : m_draft(data.draft)
{
    const QByteArray identity = rosterIdentity(data);
    QHash<QByteArray, int> seen;
    QSet<QString> soldiers;
    for (const RosterDuty &duty : data.duties) {
        for (int c = 0; c < duty.columns.size(); ++c) {
            for (const RosterSoldier &soldier : duty.soldiers) {
                if (soldier.cells.value(c) != kAssigned)
                    continue;
                QCryptographicHash hash(QCryptographicHash::Sha256);
                hash.addData(identity);
                const QByteArray key =
                    duty.name.toUtf8() + '\x1f' + QByteArray::number(c) + '\x1f' + soldier.name.toUtf8();
                hash.addData(key);
                // The same name twice in one column still makes two events.
                hash.addData(QByteArray::number(seen[key]++));
                m_events.append({&duty, c, &soldier, hash.result().toHex().left(32) + "@calendrix"});
                soldiers.insert(soldier.name);
            }
        }
    }

    // Files are named in name order, so that two names that differ only in
    // refused characters get the same numbers each time.
    m_soldiers = soldiers.values();
    std::sort(m_soldiers.begin(), m_soldiers.end(), [](const QString &a, const QString &b) {
        const int byKey = Collation::key(a).compare(Collation::key(b));
        return byKey != 0 ? byKey < 0 : a < b;
    });
    // Compared without case, for the file systems that do not tell case apart.
    QSet<QString> taken{QString::fromUtf16(kAllFile).toCaseFolded()};
    for (const QString &soldier : std::as_const(m_soldiers)) {
        const QString base = safeBaseName(soldier);
        QString file = base + u".ics"_s;
        for (int n = 2; taken.contains(file.toCaseFolded()); ++n)
            file = u"%1 (%2).ics"_s.arg(base).arg(n);
        taken.insert(file.toCaseFolded());
        m_fileOf.insert(soldier, file);
    }
}

QStringList CalendarExport::fileNames() const
{
    QStringList names{QString::fromUtf16(kAllFile)};
    for (const QString &soldier : m_soldiers)
        names.append(m_fileOf.value(soldier));
    return names;
}

void CalendarExport::write(const QString &folder, ExportBatch &batch) const
{
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(QDateTime::currentSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    Calendar all = newCalendar();
    QHash<QString, icalcomponent *> own;
    std::vector<Calendar> owned;
    for (const QString &soldier : m_soldiers) {
        owned.push_back(newCalendar());
        own.insert(soldier, owned.back().get());
    }

    for (const Event &e : m_events) {
        const RosterColumn &column = e.duty->columns[e.column];
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(e.uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_dtstart(icalDate(column.start)));
        // All-day events end on the day after their last one.
        icalcomponent_add_property(event, icalproperty_new_dtend(icalDate(column.lastDay().addDays(1))));
        const QString summary = m_draft ? e.duty->name + u" ("_s + draftNotice() + u')' : e.duty->name;
        icalcomponent_add_property(event, icalproperty_new_summary(icalText(summary).constData()));
        const QString who = (rankName(e.soldier->rank) + u' ' + e.soldier->name).trimmed();
        icalcomponent_add_property(
            event, icalproperty_new_description(
                       icalText(e.duty->organization.isEmpty() ? who : e.duty->organization + u'\n' + who)
                           .constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(own.value(e.soldier->name), icalcomponent_new_clone(event));
        icalcomponent_add_component(all.get(), event);
    }

    const QDir dir(folder);
    batch.add(dir.filePath(QString::fromUtf16(kAllFile)), calendarText(all.get()));
    batch.step();
    for (const QString &soldier : m_soldiers) {
        batch.add(dir.filePath(m_fileOf.value(soldier)), calendarText(own.value(soldier)));
        batch.step();
    }
}

} // namespace calendrix
