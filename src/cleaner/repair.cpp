#include "cleaner/repair.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/file_repair.h"
#include "cleaner/order_list.h"
#include "cleaner/snapshot.h"

namespace qb::cleaner {

namespace {

using KeyId = std::tuple<RegRoot, RegView, std::string>;

DeleteResult RemoveValue(Registry& registry, const EntrySnapshot& entry) {
  DeleteResult result;
  const Status deleted = registry.DeleteValue(entry.removal.key, *entry.removal.value_name);
  result.touched = deleted == status::kOk;
  result.refused = status::Refused(deleted);
  RegValue left;
  result.gone = registry.QueryValue(entry.removal.key, *entry.removal.value_name, left) ==
                status::kFileNotFound;
  return result;
}

// The entries as they are now, each one that a backup can hold whole; the others are
// counted and left.
std::vector<EntrySnapshot> ReadEntries(Registry& registry, const std::vector<Removal>& removals,
                                       RepairOutcome& outcome) {
  std::vector<EntrySnapshot> entries;
  entries.reserve(removals.size());
  for (const auto& removal : removals) {
    EntrySnapshot entry;
    switch (ReadEntry(registry, removal, entry)) {
      case SnapshotRead::Taken:
        if (RegFileCanHold(entry, registry.HasSeparateViews())) {
          entries.push_back(std::move(entry));
        } else {
          ++outcome.not_backed_up;
        }
        break;
      case SnapshotRead::Gone: ++outcome.changed; break;
      case SnapshotRead::Unreadable: ++outcome.not_backed_up; break;
    }
  }
  return entries;
}

// The order lists of the keys whose values go, as they are before the removals, so that
// the backup puts them back with the values.
void AddOrderLists(Registry& registry, const std::vector<EntrySnapshot>& entries,
                   std::vector<RegFileKey>& sections) {
  std::map<KeyId, RegKeyPath> keys;
  for (const auto& entry : entries) {
    const RegKeyPath& key = entry.removal.key;
    if (entry.removal.value_name) keys.try_emplace({key.root, key.view, key.path}, key);
  }
  for (const auto& [id, key] : keys) {
    const auto path = PhysicalPath(key.root, key.path, key.view, registry.HasSeparateViews());
    for (const auto list : {kOrderList, kOrderListEx}) {
      RegValue value;
      if (registry.QueryValue(key, list, value) != status::kOk) continue;
      for (auto& section : sections) {
        if (section.root != key.root || section.path != path) continue;
        const bool held = std::any_of(section.values.begin(), section.values.end(),
                                      [&](const RegValue& v) { return v.name == value.name; });
        if (!held) section.values.push_back(value);
      }
    }
  }
}

}  // namespace

RepairOutcome Repair(const Services& services, const Category& category,
                     const std::vector<Removal>& removals, Progress& progress, EventPacer& pacer,
                     const language::Wording& say) {
  if (category.removes_files) return RepairFiles(services, category, removals, progress, pacer, say);
  RepairOutcome outcome;
  Registry& registry = services.registry;
  const std::vector<EntrySnapshot> entries = ReadEntries(registry, removals, outcome);
  if (entries.empty()) return outcome;

  auto sections = BackupSections(entries, registry.HasSeparateViews());
  if (category.keeps_order_lists) AddOrderLists(registry, entries, sections);
  const BackupOutcome backup = WriteBackup(services, category.name, sections, say);
  if (!backup.written) {
    outcome.error = backup.error;
    return outcome;
  }
  outcome.backed_up = true;
  outcome.backup_path = backup.path;
  outcome.backup_in_local_data = backup.in_local_data;

  const registry::RegistryRoutines routines(registry, services.environment);
  PresenceTest presence(services.files, services.environment);
  ScanContext context{registry, services.environment, routines, presence, progress, pacer};
  std::map<KeyId, std::pair<RegKeyPath, std::vector<std::string>>> removed_values;
  bool touched = false;
  progress.StartLoop(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    progress.SetValue(i);
    if (!pacer.Tick()) {
      outcome.stopped = true;
      break;
    }
    const EntrySnapshot& entry = entries[i];
    if (!category.still_invalid(context, entry.removal) || !StillMatches(registry, entry)) {
      ++outcome.changed;
      continue;
    }
    const DeleteResult result = entry.removal.value_name
                                    ? RemoveValue(registry, entry)
                                    : DeleteKeyTree(registry, entry.removal.key, entry.tree, pacer);
    touched = touched || result.touched;
    if (result.gone) {
      ++outcome.repaired;
      if (entry.removal.value_name) {
        const RegKeyPath& key = entry.removal.key;
        auto& [path, names] = removed_values[{key.root, key.view, key.path}];
        path = key;
        names.push_back(*entry.removal.value_name);
      }
    } else if (result.refused) {
      ++outcome.refused;
    } else {
      ++outcome.changed;  // something was added while it was being removed
    }
  }
  if (category.keeps_order_lists) {
    for (const auto& [id, removed] : removed_values) {
      DropFromOrderLists(registry, removed.first, removed.second);
    }
  }
  // A backup of a run that changed nothing would only stand for a removal that never was.
  if (!touched) {
    services.files.DeleteFile(outcome.backup_path);
    outcome.backup_path.clear();
  }
  return outcome;
}

}  // namespace qb::cleaner
