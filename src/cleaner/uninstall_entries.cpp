#include "cleaner/uninstall_entries.h"

#include "cleaner/path_text.h"

namespace qb::cleaner {

namespace {

bool HasUninstallCommand(const std::vector<RegValue>& values) {
  for (const auto& value : values) {
    if (ContainsIgnoringCase(value.name, "uninstallstring")) return true;
  }
  return false;
}

// Entries that the system itself keeps without an uninstall command: components hidden
// from the list, products of the installer service, and updates filed under their product.
bool ManagedBySystem(const std::vector<RegValue>& values, Environment& environment) {
  for (const auto& value : values) {
    if ((EqualsIgnoringCase(value.name, "SystemComponent") ||
         EqualsIgnoringCase(value.name, "WindowsInstaller")) &&
        registry::ValueText(value, environment) == "1") {
      return true;
    }
    if (EqualsIgnoringCase(value.name, "ParentKeyName")) return true;
  }
  return false;
}

bool IsInvalid(const std::string& name, const std::vector<RegValue>& values,
               Environment& environment) {
  return !HasUninstallCommand(values) && name.find('{') == std::string::npos &&
         !ManagedBySystem(values, environment);
}

}  // namespace

ScanResult ScanUninstallEntries(ScanContext& context) {
  ScanResult result;
  auto& all = result.lists[0];
  auto& invalid = result.lists[1];
  const std::vector<RegKeyPath> keys = AreaKeys(context, RegRoot::LocalMachine, kUninstallArea, all);
  context.progress.StartLoop(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    context.progress.SetValue(i);
    if (!context.pacer.Tick()) break;
    const auto& key = keys[i];
    // Only value names matter here, and two values' data: the values are taken as stored,
    // sparing a text conversion of every value of every key.
    std::vector<RegValue> values;
    // A key that cannot be read cannot be judged, nor backed up.
    if (context.registry.EnumValues(key, values) != status::kOk) continue;
    if (!IsInvalid(all[i], values, context.environment)) continue;
    invalid.push_back(all[i]);
    result.removals.push_back({key, std::nullopt});
    result.tested.emplace_back();
  }
  return result;
}

bool UninstallEntryStillInvalid(ScanContext& context, const Removal& removal) {
  std::vector<RegValue> values;
  if (context.registry.EnumValues(removal.key, values) != status::kOk) return false;
  const auto name = removal.key.path.substr(removal.key.path.find_last_of('\\') + 1);
  return IsInvalid(name, values, context.environment);
}

}  // namespace qb::cleaner
