#include "../TestUnit.h"

#include "store/OptionFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

const QDate kDay(2026, 12, 6);
const QDateTime kNow(kDay, QTime(14, 15, 0));

// Every entry of the folder with what it holds; FIFOs and folders by kind only.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> out;
    for (const QFileInfo &info :
         QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (info.isSymLink())
            out.insert(info.fileName(), "link to " + info.symLinkTarget().toUtf8());
        else if (info.isDir())
            out.insert(info.fileName(), "folder");
        else if (!info.isFile())
            out.insert(info.fileName(), "special");
        else
            out.insert(info.fileName(),
                       QCryptographicHash::hash(readFile(info.filePath()), QCryptographicHash::Sha256));
    }
    return out;
}

// The topics of a help file in order, or "no topic X" for a link to a topic
// it lacks: the help window finds a topic by its anchor in every language.
QStringList helpTopics(const QString &path)
{
    static const QRegularExpression anchor(u"(name|href)=\"#?([^\"]*)\""_s);
    QStringList topics, links;
    for (const QRegularExpressionMatch &m : anchor.globalMatch(QString::fromUtf8(readFile(path))))
        (m.captured(1) == u"name" ? topics : links).append(m.captured(2));
    for (const QString &link : links)
        if (!topics.contains(link))
            topics.append(u"no topic "_s + link);
    return topics;
}

} // namespace

class tst_UnitFolder : public QObject
{
    Q_OBJECT

private slots:
    void keepAsideNeverOverwrites();
    void filesWithinAreKeptByTheirPathFromTheFolder_data();
    void filesWithinAreKeptByTheirPathFromTheFolder();
    void repair_data();
    void repair();
    void repairStopsOnAFileItCannotCheck();
    void everyHelpHasTheEnglishTopics_data();
    void everyHelpHasTheEnglishTopics();
};

void tst_UnitFolder::filesWithinAreKeptByTheirPathFromTheFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kept");
    QTest::newRow("in the folder") << u"/units/hq/march.cxr"_s << u"march.cxr"_s;
    QTest::newRow("in a folder within") << u"/units/hq/rosters/march.cxr"_s << u"rosters/march.cxr"_s;
    QTest::newRow("in history") << u"/units/hq/history/run-20270301-080000-000.mdb"_s
                                << u"history/run-20270301-080000-000.mdb"_s;
    QTest::newRow("a name that starts with two dots") << u"/units/hq/..march.cxr"_s << u"..march.cxr"_s;
    QTest::newRow("by a way round") << u"/units/hq/rosters/../march.cxr"_s << u"march.cxr"_s;
    QTest::newRow("beside the folder") << u"/units/march.cxr"_s << u"/units/march.cxr"_s;
    QTest::newRow("a folder whose name begins alike")
        << u"/units/hq2/march.cxr"_s << u"/units/hq2/march.cxr"_s;
    QTest::newRow("elsewhere") << u"/home/clerk/march.cxr"_s << u"/home/clerk/march.cxr"_s;
    QTest::newRow("none") << QString() << QString();
}

// A record or an entry names a file within the unit's folder by its path
// from there, so that a copy of the folder names its own; any other by its
// whole path. Either way the name gives back the file.
void tst_UnitFolder::filesWithinAreKeptByTheirPathFromTheFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, kept);
    const UnitFolder folder(u"/units/hq"_s);
    QCOMPARE(folder.keptName(path), kept);
    QCOMPARE(folder.fromKeptName(kept), path.isEmpty() ? path : QDir::cleanPath(path));
    QCOMPARE(UnitFolder(u"/copies/hq"_s).fromKeptName(kept),
             kept.isEmpty() || QDir::isAbsolutePath(kept) ? kept : u"/copies/hq/"_s + kept);
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

void tst_UnitFolder::repair_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("setAside");
    QTest::addColumn<bool>("created");
    // Before the repair, among the unusable files: a database that cannot be
    // opened as its kind. One table gone leaves the rest of the file working.
    QTest::addColumn<bool>("unusable");
    QTest::addColumn<QString>("told"); // in the sentence that says why it was set aside
    QTest::newRow("sound unit") << u"none"_s << u""_s << false << false << false << u""_s;
    QTest::newRow("missing template") << u"missing"_s << u"template.tem"_s << false << true << false << u""_s;
    QTest::newRow("empty working database")
        << u"empty"_s << u"Memory.mdb"_s << true << true << true << u"not a Calendrix working database"_s;
    QTest::newRow("text as personnel database") << u"text"_s << u"Datafile32.mdb"_s << true << true << true
                                                << u"not a Calendrix personnel database"_s;
    QTest::newRow("working database as template") << u"kind"_s << u"template.tem"_s << true << true << true
                                                  << u"working database, not a Calendrix roster template"_s;
    QTest::newRow("personnel database missing a table")
        << u"table"_s << u"Datafile32.mdb"_s << true << true << false << u""_s;
    QTest::newRow("FIFO as working database") << u"fifo"_s << u"Memory.mdb"_s << true << true << true
                                              << u"FIFO (named pipe), not a Calendrix working database"_s;
    QTest::newRow("folder as template") << u"folder"_s << u"template.tem"_s << true << true << true
                                        << u"a folder, not a Calendrix roster template"_s;
    QTest::newRow("template without its header row")
        << u"header row"_s << u"template.tem"_s << true << true << true << u""_s;
    QTest::newRow("template with a damaged page")
        << u"page"_s << u"template.tem"_s << true << true << false << u"roster template '"_s;
    QTest::newRow("empty layout") << u"empty"_s << u"Roster.rpt"_s << true << true << false << u""_s;
    QTest::newRow("layout the report engine refuses")
        << u"refused"_s << u"Remarks.rpt"_s << true << true << false << u""_s;
    QTest::newRow("help file not text") << u"binary"_s << u"Roster.hlp"_s << true << true << false << u""_s;
    QTest::newRow("missing help file") << u"missing"_s << u"Roster.hlp"_s << false << true << false << u""_s;
    QTest::newRow("FIFO as option file")
        << u"fifo"_s << u"ROSTER.INI"_s << true << true << false << u"option file: a FIFO (named pipe)"_s;
    QTest::newRow("words in option file") << u"text"_s << u"ROSTER2.INI"_s << true << true << false << u""_s;
    QTest::newRow("missing option file stays missing")
        << u"missing"_s << u"ROSTER.INI"_s << false << false << false << u""_s;
    QTest::newRow("aside name taken") << u"taken"_s << u"Memory.mdb"_s << true << true << true << u""_s;
    QTest::newRow("file as history folder")
        << u"text"_s << u"history"_s << true << true << false << u"a file, not a folder"_s;
}

void tst_UnitFolder::repair()
{
    QFETCH(QString, damage);
    QFETCH(QString, file);
    QFETCH(bool, setAside);
    QFETCH(bool, created);
    QFETCH(bool, unusable);
    QFETCH(QString, told);
    TestUnit unit;
    OptionFile::write(unit.folder.consolidatePath(), 2);
    OptionFile::write(unit.folder.absencePath(), 1);
    {
        RecordSet rs(unit.personnel(), u"Sections"_s);
        addRow(rs, {u"HQ"_s}); // the unit's data, which a sound file keeps
    }
    const QString path = file.isEmpty() ? QString() : unit.folder.filePath(file);
    QByteArray damagedBytes;
    if (file == u"history")
        QVERIFY(QDir().rmdir(path));
    if (damage == u"missing") {
        QVERIFY(QFile::remove(path));
    } else if (damage == u"empty" || damage == u"text" || damage == u"binary" || damage == u"taken" ||
               damage == u"refused") {
        damagedBytes = damage == u"empty"     ? QByteArray()
                       : damage == u"text"    ? QByteArray("on\r\n")
                       : damage == u"binary"  ? QByteArray("\xff\xfe\0\0\x80", 5)
                       : damage == u"refused" ? QByteArray("<html>{{#duties}}BROKEN</html>")
                                              : QByteArray("damaged");
        writeFile(path, damagedBytes);
        if (damage == u"taken")
            writeFile(path + u".damaged-20261206-141500"_s, "set aside before");
    } else if (damage == u"table") {
        Database db = unit.personnel();
        db.exec(u"DROP TABLE Holiday"_s, NoticeCode::DatabaseFailed);
    } else if (damage == u"fifo") {
        QVERIFY(QFile::remove(path));
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (damage == u"folder") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else if (damage == u"header row") {
        Database db = Database::open(path, FileKind::Roster);
        db.exec(u"DELETE FROM header"_s, NoticeCode::DatabaseFailed);
    } else if (damage == u"page") {
        damageTable(path, FileKind::Roster, u"storeage"_s);
    } else if (damage == u"kind") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::copy(unit.folder.workingPath(), path));
    }
    QStringList listed;
    for (const UnitFolder::Unusable &u : unit.folder.unusableFiles()) {
        listed.append(QFileInfo(u.path).fileName());
        QVERIFY(!NoticeText::text(u.why).isEmpty());
    }
    QCOMPARE(listed, unusable ? QStringList{file} : QStringList());
    QMap<QString, QByteArray> before = snapshot(unit.dir.path());
    const QMap<QString, QByteArray> damagedEntry{{file, before.value(file)}};
    before.remove(file);

    // The report engine's own check of a layout, as the command line gives it.
    const auto layoutCheck = [](const QString &layout) {
        return readFile(layout).contains("BROKEN")
                   ? std::optional(Notice{Notice::Kind::Error, NoticeCode::LayoutEmpty, {layout}})
                   : std::nullopt;
    };
    const UnitFolder::RepairResult result = unit.folder.repair(kNow, layoutCheck);

    const QString aside =
        path + (damage == u"taken" ? u".damaged-20261206-141500-2"_s : u".damaged-20261206-141500"_s);
    if (setAside) {
        QCOMPARE(result.setAside.size(), 1);
        QCOMPARE(result.setAside.first().path, path);
        QCOMPARE(result.setAside.first().aside, aside);
        const QString why = NoticeText::text(result.setAside.first().why);
        QVERIFY2(!why.isEmpty() && why.contains(told), qPrintable(why));
        // What was there is kept whole under the new name.
        QMap<QString, QByteArray> now = snapshot(unit.dir.path());
        QCOMPARE(now.value(QFileInfo(aside).fileName()), damagedEntry.value(file));
        if (damage == u"taken")
            QCOMPARE(readFile(path + u".damaged-20261206-141500"_s), QByteArray("set aside before"));
    } else {
        QVERIFY(result.setAside.isEmpty());
        QVERIFY(!QFileInfo::exists(aside));
    }
    QCOMPARE(result.created.contains(path), created);
    if (created) {
        QVERIFY(file == u"history" ? QFileInfo(path).isDir() : QFileInfo(path).isFile());
        if (file.endsWith(u".INI"_s))
            QCOMPARE(readFile(path), OptionFile::format(0));
        else if (!file.contains(u'.') || file.endsWith(u".mdb"_s) || file.endsWith(u".tem"_s))
            QVERIFY(unit.folder.unusableFiles().isEmpty());
        else
            QCOMPARE(readFile(path), readFile(u":/unit/"_s + file));
    } else if (!file.isEmpty()) {
        QVERIFY(!QFileInfo::exists(path));
    }
    // Every other file is as it was.
    QMap<QString, QByteArray> after = snapshot(unit.dir.path());
    after.remove(file);
    for (auto it = after.begin(); it != after.end();)
        it = it.key().contains(u".damaged-"_s) ? after.erase(it) : std::next(it);
    for (auto it = before.begin(); it != before.end();)
        it = it.key().contains(u".damaged-"_s) ? before.erase(it) : std::next(it);
    QCOMPARE(after, before);
    if (file != u"Datafile32.mdb")
        QCOMPARE(rowCount(unit.personnel(), u"Sections"_s), 1);
}

void tst_UnitFolder::repairStopsOnAFileItCannotCheck()
{
    TestUnit unit;
    writeFile(unit.folder.workingPath(), "damaged");
    Database personnel = unit.personnel();
    personnel.exec(u"BEGIN EXCLUSIVE"_s, NoticeCode::DatabaseFailed); // another program writes
    const QMap<QString, QByteArray> before = snapshot(unit.dir.path());
    EXPECT_STORE_ERROR(unit.folder.repair(kNow), StoreErrorCode::Locked);
    QCOMPARE(snapshot(unit.dir.path()), before);
    personnel.exec(u"ROLLBACK"_s, NoticeCode::DatabaseFailed);
}

void tst_UnitFolder::everyHelpHasTheEnglishTopics_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << u"de"_s;
    QTest::newRow("Norwegian Bokmål") << u"nb"_s;
}

void tst_UnitFolder::everyHelpHasTheEnglishTopics()
{
    QFETCH(QString, language);
    const TestUnit unit;
    const QStringList english = helpTopics(unit.folder.helpPath());
    QVERIFY(english.size() > 20);
    QCOMPARE(helpTopics(unit.folder.helpPath(language)), english);
}

QTEST_MAIN(tst_UnitFolder)
#include "tst_UnitFolder.moc"
