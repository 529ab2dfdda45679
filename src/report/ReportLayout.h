#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace calendrix {

struct TemplateValues;

// A layout file (.rpt): a small text file of [sections] and key = value
// lines, with comment lines beginning with # or ;, that a unit may edit. It
// says what is printed (the roster grid or the remarks list), the page setup,
// the fonts, the texts with Mustache tags, the columns and their headings,
// how the marks look and what is shaded. The engine itself lays out and
// paints the grid; the layout only shapes it.
class ReportLayout
{
public:
    enum class Kind { Roster, Remarks };

    // How one kind of cell or mark is drawn.
    struct Style {
        bool bold = false;
        bool italic = false;
        QColor color = Qt::black;
        QColor tint; // invalid: no background
    };

    // Reads and checks a layout. Throws ReportError naming the file and, for
    // a fault in one line, that line.
    static ReportLayout load(const QString &path);

    QString path() const { return m_path; }
    Kind kind() const { return m_kind; }
    int dataFile() const { return m_dataFile; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    // The paper the layout asks for; none: the printer's or the command's.
    std::optional<QPageSize> paper() const { return m_paper; }
    QMarginsF marginsMillimetres() const { return m_margins; }

    QFont font(const QString &role) const; // title, subtitle, header, body, footer
    // The columns of the table, in the order shown: rank, name, remarks,
    // periods (the roster's dates), dates (the remarks' days on duty), count.
    const QStringList &columns() const { return m_columns; }
    bool shows(const QString &column) const;
    // assigned, absent, busy, standing, replaced, swapped
    Style markStyle(const QString &mark) const;
    QColor shade(const QString &what) const; // holiday, header, lines
    // A text of the layout with its tags filled in; the empty text when the
    // layout leaves it out. Throws ReportError.
    QString text(const QString &name, const TemplateValues &values) const;
    QString heading(const QString &column, const TemplateValues &values) const;

private:
    ReportLayout() = default;
    struct Texts;

    QString m_path;
    Kind m_kind = Kind::Roster;
    int m_dataFile = 0;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    std::optional<QPageSize> m_paper;
    QMarginsF m_margins{10, 10, 10, 10};
    QHash<QString, QFont> m_fonts;
    QStringList m_columns;
    QHash<QString, Style> m_marks;
    QHash<QString, QColor> m_shades;
    // The compiled texts, shared by copies; filling in keeps only the last
    // error message in them.
    std::shared_ptr<Texts> m_texts;
};

} // namespace calendrix
