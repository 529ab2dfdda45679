#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace calendrix {

// One holiday of a calendar file: an all-day event, or one occurrence of a
// repeating one.
struct HolidayEntry {
    QString name; // the event's SUMMARY
    QDate from, to;
    int event = 0; // which event of the file, counted from 1, for a message about it
};

struct HolidayFile {
    QList<HolidayEntry> holidays; // in the order of the file's events
    int skippedTimed = 0;         // events with a time of day: appointments, not holidays
    int skippedPast = 0;          // events (or all occurrences of one) ended before today
};

// Reads the holidays of an iCalendar file that another program wrote.
class HolidayCalendar
{
public:
    // libical holds a calendar in some twenty times its size; a calendar of
    // holidays is small.
    static constexpr qint64 kMaxBytes = 8 * 1024 * 1024;
    // Occurrences of repeating events read in all, past ones included, so
    // that a rule repeating daily since long ago cannot hold the reading up.
    static constexpr int kMaxOccurrences = 100'000;

    // Repeating events are expanded for `years` years from today. Throws
    // StoreError when the file cannot be read, is too large, is not text or
    // holds no calendar, or its events repeat too often.
    static HolidayFile read(const QString &path, const QDate &today, int years = 2);
};

} // namespace calendrix
