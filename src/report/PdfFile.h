#pragma once

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>

namespace calendrix {

class PdfOutput;

// One PDF file being painted. It is written beside its place and moved there
// only when every byte of it is on the disk, so the file appears complete or
// not at all, and an earlier file of that name stays until then. Every
// failure throws ReportError, naming the file.
class PdfFile
{
public:
    PdfFile(const QString &path, const QString &title, const QPageSize &paper);
    ~PdfFile();
    PdfFile(const PdfFile &) = delete;
    PdfFile &operator=(const PdfFile &) = delete;

    // Set up the first page before begin().
    QPdfWriter &writer();
    // The painter, active on the first page.
    QPainter &begin();
    // Throws when a page already painted could not be written.
    void check();
    // Ends the painting and puts the file in its place.
    void finish();

private:
    QString m_path;
    std::unique_ptr<PdfOutput> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
};

} // namespace calendrix
