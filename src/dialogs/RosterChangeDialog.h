#pragma once

#include "report/RosterData.h"
#include "session/RosterChange.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace calendrix {

// File > Change Roster: the periods of a made roster, duty by duty, with who
// stands each; a period's soldier is replaced by a free candidate the clerk
// picks in fair order, or trades with the soldier of another period. The
// list shows the roster as it is after each change.
class RosterChangeDialog : public QDialog
{
    Q_OBJECT

public:
    // changed: called after each change, for the window's lists to read the
    // counters and assignment dates again.
    RosterChangeDialog(const UnitFolder &folder, const QString &datafile, const RosterData &roster,
                       std::function<void()> changed, QWidget *parent);

    void replaceSelected();
    void swapSelected();

private:
    void showDuty();
    // The period picked in the list; nullptr when none.
    const RosterChange::Period *selected() const;
    // Runs work, which reads or changes the unit, off the window's thread.
    void busy(const QString &what, const std::function<void()> &work);
    // Shows the roster as the change left it, or why it was not changed.
    void changed(const RosterChange::Changed &changed);
    // The datafile is no longer what the list shows: says why, and closes,
    // for the clerk to open it again as it is now.
    void closeAsChanged(const Notice &why);

    RosterChange m_change;
    QString m_datafile;
    bool m_draft = false;
    QList<QString> m_duties;
    QList<QList<RosterChange::Period>> m_periods; // per duty, by column

    QComboBox *m_duty;
    QLabel *m_heading;
    QTableWidget *m_list;
    QPushButton *m_replace;
    QPushButton *m_swap;
    std::function<void()> m_changed;
};

} // namespace calendrix
