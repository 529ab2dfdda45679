#include "dialogs/FairnessWindow.h"

#include "dialogs/SoldierTotalsModel.h"
#include "main/ErrorDisplay.h"
#include "main/OffThread.h"
#include "main/PrintDestination.h"
#include "main/ScreenFit.h"
#include "main/UserDialogs.h"
#include "report/FairnessReport.h"
#include "report/ReportError.h"
#include "session/FairnessTable.h"

#include <QAbstractScrollArea>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxPlotSeries>
#include <QBoxSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The colours of the printed report, so that screen and paper agree.
const QColor kNormalColour(70, 130, 180);
const QColor kHolidayColour(224, 138, 30);
// More bars than this and the histogram joins neighbouring counters.
constexpr qint64 kMostBars = 40;
// A duty's box is this wide on the screen; many duties scroll.
constexpr int kPixelsPerDuty = 36;
// The longest duty label under the chart, in pixels.
constexpr int kLabelWidth = 105;

QString listOf(const QList<FairnessModel::SoldierCounter> &list)
{
    QStringList out;
    for (const auto &s : list)
        out.append(u"%1 (%2)"_s.arg(s.name.toHtmlEscaped()).arg(s.counter));
    return out.join(u"; "_s);
}

QString figuresText(const QString &kind, const FairnessModel::Figures &f)
{
    QString text = FairnessWindow::tr("<b>%1</b>: minimum %2, median %3, mean %4, maximum %5, spread %6.<br>")
                       .arg(kind)
                       .arg(f.minimum)
                       .arg(QLocale().toString(f.median, 'f', std::fmod(f.median, 1.0) == 0 ? 0 : 1))
                       .arg(QLocale().toString(f.mean, 'f', 2))
                       .arg(f.maximum)
                       .arg(f.spread());
    if (!f.aboveMinimum.isEmpty())
        text += FairnessWindow::tr("More than one above the minimum: %1.<br>").arg(listOf(f.aboveMinimum));
    text += FairnessWindow::tr("Next in line: %1.<br>").arg(listOf(f.nextInLine));
    return text;
}

QChart *newChart()
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

// Series and axes go with their chart's contents; a removed axis is no
// longer the chart's to delete.
void clearChart(QChart *chart)
{
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

// An axis of whole numbers from 0 to at least top, its ticks on whole numbers.
QValueAxis *countAxis(qint64 top)
{
    const qint64 step = std::max<qint64>(1, (top + 4) / 5); // five steps at most: room for labels
    auto *axis = new QValueAxis;
    axis->setRange(0, double((top + step - 1) / step * step));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(double(step));
    axis->setLabelFormat(u"%d"_s);
    return axis;
}

} // namespace

FairnessWindow::FairnessWindow(UnitDatabases &databases, QString unitName,
                               std::function<void(const QString &)> showCounters, QWidget *parent)
    : ToolWindow(u"Fairness"_s, tr("Fairness"), parent), m_databases(databases),
      m_unitName(std::move(unitName)), m_showCounters(std::move(showCounters))
{
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"UnitSummary"_s);
    m_summary->setWordWrap(true);

    m_dutyChart = new QChartView(newChart());
    m_dutyChart->setObjectName(u"DutyChart"_s);
    m_dutyChart->setRenderHint(QPainter::Antialiasing);
    m_dutyChart->setMinimumHeight(360);
    // Keys scroll the area that holds the chart; the chart itself takes none.
    m_dutyChart->setFocusPolicy(Qt::NoFocus);
    auto *dutyScroll = new QScrollArea;
    dutyScroll->setAccessibleName(tr("Counters per duty"));
    dutyScroll->setWidget(m_dutyChart);
    dutyScroll->setWidgetResizable(true);
    dutyScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dutyScroll->setMinimumHeight(m_dutyChart->minimumHeight() +
                                 dutyScroll->horizontalScrollBar()->sizeHint().height() + 4);

    m_dutyChoice = new QComboBox;
    m_dutyChoice->setObjectName(u"DutyChoice"_s);
    auto *choiceLabel = new QLabel(tr("D&uty:"));
    choiceLabel->setBuddy(m_dutyChoice);
    m_histogram = new QChartView(newChart());
    m_histogram->setObjectName(u"Histogram"_s);
    m_histogram->setAccessibleName(tr("Soldiers at each counter"));
    // Below this height the chart draws its axes' labels as a lone "...".
    m_histogram->setMinimumHeight(190);
    m_dutyFigures = new QLabel;
    m_dutyFigures->setObjectName(u"DutyFigures"_s);
    m_dutyFigures->setWordWrap(true);
    m_dutyFigures->setTextFormat(Qt::RichText);
    m_dutyFigures->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto *dutyPane = new QWidget;
    auto *dutyLayout = new QVBoxLayout(dutyPane);
    dutyLayout->setContentsMargins(0, 0, 0, 0);
    auto *choiceRow = new QHBoxLayout;
    choiceRow->addWidget(choiceLabel);
    choiceRow->addWidget(m_dutyChoice, 1);
    dutyLayout->addLayout(choiceRow);
    dutyLayout->addWidget(m_histogram, 3);
    // The figures scroll rather than squeeze the histogram on a small screen.
    auto *figuresScroll = new QScrollArea;
    figuresScroll->setAccessibleName(tr("Figures of the duty"));
    figuresScroll->setWidget(m_dutyFigures);
    figuresScroll->setWidgetResizable(true);
    figuresScroll->setFrameShape(QFrame::NoFrame);
    figuresScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dutyLayout->addWidget(figuresScroll, 2);

    m_soldiers = new SoldierTotalsModel(this);
    m_soldierTable = new QTableView;
    m_soldierTable->setObjectName(u"SoldierTable"_s);
    m_soldierTable->setAccessibleName(tr("Soldiers' counters"));
    m_soldierTable->setModel(m_soldiers);
    m_soldierTable->setSortingEnabled(true);
    m_soldierTable->sortByColumn(SoldierTotalsModel::Total, Qt::DescendingOrder);
    m_soldierTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_soldierTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_soldierTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_soldierTable->verticalHeader()->hide();
    // One line per soldier, however long his section: rows of one height
    // also spare the table measuring 4,000 of them.
    m_soldierTable->setWordWrap(false);
    m_soldierTable->setTextElideMode(Qt::ElideMiddle);
    m_soldierTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_soldierTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Wide enough for what a column holds and for its title (longer in German
    // than the numbers under it); the totals, sorted on, also for the sort
    // arrow. So the totals stay in sight at 1024x768.
    QHeaderView *header = m_soldierTable->horizontalHeader();
    const int digit = fontMetrics().horizontalAdvance(u'0');
    for (auto [column, width] :
         {std::pair{SoldierTotalsModel::Name, 17}, std::pair{SoldierTotalsModel::Rank, 6},
          std::pair{SoldierTotalsModel::Section, 15}, std::pair{SoldierTotalsModel::Duties, 7},
          std::pair{SoldierTotalsModel::Normal, 8}, std::pair{SoldierTotalsModel::Holiday, 8},
          std::pair{SoldierTotalsModel::Total, 7}}) {
        header->setSortIndicatorShown(column == SoldierTotalsModel::Total);
        m_soldierTable->setColumnWidth(column, std::max(width * digit, header->sectionSizeHint(column)));
    }
    header->setSortIndicatorShown(true);
    m_soldierTable->horizontalHeader()->setStretchLastSection(true);
    m_soldierTable->setToolTip(tr("Double-click a soldier to see his counters."));

    auto *lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(dutyPane);
    lower->addWidget(m_soldierTable);
    lower->setStretchFactor(0, 1);
    lower->setStretchFactor(1, 1);
    auto *split = new QSplitter(Qt::Vertical);
    split->addWidget(dutyScroll);
    split->addWidget(lower);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);

    auto *print = new QPushButton(tr("&Print..."));
    print->setObjectName(u"PrintButton"_s);
    auto *pdf = new QPushButton(tr("&Save PDF..."));
    pdf->setObjectName(u"PdfButton"_s);
    auto *close = new QPushButton(tr("&Close"));
    close->setObjectName(u"CloseButton"_s);
    for (QPushButton *b : {print, pdf, close})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(scrollWhenSmall(split), 1);
    layout->addLayout(buttons);

    connect(m_dutyChoice, &QComboBox::currentIndexChanged, this, &FairnessWindow::showDuty);
    connect(m_soldierTable, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (m_showCounters)
            m_showCounters(m_soldiers->soldierName(index.row()));
    });
    connect(print, &QPushButton::clicked, this, &FairnessWindow::printReport);
    connect(pdf, &QPushButton::clicked, this, &FairnessWindow::savePdf);
    connect(close, &QPushButton::clicked, this, &ToolWindow::dismiss);
    resizeWithinScreen(this, QSize(1200, 820));
}

FairnessWindow::~FairnessWindow() = default;

void FairnessWindow::showEvent(QShowEvent *event)
{
    ToolWindow::showEvent(event);
    refreshIfChanged();
}

void FairnessWindow::changeEvent(QEvent *event)
{
    ToolWindow::changeEvent(event);
    // Back from a run or from Assignment Counters: the counters may have moved.
    // The window goes inactive and back while the busy dialog of a read is up.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible() && !m_reading)
        refreshIfChanged();
}

void FairnessWindow::refreshIfChanged()
{
    try {
        if (m_readVersion &&
            FairnessTable::version(m_databases.personnel(), m_databases.working()) == *m_readVersion)
            return;
    } catch (const Error &) {
        // The reading says why.
    }
    refresh();
}

void FairnessWindow::refresh()
{
    m_readVersion.reset();
    m_reading = true;
    const auto done = qScopeGuard([this] { m_reading = false; });
    try {
        const Database personnel = m_databases.personnel();
        const Database working = m_databases.working();
        // Taken first: a change made while the figures are read is read next time.
        m_readVersion = FairnessTable::version(personnel, working);
        // A division's counters take a second to read: on a thread of their
        // own, through connections of its own, while the windows go on painting.
        const UnitFolder folder = m_databases.folder();
        std::shared_ptr<const FairnessModel> model;
        runOffThread(this, windowTitle(), tr("Reading the counters..."),
                     [&] { model = FairnessTable::read(folder); });
        m_model = std::move(model);
    } catch (const Error &e) {
        m_model = std::make_shared<const FairnessModel>();
        showDutyChart();
        m_soldiers->setFairness(m_model);
        m_summary->setText(QString());
        ErrorDisplay::show(this, e);
        return;
    }
    const FairnessModel &model = *m_model;
    m_summary->setText(FairnessReport::findings(model, 12, u"; "_s).join(u' '));
    showDutyChart();
    m_soldiers->setFairness(m_model);
}

void FairnessWindow::showDutyChart()
{
    const FairnessModel &model = *m_model;
    QChart *chart = m_dutyChart->chart();
    clearChart(chart);
    chart->setTitle(
        tr("Counters per duty (whiskers: lowest to highest; box: the middle half; line: median)"));
    // Duty names are long: upright, in a smaller type, shortened in the
    // middle, where names of one kind differ least; the full name and the
    // figures show when the pointer rests on a box.
    auto *x = new QBarCategoryAxis;
    x->setLabelsAngle(-90);
    QFont labels = x->labelsFont();
    labels.setPointSizeF(labels.pointSizeF() * 0.8);
    x->setLabelsFont(labels);
    const QFontMetrics labelMetrics(labels);

    QStringList categories;
    auto *normal = new QBoxPlotSeries;
    normal->setName(tr("Normal"));
    normal->setBrush(kNormalColour);
    auto *holiday = new QBoxPlotSeries;
    holiday->setName(tr("Holiday"));
    holiday->setBrush(kHolidayColour);
    qint64 largest = 1;
    // A duty without a qualified soldier has no counters to draw.
    for (const auto &d : model.duties()) {
        if (d.normal.soldiers == 0)
            continue;
        QString label = labelMetrics.elidedText(d.name, Qt::ElideMiddle, kLabelWidth);
        if (categories.contains(label)) // the axis takes each text once
            label = d.name;
        categories.append(label);
        for (auto [series, f] : {std::pair{normal, &d.normal}, std::pair{holiday, &d.holiday}}) {
            series->append(new QBoxSet(double(f->minimum), f->lowerQuartile, f->median, f->upperQuartile,
                                       double(f->maximum), d.name));
            largest = std::max(largest, f->maximum);
        }
    }
    chart->addSeries(normal);
    chart->addSeries(holiday);
    x->append(categories);
    for (QBoxPlotSeries *series : {normal, holiday})
        connect(series, &QBoxPlotSeries::hovered, m_dutyChart, [this, series](bool inside, QBoxSet *box) {
            QString tip;
            if (inside)
                tip = tr("%1, %2: lowest %3, median %4, highest %5")
                          .arg(box->label(), series->name())
                          .arg(box->at(QBoxSet::LowerExtreme))
                          .arg(box->at(QBoxSet::Median))
                          .arg(box->at(QBoxSet::UpperExtreme));
            m_dutyChart->setToolTip(tip);
        });
    QValueAxis *y = countAxis(largest + 1);
    y->setTitleText(tr("Counter"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    m_dutyChart->setMinimumWidth(int(categories.size()) * kPixelsPerDuty + 80);

    // The chosen duty stays chosen; at first, the one with the largest spread.
    const QString chosen = m_dutyChoice->currentText();
    {
        const QSignalBlocker quiet(m_dutyChoice);
        m_dutyChoice->clear();
        for (const auto &d : model.duties())
            m_dutyChoice->addItem(d.name);
    }
    int index = chosen.isEmpty() ? -1 : m_dutyChoice->findText(chosen, Qt::MatchExactly);
    if (index < 0)
        index = std::max(model.widestDuty(DayClass::Normal), 0);
    {
        const QSignalBlocker quiet(m_dutyChoice);
        m_dutyChoice->setCurrentIndex(model.duties().empty() ? -1 : index);
    }
    showDuty(m_dutyChoice->currentIndex());
}

void FairnessWindow::showDuty(int index)
{
    QChart *chart = m_histogram->chart();
    clearChart(chart);
    if (index < 0 || size_t(index) >= m_model->duties().size()) {
        chart->setTitle(QString());
        m_dutyFigures->setText(QString());
        return;
    }
    const FairnessModel::DutyFairness &d = m_model->duties()[size_t(index)];
    // The chart would cut a long name off at its end; the Duty box above holds it whole.
    chart->setTitle(
        tr("How many soldiers stand at each counter: %1")
            .arg(QFontMetrics(chart->titleFont()).elidedText(d.name, Qt::ElideMiddle, kLabelWidth * 2)));
    if (d.normal.soldiers == 0) {
        m_dutyFigures->setText(tr("No soldier is qualified for %1.").arg(d.name.toHtmlEscaped()));
        return;
    }
    const qint64 low = std::min(d.normal.minimum, d.holiday.minimum);
    const qint64 high = std::max(d.normal.maximum, d.holiday.maximum);
    // Neighbouring counters share a bar when there would be too many.
    const qint64 width = (high - low + kMostBars) / kMostBars;
    const int bars = int((high - low) / width + 1);
    QStringList categories;
    for (int b = 0; b < bars; ++b) {
        const qint64 from = low + b * width;
        categories.append(width == 1 ? QString::number(from)
                                     : u"%1\u2013%2"_s.arg(from).arg(from + width - 1));
    }
    auto *series = new QBarSeries;
    qint64 tallest = 1;
    for (auto [name, f, colour] : {std::tuple{tr("Normal"), &d.normal, kNormalColour},
                                   std::tuple{tr("Holiday"), &d.holiday, kHolidayColour}}) {
        QList<qreal> counts(bars, 0);
        for (qint64 v : f->counters)
            counts[int((v - low) / width)] += 1;
        auto *set = new QBarSet(name);
        set->setColor(colour);
        set->append(counts);
        tallest = std::max<qint64>(tallest, qint64(*std::max_element(counts.begin(), counts.end())));
        series->append(set);
    }
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    x->setTitleText(tr("Counter"));
    QValueAxis *y = countAxis(tallest);
    y->setTitleText(tr("Soldiers"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);

    m_dutyFigures->setText(tr("%n qualified.<br>", nullptr, d.normal.soldiers) +
                           figuresText(tr("Normal"), d.normal) + figuresText(tr("Holiday"), d.holiday));
}

void FairnessWindow::printReport()
{
    const FairnessReport report(m_model, m_unitName, QDate::currentDate());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.title());
    report.applyPageSetup(printer);
    // A preview of our own rather than the stock one: its Print... must
    // send a print into a file through writePdf like Save PDF.
    QDialog dialog(this);
    dialog.setObjectName(u"PrintPreview"_s);
    dialog.setWindowTitle(tr("Print Preview \u2013 %1").arg(report.title()));
    auto *view = new QPrintPreviewWidget(&printer, &dialog);
    // The pages themselves take the focus.
    for (auto *pages : view->findChildren<QAbstractScrollArea *>())
        pages->setAccessibleName(tr("Pages"));
    view->setObjectName(u"PageView"_s);
    connect(view, &QPrintPreviewWidget::paintRequested, &dialog, [&report](QPrinter *target) {
        QPainter painter(target);
        report.paint(painter, *target);
    });
    auto *tools = new QToolBar(&dialog);
    QAction *printAction = tools->addAction(tr("&Print..."), &dialog, [&] {
        const PrintDestination destination = PrintDestination::choose(&dialog, printer, report.title());
        if (destination.kind == PrintDestination::Kind::File) {
            // The print dialog asked before it let a file be replaced.
            writePdf(destination.file, false, &dialog);
        } else if (destination.kind == PrintDestination::Kind::Printer) {
            QPainter painter;
            if (!painter.begin(&printer)) {
                showError(tr("The printer cannot be started."));
                return;
            }
            report.paint(painter, printer);
            if (!painter.end())
                showError(tr("The printer could not finish %1.").arg(report.title()));
        }
    });
    printAction->setObjectName(u"PrintAction"_s);
    printAction->setShortcut(QKeySequence::Print);
    tools->addSeparator();
    tools->addAction(tr("Zoom &In"), view, [view] { view->zoomIn(); })->setShortcut(QKeySequence::ZoomIn);
    tools->addAction(tr("Zoom &Out"), view, [view] { view->zoomOut(); })->setShortcut(QKeySequence::ZoomOut);
    tools->addAction(tr("Fit &Width"), view, &QPrintPreviewWidget::fitToWidth);
    tools->addAction(tr("Whole P&age"), view, &QPrintPreviewWidget::fitInView);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(tools);
    layout->addWidget(view, 1);
    layout->addWidget(buttons);
    resizeWithinScreen(&dialog, QSize(1000, 800));
    dialog.exec();
}

void FairnessWindow::savePdf()
{
    // Offered in the unit's folder, as the datafiles are.
    QString path = UserDialogs::instance().saveFileName(
        this, tr("PDF files (*.pdf)"), QDir(m_databases.folder().dir()).filePath(u"fairness.pdf"_s));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    writePdf(path, true, this);
}

void FairnessWindow::writePdf(const QString &path, bool askToReplace, QWidget *parent)
{
    // The file dialog leaves both questions to us.
    const UnitFolder unit = m_databases.folder();
    if (!PrintDestination::mayWritePdf(parent, FairnessTable::check(unit, {path}), askToReplace))
        return;
    const OutputResult written = FairnessTable(unit, m_model, m_unitName).writePdf(path);
    if (written.error)
        ErrorDisplay::show(parent, *written.error);
}

} // namespace calendrix
