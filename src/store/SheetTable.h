#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace calendrix {

// One cell of a table that another program wrote (a CSV file, a sheet of a
// workbook), as that file holds it. A CSV file holds text alone; a workbook
// says whether a cell is a number, a yes/no or a date.
struct SheetCell {
    enum class Kind : quint8 { Empty, Text, Number, Boolean, Date };
    Kind kind = Kind::Empty;
    QString text;      // Text; for the others, the value as the file writes it
    double number = 0; // Number: the value; Date: the serial number the cell holds
    bool boolean = false;
    QDate date; // Date, in the workbook's date system (1900 or 1904)

    bool isEmpty() const { return kind == Kind::Empty || (kind == Kind::Text && text.trimmed().isEmpty()); }
};

// A table read from another program's file: its rows as they stand, the first
// being the header, each with where it stands for a message about it.
struct SheetTable {
    struct Row {
        // Where the row begins: the line of a CSV file (a quoted field may
        // span lines) or the row number of a sheet, counted from 1.
        int line = 0;
        QList<SheetCell> cells; // trailing empty cells left out
    };
    QString path;
    // How the text of a CSV file was read, as a key for the faces to word:
    // "utf-8", "utf-8-bom" or "windows-1252"; empty for a workbook.
    QString encoding;
    QString separator; // a CSV file's: ",", ";" or "\t"; empty for a workbook
    QString sheet;     // a workbook's sheet that was read; empty for a CSV file
    // Empty trailing rows left out.
    QList<Row> rows;
};

} // namespace calendrix
