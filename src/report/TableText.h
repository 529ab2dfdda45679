#pragma once

#include "report/ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QPainter;

namespace calendrix {

// The text of table cells, drawn at a baseline. A roster repeats a few
// hundred short marks across a million cells, so each is measured and
// shaped once per font and its glyphs are drawn again wherever it stands;
// a table keeps one TableText for all its pages. The glyphs of the marks
// are gathered and drawn by finish() as one run per font and colour: a PDF
// then holds one text object for them instead of one a cell, and those
// objects were most of what writing and compressing a page cost.
class TableText
{
public:
    TableText(const QFont &font, const QFontMetricsF &metrics);

    // Paints what follows with painter, in the default style: the plain
    // font in black.
    void begin(QPainter &painter);
    // Draws the gathered marks; before anything that must cover them, and
    // before the page ends.
    void finish();
    void setStyle(const ReportLayout::Style &style);

    void drawLeft(const QString &text, double left, double baseline);
    void drawRight(const QString &text, double right, double baseline);
    void drawCentred(const QString &text, double centre, double baseline);
    // Shortened with an ellipsis where it is wider than width.
    void drawElided(const QString &text, double left, double baseline, double width);

    double width(const QString &text);

private:
    struct Mark {
        double width = 0;
        double ascent = 0;       // of the line the glyphs were laid out on
        QList<QGlyphRun> glyphs; // empty until the mark is first drawn
    };
    // A mark's text, its few UTF-16 units packed into a number: Qt 6.4
    // hashes a short text with AES instructions after AVX ones, and the
    // switch between them cost more than the rest of a cell on the
    // machines we measure on.
    struct MarkKey {
        quint64 units = 0;
        qsizetype size = 0;
        friend bool operator==(const MarkKey &, const MarkKey &) = default;
        friend size_t qHash(const MarkKey &key, size_t seed) noexcept
        {
            return qHashMulti(seed, key.units, key.size);
        }
    };
    struct Variant {
        QFont font; // at the resolution of the device, so that its engines are found once
        QFontMetricsF metrics;
        QHash<MarkKey, Mark> marks;
    };
    Variant &current() { return *m_variants[m_current]; }
    // The measured mark of a short text, or nullptr for a longer one: names
    // are measured once each and would only fill the cache.
    Mark *mark(const QString &text);
    double advance(const QString &text, const Mark *mark);
    void usePen();
    void draw(const QString &text, Mark *mark, double left, double baseline);
    // Glyphs waiting for finish(), one run per font, flags and colour.
    struct Gathered {
        QColor color;
        QGlyphRun run;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    void gather(const QGlyphRun &run, const QPointF &origin);

    QPainter *m_painter = nullptr;
    std::array<std::optional<Variant>, 4> m_variants; // by bold + 2 * italic
    int m_current = 0;
    QColor m_color = Qt::black;
    // What the painter holds: a plain text call needs the font, glyphs only the pen.
    int m_painterFont = -1;
    QColor m_painterColor;
    int m_dpi = 0; // of the device the glyphs were shaped for
    QList<Gathered> m_gathered;
};

} // namespace calendrix
