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
// stands the duty (with the year) and how many, then the periods changed
// after the run, one line each under a heading. The days and the changes
// may take several lines; rows are measured once and then broken into pages.
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
    void paintChanges(QPainter &painter, int first, int last, double top) const;

    const ReportLayout &m_layout;
    const RosterDuty &m_duty;
    QRectF m_area;
    QFont m_body, m_header;
    QFontMetricsF m_bodyMetrics, m_headerMetrics;
    mutable TableText m_headingText, m_text;
    QList<Column> m_columns;
    QStringList m_dates; // per soldier
    QList<int> m_counts;
    QStringList m_changes;    // a line per change, after the soldiers' rows
    QString m_changesHeading; // the first row after the soldiers' when there are changes
    QList<double> m_rowHeights;
    QList<bool> m_wraps;     // the days wrap: wider than their column
    QList<int> m_pageStarts; // first row of each page
    double m_pad = 0, m_headerHeight = 0;
};

} // namespace calendrix
