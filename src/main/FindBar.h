#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace calendrix {

class DataGrid;

// A find box under a grid: finds part of a name, case-blind, in one column of
// the rows shown and makes the match the current row. Ctrl+F anywhere in its
// scope opens it; Return and F3 find the next match, Escape closes it.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    FindBar(const QString &name, DataGrid *grid, int column, QWidget *scope, QWidget *parent = nullptr);

    void open();
    void close();
    // The next row after the current one whose name holds the text, wrapping
    // round; from the current row itself while the text is being typed.
    void findNext();

private:
    void find(bool includeCurrent);

    DataGrid *m_grid;
    int m_column;
    QLineEdit *m_text;
    QLabel *m_status;
};

} // namespace calendrix
