#pragma once

#include <QString>
#include <QStringList>

namespace calendrix {

class ExportBatch;
struct RosterData;

// A roster as an Office Open XML workbook: first a "Summary" sheet with one
// row per duty, then one sheet per duty laid out like the printed roster:
// rank, name and one column per period with its first and last day, the
// marks, holiday columns shaded, the heading rows and the names frozen.
class SpreadsheetExport
{
public:
    // In the language the program speaks.
    static QString summarySheet();
    // The rows above the soldiers on a duty's sheet: the duty, the first days, the last days.
    static constexpr int kHeadingRows = 3;
    static constexpr int kFirstPeriodColumn = 2;

    explicit SpreadsheetExport(const RosterData &data) : m_data(data) {}

    // Steps of write(): one per duty, the summary, and closing the workbook.
    int steps() const;
    void write(const QString &path, ExportBatch &batch) const;

    // One sheet name per duty, in order: at most 31 characters, none of
    // []:*?/\ or control characters, no quote at either end, unique without
    // regard to case, and never "Summary" or "History".
    static QStringList sheetNames(const QStringList &duties);

    // A plain table as a workbook of one sheet, its first row in bold and
    // frozen: for lists such as the unit's soldiers, which the import reads back.
    static void writeTable(const QString &path, const QString &sheet, const QList<QStringList> &rows,
                           ExportBatch &batch);

private:
    const RosterData &m_data;
};

} // namespace calendrix
