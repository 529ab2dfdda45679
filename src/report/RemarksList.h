#pragma once

#include "report/PagedTable.h"
#include "report/ReportLayout.h"
#include "report/TableText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QStringList>

class QPaintDevice;

namespace calendrix {

struct RosterDuty;
struct TemplateValues;

// The remarks of one duty: per soldier his rank, name, remarks, the days he
// stands the duty (with the year) and how many. The days may take several
// lines; rows are measured once and then broken into pages.
class RemarksList : public PagedTable
{
public:
    RemarksList(const ReportLayout &layout, const RosterDuty &duty, const TemplateValues &values,
                const QPaintDevice &device, const QRectF &area);

    int pageCount() const override { return int(m_pageStarts.size()); }
    void paintPage(QPainter &painter, int page) const override;

private:
    struct Column {
        QString key;
        QString heading;
        double left = 0, width = 0;
    };
    QString cellText(const QString &key, int soldier) const;

    const ReportLayout &m_layout;
    const RosterDuty &m_duty;
    QRectF m_area;
    QFont m_body, m_header;
    QFontMetricsF m_bodyMetrics, m_headerMetrics;
    mutable TableText m_headingText, m_text;
    QList<Column> m_columns;
    QStringList m_dates; // per soldier
    QList<int> m_counts;
    QList<double> m_rowHeights;
    QList<bool> m_wraps;     // the days wrap: wider than their column
    QList<int> m_pageStarts; // first row of each page
    double m_pad = 0, m_headerHeight = 0;
};

} // namespace calendrix
