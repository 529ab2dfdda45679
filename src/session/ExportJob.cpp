#include "session/ExportJob.h"

#include "report/RosterData.h"

#include <QFileInfo>

#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

ExportJob::ExportJob(const UnitFolder &unit, const QString &datafile) : m_unit(unit), m_roster(datafile) {}

OutputResult ExportJob::check(const ExportTargets &targets) const
{
    for (const QString &file : m_roster.plannedFiles(targets))
        if (m_unit.isOwnFile(file))
            return {OutputResult::Outcome::Refused,
                    {},
                    {{Notice::Kind::Error, NoticeCode::ExportIsUnitFile, {file}}},
                    {}};
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
