#pragma once

#include "roster/FairnessModel.h"
#include "session/OutputResult.h"
#include "store/Database.h"
#include "store/UnitFolder.h"

#include <QByteArray>

#include <memory>

namespace calendrix {

// How evenly the duties fall, for the Fairness window and `calendrix
// fairness`: the unit's counters read into a FairnessModel, and written as
// the fairness report (PDF) or as two CSV files (duties, soldiers).
class FairnessTable
{
public:
    // Reads the unit's counters; throws Error naming the file that cannot be read.
    static std::shared_ptr<const FairnessModel> read(const UnitFolder &unit);
    // The same from the unit's databases already open (the window's).
    static std::shared_ptr<const FairnessModel> read(const Database &personnel, const Database &working);
    // What a reading depends on: while it stays the same, reading again
    // would find the same figures. Throws StoreError.
    using Version = std::pair<Database::Version, Database::Version>;
    static Version version(const Database &personnel, const Database &working);

    // unitName: the name the report's title gives the unit.
    FairnessTable(const UnitFolder &unit, std::shared_ptr<const FairnessModel> model, QString unitName);

    // Where a duties CSV OUT.csv puts the soldiers: OUT-soldiers.csv beside it.
    static QString soldiersCsvPath(const QString &csvPath);

    // Refused at the first file of the unit, Exists with those of paths
    // that are there, else Ready.
    static OutputResult check(const UnitFolder &unit, const QStringList &paths);

    // The duties into csvPath and the soldiers beside it: Written or Failed.
    OutputResult writeCsv(const QString &csvPath) const;
    // The fairness report with its charts: Written or Failed.
    OutputResult writePdf(const QString &path) const;

private:
    QByteArray dutiesCsv() const;
    QByteArray soldiersCsv() const;

    UnitFolder m_unit;
    std::shared_ptr<const FairnessModel> m_model;
    QString m_unitName;
};

} // namespace calendrix
