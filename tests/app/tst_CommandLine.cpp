#include "RunCalendrix.h"
#include "TestUnit.h"
#include "app/CommandLine.h"
#include "app/Language.h"
#include "app/NoticeText.h"
#include "app/Startup.h"
#include "store/FolderLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void usage_data();
    void usage();
    void languageChoice_data();
    void languageChoice();
    void languageWays_data();
    void languageWays();
    void initRepairSetsDamagedFilesAside();
    void hugePagesOnlyWhereOffered_data();
    void hugePagesOnlyWhereOffered();
    void heapGrowsFromAHugePageBoundary();
    void demoScales_data();
    void demoScales();
    void demoRefusesAnExistingUnit();
    void withoutTheGuiProgram_data();
    void withoutTheGuiProgram();
    void windowWithoutDisplay_data();
    void windowWithoutDisplay();
    void folderThatIsNotAUnitFolder_data();
    void folderThatIsNotAUnitFolder();
    void makeRecordsPeriodsBesideAnUnchangedRoster_data();
    void makeRecordsPeriodsBesideAnUnchangedRoster();
    void makeExitStatus_data();
    void makeExitStatus();
    void datafileOpensItsUnit_data();
    void datafileOpensItsUnit();
    void noticesInGerman_data();
    void noticesInGerman();
    void outputThatCannotBeWritten_data();
    void outputThatCannotBeWritten();
    void outputOverWhatIsNoFile_data();
    void outputOverWhatIsNoFile();
    void readersWhileTheUnitIsOpen_data();
    void readersWhileTheUnitIsOpen();
};

Q_DECLARE_METATYPE(calendrix::Notice)

namespace {

QByteArray folderHash(const QString &dir)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        h.addData(name.toUtf8());
        h.addData(readFile(QDir(dir).filePath(name)));
    }
    return h.result();
}

} // namespace

void tst_CommandLine::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"demo DIR"_s;
    QTest::newRow("init help") << QStringList{u"init"_s, u"--help"_s} << 0 << u"init DIR"_s;
    QTest::newRow("demo help") << QStringList{u"demo"_s, u"--help"_s} << 0 << u"--scale"_s;
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2 << u"unknown command"_s;
    QTest::newRow("init without folder") << QStringList{u"init"_s} << 2 << u"init DIR"_s;
    QTest::newRow("unknown option") << QStringList{u"init"_s, u"x"_s, u"--force"_s} << 2 << u"force"_s;
    QTest::newRow("bad scale") << QStringList{u"demo"_s, u"x"_s, u"--scale"_s, u"army"_s} << 2 << u"army"_s;
    QTest::newRow("bad seed") << QStringList{u"demo"_s, u"x"_s, u"--seed"_s, u"abc"_s} << 2 << u"abc"_s;
    QTest::newRow("negative seed") << QStringList{u"demo"_s, u"x"_s, u"--seed"_s, u"-1"_s} << 2
                                   << u"--seed must be a whole number from 0, not '-1'"_s;
    QTest::newRow("bad date") << QStringList{u"demo"_s, u"x"_s, u"--from"_s, u"2027-13-01"_s} << 2
                              << u"2027-13-01"_s;
    QTest::newRow("desktop with unknown option") << QStringList{u"--frobnicate"_s} << 2 << u"frobnicate"_s;
    QTest::newRow("make with an empty name") << QStringList{u"make"_s, u""_s} << 2 << u"make OUT.cxr"_s;
    QTest::newRow("make with an empty --data")
        << QStringList{u"make"_s, u"x.cxr"_s, u"--data"_s, u""_s} << 2 << u"--data"_s;
    QTest::newRow("print with an empty name")
        << QStringList{u"print"_s, u""_s, u"--pdf"_s, u"x.pdf"_s} << 2 << u"print FILE.cxr"_s;
    QTest::newRow("print with an empty --data")
        << QStringList{u"print"_s, u"x.cxr"_s, u"--pdf"_s, u"x.pdf"_s, u"--data"_s, u""_s} << 2
        << u"--data"_s;
    QTest::newRow("desktop with an empty --data") << QStringList{u"--data"_s, u""_s} << 2 << u"--data"_s;
    // The longest duty kind's 36 weekly periods must end by 9999-12-31.
    QTest::newRow("demo a day too late")
        << QStringList{u"demo"_s, u"x"_s, u"--from"_s, u"9999-04-25"_s} << 2 << u"9999-04-24"_s;
    QTest::newRow("demo from the last day")
        << QStringList{u"demo"_s, u"x"_s, u"--from"_s, u"9999-12-31"_s} << 2 << u"9999-04-24"_s;
    QTest::newRow("init help names --repair") << QStringList{u"init"_s, u"--help"_s} << 0 << u"--repair"_s;
    QTest::newRow("overview names --repair") << QStringList{u"--help"_s} << 0 << u"--repair"_s;
    QTest::newRow("overview names --version") << QStringList{u"--help"_s} << 0 << u"--version"_s;
#ifdef CALENDRIX_WITHOUT_WINDOW
    QTest::newRow("no command and no window") << QStringList{} << 2 << u"give a command"_s;
#endif
    QTest::newRow("overview names undo") << QStringList{u"--help"_s} << 0 << u"undo "_s;
    QTest::newRow("make help names --draft") << QStringList{u"make"_s, u"--help"_s} << 0 << u"--draft"_s;
    QTest::newRow("undo help names --force") << QStringList{u"undo"_s, u"--help"_s} << 0 << u"--force"_s;
    // A command's help says what it does, one blank line from the usage and the options.
    QTest::newRow("print help says what it does")
        << QStringList{u"print"_s, u"--help"_s} << 0
        << u"[--replace]\n\nPrint a roster datafile's remarks and roster into one PDF file"_s;
    QTest::newRow("history help says what it does")
        << QStringList{u"history"_s, u"--help"_s} << 0 << u"[--data DIR]\n\nList the roster runs"_s;
    QTest::newRow("undo with a file") << QStringList{u"undo"_s, u"x.cxr"_s} << 2 << u"undo takes no file"_s;
    QTest::newRow("history with an empty --data")
        << QStringList{u"history"_s, u"--data"_s, u""_s} << 2 << u"--data"_s;
    QTest::newRow("history of a missing folder")
        << QStringList{u"history"_s, u"--data"_s, u"no such unit"_s} << 1 << u"does not exist"_s;
    QTest::newRow("desktop with a missing datafile")
        << QStringList{u"no such roster.cxr"_s} << 1 << u"The roster datafile"_s;
    QTest::newRow("desktop with two datafiles")
        << QStringList{u"a.cxr"_s, u"b.cxr"_s} << 2 << u"unknown command 'b.cxr'"_s;
    QTest::newRow("unknown language")
        << QStringList{u"--lang"_s, u"fr"_s, u"--help"_s} << 2 << u"--lang must be de, nb or en, not 'fr'"_s;
    QTest::newRow("language without a value")
        << QStringList{u"init"_s, u"x"_s, u"--lang"_s} << 2 << u"--lang"_s;
    // Taken out before the command reads its options, wherever it stands.
    QTest::newRow("language before a command")
        << QStringList{u"--lang=en"_s, u"init"_s, u"--help"_s} << 0 << u"--repair"_s;
    QTest::newRow("undo in a missing folder")
        << QStringList{u"undo"_s, u"--data"_s, u"no such unit"_s, u"--yes"_s} << 1 << u"no such unit"_s;
}

void tst_CommandLine::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir cwd;
    const Result r = runCalendrix(arguments);
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    if (status == 2)
        QCOMPARE(r.err.trimmed().count(u'\n'), 0); // one line
    QVERIFY(!QFile::exists(u"x"_s));
}

void tst_CommandLine::languageChoice_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing known") << u""_s << u""_s << u""_s << u"en"_s;
    QTest::newRow("LANG") << u""_s << u""_s << u"LANG=de_DE.UTF-8"_s << u"de"_s;
    QTest::newRow("LC_MESSAGES before LANG")
        << u""_s << u""_s << u"LC_MESSAGES=nb_NO.UTF-8 LANG=de_DE.UTF-8"_s << u"nb"_s;
    QTest::newRow("LC_ALL before LC_MESSAGES")
        << u""_s << u""_s << u"LC_ALL=de_DE@euro LC_MESSAGES=nb_NO"_s << u"de"_s;
    QTest::newRow("LANGUAGE before LC_ALL")
        << u""_s << u""_s << u"LANGUAGE=nb:de LC_ALL=de_DE.UTF-8"_s << u"nb"_s;
    QTest::newRow("LANGUAGE passes over a language not spoken")
        << u""_s << u""_s << u"LANGUAGE=fr:de LANG=en_US.UTF-8"_s << u"de"_s;
    QTest::newRow("LANGUAGE of languages not spoken")
        << u""_s << u""_s << u"LANGUAGE=fr:sv LANG=de_DE.UTF-8"_s << u"en"_s;
    QTest::newRow("LANGUAGE not read in the C locale")
        << u""_s << u""_s << u"LANGUAGE=de LANG=C.UTF-8"_s << u"en"_s;
    QTest::newRow("Nynorsk desktop reads Bokmål") << u""_s << u""_s << u"LANG=nn_NO.UTF-8"_s << u"nb"_s;
    QTest::newRow("remembered before the desktop") << u""_s << u"de"_s << u"LANG=nb_NO.UTF-8"_s << u"de"_s;
    QTest::newRow("--lang before the remembered") << u"en"_s << u"de"_s << u"LANG=nb_NO.UTF-8"_s << u"en"_s;
    QTest::newRow("remembered language not spoken") << u""_s << u"fr"_s << u"LANG=nb_NO.UTF-8"_s << u"nb"_s;
}

void tst_CommandLine::languageChoice()
{
    QFETCH(QString, option);
    QFETCH(QString, remembered);
    QFETCH(QString, environment);
    QFETCH(QString, expected);
    QHash<QString, QString> variables;
    for (const QString &pair : environment.split(u' ', Qt::SkipEmptyParts))
        variables.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    const QString desktop = Language::fromEnvironment(
        [&variables](const char *name) { return variables.value(QString::fromLatin1(name)); });
    QCOMPARE(Language::choose(option, remembered, desktop), expected);
}

void tst_CommandLine::languageWays_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("desktopWays");
    QTest::addColumn<QLocale::Language>("dates");
    QTest::newRow("German chosen") << u"de"_s << false << QLocale::German;
    QTest::newRow("Bokmål chosen") << u"nb"_s << false << QLocale::NorwegianBokmal;
    // LANGUAGE asks for the words only; dates stay as the desktop writes them.
    QTest::newRow("German from the desktop") << u"de"_s << true << QLocale::system().language();
}

void tst_CommandLine::languageWays()
{
    QFETCH(QString, code);
    QFETCH(bool, desktopWays);
    QFETCH(QLocale::Language, dates);
    Language::install(code, desktopWays ? Language::Ways::Desktop : Language::Ways::OfLanguage);
    const QLocale::Language shown = QLocale().language();
    Language::install(u"en"_s, Language::Ways::Desktop);
    QCOMPARE(shown, dates);
}

void tst_CommandLine::initRepairSetsDamagedFilesAside()
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"unit"_s);
    const Result made = runCalendrix({u"init"_s, dir});
    QCOMPARE(made.status, 0);
    // three databases, the history folder, the help files and two layouts
    QCOMPARE(made.out.count(u"created"_s), 9);
    for (const QString &file : {u"Roster.hlp"_s, u"Roster.de.hlp"_s, u"Roster.nb.hlp"_s, u"Roster.rpt"_s,
                                u"Remarks.rpt"_s, u"history"_s})
        QVERIFY(made.out.contains(file));
    const UnitFolder folder(dir);
    addRows(Database::open(folder.personnelPath(), FileKind::Personnel), u"Sections"_s, {{u"HQ"_s}});
    writeFile(folder.workingPath(), "not a database");
    writeFile(folder.filePath(u"Roster.rpt"_s), "<html><body>{{#duties}}</body></html>"); // never closed
    QVERIFY(QProcess::execute(u"mkfifo"_s, {folder.absencePath()}) == 0);

    const Result r = runCalendrix({u"init"_s, dir, u"--repair"_s});
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QStringList setAside, created;
    for (const QString &line : lines) {
        if (line.startsWith(u"set aside "_s))
            setAside.append(QFileInfo(line.section(u' ', 2, 2)).fileName());
        else if (line.startsWith(u"created "_s))
            created.append(QFileInfo(line.section(u' ', 1)).fileName());
    }
    const QStringList expected{u"Memory.mdb"_s, u"ROSTER2.INI"_s, u"Roster.rpt"_s};
    setAside.sort();
    created.sort();
    QCOMPARE(setAside, expected);
    QCOMPARE(created, expected);
    QCOMPARE(QDir(dir).entryList({u"*.damaged-*"_s}, QDir::AllEntries | QDir::System).size(), 3);
    QVERIFY(Database::open(folder.workingPath(), FileKind::Working).isOpen());
}

void tst_CommandLine::hugePagesOnlyWhereOffered_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("offered");
    // Every setting names all three choices; only the one in brackets counts.
    QTest::newRow("madvise") << QByteArray("always [madvise] never\n") << true;
    QTest::newRow("always") << QByteArray("[always] madvise never\n") << true;
    QTest::newRow("never") << QByteArray("always madvise [never]\n") << false;
    QTest::newRow("no such setting") << QByteArray() << false;
}

void tst_CommandLine::hugePagesOnlyWhereOffered()
{
    QFETCH(QByteArray, setting);
    QFETCH(bool, offered);
    QCOMPARE(Startup::offersHugePages(std::string_view(setting.constData(), size_t(setting.size()))),
             offered);
}

// The first large block after the reserve starts on a huge page, wherever
// the heap began: the free head below the boundary is filled. In a copy of
// this process, as the reserve changes the heap for good.
void tst_CommandLine::heapGrowsFromAHugePageBoundary()
{
    enum : int { OnBoundary = 0, Elsewhere = 1, NotReserved = 2 };
    const pid_t pid = fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        if (!Startup::reserveHeap())
            _exit(NotReserved);
        constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
        const auto block = reinterpret_cast<std::uintptr_t>(std::malloc(std::size_t(4) << 20));
        // A head of one word pair is too small to fill; the block then sits
        // just below the boundary.
        const std::uintptr_t offset = block % kHugePage;
        _exit(offset == 0 || kHugePage - offset <= 16 ? OnBoundary : Elsewhere);
    }
    int status = 0;
    QCOMPARE(waitpid(pid, &status, 0), pid);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == NotReserved)
        QSKIP("This system gives no huge pages, or the build has an allocator of its own.");
    QCOMPARE(WEXITSTATUS(status), int(OnBoundary));
}

void tst_CommandLine::demoScales_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("soldiers");
    QTest::addColumn<int>("duties");
    QTest::addColumn<QDate>("lastScheduled"); // invalid: not checked
    QTest::newRow("company") << u"company"_s << QDate(2027, 3, 1) << 150 << 10 << QDate();
    // Written as --paper and --lang may be.
    QTest::newRow("Company") << u"Company"_s << QDate(2027, 3, 1) << 150 << 10 << QDate();
    QTest::newRow("battalion") << u"battalion"_s << QDate(2027, 3, 1) << 800 << 30 << QDate();
    // The limit on --from is the real one, not a guess.
    QTest::newRow("brigade from the latest day")
        << u"brigade"_s << QDate(9999, 4, 24) << 4000 << 80 << QDate(9999, 12, 31);
}

void tst_CommandLine::demoScales()
{
    QFETCH(QString, scale);
    QFETCH(QDate, from);
    QFETCH(int, soldiers);
    QFETCH(int, duties);
    QFETCH(QDate, lastScheduled);
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"unit"_s);
    const Result r =
        runCalendrix({u"demo"_s, dir, u"--scale"_s, scale, u"--from"_s, from.toString(Qt::ISODate)});
    QCOMPARE(r.status, 0);

    const Database db = Database::open(UnitFolder(dir).personnelPath(), FileKind::Personnel);
    RecordSet people(db, u"SoldierRoster"_s);
    QCOMPARE(rowCount(people), soldiers);
    QSet<QString> names;
    for (; !people.eof(); people.moveNext()) {
        names.insert(people.value(1).toString());
        const QString rank = people.text(2);
        QVERIFY2(rank == u"?" || (rank.size() == 1 && rank >= u"A" && rank <= u"W"), qPrintable(rank));
    }
    QCOMPARE(names.size(), soldiers); // names identify soldiers

    RecordSet dutyList(db, u"DutyDates"_s);
    QCOMPARE(rowCount(dutyList), duties);
    QHash<QString, int> periods;
    QDate last;
    for (const QString &table : {u"WorkSchedule"_s, u"AbsentDates"_s, u"Holiday"_s}) {
        RecordSet rs(db, table);
        QVERIFY(!rs.eof());
        for (; !rs.eof(); rs.moveNext()) {
            for (int field : {2, 3})
                QVERIFY2(rs.value(field).toDate().isValid() &&
                             rs.value(field).toDate() <= QDate(9999, 12, 31),
                         qPrintable(table + u' ' + rs.text(1) + u' ' + rs.text(field)));
            if (table != u"WorkSchedule")
                continue;
            ++periods[rs.text(1)];
            QVERIFY(rs.value(2).toDate() <= rs.value(3).toDate());
            QVERIFY(rs.value(2).toDate() >= from);
            last = std::max(last, rs.value(3).toDate());
        }
    }
    if (lastScheduled.isValid())
        QCOMPARE(last, lastScheduled);
    for (; !dutyList.eof(); dutyList.moveNext()) {
        const int n = periods.value(dutyList.text(1));
        QVERIFY2(n >= 1 && n <= 36, qPrintable(dutyList.text(1)));
    }
    RecordSet titles(db, u"Qualifications"_s);
    QVERIFY(!titles.text(1).isEmpty());
    QVERIFY(titles.value(15).isNull());
}

void tst_CommandLine::demoRefusesAnExistingUnit()
{
    QTemporaryDir tmp;
    QCOMPARE(runCalendrix({u"init"_s, tmp.path()}).status, 0);
    const QByteArray before = folderHash(tmp.path());
    const Result r = runCalendrix({u"demo"_s, tmp.path()});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(u"already holds a unit"_s), qPrintable(r.err));
    QCOMPARE(folderHash(tmp.path()), before);
}

void tst_CommandLine::withoutTheGuiProgram_data()
{
    QTest::addColumn<QStringList>("arguments"); // UNIT stands for a fresh folder
    QTest::addColumn<bool>("guiProgram");
    QTest::newRow("window") << QStringList{u"--data"_s, u"UNIT"_s} << true;
    QTest::newRow("print") << QStringList{u"print"_s, u"UNIT/r.cxr"_s, u"--pdf"_s, u"UNIT/r.pdf"_s} << true;
    QTest::newRow("fairness") << QStringList{u"fairness"_s, u"--data"_s, u"UNIT"_s} << true;
    QTest::newRow("init") << QStringList{u"init"_s, u"UNIT/new"_s} << true;
    QTest::newRow("export") << QStringList{u"export"_s, u"UNIT/r.cxr"_s, u"--csv"_s, u"UNIT/r.csv"_s} << true;
    QTest::newRow("export-personnel") << QStringList{u"export-personnel"_s, u"UNIT/s.xlsx"_s} << true;
    QTest::newRow("--lang and print") << QStringList{u"--lang"_s, u"de"_s, u"print"_s, u"--help"_s} << true;
    QTest::newRow("import") << QStringList{u"import"_s, u"UNIT/a.csv"_s, u"--data"_s, u"UNIT"_s} << true;
    QTest::newRow("history") << QStringList{u"history"_s, u"--data"_s, u"UNIT/none"_s} << false;
    QTest::newRow("make --help") << QStringList{u"make"_s, u"--help"_s} << false;
}

// calendrix alone, where calendrix-gui is not beside it nor installed: the
// commands it runs itself still work, and the others say in one line what
// is missing, and touch nothing.
void tst_CommandLine::withoutTheGuiProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, guiProgram);
    const QTemporaryDir place, unit;
    const QString lone = place.filePath(u"bin/calendrix"_s);
    QVERIFY(QDir().mkpath(place.filePath(u"bin"_s)));
    QVERIFY(QFile::copy(qEnvironmentVariable("CALENDRIX_BIN"), lone));
    for (QString &a : arguments)
        a.replace(u"UNIT"_s, unit.path());
    QProcess p;
    p.setProcessEnvironment(childEnvironment());
    p.start(lone, arguments);
    QVERIFY(p.waitForFinished(60000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    if (!guiProgram) {
        QVERIFY2(!err.contains(u"calendrix-gui"_s), qPrintable(err));
        return;
    }
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY2(err.contains(place.filePath(u"libexec/calendrix/calendrix-gui"_s)) &&
                 err.contains(u"Calendrix"_s),
             qPrintable(err));
    QCOMPARE(QDir(unit.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void tst_CommandLine::windowWithoutDisplay_data()
{
    QTest::addColumn<QString>("display"); // empty: none named
    QTest::newRow("none named") << QString();
    QTest::newRow("one that is not there") << u":31999"_s;
}

// The window cannot open; the program says so in one line and ends, before
// it takes the unit.
void tst_CommandLine::windowWithoutDisplay()
{
#ifdef CALENDRIX_WITHOUT_WINDOW
    QSKIP("this build has no window");
#endif
    QFETCH(QString, display);
    const QTemporaryDir unit;
    QProcessEnvironment env = childEnvironment();
    for (const QString &name :
         {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"XDG_SESSION_TYPE"_s})
        env.remove(name);
    if (!display.isEmpty())
        env.insert(u"DISPLAY"_s, display);
    QProcess desktop;
    desktop.setProcessEnvironment(env);
    desktop.start(qEnvironmentVariable("CALENDRIX_BIN"), {u"--data"_s, unit.path()});
    QVERIFY(desktop.waitForFinished(60000));
    QCOMPARE(desktop.exitStatus(), QProcess::NormalExit);
    QCOMPARE(desktop.exitCode(), 1);
    const QString err = QString::fromUtf8(desktop.readAllStandardError());
    QCOMPARE(err.count(u'\n'), 1);
    QVERIFY2(err.contains(u"needs a display"_s) && err.contains(u"other commands"_s), qPrintable(err));
    QCOMPARE(QDir(unit.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void tst_CommandLine::folderThatIsNotAUnitFolder_data()
{
    QTest::addColumn<QString>("command"); // empty for the window
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing") << QString() << u"missing"_s << u"does not exist"_s;
    QTest::newRow("a file") << QString() << u"file"_s << u"is not a folder"_s;
    QTest::newRow("init on a file") << u"init"_s << u"file"_s << u"is not a folder"_s;
    QTest::newRow("demo on a file") << u"demo"_s << u"file"_s << u"is not a folder"_s;
}

void tst_CommandLine::folderThatIsNotAUnitFolder()
{
    QFETCH(QString, command);
    QFETCH(QString, what);
    QFETCH(QString, says);
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(u"unit"_s);
    if (what == u"file")
        writeFile(dir, "not a folder");
    const QString shown = QDir::toNativeSeparators(dir);

    // The window is not opened on it; the program says so and ends. Before a
    // window could wait for an answer, it must end on its own (a program
    // still waiting has no status). A unit is not made there either.
    const Result r =
        runCalendrix(command.isEmpty() ? QStringList{u"--data"_s, dir} : QStringList{command, dir});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(says) && r.err.contains(shown), qPrintable(r.err));
    if (what == u"file")
        QCOMPARE(readFile(dir), QByteArray("not a folder"));
}

void tst_CommandLine::makeRecordsPeriodsBesideAnUnchangedRoster_data()
{
    QTest::addColumn<bool>("oldTemplate");
    QTest::newRow("template with periods") << false;
    QTest::newRow("template made before periods") << true;
}

// The header and storeage tables are what the report layouts of every unit
// read: adding the periods table must leave them exactly as they were. The
// hashes are of the sqlite3 shell's dump of each table, made by the program
// before it wrote periods, from the same example unit; they hold the example
// unit to its seed too.
void tst_CommandLine::makeRecordsPeriodsBesideAnUnchangedRoster()
{
    QFETCH(bool, oldTemplate);
    QTemporaryDir tmp;
    const QString unit = tmp.filePath(u"unit"_s);
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--seed"_s, u"1"_s, u"--from"_s, u"2027-03-01"_s}).status, 0);
    const QString templatePath = UnitFolder(unit).templatePath();
    if (oldTemplate)
        dropTable(templatePath, FileKind::Roster, u"periods"_s);
    QCOMPARE(sqliteShell(templatePath, u".schema periods"_s).isEmpty(), oldTemplate);
    const QString out = tmp.filePath(u"March.cxr"_s);
    const Result made = runCalendrix({u"make"_s, out, u"--data"_s, unit});
    QCOMPARE(made.status, 0);
    QCOMPARE(made.out, u"Finished\n"_s);
    for (const QString &line : made.err.split(u'\n', Qt::SkipEmptyParts))
        QVERIFY2(line.startsWith(u"INFORMATION: No qualified soldier is available for "_s), qPrintable(line));

    const auto dumpHash = [&](const QString &table) {
        return QCryptographicHash::hash(sqliteShell(out, u".dump "_s + table).toUtf8(),
                                        QCryptographicHash::Sha256)
            .toHex();
    };
    QCOMPARE(dumpHash(u"header"_s), "e2f446e2b42df759991c2709097846b4c12769ae9bf8feb1d4ffe86fed6893e3");
    QCOMPARE(dumpHash(u"storeage"_s), "3237ed287b74b71cb540c1e196cbe183606aeb5fc391b5a773c117ba70969072");

    QCOMPARE(sqliteShell(out, u".schema periods"_s),
             u"CREATE TABLE IF NOT EXISTS \"periods\" (\"ID\" INTEGER PRIMARY KEY AUTOINCREMENT, "
             "\"DutyName\" TEXT, \"Col\" INTEGER, \"From\" DATE, \"To\" DATE);"_s);
}

void tst_CommandLine::makeExitStatus_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // on standard error
    QTest::newRow("target exists") << u"exists"_s << 4
                                   << u"QUESTION: File already exists.  Do you want to replace old.cxr?"_s;
    QTest::newRow("target exists, --replace") << u"replace"_s << 0 << u""_s;
    QTest::newRow("holiday limit") << u"holidays"_s << 3 << u"ERROR: Number of Holidays exceeds 99 maximum"_s;
    QTest::newRow("template without its header row") << u"template"_s << 1 << u"--repair"_s;
    QTest::newRow("unit open in another copy") << u"locked"_s << 1 << u"is already open in another copy"_s;
    QTest::newRow("unit held by another program")
        << u"held"_s << 1 << u"in use by another program, sqlite3"_s;
    QTest::newRow("no datafile named") << u"usage"_s << 2 << u"make OUT.cxr"_s;
    // A German desktop: German words, the same exit statuses.
    QTest::newRow("target exists, German")
        << u"exists de"_s << 4 << u"FRAGE: Die Datei ist bereits vorhanden."_s;
    QTest::newRow("holiday limit, German") << u"holidays de"_s << 3 << u"FEHLER: "_s;
    QTest::newRow("no datafile named, German")
        << u"usage de"_s << 2 << u"make braucht genau eine Dienstplandatei: calendrix make OUT.cxr"_s;
}

void tst_CommandLine::makeExitStatus()
{
    QFETCH(QString, situation);
    const bool german = situation.endsWith(u" de"_s);
    situation.remove(u" de"_s);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir tmp;
    const QString unit = tmp.filePath(u"unit"_s);
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--from"_s, u"2027-03-01"_s}).status, 0);
    const QString out = tmp.filePath(u"old.cxr"_s);
    if (situation == u"exists" || situation == u"replace")
        writeFile(out, "kept");
    if (situation == u"holidays") {
        RecordSet rs(Database::open(UnitFolder(unit).personnelPath(), FileKind::Personnel), u"Holiday"_s);
        for (int i = 0; i < 100; ++i)
            addRow(rs, {u"Day off"_s, QDate(2030, 1, 1).addDays(i), QDate(2030, 1, 1).addDays(i)});
    }
    if (situation == u"template") {
        Database templ = Database::open(UnitFolder(unit).templatePath(), FileKind::Roster);
        templ.exec(u"DELETE FROM header"_s, NoticeCode::DatabaseFailed);
    }
    FolderLock otherCopy(unit);
    if (situation == u"locked")
        QVERIFY(otherCopy.tryLock());
    QProcess holder; // another program in the middle of a change to the unit
    if (situation == u"held") {
        holder.start(u"sqlite3"_s, {UnitFolder(unit).personnelPath()});
        holder.write("BEGIN EXCLUSIVE; SELECT 'held';\n");
        QVERIFY(holder.waitForReadyRead());
        says += u" (process %1)"_s.arg(holder.processId());
    }
    QStringList args{u"make"_s};
    if (situation != u"usage")
        args.append(out);
    args += {u"--data"_s, unit};
    if (situation == u"replace")
        args.append(u"--replace"_s);
    const Result r = runCalendrix(
        args, {}, german ? QStringList{u"LANGUAGE="_s, u"LC_ALL="_s, u"LANG=de_DE.UTF-8"_s} : QStringList());
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    if (situation == u"template") {
        QVERIFY2(r.err.contains(UnitFolder(unit).templatePath()) &&
                     r.err.contains(u"calendrix init %1 --repair"_s.arg(UnitFolder(unit).dir())),
                 qPrintable(r.err));
        QVERIFY(!QFile::exists(out));
    }
    if (status == 4)
        QCOMPARE(readFile(out), QByteArray("kept"));
    holder.closeWriteChannel();
    holder.waitForFinished();
    if (status == 0 || status == 3)
        QVERIFY(Database::open(out, FileKind::Roster).isOpen());
}

// A file manager starts the program wherever it likes, with the datafile the
// clerk opened; the window must come up on that datafile's unit.
void tst_CommandLine::datafileOpensItsUnit_data()
{
    QTest::addColumn<bool>("startInOtherUnit");
    QTest::addColumn<bool>("giveData");
    QTest::addColumn<bool>("opensOtherUnit");
    QTest::newRow("started outside any unit") << false << false << false;
    QTest::newRow("started in another unit") << true << false << true;
    QTest::newRow("--data names another unit") << false << true << true;
}

void tst_CommandLine::datafileOpensItsUnit()
{
    QFETCH(bool, startInOtherUnit);
    QFETCH(bool, giveData);
    QFETCH(bool, opensOtherUnit);
    TestUnit unit, other;
    QTemporaryDir elsewhere;
    const QString datafile = unit.path(u"march.cxr"_s);
    writeFile(datafile, "roster");
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(startInOtherUnit ? other.dir.path() : elsewhere.path()));
    QStringList arguments{u"calendrix"_s, datafile};
    if (giveData)
        arguments << u"--data"_s << other.dir.path();
    int status = 0;
    QString opened;
    const QString dir = CommandLine::desktopFolder(arguments, &status, &opened);
    QDir::setCurrent(start);
    QCOMPARE(status, -1);
    QVERIFY(!CommandLine::isConsoleCommand(arguments));
    QCOMPARE(dir, QDir(opensOtherUnit ? other.dir.path() : unit.dir.path()).absolutePath());
    QCOMPARE(opened, datafile);
}

void tst_CommandLine::noticesInGerman_data()
{
    QTest::addColumn<Notice>("notice");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    const auto wroteCsv = [](int n) {
        return Notice{Notice::Kind::Information, NoticeCode::ExportWroteCsv, {u"/u/r.csv"_s}, n};
    };
    QTest::newRow("one") << wroteCsv(1) << u"Wrote /u/r.csv: 1 assignment."_s
                         << u"/u/r.csv geschrieben: 1 Einteilung."_s;
    QTest::newRow("three") << wroteCsv(3) << u"Wrote /u/r.csv: 3 assignments."_s
                           << u"/u/r.csv geschrieben: 3 Einteilungen."_s;
    QTest::newRow("two counts")
        << Notice{Notice::Kind::Error, NoticeCode::UndoCountersAndDatesChanged, {u"1"_s, u"4"_s}}
        << u"The counters of 1 soldier and the assignment dates of 4 soldiers were changed "
           "after that run."_s
        << u"Die Zähler von 1 Soldaten und die Einteilungsdaten von 4 Soldaten wurden nach "
           "dieser Erstellung geändert."_s;
    QTest::newRow("placeholders out of order")
        << Notice{Notice::Kind::Warning,
                  NoticeCode::ImportOverlapsHoliday,
                  {u"Easter"_s, u"2027-03-26"_s, u"2027-03-29"_s}}
        << u"A holiday already falls on some of the days from 2027-03-26 to 2027-03-29; 'Easter' is left out."_s
        << u"Auf einige der Tage von 26.03.2027 bis 29.03.2027 fällt bereits ein Feiertag; 'Easter' wird ausgelassen."_s;
    QTest::newRow("file kind")
        << Notice{Notice::Kind::Error, NoticeCode::FileIsEmpty, {u"/u/p.dat"_s, u"personnel"_s}}
        << u"'/u/p.dat' is an empty file, not a Calendrix personnel database."_s
        << u"'/u/p.dat' ist eine leere Datei, keine Personaldatenbank von Calendrix."_s;
    QTest::newRow("cause")
        << Notice::because(
               {Notice::Kind::Error, NoticeCode::RunFailed, {}},
               {Notice::Kind::Error, NoticeCode::CannotWriteFileToDisk, {u"/u/r.cxr"_s, u"%1 full"_s}})
        << u"The roster could not be made; nothing was changed.\nCannot write '/u/r.cxr' to the disk: %1 full"_s
        << u"Der Dienstplan konnte nicht erstellt werden; nichts wurde geändert.\n'/u/r.cxr' kann nicht auf "
           u"den "
           "Datenträger geschrieben werden: %1 full"_s;
}

void tst_CommandLine::noticesInGerman()
{
    QFETCH(Notice, notice);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(NoticeText::text(notice), english);
    const QLocale before;
    Language::install(u"de"_s);
    const QString translated = NoticeText::text(notice);
    Language::install(u"en"_s);
    QLocale::setDefault(before);
    QCOMPARE(translated, german);
    QCOMPARE(NoticeText::text(notice), english);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
// Standard output on a full disk: a command whose output is its work fails
// and says why; one that changed the unit keeps its status, so that a script
// does not make the change again, and warns.
void tst_CommandLine::outputThatCannotBeWritten_data()
{
    QTest::addColumn<QStringList>("arguments"); // UNIT stands for the unit's folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const QString lost = u"The output could not be written in full: No space left on device."_s;
    QTest::newRow("version") << QStringList{u"--version"_s} << 1 << u"ERROR: "_s + lost;
    QTest::newRow("history") << QStringList{u"history"_s, u"--data"_s, u"UNIT"_s} << 1 << u"ERROR: "_s + lost;
    QTest::newRow("fairness, in calendrix-gui")
        << QStringList{u"fairness"_s, u"--data"_s, u"UNIT"_s} << 1 << u"ERROR: "_s + lost;
    QTest::newRow("make")
        << QStringList{u"make"_s, u"UNIT/r.cxr"_s, u"--data"_s, u"UNIT"_s} << 0
        << u"WARNING: The command did its work, but its output could not be written in full: "
           "No space left on device."_s;
}

void tst_CommandLine::outputThatCannotBeWritten()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QTemporaryDir tmp;
    const QString unit = tmp.filePath(u"unit"_s);
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--from"_s, u"2027-03-01"_s}).status, 0);
    arguments.replaceInStrings(u"UNIT"_s, unit);
    const Result r = runCalendrix(arguments, [] {
        const int full = ::open("/dev/full", O_WRONLY);
        ::dup2(full, STDOUT_FILENO);
    });
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(says + u'\n'), qPrintable(r.err));
    if (arguments.constFirst() == u"make")
        QVERIFY(QFileInfo::exists(unit + u"/r.cxr"_s));
}

// Every command that writes a file refuses, with --replace too, a name that
// stands for a pipe (or a device, a folder, a link): it stays as it was.
void tst_CommandLine::outputOverWhatIsNoFile_data()
{
    QTest::addColumn<QStringList>("arguments"); // UNIT the unit's folder, OUT the output
    QTest::addColumn<bool>("pipe");             // OUT a pipe; else in a folder that is not there
    const QStringList unit{u"--data"_s, u"UNIT"_s, u"--replace"_s};
    const QList<std::pair<const char *, QStringList>> commands{
        {"make", QStringList{u"make"_s, u"OUT"_s} + unit},
        {"print", QStringList{u"print"_s, u"UNIT/r.cxr"_s, u"--pdf"_s, u"OUT"_s} + unit},
        {"export", QStringList{u"export"_s, u"UNIT/r.cxr"_s, u"--csv"_s, u"OUT"_s} + unit},
        {"fairness", QStringList{u"fairness"_s, u"--csv"_s, u"OUT"_s} + unit},
        {"export-personnel", QStringList{u"export-personnel"_s, u"OUT.csv"_s} + unit}};
    for (const auto &[name, arguments] : commands) {
        QTest::addRow("%s over a pipe", name) << arguments << true;
        QTest::addRow("%s into no folder", name) << arguments << false;
    }
}

// Refused before the work, which would only fail at its end: the clerk
// is told the one reason, and nothing stands where the output was to go.
void tst_CommandLine::outputOverWhatIsNoFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, pipe);
    QTemporaryDir tmp;
    const QString unit = tmp.filePath(u"unit"_s);
    // A unit whose third run of the same days tells of periods nobody is
    // free for: a refusal after that run would follow those lines.
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--seed"_s, u"3"_s, u"--from"_s, u"2027-03-01"_s}).status, 0);
    for (const QString &made : {u"/r.cxr"_s, u"/r2.cxr"_s})
        QCOMPARE(runCalendrix({u"make"_s, unit + made, u"--data"_s, unit}).status, 0);
    QString out = tmp.filePath(pipe ? u"out"_s : u"none/out"_s);
    if (arguments.contains(u"OUT.csv"_s))
        out += u".csv"_s;
    if (pipe)
        QVERIFY(::mkfifo(QFile::encodeName(out).constData(), 0600) == 0);
    arguments.replaceInStrings(u"UNIT"_s, unit);
    arguments.replaceInStrings(QRegularExpression(u"^OUT(\\.csv)?$"_s), out);
    const Result r = runCalendrix(arguments);
    QCOMPARE(r.status, 1);
    const QString why = pipe ? u"'%1' is a FIFO (named pipe), not a file"_s.arg(out)
                             : u"Cannot make a file beside '%1': No such file or directory"_s.arg(out);
    QVERIFY2(r.err.contains(why) && r.err.count(u'\n') == 1, qPrintable(r.err));
    QCOMPARE(QFileInfo(out).exists(), pipe);
    QVERIFY(!QFileInfo(out).isFile());
}

void tst_CommandLine::readersWhileTheUnitIsOpen_data()
{
    QTest::addColumn<QStringList>("arguments"); // UNIT the unit's folder, OUT a file outside it
    QTest::addColumn<int>("status");
    const QStringList unit{u"--data"_s, u"UNIT"_s};
    QTest::newRow("print") << QStringList{u"print"_s, u"UNIT/r.cxr"_s, u"--pdf"_s, u"OUT.pdf"_s} + unit << 0;
    QTest::newRow("export") << QStringList{u"export"_s, u"UNIT/r.cxr"_s, u"--csv"_s, u"OUT.csv"_s} + unit
                            << 0;
    QTest::newRow("fairness") << QStringList{u"fairness"_s, u"--csv"_s, u"OUT.csv"_s} + unit << 0;
    QTest::newRow("history") << QStringList{u"history"_s} + unit << 0;
    QTest::newRow("candidates") << QStringList{u"candidates"_s,         u"UNIT/r.cxr"_s, u"--duty"_s,
                                               u"Charge of Quarters"_s, u"--period"_s,   u"1"_s} +
                                       unit
                                << 0;
    QTest::newRow("export-personnel, csv") << QStringList{u"export-personnel"_s, u"OUT.csv"_s} + unit << 0;
    QTest::newRow("export-personnel, workbook")
        << QStringList{u"export-personnel"_s, u"OUT.xlsx"_s} + unit << 0;
    // What changes the unit waits for the window to let it go.
    QTest::newRow("make") << QStringList{u"make"_s, u"OUT.cxr"_s} + unit << 1;
    QTest::newRow("undo") << QStringList{u"undo"_s, u"--yes"_s} + unit << 1;
}

// With the unit open in the window, the clerk can still read from it at the
// command line: print, export and count it, and write its soldiers out.
void tst_CommandLine::readersWhileTheUnitIsOpen()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QTemporaryDir tmp;
    const QString unit = tmp.filePath(u"unit"_s);
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--from"_s, u"2027-03-01"_s}).status, 0);
    QCOMPARE(runCalendrix({u"make"_s, unit + u"/r.cxr"_s, u"--data"_s, unit}).status, 0);
    FolderLock window(unit);
    QVERIFY(window.tryLock());
    const QByteArray before = folderHash(unit);
    arguments.replaceInStrings(u"UNIT"_s, unit);
    arguments.replaceInStrings(u"OUT"_s, tmp.filePath(u"out"_s));
    const Result r = runCalendrix(arguments);
    QVERIFY2(r.status == status, qPrintable(r.err));
    if (status == 0)
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
    else
        QVERIFY2(r.err.contains(u"is already open in another copy"_s), qPrintable(r.err));
    const QString out = arguments.filter(tmp.filePath(u"out"_s)).value(0);
    if (!out.isEmpty())
        QCOMPARE(QFileInfo(out).isFile(), status == 0);
    QCOMPARE(folderHash(unit), before);
}

#include "tst_CommandLine.moc"
