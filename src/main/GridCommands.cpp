#include "main/GridCommands.h"

#include "main/DataGrid.h"
#include "main/RecordSetModel.h"
#include "store/StoreError.h"

namespace calendrix {

void GridCommands::addRow(DataGrid *grid)
{
    grid->appendRow();
}

bool GridCommands::deleteRow(DataGrid *grid)
{
    const int row = grid->currentRow();
    if (row < 0 || !grid->recordModel())
        return false;
    try {
        grid->commitPendingEdit();
        grid->recordModel()->deleteRow(row);
    } catch (const StoreError &e) {
        if (e.code() == StoreErrorCode::NoCurrentRecord)
            return false;
        throw;
    }
    grid->setCurrentRow(row);
    return true;
}

void GridCommands::saveRow(DataGrid *grid)
{
    grid->commitPendingEdit();
    if (grid->currentRow() >= 0)
        grid->recordModel()->saveRow(grid->currentRow());
}

} // namespace calendrix
