#include "main/DraftAndUndo.h"

#include "app/NoticeText.h"
#include "main/DatafileReading.h"
#include "main/ErrorDisplay.h"
#include "main/OffThread.h"
#include "main/RunMessenger.h"
#include "main/UserDialogs.h"
#include "report/ReportEngine.h"
#include "report/ReportError.h"
#include "report/RosterData.h"
#include "report/RosterReports.h"
#include "roster/RosterRun.h"
#include "store/RunHistory.h"
#include "store/StoreError.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

#include <utility>

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

QString description(const RunHistory::Entry &e)
{
    return NoticeText::changeDescription(e);
}

} // namespace

DraftAndUndo::DraftAndUndo(QWidget *window, const UnitSession &session, const RunOptions &options,
                           ReportEngine &engine)
    : m_window(window), m_session(session), m_folder(session.folder()), m_options(options), m_engine(engine)
{}

UnitSession::Made DraftAndUndo::make(const QString &path, RosterRun::Mode mode)
{
    UnitSession::Made made;
    {
        RunMessenger messenger(m_window);
        made = m_session.make(messenger, path, mode, m_options.consolidateFlag, m_options.absenceFlag);
    }
    for (const Notice &notice : made.notices)
        UserDialogs::instance().inform(m_window, notice.kind, NoticeText::text(notice));
    return made;
}

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
    const QString path =
        chosenDatafile(UserDialogs::instance().saveFileName(
                           m_window, datafileFilter(), QDir(m_folder.dir()).filePath(u"roster-draft.cxr"_s)),
                       u"*.cxr"_s);
    if (path.isEmpty())
        return false;
    const RosterRun::Outcome outcome = make(path, RosterRun::Mode::Draft).outcome;
    if (outcome == RosterRun::Outcome::Declined || outcome == RosterRun::Outcome::Failed)
        return false;
    // The run hid the main window; the clerk reads the draft beside the lists.
    m_window->show();

    // Read off the window's thread; a draft that cannot be read is read again
    // by the reports below, which tell why.
    const DatafileReading reading(m_window, path, tr("Make Draft"));
    if (reading.outcome() == DatafileReading::Outcome::Stopped)
        return false;
    if (reading.outcome() == DatafileReading::Outcome::Read)
        m_engine.useData(path, reading.identity(), reading.data());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RosterReports reports(m_engine, m_folder.dir(), path);
    QApplication::restoreOverrideCursor();
    if (!reports.complete())
        ErrorDisplay::show(m_window, NoticeText::paragraphs(reports.failures()));
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
    return makeItCount(path, countedPath, reading.data());
}

bool DraftAndUndo::makeItCount(const QString &draftPath, const QString &path,
                               std::shared_ptr<const RosterData> draft)
{
    // The draft as the preview showed it, read before the run, which may
    // replace the draft itself; read here only when the preview's read failed
    // and the reports' own read did not.
    const QString comparing = tr("Comparing %1 with the draft...").arg(QFileInfo(path).fileName());
    if (!draft) {
        try {
            runOffThread(m_window, tr("Make It Count"), comparing,
                         [&] { draft = std::make_shared<const RosterData>(RosterData::read(draftPath)); });
        } catch (const ReportError &e) {
            ErrorDisplay::show(m_window, e);
            return false;
        }
    }
    const RosterRun::Outcome outcome = make(path, RosterRun::Mode::Counted).outcome;
    if (outcome == RosterRun::Outcome::Declined || outcome == RosterRun::Outcome::Failed)
        return false;
    // The run hid the main window; the comparison's progress shows over it.
    m_window->show();
    try {
        int differing = 0;
        runOffThread(m_window, tr("Make It Count"), comparing,
                     [&] { differing = RosterData::read(path).differingCells(*draft); });
        if (differing > 0)
            UserDialogs::instance().inform(
                m_window, Messenger::Kind::Information,
                NoticeText::plural(differing,
                                   tr("The roster that counts, '%1', differs from the draft in %2 cell: the "
                                      "unit's data changed after the draft was made."),
                                   tr("The roster that counts, '%1', differs from the draft in %2 cells: the "
                                      "unit's data changed after the draft was made."))
                    .arg(QDir::toNativeSeparators(path), QString::number(differing)));
    } catch (const ReportError &e) {
        ErrorDisplay::show(m_window, e);
    }
    return true;
}

bool DraftAndUndo::undoLastRun()
{
    UserDialogs &dialogs = UserDialogs::instance();
    // The settled units and the skipped files are told before the question,
    // or before why there is nothing to ask about.
    bool told = false;
    const auto tell = [&](const UnitSession::LastRun &last) {
        if (std::exchange(told, true))
            return;
        for (const Notice &notice : last.settled)
            dialogs.inform(m_window, notice.kind, NoticeText::text(notice));
        if (!last.skipped.isEmpty()) {
            QStringList why;
            for (const RunHistory::Skipped &s : last.skipped)
                why.append(NoticeText::text(s.why));
            dialogs.inform(m_window, Messenger::Kind::Information,
                           why.join(u'\n') + u'\n' + tr("These files were skipped."));
        }
    };
    UnitSession::Undone undone;
    {
        // The busy pointer from Yes to the end of the undo, however it ends.
        struct Busy {
            bool on = false;
            ~Busy()
            {
                if (on)
                    QApplication::restoreOverrideCursor();
            }
        } busy;
        const auto confirm = [&](const UnitSession::LastRun &last) {
            tell(last);
            QString question =
                last.entry->isImport()
                    ? tr("Undo %1?\n\nThe rows it added are deleted and the soldiers it updated become "
                         "what they were before it.")
                          .arg(description(*last.entry))
                : last.entry->isRosterChange() && last.changesSince.datafileLeft()
                    ? tr("Undo %1?\n\nThe counters and assignment dates become what they were before it.")
                          .arg(description(*last.entry))
                : last.entry->isRosterChange()
                    ? tr("Undo %1?\n\nThe counters and assignment dates become what they were before it, "
                         "and so does its roster datafile.")
                          .arg(description(*last.entry))
                    : tr("Undo %1?\n\nThe counters, assignment dates and duty headers become what they "
                         "were before it, and its datafile is moved into the unit's history folder.")
                          .arg(description(*last.entry));
            if (last.changesSince.loses())
                question += u"\n\n"_s + NoticeText::text(last.changesSince.notice()) + u' ' +
                            tr("Undoing it anyway loses those changes.");
            if (const std::optional<Notice> left = last.changesSince.datafileLeft())
                question += u"\n\n"_s + NoticeText::text(*left);
            if (!dialogs.ask(m_window, question))
                return false;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            busy.on = true;
            return true;
        };
        undone = m_session.undoLastRun(UnitSession::Force::WhenAsked, confirm);
    }
    tell(undone.last);
    const RunHistory::UndoResult &result = undone.result;
    using Outcome = UnitSession::Undone::Outcome;
    switch (undone.outcome) {
    case Outcome::Failed:
        ErrorDisplay::show(m_window, *undone.error,
                           NoticeText::undoFailed(undone.last.entry ? &*undone.last.entry : nullptr));
        return false;
    case Outcome::LastRunUnreadable:
        dialogs.inform(m_window, Messenger::Kind::Error,
                       NoticeText::lastChangeUnreadable(m_folder.historyPath()));
        return false;
    case Outcome::NoRun:
        dialogs.inform(m_window, Messenger::Kind::Information,
                       tr("Nothing is kept to undo: no roster run, import, replace or swap."));
        return false;
    case Outcome::NotConfirmed:
    case Outcome::ChangedSince: // the question told of the changes; never refused here
        return false;
    case Outcome::ChangedMeanwhile:
        dialogs.inform(m_window, Messenger::Kind::Information,
                       NoticeText::text(result.changes.notice()) + u' ' + tr("Nothing was undone."));
        return false;
    case Outcome::Undone:
        break;
    }
    QString done = tr("Undone: %1.").arg(description(*undone.last.entry));
    if (result.changes.loses())
        done += u'\n' + NoticeText::text(result.changes.notice()) + u' ' + tr("Those changes are lost.");
    if (const std::optional<Notice> left = result.changes.datafileLeft())
        done += u'\n' + NoticeText::text(*left);
    if (!result.datafileNow.isEmpty())
        done += u'\n' + tr("Its datafile is kept as '%1'.").arg(QDir::toNativeSeparators(result.datafileNow));
    if (result.note)
        done += u'\n' + NoticeText::text(*result.note);
    for (const StoreError &e : result.leftovers)
        done += u'\n' + NoticeText::undoLeftFile(&*undone.last.entry) + u' ' + NoticeText::text(e);
    dialogs.inform(m_window, Messenger::Kind::Information, done);
    return true;
}

} // namespace calendrix
