#pragma once
// The program directory: where the settings files and the race log exports
// live, beside the executable. Worked out at every call, so the current
// working directory never matters.

#include <QString>

namespace trovanta::files {

// The directory of the running executable, symbolic links resolved; empty
// when it cannot be determined as an absolute path.
QString programDirectory();

// A file in the program directory. Without one, the bare name: a relative
// path, which the settings files refuse to read or write, so that nothing
// lands in the working directory or the root instead.
QString programFile(const QString &name);

// Tests point the program directory elsewhere so that nothing is written
// beside the test binary; an empty text switches the override off.
void setProgramDirectoryForTesting(const QString &directory);

} // namespace trovanta::files
