#include "report/RosterExport.h"

#include "report/CalendarExport.h"
#include "report/CsvExport.h"
#include "report/ReportError.h"
#include "report/SpreadsheetExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// Which file a name reaches on the disk, and when it last changed; none
// when nothing is there yet.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 changed = 0; // nanoseconds

    static FileIdentity of(const QString &path)
    {
        struct stat info {
        };
        if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
            return {};
        return {true, info.st_dev, info.st_ino, info.st_size,
                qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
    }
    bool sameFile(const FileIdentity &other) const
    {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
    QByteArray fileKey() const
    {
        return QByteArray::number(quint64(device)) + ':' + QByteArray::number(quint64(inode));
    }
    bool operator==(const FileIdentity &) const = default;
};

// Where names of files go on the disk, for telling two names of one file
// apart: the folder as the system resolves it (links, "..", the part of it
// still to be made) and the file's own name. The folder is asked once, not
// for each of a brigade's calendars.
class DiskNames
{
public:
    QString of(const QString &file)
    {
        const QFileInfo info(file);
        const QString folder = info.absolutePath();
        auto it = m_folders.constFind(folder);
        if (it == m_folders.cend())
            it = m_folders.insert(folder, resolved(folder));
        return *it + u'/' + info.fileName();
    }

private:
    static QString resolved(const QString &folder)
    {
        QString rest;
        for (QString f = folder;;) {
            const QFileInfo info(f);
            if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
                return canonical == u"/"_s && !rest.isEmpty() ? rest : canonical + rest;
            if (info.isRoot() || info.absolutePath() == f)
                return folder;
            rest = u'/' + info.fileName() + rest;
            f = info.absolutePath();
        }
    }

    QHash<QString, QString> m_folders;
};

} // namespace

struct RosterExport::Plan {
    ExportTargets targets;
    // Planned from the list of an earlier export in their folder; a list
    // that changed since (another export there) plans them anew.
    std::unique_ptr<CalendarExport> calendars;
    QString manifest;
    FileIdentity manifestIdentity;
    QStringList files;
};

RosterExport::RosterExport(const QString &datafile)
    : m_datafile(QFileInfo(datafile).absoluteFilePath()),
      m_data(std::make_shared<const RosterData>(RosterData::read(m_datafile)))
{}

RosterExport::RosterExport(const QString &datafile, std::shared_ptr<const RosterData> data)
    : m_datafile(QFileInfo(datafile).absoluteFilePath()), m_data(std::move(data))
{}

RosterExport::~RosterExport() = default;

const RosterExport::Plan &RosterExport::plan(const ExportTargets &targets) const
{
    const QString folder =
        targets.calendarFolder.isEmpty() ? QString() : QFileInfo(targets.calendarFolder).absoluteFilePath();
    const QString manifest = folder.isEmpty()
                                 ? QString()
                                 : QDir(folder).filePath(QString::fromUtf16(CalendarExport::kManifestFile));
    if (m_plan && m_plan->targets == targets && m_plan->manifestIdentity == FileIdentity::of(manifest))
        return *m_plan;
    auto p = std::make_unique<Plan>();
    p->targets = targets;
    p->manifest = manifest;
    p->manifestIdentity = FileIdentity::of(manifest);
    if (!folder.isEmpty()) {
        p->calendars = std::make_unique<CalendarExport>(*m_data, folder);
        const QDir dir(folder);
        for (const QString &name : p->calendars->fileNames())
            p->files.append(dir.filePath(name));
    }
    for (const QString &file : {targets.spreadsheet, targets.csv})
        if (!file.isEmpty())
            p->files.append(QFileInfo(file).absoluteFilePath());
    m_plan = std::move(p);
    return *m_plan;
}

bool RosterExport::lastDaysKnown() const
{
    for (const RosterDuty &duty : m_data->duties)
        for (const RosterColumn &column : duty.columns)
            if (!column.end.isValid())
                return false;
    return true;
}

int RosterExport::assignmentCount() const
{
    int count = 0;
    for (const RosterDuty &duty : m_data->duties)
        for (const RosterSoldier &soldier : duty.soldiers)
            count += int(soldier.cells.count(u"/."_s));
    return count;
}

QStringList RosterExport::plannedFiles(const ExportTargets &targets) const
{
    return plan(targets).files;
}

QStringList RosterExport::existingFiles(const ExportTargets &targets) const
{
    // The calendar folder's list of what it holds is the export's own, not
    // a file of the clerk's to ask about.
    const Plan &p = plan(targets);
    QStringList existing;
    for (const QString &file : p.files)
        if (file != p.manifest && (QFileInfo::exists(file) || QFileInfo(file).isSymLink()))
            existing.append(file);
    return existing;
}

void RosterExport::checkTargets(const ExportTargets &targets) const
{
    DiskNames names;
    const QString datafile = names.of(m_datafile);
    const FileIdentity datafileIdentity = FileIdentity::of(m_datafile);
    // Two names of one file: the same name without regard to case (a file
    // system that does not tell case apart holds one file for both), or, for
    // files that exist, the same file by another path or link.
    QSet<QString> seenNames;
    QSet<QByteArray> seenFiles;
    for (const QString &file : plan(targets).files) {
        const QString name = names.of(file);
        const FileIdentity identity = FileIdentity::of(file);
        if (name == datafile || identity.sameFile(datafileIdentity))
            throw ReportError(Notice{Notice::Kind::Error, NoticeCode::ExportIsDatafile, {file}});
        const QString folded = name.toCaseFolded();
        if (seenNames.contains(folded) || (identity.exists && seenFiles.contains(identity.fileKey())))
            throw ReportError(Notice{Notice::Kind::Error, NoticeCode::ExportNamedTwice, {file}});
        seenNames.insert(folded);
        if (identity.exists)
            seenFiles.insert(identity.fileKey());
    }
}

QList<ExportedFile> RosterExport::write(const ExportTargets &targets,
                                        const ExportBatch::Progress &progress) const
{
    checkTargets(targets);

    const QString folder =
        targets.calendarFolder.isEmpty() ? QString() : QFileInfo(targets.calendarFolder).absoluteFilePath();
    const Plan &planned = plan(targets);
    const SpreadsheetExport spreadsheet(*m_data);
    const CsvExport csv(*m_data);
    int steps = 0;
    if (!targets.calendarFolder.isEmpty())
        steps += planned.calendars->steps();
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
            throw ReportError(Notice{Notice::Kind::Error, NoticeCode::ExportFolderIsFile, {folder}});
        for (QString f = folder; !QFileInfo(f).exists() && !QFileInfo(f).isSymLink();
             f = QFileInfo(f).absolutePath())
            madeFolders.append(f);
        if (!QDir().mkpath(folder)) {
            removeMadeFolders();
            throw ReportError(Notice{Notice::Kind::Error, NoticeCode::ExportCannotMakeFolder, {folder}});
        }
    }

    // The batch is gone, and its scratch files with it, before a folder made
    // for the export is taken away again.
    const auto writeAll = [&] {
        ExportBatch batch(steps, progress);
        QList<ExportedFile> written;
        if (!folder.isEmpty()) {
            planned.calendars->write(folder, batch);
            written.append({ExportedFile::Kind::Calendars, targets.calendarFolder,
                            planned.calendars->calendarCount(), planned.calendars->cancelledCount()});
        }
        if (!targets.spreadsheet.isEmpty()) {
            spreadsheet.write(targets.spreadsheet, batch);
            written.append(
                {ExportedFile::Kind::Spreadsheet, targets.spreadsheet, int(m_data->duties.size())});
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
