#pragma once
// The second half of a run: back up what a scan decided to remove, then remove it. Nothing
// is removed unless the backup was written and read back intact.
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/category.h"
#include "platform/services.h"

namespace qb::cleaner {

struct RepairOutcome {
  bool backed_up = false;
  size_t repaired = 0;      // removals that took effect: the key or value is gone afterwards
  std::string backup_path;
  std::string error;        // why nothing was removed
};

// Removes one key tree or value; true when it is gone afterwards.
bool Remove(const registry::RegistryRoutines& routines, Registry& registry, const Removal& removal,
            EventPacer& pacer);

RepairOutcome Repair(const Services& services, std::string_view category,
                     const std::vector<Removal>& removals, Progress& progress, EventPacer& pacer);

}  // namespace qb::cleaner
