#include "dialogs/DialogSet.h"

#include "app/Language.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/CountersDialog.h"
#include "dialogs/DatesDialog.h"
#include "dialogs/FairnessWindow.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/ImportDialog.h"
#include "dialogs/RosterChangeDialog.h"
#include "dialogs/SetupDialog.h"
#include "main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

DialogSet::DialogSet(MainWindow *main, std::function<QDate()> today)
    : QObject(main), m_main(main), m_today(std::move(today))
{
    if (!m_today)
        m_today = [] { return QDate::currentDate(); };
}

template<typename T> T *DialogSet::keep(QPointer<T> &slot, const std::function<T *()> &make)
{
    if (!slot) {
        slot = make();
        connect(slot.data(), &ToolWindow::hidden, m_main, [this] {
            if (m_main->isVisible())
                m_main->runHousekeeping();
        });
    }
    slot->present();
    return slot;
}

void DialogSet::showSetup()
{
    keep<SetupDialog>(m_setup, [this] {
        auto *d = new SetupDialog(m_main->databases(), m_today, m_main);
        connect(d, &SetupDialog::endProgram, m_main, &QWidget::close);
        return d;
    });
}

CountersDialog *DialogSet::counters()
{
    return keep<CountersDialog>(m_counters,
                                [this] { return new CountersDialog(m_main->databases(), m_main); });
}

void DialogSet::showCounters()
{
    counters();
}

void DialogSet::showFairness()
{
    keep<FairnessWindow>(m_fairness, [this] {
        return new FairnessWindow(
            m_main->databases(), QDir(m_main->folder().dir()).dirName(),
            [this](const QString &soldier) { counters()->showSoldier(soldier); }, m_main);
    });
}

void DialogSet::showDates()
{
    keep<DatesDialog>(m_dates, [this] { return new DatesDialog(m_main->databases(), m_main); });
}

void DialogSet::showAbout()
{
    keep<AboutDialog>(m_about, [this] { return new AboutDialog(m_main); });
}

// The help in the language the window speaks; a unit made before that help
// was shipped has only the English one until "calendrix init" adds it.
QString DialogSet::helpFile() const
{
    const QString own = m_main->folder().helpPath(Language::current());
    return QFileInfo::exists(own) ? own : m_main->folder().helpPath();
}

void DialogSet::showHelp()
{
    const QWidget *front =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    const QString topic = front ? front->property("helpTopic").toString() : QString();
    if (!m_help)
        m_help = new HelpWindow(helpFile(), m_main);
    if (m_help->load()) {
        m_help->present();
        m_help->showTopic(topic);
    }
}

void DialogSet::showImport(const UnitSession &session, std::function<void()> imported)
{
    auto *dialog = new ImportDialog(session, m_today, std::move(imported), m_main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void DialogSet::showRosterChange(const QString &datafile, const RosterData &roster,
                                 std::function<void()> changed)
{
    auto *dialog = new RosterChangeDialog(m_main->folder(), datafile, roster, std::move(changed), m_main);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

bool DialogSet::saveEdits()
{
    // A hidden window dropped what it held when it was closed.
    bool taken = true;
    for (ToolWindow *window : std::initializer_list<ToolWindow *>{m_setup, m_counters, m_dates})
        if (window && window->isVisible())
            taken = window->saveEdits() && taken;
    return taken;
}

void DialogSet::workingTablesReplaced()
{
    // Hidden ones read their lists when they are shown again.
    if (m_counters && m_counters->isVisible())
        m_counters->readCounters();
    if (m_dates && m_dates->isVisible())
        m_dates->readList();
}

void DialogSet::personnelChanged()
{
    if (m_setup)
        m_setup->personnelChanged();
}

} // namespace calendrix
