#pragma once

#include "dialogs/ToolWindow.h"
#include "main/UnitDatabases.h"

#include <optional>

class QPushButton;

namespace calendrix {

class DataControl;
class DataGrid;

// "Assignment Counters": the fairness counters of every soldier and duty,
// in the order in which the roster run considers candidates.
class CountersDialog : public ToolWindow
{
    Q_OBJECT

public:
    explicit CountersDialog(UnitDatabases &databases, QWidget *parent = nullptr);

    // Each time the window becomes active: the counters are read again in
    // the normal-day order.
    void readCounters();
    // Shows the window with the rows of one soldier selected, the first of
    // them current; they stay selected whenever the window is read again,
    // until it is closed.
    void showSoldier(const QString &name);

    // The rank labels of this window, which differ from the main window's.
    static QList<QPair<QString, QString>> rankList();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void toggleOrder();
    void selectSoldier();
    // Reads the counters in order off the window's thread and binds the
    // grid to them; false when they cannot be read (the clerk has been told why).
    bool readInOrder(const QString &order);

    UnitDatabases &m_databases;
    int m_sortState = 0; // 0 normal-day order, 1 holiday order
    QString m_soldier;   // whose rows are selected; empty for none
    // What the last read found, until the window's next activation change.
    // The window comes back active after showing, after the busy dialog of a
    // read and after the message that the counters cannot be read; the read
    // stands for that return unless the file changed in between.
    struct LastRead {
        std::optional<Database::Version> version; // none when the read failed
    };
    std::optional<LastRead> m_lastRead;
    bool m_reading = false;
    DataControl *m_counters;
    DataGrid *m_counterGrid;
    QPushButton *m_sortButton;
};

} // namespace calendrix
