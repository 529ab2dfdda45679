#pragma once

#include <QPointer>
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
    // The drop-down of field's value-list column offers values from the next edit on.
    void setValueList(int field, const QList<QPair<QString, QString>> &values);
    // Hands an open cell editor's text to the model (a pending row).
    // False when the model refused it: the editor then stays open in its cell.
    bool commitPendingEdit();
    // Drops what was typed and not saved: an open cell editor's text and the
    // model's pending row.
    void discardPendingEdit();
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    int currentRow() const;
    // Appends a row, saved at once, and makes its first column that takes
    // typing current; then sets the given fields one by one, saving each as a
    // clerk typing them would. False when a field could not be saved (the
    // model has said why). Throws StoreError when the row cannot be added.
    bool appendRow(const QList<QPair<int, QVariant>> &fields = {});
    void setCurrentRow(int row);
    using QTableView::edit;

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    int sizeHintForColumn(int column) const override;
    bool viewportEvent(QEvent *event) override;

private:
    QWidget *openEditor() const;
    int firstTypingColumn(int row) const;
    // Ctrl+Tab and Ctrl+Shift+Tab: the focus goes to the next or previous
    // control, whether or not a cell is being typed in.
    bool isLeavingKey(const QEvent *event, bool *next) const;
    void leave(bool next);

    // A value is being handed to the model; its refusal is being shown.
    bool m_committing = false;
    // The model refused the value last handed to it from an editor.
    bool m_refused = false;
    // The editor and value last refused.
    QPointer<QWidget> m_refusedEditor;
    QVariant m_refusedValue;
    QPersistentModelIndex m_editedCell;
    // The first cell of a row just added, until the clerk types or moves.
    QPersistentModelIndex m_addedCell;
};

} // namespace calendrix
