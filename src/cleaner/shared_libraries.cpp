#include "cleaner/shared_libraries.h"

namespace qb::cleaner {

ScanResult ScanSharedLibraries(ScanContext& context) {
  ScanResult result;
  auto& all = result.lists[1];
  auto& missing = result.lists[3];
  const auto values = AreaValues(context, RegRoot::LocalMachine, kSharedLibrariesArea);
  context.progress.StartLoop(values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    context.progress.SetValue(i);
    if (!context.pacer.Tick()) break;
    // The path is tested exactly as stored: no case change, no quotes taken off.
    const auto& [key, value] = values[i];
    all.push_back(value.name);
    if (context.presence.Test(value.name, Wanted::FileOrFolder) != Presence::Missing) continue;
    missing.push_back(value.name);
    result.tested.push_back(value.name);
    result.removals.push_back({key, value.name});
  }
  return result;
}

bool SharedLibraryStillInvalid(ScanContext& context, const Removal& removal) {
  RegValue value;
  return removal.value_name &&
         context.registry.QueryValue(removal.key, *removal.value_name, value) == status::kOk &&
         context.presence.Test(*removal.value_name, Wanted::FileOrFolder) == Presence::Missing;
}

}  // namespace qb::cleaner
