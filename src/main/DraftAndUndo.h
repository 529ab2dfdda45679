#pragma once

#include "main/RunOptions.h"
#include "session/UnitSession.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class QWidget;

namespace calendrix {

class ReportEngine;
struct RosterData;

// The window's face of the session's make and undo: File > Make New
// Datafile, Make Draft and Tools > Undo Last Roster Run, with their questions
// and messages as boxes. The main window only refreshes its lists when the
// working database has changed.
class DraftAndUndo
{
    Q_DECLARE_TR_FUNCTIONS(DraftAndUndo)

public:
    DraftAndUndo(QWidget *window, const UnitSession &session, const RunOptions &options,
                 ReportEngine &engine);

    // Makes a roster into path, the run's messages shown as it goes and what
    // the session says after it.
    UnitSession::Made make(const QString &path, RosterRun::Mode mode);

    // Asks for a file, makes a draft into it and shows its roster in the
    // print preview; "Make It Count" there asks for a file and makes the
    // counted roster into it and says when it differs from the draft.
    // True when a counted run changed the working database.
    bool makeDraft();
    // Shows the last run kept and what changed since, asks, and takes it
    // back. True when the working database was restored.
    bool undoLastRun();

    // The name a draft's counted roster is offered under: the draft's name
    // without its draft mark ("march-draft.cxr" -> "march.cxr").
    static QString countedName(const QString &draftPath);

private:
    // Makes the roster that counts into path and compares it with the draft
    // (read from draftPath when not given).
    bool makeItCount(const QString &draftPath, const QString &path, std::shared_ptr<const RosterData> draft);

    QWidget *m_window;
    const UnitSession &m_session;
    UnitFolder m_folder;
    RunOptions m_options;
    ReportEngine &m_engine;
};

} // namespace calendrix
