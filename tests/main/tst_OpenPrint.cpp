// File > Open/Print Rosters: what is opened, in which order the reports are
// shown, and what the clerk is told when something cannot be printed.

#include "../report/DatafileBuilder.h"
#include "../report/PdfText.h"
#include "WindowFixture.h"

#include "main/ReportPreview.h"
#include "report/Report.h"
#include "report/ReportEngine.h"
#include "report/RosterReports.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

Report roster(const TestUnit &unit, const QString &datafile)
{
    ReportEngine engine;
    engine.setLayoutFile(unit.folder.rosterLayoutPath());
    engine.setDataFile(1, datafile);
    return engine.run();
}

// Dark pixels in a picture of a page.
int inkIn(const QImage &image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 100;
    return ink;
}

} // namespace

class tst_OpenPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nothingChosen_data();
    void nothingChosen();
    void remarksThenRoster_data();
    void remarksThenRoster();
    void openDialogListsBothCases();
    void openDialogShowsSizeAndTypeWhole();
    void previewShowsTheFirstPageAtOnce();
    void readingShowsProgressAndStops();
    void previewSavesAPdf();
    void draftPreviewOffersMakeItCount_data();
    void draftPreviewOffersMakeItCount();
    void unusableLayout_data();
    void unusableLayout();

private:
    QTemporaryDir m_config; // the settings Qt's file dialog keeps, apart from the tester's
};

void tst_OpenPrint::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void tst_OpenPrint::nothingChosen_data()
{
    QTest::addColumn<QString>("answer"); // WORKING: the unit's working database
    QTest::addColumn<QString>("error");  // the start of the one message, if any
    QTest::newRow("cancelled") << QString() << QString();
    QTest::newRow("the preset pattern") << u"*.CXR"_s << QString();
    QTest::newRow("not a datafile") << u"WORKING"_s << u"Neither the remarks nor the roster of '%1'"_s;
}

// Nothing is previewed; a file that is no datafile is named, and the window
// goes on working on its own databases.
void tst_OpenPrint::nothingChosen()
{
    QFETCH(QString, answer);
    QFETCH(QString, error);
    Window w(false);
    w.open();
    const QString earlier = w.unit.path(u"earlier.cxr"_s);
    writeDatafile(earlier, {gateGuard()});
    w.dialogs.fileNames = {earlier};
    w.choose(u"MNU_Open"_s);

    const QString working = w.unit.folder.workingPath();
    w.dialogs.fileNames = {answer == u"WORKING" ? working : answer.isEmpty() ? answer : w.unit.path(answer)};
    w.dialogs.previewTitles.clear();
    w.choose(u"MNU_Open"_s);
    QVERIFY(w.dialogs.previewTitles.isEmpty());
    const QStringList errors = w.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(w.dialogs.shown.size(), error.isEmpty() ? 0 : 1);
    QCOMPARE(errors.size(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty()) {
        QVERIFY2(errors[0].startsWith(error.arg(working)), qPrintable(errors[0]));
        QVERIFY(errors[0].contains(u"a Calendrix working database"_s));
        QVERIFY(w.main->isVisible());
    }
}

void tst_OpenPrint::remarksThenRoster_data()
{
    QTest::addColumn<bool>("givenAtStart");
    QTest::newRow("chosen in the dialog") << false;
    // calendrix FILE.cxr, as a file manager starts it
    QTest::newRow("given at start") << true;
}

void tst_OpenPrint::remarksThenRoster()
{
    QFETCH(bool, givenAtStart);
    Window w(false);
    w.open();
    const QString path = w.unit.path(u"march.CXR"_s);
    writeDatafile(path, {gateGuard()});
    w.dialogs.fileNames = {path};
    if (givenAtStart)
        w.main->openDatafile(path);
    else
        w.choose(u"MNU_Open"_s);
    QCOMPARE(w.dialogs.previewTitles,
             (QStringList{u"Remarks \u2013 march.CXR"_s, u"Duty roster \u2013 march.CXR"_s}));
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    const QString pdf = w.unit.path(u"march.pdf"_s);
    Report::writePdf(w.dialogs.previews, pdf, QPageSize(QPageSize::A4));
    const QList<PdfPage> pages = readPdf(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(pages[0].text().contains(u"1 Mar 2027"_s),
             qPrintable(pages[0].text())); // Adams stands the first day
    QVERIFY(pages[1].text().contains(u"Gate Guard"_s));
    QVERIFY(w.dialogs.shown.isEmpty());
}

void tst_OpenPrint::openDialogListsBothCases()
{
    TestUnit unit;
    for (const QString &name : {u"lower.cxr"_s, u"UPPER.CXR"_s, u"other.txt"_s})
        writeFile(unit.path(name), QByteArray());
    QStringList listed;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *model = dialog->findChild<QFileSystemModel *>();
        auto *view = dialog->findChild<QAbstractItemView *>(u"listView"_s);
        QVERIFY(model && view);
        QTRY_VERIFY(model->rowCount(model->index(unit.dir.path())) >= 3);
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r)
            listed.append(view->model()->index(r, 0, root).data().toString());
        dialog->reject();
    });
    WidgetDialogs real;
    QCOMPARE(real.openFileName(nullptr, u"Calendrix datafiles (*.cxr)"_s, u"*.CXR"_s, unit.dir.path()),
             QString());
    listed.sort();
    // Folders are listed too: the unit's history folder is one.
    QCOMPARE(listed, (QStringList{u"UPPER.CXR"_s, u"history"_s, u"lower.cxr"_s}));
}

// Qt's own column widths cut a datafile's size and type; the dialog shows
// them whole, and fits the screen.
void tst_OpenPrint::openDialogShowsSizeAndTypeWhole()
{
    TestUnit unit;
    writeDatafile(unit.path(u"march.cxr"_s), {gateGuard()});
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // Closed whatever is found wrong, so that the test goes on.
        const auto closing = qScopeGuard([dialog] { dialog->reject(); });
        auto *view = dialog->findChild<QTreeView *>(u"treeView"_s);
        QVERIFY(view);
        dialog->setViewMode(QFileDialog::Detail);
        const QModelIndex root = view->rootIndex();
        // The datafile's row, once its type is known.
        const auto datafileRow = [&] {
            for (int r = 0; r < view->model()->rowCount(root); ++r)
                if (view->model()->index(r, 0, root).data().toString() == u"march.cxr"_s &&
                    !view->model()->index(r, 2, root).data().toString().isEmpty())
                    return r;
            return -1;
        };
        QTRY_VERIFY(datafileRow() >= 0);
        for (int column : {1, 2}) {
            const QModelIndex cell = view->model()->index(datafileRow(), column, root);
            QVERIFY2(view->header()->sectionSize(column) >= view->sizeHintForIndex(cell).width(),
                     qPrintable(u"'%1' is %2 wide for %3"_s.arg(cell.data().toString())
                                    .arg(view->header()->sectionSize(column))
                                    .arg(view->sizeHintForIndex(cell).width())));
        }
        QVERIFY(dialog->screen()->availableGeometry().contains(dialog->frameGeometry()));
    });
    QCOMPARE(
        WidgetDialogs().openFileName(nullptr, u"Calendrix datafiles (*.cxr)"_s, u"*.CXR"_s, unit.dir.path()),
        QString());
}

// A large roster is laid out while the preview is open: its first page is
// shown before the last duty is laid out, and Stop keeps what is there.
void tst_OpenPrint::previewShowsTheFirstPageAtOnce()
{
    TestUnit unit;
    const QString path = unit.path(u"many.cxr"_s);
    QList<DutySpec> duties;
    for (int d = 0; d < 40; ++d) {
        DutySpec duty = gateGuard();
        duty.name = u"Duty %1"_s.arg(d, 2, 10, QChar(u'0'));
        duties.append(duty);
    }
    writeDatafile(path, duties);
    ReportPreview preview(roster(unit, path), nullptr);
    preview.show();
    QSignalSpy added(&preview, &ReportPreview::pagesAdded);
    QVERIFY(added.wait());
    preview.findChild<QPushButton *>(u"StopLayout"_s)->click();
    QVERIFY(!preview.layingOut());
    QVERIFY2(preview.pageCount() < 40, qPrintable(QString::number(preview.pageCount())));
    // One duty is laid out per turn of the event loop: the first, on one page.
    QCOMPARE(preview.findChild<QLabel *>(u"LayoutStatus"_s)->text(),
             u"Stopped after 1 of 40 duties: 1 page."_s);

    // The first page is on the screen: dark text on the white sheet.
    auto *view = preview.findChild<QAbstractScrollArea *>(u"PageView"_s);
    QTRY_VERIFY(inkIn(view->viewport()->grab().toImage()) > 500);
    // Paged to the end, the view shows the last page laid out.
    auto *page = preview.findChild<QSpinBox *>(u"PageNumber"_s);
    QCOMPARE(page->maximum(), preview.pageCount());
    QCOMPARE(preview.pageImage(preview.pageCount(), 300), QImage());
    QVERIFY(inkIn(preview.pageImage(preview.pageCount() - 1, 300)) > 100);
}

// A large datafile is read while the window goes on answering: how far the
// read is comes up, and Stop ends it with nothing previewed and nothing told.
void tst_OpenPrint::readingShowsProgressAndStops()
{
    Window w(false);
    w.open();
    const QString path = w.unit.path(u"large.cxr"_s);
    writeLargeDatafile(path, 200000);
    if (QTest::currentTestFailed())
        return;
    w.dialogs.fileNames = {path};
    bool stopped = false;
    w.stopTheReadWhenShown(stopped);
    w.choose(u"MNU_Open"_s);
    QVERIFY(stopped);
    QVERIFY(w.dialogs.previewTitles.isEmpty());
    QVERIFY(w.dialogs.shown.isEmpty());
}

// The preview shows the pages; Save as PDF writes the report as the command
// line would, and never in place of the datafile.
void tst_OpenPrint::previewSavesAPdf()
{
    QVERIFY2(havePdfTools(), "pdftotext is missing (scripts/deps.sh installs poppler-utils)");
    TestUnit unit;
    ScriptedDialogs dialogs;
    const QString path = unit.path(u"march.cxr"_s);
    writeDatafile(path, {gateGuard(), DutySpec{u"Kitchen"_s, u"HQ"_s, {QDate(2027, 3, 1)}, {}, {}}});
    ReportPreview preview(roster(unit, path), nullptr);
    preview.show();
    QTRY_VERIFY(!preview.layingOut());
    QCOMPARE(preview.pageCount(), 2); // one page per duty
    QCOMPARE(preview.orientation(), QPageLayout::Landscape);
    QCOMPARE(preview.windowTitle(), u"Print Preview \u2013 Duty roster \u2013 march.cxr"_s);
    QAction *save = preview.findChild<QAction *>(u"SavePdfAction"_s);

    // Never over the datafile, even through a link, nor over any other file
    // of the unit, even with leave to replace.
    const QString link = unit.path(u"link.pdf"_s);
    QVERIFY(QFile::link(path, link));
    for (const QString &file : {path, link, unit.folder.workingPath()}) {
        const QByteArray before = readFile(file);
        dialogs.fileNames = {file};
        dialogs.answers = {true};
        save->trigger();
        QCOMPARE(readFile(file), before);
    }
    QCOMPARE(dialogs.texts(Messenger::Kind::Error).size(), 3);
    QVERIFY(dialogs.texts(Messenger::Kind::Error)[1].contains(u"is the datafile or a file of the unit"_s));
    dialogs.answers.clear();

    const QString pdf = unit.path(u"march.pdf"_s);
    dialogs.fileNames = {pdf};
    save->trigger();
    const QList<PdfPage> pages = readPdf(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].text().contains(u"Adams"_s));
    QVERIFY(dialogs.questions.isEmpty());

    // Saving again asks before it replaces the file; No keeps it.
    writeFile(pdf, "mine");
    dialogs.fileNames = {pdf};
    dialogs.answers = {false};
    save->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    QCOMPARE(readFile(pdf), QByteArray("mine"));

    // Print... into a file is held to the same rules, and writes the same PDF.
    QAction *print = preview.findChild<QAction *>(u"PrintAction"_s);
    const QByteArray personnel = readFile(unit.folder.personnelPath());
    dialogs.printFiles = {unit.folder.personnelPath(), pdf};
    print->trigger();
    QCOMPARE(readFile(unit.folder.personnelPath()), personnel);
    QCOMPARE(dialogs.texts(Messenger::Kind::Error).size(), 4);
    print->trigger();
    QCOMPARE(readPdf(pdf).size(), 2);
}

// A draft's preview has one more button, "Make It Count": it closes the
// preview and says so; Close says no.
void tst_OpenPrint::draftPreviewOffersMakeItCount_data()
{
    QTest::addColumn<bool>("press");     // Make It Count
    QTest::addColumn<bool>("fileGiven"); // in its file dialog
    QTest::newRow("Make It Count") << true << true;
    QTest::newRow("Make It Count, file dialog cancelled") << true << false;
    QTest::newRow("Close") << false << false;
}

void tst_OpenPrint::draftPreviewOffersMakeItCount()
{
    QFETCH(bool, press);
    QFETCH(bool, fileGiven);
    TestUnit unit;
    const QString path = unit.path(u"march-draft.cxr"_s);
    writeDatafile(path, {gateGuard()});
    QString pressed;
    QStringList unreached{u"MakeItCountButton"_s, u"FitWidthButton"_s};
    int asked = 0;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<ReportPreview *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto *button = dialog->findChild<QToolButton *>(u"MakeItCountButton"_s);
        QVERIFY(button);
        QVERIFY(button->isVisible());
        // Tab reaches every tool, this one and Fit Width among them.
        QWidget *w = dialog;
        while ((w = w->nextInFocusChain()) != dialog)
            unreached.removeAll(w->focusPolicy() & Qt::TabFocus ? w->objectName() : QString());
        if (press) {
            pressed = button->text();
            QTest::mouseClick(button, Qt::LeftButton);
        }
        // Without a file the preview stays, for another try or Close.
        if (!fileGiven) {
            QVERIFY(dialog->isVisible());
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
        }
    });
    const bool counted = WidgetDialogs().previewDraft(nullptr, roster(unit, path), [&](QWidget *) {
        ++asked;
        return fileGiven;
    });
    QCOMPARE(counted, press && fileGiven);
    QCOMPARE(asked, press ? 1 : 0);
    QCOMPARE(pressed, press ? u"Make It Count"_s : QString());
    QCOMPARE(unreached, QStringList());
}

void tst_OpenPrint::unusableLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing") << u"Remarks.rpt"_s << QByteArray() << u"Remarks.rpt' does not exist"_s;
    QTest::newRow("empty") << u"Roster.rpt"_s << QByteArray("\n  \n") << u"Roster.rpt' is empty"_s;
    QTest::newRow("30,000 nested sections")
        << u"Remarks.rpt"_s
        << "[layout]\nreport = remarks\n[texts]\ntitle = " + QByteArray("{{#duty}}").repeated(30000) +
               QByteArray("{{/duty}}").repeated(30000)
        << u"Remarks.rpt' has an error in line 4: sections are nested more than 64 deep"_s;
    QTest::newRow("an unknown key") << u"Roster.rpt"_s
                                    << QByteArray(
                                           "[layout]\nreport = roster\ndatafile = 1\n[page]\ncolour = red\n")
                                    << u"Roster.rpt' has an error in line 5: [page] has no key 'colour'"_s;
}

// The window reads a layout as the command line does: one message names the
// layout and what is wrong, and the other report is still shown.
void tst_OpenPrint::unusableLayout()
{
    QFETCH(QString, layout);
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    Window w(false);
    w.open();
    if (content.isNull())
        QVERIFY(QFile::remove(w.unit.path(layout)));
    else
        writeFile(w.unit.path(layout), content);
    const QString path = w.unit.path(u"march.cxr"_s);
    writeDatafile(path, {gateGuard()});
    w.dialogs.fileNames = {path};
    w.choose(u"MNU_Open"_s);
    const QStringList errors = w.dialogs.texts(Messenger::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(says), qPrintable(errors[0]));
    const QString report = layout == u"Roster.rpt" ? u"roster"_s : u"remarks"_s;
    QVERIFY2(errors[0].contains(u"The %1 of '%2' could not be printed."_s.arg(report, path)),
             qPrintable(errors[0]));
    QCOMPARE(w.dialogs.previewTitles,
             QStringList{layout == u"Roster.rpt" ? u"Remarks \u2013 march.cxr"_s
                                                 : u"Duty roster \u2013 march.cxr"_s});
}

QTEST_MAIN(tst_OpenPrint)
#include "tst_OpenPrint.moc"
