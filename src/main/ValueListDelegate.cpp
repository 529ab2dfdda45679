#include "main/ValueListDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

ValueListDelegate::ValueListDelegate(QList<QPair<QString, QString>> values, QObject *parent)
    : QStyledItemDelegate(parent), m_values(std::move(values))
{}

QWidget *ValueListDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &) const
{
    auto *box = new QComboBox(parent);
    box->setMaxVisibleItems(15);
    // Styles that open a drop-down as a menu around the chosen item (Fusion
    // among them) ignore the limit and show all 24 ranks; the plain list
    // popup keeps it and scrolls.
    box->setStyleSheet(u"QComboBox { combobox-popup: 0; }"_s);
    for (const auto &[stored, shown] : m_values)
        box->addItem(shown, stored);
    // The list may be wider than its narrow column, scroll bar and all.
    QAbstractItemView *list = box->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
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
