#pragma once

#include "store/SheetTable.h"

namespace calendrix {

// Reads a CSV file as spreadsheet programs and other registers write it
// (RFC 4180 and its usual dialects): UTF-8 with or without a byte-order mark,
// else Windows-1252; fields separated by the one of comma, semicolon or tab
// that the header line uses most (a header with none of them makes a table of
// one column, whose separator is left empty); quoted fields may hold
// separators, quotes and line breaks; lines end in CRLF, LF or CR.
class CsvReader
{
public:
    static constexpr int kMaxColumns = 1000;
    static constexpr qsizetype kMaxCells = 2'000'000;

    // Throws StoreError when the file cannot be read, is too large, is not
    // text, has too many columns or cells, or ends inside a quoted field.
    static SheetTable read(const QString &path);
};

} // namespace calendrix
