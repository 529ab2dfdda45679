#pragma once

#include "ToolWindow.h"
#include "UnitFolder.h"

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
    SetupDialog(const UnitFolder &folder, std::function<QDate()> today, QWidget *parent = nullptr);

signals:
    // Titles or sections were saved: the program must start again to use them.
    void endProgram();

protected:
    void Form_Load() override;
    void showEvent(QShowEvent *event) override;

private:
    void Command1_Click();
    void Command3_Click();
    void Command9_Click();
    void clearUntitledFlags(const std::array<bool, 15> &untitled);
    void restartMessage();

    UnitFolder m_folder;
    std::function<QDate()> m_today;
    DataControl *Data1, *Data2, *Data3, *Data4, *Data5;
    QTabWidget *SSTab1 = nullptr;
    std::array<QLineEdit *, 15> Text1{};
    DataGrid *TDBGrid1 = nullptr;
    DataGrid *TDBGrid2 = nullptr;
    MonthView *MonthView1 = nullptr;
};

} // namespace calendrix
