#include "main/DraftAndUndo.h"

#include "app/NoticeText.h"
#include "main/ErrorDisplay.h"
#include "main/RunMessenger.h"
#include "main/UserDialogs.h"
#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "report/RosterReports.h"
#include "roster/RosterRun.h"
#include "store/RunHistory.h"
#include "store/StoreError.h"
#include "store/UnitSettling.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace calendrix {

namespace {

// The chosen file, with ".cxr" when it has no extension; empty when cancelled.
QString chosenDatafile(const QString &path, const QString &pattern)
{
    if (path.isEmpty() || QFileInfo(path).fileName() == pattern)
        return {};
    return QFileInfo(QFileInfo(path).suffix().isEmpty() ? path + u".cxr"_s : path).absoluteFilePath();
}

// No to the replace question: the old file stays, as with Make New Datafile.
void sayDeclined(QWidget *window)
{
    UserDialogs::instance().inform(
        window, Messenger::Kind::Error,
        u"Sorry you have encountered error number %1"_s.arg(int(StoreErrorCode::DestinationExists)));
}

} // namespace

DraftAndUndo::DraftAndUndo(QWidget *window, const UnitFolder &folder, const RunOptions &options,
                           ReportEngine &engine)
    : m_window(window), m_folder(folder), m_options(options), m_engine(engine)
{}

QString DraftAndUndo::countedName(const QString &draftPath)
{
    const QFileInfo info(draftPath);
    static const QRegularExpression mark(u"[-_ .]*draft[-_ .]*"_s, QRegularExpression::CaseInsensitiveOption);
    QString base = info.completeBaseName();
    base.replace(mark, QString());
    if (base.isEmpty())
        base = u"roster"_s;
    return info.dir().filePath(base + u'.' + (info.suffix().isEmpty() ? u"cxr"_s : info.suffix()));
}

bool DraftAndUndo::makeDraft()
{
    const QString path = chosenDatafile(
        UserDialogs::instance().saveFileName(m_window, datafileFilter(), u"roster-draft.cxr"_s), u"*.cxr"_s);
    if (path.isEmpty())
        return false;
    RosterRun::Outcome outcome;
    {
        RunMessenger messenger(m_window);
        RosterRun run(m_folder, messenger, m_options.consolidateFlag, m_options.absenceFlag);
        outcome = run.make(path, RosterRun::Mode::Draft);
    }
    if (outcome == RosterRun::Outcome::Declined) {
        sayDeclined(m_window);
        return false;
    }
    if (outcome == RosterRun::Outcome::Failed)
        return false;
    // The run hid the main window; the clerk reads the draft beside the lists.
    m_window->show();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RosterReports reports(m_engine, m_folder.dir(), path);
    QApplication::restoreOverrideCursor();
    if (!reports.complete())
        UserDialogs::instance().inform(m_window, Messenger::Kind::Error, reports.failureText());
    // The roster is the second report; without its layout the draft still
    // shows what can be shown.
    if (reports.reports().isEmpty())
        return false;
    // Make It Count asks for the file from within the preview, so that a
    // cancelled file dialog leaves the draft on the screen.
    QString countedPath;
    const auto chooseCounted = [&](QWidget *preview) {
        countedPath = chosenDatafile(
            UserDialogs::instance().saveFileName(preview, datafileFilter(), countedName(path)), u"*.cxr"_s);
        return !countedPath.isEmpty();
    };
    if (!UserDialogs::instance().previewDraft(m_window, reports.reports().constLast(), chooseCounted))
        return false;
    return makeItCount(path, countedPath);
}

bool DraftAndUndo::makeItCount(const QString &draftPath, const QString &path)
{
    // Read before the run, which may replace the draft itself.
    RosterData draft;
    try {
        draft = RosterData::read(draftPath);
    } catch (const ReportError &e) {
        ErrorDisplay::show(m_window, e);
        return false;
    }
    RosterRun::Outcome outcome;
    {
        RunMessenger messenger(m_window);
        RosterRun run(m_folder, messenger, m_options.consolidateFlag, m_options.absenceFlag);
        outcome = run.make(path);
    }
    if (outcome == RosterRun::Outcome::Declined) {
        sayDeclined(m_window);
        return false;
    }
    if (outcome == RosterRun::Outcome::Failed)
        return false;
    try {
        if (const int differing = RosterData::read(path).differingCells(draft); differing > 0)
            UserDialogs::instance().inform(
                m_window, Messenger::Kind::Information,
                u"The roster that counts, '%1', differs from the draft in %2 %3: the unit's data changed "
                "after the draft was made."_s.arg(QDir::toNativeSeparators(path))
                    .arg(differing)
                    .arg(differing == 1 ? u"cell"_s : u"cells"_s));
    } catch (const ReportError &e) {
        ErrorDisplay::show(m_window, e);
    }
    return true;
}

bool DraftAndUndo::undoLastRun()
{
    UserDialogs &dialogs = UserDialogs::instance();
    try {
        // A killed run or undo is settled first: it decides what the last run is.
        const UnitSettling::Result settled = UnitSettling::settle(m_folder);
        for (const Notice &notice : settled.notices())
            dialogs.inform(m_window, Messenger::Kind::Information, NoticeText::text(notice));
        if (settled.error)
            throw *settled.error;

        const RunHistory history(m_folder);
        const RunHistory::Listing listing = history.list();
        if (!listing.skipped.isEmpty()) {
            QStringList why;
            for (const RunHistory::Skipped &s : listing.skipped)
                why.append(s.why);
            dialogs.inform(m_window, Messenger::Kind::Information,
                           why.join(u'\n') + u"\nThese files were skipped."_s);
        }
        if (listing.lastRunUnreadable) {
            dialogs.inform(
                m_window, Messenger::Kind::Error,
                u"The unit's last roster run cannot be undone: its file in the history folder '%1' is "
                "missing or cannot be read. No earlier run is undone before it."_s.arg(
                    QDir::toNativeSeparators(m_folder.historyPath())));
            return false;
        }
        if (listing.entries.isEmpty()) {
            dialogs.inform(m_window, Messenger::Kind::Information, u"There is no roster run to undo."_s);
            return false;
        }
        const RunHistory::Entry &last = listing.entries.constFirst();
        const RunHistory::Changes changes = history.changesSince(last);
        QString question =
            u"Undo %1?\n\nThe counters, assignment dates and duty headers become what they were "
            "before it, and its datafile is moved into the unit's history folder."_s.arg(last.description());
        if (!changes.none())
            question += u"\n\n"_s + changes.text() + u" Undoing it anyway loses those changes."_s;
        if (!dialogs.ask(m_window, question))
            return false;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        RunHistory::UndoResult result;
        try {
            result = history.undo(last, !changes.none());
        } catch (...) {
            QApplication::restoreOverrideCursor();
            throw;
        }
        QApplication::restoreOverrideCursor();
        if (!result.undone) {
            // Changed between the question and the undo.
            dialogs.inform(m_window, Messenger::Kind::Information,
                           result.changes.text() + u" Nothing was undone."_s);
            return false;
        }
        QString done = u"Undone: %1."_s.arg(last.description());
        if (!result.changes.none())
            done += u'\n' + result.changes.text() + u" Those changes are lost."_s;
        if (!result.datafileNow.isEmpty())
            done += u"\nIts datafile is kept as '%1'."_s.arg(QDir::toNativeSeparators(result.datafileNow));
        if (!result.note.isEmpty())
            done += u'\n' + result.note;
        for (const StoreError &e : result.leftovers)
            done += u"\nThe roster run was undone, but a file could not be removed. "_s + e.text();
        dialogs.inform(m_window, Messenger::Kind::Information, done);
        return true;
    } catch (const StoreError &e) {
        ErrorDisplay::show(m_window, e, u"The roster run could not be undone; nothing was changed."_s);
        return false;
    }
}

} // namespace calendrix
