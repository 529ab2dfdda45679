#include "report/PdfFile.h"

#include "report/ReportError.h"
#include "store/ScratchFile.h"

#include <QFileInfo>
#include <QPdfWriter>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

// What the PDF engine writes, on its way into a ScratchFile. The engine
// never looks at what a write returns, so the first failure is kept here and
// every later write refuses. The bytes go out in large pieces, each with the
// system's own reason when the disk refuses it.
class PdfOutput : public QIODevice
{
public:
    explicit PdfOutput(const QString &target) : m_scratch(target) { open(QIODevice::WriteOnly); }

    QString failure() const { return m_failure; }

    // Writes what is pending and puts the file in place; the first failure
    // of any write or of these, or empty.
    QString finish()
    {
        close();
        if (m_failure.isEmpty())
            attempt([this] {
                m_scratch.sync();
                m_scratch.putInPlace();
            });
        return m_failure;
    }

    void close() override
    {
        // Whoever closes the device first (the PDF engine may) must not lose
        // what is pending.
        if (isOpen())
            drain();
        QIODevice::close();
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 length) override
    {
        if (!m_failure.isEmpty())
            return -1;
        m_pending.append(data, length);
        if (m_pending.size() >= kChunk && !drain())
            return -1;
        return length;
    }

private:
    template<typename Step> bool attempt(Step step)
    {
        try {
            step();
            return true;
        } catch (const StoreError &e) {
            m_failure = e.text();
            return false;
        }
    }

    bool drain()
    {
        if (!m_failure.isEmpty() || m_pending.isEmpty())
            return m_failure.isEmpty();
        const bool written = attempt([this] { m_scratch.write(m_pending, ScratchFile::Sync::Later); });
        m_pending.clear();
        return written;
    }

    static constexpr qsizetype kChunk = 64 * 1024;
    ScratchFile m_scratch;
    QByteArray m_pending;
    QString m_failure;
};

namespace {
ReportError cannotWrite(const QString &why)
{
    return ReportError(why + u'.');
}

ReportError cannotWrite(const QString &path, const QString &why)
{
    return ReportError(u"The file '%1' cannot be written: %2."_s.arg(shownPath(path), why));
}
} // namespace

PdfFile::PdfFile(const QString &path, const QString &title, const QPageSize &paper) : m_path(path)
{
    // What a killed print left beside its place goes with the next print there.
    ScratchFile::sweep(QFileInfo(path).absolutePath());
    try {
        m_file = std::make_unique<PdfOutput>(path);
    } catch (const StoreError &e) {
        throw cannotWrite(e.text());
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setCreator(u"Calendrix"_s);
    m_writer->setTitle(title);
    m_writer->setResolution(600);
    m_writer->setPageSize(paper);
}

PdfFile::~PdfFile()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPdfWriter &PdfFile::writer()
{
    return *m_writer;
}

QPainter &PdfFile::begin()
{
    if (!m_painter.begin(m_writer.get()))
        throw m_file->failure().isEmpty() ? cannotWrite(m_path, u"the PDF cannot be started"_s)
                                          : cannotWrite(m_file->failure());
    return m_painter;
}

void PdfFile::check()
{
    if (!m_file->failure().isEmpty())
        throw cannotWrite(m_file->failure());
}

void PdfFile::finish()
{
    if (!m_painter.end())
        throw m_file->failure().isEmpty() ? cannotWrite(m_path, u"the PDF cannot be finished"_s)
                                          : cannotWrite(m_file->failure());
    m_writer.reset();
    if (const QString failure = m_file->finish(); !failure.isEmpty())
        throw cannotWrite(failure);
}

} // namespace calendrix
