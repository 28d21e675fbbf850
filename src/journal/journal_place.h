#pragma once
// Where the journal of changes is kept, and the services with every change journaled for
// the length of a run of the program or the companion.
#include <memory>
#include <string>

#include "journal/journal.h"
#include "journal/journaling_file_system.h"
#include "journal/journaling_registry.h"
#include "journal/journaling_system.h"
#include "journal/undo.h"
#include "language/wording.h"
#include "platform/named_locks.h"
#include "platform/services.h"

namespace qb::journal {

// The journal's file, beside the cleaner's backups: in the first of their folders that can
// be created and written to; empty when none can.
std::string JournalPath(const Services& services);

// The services with every change journaled for the length of a run of the program or the
// companion: the registry, the files, system parameters and colours, the display mode,
// fonts and ended processes. The journal is written through the plain files, and the
// backup folders (the journal's own among them) are left unrecorded. Before the run's first
// change a restore point is asked for, and the answer noted in words said by say (the
// user's language when none is given).
class JournaledServices {
 public:
  JournaledServices(const Services& plain, std::string journal_path,
                    language::Wording say = nullptr);
  JournaledServices(const JournaledServices&) = delete;
  JournaledServices& operator=(const JournaledServices&) = delete;

  const Services& services() const { return journaled_; }
  // The same for the cleaner, whose removals are not made when their records cannot be
  // written: a removal nobody can undo is worse than an entry left.
  const Services& cleaner() const { return cleaner_; }
  const Services& plain() const { return plain_; }
  Journal& journal() { return journal_; }
  JournalingRegistry& registry() { return registry_; }
  JournalingFileSystem& files() { return files_; }
  // What an undo puts back, through the journaled services so that it is an action too.
  UndoTargets UndoThrough();
  // How many old actions the start dropped to keep the journal within its bounds.
  size_t Dropped() const { return compaction_.dropped_actions; }
  // Damaged records the start-up's compaction removed, which no later load sees.
  uint32_t DamagedAtStart() const { return compaction_.damaged_records; }
  // For a caller without action scopes (the companion): later changes belong to a new
  // action, whose id is returned, until Finish gives it its one-line summary.
  uint64_t Begin(std::string category, std::string summary);
  void Finish(uint64_t action, std::string category, std::string summary);

 private:
  void SetAction(uint64_t action);

  Services plain_;
  language::Wording say_;
  Journal journal_;
  JournalingRegistry registry_;
  JournalingFileSystem files_;
  Recorder recorder_;
  JournalingSystemParameters parameters_;
  JournalingSystemColours colours_;
  JournalingDisplayModes display_;
  JournalingFonts fonts_;
  JournalingProcesses processes_;
  Services journaled_;
  JournalingRegistry guarded_registry_;
  JournalingFileSystem guarded_files_;
  Services cleaner_;
  // Held while this process may rewrite the journal (see the constructor).
  std::unique_ptr<HeldLock> rewriter_;
  Journal::Compaction compaction_;
};

}  // namespace qb::journal
