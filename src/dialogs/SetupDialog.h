#pragma once

#include "dialogs/ToolWindow.h"
#include "main/UnitDatabases.h"

#include <array>
#include <functional>

class QLineEdit;
class QTabWidget;

namespace calendrix {

class DataControl;
class DataGrid;
class MonthView;

// "Setup": the qualification titles, the section names and the holidays.
class SetupDialog : public ToolWindow
{
    Q_OBJECT

public:
    SetupDialog(UnitDatabases &databases, std::function<QDate()> today, QWidget *parent = nullptr);
    // An import changed the sections or holidays: an open dialog shows them,
    // save a list the clerk is typing into.
    void personnelChanged();

signals:
    // Titles or sections were saved: the program must start again to use them.
    void endProgram();

protected:
    void loadRecords() override;
    void showEvent(QShowEvent *event) override;

private:
    void readLists(bool keepTyping);
    void saveTitles();
    void saveSections();
    void saveHolidays();
    void clearUntitledFlags(const std::array<bool, 15> &untitled);
    void restartMessage();

    UnitDatabases &m_databases;
    std::function<QDate()> m_today;
    // All over the personnel database; the objectNames are the old control names.
    DataControl *m_titles;
    DataControl *m_sections;
    DataControl *m_holidays;
    // Walked only to clear the flags of a qualification left untitled.
    DataControl *m_soldiers;
    DataControl *m_duties;
    QTabWidget *m_tabs = nullptr;
    std::array<QLineEdit *, 15> m_titleBoxes{};
    DataGrid *m_sectionGrid = nullptr;      // TDBGrid1
    DataGrid *m_holidayGrid = nullptr;      // TDBGrid2
    MonthView *m_holidayCalendar = nullptr; // MonthView1
};

} // namespace calendrix
