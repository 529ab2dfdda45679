#pragma once

#include <QTableView>

namespace calendrix {

class RecordSetModel;

// A grid over a RecordSetModel: the current row is the current record.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    DataGrid(const QString &name, QWidget *parent = nullptr);

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
