// File > Export Roster: which datafile, format and target the clerk picks,
// what is written and what the clerk is told.

#include "../report/DatafileBuilder.h"
#include "WindowFixture.h"

#include <QDir>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// A datafile of the unit with two periods, written at the first call.
QString march(const TestUnit &unit)
{
    const QString path = unit.path(u"march.cxr"_s);
    if (QFileInfo::exists(path))
        return path;
    writeDatafile(path, {gateGuard()});
    addRows(Database::open(path, FileKind::Roster), u"periods"_s,
            {{u"Gate Guard"_s, 1, QDate(2027, 3, 1), QDate(2027, 3, 1)},
             {u"Gate Guard"_s, 2, QDate(2027, 3, 2), QDate(2027, 3, 4)}});
    return path;
}

// Export as the clerk picks it: the datafile, the target and the format, in
// the program open on its unit.
void exportAs(Window &w, const QString &datafile, const QString &target, int choice, QList<bool> answers = {})
{
    w.dialogs.fileNames = {datafile, target};
    w.dialogs.choices = {choice};
    w.dialogs.answers = std::move(answers);
    w.choose(u"MNU_Export"_s);
}

} // namespace

class tst_ExportRoster : public QObject
{
    Q_OBJECT

private slots:
    void nothingChosen_data();
    void nothingChosen();
    void eachFormat_data();
    void eachFormat();
    void replaceQuestion_data();
    void replaceQuestion();
    void refused_data();
    void refused();
    void readingShowsProgressAndStops();
};

void tst_ExportRoster::nothingChosen_data()
{
    QTest::addColumn<QStringList>("fileNames"); // DATAFILE, UNIT stand for the paths
    QTest::addColumn<int>("choice");
    QTest::newRow("no datafile") << QStringList{} << 1;
    QTest::newRow("the preset pattern") << QStringList{u"UNIT/*.CXR"_s} << 1;
    QTest::newRow("no format") << QStringList{u"DATAFILE"_s, u"UNIT/out.csv"_s} << -1;
    QTest::newRow("no spreadsheet name") << QStringList{u"DATAFILE"_s} << 1;
    QTest::newRow("no folder for calendars") << QStringList{u"DATAFILE"_s} << 0;
}

void tst_ExportRoster::nothingChosen()
{
    QFETCH(QStringList, fileNames);
    QFETCH(int, choice);
    Window w(false);
    w.open();
    const QString datafile = march(w.unit);
    const QStringList before = QDir(w.unit.dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (QString &f : fileNames)
        f.replace(u"DATAFILE"_s, datafile).replace(u"UNIT"_s, w.unit.dir.path());
    w.dialogs.fileNames = fileNames;
    w.dialogs.choices = {choice};
    // The menu item, beside Open/Print in the File menu.
    QAction *item = w.action(u"MNU_Export"_s);
    QCOMPARE(item->text(), u"E&xport Roster..."_s);
    const QList<QAction *> file = w.main->findChild<QMenu *>(u"MNU_File"_s)->actions();
    QCOMPARE(file.indexOf(item), file.indexOf(w.action(u"MNU_Open"_s)) + 1);
    item->trigger();
    QVERIFY(w.dialogs.texts(Messenger::Kind::Information).isEmpty());
    QVERIFY(w.dialogs.questions.isEmpty());
    QCOMPARE(QDir(w.unit.dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

void tst_ExportRoster::eachFormat_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("target");      // as the dialog returns it
    QTest::addColumn<QStringList>("written"); // below the unit folder
    QTest::addColumn<QStringList>("told");    // one part of each message, in order
    QTest::addColumn<bool>("periods");        // the datafile has its periods table
    QTest::newRow("calendars") << 0 << u"calendars"_s
                               << QStringList{u"calendars/Adams, Al.ics"_s, u"calendars/Clark.ics"_s,
                                              u"calendars/all.ics"_s}
                               << QStringList{u"Wrote 3 calendars into"_s} << true;
    QTest::newRow("spreadsheet") << 1 << u"march.xlsx"_s << QStringList{u"march.xlsx"_s}
                                 << QStringList{u"Summary and 1 duty sheet."_s} << true;
    QTest::newRow("spreadsheet without suffix")
        << 1 << u"march"_s << QStringList{u"march.xlsx"_s} << QStringList{u"march.xlsx: Summary"_s} << true;
    QTest::newRow("csv") << 2 << u"march.csv"_s << QStringList{u"march.csv"_s}
                         << QStringList{u"march.csv: 2 assignments."_s} << true;
    QTest::newRow("csv of an older datafile")
        << 2 << u"march.csv"_s << QStringList{u"march.csv"_s}
        << QStringList{u"each assignment is exported as one day"_s, u"Wrote "_s} << false;
}

void tst_ExportRoster::eachFormat()
{
    QFETCH(int, choice);
    QFETCH(QString, target);
    QFETCH(QStringList, written);
    QFETCH(QStringList, told);
    QFETCH(bool, periods);
    Window w(false);
    w.open();
    const QString datafile = march(w.unit);
    if (!periods)
        dropTable(datafile, FileKind::Roster, u"periods"_s);
    const QByteArray datafileBefore = readFile(datafile);
    exportAs(w, datafile, w.unit.path(target), choice);
    const QStringList info = w.dialogs.texts(Messenger::Kind::Information);
    QCOMPARE(info.size(), told.size());
    for (int i = 0; i < told.size(); ++i)
        QVERIFY2(info[i].contains(told[i]), qPrintable(info[i]));
    if (!periods)
        QVERIFY(info.last().startsWith(u"Wrote "_s));
    for (const QString &file : written) {
        QVERIFY2(QFileInfo(w.unit.path(file)).size() > 0, qPrintable(file));
        QVERIFY2(info.last().contains(QFileInfo(w.unit.path(file)).absolutePath()), qPrintable(info.last()));
    }
    QCOMPARE(readFile(datafile), datafileBefore);
    if (choice == 2 && periods)
        QCOMPARE(readFile(w.unit.path(target)).count("\r\n"), 3);
}

void tst_ExportRoster::replaceQuestion_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::newRow("csv kept") << 2 << u"march.csv"_s << QStringList{u"march.csv"_s} << false
                              << u"march.csv already exists. Replace?"_s;
    QTest::newRow("csv replaced") << 2 << u"march.csv"_s << QStringList{u"march.csv"_s} << true
                                  << u"march.csv already exists. Replace?"_s;
    // The folder's list of what it holds is no calendar to count.
    const QStringList calendars{u"cal/all.ics"_s, u"cal/Clark.ics"_s, u"cal/.calendrix-calendars.json"_s};
    QTest::newRow("calendars kept") << 0 << u"cal"_s << calendars << false
                                    << u"2 of the calendars already exist in"_s;
    QTest::newRow("calendars replaced")
        << 0 << u"cal"_s << calendars << true << u"2 of the calendars already exist in"_s;
}

void tst_ExportRoster::replaceQuestion()
{
    QFETCH(int, choice);
    QFETCH(QString, target);
    QFETCH(QStringList, existing);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    Window w(false);
    w.open();
    const QString datafile = march(w.unit);
    if (choice == 0)
        QVERIFY(QDir(w.unit.dir.path()).mkpath(target));
    for (const QString &file : existing)
        writeFile(w.unit.path(file), "the clerk's own");
    exportAs(w, datafile, w.unit.path(target), choice, {answer});
    QCOMPARE(w.dialogs.questions.size(), 1);
    QVERIFY2(w.dialogs.questions[0].contains(question), qPrintable(w.dialogs.questions[0]));
    for (const QString &file : existing)
        QCOMPARE(readFile(w.unit.path(file)) == "the clerk's own", !answer);
    QCOMPARE(w.dialogs.texts(Messenger::Kind::Information).size(), answer ? 1 : 0);
}

void tst_ExportRoster::refused_data()
{
    QTest::addColumn<QString>("datafile"); // "WORKING" is the unit's working database
    QTest::addColumn<QString>("target");   // "DATAFILE" stands for the datafile exported
    QTest::addColumn<QString>("says");     // in the last error; the format's choice may come first
    QTest::addColumn<int>("errors");
    QTest::newRow("not a datafile") << u"WORKING"_s << u"x.csv"_s << u"The roster cannot be exported."_s << 1;
    // A name chosen by mistake never takes the place of one of the unit's own
    // files or of the datafile, and no "Replace?" is asked first.
    QTest::newRow("a file of the unit") << u"march"_s << u"Roster.rpt"_s << u"is a file of the unit"_s << 2;
    QTest::newRow("the datafile") << u"march"_s << u"DATAFILE"_s << u"is the datafile"_s << 2;
}

void tst_ExportRoster::refused()
{
    QFETCH(QString, datafile);
    QFETCH(QString, target);
    QFETCH(QString, says);
    QFETCH(int, errors);
    Window w(false);
    w.open();
    const QString from = datafile == u"WORKING" ? w.unit.folder.workingPath() : march(w.unit);
    const QString path = target == u"DATAFILE" ? from : w.unit.path(target);
    const QByteArray before = readFile(path);
    exportAs(w, from, path, 2, {true});
    QVERIFY(w.dialogs.questions.isEmpty());
    const QStringList said = w.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(said.size(), errors);
    QVERIFY2(said.last().contains(says), qPrintable(said.last()));
    if (errors == 1) {
        QVERIFY2(said[0].startsWith(says) && said[0].contains(from), qPrintable(said[0]));
        QVERIFY(!QFileInfo::exists(path));
    } else {
        QCOMPARE(readFile(path), before);
    }
}

// A large datafile is read while the window goes on answering, as Open/Print
// reads it: how far the read is comes up, and Stop ends the export before
// anything is asked, written or told.
void tst_ExportRoster::readingShowsProgressAndStops()
{
    Window w(false);
    w.open();
    const QString path = w.unit.path(u"large.cxr"_s);
    writeLargeDatafile(path, 200000);
    if (QTest::currentTestFailed())
        return;
    bool stopped = false;
    QString title;
    w.stopTheReadWhenShown(stopped, &title);
    exportAs(w, path, w.unit.path(u"large.csv"_s), 2);
    QVERIFY(stopped);
    QCOMPARE(title, u"Export Roster"_s);
    QCOMPARE(w.dialogs.choices.size(), 1); // the format was never asked for
    QVERIFY(w.dialogs.shown.isEmpty());
    QVERIFY(!QFileInfo::exists(w.unit.path(u"large.csv"_s)));
}

QTEST_MAIN(tst_ExportRoster)
#include "tst_ExportRoster.moc"
