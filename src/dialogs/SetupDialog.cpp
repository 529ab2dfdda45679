#include "dialogs/SetupDialog.h"

#include "main/DataControl.h"
#include "main/DataGrid.h"
#include "main/ErrorDisplay.h"
#include "main/GridCommands.h"
#include "main/MonthView.h"
#include "main/PeriodEntry.h"
#include "main/RecordSetModel.h"
#include "main/ScreenFit.h"
#include "main/UserDialogs.h"
#include "store/Fields.h"
#include "store/RecordSources.h"

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

namespace F = Fields;
const QString &kSectionQuery = RecordSources::kSectionsByName;
const QString &kHolidayQuery = RecordSources::kHolidaysByStart;

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

SetupDialog::SetupDialog(UnitDatabases &databases, std::function<QDate()> today, QWidget *parent)
    : ToolWindow(u"Setup"_s, tr("Setup"), parent), m_databases(databases), m_today(std::move(today))
{
    m_titles = new DataControl(u"Data1"_s, this);
    m_sections = new DataControl(u"Data2"_s, this);
    m_holidays = new DataControl(u"Data3"_s, this);
    m_soldiers = new DataControl(u"Data4"_s, this);
    m_duties = new DataControl(u"Data5"_s, this);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"SSTab1"_s);
    m_tabs->setAccessibleName(tr("Setup pages"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    // Qualifications: fifteen titles, box 1 at the top.
    auto *titles = new QWidget;
    auto *titlesLayout = new QGridLayout(titles);
    for (int i = 0; i < 15; ++i) {
        m_titleBoxes[i] = new QLineEdit(titles);
        m_titleBoxes[i]->setObjectName(u"Text1_%1"_s.arg(i));
        m_titleBoxes[i]->setMaxLength(50);
        m_titleBoxes[i]->setAccessibleName(tr("Qualification %1").arg(i + 1));
        titlesLayout->addWidget(m_titleBoxes[i], i, 0);
    }
    auto *ok1 = button(titles, u"Command1"_s, tr("OK"));
    auto *cancel1 = button(titles, u"Command2"_s, tr("Cancel"));
    titlesLayout->addWidget(ok1, 0, 1);
    titlesLayout->addWidget(cancel1, 1, 1);
    titlesLayout->setColumnStretch(0, 1);
    m_tabs->addTab(titles, tr("Qualifications"));

    // Comment: the section names.
    auto *sections = new QWidget;
    auto *sectionsLayout = new QGridLayout(sections);
    m_sectionGrid = new DataGrid(u"TDBGrid1"_s, sections);
    m_sectionGrid->setAccessibleName(tr("Sections"));
    sectionsLayout->addWidget(m_sectionGrid, 0, 0, 7, 1);
    const QStringList names{u"Command5"_s, u"Command6"_s, u"Command7"_s,
                            u"Command8"_s, u"Command3"_s, u"Command4"_s};
    const QStringList captions{tr("&Add"), tr("&Delete"), tr("&Update"), tr("&Sort"), tr("OK"), tr("Cancel")};
    QList<QPushButton *> sectionButtons;
    for (int i = 0; i < names.size(); ++i) {
        sectionButtons.append(button(sections, names[i], captions[i]));
        sectionsLayout->addWidget(sectionButtons.last(), i, 1);
    }
    sectionsLayout->setRowStretch(6, 1);
    m_tabs->addTab(sections, tr("Comment"));

    // Holidays: added by the calendar only.
    auto *holidays = new QWidget;
    auto *holidaysLayout = new QGridLayout(holidays);
    m_holidayCalendar = new MonthView(u"MonthView1"_s, holidays);
    m_holidayGrid = new DataGrid(u"TDBGrid2"_s, holidays);
    m_holidayGrid->setAccessibleName(tr("Holidays"));
    auto *remove = button(holidays, u"Command12"_s, tr("&Remove"));
    auto *ok3 = button(holidays, u"Command9"_s, tr("OK"));
    auto *cancel3 = button(holidays, u"Command10"_s, tr("Cancel"));
    holidaysLayout->addWidget(m_holidayCalendar, 0, 0);
    holidaysLayout->addWidget(m_holidayGrid, 1, 0, 4, 1);
    holidaysLayout->addWidget(remove, 0, 1, Qt::AlignTop);
    holidaysLayout->addWidget(ok3, 1, 1);
    holidaysLayout->addWidget(cancel3, 2, 1);
    holidaysLayout->setRowStretch(4, 1);
    m_tabs->addTab(holidays, tr("Holidays"));
    m_tabs->setCurrentIndex(1); // the first showing opens on "Comment"

    connect(ok1, &QPushButton::clicked, this, &SetupDialog::saveTitles);
    connect(cancel1, &QPushButton::clicked, this, &ToolWindow::dismiss);
    GridCommands::clickAtOnceByKey(sectionButtons[0]);
    connect(sectionButtons[0], &QPushButton::clicked, this, [this] { addRow(m_sectionGrid); });
    connect(sectionButtons[1], &QPushButton::clicked, this, [this] { deleteRow(m_sectionGrid); });
    connect(sectionButtons[2], &QPushButton::clicked, this, [this] { updateRow(m_sectionGrid); });
    connect(sectionButtons[3], &QPushButton::clicked, this, [this] {
        try {
            m_sections->setRecordSource(kSectionQuery);
            m_sectionGrid->setCurrentRow(0);
        } catch (const StoreError &e) {
            ErrorDisplay::show(this, e);
        }
    });
    connect(sectionButtons[4], &QPushButton::clicked, this, &SetupDialog::saveSections);
    connect(sectionButtons[5], &QPushButton::clicked, this, &ToolWindow::dismiss);
    connect(remove, &QPushButton::clicked, this, [this] { deleteRow(m_holidayGrid); });
    connect(ok3, &QPushButton::clicked, this, &SetupDialog::saveHolidays);
    connect(cancel3, &QPushButton::clicked, this, &ToolWindow::dismiss);
    // A day or a run of days picked in the calendar is a new holiday line.
    new PeriodEntry(m_holidayCalendar, m_holidayGrid, {}, [this](const std::function<void()> &change) {
        try {
            change();
        } catch (const StoreError &e) {
            ErrorDisplay::show(this, e);
        }
    });
    scrollPagesWhenSmall(m_tabs);
    resizeWithinScreen(this, QSize(640, 560));
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
    readLists(false);
}

void SetupDialog::personnelChanged()
{
    if (isLoaded() && isVisible())
        readLists(true);
}

void SetupDialog::readLists(bool keepTyping)
{
    for (const auto &[grid, source, query] : {std::tuple{m_sectionGrid, m_sections, kSectionQuery},
                                              std::tuple{m_holidayGrid, m_holidays, kHolidayQuery}}) {
        const RecordSetModel *model = grid->recordModel();
        if (keepTyping && (grid->isEditing() || (model && model->hasPendingEdits())))
            continue;
        grid->discardPendingEdit();
        try {
            source->setRecordSource(query);
            grid->setCurrentRow(0);
        } catch (const StoreError &) {
        }
    }
}

void SetupDialog::loadRecords()
{
    m_holidayCalendar->setSelectedDate(m_today());
    try {
        const Database db = m_databases.personnel();
        m_titles->bind(db, RecordSources::kQualifications);
        m_sections->bind(db, kSectionQuery);
        m_holidays->bind(db, kHolidayQuery);
        m_soldiers->bind(db, RecordSources::kSoldierRoster);
        m_duties->bind(db, RecordSources::kDutyDates);
    } catch (const StoreError &e) {
        ErrorDisplay::show(this, e);
    }
    auto model = [this](DataGrid *grid, DataControl *source, QList<GridColumn> columns) {
        grid->showRecords(source, columns, [this](const QString &text) { showError(text); });
        grid->horizontalHeader()->setStretchLastSection(true);
        grid->setCurrentRow(0);
    };
    model(m_sectionGrid, m_sections, {{F::Sections::ID, tr("ID")}, {F::Sections::Section, tr("Comment")}});
    model(m_holidayGrid, m_holidays,
          {{F::Holiday::Name, tr("Title")}, {F::Holiday::From, tr("From")}, {F::Holiday::To, tr("To")}});
    if (RecordSetModel *holidays = m_holidayGrid->recordModel())
        holidays->requirePeriodOrder(F::Holiday::From, F::Holiday::To);
    m_holidayGrid->setColumnWidth(0, 220);

    // The titles of the first record; an empty table leaves the boxes empty.
    if (m_titles->isBound()) {
        RecordSet &rs = m_titles->recordset();
        if (!rs.eof())
            for (int i = 0; i < 15; ++i)
                m_titleBoxes[i]->setText(rs.value(F::Qualifications::qualification(i + 1)).toString());
    }
}

void SetupDialog::saveTitles()
{
    try {
        RecordSet &titles = m_titles->recordset();
        std::array<bool, 15> untitled{};
        for (int i = 0; i < 15; ++i)
            untitled[i] = m_titleBoxes[i]->text().trimmed().isEmpty();
        if (!titles.eof()) {
            titles.moveFirst();
            titles.edit();
            for (int i = 0; i < 15; ++i)
                titles.setValue(F::Qualifications::qualification(i + 1),
                                m_titleBoxes[i]->text().isEmpty() ? QVariant()
                                                                  : QVariant(m_titleBoxes[i]->text()));
            titles.update();
        }
        clearUntitledFlags(untitled);
    } catch (const StoreError &e) {
        ErrorDisplay::show(this, e);
        return;
    }
    restartMessage();
}

void SetupDialog::clearUntitledFlags(const std::array<bool, 15> &untitled)
{
    // A qualification without a title is in use nowhere: every soldier and
    // every duty loses its flag, all of them or none.
    Database db = m_soldiers->database();
    Transaction transaction(db);
    for (const auto &[source, flag] : {std::pair{m_soldiers, &F::SoldierRoster::qualification},
                                       std::pair{m_duties, &F::DutyDates::qualification}}) {
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
                rs.setValue(flag(i + 1), false);
            }
            if (editing)
                rs.update();
        }
    }
    transaction.commit();
}

void SetupDialog::saveSections()
{
    if (!updateRow(m_sectionGrid))
        return;
    if (RecordSetModel *m = m_sectionGrid->recordModel(); m && !m->submit())
        return;
    restartMessage();
}

void SetupDialog::restartMessage()
{
    UserDialogs::instance().inform(this, Messenger::Kind::Plain,
                                   tr("Program must be restarted for changes to take effect"));
    hide();
    emit endProgram();
}

void SetupDialog::saveHolidays()
{
    if (updateRow(m_holidayGrid))
        hide();
}

} // namespace calendrix
