#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace calendrix {

// Runs work on a thread of its own and returns once it has finished, while
// the windows go on painting. What the clerk clicks or types meanwhile, the
// close of a window included, waits until the work is done, as it would in a
// window that did the work itself: the work (a change that commits) is never
// cut short or begun twice. The cursor shows the program busy meanwhile;
// when the work takes longer than a fifth of a second, a dialog over parent
// says in label what is being done. The work runs to its end even when the
// program is told to quit meanwhile. An exception it throws is thrown again
// here.
void runOffThread(QWidget *parent, const QString &title, const QString &label,
                  const std::function<void()> &work);

} // namespace calendrix
