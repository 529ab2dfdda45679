#include "../main/WindowFixture.h"
#include "../report/DatafileBuilder.h"
#include "../roster/FaultRun.h"

#include "main/DraftAndUndo.h"
#include "report/RosterData.h"
#include "session/RosterChange.h"
#include "store/FieldValues.h"
#include "store/Fields.h"
#include "store/RunHistory.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// Four soldiers, one duty with three weekly periods.
void fill(const TestUnit &unit)
{
    const Database db = unit.personnel();
    addRows(db, u"DutyDates"_s, {{u"Gate Guard"_s, u"HQ"_s}});
    RecordSet soldiers(db, u"SoldierRoster"_s);
    for (const auto &[name, rank] : {std::pair{u"Adams"_s, u"E"_s}, std::pair{u"Baker"_s, u"F"_s},
                                     std::pair{u"Clark"_s, u"G"_s}, std::pair{u"Dixon"_s, u"E"_s}})
        addRow(soldiers, {name, rank, u"HQ"_s});
    RecordSet schedule(db, u"WorkSchedule"_s);
    for (int week = 0; week < 3; ++week)
        addRow(schedule,
               {u"Gate Guard"_s, QDate(2027, 3, 15).addDays(7 * week), QDate(2027, 3, 21).addDays(7 * week)});
}

// The unit filled and the program open on it.
struct Program : Window {
    Program() : Window(false)
    {
        fill(unit);
        open();
    }
    int rowsIn(const QString &name, const QString &grid) const
    {
        QWidget *w = window(name);
        return w ? w->findChild<DataGrid *>(grid)->model()->rowCount() : -1;
    }
    QByteArray memory() const { return readFile(unit.folder.workingPath()); }
    // File > Make New Datafile into datafile, then File > Change Roster on it.
    QWidget *makeAndChange(const QString &datafile)
    {
        dialogs.fileNames = {datafile};
        choose(u"MNU_Make"_s);
        dialogs.fileNames = {datafile};
        return choose(u"MNU_Change"_s, u"RosterChangeDialog"_s);
    }
};

// The dialog is shown, every control is reachable by keyboard and screen
// reader, and F1 opens the help at the dialog's own topic.
void readyWithHelpAt(const Program &p, QWidget *dialog, const QString &topic)
{
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    QCOMPARE(accessProblems(dialog), QString());
    QTest::keyClick(dialog, Qt::Key_F1);
    QTRY_VERIFY(p.window(u"Help"_s) && p.window(u"Help"_s)->isVisible());
    auto *help = p.in<QTextBrowser>(p.window(u"Help"_s), u"HelpText"_s);
    QVERIFY(help->cursorForPosition(help->viewport()->rect().center()).position() >
            help->toPlainText().indexOf(topic));
}

} // namespace

class tst_DraftUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(u"Calendrix"_s); }
    void countedNames_data();
    void countedNames();
    void draftFromTheMenu_data();
    void draftFromTheMenu();
    void draftReadsGoOnWhileTheWindowAnswers();
    void stopEndsALargeDraftsRead();
    void undoFromTheMenu_data();
    void undoFromTheMenu();
    void importFromTheMenu_data();
    void importFromTheMenu();
    void importGoesOnWhileTheWindowAnswers();
    void importRefusesATypedUnitFileOnce();
    void importReadsAMendedFileOnReturn();
    void changeFromTheMenu();
    void changeAfterTheDatafileChanged_data();
    void changeAfterTheDatafileChanged();
    void changeReadsALargeRosterAsOpenDoes();
    void killedUndoSettledAtStart_data();
    void killedUndoSettledAtStart();
};

void tst_DraftUndo::countedNames_data()
{
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QString>("counted");
    QTest::newRow("-draft") << u"/u/march-draft.cxr"_s << u"/u/march.cxr"_s;
    QTest::newRow("Draft in front") << u"/u/Draft march.cxr"_s << u"/u/march.cxr"_s;
    QTest::newRow("no mark") << u"/u/march.cxr"_s << u"/u/march.cxr"_s;
    QTest::newRow("nothing but the mark") << u"/u/draft.cxr"_s << u"/u/roster.cxr"_s;
}

void tst_DraftUndo::countedNames()
{
    QFETCH(QString, draft);
    QFETCH(QString, counted);
    QCOMPARE(DraftAndUndo::countedName(draft), counted);
}

void tst_DraftUndo::draftFromTheMenu_data()
{
    QTest::addColumn<bool>("count");        // "Make It Count" in the preview
    QTest::addColumn<QString>("meanwhile"); // SQL on Memory.mdb while the preview is open
    QTest::addColumn<bool>("differs");
    QTest::addColumn<bool>("cancelFirst"); // the first file dialog of Make It Count cancelled

    QTest::newRow("closed") << false << QString() << false << false;
    QTest::newRow("made to count") << true << QString() << false << false;
    QTest::newRow("made to count after the counters changed")
        << true
        << u"INSERT INTO Memory (Marker, SoldierName, Rank, DutyName, Count, HCount) "
           "VALUES (1, 'Adams', 'E', 'Gate Guard', 1, 0), (1, 'Baker', 'F', 'Gate Guard', 1, 0), "
           "(1, 'Clark', 'G', 'Gate Guard', 9, 0), (1, 'Dixon', 'E', 'Gate Guard', 1, 0)"_s
        << true << false;
    QTest::newRow("back in the preview after a cancelled file dialog") << true << QString() << false << true;
}

// File > Make Draft: the draft's roster in the preview, nothing counted;
// "Make It Count" makes the roster that counts and says when it differs.
void tst_DraftUndo::draftFromTheMenu()
{
    QFETCH(bool, count);
    QFETCH(QString, meanwhile);
    QFETCH(bool, differs);
    QFETCH(bool, cancelFirst);
    Program p;
    const QString draft = p.unit.path(u"march-draft.cxr"_s);
    const QString counted = p.unit.path(u"march.cxr"_s);
    p.dialogs.fileNames = cancelFirst ? QStringList{draft, QString(), counted} : QStringList{draft, counted};
    p.dialogs.countDraft = cancelFirst ? QList<bool>{true, true} : QList<bool>{count};
    const QByteArray before = p.memory();
    QByteArray duringPreview;
    bool mainShown = false;
    p.dialogs.whilePreviewing = [&] {
        duringPreview = p.memory();
        mainShown = p.main->isVisible();
        if (!meanwhile.isEmpty())
            execIn(p.unit.folder.workingPath(), meanwhile);
    };

    p.choose(u"MNU_Draft"_s);

    QCOMPARE(p.dialogs.previewTitles, QStringList{u"Duty roster \u2013 march-draft.cxr"_s});
    QVERIFY(p.dialogs.previews.first().sectionCount() == 1);
    QVERIFY(duringPreview == before);
    QVERIFY(mainShown);
    QCOMPARE(p.dialogs.offeredNames.first(), p.unit.path(u"roster-draft.cxr"_s));
    QVERIFY(RosterData::read(draft).draft);
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Plain), QStringList(count ? 2 : 1, u"Finished"_s));
    const RunHistory::Listing history = RunHistory(p.unit.folder).list();
    QCOMPARE(history.entries.size(), count ? 1 : 0);
    QCOMPARE(QFile::exists(counted), count);
    if (!count) {
        QCOMPARE(p.dialogs.offeredNames.size(), 1);
        QVERIFY(p.memory() == before);
        return;
    }
    QCOMPARE(p.dialogs.offeredNames.last(), counted);
    QVERIFY(!RosterData::read(counted).draft);
    const QStringList information = p.dialogs.texts(Messenger::Kind::Information);
    QCOMPARE(information.size(), differs ? 1 : 0);
    QCOMPARE(RosterData::read(counted).differingCells(RosterData::read(draft)) > 0, differs);
    if (differs)
        QVERIFY2(
            information.first().startsWith(u"The roster that counts, '%1', differs from the draft in "_s.arg(
                QDir::toNativeSeparators(counted))),
            qPrintable(information.first()));
}

// The draft read for its preview, and the roster that counts read to compare
// it with the draft, are read while the window goes on answering: a timer of
// the window's thread ticks between the end of each run and what follows it,
// and the main window is back while the comparison goes on.
void tst_DraftUndo::draftReadsGoOnWhileTheWindowAnswers()
{
    Program p;
    const QString draft = p.unit.path(u"march-draft.cxr"_s);
    const QString counted = p.unit.path(u"march.cxr"_s);
    p.dialogs.fileNames = {draft, counted};
    p.dialogs.countDraft = {true};
    // The counters change while the draft is shown, so that the comparison
    // has something to say when it is done.
    p.dialogs.whilePreviewing = [&] {
        execIn(p.unit.folder.workingPath(),
               u"INSERT INTO Memory (Marker, SoldierName, Rank, DutyName, Count, HCount) "
               "VALUES (1, 'Adams', 'E', 'Gate Guard', 1, 0), (1, 'Baker', 'F', 'Gate Guard', 1, 0), "
               "(1, 'Clark', 'G', 'Gate Guard', 9, 0), (1, 'Dixon', 'E', 'Gate Guard', 1, 0)"_s);
    };
    int whileReadingDraft = 0;
    int whileComparing = 0;
    bool mainShownWhileComparing = true;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&] {
        const int finished = int(p.dialogs.texts(Messenger::Kind::Plain).size());
        if (finished == 1 && p.dialogs.previewTitles.isEmpty())
            ++whileReadingDraft;
        if (finished == 2 && p.dialogs.texts(Messenger::Kind::Information).isEmpty()) {
            ++whileComparing;
            mainShownWhileComparing = mainShownWhileComparing && p.main->isVisible();
        }
    });
    tick.start(0);

    p.choose(u"MNU_Draft"_s);

    QCOMPARE(p.dialogs.previewTitles.size(), 1);
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Information).size(), 1);
    QVERIFY2(whileReadingDraft > 0, "the draft's read held the window's thread");
    QVERIFY2(whileComparing > 0, "the comparison held the window's thread");
    // The run hid the main window; the comparison's progress shows over it.
    QVERIFY(mainShownWhileComparing);
}

// A draft large enough to be read with progress: Stop ends its read, with
// nothing previewed, nothing counted and the window back; the draft itself
// stays as the run wrote it.
void tst_DraftUndo::stopEndsALargeDraftsRead()
{
    Window w(false);
    // 20,000 soldiers of one section and ten duties of it with three weekly
    // periods each: 200,000 rows in the draft.
    QString sql = u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                  "INSERT INTO SoldierRoster (SoldierName, SoldierRank, Section) "
                  "SELECT printf('Soldier %05d', i), 'E', 'HQ' FROM n;"_s;
    for (int duty = 1; duty <= 10; ++duty) {
        sql += u"INSERT INTO DutyDates (DutyName, Organization) VALUES ('Duty %1', 'HQ');"_s.arg(duty);
        for (int week = 0; week < 3; ++week)
            sql += u"INSERT INTO WorkSchedule (DutyName, \"From\", \"To\") VALUES ('Duty %1', '%2', '%3');"_s
                       .arg(QString::number(duty), QDate(2027, 3, 1).addDays(7 * week).toString(Qt::ISODate),
                            QDate(2027, 3, 7).addDays(7 * week).toString(Qt::ISODate));
    }
    sqliteShell(w.unit.folder.personnelPath(), sql, true);
    w.open();
    const QByteArray memory = readFile(w.unit.folder.workingPath());
    const QString draft = w.unit.path(u"large-draft.cxr"_s);
    w.dialogs.fileNames = {draft};
    // Watched from a timer rather than waited for: the run before the read
    // shows its own progress, and a wait inside it would hold the run.
    QString title;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        auto *progress = w.main->findChild<QProgressDialog *>(u"ReadProgress"_s);
        if (!progress || !progress->isVisible() || progress->value() <= 0)
            return;
        watch.stop();
        title = progress->windowTitle();
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    });
    watch.start(10);

    w.choose(u"MNU_Draft"_s);

    QCOMPARE(title, u"Make Draft"_s);
    QVERIFY(w.dialogs.previewTitles.isEmpty());
    QCOMPARE(w.dialogs.offeredNames.size(), 1);
    QCOMPARE(w.dialogs.texts(Messenger::Kind::Plain), QStringList{u"Finished"_s});
    QVERIFY(w.dialogs.texts(Messenger::Kind::Error).isEmpty());
    QVERIFY(w.main->isVisible());
    QVERIFY(readFile(w.unit.folder.workingPath()) == memory);
    QCOMPARE(RunHistory(w.unit.folder).list().entries.size(), 0);
    const RosterData written = RosterData::read(draft);
    QVERIFY(written.draft);
    QCOMPARE(sqliteShell(draft, u"SELECT count(*) FROM storeage"_s), u"200000"_s);
}

void tst_DraftUndo::undoFromTheMenu_data()
{
    QTest::addColumn<QString>("change"); // SQL on Memory.mdb after the run
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("warning"); // in the question

    QTest::newRow("answered No") << QString() << false << QString();
    QTest::newRow("answered Yes") << QString() << true << QString();
    QTest::newRow("after a counter edit")
        << u"UPDATE Memory SET Count = Count + 5 WHERE SoldierName = 'Baker'"_s << true
        << u"The counters of 1 soldier were changed after that run. Undoing it anyway loses those changes."_s;
    QTest::newRow("the run's entry removed") << u"entry"_s << true << QString();
}

// Tools > Undo Last Roster Run: the run's facts in the question; after the
// undo the open Counters and Dates windows show the restored tables.
void tst_DraftUndo::undoFromTheMenu()
{
    QFETCH(QString, change);
    QFETCH(bool, answer);
    QFETCH(QString, warning);
    Program p;
    const QString datafile = p.unit.path(u"march.cxr"_s);
    p.dialogs.fileNames = {datafile};
    p.choose(u"MNU_Make"_s);
    QVERIFY(QFile::exists(datafile));
    if (change == u"entry"_s)
        QVERIFY(QFile::remove(RunHistory(p.unit.folder).list().entries.first().path));
    else if (!change.isEmpty())
        execIn(p.unit.folder.workingPath(), change);
    p.choose(u"MNU_Count"_s);
    p.choose(u"MNU_Dates"_s);
    QTRY_COMPARE(p.rowsIn(u"Edit32"_s, u"TDBGrid1"_s), 4);
    QCOMPARE(p.rowsIn(u"Assignment"_s, u"TDBGrid3"_s), 3);
    const QByteArray afterRun = p.memory();

    p.dialogs.answers = {answer};
    p.dialogs.shown.clear();
    p.choose(u"MNU_Undo"_s);
    if (change == u"entry"_s) {
        // Never "nothing to undo": the unit's last run is there, its entry is not.
        QVERIFY(p.dialogs.questions.isEmpty());
        const QStringList errors = p.dialogs.texts(Messenger::Kind::Error);
        QVERIFY2(errors.size() == 1 &&
                     errors.first().startsWith(u"The unit's last change cannot be undone"_s),
                 qPrintable(errors.join(u'\n')));
        QVERIFY(p.memory() == afterRun);
        return;
    }
    QCOMPARE(p.dialogs.questions.size(), 1);
    const QString question = p.dialogs.questions.first();
    QVERIFY2(question.contains(QDir::toNativeSeparators(datafile)) &&
                 question.contains(u"1 duty, 3 periods filled"_s),
             qPrintable(question));
    QCOMPARE(question.contains(u"were changed after that run"_s), !warning.isEmpty());
    if (!warning.isEmpty())
        QVERIFY2(question.contains(warning), qPrintable(question));
    if (!answer) {
        QVERIFY(p.memory() == afterRun);
        QVERIFY(QFile::exists(datafile));
        QCOMPARE(p.rowsIn(u"Edit32"_s, u"TDBGrid1"_s), 4);
        return;
    }
    QVERIFY(!QFile::exists(datafile));
    const QStringList said = p.dialogs.texts(Messenger::Kind::Information);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().startsWith(u"Undone: the roster run of "_s), qPrintable(said.first()));
    QCOMPARE(said.first().contains(u"Those changes are lost."_s), !warning.isEmpty());
    QTRY_COMPARE(p.rowsIn(u"Edit32"_s, u"TDBGrid1"_s), 0);
    QCOMPARE(p.rowsIn(u"Assignment"_s, u"TDBGrid3"_s), 0);

    // Nothing further back.
    p.dialogs.shown.clear();
    p.choose(u"MNU_Undo"_s);
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Information),
             QStringList{u"Nothing is kept to undo: no roster run, import, replace or swap."_s});
    QCOMPARE(p.dialogs.questions.size(), 1);
}

void tst_DraftUndo::importFromTheMenu_data()
{
    QTest::addColumn<int>("kind");        // as File > Import lists them
    QTest::addColumn<QString>("refused"); // a file with a refused row second
    QTest::addColumn<QString>("why");
    QTest::addColumn<QString>("clean");
    QTest::addColumn<QString>("list"); // the main window's list that shows what is imported

    QTest::newRow("soldiers") << 0 << u"Name,Rank\nEvans,PV1\nAdams,PV2\n"_s << u"Adams"_s
                              << u"Name,Rank,Section\nEvans,PV1,Band\n"_s << u"TDBGrid3"_s;
    QTest::newRow("absences") << 1 << u"Name,From,To\nAdams,2027-04-01,2027-04-02\nEvans,2027-04-01,\n"_s
                              << u"Evans"_s << u"Name;From;To\nAdams;2027-04-01;2027-04-02\n"_s
                              << u"TDBGrid4"_s;
    QTest::newRow("holidays") << 2
                              << u"Name,From,To\nEaster,2027-03-28,2027-03-29\nMay,2027-05-02,2027-05-01\n"_s
                              << u"2027"_s << u"Name,From,To\nEaster,2027-03-28,2027-03-29\n"_s << u"Data7"_s;
    QTest::newRow("schedule") << 3
                              << u"Duty,From,To\nGate Guard,2027-05-03,2027-05-09\nKitchen,2027-05-03,\n"_s
                              << u"Kitchen"_s << u"Duty,From,To\nGate Guard,2027-05-03,2027-05-09\n"_s
                              << u"TDBGrid2"_s;
}

// File > Import: the refused row first with why and Import held back; a clean
// file imported into the lists the window shows, and Tools > Undo takes it back.
void tst_DraftUndo::importFromTheMenu()
{
    QFETCH(int, kind);
    QFETCH(QString, refused);
    QFETCH(QString, why);
    QFETCH(QString, clean);
    QFETCH(QString, list);
    Program p;
    const auto rows = [&] {
        if (auto *source = p.main->findChild<DataControl *>(list))
            return source->recordset().storedRowCount();
        return p.find<DataGrid>(list)->model()->rowCount();
    };
    const int before = rows();
    QWidget *setup = p.choose(u"MNU_Setup"_s, u"Setup"_s);
    QWidget *dialog = p.choose(u"MNU_Import"_s, u"ImportDialog"_s);
    readyWithHelpAt(p, dialog, u"22. Importing"_s);
    if (QTest::currentTestFailed())
        return;
    p.in<QComboBox>(dialog, u"ImportKind"_s)->setCurrentIndex(kind);
    auto *import = p.in<QPushButton>(dialog, u"ImportButton"_s);
    const auto choose = [&](const QString &path) {
        p.dialogs.fileNames = {path};
        p.click(dialog, u"ImportChoose"_s);
        return p.in<QTableView>(dialog, u"ImportPreview"_s)->model();
    };
    choose(p.unit.folder.personnelPath());
    QVERIFY(p.dialogs.texts(Messenger::Kind::Error).value(0).contains(u"one of the unit's own files"_s));
    writeFile(p.unit.path(u"list.csv"_s), refused.toUtf8());
    const QAbstractItemModel *preview = choose(p.unit.path(u"list.csv"_s));
    QCOMPARE(preview->rowCount(), 2);
    QCOMPARE(preview->index(0, 1).data().toString(), u"Refused"_s);
    // Found by its name, even where the plan could not read the row.
    QVERIFY(preview->index(0, 2).data().toString().startsWith(refused.split(u'\n')[2].split(u',')[0]));
    QVERIFY2(preview->index(0, 5).data().toString().contains(why),
             qPrintable(preview->index(0, 5).data().toString()));
    QCOMPARE(preview->index(1, 1).data().toString(), u"To add"_s);
    QVERIFY(!import->isEnabled());

    // A path typed where the clerk clicked is taken as a chosen one.
    writeFile(p.unit.path(u"clean.csv"_s), clean.toUtf8());
    auto *field = p.in<QLineEdit>(dialog, u"ImportFile"_s);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, p.unit.path(u"clean.csv"_s));
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY(import->isEnabled());
    QCOMPARE(rows(), before); // Return reads the file; it imports nothing
    import->click();

    QTRY_VERIFY(!p.window(u"ImportDialog"_s));
    QVERIFY(p.dialogs.texts(Messenger::Kind::Information).value(0).contains(u"were imported"_s));
    QCOMPARE(rows(), before + 1);
    // A section the import added is offered at once, in the soldiers' list and the open Setup.
    const auto offered = [&] {
        auto *grid = p.find<DataGrid>(u"TDBGrid3"_s);
        const QModelIndex cell =
            grid->model()->index(0, grid->recordModel()->columnOfField(Fields::SoldierRoster::Section));
        std::unique_ptr<QWidget> editor(
            grid->itemDelegateForColumn(cell.column())->createEditor(grid->viewport(), {}, cell));
        auto *box = qobject_cast<QComboBox *>(editor.get());
        const QAbstractItemModel *sections = p.in<DataGrid>(setup, u"TDBGrid1"_s)->model();
        const bool inSetup = !sections->match(sections->index(0, 1), Qt::DisplayRole, u"Band"_s).isEmpty();
        return box && box->findText(u"Band"_s) >= 0 && inSetup;
    };
    QCOMPARE(offered(), kind == 0);

    p.dialogs.answers = {true};
    p.choose(u"MNU_Undo"_s);
    QVERIFY(p.dialogs.questions.value(0).startsWith(u"Undo the import"_s));
    QCOMPARE(rows(), before);
    QVERIFY(!offered());
    QVERIFY(setup->isVisible());
}

// File > Import reads, plans and imports a long list on a thread of its own:
// the window's thread goes on with its events meanwhile (a timer of its own
// ticks), where it stood still for the whole list before.
void tst_DraftUndo::importGoesOnWhileTheWindowAnswers()
{
    Program p;
    QWidget *dialog = p.choose(u"MNU_Import"_s, u"ImportDialog"_s);
    QVERIFY(dialog);
    QString list = u"Name,Rank,Section\n"_s;
    constexpr int kSoldiers = 3000;
    for (int i = 0; i < kSoldiers; ++i)
        list += u"Soldier %1,PV1,Band\n"_s.arg(i, 4, 10, QChar(u'0'));
    writeFile(p.unit.path(u"long.csv"_s), list.toUtf8());
    int ticks = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(0);
    p.dialogs.fileNames = {p.unit.path(u"long.csv"_s)};
    p.click(dialog, u"ImportChoose"_s);
    QCOMPARE(p.in<QTableView>(dialog, u"ImportPreview"_s)->model()->rowCount(), kSoldiers);
    QVERIFY2(ticks > 0, "the preview held the window's thread");

    ticks = 0;
    auto *import = p.in<QPushButton>(dialog, u"ImportButton"_s);
    QVERIFY(import->isEnabled());
    import->click();
    QVERIFY2(ticks > 0, "the import held the window's thread");
    QTRY_VERIFY(!p.window(u"ImportDialog"_s));
    QVERIFY(p.dialogs.texts(Messenger::Kind::Information).value(0).contains(u"were imported"_s));
    QCOMPARE(sqliteShell(p.unit.folder.personnelPath(),
                         u"SELECT count(*) FROM SoldierRoster WHERE SoldierName LIKE 'Soldier %'"_s),
             QString::number(kSoldiers));
}

// File > Change Roster: the replace picks the first free soldier in fair
// order, the swap trades two periods, the list shows each change at once,
// and Tools > Undo takes the last one back.
// A unit's own file typed and entered is refused in one message: the box
// that says so takes the focus from the field, which is no second entry.
void tst_DraftUndo::importRefusesATypedUnitFileOnce()
{
    Program p;
    QWidget *dialog = p.choose(u"MNU_Import"_s, u"ImportDialog"_s);
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    auto *field = p.in<QLineEdit>(dialog, u"ImportFile"_s);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, p.unit.folder.workingPath());
    p.dialogs.realMessageBoxes = true;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget(); box && box->inherits("QMessageBox"))
            box->close();
    });
    closer.start(50);
    QTest::keyClick(field, Qt::Key_Return);
    closer.stop();
    p.dialogs.realMessageBoxes = false;
    QCOMPARE(p.dialogs.texts(Messenger::Kind::Error).size(), 1);
    QVERIFY(p.dialogs.texts(Messenger::Kind::Error).constFirst().contains(u"one of the unit's own files"_s));
    QCOMPARE(field->text(), QString());
    QVERIFY(!p.in<QPushButton>(dialog, u"ImportButton"_s)->isEnabled());
}

// "Mend the file and choose it again": Return in the field on the same path
// reads the mended file, where the refused plan stood before.
void tst_DraftUndo::importReadsAMendedFileOnReturn()
{
    Program p;
    QWidget *dialog = p.choose(u"MNU_Import"_s, u"ImportDialog"_s);
    p.in<QComboBox>(dialog, u"ImportKind"_s)->setCurrentIndex(1);
    const QString list = p.unit.path(u"absences.csv"_s);
    writeFile(list, "Name,From,To\nAdams,2027-04-01,2027-04-02\nNobody,2027-04-01,2027-04-02\n");
    p.dialogs.fileNames = {list};
    p.click(dialog, u"ImportChoose"_s);
    const QAbstractItemModel *preview = p.in<QTableView>(dialog, u"ImportPreview"_s)->model();
    auto *import = p.in<QPushButton>(dialog, u"ImportButton"_s);
    QCOMPARE(preview->rowCount(), 2);
    QVERIFY(!import->isEnabled());

    writeFile(list, "Name,From,To\nAdams,2027-04-01,2027-04-02\n");
    auto *field = p.in<QLineEdit>(dialog, u"ImportFile"_s);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY(import->isEnabled());
    QCOMPARE(preview->rowCount(), 1);
    QCOMPARE(preview->index(0, 1).data().toString(), u"To add"_s);
}

void tst_DraftUndo::changeFromTheMenu()
{
    Program p;
    // Absent for part of the first week: not free to stand it.
    addRows(p.unit.personnel(), u"AbsentDates"_s,
            {{u"Dixon"_s, QDate(2027, 3, 16), QDate(2027, 3, 17), u"Leave"_s}});
    const QString datafile = p.unit.path(u"march.cxr"_s);
    QWidget *dialog = p.makeAndChange(datafile);
    readyWithHelpAt(p, dialog, u"23. When a soldier"_s);
    if (QTest::currentTestFailed())
        return;
    auto *periods = p.in<QTableWidget>(dialog, u"ChangePeriods"_s);
    const auto stands = [&](int row) { return periods->item(row, 3)->text(); };
    QCOMPARE(periods->rowCount(), 3);
    const QStringList before{stands(0), stands(1), stands(2)};

    periods->selectRow(0);
    p.click(dialog, u"ChangeReplace"_s);
    QDialog *replace = dialog->findChild<QDialog *>(u"Replace"_s);
    QTRY_VERIFY(replace && replace->isVisible());
    const RosterChange::Candidates fair =
        RosterChange(p.unit.folder).candidates(datafile, u"Gate Guard"_s, {1, {}});
    const auto firstFree =
        std::find_if(fair.rows.cbegin(), fair.rows.cend(), [](const auto &c) { return c.isFree(); });
    QVERIFY(firstFree != fair.rows.cend());
    auto *candidates = p.in<QTableWidget>(replace, u"ReplaceList"_s);
    QCOMPARE(candidates->rowCount(), fair.rows.size());
    QCOMPARE(candidates->item(candidates->currentRow(), 0)->text(), firstFree->soldier);
    // Why a soldier is not free tells its days as the window writes days.
    int busy = 0;
    for (int r = 0; r < candidates->rowCount(); ++r) {
        const QString why = candidates->item(r, 4)->text();
        QVERIFY2(!why.contains(QRegularExpression(u"\\d{4}-\\d\\d-\\d\\d"_s)), qPrintable(why));
        if (const std::optional<Notice> &b = fair.rows[r].busy) {
            const QDate from =
                QDate::fromString(b->values.value(b->code == NoticeCode::ChangeOnDuty ? 1 : 0), Qt::ISODate);
            QVERIFY2(from.isValid() && why.contains(FieldValues::dateText(from)), qPrintable(why));
            ++busy;
        }
    }
    QVERIFY(busy > 0);
    QTest::keyClicks(p.in<QLineEdit>(replace, u"ReplaceReason"_s), u"sick"_s);
    p.click(replace, u"ReplaceDo"_s);
    QTRY_COMPARE(stands(0), firstFree->soldier);
    QCOMPARE(sqliteShell(datafile, u"SELECT Kind, Col, SoldierOff, SoldierOn, Reason FROM changes"_s),
             u"replace|1|%1|%2|sick"_s.arg(before[0], firstFree->soldier));

    const QStringList beforeSwap{stands(0), stands(1), stands(2)};
    periods->selectRow(1);
    p.click(dialog, u"ChangeSwap"_s);
    QDialog *swap = dialog->findChild<QDialog *>(u"Swap"_s);
    QTRY_VERIFY(swap && swap->isVisible());
    auto *others = p.in<QTableWidget>(swap, u"SwapList"_s);
    QVERIFY(others->rowCount() > 0);
    const int other = others->item(0, 0)->text().toInt();
    others->selectRow(0);
    p.click(swap, u"SwapDo"_s);
    QTRY_COMPARE(stands(1), beforeSwap[other - 1]);
    QCOMPARE(stands(other - 1), beforeSwap[1]);

    p.click(dialog, u"ChangeClose"_s);
    QTRY_VERIFY(!p.window(u"RosterChangeDialog"_s));
    p.dialogs.answers = {true};
    p.choose(u"MNU_Undo"_s);
    QVERIFY2(p.dialogs.questions.value(0).startsWith(u"Undo the swap"_s),
             qPrintable(p.dialogs.questions.value(0)));
    QCOMPARE(sqliteShell(datafile, u"SELECT count(*) FROM changes"_s), u"1"_s);

    // A copy of the datafile put in its place: the undo of the replace says
    // that it leaves that file as it is, and loses nothing.
    const QByteArray replaced = readFile(datafile);
    QVERIFY(QFile::copy(datafile, datafile + u".new"_s));
    QVERIFY(::rename(QFile::encodeName(datafile + u".new"_s).constData(),
                     QFile::encodeName(datafile).constData()) == 0);
    p.dialogs.answers = {true};
    p.dialogs.questions.clear();
    p.dialogs.shown.clear();
    p.choose(u"MNU_Undo"_s);
    const QString question = p.dialogs.questions.value(0);
    QVERIFY2(question.startsWith(u"Undo the replace"_s) &&
                 question.contains(u"is not the roster datafile that change was made in"_s) &&
                 !question.contains(u"so does its roster datafile"_s) && !question.contains(u"loses"_s),
             qPrintable(question));
    const QStringList said = p.dialogs.texts(Messenger::Kind::Information);
    QVERIFY2(said.size() == 1 && said.first().startsWith(u"Undone: the replace"_s) &&
                 said.first().contains(u"leaves it as it is"_s) && !said.first().contains(u"lost"_s),
             qPrintable(said.join(u'\n')));
    QCOMPARE(readFile(datafile), replaced);
}

void tst_DraftUndo::changeAfterTheDatafileChanged_data()
{
    QTest::addColumn<bool>("swap");
    QTest::newRow("replace") << false;
    QTest::newRow("swap") << true;
}

// The datafile is put back from elsewhere while Change Roster shows it, and
// another soldier now stands the period picked: nothing is changed, neither
// the file nor the counters, the clerk is told why, and the dialog closes.
void tst_DraftUndo::changeAfterTheDatafileChanged()
{
    QFETCH(bool, swap);
    Program p;
    const QString datafile = p.unit.path(u"march.cxr"_s);
    QWidget *dialog = p.makeAndChange(datafile);
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    auto *periods = p.in<QTableWidget>(dialog, u"ChangePeriods"_s);
    periods->selectRow(1);
    const QString seen = periods->item(1, 3)->text();
    QVERIFY(!seen.isEmpty() && seen != u"—"_s);
    sqliteShell(datafile, u"UPDATE storeage SET SoldierName = 'Young' WHERE SoldierName = '%1'"_s.arg(seen),
                true);
    const QByteArray memory = p.memory(), file = readFile(datafile);
    p.dialogs.shown.clear();
    if (swap) {
        p.click(dialog, u"ChangeSwap"_s);
        QDialog *step = dialog->findChild<QDialog *>(u"Swap"_s);
        QTRY_VERIFY(step && step->isVisible());
        p.in<QTableWidget>(step, u"SwapList"_s)->selectRow(0);
        p.click(step, u"SwapDo"_s);
    } else {
        p.click(dialog, u"ChangeReplace"_s);
    }
    QTRY_VERIFY(!p.window(u"RosterChangeDialog"_s));
    const QStringList said = p.dialogs.texts(Messenger::Kind::Error);
    QVERIFY2(said.size() == 1 && said.first().startsWith(u"The roster was not changed. Young stands duty "
                                                         "'Gate Guard' from 2027-03-22 to 2027-03-28 now, "
                                                         "not %1"_s.arg(seen)),
             qPrintable(said.join(u'\n')));
    QCOMPARE(p.memory(), memory);
    QCOMPARE(readFile(datafile), file);
    QCOMPARE(RunHistory(p.unit.folder).list().entries.size(), 1);
}

// File > Change Roster reads a large roster as Open/Print does, under its
// own caption: Stop ends it before the roster's periods are shown.
void tst_DraftUndo::changeReadsALargeRosterAsOpenDoes()
{
    Program p;
    const QString path = p.unit.path(u"large.cxr"_s);
    writeLargeDatafile(path, 200000);
    if (QTest::currentTestFailed())
        return;
    p.dialogs.fileNames = {path};
    bool stopped = false;
    QString title;
    p.stopTheReadWhenShown(stopped, &title);
    p.choose(u"MNU_Change"_s);
    QVERIFY(stopped);
    QCOMPARE(title, u"Change Roster"_s);
    QVERIFY(!p.window(u"RosterChangeDialog"_s));
    QVERIFY(p.dialogs.shown.isEmpty());
}

void tst_DraftUndo::killedUndoSettledAtStart_data()
{
    QTest::addColumn<QString>("killAfter");
    QTest::addColumn<bool>("undone");
    QTest::newRow("before the commit") << u"link:-march.cxr"_s << false;
    QTest::newRow("after the commit") << u"unlink:Memory.mdb-journal"_s << true;
}

// An undo killed from the command line is settled when the window starts,
// before any list shows counters.
void tst_DraftUndo::killedUndoSettledAtStart()
{
    QFETCH(QString, killAfter);
    QFETCH(bool, undone);
    Window w(false);
    const TestUnit &unit = w.unit;
    fill(unit);
    const QString datafile = unit.path(u"march.cxr"_s);
    QCOMPARE(runWith({u"make"_s, datafile, u"--data"_s, unit.dir.path()}).status, 0);
    QVERIFY(runWith({u"undo"_s, u"--data"_s, unit.dir.path(), u"--yes"_s},
                    {u"CALENDRIX_KILL_AFTER="_s + killAfter})
                .killed);

    w.open();
    const QStringList said = w.dialogs.texts(Messenger::Kind::Information);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(undone ? u"has been completed"_s : u"was abandoned"_s),
             qPrintable(said.first()));
    QCOMPARE(QFile::exists(datafile), !undone);
    QCOMPARE(RunHistory(unit.folder).list().entries.size(), undone ? 0 : 1);
    QCOMPARE(QFileInfo::exists(unit.folder.pendingUndoPath()), false);
    // The tables are those before the run, or those the run left.
    QCOMPARE(rowCount(unit.working(), u"Memory"_s), undone ? 0 : 4);
    QCOMPARE(rowCount(unit.working(), u"Dates"_s), undone ? 0 : 3);
}

QTEST_MAIN(tst_DraftUndo)
#include "tst_DraftUndo.moc"
