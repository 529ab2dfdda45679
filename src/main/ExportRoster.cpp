#include "main/ExportRoster.h"

#include "main/ErrorDisplay.h"
#include "main/UserDialogs.h"
#include "report/ReportError.h"
#include "report/RosterExport.h"
#include "store/UnitFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

#include <memory>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

const QString kTitle = u"Export Roster"_s;

// The target of the chosen format, with its suffix; empty when cancelled.
QString chooseTarget(QWidget *parent, ExportRoster::Format format, const QFileInfo &datafile)
{
    UserDialogs &dialogs = UserDialogs::instance();
    const QString base = datafile.absoluteDir().filePath(datafile.completeBaseName());
    QString path;
    QString suffix;
    switch (format) {
    case ExportRoster::Format::Calendars:
        return dialogs.folderName(parent, u"Folder for the calendars"_s, datafile.absolutePath());
    case ExportRoster::Format::Spreadsheet:
        suffix = u".xlsx"_s;
        path = dialogs.saveFileName(parent, u"Spreadsheets (*.xlsx)"_s, base + suffix);
        break;
    case ExportRoster::Format::Csv:
        suffix = u".csv"_s;
        path = dialogs.saveFileName(parent, u"Comma-separated values (*.csv)"_s, base + suffix);
        break;
    }
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += suffix;
    return path;
}

} // namespace

void ExportRoster::run(QWidget *parent, const QString &unitFolder)
{
    UserDialogs &dialogs = UserDialogs::instance();
    const QString path = dialogs.openFileName(parent, datafileFilter(), u"*.CXR"_s, unitFolder);
    // The preset pattern coming back means nothing was chosen.
    if (path.isEmpty() || QFileInfo(path).fileName() == u"*.CXR")
        return;
    const QFileInfo datafile(path);

    std::unique_ptr<RosterExport> roster;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        roster = std::make_unique<RosterExport>(datafile.absoluteFilePath());
        QApplication::restoreOverrideCursor();
    } catch (const Error &e) {
        QApplication::restoreOverrideCursor();
        ErrorDisplay::show(parent, e, u"The roster cannot be exported."_s);
        return;
    }

    const int chosen =
        dialogs.choose(parent, kTitle, u"Export %1 as:"_s.arg(datafile.fileName()),
                       {u"&Calendars (.ics)..."_s, u"&Spreadsheet (.xlsx)..."_s, u"CS&V (.csv)..."_s});
    if (chosen < 0 || chosen > 2)
        return;
    const Format format = Format(chosen);
    const QString target = chooseTarget(parent, format, datafile);
    if (target.isEmpty())
        return;
    ExportTargets targets;
    (format == Format::Calendars     ? targets.calendarFolder
     : format == Format::Spreadsheet ? targets.spreadsheet
                                     : targets.csv) = target;

    const UnitFolder unit(unitFolder);
    for (const QString &file : roster->plannedFiles(targets)) {
        if (unit.isOwnFile(file)) {
            ErrorDisplay::show(parent,
                               u"'%1' is a file of the unit; choose another name for the export."_s.arg(
                                   QDir::toNativeSeparators(file)));
            return;
        }
    }
    try {
        roster->checkTargets(targets);
    } catch (const Error &e) {
        ErrorDisplay::show(parent, e, u"The roster cannot be exported."_s);
        return;
    }
    const QStringList existing = roster->existingFiles(targets);
    if (existing.size() == 1 &&
        !dialogs.ask(parent, u"%1 already exists. Replace?"_s.arg(QDir::toNativeSeparators(existing[0]))))
        return;
    if (existing.size() > 1 &&
        !dialogs.ask(parent, u"%1 of the calendars already exist in %2. Replace them?"_s.arg(existing.size())
                                 .arg(QDir::toNativeSeparators(target))))
        return;
    if (roster->isDraft())
        dialogs.inform(parent, Messenger::Kind::Information, roster->draftNotice());
    if (!roster->lastDaysKnown())
        dialogs.inform(parent, Messenger::Kind::Information, roster->lastDaysNotice());

    // A brigade's calendars are thousands of files: the clerk sees how far
    // the export is and may stop it before anything is put in place.
    QProgressDialog progress(u"Exporting %1..."_s.arg(datafile.fileName()), u"Stop"_s, 0, 1, parent);
    progress.setObjectName(u"ExportProgress"_s);
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(700);
    QStringList written;
    try {
        written = roster->write(targets, [&progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    } catch (const ExportStopped &) {
        progress.reset();
        dialogs.inform(parent, Messenger::Kind::Information,
                       u"The export was stopped; nothing was written."_s);
        return;
    } catch (const Error &e) {
        progress.reset();
        ErrorDisplay::show(parent, e, u"The roster cannot be exported."_s);
        return;
    } catch (const std::bad_alloc &) {
        progress.reset();
        ErrorDisplay::show(parent,
                           u"Exporting %1 needs more memory than there is."_s.arg(datafile.fileName()));
        return;
    }
    progress.reset();
    // "wrote ..." lines as the command line prints them, as sentences.
    for (QString &line : written)
        line = u"W"_s + line.mid(1) + u'.';
    dialogs.inform(parent, Messenger::Kind::Information, written.join(u'\n'));
}

} // namespace calendrix
