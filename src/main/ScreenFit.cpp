#include "main/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace calendrix {

namespace {
// The window manager's frame is not known before the first showing; this
// covers a title bar and borders of the usual desktops.
const QSize kFrameAllowance(16, 48);

const QScreen *screenOf(const QWidget *window)
{
    const QWidget *parent = window->parentWidget();
    const QScreen *screen = parent ? parent->window()->screen() : window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

// A dialog as large as its parent, centred over it, can be placed with its
// title bar above the screen's edge; once the frame is known the window is
// moved back so that the frame lies on the screen.
void moveOntoScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    QPoint frameToWindow; // what a move() places: the frame, or before it is known, the window itself
    if (frame == window->geometry()) {
        // Not framed yet: the parent's frame, or else the allowance, tells
        // how much the window manager will add.
        const QWidget *parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        QMargins margins(kFrameAllowance.width() / 2, kFrameAllowance.height() - kFrameAllowance.width() / 2,
                         kFrameAllowance.width() / 2, kFrameAllowance.width() / 2);
        if (parent && parent->frameGeometry() != parent->geometry()) {
            const QRect outer = parent->frameGeometry(), inner = parent->geometry();
            margins = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
        }
        frame = window->geometry().marginsAdded(margins);
        frameToWindow = QPoint(margins.left(), margins.top());
    }
    const int x = std::clamp(frame.left(), available.left(),
                             std::max(available.left(), available.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != frame.topLeft())
        window->move(QPoint(x, y) + frameToWindow);
}

class OnScreenKeeper : public QObject
{
public:
    explicit OnScreenKeeper(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QPointer<QWidget> window = static_cast<QWidget *>(watched);
            // After the window system has placed and framed the window.
            QTimer::singleShot(0, this, [window] {
                if (window)
                    moveOntoScreen(window);
            });
        }
        return false;
    }
};

} // namespace

void resizeWithinScreen(QWidget *window, QSize wanted)
{
    if (const QScreen *screen = screenOf(window))
        wanted = wanted.boundedTo(screen->availableGeometry().size() - kFrameAllowance);
    window->resize(wanted);
    const QObjectList &children = window->children();
    if (std::none_of(children.begin(), children.end(),
                     [](const QObject *child) { return dynamic_cast<const OnScreenKeeper *>(child); }))
        new OnScreenKeeper(window);
}

QScrollArea *scrollWhenSmall(QWidget *content)
{
    auto *area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

void scrollPagesWhenSmall(QTabWidget *tabs)
{
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget *page = tabs->widget(i);
        const QString text = tabs->tabText(i);
        tabs->removeTab(i);
        tabs->insertTab(i, scrollWhenSmall(page), text);
    }
    tabs->setCurrentIndex(current);
}

} // namespace calendrix
