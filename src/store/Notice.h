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
