#pragma once

#include <QTableView>

#include <functional>

namespace calendrix {

class DataControl;
class RecordSetModel;
struct GridColumn;

// A grid over a RecordSetModel: the current row is the current record.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    DataGrid(const QString &name, QWidget *parent = nullptr);

    // Shows a record source through the one table model, with drop-downs for
    // value-list columns; failures to save go to onFailure.
    RecordSetModel *showRecords(DataControl *source, const QList<GridColumn> &columns,
                                const std::function<void(const QString &)> &onFailure);
    RecordSetModel *recordModel() const;
    // Hands an open cell editor's text to the model (a pending row).
    void commitPendingEdit();
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    int currentRow() const;
    void setCurrentRow(int row);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};

} // namespace calendrix
