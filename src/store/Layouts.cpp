#include "Layouts.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix::Layouts {
namespace {

FieldLayout key()
{
    return {u"ID"_s, FieldType::Key, {}};
}
FieldLayout text(const QString &name)
{
    return {name, FieldType::Text, {}};
}
FieldLayout yesNo(const QString &name)
{
    return {name, FieldType::YesNo, {}};
}
FieldLayout date(const QString &name)
{
    return {name, FieldType::Date, {}};
}

void appendNumbered(QList<FieldLayout> &fields, QChar prefix, int count, FieldType type)
{
    for (int i = 1; i <= count; ++i)
        fields.append({prefix + QString::number(i), type, {}});
}

QList<TableLayout> personnelTables()
{
    QList<TableLayout> t;

    TableLayout soldiers{u"SoldierRoster"_s,
                         {key(), text(u"SoldierName"_s), text(u"SoldierRank"_s), text(u"Section"_s)}};
    appendNumbered(soldiers.fields, u'Q', 15, FieldType::YesNo);
    t.append(soldiers);

    TableLayout duties{u"DutyDates"_s, {key(), text(u"DutyName"_s), text(u"Organization"_s)}};
    appendNumbered(duties.fields, u'Q', 15, FieldType::YesNo);
    t.append(duties);

    t.append({u"WorkSchedule"_s, {key(), text(u"DutyName"_s), date(u"From"_s), date(u"To"_s)}});
    t.append({u"AbsentDates"_s,
              {key(), text(u"SoldierName"_s), date(u"From"_s), date(u"To"_s), text(u"Reason"_s)}});
    t.append({u"Sections"_s, {key(), text(u"Section"_s)}});
    t.append({u"Holiday"_s, {key(), text(u"Name"_s), date(u"From"_s), date(u"To"_s)}});

    TableLayout titles{u"Qualifications"_s, {key()}};
    appendNumbered(titles.fields, u'Q', 15, FieldType::Text);
    t.append(titles);
    return t;
}

QList<TableLayout> workingTables()
{
    return {
        {u"Memory"_s,
         {key(),
          yesNo(u"Marker"_s),
          text(u"SoldierName"_s),
          text(u"Rank"_s),
          text(u"DutyName"_s),
          {u"Count"_s, FieldType::Integer, u"0"_s},
          {u"HCount"_s, FieldType::Integer, u"0"_s},
          text(u"Remarks"_s)}},
        {u"Dates"_s, {key(), text(u"SoldierName"_s), date(u"From"_s), date(u"To"_s)}},
        {u"Header"_s, {key(), text(u"DutyName"_s)}},
    };
}

QList<TableLayout> rosterTables()
{
    TableLayout header{
        u"header"_s,
        {key(), text(u"DutyName"_s), text(u"Organization"_s), text(u"Spare3"_s), text(u"Spare4"_s)}};
    appendNumbered(header.fields, u'D', 36, FieldType::Text);

    TableLayout sheet{
        u"storeage"_s,
        {key(), text(u"DutyName"_s), text(u"SoldierName"_s), text(u"Rank"_s), text(u"Remarks"_s)}};
    appendNumbered(sheet.fields, u'C', 36, FieldType::Text);
    appendNumbered(sheet.fields, u'H', 36, FieldType::YesNo);
    return {header, sheet};
}

} // namespace

const QList<TableLayout> &tables(FileKind kind)
{
    static const QList<TableLayout> personnel = personnelTables();
    static const QList<TableLayout> working = workingTables();
    static const QList<TableLayout> roster = rosterTables();
    switch (kind) {
    case FileKind::Personnel:
        return personnel;
    case FileKind::Working:
        return working;
    case FileKind::Roster:
        break;
    }
    return roster;
}

const TableLayout *table(FileKind kind, const QString &name)
{
    for (const TableLayout &t : tables(kind))
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

qint32 applicationId(FileKind kind)
{
    // "CXP1", "CXW1", "CXR1" read as big-endian integers.
    switch (kind) {
    case FileKind::Personnel:
        return 0x43585031;
    case FileKind::Working:
        return 0x43585731;
    case FileKind::Roster:
        break;
    }
    return 0x43585231;
}

int schemaVersion()
{
    return 1;
}

QString kindName(FileKind kind)
{
    switch (kind) {
    case FileKind::Personnel:
        return u"personnel database"_s;
    case FileKind::Working:
        return u"working database"_s;
    case FileKind::Roster:
        break;
    }
    return u"roster datafile"_s;
}

QString sqlType(FieldType type)
{
    switch (type) {
    case FieldType::Key:
        return u"INTEGER PRIMARY KEY AUTOINCREMENT"_s;
    case FieldType::Text:
        return u"TEXT"_s;
    case FieldType::Integer:
        return u"INTEGER"_s;
    case FieldType::YesNo:
        return u"BOOLEAN"_s;
    case FieldType::Date:
        break;
    }
    return u"DATE"_s;
}

FieldType fieldTypeFromSql(const QString &declared)
{
    const QString d = declared.trimmed().toUpper();
    if (d == u"BOOLEAN" || d == u"YESNO" || d == u"BIT")
        return FieldType::YesNo;
    if (d == u"DATE" || d == u"DATETIME")
        return FieldType::Date;
    if (d.startsWith(u"INT") || d.contains(u"INT"))
        return FieldType::Integer;
    return FieldType::Text;
}

QString createStatement(const TableLayout &table, const QString &schema)
{
    QStringList columns;
    for (const FieldLayout &f : table.fields) {
        QString c = u'"' + f.name + u"\" "_s + sqlType(f.type);
        if (!f.defaultValue.isEmpty())
            c += u" DEFAULT "_s + f.defaultValue;
        columns.append(c);
    }
    return u"CREATE TABLE \"%1\".\"%2\" (%3)"_s.arg(schema, table.name, columns.join(u", "_s));
}

} // namespace calendrix::Layouts
