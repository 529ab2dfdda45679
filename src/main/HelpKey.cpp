#include "main/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>

namespace calendrix {

HelpKey::HelpKey(std::function<void()> openHelp, QObject *parent)
    : QObject(parent), m_openHelp(std::move(openHelp))
{
    qApp->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject *watched, QEvent *event)
{
    // A key reaches the window first and then its widget: answered once, at
    // the widget.
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (!key->isAutoRepeat())
        m_openHelp();
    return true;
}

} // namespace calendrix
