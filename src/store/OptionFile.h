#pragma once

#include <QByteArray>
#include <QString>

namespace calendrix {

// The one-number option files ROSTER.INI (Consolidate) and ROSTER2.INI
// (Absence): " 1 " CR LF or " 0 " CR LF, the way a numeric print writes it.
namespace OptionFile {

// The first number of the content as a 16-bit flag. Anything that is not a
// number in range reads as 0; no content can make this fail.
qint16 parse(const QByteArray &content);

// A missing or unreadable file reads as 0.
qint16 read(const QString &path);

QByteArray format(qint16 value);

// Replaces the whole file; throws StoreError when it cannot be written.
void write(const QString &path, qint16 value);

} // namespace OptionFile
} // namespace calendrix
