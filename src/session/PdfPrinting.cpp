#include "session/PdfPrinting.h"

#include "store/ScratchFile.h"

#include <QFileInfo>

namespace calendrix {

PdfPrinting::PdfPrinting(const UnitFolder &unit, QString datafile)
    : m_unit(unit), m_datafile(std::move(datafile))
{}

OutputResult PdfPrinting::check(const QString &path) const
{
    const QFileInfo target(path);
    if (!m_datafile.isEmpty()) {
        const QFileInfo datafile(m_datafile);
        // Through a link too: a print dialog offers any name.
        if (target.absoluteFilePath() == datafile.absoluteFilePath() ||
            (target.exists() && target.canonicalFilePath() == datafile.canonicalFilePath()) ||
            m_unit.isOwnFile(path))
            return {OutputResult::Outcome::Refused,
                    {},
                    {{Notice::Kind::Error, NoticeCode::PdfIsDatafileOrUnitFile, {path}}},
                    {}};
    } else if (m_unit.isOwnFile(path)) {
        return {OutputResult::Outcome::Refused,
                {},
                {{Notice::Kind::Error, NoticeCode::OutputIsUnitFile, {path}}},
                {}};
    }
    std::optional<Notice> refused = ScratchFile::notAFile(path);
    if (!refused)
        refused = ScratchFile::cannotMakeBeside(path);
    if (refused)
        return {OutputResult::Outcome::Refused, {}, {*refused}, {}};
    if (target.exists())
        return {OutputResult::Outcome::Exists, {path}, {}, {}};
    return {OutputResult::Outcome::Ready, {}, {}, {}};
}

OutputResult PdfPrinting::write(const QList<Report> &reports, const QString &path, const QPageSize &paper,
                                OutputProgress *progress) const
{
    return write(path, [&](const QString &file) {
        Report::writePdf(reports, file, paper, [progress](const Report &report, int done, int all) {
            if (progress)
                progress->advance(report.title(), done, all);
        });
    });
}

OutputResult PdfPrinting::write(const QString &path, const std::function<void(const QString &)> &paint) const
{
    // Checked again here: a face that forgot to ask check() must not be
    // able to write over the unit.
    if (OutputResult refused = check(path); refused.outcome == OutputResult::Outcome::Refused)
        return refused;
    try {
        paint(path);
    } catch (const Error &e) {
        return {OutputResult::Outcome::Failed, {}, {}, e};
    }
    return {OutputResult::Outcome::Written, {path}, {}, {}};
}

} // namespace calendrix
