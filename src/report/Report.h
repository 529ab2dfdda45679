#pragma once

#include "report/ReportLayout.h"

#include <QDate>
#include <QList>
#include <QPageSize>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace calendrix {

struct RosterData;
struct TemplateValues;

// One report: a layout and the datafile it reads, ready to be laid out and
// broken into pages on any paged device: a printer, the pages of a print
// preview or a PDF file. Each duty is laid out and painted on pages of its
// own, one duty at a time, so memory stays that of one page.
class Report
{
public:
    // Fills in the texts of the first duty at once, so that a layout whose
    // texts cannot be filled in is reported here. Throws ReportError.
    Report(ReportLayout layout, std::shared_ptr<const RosterData> roster, QString datafile, QDate printedOn);

    // What is printed ("Duty roster" or "Remarks") and the datafile's name.
    QString title() const { return m_name + QStringLiteral(" \u2013 ") + datafileName(); }
    QString name() const { return m_name; }
    QString datafileName() const;
    QString layoutPath() const { return m_layout.path(); }
    QPageLayout::Orientation orientation() const { return m_layout.orientation(); }

    // One section per duty; a datafile without duties still gets its page.
    int sectionCount() const;

    // Orientation, margins and, where the layout names one, the paper.
    void applyPageSetup(QPagedPaintDevice &device) const;

    // Told after each section: sections done, sections in all. Returning
    // false stops the painting there.
    using Progress = std::function<bool(int, int)>;

    // Paints every page, the first on the device's current page; each
    // section begins on a page of its own. painter must be active on device.
    // Returns the number of pages.
    int paint(QPainter &painter, QPagedPaintDevice &device, const Progress &progress = {}) const;

    // Several reports, one after the other, into one PDF file. The file
    // appears complete or not at all. Throws ReportError.
    static void writePdf(const QList<Report> &reports, const QString &path, const QPageSize &paper);

private:
    TemplateValues sectionValues(int section) const;
    // A title or footer of a draft's report, with the notice that it was not counted.
    QString marked(const QString &text) const;
    int paintSection(int section, QPainter &painter, QPagedPaintDevice &device) const;

    ReportLayout m_layout;
    std::shared_ptr<const RosterData> m_roster;
    QString m_datafile;
    QDate m_printedOn;
    QString m_name;
};

} // namespace calendrix
