#pragma once

#include <QStringList>

namespace calendrix::CommandLine {

// "calendrix export FILE.cxr [--data DIR] [--replace] (--ics DIR | --xlsx
// OUT.xlsx | --csv OUT.csv)...": the exit status, as for print (0 done,
// 1 failure, 2 usage, 4 a target exists without --replace).
int runExport(const QStringList &arguments);

// calendrix export-personnel OUT.csv|OUT.xlsx [--data DIR] [--replace]: the
// unit's soldiers with the columns import reads. 0 written, 1 failure, 2
// usage, 4 OUT exists without --replace.
int runExportPersonnel(const QStringList &arguments);

} // namespace calendrix::CommandLine
