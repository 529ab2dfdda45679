#include "app/NoticeText.h"
#include "store/StoreError.h"
#include "store/XlsxReader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace calendrix;

// The workbooks are written by another program (openpyxl) through
// xlsx_maker.py, never by our own export, and edited there into the damaged
// and hostile ones.
class tst_XlsxReader : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refuse_data();
    void refuse();

private:
    QString make(const QString &kind)
    {
        const QString path = m_dir.filePath(kind + u".xlsx"_s);
        QProcess python;
        python.start(u"/usr/bin/python3"_s, {QStringLiteral(XLSX_MAKER), kind, path});
        if (!python.waitForFinished(120000) || python.exitCode() != 0)
            qWarning() << python.readAllStandardError();
        return path;
    }
    QTemporaryDir m_dir;
};

// "SHEET: LINE:CELL|CELL ...", texts quoted, so that a lost gap, a wrong
// type or a wrong day shows in one comparison.
static QString dump(const SheetTable &table)
{
    QStringList rows;
    for (const SheetTable::Row &row : table.rows) {
        QStringList cells;
        for (const SheetCell &cell : row.cells) {
            switch (cell.kind) {
            case SheetCell::Kind::Empty:
                cells << QString();
                break;
            case SheetCell::Kind::Text:
                cells << u'\'' + cell.text + u'\'';
                break;
            case SheetCell::Kind::Number:
                cells << QString::number(cell.number);
                break;
            case SheetCell::Kind::Boolean:
                cells << (cell.boolean ? u"true"_s : u"false"_s);
                break;
            case SheetCell::Kind::Date:
                cells << cell.date.toString(Qt::ISODate);
                break;
            }
        }
        rows << QString::number(row.line) + u':' + cells.join(u'|');
    }
    return table.sheet + u": "_s + rows.join(u' ');
}

void tst_XlsxReader::read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("expected");
    // The first sheet in the workbook's order, though another is the active one.
    QTest::newRow("first sheet") << u"values"_s << QString() << u"Leave: 1:'Baker'|'sick'"_s;
    // Dates by built-in (14) and custom formats, 28 February 1900 before the
    // phantom 29th; numbers whose format has d, m or y quoted, in a colour
    // bracket or after a padding _; a gap; trailing blanks and a styled
    // empty row left out.
    QTest::newRow("named sheet, 1900 dates")
        << u"values"_s << u"Soldiers"_s
        << u"Soldiers: 1:'Name'|'Born'|'Count'|'Active' 2:'Adams'|1990-05-17|3|true "
           "3:'Baker'||2.5|false|1900-02-28 4:1900-01-01|2023-03-15|7|8|9"_s;
    QTest::newRow("1904 dates") << u"1904"_s << u"soldiers"_s
                                << u"Soldiers: 1:'Name'|'Born'|'Count'|'Active' 2:'Adams'|1990-05-17|3|true "
                                   "3:'Baker'||2.5|false|-1402 4:-1460|2027-03-16|7|8|9"_s;
    // Shared strings of rich runs without their phonetic guide, formula and
    // error texts, cells and rows without a reference, a cell written out of
    // order, missing rows keeping their numbers.
    QTest::newRow("strings and references")
        << u"shared"_s << QString() << u"Leave: 2:'Name'|'Adams '|'=A1'|'#N/A'||'inline' 3:1000 7:||true"_s;
}

void tst_XlsxReader::read()
{
    QFETCH(QString, kind);
    QFETCH(QString, sheet);
    QFETCH(QString, expected);
    QCOMPARE(dump(XlsxReader::read(make(kind), sheet)), expected);
}

void tst_XlsxReader::refuse_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<NoticeCode>("code");
    QTest::newRow("no such sheet") << u"values"_s << u"Duties"_s << NoticeCode::WorkbookSheetNotFound;
    QTest::newRow("pipe") << u"fifo"_s << QString() << NoticeCode::WorkbookNotAFile;
    QTest::newRow("binary junk") << u"junk"_s << QString() << NoticeCode::WorkbookNotAZip;
    QTest::newRow("zip without workbook")
        << u"noworkbook"_s << QString() << NoticeCode::WorkbookWithoutWorkbook;
    QTest::newRow("zip bomb") << u"bomb"_s << QString() << NoticeCode::WorkbookPartTooLarge;
    QTest::newRow("declared 1 GB") << u"declared1g"_s << QString() << NoticeCode::WorkbookPartTooLarge;
    QTest::newRow("packed densely") << u"dense"_s << QString() << NoticeCode::WorkbookPartTooDense;
    QTest::newRow("external entity") << u"dtd"_s << QString() << NoticeCode::WorkbookPartWithDtd;
    QTest::newRow("column 10^6") << u"column1e6"_s << QString() << NoticeCode::WorkbookCellOutside;
    QTest::newRow("rows reaching the last column")
        << u"widerows"_s << QString() << NoticeCode::WorkbookTooManyCells;
    QTest::newRow("malformed XML") << u"malformed"_s << QString() << NoticeCode::WorkbookPartMalformed;
    QTest::newRow("number not a number") << u"badnumber"_s << QString() << NoticeCode::WorkbookBadCell;
}

void tst_XlsxReader::refuse()
{
    QFETCH(QString, kind);
    QFETCH(QString, sheet);
    QFETCH(NoticeCode, code);
    const QString path = make(kind);
    try {
        XlsxReader::read(path, sheet);
        QFAIL("read");
    } catch (const StoreError &error) {
        QCOMPARE(error.notice().code, code);
        const QString text = NoticeText::text(error);
        QVERIFY2(text.contains(path) && !text.contains(u'%'), qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(tst_XlsxReader)
#include "tst_XlsxReader.moc"
