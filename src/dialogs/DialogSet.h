#pragma once

#include "main/DialogHost.h"
#include "store/UnitFolder.h"

#include <QDate>
#include <QObject>
#include <QPointer>

#include <functional>

namespace calendrix {

class AboutDialog;
class CountersDialog;
class DatesDialog;
class FairnessWindow;
class HelpWindow;
class MainWindow;
class SetupDialog;

// The dialogs of the main window: each made at its first showing and kept
// for the rest of the run; closing one brings the main window's
// housekeeping round again.
class DialogSet : public QObject, public DialogHost
{
    Q_OBJECT

public:
    DialogSet(MainWindow *main, std::function<QDate()> today = {});

    void showSetup() override;
    void showCounters() override;
    void showDates() override;
    void showFairness() override;
    void showAbout() override;
    void showHelp() override;
    void showImport(const UnitSession &session, std::function<void()> imported) override;
    void showRosterChange(const QString &datafile, const RosterData &roster,
                          std::function<void()> changed) override;
    bool saveEdits() override;
    void workingTablesReplaced() override;
    void personnelChanged() override;

private:
    CountersDialog *counters();
    QString helpFile() const;
    template<typename T> T *keep(QPointer<T> &slot, const std::function<T *()> &make);

    MainWindow *m_main;
    std::function<QDate()> m_today;
    QPointer<SetupDialog> m_setup;
    QPointer<CountersDialog> m_counters;
    QPointer<DatesDialog> m_dates;
    QPointer<FairnessWindow> m_fairness;
    QPointer<AboutDialog> m_about;
    QPointer<HelpWindow> m_help;
};

} // namespace calendrix
