#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace calendrix {

// Where the clerk sends a print. The print dialog also offers to print into
// a file, and a file named there would be opened and emptied by the printer
// before a page is painted, even when it is the unit's datafile. So a print
// into a file leaves the printer without it and goes, like Save as PDF,
// through the window's own checked PDF writing.
struct PrintDestination {
    enum class Kind { Cancelled, Printer, File };

    Kind kind = Kind::Cancelled;
    QString file; // the PDF to write, for Kind::File

    // Puts the print dialog for printer; title names what is printed.
    static PrintDestination choose(QWidget *parent, QPrinter &printer, const QString &title);
};

} // namespace calendrix
