#pragma once

#include <QtGlobal>

namespace calendrix {

// The two switches of the Tools menu, as read from the option files at start
// and handed to every roster run. Any non-zero value counts as on; only 1
// checks the menu item, so a file holding 2 still switches the run.
struct RunOptions {
    qint16 consolidateFlag = 0; // ROSTER.INI: holiday periods use the holiday counter
    qint16 absenceFlag = 0;     // ROSTER2.INI: a soldier skipped as absent still gains a point
};

} // namespace calendrix
