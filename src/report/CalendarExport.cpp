#include "report/CalendarExport.h"

#include "report/ExportBatch.h"
#include "report/RosterData.h"
#include "store/Collation.h"
#include "store/RankList.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <libical/ical.h>

#include <algorithm>
#include <memory>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

const QString kAssigned = u"/."_s;
constexpr qsizetype kMaxBaseBytes = 200; // file names end at 255 bytes, with room for " (N).ics"

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

icaltimetype icalUtc(const QDateTime &t)
{
    return icaltime_from_timet_with_zone(t.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
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

Calendar newCalendar(const QString &name)
{
    Calendar cal(icalcomponent_new_vcalendar());
    icalcomponent_add_property(cal.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(cal.get(),
                               icalproperty_new_prodid("-//Calendrix//Calendrix " CALENDRIX_VERSION "//EN"));
    icalcomponent_add_property(cal.get(), icalproperty_new_calscale("GREGORIAN"));
    // NAME is the standard's, X-WR-CALNAME what most calendar programs read.
    const QByteArray text = icalText(QString(name).replace(u'\n', u' '));
    icalcomponent_add_property(cal.get(), icalproperty_new_name(text.constData()));
    icalproperty *calName = icalproperty_new_x(text.constData());
    icalproperty_set_x_name(calName, "X-WR-CALNAME");
    icalcomponent_add_property(cal.get(), calName);
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

bool CalendarExport::Event::sameAs(const Event &other) const
{
    return first == other.first && dayAfter == other.dayAfter && summary == other.summary &&
           allSummary == other.allSummary && description == other.description && draft == other.draft &&
           cancelled == other.cancelled;
}

CalendarExport::CalendarExport(const RosterData &data, const QString &folder) : m_title(data.title())
{
    const QDateTime now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
    QHash<QByteArray, Event> earlier;
    readEarlier(folder, earlier);

    QHash<QByteArray, int> seen;
    QDate rosterFirst, rosterLast;
    for (const RosterDuty &duty : data.duties) {
        for (const RosterColumn &column : duty.columns) {
            if (column.start.isValid()) {
                rosterFirst = rosterFirst.isValid() ? std::min(rosterFirst, column.start) : column.start;
                rosterLast = rosterLast.isValid() ? std::max(rosterLast, column.lastDay()) : column.lastDay();
            }
        }
        for (int c = 0; c < duty.columns.size(); ++c) {
            const RosterColumn &column = duty.columns[c];
            for (const RosterSoldier &soldier : duty.soldiers) {
                if (soldier.cells.value(c) != kAssigned)
                    continue;
                // The unit is known by the organization its duties carry: the
                // datafile names it no other way, and a folder's path is
                // another on the next machine. Nothing that a remake changes
                // without changing the assignment itself goes in.
                const QByteArray key = duty.organization.toUtf8() + '\x1f' + duty.name.toUtf8() + '\x1f' +
                                       column.start.toString(Qt::ISODate).toUtf8() + '\x1f' +
                                       soldier.name.toUtf8();
                // The same name twice in one period still makes two events.
                const QByteArray uid =
                    QCryptographicHash::hash(key + '\x1f' + QByteArray::number(seen[key]++),
                                             QCryptographicHash::Sha256)
                        .toHex()
                        .left(32) +
                    "@calendrix";
                Event e;
                e.uid = uid;
                e.soldier = soldier.name;
                e.who = (rankAbbreviation(soldier.rank) + u' ' + soldier.name).trimmed();
                e.first = column.start;
                e.dayAfter = column.lastDay().addDays(1);
                e.draft = data.draft;
                const QString who = QString(e.who).replace(u'\n', u' ');
                if (data.draft) {
                    e.summary = QCoreApplication::translate("CalendarExport", "%1 (%2)",
                                                            "A duty, then the draft notice")
                                    .arg(duty.name, draftNotice());
                    e.allSummary = QCoreApplication::translate("CalendarExport", "%1 \u2014 %2 (%3)",
                                                               "A duty, who stands it, the draft notice")
                                       .arg(duty.name, who, draftNotice());
                } else {
                    e.summary = duty.name;
                    e.allSummary = QCoreApplication::translate("CalendarExport", "%1 \u2014 %2",
                                                               "A duty, then who stands it")
                                       .arg(duty.name, who);
                }
                e.description = duty.organization.isEmpty() ? e.who : duty.organization + u'\n' + e.who;
                const auto before = earlier.constFind(uid);
                if (before == earlier.cend()) {
                    e.modified = now;
                } else if (before->sameAs(e)) {
                    e.sequence = before->sequence;
                    e.modified = before->modified;
                } else {
                    e.sequence = before->sequence + 1;
                    e.modified = now;
                }
                earlier.remove(uid);
                m_events.append(e);
            }
        }
    }

    // What an earlier export of the same days holds and this roster does not
    // is gone; an earlier export of other days is another roster, left alone.
    QList<Event> gone;
    for (Event &e : earlier) {
        if (!rosterFirst.isValid() || e.first < rosterFirst || e.first > rosterLast)
            continue;
        if (!e.cancelled) {
            e.cancelled = true;
            ++e.sequence;
            e.modified = now;
        }
        gone.append(e);
    }
    std::sort(gone.begin(), gone.end(), [](const Event &a, const Event &b) {
        return std::tie(a.first, a.summary, a.uid) < std::tie(b.first, b.summary, b.uid);
    });
    m_events += gone;

    QSet<QString> soldiers;
    for (const Event &e : std::as_const(m_events))
        soldiers.insert(e.soldier);
    // Files are named in name order, so that two names that differ only in
    // refused characters get the same numbers each time.
    m_soldiers = soldiers.values();
    std::sort(m_soldiers.begin(), m_soldiers.end(), [](const QString &a, const QString &b) {
        const int byKey = Collation::key(a).compare(Collation::key(b));
        return byKey != 0 ? byKey < 0 : a < b;
    });
    // A soldier keeps the file an earlier export gave him, so that his
    // cancelled duties reach the calendar that holds them. Compared without
    // case, for the file systems that do not tell case apart.
    QSet<QString> taken{QString::fromUtf16(kAllFile).toCaseFolded(),
                        QString::fromUtf16(kManifestFile).toCaseFolded()};
    for (auto it = m_fileOf.begin(); it != m_fileOf.end();) {
        if (taken.contains(it->toCaseFolded())) {
            it = m_fileOf.erase(it);
        } else {
            taken.insert(it->toCaseFolded());
            ++it;
        }
    }
    for (const QString &soldier : std::as_const(m_soldiers)) {
        if (m_fileOf.contains(soldier))
            continue;
        const QString base = safeBaseName(soldier);
        QString file = base + u".ics"_s;
        for (int n = 2; taken.contains(file.toCaseFolded()); ++n)
            file = u"%1 (%2).ics"_s.arg(base).arg(n);
        taken.insert(file.toCaseFolded());
        m_fileOf.insert(soldier, file);
    }
}

// A list that cannot be read, or was written by a later version, is taken
// as none: the folder then gets its list anew, as on a first export.
void CalendarExport::readEarlier(const QString &folder, QHash<QByteArray, Event> &events)
{
    if (folder.isEmpty())
        return;
    QFile file(QDir(folder).filePath(QString::fromUtf16(kManifestFile)));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QJsonObject list = QJsonDocument::fromJson(file.readAll()).object();
    if (list.value(u"format"_s).toInt() != 1)
        return;
    const QJsonObject files = list.value(u"files"_s).toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString name = it.value().toString();
        // Only a name that export itself would give, never a path elsewhere.
        if (name.endsWith(u".ics"_s) && !name.contains(u'/') && !name.contains(u'\\') &&
            !name.startsWith(u'.'))
            m_fileOf.insert(it.key(), name);
    }
    for (const QJsonValue &v : list.value(u"events"_s).toArray()) {
        const QJsonObject o = v.toObject();
        Event e;
        e.uid = o.value(u"uid"_s).toString().toUtf8();
        e.soldier = o.value(u"soldier"_s).toString();
        e.who = o.value(u"who"_s).toString();
        e.first = QDate::fromString(o.value(u"first"_s).toString(), Qt::ISODate);
        e.dayAfter = QDate::fromString(o.value(u"dayAfter"_s).toString(), Qt::ISODate);
        e.summary = o.value(u"summary"_s).toString();
        e.allSummary = o.value(u"allSummary"_s).toString();
        e.description = o.value(u"description"_s).toString();
        e.draft = o.value(u"draft"_s).toBool();
        e.cancelled = o.value(u"cancelled"_s).toBool();
        e.sequence = o.value(u"sequence"_s).toInt();
        e.modified = QDateTime::fromString(o.value(u"modified"_s).toString(), Qt::ISODate);
        if (e.uid.isEmpty() || !e.first.isValid() || !e.dayAfter.isValid() || !e.modified.isValid())
            continue;
        events.insert(e.uid, e);
    }
}

QByteArray CalendarExport::manifest() const
{
    QJsonObject files;
    for (auto it = m_fileOf.begin(); it != m_fileOf.end(); ++it)
        files.insert(it.key(), it.value());
    QJsonArray events;
    for (const Event &e : m_events)
        events.append(QJsonObject{{u"uid"_s, QString::fromUtf8(e.uid)},
                                  {u"soldier"_s, e.soldier},
                                  {u"who"_s, e.who},
                                  {u"first"_s, e.first.toString(Qt::ISODate)},
                                  {u"dayAfter"_s, e.dayAfter.toString(Qt::ISODate)},
                                  {u"summary"_s, e.summary},
                                  {u"allSummary"_s, e.allSummary},
                                  {u"description"_s, e.description},
                                  {u"draft"_s, e.draft},
                                  {u"cancelled"_s, e.cancelled},
                                  {u"sequence"_s, e.sequence},
                                  {u"modified"_s, e.modified.toString(Qt::ISODate)}});
    return QJsonDocument(QJsonObject{{u"format"_s, 1}, {u"files"_s, files}, {u"events"_s, events}})
        .toJson(QJsonDocument::Compact);
}

int CalendarExport::cancelledCount() const
{
    return int(std::count_if(m_events.begin(), m_events.end(), [](const Event &e) { return e.cancelled; }));
}

QStringList CalendarExport::fileNames() const
{
    QStringList names{QString::fromUtf16(kAllFile)};
    for (const QString &soldier : m_soldiers)
        names.append(m_fileOf.value(soldier));
    names.append(QString::fromUtf16(kManifestFile));
    return names;
}

void CalendarExport::write(const QString &folder, ExportBatch &batch) const
{
    const icaltimetype stamp = icalUtc(QDateTime::currentDateTimeUtc());
    Calendar all = newCalendar(m_title);
    QHash<QString, icalcomponent *> own;
    std::vector<Calendar> owned;
    QHash<QString, QString> whoOf;
    for (const Event &e : m_events)
        whoOf.insert(e.soldier, e.who);
    for (const QString &soldier : m_soldiers) {
        owned.push_back(newCalendar(
            QCoreApplication::translate("CalendarExport", "Duties of %1", "A soldier's rank and name")
                .arg(whoOf.value(soldier))));
        own.insert(soldier, owned.back().get());
    }

    for (const Event &e : m_events) {
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(e.uid.constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, icalproperty_new_lastmodified(icalUtc(e.modified)));
        icalcomponent_add_property(event, icalproperty_new_sequence(e.sequence));
        icalcomponent_add_property(event, icalproperty_new_dtstart(icalDate(e.first)));
        icalcomponent_add_property(event, icalproperty_new_dtend(icalDate(e.dayAfter)));
        icalcomponent_add_property(event, icalproperty_new_description(icalText(e.description).constData()));
        icalcomponent_add_property(event, icalproperty_new_status(e.cancelled ? ICAL_STATUS_CANCELLED
                                                                  : e.draft   ? ICAL_STATUS_TENTATIVE
                                                                              : ICAL_STATUS_CONFIRMED));
        // A soldier on a 24-hour duty is not free for anything else that day.
        icalcomponent_add_property(
            event, icalproperty_new_transp(e.cancelled ? ICAL_TRANSP_TRANSPARENT : ICAL_TRANSP_OPAQUE));
        icalcomponent *ownEvent = icalcomponent_new_clone(event);
        icalcomponent_add_property(ownEvent, icalproperty_new_summary(icalText(e.summary).constData()));
        icalcomponent_add_component(own.value(e.soldier), ownEvent);
        icalcomponent_add_property(event, icalproperty_new_summary(icalText(e.allSummary).constData()));
        icalcomponent_add_component(all.get(), event);
    }

    const QDir dir(folder);
    batch.add(dir.filePath(QString::fromUtf16(kAllFile)), calendarText(all.get()));
    batch.step();
    for (const QString &soldier : m_soldiers) {
        batch.add(dir.filePath(m_fileOf.value(soldier)), calendarText(own.value(soldier)));
        batch.step();
    }
    // Last, so that the list never tells of calendars that are not in place.
    batch.add(dir.filePath(QString::fromUtf16(kManifestFile)), manifest());
    batch.step();
}

} // namespace calendrix
