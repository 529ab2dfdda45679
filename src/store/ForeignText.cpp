#include "store/ForeignText.h"

#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace calendrix {

namespace {

// Text holds no C0 control byte but tab, line breaks and form feeds.
bool isBinary(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\v' && byte != '\f' && byte != '\r';
}

} // namespace

QByteArray ForeignText::read(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const auto code = file.error() == QFileDevice::OpenError && !QFileInfo::exists(path)
                              ? StoreErrorCode::FileNotFound
                              : StoreErrorCode::CannotOpen;
        throw StoreError(code, NoticeCode::ForeignCannotRead, {path, file.errorString()}, path);
    }
    const auto tooLarge = [&] {
        return StoreError(StoreErrorCode::General, NoticeCode::ForeignTooLarge,
                          {path, QString::number(maxBytes / (1024 * 1024))}, path);
    };
    if (!file.isSequential() && file.size() > maxBytes)
        throw tooLarge();
    // In pieces, as a pipe or a special file says no size.
    QByteArray bytes;
    std::array<char, 64 * 1024> piece;
    qint64 got = 0;
    while ((got = file.read(piece.data(), piece.size())) > 0) {
        if (bytes.size() + got > maxBytes)
            throw tooLarge();
        bytes.append(piece.data(), got);
    }
    if (got < 0)
        throw StoreError(StoreErrorCode::IoError, NoticeCode::ForeignCannotRead, {path, file.errorString()},
                         path);
    const auto binary = std::find_if(bytes.begin(), bytes.end(), isBinary);
    if (binary != bytes.end()) {
        const qsizetype line = std::count(bytes.begin(), binary, '\n') + 1;
        throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::ForeignNotText,
                         {path, QString::number(line)}, path);
    }
    return bytes;
}

} // namespace calendrix
