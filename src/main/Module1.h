#pragma once

#include <QString>

namespace calendrix {

// Program-wide values shared by the main window, the roster run and printing.
struct Module1 {
    qint16 consolidateFlag = 0; // ROSTER.INI; non-zero: holiday periods count apart
    qint16 absenceFlag = 0;     // ROSTER2.INI; non-zero: absent soldiers gain a point
    QString currentDatafilePath;
    QString currentDatafileTitle;
};

} // namespace calendrix
