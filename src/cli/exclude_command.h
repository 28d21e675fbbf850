#pragma once
// exclude: lists, adds and removes the entries the cleaner always keeps.
#include "cli/argument_parser.h"
#include "cli/command_line.h"

namespace qb::cli {

int RunExclude(const Arguments& arguments, const Services& services, Output& output);

}  // namespace qb::cli
