#pragma once
// The second half of a run: back up what a scan decided to remove, then remove it. Nothing
// is removed unless the backup was written and read back intact, and each entry is removed
// only while it still matches its backup and is still invalid.
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/category.h"
#include "language/wording.h"
#include "platform/services.h"

namespace qb::cleaner {

struct RepairOutcome {
  bool backed_up = false;
  size_t repaired = 0;       // removals that took effect: the key or value is gone afterwards
  size_t changed = 0;        // left: changed since the check, or no longer invalid
  size_t not_backed_up = 0;  // kept: could not be read whole, or a backup cannot hold it
  size_t refused = 0;        // Windows refused the removal: it needs an administrator
  bool stopped = false;      // a close request ended the run after the entry in hand
  std::string backup_path;   // the backup that holds what went; empty when none is kept
  // A file repair that had to move to the local application data halfway: the folder in
  // the program's folder that holds the first copies.
  std::string earlier_backup_path;
  bool backup_in_local_data = false;
  std::string error;         // why nothing was removed
};

// say words the reason a backup could not be written.
RepairOutcome Repair(const Services& services, const Category& category,
                     const std::vector<Removal>& removals, Progress& progress, EventPacer& pacer,
                     const language::Wording& say = language::InEnglish);

}  // namespace qb::cleaner
