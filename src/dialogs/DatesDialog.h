#pragma once

#include "ToolWindow.h"
#include "UnitFolder.h"

namespace calendrix {

class DataControl;
class DataGrid;

// "Assignment Dates": the periods in which soldiers are already taken.
class DatesDialog : public ToolWindow
{
    Q_OBJECT

public:
    explicit DatesDialog(const UnitFolder &folder, QWidget *parent = nullptr);

protected:
    void Form_Load() override;

private:
    void Command18_Click();

    UnitFolder m_folder;
    DataControl *Data1;
    DataGrid *TDBGrid3;
};

} // namespace calendrix
