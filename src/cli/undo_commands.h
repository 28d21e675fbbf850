#pragma once
// history and undo: the journal of changes read and taken back from the console.
#include <memory>
#include <optional>

#include "cli/argument_parser.h"
#include "cli/command_line.h"
#include "journal/journal_place.h"

namespace qb::cli {

int RunHistory(const Arguments& arguments, const Services& services, Output& output);
int RunUndo(const Arguments& arguments, const Services& services, Output& output);

// The journal's file, beside the cleaner's backups: in the first of their folders that can
// be created and written to; empty when none can.
std::string JournalPath(const Services& services);

// The companion's own changes are journaled like the window's, its notes in English.
inline std::unique_ptr<journal::JournaledServices> Journaled(const Services& services,
                                                             std::string path) {
  return std::make_unique<journal::JournaledServices>(services, std::move(path),
                                                      language::InEnglish);
}


}  // namespace qb::cli
