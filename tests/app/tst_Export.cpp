// calendrix export: calendars, spreadsheet and CSV read back by readers of
// their own (libical, Python's icalendar, openpyxl and csv), compared with
// the datafile's tables as they are.

#include "../TestUnit.h"
#include "../report/DatafileBuilder.h"
#include "RunCalendrix.h"
#include "SmallDisk.h"
#include "store/Database.h"
#include "store/RankList.h"
#include "store/RecordSet.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <libical/ical.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;
using namespace calendrix::test;

namespace {

const QString kPython = u"/usr/bin/python3"_s;

// One "/." cell of a datafile, read from its tables by ordinal.
struct Assignment {
    QString duty, organization, rank, name;
    QDate first, last; // last: from the periods table, invalid when it has none
    bool holiday = false;

    // What the exports show as the last day: an older datafile knows only the first.
    QDate shownLast() const { return last.isValid() ? last : first; }
};

QString rankShown(const QString &code)
{
    for (const auto &[c, shown] : mainRankList())
        if (c == code)
            return shown.trimmed();
    return code;
}

QList<Assignment> assignments(const QList<DatafileDuty> &duties)
{
    QList<Assignment> out;
    for (const DatafileDuty &d : duties)
        for (int c = 0; c < d.starts.size(); ++c)
            for (const DatafileDuty::Soldier &s : d.soldiers)
                if (s.cells[c] == u"/.")
                    out.append(
                        {d.name, d.organization, s.rank, s.name, d.starts[c], d.ends[c], d.holidays[c]});
    return out;
}

// Control characters have no place in calendars and spreadsheets: they are blanks there.
QString withoutControls(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t')
            c = u' ';
    return text;
}

// An event as (summary, first day, day after the last, description), sortable.
using EventKey = std::tuple<QString, QString, QString, QString>;

// all.ics names the soldier in the title, which a staff calendar shows; his
// own calendar has no need to.
EventKey expectedEvent(const Assignment &a, bool inAll)
{
    const QString who = (rankShown(a.rank) + u' ' + withoutControls(a.name)).trimmed();
    return {inAll ? a.duty + u" \u2014 "_s + QString(who).replace(u'\n', u' ') : a.duty,
            a.first.toString(Qt::ISODate), a.shownLast().addDays(1).toString(Qt::ISODate),
            a.organization.isEmpty() ? who : a.organization + u'\n' + who};
}

struct IcsEvent {
    QString uid, summary, description, start, end;
    bool allDay = false;
    bool stamped = false;
};

// The events of one .ics file as libical parses them; fails the test on
// anything libical flags as an error.
QList<IcsEvent> parseWithLibical(const QString &path)
{
    QList<IcsEvent> events;
    const QByteArray text = readFile(path);
    icalcomponent *cal = icalparser_parse_string(text.constData());
    if (!cal) {
        qWarning("libical cannot parse %s", qPrintable(path));
        return events;
    }
    if (icalcomponent_isa(cal) != ICAL_VCALENDAR_COMPONENT || icalcomponent_count_errors(cal) != 0) {
        qWarning("libical finds errors in %s", qPrintable(path));
        icalcomponent_free(cal);
        return {};
    }
    const auto iso = [](icaltimetype t) { return QDate(t.year, t.month, t.day).toString(Qt::ISODate); };
    for (icalcomponent *e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(e);
        const icaltimetype end = icalcomponent_get_dtend(e);
        events.append({QString::fromUtf8(icalcomponent_get_uid(e)),
                       QString::fromUtf8(icalcomponent_get_summary(e)),
                       QString::fromUtf8(icalcomponent_get_description(e)), iso(start), iso(end),
                       start.is_date == 1 && end.is_date == 1,
                       icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY) != nullptr});
    }
    icalcomponent_free(cal);
    return events;
}

QJsonObject readBack(const QString &kind, const QString &path)
{
    QProcess p;
    p.start(kPython, {QStringLiteral(EXPORT_READER), kind, path});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s", p.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

bool pythonHas(const QString &module)
{
    return QProcess::execute(kPython, {u"-c"_s, u"import "_s + module}) == 0;
}

// Names that file systems, CSV, iCalendar and spreadsheets each treat
// specially, in one roster.
const QStringList kAwkwardNames = {
    u"O'Brien, \"Ace\" Zoë"_s,
    u"a/b"_s,
    u"a_b"_s,
    u"a\\b"_s,
    u".."_s,
    u"."_s,
    u"Line\nBreak"_s,
    u"Ängström, Åsa"_s,
    u"all"_s,
    u"ALL"_s,
    u"tab\tand\u0001control"_s,
    u"semi;colon"_s,
    u"Wolfeschlegelsteinhausenbergerdorff-Vanderhoeven, Maximilian"_s,
};

void writeAwkwardDatafile(const QString &path, bool withPeriods)
{
    const QList<QDate> guardStarts = {QDate(2027, 3, 1), QDate(2027, 3, 5), QDate(2027, 3, 8)};
    DutySpec guard{u"Gate Guard, North"_s, u"HQ \"Alpha\", 1/2 Bn"_s, guardStarts, {1}, {}};
    // Every name stands one period; the marks around it are the other kinds.
    QList<DutySpec> duties;
    const QStringList others = {u"1"_s, u"A"_s, u"D"_s};
    for (qsizetype i = 0; i < kAwkwardNames.size(); ++i) {
        QStringList cells = others;
        cells[i % 3] = u"/."_s;
        guard.rows.append({QString(QChar(u'A' + int(i))), kAwkwardNames[i], u"1st Platoon"_s, cells});
    }
    duties.append(guard);
    // Sheet names: too long, refused characters, a taken name, the same start twice.
    duties.append({u"Fire Watch [Night]: 1/2? *Main* Building East"_s,
                   u"Ops"_s,
                   {QDate(2027, 3, 2)},
                   {},
                   {{u"?"_s, u"Civ, Ann"_s, u""_s, {u"/."_s}}}});
    duties.append({u"Fire Watch [Night]: 1/2? *Main* Building West"_s,
                   u"Ops"_s,
                   {QDate(2027, 3, 3)},
                   {0},
                   {{u"W"_s, u"Col, Bea"_s, u""_s, {u"/."_s}}}});
    duties.append({u"summary"_s, u""_s, {QDate(2027, 3, 4)}, {}, {{u"K"_s, u"Csm, Cy"_s, u""_s, {u"/."_s}}}});
    duties.append({u"Standby"_s, u"HQ"_s, {}, {}, {{u"K"_s, u"Csm, Cy"_s, u""_s, {}}}});
    if (!withPeriods) {
        writeDatafile(path, duties);
        dropTable(path, FileKind::Roster, u"periods"_s);
        return;
    }
    writeDatafile(path, duties,
                  {{guard.name, {QDate(2027, 3, 4), QDate(2027, 3, 7), QDate(2027, 3, 8)}},
                   {duties[1].name, {QDate(2027, 3, 2)}},
                   {duties[2].name, {QDate(2027, 3, 3)}},
                   {duties[3].name, {QDate(2027, 3, 31)}}});
}

} // namespace

class tst_Export : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void remadeRoster_data();
    void remadeRoster();
    void replacedThenExportedAgain();
    void draftsSayTheyAreDrafts();
    void refused_data();
    void refused();
    void fullDisk_data();
    void fullDisk();

private:
    QString datafile(const QString &which) const;
    void checkCalendars(const QString &dir, const QList<Assignment> &expected);
    void checkSpreadsheet(const QString &path, const QList<DatafileDuty> &duties);
    void checkCsv(const QString &path, const QList<Assignment> &expected);

    QTemporaryDir m_dir;
};

QString tst_Export::datafile(const QString &which) const
{
    return m_dir.filePath(which + u".cxr"_s);
}

void tst_Export::initTestCase()
{
    QVERIFY2(QFileInfo::exists(kPython) && pythonHas(u"openpyxl"_s),
             "/usr/bin/python3 with openpyxl is needed: run scripts/deps.sh");
    const QString unit = m_dir.filePath(u"unit"_s);
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--from"_s, u"2027-01-04"_s}).status, 0);
    // Consolidate on: the company's weekend periods are holidays, to be shaded.
    writeFile(UnitFolder(unit).consolidatePath(), " 1 \r\n");
    QCOMPARE(runCalendrix({u"make"_s, datafile(u"company"_s), u"--data"_s, unit}).status, 0);
    QCOMPARE(runCalendrix({u"make"_s, datafile(u"draft"_s), u"--draft"_s, u"--data"_s, unit}).status, 0);
    writeAwkwardDatafile(datafile(u"awkward"_s), true);
    writeAwkwardDatafile(datafile(u"older"_s), false);
}

void tst_Export::roundTrip_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("lastDaysKnown");
    QTest::addColumn<QString>("folder"); // of the three exports, under a temporary folder
    QTest::newRow("example company") << u"company"_s << true << QString();
    QTest::newRow("awkward names") << u"awkward"_s << true << QString();
    QTest::newRow("older datafile without periods") << u"older"_s << false << QString();
    // Made for the calendars, and so there for the other two.
    QTest::newRow("example company, into a new folder") << u"company"_s << true << u"new"_s;
}

void tst_Export::roundTrip()
{
    QFETCH(QString, which);
    QFETCH(bool, lastDaysKnown);
    QFETCH(QString, folder);
    const QTemporaryDir tmp;
    const QDir out(folder.isEmpty() ? tmp.path() : tmp.filePath(folder));
    const QString ics = out.filePath(u"calendars"_s), xlsx = out.filePath(u"roster.xlsx"_s),
                  csv = out.filePath(u"roster.csv"_s);
    const QByteArray datafileBefore = readFile(datafile(which));
    const Result r = runCalendrix({u"export"_s, datafile(which), u"--ics"_s, ics, u"--xlsx"_s, xlsx,
                                   u"--csv"_s, csv, u"--data"_s, m_dir.path()});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(readFile(datafile(which)), datafileBefore);
    // The older datafile is told once, whatever the number of targets.
    QCOMPARE(r.err.count(u"INFORMATION: "_s), lastDaysKnown ? 0 : 1);
    QCOMPARE(r.out.count(u"wrote "_s), 3);

    const QList<DatafileDuty> duties = readDatafile(datafile(which));
    const QList<Assignment> expected = assignments(duties);
    QVERIFY(expected.size() >= 6);
    checkCalendars(ics, expected);
    checkSpreadsheet(xlsx, duties);
    checkCsv(csv, expected);
}

void tst_Export::checkCalendars(const QString &dir, const QList<Assignment> &expected)
{
    QList<EventKey> wanted, wantedOwn;
    QMap<QString, QList<EventKey>> wantedBySoldier;
    for (const Assignment &a : expected) {
        wanted.append(expectedEvent(a, true));
        wantedOwn.append(expectedEvent(a, false));
        wantedBySoldier[a.name].append(expectedEvent(a, false));
    }
    std::sort(wanted.begin(), wanted.end());
    std::sort(wantedOwn.begin(), wantedOwn.end());

    const auto keysOf = [](const QList<IcsEvent> &events) {
        QList<EventKey> keys;
        for (const IcsEvent &e : events)
            keys.append({e.summary, e.start, e.end, e.description});
        std::sort(keys.begin(), keys.end());
        return keys;
    };

    const QList<IcsEvent> all = parseWithLibical(QDir(dir).filePath(u"all.ics"_s));
    QCOMPARE(all.size(), expected.size());
    QCOMPARE(keysOf(all), wanted);
    QSet<QString> uids;
    for (const IcsEvent &e : all) {
        QVERIFY(e.allDay);
        QVERIFY(e.stamped);
        uids.insert(e.uid);
    }
    QCOMPARE(uids.size(), all.size());

    // One file per soldier who stands a duty, holding his events alone, also
    // for names that differ only in characters a file name may not hold or in
    // case; none is hidden, and all.ics stays the file of every assignment.
    QStringList files = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    QVERIFY(files.removeOne(u"all.ics"_s));
    QVERIFY(files.removeOne(u".calendrix-calendars.json"_s));
    QCOMPARE(files.size(), wantedBySoldier.size());
    QList<EventKey> fromOwnFiles;
    QSet<QString> folded{u"all.ics"_s};
    for (const QString &file : files) {
        QVERIFY2(file.endsWith(u".ics"_s) && !file.startsWith(u'.'), qPrintable(file));
        QVERIFY2(!folded.contains(file.toCaseFolded()), qPrintable(file));
        folded.insert(file.toCaseFolded());
        for (const QChar c : file)
            QVERIFY2(c.category() != QChar::Other_Control && c != u'\\' && c != u':', qPrintable(file));
        const QList<EventKey> own = keysOf(parseWithLibical(QDir(dir).filePath(file)));
        QVERIFY2(!own.isEmpty(), qPrintable(file));
        const QString soldierLine = std::get<3>(own.constFirst()).section(u'\n', -1);
        for (const EventKey &k : own)
            QVERIFY(std::get<3>(k).endsWith(soldierLine));
        fromOwnFiles += own;
    }
    std::sort(fromOwnFiles.begin(), fromOwnFiles.end());
    QCOMPARE(fromOwnFiles, wantedOwn);

    if (!pythonHas(u"icalendar"_s))
        return;
    const QJsonObject calendar = readBack(u"ics"_s, QDir(dir).filePath(u"all.ics"_s));
    // Named in the calendar program's list, and each duty busy time.
    QVERIFY(calendar.value(u"name"_s).toString().startsWith(u"Duty roster"_s));
    QCOMPARE(calendar.value(u"calname"_s), calendar.value(u"name"_s));
    for (const QJsonValue &v : calendar.value(u"events"_s).toArray()) {
        const QJsonObject e = v.toObject();
        QVERIFY(e.value(u"allDay"_s).toBool());
        QVERIFY(e.value(u"stamp"_s).toBool());
        QCOMPARE(e.value(u"transp"_s).toString(), u"OPAQUE"_s);
        QCOMPARE(e.value(u"sequence"_s).toInt(), 0);
        QVERIFY(!e.value(u"modified"_s).toString().isEmpty());
        QVERIFY(uids.contains(e.value(u"uid"_s).toString()));
    }
}

void tst_Export::checkSpreadsheet(const QString &path, const QList<DatafileDuty> &duties)
{
    const QJsonObject book = readBack(u"xlsx"_s, path);
    QVERIFY2(book.value(u"title"_s).toString().startsWith(u"Duty roster"_s),
             qPrintable(book.value(u"title"_s).toString()));
    const QJsonArray sheets = book.value(u"sheets"_s).toArray();
    QCOMPARE(sheets.size(), duties.size() + 1);
    const QJsonObject summary = sheets[0].toObject();
    QCOMPARE(summary.value(u"name"_s).toString(), u"Summary"_s);
    const QJsonArray summaryRows = summary.value(u"cells"_s).toArray();
    QCOMPARE(summaryRows.size(), duties.size() + 1);
    QCOMPARE(summaryRows[0].toArray().toVariantList(),
             QVariantList({u"Duty"_s, u"Organization"_s, u"Periods"_s, u"First day"_s, u"Last day"_s,
                           u"Soldiers"_s, u"Assignments"_s}));

    QSet<QString> names;
    for (qsizetype d = 0; d < duties.size(); ++d) {
        const DatafileDuty &duty = duties[d];
        const QJsonObject sheet = sheets[d + 1].toObject();
        const QString name = sheet.value(u"name"_s).toString();
        QVERIFY2(!name.isEmpty() && name.size() <= 31, qPrintable(name));
        for (const QChar c : u"[]:*?/\\")
            QVERIFY2(!name.contains(c), qPrintable(name));
        QVERIFY2(!names.contains(name.toCaseFolded()) &&
                     name.compare(u"History"_s, Qt::CaseInsensitive) != 0 &&
                     name.compare(u"Summary"_s, Qt::CaseInsensitive) != 0,
                 qPrintable(name));
        names.insert(name.toCaseFolded());
        QCOMPARE(sheet.value(u"freeze"_s).toString(), u"C4"_s);

        // The heading rows: the duty and organization, the first days, the last days.
        const QJsonArray rows = sheet.value(u"cells"_s).toArray();
        QCOMPARE(rows.size(), 3 + duty.soldiers.size());
        const QJsonArray title = rows[0].toArray(), firsts = rows[1].toArray(), lasts = rows[2].toArray();
        QCOMPARE(title[0].toString(), duty.name);
        if (!duty.organization.isEmpty())
            QCOMPARE(title[2].toString(), duty.organization);
        QCOMPARE(firsts[0].toString(), u"Rank"_s);
        QCOMPARE(firsts[1].toString(), u"Name"_s);
        QList<int> shaded;
        for (int c = 0; c < duty.starts.size(); ++c) {
            QCOMPARE(firsts[2 + c].toString(), duty.starts[c].toString(Qt::ISODate));
            QCOMPARE(lasts[2 + c].toString(), duty.ends[c].toString(Qt::ISODate));
            if (duty.holidays[c])
                shaded.append(2 + c);
        }
        QList<int> shadedRead;
        for (const QJsonValue &v : sheet.value(u"shaded"_s).toArray())
            shadedRead.append(v.toInt());
        QCOMPARE(shadedRead, shaded);

        // One row per soldier, most senior first; every mark as in the datafile.
        QList<QStringList> wanted, got;
        for (const DatafileDuty::Soldier &s : duty.soldiers)
            wanted.append(QStringList{rankShown(s.rank), withoutControls(s.name)} + s.cells);
        QString lastRank;
        for (qsizetype i = 3; i < rows.size(); ++i) {
            QStringList row;
            const QJsonArray cells = rows[i].toArray();
            for (int c = 0; c < 2 + duty.starts.size(); ++c) {
                const QJsonValue v = cells.at(c);
                row.append(v.isDouble() ? QString::number(v.toInteger()) : v.toString());
            }
            got.append(row);
        }
        std::sort(wanted.begin(), wanted.end());
        std::sort(got.begin(), got.end());
        QCOMPARE(got, wanted);
        // The column of names is wide enough for the longest name line.
        qsizetype longest = 0;
        for (const DatafileDuty::Soldier &s : duty.soldiers)
            for (const QString &line : s.name.split(u'\n'))
                longest = std::max(longest, line.size());
        // Other programs' fonts are wider than the one widths are counted in.
        const QJsonObject widths = sheet.value(u"widths"_s).toObject();
        QVERIFY(widths.value(u"B"_s).toDouble() >= longest * 1.1);
        if (!duty.starts.isEmpty())
            QVERIFY2(widths.value(u"C"_s).toDouble() >= 12, qPrintable(name)); // "Wed 30 Sep"
        // Printed, one page wide and numbered.
        QVERIFY(sheet.value(u"fitToPage"_s).toBool());
        QCOMPARE(sheet.value(u"fit"_s).toArray()[0].toInt(), 1);
        QCOMPARE(sheet.value(u"fit"_s).toArray()[1].toInt(), 0);
        QVERIFY(sheet.value(u"landscape"_s).toBool());
        QCOMPARE(sheet.value(u"footer"_s).toString(), u"Page &P of &N"_s);
        QVERIFY(sheet.value(u"header"_s).toString().startsWith(u"Duty roster"_s));

        const QJsonArray s = summaryRows[d + 1].toArray();
        QCOMPARE(s[0].toString(), duty.name);
        QCOMPARE(s[1].toString(), duty.organization);
        QCOMPARE(s[2].toInt(), duty.starts.size());
        if (!duty.starts.isEmpty()) {
            QCOMPARE(s[3].toString(),
                     std::min_element(duty.starts.begin(), duty.starts.end())->toString(Qt::ISODate));
            QDate last;
            for (int c = 0; c < duty.starts.size(); ++c)
                last = std::max(last, duty.ends[c].isValid() ? duty.ends[c] : duty.starts[c]);
            QCOMPARE(s[4].toString(), last.toString(Qt::ISODate));
        }
        QCOMPARE(s[5].toInt(), duty.soldiers.size());
        int standing = 0;
        for (const DatafileDuty::Soldier &soldier : duty.soldiers)
            standing += int(soldier.cells.count(u"/."_s));
        QCOMPARE(s[6].toInt(), standing);
    }
}

void tst_Export::checkCsv(const QString &path, const QList<Assignment> &expected)
{
    QVERIFY(readFile(path).contains("\r\n"));
    const QJsonArray rows = readBack(u"csv"_s, path).value(u"rows"_s).toArray();
    QCOMPARE(rows.size(), expected.size() + 1);
    QCOMPARE(rows[0].toArray().toVariantList(),
             QVariantList({u"Duty"_s, u"Organization"_s, u"Rank"_s, u"Soldier"_s, u"First day"_s,
                           u"Last day"_s, u"Holiday"_s}));
    QList<QStringList> wanted, got;
    for (const Assignment &a : expected)
        wanted.append({a.duty, a.organization, rankShown(a.rank), a.name, a.first.toString(Qt::ISODate),
                       a.shownLast().toString(Qt::ISODate), a.holiday ? u"1"_s : u"0"_s});
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QStringList row;
        for (const QJsonValue &v : rows[i].toArray())
            row.append(v.toString());
        // Duty by duty, period by period.
        if (!got.isEmpty() && got.back()[0] == row[0])
            QVERIFY2(got.back()[4] <= row[4], qPrintable(row.join(u',')));
        got.append(row);
    }
    std::sort(wanted.begin(), wanted.end());
    std::sort(got.begin(), got.end());
    QCOMPARE(got, wanted);
}

void tst_Export::remadeRoster_data()
{
    QTest::addColumn<QStringList>("bakerCells"); // his cells on the remade roster
    QTest::newRow("remade") << QStringList{u"A"_s, u"A"_s};
    QTest::newRow("replaced after the run") << QStringList{u"1"_s, u"R"_s};
}

// A roster remade after a new absence, or one whose period was handed to
// another soldier after the run: the assignments that stayed keep their
// events as they were, uid and all, those gone are published as cancelled,
// also to a soldier left with no duty; a roster of other days cancels nothing.
void tst_Export::remadeRoster()
{
    QFETCH(QStringList, bakerCells);
    if (!pythonHas(u"icalendar"_s))
        QSKIP("Python's icalendar is needed: run scripts/deps.sh");
    const QTemporaryDir out;
    const QString folder = out.filePath(u"calendars"_s);
    // The events of one file by first day and title.
    const auto exported = [&](const QString &name, const QList<QDate> &starts, const QStringList &able,
                              const QStringList &baker) {
        writeDatafile(out.filePath(name),
                      {{u"Gate"_s,
                        u"HQ"_s,
                        starts,
                        {},
                        {{u"E"_s, u"Able"_s, {}, able}, {u"E"_s, u"Baker"_s, {}, baker}}}});
        const Result r = runCalendrix({u"export"_s, out.filePath(name), u"--ics"_s, folder, u"--replace"_s});
        QMap<QString, QMap<QString, QJsonObject>> files;
        for (const QString &file : {u"all.ics"_s, u"Able.ics"_s, u"Baker.ics"_s})
            for (const QJsonValue &v :
                 readBack(u"ics"_s, QDir(folder).filePath(file)).value(u"events"_s).toArray())
                files[file].insert(v[u"start"_s].toString() + u' ' + v[u"summary"_s].toString(),
                                   v.toObject());
        return r.status == 0 ? files : QMap<QString, QMap<QString, QJsonObject>>();
    };
    const QString able = u"Gate \u2014 "_s + rankShown(u"E"_s) + u" Able"_s;
    const QString baker = u"Gate \u2014 "_s + rankShown(u"E"_s) + u" Baker"_s;
    const QList<QDate> march = {QDate(2027, 3, 1), QDate(2027, 3, 2)};
    const auto first = exported(u"first.cxr"_s, march, {u"/."_s, u"1"_s}, {u"1"_s, u"/."_s});
    QCOMPARE(first.value(u"all.ics"_s).keys(),
             QStringList({u"2027-03-01 "_s + able, u"2027-03-02 "_s + baker}));
    const auto remade = exported(u"remade.cxr"_s, march, {u"/."_s, u"/."_s}, bakerCells);
    const QMap<QString, QJsonObject> all = remade.value(u"all.ics"_s);
    QCOMPARE(all.keys(),
             QStringList({u"2027-03-01 "_s + able, u"2027-03-02 "_s + able, u"2027-03-02 "_s + baker}));
    const QJsonObject stayed = all.value(u"2027-03-01 "_s + able), gone = all.value(u"2027-03-02 "_s + baker);
    QCOMPARE(stayed, first.value(u"all.ics"_s).value(u"2027-03-01 "_s + able));
    QCOMPARE(stayed.value(u"status"_s).toString(), u"CONFIRMED"_s);
    QCOMPARE(gone.value(u"uid"_s), first.value(u"all.ics"_s).value(u"2027-03-02 "_s + baker).value(u"uid"_s));
    QCOMPARE(gone.value(u"status"_s).toString(), u"CANCELLED"_s);
    QCOMPARE(gone.value(u"sequence"_s).toInt(), 1);
    QCOMPARE(gone.value(u"transp"_s).toString(), u"TRANSPARENT"_s);
    QCOMPARE(remade.value(u"Baker.ics"_s).size(), 1);
    QCOMPARE(remade.value(u"Baker.ics"_s).first().value(u"status"_s).toString(), u"CANCELLED"_s);
    QCOMPARE(remade.value(u"Able.ics"_s).size(), 2);

    const auto april = exported(u"april.cxr"_s, {QDate(2027, 4, 1)}, {u"/."_s}, {u"1"_s});
    QCOMPARE(april.value(u"all.ics"_s).keys(), QStringList({u"2027-04-01 "_s + able}));
    // Another roster's events are other events.
    QVERIFY(april.value(u"all.ics"_s).first().value(u"uid"_s) != stayed.value(u"uid"_s));
}

// The real replace, then the export into the folder of the first: every
// event that stayed keeps its uid and sequence, the soldier taken off has his
// event published as cancelled, and the one put on a new event.
void tst_Export::replacedThenExportedAgain()
{
    if (!pythonHas(u"icalendar"_s))
        QSKIP("Python's icalendar is needed: run scripts/deps.sh");
    const QTemporaryDir out;
    const QString unit = out.filePath(u"unit"_s), roster = out.filePath(u"unit/r.cxr"_s),
                  folder = out.filePath(u"calendars"_s);
    QCOMPARE(runCalendrix({u"demo"_s, unit, u"--from"_s, u"2027-01-04"_s}).status, 0);
    QCOMPARE(runCalendrix({u"make"_s, roster, u"--data"_s, unit}).status, 0);
    const auto events = [&] {
        QMap<QString, QJsonObject> byUid;
        const Result r =
            runCalendrix({u"export"_s, roster, u"--ics"_s, folder, u"--replace"_s, u"--data"_s, unit});
        for (const QJsonValue &v :
             readBack(u"ics"_s, QDir(folder).filePath(u"all.ics"_s)).value(u"events"_s).toArray())
            byUid.insert(v[u"uid"_s].toString(), v.toObject());
        return r.status == 0 ? byUid : QMap<QString, QJsonObject>();
    };
    const QMap<QString, QJsonObject> before = events();
    QVERIFY(!before.isEmpty());
    const Result replaced = runCalendrix({u"replace"_s, roster, u"--duty"_s, u"Charge of Quarters"_s,
                                          u"--period"_s, u"3"_s, u"--next"_s, u"--data"_s, unit});
    QVERIFY2(replaced.status == 0, qPrintable(replaced.err));
    const QMap<QString, QJsonObject> after = events();
    QStringList cancelled, added;
    for (auto e = after.cbegin(); e != after.cend(); ++e) {
        if (!before.contains(e.key()))
            added.append(e.key());
        else if (e.value() != before.value(e.key()))
            cancelled.append(e.key());
    }
    QCOMPARE(after.size(), before.size() + 1);
    QCOMPARE(added.size(), 1);
    QCOMPARE(cancelled.size(), 1);
    const QJsonObject gone = after.value(cancelled.first()), come = after.value(added.first());
    QCOMPARE(gone.value(u"status"_s).toString(), u"CANCELLED"_s);
    QCOMPARE(gone.value(u"sequence"_s).toInt(),
             before.value(cancelled.first()).value(u"sequence"_s).toInt() + 1);
    QCOMPARE(come.value(u"start"_s), gone.value(u"start"_s));
    QVERIFY(come.value(u"summary"_s) != gone.value(u"summary"_s));
}

// A draft counted nothing; exported, it must not pass for the roster that
// counts in anyone's calendar or spreadsheet.
void tst_Export::draftsSayTheyAreDrafts()
{
    const QTemporaryDir out;
    const QString ics = out.filePath(u"calendars"_s), xlsx = out.filePath(u"draft.xlsx"_s);
    const Result r = runCalendrix(
        {u"export"_s, datafile(u"draft"_s), u"--ics"_s, ics, u"--xlsx"_s, xlsx, u"--data"_s, m_dir.path()});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.err.count(u"INFORMATION: "_s), 1);
    QVERIFY2(r.err.contains(u"is a draft"_s), qPrintable(r.err));

    const QList<IcsEvent> events = parseWithLibical(QDir(ics).filePath(u"all.ics"_s));
    QVERIFY(!events.isEmpty());
    for (const IcsEvent &e : events)
        QVERIFY2(e.summary.endsWith(u" (DRAFT \u2014 not counted)"_s), qPrintable(e.summary));
    const QJsonArray sheets = readBack(u"xlsx"_s, xlsx).value(u"sheets"_s).toArray();
    QVERIFY(sheets.size() > 1);
    for (qsizetype s = 1; s < sheets.size(); ++s) {
        const QJsonArray title = sheets[s].toObject().value(u"cells"_s).toArray()[0].toArray();
        QVERIFY2(title[2].toString().endsWith(u"DRAFT \u2014 not counted"_s),
                 qPrintable(title[2].toString()));
    }
}

void tst_Export::refused_data()
{
    QTest::addColumn<QStringList>("arguments"); // DATAFILE, OUT stand for the paths
    QTest::addColumn<QString>("existing");      // files made beforehand under OUT, comma-separated
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("no target") << QStringList{u"DATAFILE"_s} << QString() << 2 << u"at least one of"_s;
    QTest::newRow("two datafiles") << QStringList{u"DATAFILE"_s, u"DATAFILE"_s, u"--csv"_s, u"OUT/a.csv"_s}
                                   << QString() << 2 << u"exactly one datafile"_s;
    QTest::newRow("empty name") << QStringList{u"DATAFILE"_s, u"--csv"_s, u""_s} << QString() << 2
                                << u"--csv needs"_s;
    QTest::newRow("twice the same option")
        << QStringList{u"DATAFILE"_s, u"--csv"_s, u"OUT/a.csv"_s, u"--csv"_s, u"OUT/b.csv"_s} << QString()
        << 2 << u"once"_s;
    QTest::newRow("unknown option") << QStringList{u"DATAFILE"_s, u"--pdf"_s, u"OUT/a.pdf"_s} << QString()
                                    << 2 << u"pdf"_s;
    QTest::newRow("missing datafile")
        << QStringList{u"OUT/none.cxr"_s, u"--csv"_s, u"OUT/a.csv"_s} << QString() << 1 << u"none.cxr"_s;
    QTest::newRow("not a datafile") << QStringList{u"OUT/junk.cxr"_s, u"--csv"_s, u"OUT/a.csv"_s}
                                    << u"junk.cxr"_s << 1 << u"junk.cxr"_s;
    QTest::newRow("csv exists") << QStringList{u"DATAFILE"_s, u"--csv"_s, u"OUT/a.csv"_s} << u"a.csv"_s << 4
                                << u"QUESTION: "_s;
    QTest::newRow("xlsx exists, csv new")
        << QStringList{u"DATAFILE"_s, u"--csv"_s, u"OUT/new.csv"_s, u"--xlsx"_s, u"OUT/a.xlsx"_s}
        << u"a.xlsx"_s << 4 << u"a.xlsx already exists"_s;
    QTest::newRow("two exist") << QStringList{u"DATAFILE"_s, u"--csv"_s, u"OUT/a.csv"_s, u"--xlsx"_s,
                                              u"OUT/a.xlsx"_s}
                               << u"a.csv,a.xlsx"_s << 4
                               << u"and 1 more file of the export already exist. Replace them?"_s;
    QTest::newRow("a calendar exists") << QStringList{u"DATAFILE"_s, u"--ics"_s, u"OUT"_s} << u"all.ics"_s
                                       << 4 << u"all.ics already exists"_s;
    QTest::newRow("the datafile itself")
        << QStringList{u"DATAFILE"_s, u"--xlsx"_s, u"DATAFILE"_s, u"--replace"_s} << QString() << 1
        << u"is the datafile"_s;
    QTest::newRow("one name for two exports")
        << QStringList{u"DATAFILE"_s, u"--xlsx"_s, u"OUT/x"_s, u"--csv"_s, u"OUT/x"_s} << QString() << 1
        << u"two exports"_s;
    // Many disks that calendars and spreadsheets are carried on do not tell case apart.
    QTest::newRow("one name in two cases")
        << QStringList{u"DATAFILE"_s, u"--xlsx"_s, u"OUT/x.csv"_s, u"--csv"_s, u"OUT/X.CSV"_s} << QString()
        << 1 << u"two exports"_s;
    // The folders made for the calendars go with them.
    QTest::newRow("new nested folder, then a failure")
        << QStringList{u"DATAFILE"_s, u"--ics"_s, u"OUT/new/deep"_s, u"--csv"_s, u"OUT/missing/a.csv"_s}
        << QString() << 1 << u"a.csv"_s;
    QTest::newRow("a file of the unit")
        << QStringList{u"DATAFILE"_s, u"--csv"_s, u"OUT/Roster.rpt"_s, u"--data"_s, u"OUT"_s, u"--replace"_s}
        << u"Roster.rpt"_s << 1 << u"a file of the unit"_s;
    QTest::newRow("calendars into a file")
        << QStringList{u"DATAFILE"_s, u"--ics"_s, u"OUT/a.csv"_s} << u"a.csv"_s << 1 << u"not a folder"_s;
}

// Nothing is written when the command is refused: a file made beforehand
// stays as it was and no other file appears.
void tst_Export::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, existing);
    QFETCH(int, status);
    QFETCH(QString, message);
    const QTemporaryDir out;
    const QByteArray before = "the clerk's own file";
    const QStringList existingFiles = existing.split(u',', Qt::SkipEmptyParts);
    for (const QString &file : existingFiles)
        writeFile(out.filePath(file), before);
    const QString copy = out.filePath(u"datafile.cxr"_s);
    QVERIFY(QFile::copy(datafile(u"company"_s), copy));
    const QByteArray datafileBefore = readFile(copy);
    for (QString &a : arguments)
        a.replace(u"DATAFILE"_s, copy).replace(u"OUT"_s, out.path());
    const Result r = runCalendrix(QStringList{u"export"_s} + arguments);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
    QCOMPARE(r.err.count(u'\n'), 1);
    QCOMPARE(readFile(copy), datafileBefore);
    QStringList expectedFiles{u"datafile.cxr"_s};
    for (const QString &file : existingFiles) {
        QCOMPARE(readFile(out.filePath(file)), before);
        expectedFiles.append(file);
    }
    expectedFiles.sort();
    QCOMPARE(QDir(out.path())
                 .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
             expectedFiles);
}

void tst_Export::fullDisk_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("earlier"); // an earlier export is there, to be replaced
    for (const QString &option : {u"--ics"_s, u"--xlsx"_s, u"--csv"_s})
        for (const qint64 kb : {16, 48, 96})
            for (const bool earlier : {false, true})
                QTest::addRow("%s %lldk%s", qPrintable(option), kb, earlier ? " over an earlier export" : "")
                    << option << kb * 1024 << earlier;
}

// A disk that fills up part way: the export fails with one message naming
// the file, leaves no part of a file and no scratch file, and an earlier
// export stays whole.
void tst_Export::fullDisk()
{
    QFETCH(QString, option);
    QFETCH(qint64, size);
    QFETCH(bool, earlier);
    const SmallDisk disk(size);
    if (!disk.isMounted())
        QSKIP("mounting a small file system is not permitted here");
    const QString target = option == u"--ics"
                               ? disk.filePath(u"calendars"_s)
                               : disk.filePath(u"roster"_s + QString(option).replace(u"--"_s, u"."_s));
    const QString file = option == u"--ics" ? QDir(target).filePath(u"all.ics"_s) : target;
    if (earlier) {
        if (option == u"--ics")
            QVERIFY(QDir().mkpath(target));
        writeFile(file, "the earlier export");
    }
    // What is free is less than the export needs, but more than nothing.
    disk.fill(6 * 1024);
    const Result r = runCalendrix({u"export"_s, datafile(u"company"_s), option, target, u"--replace"_s});
    QCOMPARE(r.status, 1);
    const QStringList errors = errorLines(r);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QFileInfo(target).fileName()), qPrintable(r.err));
    QVERIFY2(!r.out.contains(u"wrote"_s), qPrintable(r.out));
    if (earlier)
        QCOMPARE(readFile(file), QByteArray("the earlier export"));
    else
        QVERIFY(!QFileInfo::exists(file));
    // A folder made for the calendars goes with them.
    QCOMPARE(QFileInfo::exists(target), earlier);
    const QString folder = option == u"--ics" ? target : disk.path();
    QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    left.removeAll(u"filler"_s);
    QCOMPARE(left, earlier ? QStringList{QFileInfo(file).fileName()} : QStringList());
}

QTEST_GUILESS_MAIN(tst_Export)
#include "tst_Export.moc"
