#include "cleaner/dialog_history.h"

namespace qb::cleaner {

namespace {

// The order value and anything else that is not a full path is left alone.
bool LooksLikeFullPath(const std::string& data) { return data.find(":\\") != std::string::npos; }

}  // namespace

ScanResult ScanDialogHistory(ScanContext& context) {
  ScanResult result;
  auto& subkeys = result.lists[0];
  auto& paths = result.lists[1];
  auto& missing = result.lists[2];
  auto& entries = result.lists[3];
  const RegKeyPath area{RegRoot::CurrentUser, std::string(kDialogHistoryArea), RegView::Native};
  subkeys = context.routines.EnumRegistryKeys({area.root, area.view}, area.path);
  context.progress.StartLoop(subkeys.size());
  for (size_t i = 0; i < subkeys.size(); ++i) {
    context.progress.SetValue(i);
    if (!context.pacer.Tick()) break;
    const RegKeyPath key = area.Child(subkeys[i]);
    for (const auto& value : context.routines.EnumRegistryValues({key.root, key.view}, key.path)) {
      if (!LooksLikeFullPath(value.value)) continue;
      paths.push_back(value.value);
      if (context.presence.Test(value.value) != Presence::Missing) continue;
      missing.push_back(value.value);
      entries.push_back(subkeys[i] + "\\" + value.name);
      result.removals.push_back({key, value.name});
      result.tested.push_back(value.value);
    }
  }
  return result;
}

bool HistoryValueStillInvalid(ScanContext& context, const Removal& removal) {
  RegValue value;
  if (!removal.value_name ||
      context.registry.QueryValue(removal.key, *removal.value_name, value) != status::kOk) {
    return false;
  }
  const std::string data = registry::ValueText(value, context.environment);
  return LooksLikeFullPath(data) && context.presence.Test(data) == Presence::Missing;
}

}  // namespace qb::cleaner
