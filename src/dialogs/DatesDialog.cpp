#include "DatesDialog.h"

#include "DataControl.h"
#include "DataGrid.h"
#include "RecordSetModel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {
const QString kDatesQuery = u"SELECT * FROM Dates ORDER BY SoldierName Asc, From Asc"_s;
}

DatesDialog::DatesDialog(const UnitFolder &folder, QWidget *parent)
    : ToolWindow(u"Assignment"_s, u"Assignment Dates"_s, parent), m_folder(folder)
{
    Data1 = new DataControl(u"Data1"_s, this);
    TDBGrid3 = new DataGrid(u"TDBGrid3"_s, this);
    auto *layout = new QGridLayout(this);
    layout->addWidget(TDBGrid3, 0, 0, 7, 1);
    const QStringList names{u"Command15"_s, u"Command16"_s, u"Command17"_s,
                            u"Command18"_s, u"Command13"_s, u"Command14"_s};
    const QStringList captions{u"&Add"_s, u"&Delete"_s, u"&Update"_s, u"&Sort"_s, u"OK"_s, u"Cancel"_s};
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
    connect(buttons[0], &QPushButton::clicked, this, [this] { addRow(TDBGrid3); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { deleteRow(TDBGrid3); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { updateRow(TDBGrid3); });
    connect(buttons[3], &QPushButton::clicked, this, &DatesDialog::Command18_Click);
    connect(buttons[4], &QPushButton::clicked, this, [this] {
        updateRow(TDBGrid3);
        hide();
    });
    connect(buttons[5], &QPushButton::clicked, this, &ToolWindow::dismiss);
    resize(520, 480);
}

void DatesDialog::Form_Load()
{
    try {
        const Database db = Database::open(m_folder.workingPath(), FileKind::Working);
        Data1->bind(db, kDatesQuery);
    } catch (const StoreError &e) {
        showError(e.text());
    }
    RecordSetModel *model = TDBGrid3->showRecords(Data1, {{1, u"Name"_s}, {2, u"From"_s}, {3, u"To"_s}},
                                                  [this](const QString &text) { showError(text); });
    model->requirePeriodOrder(2, 3);
    TDBGrid3->setCurrentRow(0);
    fitColumns();
}

void DatesDialog::showEvent(QShowEvent *event)
{
    const bool again = isLoaded();
    ToolWindow::showEvent(event);
    // Each showing reads the list again, so that it shows the periods that
    // roster runs have added since, and nothing left from before "Cancel".
    if (again) {
        TDBGrid3->discardPendingEdit();
        readList();
    }
}

void DatesDialog::Command18_Click()
{
    TDBGrid3->commitPendingEdit();
    readList();
}

void DatesDialog::readList()
{
    try {
        Data1->setRecordSource(kDatesQuery);
        TDBGrid3->setCurrentRow(0);
    } catch (const StoreError &e) {
        showError(e.text());
    }
    fitColumns();
}

void DatesDialog::fitColumns()
{
    QHeaderView *header = TDBGrid3->horizontalHeader();
    header->setStretchLastSection(false);
    TDBGrid3->resizeColumnsToContents();
    const QHeaderView *rowHeader = TDBGrid3->verticalHeader();
    const int needed = header->length() + (rowHeader->isHidden() ? 0 : rowHeader->sizeHint().width()) +
                       2 * TDBGrid3->frameWidth() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TDBGrid3);
    const int missing = needed - TDBGrid3->width();
    if (missing > 0) {
        const QScreen *screen = this->screen();
        const int widest = screen ? screen->availableGeometry().width() : width() + missing;
        resize(std::min(width() + missing, widest), height());
    }
    // Room to spare goes to the last column.
    header->setStretchLastSection(true);
}

} // namespace calendrix
