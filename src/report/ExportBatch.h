#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace calendrix {

class ScratchFile;

// Thrown when the person watching an export's progress stops it; nothing
// has been put in place then.
struct ExportStopped {
};

// The files of one export, each built in a locked scratch file beside its
// place. None of them takes its place until every one is complete: a full
// disk half way leaves the earlier files as they were and no part of a new
// one. A batch that is destroyed without commit() removes its scratch files.
class ExportBatch
{
public:
    // progress(done, total) is asked after each step; false stops the export.
    using Progress = std::function<bool(int done, int total)>;

    explicit ExportBatch(int totalSteps, Progress progress = {});
    ~ExportBatch();
    ExportBatch(const ExportBatch &) = delete;
    ExportBatch &operator=(const ExportBatch &) = delete;

    // Writes data into a new scratch file that will take target's place;
    // throws StoreError naming target when the disk refuses it.
    void add(const QString &target, const QByteArray &data);
    // A scratch file for a writer that needs a file name of its own (the
    // spreadsheet library opens and writes it itself); it takes target's
    // place at commit().
    QString reserve(const QString &target);

    // One step of the work done; throws ExportStopped when progress says stop.
    void step();

    // Flushes every file to the disk, then puts each in place, in the order
    // added; throws StoreError.
    void commit();

private:
    struct Entry {
        QString target;
        std::unique_ptr<ScratchFile> scratch;
    };
    void makeRoomForFiles(size_t count);
    // A new scratch file for target, last in the batch.
    ScratchFile &scratchFor(const QString &target);

    std::vector<Entry> m_entries;
    QStringList m_folders; // swept already
    int m_total;
    int m_done = 0;
    Progress m_progress;
};

} // namespace calendrix
