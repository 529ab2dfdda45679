#include "dialogs/SoldierTotalsModel.h"

#include "store/Collation.h"
#include "store/RankList.h"

#include <QLocale>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

SoldierTotalsModel::SoldierTotalsModel(QObject *parent) : QAbstractTableModel(parent) {}

void SoldierTotalsModel::setFairness(std::shared_ptr<const FairnessModel> model)
{
    beginResetModel();
    m_model = std::move(model);
    m_rows.resize(m_model ? m_model->soldiers().size() : 0);
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i] = int(i);
    sortRows();
    endResetModel();
}

const FairnessModel::SoldierFairness &SoldierTotalsModel::soldier(int row) const
{
    return m_model->soldiers()[size_t(m_rows[size_t(row)])];
}

QString SoldierTotalsModel::soldierName(int row) const
{
    return row >= 0 && row < rowCount() ? soldier(row).name : QString();
}

int SoldierTotalsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SoldierTotalsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SoldierTotalsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FairnessModel::SoldierFairness &s = soldier(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Duties && index.column() <= Total
                   ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case Name:
        return s.name;
    case Rank:
        return rankAbbreviation(s.rank);
    case Section:
        return s.section;
    case Duties:
        return s.duties;
    case Normal:
        return s.normal;
    case Holiday:
        return s.holiday;
    case Total:
        return s.total();
    case Dates: {
        QStringList dates;
        const QLocale locale;
        for (const auto &[from, to] : s.dates)
            dates.append(from == to ? locale.toString(from, QLocale::ShortFormat)
                                    : locale.toString(from, QLocale::ShortFormat) + u"\u2013"_s +
                                          locale.toString(to, QLocale::ShortFormat));
        return dates.join(u", "_s);
    }
    case ColumnCount:
        break;
    }
    return {};
}

QVariant SoldierTotalsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions{tr("Name"),   tr("Rank"),    tr("Section"), tr("Duties"),
                                      tr("Normal"), tr("Holiday"), tr("Total"),   tr("Assignment dates")};
    return captions.value(section);
}

void SoldierTotalsModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> soldiersBefore;
    for (const QModelIndex &i : before)
        soldiersBefore.push_back(m_rows[size_t(i.row())]);
    m_sortColumn = column;
    m_sortOrder = order;
    sortRows();
    std::vector<int> rowOf(m_rows.size());
    for (size_t r = 0; r < m_rows.size(); ++r)
        rowOf[size_t(m_rows[r])] = int(r);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOf[size_t(soldiersBefore[size_t(i)])], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SoldierTotalsModel::sortRows()
{
    if (!m_model)
        return;
    const auto &soldiers = m_model->soldiers();
    // Among equals, the model's order: by name.
    for (size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i] = int(i);
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    if (m_sortColumn == Name || m_sortColumn == Rank || m_sortColumn == Section) {
        // Texts sort as the store sorts them, each key made once.
        std::vector<QByteArray> keys;
        keys.reserve(soldiers.size());
        for (const auto &s : soldiers)
            keys.push_back(Collation::key(m_sortColumn == Name   ? s.name
                                          : m_sortColumn == Rank ? s.rank
                                                                 : s.section));
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](int a, int b) {
            return descending ? keys[size_t(b)] < keys[size_t(a)] : keys[size_t(a)] < keys[size_t(b)];
        });
        return;
    }
    const auto value = [&](int i) -> qint64 {
        const auto &s = soldiers[size_t(i)];
        switch (m_sortColumn) {
        case Duties:
            return s.duties;
        case Normal:
            return s.normal;
        case Holiday:
            return s.holiday;
        case Dates: // by the first remembered day; none before any
            return s.dates.isEmpty() ? 0 : s.dates.constFirst().first.toJulianDay();
        default:
            return s.total();
        }
    };
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](int a, int b) { return descending ? value(b) < value(a) : value(a) < value(b); });
}

} // namespace calendrix
