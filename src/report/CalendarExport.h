#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace calendrix {

class ExportBatch;
struct RosterData;
struct RosterDuty;
struct RosterSoldier;

// A roster as iCalendar files for phones and calendar programs: in one
// folder, all.ics with every assignment and one file per soldier who stands
// a duty. Each assignment is an all-day event whose UID stays the same when
// the same roster is exported again, so a calendar that imports it twice
// updates the event instead of doubling it.
class CalendarExport
{
public:
    static constexpr const char16_t *kAllFile = u"all.ics";

    explicit CalendarExport(const RosterData &data);

    // The files the folder gets: all.ics first, then the soldiers' in the
    // order of their names.
    QStringList fileNames() const;
    // Steps of write(), one per file.
    int steps() const { return int(m_soldiers.size()) + 1; }
    void write(const QString &folder, ExportBatch &batch) const;

    // A file name of the soldier's own, before it is made unique: no path
    // separators, no control characters, not hidden, never "." or "..".
    static QString safeBaseName(const QString &name);

private:
    struct Event {
        const RosterDuty *duty;
        int column;
        const RosterSoldier *soldier;
        QByteArray uid;
    };
    QList<Event> m_events;
    QStringList m_soldiers;           // those who stand a duty, in file order
    QHash<QString, QString> m_fileOf; // soldier's name -> file name
    bool m_draft = false;             // every event says that it was not counted
};

} // namespace calendrix
