#include "dialogs/CountersDialog.h"

#include "main/DataControl.h"
#include "main/DataGrid.h"
#include "main/ErrorDisplay.h"
#include "main/OffThread.h"
#include "main/RecordSetModel.h"
#include "main/ScreenFit.h"
#include "store/Fields.h"
#include "store/RecordSources.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {
namespace F = Fields;
// The orders in which the roster run considers candidates.
const QString &kNormalOrder = RecordSources::kCountersByNormalCount;
const QString &kHolidayOrder = RecordSources::kCountersByHolidayCount;
// The roster run keeps counters as 16-bit values; a negative counter would put
// a soldier ahead of everyone for good.
constexpr std::pair<qint64, qint64> kCounterRange{0, 32767};
} // namespace

QList<QPair<QString, QString>> CountersDialog::rankList()
{
    static const char *const shown[] = {"CIV", "PV2", "PV1", "PFC", "SPC", "CPL", "SGT", "SSG",
                                        "SFC", "MSG", "1SG", "CSM", "CSA", "WO1", "CW2", "CW3",
                                        "CW4", "CW5", "2LT", "1LT", "CPT", "MAJ", "LTC", "COL"};
    QList<QPair<QString, QString>> list;
    for (int i = 0; i < 24; ++i)
        list.append({i == 0 ? u"?"_s : QString(QChar(u'A' + i - 1)), QString::fromLatin1(shown[i])});
    return list;
}

CountersDialog::CountersDialog(UnitDatabases &databases, QWidget *parent)
    : ToolWindow(u"Edit32"_s, tr("Assignment Counters"), parent), m_databases(databases)
{
    m_counters = new DataControl(u"Data1"_s, this);
    m_counterGrid = new DataGrid(u"TDBGrid1"_s, this);
    m_counterGrid->setAccessibleName(tr("Assignment counters"));
    m_counterGrid->showRecords(
        m_counters,
        {{F::Memory::ID, tr("ID")},
         {F::Memory::Marker, tr("Marker"), GridColumn::Kind::Check},
         {F::Memory::SoldierName, tr("Name")},
         {F::Memory::Rank, tr("Rank"), GridColumn::Kind::ValueList, rankList()},
         {F::Memory::DutyName, tr("Duty")},
         {.field = F::Memory::Count, .caption = tr("Normal"), .range = kCounterRange},
         {.field = F::Memory::HCount, .caption = tr("Holiday"), .range = kCounterRange},
         {F::Memory::Remarks, tr("Comment")}},
        [this](const QString &text) { showError(text); });

    auto *update = new QPushButton(tr("&Update"), this);
    update->setObjectName(u"Command2"_s);
    auto *remove = new QPushButton(tr("&Delete"), this);
    remove->setObjectName(u"Command4"_s);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(u"Command1"_s);
    auto *sortFrame = new QGroupBox(tr("Sort by"), this);
    m_sortButton = new QPushButton(tr("Holiday"), sortFrame);
    m_sortButton->setObjectName(u"Command3"_s);
    // Its caption names the order it gives next, which alone does not say so.
    m_sortButton->setAccessibleDescription(
        tr("Sorts the counters by the counter it names: holiday or normal, lowest first."));
    (new QVBoxLayout(sortFrame))->addWidget(m_sortButton);
    for (QPushButton *b : {update, remove, close, m_sortButton})
        b->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_counterGrid, 0, 0, 5, 1);
    layout->addWidget(update, 0, 1);
    layout->addWidget(remove, 1, 1);
    layout->addWidget(sortFrame, 2, 1);
    layout->addWidget(close, 4, 1, Qt::AlignBottom);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);

    connect(update, &QPushButton::clicked, this, [this] { updateRow(m_counterGrid); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteRow(m_counterGrid); });
    connect(close, &QPushButton::clicked, this, &ToolWindow::dismiss);
    connect(m_sortButton, &QPushButton::clicked, this, &CountersDialog::toggleOrder);
    resizeWithinScreen(this, QSize(820, 520));
}

void CountersDialog::showEvent(QShowEvent *event)
{
    // Showing the window is its first activation, whether or not the window
    // system makes it active at once.
    ToolWindow::showEvent(event);
    readCounters();
}

void CountersDialog::changeEvent(QEvent *event)
{
    ToolWindow::changeEvent(event);
    // The window goes inactive and back while the busy dialog of a read is
    // up; that is no activation by the clerk.
    if (event->type() != QEvent::ActivationChange || m_reading)
        return;
    const std::optional<LastRead> lastRead = std::exchange(m_lastRead, std::nullopt);
    if (!isActiveWindow())
        return;
    if (lastRead) {
        // The clerk has just been told why the counters cannot be read.
        if (!lastRead->version)
            return;
        try {
            if (m_databases.working().version() == *lastRead->version)
                return;
        } catch (const StoreError &) {
        }
    }
    // What was typed before the clerk went elsewhere is saved, not dropped by
    // the read; a value refused stays in its editor, and the list as it is.
    if (!saveEdits())
        return;
    readCounters();
}

void CountersDialog::readCounters()
{
    // A line typed and not saved by now is not carried over: the re-reading
    // must not write it either.
    m_counterGrid->discardPendingEdit();
    if (!readInOrder(kNormalOrder))
        m_counters->unbind();
    m_sortButton->setText(tr("Holiday"));
    m_sortState = 0;
    m_counterGrid->setCurrentRow(0);
    m_counterGrid->resizeColumnsToContents();
    selectSoldier();
}

void CountersDialog::showSoldier(const QString &name)
{
    m_soldier = name;
    if (isVisible())
        selectSoldier();
    present();
}

void CountersDialog::hideEvent(QHideEvent *event)
{
    m_soldier.clear();
    ToolWindow::hideEvent(event);
}

void CountersDialog::selectSoldier()
{
    QAbstractItemModel *model = m_counterGrid->model();
    if (m_soldier.isEmpty() || !model)
        return;
    // The grid's columns: ID, Marker, Name, ...
    constexpr int kNameColumn = 2;
    QItemSelection rows;
    int first = -1;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, kNameColumn).data().toString() != m_soldier)
            continue;
        if (first < 0)
            first = r;
        rows.select(model->index(r, 0), model->index(r, model->columnCount() - 1));
    }
    if (first < 0)
        return;
    m_counterGrid->setCurrentRow(first);
    m_counterGrid->scrollTo(model->index(first, kNameColumn), QAbstractItemView::PositionAtTop);
    m_counterGrid->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void CountersDialog::toggleOrder()
{
    if (!readInOrder(m_sortState == 0 ? kHolidayOrder : kNormalOrder))
        return;
    m_sortButton->setText(m_sortState == 0 ? tr("Normal") : tr("Holiday"));
    m_sortState = m_sortState < 1 ? m_sortState + 1 : 0;
    m_counterGrid->setCurrentRow(0);
}

bool CountersDialog::readInOrder(const QString &order)
{
    // A division's counters take a good part of a second to read and sort:
    // read on a thread of their own, so that the windows go on painting.
    m_reading = true;
    const auto done = qScopeGuard([this] { m_reading = false; });
    m_lastRead.reset();
    try {
        const Database db = m_databases.working();
        const Database::Version version = db.version();
        RecordSet rows;
        runOffThread(this, windowTitle(), tr("Reading the counters..."),
                     [&] { rows = RecordSet::readApart(db, order); });
        m_counters->adopt(db, order, std::move(rows));
        m_lastRead = LastRead{version};
        return true;
    } catch (const StoreError &e) {
        m_lastRead = LastRead{};
        ErrorDisplay::show(this, e);
        return false;
    }
}

} // namespace calendrix
