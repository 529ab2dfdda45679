#pragma once

#include "report/Report.h"
#include "session/OutputResult.h"
#include "store/UnitFolder.h"

#include <QPageSize>

#include <functional>

namespace calendrix {

// Printing into a PDF file, from the print preview's Save as PDF, a print
// dialog's print into a file, the fairness report and `calendrix print`.
// A PDF is written beside its place and moved there whole, so the only
// harm it can do is to take the place of a file that must stay: the one
// guard below keeps it from the unit's own files and the datafile printed.
class PdfPrinting
{
public:
    // datafile: the roster datafile printed, which the PDF may not replace
    // either; empty when none is printed.
    PdfPrinting(const UnitFolder &unit, QString datafile = {});

    // Refused for a file of the unit or the datafile; Exists when path is
    // there and may only be replaced on a Yes; else Ready.
    OutputResult check(const QString &path) const;

    // The reports, one after the other, into path: Written or Failed.
    OutputResult write(const QList<Report> &reports, const QString &path, const QPageSize &paper,
                       OutputProgress *progress = nullptr) const;
    // What paints itself into a PDF file (the fairness report): Written or
    // Failed. paint throws Error when the file cannot be written.
    OutputResult write(const QString &path, const std::function<void(const QString &)> &paint) const;

private:
    UnitFolder m_unit;
    QString m_datafile;
};

} // namespace calendrix
