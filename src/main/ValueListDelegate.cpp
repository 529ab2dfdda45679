#include "ValueListDelegate.h"

#include <QComboBox>

namespace calendrix {

ValueListDelegate::ValueListDelegate(QList<QPair<QString, QString>> values, QObject *parent)
    : QStyledItemDelegate(parent), m_values(std::move(values))
{}

QWidget *ValueListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->setMaxVisibleItems(15);
    for (const auto &[stored, shown] : m_values)
        box->addItem(shown, stored);
    return box;
}

void ValueListDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    box->setCurrentIndex(box->findData(index.data(Qt::EditRole).toString()));
}

void ValueListDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    if (box->currentIndex() >= 0)
        model->setData(index, box->currentData(), Qt::EditRole);
}

} // namespace calendrix
