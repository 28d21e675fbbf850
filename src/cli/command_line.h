#pragma once
// The console companion of the program, for administrators and scripts. Its commands stand
// in one table (command_line.cpp), each with the options it takes from one shared grammar:
//   quillbox-cli check <category>|all [--drive X:] [--json] [--output file]   what a run would remove
//   quillbox-cli repair <category>|all [--drive X:] [--json] [--output file]  what the window's button does
//   --folder PATH in place of --drive searches one folder for orphan shortcuts.
// The cleaner's commands run the very categories the window runs, backups included. Exit status: 0 when
// nothing was found, 1 when entries were found (or repaired), 2 on a usage or system error,
// a report that could not be written included (a script must never take a missing or cut
// report for an empty one), or when another repair is running on the machine (a repair
// takes the machine's repair lock for its whole run and does not wait for it).
#include <string>
#include <vector>

#include "platform/services.h"

namespace qb::cli {

inline constexpr int kNothingFound = 0;
inline constexpr int kFound = 1;
inline constexpr int kFailed = 2;

// The name the companion holds while it runs, so that an installer knows it is in use.
inline constexpr const char* kCompanionInstanceName = "VantorelQuillboxCli";

struct Output {
  std::string out;  // standard output
  std::string err;  // standard error
};

// args without the program's own name. With --output the report goes into that file, whole
// or not at all; otherwise it is left in output.out for standard output.
int RunCommandLine(const std::vector<std::string>& args, const Services& services, Output& output);

// A command line that cannot be understood: says why on standard error, with the usage.
int UsageError(std::string_view error, Output& output);

// The report could not be written where it was to go (a file, "standard output"): says so on
// standard error and gives the status for it.
int ReportNotWritten(std::string_view where, std::string_view reason, Output& output);

}  // namespace qb::cli
