#pragma once

#include "session/UnitSession.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace calendrix {

// The rows of an import's plan as the preview lists them: the refused ones
// first with why, then those left out, then the rest in the file's order.
class ImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // where: the header of the first column ("Line", "Row", "Event"); table:
    // the file's rows, shown as they are for rows the plan could not read.
    void setPlan(const PersonnelImport::Plan &plan, const SheetTable &table, const QString &where);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<PersonnelImport::Row> m_rows;
    QList<QString> m_asInFile; // by m_rows' order
    PersonnelImport::Kind m_kind = PersonnelImport::Kind::Soldiers;
    QString m_where;
};

// File > Import: soldiers, absences, holidays or work schedules from a file
// another program wrote, shown row by row before anything is imported.
class ImportDialog : public QDialog
{
    Q_OBJECT

public:
    // imported: called after an import was committed, for the lists to read
    // the personnel database again.
    ImportDialog(const UnitSession &session, std::function<QDate()> today, std::function<void()> imported,
                 QWidget *parent);
    ~ImportDialog() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PersonnelImport::Kind kind() const;
    void kindChanged();
    void chooseFile();
    void usePath(const QString &chosen);
    // The path typed into the field: read when it names another file, or
    // read again when Return was pressed in the field.
    enum class Again { IfChanged, Read };
    void useTypedPath(Again again);
    void readSheets();
    // Reads the file and plans its import again: what the preview shows is
    // what Import does, as long as the unit does not change meanwhile.
    void preview();
    void showNoPlan();
    void showPlan(const PersonnelImport::Plan &plan);
    void import();

    const UnitSession &m_session;
    std::function<QDate()> m_today;
    std::function<void()> m_imported;
    UnitSession::ImportFile m_file;
    QString m_path;

    QComboBox *m_kind;
    QLineEdit *m_fileName;
    QComboBox *m_sheet;
    QCheckBox *m_update;
    QLabel *m_read;
    QTableView *m_view;
    ImportPreviewModel *m_model;
    QLabel *m_counts;
    QPushButton *m_importButton;
};

} // namespace calendrix
