#pragma once

// A file system of a few kilobytes of its own, mounted for one test, so that
// a disk that is full or read-only can be had for real. Mounting needs the
// right to mount; a test without it skips.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>

namespace calendrix::test {

class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes)
    {
        m_mounted = run({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), m_dir.path()});
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Takes every free byte but about leave with one file of its own.
    void fill(qint64 leave = 0) const
    {
        QFile filler(m_dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        const QByteArray block(4096, 'x');
        if (leave > 0) {
            const qint64 free = QStorageInfo(m_dir.path()).bytesAvailable();
            for (qint64 n = free - leave; n >= block.size(); n -= block.size())
                if (filler.write(block) != block.size() || !filler.flush())
                    return;
            return;
        }
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // What the last block could not take, byte by byte.
        while (filler.write("x", 1) == 1 && filler.flush()) {
        }
    }

    bool makeReadOnly() const
    {
        return run({QStringLiteral("-o"), QStringLiteral("remount,ro"), m_dir.path()});
    }

private:
    static bool run(const QStringList &arguments)
    {
        QProcess p;
        p.start(QStringLiteral("mount"), arguments);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace calendrix::test
