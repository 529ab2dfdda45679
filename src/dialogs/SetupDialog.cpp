#include "SetupDialog.h"

#include "DataControl.h"
#include "DataGrid.h"
#include "MonthView.h"
#include "PeriodEntry.h"
#include "RecordSetModel.h"
#include "UserDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

const QString kSectionQuery = u"SELECT * FROM Sections ORDER BY Section Asc"_s;
const QString kHolidayQuery = u"SELECT * FROM Holiday ORDER BY From Asc"_s;

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

SetupDialog::SetupDialog(const UnitFolder &folder, std::function<QDate()> today, QWidget *parent)
    : ToolWindow(u"Setup"_s, u"Setup"_s, parent), m_folder(folder), m_today(std::move(today))
{
    Data1 = new DataControl(u"Data1"_s, this);
    Data2 = new DataControl(u"Data2"_s, this);
    Data3 = new DataControl(u"Data3"_s, this);
    Data4 = new DataControl(u"Data4"_s, this);
    Data5 = new DataControl(u"Data5"_s, this);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(u"SSTab1"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);

    // Qualifications: fifteen titles, box 1 at the top.
    auto *titles = new QWidget;
    auto *titlesLayout = new QGridLayout(titles);
    for (int i = 0; i < 15; ++i) {
        Text1[i] = new QLineEdit(titles);
        Text1[i]->setObjectName(u"Text1_%1"_s.arg(i));
        Text1[i]->setMaxLength(50);
        titlesLayout->addWidget(Text1[i], i, 0);
    }
    auto *ok1 = button(titles, u"Command1"_s, u"OK"_s);
    auto *cancel1 = button(titles, u"Command2"_s, u"Cancel"_s);
    titlesLayout->addWidget(ok1, 0, 1);
    titlesLayout->addWidget(cancel1, 1, 1);
    titlesLayout->setColumnStretch(0, 1);
    SSTab1->addTab(titles, u"Qualifications"_s);

    // Comment: the section names.
    auto *sections = new QWidget;
    auto *sectionsLayout = new QGridLayout(sections);
    TDBGrid1 = new DataGrid(u"TDBGrid1"_s, sections);
    sectionsLayout->addWidget(TDBGrid1, 0, 0, 7, 1);
    const QStringList names{u"Command5"_s, u"Command6"_s, u"Command7"_s,
                            u"Command8"_s, u"Command3"_s, u"Command4"_s};
    const QStringList captions{u"&Add"_s, u"&Delete"_s, u"&Update"_s, u"&Sort"_s, u"OK"_s, u"Cancel"_s};
    QList<QPushButton *> sectionButtons;
    for (int i = 0; i < names.size(); ++i) {
        sectionButtons.append(button(sections, names[i], captions[i]));
        sectionsLayout->addWidget(sectionButtons.last(), i, 1);
    }
    sectionsLayout->setRowStretch(6, 1);
    SSTab1->addTab(sections, u"Comment"_s);

    // Holidays: added by the calendar only.
    auto *holidays = new QWidget;
    auto *holidaysLayout = new QGridLayout(holidays);
    MonthView1 = new MonthView(u"MonthView1"_s, holidays);
    TDBGrid2 = new DataGrid(u"TDBGrid2"_s, holidays);
    auto *remove = button(holidays, u"Command12"_s, u"&Remove"_s);
    auto *ok3 = button(holidays, u"Command9"_s, u"OK"_s);
    auto *cancel3 = button(holidays, u"Command10"_s, u"Cancel"_s);
    holidaysLayout->addWidget(MonthView1, 0, 0);
    holidaysLayout->addWidget(TDBGrid2, 1, 0, 4, 1);
    holidaysLayout->addWidget(remove, 0, 1, Qt::AlignTop);
    holidaysLayout->addWidget(ok3, 1, 1);
    holidaysLayout->addWidget(cancel3, 2, 1);
    holidaysLayout->setRowStretch(4, 1);
    SSTab1->addTab(holidays, u"Holidays"_s);
    SSTab1->setCurrentIndex(1); // the first showing opens on "Comment"

    connect(ok1, &QPushButton::clicked, this, &SetupDialog::Command1_Click);
    connect(cancel1, &QPushButton::clicked, this, &ToolWindow::dismiss);
    connect(sectionButtons[0], &QPushButton::clicked, this, [this] { addRow(TDBGrid1); });
    connect(sectionButtons[1], &QPushButton::clicked, this, [this] { deleteRow(TDBGrid1); });
    connect(sectionButtons[2], &QPushButton::clicked, this, [this] { updateRow(TDBGrid1); });
    connect(sectionButtons[3], &QPushButton::clicked, this, [this] {
        try {
            Data2->setRecordSource(kSectionQuery);
            TDBGrid1->setCurrentRow(0);
        } catch (const StoreError &e) {
            showError(e.text());
        }
    });
    connect(sectionButtons[4], &QPushButton::clicked, this, &SetupDialog::Command3_Click);
    connect(sectionButtons[5], &QPushButton::clicked, this, &ToolWindow::dismiss);
    connect(remove, &QPushButton::clicked, this, [this] { deleteRow(TDBGrid2); });
    connect(ok3, &QPushButton::clicked, this, &SetupDialog::Command9_Click);
    connect(cancel3, &QPushButton::clicked, this, &ToolWindow::dismiss);
    // A day or a run of days picked in the calendar is a new holiday line.
    new PeriodEntry(MonthView1, TDBGrid2, {}, [this](const std::function<void()> &change) {
        try {
            change();
        } catch (const StoreError &e) {
            showError(e.text());
        }
    });
    resize(640, 560);
}

void SetupDialog::showEvent(QShowEvent *event)
{
    const bool again = isLoaded();
    ToolWindow::showEvent(event);
    if (!again)
        return;
    // Both lists are read again at every showing: the holidays show what the
    // main window's housekeeping left, and nothing typed and not saved
    // before the dialog was closed comes back to be written later.
    for (const auto &[grid, source, query] :
         {std::tuple{TDBGrid1, Data2, kSectionQuery}, std::tuple{TDBGrid2, Data3, kHolidayQuery}}) {
        grid->discardPendingEdit();
        try {
            source->setRecordSource(query);
            grid->setCurrentRow(0);
        } catch (const StoreError &) {
        }
    }
}

void SetupDialog::Form_Load()
{
    MonthView1->setSelectedDate(m_today());
    try {
        const Database db = Database::open(m_folder.personnelPath(), FileKind::Personnel);
        Data1->bind(db, u"Qualifications"_s);
        Data2->bind(db, kSectionQuery);
        Data3->bind(db, kHolidayQuery);
        Data4->bind(db, u"SoldierRoster"_s);
        Data5->bind(db, u"DutyDates"_s);
    } catch (const StoreError &e) {
        showError(e.text());
    }
    auto model = [this](DataGrid *grid, DataControl *source, QList<GridColumn> columns) {
        grid->showRecords(source, columns, [this](const QString &text) { showError(text); });
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setCurrentRow(0);
    };
    model(TDBGrid1, Data2, {{0, u"ID"_s}, {1, u"Comment"_s}});
    model(TDBGrid2, Data3, {{1, u"Title"_s}, {2, u"From"_s}, {3, u"To"_s}});
    if (RecordSetModel *holidays = TDBGrid2->recordModel())
        holidays->requirePeriodOrder(2, 3);
    TDBGrid2->setColumnWidth(0, 220);

    // The titles of the first record; an empty table leaves the boxes empty.
    if (Data1->isBound()) {
        RecordSet &rs = Data1->recordset();
        if (!rs.eof())
            for (int i = 0; i < 15; ++i)
                Text1[i]->setText(rs.value(i + 1).toString());
    }
}

void SetupDialog::Command1_Click()
{
    try {
        RecordSet &titles = Data1->recordset();
        std::array<bool, 15> untitled{};
        for (int i = 0; i < 15; ++i)
            untitled[i] = Text1[i]->text().trimmed().isEmpty();
        if (!titles.eof()) {
            titles.moveFirst();
            titles.edit();
            for (int i = 0; i < 15; ++i)
                titles.setValue(i + 1, Text1[i]->text().isEmpty() ? QVariant() : QVariant(Text1[i]->text()));
            titles.update();
        }
        clearUntitledFlags(untitled);
    } catch (const StoreError &e) {
        showError(e.text());
        return;
    }
    restartMessage();
}

void SetupDialog::clearUntitledFlags(const std::array<bool, 15> &untitled)
{
    // A qualification without a title is in use nowhere: every soldier and
    // every duty loses its flag, all of them or none.
    Database db = Data4->database();
    Transaction transaction(db);
    for (const auto &[source, firstFlag] : {std::pair{Data4, 4}, std::pair{Data5, 3}}) {
        RecordSet &rs = source->recordset();
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            bool editing = false;
            for (int i = 0; i < 15; ++i) {
                if (!untitled[i])
                    continue;
                if (!editing) {
                    rs.edit();
                    editing = true;
                }
                rs.setValue(firstFlag + i, false);
            }
            if (editing)
                rs.update();
        }
    }
    transaction.commit();
}

void SetupDialog::Command3_Click()
{
    updateRow(TDBGrid1);
    if (RecordSetModel *m = TDBGrid1->recordModel(); m && !m->submit())
        return;
    restartMessage();
}

void SetupDialog::restartMessage()
{
    UserDialogs::instance().inform(this, Messenger::Kind::Plain,
                                   u"Program must be restarted for changes to take effect"_s);
    hide();
    emit endProgram();
}

void SetupDialog::Command9_Click()
{
    updateRow(TDBGrid2);
    hide();
}

} // namespace calendrix
