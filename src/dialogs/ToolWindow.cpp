#include "ToolWindow.h"

#include "DataGrid.h"
#include "RecordSetModel.h"
#include "StoreError.h"
#include "UserDialogs.h"

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
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
}

void ToolWindow::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
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

void ToolWindow::showError(const QString &text)
{
    UserDialogs::instance().inform(this, Messenger::Kind::Error, text);
}

void ToolWindow::addRow(DataGrid *grid)
{
    try {
        grid->appendRow();
    } catch (const StoreError &e) {
        showError(u"%1\n%2"_s.arg(e.number()).arg(e.text()));
    }
}

void ToolWindow::deleteRow(DataGrid *grid)
{
    const int row = grid->currentRow();
    if (row < 0 || !grid->recordModel())
        return;
    try {
        grid->commitPendingEdit();
        grid->recordModel()->deleteRow(row);
        grid->setCurrentRow(row);
    } catch (const StoreError &e) {
        if (e.code() != StoreErrorCode::NoCurrentRecord)
            showError(u"%1\n%2"_s.arg(e.number()).arg(e.text()));
    }
}

void ToolWindow::updateRow(DataGrid *grid)
{
    try {
        grid->commitPendingEdit();
        if (grid->currentRow() >= 0)
            grid->recordModel()->saveRow(grid->currentRow());
    } catch (const StoreError &e) {
        showError(u"%1\n%2"_s.arg(e.number()).arg(e.text()));
    }
}

} // namespace calendrix
