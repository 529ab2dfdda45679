#pragma once

#include <QSize>

class QWidget;

namespace calendrix {

// Sizes a window that is about to be shown: wanted, but never beyond the
// screen it opens on, frame and title bar included, so that its buttons stay
// in reach on a 1024x768 screen; each time it is shown it is moved, if
// need be, so that its frame lies on that screen.
void resizeWithinScreen(QWidget *window, QSize wanted);

} // namespace calendrix
