#pragma once
// check and repair: the System Health categories run from the console, backups included.
#include "cli/argument_parser.h"
#include "cli/command_line.h"

namespace qb::cli {

int RunCheck(const Arguments& arguments, const Services& services, Output& output);
int RunRepair(const Arguments& arguments, const Services& services, Output& output);

// " uninstall app-paths ...": the category names a command takes, each after a space.
std::string CategoryNames();

}  // namespace qb::cli
