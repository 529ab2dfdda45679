#include "store/OptionFile.h"

#include "store/ScratchFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::OptionFile {

namespace {
// The files are one short line, but an editor may have put a byte-order mark
// or a page of blank lines before the number. A longer file is not ours, and
// reading only its start keeps a huge file from costing anything.
constexpr qsizetype kReadLimit = 64 * 1024;
const QByteArray kByteOrderMark("\xef\xbb\xbf");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number, or nothing when there is none that a flag can hold.
std::optional<qint16> number(const QByteArray &content)
{
    const QByteArray head = content.left(kReadLimit);
    qsizetype i = head.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    const qsizetype n = head.size();
    while (i < n && isBlank(head[i]))
        ++i;
    const qsizetype start = i;
    if (i < n && (head[i] == '+' || head[i] == '-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && isDigit(head[i]))
        ++i;
    qsizetype intDigits = i - digitsStart;
    qsizetype fracDigits = 0;
    if (i < n && head[i] == '.') {
        ++i;
        const qsizetype f = i;
        while (i < n && isDigit(head[i]))
            ++i;
        fracDigits = i - f;
    }
    if (intDigits + fracDigits == 0)
        return std::nullopt;
    // A number that runs on past what is read is not known.
    if (i == n && content.size() > n)
        return std::nullopt;
    // More digits than a double can hold is out of range anyway.
    if (intDigits > 12)
        return std::nullopt;
    bool ok = false;
    const double x = head.mid(start, i - start).toDouble(&ok);
    if (!ok || !std::isfinite(x))
        return std::nullopt;
    // A fraction rounds half to even, as a whole-number read always has.
    const double r = std::nearbyint(x);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(r);
}

// The start of a regular file, read without ever waiting. Returns false with
// why set when there is no regular file to read.
bool readStart(const QString &path, QByteArray *content, QString *why)
{
    // Only a regular file is read, and never by waiting: a FIFO or a device
    // under the name would block the start, or the roster run, for ever.
    const QByteArray name = QFile::encodeName(path);
    struct stat before {
    };
    if (::stat(name.constData(), &before) != 0) {
        *why = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    if (!S_ISREG(before.st_mode)) {
        *why = UnitFolder::typeName(before.st_mode);
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *why = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    // The name may have been given to something else since the stat.
    struct stat opened {
    };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        *why = UnitFolder::typeName(opened.st_mode);
        ::close(fd);
        return false;
    }
    // One byte more than is parsed tells a number cut off at the limit.
    content->resize(kReadLimit + 1);
    qsizetype got = 0;
    bool ok = true;
    while (got < content->size()) {
        const ssize_t n = ::read(fd, content->data() + got, size_t(content->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *why = QString::fromLocal8Bit(strerror(errno));
            ok = false;
        }
        if (n <= 0)
            break;
        got += n;
    }
    content->truncate(got);
    ::close(fd);
    return ok;
}

} // namespace

qint16 parse(const QByteArray &content)
{
    return number(content).value_or(0);
}

qint16 read(const QString &path)
{
    QByteArray content;
    QString why;
    return readStart(path, &content, &why) ? parse(content) : 0;
}

std::optional<Notice> fault(const QString &path)
{
    QByteArray content;
    QString why;
    if (!readStart(path, &content, &why))
        return Notice{Notice::Kind::Error, NoticeCode::OptionFileUnreadable, {path, why}, -1, 0};
    if (!number(content))
        return Notice{Notice::Kind::Error, NoticeCode::OptionFileNoNumber, {path}, -1, 0};
    return {};
}

QByteArray format(qint16 value)
{
    // A numeric print puts a blank where a plus sign would be, and one after.
    QByteArray s = value < 0 ? QByteArray::number(value) : ' ' + QByteArray::number(value);
    return s + " \r\n";
}

void write(const QString &path, qint16 value)
{
    // The new content goes into a file beside the old one, all the way to the
    // disk, before it takes the name: a full or failing disk leaves the old
    // file as it was, never an empty one.
    ScratchFile scratch(path);
    scratch.write(format(value));
    scratch.putInPlace();
}

} // namespace calendrix::OptionFile
