#pragma once

#include <QCalendarWidget>
#include <QList>

class QAbstractItemView;

namespace calendrix {

// A month calendar on which a click picks one day and a drag or a
// shift-click picks a run of days (up to 365); Enter or Space on the focused
// day acts as a click. Weekends are shown in bold, and the days of the run
// being picked are shown as selected while the mouse moves.
class MonthView : public QCalendarWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxSelectionDays = 365;

    explicit MonthView(const QString &name, QWidget *parent = nullptr);

    // The bold state of count displayed days from first: Saturdays and Sundays.
    static QList<bool> boldDays(const QDate &first, int count);

    // What a click or a drag from anchor to other does (tests call it too):
    // a new run of days, from the day first chosen.
    void selectRange(QDate anchor, QDate other);
    // What a shift-click does: the run begun by the last click or drag now
    // reaches to other.
    void extendRange(QDate other);

signals:
    // A new run of days was picked.
    void DateClick(const QDate &first, const QDate &last);
    // The run of the last DateClick was stretched or shrunk to first..last.
    void RangeExtended(const QDate &first, const QDate &last);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Clips a run to 365 days, keeping the day first chosen; false when it had
    // to, after telling the user.
    bool clip(const QDate &anchor, QDate &first, QDate &last);
    void setRange(const QDate &anchor, const QDate &other);
    void paintDays();
    QDate dateOf(const QModelIndex &cell) const;
    QDate dateAt(const QPoint &pos) const;
    // Shows day, or no day when invalid, as the calendar's own selected cell.
    void markDay(const QDate &day);

    QAbstractItemView *m_view = nullptr;
    QDate m_anchor; // the day first chosen in the current run
    QDate m_first, m_last;
    QDate m_shownFirst, m_shownLast; // what is painted as selected
    bool m_dragging = false;
    bool m_extending = false;
    bool m_forwarding = false; // an event handed on to the calendar itself
};

} // namespace calendrix
