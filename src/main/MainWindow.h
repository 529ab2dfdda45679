#pragma once

#include "main/ActivationHousekeeping.h"
#include "main/RunOptions.h"
#include "main/UnitDatabases.h"
#include "report/ReportEngine.h"
#include "store/UnitFolder.h"

#include <QDate>
#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QPushButton;
class QTabWidget;

namespace calendrix {

class DataControl;
class DialogHost;
class DataGrid;
class FolderLock;
class MonthView;
class RecordSetModel;
class StoreError;
class UnitSession;

// The duty clerk's main window: duties and their work schedule on the "Duty"
// tab, soldiers and their absences on the "Roster" tab, and the menus.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // lock: the hold on the unit folder, kept while the window works on it.
    // today: the clock of the housekeeping and the calendars; tests set their own.
    MainWindow(const UnitFolder &folder, std::unique_ptr<FolderLock> lock, std::function<QDate()> today = {},
               QWidget *parent = nullptr);
    ~MainWindow() override;

    const RunOptions &runOptions() const { return m_options; }
    UnitFolder folder() const { return m_folder; }
    // The unit's open databases, shared with the dialogs.
    UnitDatabases &databases() { return m_databases; }
    // The housekeeping done whenever the window becomes active again: at
    // start, after one of the program's dialogs and after a roster run.
    void runHousekeeping();

    // Saves every row being edited in a list; false when a value typed into
    // a cell was refused (its editor stays open, the user has been told why).
    bool saveEdits();

    // Shows a roster datafile in the print preview, remarks first, as
    // File > Open/Print Rosters does with the file chosen.
    void openDatafile(const QString &path);

    // The setup, counters, dates, About and help windows; their menu items
    // (and F1) work once they are handed in.
    void setDialogHost(DialogHost *host);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    QWidget *buildTab(int tab);
    void loadLists();
    void bindSources(bool offerHelp = true);
    void offerNewUnit(const QString &problem);
    void loadSections();
    void readOptions();

    void sortDuties();
    void sortSoldiers();
    void makeDatafile();
    void makeDraft();
    void undoLastRun();
    void afterRosterRun();
    // Asks for a roster datafile and shows it as openDatafile does.
    void chooseDatafile();
    void exportRoster();
    // File > Import; the lists read the personnel database again after it.
    void importPersonnel();
    void changeRoster();
    void reloadPersonnel();
    void toggleConsolidate();
    void toggleAbsence();
    void chooseLanguage(const QString &code);

    void addRow(DataGrid *grid);
    void deleteRow(DataGrid *grid);
    void saveRows(DataGrid *top, DataGrid *periods);
    void showQualifications(int tab);
    void qualificationClicked(int tab, int box, bool checked);
    void toggleOption(QAction *item, qint16 &flag, const QString &path);
    // Runs a command; a store failure is shown as an "ERROR" box that says
    // what the user tried (action) and why it could not be done.
    void guarded(const QString &action, const std::function<void()> &command);
    enum class RowChange { Add, AddPeriod, Delete };
    QString cannotText(const DataGrid *grid, RowChange change) const;
    void showError(const QString &text);

    UnitFolder m_folder;
    UnitDatabases m_databases;
    // The unit as the window works on it, holding the folder's lock.
    std::unique_ptr<UnitSession> m_session;
    RunOptions m_options;
    // Report settings stay from one printing to the next, as the engine keeps them.
    ReportEngine m_reportEngine;
    std::function<QDate()> m_today;
    bool m_activatedOnce = false;

    // Over the personnel database; the objectNames are the old control names.
    DataControl *m_duties;
    DataControl *m_soldiers;
    DataControl *m_schedule;
    DataControl *m_absences;
    DataControl *m_titles; // the qualification titles
    DataControl *m_sections;
    DataControl *m_holidays;
    // Over the working database: the periods in which soldiers are already taken.
    DataControl *m_assignmentDates; // DutyList

    QTabWidget *m_tabs = nullptr;
    DataGrid *m_dutyGrid = nullptr;     // TDBGrid1
    DataGrid *m_scheduleGrid = nullptr; // TDBGrid2
    DataGrid *m_soldierGrid = nullptr;  // TDBGrid3
    DataGrid *m_absenceGrid = nullptr;  // TDBGrid4
    MonthView *m_scheduleCalendar = nullptr;
    MonthView *m_absenceCalendar = nullptr;
    std::array<QCheckBox *, 15> m_dutyBoxes{};
    std::array<QCheckBox *, 15> m_soldierBoxes{};
    ActivationHousekeeping m_housekeeping;
    QList<QPair<QString, QString>> m_sectionChoices;
    DialogHost *m_dialogs = nullptr;
    QAction *m_consolidateItem = nullptr;
    QAction *m_absenceItem = nullptr;
};

} // namespace calendrix
