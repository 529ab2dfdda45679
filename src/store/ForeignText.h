#pragma once

#include <QByteArray>
#include <QString>

namespace calendrix {

// The bytes of a text file another program wrote (a CSV file, a calendar),
// read whole but only up to a bound, so that a huge or hostile file is
// refused before it fills the memory.
class ForeignText
{
public:
    static constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

    // Throws StoreError when the file cannot be read, is larger than
    // maxBytes (whole MB) or holds control bytes no text holds (binary data,
    // UTF-16).
    static QByteArray read(const QString &path, qint64 maxBytes = kMaxBytes);
};

} // namespace calendrix
