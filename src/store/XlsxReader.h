#pragma once

#include "store/SheetTable.h"

#include <QStringList>

namespace calendrix {

// Reads one sheet of a workbook that another program wrote (.xlsx, a zip of
// XML parts) into a table of typed cells. A workbook comes from outside and
// may be damaged or made to harm: every part is unpacked within a bound, no
// document type is accepted, and a sheet's size is bounded, so that a bad
// file ends in one StoreError rather than in exhausted memory.
class XlsxReader
{
public:
    // The first sheet in the workbook's order, or the one named.
    static SheetTable read(const QString &path, const QString &sheet = {});
    // The workbook's sheets in its order, for a choice of one. Throws
    // StoreError as read() does for a file that is no workbook.
    static QStringList sheetNames(const QString &path);

    // A sheet part may unpack to this much, any other part to a quarter of it.
    static constexpr qint64 kSheetPartLimit = qint64(256) << 20;
    // A register of a unit is a few hundred thousand cells; the gaps between
    // cells that a sheet leaves count, as they are held too.
    static constexpr qint64 kCellLimit = 5'000'000;
    static constexpr int kColumnLimit = 16384; // XFD, the last column a sheet can have
    static constexpr int kRowLimit = 1048576;
};

} // namespace calendrix
