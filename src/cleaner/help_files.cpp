#include "cleaner/help_files.h"

namespace qb::cleaner {

namespace {

struct Area {
  std::string_view path;
  std::string_view tag;
};

constexpr Area kAreas[] = {{kHtmlHelpArea, "HTML|"}, {kClassicHelpArea, "HELP|"}};

}  // namespace

std::string HelpFilePath(const RegValue& value, Environment& environment) {
  std::string folder = registry::ValueText(value, environment);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + value.name;
}

ScanResult ScanHelpFiles(ScanContext& context) {
  ScanResult result;
  auto& entries = result.lists[1];
  for (const auto& area : kAreas) {
    for (auto& [key, value] : AreaValues(context, RegRoot::LocalMachine, area.path)) {
      if (!context.pacer.Tick()) return result;
      // Data without a folder makes a path that depends on the current folder: the
      // presence test cannot confirm such a file missing, so the entry stays.
      const std::string path = HelpFilePath(value, context.environment);
      if (context.presence.Test(path) != Presence::Missing) continue;
      entries.push_back(std::string(area.tag) + path);
      result.tested.push_back(path);
      result.removals.push_back({key, value.name});
    }
  }
  return result;
}

bool HelpFileStillInvalid(ScanContext& context, const Removal& removal) {
  RegValue value;
  if (!removal.value_name ||
      context.registry.QueryValue(removal.key, *removal.value_name, value) != status::kOk) {
    return false;
  }
  return context.presence.Test(HelpFilePath(value, context.environment)) == Presence::Missing;
}

}  // namespace qb::cleaner
