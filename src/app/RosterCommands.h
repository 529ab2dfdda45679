#pragma once

#include <QStringList>

namespace calendrix::CommandLine {

// calendrix candidates FILE.cxr --duty NAME (--period N | --day DATE) [--data DIR]
int runCandidates(const QStringList &arguments);
// calendrix replace FILE.cxr --duty NAME (--period N | --day DATE) (--next | --by NAME) [--reason TEXT]
int runReplace(const QStringList &arguments);
// calendrix swap FILE.cxr --duty NAME --period N --with-period M [--reason TEXT]
int runSwap(const QStringList &arguments);

} // namespace calendrix::CommandLine
