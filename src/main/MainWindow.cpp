#include "MainWindow.h"

#include "Database.h"
#include "RecordSet.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

MainWindow::MainWindow(const UnitFolder &folder, QWidget *parent)
    : QMainWindow(parent), m_folder(folder)
{
    setObjectName(u"Main"_s);
    setWindowTitle(u"Calendrix"_s);
    resize(960, 680);

    QMenu *file = menuBar()->addMenu(u"&File"_s);
    file->setObjectName(u"MNU_File"_s);
    QAction *exit = file->addAction(u"&Exit"_s);
    exit->setObjectName(u"MNU_Exit"_s);
    connect(exit, &QAction::triggered, this, &MainWindow::MNU_Exit_Click);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"SSTab1"_s);
    for (const QString &caption : {u"Duty"_s, u"Roster"_s}) {
        auto *page = new QWidget(m_tabs);
        auto *layout = new QVBoxLayout(page);
        layout->addWidget(new QLabel(page));
        m_tabs->addTab(page, caption);
    }
    m_tabs->setCurrentIndex(1);
    setCentralWidget(m_tabs);
    Form_Load();
}

void MainWindow::Form_Load()
{
    // Start-up shows what it can; a unit that cannot be read leaves the lists empty.
    QString status;
    try {
        const Database db = Database::open(m_folder.personnelPath(), FileKind::Personnel);
        const RecordSet soldiers(db, u"SoldierRoster"_s);
        const RecordSet duties(db, u"DutyDates"_s);
        status = u"%1 soldiers, %2 duties"_s.arg(soldiers.recordCount()).arg(duties.recordCount());
    } catch (const StoreError &e) {
        status = e.text();
    }
    statusBar()->showMessage(m_folder.dir() + u" \u2014 "_s + status);
}

void MainWindow::MNU_Exit_Click() { close(); }

} // namespace calendrix
