#include "dialogs/ImportDialog.h"

#include "app/NoticeText.h"
#include "main/ErrorDisplay.h"
#include "main/OffThread.h"
#include "main/ScreenFit.h"
#include "main/UserDialogs.h"
#include "store/Fields.h"
#include "store/RankList.h"
#include "store/XlsxReader.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

using Kind = PersonnelImport::Kind;
using Action = PersonnelImport::Row::Action;
namespace F = Fields;

// The order of the preview: what stops the import first, then what it leaves out.
int rank(Action action)
{
    return action == Action::Refuse ? 0 : action == Action::LeftOut ? 1 : 2;
}

QString actionText(Action action)
{
    switch (action) {
    case Action::Refuse:
        return ImportDialog::tr("Refused");
    case Action::LeftOut:
        return ImportDialog::tr("Left out");
    case Action::Add:
        return ImportDialog::tr("To add");
    case Action::Update:
        return ImportDialog::tr("To update");
    case Action::Unchanged:
        break;
    }
    return ImportDialog::tr("Unchanged");
}

// How a CSV file was read, for the clerk to see when a file reads wrongly.
QString readingText(const UnitSession::ImportFile &file)
{
    const SheetTable &table = file.table;
    if (file.calendar)
        return NoticeText::skippedEvents(file.skippedTimed, file.skippedPast).join(u' ');
    if (!table.sheet.isEmpty())
        return ImportDialog::tr("The sheet '%1' was read.").arg(table.sheet);
    return NoticeText::howRead(table.encoding, table.separator);
}

QString importedText(Kind kind, const QString &file, int added, int updated)
{
    QString text;
    switch (kind) {
    case Kind::Soldiers:
        text = ImportDialog::tr("The soldiers of '%1' were imported: %2 added, %3 updated.");
        break;
    case Kind::Absences:
        text = ImportDialog::tr("The absences of '%1' were imported: %2 added.");
        break;
    case Kind::Holidays:
        text = ImportDialog::tr("The holidays of '%1' were imported: %2 added.");
        break;
    case Kind::Schedule:
        text = ImportDialog::tr("The work-schedule periods of '%1' were imported: %2 added.");
        break;
    }
    text = text.arg(QDir::toNativeSeparators(file), QString::number(added));
    if (kind == Kind::Soldiers)
        text = text.arg(updated);
    return text + u'\n' + ImportDialog::tr("Tools > Undo Last Roster Run takes the import back.");
}

} // namespace

void ImportPreviewModel::setPlan(const PersonnelImport::Plan &plan, const SheetTable &table,
                                 const QString &where)
{
    beginResetModel();
    m_kind = plan.kind;
    m_where = where;
    m_rows = plan.rows;
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const PersonnelImport::Row &a, const PersonnelImport::Row &b) {
                         return rank(a.action) < rank(b.action);
                     });
    // A refused row carries no values: the clerk finds it by what the file holds.
    QHash<int, QString> lines;
    for (const PersonnelImport::Row &row : std::as_const(m_rows))
        if (row.values.isEmpty())
            lines.insert(row.line, QString());
    for (const SheetTable::Row &row : table.rows) {
        if (!lines.contains(row.line))
            continue;
        QStringList cells;
        for (const SheetCell &cell : row.cells)
            cells.append(cell.kind == SheetCell::Kind::Date
                             ? QLocale().toString(cell.date, QLocale::ShortFormat)
                             : cell.text);
        lines.insert(row.line, cells.join(u"; "_s));
    }
    m_asInFile.clear();
    for (const PersonnelImport::Row &row : std::as_const(m_rows))
        m_asInFile.append(row.values.isEmpty() ? lines.value(row.line) : QString());
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 6;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    // Why, in full where the column cuts it short.
    const bool tip = role == Qt::ToolTipRole && index.column() == 5;
    if ((role != Qt::DisplayRole && !tip) || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const PersonnelImport::Row &row = m_rows[index.row()];
    // Every kind keeps its name at the same ordinal, and its days (a
    // soldier: rank and section) after it.
    const auto value = [&](int field) {
        const QVariant v = row.values.value(field);
        if (v.typeId() == QMetaType::QDate)
            return QLocale().toString(v.toDate(), QLocale::ShortFormat);
        if (m_kind == Kind::Soldiers && field == F::SoldierRoster::SoldierRank)
            return rankAbbreviation(v.toString());
        return v.toString();
    };
    switch (index.column()) {
    case 0:
        return row.line > 0 ? QVariant(row.line) : QVariant();
    case 1:
        return actionText(row.action);
    case 2:
        return row.values.isEmpty() ? m_asInFile[index.row()] : value(F::SoldierRoster::SoldierName);
    case 3:
        return value(m_kind == Kind::Soldiers ? int(F::SoldierRoster::SoldierRank)
                                              : int(F::AbsentDates::From));
    case 4:
        return value(m_kind == Kind::Soldiers ? int(F::SoldierRoster::Section) : int(F::AbsentDates::To));
    default:
        return row.why ? NoticeText::text(*row.why) : QString();
    }
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 6)
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool soldiers = m_kind == Kind::Soldiers;
    const QString name = m_kind == Kind::Schedule ? tr("Duty") : tr("Name");
    const QString captions[] = {m_where,
                                tr("What happens"),
                                name,
                                soldiers ? tr("Rank") : tr("From"),
                                soldiers ? tr("Section") : tr("To"),
                                tr("Why")};
    return captions[section];
}

ImportDialog::ImportDialog(const UnitSession &session, std::function<QDate()> today,
                           std::function<void()> imported, QWidget *parent)
    : QDialog(parent), m_session(session), m_today(std::move(today)), m_imported(std::move(imported)),
      m_kind(new QComboBox(this)), m_fileName(new QLineEdit(this)), m_sheet(new QComboBox(this)),
      m_update(new QCheckBox(tr("&Update soldiers already in the unit"), this)), m_read(new QLabel(this)),
      m_view(new QTableView(this)), m_model(new ImportPreviewModel(this)), m_counts(new QLabel(this)),
      m_importButton(new QPushButton(tr("&Import"), this))
{
    setObjectName(u"ImportDialog"_s);
    setWindowTitle(tr("Import"));
    // F1 here opens the help at its topic.
    setProperty("helpTopic", u"import"_s);
    m_kind->setObjectName(u"ImportKind"_s);
    m_kind->addItems({tr("Soldiers"), tr("Absences"), tr("Holidays"), tr("Work schedules")});
    m_fileName->setObjectName(u"ImportFile"_s);
    // Its label names the button beside it, which chooses the file.
    m_fileName->setAccessibleName(tr("File name"));
    // A path typed or pasted is taken as a chosen one, once the field is left
    // or Return pressed there; Return never reaches the dialog's default button.
    connect(m_fileName, &QLineEdit::editingFinished, this, [this] { useTypedPath(Again::IfChanged); });
    m_fileName->installEventFilter(this);
    auto *browse = new QPushButton(tr("C&hoose File..."), this);
    browse->setObjectName(u"ImportChoose"_s);
    m_sheet->setObjectName(u"ImportSheet"_s);
    m_sheet->setEnabled(false);
    m_update->setObjectName(u"ImportUpdate"_s);
    m_read->setObjectName(u"ImportRead"_s);
    m_read->setWordWrap(true);
    m_view->setObjectName(u"ImportPreview"_s);
    m_view->setAccessibleName(tr("What the import would do"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_counts->setObjectName(u"ImportCounts"_s);
    m_counts->setWordWrap(true);
    m_importButton->setObjectName(u"ImportButton"_s);
    m_importButton->setEnabled(false);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_importButton, QDialogButtonBox::AcceptRole);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(u"CloseButton"_s);
    m_importButton->setAutoDefault(false);
    close->setAutoDefault(false);

    auto *file = new QHBoxLayout;
    file->addWidget(m_fileName, 1);
    file->addWidget(browse);
    auto *form = new QFormLayout;
    form->addRow(tr("&What the file lists:"), m_kind);
    auto *fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(browse);
    form->addRow(fileLabel, file);
    form->addRow(tr("&Sheet:"), m_sheet);
    form->addRow(QString(), m_update);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_read);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_counts);
    layout->addWidget(buttons);
    resizeWithinScreen(this, QSize(860, 600));

    connect(m_kind, &QComboBox::currentIndexChanged, this, &ImportDialog::kindChanged);
    connect(browse, &QPushButton::clicked, this, &ImportDialog::chooseFile);
    connect(m_sheet, &QComboBox::currentIndexChanged, this, &ImportDialog::preview);
    connect(m_update, &QCheckBox::toggled, this, &ImportDialog::preview);
    connect(m_importButton, &QPushButton::clicked, this, &ImportDialog::import);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    kindChanged();
}

PersonnelImport::Kind ImportDialog::kind() const
{
    return Kind(m_kind->currentIndex());
}

// QWidget's destructor takes the field's focus when this dialog's own part
// is gone already: the field's signals and events must not reach it then.
ImportDialog::~ImportDialog()
{
    m_fileName->removeEventFilter(this);
    m_fileName->disconnect(this);
}

void ImportDialog::kindChanged()
{
    m_update->setEnabled(kind() == Kind::Soldiers);
    if (kind() != Kind::Soldiers)
        m_update->setChecked(false);
    preview();
}

void ImportDialog::chooseFile()
{
    const QString filter =
        kind() == Kind::Holidays
            ? tr("Lists and calendars (*.csv *.txt *.xlsx *.ics);;CSV files (*.csv *.txt);;Workbooks "
                 "(*.xlsx);;"
                 "Calendars (*.ics);;All files (*)")
            : tr("Lists (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx);;All files (*)");
    const QString chosen = UserDialogs::instance().openFileName(
        this, filter, QString(), m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath());
    if (!chosen.isEmpty())
        usePath(chosen);
}

void ImportDialog::useTypedPath(Again again)
{
    const QString typed = m_fileName->text().trimmed();
    if (!typed.isEmpty() && (again == Again::Read || QFileInfo(typed).absoluteFilePath() != m_path))
        usePath(typed);
}

bool ImportDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fileName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Return reads the file again, as the clerk may have mended it.
            useTypedPath(Again::Read);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ImportDialog::usePath(const QString &chosen)
{
    const QString path = QFileInfo(chosen).absoluteFilePath();
    // Reading the unit's own databases as a list would only confuse; one
    // of them is never what the clerk meant.
    if (m_session.folder().isOwnFile(path)) {
        // The field shows the file in use again before the message takes the
        // focus from it: the text it loses the focus with is no new entry.
        m_fileName->setText(QDir::toNativeSeparators(m_path));
        ErrorDisplay::show(this, tr("'%1' is one of the unit's own files. Choose a file that another program "
                                    "wrote.")
                                     .arg(QDir::toNativeSeparators(path)));
        return;
    }
    m_path = path;
    m_fileName->setText(QDir::toNativeSeparators(path));
    readSheets();
    preview();
}

void ImportDialog::readSheets()
{
    const QSignalBlocker block(m_sheet);
    m_sheet->clear();
    const bool workbook = QFileInfo(m_path).suffix().compare(u"xlsx"_s, Qt::CaseInsensitive) == 0;
    m_sheet->setEnabled(workbook);
    if (!workbook)
        return;
    try {
        m_sheet->addItems(XlsxReader::sheetNames(m_path));
    } catch (const StoreError &) {
        // Reading the sheet says why, below the file's name.
    }
}

void ImportDialog::preview()
{
    m_importButton->setEnabled(false);
    if (m_path.isEmpty()) {
        m_read->setText(tr("Choose the file to import."));
        showNoPlan();
        return;
    }
    // A list of thousands takes a while to read and plan: on a thread of
    // its own, given what the controls say now.
    const PersonnelImport::Kind listed = kind();
    const QString path = m_path, sheet = m_sheet->currentText();
    const bool update = m_update->isChecked();
    const QDate today = m_today();
    UnitSession::ImportFile file;
    std::optional<UnitSession::Imported> planned;
    runOffThread(this, windowTitle(), tr("Reading %1...").arg(QFileInfo(path).fileName()), [&] {
        file = UnitSession::readImportFile(path, listed, sheet, 2, today);
        if (!file.error)
            planned = m_session.importTable(file.table, path, listed, update, true, today);
    });
    m_file = std::move(file);
    const std::optional<StoreError> error = m_file.error ? m_file.error : planned->error;
    if (error) {
        m_read->setText(NoticeText::text(*error) + u'\n' + tr("Nothing can be imported from this file."));
        showNoPlan();
        return;
    }
    m_read->setText(readingText(m_file));
    showPlan(planned->plan);
}

void ImportDialog::showNoPlan()
{
    m_model->setPlan({kind(), {}, {}, {}}, {}, tr("Line"));
    m_view->resizeColumnsToContents(); // to the titles alone
    m_counts->clear();
}

void ImportDialog::showPlan(const PersonnelImport::Plan &plan)
{
    m_model->setPlan(plan, m_file.table,
                     m_file.calendar                ? tr("Event")
                     : m_file.table.sheet.isEmpty() ? tr("Line")
                                                    : tr("Row"));
    m_view->resizeColumnsToContents();
    const int refused = plan.count(Action::Refuse);
    QString counts =
        tr("%1 to add, %2 to update, %3 unchanged, %4 left out, %5 refused.")
            .arg(QString::number(plan.count(Action::Add)), QString::number(plan.count(Action::Update)),
                 QString::number(plan.count(Action::Unchanged)), QString::number(plan.count(Action::LeftOut)),
                 QString::number(refused));
    if (refused > 0)
        counts +=
            u'\n' + tr("Nothing can be imported while a row is refused: mend the file and choose it again.");
    for (const QString &section : plan.newSections)
        counts += u'\n' + tr("The section '%1' is new; it will be added to Setup's list.").arg(section);
    m_counts->setText(counts);
    m_importButton->setEnabled(plan.canImport() && plan.count(Action::Add) + plan.count(Action::Update) > 0);
}

void ImportDialog::import()
{
    const PersonnelImport::Kind listed = kind();
    const bool update = m_update->isChecked();
    const QDate today = m_today();
    UnitSession::Imported imported;
    runOffThread(this, windowTitle(), tr("Importing %1...").arg(QFileInfo(m_path).fileName()), [&] {
        imported = m_session.importTable(m_file.table, m_path, listed, update, false, today);
    });
    if (imported.error) {
        ErrorDisplay::show(this, *imported.error, tr("Nothing was imported."));
        return;
    }
    if (!imported.imported) {
        // The unit changed since the preview: it shows why now.
        showPlan(imported.plan);
        UserDialogs::instance().inform(this, Messenger::Kind::Information,
                                       tr("The unit changed since the preview; nothing was imported. The "
                                          "preview shows the file as it would be imported now."));
        return;
    }
    const PersonnelImport::Plan &plan = imported.plan;
    if (m_imported)
        m_imported();
    UserDialogs::instance().inform(
        this, Messenger::Kind::Information,
        importedText(kind(), m_path, plan.count(Action::Add), plan.count(Action::Update)));
    accept();
}

} // namespace calendrix
