#include "cleaner/application_paths.h"

#include "cleaner/path_text.h"
#include "platform/text.h"

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
    // Only the default value names the program, and only a full path is worth testing. It
    // is read alone: one question instead of an enumeration of every value of the key.
    RegValue value;
    if (context.registry.QueryValue(key, "", value) != status::kOk) continue;
    const std::string data = registry::ValueText(value, context.environment);
    const std::string program = CleanProgramPath(data);
    if (program.find('.') == std::string::npos || program.find(":\\") == std::string::npos) continue;
    // The file system ignores case; asking in the case the path was written in spares file
    // systems that must search a folder for a name in another case.
    const Presence verdict = context.presence.TestProgram(text::TrimBlanks(QuotesToBlanks(data)));
    if (verdict == Presence::Present) {
      present.push_back(program);
    } else if (verdict == Presence::Missing) {
      invalid.push_back(key.path);
      result.removals.push_back({key, std::nullopt});
    }
  }
  return result;
}

}  // namespace qb::cleaner
