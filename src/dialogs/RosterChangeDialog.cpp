#include "dialogs/RosterChangeDialog.h"

#include "app/NoticeText.h"
#include "main/ErrorDisplay.h"
#include "main/OffThread.h"
#include "main/ScreenFit.h"
#include "store/FieldValues.h"
#include "store/Fields.h"
#include "store/RankList.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QString daysText(const RosterChange::Period &p)
{
    if (!p.to.isValid() || p.to == p.from)
        return FieldValues::dateText(p.from);
    return u"%1 – %2"_s.arg(FieldValues::dateText(p.from), FieldValues::dateText(p.to));
}

// Why a soldier is not free, in a cell of the list: its days written as the
// lists write days. The change gives them as ISO days, which messages show
// in the form of the language.
QString freeText(Notice notice)
{
    for (QString &value : notice.values)
        if (const QDate d = QDate::fromString(value, Qt::ISODate); value.size() == 10 && d.isValid())
            value = FieldValues::dateText(d);
    return NoticeText::text(notice);
}

QString dayClassText(DayClass c)
{
    return c == DayClass::Holiday ? RosterChangeDialog::tr("Holiday") : RosterChangeDialog::tr("Normal");
}

QString counterText(const Counter &c)
{
    return c ? QString::number(*c) : QString();
}

QTableWidget *table(const QString &name, const QString &accessibleName, const QStringList &headings,
                    QWidget *parent)
{
    auto *t = new QTableWidget(0, int(headings.size()), parent);
    t->setObjectName(name);
    t->setAccessibleName(accessibleName);
    t->setHorizontalHeaderLabels(headings);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

// One row of cells; a row that cannot be chosen is shown greyed.
void appendRow(QTableWidget *t, const QStringList &cells, bool choosable = true)
{
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < cells.size(); ++c) {
        auto *item = new QTableWidgetItem(cells[c]);
        item->setToolTip(cells[c]);
        if (!choosable)
            item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        t->setItem(r, c, item);
    }
}

// A small window-modal step over parent: a table to pick from, the reason,
// and the button that does it.
struct Step {
    QDialog *dialog;
    QTableWidget *list;
    QLineEdit *reason;
};

Step step(QWidget *parent, const QString &name, const QString &title, const QString &question,
          const QString &listName, const QStringList &headings, const QString &doText)
{
    auto *d = new QDialog(parent);
    d->setObjectName(name);
    d->setWindowTitle(title);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(d);
    auto *label = new QLabel(question, d);
    label->setWordWrap(true);
    layout->addWidget(label);
    QTableWidget *list = table(name + u"List"_s, listName, headings, d);
    layout->addWidget(list, 1);
    auto *form = new QFormLayout;
    auto *reason = new QLineEdit(d);
    reason->setObjectName(name + u"Reason"_s);
    reason->setMaxLength(200);
    auto *reasonLabel = new QLabel(RosterChangeDialog::tr("&Reason:"), d);
    reasonLabel->setBuddy(reason);
    form->addRow(reasonLabel, reason);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, d);
    QPushButton *doButton = buttons->addButton(doText, QDialogButtonBox::AcceptRole);
    doButton->setObjectName(name + u"Do"_s);
    doButton->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, d, &QDialog::reject);
    // Only a row that can be chosen lets it be done.
    const auto follow = [list, doButton] { doButton->setEnabled(!list->selectedItems().isEmpty()); };
    QObject::connect(list, &QTableWidget::itemSelectionChanged, d, follow);
    QObject::connect(list, &QTableWidget::itemDoubleClicked, d, [d, doButton] {
        if (doButton->isEnabled())
            d->accept();
    });
    layout->addWidget(buttons);
    follow();
    list->setFocus();
    resizeWithinScreen(d, {640, 420});
    return {d, list, reason};
}

} // namespace

RosterChangeDialog::RosterChangeDialog(const UnitFolder &folder, const QString &datafile,
                                       const RosterData &roster, std::function<void()> changed,
                                       QWidget *parent)
    : QDialog(parent), m_change(folder), m_datafile(datafile), m_draft(roster.draft),
      m_changed(std::move(changed))
{
    setObjectName(u"RosterChangeDialog"_s);
    setProperty("helpTopic", u"change"_s);
    setWindowTitle(tr("Change Roster – %1").arg(QFileInfo(datafile).fileName()));
    for (const RosterDuty &duty : roster.duties) {
        m_duties.append(duty.name);
        QList<RosterChange::Period> periods;
        for (int c = 0; c < duty.columns.size(); ++c) {
            const RosterColumn &column = duty.columns[c];
            RosterChange::Period p{duty.name,
                                   c + 1,
                                   column.start,
                                   column.lastDay(),
                                   column.holiday ? DayClass::Holiday : DayClass::Normal,
                                   {}};
            for (const RosterSoldier &s : duty.soldiers)
                if (c < s.cells.size() && s.cells[c] == QStringView(Fields::Storeage::kAssignedMark))
                    p.standing = s.name;
            periods.append(p);
        }
        m_periods.append(periods);
    }

    auto *layout = new QVBoxLayout(this);
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_heading->setText(
        m_draft ? tr("This roster is a draft: a change is made to its datafile only, and no counter changes.")
                : tr("Pick the period whose soldier cannot stand it. A replace or swap changes the counters "
                     "as the roster run would have, and Tools > Undo takes the last change back."));
    layout->addWidget(m_heading);
    auto *dutyRow = new QHBoxLayout;
    m_duty = new QComboBox(this);
    m_duty->setObjectName(u"ChangeDuty"_s);
    m_duty->addItems(m_duties);
    auto *dutyLabel = new QLabel(tr("&Duty:"), this);
    dutyLabel->setBuddy(m_duty);
    dutyRow->addWidget(dutyLabel);
    dutyRow->addWidget(m_duty, 1);
    layout->addLayout(dutyRow);
    m_list =
        table(u"ChangePeriods"_s, tr("Periods"), {tr("Period"), tr("Days"), tr("Day"), tr("Stands")}, this);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_list, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_replace = buttons->addButton(tr("&Replace..."), QDialogButtonBox::ActionRole);
    m_replace->setObjectName(u"ChangeReplace"_s);
    m_swap = buttons->addButton(tr("S&wap..."), QDialogButtonBox::ActionRole);
    m_swap->setObjectName(u"ChangeSwap"_s);
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(u"ChangeClose"_s);
    layout->addWidget(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_replace, &QPushButton::clicked, this, &RosterChangeDialog::replaceSelected);
    connect(m_swap, &QPushButton::clicked, this, &RosterChangeDialog::swapSelected);
    connect(m_duty, &QComboBox::currentIndexChanged, this, &RosterChangeDialog::showDuty);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const RosterChange::Period *p = selected();
        m_replace->setEnabled(p && !p->standing.isEmpty());
        m_swap->setEnabled(p && !p->standing.isEmpty());
    });
    connect(m_list, &QTableWidget::itemDoubleClicked, this, &RosterChangeDialog::replaceSelected);
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const RosterChange::Period *p = selected();
        if (!p || p->standing.isEmpty())
            return;
        QMenu menu(this);
        connect(menu.addAction(tr("&Replace...")), &QAction::triggered, this,
                &RosterChangeDialog::replaceSelected);
        connect(menu.addAction(tr("S&wap...")), &QAction::triggered, this, &RosterChangeDialog::swapSelected);
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
    showDuty();
    m_list->setFocus();
    resizeWithinScreen(this, {720, 560});
}

void RosterChangeDialog::showDuty()
{
    const int d = m_duty->currentIndex();
    const int keep = m_list->currentRow();
    m_list->setRowCount(0);
    if (d < 0)
        return;
    for (const RosterChange::Period &p : m_periods[d])
        appendRow(m_list, {QString::number(p.column), daysText(p), dayClassText(p.dayClass),
                           p.standing.isEmpty() ? u"—"_s : p.standing});
    for (int c = 0; c + 1 < m_list->columnCount(); ++c)
        m_list->resizeColumnToContents(c);
    m_list->selectRow(std::clamp(keep, 0, m_list->rowCount() - 1));
}

const RosterChange::Period *RosterChangeDialog::selected() const
{
    const int d = m_duty->currentIndex(), r = m_list->currentRow();
    const QList<QTableWidgetItem *> items = m_list->selectedItems();
    if (d < 0 || r < 0 || r >= m_periods[d].size() || items.isEmpty())
        return nullptr;
    return &m_periods[d][r];
}

void RosterChangeDialog::replaceSelected()
{
    const RosterChange::Period *p = selected();
    if (!p || p->standing.isEmpty())
        return;
    const RosterChange::Period period = *p;
    RosterChange::Candidates found;
    busy(tr("Finding who can stand %1 on %2...").arg(period.duty, daysText(period)), [&] {
        found = m_change.candidates(m_datafile, period.duty, RosterChange::Which{period.column, {}});
    });
    if (found.error || found.refused) {
        ErrorDisplay::show(this,
                           found.error ? NoticeText::text(*found.error) : NoticeText::text(*found.refused));
        return;
    }
    if (found.period.standing != period.standing) {
        // The datafile was put back or copied over since it was read here.
        QStringList values{period.duty, period.from.toString(Qt::ISODate), period.to.toString(Qt::ISODate)};
        NoticeCode code = NoticeCode::ChangeNobodyStands;
        if (!found.period.standing.isEmpty()) {
            code = NoticeCode::ChangeStandsAnother;
            values << found.period.standing << period.standing;
        }
        closeAsChanged(Notice{Notice::Kind::Error, code, values});
        return;
    }
    Step s = step(this, u"Replace"_s, tr("Replace"),
                  tr("Who stands %1 on %2 instead of %3? The soldiers are listed in the order the roster run "
                     "would take them now; the first free one is picked.")
                      .arg(period.duty, daysText(period), period.standing),
                  tr("Candidates"), {tr("Soldier"), tr("Rank"), tr("Normal"), tr("Holiday"), tr("Free")},
                  tr("Replace"));
    int first = -1;
    for (const RosterChange::Candidate &c : found.rows) {
        const QString free = c.standing ? tr("Stands this period") : c.busy ? freeText(*c.busy) : tr("Free");
        if (first < 0 && c.isFree())
            first = s.list->rowCount();
        appendRow(s.list,
                  {c.soldier, c.rank.isEmpty() ? QString() : rankAbbreviation(c.rank), counterText(c.count),
                   counterText(c.holidayCount), free},
                  c.isFree());
    }
    s.list->resizeColumnsToContents();
    if (first >= 0)
        s.list->selectRow(first);
    connect(s.dialog, &QDialog::accepted, this, [this, s, period] {
        const QString by = s.list->item(s.list->currentRow(), 0)->text();
        const QString reason = s.reason->text().trimmed();
        RosterChange::Changed done;
        busy(tr("Giving %3 the period of %1 on %2...").arg(period.duty, daysText(period), by), [&] {
            done = m_change.replace(m_datafile, period.duty, RosterChange::Which{period.column, {}}, by,
                                    reason, period.standing);
        });
        changed(done);
    });
    s.dialog->open();
}

void RosterChangeDialog::swapSelected()
{
    const RosterChange::Period *p = selected();
    if (!p || p->standing.isEmpty())
        return;
    const RosterChange::Period period = *p;
    Step s =
        step(this, u"Swap"_s, tr("Swap"),
             tr("With which period of %1 does %2 trade %3? Each soldier must be free on the other's days.")
                 .arg(period.duty, period.standing, daysText(period)),
             tr("Periods to trade with"), {tr("Period"), tr("Days"), tr("Day"), tr("Stands")}, tr("Swap"));
    QList<RosterChange::Period> others;
    for (const RosterChange::Period &other : m_periods[m_duty->currentIndex()]) {
        if (other.column == period.column || other.standing.isEmpty() || other.standing == period.standing)
            continue;
        others.append(other);
        appendRow(s.list, {QString::number(other.column), daysText(other), dayClassText(other.dayClass),
                           other.standing});
    }
    s.list->resizeColumnsToContents();
    connect(s.dialog, &QDialog::accepted, this, [this, s, period, others] {
        const RosterChange::Period other = others.value(s.list->currentRow());
        const QString reason = s.reason->text().trimmed();
        RosterChange::Changed done;
        busy(tr("Swapping two periods of %1...").arg(period.duty), [&] {
            done = m_change.swap(m_datafile, period.duty, period.column, other.column, reason,
                                 {period.standing, other.standing});
        });
        changed(done);
    });
    s.dialog->open();
}

void RosterChangeDialog::busy(const QString &what, const std::function<void()> &work)
{
    // The change reads and writes on a thread of its own, the window painted
    // meanwhile; what the clerk clicks or types waits until it is done.
    runOffThread(this, windowTitle(), what, work);
}

void RosterChangeDialog::changed(const RosterChange::Changed &done)
{
    if (done.error) {
        ErrorDisplay::show(this, *done.error, tr("The roster was not changed."));
        return;
    }
    if (done.refused && done.refused->code == NoticeCode::ChangeStandsAnother) {
        closeAsChanged(*done.refused);
        return;
    }
    if (done.outcome != RosterChange::Changed::Outcome::Done) {
        ErrorDisplay::show(this, tr("The roster was not changed. %1")
                                     .arg(done.refused ? NoticeText::text(*done.refused) : QString()));
        return;
    }
    for (const RosterChange::Period &after : done.periods) {
        const qsizetype d = m_duties.indexOf(after.duty);
        if (d >= 0 && after.column >= 1 && after.column <= m_periods[d].size())
            m_periods[d][after.column - 1].standing = after.standing;
    }
    showDuty();
    m_list->setFocus();
    if (m_changed)
        m_changed();
}

void RosterChangeDialog::closeAsChanged(const Notice &why)
{
    ErrorDisplay::show(this, tr("The roster was not changed. %1 Open it again with File > Change Roster to "
                                "see it as it is now.")
                                 .arg(NoticeText::text(why)));
    reject();
}

} // namespace calendrix
