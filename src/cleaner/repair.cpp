#include "cleaner/repair.h"

#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"

namespace qb::cleaner {

bool Remove(const registry::RegistryRoutines& routines, Registry& registry, const Removal& removal,
            EventPacer& pacer) {
  if (!removal.value_name) return DeleteKeyTree(routines, registry, removal.key, pacer);
  registry.DeleteValue(removal.key, *removal.value_name);
  RegValue left;
  return registry.QueryValue(removal.key, *removal.value_name, left) == status::kFileNotFound;
}

RepairOutcome Repair(const Services& services, std::string_view category,
                     const std::vector<Removal>& removals, Progress& progress, EventPacer& pacer) {
  RepairOutcome outcome;
  if (removals.empty()) return outcome;
  const BackupOutcome backup = WriteBackup(services, category, removals);
  if (!backup.written) {
    outcome.error = backup.error;
    return outcome;
  }
  outcome.backed_up = true;
  outcome.backup_path = backup.path;
  const registry::RegistryRoutines routines(services.registry, services.environment);
  progress.StartLoop(removals.size());
  for (size_t i = 0; i < removals.size(); ++i) {
    progress.SetValue(i);
    if (!pacer.Tick()) break;
    if (Remove(routines, services.registry, removals[i], pacer)) ++outcome.repaired;
  }
  return outcome;
}

}  // namespace qb::cleaner
