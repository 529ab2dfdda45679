#pragma once

#include <QString>
#include <QStringList>

namespace calendrix {

// The program's folder: the files of one unit, under their fixed names.
class UnitFolder
{
public:
    explicit UnitFolder(QString dir);

    QString dir() const { return m_dir; }
    QString personnelPath() const;   // Datafile32.mdb
    QString workingPath() const;     // Memory.mdb
    QString templatePath() const;    // template.tem
    QString consolidatePath() const; // ROSTER.INI
    QString absencePath() const;     // ROSTER2.INI
    QString filePath(const QString &name) const;

    struct InitResult {
        QStringList created;
        QStringList kept; // already there; never overwritten
    };
    // Creates the folder and whatever a new unit needs that is missing.
    // Throws StoreError when something cannot be created.
    InitResult init() const;

private:
    QString m_dir;
};

} // namespace calendrix
