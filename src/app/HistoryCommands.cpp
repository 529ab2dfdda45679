#include "app/HistoryCommands.h"

#include "app/CommandSupport.h"
#include "app/NoticeText.h"
#include "store/FolderLock.h"
#include "store/RunHistory.h"
#include "store/StoreError.h"
#include "store/UnitFolder.h"
#include "store/UnitSettling.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace calendrix::CommandLine {

namespace {

const QString kDataHelp = u"The unit folder (default: the current folder)."_s;

void warnSkipped(const RunHistory::Listing &listing)
{
    for (const RunHistory::Skipped &s : listing.skipped)
        err() << "WARNING: " << QString(s.why).replace(u'\n', u' ') << " It was skipped.\n";
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

    const UnitFolder folder(dir);
    FolderLock lock(folder.dir());
    if (!lock.tryLock())
        return failure(lock.errorText());
    if (const int status = checkUnitFiles(folder); status >= 0)
        return status;
    try {
        // What a killed run or undo left is settled first: it decides what the last run is.
        const UnitSettling::Result settled = UnitSettling::settle(folder);
        for (const Notice &notice : settled.notices())
            err() << "INFORMATION: " << NoticeText::text(notice) << "\n";
        err().flush();
        if (settled.error)
            throw *settled.error;

        const RunHistory history(folder);
        const RunHistory::Listing listing = history.list();
        warnSkipped(listing);
        if (listing.lastRunUnreadable)
            return failure(lastRunUnreadable(folder));
        if (listing.entries.isEmpty())
            return failure(u"There is no roster run to undo."_s);
        const RunHistory::Entry &last = listing.entries.constFirst();
        const RunHistory::Changes changes = history.changesSince(last);
        if (!changes.none() && !parser.isSet(force))
            return failure(changes.text() + u" Nothing was undone; give --force to undo that run anyway."_s);
        QString question = u"Undo %1?"_s.arg(last.description());
        if (!changes.none())
            question += u' ' + changes.text() + u" Undoing it anyway loses those changes."_s;
        if (!parser.isSet(yes)) {
            if (!::isatty(STDIN_FILENO)) {
                err() << "QUESTION: " << question << " No (give --yes to undo it)\n";
                err().flush();
                return 4;
            }
            if (!confirmed(question))
                return 4;
        }
        const RunHistory::UndoResult result = history.undo(last, parser.isSet(force));
        if (!result.undone)
            return failure(result.changes.text() +
                           u" Nothing was undone; give --force to undo that run anyway."_s);
        if (!result.note.isEmpty())
            err() << "INFORMATION: " << result.note << "\n";
        // The undo stands; what is left over is the clerk's to remove.
        for (const StoreError &e : result.leftovers)
            err() << "WARNING: The roster run was undone, but a file could not be removed. " << e.text()
                  << "\n";
        err().flush();
        out() << "Undone: " << last.description() << ".\n";
        if (!result.changes.none())
            out() << result.changes.text() << " Those changes are lost.\n";
        if (!result.datafileNow.isEmpty())
            out() << "Its datafile is kept as " << QDir::toNativeSeparators(result.datafileNow) << "\n";
        out().flush();
        return 0;
    } catch (const StoreError &e) {
        return failure(u"The roster run could not be undone; nothing was changed.\n"_s + e.text());
    }
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
    try {
        const UnitFolder folder(dir);
        // A run or undo that a kill left unfinished is settled first, unless
        // the unit is open in the window, which settled it when it started.
        FolderLock lock(folder.dir());
        if (lock.tryLock()) {
            const UnitSettling::Result settled = UnitSettling::settle(folder);
            for (const Notice &notice : settled.notices())
                err() << "INFORMATION: " << NoticeText::text(notice) << "\n";
            if (settled.error)
                throw *settled.error;
        }
        const RunHistory::Listing listing = RunHistory(folder).list();
        warnSkipped(listing);
        if (listing.lastRunUnreadable) {
            err() << "WARNING: " << lastRunUnreadable(folder) << "\n";
            err().flush();
        } else if (listing.entries.isEmpty()) {
            out() << "No roster runs are kept.\n";
        }
        for (const RunHistory::Entry &e : listing.entries)
            out() << e.time() << "  " << QDir::toNativeSeparators(e.datafile) << "  " << e.duties
                  << (e.duties == 1 ? " duty" : " duties") << "  " << e.periods
                  << (e.periods == 1 ? " period filled" : " periods filled") << "\n";
        out().flush();
        return 0;
    } catch (const StoreError &e) {
        return failure(e.text());
    }
}

} // namespace calendrix::CommandLine
