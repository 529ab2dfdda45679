#include "main/DataGrid.h"

#include "main/RecordSetModel.h"
#include "main/ValueListDelegate.h"

#include <QHeaderView>

namespace calendrix {

DataGrid::DataGrid(const QString &name, QWidget *parent) : QTableView(parent)
{
    setObjectName(name);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
}

RecordSetModel *DataGrid::showRecords(DataControl *source, const QList<GridColumn> &columns,
                                      const std::function<void(const QString &)> &onFailure)
{
    auto *model = new RecordSetModel(source, columns, this);
    setModel(model);
    connect(model, &RecordSetModel::failed, this, onFailure);
    for (int c = 0; c < columns.size(); ++c)
        if (columns[c].kind == GridColumn::Kind::ValueList)
            setItemDelegateForColumn(c, new ValueListDelegate(columns[c].values, this));
    return model;
}

RecordSetModel *DataGrid::recordModel() const
{
    return qobject_cast<RecordSetModel *>(model());
}

QWidget *DataGrid::openEditor() const
{
    if (state() != QAbstractItemView::EditingState)
        return nullptr;
    QWidget *editor = focusWidget();
    while (editor && editor->parentWidget() != viewport())
        editor = editor->parentWidget();
    return editor;
}

void DataGrid::commitPendingEdit()
{
    if (QWidget *editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataGrid::discardPendingEdit()
{
    if (QWidget *editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    if (RecordSetModel *m = recordModel())
        m->revert();
}

bool DataGrid::appendRow(const QList<QPair<int, QVariant>> &fields)
{
    commitPendingEdit();
    RecordSetModel *model = recordModel();
    const int row = model->addEmptyRow();
    setCurrentRow(row);
    scrollTo(currentIndex());
    for (const auto &[field, value] : fields)
        if (!model->setFieldValue(row, field, value) || !model->submit())
            return false;
    return true;
}

int DataGrid::currentRow() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void DataGrid::setCurrentRow(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount()) {
        setCurrentIndex({});
        return;
    }
    const int column = currentIndex().isValid() ? currentIndex().column() : 1;
    setCurrentIndex(model()->index(row, std::min(column, model()->columnCount() - 1)));
}

bool DataGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A click on a cell of the current row opens its editor at once. The view
    // would wait a double-click interval first, and keys typed meanwhile went
    // to the type-ahead search, which moved the row and lost the typing.
    if (trigger == SelectedClicked && editTriggers().testFlag(SelectedClicked))
        trigger = AllEditTriggers;
    return QTableView::edit(index, trigger, event);
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // Leaving a row saves it.
    if (previous.isValid() && current.row() != previous.row())
        if (RecordSetModel *m = recordModel())
            m->submit();
    QTableView::currentChanged(current, previous);
}

} // namespace calendrix
