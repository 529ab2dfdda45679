#include "main/GridCommands.h"

#include "main/DataGrid.h"
#include "main/RecordSetModel.h"
#include "store/StoreError.h"

#include <QAbstractButton>
#include <QShortcut>

namespace calendrix {

void GridCommands::addRow(DataGrid *grid)
{
    if (grid->appendRow())
        grid->setFocus(Qt::OtherFocusReason);
}

void GridCommands::clickAtOnceByKey(QAbstractButton *button)
{
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    button->setShortcut({});
    auto *shortcut = new QShortcut(key, button);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled())
            button->click();
    });
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

bool GridCommands::saveRow(DataGrid *grid)
{
    const bool taken = grid->commitPendingEdit();
    if (grid->currentRow() >= 0)
        grid->recordModel()->saveRow(grid->currentRow());
    return taken;
}

} // namespace calendrix
