#include "DatesDialog.h"

#include "DataControl.h"
#include "DataGrid.h"
#include "RecordSetModel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>

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
    connect(buttons[5], &QPushButton::clicked, this, &QWidget::hide);
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
    TDBGrid3->showRecords(Data1, {{1, u"Name"_s}, {2, u"From"_s}, {3, u"To"_s}},
                          [this](const QString &text) { showError(text); });
    TDBGrid3->setColumnWidth(0, 220);
    TDBGrid3->horizontalHeader()->setStretchLastSection(true);
    TDBGrid3->setCurrentRow(0);
}

void DatesDialog::Command18_Click()
{
    try {
        TDBGrid3->commitPendingEdit();
        Data1->setRecordSource(kDatesQuery);
        TDBGrid3->setCurrentRow(0);
    } catch (const StoreError &e) {
        showError(e.text());
    }
}

} // namespace calendrix
