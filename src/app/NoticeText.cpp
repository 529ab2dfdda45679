#include "app/NoticeText.h"

#include "app/Language.h"
#include "store/Error.h"
#include "store/StoreError.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QHash>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// An export's calendars are all.ics and one per soldier. The calendars are
// counted by %n; the soldiers and the cancelled assignments each choose
// their own sentence, so that no count is glued to its noun.
QString wroteCalendars(const Notice &notice)
{
    const int soldiers = notice.values.value(1).toInt();
    const int cancelled = notice.values.value(2).toInt();
    const int n = notice.count;
    // English says "one for each of 1 soldiers" when it wrote one calendar.
    const char *one = cancelled == 0 ? "Wrote %n calendar into %1: all.ics and one for each of %2 soldiers."
                      : cancelled == 1
                          ? "Wrote %n calendar into %1: all.ics and one for each of %2 soldiers, "
                            "with %3 assignment that the roster no longer has as cancelled."
                          : "Wrote %n calendar into %1: all.ics and one for each of %2 soldiers, "
                            "with %3 assignments that the roster no longer has as cancelled.";
    if (cancelled == 0)
        return soldiers == 1 ? NoticeText::counted("NoticeText", n, one,
                                                   //: %1 is a folder, %2 a number of soldiers (here 1)
                                                   QT_TRANSLATE_N_NOOP("NoticeText",
                                                                       "Wrote %n calendars into %1: all.ics "
                                                                       "and one for each of %2 soldier."))
                             : NoticeText::counted("NoticeText", n, one,
                                                   //: %1 is a folder, %2 a number of soldiers
                                                   QT_TRANSLATE_N_NOOP("NoticeText",
                                                                       "Wrote %n calendars into %1: all.ics "
                                                                       "and one for each of %2 soldiers."));
    if (cancelled == 1)
        return soldiers == 1
                   ? NoticeText::counted(
                         "NoticeText", n, one,
                         //: %1 is a folder, %2 a number of soldiers (here 1), %3 of assignments (here 1)
                         QT_TRANSLATE_N_NOOP(
                             "NoticeText",
                             "Wrote %n calendars into %1: all.ics and one for each of %2 soldier, "
                             "with %3 assignment that the roster no longer has as cancelled."))
                   : NoticeText::counted(
                         "NoticeText", n, one,
                         //: %1 is a folder, %2 a number of soldiers, %3 of assignments (here 1)
                         QT_TRANSLATE_N_NOOP(
                             "NoticeText",
                             "Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, "
                             "with %3 assignment that the roster no longer has as cancelled."));
    return soldiers == 1
               ? NoticeText::counted(
                     "NoticeText", n, one,
                     //: %1 is a folder, %2 a number of soldiers (here 1), %3 of assignments
                     QT_TRANSLATE_N_NOOP(
                         "NoticeText", "Wrote %n calendars into %1: all.ics and one for each of %2 soldier, "
                                       "with %3 assignments that the roster no longer has as cancelled."))
               : NoticeText::counted(
                     "NoticeText", n, one,
                     //: %1 is a folder, %2 a number of soldiers, %3 of assignments
                     QT_TRANSLATE_N_NOOP(
                         "NoticeText", "Wrote %n calendars into %1: all.ics and one for each of %2 soldiers, "
                                       "with %3 assignments that the roster no longer has as cancelled."));
}

// The sentence of a notice, with placeholders %1, %2... in the order of its
// values and %n for its count.
QString sentence(const Notice &notice)
{
    const int count = notice.count;
    switch (notice.code) {
    case NoticeCode::SettleFailed:
        return QCoreApplication::translate("NoticeText", "An earlier roster run or undo that did not finish "
                                                         "could not be settled; nothing was changed.\n%1");

    case NoticeCode::DatabaseFailed:
        return u"%1 ('%2')"_s;
    case NoticeCode::CannotOpenDatabase:
        //: %1 is why (such as "the disk is full"), %2 the file; keep " ('%2')" as it is
        return QCoreApplication::translate("NoticeText", "Cannot open: %1 ('%2')");
    case NoticeCode::CannotCheckDatabase:
        return QCoreApplication::translate("NoticeText", "Cannot check: %1 ('%2')");
    case NoticeCode::CannotCreateDatabase:
        return QCoreApplication::translate("NoticeText", "Cannot create: %1 ('%2')");
    case NoticeCode::CannotReadTableLayout:
        return QCoreApplication::translate("NoticeText", "reading the layout of %3: %1 ('%2')");
    case NoticeCode::CannotReadHeaderTable:
        return QCoreApplication::translate("NoticeText", "reading the table header: %1 ('%2')");
    case NoticeCode::CannotAddTable:
        return QCoreApplication::translate("NoticeText", "Cannot add the table %3: %1 ('%2')");
    case NoticeCode::CannotStartWriting:
        return QCoreApplication::translate("NoticeText", "Cannot start writing: %1 ('%2')");
    case NoticeCode::CannotSaveChanges:
        return QCoreApplication::translate("NoticeText", "Cannot save the changes: %1 ('%2')");
    case NoticeCode::CannotPrepareStatement:
        return QCoreApplication::translate("NoticeText", "Cannot prepare a statement: %1 ('%2')");
    case NoticeCode::CannotWriteTable:
        return QCoreApplication::translate("NoticeText", "Cannot write to %3: %1 ('%2')");
    case NoticeCode::CannotReadTable:
        return QCoreApplication::translate("NoticeText", "Cannot read %3: %1 ('%2')");
    case NoticeCode::CannotAddRow:
        return QCoreApplication::translate("NoticeText", "Cannot add a row to %3: %1 ('%2')");
    case NoticeCode::CannotSaveRow:
        return QCoreApplication::translate("NoticeText", "Cannot save a row of %3: %1 ('%2')");
    case NoticeCode::CannotDeleteRow:
        return QCoreApplication::translate("NoticeText", "Cannot delete a row of %3: %1 ('%2')");
    case NoticeCode::CannotCopyDatabase:
        return QCoreApplication::translate("NoticeText", "Cannot copy '%3' into the folder '%4': %1");

    case NoticeCode::FileIsDanglingLink:
        //: %1 is a file, %2 a file's kind: "personnel database", "working database", "roster template" or
        //: "roster datafile"
        return QCoreApplication::translate(
            "NoticeText", "'%1' is a link to a file that does not exist, not a Calendrix %2.");
    case NoticeCode::FileIsEmpty:
        //: %1 is a file, %2 a file's kind: "personnel database", "working database", "roster template" or
        //: "roster datafile"
        return QCoreApplication::translate("NoticeText", "'%1' is an empty file, not a Calendrix %2.");
    case NoticeCode::FileIsNotDatabase:
        //: %1 is a file, %2 a file's kind: "personnel database", "working database", "roster template" or
        //: "roster datafile"
        return QCoreApplication::translate("NoticeText", "'%1' is not a database file, not a Calendrix %2.");
    case NoticeCode::FileIsOtherKind:
        //: %1 is a file, %2 and %3 a file's kind: "personnel database", "working database", "roster template"
        //: or "roster datafile"
        return QCoreApplication::translate("NoticeText", "'%1' is a Calendrix %2, not a Calendrix %3.");
    case NoticeCode::FileIsForeignDatabase:
        //: %1 is a file, %2 a file's kind: "personnel database", "working database", "roster template" or
        //: "roster datafile"
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is another program's database, not a Calendrix %2.");
    case NoticeCode::FileIsNoFile:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"..., %3 a file's kind:
        //: "personnel database", "working database", "roster template" or "roster datafile"
        return QCoreApplication::translate("NoticeText", "'%1' is %2, not a Calendrix %3.");
    case NoticeCode::FileFromNewerVersion:
        return QCoreApplication::translate("NoticeText", "'%1' was made by a newer version of Calendrix.");
    case NoticeCode::TableMissing:
        return QCoreApplication::translate("NoticeText", "The table %1 is missing from '%2'.");
    case NoticeCode::TableLayoutDamaged:
        //: %1 is a file, %2 a table, %3 a file's kind: "personnel database", "working database", "roster
        //: template" or "roster datafile"
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is damaged: its table %2 does not have the layout of a %3.");
    case NoticeCode::HeaderRowMissing:
        return QCoreApplication::translate("NoticeText", "'%1' is damaged: its table header has no row.");
    case NoticeCode::FileDamaged:
        //: %1 is a file's kind: "personnel database", "working database", "roster template" or "roster
        //: datafile", %2 the file, %3 what is wrong
        return QCoreApplication::translate("NoticeText", "The %1 '%2' is damaged (%3).");
    case NoticeCode::FileDamagedCannotCopy:
        //: %1 is a file's kind: "personnel database", "working database", "roster template" or "roster
        //: datafile", %2 the file, %3 what is wrong
        return QCoreApplication::translate("NoticeText", "The %1 '%2' is damaged and cannot be copied (%3).");
    case NoticeCode::DatabaseFileNotFound:
        //: %1 is a file's kind: "personnel database", "working database", "roster template" or "roster
        //: datafile", %2 the file
        return QCoreApplication::translate("NoticeText", "The %1 '%2' does not exist.");
    case NoticeCode::DatabaseFileUnreadable:
        //: %1 is a file's kind: "personnel database", "working database", "roster template" or "roster
        //: datafile", %2 the file, %3 the system's reason
        return QCoreApplication::translate("NoticeText", "The %1 '%2' cannot be read: %3");
    case NoticeCode::DatabaseFileNoPermission:
        //: %1 is a file's kind: "personnel database", "working database", "roster template" or "roster
        //: datafile", %2 the file
        return QCoreApplication::translate("NoticeText", "The %1 '%2' cannot be read (no permission).");
    case NoticeCode::CannotReadFileHeader:
        return QCoreApplication::translate("NoticeText", "Cannot read the header of '%1'.");
    case NoticeCode::NoDatabaseOpen:
        return QCoreApplication::translate("NoticeText", "No database is open.");
    case NoticeCode::TransactionAlreadyOpen:
        return QCoreApplication::translate("NoticeText", "A transaction is already open.");

    case NoticeCode::TableNotInFile:
        //: %1 is a table, %2 a file's kind: "personnel database", "working database", "roster template" or
        //: "roster datafile", %3 the file
        return QCoreApplication::translate("NoticeText", "The table '%1' is not part of a %2 ('%3').");
    case NoticeCode::TableNotInKind:
        //: %1 is a table, %2 a file's kind: "personnel database", "working database", "roster template" or
        //: "roster datafile"
        return QCoreApplication::translate("NoticeText", "The table '%1' is not part of a %2.");
    case NoticeCode::RecordSourceNotOpen:
        return QCoreApplication::translate("NoticeText", "Cannot open '%1': its database is not open.");
    case NoticeCode::AppendTableNotOpen:
        return QCoreApplication::translate("NoticeText", "Cannot write to '%1': its database is not open.");
    case NoticeCode::NotSqliteConnection:
        return QCoreApplication::translate("NoticeText", "The database connection is not SQLite.");
    case NoticeCode::RecordSetNotOpen:
        return QCoreApplication::translate("NoticeText", "The record set is not open.");
    case NoticeCode::NoCurrentRecord:
        return QCoreApplication::translate("NoticeText", "No current record.");
    case NoticeCode::RecordDeleted:
        return QCoreApplication::translate("NoticeText", "The record is deleted.");
    case NoticeCode::RecordDeletedByOther:
        return QCoreApplication::translate("NoticeText", "The record was deleted from %1 by someone else.");
    case NoticeCode::NoFieldNumber:
        return QCoreApplication::translate("NoticeText", "The table %1 has no field number %2.");
    case NoticeCode::NoSuchField:
        return QCoreApplication::translate("NoticeText", "The table %1 has no field '%2'.");
    case NoticeCode::ChangeWithoutEdit:
        return QCoreApplication::translate("NoticeText", "A field was changed without add-new or edit.");
    case NoticeCode::UpdateWithoutEdit:
        return QCoreApplication::translate("NoticeText", "Update without add-new or edit.");
    case NoticeCode::KeyFieldReadOnly:
        return QCoreApplication::translate("NoticeText",
                                           "The field %1 is assigned by the store and cannot be changed.");
    case NoticeCode::InvalidFieldValue:
        return QCoreApplication::translate("NoticeText", "'%1' is not a valid value for the field %2.");
    case NoticeCode::NotADate:
        //: %2 is an example date as the lists show it, %3 its pattern
        return QCoreApplication::translate(
            "NoticeText", "'%1' is not a date. Type a date as the lists show it, for example %2 (%3).");
    case NoticeCode::BadRecordSource:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not a table name or a query of the form "
                                           "\"SELECT * FROM table ORDER BY field Asc|Desc, ...\".");

    case NoticeCode::UnitFolderMissing:
        return QCoreApplication::translate("NoticeText", "The unit folder '%1' does not exist.");
    case NoticeCode::UnitNotAFolder:
        return QCoreApplication::translate("NoticeText", "'%1' is not a folder; a unit is kept in a folder.");
    case NoticeCode::UnitFolderNoPermission:
        return QCoreApplication::translate("NoticeText",
                                           "The unit folder '%1' cannot be written (no permission).");
    case NoticeCode::UnitFolderDiskFull:
        return QCoreApplication::translate("NoticeText",
                                           "The unit folder '%1' cannot be written (is the disk full?).");
    case NoticeCode::LockFileIsLink:
        return QCoreApplication::translate(
            "NoticeText",
            "'%1' is a link; the unit's lock file must be a file of its own. Remove it, and the unit can "
            "be opened.");
    case NoticeCode::LockFileIsOther:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"...
        return QCoreApplication::translate(
            "NoticeText", "'%1' is %2, not the unit's lock file. Remove it, and the unit can be opened.");
    case NoticeCode::UnitFolderCannotLock:
        return QCoreApplication::translate("NoticeText", "The unit folder '%1' cannot be locked: %2");
    case NoticeCode::UnitOpenElsewhere:
        return QCoreApplication::translate(
            "NoticeText",
            "The unit in '%1' is already open in another copy of Calendrix (process %2 on %3).");
    case NoticeCode::UnitOpenElsewhereHere:
        return QCoreApplication::translate(
            "NoticeText",
            "The unit in '%1' is already open in another copy of Calendrix (process %2 on this computer).");
    case NoticeCode::UnitInUse:
        return QCoreApplication::translate("NoticeText", "The unit in '%1' is in use by another program.");

    case NoticeCode::CounterBeyondLargest:
        return QCoreApplication::translate(
            "NoticeText",
            "The counter of %1 for %2 would be %3, beyond the largest counter (32767). Lower the "
            "counters "
            "of this duty in Assignment Counters.");
    case NoticeCode::StoredNormalCounterOutOfRange:
        return QCoreApplication::translate(
            "NoticeText", "The Normal counter of %1 for %2 is %3, outside the range 0–32767. Correct it in "
                          "Assignment Counters.");
    case NoticeCode::StoredHolidayCounterOutOfRange:
        return QCoreApplication::translate(
            "NoticeText", "The Holiday counter of %1 for %2 is %3, outside the range 0–32767. Correct it in "
                          "Assignment Counters.");
    case NoticeCode::PeriodWithoutFromDate:
        return QCoreApplication::translate(
            "NoticeText",
            "A work-schedule period of %1 has no valid From date; correct or remove it on the Duty tab.");
    case NoticeCode::PeriodWithoutToDate:
        return QCoreApplication::translate(
            "NoticeText",
            "A work-schedule period of %1 has no valid To date; correct or remove it on the Duty tab.");
    case NoticeCode::DutyNamedTwice:
        return QCoreApplication::translate(
            "NoticeText",
            "Two duties are named '%1'. A roster keeps a duty's counters, periods and rows by its "
            "name: give each duty a name of its own on the Duty tab.");
    case NoticeCode::TemplateWithoutHeaderRow:
        return QCoreApplication::translate(
            "NoticeText",
            "The datafile copied from the roster template template.tem has no header row for the first "
            "duty.");

    case NoticeCode::CannotReadFile:
        return QCoreApplication::translate("NoticeText", "Cannot read '%1': %2");
    case NoticeCode::CannotRenameFile:
        return QCoreApplication::translate("NoticeText", "Cannot rename '%1' to '%2': %3");
    case NoticeCode::CannotRenameJournal:
        return QCoreApplication::translate("NoticeText", "Cannot rename '%1' beside '%2'.");
    case NoticeCode::UnitFileUnreadable:
        return QCoreApplication::translate("NoticeText", "'%1' cannot be read: %2");
    case NoticeCode::UnitFileNoFile:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"...
        return QCoreApplication::translate("NoticeText", "'%1' is %2, not a file");
    case NoticeCode::UnitFileEmpty:
        return QCoreApplication::translate("NoticeText", "'%1' is empty");
    case NoticeCode::UnitFileNotText:
        return QCoreApplication::translate("NoticeText", "'%1' is not a text file");
    case NoticeCode::OptionFileUnreadable:
        return QCoreApplication::translate("NoticeText", "'%1' cannot be read as an option file: %2");
    case NoticeCode::OptionFileNoNumber:
        return QCoreApplication::translate("NoticeText", "'%1' holds no number that a switch can have");
    case NoticeCode::HistoryNotAFolder:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"...
        return QCoreApplication::translate(
            "NoticeText", "'%1' is %2, not a folder, so no roster run can be kept there for undo.");

    case NoticeCode::NeitherReportPrinted:
        return QCoreApplication::translate(
            "NoticeText", "Neither the remarks nor the roster of '%2' could be printed.\n%1");
    case NoticeCode::RemarksNotPrinted:
        return QCoreApplication::translate("NoticeText", "The remarks of '%2' could not be printed.\n%1");
    case NoticeCode::RosterNotPrinted:
        return QCoreApplication::translate("NoticeText", "The roster of '%2' could not be printed.\n%1");
    case NoticeCode::LayoutNeedsMemory:
        return QCoreApplication::translate("NoticeText", "The layout '%1' needs more memory than there is.");
    case NoticeCode::LayoutUnusable:
        return QCoreApplication::translate("NoticeText", "The layout '%2' cannot be used: %1.");

    case NoticeCode::CannotMakeFileBeside:
        return QCoreApplication::translate("NoticeText", "Cannot make a file beside '%1': %2");
    case NoticeCode::NoFileBeside:
        return QCoreApplication::translate("NoticeText", "Cannot make a file beside '%1'.");
    case NoticeCode::CannotWriteFile:
        return QCoreApplication::translate("NoticeText", "Cannot write '%1': %2");
    case NoticeCode::CannotWriteFileToDisk:
        return QCoreApplication::translate("NoticeText", "Cannot write '%1' to the disk: %2");
    case NoticeCode::FileExists:
        return QCoreApplication::translate("NoticeText", "'%1' already exists.");
    case NoticeCode::PdfCannotWrite:
        return QCoreApplication::translate("NoticeText", "The file '%1' cannot be written: %2.");
    case NoticeCode::PdfCannotStart:
        return QCoreApplication::translate("NoticeText",
                                           "The file '%1' cannot be written: the PDF cannot be started.");
    case NoticeCode::PdfCannotFinish:
        return QCoreApplication::translate("NoticeText",
                                           "The file '%1' cannot be written: the PDF cannot be finished.");
    case NoticeCode::CannotRemoveFile:
        return QCoreApplication::translate("NoticeText", "Cannot remove '%1': %2");
    case NoticeCode::CannotCreateFolder:
        return QCoreApplication::translate("NoticeText", "Cannot create the folder '%1': %2");

    case NoticeCode::OutputIsUnitFile:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is one of the unit's own files; choose another name.");
    case NoticeCode::OutputNotAFile:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"...
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is %2, not a file, and only a file is ever written over.");
    case NoticeCode::PdfIsDatafileOrUnitFile:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is the datafile or a file of the unit; choose another name for the PDF.");
    case NoticeCode::ExportIsUnitFile:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is a file of the unit; choose another name for the export.");
    case NoticeCode::ExportDraft:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster datafile '%1' is a draft: nothing in it was counted. Its calendar events and "
            "sheets say \"%2\"; the CSV has no place for it.");
    case NoticeCode::ExportLastDaysUnknown:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster datafile '%1' does not say on which day its periods end (it was made by an "
            "earlier version); each assignment is exported as one day.");
    case NoticeCode::ExportStopped:
        return QCoreApplication::translate("NoticeText", "The export was stopped; nothing was written.");
    case NoticeCode::ExportNeedsMemory:
        return QCoreApplication::translate("NoticeText", "Exporting '%1' needs more memory than there is.");
    case NoticeCode::ExportWroteCalendars:
        return wroteCalendars(notice);
    case NoticeCode::ExportWroteSpreadsheet:
        //: %1 is the workbook written
        return NoticeText::counted(
            "NoticeText", count, "Wrote %1: Summary and %n duty sheet.",
            QT_TRANSLATE_N_NOOP("NoticeText", "Wrote %1: Summary and %n duty sheets."));
    case NoticeCode::ExportWroteCsv:
        //: %1 is the CSV file written
        return NoticeText::counted("NoticeText", count, "Wrote %1: %n assignment.",
                                   QT_TRANSLATE_N_NOOP("NoticeText", "Wrote %1: %n assignments."));
    case NoticeCode::RunCommitReported:
        return u"%1"_s;
    case NoticeCode::RunNoTarget:
        return QCoreApplication::translate("NoticeText", "No name was given for the roster datafile.");
    case NoticeCode::RunOwnFile:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is one of the unit's own files; choose another name for the roster.");
    case NoticeCode::RunReplaceQuestion:
        return QCoreApplication::translate("NoticeText", "File already exists.  Do you want to replace %1?");
    case NoticeCode::RunReplaceDeclined:
        return QCoreApplication::translate("NoticeText", "Sorry you have encountered error number %1");
    case NoticeCode::RunSettleFailed:
        return QCoreApplication::translate(
            "NoticeText", "An earlier roster run that did not finish could not be settled.\n%1");
    case NoticeCode::RunFailed:
        return QCoreApplication::translate("NoticeText",
                                           "The roster could not be made; nothing was changed.\n%1");
    case NoticeCode::RunNoCandidate:
        //: %1 is a duty, %2 the first day of its period
        return QCoreApplication::translate("NoticeText", "No qualified soldier is available for %1 on %2");
    case NoticeCode::RunNoCounterRow:
        //: %1 is a soldier, %2 a duty; SoldierName is a field name and stays
        return QCoreApplication::translate("NoticeText", "SoldierName='%1' could not add points for %2");
    case NoticeCode::RunColumnLimit:
        return QCoreApplication::translate("NoticeText", "%1 is greater than the 36 columns");
    case NoticeCode::RunHolidayLimit:
        return QCoreApplication::translate("NoticeText", "Number of Holidays exceeds 99 maximum");
    case NoticeCode::RunNotInDatafile:
        return QCoreApplication::translate("NoticeText", "Could not locate %1 in output datafile");
    case NoticeCode::RunFinished:
        return QCoreApplication::translate("NoticeText", "Finished");
    case NoticeCode::RecordKeptAside:
        return QCoreApplication::translate(
            "NoticeText",
            "'%1' names the files of a roster run or undo that did not finish and cannot be settled "
            "without the working database; it is kept as '%2'.");
    case NoticeCode::InitNeedsRepair:
        //: %1 says why (whole sentences), %2 is the repair command
        return QCoreApplication::translate("NoticeText",
                                           "%1 Run '%2': it sets it aside and makes the folder anew.");
    case NoticeCode::RunRecordNotAFile:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"..., %3 where it was set
        //: aside
        return QCoreApplication::translate(
            "NoticeText", "'%1' was %2, not a record of an unfinished roster run; it was set aside as '%3'.");
    case NoticeCode::UndoRecordNotAFile:
        //: %1 is a path, %2 what is there: "a folder", "a device", "a link to a file"..., %3 where it was set
        //: aside
        return QCoreApplication::translate(
            "NoticeText", "'%1' was %2, not a record of an unfinished undo; it was set aside as '%3'.");
    case NoticeCode::RunRecordUnreadable:
        return QCoreApplication::translate(
            "NoticeText", "A record of an unfinished roster run, '%1', could not be read and was removed.");
    case NoticeCode::UndoRecordUnreadable:
        return QCoreApplication::translate(
            "NoticeText", "A record of an unfinished undo, '%1', could not be read and was removed.");
    case NoticeCode::RunFileRestored:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster run that was replacing '%1' did not finish; the file is as it was before that "
            "run, and so are the counters.");
    case NoticeCode::RunFileKeptAside:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster run that was replacing '%1' did not finish; the counters are as they were "
            "before that run. The file it replaced is kept as '%2'.");
    case NoticeCode::RunFileRemoved:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster run that was making '%1' did not finish; the file was removed and the counters "
            "are as they were before that run.");
    // Among the values, the kind of change taken back: "change" or "run".
    case NoticeCode::UndoCompleted:
        if (notice.values.contains(u"change"_s))
            return QCoreApplication::translate(
                "NoticeText", "An undo that did not finish has been completed: the counters are as they were "
                              "before the replace or swap it took back.");
        return QCoreApplication::translate(
            "NoticeText",
            "An undo that did not finish has been completed: the counters are as they were before the "
            "roster run it took back.");
    case NoticeCode::UndoCompletedWithLeftovers:
        if (notice.values.contains(u"change"_s))
            return QCoreApplication::translate(
                "NoticeText", "An undo that did not finish has been completed: the counters are as they were "
                              "before the replace or swap it took back.\n%1");
        return QCoreApplication::translate(
            "NoticeText",
            "An undo that did not finish has been completed: the counters are as they were before the "
            "roster run it took back.\n%1");
    case NoticeCode::UndoAbandoned:
        return QCoreApplication::translate(
            "NoticeText",
            "An undo that did not finish was abandoned: the counters and the roster datafile are as they "
            "were before it.");

    case NoticeCode::LayoutMissing:
        return QCoreApplication::translate("NoticeText", "The layout '%1' does not exist.");
    case NoticeCode::LayoutNotAFile:
        return QCoreApplication::translate("NoticeText", "The layout '%1' is not a file.");
    case NoticeCode::LayoutUnreadable:
        return QCoreApplication::translate("NoticeText", "The layout '%1' cannot be read: %2.");
    case NoticeCode::LayoutTooLarge:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' is larger than %2 MB, more than a layout may be.");
    case NoticeCode::LayoutNotText:
        return QCoreApplication::translate("NoticeText", "The layout '%1' is not a text file (UTF-8).");
    case NoticeCode::LayoutEmpty:
        return QCoreApplication::translate("NoticeText", "The layout '%1' is empty.");
    case NoticeCode::LayoutSaysNoReport:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' does not say what it prints: its [layout] section needs report = roster or "
            "report = remarks.");
    case NoticeCode::LayoutTextTooLarge:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' cannot be filled in: a text would be larger than %2 MB.");
    case NoticeCode::LayoutCannotFillIn:
        return QCoreApplication::translate("NoticeText", "The layout '%1' cannot be filled in: %2.");
    case NoticeCode::NoLayoutSet:
        return QCoreApplication::translate("NoticeText", "No layout is set.");
    case NoticeCode::LayoutDataFileNotSet:
        return QCoreApplication::translate("NoticeText",
                                           "The layout '%1' reads data file %2, which is not set.");
    case NoticeCode::NothingToWrite:
        return QCoreApplication::translate("NoticeText", "There is nothing to write into '%1'.");
    case NoticeCode::LayoutOldForm:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: this is a layout in the old HTML form, which this "
            "version no longer reads; run 'calendrix init DIR --repair' with DIR the unit folder (%3) to "
            "set it aside and install the new one.");
    case NoticeCode::LayoutSectionBrackets:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: a section name must stand in [ ].");
    case NoticeCode::LayoutNoSuchSection:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: there is no section [%3]; the sections are %4.");
    case NoticeCode::LayoutNotKeyValue:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: '%3' is neither a [section] nor a key = value.");
    case NoticeCode::LayoutKeyOutsideSection:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: a key must follow a [section].");
    case NoticeCode::LayoutNoSuchKey:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: [%3] has no key '%4'; its keys are %5.");
    case NoticeCode::LayoutKeySetTwice:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: '%3' is set twice (first in line %4).");
    case NoticeCode::LayoutBadReport:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: report must be roster or remarks, not '%3'.");
    case NoticeCode::LayoutBadDataFile:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the data file must be a number from 0 upwards.");
    case NoticeCode::LayoutBadOrientation:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the orientation must be portrait or landscape, not "
            "'%3'.");
    case NoticeCode::LayoutBadPaper:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the paper must be default, a3, a4, a5, letter or "
            "legal, not '%3'.");
    case NoticeCode::LayoutBadMargin:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the margins must be 0 to 50 millimetres: one "
            "for all sides, or left, top, right, bottom.");
    case NoticeCode::LayoutMarginCount:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the margins are one number for all sides, or four: "
            "left, top, right, bottom.");
    case NoticeCode::LayoutBadFont:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: a font is a size in points from 3 to 72, then "
            "bold or italic if wanted, not '%3'.");
    case NoticeCode::LayoutNoSuchRosterColumn:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the roster has no column '%3'; it has %4.");
    case NoticeCode::LayoutNoSuchRemarksColumn:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: the remarks list has no column '%3'; it has %4.");
    case NoticeCode::LayoutColumnTwice:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: the column '%3' is shown twice.");
    case NoticeCode::LayoutNoColumn:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: at least one column must be shown.");
    case NoticeCode::LayoutBadMark:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: a mark is drawn bold, italic, in a "
                          "colour (#606060) and on a tint (tint #e4e4e4), not '%3'.");
    case NoticeCode::LayoutBadShade:
        return QCoreApplication::translate(
            "NoticeText",
            "The layout '%1' has an error in line %2: a shade is a colour (#d9d9d9) or none, not '%3'.");
    case NoticeCode::LayoutNestedTooDeep:
        return QCoreApplication::translate(
            "NoticeText", "The layout '%1' has an error in line %2: sections are nested more than %3 deep.");
    case NoticeCode::LayoutBadTag:
        return QCoreApplication::translate("NoticeText", "The layout '%1' has an error in line %2: %3.");

    case NoticeCode::DatafileIsFolder:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is a folder; choose another name for the roster.");
    case NoticeCode::CannotKeepReplacedFile:
        return QCoreApplication::translate("NoticeText", "Cannot keep '%1' while it is replaced: %2");
    case NoticeCode::CannotPutBackFile:
        //: %1 is the file, %2 the system's reason, %3 the file kept aside
        return QCoreApplication::translate("NoticeText", "Cannot put '%3' back in place of '%1': %2");
    case NoticeCode::CannotCreateUnitFolder:
        return QCoreApplication::translate("NoticeText", "Cannot create the folder '%1'.");
    case NoticeCode::CannotCreateUnitFile:
        return QCoreApplication::translate("NoticeText", "Cannot create '%1'.");
    case NoticeCode::CannotReadWorkingDatabase:
        return QCoreApplication::translate("NoticeText", "Cannot read: %1 ('%2')");
    case NoticeCode::OptionFileNoFile:
        return QCoreApplication::translate("NoticeText", "'%1' cannot be read as an option file: %2");
    case NoticeCode::RowNotSaved:
        return QCoreApplication::translate("NoticeText", "The row could not be saved.");
    case NoticeCode::NoUnitOpen:
        return QCoreApplication::translate("NoticeText",
                                           "There is no unit open: its files could not be opened.");
    case NoticeCode::NoUnitFilesOpen:
        return QCoreApplication::translate(
            "NoticeText", "There is no unit open: the unit's files in %1 could not be opened.");
    case NoticeCode::NoRecords:
        return u"%1"_s;
    case NoticeCode::DatafileBadColumnDate:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster datafile '%1' is damaged: duty '%2' has '%3' as the date of column %4.");
    case NoticeCode::DatafileBadLastDay:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster datafile '%1' is damaged: duty '%2' has '%3' as the last day of column %4.");
    case NoticeCode::DatafileReadStopped:
        return QCoreApplication::translate("NoticeText", "Reading '%1' was stopped.");
    case NoticeCode::FileHeldByProgram:
        return QCoreApplication::translate(
            "NoticeText",
            "'%1' is in use by another program, %3 (process %2); close it there and try again.");
    case NoticeCode::FileHeldByProcess:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is in use by another program (process %2); close it there and try again.");
    case NoticeCode::HistoryNotAnEntry:
        return QCoreApplication::translate("NoticeText", "'%1' is not a change kept by Calendrix for undo.");
    case NoticeCode::HistoryEntryUnreadable:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is not a change kept by Calendrix for undo, or it is damaged.");
    case NoticeCode::HistoryEntryOfOtherUnit:
        if (notice.values.value(1) == u"import")
            return QCoreApplication::translate("NoticeText", "'%1' is an import of another unit.");
        if (notice.values.value(1) == u"change")
            return QCoreApplication::translate("NoticeText", "'%1' is a replace or swap of another unit.");
        return QCoreApplication::translate("NoticeText", "'%1' is a roster run of another unit.");
    // Left by a change taken back, or by one killed before its commit.
    case NoticeCode::HistoryEntryTakenBack:
        if (notice.values.value(1) == u"import")
            return QCoreApplication::translate(
                "NoticeText", "'%1' is an import that was taken back, or that did not finish.");
        if (notice.values.value(1) == u"change")
            return QCoreApplication::translate(
                "NoticeText", "'%1' is a replace or swap that was taken back, or that did not finish.");
        return QCoreApplication::translate(
            "NoticeText", "'%1' is a roster run that was taken back, or that did not finish.");
    case NoticeCode::HistoryEntryLaterMissing:
        if (notice.values.value(1) == u"import")
            return QCoreApplication::translate(
                "NoticeText",
                "'%1' is an import that can no longer be taken back: a later change of the unit is missing.");
        if (notice.values.value(1) == u"change")
            return QCoreApplication::translate(
                "NoticeText", "'%1' is a replace or swap that can no longer be taken back: a "
                              "later change of the unit is missing.");
        return QCoreApplication::translate(
            "NoticeText",
            "'%1' is a roster run that can no longer be taken back: a later change of the unit is missing.");
    case NoticeCode::UndoNotLastRun:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not the unit's last roster run; nothing was undone.");
    case NoticeCode::UndoCountersChanged:
        return NoticeText::counted(
            "NoticeText", count, "The counters of %n soldier were changed after that run.",
            QT_TRANSLATE_N_NOOP("NoticeText", "The counters of %n soldiers were changed after that run."));
    case NoticeCode::UndoDatesChanged:
        return NoticeText::counted(
            "NoticeText", count, "The assignment dates of %n soldier were changed after that run.",
            QT_TRANSLATE_N_NOOP("NoticeText",
                                "The assignment dates of %n soldiers were changed after that run."));
    case NoticeCode::UndoCountersAndDatesChanged:
        // %n counts the soldiers whose counters changed; the dates' count
        // chooses between the two sentences.
        if (notice.values.value(1).toInt() == 1)
            return NoticeText::counted(
                "NoticeText", notice.values.value(0).toInt(),
                "The counters of %n soldier and the assignment dates of %2 soldier were changed after that "
                "run.",
                //: %2 is a number of soldiers (here 1)
                QT_TRANSLATE_N_NOOP("NoticeText",
                                    "The counters of %n soldiers and the assignment dates of %2 "
                                    "soldier were changed after that run."));
        return NoticeText::counted(
            "NoticeText", notice.values.value(0).toInt(),
            "The counters of %n soldier and the assignment dates of %2 soldiers were changed after that run.",
            //: %2 is a number of soldiers
            QT_TRANSLATE_N_NOOP("NoticeText", "The counters of %n soldiers and the assignment dates of %2 "
                                              "soldiers were changed after that run."));
    case NoticeCode::UndoCountersChangedAfterChange:
        return NoticeText::counted(
            "NoticeText", count, "The counters of %n soldier were changed after that replace or swap.",
            QT_TRANSLATE_N_NOOP("NoticeText",
                                "The counters of %n soldiers were changed after that replace or swap."));
    case NoticeCode::UndoDatesChangedAfterChange:
        return NoticeText::counted(
            "NoticeText", count,
            "The assignment dates of %n soldier were changed after that replace or swap.",
            QT_TRANSLATE_N_NOOP("NoticeText", "The assignment dates of %n soldiers were "
                                              "changed after that replace or swap."));
    case NoticeCode::UndoCountersAndDatesChangedAfterChange:
        if (notice.values.value(1).toInt() == 1)
            return NoticeText::counted(
                "NoticeText", notice.values.value(0).toInt(),
                "The counters of %n soldier and the assignment dates of %2 soldier were "
                "changed after that replace or swap.",
                //: %2 is a number of soldiers (here 1)
                QT_TRANSLATE_N_NOOP("NoticeText", "The counters of %n soldiers and the assignment dates "
                                                  "of %2 soldier were changed after that replace or swap."));
        return NoticeText::counted(
            "NoticeText", notice.values.value(0).toInt(),
            "The counters of %n soldier and the assignment dates of %2 soldiers were "
            "changed after that replace or swap.",
            //: %2 is a number of soldiers
            QT_TRANSLATE_N_NOOP("NoticeText", "The counters of %n soldiers and the assignment dates of "
                                              "%2 soldiers were changed after that replace or swap."));
    case NoticeCode::UndoDatafileGone:
        return QCoreApplication::translate("NoticeText",
                                           "The roster datafile of that run, '%1', is no longer there.");
    case NoticeCode::UndoDatafileReplaced:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is no longer the roster datafile that run made; it stays where it is.");
    case NoticeCode::UndoCannotKeepDatafile:
        return QCoreApplication::translate("NoticeText", "Cannot keep '%1' in '%2': %3");
    case NoticeCode::UndoCannotPutBack:
        return QCoreApplication::translate("NoticeText", "Cannot put '%1' back as '%2': %3");
    case NoticeCode::HistoryCannotRead:
        return QCoreApplication::translate("NoticeText", "Cannot read: %1 ('%2')");
    case NoticeCode::HistoryCannotWrite:
        return QCoreApplication::translate("NoticeText", "Cannot write: %1 ('%2')");
    case NoticeCode::HistoryCannotRestore:
        return QCoreApplication::translate("NoticeText", "Cannot restore: %1 ('%2')");
    case NoticeCode::HistoryCannotReadCounters:
        return QCoreApplication::translate("NoticeText", "Cannot read the counters of: %1 ('%2')");
    case NoticeCode::HistoryCannotReadDates:
        return QCoreApplication::translate("NoticeText", "Cannot read the assignment dates of: %1 ('%2')");
    case NoticeCode::ExportIsDatafile:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is the datafile; choose another name for the export.");
    case NoticeCode::ExportNamedTwice:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is named for two exports; choose one name for each.");
    case NoticeCode::ExportFolderIsFile:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not a folder; calendars are written into a folder.");
    case NoticeCode::ExportCannotMakeFolder:
        return QCoreApplication::translate("NoticeText", "The folder '%1' cannot be made.");
    case NoticeCode::ExportCannotWriteSpreadsheet:
        return QCoreApplication::translate("NoticeText", "The file '%1' cannot be written: %2.");
    case NoticeCode::DemoStartTooLate:
        return QCoreApplication::translate(
            "NoticeText", "The example unit cannot start after %1: its periods would run past %2.");
    case NoticeCode::DemoFolderHoldsUnit:
        return QCoreApplication::translate(
            "NoticeText", "'%1' already holds a unit; the example unit needs a new or empty folder.");
    case NoticeCode::ImportUnknownColumn:
        return QCoreApplication::translate(
            "NoticeText",
            "The column '%1' is none of those a file of soldiers has: Name (or Soldier), Rank, "
            "Section (or Comment, Platoon) and the titles of the qualifications in Setup (or Q1 "
            "to Q15).");
    case NoticeCode::ImportTitleShared:
        //: %2 lists qualifications by number ("Q2, Q5"), %3 is the first of them
        return QCoreApplication::translate(
            "NoticeText", "The column '%1' could hold any of the qualifications %2, whose titles in Setup "
                          "read the same: head it with the number of the one it holds (such as %3), or give "
                          "each qualification a title of its own.");
    case NoticeCode::ImportUnknownAbsenceColumn:
        return QCoreApplication::translate("NoticeText",
                                           "The column '%1' is none of those a file of absences "
                                           "has: Name (or Soldier), From, To and Remark (or Reason).");
    case NoticeCode::ImportUnknownHolidayColumn:
        return QCoreApplication::translate("NoticeText",
                                           "The column '%1' is none of those a file of holidays "
                                           "has: Title (or Name, Holiday, Summary), From and To.");
    case NoticeCode::ImportUnknownScheduleColumn:
        return QCoreApplication::translate(
            "NoticeText",
            "The column '%1' is none of those a file of work schedules has: Duty, From and To.");
    case NoticeCode::ImportMissingColumn:
        return QCoreApplication::translate("NoticeText", "The file has no column '%1'.");
    case NoticeCode::ImportEmptyName:
        return QCoreApplication::translate("NoticeText", "The name is empty.");
    case NoticeCode::ImportNameTooLong:
        return QCoreApplication::translate("NoticeText", "The name '%1' is longer than %2 characters.");
    case NoticeCode::ImportNameTwice:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is in the file twice; the first is on line %2.");
    case NoticeCode::ImportUnknownRank:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is not a rank: give its abbreviation, such as PV2, or its code, such as B.");
    case NoticeCode::ImportNotYesNo:
        return QCoreApplication::translate("NoticeText", "'%1' in the column '%2' is neither yes nor no.");
    case NoticeCode::ImportNotADate:
        //: %3 is 26 March 2027 in the short form of the clerk's language, which the import reads
        //: as well as the form given here
        return QCoreApplication::translate(
            "NoticeText", "'%1' in the column '%2' is not a date. Write a day as 2027-03-26 or as %3.");
    case NoticeCode::ImportToBeforeFrom:
        return QCoreApplication::translate("NoticeText", "The last day, %2, comes before the first day, %1.");
    case NoticeCode::ImportSoldierExists:
        return QCoreApplication::translate("NoticeText", "The soldier '%1' is already in the unit.");
    case NoticeCode::ImportUnknownSoldier:
        return QCoreApplication::translate("NoticeText", "There is no soldier '%1' in the unit.");
    case NoticeCode::ImportUnknownDuty:
        return QCoreApplication::translate("NoticeText", "There is no duty '%1' in the unit.");
    case NoticeCode::ImportOverlapsAbsence:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is already absent on some of the days from %2 to %3; the row is left out.");
    case NoticeCode::ImportOverlapsHoliday:
        return QCoreApplication::translate(
            "NoticeText", "A holiday already falls on some of the days from %2 to %3; '%1' is left out.");
    case NoticeCode::ImportEndedBeforeToday:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' from %2 to %3 ended before today; the row is left out.");
    case NoticeCode::UndoPersonnelChanged:
        return QCoreApplication::translate(
            "NoticeText",
            "The soldiers, absences, holidays or work schedules were changed after that import.");

    case NoticeCode::WorkbookNotAFile:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not a file; a workbook (.xlsx) is read from a file.");
    case NoticeCode::WorkbookNotAZip:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not a workbook (.xlsx): it is not a zip archive.");
    case NoticeCode::WorkbookWithoutWorkbook:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not a workbook (.xlsx): it holds no workbook part.");
    case NoticeCode::WorkbookWithoutSheets:
        return QCoreApplication::translate("NoticeText", "The workbook '%1' has no sheet.");
    case NoticeCode::WorkbookSheetNotFound:
        return QCoreApplication::translate("NoticeText",
                                           "The workbook '%1' has no sheet named '%2'; its sheets are %3.");
    case NoticeCode::WorkbookPartMissing:
        return QCoreApplication::translate("NoticeText",
                                           "The workbook '%1' is damaged: its part %2 is missing.");
    case NoticeCode::WorkbookPartTooLarge:
        return QCoreApplication::translate(
            "NoticeText", "The workbook '%1' cannot be read: its part %2 unpacks to more than %3 MB.");
    case NoticeCode::WorkbookPartTooDense:
        return QCoreApplication::translate(
            "NoticeText", "The workbook '%1' cannot be read: its part %2 is packed far more densely than a "
                          "workbook's data can be.");
    case NoticeCode::WorkbookPartDamaged:
        return QCoreApplication::translate("NoticeText",
                                           "The workbook '%1' is damaged: its part %2 cannot be unpacked.");
    case NoticeCode::WorkbookPartWithDtd:
        return QCoreApplication::translate(
            "NoticeText", "The workbook '%1' cannot be read: its part %2 declares a document type, which a "
                          "workbook never does.");
    case NoticeCode::WorkbookPartMalformed:
        return QCoreApplication::translate(
            "NoticeText", "The workbook '%1' is damaged: its part %2 is not well-formed XML at line %3: %4");
    case NoticeCode::WorkbookCellOutside:
        return QCoreApplication::translate(
            "NoticeText",
            "The workbook '%1' cannot be read: cell %3 of sheet '%2' lies outside the largest sheet, "
            "which ends at %4.");
    case NoticeCode::WorkbookTooManyCells:
        return QCoreApplication::translate(
            "NoticeText", "The workbook '%1' cannot be read: sheet '%2' holds more than %3 cells.");
    case NoticeCode::WorkbookBadCell:
        return QCoreApplication::translate(
            "NoticeText",
            "The workbook '%1' is damaged: cell %3 of sheet '%2' holds '%4', which is not a value of "
            "its type.");

    case NoticeCode::ForeignCannotRead:
        return QCoreApplication::translate("NoticeText", "'%1' cannot be read: %2.");
    case NoticeCode::ForeignTooLarge:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is too large to read: files of up to %2 MB are read.");
    case NoticeCode::ForeignNotText:
        return QCoreApplication::translate("NoticeText",
                                           "'%1' is not a text file: it holds binary data at line %2.");
    case NoticeCode::CsvTooManyColumns:
        return QCoreApplication::translate("NoticeText", "Line %2 of '%1' has more than %3 columns.");
    case NoticeCode::CsvTooManyCells:
        return QCoreApplication::translate(
            "NoticeText",
            "'%1' holds more than %3 cells (the last read at line %2); split it into smaller files.");
    case NoticeCode::CsvUnclosedQuote:
        return QCoreApplication::translate(
            "NoticeText", "'%1' ends inside quotes: a quoted field of the row at line %2 is never closed.");
    case NoticeCode::CalendarNotCalendar:
        return QCoreApplication::translate("NoticeText", "'%1' is not a calendar (iCalendar file).");
    case NoticeCode::CalendarTooManyRepeats:
        return QCoreApplication::translate(
            "NoticeText", "The events of '%1' repeat more than %2 times in all; it cannot be read.");

    case NoticeCode::ImportCalendarNotHolidays:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is a calendar: only holidays are imported from a calendar (.ics).");

    case NoticeCode::ChangeAbsent:
        return QCoreApplication::translate("NoticeText", "Absent from %1 to %2.");
    case NoticeCode::ChangeOnDuty:
        return QCoreApplication::translate("NoticeText", "On duty %1 from %2 to %3.");
    case NoticeCode::ChangeOnOtherRoster:
        return QCoreApplication::translate("NoticeText", "On a duty of another roster from %1 to %2.");
    case NoticeCode::ChangeSameDuty:
        return QCoreApplication::translate("NoticeText",
                                           "Already on this duty in an overlapping period, from %1 to %2.");
    case NoticeCode::ChangeUnknownDuty:
        return QCoreApplication::translate("NoticeText", "The roster datafile '%2' has no duty '%1'.");
    case NoticeCode::ChangeUnknownPeriod:
        return QCoreApplication::translate("NoticeText", "Duty '%1' has no period %2 on this roster.");
    case NoticeCode::ChangeNoPeriodOnDay:
        return QCoreApplication::translate("NoticeText", "Duty '%1' has no period on %2 on this roster.");
    case NoticeCode::ChangeNobodyStands:
        return QCoreApplication::translate("NoticeText", "Nobody stands duty '%1' from %2 to %3.");
    case NoticeCode::ChangeNotQualified:
        return QCoreApplication::translate(
            "NoticeText", "%1 is not qualified for duty '%2', or has no row for it on this roster.");
    case NoticeCode::ChangeNotFree:
        //: %1 says why (a whole sentence), %2 is the soldier
        return QCoreApplication::translate("NoticeText", "%2 cannot take that period. %1");
    case NoticeCode::ChangeNoFreeCandidate:
        return QCoreApplication::translate("NoticeText",
                                           "No qualified soldier is free for duty '%1' from %2 to %3.");
    case NoticeCode::ChangeAlreadyStanding:
        return QCoreApplication::translate("NoticeText", "%1 already stands that period.");
    case NoticeCode::ChangeSamePeriod:
        return QCoreApplication::translate("NoticeText",
                                           "A period of duty '%1' cannot be swapped with itself.");
    case NoticeCode::ChangeFailed:
        return QCoreApplication::translate(
            "NoticeText", "The roster datafile could not be changed; nothing was changed.\n%1");
    case NoticeCode::ChangeStandsAnother:
        return QCoreApplication::translate("NoticeText",
                                           "%4 stands duty '%1' from %2 to %3 now, not %5: the roster "
                                           "datafile has changed since it was read.");
    case NoticeCode::UndoDatafileChanged:
        return QCoreApplication::translate("NoticeText",
                                           "The roster datafile '%1' was changed after that change.");
    case NoticeCode::UndoDatafileAnother:
        return QCoreApplication::translate(
            "NoticeText",
            "'%1' is not the roster datafile that change was made in but another file under its name, as in "
            "a copy of the unit: an undo takes back the counters and assignment dates alone and leaves it as "
            "it is.");
    case NoticeCode::UndoDatafileMissing:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster datafile '%1' that change was made in is no longer there: an undo takes "
            "back the counters and assignment dates alone.");
    case NoticeCode::ChangeFileRestored:
        return QCoreApplication::translate(
            "NoticeText",
            "The replace or swap, or its undo, that was changing '%1' did not finish; the file is as it "
            "was before it, and so are the counters.");
    case NoticeCode::ChangeFileKeptAside:
        return QCoreApplication::translate(
            "NoticeText",
            "The replace or swap, or its undo, that was changing '%1' did not finish; the counters are "
            "as "
            "they were before it. The file it replaced is kept as '%2'.");
    case NoticeCode::ChangeOwnFile:
        return QCoreApplication::translate(
            "NoticeText", "'%1' is one of the unit's own files, not a roster datafile to change.");
    case NoticeCode::UndoKeptDatafileMissing:
        return QCoreApplication::translate(
            "NoticeText",
            "The roster datafile as it was before the change, '%1', is missing; the change cannot be "
            "undone.");
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
        return QCoreApplication::translate("NoticeText", "the file is locked by another program");
    case StoreErrorCode::ReadOnly:
        return QCoreApplication::translate("NoticeText", "the file cannot be written (read-only)");
    case StoreErrorCode::IoError:
        return QCoreApplication::translate("NoticeText", "a disk error occurred");
    case StoreErrorCode::Corrupt:
        return QCoreApplication::translate("NoticeText", "the file is damaged");
    case StoreErrorCode::DiskFull:
        return QCoreApplication::translate("NoticeText", "the disk is full");
    case StoreErrorCode::CannotOpen:
        return QCoreApplication::translate("NoticeText", "the file cannot be opened");
    case StoreErrorCode::Constraint:
        return QCoreApplication::translate("NoticeText", "the change breaks a rule of the file");
    case StoreErrorCode::WrongFileKind:
        return QCoreApplication::translate("NoticeText", "the file is not a database");
    default:
        return systemWords;
    }
}

// The words for a file's kind and for what a file system object is, which
// the store names by key (Layouts::kindKey, UnitFolder::fileType).
QString kindWords(const QString &key)
{
    if (key == u"personnel")
        return QCoreApplication::translate("NoticeText", "personnel database");
    if (key == u"working")
        return QCoreApplication::translate("NoticeText", "working database");
    if (key == u"template")
        return QCoreApplication::translate("NoticeText", "roster template");
    return QCoreApplication::translate("NoticeText", "roster datafile");
}

QString typeWords(const QString &key)
{
    if (key.startsWith(u"link:"))
        return QCoreApplication::translate("NoticeText", "a link to %1").arg(typeWords(key.mid(5)));
    static const QHash<QString, QString> words{
        {u"folder"_s, QCoreApplication::translate("NoticeText", "a folder")},
        {u"fifo"_s, QCoreApplication::translate("NoticeText", "a FIFO (named pipe)")},
        {u"device"_s, QCoreApplication::translate("NoticeText", "a device")},
        {u"socket"_s, QCoreApplication::translate("NoticeText", "a socket")},
        {u"file"_s, QCoreApplication::translate("NoticeText", "a file")},
        {u"link"_s, QCoreApplication::translate("NoticeText", "a link to nothing")}};
    return words.value(key, QCoreApplication::translate("NoticeText", "not a regular file"));
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
    case NoticeCode::OutputNotAFile:
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

// Values that are paths are shown the way the clerk's system writes them,
// and days the way his language writes them.
QString shown(const QString &value)
{
    if (value.startsWith(u'/'))
        return QDir::toNativeSeparators(value);
    if (value.size() != 10 || value[4] != u'-' || value[7] != u'-')
        return value;
    const QDate day = QDate::fromString(value, Qt::ISODate);
    return day.isValid() ? NoticeText::day(day) : value;
}

} // namespace

QString NoticeText::day(const QDate &date)
{
    if (Language::current() == u"en")
        return date.toString(Qt::ISODate);
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    return locale.toString(date, format);
}

QString NoticeText::when(const QDateTime &moment)
{
    const QDateTime local = moment.toLocalTime();
    return day(local.date()) + u' ' + local.time().toString(u"HH:mm:ss"_s);
}

QString NoticeText::plural(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many;
}

QString NoticeText::counted(const char *context, int n, const char *one, const char *many)
{
    const QString number = QString::number(n);
    const QString translated = QCoreApplication::translate(context, many, nullptr, n);
    // Untranslated, Qt hands back the message itself, whatever n is.
    if (translated != QString::fromUtf8(many).replace(u"%n"_s, number))
        return translated;
    return QString::fromUtf8(n == 1 ? one : many).replace(u"%n"_s, number);
}

QStringList NoticeText::skippedEvents(int timed, int past)
{
    QStringList sentences;
    if (timed > 0)
        sentences.append(
            counted("NoticeText", timed, "%n event with a time of day was skipped.",
                    QT_TRANSLATE_N_NOOP("NoticeText", "%n events with a time of day were skipped.")));
    if (past > 0)
        sentences.append(
            counted("NoticeText", past, "%n event that ended before today was skipped.",
                    QT_TRANSLATE_N_NOOP("NoticeText", "%n events that ended before today were skipped.")));
    return sentences;
}

QString NoticeText::howRead(const QString &encoding, const QString &separator)
{
    QString text = encoding == u"utf-8-bom"_s
                       ? QCoreApplication::translate(
                             "NoticeText", "The file was read as UTF-8 text with a byte-order mark.")
                   : encoding == u"windows-1252"_s
                       ? QCoreApplication::translate("NoticeText", "The file was read as Windows-1252 text.")
                       : QCoreApplication::translate("NoticeText", "The file was read as UTF-8 text.");
    text += u' ';
    if (separator == u"\t"_s)
        text += QCoreApplication::translate("NoticeText", "Its columns are separated by tabs.");
    else if (separator == u";"_s)
        text += QCoreApplication::translate("NoticeText", "Its columns are separated by semicolons.");
    else if (separator == u","_s)
        text += QCoreApplication::translate("NoticeText", "Its columns are separated by commas.");
    else
        text += QCoreApplication::translate("NoticeText", "It has one column.");
    return text;
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
    // %n counts the duties; the periods' count chooses between the two sentences.
    const QString text =
        periods == 1
            ? counted(
                  "NoticeText", duties, "the roster run of %1, which made '%2' (%n duty, %3 period filled)",
                  //: %1 is a date and time, %2 a datafile, %3 a number of periods (here 1)
                  QT_TRANSLATE_N_NOOP("NoticeText",
                                      "the roster run of %1, which made '%2' (%n duties, %3 period filled)"))
            : counted(
                  "NoticeText", duties, "the roster run of %1, which made '%2' (%n duty, %3 periods filled)",
                  //: %1 is a date and time, %2 a datafile, %3 a number of periods
                  QT_TRANSLATE_N_NOOP(
                      "NoticeText", "the roster run of %1, which made '%2' (%n duties, %3 periods filled)"));
    return text.arg(time, shown(datafile), QString::number(periods));
}

QString NoticeText::changeDescription(const RunHistory::Entry &e)
{
    if (e.kind == u"replace"_s)
        return QCoreApplication::translate("NoticeText",
                                           "the replace of %1 in '%2': %3 by %4 on duty '%5', period %6")
            .arg(when(e.made), shown(e.datafile), e.soldierOff, e.soldierOn, e.duty,
                 QString::number(e.column));
    if (e.kind == u"swap"_s)
        return QCoreApplication::translate(
                   "NoticeText", "the swap of %1 in '%2': %3 and %4 trade periods %5 and %6 of duty '%7'")
            .arg(when(e.made), shown(e.datafile), e.soldierOff, e.soldierOn, QString::number(e.column),
                 QString::number(e.otherColumn), e.duty);
    if (!e.isImport())
        return runDescription(when(e.made), e.datafile, e.duties, e.periods);
    const QString time = when(e.made), file = shown(e.datafile), added = QString::number(e.added);
    if (e.kind == u"soldiers"_s)
        return QCoreApplication::translate("NoticeText",
                                           "the import of soldiers of %1 from '%2' (%3 added, %4 updated)")
            .arg(time, file, added, QString::number(e.updated));
    if (e.kind == u"absences"_s)
        return QCoreApplication::translate("NoticeText", "the import of absences of %1 from '%2' (%3 added)")
            .arg(time, file, added);
    if (e.kind == u"holidays"_s)
        return QCoreApplication::translate("NoticeText", "the import of holidays of %1 from '%2' (%3 added)")
            .arg(time, file, added);
    return QCoreApplication::translate("NoticeText",
                                       "the import of work schedules of %1 from '%2' (%3 added)")
        .arg(time, file, added);
}

QString NoticeText::undoFailed(const RunHistory::Entry *entry)
{
    if (entry && entry->isImport())
        return QCoreApplication::translate("NoticeText",
                                           "The import could not be undone; nothing was changed.");
    if (entry && entry->isRosterChange())
        return QCoreApplication::translate("NoticeText",
                                           "The replace or swap could not be undone; nothing was changed.");
    return QCoreApplication::translate("NoticeText",
                                       "The roster run could not be undone; nothing was changed.");
}

QString NoticeText::undoLeftFile(const RunHistory::Entry *entry)
{
    if (entry && entry->isImport())
        return QCoreApplication::translate("NoticeText",
                                           "The import was undone, but a file could not be removed.");
    if (entry && entry->isRosterChange())
        return QCoreApplication::translate(
            "NoticeText", "The replace or swap was undone, but a file could not be removed.");
    return QCoreApplication::translate("NoticeText",
                                       "The roster run was undone, but a file could not be removed.");
}

QString NoticeText::lastChangeUnreadable(const QString &historyFolder)
{
    return QCoreApplication::translate(
               "NoticeText", "The unit's last change cannot be undone: its file in the history folder "
                             "'%1' is missing or cannot be read. No earlier change is undone before it.")
        .arg(QDir::toNativeSeparators(historyFolder));
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
        return QCoreApplication::translate("NoticeText", "INFORMATION");
    case Notice::Kind::Warning:
        return QCoreApplication::translate("NoticeText", "WARNING");
    case Notice::Kind::Error:
        return QCoreApplication::translate("NoticeText", "ERROR");
    case Notice::Kind::Plain:
        break;
    }
    return {};
}

} // namespace calendrix
