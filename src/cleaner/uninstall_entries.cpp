#include "cleaner/uninstall_entries.h"

#include "platform/text.h"

namespace qb::cleaner {

namespace {

bool HasUninstallCommand(const std::vector<registry::NamedValue>& values) {
  for (const auto& value : values) {
    if (text::ToLowerAscii(value.name).find("uninstallstring") != std::string::npos) return true;
  }
  return false;
}

// Entries that the system itself keeps without an uninstall command: components hidden
// from the list, products of the installer service, and updates filed under their product.
bool ManagedBySystem(const std::vector<registry::NamedValue>& values) {
  for (const auto& value : values) {
    if ((text::EqualsNoCase(value.name, "SystemComponent") ||
         text::EqualsNoCase(value.name, "WindowsInstaller")) &&
        value.value == "1") {
      return true;
    }
    if (text::EqualsNoCase(value.name, "ParentKeyName")) return true;
  }
  return false;
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
    const auto values = context.routines.EnumRegistryValues({key.root, key.view}, key.path);
    // A key that cannot be read cannot be judged, nor backed up.
    if (values.empty() && context.registry.OpenKey(key, regaccess::kRead) != status::kOk) continue;
    if (HasUninstallCommand(values) || all[i].find('{') != std::string::npos ||
        ManagedBySystem(values)) {
      continue;
    }
    invalid.push_back(all[i]);
    result.removals.push_back({key, std::nullopt});
  }
  return result;
}

}  // namespace qb::cleaner
