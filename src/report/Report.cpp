#include "report/Report.h"

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
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The PDF is written beside its place and moved there only when every byte of
// it is on the disk. The PDF engine never looks at what a write returns, and
// a file forgets a failed write at the next one that fits its buffer, so the
// first failure is kept here; a short write counts as one.
class ScratchFile : public QTemporaryFile
{
public:
    explicit ScratchFile(const QString &target)
        : QTemporaryFile(QFileInfo(target).absolutePath() + u"/."_s + QFileInfo(target).fileName() +
                         u".XXXXXX"_s)
    {}

    QString failure() const { return m_failure; }

    // Flushes, syncs and closes the file; the first failure of any write or
    // of these, or empty.
    QString finish()
    {
        if (m_failure.isEmpty() && !flush())
            m_failure = errorString();
        if (m_failure.isEmpty() && ::fsync(handle()) != 0)
            m_failure = QString::fromLocal8Bit(std::strerror(errno));
        close();
        if (m_failure.isEmpty() && error() != QFileDevice::NoError)
            m_failure = errorString();
        return m_failure;
    }

    // Takes the place of target in one step: whoever looks there finds the
    // earlier file or the new one, never a part.
    QString moveTo(const QString &target)
    {
        if (std::rename(QFile::encodeName(fileName()).constData(), QFile::encodeName(target).constData()) !=
            0)
            return QString::fromLocal8Bit(std::strerror(errno));
        setAutoRemove(false);
        return {};
    }

    // A scratch file is private to its owner; the PDF gets the permissions
    // of the file it replaces, or those of any new file.
    void takePermissionsOf(const QString &target)
    {
        struct stat existing {
        };
        mode_t mode = 0;
        if (::stat(QFile::encodeName(target).constData(), &existing) == 0) {
            mode = existing.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        ::fchmod(handle(), mode);
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 written = QTemporaryFile::writeData(data, length);
        if (written != length && m_failure.isEmpty())
            m_failure =
                written < 0 ? errorString() : u"only part of it could be written (is the disk full?)"_s;
        return written;
    }

private:
    QString m_failure;
};

} // namespace

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

QString Report::marked(const QString &text) const
{
    // A draft must never pass for the roster that counts, whatever the layout says.
    if (!m_roster->draft)
        return text;
    const QString notice = u"DRAFT \u2014 not counted"_s;
    return text.isEmpty() ? notice : text + u" \u00b7 "_s + notice;
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

    const QString title = marked(m_layout.text(u"title"_s, values));
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
        const QString left = marked(m_layout.text(u"footer-left"_s, values));
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
    const auto cannotWrite = [&path](const QString &why) {
        return ReportError(
            u"The file '%1' cannot be written: %2."_s.arg(QDir::toNativeSeparators(path), why));
    };
    ScratchFile file(path);
    if (!file.open())
        throw cannotWrite(file.errorString());
    file.takePermissionsOf(path);
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"Calendrix"_s);
        // The document's title names every report in it and the datafile.
        QStringList names;
        for (const Report &r : reports)
            names.append(r.name());
        writer.setTitle(names.join(u" and "_s) + u" \u2013 "_s + reports.constFirst().datafileName());
        writer.setResolution(600);
        writer.setPageSize(paper);
        reports.constFirst().applyPageSetup(writer);
        QPainter painter;
        if (!painter.begin(&writer))
            throw cannotWrite(file.failure().isEmpty() ? u"the PDF cannot be started"_s : file.failure());
        for (qsizetype i = 0; i < reports.size(); ++i) {
            if (i > 0) {
                reports[i].applyPageSetup(writer);
                writer.newPage();
            }
            reports[i].paint(painter, writer);
            // Pages already lost need not be painted on.
            if (!file.failure().isEmpty())
                throw cannotWrite(file.failure());
        }
        if (!painter.end())
            throw cannotWrite(file.failure().isEmpty() ? u"the PDF cannot be finished"_s : file.failure());
    }
    if (const QString failure = file.finish(); !failure.isEmpty())
        throw cannotWrite(failure);
    if (const QString failure = file.moveTo(path); !failure.isEmpty())
        throw cannotWrite(failure);
}

} // namespace calendrix
