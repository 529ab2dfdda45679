#include "dialogs/ToolWindow.h"

#include "main/DataGrid.h"
#include "main/ErrorDisplay.h"
#include "main/GridCommands.h"
#include "main/RecordSetModel.h"
#include "main/UserDialogs.h"

#include <QApplication>
#include <QHideEvent>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

ToolWindow::ToolWindow(const QString &name, const QString &caption, QWidget *parent)
    : QDialog(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(caption);
    setModal(false);
}

void ToolWindow::present()
{
    show();
    raise();
    activateWindow();
}

void ToolWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() != this)
        m_returnTo = focus;
    if (!m_loaded) {
        m_loaded = true;
        loadRecords();
    }
}

void ToolWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // Unless the clerk has gone to another window meanwhile.
    const QWidget *focus = QApplication::focusWidget();
    if (m_returnTo && m_returnTo->isVisible() && (!focus || focus->window() == this)) {
        m_returnTo->window()->activateWindow();
        m_returnTo->setFocus(Qt::ActiveWindowFocusReason);
    }
    if (!event->spontaneous())
        emit hidden();
}

void ToolWindow::reject()
{
    dismiss();
}

void ToolWindow::dismiss()
{
    for (DataGrid *grid : findChildren<DataGrid *>())
        grid->discardPendingEdit();
    hide();
}

bool ToolWindow::saveEdits()
{
    bool taken = true;
    for (DataGrid *grid : findChildren<DataGrid *>()) {
        taken = grid->commitPendingEdit() && taken;
        if (RecordSetModel *model = grid->recordModel())
            taken = model->submit() && taken;
    }
    return taken;
}

void ToolWindow::showError(const QString &text)
{
    ErrorDisplay::show(this, text);
}

void ToolWindow::addRow(DataGrid *grid)
{
    ErrorDisplay::guard(this, {}, [grid] { GridCommands::addRow(grid); });
}

void ToolWindow::deleteRow(DataGrid *grid)
{
    ErrorDisplay::guard(this, {}, [grid] { GridCommands::deleteRow(grid); });
}

bool ToolWindow::updateRow(DataGrid *grid)
{
    bool taken = false;
    return ErrorDisplay::guard(this, {}, [grid, &taken] { taken = GridCommands::saveRow(grid); }) && taken;
}

} // namespace calendrix
