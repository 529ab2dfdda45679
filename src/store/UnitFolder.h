#pragma once

#include <QDate>
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
    // Where a roster run notes what it is about to do to its datafile until
    // its counters are committed (see DatafileSwap).
    QString pendingRunPath() const;
    // Every file the unit itself uses, whether there or not: its databases
    // and their journals, layouts, help, option files, lock and records.
    QStringList ownFiles() const;
    // True when path names one of ownFiles(), also through a link.
    bool isOwnFile(const QString &path) const;

    struct InitResult {
        QStringList created;
        QStringList kept; // already there; never overwritten
    };
    // Creates the folder and whatever a new unit needs that is missing.
    // Throws StoreError when something cannot be created.
    InitResult init() const;

    // A database of the unit that is there but cannot be used at all: not a
    // database, empty, damaged, or a database of another kind.
    struct Unusable {
        QString path;
        QString why;
    };
    // Missing files are not listed: init() makes them.
    QList<Unusable> unusableFiles() const;
    // The name a file is kept under beside itself when it is put aside:
    // "<name>.damaged-<today>", then "-2", "-3"... when that is taken.
    QString asideName(const QString &path, const QDate &today) const;
    // Puts a file aside under asideName(), with its journal if it has one,
    // so that init() can make a new one in its place. Nothing is deleted or
    // overwritten. Returns the new path; throws StoreError.
    QString keepAside(const QString &path, const QDate &today) const;

private:
    QString m_dir;
};

} // namespace calendrix
