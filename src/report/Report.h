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

// One report: a layout and the datafile it reads, ready to be filled in and
// broken into pages on any paged device: a printer, the pages of a print
// preview or a PDF file. A layout made of sections (one per duty) is filled
// in, laid out and painted one section at a time.
class Report
{
public:
    // Fills in the first section at once, so that a layout that cannot be
    // filled in is reported here. Throws ReportError.
    Report(ReportLayout layout, std::shared_ptr<const RosterData> roster, QString datafile, QDate printedOn);

    // The page's <title>, or the layout's name, and the datafile's name.
    QString title() const { return m_title; }
    QString layoutPath() const { return m_layout.path(); }
    QPageLayout::Orientation orientation() const { return m_layout.orientation(); }

    int sectionCount() const;
    // One section with every tag filled in. Throws ReportError.
    QString sectionHtml(int section) const;
    // Every section, one after the other.
    QString html() const;

    // Orientation and margins of the layout; the paper size stays the device's.
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
    int paintSection(int section, QPainter &painter, QPagedPaintDevice &device) const;

    ReportLayout m_layout;
    std::shared_ptr<const RosterData> m_roster;
    QString m_datafile;
    QDate m_printedOn;
    QString m_title;
};

} // namespace calendrix
