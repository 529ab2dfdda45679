#include "MonthView.h"

#include <QAbstractItemView>
#include <QCoreApplication>
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
    // The page shows six weeks around the month; marking seven covers them
    // wherever the month begins.
    QDate first(yearShown(), monthShown(), 1);
    first = first.addDays(-(first.dayOfWeek() % 7) - 7);
    const QList<bool> bold = boldDays(first, 49);
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

QDate MonthView::dateOf(const QModelIndex &cell) const
{
    // A cell shows a day number; the first rows may show the end of the month
    // before and the last rows the start of the month after.
    bool ok = false;
    const int day = cell.data().toInt(&ok);
    if (!cell.isValid() || !ok || cell.row() < 1)
        return {};
    QDate month(yearShown(), monthShown(), 1);
    if (cell.row() <= 2 && day > 20)
        month = month.addMonths(-1);
    else if (cell.row() >= 5 && day < 15)
        month = month.addMonths(1);
    return QDate(month.year(), month.month(), day);
}

bool MonthView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && !m_inPress) {
        const bool shift = static_cast<QMouseEvent *>(event)->modifiers() & Qt::ShiftModifier;
        // Let the calendar take the press first: it selects the day pressed,
        // which is where a drag begins. Shift-click runs from the day before.
        m_inPress = true;
        QCoreApplication::sendEvent(watched, event);
        m_inPress = false;
        m_pressed = true;
        QDate pressed;
        if (auto *view = findChild<QAbstractItemView *>())
            pressed = dateOf(view->currentIndex());
        m_anchor = shift && m_last.isValid() ? m_last : pressed;
        return true;
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace calendrix
