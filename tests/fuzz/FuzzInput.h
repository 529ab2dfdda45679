#pragma once

#include <QDir>
#include <QTemporaryFile>

#include <cstdint>

// The readers read files: each input of the fuzzer is written to one file,
// made once and rewritten for every input; in memory where there is a
// tmpfs, as emptying a file on a disk waits for the disk.
inline QString fuzzInputFile(const uint8_t *data, size_t size)
{
    static QTemporaryFile file(QDir(QStringLiteral("/dev/shm")).exists()
                                   ? QStringLiteral("/dev/shm/calendrix-fuzz")
                                   : QDir::tempPath() + QStringLiteral("/calendrix-fuzz"));
    if (!file.isOpen() && !file.open())
        qFatal("cannot make the fuzzer's input file");
    if (!file.resize(0) || !file.seek(0) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size) || !file.flush())
        qFatal("cannot write the fuzzer's input file");
    return file.fileName();
}
