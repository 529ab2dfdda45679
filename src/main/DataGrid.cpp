#include "main/DataGrid.h"

#include "main/RecordSetModel.h"
#include "main/ValueListDelegate.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QScopedValueRollback>
#include <QToolTip>

#include <utility>

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
    // Names of one kind differ least in the middle ("Guard, North Gate ...").
    setTextElideMode(Qt::ElideMiddle);
}

int DataGrid::sizeHintForColumn(int column) const
{
    // A very long duty or soldier name would push the columns after it out
    // of view; it shows shortened, and whole in its tool tip.
    constexpr int kWidestColumnInCharacters = 32;
    return std::min(QTableView::sizeHintForColumn(column),
                    kWidestColumnInCharacters * fontMetrics().averageCharWidth());
}

bool DataGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        // Only a shortened text has a tool tip: the whole of it.
        if (index.isValid() && index.data(Qt::ToolTipRole).isNull() &&
            sizeHintForIndex(index).width() > columnWidth(index.column())) {
            QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(), viewport());
            return true;
        }
    }
    return QTableView::viewportEvent(event);
}

RecordSetModel *DataGrid::showRecords(DataControl *source, const QList<GridColumn> &columns,
                                      const std::function<void(const QString &)> &onFailure)
{
    auto *model = new RecordSetModel(source, columns, this);
    setModel(model);
    // Set before the refusal is shown, so that the editor's closing knows of it.
    connect(model, &RecordSetModel::failed, this, [this] { m_refused = m_committing; });
    connect(model, &RecordSetModel::failed, this, onFailure);
    for (int c = 0; c < columns.size(); ++c)
        if (columns[c].kind == GridColumn::Kind::ValueList)
            setItemDelegateForColumn(c, new ValueListDelegate(columns[c].values, this));
    return model;
}

void DataGrid::setValueList(int field, const QList<QPair<QString, QString>> &values)
{
    RecordSetModel *model = recordModel();
    const int c = model ? model->columnOfField(field) : -1;
    if (c < 0 || model->column(c).kind != GridColumn::Kind::ValueList)
        return;
    model->setValueList(c, values);
    QAbstractItemDelegate *old = itemDelegateForColumn(c);
    setItemDelegateForColumn(c, new ValueListDelegate(values, this));
    if (old)
        old->deleteLater();
}

RecordSetModel *DataGrid::recordModel() const
{
    return qobject_cast<RecordSetModel *>(model());
}

QWidget *DataGrid::openEditor() const
{
    // Looked for among the cells, not by the focus: while a menu is open, or
    // the window is closed from its title bar, the focus may be elsewhere
    // with the editor still holding what was typed.
    for (QWidget *child : viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            return child;
    return nullptr;
}

bool DataGrid::commitPendingEdit()
{
    QWidget *editor = openEditor();
    if (!editor)
        return true;
    commitData(editor);
    const bool taken = !m_refused;
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return taken;
}

void DataGrid::discardPendingEdit()
{
    if (QWidget *editor = openEditor())
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    if (RecordSetModel *m = recordModel())
        m->revert();
}

void DataGrid::commitData(QWidget *editor)
{
    // While the refusal is on the screen the editor loses the focus to it;
    // that must not hand the same value over (and refuse it) once more.
    if (m_committing)
        return;
    // A value refused and not changed since stays refused without being said
    // again: a click on OK first takes the focus from the editor, and the
    // clerk would be told twice.
    const QMetaProperty typed = editor->metaObject()->userProperty();
    const QVariant value = typed.isValid() ? typed.read(editor) : QVariant();
    if (editor == m_refusedEditor && value == m_refusedValue) {
        m_refused = true;
        return;
    }
    const QScopedValueRollback committing(m_committing, true);
    m_refused = false;
    QTableView::commitData(editor);
    m_refusedEditor = m_refused ? editor : nullptr;
    m_refusedValue = value;
}

void DataGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (m_committing)
        return;
    const bool refused = std::exchange(m_refused, false);
    // A refused value stays in its own cell to be put right or dropped with
    // Escape: closing it would move on (Tab to the next cell or out of the
    // list) and send what is typed next into another cell or elsewhere.
    if (refused && hint != QAbstractItemDelegate::RevertModelCache && m_editedCell == currentIndex()) {
        editor->setFocus();
        return;
    }
    // Tab in the last cell (Shift+Tab in the first) closes the editor and
    // goes on to the next control rather than round to the other end.
    const bool onward = hint == QAbstractItemDelegate::EditNextItem;
    const bool leaving = (onward || hint == QAbstractItemDelegate::EditPreviousItem) &&
                         !moveCursor(onward ? MoveNext : MovePrevious, Qt::NoModifier).isValid();
    QTableView::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
    if (leaving)
        leave(onward);
}

QModelIndex DataGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex to = QTableView::moveCursor(action, modifiers);
    const QModelIndex from = currentIndex();
    if (!from.isValid() || !to.isValid() || (action != MoveNext && action != MovePrevious))
        return to;
    // The view wraps round from the last cell to the first: the clerk would
    // never get out of the list with Tab.
    const QHeaderView *columns = horizontalHeader();
    const std::pair fromCell(from.row(), columns->visualIndex(from.column()));
    const std::pair toCell(to.row(), columns->visualIndex(to.column()));
    const bool wrapped = action == MoveNext ? toCell <= fromCell : toCell >= fromCell;
    return wrapped ? QModelIndex() : to;
}

bool DataGrid::focusNextPrevChild(bool next)
{
    // A clerk at the keyboard goes from Add into the list with Tab, and
    // means the new row's first cell, which already has the focus.
    if (next && m_addedCell.isValid() && m_addedCell == currentIndex() && !openEditor()) {
        m_addedCell = QPersistentModelIndex();
        edit(currentIndex());
        return true;
    }
    if (tabKeyNavigation() && !moveCursor(next ? MoveNext : MovePrevious, Qt::NoModifier).isValid()) {
        leave(next);
        return true;
    }
    return QTableView::focusNextPrevChild(next);
}

bool DataGrid::isLeavingKey(const QEvent *event, bool *next) const
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (!key->modifiers().testFlag(Qt::ControlModifier) || key->modifiers().testFlag(Qt::AltModifier) ||
        (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return false;
    *next = key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier);
    return true;
}

void DataGrid::leave(bool next)
{
    // The view's own turn would move the current cell instead.
    QAbstractScrollArea::focusNextPrevChild(next);
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    if (bool next = false; isLeavingKey(event, &next)) {
        leave(next);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool DataGrid::eventFilter(QObject *watched, QEvent *event)
{
    // Seen before the cell's delegate, which takes every Tab as a move to
    // the next cell. A refused value keeps the clerk in its cell.
    if (bool next = false; watched == openEditor() && isLeavingKey(event, &next)) {
        if (commitPendingEdit())
            leave(next);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

bool DataGrid::appendRow(const QList<QPair<int, QVariant>> &fields)
{
    // A value refused in the open cell is dropped (the clerk has been told)
    // rather than the row not added: a calendar's period must not stretch
    // the row that was current before.
    commitPendingEdit();
    RecordSetModel *model = recordModel();
    const int row = model->addEmptyRow();
    setCurrentIndex(model->index(row, firstTypingColumn(row)));
    m_addedCell = currentIndex();
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
    const int column = currentIndex().isValid() ? currentIndex().column() : firstTypingColumn(row);
    setCurrentIndex(model()->index(row, std::min(column, model()->columnCount() - 1)));
}

int DataGrid::firstTypingColumn(int row) const
{
    for (int c = 0; c < model()->columnCount(); ++c)
        if (!isColumnHidden(c) && model()->flags(model()->index(row, c)).testFlag(Qt::ItemIsEditable))
            return c;
    return 0;
}

bool DataGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // A click on a cell of the current row opens its editor at once. The view
    // would wait a double-click interval first, and keys typed meanwhile went
    // to the type-ahead search, which moved the row and lost the typing.
    if (trigger == SelectedClicked && editTriggers().testFlag(SelectedClicked))
        trigger = AllEditTriggers;
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened && state() == QAbstractItemView::EditingState) {
        m_editedCell = index;
        m_addedCell = QPersistentModelIndex();
        if (QWidget *editor = openEditor())
            editor->installEventFilter(this);
    }
    return opened;
}

void DataGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    // The view opens a clicked cell's editor and then declares itself no
    // longer editing; it is, and closing the window must save that editor.
    if (state() != QAbstractItemView::EditingState && openEditor())
        setState(QAbstractItemView::EditingState);
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (current != m_addedCell)
        m_addedCell = QPersistentModelIndex();
    // Leaving a row saves it.
    if (previous.isValid() && current.row() != previous.row())
        if (RecordSetModel *m = recordModel())
            m->submit();
    QTableView::currentChanged(current, previous);
}

} // namespace calendrix
