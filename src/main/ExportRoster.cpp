#include "main/ExportRoster.h"

#include "app/NoticeText.h"
#include "main/DatafileReading.h"
#include "main/DialogProgress.h"
#include "main/ErrorDisplay.h"
#include "main/OffThread.h"
#include "main/UserDialogs.h"
#include "session/ExportJob.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// Made when shown, not at start: the translation is installed by then.
QString title()
{
    return ExportRoster::tr("Export Roster");
}
QString cannotExport()
{
    return ExportRoster::tr("The roster cannot be exported.");
}

void showFailure(QWidget *parent, const OutputResult &result)
{
    if (result.error)
        ErrorDisplay::show(parent, *result.error, cannotExport());
    else
        for (const Notice &notice : result.notices)
            UserDialogs::instance().inform(parent, Messenger::Kind::Error, NoticeText::text(notice));
}

// The target of the chosen format, with its suffix; empty when cancelled.
QString chooseTarget(QWidget *parent, ExportRoster::Format format, const QFileInfo &datafile)
{
    UserDialogs &dialogs = UserDialogs::instance();
    const QString base = datafile.absoluteDir().filePath(datafile.completeBaseName());
    QString path;
    QString suffix;
    switch (format) {
    case ExportRoster::Format::Calendars:
        return dialogs.folderName(parent, ExportRoster::tr("Folder for the calendars"),
                                  datafile.absolutePath());
    case ExportRoster::Format::Spreadsheet:
        suffix = u".xlsx"_s;
        path = dialogs.saveFileName(parent, ExportRoster::tr("Spreadsheets (*.xlsx)"), base + suffix);
        break;
    case ExportRoster::Format::Csv:
        suffix = u".csv"_s;
        path =
            dialogs.saveFileName(parent, ExportRoster::tr("Comma-separated values (*.csv)"), base + suffix);
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

    // A division's roster takes a second to read: on a thread of its own,
    // with how far it is and "Stop".
    const DatafileReading reading(parent, datafile.absoluteFilePath(), title());
    if (reading.outcome() == DatafileReading::Outcome::Stopped)
        return;
    std::unique_ptr<ExportJob> job;
    try {
        // A file that could not be read is read again here, which says why.
        job = reading.outcome() == DatafileReading::Outcome::Read
                  ? std::make_unique<ExportJob>(UnitFolder(unitFolder), datafile.absoluteFilePath(),
                                                reading.data())
                  : std::make_unique<ExportJob>(UnitFolder(unitFolder), datafile.absoluteFilePath());
    } catch (const Error &e) {
        ErrorDisplay::show(parent, e, cannotExport());
        return;
    }

    const int chosen =
        dialogs.choose(parent, title(), tr("Export %1 as:").arg(datafile.fileName()),
                       {tr("&Calendars (.ics)..."), tr("&Spreadsheet (.xlsx)..."), tr("CS&V (.csv)...")});
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

    // Planning a division's calendars takes a while too.
    OutputResult checked;
    runOffThread(parent, title(), tr("Exporting %1...").arg(datafile.fileName()),
                 [&] { checked = job->check(targets); });
    if (checked.outcome == OutputResult::Outcome::Refused ||
        checked.outcome == OutputResult::Outcome::Failed) {
        showFailure(parent, checked);
        return;
    }
    const QStringList &existing = checked.files;
    if (existing.size() == 1 &&
        !dialogs.ask(parent, tr("%1 already exists. Replace?").arg(QDir::toNativeSeparators(existing[0]))))
        return;
    if (existing.size() > 1 &&
        !dialogs.ask(parent, tr("%n of the calendars already exist in %1. Replace them?", nullptr,
                                int(existing.size()))
                                 .arg(QDir::toNativeSeparators(target))))
        return;
    for (const Notice &note : job->notes())
        dialogs.inform(parent, Messenger::Kind::Information, NoticeText::text(note));

    // A brigade's calendars are thousands of files: the clerk sees how far
    // the export is and may stop it before anything is put in place.
    QProgressDialog progress(tr("Exporting %1...").arg(datafile.fileName()), tr("Stop"), 0, 1, parent);
    progress.setObjectName(u"ExportProgress"_s);
    progress.setWindowTitle(title());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(700);
    DialogProgress shown(progress);
    const OutputResult written = job->write(targets, &shown);
    progress.reset();
    if (written.outcome == OutputResult::Outcome::Written) {
        QStringList lines;
        for (const Notice &wrote : written.notices)
            lines.append(NoticeText::text(wrote));
        dialogs.inform(parent, Messenger::Kind::Information, lines.join(u'\n'));
    } else if (written.outcome == OutputResult::Outcome::Stopped) {
        dialogs.inform(parent, Messenger::Kind::Information, NoticeText::text(written.notices.constFirst()));
    } else {
        showFailure(parent, written);
    }
}

} // namespace calendrix
