#pragma once

#include <QCalendarWidget>
#include <QList>

namespace calendrix {

// A month calendar on which a click picks one day and a drag or a
// shift-click picks a run of days (up to 365); weekends are shown in bold.
class MonthView : public QCalendarWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxSelectionDays = 365;

    explicit MonthView(const QString &name, QWidget *parent = nullptr);

    // The bold state of count displayed days from first: Saturdays and Sundays.
    static QList<bool> boldDays(const QDate &first, int count);

    QDate selectionStart() const { return m_first; }
    QDate selectionEnd() const { return m_last; }
    // What a click or a drag from first to last does (tests call it too).
    void selectRange(QDate first, QDate last);

signals:
    void DateClick(const QDate &first, const QDate &last);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void markWeekends();
    QDate dateOf(const QModelIndex &cell) const;

    QDate m_anchor;
    QDate m_first, m_last;
    bool m_pressed = false;
    bool m_inPress = false;
};

} // namespace calendrix
