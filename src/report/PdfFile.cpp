#include "report/PdfFile.h"

#include "report/ReportError.h"
#include "store/ScratchFile.h"

#include <QFileInfo>
#include <QPdfWriter>

#include <optional>

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

    const std::optional<StoreError> &failure() const { return m_failure; }

    // Writes what is pending and puts the file in place; the first failure
    // of any write or of these, or none.
    const std::optional<StoreError> &finish()
    {
        close();
        if (!m_failure)
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
        if (m_failure)
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
            m_failure = e;
            return false;
        }
    }

    bool drain()
    {
        if (m_failure || m_pending.isEmpty())
            return !m_failure;
        const bool written = attempt([this] { m_scratch.write(m_pending, ScratchFile::Sync::Later); });
        m_pending.clear();
        return written;
    }

    static constexpr qsizetype kChunk = 64 * 1024;
    ScratchFile m_scratch;
    QByteArray m_pending;
    std::optional<StoreError> m_failure;
};

namespace {
// The clerk is told the PDF's name and the system's reason; a failure that
// has no reason of the system's (the name is taken) is told as it is.
ReportError cannotWrite(const QString &path, const StoreError &failure)
{
    const Notice &why = failure.notice();
    switch (why.code) {
    case NoticeCode::CannotMakeFileBeside:
    case NoticeCode::CannotWriteFile:
    case NoticeCode::CannotWriteFileToDisk:
        return ReportError(
            Notice{Notice::Kind::Error, NoticeCode::PdfCannotWrite, {path, why.values.value(1)}});
    default:
        return ReportError(why);
    }
}

ReportError cannotWrite(const QString &path, NoticeCode why)
{
    return ReportError(Notice{Notice::Kind::Error, why, {path}});
}
} // namespace

PdfFile::PdfFile(const QString &path, const QString &title, const QPageSize &paper) : m_path(path)
{
    // What a killed print left beside its place goes with the next print there.
    ScratchFile::sweep(QFileInfo(path).absolutePath());
    try {
        m_file = std::make_unique<PdfOutput>(path);
    } catch (const StoreError &e) {
        throw cannotWrite(path, e);
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
        throw m_file->failure() ? cannotWrite(m_path, *m_file->failure())
                                : cannotWrite(m_path, NoticeCode::PdfCannotStart);
    return m_painter;
}

void PdfFile::check()
{
    if (m_file->failure())
        throw cannotWrite(m_path, *m_file->failure());
}

void PdfFile::finish()
{
    if (!m_painter.end())
        throw m_file->failure() ? cannotWrite(m_path, *m_file->failure())
                                : cannotWrite(m_path, NoticeCode::PdfCannotFinish);
    m_writer.reset();
    if (const std::optional<StoreError> &failure = m_file->finish())
        throw cannotWrite(m_path, *failure);
}

} // namespace calendrix
