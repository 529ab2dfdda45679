#include "session/ExportJob.h"

#include "report/RosterData.h"
#include "store/ScratchFile.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

ExportJob::ExportJob(const UnitFolder &unit, const QString &datafile) : m_unit(unit), m_roster(datafile) {}

ExportJob::ExportJob(const UnitFolder &unit, const QString &datafile, std::shared_ptr<const RosterData> data)
    : m_unit(unit), m_roster(datafile, std::move(data))
{}

namespace {

// The folders that can hold a file of the unit, by the path given and the
// path the system resolves, so that a brigade's calendars are each looked
// at once, not resolved against every file of the unit.
class UnitFolders
{
public:
    explicit UnitFolders(const UnitFolder &unit) : m_history(QFileInfo(unit.historyPath()))
    {
        for (const QString &own : unit.ownFiles()) {
            const QFileInfo folder(QFileInfo(own).absolutePath());
            m_folders.insert(folder.absoluteFilePath());
            if (const QString canonical = folder.canonicalFilePath(); !canonical.isEmpty())
                m_folders.insert(canonical);
        }
    }

    bool mayHoldOwnFiles(const QString &file)
    {
        const QString folder = QFileInfo(file).absolutePath();
        auto it = m_seen.constFind(folder);
        if (it == m_seen.cend())
            it = m_seen.insert(folder, holds(folder));
        return *it;
    }

private:
    bool holds(const QString &folder) const
    {
        const QString history = m_history.absoluteFilePath();
        const QString canonicalHistory = m_history.canonicalFilePath();
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        const auto within = [](const QString &f, const QString &h) {
            return !f.isEmpty() && !h.isEmpty() && (f == h || f.startsWith(h + u'/'));
        };
        return m_folders.contains(folder) || (!canonical.isEmpty() && m_folders.contains(canonical)) ||
               within(folder, history) || within(canonical, canonicalHistory);
    }

    QFileInfo m_history;
    QSet<QString> m_folders;
    QHash<QString, bool> m_seen;
};

} // namespace

OutputResult ExportJob::check(const ExportTargets &targets) const
{
    // Elsewhere only a link can reach a file of the unit.
    UnitFolders unitFolders(m_unit);
    for (const QString &file : m_roster.plannedFiles(targets)) {
        if ((unitFolders.mayHoldOwnFiles(file) || QFileInfo(file).isSymLink()) && m_unit.isOwnFile(file))
            return {OutputResult::Outcome::Refused,
                    {},
                    {{Notice::Kind::Error, NoticeCode::ExportIsUnitFile, {file}}},
                    {}};
        if (const std::optional<Notice> refused = ScratchFile::notAFile(file))
            return {OutputResult::Outcome::Refused, {}, {*refused}, {}};
    }
    // The calendars' folder is made when it is not there, with the folders
    // above it, before the other files are written; any other folder of a
    // file must be there.
    const QString calendars =
        targets.calendarFolder.isEmpty() ? QString() : QFileInfo(targets.calendarFolder).absoluteFilePath();
    for (const QString &file : {targets.spreadsheet, targets.csv}) {
        if (file.isEmpty())
            continue;
        const QString folder = QFileInfo(file).absolutePath();
        const bool madeForCalendars = !calendars.isEmpty() && !QFileInfo::exists(folder) &&
                                      (calendars == folder || calendars.startsWith(folder + u'/'));
        if (madeForCalendars)
            continue;
        if (const std::optional<Notice> refused = ScratchFile::cannotMakeBeside(file))
            return {OutputResult::Outcome::Refused, {}, {*refused}, {}};
    }
    try {
        m_roster.checkTargets(targets);
    } catch (const Error &e) {
        return {OutputResult::Outcome::Failed, {}, {}, e};
    }
    const QStringList existing = m_roster.existingFiles(targets);
    return {
        existing.isEmpty() ? OutputResult::Outcome::Ready : OutputResult::Outcome::Exists, existing, {}, {}};
}

Notices ExportJob::notes() const
{
    Notices notes;
    if (m_roster.isDraft())
        notes.append(
            {Notice::Kind::Information, NoticeCode::ExportDraft, {m_roster.datafile(), draftNotice()}});
    if (!m_roster.lastDaysKnown())
        notes.append({Notice::Kind::Information, NoticeCode::ExportLastDaysUnknown, {m_roster.datafile()}});
    return notes;
}

OutputResult ExportJob::write(const ExportTargets &targets, OutputProgress *progress) const
{
    const QString name = QFileInfo(m_roster.datafile()).fileName();
    ExportBatch::Progress steps;
    if (progress)
        steps = [progress, name](int done, int total) { return progress->advance(name, done, total); };
    OutputResult result;
    try {
        for (const ExportedFile &file : m_roster.write(targets, steps)) {
            result.files.append(file.path);
            switch (file.kind) {
            case ExportedFile::Kind::Calendars:
                result.notices.append(
                    {Notice::Kind::Plain,
                     NoticeCode::ExportWroteCalendars,
                     {file.path, QString::number(file.count - 1), QString::number(file.cancelled)},
                     file.count});
                break;
            case ExportedFile::Kind::Spreadsheet:
                result.notices.append(
                    {Notice::Kind::Plain, NoticeCode::ExportWroteSpreadsheet, {file.path}, file.count});
                break;
            case ExportedFile::Kind::Csv:
                result.notices.append(
                    {Notice::Kind::Plain, NoticeCode::ExportWroteCsv, {file.path}, file.count});
                break;
            }
        }
    } catch (const calendrix::ExportStopped &) {
        return {OutputResult::Outcome::Stopped,
                {},
                {{Notice::Kind::Information, NoticeCode::ExportStopped, {}}},
                {}};
    } catch (const Error &e) {
        return {OutputResult::Outcome::Failed, {}, {}, e};
    } catch (const std::bad_alloc &) {
        return {OutputResult::Outcome::Failed,
                {},
                {{Notice::Kind::Error, NoticeCode::ExportNeedsMemory, {m_roster.datafile()}}},
                {}};
    }
    return result;
}

} // namespace calendrix
