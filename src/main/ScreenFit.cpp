#include "main/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace calendrix {

namespace {
// The window manager's frame is not known before the first showing; this
// covers a title bar and borders of the usual desktops.
const QSize kFrameAllowance(16, 48);
} // namespace

void resizeWithinScreen(QWidget *window, QSize wanted)
{
    const QWidget *parent = window->parentWidget();
    const QScreen *screen = parent ? parent->window()->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        wanted = wanted.boundedTo(screen->availableGeometry().size() - kFrameAllowance);
    window->resize(wanted);
}

} // namespace calendrix
