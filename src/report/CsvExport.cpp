#include "report/CsvExport.h"

#include "report/ExportBatch.h"
#include "report/RosterData.h"
#include "store/RankList.h"

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {
const QString kAssigned = u"/."_s;
}

QByteArray CsvExport::table(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &value : row)
            fields.append(field(value));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QString CsvExport::field(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r'))
        return value;
    return u'"' + QString(value).replace(u'"', u"\"\""_s) + u'"';
}

int CsvExport::steps() const
{
    return int(m_data.duties.size());
}

QByteArray CsvExport::text(ExportBatch &batch) const
{
    // Read by other programs, which find a column by its name: the header,
    // the ISO dates and the 0/1 stay the same in every language.
    QString out = u"Duty,Organization,Rank,Soldier,First day,Last day,Holiday\r\n"_s;
    for (const RosterDuty &duty : m_data.duties) {
        for (int c = 0; c < duty.columns.size(); ++c) {
            const RosterColumn &column = duty.columns[c];
            for (const RosterSoldier &soldier : duty.soldiers) {
                if (soldier.cells.value(c) != kAssigned)
                    continue;
                out += field(duty.name) + u',' + field(duty.organization) + u',' +
                       field(rankAbbreviation(soldier.rank)) + u',' + field(soldier.name) + u',' +
                       column.start.toString(Qt::ISODate) + u',' + column.lastDay().toString(Qt::ISODate) +
                       u',' + (column.holiday ? u'1' : u'0') + u"\r\n"_s;
            }
        }
        batch.step();
    }
    return out.toUtf8();
}

void CsvExport::write(const QString &path, ExportBatch &batch) const
{
    batch.add(path, text(batch));
}

} // namespace calendrix
