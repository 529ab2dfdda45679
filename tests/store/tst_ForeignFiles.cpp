#include "app/NoticeText.h"
#include "store/CsvReader.h"
#include "store/ForeignText.h"
#include "store/HolidayCalendar.h"
#include "store/StoreError.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

// Files another program wrote, read as the clerk's import reads them.
class tst_ForeignFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QString::number(m_files++) + u".txt"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    int m_files = 0;

private slots:
    void csvDialects_data();
    void csvDialects();
    void badFilesGiveOneError_data();
    void badFilesGiveOneError();
    void holidaysWrittenByPythonIcalendar();
};

void tst_ForeignFiles::csvDialects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("rows"); // line:cell|cell, rows split by /

    QTest::newRow("comma, LF, UTF-8")
        << "Name,Rank\nM\xc3\xbcller,Sgt\n"_ba << u"utf-8"_s << u","_s << u"1:Name|Rank/2:Müller|Sgt"_s;
    QTest::newRow("semicolon, CRLF, BOM, no last break")
        << "\xEF\xBB\xBFName;Rank;Unit, part\r\nA;B\r\nC;D"_ba << u"utf-8-bom"_s << u";"_s
        << u"1:Name|Rank|Unit, part/2:A|B/3:C|D"_s;
    QTest::newRow("tab, Windows-1252") << "Name\tPay\nM\xfcller\t5\x80\n\tx\n"_ba << u"windows-1252"_s
                                       << u"\t"_s << u"1:Name|Pay/2:Müller|5€/3:|x"_s;
    QTest::newRow("quoted separators, quotes and breaks")
        << "\"a;b;c\",d\n\"x,y\",\"say \"\"hi\"\"\"\r\n\"multi\r\nline\",z\nlast,1\n"_ba << u"utf-8"_s
        << u","_s << u"1:a;b;c|d/2:x,y|say \"hi\"/3:multi\r\nline|z/5:last|1"_s;
    QTest::newRow("trailing empties and blank lines")
        << "a,b,c\n1,,\n\n,2\n,,\n\n"_ba << u"utf-8"_s << u","_s << u"1:a|b|c/2:1/4:|2"_s;
    QTest::newRow("CR line ends") << "a;b\r1;2\r"_ba << u"utf-8"_s << u";"_s << u"1:a|b/2:1|2"_s;
    QTest::newRow("blank lines first, stray quote")
        << "\r\n\nName, first;Screen 5\" wide;b;c\n1;2\n"_ba << u"utf-8"_s << u";"_s
        << u"3:Name, first|Screen 5\" wide|b|c/4:1|2"_s;
    QTest::newRow("one column") << "Name\nSmith, John\n"_ba << u"utf-8"_s << QString()
                                << u"1:Name/2:Smith, John"_s;
}

void tst_ForeignFiles::csvDialects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    const SheetTable table = CsvReader::read(write(bytes));
    QStringList read;
    for (const SheetTable::Row &row : table.rows) {
        QStringList cells;
        for (const SheetCell &cell : row.cells) {
            QCOMPARE(cell.kind, cell.text.isEmpty() ? SheetCell::Kind::Empty : SheetCell::Kind::Text);
            cells.append(cell.text);
        }
        read.append(QString::number(row.line) + u':' + cells.join(u'|'));
    }
    QCOMPARE(read.join(u'/'), rows);
    QTEST(table.encoding, "encoding");
    QTEST(table.separator, "separator");
}

void tst_ForeignFiles::badFilesGiveOneError_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "huge": a sparse file past the bound; "none": no file
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<NoticeCode>("code");
    QTest::addColumn<QString>("values"); // after the file, split by |

    QTest::newRow("NUL") << "a,b\nc\0d\n"_ba << false << NoticeCode::ForeignNotText << u"2"_s;
    QTest::newRow("UTF-16") << "\xFF\xFE"
                               "a\0,\0b\0"_ba
                            << false << NoticeCode::ForeignNotText << u"1"_s;
    QTest::newRow("open quote") << "a,b\n1,2\n3,\"open\n4\n"_ba << false << NoticeCode::CsvUnclosedQuote
                                << u"3"_s;
    QTest::newRow("columns") << "h,i\n1\n" + QByteArray(1000, ',') + "x\n"
                             << false << NoticeCode::CsvTooManyColumns << u"3|1000"_s;
    QTest::newRow("huge") << "huge"_ba << false << NoticeCode::ForeignTooLarge << u"64"_s;
    QTest::newRow("none") << "none"_ba << false << NoticeCode::ForeignCannotRead
                          << u"No such file or directory"_s;
    QTest::newRow("calendar of junk")
        << "BEGIN:VEVENT\nEND:VEVENT\n"_ba << true << NoticeCode::CalendarNotCalendar << QString();
    QTest::newRow("calendar of binary")
        << "BEGIN:VCALENDAR\n\x01\n"_ba << true << NoticeCode::ForeignNotText << u"2"_s;
    QByteArray daily = "BEGIN:VCALENDAR\nVERSION:2.0\n";
    for (int i = 0; i < 3; ++i)
        daily += "BEGIN:VEVENT\nDTSTART;VALUE=DATE:19000101\nRRULE:FREQ=DAILY\nSUMMARY:x\nEND:VEVENT\n";
    QTest::newRow("calendar repeating") << daily + "END:VCALENDAR\n"
                                        << true << NoticeCode::CalendarTooManyRepeats << u"100000"_s;
}

void tst_ForeignFiles::badFilesGiveOneError()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, values);
    QFETCH(bool, calendar);
    const QString path = write(bytes);
    if (bytes == "huge")
        QVERIFY(QFile::resize(path, ForeignText::kMaxBytes + 1));
    if (bytes == "none")
        QVERIFY(QFile::remove(path));
    try {
        if (calendar)
            HolidayCalendar::read(path, QDate(2027, 3, 1));
        else
            CsvReader::read(path);
        QFAIL("read without an error");
    } catch (const StoreError &e) {
        QTEST(e.notice().code, "code");
        QCOMPARE(e.notice().values,
                 QStringList{path} + (values.isEmpty() ? QStringList() : values.split(u'|')));
        QVERIFY(!NoticeText::text(e).isEmpty());
    }
}

// All-day, multi-day, repeating and timed events, as a calendar program's
// library writes them; "today" is 2027-03-01, read for two years.
void tst_ForeignFiles::holidaysWrittenByPythonIcalendar()
{
    const QString path = m_dir.filePath(u"holidays.ics"_s);
    const QString script = uR"(import sys, datetime as d, icalendar as i
c = i.Calendar(); c.add("prodid", "-//test//test//EN"); c.add("version", "2.0")
D = d.date
def ev(name, start, **properties):
    e = i.Event(); e.add("uid", name); e.add("dtstamp", d.datetime(2027, 1, 1)); e.add("summary", name)
    e.add("dtstart", start)
    for key, value in properties.items(): e.add(key.replace("_", "-"), value)
    c.add_component(e)
ev("New Year", D(2027, 1, 1), dtend=D(2027, 1, 2), rrule={"freq": "yearly"})
ev("Easter leave", D(2027, 4, 10), dtend=D(2027, 4, 13))
ev("Meeting", d.datetime(2027, 5, 1, 10), dtend=d.datetime(2027, 5, 1, 11))
ev("Old day", D(2026, 12, 24), dtend=D(2026, 12, 25))
ev("F\u00eate", D(2027, 6, 15))
ev("Ends today", D(2027, 2, 27), dtend=D(2027, 3, 2))
ev("Festival", D(2026, 7, 1), rrule={"freq": "yearly", "count": 5}, duration=d.timedelta(days=2))
ev("Gone", D(2020, 5, 1), dtend=D(2020, 5, 2), rrule={"freq": "yearly", "until": D(2025, 1, 1)})
ev("New Year", D(2029, 1, 2), recurrence_id=D(2029, 1, 1))
ev("Festival", D(2028, 7, 1), recurrence_id=D(2028, 7, 1), status="CANCELLED")
open(sys.argv[1], "wb").write(c.to_ical())
)"_s;
    if (QProcess::execute(u"/usr/bin/python3"_s, {u"-c"_s, script, path}) != 0)
        QSKIP("python3 with icalendar is needed: run scripts/deps.sh");
    const HolidayFile file = HolidayCalendar::read(path, QDate(2027, 3, 1));
    QStringList read;
    for (const HolidayEntry &h : file.holidays)
        read.append(u"%1 %2 %3 #%4"_s.arg(h.name, h.from.toString(Qt::ISODate), h.to.toString(Qt::ISODate))
                        .arg(h.event));
    QCOMPARE(read,
             QStringList({u"New Year 2028-01-01 2028-01-01 #1"_s, u"Easter leave 2027-04-10 2027-04-12 #2"_s,
                          u"Fête 2027-06-15 2027-06-15 #5"_s, u"Ends today 2027-02-27 2027-03-01 #6"_s,
                          u"Festival 2027-07-01 2027-07-02 #7"_s, u"New Year 2029-01-02 2029-01-02 #9"_s}));
    QCOMPARE(file.skippedTimed, 1);
    QCOMPARE(file.skippedPast, 2);
}

QTEST_GUILESS_MAIN(tst_ForeignFiles)
#include "tst_ForeignFiles.moc"
