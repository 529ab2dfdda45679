#pragma once

// Runs the built program as a user would, from the command line.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace calendrix::test {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

inline Result runCalendrix(const QStringList &arguments)
{
    QProcess p;
    p.start(qEnvironmentVariable("CALENDRIX_BIN"), arguments);
    Result r;
    if (!p.waitForFinished(300000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace calendrix::test
