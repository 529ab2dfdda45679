#include "report/Report.h"

#include "report/PdfFile.h"
#include "report/RemarksList.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "report/RosterGrid.h"
#include "report/TemplateValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

Report::Report(ReportLayout layout, std::shared_ptr<const RosterData> roster, QString datafile,
               QDate printedOn)
    : m_layout(std::move(layout)), m_roster(std::move(roster)), m_datafile(std::move(datafile)),
      m_printedOn(printedOn)
{
    const TemplateValues values = sectionValues(0);
    for (const QString &text : {u"title"_s, u"subtitle"_s, u"footer-left"_s, u"footer-right"_s, u"legend"_s,
                                u"changed"_s, u"changes"_s, u"change"_s})
        m_layout.text(text, values);
    for (const QString &column : m_layout.columns())
        m_layout.heading(column, values);
    m_name = m_layout.kind() == ReportLayout::Kind::Roster
                 ? QCoreApplication::translate("Report", "Duty roster")
                 : QCoreApplication::translate("Report", "Remarks");
}

namespace {

// A title or footer of a draft's report, with the notice that it was not
// counted: a draft must never pass for the roster that counts, whatever the
// layout says.
QString marked(const QString &text, bool draft)
{
    if (!draft)
        return text;
    return text.isEmpty() ? draftNotice()
                          : QCoreApplication::translate("Report", "%1 \u00b7 %2",
                                                        "A title or footer, then the draft notice")
                                .arg(text, draftNotice());
}

} // namespace

QString Report::title() const
{
    return QCoreApplication::translate("Report", "%1 \u2013 %2", "The reports, then the datafile they print")
        .arg(m_name, datafileName());
}

QString Report::datafileName() const
{
    return QFileInfo(m_datafile).fileName();
}

int Report::sectionCount() const
{
    return std::max(1, int(m_roster->duties.size()));
}

TemplateValues Report::sectionValues(int section) const
{
    TemplateValues values = TemplateValues::forDuty(*m_roster, m_roster->duties.isEmpty() ? -1 : section,
                                                    m_datafile, m_printedOn);
    values.setPage(1, 1);
    return values;
}

void Report::applyPageSetup(QPagedPaintDevice &device) const
{
    const QMarginsF m = m_layout.marginsMillimetres();
    QPageLayout page = device.pageLayout();
    if (const auto paper = m_layout.paper())
        page.setPageSize(*paper);
    page.setUnits(QPageLayout::Millimeter);
    page.setOrientation(m_layout.orientation());
    page.setMinimumMargins(QMarginsF());
    page.setMargins(m);
    device.setPageLayout(page);
}

struct Report::Section::Parts {
    Parts(const ReportLayout &layout, TemplateValues v, const QPaintDevice &device)
        : layout(layout), values(std::move(v)), titleFont(layout.font(u"title"_s)),
          subtitleFont(layout.font(u"subtitle"_s)), footerFont(layout.font(u"footer"_s)),
          titleMetrics(titleFont, &device), subtitleMetrics(subtitleFont, &device),
          footerMetrics(footerFont, &device), width(device.width())
    {}

    const ReportLayout &layout;
    // Only the page numbers change from page to page.
    mutable TemplateValues values;
    bool noDuty = false;
    bool draft = false;
    QFont titleFont, subtitleFont, footerFont;
    QFontMetricsF titleMetrics, subtitleMetrics, footerMetrics;
    double width = 0, footerTop = 0, legendTop = 0, changedTop = 0;
    QString title, subtitle, legend, changed;
    QRectF area;
    std::unique_ptr<PagedTable> table;
};

Report::Section::Section(std::unique_ptr<Parts> parts) : m_parts(std::move(parts)) {}
Report::Section::Section(Section &&) noexcept = default;
Report::Section::~Section() = default;

int Report::Section::pageCount() const
{
    return m_parts->table ? m_parts->table->pageCount() : 1;
}

Report::Section Report::layOut(int section, const QPaintDevice &device) const
{
    auto parts = std::make_unique<Section::Parts>(m_layout, sectionValues(section), device);
    Section::Parts &p = *parts;
    const RosterDuty *duty = m_roster->duties.isEmpty() ? nullptr : &m_roster->duties[section];
    p.noDuty = duty == nullptr;
    p.draft = m_roster->draft;
    p.title = marked(m_layout.text(u"title"_s, p.values), p.draft);
    p.subtitle = m_layout.text(u"subtitle"_s, p.values);
    p.legend = m_layout.text(u"legend"_s, p.values);
    double top = 0;
    if (!p.title.isEmpty())
        top += p.titleMetrics.height();
    if (!p.subtitle.isEmpty())
        top += p.subtitleMetrics.height();
    top += p.subtitleMetrics.height() * 0.5;
    p.footerTop = device.height() - p.footerMetrics.height() * 1.3;
    p.legendTop = p.legend.isEmpty() ? p.footerTop : p.footerTop - p.footerMetrics.height() * 1.2;
    // The remarks list tells the changes one by one; the roster, whose
    // marks they altered, says that there are some.
    if (duty && m_layout.kind() == ReportLayout::Kind::Roster && duty->changedPeriods() > 0)
        p.changed = m_layout.text(u"changed"_s, p.values);
    p.changedTop = p.changed.isEmpty() ? p.legendTop : p.legendTop - p.footerMetrics.height() * 1.2;
    p.area = QRectF(0, top, p.width, std::max(p.changedTop - p.footerMetrics.height() * 0.4 - top, 1.0));
    if (duty && !duty->soldiers.isEmpty()) {
        if (m_layout.kind() == ReportLayout::Kind::Roster)
            p.table = std::make_unique<RosterGrid>(m_layout, *duty, p.values, device, p.area);
        else
            p.table = std::make_unique<RemarksList>(m_layout, *duty, p.values, device, p.area);
    }
    return Section(std::move(parts));
}

void Report::Section::paintPage(QPainter &painter, int page) const
{
    const Parts &p = *m_parts;
    TemplateValues &values = p.values;
    values.setPage(page + 1, pageCount());
    painter.setPen(QPen(Qt::black, 0));
    // The title first: a reader of the PDF's text meets the duty before its rows.
    double y = 0;
    if (!p.title.isEmpty()) {
        painter.setFont(p.titleFont);
        painter.drawText(QPointF(0, y + p.titleMetrics.ascent()),
                         p.titleMetrics.elidedText(p.title, Qt::ElideRight, p.width));
        y += p.titleMetrics.height();
    }
    if (!p.subtitle.isEmpty()) {
        painter.setFont(p.subtitleFont);
        painter.drawText(QPointF(0, y + p.subtitleMetrics.ascent()),
                         p.subtitleMetrics.elidedText(p.subtitle, Qt::ElideRight, p.width));
    }
    if (p.table) {
        painter.save();
        p.table->paintPage(painter, page);
        painter.restore();
    } else {
        QFont none = p.subtitleFont;
        none.setItalic(true);
        painter.setFont(none);
        painter.drawText(QPointF(0, p.area.top() + p.subtitleMetrics.ascent()),
                         p.layout.text(p.noDuty ? u"no-duties"_s : u"no-soldiers"_s, values));
    }

    painter.setFont(p.footerFont);
    painter.setPen(QPen(Qt::black, 0));
    if (!p.legend.isEmpty())
        painter.drawText(QPointF(0, p.legendTop + p.footerMetrics.ascent()),
                         p.footerMetrics.elidedText(p.legend, Qt::ElideRight, p.width));
    if (!p.changed.isEmpty())
        painter.drawText(QPointF(0, p.changedTop + p.footerMetrics.ascent()),
                         p.footerMetrics.elidedText(p.changed, Qt::ElideRight, p.width));
    const double rule = p.footerTop - p.footerMetrics.height() * 0.3;
    painter.drawLine(QPointF(0, rule), QPointF(p.width, rule));
    const QString left = marked(p.layout.text(u"footer-left"_s, values), p.draft);
    const QString right = p.layout.text(u"footer-right"_s, values);
    const double rightWidth = p.footerMetrics.horizontalAdvance(right);
    painter.drawText(
        QPointF(0, p.footerTop + p.footerMetrics.ascent()),
        p.footerMetrics.elidedText(left, Qt::ElideRight,
                                   std::max(0.0, p.width - rightWidth - p.footerMetrics.height())));
    painter.drawText(QPointF(p.width - rightWidth, p.footerTop + p.footerMetrics.ascent()), right);
}

int Report::paint(QPainter &painter, QPagedPaintDevice &device, const Progress &progress) const
{
    int pages = 0;
    for (int i = 0; i < sectionCount(); ++i) {
        if (i > 0)
            device.newPage();
        const Section section = layOut(i, device);
        for (int page = 0; page < section.pageCount(); ++page) {
            if (page > 0)
                device.newPage();
            section.paintPage(painter, page);
        }
        pages += section.pageCount();
        if (progress && !progress(i + 1, sectionCount()))
            break;
    }
    return pages;
}

void Report::writePdf(const QList<Report> &reports, const QString &path, const QPageSize &paper,
                      const ReportProgress &progress)
{
    if (reports.isEmpty())
        throw ReportError(Notice{Notice::Kind::Error, NoticeCode::NothingToWrite, {path}});
    // The document's title names every report in it and the datafile.
    QString names = reports.constFirst().name();
    for (qsizetype i = 1; i < reports.size(); ++i)
        names = QCoreApplication::translate("Report", "%1 and %2", "Two reports printed in one file")
                    .arg(names, reports[i].name());
    PdfFile pdf(
        path,
        QCoreApplication::translate("Report", "%1 \u2013 %2", "The reports, then the datafile they print")
            .arg(names, reports.constFirst().datafileName()),
        paper);
    reports.constFirst().applyPageSetup(pdf.writer());
    QPainter &painter = pdf.begin();
    for (qsizetype i = 0; i < reports.size(); ++i) {
        if (i > 0) {
            reports[i].applyPageSetup(pdf.writer());
            pdf.writer().newPage();
        }
        const Report &report = reports[i];
        report.paint(painter, pdf.writer(), [&](int done, int all) {
            if (progress)
                progress(report, done, all);
            return true;
        });
        // Pages already lost need not be painted on.
        pdf.check();
    }
    pdf.finish();
}

} // namespace calendrix
