#pragma once

#include <QStringList>

namespace calendrix {

// The commands that run without a window. run() returns the exit status:
// 0 done, 1 failure (message on standard error), 2 usage error.
namespace CommandLine {

// True when the arguments ask for a console command (or help) rather than
// the desktop program.
bool isConsoleCommand(const QStringList &arguments);

// True for a console command that lays out text (print, fairness): it needs a
// QGuiApplication, on the offscreen platform.
bool needsFonts(const QStringList &arguments);

// True for what calendrix-gui does: the desktop program, and the commands
// that need Qt's fonts and painting (print, fairness), read the report
// layouts (init, which checks them when it repairs a unit), write workbooks
// (export, export-personnel) or read workbooks, CSV files and calendars
// (import). The calendrix program does the rest itself without loading those
// libraries, which takes longer than many a command's own work, and starts
// calendrix-gui for these.
bool needsGuiProgram(const QStringList &arguments);

// Runs a console command other than those above.
int run(const QStringList &arguments);

// Runs any console command; only calendrix-gui has it.
int runAny(const QStringList &arguments);

// The exit status of the command in arguments that returned status, once
// what it printed is out. Output that could not be written in full (a full
// disk) is told; a command that only reads or writes files of its own fails
// then, for the output was its work, while one that changed the unit keeps
// its status, so that a script never does that change a second time.
int finished(const QStringList &arguments, int status);

// The desktop program's own options: "calendrix [--data DIR] [FILE.cxr]".
// Returns the unit folder with status -1, and the roster datafile to show in
// datafile (empty when none was given); or an empty string with the exit
// status after printing why (2 a usage error, 1 a folder or datafile that is
// not there).
QString desktopFolder(const QStringList &arguments, int *status, QString *datafile);

} // namespace CommandLine
} // namespace calendrix
