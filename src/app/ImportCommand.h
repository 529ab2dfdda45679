#pragma once

#include <QStringList>

namespace calendrix::CommandLine {

// calendrix import FILE (--soldiers | --absences | --holidays | --schedule)
//                 [--data DIR] [--update] [--dry-run] [--sheet NAME] [--years N]
// 0 imported (or planned, with --dry-run), 1 failure, 2 usage, 5 rows refused: nothing imported.
int runImport(const QStringList &arguments);

} // namespace calendrix::CommandLine
