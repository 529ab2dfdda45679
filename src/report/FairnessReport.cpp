#include "report/FairnessReport.h"

#include "report/PdfFile.h"
#include "report/ReportFont.h"
#include "report/RosterData.h"
#include "report/TemplateValues.h"
#include "store/RankList.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

const QColor kNormalColour(70, 130, 180);
const QColor kHolidayColour(224, 138, 30);

// Printed for people, in the language's own decimal sign; the files keep
// FairnessReport::number().
QString printedNumber(double v)
{
    return QLocale().toString(v, 'f', std::fmod(v, 1.0) == 0 ? 0 : 1);
}

QString figuresText(DayClass c, qint64 minimum, const QString &median, qint64 maximum)
{
    const QString text = c == DayClass::Holiday
                             ? QCoreApplication::translate("FairnessReport", "Holiday %L1 / %2 / %L3",
                                                           "Lowest, median and highest counter")
                             : QCoreApplication::translate("FairnessReport", "Normal %L1 / %2 / %L3",
                                                           "Lowest, median and highest counter");
    return text.arg(minimum).arg(median).arg(maximum);
}

// Any letter spacing keeps the shaper from joining "fi" or "ff" into one
// glyph, as in the rosters: names stay searchable and copyable in the PDF.
QFont textFont(int pointSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = reportFont(pointSize);
    font.setWeight(weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

// Counters are whole numbers, and so are the ticks of their axis: a step of
// 1, 2 or 5 times a power of ten, at most five steps to the axis. Reckoned in
// double, so that no counter, however large, overflows it.
double tickStep(double largest)
{
    for (double power = 1;; power *= 10)
        for (const double m : {1.0, 2.0, 5.0})
            if (largest <= m * power * 5)
                return m * power;
}

// Pages of one report: a running top, a footer on every page. With no total
// the pages are only counted: the device is measured, never painted on.
class Pages
{
public:
    Pages(QPainter &painter, QPagedPaintDevice &device, QString footer, int total)
        : painter(painter), device(device), m_footer(std::move(footer)), m_total(total), body(textFont(9)),
          bold(textFont(9, QFont::Bold)), title(textFont(15, QFont::Bold)),
          heading(textFont(11, QFont::Bold)), small(textFont(7))
    {
        line = QFontMetricsF(body, &device).height();
        mm = device.logicalDpiX() / 25.4;
    }

    double width() const { return device.width(); }
    double bottom() const { return device.height() - line * 1.8; }
    // Moves on to a new page unless height more fits on this one.
    bool need(double height)
    {
        if (top + height <= bottom())
            return false;
        next();
        return true;
    }
    void next()
    {
        finishPage();
        if (m_total > 0)
            device.newPage();
        top = 0;
    }
    void finishPage()
    {
        painter.setFont(small);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, device.height() - line, width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         m_footer);
        painter.drawText(
            QRectF(0, device.height() - line, width(), line), Qt::AlignRight | Qt::AlignVCenter,
            QCoreApplication::translate("FairnessReport", "page %1 of %2").arg(++count).arg(m_total));
    }
    void text(const QFont &font, const QString &s, double height,
              int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, top, width(), height), flags, s);
        top += height;
    }

    QPainter &painter;
    QPagedPaintDevice &device;
    QString m_footer;
    int m_total;
    QFont body, bold, title, heading, small;
    double line = 0, mm = 0, top = 0;
    int count = 0;
};

// One range: the whiskers from minimum to maximum, the middle half as a box,
// the median as a bar across it.
void paintRange(QPainter &p, const FairnessModel::Figures &f, const QColor &colour, double left, double scale,
                double y, double h)
{
    const auto x = [&](double v) { return left + v * scale; };
    const double mid = y + h / 2;
    p.setPen(QPen(colour.darker(130), std::max(1.0, h / 10)));
    p.drawLine(QPointF(x(double(f.minimum)), mid), QPointF(x(double(f.maximum)), mid));
    p.drawLine(QPointF(x(double(f.minimum)), y + h * 0.2), QPointF(x(double(f.minimum)), y + h * 0.8));
    p.drawLine(QPointF(x(double(f.maximum)), y + h * 0.2), QPointF(x(double(f.maximum)), y + h * 0.8));
    const QRectF box(QPointF(x(f.lowerQuartile), y), QPointF(x(f.upperQuartile), y + h));
    p.fillRect(box.width() < 2 ? box.adjusted(-1, 0, 1, 0) : box, colour);
    p.setPen(QPen(Qt::black, std::max(1.0, h / 8)));
    p.drawLine(QPointF(x(f.median), y), QPointF(x(f.median), y + h));
}

void paintDuties(Pages &pg, const FairnessModel &model)
{
    qint64 largest = 1;
    for (const auto &d : model.duties())
        for (const auto *f : {&d.normal, &d.holiday})
            if (f->soldiers > 0)
                largest = std::max(largest, f->maximum);
    // The axis ends on a tick.
    const double step = tickStep(double(largest));
    const int ticks = int(std::ceil(double(largest) / step));
    const double axisEnd = step * ticks;
    const QFontMetricsF fm(pg.body, &pg.device);
    double nameWidth = 0;
    for (const auto &d : model.duties())
        nameWidth = std::max(nameWidth, fm.horizontalAdvance(d.name));
    nameWidth = std::min(nameWidth + pg.mm * 2, pg.width() * 0.3);
    double figuresWidth = 0;
    for (const DayClass c : {DayClass::Normal, DayClass::Holiday})
        figuresWidth = std::max(
            figuresWidth, fm.horizontalAdvance(figuresText(c, 9999, printedNumber(9999.5), 9999) + u"  "_s));
    const double left = nameWidth;
    const double barWidth = pg.width() - nameWidth - figuresWidth - pg.mm * 4;
    const double scale = barWidth / axisEnd;
    const double rowHeight = pg.line * 1.1;

    const auto axis = [&] {
        pg.painter.setFont(pg.small);
        pg.painter.setPen(Qt::gray);
        for (int i = 0; i <= ticks; ++i) {
            const double v = step * i;
            const double xv = left + v * scale;
            pg.painter.drawLine(QPointF(xv, pg.top + pg.line * 0.8), QPointF(xv, pg.top + pg.line));
            pg.painter.drawText(QRectF(xv - pg.mm * 10, pg.top, pg.mm * 20, pg.line * 0.8), Qt::AlignCenter,
                                QString::number(v, 'f', 0));
        }
        pg.top += pg.line;
    };
    pg.text(pg.heading, QCoreApplication::translate("FairnessReport", "Counters per duty"), pg.line * 1.6);
    pg.painter.setFont(pg.small);
    pg.painter.fillRect(QRectF(0, pg.top + pg.line * 0.2, pg.mm * 4, pg.line * 0.6), kNormalColour);
    pg.painter.fillRect(QRectF(pg.mm * 30, pg.top + pg.line * 0.2, pg.mm * 4, pg.line * 0.6), kHolidayColour);
    pg.painter.setPen(Qt::black);
    pg.painter.drawText(QRectF(pg.mm * 5, pg.top, pg.mm * 24, pg.line), Qt::AlignVCenter,
                        QCoreApplication::translate("FairnessReport", "Normal"));
    pg.painter.drawText(
        QRectF(pg.mm * 35, pg.top, pg.width(), pg.line), Qt::AlignVCenter,
        QCoreApplication::translate("FairnessReport",
                                    "Holiday   line: minimum to maximum, box: middle half, bar: median"));
    pg.top += pg.line * 1.2;
    axis();
    for (const auto &d : model.duties()) {
        if (pg.need(rowHeight * 2 + pg.line * 0.3))
            axis();
        pg.painter.setFont(pg.body);
        pg.painter.setPen(Qt::black);
        pg.painter.drawText(QRectF(0, pg.top, nameWidth - pg.mm, rowHeight * 2),
                            Qt::AlignLeft | Qt::AlignVCenter,
                            fm.elidedText(d.name, Qt::ElideRight, nameWidth - pg.mm));
        for (DayClass c : {DayClass::Normal, DayClass::Holiday}) {
            const FairnessModel::Figures &f = d.figures(c);
            const bool holiday = c == DayClass::Holiday;
            pg.painter.setFont(pg.small);
            pg.painter.setPen(Qt::black);
            const QString figures =
                f.soldiers == 0 ? QCoreApplication::translate("FairnessReport", "no qualified soldier")
                                : figuresText(c, f.minimum, printedNumber(f.median), f.maximum);
            pg.painter.drawText(QRectF(pg.width() - figuresWidth, pg.top, figuresWidth, rowHeight),
                                Qt::AlignRight | Qt::AlignVCenter, figures);
            if (f.soldiers > 0)
                paintRange(pg.painter, f, holiday ? kHolidayColour : kNormalColour, left, scale,
                           pg.top + rowHeight * 0.15, rowHeight * 0.7);
            pg.top += rowHeight;
        }
        pg.top += pg.line * 0.3;
    }
}

void paintHistogram(Pages &pg, const FairnessModel &model)
{
    const int widest = model.widestDuty(DayClass::Normal);
    if (widest < 0)
        return;
    const FairnessModel::DutyFairness &d = model.duties()[size_t(widest)];
    pg.next();
    pg.text(pg.heading, QCoreApplication::translate("FairnessReport", "Largest spread: %1").arg(d.name),
            pg.line * 1.6);
    pg.text(pg.body,
            QCoreApplication::translate(
                "FairnessReport",
                "How many soldiers stand at each normal counter (%L1 qualified; minimum %L2, "
                "median %3, mean %4, maximum %L5).")
                .arg(d.normal.soldiers)
                .arg(d.normal.minimum)
                .arg(printedNumber(d.normal.median))
                .arg(QLocale().toString(d.normal.mean, 'f', 2))
                .arg(d.normal.maximum),
            pg.line * 1.5);
    const QList<int> bars = d.normal.histogram();
    const int highest = *std::max_element(bars.begin(), bars.end());
    // The tallest bar's count stands in the line above the chart, below the
    // subtitle.
    const double chartTop = pg.top + pg.line;
    const double chartHeight = std::min(pg.bottom() - chartTop - pg.line * 3, pg.width() * 0.6);
    const double barWidth = pg.width() / double(bars.size());
    const double base = chartTop + chartHeight;
    pg.painter.setFont(pg.small);
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const double h = chartHeight * bars[i] / std::max(highest, 1);
        const QRectF bar(barWidth * double(i) + barWidth * 0.1, base - h, barWidth * 0.8, h);
        pg.painter.fillRect(bar, kNormalColour);
        pg.painter.setPen(Qt::black);
        if (bars.size() <= 60) {
            pg.painter.drawText(QRectF(bar.left(), base, bar.width(), pg.line), Qt::AlignCenter,
                                QString::number(d.normal.minimum + i));
            if (bars[i] > 0)
                pg.painter.drawText(QRectF(bar.left(), bar.top() - pg.line, bar.width(), pg.line),
                                    Qt::AlignCenter, QString::number(bars[i]));
        }
    }
    pg.painter.drawLine(QPointF(0, base), QPointF(pg.width(), base));
    pg.top = base + pg.line * 1.5;
    if (bars.size() > 60)
        pg.text(pg.small,
                QCoreApplication::translate(
                    "FairnessReport",
                    "Counters %L1 to %L2 from left to right; the highest bar is %Ln soldiers.", nullptr,
                    highest)
                    .arg(d.normal.minimum)
                    .arg(d.normal.maximum),
                pg.line);
}

void paintSoldiers(Pages &pg, const FairnessModel &model)
{
    std::vector<const FairnessModel::SoldierFairness *> rows;
    for (const auto &s : model.soldiers())
        rows.push_back(&s);
    // The most loaded first; the model's order (by name) among equals.
    std::stable_sort(rows.begin(), rows.end(), [](auto a, auto b) { return a->total() > b->total(); });
    pg.next();
    pg.text(pg.heading, QCoreApplication::translate("FairnessReport", "Soldiers by their total"),
            pg.line * 1.6);
    const double w = pg.width();
    const struct {
        QString caption;
        double left, width;
        int align;
    } columns[] = {
        {QCoreApplication::translate("FairnessReport", "Name"), 0, w * 0.36, Qt::AlignLeft},
        {QCoreApplication::translate("FairnessReport", "Rank", "Heading of a narrow column"), w * 0.37,
         w * 0.06, Qt::AlignLeft},
        {QCoreApplication::translate("FairnessReport", "Section"), w * 0.44, w * 0.2, Qt::AlignLeft},
        {QCoreApplication::translate("FairnessReport", "Duties"), w * 0.64, w * 0.08, Qt::AlignRight},
        {QCoreApplication::translate("FairnessReport", "Normal"), w * 0.73, w * 0.08, Qt::AlignRight},
        {QCoreApplication::translate("FairnessReport", "Holiday", "Heading of a narrow column"), w * 0.82,
         w * 0.08, Qt::AlignRight},
        {QCoreApplication::translate("FairnessReport", "Total"), w * 0.91, w * 0.09, Qt::AlignRight}};
    // A heading that a language makes wider than its column may take the
    // gap beside it, and is cut short rather than printed over the next one.
    const QFontMetricsF boldMetrics(pg.bold, &pg.device);
    const auto header = [&] {
        pg.painter.setFont(pg.bold);
        pg.painter.setPen(Qt::black);
        for (const auto &c : columns) {
            const double room = c.width + w * 0.01;
            pg.painter.drawText(
                QRectF(c.align == Qt::AlignRight ? c.left + c.width - room : c.left, pg.top, room, pg.line),
                c.align | Qt::AlignVCenter, boldMetrics.elidedText(c.caption, Qt::ElideRight, room));
        }
        pg.top += pg.line;
        pg.painter.drawLine(QPointF(0, pg.top), QPointF(w, pg.top));
    };
    header();
    const QFontMetricsF fm(pg.body, &pg.device);
    for (const auto *s : rows) {
        if (pg.need(pg.line))
            header();
        pg.painter.setFont(pg.body);
        pg.painter.setPen(Qt::black);
        const QString values[] = {s->name,
                                  rankAbbreviation(s->rank),
                                  s->section,
                                  QLocale().toString(s->duties),
                                  QLocale().toString(s->normal),
                                  QLocale().toString(s->holiday),
                                  QLocale().toString(s->total())};
        for (size_t i = 0; i < std::size(columns); ++i)
            pg.painter.drawText(QRectF(columns[i].left, pg.top, columns[i].width, pg.line),
                                columns[i].align | Qt::AlignVCenter,
                                fm.elidedText(values[i], Qt::ElideRight, columns[i].width));
        pg.top += pg.line;
    }
}

} // namespace

QString FairnessReport::number(double v)
{
    return QString::number(v, 'f', std::fmod(v, 1.0) == 0 ? 0 : 1);
}

FairnessReport::FairnessReport(std::shared_ptr<const FairnessModel> model, QString unitName, QDate printedOn)
    : m_model(std::move(model)), m_unitName(std::move(unitName)), m_printedOn(printedOn)
{}

QString FairnessReport::title() const
{
    return QCoreApplication::translate("FairnessReport", "Fairness \u2013 %1", "The unit's name")
        .arg(m_unitName);
}

void FairnessReport::applyPageSetup(QPagedPaintDevice &device) const
{
    QPageLayout page = device.pageLayout();
    page.setUnits(QPageLayout::Millimeter);
    page.setOrientation(QPageLayout::Portrait);
    page.setMinimumMargins(QMarginsF());
    page.setMargins(QMarginsF(12, 12, 12, 12));
    device.setPageLayout(page);
}

QStringList FairnessReport::findings(const FairnessModel &model, int names, const QString &separator)
{
    QStringList sentences;
    for (DayClass c : {DayClass::Normal, DayClass::Holiday})
        if (const int widest = model.widestDuty(c); widest >= 0)
            sentences.append((c == DayClass::Holiday
                                  ? QCoreApplication::translate(
                                        "FairnessReport", "Largest spread of holiday counters: %1 (%L2).")
                                  : QCoreApplication::translate(
                                        "FairnessReport", "Largest spread of normal counters: %1 (%L2)."))
                                 .arg(model.duties()[size_t(widest)].name)
                                 .arg(model.duties()[size_t(widest)].figures(c).spread()));
    const QStringList idle = model.soldiersWithoutDuty();
    sentences.append(
        idle.isEmpty()
            ? QCoreApplication::translate(
                  "FairnessReport", "Every qualified soldier has stood a duty since his counters began.")
            : QCoreApplication::translate("FairnessReport", "Qualified, yet without any duty (%Ln): %1.",
                                          nullptr, int(idle.size()))
                  .arg(idle.mid(0, names).join(separator) +
                       (idle.size() > names ? separator + u"..."_s : QString())));
    return sentences;
}

int FairnessReport::paint(QPainter &painter, QPagedPaintDevice &device) const
{
    // The footer says "page N of M": the pages are laid out once on a picture
    // that is thrown away, to count them.
    QPicture counted;
    QPainter counting(&counted);
    const int total = paintPages(counting, device, 0);
    counting.end();
    return paintPages(painter, device, total);
}

int FairnessReport::paintPages(QPainter &painter, QPagedPaintDevice &device, int total) const
{
    const FairnessModel &model = *m_model;
    Pages pg(painter, device,
             QCoreApplication::translate("FairnessReport", "%1, printed %2",
                                         "The report's title, then the day it was printed")
                 .arg(title(), printedDate(m_printedOn)),
             total);
    pg.text(pg.title, title(), pg.line * 2.2);
    qsizetype qualified = 0;
    for (const auto &s : model.soldiers())
        qualified += s.duties > 0 ? 1 : 0;
    QStringList summary{QCoreApplication::translate("FairnessReport",
                                                    "%Ln soldiers (%L1 qualified for a duty), %L2 duties.",
                                                    nullptr, int(model.soldiers().size()))
                            .arg(qualified)
                            .arg(model.duties().size())};
    // "Last, First" names hold a comma of their own.
    summary += findings(model, 40, u"; "_s);
    for (const QString &s : summary) {
        const QRectF need = QFontMetricsF(pg.body, &device)
                                .boundingRect(QRectF(0, 0, pg.width(), device.height()), Qt::TextWordWrap, s);
        pg.text(pg.body, s, need.height() + pg.line * 0.2, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    }
    pg.top += pg.line;
    paintDuties(pg, model);
    paintHistogram(pg, model);
    paintSoldiers(pg, model);
    pg.finishPage();
    return pg.count;
}

void FairnessReport::writePdf(const QString &path, const QPageSize &paper) const
{
    PdfFile pdf(path, title(), paper);
    applyPageSetup(pdf.writer());
    paint(pdf.begin(), pdf.writer());
    pdf.check();
    pdf.finish();
}

} // namespace calendrix
