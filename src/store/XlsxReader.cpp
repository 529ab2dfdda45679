#include "store/XlsxReader.h"

#include "store/SmallFile.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QIODevice>
#include <QXmlStreamReader>

#include <minizip/unzip.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

constexpr qint64 kOtherPartLimit = XlsxReader::kSheetPartLimit / 4;
// Deflate packs at best about 1:1030. Real sheets, even of empty styled
// cells, stay far below 1:800; only a part made to unpack into a flood
// comes near, and it is refused before a byte of it is read.
constexpr qint64 kDenseRatio = 800;
constexpr qint64 kDenseFrom = qint64(16) << 20;

[[noreturn]] void fail(StoreErrorCode code, NoticeCode notice, const QString &path, QStringList values = {})
{
    values.prepend(path);
    throw StoreError(code, notice, values, path);
}

// One part of the zip, unpacked as the XML reader asks for it, and never more
// than its bound whatever its header says.
class PartDevice : public QIODevice
{
public:
    PartDevice(unzFile zip, qint64 limit) : m_zip(zip), m_limit(limit) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool overLimit() const { return m_overLimit; }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *data, qint64 size) override
    {
        if (m_failed || m_overLimit)
            return -1;
        const int n = unzReadCurrentFile(m_zip, data, unsigned(qMin<qint64>(size, 1 << 20)));
        if (n < 0) {
            m_failed = true;
            return -1;
        }
        m_read += n;
        if (m_read > m_limit) {
            m_overLimit = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    unzFile m_zip;
    qint64 m_limit;
    qint64 m_read = 0;
    bool m_overLimit = false;
    bool m_failed = false;
};

// The XML of one part, read token by token; a document type, the door to
// entities, is refused wherever it stands.
class PartXml
{
public:
    PartXml(QXmlStreamReader &xml, const QString &path, const QString &part)
        : m_xml(xml), m_path(path), m_part(part)
    {}
    QXmlStreamReader &xml() { return m_xml; }
    // The next start of an element, false at the end of the part or of
    // the element named `within`.
    bool nextStart(QStringView within = {})
    {
        while (!m_xml.atEnd() && !m_xml.hasError()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::DTD:
                fail(StoreErrorCode::WrongFileKind, NoticeCode::WorkbookPartWithDtd, m_path, {m_part});
            case QXmlStreamReader::StartElement:
                return true;
            case QXmlStreamReader::EndElement:
                if (!within.isEmpty() && m_xml.name() == within)
                    return false;
                break;
            default:
                break;
            }
        }
        return false;
    }
    QString attribute(const QString &name) const { return m_xml.attributes().value(name).toString(); }
    // The text of an element that holds text alone (<t>, <v>).
    QString text() { return m_xml.readElementText(QXmlStreamReader::SkipChildElements); }
    // A string as shared strings and inline strings hold it: plain, or runs
    // of formatted text; phonetic guides (rPh) are not part of it.
    QString richText(QStringView end)
    {
        QString text;
        while (nextStart(end)) {
            if (m_xml.name() == u"t")
                text += this->text();
            else if (m_xml.name() == u"rPh")
                m_xml.skipCurrentElement();
        }
        return text;
    }

private:
    QXmlStreamReader &m_xml;
    const QString &m_path;
    QString m_part;
};

class Package
{
public:
    explicit Package(const QString &path) : m_path(path)
    {
        // A pipe or a device would block minizip's open, or never end.
        const SmallFile file = SmallFile::read(path, 0);
        if (file.state == SmallFile::State::NotAFile && file.mode != 0)
            fail(StoreErrorCode::WrongFileKind, NoticeCode::WorkbookNotAFile, path);
        if (file.state != SmallFile::State::Read) {
            const int error = file.state == SmallFile::State::Failed ? file.error : ENOENT;
            throw StoreError(storeErrorCodeOfSystem(error), NoticeCode::CannotReadFile,
                             {path, QString::fromLocal8Bit(strerror(error))}, path);
        }
        m_zip = unzOpen64(QFile::encodeName(path).constData());
        if (!m_zip)
            fail(StoreErrorCode::WrongFileKind, NoticeCode::WorkbookNotAZip, path);
    }
    ~Package() { unzClose(m_zip); }
    Package(const Package &) = delete;
    Package &operator=(const Package &) = delete;

    bool has(const QString &part) { return unzLocateFile(m_zip, part.toUtf8().constData(), 1) == UNZ_OK; }

    void read(const QString &part, qint64 limit, const std::function<void(PartXml &)> &readXml)
    {
        if (!has(part))
            fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookPartMissing, m_path, {part});
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
            fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookPartDamaged, m_path, {part});
        const auto unpacked = qint64(info.uncompressed_size);
        if (info.uncompressed_size > quint64(limit))
            fail(StoreErrorCode::General, NoticeCode::WorkbookPartTooLarge, m_path,
                 {part, QString::number(limit >> 20)});
        if (unpacked > kDenseFrom && unpacked / qMax<qint64>(1, qint64(info.compressed_size)) > kDenseRatio)
            fail(StoreErrorCode::General, NoticeCode::WorkbookPartTooDense, m_path, {part});
        if (unzOpenCurrentFile(m_zip) != UNZ_OK)
            fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookPartDamaged, m_path, {part});
        PartDevice device(m_zip, limit);
        QXmlStreamReader xml(&device);
        PartXml partXml(xml, m_path, part);
        readXml(partXml);
        while (!xml.atEnd() && !xml.hasError())
            partXml.nextStart(); // what follows must be well-formed too, and the CRC is checked at the end
        const int closed = unzCloseCurrentFile(m_zip);
        if (device.overLimit())
            fail(StoreErrorCode::General, NoticeCode::WorkbookPartTooLarge, m_path,
                 {part, QString::number(limit >> 20)});
        if (device.failed() || (closed != UNZ_OK && !xml.hasError()))
            fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookPartDamaged, m_path, {part});
        if (xml.hasError())
            fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookPartMalformed, m_path,
                 {part, QString::number(xml.lineNumber()), xml.errorString()});
    }

private:
    QString m_path;
    unzFile m_zip = nullptr;
};

// A relationship's target, as the path of the part inside the zip.
QString partPath(const QString &from, const QString &target)
{
    if (target.startsWith(u'/'))
        return QDir::cleanPath(target.mid(1));
    const qsizetype slash = from.lastIndexOf(u'/');
    return QDir::cleanPath(from.left(slash + 1) + target);
}

// Where a part's relationships are: beside it, in _rels/NAME.rels.
QString relationsPath(const QString &part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + u"_rels/"_s + part.mid(slash + 1) + u".rels"_s;
}

struct Relation {
    QString type; // the last word of its type: "officeDocument", "worksheet", "sharedStrings"
    QString target;
};

QHash<QString, Relation> readRelations(Package &zip, const QString &part)
{
    QHash<QString, Relation> relations;
    zip.read(relationsPath(part), kOtherPartLimit, [&](PartXml &xml) {
        while (xml.nextStart()) {
            if (xml.xml().name() != u"Relationship" || xml.attribute(u"TargetMode"_s) == u"External")
                continue;
            const QString type = xml.attribute(u"Type"_s);
            relations.insert(xml.attribute(u"Id"_s), {type.mid(type.lastIndexOf(u'/') + 1),
                                                      partPath(part, xml.attribute(u"Target"_s))});
        }
    });
    return relations;
}

QString partOfType(const QHash<QString, Relation> &relations, QStringView type)
{
    for (const Relation &relation : relations)
        if (relation.type == type)
            return relation.target;
    return {};
}

// Whether a number format shows a date (or a time): a day, month, year or
// hour token outside quoted text, [colour] or [$-locale] brackets and
// escaped or padding characters.
bool isDateFormat(QStringView code)
{
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i].toLower();
        if (c == u'"') {
            i = code.indexOf(u'"', i + 1);
        } else if (c == u'[') {
            i = code.indexOf(u']', i + 1);
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'd' || c == u'm' || c == u'y' || c == u'h') {
            return true;
        }
        if (i < 0)
            return false;
    }
    return false;
}

bool isBuiltInDateFormat(int id)
{
    return (id >= 14 && id <= 22) || (id >= 45 && id <= 47);
}

// For each cell format (a cell's s), whether it shows a date.
QList<bool> readDateStyles(Package &zip, const QString &part)
{
    QHash<int, bool> customFormats;
    QList<bool> dateStyles;
    zip.read(part, kOtherPartLimit, [&](PartXml &xml) {
        while (xml.nextStart()) {
            if (xml.xml().name() == u"numFmt") {
                customFormats.insert(xml.attribute(u"numFmtId"_s).toInt(),
                                     isDateFormat(xml.attribute(u"formatCode"_s)));
            } else if (xml.xml().name() == u"cellXfs") {
                while (xml.nextStart(u"cellXfs")) {
                    if (xml.xml().name() != u"xf")
                        continue;
                    const int id = xml.attribute(u"numFmtId"_s).toInt();
                    dateStyles.append(customFormats.value(id, isBuiltInDateFormat(id)));
                    xml.xml().skipCurrentElement();
                }
            }
        }
    });
    return dateStyles;
}

QStringList readSharedStrings(Package &zip, const QString &part)
{
    QStringList strings;
    zip.read(part, kOtherPartLimit, [&](PartXml &xml) {
        while (xml.nextStart())
            if (xml.xml().name() == u"si")
                strings.append(xml.richText(u"si"));
    });
    return strings;
}

// A day of the workbook's date system; null where the serial names none (the
// 1900 system's phantom 29 February 1900 and its day 0).
QDate dateOfSerial(double serial, bool system1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial >= 2958466)
        return {};
    const auto day = qint64(std::floor(serial));
    if (system1904)
        return QDate(1904, 1, 1).addDays(day);
    // The 1900 system counts 1900 as a leap year: day 60 is a 29 February
    // that never was, and the days before it are one off from the days after.
    if (day == 0 || day == 60)
        return {};
    return QDate(1899, 12, day < 60 ? 31 : 30).addDays(day);
}

QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

// The column and row (from 0) of a reference such as "B7"; -1 for what is
// no reference, a value past the limits for what lies past them.
std::pair<qint64, qint64> cellPosition(QStringView reference)
{
    qint64 column = 0;
    qint64 row = 0;
    qsizetype i = 0;
    for (; i < reference.size() && reference[i].isLetter() && reference[i].unicode() < 128; ++i)
        column = qMin<qint64>(column * 26 + (reference[i].toUpper().unicode() - 'A' + 1), qint64(1) << 40);
    const qsizetype letters = i;
    for (; i < reference.size() && reference[i].isDigit() && reference[i].unicode() < 128; ++i)
        row = qMin<qint64>(row * 10 + (reference[i].unicode() - '0'), qint64(1) << 40);
    if (letters == 0 || i == letters || i != reference.size() || row == 0)
        return {-1, -1};
    return {column - 1, row - 1};
}

class SheetReading
{
public:
    SheetReading(SheetTable &table, const QStringList &strings, const QList<bool> &dateStyles,
                 bool system1904)
        : m_table(table), m_strings(strings), m_dateStyles(dateStyles), m_1904(system1904)
    {}

    void read(PartXml &xml)
    {
        while (xml.nextStart()) {
            if (xml.xml().name() != u"row")
                continue;
            const QString r = xml.attribute(u"r"_s);
            const qint64 row = r.isEmpty() ? m_row + 1 : r.toLongLong() - 1;
            if (row < 0)
                bad(r, r);
            checkInside(row, 0, r);
            m_row = row;
            m_table.rows.append(SheetTable::Row{int(row + 1), {}});
            qint64 column = -1;
            while (xml.nextStart(u"row"))
                if (xml.xml().name() == u"c")
                    column = readCell(xml, column + 1);
        }
        while (!m_table.rows.isEmpty() && m_table.rows.last().cells.isEmpty())
            m_table.rows.removeLast();
    }

private:
    qint64 readCell(PartXml &xml, qint64 column)
    {
        QString reference = xml.attribute(u"r"_s);
        if (!reference.isEmpty()) {
            const auto [at, row] = cellPosition(reference);
            if (at < 0)
                bad(reference.left(20), reference.left(20));
            checkInside(row, at, reference.left(20));
            column = at;
        } else {
            checkInside(m_row, column,
                        columnName(int(qMin<qint64>(column, XlsxReader::kColumnLimit))) +
                            QString::number(m_row + 1));
            reference = columnName(int(column)) + QString::number(m_row + 1);
        }
        const QString type = xml.attribute(u"t"_s);
        const int style = xml.attribute(u"s"_s).toInt();
        SheetCell cell;
        bool hasValue = false;
        while (xml.nextStart(u"c")) {
            if (xml.xml().name() == u"v") {
                cell.text = xml.text();
                hasValue = true;
            } else if (xml.xml().name() == u"is") {
                cell.text = xml.richText(u"is");
                hasValue = true;
            } else {
                xml.xml().skipCurrentElement(); // the formula, whose value <v> holds
            }
        }
        if (!hasValue)
            return column;
        setValue(cell, type, style, reference);
        if (cell.isEmpty()) // blanks too: a row ends at its last cell that holds something
            return column;
        QList<SheetCell> &cells = m_table.rows.last().cells;
        if (column < cells.size()) {
            cells[column] = cell;
            return column;
        }
        m_cells += column + 1 - cells.size();
        if (m_cells > XlsxReader::kCellLimit)
            fail(StoreErrorCode::General, NoticeCode::WorkbookTooManyCells, m_table.path,
                 {m_table.sheet, QString::number(XlsxReader::kCellLimit)});
        cells.resize(column);
        cells.append(cell);
        return column;
    }

    void setValue(SheetCell &cell, const QString &type, int style, const QString &reference)
    {
        bool ok = true;
        if (type == u"s") {
            const qsizetype index = cell.text.toLongLong(&ok);
            ok = ok && index >= 0 && index < m_strings.size();
            if (ok)
                cell.text = m_strings[index];
            cell.kind = SheetCell::Kind::Text;
        } else if (type == u"inlineStr" || type == u"str" || type == u"e") {
            cell.kind = SheetCell::Kind::Text;
        } else if (type == u"b") {
            ok = cell.text == u"1" || cell.text == u"0";
            cell.kind = SheetCell::Kind::Boolean;
            cell.boolean = cell.text == u"1";
        } else if (type == u"d") {
            cell.date = QDate::fromString(cell.text.left(10), Qt::ISODate);
            ok = cell.date.isValid();
            cell.kind = SheetCell::Kind::Date;
        } else if (type.isEmpty() || type == u"n") {
            cell.number = cell.text.toDouble(&ok);
            ok = ok && std::isfinite(cell.number);
            cell.kind = SheetCell::Kind::Number;
            if (ok && style >= 0 && style < m_dateStyles.size() && m_dateStyles[style]) {
                cell.date = dateOfSerial(cell.number, m_1904);
                if (cell.date.isValid())
                    cell.kind = SheetCell::Kind::Date;
            }
        } else {
            ok = false;
        }
        if (!ok)
            bad(reference, cell.text.left(40));
    }

    void checkInside(qint64 row, qint64 column, const QString &reference)
    {
        if (row >= XlsxReader::kRowLimit || column >= XlsxReader::kColumnLimit)
            fail(StoreErrorCode::General, NoticeCode::WorkbookCellOutside, m_table.path,
                 {m_table.sheet, reference,
                  columnName(XlsxReader::kColumnLimit - 1) + QString::number(XlsxReader::kRowLimit)});
    }

    [[noreturn]] void bad(const QString &reference, const QString &value)
    {
        fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookBadCell, m_table.path,
             {m_table.sheet, reference, value});
    }

    SheetTable &m_table;
    const QStringList &m_strings;
    const QList<bool> &m_dateStyles;
    bool m_1904;
    qint64 m_row = -1;
    qint64 m_cells = 0;
};

struct Sheet {
    QString name;
    QString relation;
};

struct Workbook {
    QString part; // where the package keeps it
    QList<Sheet> sheets;
    bool system1904 = false;
};

Workbook readWorkbook(Package &zip, const QString &path)
{
    Workbook book;
    // The workbook part is where the package's relationships say; writers
    // all put it at xl/workbook.xml, which is where one without them is sought.
    book.part = u"xl/workbook.xml"_s;
    if (zip.has(u"_rels/.rels"_s))
        book.part = partOfType(readRelations(zip, {}), u"officeDocument");
    if (book.part.isEmpty() || !zip.has(book.part))
        fail(StoreErrorCode::WrongFileKind, NoticeCode::WorkbookWithoutWorkbook, path);

    zip.read(book.part, kOtherPartLimit, [&](PartXml &xml) {
        while (xml.nextStart()) {
            if (xml.xml().name() == u"workbookPr") {
                const QString value = xml.attribute(u"date1904"_s);
                book.system1904 = value == u"1" || value == u"true";
            } else if (xml.xml().name() == u"sheet") {
                Sheet found{xml.attribute(u"name"_s), {}};
                // r:id, whichever the prefix and namespace (transitional or strict)
                for (const QXmlStreamAttribute &attribute : xml.xml().attributes())
                    if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                        found.relation = attribute.value().toString();
                book.sheets.append(found);
            }
        }
    });
    if (book.sheets.isEmpty())
        fail(StoreErrorCode::ItemNotFound, NoticeCode::WorkbookWithoutSheets, path);
    return book;
}

} // namespace

QStringList XlsxReader::sheetNames(const QString &path)
{
    Package zip(path);
    QStringList names;
    for (const Sheet &s : readWorkbook(zip, path).sheets)
        names.append(s.name);
    return names;
}

SheetTable XlsxReader::read(const QString &path, const QString &sheet)
{
    Package zip(path);
    const Workbook book = readWorkbook(zip, path);
    const QString &workbook = book.part;
    const QList<Sheet> &sheets = book.sheets;
    const bool system1904 = book.system1904;
    auto chosen = sheets.cbegin();
    if (!sheet.isEmpty()) {
        chosen =
            std::find_if(sheets.cbegin(), sheets.cend(), [&](const Sheet &s) { return s.name == sheet; });
        if (chosen == sheets.cend())
            chosen = std::find_if(sheets.cbegin(), sheets.cend(), [&](const Sheet &s) {
                return s.name.compare(sheet, Qt::CaseInsensitive) == 0;
            });
        if (chosen == sheets.cend()) {
            QStringList names;
            for (const Sheet &s : std::as_const(sheets))
                names.append(u'\'' + s.name + u'\'');
            fail(StoreErrorCode::ItemNotFound, NoticeCode::WorkbookSheetNotFound, path,
                 {sheet, names.join(u", ")});
        }
    }

    const QHash<QString, Relation> relations = readRelations(zip, workbook);
    const QString sheetPart = relations.value(chosen->relation).target;
    if (sheetPart.isEmpty())
        fail(StoreErrorCode::Corrupt, NoticeCode::WorkbookPartMissing, path,
             {relationsPath(workbook) + u'#' + chosen->relation});
    const QString stringsPart = partOfType(relations, u"sharedStrings");
    const QStringList strings = stringsPart.isEmpty() ? QStringList() : readSharedStrings(zip, stringsPart);
    const QString stylesPart = partOfType(relations, u"styles");
    const QList<bool> dateStyles = stylesPart.isEmpty() ? QList<bool>() : readDateStyles(zip, stylesPart);

    SheetTable table;
    table.path = path;
    table.sheet = chosen->name;
    SheetReading reading(table, strings, dateStyles, system1904);
    zip.read(sheetPart, kSheetPartLimit, [&](PartXml &xml) { reading.read(xml); });
    return table;
}

} // namespace calendrix
