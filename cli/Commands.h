#pragma once

#include <QStringList>

namespace cli {

enum Status { Success = 0, Differ = 1, Failed = 2 };

// Runs one command line (without the program's name); messages go to standard
// error, results to standard output or the files named. Returns the exit status.
int run(const QStringList &args);

} // namespace cli
