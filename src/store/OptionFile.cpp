#include "store/OptionFile.h"

#include "store/ScratchFile.h"
#include "store/SmallFile.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>

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
// why set when there is no regular file to read: what is there instead
// (UnitFolder::fileType), or the system's words.
bool readStart(const QString &path, QByteArray *content, QString *why, bool *notAFile = nullptr)
{
    // Only a regular file is read, and never by waiting: a FIFO or a device
    // under the name would block the start, or the roster run, for ever.
    // One byte more than is parsed tells a number cut off at the limit.
    SmallFile file = SmallFile::read(path, kReadLimit + 1);
    switch (file.state) {
    case SmallFile::State::Read:
        *content = std::move(file.bytes);
        return true;
    case SmallFile::State::NotAFile:
        if (file.mode != 0) {
            *why = UnitFolder::fileType(file.mode);
            if (notAFile)
                *notAFile = true;
            return false;
        }
        [[fallthrough]]; // a link to nothing is missing to a reader
    case SmallFile::State::Missing:
        *why = QString::fromLocal8Bit(strerror(ENOENT));
        return false;
    case SmallFile::State::Failed:
        *why = QString::fromLocal8Bit(strerror(file.error));
        return false;
    }
    return false;
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
    bool notAFile = false;
    if (!readStart(path, &content, &why, &notAFile))
        return Notice{Notice::Kind::Error,
                      notAFile ? NoticeCode::OptionFileNoFile : NoticeCode::OptionFileUnreadable,
                      {path, why},
                      -1,
                      0};
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
