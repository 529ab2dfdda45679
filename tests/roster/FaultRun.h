#pragma once

// Runs the built program as a user would, with the fault shim loaded when
// faults are given (CALENDRIX_KILL_AFTER=..., CALENDRIX_FAIL_SYNC=...), so
// that it is killed or fails at one exact step. FAULT_SHIM names the shim.

#include "ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

namespace calendrix::test {

struct Outcome {
    bool killed = false;
    int status = -1;
    QString out;
    QString err;
};

inline Outcome runWith(const QStringList &arguments, const QStringList &faults = {})
{
    QProcess p;
    QProcessEnvironment env = childEnvironment();
    if (!faults.isEmpty()) {
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAULT_SHIM));
        // A sanitizer build insists on coming first otherwise.
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
        for (const QString &fault : faults)
            env.insert(fault.section(u'=', 0, 0), fault.section(u'=', 1));
    }
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("CALENDRIX_BIN"), arguments);
    // Nobody at a terminal: a question is answered by the end of the input.
    p.closeWriteChannel();
    Outcome o;
    if (!p.waitForFinished(120000))
        return o;
    o.killed = p.exitStatus() != QProcess::NormalExit;
    o.status = o.killed ? -1 : p.exitCode();
    o.out = QString::fromUtf8(p.readAllStandardOutput());
    o.err = QString::fromUtf8(p.readAllStandardError());
    return o;
}

inline bool run(const QStringList &arguments)
{
    const Outcome o = runWith(arguments);
    if (o.killed || o.status != 0)
        qWarning("%s: %s", qPrintable(arguments.join(u' ')), qPrintable(o.err));
    return !o.killed && o.status == 0;
}

inline QString memoryOf(const QString &unit)
{
    return QDir(unit).filePath(QStringLiteral("Memory.mdb"));
}

// Hidden files that work leaves beside its target or in the unit folder.
inline QStringList leftovers(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral(".calendrix-*")}, QDir::Files | QDir::Hidden | QDir::System);
}

// A copy of a unit folder in place of whatever was at to: the named files,
// or every file and the run history.
inline void copyUnit(const QString &from, const QString &to, const QStringList &names = {})
{
    QDir(to).removeRecursively();
    QVERIFY(QDir().mkpath(QDir(to).filePath(QStringLiteral("history"))));
    const QDir source(from);
    QStringList files = names;
    if (names.isEmpty()) {
        files = source.entryList(QDir::Files | QDir::Hidden);
        for (const QString &name :
             QDir(source.filePath(QStringLiteral("history"))).entryList(QDir::Files | QDir::Hidden))
            files.append(QStringLiteral("history/") + name);
    }
    for (const QString &name : files)
        QVERIFY(QFile::copy(source.filePath(name), QDir(to).filePath(name)));
}

} // namespace calendrix::test
