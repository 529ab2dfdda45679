#pragma once

#include "roster/FairnessModel.h"

#include <QDate>
#include <QPageSize>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace calendrix {

// The fairness of a unit on paper, painted on any paged device as the
// rosters are: the counters of every duty as ranges (minimum to maximum,
// the middle half as a box, the median as a bar), normal and holiday; the
// counters of the duty with the largest spread as a histogram; and the
// soldiers with their totals, the most loaded first.
class FairnessReport
{
public:
    FairnessReport(std::shared_ptr<const FairnessModel> model, QString unitName, QDate printedOn);

    // "Fairness – UNIT"
    QString title() const;
    // A4 or the device's paper, portrait, margins of 12 mm.
    void applyPageSetup(QPagedPaintDevice &device) const;
    // Paints every page, the first on the device's current page; painter
    // must be active on device. Returns the number of pages.
    int paint(QPainter &painter, QPagedPaintDevice &device) const;

    // Into one PDF file, which appears complete or not at all. Throws
    // ReportError.
    void writePdf(const QString &path, const QPageSize &paper) const;

    // A median as every face shows it: a whole number without a fraction,
    // a half with one decimal.
    static QString number(double v);

    // The unit-wide findings in sentences: the duties with the largest
    // spread, and who is qualified yet has no duty (at most names of them,
    // joined by separator). The window shows them as the report prints them.
    static QStringList findings(const FairnessModel &model, int names, const QString &separator);

private:
    // total: the number of pages, or 0 to count them without painting on device.
    int paintPages(QPainter &painter, QPagedPaintDevice &device, int total) const;

    std::shared_ptr<const FairnessModel> m_model;
    QString m_unitName;
    QDate m_printedOn;
};

} // namespace calendrix
