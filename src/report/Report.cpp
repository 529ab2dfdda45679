#include "Report.h"

#include "ReportError.h"
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

Report::Report(ReportLayout layout, const TemplateValues &values, QString html)
    : m_layout(std::move(layout)), m_html(std::move(html))
{
    m_values = std::make_shared<TemplateValues>(TemplateValues{kainjow::mustache::data(), values.footer});
    QString name = pageTitle(m_html);
    if (name.isEmpty())
        name = QFileInfo(m_layout.path()).completeBaseName();
    const auto *file = values.footer.get("file");
    m_title = file && file->is_string() ? name + u" \u2013 "_s + QString::fromStdString(file->string_value())
                                        : name;
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

int Report::paint(QPainter &painter, QPagedPaintDevice &device) const
{
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&device);
    QFont font(kFontFamily, 9);
    // Any letter spacing keeps the shaper from joining "ff" or "fi" into one
    // glyph, so that names stay searchable and copyable in a saved PDF.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    doc.setDefaultFont(font);
    doc.setHtml(m_html);
    QTextFrameFormat root = doc.rootFrame()->frameFormat();
    root.setMargin(0);
    doc.rootFrame()->setFrameFormat(root);

    const QFont footerFont(kFontFamily, 7);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const double footerHeight = footerMetrics.height() * 2.0;
    const QSizeF body(device.width(), device.height() - footerHeight);
    doc.setPageSize(body);
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
                         m_layout.renderFooterLeft(*m_values, page + 1, pages));
        painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                         m_layout.renderFooterRight(*m_values, page + 1, pages));
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
