#pragma once

#include "report/Report.h"

#include <QDialog>
#include <QList>
#include <QPrinter>
#include <QString>

#include <deque>
#include <utility>

class QAction;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolBar;

namespace calendrix {

class PageView;

// The print preview of one report. The pages are laid out a duty at a time
// while the window is open, so the first page shows as soon as it is laid
// out, the window answers all the while, and Stop keeps the pages so far. A
// page is painted only when it comes into view, at the size it is shown.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    ReportPreview(const Report &report, QWidget *parent);
    ~ReportPreview() override;

    // Pages laid out so far, and whether more are coming.
    int pageCount() const { return int(m_pages.size()); }
    bool layingOut() const { return m_nextSection < m_report.sectionCount() && !m_stopped; }
    QPageLayout::Orientation orientation() const { return m_printer.pageLayout().orientation(); }
    // Why the preview closed early: a layout that cannot be filled in.
    QString failure() const { return m_failure; }

    // The tool bar, to which a caller may add actions of its own.
    QToolBar *toolBar() const { return m_tools; }

    // Paints page (from 0) onto an image of the given width in pixels.
    QImage pageImage(int page, int width);

signals:
    void pagesAdded();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct PageRef {
        int section = 0;
        int page = 0;
    };

    void layOutNext();
    void stop();
    void print();
    void savePdf();
    // Writes the report into the PDF path, never in place of a file of the
    // unit; an existing file is replaced only when askToReplace gets a Yes.
    void writePdf(const QString &path, bool askToReplace);
    void updateStatus();
    // Stops at an error and closes; the message is shown once the window is gone.
    void fail(const QString &message);
    const Report::Section &section(int index);

    Report m_report;
    QPrinter m_printer;
    QList<PageRef> m_pages;
    // The sections whose pages were painted last, so that paging through a
    // duty does not lay it out again for every page.
    std::deque<std::pair<int, Report::Section>> m_sections;
    int m_nextSection = 0;
    bool m_stopped = false;
    QString m_failure;

    QToolBar *m_tools = nullptr;
    PageView *m_view = nullptr;
    QSpinBox *m_pageBox = nullptr;
    QLabel *m_pageCountLabel = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_stopButton = nullptr;
};

} // namespace calendrix
