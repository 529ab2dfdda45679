#pragma once

#include "UnitFolder.h"

#include <QMainWindow>

class QTabWidget;

namespace calendrix {

// The duty clerk's main window.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const UnitFolder &folder, QWidget *parent = nullptr);

private:
    void Form_Load();
    void MNU_Exit_Click();

    UnitFolder m_folder;
    QTabWidget *m_tabs = nullptr;
};

} // namespace calendrix
