#pragma once

#include <QDialog>
#include <QPointer>

namespace calendrix {

class DataGrid;

// A modeless window of the program: made at its first showing, hidden (not
// destroyed) by its closing buttons, and brought forward when its menu item
// is chosen again. The grid commands are the same in every one of them.
class ToolWindow : public QDialog
{
    Q_OBJECT

public:
    ToolWindow(const QString &name, const QString &caption, QWidget *parent);

    // Shows the window, or brings it forward when it is already shown.
    virtual void present();
    // "Close" and "Cancel": what was typed into a grid and not saved is
    // dropped, so that it cannot be written later; then the window hides.
    void dismiss();
    // What the window's lists hold and have not saved is handed to the
    // store; false when something of it was refused (the clerk has been told
    // why, and the editor keeps the value).
    bool saveEdits();

signals:
    // Back to the main window.
    void hidden();

protected:
    // Binds the window's record sources; run once, at the first showing.
    virtual void loadRecords() {}
    // True after the first showing; later showings may read lists again.
    bool isLoaded() const { return m_loaded; }
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    // Closing with the window's own button or Escape hides it, saving nothing.
    void reject() override;

    // Appends an empty row, saved at once, and makes it the current line.
    void addRow(DataGrid *grid);
    // Deletes the current line; with none, nothing happens and nothing is
    // said. Each of these shows a failure of the store in an "ERROR" box.
    void deleteRow(DataGrid *grid);
    // Hands what is typed in the current line to the store; false when
    // something of it could not be saved (the user has been told why).
    bool updateRow(DataGrid *grid);
    // A refusal the window words itself, shown as an "ERROR" box.
    void showError(const QString &text);

private:
    bool m_loaded = false;
    // Where the keyboard was when the window was shown; it goes back there
    // when the window hides, whatever the window manager activates.
    QPointer<QWidget> m_returnTo;
};

} // namespace calendrix
