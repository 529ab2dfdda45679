#include "report/PdfFile.h"

#include "report/ReportError.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

// The PDF is written beside its place and moved there only when every byte of
// it is on the disk. Until then the file has no name (Qt opens it with
// O_TMPFILE where the file system allows), so a print that is killed leaves
// nothing behind. The PDF engine never looks at what a write returns, so the
// first failure is kept here. The bytes go to the disk by write(2) itself:
// Qt's file buffer takes a short write on a filling disk for a failure with
// no reason ("Unknown error"), where the next write would have told why.
class PdfScratchFile : public QTemporaryFile
{
public:
    explicit PdfScratchFile(const QString &target)
        : QTemporaryFile(QFileInfo(target).absolutePath() + u"/."_s + QFileInfo(target).fileName() +
                         u".XXXXXX"_s)
    {}

    QString failure() const { return m_failure; }

    // Writes what is pending, syncs and closes the file; the first failure
    // of any write or of these, or empty.
    QString finish()
    {
        if (m_failure.isEmpty())
            drain();
        if (m_failure.isEmpty() && ::fsync(handle()) != 0)
            m_failure = systemReason();
        close();
        if (m_failure.isEmpty() && error() != QFileDevice::NoError)
            m_failure = errorString();
        return m_failure;
    }

    void close() override
    {
        // Whoever closes the file first (the PDF engine may) must not lose
        // what is pending.
        if (isOpen() && m_failure.isEmpty())
            drain();
        QTemporaryFile::close();
    }

    // Takes the place of target in one step: whoever looks there finds the
    // earlier file or the new one, never a part.
    QString moveTo(const QString &target)
    {
        if (std::rename(QFile::encodeName(fileName()).constData(), QFile::encodeName(target).constData()) !=
            0)
            return systemReason();
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
        if (!m_failure.isEmpty())
            return -1;
        m_pending.append(data, length);
        if (m_pending.size() >= kChunk && !drain())
            return -1;
        return length;
    }

private:
    static QString systemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

    // A short write is tried again for the rest, so that a full disk is
    // told by its own errno.
    bool drain()
    {
        const char *from = m_pending.constData();
        qsizetype left = m_pending.size();
        while (left > 0) {
            const ssize_t written = ::write(handle(), from, size_t(left));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                m_failure = written < 0 ? systemReason() : u"the disk took no more of it"_s;
                return false;
            }
            from += written;
            left -= written;
        }
        m_pending.clear();
        return true;
    }

    static constexpr qsizetype kChunk = 64 * 1024;
    QByteArray m_pending;
    QString m_failure;
};

namespace {
ReportError cannotWrite(const QString &path, const QString &why)
{
    return ReportError(u"The file '%1' cannot be written: %2."_s.arg(QDir::toNativeSeparators(path), why));
}
} // namespace

PdfFile::PdfFile(const QString &path, const QString &title, const QPageSize &paper)
    : m_path(path), m_file(std::make_unique<PdfScratchFile>(path))
{
    if (!m_file->open())
        throw cannotWrite(m_path, m_file->errorString());
    m_file->takePermissionsOf(path);
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
        throw cannotWrite(m_path,
                          m_file->failure().isEmpty() ? u"the PDF cannot be started"_s : m_file->failure());
    return m_painter;
}

void PdfFile::check()
{
    if (!m_file->failure().isEmpty())
        throw cannotWrite(m_path, m_file->failure());
}

void PdfFile::finish()
{
    if (!m_painter.end())
        throw cannotWrite(m_path,
                          m_file->failure().isEmpty() ? u"the PDF cannot be finished"_s : m_file->failure());
    m_writer.reset();
    if (const QString failure = m_file->finish(); !failure.isEmpty())
        throw cannotWrite(m_path, failure);
    if (const QString failure = m_file->moveTo(m_path); !failure.isEmpty())
        throw cannotWrite(m_path, failure);
}

} // namespace calendrix
