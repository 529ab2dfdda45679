#include "OptionFile.h"

#include "StoreError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::OptionFile {

namespace {
// The files are one short line; a longer file is not ours, and reading only
// its start keeps a huge file from costing anything.
constexpr qint64 kReadLimit = 4096;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
} // namespace

qint16 parse(const QByteArray &content)
{
    const QByteArray head = content.left(kReadLimit);
    qsizetype i = 0;
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
        return 0;
    // More digits than a double can hold is out of range anyway.
    if (intDigits > 12)
        return 0;
    bool ok = false;
    const double x = head.mid(start, i - start).toDouble(&ok);
    if (!ok || !std::isfinite(x))
        return 0;
    // A fraction rounds half to even, as a whole-number read always has.
    const double r = std::nearbyint(x);
    if (r < -32768.0 || r > 32767.0)
        return 0;
    return static_cast<qint16>(r);
}

qint16 read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return parse(f.read(kReadLimit));
}

QByteArray format(qint16 value)
{
    // A numeric print puts a blank where a plus sign would be, and one after.
    QByteArray s = value < 0 ? QByteArray::number(value) : ' ' + QByteArray::number(value);
    return s + " \r\n";
}

void write(const QString &path, qint16 value)
{
    QSaveFile f(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!f.open(QIODevice::WriteOnly))
        throw StoreError(StoreErrorCode::CannotOpen,
                         u"Cannot write the option file '%1': %2"_s.arg(shown, f.errorString()), path);
    const QByteArray data = format(value);
    if (f.write(data) != data.size() || !f.commit())
        throw StoreError(StoreErrorCode::IoError,
                         u"Cannot write the option file '%1': %2"_s.arg(shown, f.errorString()), path);
}

} // namespace calendrix::OptionFile
