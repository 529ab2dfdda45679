#include "session/PersonnelImport.h"

#include "store/Fields.h"
#include "store/RankList.h"
#include "store/RecordSet.h"
#include "store/RecordSources.h"

#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

using Row = PersonnelImport::Row;
using Action = Row::Action;

// A header as the clerk means it: case, spaces and punctuation aside
// ("Soldier Name", "soldier_name" and "SOLDIERNAME" are one).
QString headerKey(const QString &title)
{
    QString key;
    for (const QChar c : title.toCaseFolded())
        if (c.isLetterOrNumber())
            key += c;
    return key;
}

QString textOf(const SheetCell &cell)
{
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        return {};
    case SheetCell::Kind::Number:
        return cell.text.isEmpty() ? QString::number(cell.number, 'g', 15) : cell.text.trimmed();
    case SheetCell::Kind::Boolean:
        return cell.boolean ? u"TRUE"_s : u"FALSE"_s;
    case SheetCell::Kind::Date:
        return cell.date.toString(Qt::ISODate);
    case SheetCell::Kind::Text:
        break;
    }
    return cell.text.trimmed();
}

std::optional<bool> yesNoOf(const SheetCell &cell)
{
    if (cell.kind == SheetCell::Kind::Boolean)
        return cell.boolean;
    if (cell.kind == SheetCell::Kind::Number && (cell.number == 0 || cell.number == 1))
        return cell.number == 1;
    static const QSet<QString> yes{u"yes"_s,    u"y"_s,      u"x"_s,      u"1"_s,     u"true"_s,
                                   u"\u2713"_s, u"\u2714"_s, u"\u2611"_s, u"\u2612"_s};
    static const QSet<QString> no{QString(), u"no"_s, u"n"_s, u"0"_s, u"false"_s};
    const QString text = textOf(cell).toCaseFolded();
    if (yes.contains(text))
        return true;
    if (no.contains(text))
        return false;
    return std::nullopt;
}

// A spreadsheet's day number in its 1900 system, which counts a 29 February
// 1900 that never was.
QDate serialDate(double serial)
{
    if (serial < 1 || serial >= 2958466 || serial == 60)
        return {};
    const qint64 day = qint64(serial);
    return serial < 60 ? QDate(1899, 12, 31).addDays(day) : QDate(1899, 12, 30).addDays(day);
}

// A day in the locale's short form, its year in full: one of those dateOf reads.
QString localDate(const QDate &day)
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    return locale.toString(day, format);
}

// ISO, the locale's short date (with a year of two digits in this century
// or the last), or a spreadsheet's date.
QDate dateOf(const SheetCell &cell)
{
    if (cell.kind == SheetCell::Kind::Date)
        return cell.date;
    if (cell.kind == SheetCell::Kind::Number)
        return serialDate(cell.number);
    const QString text = textOf(cell);
    if (text.isEmpty())
        return {};
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (date.isValid())
        return date;
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        date = locale.toDate(text, QString(format).replace(u"yy"_s, u"yyyy"_s));
    if (!date.isValid()) {
        date = locale.toDate(text, format);
        if (date.isValid() && !format.contains(u"yyyy"_s) && date.year() < 1950)
            date = date.addYears(100);
    }
    return date;
}

std::optional<QString> rankCodeOf(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const auto &[code, shown] : mainRankList())
        if (text.compare(code, Qt::CaseInsensitive) == 0 ||
            text.compare(shown.trimmed(), Qt::CaseInsensitive) == 0)
            return code;
    return std::nullopt;
}

bool overlaps(const QDate &from, const QDate &to, const QVariant &otherFrom, const QVariant &otherTo)
{
    const QDate a = otherFrom.toDate(), b = otherTo.isNull() ? a : otherTo.toDate();
    return a.isValid() && b.isValid() && from <= b && a <= to;
}

// "Q2, Q5": qualifications by their numbers, as a file may head their columns.
QString qualificationNames(const QList<int> &numbers)
{
    QStringList names;
    for (const int k : numbers)
        names.append(u"Q"_s + QString::number(k));
    return names.join(u", "_s);
}

// The fields of a file of soldiers, by every header that names them.
const QHash<QString, QString> &soldierFields()
{
    static const QHash<QString, QString> fields{{u"name"_s, u"name"_s},        {u"soldier"_s, u"name"_s},
                                                {u"soldiername"_s, u"name"_s}, {u"rank"_s, u"rank"_s},
                                                {u"soldierrank"_s, u"rank"_s}, {u"section"_s, u"section"_s},
                                                {u"comment"_s, u"section"_s},  {u"platoon"_s, u"section"_s}};
    return fields;
}

// How a file of soldiers names each qualification's column: Q1 to Q15, and
// the qualification's title in Setup where that names it alone. A title that
// two qualifications carry (case, spaces and punctuation aside), or that
// reads as another's number ("Q3" for qualification 5), names none: a column
// so headed could hold either. A title that reads as a field ("Rank") is
// that field's column, as it always was.
struct QualificationTitles {
    QHash<QString, int> byKey;
    QHash<QString, QList<int>> shared;
    QStringList written; // each qualification's title as Setup has it, Q1 first
};

QualificationTitles qualificationTitles(const Database &personnel)
{
    QualificationTitles t;
    {
        RecordSet setup(personnel, RecordSources::kQualifications);
        for (int k = 1; k <= Fields::kQualificationCount; ++k) {
            t.byKey.insert(u"q"_s + QString::number(k), k);
            t.written.append(setup.eof() ? QString() : setup.text(Fields::Qualifications::qualification(k)));
        }
    }
    for (int k = 1; k <= Fields::kQualificationCount; ++k) {
        const QString key = headerKey(t.written.at(k - 1));
        if (key.isEmpty() || soldierFields().contains(key))
            continue;
        QList<int> &sharers = t.shared[key];
        if (sharers.isEmpty()) {
            if (const int number = t.byKey.value(key); number != 0 && number != k)
                sharers.append(number); // the title is another's number
        }
        sharers.append(k);
    }
    for (auto it = t.shared.begin(); it != t.shared.end();) {
        if (it->size() == 1) {
            t.byKey.insert(it.key(), it->first());
            it = t.shared.erase(it);
        } else {
            t.byKey.remove(it.key());
            ++it;
        }
    }
    return t;
}

// The file's columns that the import knows, by what they hold; the others refused.
struct Columns {
    QHash<QString, int> byField;           // a field's key ("name", "from") -> column
    QList<QPair<int, int>> qualifications; // column -> qualification 1..15
    QStringList titles;                    // the header as the file has it
    QList<Row> refused;

    int operator[](const QString &field) const { return byField.value(field, -1); }
};

// unknown: the refusal of a column that is neither a field nor a qualification;
// shared: the titles that name several qualifications, each refused.
Columns columnsOf(const SheetTable &table, const QHash<QString, QString> &fields,
                  const QHash<QString, int> &qualificationTitles, NoticeCode unknown,
                  const QHash<QString, QList<int>> &shared = {})
{
    Columns c;
    if (table.rows.isEmpty())
        return c;
    const SheetTable::Row &header = table.rows.first();
    for (int i = 0; i < header.cells.size(); ++i) {
        const QString title = textOf(header.cells[i]);
        c.titles.append(title);
        const QString key = headerKey(title);
        if (key.isEmpty())
            continue;
        if (fields.contains(key) && !c.byField.contains(fields.value(key)))
            c.byField.insert(fields.value(key), i);
        else if (qualificationTitles.contains(key))
            c.qualifications.append({i, qualificationTitles.value(key)});
        else if (const auto which = shared.constFind(key); which != shared.cend()) {
            // The number offered as the way out is one that a column may be
            // headed with: not one that is itself another's title.
            const auto usable = std::find_if(which->cbegin(), which->cend(), [&](int k) {
                return !shared.contains(u"q"_s + QString::number(k));
            });
            const int example = usable != which->cend() ? *usable : which->first();
            c.refused.append({header.line,
                              Action::Refuse,
                              {},
                              0,
                              Notice{Notice::Kind::Error,
                                     NoticeCode::ImportTitleShared,
                                     {title, qualificationNames(*which), qualificationNames({example})}}});
        } else
            c.refused.append(
                {header.line, Action::Refuse, {}, 0, Notice{Notice::Kind::Error, unknown, {title}}});
    }
    return c;
}

Row refusal(int line, NoticeCode code, const QStringList &values)
{
    return {line, Action::Refuse, {}, 0, Notice{Notice::Kind::Error, code, values}};
}

// Why a name cannot be a soldier's, a holiday's or a duty's: empty, or too long.
std::optional<Row> nameRefusal(int line, const QString &name)
{
    if (name.isEmpty())
        return refusal(line, NoticeCode::ImportEmptyName, {});
    if (name.size() > PersonnelImport::kLongestName)
        return refusal(line, NoticeCode::ImportNameTooLong,
                       {name, QString::number(PersonnelImport::kLongestName)});
    return std::nullopt;
}

class Planner
{
public:
    Planner(const Database &personnel, const SheetTable &table) : m_db(personnel), m_table(table) {}

    PersonnelImport::Plan soldiers(bool update);
    PersonnelImport::Plan dated(PersonnelImport::Kind kind, const QDate &today);

private:
    const SheetCell &cell(const SheetTable::Row &row, int column) const
    {
        static const SheetCell empty;
        return column >= 0 && column < row.cells.size() ? row.cells[column] : empty;
    }
    // The first and last day of a row, or why not.
    std::optional<Row> readDays(const SheetTable::Row &row, const Columns &c, QDate *from, QDate *to) const;

    const Database &m_db;
    const SheetTable &m_table;
};

std::optional<Row> Planner::readDays(const SheetTable::Row &row, const Columns &c, QDate *from,
                                     QDate *to) const
{
    const SheetCell &first = cell(row, c[u"from"_s]), &last = cell(row, c[u"to"_s]);
    // The refusal shows a day in the locale's form, which dateOf reads too.
    const auto notADate = [&](const SheetCell &cell, const QString &column) {
        return refusal(row.line, NoticeCode::ImportNotADate,
                       {textOf(cell), c.titles.value(c[column]), localDate(QDate(2027, 3, 26))});
    };
    *from = dateOf(first);
    if (!from->isValid())
        return notADate(first, u"from"_s);
    *to = last.isEmpty() ? *from : dateOf(last);
    if (!to->isValid())
        return notADate(last, u"to"_s);
    if (*to < *from)
        return refusal(row.line, NoticeCode::ImportToBeforeFrom,
                       {from->toString(Qt::ISODate), to->toString(Qt::ISODate)});
    return std::nullopt;
}

PersonnelImport::Plan Planner::soldiers(bool update)
{
    using namespace Fields::SoldierRoster;
    PersonnelImport::Plan plan;
    plan.kind = PersonnelImport::Kind::Soldiers;
    plan.table = RecordSources::kSoldierRoster;

    const QualificationTitles titles = qualificationTitles(m_db);
    const Columns c =
        columnsOf(m_table, soldierFields(), titles.byKey, NoticeCode::ImportUnknownColumn, titles.shared);
    plan.rows = c.refused;
    if (m_table.rows.isEmpty())
        return plan;
    if (c[u"name"_s] < 0) {
        plan.rows.append(refusal(m_table.rows.first().line, NoticeCode::ImportMissingColumn, {u"Name"_s}));
        return plan;
    }

    struct Known {
        qint64 key;
        QList<QVariant> values;
    };
    QHash<QString, Known> known;
    {
        RecordSet roster(m_db, RecordSources::kSoldierRoster);
        for (; !roster.eof(); roster.moveNext()) {
            QList<QVariant> values;
            // A yes/no never set is no, as the file says it.
            for (int i = 0; i < fieldCount; ++i)
                values.append(i == ID                               ? QVariant()
                              : i >= Q1 && roster.value(i).isNull() ? QVariant(false)
                                                                    : roster.value(i));
            known.insert(roster.text(SoldierName), {roster.key(), values});
        }
    }
    QSet<QString> sections;
    {
        RecordSet list(m_db, RecordSources::kSections);
        for (; !list.eof(); list.moveNext())
            sections.insert(list.text(Fields::Sections::Section));
    }

    QHash<QString, int> seen;
    for (qsizetype r = 1; r < m_table.rows.size(); ++r) {
        const SheetTable::Row &row = m_table.rows[r];
        const QString name = textOf(cell(row, c[u"name"_s]));
        if (const std::optional<Row> wrong = nameRefusal(row.line, name)) {
            plan.rows.append(*wrong);
            continue;
        }
        if (const auto first = seen.constFind(name); first != seen.cend()) {
            plan.rows.append(refusal(row.line, NoticeCode::ImportNameTwice, {name, QString::number(*first)}));
            continue;
        }
        seen.insert(name, row.line);

        const auto existing = known.constFind(name);
        QList<QVariant> values = existing != known.cend() ? existing->values : QList<QVariant>(fieldCount);
        if (existing == known.cend())
            for (int k = 1; k <= Fields::kQualificationCount; ++k)
                values[qualification(k)] = false;
        values[SoldierName] = name;
        std::optional<Row> wrong;
        if (c[u"rank"_s] >= 0) {
            const QString rank = textOf(cell(row, c[u"rank"_s]));
            if (const std::optional<QString> code = rankCodeOf(rank))
                values[SoldierRank] = *code;
            else if (!rank.isEmpty())
                wrong = refusal(row.line, NoticeCode::ImportUnknownRank, {rank});
        }
        QString section;
        if (c[u"section"_s] >= 0) {
            section = textOf(cell(row, c[u"section"_s]));
            values[Section] = section.isEmpty() ? QVariant() : QVariant(section);
        }
        for (const auto &[column, k] : c.qualifications) {
            const std::optional<bool> yes = yesNoOf(cell(row, column));
            if (!yes && !wrong)
                wrong = refusal(row.line, NoticeCode::ImportNotYesNo,
                                {textOf(cell(row, column)), c.titles.value(column)});
            values[qualification(k)] = yes.value_or(false);
        }
        if (!wrong && existing != known.cend() && !update)
            wrong = refusal(row.line, NoticeCode::ImportSoldierExists, {name});
        if (wrong) {
            plan.rows.append(*wrong);
            continue;
        }
        // A section the file brings goes into Setup's list with the first soldier it has.
        if (!section.isEmpty() && !sections.contains(section)) {
            sections.insert(section);
            plan.newSections.append(section);
        }
        if (existing == known.cend()) {
            plan.rows.append({row.line, Action::Add, values, 0, std::nullopt});
        } else {
            const bool same = std::equal(values.cbegin(), values.cend(), existing->values.cbegin(),
                                         [](const QVariant &a, const QVariant &b) {
                                             return a.isNull() == b.isNull() && (a.isNull() || a == b);
                                         });
            plan.rows.append(
                {row.line, same ? Action::Unchanged : Action::Update, values, existing->key, std::nullopt});
        }
    }
    return plan;
}

PersonnelImport::Plan Planner::dated(PersonnelImport::Kind kind, const QDate &today)
{
    PersonnelImport::Plan plan;
    plan.kind = kind;
    const bool absences = kind == PersonnelImport::Kind::Absences;
    const bool schedule = kind == PersonnelImport::Kind::Schedule;
    plan.table = absences   ? RecordSources::kAbsentDates
                 : schedule ? RecordSources::kWorkSchedule
                            : RecordSources::kHoliday;
    // Besides the field's own name, the title the window shows it under
    // ("Remark", "Title") and the words other programs use.
    QHash<QString, QString> fields{{u"from"_s, u"from"_s}, {u"to"_s, u"to"_s}};
    NoticeCode unknown = NoticeCode::ImportUnknownHolidayColumn;
    if (absences) {
        for (const QString &k : {u"name"_s, u"soldier"_s, u"soldiername"_s})
            fields.insert(k, u"name"_s);
        fields.insert(u"reason"_s, u"reason"_s);
        fields.insert(u"remark"_s, u"reason"_s);
        unknown = NoticeCode::ImportUnknownAbsenceColumn;
    } else if (schedule) {
        fields.insert(u"duty"_s, u"name"_s);
        fields.insert(u"dutyname"_s, u"name"_s);
        unknown = NoticeCode::ImportUnknownScheduleColumn;
    } else {
        for (const QString &k : {u"name"_s, u"title"_s, u"holiday"_s, u"summary"_s})
            fields.insert(k, u"name"_s);
    }
    const Columns c = columnsOf(m_table, fields, {}, unknown);
    plan.rows = c.refused;
    if (m_table.rows.isEmpty())
        return plan;
    for (const auto &[field, title] :
         {std::pair{u"name"_s, schedule ? u"Duty"_s : u"Name"_s}, std::pair{u"from"_s, u"From"_s}}) {
        if (c[field] < 0) {
            plan.rows.append(refusal(m_table.rows.first().line, NoticeCode::ImportMissingColumn, {title}));
            return plan;
        }
    }

    // What the names must be, and what the new rows must not overlap.
    QSet<QString> names;
    if (absences || schedule) {
        RecordSet known(m_db, absences ? RecordSources::kSoldierRoster : RecordSources::kDutyDates);
        for (; !known.eof(); known.moveNext())
            names.insert(known.text(1));
    }
    struct Existing {
        QString name;
        QVariant from, to;
    };
    QList<Existing> existing;
    if (!schedule) {
        // Absences and holidays alike hold the name, the first day and the last at 1, 2 and 3.
        static_assert(int(Fields::AbsentDates::From) == int(Fields::Holiday::From) &&
                      int(Fields::AbsentDates::To) == int(Fields::Holiday::To));
        RecordSet rows(m_db, plan.table);
        for (; !rows.eof(); rows.moveNext())
            existing.append(
                {rows.text(1), rows.value(Fields::Holiday::From), rows.value(Fields::Holiday::To)});
    }

    for (qsizetype r = 1; r < m_table.rows.size(); ++r) {
        const SheetTable::Row &row = m_table.rows[r];
        const QString name = textOf(cell(row, c[u"name"_s]));
        if (const std::optional<Row> wrong = nameRefusal(row.line, name)) {
            plan.rows.append(*wrong);
            continue;
        }
        if ((absences || schedule) && !names.contains(name)) {
            plan.rows.append(
                refusal(row.line, absences ? NoticeCode::ImportUnknownSoldier : NoticeCode::ImportUnknownDuty,
                        {name}));
            continue;
        }
        QDate from, to;
        if (const std::optional<Row> wrong = readDays(row, c, &from, &to)) {
            plan.rows.append(*wrong);
            continue;
        }
        QList<QVariant> values;
        if (absences)
            values = {QVariant(), name, from, to,
                      c[u"reason"_s] >= 0 && !textOf(cell(row, c[u"reason"_s])).isEmpty()
                          ? QVariant(textOf(cell(row, c[u"reason"_s])))
                          : QVariant()};
        else
            values = {QVariant(), name, from, to};
        if (to < today) {
            plan.rows.append({row.line, Action::LeftOut, values, 0,
                              Notice{Notice::Kind::Warning,
                                     NoticeCode::ImportEndedBeforeToday,
                                     {name, from.toString(Qt::ISODate), to.toString(Qt::ISODate)}}});
            continue;
        }
        const bool overlap = std::any_of(existing.cbegin(), existing.cend(), [&](const Existing &e) {
            return (!absences || e.name == name) && overlaps(from, to, e.from, e.to);
        });
        if (overlap) {
            plan.rows.append(
                {row.line, Action::LeftOut, values, 0,
                 Notice{Notice::Kind::Warning,
                        absences ? NoticeCode::ImportOverlapsAbsence : NoticeCode::ImportOverlapsHoliday,
                        {name, from.toString(Qt::ISODate), to.toString(Qt::ISODate)}}});
            continue;
        }
        if (!schedule)
            existing.append({name, from, to});
        plan.rows.append({row.line, Action::Add, values, 0, std::nullopt});
    }
    return plan;
}

} // namespace

int PersonnelImport::Plan::count(Row::Action action) const
{
    return int(std::count_if(rows.cbegin(), rows.cend(), [&](const Row &r) { return r.action == action; }));
}

PersonnelImport::Plan PersonnelImport::plan(const Database &personnel, Kind kind, const SheetTable &table,
                                            bool update, const QDate &today)
{
    Planner planner(personnel, table);
    Plan plan = kind == Kind::Soldiers ? planner.soldiers(update) : planner.dated(kind, today);
    // The refused rows first, as the clerk mends them first.
    std::stable_partition(plan.rows.begin(), plan.rows.end(),
                          [](const Row &r) { return r.action == Row::Action::Refuse; });
    return plan;
}

QList<QStringList> PersonnelImport::soldierRows(const Database &personnel)
{
    using namespace Fields::SoldierRoster;
    // Each qualification's column under its title where the import reads
    // the title as that qualification alone, else under its number.
    QStringList header{u"Name"_s, u"Rank"_s, u"Section"_s};
    const QualificationTitles titles = qualificationTitles(personnel);
    for (int k = 1; k <= Fields::kQualificationCount; ++k) {
        const QString &title = titles.written.at(k - 1);
        header.append(!title.isEmpty() && titles.byKey.value(headerKey(title)) == k
                          ? title
                          : u"Q"_s + QString::number(k));
    }
    QList<QStringList> rows{header};
    RecordSet roster(personnel, RecordSources::kSoldierRoster);
    for (; !roster.eof(); roster.moveNext()) {
        const QString rank = roster.text(SoldierRank);
        QStringList row{roster.text(SoldierName), rank.isEmpty() ? QString() : rankAbbreviation(rank),
                        roster.text(Section)};
        for (int k = 1; k <= Fields::kQualificationCount; ++k)
            row.append(roster.value(qualification(k)).toBool() ? u"x"_s : QString());
        rows.append(row);
    }
    return rows;
}

void PersonnelImport::apply(const Database &personnel, const Plan &plan)
{
    Q_ASSERT(plan.canImport());
    if (!plan.newSections.isEmpty()) {
        RecordSet sections(personnel, RecordSources::kSections);
        for (const QString &section : plan.newSections) {
            sections.addNew();
            sections.setValue(Fields::Sections::Section, section);
            sections.update();
        }
    }
    RecordSet rows(personnel, plan.table);
    QHash<qint64, int> byKey;
    if (plan.count(Row::Action::Update) > 0)
        for (int i = 0; i < rows.storedRowCount(); ++i)
            byKey.insert(rows.valueAt(i, 0).toLongLong(), i);
    for (const Row &row : plan.rows) {
        if (row.action == Row::Action::Add) {
            rows.addNew();
        } else if (row.action == Row::Action::Update) {
            rows.moveToRow(byKey.value(row.key, -1));
            rows.edit();
        } else {
            continue;
        }
        for (int i = 1; i < row.values.size(); ++i)
            rows.setValue(i, row.values[i]);
        rows.update();
    }
}

} // namespace calendrix
