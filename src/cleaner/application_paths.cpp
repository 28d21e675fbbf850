#include "cleaner/application_paths.h"

#include "cleaner/path_text.h"

namespace qb::cleaner {

ScanResult ScanApplicationPaths(ScanContext& context) {
  ScanResult result;
  auto& all = result.lists[0];
  auto& present = result.lists[2];
  auto& invalid = result.lists[3];
  const std::vector<RegKeyPath> keys = AreaKeys(context, RegRoot::LocalMachine, kAppPathsArea, all);
  context.progress.StartLoop(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    context.progress.SetValue(i);
    if (!context.pacer.Tick()) break;
    const auto& key = keys[i];
    for (const auto& value : context.routines.EnumRegistryValues({key.root, key.view}, key.path)) {
      // Only the default value names the program; only a full path is worth testing.
      if (!value.name.empty()) continue;
      const std::string program = CleanProgramPath(value.value);
      if (program.find('.') == std::string::npos || program.find(":\\") == std::string::npos) {
        continue;
      }
      const Presence verdict = context.presence.TestProgram(program);
      if (verdict == Presence::Present) {
        present.push_back(program);
      } else if (verdict == Presence::Missing) {
        invalid.push_back(key.path);
        result.removals.push_back({key, std::nullopt});
      }
    }
  }
  return result;
}

}  // namespace qb::cleaner
