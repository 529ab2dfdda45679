#pragma once

#include <QStyledItemDelegate>

namespace calendrix {

// Edits a value-list column with a drop-down of the shown texts; the model
// gets the stored value.
class ValueListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    ValueListDelegate(QList<QPair<QString, QString>> values, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QList<QPair<QString, QString>> m_values; // stored, shown
};

} // namespace calendrix
