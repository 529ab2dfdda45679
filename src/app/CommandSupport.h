#pragma once

#include "store/Notice.h"

#include <QString>
#include <QStringList>

class QCommandLineOption;
class QCommandLineParser;
class QTextStream;

namespace calendrix {

class Error;
class UnitFolder;
class UnitSession;
struct Notice;

// What every command shares: its two output streams, its two ways of ending
// badly, and the options all of them read alike.
namespace CommandLine {

QTextStream &out();
QTextStream &err();
// Prints "calendrix: message" and returns 2.
int usageError(const QString &message);
// Prints "ERROR: message" and returns 1.
int failure(const QString &message);
// The same with the error's sentence (NoticeText).
int failure(const Error &error);
// Parses one command's arguments; -1 means go on, otherwise the exit status.
int parse(QCommandLineParser &parser, const QStringList &arguments, const QString &syntax);
// The folder named by --data, or the current folder. -1 means go on,
// otherwise the exit status after a usage error.
int dataFolder(const QCommandLineParser &parser, const QCommandLineOption &data, QString *dir);
// --data DIR, as every command that works on a unit reads it.
QCommandLineOption dataOption();
// What a command wrote, as the line it prints: "wrote ..." where the window
// says "Wrote ... .".
QString logLine(const Notice &notice);
// The line for one file written: "wrote PATH".
QString wroteFile(const QString &path);
// Prints each notice as "TITLE: sentence" on standard error; the first
// error ends the command: its exit status, or -1 to go on when there is none.
int tell(const Notices &notices);
// Refuses a unit whose own databases cannot be used, with the command that
// sets them right. -1 means go on.
int checkUnitFiles(const UnitFolder &folder);
// Takes the unit's lock for the command and checks its files as above:
// -1 means go on, otherwise the exit status after saying why not.
int takeUnit(UnitSession &session);

} // namespace CommandLine
} // namespace calendrix
