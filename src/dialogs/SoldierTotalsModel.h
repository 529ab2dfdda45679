#pragma once

#include "roster/FairnessModel.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace calendrix {

// The soldiers of a fairness model with their totals, one row each, sorted
// by any column. Read-only; a brigade's 4,000 rows are only an index to sort.
class SoldierTotalsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Rank, Section, Duties, Normal, Holiday, Total, Dates, ColumnCount };

    explicit SoldierTotalsModel(QObject *parent = nullptr);

    // Shows model's soldiers, in the order last asked for.
    void setFairness(std::shared_ptr<const FairnessModel> model);
    QString soldierName(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    void sortRows();
    const FairnessModel::SoldierFairness &soldier(int row) const;

    std::shared_ptr<const FairnessModel> m_model;
    std::vector<int> m_rows; // soldier indexes in the shown order
    int m_sortColumn = Total;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

} // namespace calendrix
