#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace calendrix {

class ExportBatch;
struct RosterData;

// A roster as iCalendar files for phones and calendar programs: in one
// folder, all.ics with every assignment and one file per soldier who stands
// a duty. An assignment's UID depends only on what makes it that assignment,
// so a remade roster updates the events that stayed instead of doubling
// them. The folder keeps a list of what it holds: an assignment that a
// remade roster no longer has is published as cancelled, in all.ics and in
// the calendar of the soldier who lost it.
class CalendarExport
{
public:
    static constexpr const char16_t *kAllFile = u"all.ics";
    static constexpr const char16_t *kManifestFile = u".calendrix-calendars.json";

    // folder: where the calendars go; the list of an earlier export there,
    // if any, is read.
    CalendarExport(const RosterData &data, const QString &folder);

    // The files the folder gets: all.ics first, then the soldiers' in the
    // order of their names, and the folder's list last.
    QStringList fileNames() const;
    int calendarCount() const { return int(m_soldiers.size()) + 1; }
    int cancelledCount() const;
    // Steps of write(), one per file.
    int steps() const { return calendarCount() + 1; }
    void write(const QString &folder, ExportBatch &batch) const;

    // A file name of the soldier's own, before it is made unique: no path
    // separators, no control characters, not hidden, never "." or "..".
    static QString safeBaseName(const QString &name);

private:
    // One event as the calendars show it; also what the folder's list keeps.
    struct Event {
        QByteArray uid;
        QString soldier;       // as the datafile names him
        QString who;           // rank and name, as shown
        QDate first, dayAfter; // all-day events end on the day after their last
        QString summary;       // in the soldier's own calendar
        QString allSummary;    // in all.ics, where the soldier must be named
        QString description;
        bool draft = false;
        bool cancelled = false;
        int sequence = 0;
        QDateTime modified;

        bool sameAs(const Event &other) const;
    };
    void readEarlier(const QString &folder, QHash<QByteArray, Event> &events);
    QByteArray manifest() const;

    QList<Event> m_events;            // the roster's, then those it no longer has
    QStringList m_soldiers;           // those with an event, in file order
    QHash<QString, QString> m_fileOf; // soldier's name -> file name, of this and earlier exports
    QString m_title;                  // the name of all.ics in calendar programs
};

} // namespace calendrix
