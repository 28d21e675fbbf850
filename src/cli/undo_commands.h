#pragma once
// history and undo: the journal of changes read and taken back from the console, and the
// journaling of the companion's own repairs.
#include <memory>
#include <optional>

#include "cli/argument_parser.h"
#include "cli/command_line.h"
#include "journal/journal.h"
#include "journal/journaling_file_system.h"
#include "journal/journaling_system.h"
#include "journal/journaling_registry.h"

namespace qb::cli {

int RunHistory(const Arguments& arguments, const Services& services, Output& output);
int RunUndo(const Arguments& arguments, const Services& services, Output& output);

// The journal's file, beside the cleaner's backups: in the first of their folders that can
// be created and written to; empty when none can.
std::string JournalPath(const Services& services);

// The services with the registry and the files journaled for the length of one run. The
// journal is written through the plain files, and the backup folders are left unrecorded.
class JournaledRun {
 public:
  JournaledRun(const Services& services, std::string journal_path);
  const Services& services() const { return journaled_; }
  journal::Journal& journal() { return journal_; }
  // Later changes belong to a new action; returns its id.
  uint64_t Begin(std::string category, std::string summary);
  // The action's final one-line summary, once its changes are known.
  void Finish(uint64_t action, std::string category, std::string summary);
  // Removals whose records cannot be written are not made (the cleaner's).
  void GuardRemovals() {
    registry_.GuardRemovals(true);
    files_.GuardRemovals(true);
  }

 private:
  const Services& plain_;
  journal::Journal journal_;
  journal::JournalingRegistry registry_;
  journal::JournalingFileSystem files_;
  // Settings handed to the system (mouse speed, font smoothing) are journaled as the
  // window's are, so that an undo sets them back live.
  journal::Recorder recorder_;
  journal::JournalingSystemParameters system_parameters_;
  Services journaled_;
};

}  // namespace qb::cli
