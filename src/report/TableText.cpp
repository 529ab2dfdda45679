#include "report/TableText.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace calendrix {

TableText::TableText(const QFont &font, const QFontMetricsF &metrics)
{
    m_variants[0].emplace(Variant{font, metrics, {}});
}

void TableText::begin(QPainter &painter)
{
    m_painter = &painter;
    // Glyphs a page left ungathered went with it: its table forgot finish().
    Q_ASSERT(m_gathered.isEmpty());
    m_gathered.clear();
    // Glyphs take their size from the device's resolution; a page painted
    // at another one must be shaped anew.
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    if (dpi != m_dpi) {
        m_dpi = dpi;
        for (std::optional<Variant> &v : m_variants)
            if (v) {
                v->marks.clear();
                if (painter.device())
                    v->font = QFont(v->font, painter.device());
            }
    }
    m_current = 0;
    m_color = Qt::black;
    m_painter->setFont(current().font);
    m_painterFont = m_current;
    m_painter->setPen(QPen(m_color, 0));
    m_painterColor = m_color;
}

void TableText::setStyle(const ReportLayout::Style &style)
{
    m_current = int(style.bold) + 2 * int(style.italic);
    if (!m_variants[m_current]) {
        QFont font = m_variants[0]->font;
        font.setBold(style.bold);
        font.setItalic(style.italic);
        m_variants[m_current].emplace(Variant{font, QFontMetricsF(font, m_painter->device()), {}});
    }
    m_color = style.color;
}

TableText::Mark *TableText::mark(const QString &text)
{
    if (text.size() > 4)
        return nullptr;
    MarkKey key{0, text.size()};
    for (const QChar c : text)
        key.units = key.units << 16 | c.unicode();
    auto found = current().marks.find(key);
    if (found == current().marks.end())
        found = current().marks.insert(key, Mark{current().metrics.horizontalAdvance(text), 0, {}});
    return &*found;
}

double TableText::advance(const QString &text, const Mark *mark)
{
    return mark ? mark->width : current().metrics.horizontalAdvance(text);
}

double TableText::width(const QString &text)
{
    return advance(text, mark(text));
}

void TableText::usePen()
{
    if (m_color != m_painterColor) {
        m_painter->setPen(QPen(m_color, 0));
        m_painterColor = m_color;
    }
}

void TableText::draw(const QString &text, Mark *mark, double left, double baseline)
{
    usePen();
    if (!mark) {
        if (m_painterFont != m_current) {
            m_painter->setFont(current().font);
            m_painterFont = m_current;
        }
        m_painter->drawText(QPointF(left, baseline), text);
        return;
    }
    if (mark->glyphs.isEmpty()) {
        // Shaped as a plain text call would shape it, so that the glyphs
        // stand exactly where they stood.
        QTextLayout layout(text, current().font, m_painter->device());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        mark->ascent = line.ascent();
        mark->glyphs = layout.glyphRuns();
    }
    const QPointF origin(left, baseline - mark->ascent);
    for (const QGlyphRun &run : std::as_const(mark->glyphs))
        gather(run, origin);
}

void TableText::gather(const QGlyphRun &run, const QPointF &origin)
{
    auto into = std::find_if(m_gathered.begin(), m_gathered.end(), [&](const Gathered &g) {
        return g.color == m_color && g.run.flags() == run.flags() && g.run.rawFont() == run.rawFont();
    });
    if (into == m_gathered.end()) {
        Gathered g{m_color, {}, {}, {}};
        g.run.setRawFont(run.rawFont());
        g.run.setFlags(run.flags());
        into = m_gathered.insert(m_gathered.end(), std::move(g));
    }
    into->glyphs.append(run.glyphIndexes());
    const QList<QPointF> positions = run.positions();
    for (const QPointF &p : positions)
        into->positions.append(origin + p);
}

void TableText::finish()
{
    if (m_gathered.isEmpty())
        return;
    const QColor color = m_color;
    for (Gathered &g : m_gathered) {
        m_color = g.color;
        usePen();
        g.run.setGlyphIndexes(g.glyphs);
        g.run.setPositions(g.positions);
        m_painter->drawGlyphRun(QPointF(), g.run);
    }
    m_color = color;
    m_gathered.clear();
}

void TableText::drawLeft(const QString &text, double left, double baseline)
{
    draw(text, mark(text), left, baseline);
}

void TableText::drawRight(const QString &text, double right, double baseline)
{
    Mark *m = mark(text);
    draw(text, m, right - advance(text, m), baseline);
}

void TableText::drawCentred(const QString &text, double centre, double baseline)
{
    Mark *m = mark(text);
    draw(text, m, centre - advance(text, m) / 2, baseline);
}

void TableText::drawElided(const QString &text, double left, double baseline, double width)
{
    Mark *m = mark(text);
    if (m) {
        if (m->width <= width)
            draw(text, m, left, baseline);
        else
            drawLeft(current().metrics.elidedText(text, Qt::ElideRight, width), left, baseline);
        return;
    }
    // A name is shaped once to be measured and drawn: the layout keeps the
    // characters, so a ligature in it stays searchable in the PDF.
    QTextLayout layout(text, current().font, m_painter->device());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (line.horizontalAdvance() > width) {
        drawLeft(current().metrics.elidedText(text, Qt::ElideRight, width), left, baseline);
        return;
    }
    usePen();
    layout.draw(m_painter, QPointF(left, baseline - line.ascent()));
}

} // namespace calendrix
