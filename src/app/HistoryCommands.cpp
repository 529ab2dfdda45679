#include "app/HistoryCommands.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"
#include "session/UnitSession.h"
#include "store/RunHistory.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

// What was changed since an entry's change: what an undo would lose, then
// the datafile it would leave as it is.
QString changesText(const RunHistory::Changes &changes)
{
    QString text = NoticeText::text(changes.notice());
    if (const std::optional<Notice> left = changes.datafileLeft(); left && changes.loses())
        text += u' ' + NoticeText::text(*left);
    return text;
}

void warnSkipped(const QList<RunHistory::Skipped> &skipped)
{
    for (const RunHistory::Skipped &s : skipped)
        err() << NoticeText::title(Notice::Kind::Warning) << ": "
              << QCoreApplication::translate("CommandLine", "%1 It was skipped.")
                     .arg(NoticeText::text(s.why).replace(u'\n', u' '))
              << "\n";
    err().flush();
}

// Asks on the terminal; anything but y or yes, or the language's own, is No.
bool confirmed(const QString &question)
{
    //: y and yes are the answers read as Yes, whatever the language
    err() << QCoreApplication::translate("CommandLine", "QUESTION: %1 [y/N] ").arg(question);
    err().flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    // The English answers stay good in every language, for scripts and habits.
    return answer == u"y"_s || answer == u"yes"_s ||
           //: the short answer Yes to a question that shows [y/N]; in lower case
           answer == QCoreApplication::translate("CommandLine", "y") ||
           //: the answer Yes, in lower case
           answer == QCoreApplication::translate("CommandLine", "yes");
}

QString description(const RunHistory::Entry &e)
{
    return NoticeText::changeDescription(e);
}

} // namespace

int runUndo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Take back the last roster run kept in the unit's history folder, as Tools > Undo Last Roster "
        "Run does: the counters, assignment dates and duty headers become what they were before it, "
        "and its datafile is moved into the history folder."));
    const QCommandLineOption data = dataOption();
    const QCommandLineOption yes(u"yes"_s, QCoreApplication::translate("CommandLine", "Do not ask."));
    const QCommandLineOption force(
        u"force"_s,
        QCoreApplication::translate(
            "CommandLine", "Undo even when counters or assignment dates were changed after the run."));
    parser.addOptions({data, yes, force});
    if (const int status = parse(parser, arguments, u"undo [--data DIR] [--yes] [--force]"_s); status >= 0)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "undo takes no file: %1")
                              .arg(u"calendrix undo [--data DIR] [--yes] [--force]"_s));
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;

    UnitSession session{UnitFolder(dir)};
    if (const int status = takeUnit(session); status >= 0)
        return status;
    const UnitFolder &folder = session.folder();
    // Settled and skipped files are told before the question, or before
    // why there is nothing to ask about.
    bool told = false;
    const auto tellLast = [&](const UnitSession::LastRun &last) {
        if (std::exchange(told, true))
            return;
        tell(last.settled);
        warnSkipped(last.skipped);
    };
    const auto confirm = [&](const UnitSession::LastRun &last) {
        tellLast(last);
        QString question =
            QCoreApplication::translate("CommandLine", "Undo %1?").arg(description(*last.entry));
        if (last.changesSince.loses())
            //: %1 is the question, %2 what was changed since
            question =
                QCoreApplication::translate("CommandLine", "%1 %2 Undoing it anyway loses those changes.")
                    .arg(question, NoticeText::text(last.changesSince.notice()));
        if (const std::optional<Notice> left = last.changesSince.datafileLeft())
            question += u' ' + NoticeText::text(*left);
        if (parser.isSet(yes))
            return true;
        if (!::isatty(STDIN_FILENO)) {
            err() << QCoreApplication::translate("CommandLine", "QUESTION: %1 No (give --yes to undo it)")
                         .arg(question)
                  << "\n";
            err().flush();
            return false;
        }
        return confirmed(question);
    };
    const UnitSession::Undone undone = session.undoLastRun(
        parser.isSet(force) ? UnitSession::Force::Always : UnitSession::Force::No, confirm);
    tellLast(undone.last);
    const RunHistory::UndoResult &result = undone.result;
    using Outcome = UnitSession::Undone::Outcome;
    const bool isImport = undone.last.entry && undone.last.entry->isImport();
    const bool isChange = undone.last.entry && undone.last.entry->isRosterChange();
    //: %1 says what was changed since
    const QString forceHint =
        isImport ? QCoreApplication::translate(
                       "CommandLine", "%1 Nothing was undone; give --force to undo that import anyway.")
        : isChange
            ? QCoreApplication::translate("CommandLine",
                                          "%1 Nothing was undone; give --force to undo that change anyway.")
            : QCoreApplication::translate("CommandLine",
                                          "%1 Nothing was undone; give --force to undo that run anyway.");
    switch (undone.outcome) {
    case Outcome::Failed:
        return failure(NoticeText::undoFailed(undone.last.entry ? &*undone.last.entry : nullptr) + u'\n' +
                       NoticeText::text(*undone.error));
    case Outcome::LastRunUnreadable:
        return failure(NoticeText::lastChangeUnreadable(folder.historyPath()));
    case Outcome::NoRun:
        return failure(QCoreApplication::translate(
            "CommandLine", "Nothing is kept to undo: no roster run, import, replace or swap."));
    case Outcome::NotConfirmed:
        return 4;
    case Outcome::ChangedSince:
        return failure(forceHint.arg(changesText(undone.last.changesSince)));
    case Outcome::ChangedMeanwhile:
        return failure(forceHint.arg(changesText(result.changes)));
    case Outcome::Undone:
        break;
    }
    if (result.note)
        err() << NoticeText::title(Notice::Kind::Information) << ": " << NoticeText::text(*result.note)
              << "\n";
    // The undo stands; what is left over is the clerk's to remove.
    for (const StoreError &e : result.leftovers)
        err() << NoticeText::title(Notice::Kind::Warning) << ": "
              << NoticeText::undoLeftFile(&*undone.last.entry) << ' ' << NoticeText::text(e) << "\n";
    err().flush();
    out() << QCoreApplication::translate("CommandLine", "Undone: %1.").arg(description(*undone.last.entry))
          << "\n";
    if (result.changes.loses())
        out() << QCoreApplication::translate("CommandLine", "%1 Those changes are lost.")
                     .arg(NoticeText::text(result.changes.notice()))
              << "\n";
    if (const std::optional<Notice> left = result.changes.datafileLeft())
        out() << NoticeText::text(*left) << "\n";
    if (!result.datafileNow.isEmpty())
        out() << QCoreApplication::translate("CommandLine", "Its datafile is kept as %1")
                     .arg(QDir::toNativeSeparators(result.datafileNow))
              << "\n";
    out().flush();
    return 0;
}

int runHistory(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "List the roster runs that can be taken back, the unit's last run first: "
                       "time, datafile, duties and periods filled."));
    const QCommandLineOption data = dataOption();
    parser.addOption(data);
    if (const int status = parse(parser, arguments, u"history [--data DIR]"_s); status >= 0)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "history takes no file: %1")
                              .arg(u"calendrix history [--data DIR]"_s));
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;
    if (!QFileInfo(dir).isDir())
        return failure(QCoreApplication::translate("CommandLine", "The unit folder '%1' does not exist.")
                           .arg(QDir::toNativeSeparators(dir)));
    UnitSession session{UnitFolder(dir)};
    const UnitFolder &folder = session.folder();
    const UnitSession::History history = session.history();
    tell(history.settled);
    if (history.error)
        return failure(*history.error);
    const RunHistory::Listing &listing = history.listing;
    warnSkipped(listing.skipped);
    if (listing.lastRunUnreadable) {
        err() << NoticeText::title(Notice::Kind::Warning) << ": "
              << NoticeText::lastChangeUnreadable(folder.historyPath()) << "\n";
        err().flush();
    } else if (listing.entries.isEmpty()) {
        out() << QCoreApplication::translate("CommandLine", "No changes are kept for undo.") << "\n";
    }
    for (const RunHistory::Entry &e : listing.entries) {
        out() << NoticeText::when(e.made) << "  " << QDir::toNativeSeparators(e.datafile) << "  ";
        if (e.kind == u"swap"_s)
            //: %1 is a duty, %2 and %3 soldiers, %4 and %5 the periods' columns on the roster
            out() << QCoreApplication::translate("CommandLine",
                                                 "swap on duty '%1': %2 and %3 trade periods %4 and %5")
                         .arg(e.duty, e.soldierOff, e.soldierOn, QString::number(e.column),
                              QString::number(e.otherColumn));
        else if (e.isRosterChange())
            //: %1 is a duty, %2 the period's column, %3 the soldier taken off it, %4 the one who took it
            out() << QCoreApplication::translate("CommandLine", "replace on duty '%1': period %2, %3 by %4")
                         .arg(e.duty, QString::number(e.column), e.soldierOff, e.soldierOn);
        else if (e.kind == u"soldiers"_s)
            out() << QCoreApplication::translate("CommandLine", "import of soldiers: %1 added, %2 updated")
                         .arg(e.added)
                         .arg(e.updated);
        else if (e.kind == u"absences"_s)
            out() << QCoreApplication::translate("CommandLine", "import of absences: %1 added").arg(e.added);
        else if (e.kind == u"holidays"_s)
            out() << QCoreApplication::translate("CommandLine", "import of holidays: %1 added").arg(e.added);
        else if (e.isImport())
            out() << QCoreApplication::translate("CommandLine", "import of work schedules: %1 added")
                         .arg(e.added);
        else
            // Two columns, as the listing's other columns stand apart.
            out() << NoticeText::counted("CommandLine", e.duties, "%n duty",
                                         QT_TRANSLATE_N_NOOP("CommandLine", "%n duties"))
                  << "  "
                  << NoticeText::counted("CommandLine", e.periods, "%n period filled",
                                         QT_TRANSLATE_N_NOOP("CommandLine", "%n periods filled"));
        out() << "\n";
    }
    out().flush();
    return 0;
}

} // namespace calendrix::CommandLine
