#pragma once
// The console companion of the cleaner window, for administrators and scripts:
//   quillbox-cli check <category>|all [--drive X:] [--json]   what a run would remove
//   quillbox-cli repair <category>|all [--drive X:] [--json]  what the window's button does
//   --folder PATH in place of --drive searches one folder for orphan shortcuts.
// It runs the very categories the window runs, backups included. Exit status: 0 when
// nothing was found, 1 when entries were found (or repaired), 2 on a usage or system error
// or when another repair is running on the machine (a repair takes the machine's repair
// lock for its whole run and does not wait for it).
#include <string>
#include <vector>

#include "platform/services.h"

namespace qb::cli {

inline constexpr int kNothingFound = 0;
inline constexpr int kFound = 1;
inline constexpr int kFailed = 2;

struct Output {
  std::string out;  // standard output
  std::string err;  // standard error
};

// args without the program's own name.
int RunCommandLine(const std::vector<std::string>& args, const Services& services, Output& output);

}  // namespace qb::cli
