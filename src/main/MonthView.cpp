#include "MonthView.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QTextCharFormat>

namespace calendrix {

MonthView::MonthView(const QString &name, QWidget *parent) : QCalendarWidget(parent)
{
    setObjectName(name);
    setFirstDayOfWeek(Qt::Sunday);
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    if (auto *view = findChild<QAbstractItemView *>())
        view->viewport()->installEventFilter(this);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthView::markWeekends);
    // The day under a press is where a drag starts; the click ends it.
    connect(this, &QCalendarWidget::selectionChanged, this, [this] {
        if (m_pressed && !m_anchor.isValid())
            m_anchor = selectedDate();
    });
    connect(this, &QCalendarWidget::clicked, this, [this](QDate date) {
        const QDate anchor = m_anchor.isValid() ? m_anchor : date;
        m_anchor = QDate();
        m_pressed = false;
        selectRange(anchor, date);
    });
    markWeekends();
}

QList<bool> MonthView::boldDays(const QDate &first, int count)
{
    QList<bool> bold;
    bold.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int day = first.addDays(i).dayOfWeek();
        bold.append(day == Qt::Saturday || day == Qt::Sunday);
    }
    return bold;
}

void MonthView::markWeekends()
{
    // The page shows six weeks from the Sunday on or before the 1st.
    QDate first(yearShown(), monthShown(), 1);
    first = first.addDays(-(first.dayOfWeek() % 7));
    const QList<bool> bold = boldDays(first, 42);
    QTextCharFormat weekend;
    weekend.setFontWeight(QFont::Bold);
    for (int i = 0; i < bold.size(); ++i)
        setDateTextFormat(first.addDays(i), bold[i] ? weekend : QTextCharFormat());
}

void MonthView::selectRange(QDate first, QDate last)
{
    if (first > last)
        std::swap(first, last);
    if (first.daysTo(last) >= kMaxSelectionDays)
        first = last.addDays(-(kMaxSelectionDays - 1));
    m_first = first;
    m_last = last;
    emit DateClick(first, last);
}

bool MonthView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_pressed = true;
        // Shift-click: the run goes from the day clicked before.
        m_anchor = (mouse->modifiers() & Qt::ShiftModifier) && m_last.isValid() ? m_last : QDate();
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace calendrix
