#pragma once

#include <QFont>
#include <QString>

namespace calendrix {

// The font of every report, in points. family, when given (a layout's own),
// is tried first, then sans-serif families of which the package depends on
// one. A report never asks for one family alone: where it is not installed,
// the font database hands out whatever it finds first, often a typewriter
// face.
QFont reportFont(double points, const QString &family = {});

} // namespace calendrix
