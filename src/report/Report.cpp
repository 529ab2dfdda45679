#include "report/Report.h"

#include "report/LayoutDocument.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "report/TemplateValues.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextFrame>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The family the layouts ask for; where it is missing the nearest one is used.
const QString kFontFamily = u"DejaVu Sans"_s;

QString pageTitle(const QString &html, const QString &folder)
{
    static const QRegularExpression title(u"<title>(.*?)</title>"_s,
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    LayoutDocument plain(folder);
    plain.setHtml(title.match(html).captured(1));
    return plain.toPlainText().simplified();
}

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
    QString name = pageTitle(sectionHtml(0), QFileInfo(m_layout.path()).absolutePath());
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
    LayoutDocument doc(QFileInfo(m_layout.path()).absolutePath());
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
        writer.setTitle(reports.constFirst().title());
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
