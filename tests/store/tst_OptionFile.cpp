#include "OptionFile.h"
#include "StoreError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

class tst_OptionFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void missingFileReadsZero();
    void writeReplacesTheWholeFile();
    void unwritableFileIsReported();
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
    QTest::newRow("long run of blanks") << QByteArray(100000, ' ') + "1" << 0;
}

void tst_OptionFile::parse()
{
    QFETCH(QByteArray, content);
    QFETCH(int, flag);
    QCOMPARE(int(OptionFile::parse(content)), flag);
}

void tst_OptionFile::missingFileReadsZero()
{
    QTemporaryDir dir;
    QCOMPARE(OptionFile::read(dir.filePath(u"ROSTER.INI"_s)), qint16(0));
    QCOMPARE(OptionFile::read(dir.path()), qint16(0)); // a folder by that name
}

void tst_OptionFile::writeReplacesTheWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ROSTER2.INI"_s);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(" 2 \r\nsomething longer that must go\r\n");
    }
    QCOMPARE(OptionFile::read(path), qint16(2));
    for (qint16 value : {qint16(1), qint16(0), qint16(-3)}) {
        OptionFile::write(path, value);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), OptionFile::format(value));
        QCOMPARE(OptionFile::read(path), value);
    }
    QCOMPARE(OptionFile::format(1), QByteArray(" 1 \r\n"));
    QCOMPARE(OptionFile::format(0), QByteArray(" 0 \r\n"));
    QCOMPARE(OptionFile::format(-3), QByteArray("-3 \r\n"));
}

void tst_OptionFile::unwritableFileIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"no such folder/ROSTER.INI"_s);
    bool thrown = false;
    try {
        OptionFile::write(path, 1);
    } catch (const StoreError &e) {
        thrown = true;
        QVERIFY(e.text().contains(u"ROSTER.INI"_s));
    }
    QVERIFY(thrown);
}

QTEST_GUILESS_MAIN(tst_OptionFile)
#include "tst_OptionFile.moc"
