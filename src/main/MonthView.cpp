#include "main/MonthView.h"

#include "main/UserDialogs.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QTextCharFormat>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

MonthView::MonthView(const QString &name, QWidget *parent) : QCalendarWidget(parent)
{
    setObjectName(name);
    setFirstDayOfWeek(Qt::Sunday);
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_view = findChild<QAbstractItemView *>();
    if (m_view) {
        // The days take the focus, not the calendar: they carry the name.
        m_view->setAccessibleName(tr("Calendar"));
        m_view->installEventFilter(this);
        m_view->viewport()->installEventFilter(this);
    }
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthView::paintDays);
    // The calendar reports a click when the button comes up: that is where a
    // drag or a shift-click ends.
    connect(this, &QCalendarWidget::clicked, this, [this](QDate date) {
        const bool dragged = m_dragging;
        const bool extending = m_extending;
        m_dragging = m_extending = false;
        if (extending)
            extendRange(date);
        else
            selectRange(dragged && m_anchor.isValid() ? m_anchor : date, date);
    });
    paintDays();
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

void MonthView::paintDays()
{
    // The page shows six weeks around the month; painting seven covers them
    // wherever the month begins.
    QDate first(yearShown(), monthShown(), 1);
    first = first.addDays(-(first.dayOfWeek() % 7) - 7);
    const QList<bool> bold = boldDays(first, 49);
    setDateTextFormat(QDate(), QTextCharFormat());
    for (int i = 0; i < bold.size(); ++i) {
        const QDate day = first.addDays(i);
        QTextCharFormat format;
        if (bold[i])
            format.setFontWeight(QFont::Bold);
        if (m_shownFirst.isValid() && day >= m_shownFirst && day <= m_shownLast) {
            format.setBackground(palette().brush(QPalette::Highlight));
            format.setForeground(palette().brush(QPalette::HighlightedText));
        }
        if (format.propertyCount() > 0)
            setDateTextFormat(day, format);
    }
}

void MonthView::setRange(const QDate &anchor, const QDate &other)
{
    m_shownFirst = std::min(anchor, other);
    m_shownLast = std::max(anchor, other);
    paintDays();
}

bool MonthView::clip(const QDate &anchor, QDate &first, QDate &last)
{
    if (first.daysTo(last) < kMaxSelectionDays)
        return true;
    // The day first chosen stays; the far end comes in.
    if (anchor == first)
        last = first.addDays(kMaxSelectionDays - 1);
    else
        first = last.addDays(-(kMaxSelectionDays - 1));
    const QLocale locale;
    UserDialogs::instance().inform(
        this, Messenger::Kind::Information,
        tr("At most %1 days can be taken at once. The period runs from %2 to %3.")
            .arg(kMaxSelectionDays)
            .arg(locale.toString(first, QLocale::LongFormat), locale.toString(last, QLocale::LongFormat)));
    return false;
}

void MonthView::selectRange(QDate anchor, QDate other)
{
    QDate first = std::min(anchor, other);
    QDate last = std::max(anchor, other);
    m_anchor = anchor;
    clip(anchor, first, last);
    m_first = first;
    m_last = last;
    setRange(first, last);
    emit DateClick(first, last);
}

void MonthView::extendRange(QDate other)
{
    if (!m_anchor.isValid()) {
        selectRange(other, other);
        return;
    }
    QDate first = std::min(m_anchor, other);
    QDate last = std::max(m_anchor, other);
    clip(m_anchor, first, last);
    m_first = first;
    m_last = last;
    setRange(first, last);
    emit RangeExtended(first, last);
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

void MonthView::markDay(const QDate &day)
{
    QItemSelectionModel *selection = m_view->selectionModel();
    selection->clearSelection();
    const QAbstractItemModel *cells = m_view->model();
    for (int row = 1; day.isValid() && row < cells->rowCount(); ++row)
        for (int column = 0; column < cells->columnCount(); ++column)
            if (dateOf(cells->index(row, column)) == day)
                selection->select(cells->index(row, column), QItemSelectionModel::Select);
}

QDate MonthView::dateAt(const QPoint &pos) const
{
    return m_view ? dateOf(m_view->indexAt(pos)) : QDate();
}

bool MonthView::eventFilter(QObject *watched, QEvent *event)
{
    if (m_view && watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (m_forwarding)
                break;
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton)
                break;
            const QDate pressed = dateAt(mouse->position().toPoint());
            // A shift-click stretches the run begun by the last click or drag,
            // from the day first chosen there.
            m_extending = (mouse->modifiers() & Qt::ShiftModifier) && m_anchor.isValid();
            // Let the calendar take the press first: it makes the day pressed
            // its current day.
            m_forwarding = true;
            QCoreApplication::sendEvent(watched, event);
            m_forwarding = false;
            if (!pressed.isValid()) {
                m_extending = false;
                return true;
            }
            m_dragging = true;
            // The calendar's own mark on the day of the last click would
            // stand beside the run being picked; it comes back on release.
            markDay({});
            if (!m_extending)
                m_anchor = pressed;
            setRange(m_anchor, pressed);
            return true;
        }
        case QEvent::MouseMove:
            if (m_dragging)
                if (const QDate over = dateAt(static_cast<QMouseEvent *>(event)->position().toPoint());
                    over.isValid())
                    setRange(m_anchor, over);
            break;
        case QEvent::MouseButtonRelease:
            if (m_dragging && !m_forwarding) {
                m_forwarding = true;
                QCoreApplication::sendEvent(watched, event);
                m_forwarding = false;
                // Let go outside the days: nothing is picked, and what was
                // picked before shows again.
                if (m_dragging) {
                    m_dragging = m_extending = false;
                    setRange(m_first, m_last);
                    markDay(selectedDate());
                }
                return true;
            }
            break;
        default:
            break;
        }
    } else if (m_view && watched == m_view && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space) {
            if ((key->modifiers() & Qt::ShiftModifier) && m_anchor.isValid())
                extendRange(selectedDate());
            else
                selectRange(selectedDate(), selectedDate());
            return true;
        }
    }
    return QCalendarWidget::eventFilter(watched, event);
}

} // namespace calendrix
