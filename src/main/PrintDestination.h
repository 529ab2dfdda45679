#pragma once

#include <QCoreApplication>
#include <QString>

class QPrinter;
class QWidget;

namespace calendrix {

struct OutputResult;

// Where the clerk sends a print. The print dialog also offers to print into
// a file, and a file named there would be opened and emptied by the printer
// before a page is painted, even when it is the unit's datafile. So a print
// into a file leaves the printer without it and goes, like Save as PDF,
// through the window's own checked PDF writing.
struct PrintDestination {
    Q_DECLARE_TR_FUNCTIONS(PrintDestination)

public:
    enum class Kind { Cancelled, Printer, File };

    Kind kind = Kind::Cancelled;
    QString file; // the PDF to write, for Kind::File

    // Puts the print dialog for printer; title names what is printed.
    static PrintDestination choose(QWidget *parent, QPrinter &printer, const QString &title);

    // Whether a PDF may go where the session's check put it: a refusal is
    // shown, and a file that exists is replaced only when askToReplace gets
    // a Yes (the print dialog asks on its own).
    static bool mayWritePdf(QWidget *parent, const OutputResult &checked, bool askToReplace);
};

} // namespace calendrix
