#include "app/NoticeText.h"

#include "store/Error.h"
#include "store/StoreError.h"

#include <QDir>
#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// An export's calendars are all.ics and one per soldier: one sentence for
// each way the calendars, the soldiers and the cancelled assignments count.
QString wroteCalendars(const Notice &notice)
{
    const int soldiers = notice.values.value(1).toInt();
    const int cancelled = notice.values.value(2).toInt();
    if (cancelled == 0)
        return NoticeText::plural(
            notice.count, u"Wrote %n calendar into %1: all.ics and one for each of %2 soldiers."_s,
            NoticeText::plural(soldiers,
                               u"Wrote %n calendars into %1: all.ics and one for each of %2 soldier."_s,
                               u"Wrote %n calendars into %1: all.ics and one for each of %2 soldiers."_s));
    return NoticeText::plural(
        cancelled,
        NoticeText::plural(
            notice.count,
            u"Wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 assignment that "
            "the roster no longer has as cancelled."_s,
            NoticeText::plural(
                soldiers,
                u"Wrote %n calendars into %1: all.ics and one for each of %2 soldier, with %3 assignment "
                "that the roster no longer has as cancelled."_s,
                u"Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, with %3 assignment "
                "that the roster no longer has as cancelled."_s)),
        NoticeText::plural(
            notice.count,
            u"Wrote %n calendar into %1: all.ics and one for each of %2 soldiers, with %3 assignments that "
            "the roster no longer has as cancelled."_s,
            NoticeText::plural(
                soldiers,
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

    case NoticeCode::DatabaseFailed:
        return u"%1 ('%2')"_s;
    case NoticeCode::DatabaseFailedDoing:
        return u"%3: %1 ('%2')"_s;
    case NoticeCode::CannotOpenDatabase:
        return u"Cannot open: %1 ('%2')"_s;
    case NoticeCode::CannotCheckDatabase:
        return u"Cannot check: %1 ('%2')"_s;
    case NoticeCode::CannotCreateDatabase:
        return u"Cannot create: %1 ('%2')"_s;
    case NoticeCode::CannotReadTableLayout:
        return u"reading the layout of %3: %1 ('%2')"_s;
    case NoticeCode::CannotReadHeaderTable:
        return u"reading the table header: %1 ('%2')"_s;
    case NoticeCode::CannotAddTable:
        return u"Cannot add the table %3: %1 ('%2')"_s;
    case NoticeCode::CannotStartWriting:
        return u"Cannot start writing: %1 ('%2')"_s;
    case NoticeCode::CannotSaveChanges:
        return u"Cannot save the changes: %1 ('%2')"_s;
    case NoticeCode::CannotPrepareStatement:
        return u"Cannot prepare a statement: %1 ('%2')"_s;
    case NoticeCode::CannotWriteTable:
        return u"Cannot write to %3: %1 ('%2')"_s;
    case NoticeCode::CannotReadTable:
        return u"Cannot read %3: %1 ('%2')"_s;
    case NoticeCode::CannotAddRow:
        return u"Cannot add a row to %3: %1 ('%2')"_s;
    case NoticeCode::CannotSaveRow:
        return u"Cannot save a row of %3: %1 ('%2')"_s;
    case NoticeCode::CannotDeleteRow:
        return u"Cannot delete a row of %3: %1 ('%2')"_s;
    case NoticeCode::CannotCopyDatabase:
        return u"Cannot copy '%3' into the folder '%4': %1"_s;

    case NoticeCode::FileIsDanglingLink:
        return u"'%1' is a link to a file that does not exist, not a Calendrix %2."_s;
    case NoticeCode::FileIsEmpty:
        return u"'%1' is an empty file, not a Calendrix %2."_s;
    case NoticeCode::FileIsNotDatabase:
        return u"'%1' is not a database file, not a Calendrix %2."_s;
    case NoticeCode::FileIsOtherKind:
        return u"'%1' is a Calendrix %2, not a Calendrix %3."_s;
    case NoticeCode::FileIsForeignDatabase:
        return u"'%1' is another program's database, not a Calendrix %2."_s;
    case NoticeCode::FileIsNoFile:
        return u"'%1' is %2, not a Calendrix %3."_s;
    case NoticeCode::FileFromNewerVersion:
        return u"'%1' was made by a newer version of Calendrix."_s;
    case NoticeCode::TableMissing:
        return u"The table %1 is missing from '%2'."_s;
    case NoticeCode::TableLayoutDamaged:
        return u"'%1' is damaged: its table %2 does not have the layout of a %3."_s;
    case NoticeCode::HeaderRowMissing:
        return u"'%1' is damaged: its table header has no row."_s;
    case NoticeCode::FileDamaged:
        return u"The %1 '%2' is damaged (%3)."_s;
    case NoticeCode::FileDamagedCannotCopy:
        return u"The %1 '%2' is damaged and cannot be copied (%3)."_s;
    case NoticeCode::DatabaseFileNotFound:
        return u"The %1 '%2' does not exist."_s;
    case NoticeCode::DatabaseFileUnreadable:
        return u"The %1 '%2' cannot be read: %3"_s;
    case NoticeCode::DatabaseFileNoPermission:
        return u"The %1 '%2' cannot be read (no permission)."_s;
    case NoticeCode::CannotReadFileHeader:
        return u"Cannot read the header of '%1'."_s;
    case NoticeCode::CannotWriteToDisk:
        return u"Cannot write '%1' to the disk."_s;
    case NoticeCode::NoDatabaseOpen:
        return u"No database is open."_s;
    case NoticeCode::TransactionAlreadyOpen:
        return u"A transaction is already open."_s;

    case NoticeCode::TableNotInFile:
        return u"The table '%1' is not part of a %2 ('%3')."_s;
    case NoticeCode::TableNotInKind:
        return u"The table '%1' is not part of a %2."_s;
    case NoticeCode::RecordSourceNotOpen:
        return u"Cannot open '%1': its database is not open."_s;
    case NoticeCode::AppendTableNotOpen:
        return u"Cannot write to '%1': its database is not open."_s;
    case NoticeCode::NotSqliteConnection:
        return u"The database connection is not SQLite."_s;
    case NoticeCode::RecordSetNotOpen:
        return u"The record set is not open."_s;
    case NoticeCode::NoCurrentRecord:
        return u"No current record."_s;
    case NoticeCode::RecordDeleted:
        return u"The record is deleted."_s;
    case NoticeCode::RecordDeletedByOther:
        return u"The record was deleted from %1 by someone else."_s;
    case NoticeCode::NoFieldNumber:
        return u"The table %1 has no field number %2."_s;
    case NoticeCode::NoSuchField:
        return u"The table %1 has no field '%2'."_s;
    case NoticeCode::ChangeWithoutEdit:
        return u"A field was changed without add-new or edit."_s;
    case NoticeCode::UpdateWithoutEdit:
        return u"Update without add-new or edit."_s;
    case NoticeCode::KeyFieldReadOnly:
        return u"The field %1 is assigned by the store and cannot be changed."_s;
    case NoticeCode::InvalidFieldValue:
        return u"'%1' is not a valid value for the field %2."_s;
    case NoticeCode::NotADate:
        return u"'%1' is not a date. Type a date as the lists show it, for example %2 (%3)."_s;
    case NoticeCode::BadRecordSource:
        return u"'%1' is not a table name or a query of the form "
               "\"SELECT * FROM table ORDER BY field Asc|Desc, ...\"."_s;

    case NoticeCode::UnitFolderMissing:
        return u"The unit folder '%1' does not exist."_s;
    case NoticeCode::UnitNotAFolder:
        return u"'%1' is not a folder; a unit is kept in a folder."_s;
    case NoticeCode::UnitFolderNoPermission:
        return u"The unit folder '%1' cannot be written (no permission)."_s;
    case NoticeCode::UnitFolderDiskFull:
        return u"The unit folder '%1' cannot be written (is the disk full?)."_s;
    case NoticeCode::LockFileIsLink:
        return u"'%1' is a link; the unit's lock file must be a file of its own. Remove it, and the unit can "
               "be opened."_s;
    case NoticeCode::LockFileIsOther:
        return u"'%1' is %2, not the unit's lock file. Remove it, and the unit can be opened."_s;
    case NoticeCode::UnitFolderCannotLock:
        return u"The unit folder '%1' cannot be locked: %2"_s;
    case NoticeCode::UnitOpenElsewhere:
        return u"The unit in '%1' is already open in another copy of Calendrix (process %2 on %3)."_s;
    case NoticeCode::UnitOpenElsewhereHere:
        return u"The unit in '%1' is already open in another copy of Calendrix (process %2 on this computer)."_s;
    case NoticeCode::UnitInUse:
        return u"The unit in '%1' is in use by another program."_s;

    case NoticeCode::CounterBeyondLargest:
        return u"The counter of %1 for %2 would be %3, beyond the largest counter (32767). Lower the "
               u"counters "
               "of this duty in Assignment Counters."_s;
    case NoticeCode::StoredNormalCounterOutOfRange:
        return u"The Normal counter of %1 for %2 is %3, outside the range 0\u201332767. Correct it in "
               "Assignment Counters."_s;
    case NoticeCode::StoredHolidayCounterOutOfRange:
        return u"The Holiday counter of %1 for %2 is %3, outside the range 0\u201332767. Correct it in "
               "Assignment Counters."_s;
    case NoticeCode::PeriodWithoutFromDate:
        return u"A work-schedule period of %1 has no valid From date; correct or remove it on the Duty tab."_s;
    case NoticeCode::PeriodWithoutToDate:
        return u"A work-schedule period of %1 has no valid To date; correct or remove it on the Duty tab."_s;
    case NoticeCode::TemplateWithoutHeaderRow:
        return u"The datafile copied from the roster template template.tem has no header row for the first "
               "duty."_s;

    case NoticeCode::CannotReadFile:
        return u"Cannot read '%1': %2"_s;
    case NoticeCode::CannotRenameFile:
        return u"Cannot rename '%1' to '%2': %3"_s;
    case NoticeCode::CannotRenameJournal:
        return u"Cannot rename '%1' beside '%2'."_s;
    case NoticeCode::UnitFileUnreadable:
        return u"'%1' cannot be read: %2"_s;
    case NoticeCode::UnitFileNoFile:
        return u"'%1' is %2, not a file"_s;
    case NoticeCode::UnitFileEmpty:
        return u"'%1' is empty"_s;
    case NoticeCode::UnitFileNotText:
        return u"'%1' is not a text file"_s;
    case NoticeCode::OptionFileUnreadable:
        return u"'%1' cannot be read as an option file: %2"_s;
    case NoticeCode::OptionFileNoNumber:
        return u"'%1' holds no number that a switch can have"_s;
    case NoticeCode::HistoryNotAFolder:
        return u"'%1' is %2, not a folder, so no roster run can be kept there for undo."_s;

    case NoticeCode::NeitherReportPrinted:
        return u"Neither the remarks nor the roster of '%2' could be printed.\n%1"_s;
    case NoticeCode::RemarksNotPrinted:
        return u"The remarks of '%2' could not be printed.\n%1"_s;
    case NoticeCode::RosterNotPrinted:
        return u"The roster of '%2' could not be printed.\n%1"_s;
    case NoticeCode::LayoutNeedsMemory:
        return u"The layout '%1' needs more memory than there is."_s;
    case NoticeCode::LayoutUnusable:
        return u"The layout '%2' cannot be used: %1."_s;

    case NoticeCode::CannotMakeFileBeside:
        return u"Cannot make a file beside '%1': %2"_s;
    case NoticeCode::NoFileBeside:
        return u"Cannot make a file beside '%1'."_s;
    case NoticeCode::CannotWriteFile:
        return u"Cannot write '%1': %2"_s;
    case NoticeCode::CannotWriteFileToDisk:
        return u"Cannot write '%1' to the disk: %2"_s;
    case NoticeCode::FileExists:
        return u"'%1' already exists."_s;
    case NoticeCode::PdfCannotWrite:
        return u"The file '%1' cannot be written: %2."_s;
    case NoticeCode::PdfCannotStart:
        return u"The file '%1' cannot be written: the PDF cannot be started."_s;
    case NoticeCode::PdfCannotFinish:
        return u"The file '%1' cannot be written: the PDF cannot be finished."_s;
    case NoticeCode::CannotRemoveFile:
        return u"Cannot remove '%1': %2"_s;
    case NoticeCode::CannotCreateFolder:
        return u"Cannot create the folder '%1': %2"_s;

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
        return NoticeText::plural(count, u"Wrote %1: Summary and %n duty sheet."_s,
                                  u"Wrote %1: Summary and %n duty sheets."_s);
    case NoticeCode::ExportWroteCsv:
        return NoticeText::plural(count, u"Wrote %1: %n assignment."_s, u"Wrote %1: %n assignments."_s);
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

    case NoticeCode::LayoutMissing:
        return u"The layout '%1' does not exist."_s;
    case NoticeCode::LayoutNotAFile:
        return u"The layout '%1' is not a file."_s;
    case NoticeCode::LayoutUnreadable:
        return u"The layout '%1' cannot be read: %2."_s;
    case NoticeCode::LayoutTooLarge:
        return u"The layout '%1' is larger than %2 MB, more than a layout may be."_s;
    case NoticeCode::LayoutNotText:
        return u"The layout '%1' is not a text file (UTF-8)."_s;
    case NoticeCode::LayoutEmpty:
        return u"The layout '%1' is empty."_s;
    case NoticeCode::LayoutSaysNoReport:
        return u"The layout '%1' does not say what it prints: its [layout] section needs report = roster or "
               "report = remarks."_s;
    case NoticeCode::LayoutTextTooLarge:
        return u"The layout '%1' cannot be filled in: a text would be larger than %2 MB."_s;
    case NoticeCode::LayoutCannotFillIn:
        return u"The layout '%1' cannot be filled in: %2."_s;
    case NoticeCode::NoLayoutSet:
        return u"No layout is set."_s;
    case NoticeCode::LayoutDataFileNotSet:
        return u"The layout '%1' reads data file %2, which is not set."_s;
    case NoticeCode::NothingToWrite:
        return u"There is nothing to write into '%1'."_s;
    case NoticeCode::LayoutOldForm:
        return u"The layout '%1' has an error in line %2: this is a layout in the old HTML form, which this "
               "version no longer reads; run 'calendrix init DIR --repair' with DIR the unit folder (%3) to "
               "set it aside and install the new one."_s;
    case NoticeCode::LayoutSectionBrackets:
        return u"The layout '%1' has an error in line %2: a section name must stand in [ ]."_s;
    case NoticeCode::LayoutNoSuchSection:
        return u"The layout '%1' has an error in line %2: there is no section [%3]; the sections are %4."_s;
    case NoticeCode::LayoutNotKeyValue:
        return u"The layout '%1' has an error in line %2: '%3' is neither a [section] nor a key = value."_s;
    case NoticeCode::LayoutKeyOutsideSection:
        return u"The layout '%1' has an error in line %2: a key must follow a [section]."_s;
    case NoticeCode::LayoutNoSuchKey:
        return u"The layout '%1' has an error in line %2: [%3] has no key '%4'; its keys are %5."_s;
    case NoticeCode::LayoutKeySetTwice:
        return u"The layout '%1' has an error in line %2: '%3' is set twice (first in line %4)."_s;
    case NoticeCode::LayoutBadReport:
        return u"The layout '%1' has an error in line %2: report must be roster or remarks, not '%3'."_s;
    case NoticeCode::LayoutBadDataFile:
        return u"The layout '%1' has an error in line %2: the data file must be a number from 0 upwards."_s;
    case NoticeCode::LayoutBadOrientation:
        return u"The layout '%1' has an error in line %2: the orientation must be portrait or landscape, not "
               "'%3'."_s;
    case NoticeCode::LayoutBadPaper:
        return u"The layout '%1' has an error in line %2: the paper must be default, a3, a4, a5, letter or "
               "legal, not '%3'."_s;
    case NoticeCode::LayoutBadMargin:
        return u"The layout '%1' has an error in line %2: the margins must be 0 to 50 millimetres: one "
               "for all sides, or left, top, right, bottom."_s;
    case NoticeCode::LayoutMarginCount:
        return u"The layout '%1' has an error in line %2: the margins are one number for all sides, or four: "
               "left, top, right, bottom."_s;
    case NoticeCode::LayoutBadFont:
        return u"The layout '%1' has an error in line %2: a font is a size in points from 3 to 72, then "
               "bold or italic if wanted, not '%3'."_s;
    case NoticeCode::LayoutNoSuchRosterColumn:
        return u"The layout '%1' has an error in line %2: the roster has no column '%3'; it has %4."_s;
    case NoticeCode::LayoutNoSuchRemarksColumn:
        return u"The layout '%1' has an error in line %2: the remarks list has no column '%3'; it has %4."_s;
    case NoticeCode::LayoutColumnTwice:
        return u"The layout '%1' has an error in line %2: the column '%3' is shown twice."_s;
    case NoticeCode::LayoutNoColumn:
        return u"The layout '%1' has an error in line %2: at least one column must be shown."_s;
    case NoticeCode::LayoutBadMark:
        return u"The layout '%1' has an error in line %2: a mark is drawn bold, italic, in a "
               "colour (#606060) and on a tint (tint #e4e4e4), not '%3'."_s;
    case NoticeCode::LayoutBadShade:
        return u"The layout '%1' has an error in line %2: a shade is a colour (#d9d9d9) or none, not '%3'."_s;
    case NoticeCode::LayoutNestedTooDeep:
        return u"The layout '%1' has an error in line %2: sections are nested more than %3 deep."_s;
    case NoticeCode::LayoutBadTag:
        return u"The layout '%1' has an error in line %2: %3."_s;

    case NoticeCode::DatafileIsFolder:
        return u"'%1' is a folder; choose another name for the roster."_s;
    case NoticeCode::CannotKeepReplacedFile:
        return u"Cannot keep '%1' while it is replaced: %2"_s;
    case NoticeCode::CannotPutBackFile:
        return u"Cannot put '%3' back in place of '%1': %2"_s;
    case NoticeCode::CannotCreateUnitFolder:
        return u"Cannot create the folder '%1'."_s;
    case NoticeCode::CannotCreateUnitFile:
        return u"Cannot create '%1'."_s;
    case NoticeCode::CannotReadWorkingDatabase:
        return u"Cannot read: %1 ('%2')"_s;
    case NoticeCode::OptionFileNoFile:
        return u"'%1' cannot be read as an option file: %2"_s;
    case NoticeCode::RowNotSaved:
        return u"The row could not be saved."_s;
    case NoticeCode::NoUnitOpen:
        return u"There is no unit open: its files could not be opened."_s;
    case NoticeCode::NoUnitFilesOpen:
        return u"There is no unit open: the unit's files in %1 could not be opened."_s;
    case NoticeCode::NoRecords:
        return u"%1"_s;
    case NoticeCode::DatafileBadColumnDate:
        return u"The roster datafile '%1' is damaged: duty '%2' has '%3' as the date of column %4."_s;
    case NoticeCode::DatafileBadLastDay:
        return u"The roster datafile '%1' is damaged: duty '%2' has '%3' as the last day of column %4."_s;
    case NoticeCode::DatafileReadStopped:
        return u"Reading '%1' was stopped."_s;
    case NoticeCode::FileHeldByProgram:
        return u"'%1' is in use by another program, %3 (process %2); close it there and try again."_s;
    case NoticeCode::FileHeldByProcess:
        return u"'%1' is in use by another program (process %2); close it there and try again."_s;
    case NoticeCode::HistoryNotAnEntry:
        return u"'%1' is not a roster run kept by Calendrix."_s;
    case NoticeCode::HistoryEntryUnreadable:
        return u"'%1' is not a roster run kept by Calendrix, or it is damaged."_s;
    case NoticeCode::HistoryEntryOfOtherUnit:
        return u"'%1' is a roster run of another unit."_s;
    case NoticeCode::HistoryEntryTakenBack:
        return u"'%1' is a roster run that was already taken back."_s;
    case NoticeCode::HistoryEntryLaterMissing:
        return u"'%1' is a roster run that can no longer be taken back: a later run of the unit is missing."_s;
    case NoticeCode::UndoNotLastRun:
        return u"'%1' is not the unit's last roster run; nothing was undone."_s;
    case NoticeCode::UndoCountersChanged:
        return NoticeText::plural(notice.count, u"The counters of %n soldier were changed after that run."_s,
                                  u"The counters of %n soldiers were changed after that run."_s);
    case NoticeCode::UndoDatesChanged:
        return NoticeText::plural(notice.count,
                                  u"The assignment dates of %n soldier were changed after that run."_s,
                                  u"The assignment dates of %n soldiers were changed after that run."_s);
    case NoticeCode::UndoCountersAndDatesChanged: {
        const int dates = notice.values.value(1).toInt();
        return NoticeText::plural(
            notice.values.value(0).toInt(),
            NoticeText::plural(
                dates,
                u"The counters of %1 soldier and the assignment dates of %2 soldier were changed "
                "after that run."_s,
                u"The counters of %1 soldier and the assignment dates of %2 soldiers were changed "
                "after that run."_s),
            NoticeText::plural(
                dates,
                u"The counters of %1 soldiers and the assignment dates of %2 soldier were changed "
                "after that run."_s,
                u"The counters of %1 soldiers and the assignment dates of %2 soldiers were "
                "changed after that run."_s));
    }
    case NoticeCode::UndoCountersChangedAfterChange:
        return NoticeText::plural(notice.count,
                                  u"The counters of %n soldier were changed after that replace or swap."_s,
                                  u"The counters of %n soldiers were changed after that replace or swap."_s);
    case NoticeCode::UndoDatesChangedAfterChange:
        return NoticeText::plural(
            notice.count, u"The assignment dates of %n soldier were changed after that replace or swap."_s,
            u"The assignment dates of %n soldiers were changed after that replace or swap."_s);
    case NoticeCode::UndoCountersAndDatesChangedAfterChange: {
        const int dates = notice.values.value(1).toInt();
        return NoticeText::plural(
            notice.values.value(0).toInt(),
            NoticeText::plural(
                dates,
                u"The counters of %1 soldier and the assignment dates of %2 soldier were changed "
                "after that replace or swap."_s,
                u"The counters of %1 soldier and the assignment dates of %2 soldiers were changed "
                "after that replace or swap."_s),
            NoticeText::plural(
                dates,
                u"The counters of %1 soldiers and the assignment dates of %2 soldier were changed "
                "after that replace or swap."_s,
                u"The counters of %1 soldiers and the assignment dates of %2 soldiers were "
                "changed after that replace or swap."_s));
    }
    case NoticeCode::UndoDatafileGone:
        return u"The roster datafile of that run, '%1', is no longer there."_s;
    case NoticeCode::UndoDatafileReplaced:
        return u"'%1' is no longer the roster datafile that run made; it stays where it is."_s;
    case NoticeCode::UndoCannotKeepDatafile:
        return u"Cannot keep '%1' in '%2': %3"_s;
    case NoticeCode::UndoCannotPutBack:
        return u"Cannot put '%1' back as '%2': %3"_s;
    case NoticeCode::HistoryCannotRead:
        return u"Cannot read: %1 ('%2')"_s;
    case NoticeCode::HistoryCannotWrite:
        return u"Cannot write: %1 ('%2')"_s;
    case NoticeCode::HistoryCannotRestore:
        return u"Cannot restore: %1 ('%2')"_s;
    case NoticeCode::HistoryCannotReadCounters:
        return u"Cannot read the counters of: %1 ('%2')"_s;
    case NoticeCode::HistoryCannotReadDates:
        return u"Cannot read the assignment dates of: %1 ('%2')"_s;
    case NoticeCode::ExportIsDatafile:
        return u"'%1' is the datafile; choose another name for the export."_s;
    case NoticeCode::ExportNamedTwice:
        return u"'%1' is named for two exports; choose one name for each."_s;
    case NoticeCode::ExportFolderIsFile:
        return u"'%1' is not a folder; calendars are written into a folder."_s;
    case NoticeCode::ExportCannotMakeFolder:
        return u"The folder '%1' cannot be made."_s;
    case NoticeCode::ExportCannotWriteSpreadsheet:
        return u"The file '%1' cannot be written: %2."_s;
    case NoticeCode::DemoStartTooLate:
        return u"The example unit cannot start after %1: its periods would run past %2."_s;
    case NoticeCode::DemoFolderHoldsUnit:
        return u"'%1' already holds a unit; the example unit needs a new or empty folder."_s;
    case NoticeCode::ImportUnknownColumn:
        return u"The column '%1' is neither a field nor the title of a qualification in Setup."_s;
    case NoticeCode::ImportMissingColumn:
        return u"The file has no column '%1'."_s;
    case NoticeCode::ImportEmptyName:
        return u"The name is empty."_s;
    case NoticeCode::ImportNameTooLong:
        return u"The name '%1' is longer than %2 characters."_s;
    case NoticeCode::ImportNameTwice:
        return u"'%1' is in the file twice; the first is on line %2."_s;
    case NoticeCode::ImportUnknownRank:
        return u"'%1' is not a rank: give its abbreviation, such as PV2, or its code, such as B."_s;
    case NoticeCode::ImportNotYesNo:
        return u"'%1' in the column '%2' is neither yes nor no."_s;
    case NoticeCode::ImportNotADate:
        return u"'%1' in the column '%2' is not a date."_s;
    case NoticeCode::ImportToBeforeFrom:
        return u"The last day, %2, comes before the first day, %1."_s;
    case NoticeCode::ImportSoldierExists:
        return u"The soldier '%1' is already in the unit."_s;
    case NoticeCode::ImportUnknownSoldier:
        return u"There is no soldier '%1' in the unit."_s;
    case NoticeCode::ImportUnknownDuty:
        return u"There is no duty '%1' in the unit."_s;
    case NoticeCode::ImportOverlapsAbsence:
        return u"'%1' is already absent on some of the days from %2 to %3; the row is left out."_s;
    case NoticeCode::ImportOverlapsHoliday:
        return u"A holiday already falls on some of the days from %2 to %3; '%1' is left out."_s;
    case NoticeCode::ImportEndedBeforeToday:
        return u"'%1' from %2 to %3 ended before today; the row is left out."_s;
    case NoticeCode::UndoPersonnelChanged:
        return u"The soldiers, absences, holidays or work schedules were changed after that import."_s;

    case NoticeCode::WorkbookNotAFile:
        return u"'%1' is not a file; a workbook (.xlsx) is read from a file."_s;
    case NoticeCode::WorkbookNotAZip:
        return u"'%1' is not a workbook (.xlsx): it is not a zip archive."_s;
    case NoticeCode::WorkbookWithoutWorkbook:
        return u"'%1' is not a workbook (.xlsx): it holds no workbook part."_s;
    case NoticeCode::WorkbookWithoutSheets:
        return u"The workbook '%1' has no sheet."_s;
    case NoticeCode::WorkbookSheetNotFound:
        return u"The workbook '%1' has no sheet named '%2'; its sheets are %3."_s;
    case NoticeCode::WorkbookPartMissing:
        return u"The workbook '%1' is damaged: its part %2 is missing."_s;
    case NoticeCode::WorkbookPartTooLarge:
        return u"The workbook '%1' cannot be read: its part %2 unpacks to more than %3 MB."_s;
    case NoticeCode::WorkbookPartTooDense:
        return u"The workbook '%1' cannot be read: its part %2 is packed far more densely than a "
               "workbook's data can be."_s;
    case NoticeCode::WorkbookPartDamaged:
        return u"The workbook '%1' is damaged: its part %2 cannot be unpacked."_s;
    case NoticeCode::WorkbookPartWithDtd:
        return u"The workbook '%1' cannot be read: its part %2 declares a document type, which a "
               "workbook never does."_s;
    case NoticeCode::WorkbookPartMalformed:
        return u"The workbook '%1' is damaged: its part %2 is not well-formed XML at line %3: %4"_s;
    case NoticeCode::WorkbookCellOutside:
        return u"The workbook '%1' cannot be read: cell %3 of sheet '%2' lies outside the largest sheet, "
               "which ends at %4."_s;
    case NoticeCode::WorkbookTooManyCells:
        return u"The workbook '%1' cannot be read: sheet '%2' holds more than %3 cells."_s;
    case NoticeCode::WorkbookBadCell:
        return u"The workbook '%1' is damaged: cell %3 of sheet '%2' holds '%4', which is not a value of "
               "its type."_s;

    case NoticeCode::ForeignCannotRead:
        return u"'%1' cannot be read: %2."_s;
    case NoticeCode::ForeignTooLarge:
        return u"'%1' is too large to read: files of up to %2 MB are read."_s;
    case NoticeCode::ForeignNotText:
        return u"'%1' is not a text file: it holds binary data at line %2."_s;
    case NoticeCode::CsvTooManyColumns:
        return u"Line %2 of '%1' has more than %3 columns."_s;
    case NoticeCode::CsvTooManyCells:
        return u"'%1' holds more than %3 cells (the last read at line %2); split it into smaller files."_s;
    case NoticeCode::CsvUnclosedQuote:
        return u"'%1' ends inside quotes: a quoted field of the row at line %2 is never closed."_s;
    case NoticeCode::CalendarNotCalendar:
        return u"'%1' is not a calendar (iCalendar file)."_s;
    case NoticeCode::CalendarTooManyRepeats:
        return u"The events of '%1' repeat more than %2 times in all; it cannot be read."_s;

    case NoticeCode::ImportCalendarNotHolidays:
        return u"'%1' is a calendar: only holidays are imported from a calendar (.ics)."_s;

    case NoticeCode::ChangeAbsent:
        return u"Absent from %1 to %2."_s;
    case NoticeCode::ChangeOnDuty:
        return u"On duty %1 from %2 to %3."_s;
    case NoticeCode::ChangeOnOtherRoster:
        return u"On a duty of another roster from %1 to %2."_s;
    case NoticeCode::ChangeSameDuty:
        return u"Already on this duty in an overlapping period, from %1 to %2."_s;
    case NoticeCode::ChangeUnknownDuty:
        return u"The roster datafile '%2' has no duty '%1'."_s;
    case NoticeCode::ChangeUnknownPeriod:
        return u"Duty '%1' has no period %2 on this roster."_s;
    case NoticeCode::ChangeNobodyStands:
        return u"Nobody stands duty '%1' from %2 to %3."_s;
    case NoticeCode::ChangeNotQualified:
        return u"%1 is not qualified for duty '%2', or has no row for it on this roster."_s;
    case NoticeCode::ChangeNotFree:
        return u"%2 cannot take that period. %1"_s;
    case NoticeCode::ChangeNoFreeCandidate:
        return u"No qualified soldier is free for duty '%1' from %2 to %3."_s;
    case NoticeCode::ChangeAlreadyStanding:
        return u"%1 already stands that period."_s;
    case NoticeCode::ChangeSamePeriod:
        return u"A period of duty '%1' cannot be swapped with itself."_s;
    case NoticeCode::ChangeFailed:
        return u"The roster datafile could not be changed; nothing was changed.\n%1"_s;
    case NoticeCode::UndoDatafileChanged:
        return u"The roster datafile '%1' was changed after that change."_s;
    case NoticeCode::ChangeFileRestored:
        return u"The replace or swap, or its undo, that was changing '%1' did not finish; the file is as it "
               "was before it, and so are the counters."_s;
    case NoticeCode::ChangeFileKeptAside:
        return u"The replace or swap, or its undo, that was changing '%1' did not finish; the counters are "
               u"as "
               "they were before it. The file it replaced is kept as '%2'."_s;
    case NoticeCode::ChangeOwnFile:
        return u"'%1' is one of the unit's own files, not a roster datafile to change."_s;
    case NoticeCode::UndoKeptDatafileMissing:
        return u"The roster datafile as it was before the change, '%1', is missing; the change cannot be "
               "undone."_s;
    }
    return {};
}

bool isDatabaseFailure(NoticeCode code)
{
    return (code >= NoticeCode::DatabaseFailed && code <= NoticeCode::CannotCopyDatabase) ||
           code == NoticeCode::CannotReadWorkingDatabase ||
           (code >= NoticeCode::HistoryCannotRead && code <= NoticeCode::HistoryCannotReadDates);
}

// Why a database file refused an operation, told by the store's error number;
// a number with no more to say than "general" leaves it to the system's words.
QString databaseReason(int number, const QString &systemWords)
{
    switch (static_cast<StoreErrorCode>(number)) {
    case StoreErrorCode::Locked:
        return u"the file is locked by another program"_s;
    case StoreErrorCode::ReadOnly:
        return u"the file cannot be written (read-only)"_s;
    case StoreErrorCode::IoError:
        return u"a disk error occurred"_s;
    case StoreErrorCode::Corrupt:
        return u"the file is damaged"_s;
    case StoreErrorCode::DiskFull:
        return u"the disk is full"_s;
    case StoreErrorCode::CannotOpen:
        return u"the file cannot be opened"_s;
    case StoreErrorCode::Constraint:
        return u"the change breaks a rule of the file"_s;
    case StoreErrorCode::WrongFileKind:
        return u"the file is not a database"_s;
    default:
        return systemWords;
    }
}

// The words for a file's kind and for what a file system object is, which
// the store names by key (Layouts::kindKey, UnitFolder::fileType).
QString kindWords(const QString &key)
{
    if (key == u"personnel")
        return u"personnel database"_s;
    if (key == u"working")
        return u"working database"_s;
    if (key == u"template")
        return u"roster template"_s;
    return u"roster datafile"_s;
}

QString typeWords(const QString &key)
{
    if (key.startsWith(u"link:"))
        return u"a link to %1"_s.arg(typeWords(key.mid(5)));
    static const QHash<QString, QString> words{
        {u"folder"_s, u"a folder"_s}, {u"fifo"_s, u"a FIFO (named pipe)"_s},
        {u"device"_s, u"a device"_s}, {u"socket"_s, u"a socket"_s},
        {u"file"_s, u"a file"_s},     {u"link"_s, u"a link to nothing"_s}};
    return words.value(key, u"not a regular file"_s);
}

// Which placeholders of a notice hold a file's kind and which what a file
// system object is.
struct Keyed {
    QList<int> kinds;
    QList<int> types;
};

Keyed keyedValues(NoticeCode code)
{
    switch (code) {
    case NoticeCode::FileIsDanglingLink:
    case NoticeCode::FileIsEmpty:
    case NoticeCode::FileIsNotDatabase:
    case NoticeCode::FileIsForeignDatabase:
    case NoticeCode::TableNotInFile:
    case NoticeCode::TableNotInKind:
        return {{2}, {}};
    case NoticeCode::FileIsOtherKind:
        return {{2, 3}, {}};
    case NoticeCode::FileIsNoFile:
        return {{3}, {2}};
    case NoticeCode::TableLayoutDamaged:
        return {{3}, {}};
    case NoticeCode::FileDamaged:
    case NoticeCode::FileDamagedCannotCopy:
    case NoticeCode::DatabaseFileNotFound:
    case NoticeCode::DatabaseFileUnreadable:
    case NoticeCode::DatabaseFileNoPermission:
        return {{1}, {}};
    case NoticeCode::LockFileIsOther:
    case NoticeCode::UnitFileNoFile:
    case NoticeCode::HistoryNotAFolder:
    case NoticeCode::RunRecordNotAFile:
    case NoticeCode::UndoRecordNotAFile:
    case NoticeCode::OptionFileNoFile:
        return {{}, {2}};
    default:
        return {};
    }
}

Notice worded(Notice notice)
{
    const Keyed keyed = keyedValues(notice.code);
    for (int at : keyed.kinds)
        if (at <= notice.values.size())
            notice.values[at - 1] = kindWords(notice.values[at - 1]);
    for (int at : keyed.types)
        if (at <= notice.values.size())
            notice.values[at - 1] = typeWords(notice.values[at - 1]);
    return notice;
}

// Values that are paths are shown the way the clerk's system writes them.
QString shown(const QString &value)
{
    return value.startsWith(u'/') ? QDir::toNativeSeparators(value) : value;
}

} // namespace

QString NoticeText::plural(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many;
}

QString NoticeText::text(const Notice &keyedNotice)
{
    Notice notice = worded(keyedNotice);
    if (!notice.causes.empty()) {
        QStringList causes;
        for (const Notice &cause : notice.causes)
            causes.append(text(cause));
        notice.causes.clear();
        notice.values.prepend(causes.join(u'\n'));
    }
    if (isDatabaseFailure(notice.code)) {
        Notice told = notice;
        if (told.values.isEmpty())
            told.values.append(QString());
        told.values[0] = databaseReason(notice.number, notice.values.value(0));
        return NoticeText::fill(told, sentence(told));
    }
    return NoticeText::fill(notice, sentence(notice));
}

QString NoticeText::text(const Error &error)
{
    return text(error.notice());
}

QString NoticeText::runDescription(const QString &time, const QString &datafile, int duties, int periods)
{
    return u"the roster run of %1, which made '%2' (%3 %4, %5 %6 filled)"_s.arg(
        time, shown(datafile), QString::number(duties), NoticeText::plural(duties, u"duty"_s, u"duties"_s),
        QString::number(periods), NoticeText::plural(periods, u"period"_s, u"periods"_s));
}

QString NoticeText::changeDescription(const RunHistory::Entry &e)
{
    if (e.kind == u"replace"_s)
        return u"the replace of %1 in '%2': %3 by %4 on duty '%5', period %6"_s.arg(
            e.time(), shown(e.datafile), e.soldierOff, e.soldierOn, e.duty, QString::number(e.column));
    if (e.kind == u"swap"_s)
        return u"the swap of %1 in '%2': %3 and %4 trade periods %5 and %6 of duty '%7'"_s.arg(
            e.time(), shown(e.datafile), e.soldierOff, e.soldierOn, QString::number(e.column),
            QString::number(e.otherColumn), e.duty);
    if (!e.isImport())
        return runDescription(e.time(), e.datafile, e.duties, e.periods);
    const QString time = e.time(), file = shown(e.datafile), added = QString::number(e.added);
    if (e.kind == u"soldiers"_s)
        return u"the import of soldiers of %1 from '%2' (%3 added, %4 updated)"_s.arg(
            time, file, added, QString::number(e.updated));
    if (e.kind == u"absences"_s)
        return u"the import of absences of %1 from '%2' (%3 added)"_s.arg(time, file, added);
    if (e.kind == u"holidays"_s)
        return u"the import of holidays of %1 from '%2' (%3 added)"_s.arg(time, file, added);
    return u"the import of work schedules of %1 from '%2' (%3 added)"_s.arg(time, file, added);
}

QString NoticeText::paragraphs(const Notices &notices)
{
    QStringList texts;
    for (const Notice &notice : notices)
        texts.append(text(notice));
    return texts.join(u"\n\n"_s);
}

QString NoticeText::fill(const Notice &notice, QString pattern)
{
    // An operation on no file in particular names none.
    if (isDatabaseFailure(notice.code) && notice.values.value(1).isEmpty())
        pattern.remove(u" ('%2')"_s);
    // One pass, so that a value that itself holds "%2" stays as it is.
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
