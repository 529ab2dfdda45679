#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace calendrix {

class DataControl;
class StoreError;

// How a grid shows one field.
struct GridColumn {
    enum class Kind {
        Plain,     // text, number or date as it is
        Check,     // yes/no as a check box
        ValueList, // a stored value shown through a list of (stored, shown) pairs
    };
    int field;
    QString caption;
    Kind kind = Kind::Plain;
    QList<QPair<QString, QString>> values = {};
    bool editable = true;
    // The whole numbers a number column takes, when it has limits.
    std::optional<std::pair<qint64, qint64>> range = std::nullopt;
};

// The one table model of the program: the rows of a DataControl's record
// set, edited in place. A row's changes are held until the row is saved:
// when the view leaves the row (submit), on Update, or before anything re-reads
// the rows. Rows added appear at the end until the source is re-read.
class RecordSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    RecordSetModel(DataControl *source, QList<GridColumn> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Saves the row with held changes; false (and failed()) when it cannot be saved.
    bool submit() override;
    void revert() override;

    DataControl *source() const { return m_source; }
    bool hasPendingEdits() const { return m_pendingRow >= 0; }
    const GridColumn &column(int c) const { return m_columns[c]; }
    int columnOfField(int field) const;
    // A value-list column offers values from now on.
    void setValueList(int column, const QList<QPair<QString, QString>> &values);

    // The value of a field of a row, held changes included.
    QVariant fieldValue(int row, int field) const;
    bool setFieldValue(int row, int field, const QVariant &value);

    // The two date fields of a period: a first day after the last day is
    // refused, whichever of them is typed.
    void requirePeriodOrder(int fromField, int toField);
    // A text field that no two rows may hold alike, blanks at the ends aside
    // (an empty one may repeat): a text typed that another row holds is
    // refused with the sentence refusal makes of that text.
    void requireUniqueText(int field, std::function<QString(const QString &)> refusal);

    // Adds an empty row, saved at once, at the end; returns its row.
    int addEmptyRow();
    // Deletes a row from the table.
    void deleteRow(int row);
    // Saves a row whether or not anything was changed in it.
    void saveRow(int row);

signals:
    // A change could not be saved; the text says why and where.
    void failed(const QString &text);

private:
    void reload();
    QVariant shown(const GridColumn &c, const QVariant &v) const;
    void report(const StoreError &e);
    // Why a value may not go into a field of a row; empty when it may.
    QString refusal(int row, int field, const QVariant &typed, const QVariant &value) const;
    QString captionOf(int field) const;

    DataControl *m_source;
    QList<GridColumn> m_columns;
    std::vector<int> m_slots; // record-set slots of the rows shown, in order
    int m_pendingRow = -1;
    QHash<int, QVariant> m_pending;              // field -> held value
    std::optional<std::pair<int, int>> m_period; // first-day and last-day fields
    int m_uniqueField = -1;
    std::function<QString(const QString &)> m_uniqueRefusal;
};

} // namespace calendrix
