#include "cleaner/application_paths.h"

#include "cleaner/path_text.h"
#include "platform/text.h"

namespace qb::cleaner {

namespace {

// The program a registration's default value names, for a value worth testing: a full
// path with a file extension. Empty otherwise.
std::string ProgramOf(const RegValue& value, Environment& environment, std::string& cleaned) {
  const std::string data = registry::ValueText(value, environment);
  cleaned = CleanProgramPath(data);
  if (cleaned.find('.') == std::string::npos || cleaned.find(":\\") == std::string::npos) return {};
  // The file system ignores case; asking in the case the path was written in spares file
  // systems that must search a folder for a name in another case.
  return text::TrimBlanks(QuotesToBlanks(data));
}

}  // namespace

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
    std::string program;
    const std::string as_written = ProgramOf(value, context.environment, program);
    if (as_written.empty()) continue;
    const Presence verdict = context.presence.TestProgram(as_written);
    if (verdict == Presence::Present) {
      present.push_back(program);
    } else if (verdict == Presence::Missing) {
      invalid.push_back(key.path);
      result.removals.push_back({key, std::nullopt});
      result.tested.push_back(as_written);
    }
  }
  return result;
}

bool ApplicationPathStillInvalid(ScanContext& context, const Removal& removal) {
  RegValue value;
  if (context.registry.QueryValue(removal.key, "", value) != status::kOk) return false;
  std::string program;
  const std::string as_written = ProgramOf(value, context.environment, program);
  return !as_written.empty() && context.presence.TestProgram(as_written) == Presence::Missing;
}

}  // namespace qb::cleaner
