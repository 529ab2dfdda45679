#include "report/RemarksList.h"

#include "report/RosterData.h"
#include "report/TemplateValues.h"
#include "store/RankList.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

RemarksList::RemarksList(const ReportLayout &layout, const RosterDuty &duty, const TemplateValues &values,
                         const QPaintDevice &device, const QRectF &area)
    : m_layout(layout), m_duty(duty), m_area(area), m_body(layout.font(u"body"_s)),
      m_header(layout.font(u"header"_s)), m_bodyMetrics(m_body, &device), m_headerMetrics(m_header, &device),
      m_headingText(m_header, m_headerMetrics), m_text(m_body, m_bodyMetrics)
{
    m_header.setBold(true);
    m_headerMetrics = QFontMetricsF(m_header, &device);
    m_headingText = TableText(m_header, m_headerMetrics);
    m_pad = m_bodyMetrics.height() * 0.3;
    const QString dateFormat = printedDateFormat();
    for (const RosterSoldier &s : duty.soldiers) {
        QStringList days;
        for (int c = 0; c < s.cells.size() && c < duty.columns.size(); ++c)
            if (s.cells[c] == u"/.")
                days.append(printedDate(duty.columns[c].start, dateFormat));
        m_dates.append(days.isEmpty() ? u"\u2014"_s : days.join(u", "_s));
        m_counts.append(int(days.size()));
    }

    // Rank, name, remarks and count as wide as their longest entry (names and
    // remarks within bounds); the days take the rest and wrap.
    double fixed = 0;
    for (const QString &key : layout.columns()) {
        Column c{key, layout.heading(key, values), 0, 0};
        if (key != u"dates") {
            double natural = m_headerMetrics.horizontalAdvance(c.heading);
            for (int s = 0; s < duty.soldiers.size(); ++s)
                natural = std::max(natural, m_text.width(cellText(key, s)));
            c.width = std::min(natural + 2 * m_pad, area.width() * (key == u"name" ? 0.35 : 0.25));
            fixed += c.width;
        }
        m_columns.append(c);
    }
    const double rest = std::max(0.0, area.width() - fixed);
    const bool hasDates = layout.shows(u"dates"_s);
    double x = area.left();
    for (Column &c : m_columns) {
        if (c.key == u"dates")
            c.width = rest;
        else if (!hasDates && c.key == m_columns.constLast().key)
            c.width += rest;
        c.left = x;
        x += c.width;
    }

    m_headerHeight = m_headerMetrics.height() + m_pad;
    const double line = m_bodyMetrics.height();
    const auto dates =
        std::find_if(m_columns.begin(), m_columns.end(), [](const Column &c) { return c.key == u"dates"; });
    double used = 0;
    m_pageStarts.append(0);
    for (int s = 0; s < duty.soldiers.size(); ++s) {
        double height = line + m_pad;
        m_wraps.append(dates != m_columns.end() && m_text.width(m_dates[s]) > dates->width - 2 * m_pad);
        if (m_wraps.constLast())
            height =
                m_bodyMetrics
                    .boundingRect(QRectF(0, 0, dates->width - 2 * m_pad, 1e6), Qt::TextWordWrap, m_dates[s])
                    .height() +
                m_pad;
        height = std::min(height, area.height() - m_headerHeight);
        if (used > 0 && used + height > area.height() - m_headerHeight) {
            m_pageStarts.append(s);
            used = 0;
        }
        m_rowHeights.append(height);
        used += height;
    }

    for (const RosterCellChange &change : duty.changes)
        if (const QString line = layout.text(u"change"_s, values.withChange(duty, change)); !line.isEmpty())
            m_changes.append(line);
    if (m_changes.isEmpty())
        return;
    m_changesHeading = layout.text(u"changes"_s, values);
    const double width =
        std::max(1.0, m_columns.constLast().left + m_columns.constLast().width - area.left() - 2 * m_pad);
    const double room = area.height() - m_headerHeight;
    const auto wrapped = [&](const QString &text) {
        const double h =
            m_bodyMetrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
        return std::min(h + m_pad / 2, room);
    };
    const double headingHeight = m_changesHeading.isEmpty() ? 0 : m_headerMetrics.height() + 2 * m_pad;
    for (qsizetype i = -1; i < m_changes.size(); ++i) {
        double height = i < 0 ? headingHeight : wrapped(m_changes[i]);
        // The heading goes over with its first line.
        const double needed = i < 0 ? height + wrapped(m_changes[0]) : height;
        if (used > 0 && used + needed > room) {
            m_pageStarts.append(int(m_rowHeights.size()));
            used = 0;
        }
        m_rowHeights.append(height);
        used += height;
    }
}

// The heading row (of no height when the layout leaves the heading out),
// then the changes, across the width of the table.
void RemarksList::paintChanges(QPainter &painter, int first, int last, double top) const
{
    const int soldiers = int(m_duty.soldiers.size());
    const double left = m_area.left() + m_pad;
    const double width = m_columns.constLast().left + m_columns.constLast().width - left - m_pad;
    painter.setPen(QPen(Qt::black, 0));
    for (int r = std::max(first, soldiers); r < last; ++r) {
        if (r == soldiers) {
            painter.setFont(m_header);
            painter.drawText(QPointF(left, top + 1.5 * m_pad + m_headerMetrics.ascent()), m_changesHeading);
        } else {
            painter.setFont(m_body);
            painter.drawText(QRectF(left, top, width, m_rowHeights[r]), Qt::TextWordWrap,
                             m_changes[r - soldiers - 1]);
        }
        top += m_rowHeights[r];
    }
}

QString RemarksList::cellText(const QString &key, int soldier) const
{
    const RosterSoldier &s = m_duty.soldiers[soldier];
    if (key == u"rank")
        return rankAbbreviation(s.rank);
    if (key == u"name")
        return s.name;
    if (key == u"remarks")
        return s.remarks;
    if (key == u"dates")
        return m_dates[soldier];
    if (key == u"count")
        return QString::number(m_counts[soldier]);
    return {};
}

void RemarksList::paintPage(QPainter &painter, int page) const
{
    if (m_columns.isEmpty())
        return;
    const int first = m_pageStarts.value(page);
    const int end = page + 1 < m_pageStarts.size() ? m_pageStarts[page + 1] : int(m_rowHeights.size());
    const int last = std::min(end, int(m_duty.soldiers.size()));
    // A page of changes alone has no use for the table's header.
    if (first >= last) {
        paintChanges(painter, first, end, m_area.top());
        return;
    }
    const double right = m_columns.constLast().left + m_columns.constLast().width;
    const QColor headerShade = m_layout.shade(u"header"_s);
    if (headerShade.isValid())
        painter.fillRect(QRectF(m_area.left(), m_area.top(), right - m_area.left(), m_headerHeight),
                         headerShade);

    TableText &heading = m_headingText;
    heading.begin(painter);
    const double headerBaseline = m_area.top() + m_pad / 2 + m_headerMetrics.ascent();
    for (const Column &c : m_columns) {
        if (c.key == u"count")
            heading.drawRight(c.heading, c.left + c.width - m_pad, headerBaseline);
        else
            heading.drawElided(c.heading, c.left + m_pad, headerBaseline, c.width - 2 * m_pad);
    }

    TableText &text = m_text;
    text.begin(painter);
    QList<QLineF> rules{QLineF(m_area.left(), m_area.top(), right, m_area.top())};
    double top = m_area.top() + m_headerHeight;
    rules.append(QLineF(m_area.left(), top, right, top));
    for (int s = first; s < last; ++s) {
        const double baseline = top + m_pad / 2 + m_bodyMetrics.ascent();
        for (const Column &c : m_columns) {
            const QString cell = cellText(c.key, s);
            if (c.key == u"count")
                text.drawRight(cell, c.left + c.width - m_pad, baseline);
            else if (c.key == u"dates" && m_wraps[s])
                painter.drawText(
                    QRectF(c.left + m_pad, top + m_pad / 2, c.width - 2 * m_pad, m_rowHeights[s]),
                    Qt::TextWordWrap, cell);
            else
                text.drawElided(cell, c.left + m_pad, baseline, c.width - 2 * m_pad);
        }
        top += m_rowHeights[s];
        rules.append(QLineF(m_area.left(), top, right, top));
    }
    for (const Column &c : m_columns)
        rules.append(QLineF(c.left, m_area.top(), c.left, top));
    rules.append(QLineF(right, m_area.top(), right, top));
    heading.finish();
    text.finish();
    painter.setPen(
        QPen(m_layout.shade(u"lines"_s).isValid() ? m_layout.shade(u"lines"_s) : QColor(Qt::black), 0));
    painter.drawLines(rules);
    paintChanges(painter, first, end, top);
}

} // namespace calendrix
