#pragma once

#include <QPageLayout>
#include <QString>

#include <memory>

namespace calendrix {

struct TemplateValues;

// A layout file (.rpt): an HTML page with Mustache tags that a unit may edit.
// Besides the page itself it carries its page setup in <meta> tags, read
// from the file as written (before any tag is filled in):
//   <meta name="calendrix-orientation" content="landscape">   (or portrait)
//   <meta name="calendrix-datafile" content="1">              (data file number)
//   <meta name="calendrix-margin" content="10">               (millimetres)
//   <meta name="calendrix-sections" content="duty">           (or report)
//   <meta name="calendrix-footer-left" content="...">         (Mustache, with
//   <meta name="calendrix-footer-right" content="...">         {{page}} and {{pages}})
class ReportLayout
{
public:
    // Reads and checks a layout. Throws ReportError naming the file, and for
    // a Mustache syntax error its line.
    static ReportLayout load(const QString &path);

    QString path() const { return m_path; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    int dataFile() const { return m_dataFile; }
    double marginMillimetres() const { return m_margin; }
    // Each duty laid out, numbered and printed on its own: the layout is
    // filled in once per duty, with that duty as the only one of the list.
    // Memory then stays that of one duty however large the unit.
    bool sectionPerDuty() const { return m_sectionPerDuty; }

    // The page with every tag filled in. Throws ReportError.
    QString renderPage(const TemplateValues &values) const;
    // One footer line for one page.
    QString renderFooterLeft(const TemplateValues &values, int page, int pages) const;
    QString renderFooterRight(const TemplateValues &values, int page, int pages) const;

private:
    ReportLayout() = default;
    struct Compiled;

    QString m_path;
    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    int m_dataFile = 0;
    double m_margin = 10.0;
    bool m_sectionPerDuty = false;
    // Shared by copies; filling in only keeps the last error message in it.
    std::shared_ptr<Compiled> m_compiled;
};

} // namespace calendrix
