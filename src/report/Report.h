#pragma once

#include "report/ReportLayout.h"

#include <QDate>
#include <QList>
#include <QPageSize>
#include <QString>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace calendrix {

struct RosterData;
struct TemplateValues;

// One report: a layout and the datafile it reads, ready to be laid out and
// broken into pages on any paged device: a printer, the pages of a print
// preview or a PDF file. Each duty is laid out and painted on pages of its
// own, one duty at a time, so memory stays that of one page.
class Report
{
public:
    // Fills in the texts of the first duty at once, so that a layout whose
    // texts cannot be filled in is reported here. Throws ReportError.
    Report(ReportLayout layout, std::shared_ptr<const RosterData> roster, QString datafile, QDate printedOn);

    // What is printed ("Duty roster" or "Remarks") and the datafile's name.
    QString title() const;
    QString name() const { return m_name; }
    QString datafileName() const;
    QString datafilePath() const { return m_datafile; }
    QString layoutPath() const { return m_layout.path(); }
    QPageLayout::Orientation orientation() const { return m_layout.orientation(); }

    // One section per duty; a datafile without duties still gets its page.
    int sectionCount() const;

    // Orientation, margins and, where the layout names one, the paper.
    void applyPageSetup(QPagedPaintDevice &device) const;

    // One section laid out for a device, so that its pages can be painted
    // in any order and on any painter whose device has the same metrics
    // (a preview paints them scaled onto images).
    class Section
    {
    public:
        Section(Section &&) noexcept;
        ~Section();
        int pageCount() const;
        // Paints page (from 0), in the device's coordinates within its margins.
        void paintPage(QPainter &painter, int page) const;

    private:
        friend class Report;
        struct Parts;
        explicit Section(std::unique_ptr<Parts> parts);
        std::unique_ptr<Parts> m_parts;
    };

    // Lays out section for a device of the metrics and size of device.
    // Throws ReportError.
    Section layOut(int section, const QPaintDevice &device) const;

    // Told after each section: sections done, sections in all. Returning
    // false stops the painting there.
    using Progress = std::function<bool(int, int)>;

    // Paints every page, the first on the device's current page; each
    // section begins on a page of its own. painter must be active on device.
    // Returns the number of pages.
    int paint(QPainter &painter, QPagedPaintDevice &device, const Progress &progress = {}) const;

    // Several reports, one after the other, into one PDF file. The file
    // appears complete or not at all. Throws ReportError. progress is told
    // of each report's sections in turn (and may not stop the writing).
    using ReportProgress = std::function<void(const Report &, int, int)>;
    static void writePdf(const QList<Report> &reports, const QString &path, const QPageSize &paper,
                         const ReportProgress &progress = {});

private:
    TemplateValues sectionValues(int section) const;

    ReportLayout m_layout;
    std::shared_ptr<const RosterData> m_roster;
    QString m_datafile;
    QDate m_printedOn;
    QString m_name;
};

} // namespace calendrix
