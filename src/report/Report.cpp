#include "Report.h"

#include "ReportError.h"
#include "RosterData.h"
#include "TemplateValues.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextFrame>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The family the layouts ask for; where it is missing the nearest one is used.
const QString kFontFamily = u"DejaVu Sans"_s;

QString pageTitle(const QString &html)
{
    static const QRegularExpression title(u"<title>(.*?)</title>"_s,
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    QTextDocument plain;
    plain.setHtml(title.match(html).captured(1));
    return plain.toPlainText().simplified();
}

} // namespace

Report::Report(ReportLayout layout, std::shared_ptr<const RosterData> roster, QString datafile,
               QDate printedOn)
    : m_layout(std::move(layout)), m_roster(std::move(roster)), m_datafile(std::move(datafile)),
      m_printedOn(printedOn)
{
    QString name = pageTitle(sectionHtml(0));
    if (name.isEmpty())
        name = QFileInfo(m_layout.path()).completeBaseName();
    m_title = name + u" \u2013 "_s + QFileInfo(m_datafile).fileName();
}

int Report::sectionCount() const
{
    // A datafile without duties still gets its one page saying so.
    return m_layout.sectionPerDuty() ? std::max(1, int(m_roster->duties.size())) : 1;
}

TemplateValues Report::sectionValues(int section) const
{
    const int duty = m_layout.sectionPerDuty() && !m_roster->duties.isEmpty() ? section : -1;
    return TemplateValues::fromRoster(*m_roster, m_datafile, m_printedOn, duty);
}

QString Report::sectionHtml(int section) const
{
    return m_layout.renderPage(sectionValues(section));
}

QString Report::html() const
{
    QString all;
    for (int i = 0; i < sectionCount(); ++i)
        all += sectionHtml(i);
    return all;
}

void Report::applyPageSetup(QPagedPaintDevice &device) const
{
    const double m = m_layout.marginMillimetres();
    QPageLayout page = device.pageLayout();
    page.setUnits(QPageLayout::Millimeter);
    page.setOrientation(m_layout.orientation());
    page.setMinimumMargins(QMarginsF());
    page.setMargins(QMarginsF(m, m, m, m));
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
    const TemplateValues values = sectionValues(section);
    const QFont footerFont(kFontFamily, 7);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const double footerHeight = footerMetrics.height() * 2.0;
    const QSizeF body(device.width(), device.height() - footerHeight);

    // Everything that shapes the layout is set before the text goes in, so
    // that the document is laid out once.
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    QFont font(kFontFamily, 9);
    // Any letter spacing keeps the shaper from joining "ff" or "fi" into one
    // glyph, so that names stay searchable and copyable in a saved PDF.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setPageSize(body);
    doc.setHtml(m_layout.renderPage(values));
    const int pages = doc.pageCount();

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        doc.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.save();
        painter.setFont(footerFont);
        painter.setPen(QPen(Qt::black, 0));
        const double top = device.height() - footerMetrics.height() * 1.3;
        painter.drawLine(QPointF(0, top - footerMetrics.height() * 0.3),
                         QPointF(device.width(), top - footerMetrics.height() * 0.3));
        const QRectF line(0, top, device.width(), footerMetrics.height());
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         m_layout.renderFooterLeft(values, page + 1, pages));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                         m_layout.renderFooterRight(values, page + 1, pages));
        painter.restore();
    }
    return pages;
}

void Report::writePdf(const QList<Report> &reports, const QString &path, const QPageSize &paper)
{
    if (reports.isEmpty())
        throw ReportError(u"There is nothing to write into '%1'."_s.arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(u"The file '%1' cannot be written: %2."_s.arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"Calendrix"_s);
        writer.setTitle(reports.constFirst().title());
        writer.setResolution(600);
        writer.setPageSize(paper);
        reports.constFirst().applyPageSetup(writer);
        QPainter painter;
        if (!painter.begin(&writer))
            throw ReportError(u"The file '%1' cannot be written."_s.arg(path));
        for (qsizetype i = 0; i < reports.size(); ++i) {
            if (i > 0) {
                reports[i].applyPageSetup(writer);
                writer.newPage();
            }
            reports[i].paint(painter, writer);
        }
        painter.end();
    }
    if (!file.commit())
        throw ReportError(u"The file '%1' cannot be written: %2."_s.arg(path, file.errorString()));
}

} // namespace calendrix
