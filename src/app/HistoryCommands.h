#pragma once

#include <QStringList>

namespace calendrix::CommandLine {

// calendrix undo [--data DIR] [--yes] [--force]
int runUndo(const QStringList &arguments);
// calendrix history [--data DIR]
int runHistory(const QStringList &arguments);

} // namespace calendrix::CommandLine
