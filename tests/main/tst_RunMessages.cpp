#include "WindowFixture.h"

#include "main/RunMessenger.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

// A duty that nobody is qualified for, with two periods: the run says so
// twice; the kitchen's period lets it finish.
void addUnmannedDuty(const TestUnit &unit)
{
    const Database db = unit.personnel();
    addRows(db, u"DutyDates"_s, {{u"Armory"_s, u"HQ"_s, false, true}}); // Q2: nobody holds it
    addRows(db, u"WorkSchedule"_s,
            {{u"Armory"_s, QDate(2027, 3, 15), QDate(2027, 3, 15)},
             {u"Armory"_s, QDate(2027, 3, 16), QDate(2027, 3, 16)},
             {u"Kitchen"_s, QDate(2027, 3, 15), QDate(2027, 3, 15)}});
}

QStringList visibleWindows()
{
    QStringList out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            out.append(QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName());
    return out;
}

// What the screen looked like while each of the run's messages was open.
struct Seen {
    QString text;
    QString modal; // the widget holding the input, if any
    QStringList visible;
    bool busyPointer;
};

// Scripted answers that note what the screen looked like at each message.
class ScreenWatch : public ScriptedDialogs
{
public:
    QList<Seen> seen;
    void inform(QWidget *parent, Messenger::Kind kind, const QString &text) override
    {
        ScriptedDialogs::inform(parent, kind, text);
        QWidget *modal = QApplication::activeModalWidget();
        seen.append({text, modal ? QString::fromLatin1(modal->metaObject()->className()) : QString(),
                     visibleWindows(), QApplication::overrideCursor() != nullptr});
    }
};

// The program's real message boxes; only the file name is scripted.
class RealBoxes : public WidgetDialogs
{
public:
    QString target;
    RealBoxes() { UserDialogs::setInstance(this); }
    ~RealBoxes() override { UserDialogs::setInstance(nullptr); }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return target; }
};

// Notes a request to end the program, however it comes.
struct QuitWatch : QObject {
    bool quitAsked = false;
    QuitWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit)
            quitAsked = true;
        return false;
    }
};

} // namespace

class tst_RunMessages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName(u"Calendrix"_s); }
    void realBoxesAnsweredWithReturn();
    void progressStepsAsideForMessages();
};

void tst_RunMessages::realBoxesAnsweredWithReturn()
{
    Window w;
    addUnmannedDuty(w.unit);
    MainWindow &main = w.open();
    RealBoxes boxes;
    boxes.target = w.unit.path(u"March.cxr"_s);

    // A person at the screen: waits a second at the first box, then presses
    // Return on whatever holds the input. Anything but a message box there is
    // noted, and then got out of the way with Escape as the person would.
    QStringList answered, covering;
    QList<int> widths, titleWidths;
    QElapsedTimer sinceFirst;
    QTimer person;
    person.setInterval(50);
    QObject::connect(&person, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            covering.append(QString::fromLatin1(modal->metaObject()->className()));
            QTest::keyClick(modal, Qt::Key_Escape);
            return;
        }
        if (answered.isEmpty()) {
            if (!sinceFirst.isValid())
                sinceFirst.start();
            if (sinceFirst.elapsed() < 1000)
                return;
        }
        answered.append(box->text());
        widths.append(box->width());
        titleWidths.append(box->fontMetrics().horizontalAdvance(box->windowTitle()));
        QTest::keyClick(box, Qt::Key_Return);
    });

    QuitWatch quitWatch; // closing the last visible window must not end the program
    bool returned = false;
    QTimer::singleShot(0, [&] {
        person.start();
        w.action(u"MNU_Make"_s)->trigger();
        returned = true;
        QCoreApplication::exit(7);
    });
    const int status = QCoreApplication::exec();
    person.stop();

    QVERIFY(returned);
    QCOMPARE(status, 7);
    QVERIFY(!quitWatch.quitAsked);
    QVERIFY2(covering.isEmpty(), qPrintable(u"boxes covered by "_s + covering.join(u", "_s)));
    QCOMPARE(answered.size(), 3);
    // Days as the lists show them.
    QCOMPARE(answered.first(), u"No qualified soldier is available for Armory on 15 Mar 2027"_s);
    QCOMPARE(answered.last(), u"Finished"_s);
    // Room for the title beside the window's own buttons.
    for (int i = 0; i < widths.size(); ++i)
        QVERIFY2(widths[i] >= titleWidths[i] + 150 && widths[i] >= 300,
                 qPrintable(u"'%1' is %2 wide"_s.arg(answered[i]).arg(widths[i])));
    QVERIFY(main.isVisible());
    QVERIFY(!QApplication::overrideCursor());
}

void tst_RunMessages::progressStepsAsideForMessages()
{
    ScreenWatch reader;
    QWidget window;
    window.setObjectName(u"Main"_s);
    window.show();
    const auto progressWindow = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == u"RunProgress")
                return w;
        return static_cast<QWidget *>(nullptr);
    };
    {
        RunMessenger messenger(&window);
        messenger.started();
        QVERIFY(!window.isVisible());
        QVERIFY(QApplication::overrideCursor());
        messenger.progress(1, 10);
        QVERIFY(!progressWindow()); // a short run shows none
        QTest::qWait(800);
        messenger.progress(2, 10);
        QVERIFY(progressWindow() && progressWindow()->isVisible());
        QVERIFY(!progressWindow()->isModal());
        QVERIFY(!QApplication::quitOnLastWindowClosed());

        messenger.inform({Messenger::Kind::Information, NoticeCode::RunNoCandidate, {u"Armory"_s, {}}});
        QVERIFY(reader.seen.last().visible.isEmpty());
        QVERIFY(!reader.seen.last().busyPointer);
        QVERIFY(QApplication::overrideCursor()); // busy again while the run goes on
        messenger.progress(3, 10);
        QVERIFY(progressWindow()->isVisible());
    }
    QVERIFY(!progressWindow());
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(QApplication::quitOnLastWindowClosed());
}

QTEST_MAIN(tst_RunMessages)
#include "tst_RunMessages.moc"
