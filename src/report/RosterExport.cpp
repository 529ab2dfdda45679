#include "report/RosterExport.h"

#include "report/CalendarExport.h"
#include "report/CsvExport.h"
#include "report/ReportError.h"
#include "report/SpreadsheetExport.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool samePath(const QString &a, const QString &b)
{
    const QFileInfo fa(a), fb(b);
    return fa.absoluteFilePath() == fb.absoluteFilePath() ||
           (fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath());
}

} // namespace

RosterExport::RosterExport(const QString &datafile)
    : m_datafile(QFileInfo(datafile).absoluteFilePath()), m_data(RosterData::read(m_datafile))
{}

bool RosterExport::lastDaysKnown() const
{
    for (const RosterDuty &duty : m_data.duties)
        for (const RosterColumn &column : duty.columns)
            if (!column.end.isValid())
                return false;
    return true;
}

int RosterExport::assignmentCount() const
{
    int count = 0;
    for (const RosterDuty &duty : m_data.duties)
        for (const RosterSoldier &soldier : duty.soldiers)
            count += int(soldier.cells.count(u"/."_s));
    return count;
}

QStringList RosterExport::plannedFiles(const ExportTargets &targets) const
{
    QStringList files;
    if (!targets.calendarFolder.isEmpty()) {
        const QDir dir(QFileInfo(targets.calendarFolder).absoluteFilePath());
        for (const QString &name : CalendarExport(m_data, dir.path()).fileNames())
            files.append(dir.filePath(name));
    }
    for (const QString &file : {targets.spreadsheet, targets.csv})
        if (!file.isEmpty())
            files.append(QFileInfo(file).absoluteFilePath());
    return files;
}

QStringList RosterExport::existingFiles(const ExportTargets &targets) const
{
    // The calendar folder's list of what it holds is the export's own, not
    // a file of the clerk's to ask about.
    const QString list = targets.calendarFolder.isEmpty()
                             ? QString()
                             : QDir(QFileInfo(targets.calendarFolder).absoluteFilePath())
                                   .filePath(QString::fromUtf16(CalendarExport::kManifestFile));
    QStringList existing;
    for (const QString &file : plannedFiles(targets))
        if (file != list && (QFileInfo(file).exists() || QFileInfo(file).isSymLink()))
            existing.append(file);
    return existing;
}

void RosterExport::checkTargets(const ExportTargets &targets) const
{
    const QStringList planned = plannedFiles(targets);
    // A brigade's calendars are hundreds of files: each is compared once by
    // its key, not with every other.
    QSet<QString> seen;
    for (const QString &file : planned) {
        if (samePath(file, m_datafile))
            throw ReportError(
                u"'%1' is the datafile; choose another name for the export."_s.arg(shown(file)));
        const QFileInfo info(file);
        const QString canonical = info.exists() ? info.canonicalFilePath() : QString();
        const QString key = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
        if (seen.contains(key))
            throw ReportError(u"'%1' is named for two exports; choose one name for each."_s.arg(shown(file)));
        seen.insert(key);
    }
}

QList<ExportedFile> RosterExport::write(const ExportTargets &targets,
                                        const ExportBatch::Progress &progress) const
{
    checkTargets(targets);

    const QString folder =
        targets.calendarFolder.isEmpty() ? QString() : QFileInfo(targets.calendarFolder).absoluteFilePath();
    const CalendarExport calendars(m_data, folder);
    const SpreadsheetExport spreadsheet(m_data);
    const CsvExport csv(m_data);
    int steps = 0;
    if (!targets.calendarFolder.isEmpty())
        steps += calendars.steps();
    if (!targets.spreadsheet.isEmpty())
        steps += spreadsheet.steps();
    if (!targets.csv.isEmpty())
        steps += csv.steps();
    // The folders made for the calendars, deepest first. They go again only
    // when empty, so nothing of the clerk's goes with them; a folder that a
    // failed mkpath() never made is passed over.
    QStringList madeFolders;
    const auto removeMadeFolders = [&madeFolders] {
        for (const QString &made : std::as_const(madeFolders))
            if (QFileInfo(made).isDir() && !QDir().rmdir(made))
                break;
    };
    if (!folder.isEmpty()) {
        if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir())
            throw ReportError(
                u"'%1' is not a folder; calendars are written into a folder."_s.arg(shown(folder)));
        for (QString f = folder; !QFileInfo(f).exists() && !QFileInfo(f).isSymLink();
             f = QFileInfo(f).absolutePath())
            madeFolders.append(f);
        if (!QDir().mkpath(folder)) {
            removeMadeFolders();
            throw ReportError(u"The folder '%1' cannot be made."_s.arg(shown(folder)));
        }
    }

    // The batch is gone, and its scratch files with it, before a folder made
    // for the export is taken away again.
    const auto writeAll = [&] {
        ExportBatch batch(steps, progress);
        QList<ExportedFile> written;
        if (!folder.isEmpty()) {
            calendars.write(folder, batch);
            written.append({ExportedFile::Kind::Calendars, targets.calendarFolder, calendars.calendarCount(),
                            calendars.cancelledCount()});
        }
        if (!targets.spreadsheet.isEmpty()) {
            spreadsheet.write(targets.spreadsheet, batch);
            written.append({ExportedFile::Kind::Spreadsheet, targets.spreadsheet, int(m_data.duties.size())});
        }
        if (!targets.csv.isEmpty()) {
            csv.write(targets.csv, batch);
            written.append({ExportedFile::Kind::Csv, targets.csv, assignmentCount()});
        }
        batch.commit();
        return written;
    };
    try {
        return writeAll();
    } catch (...) {
        removeMadeFolders();
        throw;
    }
}

} // namespace calendrix
