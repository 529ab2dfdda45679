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
// (to narrow its limits, for one); desktop: NAME=value settings of the
// environment on top of the tests' own (an empty value takes NAME away).
inline Result runCalendrix(const QStringList &arguments, const std::function<void()> &inChild = {},
                           const QStringList &desktop = {})
{
    QProcess p;
    QProcessEnvironment env = childEnvironment();
    for (const QString &setting : desktop) {
        if (setting.section(u'=', 1).isEmpty())
            env.remove(setting.section(u'=', 0, 0));
        else
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    }
    p.setProcessEnvironment(env);
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
