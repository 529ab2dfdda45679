#include "../TestUnit.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

const QDate kDay(2026, 12, 6);

} // namespace

class tst_UnitFolder : public QObject
{
    Q_OBJECT

private slots:
    void unusableFiles_data();
    void unusableFiles();
    void keepAsideNeverOverwrites();
};

void tst_UnitFolder::unusableFiles_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("sound unit") << u"none"_s << QStringList{};
    QTest::newRow("missing file") << u"missing"_s << QStringList{};
    QTest::newRow("empty working database") << u"empty"_s << QStringList{u"Memory.mdb"_s};
    QTest::newRow("text as personnel database") << u"text"_s << QStringList{u"Datafile32.mdb"_s};
    QTest::newRow("working database as template") << u"kind"_s << QStringList{u"template.tem"_s};
    // One table gone: the rest of the file still works, so it stays.
    QTest::newRow("table missing") << u"table"_s << QStringList{};
}

void tst_UnitFolder::unusableFiles()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, listed);
    TestUnit unit;
    if (damage == u"missing")
        QVERIFY(QFile::remove(unit.folder.workingPath()));
    else if (damage == u"empty")
        writeFile(unit.folder.workingPath(), {});
    else if (damage == u"text")
        writeFile(unit.folder.personnelPath(), "Name;Rank\r\n");
    else if (damage == u"kind") {
        QVERIFY(QFile::remove(unit.folder.templatePath()));
        QVERIFY(QFile::copy(unit.folder.workingPath(), unit.folder.templatePath()));
    } else if (damage == u"table") {
        Database db = unit.personnel();
        db.exec(u"DROP TABLE Holiday"_s, u"main"_s, u"test"_s);
    }
    QStringList names;
    for (const UnitFolder::Unusable &u : unit.folder.unusableFiles()) {
        names.append(QFileInfo(u.path).fileName());
        QVERIFY(!u.why.isEmpty());
    }
    QCOMPARE(names, listed);
}

void tst_UnitFolder::keepAsideNeverOverwrites()
{
    TestUnit unit;
    const QString path = unit.folder.workingPath();
    writeFile(path, "damaged");
    writeFile(path + u"-journal"_s, "its journal");
    writeFile(path + u".damaged-2026-12-06"_s, "kept this morning");

    QCOMPARE(unit.folder.asideName(path, kDay), path + u".damaged-2026-12-06-2"_s);
    const QString aside = unit.folder.keepAside(path, kDay);
    QCOMPARE(aside, path + u".damaged-2026-12-06-2"_s);
    QCOMPARE(readFile(aside), QByteArray("damaged"));
    QCOMPARE(readFile(aside + u"-journal"_s), QByteArray("its journal"));
    QCOMPARE(readFile(path + u".damaged-2026-12-06"_s), QByteArray("kept this morning"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(path + u"-journal"_s));

    // A new file is made in its place, and a third one goes to -3.
    const UnitFolder::InitResult made = unit.folder.init();
    QVERIFY(made.created.contains(path));
    Database::open(path, FileKind::Working);
    writeFile(path, "damaged again");
    QCOMPARE(unit.folder.keepAside(path, kDay), path + u".damaged-2026-12-06-3"_s);

    // Nothing to put aside is an error, and nothing changes.
    EXPECT_STORE_ERROR(unit.folder.keepAside(path, kDay), StoreErrorCode::IoError);
}

QTEST_MAIN(tst_UnitFolder)
#include "tst_UnitFolder.moc"
