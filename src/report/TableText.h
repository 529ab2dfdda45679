#pragma once

#include "report/ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace calendrix {

// The text of table cells, drawn at a baseline with one plain text call each.
// A roster repeats a few short marks tens of thousands of times, so their
// widths are measured once per font.
class TableText
{
public:
    TableText(QPainter &painter, const QFont &font, const QFontMetricsF &metrics);

    // Bold, italic and colour of what follows; the default style is the
    // plain font in black.
    void setStyle(const ReportLayout::Style &style);

    void drawLeft(const QString &text, double left, double baseline);
    void drawRight(const QString &text, double right, double baseline);
    void drawCentred(const QString &text, double centre, double baseline);
    // Shortened with an ellipsis where it is wider than width.
    void drawElided(const QString &text, double left, double baseline, double width);

    double width(const QString &text);

private:
    struct Variant {
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, double> widths;
    };
    Variant &variant(bool bold, bool italic);

    QPainter &m_painter;
    std::array<std::optional<Variant>, 4> m_variants; // by bold + 2 * italic
    Variant *m_current = nullptr;
    QColor m_color = Qt::black;
};

} // namespace calendrix
