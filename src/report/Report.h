#pragma once

#include "ReportLayout.h"

#include <QList>
#include <QPageSize>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace calendrix {

struct TemplateValues;

// One report with every tag filled in, ready to be broken into pages on any
// paged device: a printer, the pages of a print preview or a PDF file.
class Report
{
public:
    Report(ReportLayout layout, const TemplateValues &values, QString html);

    // The page's <title>, or the layout's name, and the datafile's name.
    QString title() const { return m_title; }
    QString html() const { return m_html; }
    QPageLayout::Orientation orientation() const { return m_layout.orientation(); }

    // Orientation and margins of the layout; the paper size stays the device's.
    void applyPageSetup(QPagedPaintDevice &device) const;

    // Paints every page, the first on the device's current page. painter must
    // be active on device. Returns the number of pages.
    int paint(QPainter &painter, QPagedPaintDevice &device) const;

    // Several reports, one after the other, into one PDF file. The file
    // appears complete or not at all. Throws ReportError.
    static void writePdf(const QList<Report> &reports, const QString &path, const QPageSize &paper);

private:
    ReportLayout m_layout;
    std::shared_ptr<const TemplateValues> m_values; // top-level values for the footers
    QString m_html;
    QString m_title;
};

} // namespace calendrix
