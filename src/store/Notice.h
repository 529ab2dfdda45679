#pragma once

#include <QStringList>

#include <vector>

namespace calendrix {

// What the program has to tell the clerk, without the words. The store, the
// run and the session say what happened as a code and the values that go
// with it; the window and the command line make the sentence (NoticeText),
// so that the words stand in one place and can be translated there.
//
// Codes are grouped by the layer that raises them. Add new ones at the end
// of their group; NoticeText's switch makes the compiler ask for a sentence.
enum class NoticeCode {
    // Settling a unit after a killed roster run or undo.
    SettleFailed, // %1: the error, its cause

    // Exporting a roster, printing to PDF, the fairness report.
    OutputIsUnitFile,        // %1: the file named for the output
    OutputNotAFile,          // %1: the name, %2: what stands there (UnitFolder::fileType, "link:...")
    PdfIsDatafileOrUnitFile, // %1: the file named for the PDF
    ExportIsUnitFile,        // %1: the file named for the export
    ExportDraft,             // %1: the datafile, %2: what its events and sheets say
    ExportLastDaysUnknown,   // %1: the datafile
    ExportStopped,
    ExportNeedsMemory,      // %1: the datafile
    ExportWroteCalendars,   // %n calendars, %1: the folder, %2: the soldiers, %3: cancelled assignments
    ExportWroteSpreadsheet, // %n duty sheets, %1: the file
    ExportWroteCsv,         // %n assignments, %1: the file

    // The roster run and the unit session around it.
    RunNoTarget,        //
    RunOwnFile,         // %1: the target, one of the unit's own files
    RunReplaceQuestion, // %1: the target's file name
    RunReplaceDeclined, // %1: the error number
    RunSettleFailed,    // %1: the error, its cause
    RunFailed,          // %1: the error, its cause
    RunCommitReported,  // %1: the error the commit reported (its cause), though it reached the file
    RunNoCandidate,     // %1: the duty, %2: the period's first day (ISO)
    RunNoCounterRow,    // %1: the soldier, %2: the duty
    RunColumnLimit,     // %1: the duty
    RunHolidayLimit,    //
    RunNotInDatafile,   // %1: the soldier
    RunFinished,        //
    RecordKeptAside,    // %1: the record, %2: where it is kept now
    InitNeedsRepair,    // %1: why, its cause, %2: the repair command

    // What settling did with a recovery record (RecoveryRecord) of a killed
    // roster run or undo.
    RunRecordNotAFile,    // %1: the record, %2: what was there, %3: where it was set aside
    UndoRecordNotAFile,   // the same
    RunRecordUnreadable,  // %1: the record
    UndoRecordUnreadable, // %1: the record
    RunFileRestored,      // %1: the roster datafile
    RunFileKeptAside,     // %1: the roster datafile, %2: the file it replaced
    RunFileRemoved,       // %1: the roster datafile
    UndoCompleted,
    UndoCompletedWithLeftovers, // %1: what could not be removed, its causes
    UndoAbandoned,

    // A database file refused an operation. %1 is the reason, which NoticeText
    // words from the error number (the system's own words, the first value,
    // when the number says nothing more); %2 the file, %3 on as the code says.
    DatabaseFailed,
    CannotOpenDatabase,
    CannotCheckDatabase,
    CannotCreateDatabase,
    CannotReadTableLayout, // %3: table
    CannotReadHeaderTable,
    CannotAddTable, // %3: table
    CannotStartWriting,
    CannotSaveChanges,
    CannotPrepareStatement,
    CannotWriteTable,   // %3: table
    CannotReadTable,    // %3: table
    CannotAddRow,       // %3: table
    CannotSaveRow,      // %3: table
    CannotDeleteRow,    // %3: table
    CannotCopyDatabase, // %3: source, %4: destination folder

    // Database files that are not what they should be; %1 is the file unless said.
    FileIsDanglingLink,    // %2: kind
    FileIsEmpty,           // %2: kind
    FileIsNotDatabase,     // %2: kind
    FileIsOtherKind,       // %2: its kind, %3: the kind wanted
    FileIsForeignDatabase, // %2: kind
    FileIsNoFile,          // %2: what it is, %3: kind
    FileFromNewerVersion,
    TableMissing,       // %1: table, %2: file
    TableLayoutDamaged, // %2: table, %3: kind
    HeaderRowMissing,
    FileDamaged,              // %1: kind, %2: file, %3: the system's words
    FileDamagedCannotCopy,    // %1: kind, %2: file, %3: the system's words
    DatabaseFileNotFound,     // %1: kind, %2: file
    DatabaseFileUnreadable,   // %1: kind, %2: file, %3: the system's words
    DatabaseFileNoPermission, // %1: kind, %2: file
    CannotReadFileHeader,
    NoDatabaseOpen,
    TransactionAlreadyOpen,

    // Record sets, fields and their values.
    TableNotInFile,      // %1: table, %2: kind, %3: file
    TableNotInKind,      // %1: table, %2: kind
    RecordSourceNotOpen, // %1: record source
    AppendTableNotOpen,  // %1: table
    NotSqliteConnection,
    RecordSetNotOpen,
    NoCurrentRecord,
    RecordDeleted,
    RecordDeletedByOther, // %1: table
    NoFieldNumber,        // %1: table, %2: ordinal
    NoSuchField,          // %1: table, %2: field
    ChangeWithoutEdit,
    UpdateWithoutEdit,
    KeyFieldReadOnly,  // %1: field
    InvalidFieldValue, // %1: value, %2: field
    NotADate,          // %1: text, %2: an example date, %3: the date format
    BadRecordSource,   // %1: the record source

    // The unit folder's lock; %1 is the folder unless said.
    UnitFolderMissing,
    UnitNotAFolder,
    UnitFolderNoPermission,
    UnitFolderDiskFull,
    LockFileIsLink,        // %1: the lock file
    LockFileIsOther,       // %1: the lock file, %2: what it is
    UnitFolderCannotLock,  // %2: the system's words
    UnitOpenElsewhere,     // %2: process, %3: computer
    UnitOpenElsewhereHere, // %2: process
    UnitInUse,

    // Faults in the unit's records that stop a roster run.
    CounterBeyondLargest,           // %1: soldier, %2: duty, %3: the sum
    StoredNormalCounterOutOfRange,  // %1: soldier, %2: duty, %3: the stored value
    StoredHolidayCounterOutOfRange, // %1: soldier, %2: duty, %3: the stored value
    PeriodWithoutFromDate,          // %1: duty
    PeriodWithoutToDate,            // %1: duty
    DutyNamedTwice,                 // %1: the name, trimmed
    TemplateWithoutHeaderRow,

    // A unit folder's own files and their repair; %1 is the file unless said.
    CannotReadFile,      // %2: the system's words
    CannotRenameFile,    // %2: the new name, %3: the system's words
    CannotRenameJournal, // %2: the file it belongs beside
    UnitFileUnreadable,  // %2: the system's words
    UnitFileNoFile,      // %2: what it is
    UnitFileEmpty,
    UnitFileNotText,
    OptionFileUnreadable, // %2: the system's words
    OptionFileNoNumber,
    HistoryNotAFolder, // %2: what it is

    // Printing a roster's two reports; %1 is why, the notice's cause.
    NeitherReportPrinted, // %2: the datafile
    RemarksNotPrinted,    // %2: the datafile
    RosterNotPrinted,     // %2: the datafile
    LayoutNeedsMemory,    // %1: the layout
    LayoutUnusable,       // %2: the layout

    // Putting a file in place; %1 is the file, %2 the system's words.
    CannotMakeFileBeside,
    NoFileBeside,
    CannotWriteFile,
    CannotWriteFileToDisk,
    FileExists,
    PdfCannotWrite,
    PdfCannotStart,
    PdfCannotFinish,
    CannotRemoveFile,
    CannotCreateFolder,

    // A report layout (.rpt) and the report made with it; %1 is the layout
    // unless said.
    LayoutMissing,
    LayoutNotAFile,
    LayoutUnreadable, // %2: the system's words
    LayoutTooLarge,   // %2: the limit in MB
    LayoutNotText,
    LayoutEmpty,
    LayoutSaysNoReport,
    LayoutTextTooLarge,   // %2: the limit in MB
    LayoutCannotFillIn,   // %2: the template library's words
    NoLayoutSet,          //
    LayoutDataFileNotSet, // %2: the data file's number
    NothingToWrite,       // %1: the file
    // A fault in one line of a layout: %1 the layout, %2 the line.
    LayoutOldForm,             // %3: the unit folder
    LayoutSectionBrackets,     //
    LayoutNoSuchSection,       // %3: the section, %4: the sections there are
    LayoutNotKeyValue,         // %3: the line's start
    LayoutKeyOutsideSection,   //
    LayoutNoSuchKey,           // %3: the section, %4: the key, %5: its keys
    LayoutKeySetTwice,         // %3: the key, %4: the line that set it first
    LayoutBadReport,           // %3: the value
    LayoutBadDataFile,         //
    LayoutBadOrientation,      // %3: the value
    LayoutBadPaper,            // %3: the value
    LayoutBadMargin,           //
    LayoutMarginCount,         //
    LayoutBadFont,             // %3: the value
    LayoutNoSuchRosterColumn,  // %3: the column, %4: the columns there are
    LayoutNoSuchRemarksColumn, // the same
    LayoutColumnTwice,         // %3: the column
    LayoutNoColumn,            //
    LayoutBadMark,             // %3: the value
    LayoutBadShade,            // %3: the value
    LayoutNestedTooDeep,       // %3: the depth allowed
    LayoutBadTag,              // %3: the template library's words

    // The unit folder's files and the windows' record sets.
    DatafileIsFolder,          // %1: the target
    CannotKeepReplacedFile,    // %1: the file, %2: the system's words
    CannotPutBackFile,         // %1: the file, %2: the system's words, %3: the copy kept aside
    CannotCreateUnitFolder,    // %1: the folder
    CannotCreateUnitFile,      // %1: the file
    CannotReadWorkingDatabase, // as DatabaseFailed
    OptionFileNoFile,          // %1: the file, %2: what it is
    RowNotSaved,               //
    NoUnitOpen,                //
    NoUnitFilesOpen,           // %1: the unit folder
    NoRecords,                 // %1: why, its cause
    // Reading a roster datafile for print, export and the preview.
    DatafileBadColumnDate, // %1: the datafile, %2: the duty, %3: the date's text, %4: the column
    DatafileBadLastDay,    // the same, %3: the last day's text
    DatafileReadStopped,   // %1: the datafile
    // A database file that another program holds locked; %1: the file, %2:
    // its process.
    FileHeldByProgram, // %3: the program's name
    FileHeldByProcess,
    // The run history: what its listing skips, what an undo found and did.
    HistoryNotAnEntry,      // %1: the file
    HistoryEntryUnreadable, // %1: the file
    // %1: the entry; the second value, run, import or change (a replace or
    // swap), picks the sentence that names what the entry keeps.
    HistoryEntryOfOtherUnit,
    HistoryEntryTakenBack,
    HistoryEntryLaterMissing,
    UndoNotLastRun,              // %1: the entry
    UndoCountersChanged,         // %n soldiers
    UndoDatesChanged,            // %n soldiers
    UndoCountersAndDatesChanged, // %1: soldiers whose counters, %2: soldiers whose dates changed
    UndoDatafileGone,            // %1: the datafile
    UndoDatafileReplaced,        // %1: the datafile
    UndoCannotKeepDatafile,      // %1: the datafile, %2: the history folder, %3: the system's words
    UndoCannotPutBack,           // %1: the datafile's copy, %2: the datafile, %3: the system's words
    // As the database failures above: %1 the reason, %2 the file.
    HistoryCannotRead,
    HistoryCannotWrite,
    HistoryCannotRestore,
    HistoryCannotReadCounters,
    HistoryCannotReadDates,
    // The files an export is to write; %1 is the file or folder named for it.
    ExportIsDatafile,
    ExportNamedTwice,
    ExportFolderIsFile,
    ExportCannotMakeFolder,
    ExportCannotWriteSpreadsheet, // %2: the spreadsheet library's reason

    // The example unit (calendrix demo).
    DemoStartTooLate,    // %1: the latest first day, %2: the last day its periods may reach
    DemoFolderHoldsUnit, // %1: the folder

    // Why a row of a file to import is refused or left out.
    ImportUnknownColumn, // %1: the column's title (a file of soldiers)
    ImportTitleShared,   // %1: the column's title, %2: the qualifications ("Q2, Q5"), %3: the first
    ImportUnknownAbsenceColumn,
    ImportUnknownHolidayColumn,
    ImportUnknownScheduleColumn,
    ImportMissingColumn, // %1: the column the file lacks
    ImportEmptyName,
    ImportNameTooLong,      // %1: the name, %2: the most characters
    ImportNameTwice,        // %1: the name, %2: the line it was first on
    ImportUnknownRank,      // %1: the rank as the file has it
    ImportNotYesNo,         // %1: the value, %2: the column
    ImportNotADate,         // %1: the value, %2: the column, %3: 26 March 2027 in the locale's short form
    ImportToBeforeFrom,     // %1: the first day, %2: the last day
    ImportSoldierExists,    // %1: the name
    ImportUnknownSoldier,   // %1: the name
    ImportUnknownDuty,      // %1: the duty
    ImportOverlapsAbsence,  // %1: the name, %2 and %3: the days
    ImportOverlapsHoliday,  // %1: the holiday's name, %2 and %3: the days
    ImportEndedBeforeToday, // %1: the soldier, holiday or duty, %2 and %3: the days
    UndoPersonnelChanged,

    // Reading other programs' files: workbooks (XlsxReader). %1 is the file,
    // %2 the part of it (a path inside the zip) or the sheet.
    WorkbookNotAFile, // a folder, a pipe, a device
    WorkbookNotAZip,
    WorkbookWithoutWorkbook,
    WorkbookWithoutSheets,
    WorkbookSheetNotFound, // %2: the sheet asked for, %3: the workbook's sheets, quoted, comma-separated
    WorkbookPartMissing,
    WorkbookPartTooLarge, // %3: the bound in MB
    WorkbookPartTooDense,
    WorkbookPartDamaged, // cannot be unpacked
    WorkbookPartWithDtd,
    WorkbookPartMalformed, // %3: the line, %4: the XML parser's words
    WorkbookCellOutside,   // %2: the sheet, %3: the cell, %4: the last cell a sheet can have
    WorkbookTooManyCells,  // %2: the sheet, %3: the bound
    WorkbookBadCell,       // %2: the sheet, %3: the cell, %4: what it holds

    // Reading other programs' files: CSV and iCalendar. %1 is the file.
    ForeignCannotRead,      // %2: the system's words
    ForeignTooLarge,        // %2: the largest file read, in MB
    ForeignNotText,         // %2: the line of the first binary byte
    CsvTooManyColumns,      // %2: the line, %3: the most columns read
    CsvTooManyCells,        // %2: the line, %3: the most cells read
    CsvUnclosedQuote,       // %2: the line the row with the open quote begins on
    CalendarNotCalendar,    //
    CalendarTooManyRepeats, // %2: the most occurrences read

    // Choosing a file to import.
    ImportCalendarNotHolidays, // %1: the file

    // Replacing and swapping soldiers on a made roster.
    ChangeAbsent,            // %1, %2: the absence's first and last day
    ChangeOnDuty,            // %1: the other duty, %2, %3: its period's first and last day
    ChangeOnOtherRoster,     // %1, %2: an assignment's first and last day, of another roster
    ChangeSameDuty,          // %1, %2: the overlapping period's first and last day
    ChangeUnknownDuty,       // %1: the duty, %2: the datafile
    ChangeUnknownPeriod,     // %1: the duty, %2: the period's number asked for
    ChangeNoPeriodOnDay,     // %1: the duty, %2: the day asked for
    ChangeNobodyStands,      // %1: the duty, %2, %3: the period's first and last day
    ChangeNotQualified,      // %1: the soldier, %2: the duty
    ChangeNotFree,           // %1: why (a cause), %2: the soldier
    ChangeNoFreeCandidate,   // %1: the duty, %2, %3: the period's first and last day
    ChangeAlreadyStanding,   // %1: the soldier
    ChangeSamePeriod,        // %1: the duty
    ChangeFailed,            // %1: why (a cause)
    ChangeStandsAnother,     // %1: the duty, %2, %3: the period's days, %4: who stands it, %5: who was seen
    UndoDatafileChanged,     // %1: the datafile
    UndoDatafileAnother,     // %1: the datafile; another file stands under its name
    UndoDatafileMissing,     // %1: the datafile; none stands under its name
    UndoKeptDatafileMissing, // %1: the datafile as it was, kept in history/
    ChangeFileRestored,      // %1: the datafile
    ChangeFileKeptAside,     // %1: the datafile, %2: the file it replaced, kept
    ChangeOwnFile,           // %1: the file

    // What changed after a replace or swap, as the Undo*Changed of a run.
    UndoCountersChangedAfterChange,         // %n soldiers
    UndoDatesChangedAfterChange,            // %n soldiers
    UndoCountersAndDatesChangedAfterChange, // %1: soldiers whose counters, %2: soldiers whose dates changed
};

struct Notice {
    enum class Kind {
        Plain,       // no title word ("Finished")
        Information, // "INFORMATION"
        Warning,     // "WARNING"
        Error,       // "ERROR"
    };

    Kind kind = Kind::Information;
    NoticeCode code;
    // The sentence's placeholders %1, %2... in this order: file names as they
    // are (the face shows them natively), numbers as text, a file's kind as
    // Layouts::kindKey names it and a file system object as
    // UnitFolder::fileType does.
    QStringList values;
    // For sentences that say how many (%n); -1 when the sentence counts nothing.
    int count = -1;
    // The error number told with an error ("(error 3204)"); 0 for none.
    int number = 0;
    // What this notice reports on (the error that stopped a run, the files
    // an undo left), worded into its sentence as %1, one a line, ahead of
    // its own values.
    std::vector<Notice> causes = {};

    // This notice told because of another, usually an error's.
    static Notice because(Notice notice, const Notice &cause)
    {
        notice.causes.push_back(cause);
        return notice;
    }
};

using Notices = QList<Notice>;

} // namespace calendrix
