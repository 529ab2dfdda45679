#include "store/Layouts.h"

#include "store/Fields.h"
#include "store/RecordSources.h"

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
FieldLayout integer(const QString &name)
{
    return {name, FieldType::Integer, {}};
}
FieldLayout counter(const QString &name)
{
    return {name, FieldType::Integer, u"0"_s};
}

// Builds a table's fields from their ordinals, so that the layout and the
// names of Fields.h cannot disagree: a field placed out of turn stops a debug build here.
class FieldList
{
public:
    FieldList &at(int ordinal, const FieldLayout &field)
    {
        Q_ASSERT_X(ordinal == m_fields.size(), "Layouts", "a field placed out of its ordinal");
        m_fields.append(field);
        return *this;
    }
    // Fields prefix1 .. prefixN from the given ordinal on.
    FieldList &numbered(int first, QChar prefix, int count, FieldType type)
    {
        for (int i = 1; i <= count; ++i)
            at(first + i - 1, {prefix + QString::number(i), type, {}});
        return *this;
    }
    QList<FieldLayout> done(int fieldCount) const
    {
        Q_ASSERT_X(fieldCount == m_fields.size(), "Layouts", "a table with fields missing or extra");
        return m_fields;
    }

private:
    QList<FieldLayout> m_fields;
};

QList<TableLayout> personnelTables()
{
    QList<TableLayout> t;
    {
        using namespace Fields::SoldierRoster;
        t.append({RecordSources::kSoldierRoster,
                  FieldList()
                      .at(ID, key())
                      .at(SoldierName, text(u"SoldierName"_s))
                      .at(SoldierRank, text(u"SoldierRank"_s))
                      .at(Section, text(u"Section"_s))
                      .numbered(Q1, u'Q', Fields::kQualificationCount, FieldType::YesNo)
                      .done(fieldCount)});
    }
    {
        using namespace Fields::DutyDates;
        t.append(
            {RecordSources::kDutyDates, FieldList()
                                            .at(ID, key())
                                            .at(DutyName, text(u"DutyName"_s))
                                            .at(Organization, text(u"Organization"_s))
                                            .numbered(Q1, u'Q', Fields::kQualificationCount, FieldType::YesNo)
                                            .done(fieldCount)});
    }
    {
        using namespace Fields::WorkSchedule;
        t.append({RecordSources::kWorkSchedule, FieldList()
                                                    .at(ID, key())
                                                    .at(DutyName, text(u"DutyName"_s))
                                                    .at(From, date(u"From"_s))
                                                    .at(To, date(u"To"_s))
                                                    .done(fieldCount)});
    }
    {
        using namespace Fields::AbsentDates;
        t.append({RecordSources::kAbsentDates, FieldList()
                                                   .at(ID, key())
                                                   .at(SoldierName, text(u"SoldierName"_s))
                                                   .at(From, date(u"From"_s))
                                                   .at(To, date(u"To"_s))
                                                   .at(Reason, text(u"Reason"_s))
                                                   .done(fieldCount)});
    }
    {
        using namespace Fields::Sections;
        t.append({RecordSources::kSections,
                  FieldList().at(ID, key()).at(Section, text(u"Section"_s)).done(fieldCount)});
    }
    {
        using namespace Fields::Holiday;
        t.append({RecordSources::kHoliday, FieldList()
                                               .at(ID, key())
                                               .at(Name, text(u"Name"_s))
                                               .at(From, date(u"From"_s))
                                               .at(To, date(u"To"_s))
                                               .done(fieldCount)});
    }
    {
        using namespace Fields::Qualifications;
        t.append({RecordSources::kQualifications,
                  FieldList()
                      .at(ID, key())
                      .numbered(Q1, u'Q', Fields::kQualificationCount, FieldType::Text)
                      .done(fieldCount)});
    }
    return t;
}

QList<TableLayout> workingTables()
{
    QList<TableLayout> t;
    {
        using namespace Fields::Memory;
        t.append({RecordSources::kMemory, FieldList()
                                              .at(ID, key())
                                              .at(Marker, yesNo(u"Marker"_s))
                                              .at(SoldierName, text(u"SoldierName"_s))
                                              .at(Rank, text(u"Rank"_s))
                                              .at(DutyName, text(u"DutyName"_s))
                                              .at(Count, counter(u"Count"_s))
                                              .at(HCount, counter(u"HCount"_s))
                                              .at(Remarks, text(u"Remarks"_s))
                                              .done(fieldCount)});
    }
    {
        using namespace Fields::Dates;
        t.append({RecordSources::kDates,
                  FieldList()
                      .at(ID, key())
                      .at(SoldierName, text(u"SoldierName"_s))
                      .at(From, date(u"From"_s))
                      .at(To, date(u"To"_s))
                      .done(fieldCount),
                  false,
                  // A run reads the dates that have not ended before its first day.
                  {u"To"_s}});
    }
    {
        using namespace Fields::Header;
        t.append({RecordSources::kHeader,
                  FieldList().at(ID, key()).at(DutyName, text(u"DutyName"_s)).done(fieldCount)});
    }
    return t;
}

QList<TableLayout> rosterTables()
{
    QList<TableLayout> t;
    {
        using namespace Fields::RosterHeader;
        t.append(
            {RecordSources::kRosterHeader, FieldList()
                                               .at(ID, key())
                                               .at(DutyName, text(u"DutyName"_s))
                                               .at(Organization, text(u"Organization"_s))
                                               .at(Spare3, text(u"Spare3"_s))
                                               .at(Spare4, text(u"Spare4"_s))
                                               .numbered(D1, u'D', Fields::kRosterColumns, FieldType::Text)
                                               .done(fieldCount)});
    }
    {
        using namespace Fields::Storeage;
        t.append({RecordSources::kStoreage, FieldList()
                                                .at(ID, key())
                                                .at(DutyName, text(u"DutyName"_s))
                                                .at(SoldierName, text(u"SoldierName"_s))
                                                .at(Rank, text(u"Rank"_s))
                                                .at(Remarks, text(u"Remarks"_s))
                                                .numbered(C1, u'C', Fields::kRosterColumns, FieldType::Text)
                                                .numbered(H1, u'H', Fields::kRosterColumns, FieldType::YesNo)
                                                .done(fieldCount)});
    }
    {
        using namespace Fields::Periods;
        t.append({RecordSources::kPeriods,
                  FieldList()
                      .at(ID, key())
                      .at(DutyName, text(u"DutyName"_s))
                      .at(Col, integer(u"Col"_s))
                      .at(From, date(u"From"_s))
                      .at(To, date(u"To"_s))
                      .done(fieldCount),
                  true});
    }
    {
        using namespace Fields::Changes;
        t.append({RecordSources::kChanges,
                  FieldList()
                      .at(ID, key())
                      .at(Made, text(u"Made"_s))
                      .at(Kind, text(u"Kind"_s))
                      .at(DutyName, text(u"DutyName"_s))
                      .at(Col, integer(u"Col"_s))
                      .at(SoldierOff, text(u"SoldierOff"_s))
                      .at(SoldierOn, text(u"SoldierOn"_s))
                      .at(Reason, text(u"Reason"_s))
                      .done(fieldCount),
                  true});
    }
    return t;
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

QString kindKey(FileKind kind)
{
    switch (kind) {
    case FileKind::Personnel:
        return u"personnel"_s;
    case FileKind::Working:
        return u"working"_s;
    case FileKind::Roster:
        break;
    }
    return u"roster"_s;
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

QStringList indexStatements(const TableLayout &table, const QString &schema)
{
    QStringList out;
    for (const QString &field : table.indexed)
        out.append(u"CREATE INDEX IF NOT EXISTS \"%1\".\"%2_%3\" ON \"%2\" (\"%3\")"_s.arg(schema, table.name,
                                                                                           field));
    return out;
}

} // namespace calendrix::Layouts
