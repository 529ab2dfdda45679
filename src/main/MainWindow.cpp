#include "main/MainWindow.h"

#include "app/Language.h"
#include "app/NoticeText.h"
#include "main/DataControl.h"
#include "main/DataGrid.h"
#include "main/DatafileReading.h"
#include "main/DialogHost.h"
#include "main/DraftAndUndo.h"
#include "main/ErrorDisplay.h"
#include "main/ExportRoster.h"
#include "main/FindBar.h"
#include "main/GridCommands.h"
#include "main/HelpKey.h"
#include "main/MonthView.h"
#include "main/PeriodEntry.h"
#include "main/RecordSetModel.h"
#include "main/ScreenFit.h"
#include "main/UserDialogs.h"
#include "report/RosterData.h"
#include "report/RosterReports.h"
#include "roster/RosterRun.h"
#include "session/UnitSession.h"
#include "store/Fields.h"
#include "store/FolderLock.h"
#include "store/OptionFile.h"
#include "store/RankList.h"
#include "store/RecordSources.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

namespace F = Fields;
namespace RS = RecordSources;

// The field of qualification k (from 1) in the duty or the soldier table.
using QualificationField = int (*)(int);

QualificationField qualificationField(int tab)
{
    return tab == 0 ? &F::DutyDates::qualification : &F::SoldierRoster::qualification;
}

QList<GridColumn> qualificationColumns(QualificationField field)
{
    QList<GridColumn> columns;
    for (int k = 1; k <= F::kQualificationCount; ++k)
        columns.append({field(k), u"Q%1"_s.arg(k), GridColumn::Kind::Check});
    return columns;
}

} // namespace

MainWindow::MainWindow(const UnitFolder &folder, std::unique_ptr<FolderLock> lock,
                       std::function<QDate()> today, QWidget *parent)
    : QMainWindow(parent), m_folder(folder), m_databases(folder),
      m_session(std::make_unique<UnitSession>(folder, std::move(lock))), m_today(std::move(today))
{
    if (!m_today)
        m_today = [] { return QDate::currentDate(); };
    setObjectName(u"Main"_s);
    setWindowTitle(u"Calendrix"_s);
    resizeWithinScreen(this, QSize(1100, 760));

    m_duties = new DataControl(u"Data1"_s, this);
    m_soldiers = new DataControl(u"Data2"_s, this);
    m_schedule = new DataControl(u"Data3"_s, this);
    m_absences = new DataControl(u"Data4"_s, this);
    m_titles = new DataControl(u"Data5"_s, this);
    m_sections = new DataControl(u"Data6"_s, this);
    m_holidays = new DataControl(u"Data7"_s, this);
    m_assignmentDates = new DataControl(u"DutyList"_s, this);

    buildMenus();
    buildWindow();
    loadLists();
}

MainWindow::~MainWindow()
{
    // The lists outlive this object's own part of the destruction; an editor
    // they close on the way out must not reach the window's handlers.
    for (DataGrid *grid : {m_dutyGrid, m_scheduleGrid, m_soldierGrid, m_absenceGrid}) {
        if (grid->model())
            grid->model()->disconnect(this);
        if (grid->selectionModel())
            grid->selectionModel()->disconnect(this);
    }
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(u"MNU_File"_s);
    auto item = [this](QMenu *menu, const QString &name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    // The frequent ones have the desktop's keys; Undo has none, as a key
    // pressed by mistake should not take back a whole run.
    QAction *make = item(file, u"MNU_Make"_s, tr("&Make New Datafile..."));
    make->setShortcut(QKeySequence::New);
    connect(make, &QAction::triggered, this, &MainWindow::makeDatafile);
    connect(item(file, u"MNU_Draft"_s, tr("Make &Draft...")), &QAction::triggered, this,
            &MainWindow::makeDraft);
    QAction *open = item(file, u"MNU_Open"_s, tr("&Open/Print Rosters..."));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &MainWindow::chooseDatafile);
    connect(item(file, u"MNU_Export"_s, tr("E&xport Roster...")), &QAction::triggered, this,
            &MainWindow::exportRoster);
    item(file, u"MNU_Import"_s, tr("&Import..."))->setEnabled(false);
    item(file, u"MNU_Change"_s, tr("&Change Roster..."))->setEnabled(false);
    // The dialogs' items work once the dialogs are handed in.
    file->addSeparator()->setObjectName(u"MNU_Sep2"_s);
    item(file, u"MNU_Setup"_s, tr("&Setup..."))->setEnabled(false);
    file->addSeparator()->setObjectName(u"MNU_Seperator1"_s);
    QAction *exit = item(file, u"MNU_Exit"_s, tr("&Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q)); // as on the Linux desktops, whatever the style
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName(u"MNU_Tools"_s);
    QMenu *assignment = tools->addMenu(tr("&Assignment"));
    assignment->setObjectName(u"MNU_Assignment"_s);
    item(assignment, u"MNU_Count"_s, tr("C&ounters..."))->setEnabled(false);
    item(assignment, u"MNU_Dates"_s, tr("D&ates..."))->setEnabled(false);
    m_consolidateItem = item(tools, u"MNU_Consolidate"_s, tr("&Consolidate"));
    m_consolidateItem->setCheckable(true);
    connect(m_consolidateItem, &QAction::triggered, this, &MainWindow::toggleConsolidate);
    m_absenceItem = item(tools, u"MNU_Absence"_s, tr("A&bsence"));
    m_absenceItem->setCheckable(true);
    connect(m_absenceItem, &QAction::triggered, this, &MainWindow::toggleAbsence);
    tools->addSeparator()->setObjectName(u"MNU_Sep3"_s);
    connect(item(tools, u"MNU_Undo"_s, tr("&Undo Last Roster Run...")), &QAction::triggered, this,
            &MainWindow::undoLastRun);
    item(tools, u"MNU_Fairness"_s, tr("&Fairness..."))->setEnabled(false);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(u"MNU_Help"_s);
    item(help, u"MNU_Contents"_s, tr("&Contents..."))->setEnabled(false);
    help->addSeparator()->setObjectName(u"MNU_Seperator12"_s);
    QMenu *language = help->addMenu(tr("&Language"));
    language->setObjectName(u"MNU_Language"_s);
    auto *languages = new QActionGroup(language);
    for (const QString &code : Language::codes()) {
        // Each language is named in itself, so that a clerk who cannot read
        // the window's language still finds their own.
        QAction *choice = item(language, u"MNU_Language_"_s + code, u"&"_s + Language::nativeName(code));
        choice->setCheckable(true);
        choice->setChecked(code == Language::current());
        languages->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, code] { chooseLanguage(code); });
    }
    item(help, u"MNU_About"_s, tr("A&bout..."))->setEnabled(false);
}

QWidget *MainWindow::buildTab(int tab)
{
    const bool duty = tab == 0;
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    DataGrid *top = new DataGrid(duty ? u"TDBGrid1"_s : u"TDBGrid3"_s, page);
    DataGrid *periods = new DataGrid(duty ? u"TDBGrid2"_s : u"TDBGrid4"_s, page);
    top->setAccessibleName(duty ? tr("Duties") : tr("Soldiers"));
    periods->setAccessibleName(duty ? tr("Work schedule") : tr("Absences"));
    (duty ? m_dutyGrid : m_soldierGrid) = top;
    (duty ? m_scheduleGrid : m_absenceGrid) = periods;

    auto *lower = new QHBoxLayout;
    auto *qualifications = new QGroupBox(tr("Qualifications:"), page);
    qualifications->setObjectName(duty ? u"FrameDQ"_s : u"FramePQ"_s);
    auto *boxes = new QVBoxLayout(qualifications);
    for (int i = 0; i < 15; ++i) {
        auto *box = new QCheckBox(qualifications);
        box->setObjectName((duty ? u"DQ_%1"_s : u"PQ_%1"_s).arg(i));
        boxes->addWidget(box);
        (duty ? m_dutyBoxes : m_soldierBoxes)[i] = box;
        connect(box, &QCheckBox::clicked, this,
                [this, tab, i](bool checked) { qualificationClicked(tab, i, checked); });
    }
    boxes->addStretch();
    lower->addWidget(qualifications);

    auto *frame = new QGroupBox(duty ? tr("Work Schedule:") : tr("Personnel Absence:"), page);
    auto *frameLayout = new QGridLayout(frame);
    MonthView *calendar = new MonthView(duty ? u"MonthView1"_s : u"MonthView2"_s, frame);
    (duty ? m_scheduleCalendar : m_absenceCalendar) = calendar;
    auto *remove = new QPushButton(tr("&Remove"), frame);
    remove->setObjectName(duty ? u"Command6"_s : u"Command12"_s);
    remove->setAccessibleDescription(duty ? tr("Removes the chosen period from the duty's work schedule.")
                                          : tr("Removes the chosen absence of the soldier."));
    calendar->setAccessibleDescription(
        duty ? tr("A day picked, or days dragged across, become a period of the duty's work schedule.")
             : tr("A day picked, or days dragged across, become an absence of the soldier."));
    frameLayout->addWidget(calendar, 0, 0);
    frameLayout->addWidget(remove, 0, 1, Qt::AlignTop);
    frameLayout->addWidget(periods, 1, 0, 1, 2);
    frameLayout->setRowStretch(1, 1);
    lower->addWidget(frame, 1);

    auto *buttons = new QHBoxLayout;
    const int first = duty ? 1 : 7;
    const QStringList captions{tr("&Add"), tr("&Delete"), tr("&Update"), tr("&Sort")};
    QList<QPushButton *> made;
    for (int i = 0; i < 4; ++i) {
        auto *b = new QPushButton(captions[i], page);
        b->setObjectName(u"Command%1"_s.arg(first + i));
        buttons->addWidget(b);
        made.append(b);
    }
    buttons->addStretch();

    auto *split = new QSplitter(Qt::Vertical, page);
    // The list with its find box under it; Ctrl+F anywhere on the tab opens it.
    auto *list = new QWidget(split);
    auto *listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(0);
    listLayout->addWidget(top);
    listLayout->addWidget(new FindBar(duty ? u"FindBar1"_s : u"FindBar3"_s, top, 1, page, list));
    split->addWidget(list);
    // The qualifications and the calendar scroll under the list when the
    // screen is small or the text large, so that the list and the buttons stay in view.
    auto *lowerWidget = new QWidget;
    lowerWidget->setLayout(lower);
    split->addWidget(scrollWhenSmall(lowerWidget));
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 4);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    GridCommands::clickAtOnceByKey(made[0]);
    connect(made[0], &QPushButton::clicked, this, [this, top] { addRow(top); });
    connect(made[1], &QPushButton::clicked, this, [this, top] { deleteRow(top); });
    connect(made[2], &QPushButton::clicked, this, [this, top, periods] { saveRows(top, periods); });
    connect(made[3], &QPushButton::clicked, this, duty ? &MainWindow::sortDuties : &MainWindow::sortSoldiers);
    connect(remove, &QPushButton::clicked, this, [this, periods] { deleteRow(periods); });
    // A day picked in the calendar is a period of the current duty or soldier,
    // who stays current.
    new PeriodEntry(
        calendar, periods,
        [top, duty] {
            top->commitPendingEdit();
            const int name = duty ? int(F::DutyDates::DutyName) : int(F::SoldierRoster::SoldierName);
            const int periodName = duty ? int(F::WorkSchedule::DutyName) : int(F::AbsentDates::SoldierName);
            return QList<QPair<int, QVariant>>{
                {periodName, top->recordModel()->fieldValue(top->currentRow(), name)}};
        },
        [this, periods](const std::function<void()> &change) {
            guarded(cannotText(periods, RowChange::AddPeriod), change);
        });
    return page;
}

void MainWindow::buildWindow()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"SSTab1"_s);
    m_tabs->setAccessibleName(tr("Duties and soldiers"));
    m_tabs->addTab(buildTab(0), tr("Duty"));
    m_tabs->addTab(buildTab(1), tr("Roster"));
    m_tabs->setCurrentIndex(1);
    setCentralWidget(m_tabs);
}

void MainWindow::loadLists()
{
    // Start-up shows what it can: a part that fails leaves its lists empty.
    bindSources();
    m_scheduleCalendar->setSelectedDate(m_today());
    m_absenceCalendar->setSelectedDate(m_today());
    loadSections();
    readOptions();

    const auto models = [this](DataGrid *grid, DataControl *source, QList<GridColumn> columns) {
        grid->showRecords(source, columns, [this](const QString &text) { showError(text); });
        grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        grid->resizeColumnsToContents();
    };
    models(m_dutyGrid, m_duties,
           QList<GridColumn>{{F::DutyDates::ID, tr("ID")},
                             {F::DutyDates::DutyName, tr("Nature of Duty")},
                             {F::DutyDates::Organization, tr("Organization")}} +
               qualificationColumns(qualificationField(0)));
    models(m_scheduleGrid, m_schedule,
           {{F::WorkSchedule::ID, tr("ID")},
            {F::WorkSchedule::DutyName, tr("Duty")},
            {F::WorkSchedule::From, tr("From")},
            {F::WorkSchedule::To, tr("To")}});
    models(m_soldierGrid, m_soldiers,
           QList<GridColumn>{
               {F::SoldierRoster::ID, tr("ID")},
               {F::SoldierRoster::SoldierName, tr("Name")},
               {F::SoldierRoster::SoldierRank, tr("Rank"), GridColumn::Kind::ValueList, mainRankList()},
               {F::SoldierRoster::Section, tr("Comment"), GridColumn::Kind::ValueList, m_sectionChoices}} +
               qualificationColumns(qualificationField(1)));
    models(m_absenceGrid, m_absences,
           {{F::AbsentDates::ID, tr("ID")},
            {F::AbsentDates::SoldierName, tr("Name")},
            {F::AbsentDates::From, tr("From")},
            {F::AbsentDates::To, tr("To")},
            {F::AbsentDates::Reason, tr("Remark")}});
    m_dutyGrid->setColumnWidth(1, 220);
    m_soldierGrid->setColumnWidth(1, 220);
    // A period that ends before it begins would never be rostered as meant.
    m_scheduleGrid->recordModel()->requirePeriodOrder(F::WorkSchedule::From, F::WorkSchedule::To);
    m_absenceGrid->recordModel()->requirePeriodOrder(F::AbsentDates::From, F::AbsentDates::To);
    // The roster run refuses a unit with two duties of one name.
    m_dutyGrid->recordModel()->requireUniqueText(F::DutyDates::DutyName, [](const QString &name) {
        return tr("Another duty is named '%1' already. A roster keeps a duty's counters, periods and rows "
                  "by its name: give each duty a name of its own.")
            .arg(name);
    });

    for (int tab : {0, 1}) {
        DataGrid *grid = tab == 0 ? m_dutyGrid : m_soldierGrid;
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, tab] { showQualifications(tab); });
        connect(grid->model(), &QAbstractItemModel::modelReset, this,
                [this, tab] { showQualifications(tab); });
        connect(grid->model(), &QAbstractItemModel::dataChanged, this,
                [this, tab] { showQualifications(tab); });
        grid->setCurrentRow(0);
    }
    m_scheduleGrid->setCurrentRow(0);
    m_absenceGrid->setCurrentRow(0);
}

void MainWindow::bindSources(bool offerHelp)
{
    // A roster run or undo killed before it finished is put in order before
    // any list shows counters that it may or may not have moved.
    const UnitSession::Settled settled = m_session->settle();
    for (const Notice &notice : settled.notices)
        UserDialogs::instance().inform(this, notice.kind, NoticeText::text(notice));
    if (settled.error)
        ErrorDisplay::show(this, *settled.error);
    // Each record source on its own: a missing or damaged table empties its
    // list and no other. A file that cannot be opened at all empties all of its.
    QStringList fileProblems, tableProblems;
    int filesOpen = 0;
    const auto bindFile = [&](FileKind kind, const QList<std::pair<DataControl *, QString>> &sources) {
        Database db;
        QList<StoreError> faults;
        try {
            db = m_databases.reopen(kind, &faults);
        } catch (const StoreError &e) {
            fileProblems.append(NoticeText::text(e));
            for (const auto &[control, source] : sources)
                control->unbind(e.notice());
            return;
        }
        ++filesOpen;
        for (const StoreError &fault : faults)
            tableProblems.append(NoticeText::text(fault));
        for (const auto &[control, source] : sources) {
            try {
                control->bind(db, source);
            } catch (const StoreError &e) {
                if (!tableProblems.contains(NoticeText::text(e)))
                    tableProblems.append(NoticeText::text(e));
            }
        }
    };
    bindFile(FileKind::Personnel, {{m_duties, RS::kDutiesByName},
                                   {m_soldiers, RS::kSoldiersByName},
                                   {m_schedule, RS::kScheduleByDuty},
                                   {m_absences, RS::kAbsencesByName},
                                   {m_titles, RS::kQualifications},
                                   {m_sections, RS::kSectionsByName},
                                   {m_holidays, RS::kHoliday}});
    bindFile(FileKind::Working, {{m_assignmentDates, RS::kDates}});
    if (filesOpen == 0) {
        const Notice why{Notice::Kind::Error, NoticeCode::NoUnitFilesOpen, {m_folder.dir()}};
        for (DataControl *c : {m_duties, m_soldiers, m_schedule, m_absences, m_titles, m_sections, m_holidays,
                               m_assignmentDates})
            c->unbind(why);
    }
    setWindowTitle(filesOpen > 0 ? tr("Calendrix - %1").arg(QDir::toNativeSeparators(m_folder.dir()))
                                 : u"Calendrix"_s);

    if (!fileProblems.isEmpty()) {
        const QString problem = (fileProblems + tableProblems).join(u"\n"_s);
        if (offerHelp)
            offerNewUnit(problem);
        else
            showError(problem);
    } else if (!tableProblems.isEmpty()) {
        showError(tableProblems.join(u"\n"_s) + u"\n\n"_s +
                  tr("The lists of the other tables are shown; the roster cannot be made until this "
                     "is put right."));
    }
}

void MainWindow::offerNewUnit(const QString &problem)
{
    const QString folder = QDir::toNativeSeparators(m_folder.dir());
    const QDate today = m_today();
    const QList<UnitFolder::Unusable> unusable = m_folder.unusableFiles();
    QString text = problem + u"\n\n"_s;
    QString create = tr("Create Empty Unit");
    if (unusable.isEmpty()) {
        text += tr("Create an empty unit in %1, or choose another folder?").arg(folder);
    } else {
        QStringList kept;
        for (const UnitFolder::Unusable &u : unusable)
            kept.append(tr("%1 as %2")
                            .arg(QFileInfo(u.path).fileName(),
                                 QFileInfo(m_folder.asideName(u.path, today)).fileName()));
        text += (unusable.size() == 1
                     ? tr("Keep the damaged file under a new name beside it (%1) and create an empty one in "
                          "its place, or choose another folder? Nothing is deleted.")
                     : tr("Keep the damaged files under new names beside them (%1) and create empty ones in "
                          "their place, or choose another folder? Nothing is deleted."))
                    .arg(kept.join(u", "_s));
        create = tr("Keep Aside and Create Empty Unit");
    }
    const int choice =
        UserDialogs::instance().choose(nullptr, tr("ERROR"), text, {create, tr("Choose Folder...")});
    try {
        if (choice == 0) {
            const UnitSession::Initialised made = m_session->init(unusable, today);
            if (made.error) {
                ErrorDisplay::show(nullptr, *made.error);
                return;
            }
            bindSources(false);
        } else if (choice == 1) {
            const QString dir =
                UserDialogs::instance().folderName(nullptr, tr("Unit folder"), m_folder.dir());
            if (dir.isEmpty())
                return;
            auto session = std::make_unique<UnitSession>(UnitFolder(dir));
            if (!session->lock()) {
                showError(NoticeText::text(session->lockRefused()));
                return;
            }
            m_session = std::move(session);
            m_folder = UnitFolder(dir);
            m_databases.setFolder(m_folder);
            bindSources();
        }
    } catch (const StoreError &e) {
        ErrorDisplay::show(nullptr, e);
    }
}

void MainWindow::loadSections()
{
    // Built at the start and after an import; sections added in Setup appear
    // after a restart, which its OK asks for.
    m_sectionChoices.clear();
    if (!m_sections->isBound())
        return;
    try {
        RecordSet sections = m_sections->recordset().clone();
        for (sections.moveFirst(); !sections.eof(); sections.moveNext())
            if (const QVariant section = sections.value(F::Sections::Section); !section.isNull())
                m_sectionChoices.append({section.toString(), section.toString()});
    } catch (const StoreError &) {
    }
}

void MainWindow::readOptions()
{
    m_options.consolidateFlag = OptionFile::read(m_folder.consolidatePath());
    m_consolidateItem->setChecked(m_options.consolidateFlag == 1);
    m_options.absenceFlag = OptionFile::read(m_folder.absencePath());
    m_absenceItem->setChecked(m_options.absenceFlag == 1);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        runHousekeeping();
    }
}

void MainWindow::runHousekeeping()
{
    saveEdits();
    m_housekeeping.readTitles(m_titles->isBound() ? &m_titles->recordset() : nullptr);
    for (int k = 1; k <= Fields::kQualificationCount; ++k) {
        const bool hidden = m_housekeeping.isHidden(k);
        for (QCheckBox *box : {m_soldierBoxes[k - 1], m_dutyBoxes[k - 1]}) {
            box->setText(m_housekeeping.title(k));
            box->setVisible(!hidden);
        }
        // The lists' columns follow the boxes: a flag nobody can see cannot be set.
        for (const auto &[grid, field] : {std::pair{m_dutyGrid, Fields::DutyDates::qualification(k)},
                                          std::pair{m_soldierGrid, Fields::SoldierRoster::qualification(k)}})
            if (RecordSetModel *model = grid->recordModel())
                grid->setColumnHidden(model->columnOfField(field), hidden);
    }
    const QDate today = m_today();
    for (const auto &[source, toField] : {std::pair{m_absences, int(Fields::AbsentDates::To)},
                                          std::pair{m_schedule, int(Fields::WorkSchedule::To)},
                                          std::pair{m_assignmentDates, int(Fields::Dates::To)},
                                          std::pair{m_holidays, int(Fields::Holiday::To)}}) {
        if (source->isBound() &&
            ActivationHousekeeping::deletePastPeriods(source->recordset(), toField, today) > 0)
            source->notifyRowsChanged();
    }
}

bool MainWindow::saveEdits()
{
    bool taken = true;
    for (DataGrid *grid : {m_dutyGrid, m_scheduleGrid, m_soldierGrid, m_absenceGrid}) {
        taken = grid->commitPendingEdit() && taken;
        if (RecordSetModel *m = grid->recordModel())
            m->submit();
    }
    // What the clerk typed into another window of the program and left there.
    if (m_dialogs)
        taken = m_dialogs->saveEdits() && taken;
    return taken;
}

void MainWindow::guarded(const QString &action, const std::function<void()> &command)
{
    ErrorDisplay::guard(this, action, command);
}

QString MainWindow::cannotText(const DataGrid *grid, RowChange change) const
{
    // Whole sentences, one for each list, for languages whose article and
    // noun agree.
    const bool duty = grid == m_dutyGrid || grid == m_scheduleGrid;
    const bool top = grid == m_dutyGrid || grid == m_soldierGrid;
    switch (change) {
    case RowChange::Add:
        return duty ? tr("Cannot add a duty.") : tr("Cannot add a soldier.");
    case RowChange::AddPeriod:
        return duty ? tr("Cannot add the work-schedule period.") : tr("Cannot add the absence.");
    case RowChange::Delete:
        break;
    }
    if (top)
        return duty ? tr("Cannot delete the duty.") : tr("Cannot delete the soldier.");
    return duty ? tr("Cannot delete the work-schedule period.") : tr("Cannot delete the absence.");
}

void MainWindow::showError(const QString &text)
{
    ErrorDisplay::show(this, text);
}

void MainWindow::addRow(DataGrid *grid)
{
    guarded(cannotText(grid, RowChange::Add), [&] { GridCommands::addRow(grid); });
}

void MainWindow::deleteRow(DataGrid *grid)
{
    guarded(cannotText(grid, RowChange::Delete), [&] { GridCommands::deleteRow(grid); });
}

void MainWindow::saveRows(DataGrid *top, DataGrid *periods)
{
    guarded(tr("Cannot save the changes."), [&] {
        for (DataGrid *grid : {top, periods})
            GridCommands::saveRow(grid);
    });
}

void MainWindow::sortDuties()
{
    guarded(tr("Cannot sort the lists."), [&] {
        saveEdits();
        m_duties->setRecordSource(RS::kDutiesByName);
        m_schedule->setRecordSource(RS::kScheduleByDuty);
        m_dutyGrid->setCurrentRow(0);
        m_scheduleGrid->setCurrentRow(0);
    });
}

void MainWindow::sortSoldiers()
{
    guarded(tr("Cannot sort the lists."), [&] {
        saveEdits();
        m_soldiers->setRecordSource(RS::kSoldiersByName);
        m_absences->setRecordSource(RS::kAbsencesByName);
        m_soldierGrid->setCurrentRow(0);
        m_absenceGrid->setCurrentRow(0);
    });
}

void MainWindow::showQualifications(int tab)
{
    DataGrid *grid = tab == 0 ? m_dutyGrid : m_soldierGrid;
    const auto &boxes = tab == 0 ? m_dutyBoxes : m_soldierBoxes;
    const QualificationField field = qualificationField(tab);
    RecordSetModel *model = grid->recordModel();
    const int row = grid->currentRow();
    for (int k = 1; k <= F::kQualificationCount; ++k) {
        QCheckBox *box = boxes[k - 1];
        const QSignalBlocker block(box);
        box->setChecked(model && row >= 0 && model->fieldValue(row, field(k)).toBool());
        box->setEnabled(row >= 0);
    }
}

void MainWindow::qualificationClicked(int tab, int box, bool checked)
{
    DataGrid *grid = tab == 0 ? m_dutyGrid : m_soldierGrid;
    const int row = grid->currentRow();
    if (row < 0) {
        showQualifications(tab);
        return;
    }
    RecordSetModel *model = grid->recordModel();
    if (model->setFieldValue(row, qualificationField(tab)(box + 1), checked))
        model->submit();
    showQualifications(tab);
}

void MainWindow::toggleOption(QAction *item, qint16 &flag, const QString &path)
{
    const qint16 value = flag != 1 ? 1 : 0;
    try {
        OptionFile::write(path, value);
    } catch (const StoreError &e) {
        // The switch stays as it was, check mark, flag and file.
        item->setChecked(flag == 1);
        ErrorDisplay::show(this, e,
                           tr("The %1 setting could not be saved, so it stays as it was.")
                               .arg(QString(item->text()).remove(u'&')));
        return;
    }
    flag = value;
    item->setChecked(flag == 1);
}

void MainWindow::toggleConsolidate()
{
    toggleOption(m_consolidateItem, m_options.consolidateFlag, m_folder.consolidatePath());
}

void MainWindow::toggleAbsence()
{
    toggleOption(m_absenceItem, m_options.absenceFlag, m_folder.absencePath());
}

void MainWindow::makeDatafile()
{
    saveEdits();
    // Offered in the unit's folder, as Open/Print is, wherever the program was started.
    QString path = UserDialogs::instance().saveFileName(this, datafileFilter(),
                                                        QDir(m_folder.dir()).filePath(u"*.cxr"_s));
    if (path.isEmpty() || QFileInfo(path).fileName() == u"*.cxr")
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".cxr"_s;

    const UnitSession::Made made = DraftAndUndo(this, *m_session, m_options, m_reportEngine)
                                       .make(QFileInfo(path).absoluteFilePath(), RosterRun::Mode::Counted);
    if (!isVisible())
        show();
    if (made.outcome == RosterRun::Outcome::Declined)
        return;
    afterRosterRun();
}

void MainWindow::afterRosterRun()
{
    // The run added assignment dates (an undo took some away); the
    // housekeeping must see them.
    if (m_assignmentDates->isBound())
        guarded(tr("Cannot read the new assignment dates."), [&] { m_assignmentDates->refresh(); });
    runHousekeeping();
}

void MainWindow::makeDraft()
{
    saveEdits();
    const bool counted = DraftAndUndo(this, *m_session, m_options, m_reportEngine).makeDraft();
    if (!isVisible())
        show();
    if (counted)
        afterRosterRun();
}

void MainWindow::undoLastRun()
{
    saveEdits();
    if (!DraftAndUndo(this, *m_session, m_options, m_reportEngine).undoLastRun())
        return;
    // The run taken back may have been an import.
    reloadPersonnel();
    afterRosterRun();
    // Open Counters and Dates windows show the tables as they are now.
    if (m_dialogs)
        m_dialogs->workingTablesReplaced();
}

void MainWindow::chooseDatafile()
{
    saveEdits();
    const QString path =
        UserDialogs::instance().openFileName(this, datafileFilter(), u"*.CXR"_s, m_folder.dir());
    // The preset pattern coming back means nothing was chosen.
    if (path.isEmpty() || QFileInfo(path).fileName() == u"*.CXR")
        return;
    openDatafile(path);
}

void MainWindow::openDatafile(const QString &path)
{
    const QString datafile = QFileInfo(path).absoluteFilePath();
    // Read off the window's thread; one that cannot be read is read again by
    // the reports below, which tell why.
    const DatafileReading reading(this, datafile);
    if (reading.outcome() == DatafileReading::Outcome::Stopped)
        return;
    if (reading.outcome() == DatafileReading::Outcome::Read)
        m_reportEngine.useData(datafile, reading.identity(), reading.data());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RosterReports reports(m_reportEngine, m_folder.dir(), datafile);
    QApplication::restoreOverrideCursor();
    // Said before the previews, so that a missing report is not a mystery.
    if (!reports.complete())
        ErrorDisplay::show(this, NoticeText::paragraphs(reports.failures()));
    for (const Report &report : reports.reports())
        UserDialogs::instance().previewReport(this, report);
}

void MainWindow::exportRoster()
{
    saveEdits();
    ExportRoster::run(this, m_folder.dir());
}

void MainWindow::importPersonnel()
{
    // An import writes through a connection of its own: what the lists hold
    // is saved first, and a value the list refused keeps the import back.
    if (!saveEdits())
        return;
    m_dialogs->showImport(*m_session, [this] { reloadPersonnel(); });
}

void MainWindow::changeRoster()
{
    saveEdits();
    const QString path =
        UserDialogs::instance().openFileName(this, datafileFilter(), u"*.CXR"_s, m_folder.dir());
    if (path.isEmpty() || QFileInfo(path).fileName() == u"*.CXR")
        return;
    const QString datafile = QFileInfo(path).absoluteFilePath();
    const DatafileReading reading(this, datafile, tr("Change Roster"));
    if (reading.outcome() == DatafileReading::Outcome::Stopped)
        return;
    if (reading.outcome() != DatafileReading::Outcome::Read) {
        // Read again where it is shown, which says why it cannot be.
        guarded(tr("Cannot change the roster."), [&] { RosterData::read(datafile); });
        return;
    }
    m_dialogs->showRosterChange(datafile, *reading.data(), [this] {
        afterRosterRun();
        m_dialogs->workingTablesReplaced();
    });
}

void MainWindow::reloadPersonnel()
{
    guarded(tr("Cannot read the lists again."), [&] {
        for (DataControl *source : {m_duties, m_soldiers, m_schedule, m_absences, m_sections, m_holidays})
            if (source->isBound())
                source->refresh();
    });
    for (DataGrid *grid : {m_dutyGrid, m_scheduleGrid, m_soldierGrid, m_absenceGrid})
        grid->setCurrentRow(0);
    // Sections the import added are offered at once.
    loadSections();
    m_soldierGrid->setValueList(F::SoldierRoster::Section, m_sectionChoices);
    if (m_dialogs)
        m_dialogs->personnelChanged();
}

void MainWindow::setDialogHost(DialogHost *host)
{
    m_dialogs = host;
    const struct {
        const char16_t *item;
        void (DialogHost::*show)();
    } items[] = {{u"MNU_Setup", &DialogHost::showSetup}, {u"MNU_Count", &DialogHost::showCounters},
                 {u"MNU_Dates", &DialogHost::showDates}, {u"MNU_Fairness", &DialogHost::showFairness},
                 {u"MNU_About", &DialogHost::showAbout}, {u"MNU_Contents", &DialogHost::showHelp}};
    for (const auto &i : items) {
        QAction *action = findChild<QAction *>(QString::fromUtf16(i.item));
        action->setEnabled(true);
        const auto show = i.show;
        connect(action, &QAction::triggered, this, [this, show] {
            saveEdits();
            (m_dialogs->*show)();
        });
    }
    QAction *import = findChild<QAction *>(u"MNU_Import"_s);
    import->setEnabled(true);
    connect(import, &QAction::triggered, this, &MainWindow::importPersonnel);
    QAction *change = findChild<QAction *>(u"MNU_Change"_s);
    change->setEnabled(true);
    connect(change, &QAction::triggered, this, &MainWindow::changeRoster);
    new HelpKey([this] { m_dialogs->showHelp(); }, this);
}

void MainWindow::chooseLanguage(const QString &code)
{
    if (!Language::remember(code)) {
        ErrorDisplay::show(
            this, tr("Your choice of language cannot be kept: the settings file cannot be written."));
        return;
    }
    UserDialogs::instance().inform(
        this, Messenger::Kind::Information,
        tr("Calendrix will speak %1 from its next start.").arg(Language::nativeName(code)));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A row being edited is saved, not lost; then the program ends, dialogs and all.
    // A value the list refused keeps the window open, its editor still holding
    // it, to be put right or dropped with Escape.
    if (!saveEdits()) {
        event->ignore();
        return;
    }
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace calendrix
