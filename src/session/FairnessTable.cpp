#include "session/FairnessTable.h"

#include "report/CsvExport.h"
#include "report/FairnessReport.h"
#include "session/PdfPrinting.h"
#include "store/Database.h"
#include "store/RankList.h"
#include "store/ScratchFile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

QString counters(const QList<FairnessModel::SoldierCounter> &list)
{
    QStringList out;
    for (const auto &s : list)
        out.append(u"%1 (%2)"_s.arg(s.name).arg(s.counter));
    return out.join(u"; "_s);
}

// Records end with CR LF, as in the roster's CSV export.
QByteArray csv(const QList<QStringList> &records)
{
    QString text;
    for (const QStringList &record : records) {
        QStringList fields;
        for (const QString &f : record)
            fields.append(CsvExport::field(f));
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text.toUtf8();
}

} // namespace

std::shared_ptr<const FairnessModel> FairnessTable::read(const UnitFolder &unit)
{
    return read(Database::openReadOnly(unit.personnelPath(), FileKind::Personnel),
                Database::openReadOnly(unit.workingPath(), FileKind::Working));
}

std::shared_ptr<const FairnessModel> FairnessTable::read(const Database &personnel, const Database &working)
{
    return std::make_shared<const FairnessModel>(FairnessModel::read(personnel, working));
}

FairnessTable::Version FairnessTable::version(const Database &personnel, const Database &working)
{
    return {personnel.version(), working.version()};
}

FairnessTable::FairnessTable(const UnitFolder &unit, std::shared_ptr<const FairnessModel> model,
                             QString unitName)
    : m_unit(unit), m_model(std::move(model)), m_unitName(std::move(unitName))
{}

QString FairnessTable::soldiersCsvPath(const QString &csvPath)
{
    const QFileInfo info(csvPath);
    const QString stem =
        info.suffix().compare(u"csv"_s, Qt::CaseInsensitive) == 0 ? info.completeBaseName() : info.fileName();
    return info.dir().filePath(stem + u"-soldiers.csv"_s);
}

OutputResult FairnessTable::check(const UnitFolder &unit, const QStringList &paths)
{
    // The PDF's guard holds for the CSV files as well.
    const PdfPrinting guard(unit);
    OutputResult result{OutputResult::Outcome::Ready, {}, {}, {}};
    for (const QString &path : paths) {
        OutputResult one = guard.check(path);
        if (one.outcome == OutputResult::Outcome::Refused)
            return one;
        if (one.outcome == OutputResult::Outcome::Exists) {
            result.outcome = OutputResult::Outcome::Exists;
            result.files.append(path);
        }
    }
    return result;
}

OutputResult FairnessTable::writeCsv(const QString &csvPath) const
{
    OutputResult result;
    const std::pair<QString, QByteArray> files[] = {{csvPath, dutiesCsv()},
                                                    {soldiersCsvPath(csvPath), soldiersCsv()}};
    for (const auto &[path, bytes] : files) {
        if (OutputResult refused = check(m_unit, {path}); refused.outcome == OutputResult::Outcome::Refused)
            return refused;
        try {
            ScratchFile file(path);
            file.write(bytes);
            file.putInPlace();
        } catch (const Error &e) {
            return {OutputResult::Outcome::Failed, result.files, {}, e};
        }
        result.files.append(path);
    }
    return result;
}

OutputResult FairnessTable::writePdf(const QString &path) const
{
    return PdfPrinting(m_unit).write(path, [this](const QString &file) {
        FairnessReport(m_model, m_unitName, QDate::currentDate()).writePdf(file, QPageSize(QPageSize::A4));
    });
}

QByteArray FairnessTable::dutiesCsv() const
{
    // Both tables are for other programs: their headers, numbers and dates
    // are the same in every language, as the roster's CSV export.
    QStringList header{u"Duty"_s, u"Organization"_s, u"Soldiers"_s};
    for (const QString &c : {u"Normal"_s, u"Holiday"_s})
        for (const QString &f : {u"minimum"_s, u"median"_s, u"mean"_s, u"maximum"_s, u"spread"_s,
                                 u"above minimum"_s, u"next in line"_s})
            header.append(c + u' ' + f);
    QList<QStringList> records{header};
    for (const auto &d : m_model->duties()) {
        QStringList r{d.name, d.organization, QString::number(d.normal.soldiers)};
        for (const auto *f : {&d.normal, &d.holiday}) {
            if (f->soldiers == 0) {
                r << QString() << QString() << QString() << QString() << QString() << QString() << QString();
                continue;
            }
            r << QString::number(f->minimum) << FairnessReport::number(f->median)
              << QString::number(f->mean, 'f', 2) << QString::number(f->maximum)
              << QString::number(f->spread()) << counters(f->aboveMinimum) << counters(f->nextInLine);
        }
        records.append(r);
    }
    return csv(records);
}

QByteArray FairnessTable::soldiersCsv() const
{
    QList<QStringList> records{{u"Soldier"_s, u"Rank"_s, u"Section"_s, u"Duties"_s, u"Normal"_s, u"Holiday"_s,
                                u"Total"_s, u"Assignment dates"_s}};
    for (const auto &s : m_model->soldiers()) {
        QStringList dates;
        for (const auto &[from, to] : s.dates)
            dates.append(from.toString(Qt::ISODate) + u'/' + to.toString(Qt::ISODate));
        records.append({s.name, rankAbbreviation(s.rank), s.section, QString::number(s.duties),
                        QString::number(s.normal), QString::number(s.holiday), QString::number(s.total()),
                        dates.join(u"; "_s)});
    }
    return csv(records);
}

} // namespace calendrix
