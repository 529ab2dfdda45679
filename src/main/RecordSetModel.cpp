#include "main/RecordSetModel.h"

#include "app/NoticeText.h"
#include "main/DataControl.h"
#include "main/ErrorDisplay.h"
#include "store/FieldValues.h"

#include <QDate>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

RecordSetModel::RecordSetModel(DataControl *source, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_source(source), m_columns(std::move(columns))
{
    connect(m_source, &DataControl::aboutToReset, this, [this] { submit(); });
    connect(m_source, &DataControl::rowsReset, this, &RecordSetModel::reload);
    reload();
}

void RecordSetModel::reload()
{
    beginResetModel();
    m_slots.clear();
    m_pendingRow = -1;
    m_pending.clear();
    if (m_source->isBound()) {
        RecordSet &rs = m_source->recordset();
        for (int slot = 0; slot < rs.storedRowCount(); ++slot)
            if (!rs.isDeletedRow(slot))
                m_slots.push_back(slot);
    }
    endResetModel();
}

int RecordSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_slots.size());
}

int RecordSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int RecordSetModel::columnOfField(int field) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].field == field)
            return c;
    return -1;
}

void RecordSetModel::setValueList(int column, const QList<QPair<QString, QString>> &values)
{
    m_columns[column].values = values;
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

QVariant RecordSetModel::fieldValue(int row, int field) const
{
    if (row < 0 || row >= rowCount() || !m_source->isBound())
        return {};
    if (row == m_pendingRow && m_pending.contains(field))
        return m_pending.value(field);
    return m_source->recordset().valueAt(m_slots[row], field);
}

QVariant RecordSetModel::shown(const GridColumn &c, const QVariant &v) const
{
    if (v.isNull())
        return {};
    if (c.kind == GridColumn::Kind::ValueList) {
        const QString stored = v.toString();
        for (const auto &[value, text] : c.values)
            if (value == stored)
                return text;
        return stored;
    }
    if (v.metaType().id() == QMetaType::QDate)
        return FieldValues::dateText(v.toDate());
    return v;
}

QVariant RecordSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const GridColumn &c = m_columns[index.column()];
    const QVariant v = fieldValue(index.row(), c.field);
    if (c.kind == GridColumn::Kind::Check) {
        if (role == Qt::CheckStateRole)
            return v.toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return shown(c, v);
    case Qt::EditRole:
        // A date is edited as the text shown, so an empty cell and a filled
        // one get the same editor and what is typed is read as text.
        if (v.metaType().id() == QMetaType::QDate)
            return shown(c, v);
        return v;
    case Qt::ToolTipRole:
        return c.kind == GridColumn::Kind::ValueList && !v.isNull() ? v : QVariant();
    default:
        return {};
    }
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns[section].caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const GridColumn &c = m_columns[index.column()];
    if (!c.editable || c.field == 0)
        return f;
    return f | (c.kind == GridColumn::Kind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool RecordSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid())
        return false;
    const GridColumn &c = m_columns[index.column()];
    QVariant v = value;
    if (c.kind == GridColumn::Kind::Check) {
        if (role != Qt::CheckStateRole)
            return false;
        v = QVariant(value.toInt() == Qt::Checked);
    } else if (role != Qt::EditRole) {
        return false;
    }
    if (!setFieldValue(index.row(), c.field, v))
        return false;
    // A check box click is a whole change of its own: saved at once.
    if (c.kind == GridColumn::Kind::Check)
        return submit();
    return true;
}

bool RecordSetModel::setFieldValue(int row, int field, const QVariant &value)
{
    if (row < 0 || row >= rowCount())
        return false;
    try {
        RecordSet &rs = m_source->recordset();
        const QVariant converted = FieldValues::convert(value, rs.fieldType(field), rs.fieldName(field));
        if (const QString why = refusal(row, field, value, converted); !why.isEmpty()) {
            emit failed(why);
            return false;
        }
        if (m_pendingRow >= 0 && m_pendingRow != row && !submit())
            return false;
        m_pendingRow = row;
        m_pending.insert(field, converted);
    } catch (const StoreError &e) {
        report(e);
        return false;
    }
    const int c = columnOfField(field);
    if (c >= 0)
        emit dataChanged(index(row, c), index(row, c));
    return true;
}

bool RecordSetModel::submit()
{
    if (m_pendingRow < 0)
        return true;
    const int row = m_pendingRow;
    const QHash<int, QVariant> changes = m_pending;
    m_pendingRow = -1;
    m_pending.clear();
    try {
        RecordSet &rs = m_source->recordset();
        rs.moveToRow(m_slots[row]);
        rs.edit();
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            rs.setValue(it.key(), it.value());
        rs.update();
    } catch (const StoreError &e) {
        report(e);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return false;
    }
    return true;
}

void RecordSetModel::revert()
{
    if (m_pendingRow < 0)
        return;
    const int row = m_pendingRow;
    m_pendingRow = -1;
    m_pending.clear();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RecordSetModel::addEmptyRow()
{
    submit();
    RecordSet &rs = m_source->recordset();
    rs.addNew();
    rs.update();
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_slots.push_back(rs.lastModifiedRow());
    endInsertRows();
    return row;
}

void RecordSetModel::deleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        throw StoreError(StoreErrorCode::NoCurrentRecord, NoticeCode::NoCurrentRecord, {});
    if (m_pendingRow == row) {
        m_pendingRow = -1;
        m_pending.clear();
    } else {
        submit();
    }
    RecordSet &rs = m_source->recordset();
    rs.moveToRow(m_slots[row]);
    rs.deleteCurrent();
    beginRemoveRows({}, row, row);
    m_slots.erase(m_slots.begin() + row);
    if (m_pendingRow > row)
        --m_pendingRow;
    endRemoveRows();
}

void RecordSetModel::saveRow(int row)
{
    if (m_pendingRow == row) {
        if (!submit())
            throw StoreError(StoreErrorCode::General, NoticeCode::RowNotSaved, {});
        return;
    }
    submit();
    RecordSet &rs = m_source->recordset();
    rs.moveToRow(m_slots[row]);
    rs.edit();
    rs.update();
}

void RecordSetModel::requirePeriodOrder(int fromField, int toField)
{
    m_period = std::pair{fromField, toField};
}

void RecordSetModel::requireUniqueText(int field, std::function<QString(const QString &)> refusal)
{
    m_uniqueField = field;
    m_uniqueRefusal = std::move(refusal);
}

QString RecordSetModel::captionOf(int field) const
{
    const int c = columnOfField(field);
    return c >= 0 ? m_columns[c].caption : m_source->recordset().fieldName(field);
}

QString RecordSetModel::refusal(int row, int field, const QVariant &typed, const QVariant &value) const
{
    if (value.isNull())
        return {};
    if (field == m_uniqueField) {
        const QString text = value.toString().trimmed();
        for (int other = 0; !text.isEmpty() && other < rowCount(); ++other)
            if (other != row && fieldValue(other, field).toString().trimmed() == text)
                return m_uniqueRefusal(text);
    }
    const int c = columnOfField(field);
    if (c >= 0 && m_columns[c].range) {
        const auto [low, high] = *m_columns[c].range;
        const qint64 n = value.toLongLong();
        if (n < low || n > high)
            return tr("\"%1\" takes a whole number from %2 to %3; %4 was typed.")
                .arg(m_columns[c].caption, QString::number(low), QString::number(high),
                     typed.toString().trimmed());
    }
    if (m_period && (field == m_period->first || field == m_period->second) &&
        value.metaType().id() == QMetaType::QDate) {
        const bool first = field == m_period->first;
        const int otherField = first ? m_period->second : m_period->first;
        const QVariant other = fieldValue(row, otherField);
        if (other.metaType().id() != QMetaType::QDate)
            return {};
        const QDate from = first ? value.toDate() : other.toDate();
        const QDate to = first ? other.toDate() : value.toDate();
        if (from <= to)
            return {};
        const int otherColumn = columnOfField(otherField);
        const QVariant otherShown = otherColumn >= 0 ? shown(m_columns[otherColumn], other) : other;
        const QVariant typedShown = c >= 0 ? shown(m_columns[c], value) : value;
        return (first ? tr("\"%1\" cannot be after \"%2\": %3 was typed, and the period ends on %4.")
                      : tr("\"%1\" cannot be before \"%2\": %3 was typed, and the period starts on %4."))
            .arg(captionOf(field), captionOf(otherField), typedShown.toString(), otherShown.toString());
    }
    return {};
}

void RecordSetModel::report(const StoreError &e)
{
    // A value typed that the field cannot take is the clerk's to correct: the
    // text says what was wrong, and an error number would only get in the way.
    if (e.code() == StoreErrorCode::TypeMismatch)
        emit failed(NoticeText::text(e));
    else
        emit failed(ErrorDisplay::message(e));
}

} // namespace calendrix
