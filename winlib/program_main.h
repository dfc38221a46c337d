// The start shared by the suite's programs: the language option taken from
// the arguments, the application object, the texts in the user's language
// and the last resort around the whole run.
//
//   int main(int argc, char **argv) {
//     return pdx::winlib::runProgram(argc, argv, "Carrowin", "Brevanto", start);
//   }
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace pdx::winlib {

// Runs `start` with the application object made, named `name` (ASCII; also
// the program's name in its error lines), the language chosen by the
// option or by settings profile `profile`. Returns `start`'s exit status,
// or the internal-error status when it threw.
int runProgram(int argc, char **argv, const char *name, const char *profile,
               const std::function<int()> &start);

// A file named on the command line: a file URL becomes its local path,
// anything else stays as given.
std::string argumentPath(const QString &argument);

} // namespace pdx::winlib
