#include "dialogs/DatesDialog.h"

#include "main/DataControl.h"
#include "main/DataGrid.h"
#include "main/ErrorDisplay.h"
#include "main/GridCommands.h"
#include "main/RecordSetModel.h"
#include "store/Fields.h"
#include "store/RecordSources.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {
namespace F = Fields;
const QString &kDatesQuery = RecordSources::kDatesByName;
} // namespace

DatesDialog::DatesDialog(UnitDatabases &databases, QWidget *parent)
    : ToolWindow(u"Assignment"_s, tr("Assignment Dates"), parent), m_databases(databases)
{
    m_dates = new DataControl(u"Data1"_s, this);
    m_dateGrid = new DataGrid(u"TDBGrid3"_s, this);
    m_dateGrid->setAccessibleName(tr("Assignment dates"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_dateGrid, 0, 0, 7, 1);
    const QStringList names{u"Command15"_s, u"Command16"_s, u"Command17"_s,
                            u"Command18"_s, u"Command13"_s, u"Command14"_s};
    const QStringList captions{tr("&Add"), tr("&Delete"), tr("&Update"), tr("&Sort"), tr("OK"), tr("Cancel")};
    QList<QPushButton *> buttons;
    for (int i = 0; i < names.size(); ++i) {
        auto *b = new QPushButton(captions[i], this);
        b->setObjectName(names[i]);
        b->setAutoDefault(false);
        layout->addWidget(b, i, 1);
        buttons.append(b);
    }
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(6, 1);
    GridCommands::clickAtOnceByKey(buttons[0]);
    connect(buttons[0], &QPushButton::clicked, this, [this] { addRow(m_dateGrid); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { deleteRow(m_dateGrid); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { updateRow(m_dateGrid); });
    connect(buttons[3], &QPushButton::clicked, this, &DatesDialog::sortList);
    // A value refused keeps the window open on it, to be put right or dropped.
    connect(buttons[4], &QPushButton::clicked, this, [this] {
        if (updateRow(m_dateGrid))
            hide();
    });
    connect(buttons[5], &QPushButton::clicked, this, &ToolWindow::dismiss);
    resize(520, 480);
}

void DatesDialog::loadRecords()
{
    try {
        const Database db = m_databases.working();
        m_dates->bind(db, kDatesQuery);
    } catch (const StoreError &e) {
        ErrorDisplay::show(this, e);
    }
    RecordSetModel *model = m_dateGrid->showRecords(
        m_dates,
        {{F::Dates::SoldierName, tr("Name")}, {F::Dates::From, tr("From")}, {F::Dates::To, tr("To")}},
        [this](const QString &text) { showError(text); });
    model->requirePeriodOrder(F::Dates::From, F::Dates::To);
    m_dateGrid->setCurrentRow(0);
    fitColumns();
}

void DatesDialog::showEvent(QShowEvent *event)
{
    const bool again = isLoaded();
    ToolWindow::showEvent(event);
    // Each showing reads the list again, so that it shows the periods that
    // roster runs have added since, and nothing left from before "Cancel".
    if (again) {
        m_dateGrid->discardPendingEdit();
        readList();
    }
}

void DatesDialog::sortList()
{
    m_dateGrid->commitPendingEdit();
    readList();
}

void DatesDialog::readList()
{
    try {
        m_dates->setRecordSource(kDatesQuery);
        m_dateGrid->setCurrentRow(0);
    } catch (const StoreError &e) {
        ErrorDisplay::show(this, e);
    }
    fitColumns();
}

void DatesDialog::fitColumns()
{
    QHeaderView *header = m_dateGrid->horizontalHeader();
    header->setStretchLastSection(false);
    m_dateGrid->resizeColumnsToContents();
    const QHeaderView *rowHeader = m_dateGrid->verticalHeader();
    const int needed = header->length() + (rowHeader->isHidden() ? 0 : rowHeader->sizeHint().width()) +
                       2 * m_dateGrid->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_dateGrid);
    const int missing = needed - m_dateGrid->width();
    if (missing > 0) {
        const QScreen *screen = this->screen();
        const int widest = screen ? screen->availableGeometry().width() : width() + missing;
        resize(std::min(width() + missing, widest), height());
    }
    // Room to spare goes to the last column.
    header->setStretchLastSection(true);
}

} // namespace calendrix
