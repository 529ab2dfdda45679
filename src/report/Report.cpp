#include "report/Report.h"

#include "report/PdfFile.h"
#include "report/RemarksList.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "report/RosterGrid.h"
#include "report/TemplateValues.h"

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
    for (const QString &text : {u"title"_s, u"subtitle"_s, u"footer-left"_s, u"footer-right"_s, u"legend"_s})
        m_layout.text(text, values);
    for (const QString &column : m_layout.columns())
        m_layout.heading(column, values);
    m_name = m_layout.kind() == ReportLayout::Kind::Roster ? u"Duty roster"_s : u"Remarks"_s;
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

int Report::paint(QPainter &painter, QPagedPaintDevice &device, const Progress &progress) const
{
    int pages = 0;
    for (int i = 0; i < sectionCount(); ++i) {
        if (i > 0)
            device.newPage();
        pages += paintSection(i, painter, device);
        if (progress && !progress(i + 1, sectionCount()))
            break;
    }
    return pages;
}

int Report::paintSection(int section, QPainter &painter, QPagedPaintDevice &device) const
{
    TemplateValues values = sectionValues(section);
    const RosterDuty *duty = m_roster->duties.isEmpty() ? nullptr : &m_roster->duties[section];
    const QFont titleFont = m_layout.font(u"title"_s);
    const QFont subtitleFont = m_layout.font(u"subtitle"_s);
    const QFont footerFont = m_layout.font(u"footer"_s);
    const QFontMetricsF titleMetrics(titleFont, &device);
    const QFontMetricsF subtitleMetrics(subtitleFont, &device);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const double width = device.width();
    const double height = device.height();

    const QString title = m_layout.text(u"title"_s, values);
    const QString subtitle = m_layout.text(u"subtitle"_s, values);
    const QString legend = m_layout.text(u"legend"_s, values);
    double top = 0;
    if (!title.isEmpty())
        top += titleMetrics.height();
    if (!subtitle.isEmpty())
        top += subtitleMetrics.height();
    top += subtitleMetrics.height() * 0.5;
    const double footerTop = height - footerMetrics.height() * 1.3;
    const double legendTop = legend.isEmpty() ? footerTop : footerTop - footerMetrics.height() * 1.2;
    const QRectF area(0, top, width, std::max(legendTop - footerMetrics.height() * 0.4 - top, 1.0));

    std::unique_ptr<PagedTable> table;
    if (duty && !duty->soldiers.isEmpty()) {
        if (m_layout.kind() == ReportLayout::Kind::Roster)
            table = std::make_unique<RosterGrid>(m_layout, *duty, values, device, area);
        else
            table = std::make_unique<RemarksList>(m_layout, *duty, values, device, area);
    }
    const int pages = table ? table->pageCount() : 1;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        values.setPage(page + 1, pages);
        painter.setPen(QPen(Qt::black, 0));
        // The title first: a reader of the PDF's text meets the duty before its rows.
        double y = 0;
        if (!title.isEmpty()) {
            painter.setFont(titleFont);
            painter.drawText(QPointF(0, y + titleMetrics.ascent()),
                             titleMetrics.elidedText(title, Qt::ElideRight, width));
            y += titleMetrics.height();
        }
        if (!subtitle.isEmpty()) {
            painter.setFont(subtitleFont);
            painter.drawText(QPointF(0, y + subtitleMetrics.ascent()),
                             subtitleMetrics.elidedText(subtitle, Qt::ElideRight, width));
        }
        if (table) {
            painter.save();
            table->paintPage(painter, page);
            painter.restore();
        } else {
            QFont none = subtitleFont;
            none.setItalic(true);
            painter.setFont(none);
            painter.drawText(QPointF(0, area.top() + subtitleMetrics.ascent()),
                             m_layout.text(duty ? u"no-soldiers"_s : u"no-duties"_s, values));
        }

        painter.setFont(footerFont);
        painter.setPen(QPen(Qt::black, 0));
        if (!legend.isEmpty())
            painter.drawText(QPointF(0, legendTop + footerMetrics.ascent()),
                             footerMetrics.elidedText(legend, Qt::ElideRight, width));
        const double rule = footerTop - footerMetrics.height() * 0.3;
        painter.drawLine(QPointF(0, rule), QPointF(width, rule));
        const QString left = m_layout.text(u"footer-left"_s, values);
        const QString right = m_layout.text(u"footer-right"_s, values);
        const double rightWidth = footerMetrics.horizontalAdvance(right);
        painter.drawText(
            QPointF(0, footerTop + footerMetrics.ascent()),
            footerMetrics.elidedText(left, Qt::ElideRight,
                                     std::max(0.0, width - rightWidth - footerMetrics.height())));
        painter.drawText(QPointF(width - rightWidth, footerTop + footerMetrics.ascent()), right);
    }
    return pages;
}

void Report::writePdf(const QList<Report> &reports, const QString &path, const QPageSize &paper)
{
    if (reports.isEmpty())
        throw ReportError(u"There is nothing to write into '%1'."_s.arg(path));
    // The document's title names every report in it and the datafile.
    QStringList names;
    for (const Report &r : reports)
        names.append(r.name());
    PdfFile pdf(path, names.join(u" and "_s) + u" \u2013 "_s + reports.constFirst().datafileName(), paper);
    reports.constFirst().applyPageSetup(pdf.writer());
    QPainter &painter = pdf.begin();
    for (qsizetype i = 0; i < reports.size(); ++i) {
        if (i > 0) {
            reports[i].applyPageSetup(pdf.writer());
            pdf.writer().newPage();
        }
        reports[i].paint(painter, pdf.writer());
        // Pages already lost need not be painted on.
        pdf.check();
    }
    pdf.finish();
}

} // namespace calendrix
