#pragma once

class QAbstractButton;

namespace calendrix {

class DataGrid;

// The line commands that every list of the program has, the main window's
// and the dialogs' alike. Each throws the store's error; the window says
// what could not be done.
class GridCommands
{
public:
    // Appends an empty line, saved at once, and makes its first cell that
    // takes typing current, with the focus in the list, so that what is
    // typed next goes into the new line.
    static void addRow(DataGrid *grid);
    // Alt and the button's underlined letter click it at once. The button's
    // own key would take the focus and click only a moment later: keys typed
    // meanwhile went to the button, and a space clicked it again.
    static void clickAtOnceByKey(QAbstractButton *button);
    // Deletes the current line; the next one becomes current, or none after
    // the last. With no current line nothing happens and nothing is said:
    // the result is false.
    static bool deleteRow(DataGrid *grid);
    // Hands what is typed in the current line to the store; with no current
    // line only the edit is committed. False when the value in the open cell
    // was refused: the rest of the line is saved, that cell stays open.
    static bool saveRow(DataGrid *grid);
};

} // namespace calendrix
