#pragma once

// Runs the built program as a user would, from the command line.

#include "ChildProcess.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

namespace calendrix::test {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

// inChild, when given, runs in the new process before the program starts
// (to narrow its limits, for one).
inline Result runCalendrix(const QStringList &arguments, const std::function<void()> &inChild = {})
{
    QProcess p;
    p.setProcessEnvironment(childEnvironment());
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.start(qEnvironmentVariable("CALENDRIX_BIN"), arguments);
    Result r;
    if (!p.waitForFinished(300000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The lines of standard error that tell an error.
inline QStringList errorLines(const Result &r)
{
    QStringList lines;
    for (const QString &l : r.err.split(u'\n'))
        if (l.startsWith(QStringLiteral("ERROR: ")))
            lines.append(l);
    return lines;
}

} // namespace calendrix::test
