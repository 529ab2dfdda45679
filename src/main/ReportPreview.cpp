#include "main/ReportPreview.h"

#include "app/NoticeText.h"

#include "main/DialogProgress.h"
#include "main/ErrorDisplay.h"
#include "main/PrintDestination.h"
#include "main/ScreenFit.h"
#include "main/UserDialogs.h"
#include "report/ReportError.h"
#include "session/PdfPrinting.h"
#include "store/Error.h"
#include "store/UnitFolder.h"

#include <QAbstractScrollArea>
#include <QCache>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <exception>
#include <new>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

constexpr int kGap = 12;                    // pixels between pages and around them
constexpr int kCachedKilobytes = 64 * 1024; // pages kept painted
constexpr std::size_t kSectionsKept = 3;    // duties kept laid out

// What went wrong while a layout was filled in or painted, in the words the
// other report windows use.
QString failureText(const Report &report)
{
    try {
        throw;
    } catch (const Error &e) {
        return ErrorDisplay::message(e);
    } catch (const std::bad_alloc &) {
        return calendrix::ReportPreview::tr("The layout '%1' needs more memory than there is.")
            .arg(report.layoutPath());
    } catch (const std::exception &e) {
        return calendrix::ReportPreview::tr("The layout '%1' cannot be used: %2.")
            .arg(report.layoutPath(), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return calendrix::ReportPreview::tr("The layout '%1' cannot be used.").arg(report.layoutPath());
    }
}

} // namespace

// The pages one below the other, each painted when it first comes into view
// and kept while memory allows.
class PageView : public QAbstractScrollArea
{
public:
    enum class Fit { Width, Page, None };

    PageView(ReportPreview *preview, QSizeF pageSize)
        : m_preview(preview), m_pageSize(pageSize), m_cache(kCachedKilobytes)
    {
        setObjectName(u"PageView"_s);
        setAccessibleName(calendrix::ReportPreview::tr("Pages"));
        viewport()->setBackgroundRole(QPalette::Dark);
        viewport()->setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    std::function<void(int)> currentPageChanged;

    void setPageCount(int count)
    {
        m_count = count;
        updateScrollBars();
        viewport()->update();
    }

    void setFit(Fit fit)
    {
        m_fit = fit;
        applyFit();
    }

    void zoomBy(double factor)
    {
        m_fit = Fit::None;
        setScale(std::clamp(m_scale * factor, 0.02, 2.0));
    }

    void scrollToPage(int page) { verticalScrollBar()->setValue(kGap + page * pageStride()); }

    int currentPage() const
    {
        if (m_count == 0)
            return 0;
        const int middle = verticalScrollBar()->value() + viewport()->height() / 3;
        return std::clamp(middle / std::max(1, pageStride()), 0, m_count - 1);
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        applyFit();
        updateScrollBars();
    }

    void scrollContentsBy(int, int) override
    {
        viewport()->update();
        if (currentPageChanged)
            currentPageChanged(currentPage());
    }

    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(viewport());
        const QSize page = pagePixels();
        const int left =
            std::max(kGap, (viewport()->width() - page.width()) / 2) - horizontalScrollBar()->value();
        const int top = verticalScrollBar()->value();
        const int first = std::max(0, (top - kGap) / pageStride());
        for (int i = first; i < m_count; ++i) {
            const QRect where(left, kGap + i * pageStride() - top, page.width(), page.height());
            if (where.top() > event->rect().bottom())
                break;
            if (!where.intersects(event->rect()))
                continue;
            const QImage *image = m_cache.object(i);
            if (!image) {
                auto *painted = new QImage(m_preview->pageImage(i, page.width()));
                if (painted->isNull()) { // the preview failed and is closing
                    delete painted;
                    return;
                }
                m_cache.insert(i, painted, std::max<qsizetype>(1, painted->sizeInBytes() / 1024));
                image = painted;
            }
            painter.fillRect(where.translated(2, 2), QColor(0, 0, 0, 90));
            painter.drawImage(where.topLeft(), *image);
        }
    }

private:
    int pageStride() const { return pagePixels().height() + kGap; }

    QSize pagePixels() const
    {
        return QSize(std::max(1, int(std::lround(m_pageSize.width() * m_scale))),
                     std::max(1, int(std::lround(m_pageSize.height() * m_scale))));
    }

    void setScale(double scale)
    {
        if (std::abs(scale - m_scale) < 1e-9)
            return;
        const int page = currentPage();
        m_scale = scale;
        m_cache.clear();
        updateScrollBars();
        scrollToPage(page);
        viewport()->update();
    }

    void applyFit()
    {
        const double width = std::max(50, viewport()->width() - 2 * kGap);
        const double height = std::max(50, viewport()->height() - 2 * kGap);
        if (m_fit == Fit::Width)
            setScale(width / m_pageSize.width());
        else if (m_fit == Fit::Page)
            setScale(std::min(width / m_pageSize.width(), height / m_pageSize.height()));
    }

    void updateScrollBars()
    {
        const QSize page = pagePixels();
        verticalScrollBar()->setRange(0, std::max(0, kGap + m_count * pageStride() - viewport()->height()));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(std::max(1, page.height() / 20));
        horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kGap - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setSingleStep(std::max(1, page.width() / 20));
    }

    ReportPreview *m_preview;
    QSizeF m_pageSize; // the whole sheet, in the printer's pixels
    double m_scale = 0.1;
    Fit m_fit = Fit::Width;
    int m_count = 0;
    QCache<int, QImage> m_cache;
};

ReportPreview::ReportPreview(const Report &report, QWidget *parent)
    : QDialog(parent), m_report(report), m_printer(QPrinter::HighResolution)
{
    setObjectName(u"PrintPreview"_s);
    setWindowTitle(tr("Print Preview \u2013 %1").arg(report.title()));
    m_printer.setDocName(report.title());
    report.applyPageSetup(m_printer);

    auto *tools = m_tools = new QToolBar(this);
    tools->setObjectName(u"PreviewTools"_s);
    QAction *printAction = tools->addAction(tr("&Print..."), this, &ReportPreview::print);
    printAction->setObjectName(u"PrintAction"_s);
    printAction->setShortcut(QKeySequence::Print);
    QAction *pdfAction = tools->addAction(tr("&Save as PDF..."), this, &ReportPreview::savePdf);
    pdfAction->setObjectName(u"SavePdfAction"_s);
    pdfAction->setShortcut(QKeySequence::Save);
    tools->addSeparator();

    const QSizeF sheet = m_printer.pageLayout().fullRectPixels(m_printer.resolution()).size();
    m_view = new PageView(this, sheet);
    QAction *zoomIn = tools->addAction(tr("Zoom &In"), this, [this] { m_view->zoomBy(1.25); });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    QAction *zoomOut = tools->addAction(tr("Zoom &Out"), this, [this] { m_view->zoomBy(0.8); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    // Qt has no standard keys for these: Alt and the caption's letter, in
    // the language shown.
    QAction *fitWidth =
        tools->addAction(tr("Fit &Width"), this, [this] { m_view->setFit(PageView::Fit::Width); });
    fitWidth->setObjectName(u"FitWidth"_s);
    fitWidth->setShortcut(QKeySequence::mnemonic(fitWidth->text()));
    QAction *wholePage =
        tools->addAction(tr("Whole P&age"), this, [this] { m_view->setFit(PageView::Fit::Page); });
    wholePage->setObjectName(u"WholePage"_s);
    wholePage->setShortcut(QKeySequence::mnemonic(wholePage->text()));
    tools->addSeparator();

    tools->addWidget(new QLabel(u' ' + tr("Page") + u' ', tools));
    m_pageBox = new QSpinBox(tools);
    m_pageBox->setObjectName(u"PageNumber"_s);
    m_pageBox->setAccessibleName(tr("Page"));
    m_pageBox->setRange(1, 1);
    m_pageBox->setKeyboardTracking(false);
    tools->addWidget(m_pageBox);
    m_pageCountLabel = new QLabel(tools);
    tools->addWidget(m_pageCountLabel);
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int page) {
        if (m_view->currentPage() != page - 1)
            m_view->scrollToPage(page - 1);
    });
    m_view->currentPageChanged = [this](int page) {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setValue(page + 1);
    };

    m_status = new QLabel(this);
    m_status->setObjectName(u"LayoutStatus"_s);
    m_stopButton = new QPushButton(tr("Stop"), this);
    m_stopButton->setObjectName(u"StopLayout"_s);
    connect(m_stopButton, &QPushButton::clicked, this, &ReportPreview::stop);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_stopButton);
    bottom->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(tools);
    layout->addWidget(m_view, 1);
    auto *bottomMargins = new QWidget(this);
    bottom->setContentsMargins(8, 0, 8, 0);
    bottomMargins->setLayout(bottom);
    layout->addWidget(bottomMargins);
    resizeWithinScreen(this, QSize(1100, 800));
    m_view->setFocus();

    updateStatus();
    QTimer::singleShot(0, this, &ReportPreview::layOutNext);
}

ReportPreview::~ReportPreview() = default;

void ReportPreview::showEvent(QShowEvent *event)
{
    // The tool bar's buttons take no focus of their own, and a caller's come
    // last in the focus chain: Tab goes along the tool bar (callers' tools
    // too), then to the pages and the buttons under them, in reading order.
    QList<QWidget *> order;
    for (QAction *action : m_tools->actions()) {
        QWidget *tool = m_tools->widgetForAction(action);
        if (auto *button = qobject_cast<QToolButton *>(tool)) {
            button->setFocusPolicy(Qt::TabFocus);
            if (button->objectName().isEmpty() && !action->objectName().isEmpty())
                button->setObjectName(action->objectName() + u"Button"_s);
        }
        if (tool && tool->focusPolicy() & Qt::TabFocus)
            order.append(tool);
    }
    order.append(m_view);
    order.append(m_stopButton);
    for (QAbstractButton *button : findChild<QDialogButtonBox *>()->buttons())
        order.append(button);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    QDialog::showEvent(event);
}

void ReportPreview::layOutNext()
{
    if (!layingOut() || !m_failure.isEmpty())
        return;
    try {
        const int index = m_nextSection;
        Report::Section laidOut = m_report.layOut(index, m_printer);
        for (int page = 0; page < laidOut.pageCount(); ++page)
            m_pages.append({index, page});
        m_sections.emplace_back(index, std::move(laidOut));
        if (m_sections.size() > kSectionsKept)
            m_sections.pop_front();
        ++m_nextSection;
    } catch (...) {
        fail(failureText(m_report));
        return;
    }
    m_view->setPageCount(pageCount());
    updateStatus();
    emit pagesAdded();
    // One duty per turn of the event loop, so that the window answers
    // between two duties.
    if (layingOut())
        QTimer::singleShot(0, this, &ReportPreview::layOutNext);
}

void ReportPreview::stop()
{
    m_stopped = true;
    updateStatus();
}

void ReportPreview::updateStatus()
{
    m_pageBox->setMaximum(std::max(1, pageCount()));
    m_pageCountLabel->setText(u' ' + tr("of %1").arg(pageCount()) + u' ');
    const int sections = m_report.sectionCount();
    if (layingOut()) {
        m_status->setText(tr("Laying out duty %1 of %2...").arg(m_nextSection + 1).arg(sections));
    } else if (m_stopped && m_nextSection < sections) {
        m_status->setText(NoticeText::counted("ReportPreview", pageCount(),
                                              "Stopped after %1 of %2 duties: %n page.",
                                              QT_TRANSLATE_N_NOOP("ReportPreview",
                                                                  "Stopped after %1 of %2 duties: %n pages."))
                              .arg(m_nextSection)
                              .arg(sections));
    } else {
        // English keeps its "1 page."; other languages choose their forms by %n.
        m_status->setText(pageCount() == 1 ? tr("1 page.") : tr("%n pages.", nullptr, pageCount()));
    }
    m_stopButton->setVisible(layingOut());
}

const Report::Section &ReportPreview::section(int index)
{
    for (auto &[laidOutIndex, laidOut] : m_sections) {
        if (laidOutIndex == index)
            return laidOut;
    }
    m_sections.emplace_back(index, m_report.layOut(index, m_printer));
    if (m_sections.size() > kSectionsKept)
        m_sections.pop_front();
    return m_sections.back().second;
}

QImage ReportPreview::pageImage(int page, int width)
{
    if (page < 0 || page >= pageCount() || !m_failure.isEmpty())
        return {};
    const QRectF sheet = m_printer.pageLayout().fullRectPixels(m_printer.resolution());
    const QRectF paper = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    const double scale = width / sheet.width();
    QImage image(width, std::max(1, int(std::lround(sheet.height() * scale))), QImage::Format_RGB32);
    image.fill(Qt::white);
    // Fonts take the printer's resolution, so that the page is laid out on
    // the image exactly as on paper and only then scaled down.
    const int dotsPerMetre = int(std::lround(m_printer.resolution() / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    try {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        painter.translate(paper.topLeft() - sheet.topLeft());
        section(m_pages[page].section).paintPage(painter, m_pages[page].page);
    } catch (...) {
        fail(failureText(m_report));
        return {};
    }
    return image;
}

void ReportPreview::fail(const QString &message)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = message;
    m_stopped = true;
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

void ReportPreview::print()
{
    const PrintDestination destination = PrintDestination::choose(this, m_printer, m_report.title());
    if (destination.kind == PrintDestination::Kind::Cancelled)
        return;
    // The print dialog asked before it let a file be replaced.
    if (destination.kind == PrintDestination::Kind::File) {
        writePdf(destination.file, false);
        return;
    }
    QProgressDialog progress(tr("Printing %1...").arg(m_report.title()), tr("Stop"), 0,
                             m_report.sectionCount(), this);
    progress.setWindowTitle(u"Calendrix"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(700);
    try {
        QPainter painter;
        if (!painter.begin(&m_printer)) {
            ErrorDisplay::show(this, tr("The printer cannot be started."));
            return;
        }
        m_report.paint(painter, m_printer, [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
        if (!painter.end())
            ErrorDisplay::show(this, tr("The printer could not finish %1.").arg(m_report.title()));
    } catch (...) {
        ErrorDisplay::show(this, failureText(m_report));
    }
}

void ReportPreview::savePdf()
{
    const QFileInfo datafile(m_report.datafileName());
    const QString initial = datafile.completeBaseName() + u" - "_s + m_report.name() + u".pdf"_s;
    const QString path = UserDialogs::instance().saveFileName(this, tr("PDF files (*.pdf)"), initial);
    if (!path.isEmpty())
        writePdf(path, true);
}

void ReportPreview::writePdf(const QString &path, bool askToReplace)
{
    // The layouts are the unit's: its folder holds them.
    const PdfPrinting printing(UnitFolder(QFileInfo(m_report.layoutPath()).absolutePath()),
                               m_report.datafilePath());
    if (!PrintDestination::mayWritePdf(this, printing.check(path), askToReplace))
        return;
    QProgressDialog progress(tr("Writing %1...").arg(QFileInfo(path).fileName()), QString(), 0,
                             m_report.sectionCount(), this);
    progress.setWindowTitle(u"Calendrix"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(700);
    DialogProgress shown(progress);
    try {
        const OutputResult written =
            printing.write({m_report}, path, m_printer.pageLayout().pageSize(), &shown);
        progress.reset();
        if (written.error)
            ErrorDisplay::show(this, *written.error);
    } catch (...) {
        progress.reset();
        ErrorDisplay::show(this, failureText(m_report));
    }
}

} // namespace calendrix
