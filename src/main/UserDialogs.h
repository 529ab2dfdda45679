#pragma once

#include "roster/Messenger.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QWidget;

namespace calendrix {

class ReportPreview;

class Report;

// The file dialogs' filter for roster datafiles.
inline QString datafileFilter()
{
    return QCoreApplication::translate("UserDialogs", "Calendrix datafiles (*.cxr)");
}

// Every modal question the windows put to the user: message boxes and file
// dialogs. Tests replace it with scripted answers so that nothing blocks.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A message box titled with the kind's word ("ERROR", "INFORMATION") and
    // its icon. A plain message ("Finished", the restart message) has no
    // title word of its own: it shows no icon and the program's name as title.
    virtual void inform(QWidget *parent, Messenger::Kind kind, const QString &text) = 0;
    // "QUESTION" with Yes and No; true for Yes.
    virtual bool ask(QWidget *parent, const QString &question) = 0;
    // One of several actions (button texts); the index chosen, -1 for none.
    virtual int choose(QWidget *parent, const QString &title, const QString &text,
                       const QStringList &buttons) = 0;
    // File dialogs; an empty string when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &initial) = 0;
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &initial,
                                 const QString &folder) = 0;
    virtual QString folderName(QWidget *parent, const QString &caption, const QString &folder) = 0;
    // The print dialog for printer; false when cancelled. A print into a
    // file leaves the file's name in printer.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, const QString &title) = 0;
    // A print preview of one report, from which the user prints or saves a
    // PDF; returns when it is closed.
    virtual void previewReport(QWidget *parent, const Report &report) = 0;
    // The same for a draft's roster, with one more action, "Make It Count",
    // which calls readyToCount with the preview as parent: true there closes
    // the preview and previewDraft returns true; false leaves it open.
    virtual bool previewDraft(QWidget *parent, const Report &report,
                              const std::function<bool(QWidget *)> &readyToCount) = 0;

    // The program's own dialogs, unless a test has put others in place.
    static UserDialogs &instance();
    static void setInstance(UserDialogs *dialogs); // nullptr: back to the real ones
};

// The real ones: QMessageBox and QFileDialog.
class WidgetDialogs : public UserDialogs
{
    Q_DECLARE_TR_FUNCTIONS(WidgetDialogs)

public:
    void inform(QWidget *parent, Messenger::Kind kind, const QString &text) override;
    bool ask(QWidget *parent, const QString &question) override;
    int choose(QWidget *parent, const QString &title, const QString &text,
               const QStringList &buttons) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &initial) override;
    QString openFileName(QWidget *parent, const QString &filter, const QString &initial,
                         const QString &folder) override;
    QString folderName(QWidget *parent, const QString &caption, const QString &folder) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer, const QString &title) override;
    void previewReport(QWidget *parent, const Report &report) override;
    bool previewDraft(QWidget *parent, const Report &report,
                      const std::function<bool(QWidget *)> &readyToCount) override;

private:
    // The preview of report; addActions may add to its tool bar.
    void preview(QWidget *parent, const Report &report,
                 const std::function<void(ReportPreview &)> &addActions);
};

} // namespace calendrix
