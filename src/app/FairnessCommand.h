#pragma once

#include <QStringList>

namespace calendrix::FairnessCommand {

// "calendrix fairness [--data DIR] [--csv OUT.csv] [--pdf OUT.pdf] [--replace]":
// the exit status, as for print (0 done, 1 failure, 2 usage error, 4 a
// target exists without --replace).
int run(const QStringList &arguments);

// Where --csv OUT.csv puts the soldiers: OUT-soldiers.csv beside it.
QString soldiersCsvPath(const QString &csvPath);

} // namespace calendrix::FairnessCommand
