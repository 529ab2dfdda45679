#pragma once

#include "dialogs/ToolWindow.h"
#include "main/UnitDatabases.h"
#include "roster/FairnessModel.h"
#include "session/FairnessTable.h"

#include <functional>
#include <memory>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QTableView;

namespace calendrix {

// "Fairness": how evenly the duties fall, at a glance. A range chart of every
// duty's counters (normal and holiday), a histogram of one chosen duty's
// counters with its figures, and the soldiers with their totals; a
// double-click on a soldier shows his counter rows. Whenever the window
// becomes active, read again if the databases changed, so it follows runs
// and counter edits; a division takes more than a second to read.
class SoldierTotalsModel;

class FairnessWindow : public ToolWindow
{
    Q_OBJECT

public:
    // showCounters opens Assignment Counters on one soldier's rows.
    FairnessWindow(UnitDatabases &databases, QString unitName,
                   std::function<void(const QString &)> showCounters, QWidget *parent = nullptr);
    ~FairnessWindow() override;

    // Reads the unit again and redraws every part; a failure empties the
    // window and is shown once.
    void refresh();
    // The same, unless nothing changed since the last reading.
    void refreshIfChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showDutyChart();
    void showDuty(int index);
    void printReport();
    void savePdf();
    // Never in place of a file of the unit; an existing file is replaced
    // only when askToReplace gets a Yes. Messages go to parent.
    void writePdf(const QString &path, bool askToReplace, QWidget *parent);

    UnitDatabases &m_databases;
    QString m_unitName;
    std::function<void(const QString &)> m_showCounters;
    std::shared_ptr<const FairnessModel> m_model;
    std::optional<FairnessTable::Version> m_readVersion; // of what m_model shows
    bool m_reading = false;
    QLabel *m_summary;
    QChartView *m_dutyChart;
    QComboBox *m_dutyChoice;
    QChartView *m_histogram;
    QLabel *m_dutyFigures;
    QTableView *m_soldierTable;
    SoldierTotalsModel *m_soldiers;
};

} // namespace calendrix
