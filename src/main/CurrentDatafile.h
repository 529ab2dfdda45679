#pragma once

#include <QString>

namespace calendrix {

// The roster datafile last chosen, by the roster run's save dialog or by
// Open/Print; both empty until one is chosen.
struct CurrentDatafile {
    QString path;  // absolute
    QString title; // the file name without its folder
};

} // namespace calendrix
