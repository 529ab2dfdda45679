#pragma once

#include <QStringList>

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
    SettleFailed, // %1: the reason

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
    UnitLocked,         // %1: why the unit folder cannot be taken (missing, held by another copy)
    RunNoTarget,        //
    RunOwnFile,         // %1: the target, one of the unit's own files
    RunReplaceQuestion, // %1: the target's file name
    RunReplaceDeclined, // %1: the error number
    RunSettleFailed,    // %1: the reason
    RunFailed,          // %1: the reason
    RunCommitReported,  // %1: the error the commit reported, though it reached the file
    RunNoCandidate,     // %1: the duty, %2: the period's first day (ISO)
    RunNoCounterRow,    // %1: the soldier, %2: the duty
    RunColumnLimit,     // %1: the duty
    RunHolidayLimit,    //
    RunNotInDatafile,   // %1: the soldier
    RunFinished,        //
    RecordKeptAside,    // %1: the record, %2: where it is kept now
    InitNeedsRepair,    // %1: why, %2: the repair command

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
    UndoCompletedWithLeftovers, // %1: what could not be removed, a line each
    UndoAbandoned,
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
};

using Notices = QList<Notice>;

} // namespace calendrix
