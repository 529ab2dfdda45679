#pragma once

#include "report/PagedTable.h"
#include "report/ReportLayout.h"
#include "report/TableText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QStringList>

class QPaintDevice;

namespace calendrix {

struct RosterColumn;
struct RosterDuty;
struct TemplateValues;

// The roster of one duty as a grid: a row per soldier, a column per period,
// laid out and painted with plain text calls. Every row is one line high, so
// the pages are known before the first is painted; a name too long for the
// column is shortened with an ellipsis.
class RosterGrid : public PagedTable
{
public:
    RosterGrid(const ReportLayout &layout, const RosterDuty &duty, const TemplateValues &values,
               const QPaintDevice &device, const QRectF &area);

    int pageCount() const override { return m_pages; }
    void paintPage(QPainter &painter, int page) const override;

private:
    struct Column {
        QString key;
        QString heading;
        double left = 0, width = 0;
        int period = -1; // for a date column: its index
    };
    QString cellText(const Column &column, int soldier) const;
    // Day, month and weekday of a date column, top to bottom.
    QStringList headerLines(const RosterColumn &period) const;
    void paintHeader(QPainter &painter) const;

    const ReportLayout &m_layout;
    const RosterDuty &m_duty;
    QRectF m_area;
    QFont m_body, m_bold, m_header;
    QFontMetricsF m_bodyMetrics, m_boldMetrics, m_headerMetrics;
    mutable TableText m_text;
    QList<Column> m_columns;
    QStringList m_rankNames; // one per soldier
    QList<int> m_assignedCounts;
    double m_pad = 0, m_headerHeight = 0, m_rowHeight = 0;
    int m_rowsPerPage = 1, m_pages = 1;
    bool m_stackedDays = false; // a period's last day under its first
};

} // namespace calendrix
