#pragma once

#include "store/Notice.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace calendrix {

// The program's folder: the files of one unit, under their fixed names.
class UnitFolder
{
public:
    explicit UnitFolder(QString dir);

    QString dir() const { return m_dir; }
    QString personnelPath() const;     // Datafile32.mdb
    QString workingPath() const;       // Memory.mdb
    QString templatePath() const;      // template.tem
    QString consolidatePath() const;   // ROSTER.INI
    QString absencePath() const;       // ROSTER2.INI
    QString rosterLayoutPath() const;  // Roster.rpt
    QString remarksLayoutPath() const; // Remarks.rpt
    QString helpPath() const;          // Roster.hlp
    // The help in another language ("de": Roster.de.hlp, "nb": Roster.nb.hlp); helpPath() for English.
    QString helpPath(const QString &language) const;
    QString lockPath() const; // .calendrix.lock
    QString filePath(const QString &name) const;
    // How a record or a history entry names a file: by its path from this
    // folder when it lies within it, so that a copy of the folder names its
    // own copy of the file and never the original's; else by its whole path.
    QString keptName(const QString &path) const;
    // The file a kept name names; keptName() gives it back.
    QString fromKeptName(const QString &kept) const;
    // Where a roster run notes what it is about to do to its datafile until
    // its counters are committed (see DatafileSwap).
    QString pendingRunPath() const;
    // Where an undo notes what it is about to do until the working database
    // has committed (see RunHistory).
    QString pendingUndoPath() const;
    // The folder of the runs kept for undo (history/).
    QString historyPath() const;
    // Why historyPath() cannot hold the runs: something that is not a
    // folder is there (a file, a FIFO, a link to nothing). Empty when it is
    // a folder or is not there at all, and init() makes it.
    std::optional<Notice> historyFault() const;
    // Every file the unit itself uses, whether there or not: its databases
    // and their journals, layouts, help, option files, lock and records.
    QStringList ownFiles() const;
    // True when path names one of ownFiles(), also through a link, or any
    // file in the history folder.
    bool isOwnFile(const QString &path) const;
    // True when path names the unit's template (template.tem), wherever it lies.
    static bool isTemplateName(const QString &path);
    // What a file system object is, from its st_mode, as a notice names it:
    // "folder", "fifo", "device", "socket", "file" or "other"; a link is
    // "link" when it leads nowhere, else "link:" and what it leads to.
    // NoticeText words them.
    static QString fileType(unsigned int mode);
    // The command that sets this unit's damaged files right, as it is typed:
    // calendrix init DIR --repair, the folder quoted where a shell needs it.
    QString repairCommand() const;

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
        Notice why;
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

    // The same to the second: "<name>.damaged-<yyyyMMdd-HHmmss>", "-2"...
    QString asideName(const QString &path, const QDateTime &now) const;
    QString keepAside(const QString &path, const QDateTime &now) const;

    // What is at one of the unit's records (pendingRunPath(),
    // pendingUndoPath()). A record is a small file written in one step; what
    // is not a regular file is no record of ours and is set aside under
    // asideName(), so that it never stops a run, and is never opened, as a
    // FIFO or a device would stop the reader for ever.
    struct Record {
        enum class State { Missing, Read, NotAFile };
        State state = State::Missing;
        QByteArray bytes; // Read: the first 64 KiB, which a record never exceeds
        QString what;     // NotAFile: what was there (fileType)
        QString aside;    // NotAFile: where it now is
    };
    // Throws StoreError when the record cannot be read or set aside.
    Record readRecord(const QString &path) const;

    // Why a report layout cannot be used, or nothing; the layouts' rules
    // belong to the report engine, which the store does not know.
    using LayoutCheck = std::function<std::optional<Notice>(const QString &path)>;

    struct SetAside {
        QString path;
        QString aside; // where the file now is
        Notice why;
    };
    struct RepairResult {
        QList<SetAside> setAside;
        QStringList created; // in the place of those set aside, and the missing
        QStringList kept;    // sound; never touched
    };
    // Like init(), and every unit file (the three databases, the layouts,
    // the help file, the option files, and a history/ that is no folder)
    // that fails its checks is put aside under asideName(path, now) and made
    // anew. Missing option files stay missing, as init() leaves them.
    // Everything is checked before anything is moved: a file that cannot be
    // checked (locked, no permission) stops the repair with a StoreError and
    // nothing is changed.
    RepairResult repair(const QDateTime &now, const LayoutCheck &layoutCheck = {}) const;

private:
    QString m_dir;
};

} // namespace calendrix
