#pragma once

#include "dialogs/ToolWindow.h"
#include "main/UnitDatabases.h"

namespace calendrix {

class DataControl;
class DataGrid;

// "Assignment Dates": the periods in which soldiers are already taken.
class DatesDialog : public ToolWindow
{
    Q_OBJECT

public:
    explicit DatesDialog(UnitDatabases &databases, QWidget *parent = nullptr);
    // Reads the list again in its order, on its first line.
    void readList();

protected:
    void loadRecords() override;
    void showEvent(QShowEvent *event) override;

private:
    void sortList();
    // Every column as wide as its content and caption, the window widened
    // when they do not fit.
    void fitColumns();

    UnitDatabases &m_databases;
    DataControl *m_dates;
    DataGrid *m_dateGrid;
};

} // namespace calendrix
