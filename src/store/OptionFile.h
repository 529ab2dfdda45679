#pragma once

#include "store/Notice.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace calendrix {

// The one-number option files ROSTER.INI (Consolidate) and ROSTER2.INI
// (Absence): " 1 " CR LF or " 0 " CR LF, the way a numeric print writes it.
namespace OptionFile {

// The first number of the content as a 16-bit flag, after a UTF-8 byte-order
// mark and blanks. Anything that is not a number in range, or that lies
// beyond the first 64 KB, reads as 0; no content can make this fail.
qint16 parse(const QByteArray &content);

// A missing or unreadable file reads as 0, and so does anything under the
// name that is not a regular file (a FIFO, a device, a folder): it is never
// opened in a way that could wait.
qint16 read(const QString &path);

// Why an option file that is there cannot be a sound one (not a regular file,
// unreadable, no number in range at its start), or nothing.
std::optional<Notice> fault(const QString &path);

QByteArray format(qint16 value);

// Replaces the whole file in one step; throws StoreError, naming the file
// and the reason, when it cannot be written. The old file then stays as it
// was.
void write(const QString &path, qint16 value);

} // namespace OptionFile
} // namespace calendrix
