#include "report/ExportBatch.h"

#include "store/ScratchFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

ExportBatch::ExportBatch(int totalSteps, Progress progress)
    : m_total(totalSteps), m_progress(std::move(progress))
{}

ExportBatch::~ExportBatch() = default;

// Each scratch file stays open, for its lock, until the batch is put in
// place; a brigade's calendars are thousands of files, beyond the usual
// soft limit of open files but not the hard one.
void ExportBatch::makeRoomForFiles(size_t count)
{
    struct rlimit limit {
    };
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return;
    const rlim_t wanted = rlim_t(count) + 64;
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= wanted)
        return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted * 2, limit.rlim_max);
    ::setrlimit(RLIMIT_NOFILE, &limit);
}

ScratchFile &ExportBatch::scratchFor(const QString &target)
{
    // What a killed export left in a folder goes with the next export there.
    if (const QString folder = QFileInfo(target).absolutePath(); !m_folders.contains(folder)) {
        ScratchFile::sweep(folder);
        m_folders.append(folder);
    }
    makeRoomForFiles(m_entries.size() + 1);
    m_entries.push_back({target, std::make_unique<ScratchFile>(target)});
    return *m_entries.back().scratch;
}

void ExportBatch::add(const QString &target, const QByteArray &data)
{
    scratchFor(target).write(data, ScratchFile::Sync::Later);
}

QString ExportBatch::reserve(const QString &target)
{
    return scratchFor(target).path();
}

void ExportBatch::step()
{
    ++m_done;
    if (m_progress && !m_progress(std::min(m_done, m_total), m_total))
        throw ExportStopped{};
}

void ExportBatch::commit()
{
    // One flush per folder instead of one per file: the files are all on
    // the disk, or an error says which could not be, before any takes its place.
    QStringList folders;
    for (Entry &e : m_entries) {
        const QString folder = QFileInfo(e.target).absolutePath();
        if (!folders.contains(folder)) {
            folders.append(folder);
            e.scratch->syncFileSystem();
        }
    }
    for (Entry &e : m_entries)
        e.scratch->putInPlace(ScratchFile::Sync::Later);
    for (const QString &folder : std::as_const(folders))
        syncFolderOf(QDir(folder).filePath(u"."_s));
    if (m_progress)
        m_progress(m_total, m_total);
}

} // namespace calendrix
