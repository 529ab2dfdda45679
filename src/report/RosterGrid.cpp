#include "report/RosterGrid.h"

#include "report/RosterData.h"
#include "report/TemplateValues.h"
#include "store/Fields.h"
#include "store/RankList.h"

#include <QLocale>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// Two letters tell Tuesday from Thursday at a glance, in the language of the
// dates: "Mo", "Di", "ma", "ti".
QString weekday(const QDate &date)
{
    return QLocale().dayName(date.dayOfWeek(), QLocale::ShortFormat).left(2);
}

// "7", or "7–13" when the period's last day is known.
QString dayText(const RosterColumn &c)
{
    if (!c.end.isValid() || c.end == c.start)
        return QString::number(c.start.day());
    return QString::number(c.start.day()) + u"\u2013"_s + QString::number(c.end.day());
}

} // namespace

RosterGrid::RosterGrid(const ReportLayout &layout, const RosterDuty &duty, const TemplateValues &values,
                       const QPaintDevice &device, const QRectF &area)
    : m_layout(layout), m_duty(duty), m_area(area), m_body(layout.font(u"body"_s)),
      m_bold(layout.font(u"body"_s)), m_header(layout.font(u"header"_s)), m_bodyMetrics(m_body, &device),
      m_boldMetrics(m_bold, &device), m_headerMetrics(m_header, &device), m_text(m_body, m_bodyMetrics)
{
    m_bold.setBold(true);
    m_boldMetrics = QFontMetricsF(m_bold, &device);
    m_pad = m_bodyMetrics.height() * 0.25;
    m_rowHeight = m_bodyMetrics.height() + m_pad;

    m_rankNames.reserve(duty.soldiers.size());
    for (const RosterSoldier &s : duty.soldiers) {
        m_rankNames.append(rankAbbreviation(s.rank));
        m_assignedCounts.append(int(s.cells.count(u"/."_s)));
    }

    double fixed = 0;
    double nameNatural = 0;
    for (const QString &key : layout.columns()) {
        if (key == u"periods")
            continue;
        Column c{key, layout.heading(key, values), 0, 0, -1};
        double natural = m_headerMetrics.horizontalAdvance(c.heading);
        for (int s = 0; s < duty.soldiers.size(); ++s)
            natural = std::max(natural, m_text.width(cellText(c, s)));
        c.width = natural + 2 * m_pad;
        if (key == u"name")
            nameNatural = c.width;
        else if (key == u"remarks")
            c.width = std::min(c.width, area.width() * 0.15);
        if (key != u"name")
            fixed += c.width;
        m_columns.append(c);
    }
    // The date columns take what the other columns leave, and no less than
    // a three-digit standing number needs; the names take the width of the
    // longest as far as it fits.
    double periodWidth =
        std::max({m_boldMetrics.horizontalAdvance(u"888"_s), m_headerMetrics.horizontalAdvance(u"Mo"_s),
                  m_headerMetrics.horizontalAdvance(u"30"_s)});
    double rangeWidth = periodWidth;
    for (const RosterColumn &c : duty.columns)
        rangeWidth = std::max(rangeWidth, m_headerMetrics.horizontalAdvance(dayText(c)));
    // "28–3" on one line is wider than three digits. Where 36 such columns
    // would take the names' room, the last day goes on a line of its own.
    const qsizetype periodColumns = layout.shows(u"periods"_s) ? duty.columns.size() : 0;
    const double room = area.width() - fixed - (layout.shows(u"name"_s) ? nameNatural : 0);
    m_stackedDays = rangeWidth > periodWidth && (rangeWidth + 2 * m_pad) * periodColumns > room;
    periodWidth =
        m_stackedDays ? std::max(periodWidth, m_headerMetrics.horizontalAdvance(u"\u201330"_s)) : rangeWidth;
    periodWidth += 2 * m_pad;
    const double periodsWidth = periodWidth * periodColumns;

    const double nameWidth = std::max(0.0, std::min(nameNatural, area.width() - fixed - periodsWidth));
    const double spare = area.width() - fixed - periodsWidth - (layout.shows(u"name"_s) ? nameWidth : 0);
    // What is left widens the date columns, up to half again; then the names.
    const double periodGrow = duty.columns.isEmpty() || !layout.shows(u"periods"_s)
                                  ? 0
                                  : std::clamp(spare / duty.columns.size(), 0.0, periodWidth * 0.5);

    QList<Column> placed;
    double x = area.left();
    for (const QString &key : layout.columns()) {
        if (key == u"periods") {
            for (int p = 0; p < duty.columns.size(); ++p) {
                placed.append({key, {}, x, periodWidth + periodGrow, p});
                x += periodWidth + periodGrow;
            }
            continue;
        }
        Column c =
            *std::find_if(m_columns.begin(), m_columns.end(), [&](const Column &k) { return k.key == key; });
        if (key == u"name")
            c.width = nameWidth;
        c.left = x;
        x += c.width;
        placed.append(c);
    }
    m_columns = placed;

    m_headerHeight = headerLines(RosterColumn{}).size() * m_headerMetrics.height() + m_pad;
    m_rowsPerPage = std::max(1, int((area.height() - m_headerHeight) / m_rowHeight));
    m_pages = std::max(1, int((duty.soldiers.size() + m_rowsPerPage - 1) / m_rowsPerPage));
}

QStringList RosterGrid::headerLines(const RosterColumn &period) const
{
    QStringList lines;
    if (!m_stackedDays) {
        lines.append(dayText(period));
    } else {
        lines.append(QString::number(period.start.day()));
        lines.append(period.end.isValid() && period.end != period.start
                         ? u"\u2013"_s + QString::number(period.end.day())
                         : QString());
    }
    lines.append(QString::number(period.start.month()));
    lines.append(weekday(period.start));
    return lines;
}

QString RosterGrid::cellText(const Column &column, int soldier) const
{
    const RosterSoldier &s = m_duty.soldiers[soldier];
    if (column.period >= 0)
        return s.cells.value(column.period);
    if (column.key == u"rank")
        return m_rankNames[soldier];
    if (column.key == u"name")
        return s.name;
    if (column.key == u"remarks")
        return s.remarks;
    if (column.key == u"count")
        return QString::number(m_assignedCounts[soldier]);
    return {};
}

void RosterGrid::paintHeader(QPainter &painter) const
{
    const double top = m_area.top();
    const QColor headerShade = m_layout.shade(u"header"_s);
    const QColor holidayShade = m_layout.shade(u"holiday"_s);
    if (headerShade.isValid())
        painter.fillRect(QRectF(m_area.left(), top,
                                m_columns.constLast().left + m_columns.constLast().width - m_area.left(),
                                m_headerHeight),
                         headerShade);
    painter.setFont(m_header);
    const double line = m_headerMetrics.height();
    const double ascent = m_headerMetrics.ascent();
    for (const Column &c : m_columns) {
        if (c.period < 0) {
            // Headings stand at the foot of the header, over their column.
            const QString text = m_headerMetrics.elidedText(c.heading, Qt::ElideRight, c.width - 2 * m_pad);
            painter.drawText(
                QPointF(c.left + m_pad, top + m_pad / 2 + (m_stackedDays ? 3 : 2) * line + ascent), text);
            continue;
        }
        const RosterColumn &period = m_duty.columns[c.period];
        if (period.holiday && holidayShade.isValid())
            painter.fillRect(QRectF(c.left, top, c.width, m_headerHeight), holidayShade);
        const QStringList lines = headerLines(period);
        for (int i = 0; i < lines.size(); ++i) {
            const double w = m_headerMetrics.horizontalAdvance(lines[i]);
            painter.drawText(QPointF(c.left + (c.width - w) / 2, top + m_pad / 2 + i * line + ascent),
                             lines[i]);
        }
    }
}

void RosterGrid::paintPage(QPainter &painter, int page) const
{
    if (m_columns.isEmpty())
        return;
    const int first = page * m_rowsPerPage;
    const int last = std::min(int(m_duty.soldiers.size()), first + m_rowsPerPage);
    const double right = m_columns.constLast().left + m_columns.constLast().width;
    const double bodyTop = m_area.top() + m_headerHeight;
    const double bottom = bodyTop + (last - first) * m_rowHeight;

    // Shades first, then text, then the rules over both.
    const QColor holidayShade = m_layout.shade(u"holiday"_s);
    if (holidayShade.isValid())
        for (const Column &c : m_columns)
            if (c.period >= 0 && m_duty.columns[c.period].holiday)
                painter.fillRect(QRectF(c.left, bodyTop, c.width, bottom - bodyTop), holidayShade);
    paintHeader(painter);

    const ReportLayout::Style styles[] = {
        m_layout.markStyle(u"assigned"_s), m_layout.markStyle(u"absent"_s),
        m_layout.markStyle(u"busy"_s),     m_layout.markStyle(u"replaced"_s),
        m_layout.markStyle(u"swapped"_s),  m_layout.markStyle(u"standing"_s)};
    const QString replaced = QString::fromUtf16(Fields::Storeage::kReplacedMark);
    const QString swapped = QString::fromUtf16(Fields::Storeage::kSwappedMark);
    TableText &text = m_text;
    text.begin(painter);
    const double ascent = m_bodyMetrics.ascent();
    for (int s = first; s < last; ++s) {
        const double top = bodyTop + (s - first) * m_rowHeight;
        const double baseline = top + m_pad / 2 + ascent;
        for (const Column &c : m_columns) {
            const QString cell = cellText(c, s);
            if (cell.isEmpty())
                continue;
            if (c.period < 0) {
                if (c.key == u"count")
                    text.drawRight(cell, c.left + c.width - m_pad, baseline);
                else
                    text.drawElided(cell, c.left + m_pad, baseline, c.width - 2 * m_pad);
                continue;
            }
            const int kind = cell == u"/."      ? 0
                             : cell == u"A"     ? 1
                             : cell == u"D"     ? 2
                             : cell == replaced ? 3
                             : cell == swapped  ? 4
                                                : 5;
            const ReportLayout::Style &style = styles[kind];
            if (style.tint.isValid())
                painter.fillRect(
                    QRectF(c.left + m_pad / 2, top + m_pad / 4, c.width - m_pad, m_rowHeight - m_pad / 2),
                    style.tint);
            text.setStyle(style);
            // Standing numbers line up on their last digit; marks stand in the middle.
            if (kind == 5)
                text.drawRight(cell, c.left + c.width - m_pad, baseline);
            else
                text.drawCentred(cell, c.left + c.width / 2, baseline);
            text.setStyle({});
        }
    }
    text.finish();

    painter.setPen(
        QPen(m_layout.shade(u"lines"_s).isValid() ? m_layout.shade(u"lines"_s) : QColor(Qt::black), 0));
    QList<QLineF> rules;
    rules.append(QLineF(m_area.left(), m_area.top(), right, m_area.top()));
    for (int r = 0; r <= last - first; ++r)
        rules.append(QLineF(m_area.left(), bodyTop + r * m_rowHeight, right, bodyTop + r * m_rowHeight));
    for (const Column &c : m_columns)
        rules.append(QLineF(c.left, m_area.top(), c.left, bottom));
    rules.append(QLineF(right, m_area.top(), right, bottom));
    painter.drawLines(rules);
}

} // namespace calendrix
