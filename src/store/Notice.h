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

    // An error worded by code that does not say it with a code yet: %1 is the text.
    ReadyText,

    // A database file refused an operation. %1 is the reason, which NoticeText
    // words from the error number (the system's own words, the first value,
    // when the number says nothing more); %2 the file, %3 on as the code says.
    DatabaseFailed,
    DatabaseFailedDoing, // %3: what was being done, in the caller's words
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
    CannotWriteToDisk,
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
    TemplateWithoutHeaderRow,

    // A unit folder's own files and their repair; %1 is the file unless said.
    CannotReadFile,      // %2: the system's words
    CannotRenameFile,    // %2: the new name, %3: the system's words
    CannotRenameJournal, // %2: the file it belongs beside
    UnitFileUnreadable,  // %2: the system's words
    UnitFileNoFile,      // %2: what it is
    UnitFileEmpty,
    UnitFileNotText,
    OptionFileUnreadable, // %2: the system's words or what it is
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

    // The files an export is to write; %1 is the file or folder named for it.
    ExportIsDatafile,
    ExportNamedTwice,
    ExportFolderIsFile,
    ExportCannotMakeFolder,
    ExportCannotWriteSpreadsheet, // %2: the spreadsheet library's reason
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
    // are (the face shows them natively), numbers as text.
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
