#pragma once

#include <QStringList>

namespace calendrix::FairnessCommand {

// "calendrix fairness [--data DIR] [--csv OUT.csv] [--pdf OUT.pdf] [--replace]":
// the exit status, as for print (0 done, 1 failure, 2 usage error, 4 a
// target exists without --replace).
int run(const QStringList &arguments);

} // namespace calendrix::FairnessCommand
