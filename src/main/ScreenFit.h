#pragma once

#include <QSize>

class QScrollArea;
class QTabWidget;
class QWidget;

namespace calendrix {

// Sizes a window that is about to be shown: wanted, but never beyond the
// screen it opens on, frame and title bar included, so that its buttons stay
// in reach on a 1024x768 screen; each time it is shown it is moved, if
// need be, so that its frame lies on that screen.
void resizeWithinScreen(QWidget *window, QSize wanted);

// content in a scroll area of its own, which shows scroll bars only when the
// window is smaller than content wants: on a small screen or with large
// text, the rest of the window (its buttons above all) stays in view. The
// area takes no focus; it brings a control that gets it into view.
QScrollArea *scrollWhenSmall(QWidget *content);
// Each page of tabs in such a scroll area, under the same tab.
void scrollPagesWhenSmall(QTabWidget *tabs);

} // namespace calendrix
