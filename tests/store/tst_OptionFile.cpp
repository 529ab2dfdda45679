#include "SmallDisk.h"
#include "TestUnit.h"
#include "store/OptionFile.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

class tst_OptionFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void writeReplacesTheWholeFile();
    void unwritableFileIsReported();
    void failedWriteKeepsTheFile_data();
    void failedWriteKeepsTheFile();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
};

void tst_OptionFile::parse_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("flag");
    QTest::newRow("written on") << QByteArray(" 1 \r\n") << 1;
    QTest::newRow("written off") << QByteArray(" 0 \r\n") << 0;
    QTest::newRow("two") << QByteArray(" 2 \r\n") << 2;
    QTest::newRow("negative") << QByteArray("-1 \r\n") << -1;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("no blanks, no line end") << QByteArray("1") << 1;
    QTest::newRow("tabs and newlines first") << QByteArray("\t\n\r\n  5") << 5;
    QTest::newRow("first number only") << QByteArray(" 3 \r\n 9 \r\n") << 3;
    QTest::newRow("fraction rounds half to even") << QByteArray("2.5") << 2;
    QTest::newRow("fraction rounds up") << QByteArray("1.51") << 2;
    QTest::newRow("largest") << QByteArray("32767") << 32767;
    QTest::newRow("smallest") << QByteArray("-32768") << -32768;
    QTest::newRow("just too large") << QByteArray("32768") << 0;
    QTest::newRow("huge") << QByteArray("99999999999999999999999999999999") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("blanks only") << QByteArray("   \r\n") << 0;
    QTest::newRow("words") << QByteArray("on") << 0;
    QTest::newRow("sign alone") << QByteArray("-") << 0;
    QTest::newRow("nul bytes") << QByteArray("\0\0\0 1", 6) << 0;
    QTest::newRow("binary garbage") << QByteArray::fromHex("fffe00ff8081c3") << 0;
    QTest::newRow("utf-16 text") << QByteArray("\xff\xfe"
                                               "1\0",
                                               4)
                                 << 0;
    QTest::newRow("exponent is not read") << QByteArray("1e9") << 1;
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf 1 \r\n") << 1;
    QTest::newRow("byte-order mark, no blanks") << QByteArray("\xef\xbb\xbf"
                                                              "2")
                                                << 2;
    QTest::newRow("byte-order mark alone") << QByteArray("\xef\xbb\xbf") << 0;
    QTest::newRow("byte-order mark twice") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf 1") << 0;
    QTest::newRow("5000 blanks first") << QByteArray(5000, ' ') + " 1 \r\n" << 1;
    QTest::newRow("60000 blank lines first") << QByteArray(60000, '\n') + "-1" << -1;
    // A file that size is not ours: only its start is read.
    QTest::newRow("blanks beyond what is read") << QByteArray(100000, ' ') + "1" << 0;
    QTest::newRow("number cut off where reading stops") << QByteArray(65535, ' ') + "12" << 0;
}

void tst_OptionFile::parse()
{
    QFETCH(QByteArray, content);
    QFETCH(int, flag);
    QCOMPARE(int(OptionFile::parse(content)), flag);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ROSTER.INI"_s);
    test::writeFile(path, content);
    QCOMPARE(int(OptionFile::read(path)), flag);
}

void tst_OptionFile::writeReplacesTheWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ROSTER2.INI"_s);
    test::writeFile(path, " 2 \r\nsomething longer that must go\r\n");
    QCOMPARE(OptionFile::read(path), qint16(2));
    for (qint16 value : {qint16(1), qint16(0), qint16(-3)}) {
        OptionFile::write(path, value);
        QCOMPARE(test::readFile(path), OptionFile::format(value));
        QCOMPARE(OptionFile::read(path), value);
    }
    QCOMPARE(OptionFile::format(1), QByteArray(" 1 \r\n"));
    QCOMPARE(OptionFile::format(0), QByteArray(" 0 \r\n"));
    QCOMPARE(OptionFile::format(-3), QByteArray("-3 \r\n"));
}

void tst_OptionFile::unwritableFileIsReported()
{
    QTemporaryDir dir;
    try {
        OptionFile::write(dir.filePath(u"no such folder/ROSTER.INI"_s), 1);
        QFAIL("a write into a missing folder was not reported");
    } catch (const StoreError &e) {
        QVERIFY(NoticeText::text(e).contains(u"ROSTER.INI"_s));
    }
}

void tst_OptionFile::failedWriteKeepsTheFile_data()
{
    QTest::addColumn<QString>("disk");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("why");
    QTest::newRow("full") << u"full"_s << int(StoreErrorCode::DiskFull) << u"No space left on device"_s;
    QTest::newRow("read-only") << u"read-only"_s << int(StoreErrorCode::ReadOnly)
                               << u"Read-only file system"_s;
    QTest::newRow("file size limit") << u"limit"_s << int(StoreErrorCode::DiskFull) << u"File too large"_s;
}

void tst_OptionFile::failedWriteKeepsTheFile()
{
    QFETCH(QString, disk);
    QFETCH(int, code);
    QFETCH(QString, why);
    test::SmallDisk small(64 * 1024);
    if (!small.isMounted())
        QSKIP("mounting a small disk is not permitted here");
    const QString path = small.filePath(u"ROSTER.INI"_s);
    OptionFile::write(path, 1);
    if (disk == u"full")
        small.fill();
    else if (disk == u"read-only")
        QVERIFY(small.makeReadOnly());
    const QStringList before = QDir(small.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

    // Over the limit a write fails with EFBIG, and the signal is not wanted.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    if (disk == u"limit") {
        const rlimit tiny{2, oldLimit.rlim_max};
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &tiny) == 0);
    }
    bool thrown = false;
    try {
        OptionFile::write(path, 0);
    } catch (const StoreError &e) {
        thrown = true;
        QCOMPARE(e.number(), code);
        QVERIFY(NoticeText::text(e).contains(u"ROSTER.INI"_s) && NoticeText::text(e).contains(why));
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(thrown);
    QCOMPARE(test::readFile(path), QByteArray(" 1 \r\n"));
    QCOMPARE(QDir(small.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
}

void tst_OptionFile::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("missing") << u"missing"_s;
    QTest::newRow("FIFO") << u"fifo"_s;
    QTest::newRow("link to a FIFO") << u"link to fifo"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("link to an endless device") << u"link to /dev/zero"_s;
}

void tst_OptionFile::onlyRegularFilesAreRead()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ROSTER.INI"_s);
    const QString fifo = dir.filePath(u"pipe"_s);
    const QByteArray fifoName = QFile::encodeName(fifo);
    QVERIFY(::mkfifo(fifoName.constData(), 0600) == 0);
    if (what == u"fifo")
        QVERIFY(QFile::rename(fifo, path));
    else if (what == u"link to fifo")
        QVERIFY(QFile::link(fifo, path));
    else if (what == u"folder")
        QVERIFY(QDir().mkdir(path));
    else if (what != u"missing")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    const QByteArray pipe = QFile::encodeName(QFileInfo(fifo).exists() ? fifo : path);

    // Something that writes " 1 " into the FIFO once a reader opens it: a
    // reader that waits for it would read a 1.
    std::signal(SIGPIPE, SIG_IGN);
    std::thread writer([pipe] {
        const int fd = ::open(pipe.constData(), O_WRONLY);
        if (fd >= 0) {
            [[maybe_unused]] const auto n = ::write(fd, " 1 \r\n", 5);
            ::close(fd);
        }
    });
    const qint16 value = OptionFile::read(path);
    // Lets a writer still waiting for a reader go.
    const int release = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(release);
    QCOMPARE(value, qint16(0));
}

QTEST_GUILESS_MAIN(tst_OptionFile)
#include "tst_OptionFile.moc"
