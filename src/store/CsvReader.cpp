#include "store/CsvReader.h"

#include "store/ForeignText.h"
#include "store/StoreError.h"

#include <QStringDecoder>

#include <csv.h>
#include <unicode/ucnv.h>

#include <memory>

namespace calendrix {

namespace {

// The parser's states between rows and inside a field (libcsv's
// ROW_NOT_BEGUN and FIELD_BEGUN).
constexpr int kRowNotBegun = 0;
constexpr int kFieldBegun = 2;

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    // The decoding is lazy: only the conversion to a string finds the errors.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// ICU knows the code page; it maps the five bytes the code page leaves
// undefined to the C1 controls, as Windows itself does.
QByteArray utf8FromWindows1252(QByteArrayView bytes, const QString &path)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open("windows-1252", &status),
                                                                 ucnv_close);
    QString text(bytes.size(), Qt::Uninitialized);
    int32_t length = 0;
    if (U_SUCCESS(status))
        length = ucnv_toUChars(converter.get(), reinterpret_cast<UChar *>(text.data()), int32_t(text.size()),
                               bytes.data(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        throw StoreError(StoreErrorCode::General, NoticeCode::ForeignCannotRead,
                         {path, QString::fromLatin1(u_errorName(status))}, path);
    text.truncate(length);
    return text.toUtf8();
}

// The separator the header line (the first that is not blank) uses most,
// outside quotes; 0 for none. As the parser, it takes a quote for quoting
// only at the start of a field: "5" screen" is a field of its own.
char separatorOf(QByteArrayView text)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false, fieldStart = true, lineHasText = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                ++i;
            else if (c == '"')
                quoted = false;
            continue;
        }
        if (c == '\n' || c == '\r') {
            if (lineHasText)
                break;
            continue;
        }
        quoted = c == '"' && fieldStart;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
        fieldStart = c == ',' || c == ';' || c == '\t' || (fieldStart && c == ' ');
        lineHasText = lineHasText || (c != ' ' && c != '\t');
    }
    if (commas == 0 && semicolons == 0 && tabs == 0)
        return 0;
    if (commas >= semicolons && commas >= tabs)
        return ',';
    return semicolons >= tabs ? ';' : '\t';
}

struct Reading {
    SheetTable *table;
    SheetTable::Row row;
    int rowLine = 0;
    qsizetype cells = 0;
    NoticeCode failure = NoticeCode::CsvTooManyColumns;
    bool failed = false;

    void fail(NoticeCode code)
    {
        failure = code;
        failed = true;
    }
};

void takeField(void *data, size_t size, void *reading)
{
    auto &r = *static_cast<Reading *>(reading);
    if (r.failed)
        return;
    if (r.row.cells.size() >= CsvReader::kMaxColumns)
        return r.fail(NoticeCode::CsvTooManyColumns);
    if (r.cells >= CsvReader::kMaxCells)
        return r.fail(NoticeCode::CsvTooManyCells);
    SheetCell cell;
    if (size > 0) {
        cell.kind = SheetCell::Kind::Text;
        cell.text = QString::fromUtf8(static_cast<const char *>(data), qsizetype(size));
    }
    r.row.cells.append(std::move(cell));
    ++r.cells;
}

void takeRow(int, void *reading)
{
    auto &r = *static_cast<Reading *>(reading);
    if (r.failed)
        return;
    while (!r.row.cells.isEmpty() && r.row.cells.constLast().kind == SheetCell::Kind::Empty) {
        r.row.cells.removeLast();
        --r.cells;
    }
    r.row.line = r.rowLine;
    r.table->rows.append(std::move(r.row));
    r.row = {};
}

// The end of the line that begins at `from`: past its CRLF, LF or CR.
qsizetype lineEnd(QByteArrayView text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && text[i] != '\n' && text[i] != '\r')
        ++i;
    if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        ++i;
    return std::min(i + 1, text.size());
}

} // namespace

SheetTable CsvReader::read(const QString &path)
{
    QByteArray text = ForeignText::read(path);
    SheetTable table;
    table.path = path;
    if (text.startsWith("\xEF\xBB\xBF")) {
        text.remove(0, 3);
        table.encoding = QStringLiteral("utf-8-bom");
    } else if (isValidUtf8(text)) {
        table.encoding = QStringLiteral("utf-8");
    } else {
        text = utf8FromWindows1252(text, path);
        table.encoding = QStringLiteral("windows-1252");
    }
    const char separator = separatorOf(text);
    if (separator != 0)
        table.separator = QString(QLatin1Char(separator));

    csv_parser parser;
    if (csv_init(&parser, 0) != 0)
        throw std::bad_alloc();
    std::unique_ptr<csv_parser, decltype(&csv_free)> freeParser(&parser, csv_free);
    // With no separator in the header, each line is one cell: no byte of a
    // text file is NUL, so none separates.
    csv_set_delim(&parser, static_cast<unsigned char>(separator));

    Reading reading;
    reading.table = &table;
    const auto failure = [&] {
        if (reading.failure == NoticeCode::CsvTooManyColumns)
            return StoreError(StoreErrorCode::General, reading.failure,
                              {path, QString::number(reading.rowLine), QString::number(kMaxColumns)}, path);
        return StoreError(StoreErrorCode::General, reading.failure,
                          {path, QString::number(reading.rowLine), QString::number(kMaxCells)}, path);
    };
    // Line by line, so that each row knows the line it begins on; a row begins
    // on the first line that the parser meets between rows and that holds more
    // than blanks (blank lines make no row).
    int line = 0;
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype to = lineEnd(text, from);
        ++line;
        if (parser.pstate == kRowNotBegun)
            reading.rowLine = line;
        if (csv_parse(&parser, text.constData() + from, size_t(to - from), takeField, takeRow, &reading) !=
            size_t(to - from))
            throw std::bad_alloc(); // libcsv stops short only when it runs out of memory
        if (reading.failed)
            throw failure();
        from = to;
    }
    // libcsv tells an open quote at the end only in its strict mode, which
    // would also refuse the stray quotes other programs leave inside fields.
    if (parser.pstate == kFieldBegun && parser.quoted)
        throw StoreError(StoreErrorCode::WrongFileKind, NoticeCode::CsvUnclosedQuote,
                         {path, QString::number(reading.rowLine)}, path);
    csv_fini(&parser, takeField, takeRow, &reading);
    if (reading.failed)
        throw failure();
    while (!table.rows.isEmpty() && table.rows.constLast().cells.isEmpty())
        table.rows.removeLast();
    return table;
}

} // namespace calendrix
