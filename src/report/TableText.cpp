#include "report/TableText.h"

#include <QPainter>

namespace calendrix {

TableText::TableText(QPainter &painter, const QFont &font, const QFontMetricsF &metrics) : m_painter(painter)
{
    m_variants[0].emplace(Variant{font, metrics, {}});
    m_current = &*m_variants[0];
    m_painter.setFont(font);
    m_painter.setPen(QPen(m_color, 0));
}

TableText::Variant &TableText::variant(bool bold, bool italic)
{
    const int key = int(bold) + 2 * int(italic);
    if (!m_variants[key]) {
        QFont font = m_variants[0]->font;
        font.setBold(bold);
        font.setItalic(italic);
        m_variants[key].emplace(Variant{font, QFontMetricsF(font, m_painter.device()), {}});
    }
    return *m_variants[key];
}

void TableText::setStyle(const ReportLayout::Style &style)
{
    Variant *next = &variant(style.bold, style.italic);
    if (next != m_current) {
        m_current = next;
        m_painter.setFont(next->font);
    }
    if (style.color != m_color) {
        m_color = style.color;
        m_painter.setPen(QPen(m_color, 0));
    }
}

double TableText::width(const QString &text)
{
    auto found = m_current->widths.constFind(text);
    if (found != m_current->widths.constEnd())
        return *found;
    const double w = m_current->metrics.horizontalAdvance(text);
    // Names are measured once each; only the short marks recur.
    if (text.size() <= 4)
        m_current->widths.insert(text, w);
    return w;
}

void TableText::drawLeft(const QString &text, double left, double baseline)
{
    m_painter.drawText(QPointF(left, baseline), text);
}

void TableText::drawRight(const QString &text, double right, double baseline)
{
    m_painter.drawText(QPointF(right - width(text), baseline), text);
}

void TableText::drawCentred(const QString &text, double centre, double baseline)
{
    m_painter.drawText(QPointF(centre - width(text) / 2, baseline), text);
}

void TableText::drawElided(const QString &text, double left, double baseline, double width)
{
    if (this->width(text) <= width)
        drawLeft(text, left, baseline);
    else
        drawLeft(m_current->metrics.elidedText(text, Qt::ElideRight, width), left, baseline);
}

} // namespace calendrix
