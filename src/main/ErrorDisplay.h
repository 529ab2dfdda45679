#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace calendrix {

class Error;

// The one way a window shows an error to the clerk, in an "ERROR" box: what
// could not be done (when the command says), why, and the error number on a
// line of its own, so that it can be read out on the telephone:
//
//     Cannot delete the duty.
//     The file ... cannot be written: it is read-only.
//     (error 3027)
class ErrorDisplay
{
    Q_DECLARE_TR_FUNCTIONS(ErrorDisplay)

public:
    static QString message(const Error &error, const QString &action = {});
    static void show(QWidget *parent, const Error &error, const QString &action = {});
    // An error the window words itself (a printer that does not start).
    static void show(QWidget *parent, const QString &text);
    // Runs a command; an error of the store or of a report stops it and is
    // shown. False when it failed.
    static bool guard(QWidget *parent, const QString &action, const std::function<void()> &command);
};

} // namespace calendrix
