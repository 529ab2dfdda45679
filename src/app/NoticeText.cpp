#include "app/NoticeText.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The one place a sentence is chosen by how many things it tells of; a
// translation will give each language its own plural forms here.
QString plural(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many;
}

// An export's calendars are all.ics and one per soldier: one sentence for
// each way the calendars, the soldiers and the cancelled assignments count.
QString wroteCalendars(const Notice &notice)
{
    const int soldiers = notice.values.value(1).toInt();
    const int cancelled = notice.values.value(2).toInt();
    if (cancelled == 0)
        return plural(notice.count, u"Wrote %n calendar into %1: all.ics and one for each of %2 soldiers."_s,
                      plural(soldiers,
                             u"Wrote %n calendars into %1: all.ics and one for each of %2 soldier."_s,
                             u"Wrote %n calendars into %1: all.ics and one for each of %2 soldiers."_s));
    return plural(
        cancelled,
        plural(
            notice.count,
            u"Wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 assignment that "
            "the roster no longer has as cancelled."_s,
            plural(soldiers,
                   u"Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignment "
                   "that the roster no longer has as cancelled."_s,
                   u"Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignment "
                   "that the roster no longer has as cancelled."_s)),
        plural(
            notice.count,
            u"Wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 assignments that "
            "the roster no longer has as cancelled."_s,
            plural(soldiers,
                   u"Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignments "
                   "that the roster no longer has as cancelled."_s,
                   u"Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 "
                   "assignments that the roster no longer has as cancelled."_s)));
}

// The sentence of a notice, with placeholders %1, %2... in the order of its
// values and %n for its count.
QString sentence(const Notice &notice)
{
    const int count = notice.count;
    switch (notice.code) {
    case NoticeCode::SettleFailed:
        return u"An earlier roster run or undo that did not finish could not be settled; nothing was changed.\n%1"_s;
    case NoticeCode::OutputIsUnitFile:
        return u"'%1' is one of the unit's own files; choose another name."_s;
    case NoticeCode::PdfIsDatafileOrUnitFile:
        return u"'%1' is the datafile or a file of the unit; choose another name for the PDF."_s;
    case NoticeCode::ExportIsUnitFile:
        return u"'%1' is a file of the unit; choose another name for the export."_s;
    case NoticeCode::ExportDraft:
        return u"The roster datafile '%1' is a draft: nothing in it was counted. Its calendar events and "
               "sheets say \"%2\"; the CSV has no place for it."_s;
    case NoticeCode::ExportLastDaysUnknown:
        return u"The roster datafile '%1' does not say on which day its periods end (it was made by an "
               "earlier version); each assignment is exported as one day."_s;
    case NoticeCode::ExportStopped:
        return u"The export was stopped; nothing was written."_s;
    case NoticeCode::ExportNeedsMemory:
        return u"Exporting '%1' needs more memory than there is."_s;
    case NoticeCode::ExportWroteCalendars:
        return wroteCalendars(notice);
    case NoticeCode::ExportWroteSpreadsheet:
        return plural(count, u"Wrote %1: Summary and %n duty sheet."_s,
                      u"Wrote %1: Summary and %n duty sheets."_s);
    case NoticeCode::ExportWroteCsv:
        return plural(count, u"Wrote %1: %n assignment."_s, u"Wrote %1: %n assignments."_s);
    case NoticeCode::UnitLocked:
    case NoticeCode::RunCommitReported:
        return u"%1"_s;
    case NoticeCode::RunNoTarget:
        return u"No name was given for the roster datafile."_s;
    case NoticeCode::RunOwnFile:
        return u"'%1' is one of the unit's own files; choose another name for the roster."_s;
    case NoticeCode::RunReplaceQuestion:
        return u"File already exists.  Do you want to replace %1?"_s;
    case NoticeCode::RunReplaceDeclined:
        return u"Sorry you have encountered error number %1"_s;
    case NoticeCode::RunSettleFailed:
        return u"An earlier roster run that did not finish could not be settled.\n%1"_s;
    case NoticeCode::RunFailed:
        return u"The roster could not be made; nothing was changed.\n%1"_s;
    case NoticeCode::RunNoCandidate:
        return u"No qualified soldier is available for %1 on %2"_s;
    case NoticeCode::RunNoCounterRow:
        return u"SoldierName='%1' could not add points for %2"_s;
    case NoticeCode::RunColumnLimit:
        return u"%1 is greater than the 36 columns"_s;
    case NoticeCode::RunHolidayLimit:
        return u"Number of Holidays exceeds 99 maximum"_s;
    case NoticeCode::RunNotInDatafile:
        return u"Could not locate %1 in output datafile"_s;
    case NoticeCode::RunFinished:
        return u"Finished"_s;
    case NoticeCode::RecordKeptAside:
        return u"'%1' names the files of a roster run or undo that did not finish and cannot be settled "
               "without the working database; it is kept as '%2'."_s;
    case NoticeCode::InitNeedsRepair:
        return u"%1 Run '%2': it sets it aside and makes the folder anew."_s;
    case NoticeCode::RunRecordNotAFile:
        return u"'%1' was %2, not a record of an unfinished roster run; it was set aside as '%3'."_s;
    case NoticeCode::UndoRecordNotAFile:
        return u"'%1' was %2, not a record of an unfinished undo; it was set aside as '%3'."_s;
    case NoticeCode::RunRecordUnreadable:
        return u"A record of an unfinished roster run, '%1', could not be read and was removed."_s;
    case NoticeCode::UndoRecordUnreadable:
        return u"A record of an unfinished undo, '%1', could not be read and was removed."_s;
    case NoticeCode::RunFileRestored:
        return u"The roster run that was replacing '%1' did not finish; the file is as it was before that "
               "run, and so are the counters."_s;
    case NoticeCode::RunFileKeptAside:
        return u"The roster run that was replacing '%1' did not finish; the counters are as they were "
               "before that run. The file it replaced is kept as '%2'."_s;
    case NoticeCode::RunFileRemoved:
        return u"The roster run that was making '%1' did not finish; the file was removed and the counters "
               "are as they were before that run."_s;
    case NoticeCode::UndoCompleted:
        return u"An undo that did not finish has been completed: the counters are as they were before the "
               "roster run it took back."_s;
    case NoticeCode::UndoCompletedWithLeftovers:
        return u"An undo that did not finish has been completed: the counters are as they were before the "
               "roster run it took back.\n%1"_s;
    case NoticeCode::UndoAbandoned:
        return u"An undo that did not finish was abandoned: the counters and the roster datafile are as they "
               "were before it."_s;
    }
    return {};
}

// Values that are paths are shown the way the clerk's system writes them.
QString shown(const QString &value)
{
    return value.startsWith(u'/') ? QDir::toNativeSeparators(value) : value;
}

} // namespace

QString NoticeText::text(const Notice &notice)
{
    // One pass, so that a value that itself holds "%2" stays as it is.
    const QString pattern = sentence(notice);
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == u'n' && notice.count >= 0) {
                text += QString::number(notice.count);
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            int index = 0;
            while (end < pattern.size() && end < i + 3 && pattern[end].isDigit())
                index = index * 10 + pattern[end++].digitValue();
            if (index >= 1 && index <= notice.values.size()) {
                text += shown(notice.values[index - 1]);
                i = end - 1;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

QString NoticeText::title(Notice::Kind kind)
{
    switch (kind) {
    case Notice::Kind::Information:
        return u"INFORMATION"_s;
    case Notice::Kind::Warning:
        return u"WARNING"_s;
    case Notice::Kind::Error:
        return u"ERROR"_s;
    case Notice::Kind::Plain:
        break;
    }
    return {};
}

} // namespace calendrix
