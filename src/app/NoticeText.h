#pragma once

#include "store/Notice.h"
#include "store/RunHistory.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace calendrix {

class Error;

// The sentences of every notice the store, the run and the session raise.
// The window shows them in message boxes and the command line prints them:
// both say the same thing, so the words stand here once, as whole sentences
// with placeholders, where a translator will find them.
class NoticeText
{
public:
    // The sentence, with its values filled in and file names shown natively.
    static QString text(const Notice &notice);
    static QString text(const Error &error);
    // "the roster run of 2026-12-06 19:11:06, which made '/unit/march.cxr'
    // (10 duties, 235 periods filled)", told in a question or an answer.
    static QString runDescription(const QString &time, const QString &datafile, int duties, int periods);
    // The same for any change kept: a run as above, or "the import of
    // soldiers of 2026-12-06 19:11:06 from '/unit/roster.csv' (12 added, 3 updated)".
    static QString changeDescription(const RunHistory::Entry &entry);
    // What an undo of entry (of a roster run when it is not known) tells when
    // it fails, and when it stands but left a file behind; each a sentence of
    // its own, before the error.
    static QString undoFailed(const RunHistory::Entry *entry);
    static QString undoLeftFile(const RunHistory::Entry *entry);
    // Why nothing is undone when the entry of the unit's last change, of
    // whatever kind, is missing from historyFolder or cannot be read.
    static QString lastChangeUnreadable(const QString &historyFolder);
    // Several notices, each its own paragraph.
    static QString paragraphs(const Notices &notices);
    // The title word of a message box or printed line: none, "INFORMATION",
    // "WARNING" or "ERROR".
    static QString title(Notice::Kind kind);
    // English only: the window's sentence that still picks its form by
    // hand. Translated sentences use counted().
    static QString plural(int count, const QString &one, const QString &many);
    // A sentence that counts n things, its %n filled in: many is the
    // message (marked with QT_TRANSLATE_N_NOOP) whose translation gives each
    // language its own plural forms; with no translation, English picks one
    // or many.
    static QString counted(const char *context, int n, const char *one, const char *many);
    // What a calendar's import skipped, a sentence for each kind of event
    // it skipped: none when it skipped nothing.
    static QStringList skippedEvents(int timed, int past);
    // How a text file was read, in two sentences: its encoding (a key of
    // SheetTable::encoding) and what separates its columns.
    static QString howRead(const QString &encoding, const QString &separator);
    // A channel's own sentence for a notice, its %1.. and %n filled in as
    // text() fills its own.
    static QString fill(const Notice &notice, QString pattern);
    // A day as the chosen language writes it, the year in full; in English
    // the program's own form, 2027-03-26, which the clerks know.
    static QString day(const QDate &date);
    // A moment in local time: its day as day() writes it, then HH:mm:ss.
    static QString when(const QDateTime &moment);
};

} // namespace calendrix
