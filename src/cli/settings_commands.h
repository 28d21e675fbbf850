#pragma once
// settings: the tweak pages' settings by name, one at a time or as a profile file that
// other machines are checked against and brought in line with.
//   settings list [--json]            every setting, its value, type and range
//   settings get NAME | set NAME VALUE
//   settings export [FILE]            the current values as a profile
//   settings check FILE [--json]      0 when the machine matches, 1 when some differ
//   settings apply FILE [--json]      sets exactly those that differ; 0 when it now matches
// A profile with any fault changes nothing and gives 2, as a usage or system error does.
#include "cli/argument_parser.h"
#include "cli/command_line.h"

namespace qb::cli {

int RunSettings(const Arguments& arguments, const Services& services, Output& output);
// The names, types and ranges, for --help.
std::string SettingNames();

}  // namespace qb::cli
