#include "store/HolidayCalendar.h"

#include "store/ForeignText.h"
#include "store/StoreError.h"

#include <libical/ical.h>

#include <map>
#include <memory>
#include <set>

namespace calendrix {

namespace {

struct FreeComponent {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
struct FreeIterator {
    void operator()(icalrecur_iterator *i) const { icalrecur_iterator_free(i); }
};

QDate dateOf(const icaltimetype &t)
{
    return icaltime_is_null_time(t) ? QDate() : QDate(t.year, t.month, t.day);
}

// How many days after its first the event's last day is: DTEND is the day
// after the last; a DURATION counts from the start; neither makes one day.
qint64 lastDayOffset(icalcomponent *event, const QDate &from)
{
    if (icalproperty *end = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        const QDate day = dateOf(icalproperty_get_dtend(end));
        return day.isValid() ? std::max<qint64>(0, from.daysTo(day) - 1) : 0;
    }
    if (icalproperty *duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype d = icalproperty_get_duration(duration);
        const qint64 days = qint64(d.weeks) * 7 + d.days;
        return d.is_neg ? 0 : std::max<qint64>(0, days - 1);
    }
    return 0;
}

QString uidOf(icalcomponent *event)
{
    const char *uid = icalcomponent_get_uid(event);
    return QString::fromUtf8(uid ? uid : "");
}

class Reading
{
public:
    Reading(QString path, QDate today, int years)
        : m_path(std::move(path)), m_today(today), m_until(today.addYears(std::max(years, 0)))
    {}

    // An occurrence of a repeating event that was moved or cancelled is an
    // event of its own (same UID, RECURRENCE-ID its first day): the
    // repetition leaves that day out.
    void noteMoved(icalcomponent *event)
    {
        if (icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) && !uidOf(event).isEmpty())
            m_leftOut[uidOf(event)].insert(dateOf(icalcomponent_get_recurrenceid(event)));
    }

    void readEvent(icalcomponent *event, int index)
    {
        if (icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED)
            return;
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const QDate from = dateOf(start);
        if (!from.isValid())
            return; // no start: nothing to put in the holidays
        if (!start.is_date) {
            ++m_file.skippedTimed;
            return;
        }
        const qint64 last = lastDayOffset(event, from);
        const char *summary = icalcomponent_get_summary(event);
        const QString name = QString::fromUtf8(summary ? summary : "").trimmed();
        icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        if (!rule || icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
            take(name, from, from.addDays(last), index);
            return;
        }
        std::set<QDate> own; // an event without a UID shares its days with none
        const QString uid = uidOf(event);
        std::set<QDate> &leftOut = uid.isEmpty() ? own : m_leftOut[uid];
        for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY))
            leftOut.insert(dateOf(icalproperty_get_exdate(p)));
        const int before = int(m_file.holidays.size());
        std::unique_ptr<icalrecur_iterator, FreeIterator> it(
            icalrecur_iterator_new(icalproperty_get_rrule(rule), start));
        bool past = false;
        for (icaltimetype t = it ? icalrecur_iterator_next(it.get()) : icaltime_null_time();
             !icaltime_is_null_time(t); t = icalrecur_iterator_next(it.get())) {
            if (++m_occurrences > HolidayCalendar::kMaxOccurrences)
                throw StoreError(StoreErrorCode::General, NoticeCode::CalendarTooManyRepeats,
                                 {m_path, QString::number(HolidayCalendar::kMaxOccurrences)}, m_path);
            const QDate day = dateOf(t);
            if (!day.isValid() || day >= m_until)
                break;
            if (leftOut.count(day))
                continue;
            if (day.addDays(last) < m_today)
                past = true;
            else
                m_file.holidays.append({name, day, day.addDays(last), index});
        }
        if (past && m_file.holidays.size() == before)
            ++m_file.skippedPast;
    }

    HolidayFile take() { return std::move(m_file); }

private:
    void take(const QString &name, const QDate &from, const QDate &to, int index)
    {
        if (to < m_today)
            ++m_file.skippedPast;
        else
            m_file.holidays.append({name, from, to, index});
    }

    QString m_path;
    QDate m_today, m_until;
    qint64 m_occurrences = 0;
    std::map<QString, std::set<QDate>> m_leftOut; // by UID
    HolidayFile m_file;
};

} // namespace

HolidayFile HolidayCalendar::read(const QString &path, const QDate &today, int years)
{
    const QByteArray text = ForeignText::read(path, kMaxBytes);
    std::unique_ptr<icalcomponent, FreeComponent> root(icalparser_parse_string(text.constData()));
    // Several calendars in one file come inside a root of libical's own.
    std::vector<icalcomponent *> calendars;
    const icalcomponent_kind kind = root ? icalcomponent_isa(root.get()) : ICAL_NO_COMPONENT;
    if (kind == ICAL_VCALENDAR_COMPONENT)
        calendars.push_back(root.get());
    else if (kind == ICAL_XROOT_COMPONENT)
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    if (calendars.empty())
        throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::CalendarNotCalendar, {path}, path);

    Reading reading(path, today, years);
    for (icalcomponent *calendar : calendars)
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            reading.noteMoved(event);
    int index = 0;
    for (icalcomponent *calendar : calendars)
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
            reading.readEvent(event, ++index);
    return reading.take();
}

} // namespace calendrix
