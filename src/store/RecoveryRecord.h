#pragma once

#include "store/Notice.h"
#include "store/StoreError.h"

#include <QList>
#include <QString>

#include <optional>

namespace calendrix {

class UnitFolder;

// What a roster run or an undo writes down before it changes files that no
// single commit covers: the run's datafile and its counters, an undo's
// tables and the datafile it moves into history/. The record stands in the
// unit folder (UnitFolder::pendingRunPath(), pendingUndoPath()) until the
// working database has committed or not; the change counter it names tells
// afterwards which, and UnitSettling puts the files in line with it.
//
// The file is a small JSON object, written in one step (ScratchFile):
//   {"format": 2, "change": "run" | "undo", "counterBefore": N,
//    "datafile": ..., "identity": ..., "keptAs": ..., "hadDatafile": ...,
//    "entry": ..., "rosterChange": ..., "datafileCounterBefore": N}
// The files within the unit folder are named by their paths from it
// (UnitFolder::keptName), others by their whole paths; read() gives whole
// paths. Records of the first format, which named the same things in other
// words, are read as well.
struct RecoveryRecord {
    enum class Change { Run, Undo };

    Change change = Change::Run;
    // The working database's change counter before the commit: a commit
    // always moves it on and a rolled-back one never does.
    quint32 counterBefore = 0;
    // The roster datafile the change puts in place (run) or takes away (undo).
    QString datafile;
    // "dev:ino" of the file the run made, or of the datafile the undo takes
    // away, as it was when the record was written; empty for none.
    QString identity;
    // A second name of a datafile: the run keeps the file it replaces there,
    // the undo moves the run's datafile there (in history/). Empty for none.
    QString keptAs;
    // Run: a file was at datafile before the run.
    bool hadDatafile = false;
    // The run's entry in history/, which goes when the run did not count;
    // the undo's, which goes when the undo did.
    QString entry;
    // Run: a replace or swap on a made roster, or the undo of one, puts the
    // datafile in place rather than a roster run.
    bool rosterChange = false;
    // A replace or swap, or its undo, that changes the datafile in place, in
    // the working database's transaction (the datafile attached): the
    // datafile's own change counter before the commit, which tells whether it
    // came; -1 for a change that puts a whole file in place.
    qint64 datafileCounterBefore = -1;
    // The datafile changed in place: a kill may have left its journal, which
    // only a connection that may write can roll back or drop.
    bool inPlace() const { return datafileCounterBefore >= 0; }

    // Puts the record at path in one step; throws StoreError.
    void write(const QString &path) const;

    struct Read;
    // Throws StoreError when path cannot be read or set aside.
    static Read read(const UnitFolder &folder, const QString &path);
    // Removes the record at path once what it guards is settled; throws StoreError.
    static void remove(const QString &path);

    // Whether the working database at workingPath has committed since the
    // record was written. Opening it rolls back what a killed writer left
    // in its journal; only then does the counter tell. Throws StoreError.
    bool committed(const QString &workingPath) const;

    // What settling a record did.
    struct Settled {
        bool found = false;           // a record was there
        bool committed = false;       // the change it guarded had been committed
        std::optional<Notice> notice; // for the clerk; none when there is nothing to tell
        // What could not be removed once the change had committed; it stands.
        QList<StoreError> leftovers;
    };
};

struct RecoveryRecord::Read {
    enum class State {
        Missing,    // nothing at path
        Read,       // record holds it
        NotAFile,   // something else was there and is set aside
        Unreadable, // a file, but no record: only another program can have spoilt it
    };
    State state = State::Missing;
    RecoveryRecord record;
    QString what;  // NotAFile: what was there (UnitFolder::fileType)
    QString aside; // NotAFile: where it now is
};

} // namespace calendrix
