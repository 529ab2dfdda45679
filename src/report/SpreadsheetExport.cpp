#include "report/SpreadsheetExport.h"

#include "report/ExportBatch.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "store/RankList.h"
#include "store/ScratchFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

constexpr qsizetype kMaxSheetName = 31;
const QString kAssigned = u"/."_s;

// Cuts text to at most length UTF-16 units without splitting a character.
QString cut(const QString &text, qsizetype length)
{
    QString t = text.left(length);
    if (!t.isEmpty() && t.back().isHighSurrogate())
        t.chop(1);
    return t;
}

// Spreadsheet programs read control characters in a cell each their own
// way; only the line break and the tab are kept.
QByteArray cellText(const QString &text)
{
    QString t = text;
    for (QChar &c : t)
        if (c != u'\n' && c != u'\t' && c.category() == QChar::Other_Control)
            c = u' ';
    return t.toUtf8();
}

// The widest line of a text, in characters.
qsizetype charactersOf(const QString &text)
{
    qsizetype widest = 0;
    for (const QStringView line : QStringView(text).split(u'\n'))
        widest = std::max(widest, line.size());
    return widest;
}

// A column width for that many characters. The width is counted in the
// digits of the workbook's font, which other programs replace by fonts of
// their own with wider letters and capitals: a fifth more and two to spare.
double widthFor(qsizetype characters)
{
    constexpr double kMaxWidth = 255; // the most a spreadsheet column holds
    return std::min(double(characters) * 1.2 + 2, kMaxWidth);
}

// The widest a date cell's text gets in its format: "Wed 30 Sep", "2027-03-31".
constexpr qsizetype kFirstDayCharacters = 10, kLastDayCharacters = 6, kDateCharacters = 10;

// Header and footer texts take "&" as the start of a code, and hold at
// most 255 bytes with the codes around them.
QByteArray headerText(const QString &text)
{
    QString t = QString(text).replace(u'\n', u' ');
    QByteArray bytes;
    for (;;) {
        bytes = cellText(QString(t).replace(u'&', u"&&"_s));
        if (bytes.size() <= 200)
            return bytes;
        t = cut(t, t.size() - 1);
    }
}

// The library prints its own diagnostics on standard error; the program
// reports the failure itself, in one message.
template<typename Call> auto quietly(Call call)
{
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && null >= 0)
        ::dup2(null, STDERR_FILENO);
    const int savedErrno = errno;
    const auto result = call();
    const int callErrno = errno;
    std::fflush(stderr);
    if (saved >= 0 && null >= 0)
        ::dup2(saved, STDERR_FILENO);
    if (null >= 0)
        ::close(null);
    if (saved >= 0)
        ::close(saved);
    errno = result == LXW_NO_ERROR ? savedErrno : callErrno;
    return result;
}

class Workbook
{
public:
    Workbook(const QString &scratch, const QString &target) : m_target(target)
    {
        // A division's roster is millions of cells: each row goes to a
        // temporary file as soon as the next one starts, so the cells are
        // written row by row, top to bottom, on every sheet.
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        m_book = workbook_new_opt(QFile::encodeName(scratch).constData(), &options);
        if (!m_book)
            fail(LXW_ERROR_CREATING_XLSX_FILE);
        m_bold = workbook_add_format(m_book);
        format_set_bold(m_bold);
        m_date = workbook_add_format(m_book);
        format_set_num_format(m_date, "yyyy-mm-dd");
        // A period's column shows its first day with the weekday, as on the
        // board, and its last day; the year is in the cell and on the summary.
        m_firstDay = workbook_add_format(m_book);
        format_set_num_format(m_firstDay, "ddd d mmm");
        format_set_bold(m_firstDay);
        m_lastDay = workbook_add_format(m_book);
        format_set_num_format(m_lastDay, "d mmm");
        m_holiday = workbook_add_format(m_book);
        shade(m_holiday);
        m_holidayFirstDay = workbook_add_format(m_book);
        format_set_num_format(m_holidayFirstDay, "ddd d mmm");
        format_set_bold(m_holidayFirstDay);
        shade(m_holidayFirstDay);
        m_holidayLastDay = workbook_add_format(m_book);
        format_set_num_format(m_holidayLastDay, "d mmm");
        shade(m_holidayLastDay);
        // The marks stand right, as on the board, the duty's own in bold.
        for (const bool holiday : {false, true}) {
            for (const bool assigned : {false, true}) {
                lxw_format *f = workbook_add_format(m_book);
                format_set_align(f, LXW_ALIGN_RIGHT);
                if (assigned)
                    format_set_bold(f);
                if (holiday)
                    shade(f);
                m_marks[holiday][assigned] = f;
            }
        }
        m_wrap = workbook_add_format(m_book);
        format_set_text_wrap(m_wrap);
    }

    void setTitle(const QString &title)
    {
        const QByteArray text = cellText(title);
        lxw_doc_properties properties{};
        properties.title = const_cast<char *>(text.constData());
        check(workbook_set_properties(m_book, &properties));
    }

    // Printed, every page says which roster and which sheet it is, and how
    // many pages there are: sheets come apart on the desk.
    void setHeaderAndFooter(lxw_worksheet *sheet, const QString &title)
    {
        check(worksheet_set_header(sheet, ("&L" + headerText(title) + "&R&A").constData()));
        // The page numbers are the spreadsheet program's own fields.
        const QByteArray footer =
            headerText(QCoreApplication::translate("SpreadsheetExport", "Page %1 of %2"))
                .replace("%1", "&P")
                .replace("%2", "&N");
        check(worksheet_set_footer(sheet, ("&C" + footer).constData()));
    }

    ~Workbook()
    {
        // Only after a failure: the half-written scratch file is removed anyway.
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_worksheet *addSheet(const QString &name)
    {
        lxw_worksheet *sheet = workbook_add_worksheet(m_book, name.toUtf8().constData());
        if (!sheet)
            fail(LXW_ERROR_PARAMETER_VALIDATION);
        return sheet;
    }

    void close()
    {
        lxw_workbook *book = m_book;
        m_book = nullptr;
        errno = 0;
        const lxw_error error = quietly([book] { return workbook_close(book); });
        // The zip writer fails on a system call; its reason says more than the library's text.
        if (error != LXW_NO_ERROR && errno != 0)
            throw systemError(NoticeCode::CannotWriteFile, m_target);
        check(error);
    }

    void check(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            fail(error);
    }

    [[noreturn]] void fail(lxw_error error) const
    {
        QString why = QString::fromUtf8(lxw_strerror(error)).trimmed();
        if (why.endsWith(u'.'))
            why.chop(1);
        throw ReportError(
            Notice{Notice::Kind::Error, NoticeCode::ExportCannotWriteSpreadsheet, {m_target, why}});
    }

    void text(lxw_worksheet *sheet, int row, int col, const QString &value, lxw_format *format = nullptr)
    {
        if (value.isEmpty()) {
            if (format)
                check(worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(col), format));
            return;
        }
        check(worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(col), cellText(value).constData(),
                                     format ? format : (value.contains(u'\n') ? m_wrap : nullptr)));
    }

    void number(lxw_worksheet *sheet, int row, int col, double value, lxw_format *format = nullptr)
    {
        check(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(col), value, format));
    }

    // A date as a date cell; one before the spreadsheets' calendar begins as text.
    void date(lxw_worksheet *sheet, int row, int col, const QDate &value, lxw_format *format)
    {
        if (!value.isValid())
            return text(sheet, row, col, {},
                        format == m_holidayFirstDay || format == m_holidayLastDay ? m_holiday : nullptr);
        if (value.year() < 1900)
            return text(sheet, row, col, value.toString(Qt::ISODate), format);
        lxw_datetime d{value.year(), value.month(), value.day(), 0, 0, 0};
        check(worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(col), &d, format));
    }

    lxw_format *bold() const { return m_bold; }
    lxw_format *date() const { return m_date; }
    lxw_format *firstDay(bool holiday) const { return holiday ? m_holidayFirstDay : m_firstDay; }
    lxw_format *lastDay(bool holiday) const { return holiday ? m_holidayLastDay : m_lastDay; }
    lxw_format *markFormat(bool holiday, bool assigned) const { return m_marks[holiday][assigned]; }

private:
    static void shade(lxw_format *format)
    {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, 0xD9D9D9);
    }

    QString m_target;
    lxw_workbook *m_book = nullptr;
    lxw_format *m_bold, *m_date, *m_firstDay, *m_lastDay, *m_holiday, *m_holidayFirstDay, *m_holidayLastDay,
        *m_wrap;
    lxw_format *m_marks[2][2] = {}; // [holiday][assigned]
};

} // namespace

QString SpreadsheetExport::summarySheet()
{
    return QCoreApplication::translate("SpreadsheetExport", "Summary",
                                       "The name of the first sheet; at most 31 characters");
}

QStringList SpreadsheetExport::sheetNames(const QStringList &duties)
{
    QSet<QString> taken{summarySheet().toCaseFolded(), u"history"_s};
    QStringList names;
    for (const QString &duty : duties) {
        QString base;
        for (const QChar c : duty)
            base += (c.category() == QChar::Other_Control || QStringView(u"[]:*?/\\").contains(c)) ? u'_' : c;
        base = base.trimmed();
        while (base.startsWith(u'\''))
            base.remove(0, 1);
        base = cut(base, kMaxSheetName);
        while (base.endsWith(u'\''))
            base.chop(1);
        if (base.isEmpty())
            base = QCoreApplication::translate("SpreadsheetExport", "Duty",
                                               "The name of a sheet whose duty has no name");
        QString name = base;
        for (int n = 2; taken.contains(name.toCaseFolded()); ++n) {
            const QString suffix = u" (%1)"_s.arg(n);
            name = cut(base, kMaxSheetName - suffix.size()) + suffix;
        }
        taken.insert(name.toCaseFolded());
        names.append(name);
    }
    return names;
}

int SpreadsheetExport::steps() const
{
    return int(m_data.duties.size()) + 2;
}

void SpreadsheetExport::writeTable(const QString &path, const QString &sheetName,
                                   const QList<QStringList> &rows, ExportBatch &batch)
{
    const QString scratch = batch.reserve(path);
    Workbook book(scratch, path);
    lxw_worksheet *sheet = book.addSheet(sheetName);
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            book.text(sheet, int(r), int(c), rows[r][c], r == 0 ? book.bold() : nullptr);
    worksheet_freeze_panes(sheet, 1, 1);
    book.close();
    batch.step();
}

void SpreadsheetExport::write(const QString &path, ExportBatch &batch) const
{
    const QString scratch = batch.reserve(path);
    Workbook book(scratch, path);
    const QString title = m_data.title();
    book.setTitle(title);

    lxw_worksheet *summary = book.addSheet(summarySheet());
    const QStringList headings = {QCoreApplication::translate("SpreadsheetExport", "Duty"),
                                  QCoreApplication::translate("SpreadsheetExport", "Organization"),
                                  QCoreApplication::translate("SpreadsheetExport", "Periods"),
                                  QCoreApplication::translate("SpreadsheetExport", "First day"),
                                  QCoreApplication::translate("SpreadsheetExport", "Last day"),
                                  QCoreApplication::translate("SpreadsheetExport", "Soldiers"),
                                  QCoreApplication::translate("SpreadsheetExport", "Assignments")};
    QList<double> summaryWidths;
    for (int col = 0; col < headings.size(); ++col) {
        book.text(summary, 0, col, headings[col], book.bold());
        summaryWidths.append(widthFor(std::max(charactersOf(headings[col]), kDateCharacters)));
    }
    worksheet_freeze_panes(summary, 1, 1);
    // Printed from the spreadsheet program, as the roster is: landscape, the
    // summary one page wide, a duty's headings and names on every page.
    worksheet_set_landscape(summary);
    worksheet_fit_to_pages(summary, 1, 0);
    book.check(worksheet_repeat_rows(summary, 0, 0));
    book.setHeaderAndFooter(summary, title);

    QStringList dutyNames;
    for (const RosterDuty &duty : m_data.duties)
        dutyNames.append(duty.name);
    const QStringList sheets = sheetNames(dutyNames);

    for (qsizetype d = 0; d < m_data.duties.size(); ++d) {
        const RosterDuty &duty = m_data.duties[d];
        lxw_worksheet *sheet = book.addSheet(sheets[d]);

        int assignments = 0;
        QDate first, last;
        for (const RosterColumn &c : duty.columns) {
            first = first.isValid() ? std::min(first, c.start) : c.start;
            last = last.isValid() ? std::max(last, c.lastDay()) : c.lastDay();
        }

        book.text(sheet, 0, 0, duty.name, book.bold());
        // A draft says so beside the organization, where the heading has room.
        book.text(sheet, 0, kFirstPeriodColumn,
                  !m_data.draft ? duty.organization
                  : duty.organization.isEmpty()
                      ? draftNotice()
                      : QCoreApplication::translate("SpreadsheetExport", "%1 \u00b7 %2",
                                                    "The organization, then the draft notice")
                            .arg(duty.organization, draftNotice()));
        const QString rankHeading = QCoreApplication::translate("SpreadsheetExport", "Rank"),
                      nameHeading = QCoreApplication::translate("SpreadsheetExport", "Name");
        book.text(sheet, 1, 0, rankHeading, book.bold());
        book.text(sheet, 1, 1, nameHeading, book.bold());
        qsizetype rankCharacters = charactersOf(rankHeading), nameCharacters = charactersOf(nameHeading);
        for (int c = 0; c < duty.columns.size(); ++c)
            book.date(sheet, 1, kFirstPeriodColumn + c, duty.columns[c].start,
                      book.firstDay(duty.columns[c].holiday));
        book.text(
            sheet, 2, 1,
            QCoreApplication::translate("SpreadsheetExport", "until", "Beside the last days of the periods"));
        for (int c = 0; c < duty.columns.size(); ++c)
            book.date(sheet, 2, kFirstPeriodColumn + c, duty.columns[c].end,
                      book.lastDay(duty.columns[c].holiday));
        for (qsizetype s = 0; s < duty.soldiers.size(); ++s) {
            const RosterSoldier &soldier = duty.soldiers[s];
            const int row = kHeadingRows + int(s);
            const QString rank = rankAbbreviation(soldier.rank);
            book.text(sheet, row, 0, rank);
            book.text(sheet, row, 1, soldier.name);
            rankCharacters = std::max(rankCharacters, charactersOf(rank));
            nameCharacters = std::max(nameCharacters, charactersOf(soldier.name));
            for (int c = 0; c < duty.columns.size(); ++c) {
                const QString &mark = soldier.cells.value(c);
                lxw_format *format = book.markFormat(duty.columns[c].holiday, mark == kAssigned);
                bool isNumber = false;
                const int standing = mark.toInt(&isNumber);
                // Standing numbers stay numbers, so that the sheet sorts by them.
                if (isNumber && QString::number(standing) == mark)
                    book.number(sheet, row, kFirstPeriodColumn + c, standing, format);
                else
                    book.text(sheet, row, kFirstPeriodColumn + c, mark, format);
                if (mark == kAssigned)
                    ++assignments;
            }
        }
        worksheet_freeze_panes(sheet, kHeadingRows, kFirstPeriodColumn);
        worksheet_set_landscape(sheet);
        // A month of periods is wider than any page: one page wide, as many
        // long as the soldiers need, the headings and names on each.
        worksheet_fit_to_pages(sheet, 1, 0);
        book.check(worksheet_repeat_rows(sheet, 0, kHeadingRows - 1));
        book.check(worksheet_repeat_columns(sheet, 0, kFirstPeriodColumn - 1));
        book.setHeaderAndFooter(sheet, title);
        // The duty's name stands in the first row and may run on into the next
        // cells: it does not widen the rank column.
        book.check(worksheet_set_column(sheet, 0, 0, widthFor(rankCharacters), nullptr));
        book.check(worksheet_set_column(sheet, 1, 1, widthFor(nameCharacters), nullptr));
        if (!duty.columns.isEmpty())
            book.check(worksheet_set_column(
                sheet, kFirstPeriodColumn, lxw_col_t(kFirstPeriodColumn + duty.columns.size() - 1),
                widthFor(std::max(kFirstDayCharacters, kLastDayCharacters)), nullptr));

        const int row = int(d) + 1;
        book.text(summary, row, 0, duty.name);
        book.text(summary, row, 1, duty.organization);
        book.number(summary, row, 2, double(duty.columns.size()));
        book.date(summary, row, 3, first, book.date());
        book.date(summary, row, 4, last, book.date());
        book.number(summary, row, 5, double(duty.soldiers.size()));
        book.number(summary, row, 6, assignments);
        summaryWidths[0] = std::max(summaryWidths[0], widthFor(charactersOf(duty.name)));
        summaryWidths[1] = std::max(summaryWidths[1], widthFor(charactersOf(duty.organization)));
        batch.step();
    }
    for (int col = 0; col < summaryWidths.size(); ++col)
        book.check(
            worksheet_set_column(summary, lxw_col_t(col), lxw_col_t(col), summaryWidths[col], nullptr));
    batch.step();
    book.close();
    batch.step();
}

} // namespace calendrix
