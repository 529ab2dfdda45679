#pragma once

// The environment of the program when a test starts it as a user would.

#include <QDir>
#include <QProcessEnvironment>

namespace calendrix::test {

// In the sanitizer build the program still stops at any address or undefined-
// behaviour error, but its leak check is left to the test programs, which run
// the same code in-process: LeakSanitizer's tracer has crashed (SIGSEGV while
// stopping the threads of an exiting program), and that crash would stand in
// for the exit status the test is about.
inline QProcessEnvironment childEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The tests read the program's English texts, whatever the desktop
    // speaks or the language the tester chose in the window; a test that
    // wants another says --lang.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               QDir::tempPath() + QStringLiteral("/calendrix-tests-config"));
    if (env.contains(QStringLiteral("ASAN_OPTIONS")))
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    return env;
}

} // namespace calendrix::test
