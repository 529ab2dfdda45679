#include "app/HistoryCommands.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"
#include "session/UnitSession.h"
#include "store/RunHistory.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

const QString kDataHelp = u"The unit folder (default: the current folder)."_s;

void warnSkipped(const QList<RunHistory::Skipped> &skipped)
{
    for (const RunHistory::Skipped &s : skipped)
        err() << "WARNING: " << NoticeText::text(s.why).replace(u'\n', u' ') << " It was skipped.\n";
    err().flush();
}

// Asks on the terminal; anything but y or yes is No.
bool confirmed(const QString &question)
{
    err() << "QUESTION: " << question << " [y/N] ";
    err().flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == u"y"_s || answer == u"yes"_s;
}

QString description(const RunHistory::Entry &e)
{
    return NoticeText::changeDescription(e);
}

QString lastRunUnreadable(const UnitFolder &folder)
{
    return u"The unit's last roster run cannot be undone: its file in the history folder '%1' is missing "
           "or cannot be read. No earlier run is undone before it."_s.arg(
               QDir::toNativeSeparators(folder.historyPath()));
}

} // namespace

int runUndo(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Take back the last roster run kept in the unit's history folder, as Tools > Undo Last Roster "
        "Run does: the counters, assignment dates and duty headers become what they were before it, "
        "and its datafile is moved into the history folder."_s);
    const QCommandLineOption data(u"data"_s, kDataHelp, u"DIR"_s);
    const QCommandLineOption yes(u"yes"_s, u"Do not ask."_s);
    const QCommandLineOption force(
        u"force"_s, u"Undo even when counters or assignment dates were changed after the run."_s);
    parser.addOptions({data, yes, force});
    if (const int status = parse(parser, arguments, u"undo [--data DIR] [--yes] [--force]"_s); status >= 0)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"undo takes no file: calendrix undo [--data DIR] [--yes] [--force]"_s);
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;

    UnitSession session{UnitFolder(dir)};
    if (!session.lock())
        return tell({session.lockRefused()});
    const UnitFolder &folder = session.folder();
    if (const int status = checkUnitFiles(folder); status >= 0)
        return status;
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
        QString question = u"Undo %1?"_s.arg(description(*last.entry));
        if (!last.changesSince.none())
            question += u' ' + NoticeText::text(last.changesSince.notice()) +
                        u" Undoing it anyway loses those changes."_s;
        if (parser.isSet(yes))
            return true;
        if (!::isatty(STDIN_FILENO)) {
            err() << "QUESTION: " << question << " No (give --yes to undo it)\n";
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
    const QString forceHint = isImport   ? u" Nothing was undone; give --force to undo that import anyway."_s
                              : isChange ? u" Nothing was undone; give --force to undo that change anyway."_s
                                         : u" Nothing was undone; give --force to undo that run anyway."_s;
    switch (undone.outcome) {
    case Outcome::Failed:
        return failure((isImport   ? u"The import could not be undone; nothing was changed.\n"_s
                        : isChange ? u"The change could not be undone; nothing was changed.\n"_s
                                   : u"The roster run could not be undone; nothing was changed.\n"_s) +
                       NoticeText::text(*undone.error));
    case Outcome::LastRunUnreadable:
        return failure(lastRunUnreadable(folder));
    case Outcome::NoRun:
        return failure(u"There is no roster run to undo."_s);
    case Outcome::NotConfirmed:
        return 4;
    case Outcome::ChangedSince:
        return failure(NoticeText::text(undone.last.changesSince.notice()) + forceHint);
    case Outcome::ChangedMeanwhile:
        return failure(NoticeText::text(result.changes.notice()) + forceHint);
    case Outcome::Undone:
        break;
    }
    if (result.note)
        err() << "INFORMATION: " << NoticeText::text(*result.note) << "\n";
    // The undo stands; what is left over is the clerk's to remove.
    for (const StoreError &e : result.leftovers)
        err() << (isImport ? "WARNING: The import was undone, but a file could not be removed. "
                           : "WARNING: The roster run was undone, but a file could not be removed. ")
              << NoticeText::text(e) << "\n";
    err().flush();
    out() << "Undone: " << description(*undone.last.entry) << ".\n";
    if (!result.changes.none())
        out() << NoticeText::text(result.changes.notice()) << " Those changes are lost.\n";
    if (!result.datafileNow.isEmpty())
        out() << "Its datafile is kept as " << QDir::toNativeSeparators(result.datafileNow) << "\n";
    out().flush();
    return 0;
}

int runHistory(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"List the roster runs that can be taken back, the unit's last run first: "
        "time, datafile, duties and periods filled."_s);
    const QCommandLineOption data(u"data"_s, kDataHelp, u"DIR"_s);
    parser.addOption(data);
    if (const int status = parse(parser, arguments, u"history [--data DIR]"_s); status >= 0)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"history takes no file: calendrix history [--data DIR]"_s);
    QString dir;
    if (const int status = dataFolder(parser, data, &dir); status >= 0)
        return status;
    if (!QFileInfo(dir).isDir())
        return failure(u"The unit folder '%1' does not exist."_s.arg(QDir::toNativeSeparators(dir)));
    UnitSession session{UnitFolder(dir)};
    const UnitFolder &folder = session.folder();
    const UnitSession::History history = session.history();
    tell(history.settled);
    if (history.error)
        return failure(*history.error);
    const RunHistory::Listing &listing = history.listing;
    warnSkipped(listing.skipped);
    if (listing.lastRunUnreadable) {
        err() << "WARNING: " << lastRunUnreadable(folder) << "\n";
        err().flush();
    } else if (listing.entries.isEmpty()) {
        out() << "No roster runs are kept.\n";
    }
    for (const RunHistory::Entry &e : listing.entries) {
        out() << e.time() << "  " << QDir::toNativeSeparators(e.datafile) << "  ";
        if (e.isRosterChange())
            out() << e.kind << " on duty '" << e.duty << "': "
                  << (e.kind == u"swap"_s
                          ? u"%1 and %2 trade periods %3 and %4"_s.arg(e.soldierOff, e.soldierOn)
                                .arg(e.column)
                                .arg(e.otherColumn)
                          : u"period %1, %2 by %3"_s.arg(e.column).arg(e.soldierOff, e.soldierOn))
                  << "\n";
        else if (e.isImport())
            out() << "import of " << (e.kind == u"schedule"_s ? u"work schedules"_s : e.kind) << ": "
                  << e.added << " added"
                  << (e.kind == u"soldiers"_s ? u", %1 updated"_s.arg(e.updated) : QString()) << "\n";
        else
            out() << e.duties << (e.duties == 1 ? " duty" : " duties") << "  " << e.periods
                  << (e.periods == 1 ? " period filled" : " periods filled") << "\n";
    }
    out().flush();
    return 0;
}

} // namespace calendrix::CommandLine
