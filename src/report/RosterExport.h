#pragma once

#include "report/ExportBatch.h"
#include "report/RosterData.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace calendrix {

class CalendarExport;

// Where one export puts a roster; an empty entry is not written.
struct ExportTargets {
    QString calendarFolder; // all.ics and one .ics per soldier
    QString spreadsheet;    // .xlsx
    QString csv;            // .csv

    bool operator==(const ExportTargets &) const = default;
};

// One target an export wrote, for the clerk to be told of.
struct ExportedFile {
    enum class Kind { Calendars, Spreadsheet, Csv };
    Kind kind;
    QString path;      // the calendars' folder, or the file
    int count = 0;     // calendars, duty sheets or assignments
    int cancelled = 0; // assignments the calendars keep as cancelled
};

// Exports one roster datafile, read once, to calendars, a spreadsheet and
// CSV. It never writes the datafile. All targets of one write() take their
// places together, after every file is complete.
class RosterExport
{
public:
    // Throws ReportError naming the datafile when it cannot be read.
    explicit RosterExport(const QString &datafile);
    // The datafile as it was read already (off the window's thread).
    RosterExport(const QString &datafile, std::shared_ptr<const RosterData> data);
    ~RosterExport();

    // False for a datafile made before the last days of periods were kept:
    // each assignment is then exported as its first day alone.
    bool lastDaysKnown() const;
    bool isDraft() const { return m_data->draft; }
    QString datafile() const { return m_datafile; }
    int assignmentCount() const;

    // Every file write() would put in place, as absolute paths.
    QStringList plannedFiles(const ExportTargets &targets) const;
    // Those of them that exist already, but for the calendar folder's list
    // of what it holds.
    QStringList existingFiles(const ExportTargets &targets) const;
    // Throws ReportError when a target is the datafile or two targets are one
    // file: no answer to "Replace?" could make such an export right, so it is
    // refused before the question.
    void checkTargets(const ExportTargets &targets) const;

    // Writes the targets; returns what each of them holds, in the order of
    // ExportTargets.
    // Throws Error (StoreError, ReportError) when a file cannot be written,
    // or ExportStopped when progress says stop; nothing is put in place then.
    QList<ExportedFile> write(const ExportTargets &targets, const ExportBatch::Progress &progress = {}) const;

private:
    // What one set of targets comes to: the check, the question about files
    // that exist and the write each ask, and a brigade's calendars take
    // seconds to plan.
    struct Plan;
    const Plan &plan(const ExportTargets &targets) const;

    QString m_datafile;
    std::shared_ptr<const RosterData> m_data;
    mutable std::unique_ptr<Plan> m_plan;
};

} // namespace calendrix
