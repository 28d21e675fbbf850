// The companion's undo against the real registry: a repair's removals come back exactly.
#include <gtest/gtest.h>

#include "cleaner/uninstall_entries.h"
#include "cli/command_line.h"
#include "platform/win32/win32_machine.h"

namespace qb::cli {
namespace {

std::vector<std::string> Dump(Registry& registry, const RegKeyPath& key) {
  std::vector<std::string> out{key.path};
  std::vector<RegValue> values;
  if (registry.EnumValues(key, values) != status::kOk) return {};
  for (const RegValue& v : values) {
    out.push_back(v.name + "|" + std::to_string(v.type) + "|" + std::string(v.data.begin(), v.data.end()));
  }
  std::vector<std::string> names;
  registry.EnumKeys(key, names);
  for (const std::string& name : names) {
    for (std::string& line : Dump(registry, key.Child(name))) out.push_back(std::move(line));
  }
  return out;
}

TEST(UndoOnWine, UndoLastAfterARepairPutsTheRemovedEntryBackExactly) {
  win32::Win32Machine machine;
  Registry& registry = machine.registry;
  const RegKeyPath key = RegKeyPath{RegRoot::LocalMachine, std::string(cleaner::kUninstallArea),
                                    registry.HasSeparateViews() ? RegView::Force64 : RegView::Native}
                             .Child("QbUndoNoCommand");
  ASSERT_EQ(registry.CreateKey(key.Child("Empty")), status::kOk);
  ASSERT_EQ(registry.CreateKey(key.Child("Sub")), status::kOk);
  registry.SetValue(key, RegValue::String("DisplayName", "Отчёт 报告"));
  registry.SetValue(key, RegValue::Binary("Blob", {0, 1, 2, 0xFE}));
  registry.SetValue(key.Child("Sub"), RegValue::Qword("Size", 1ull << 40));
  const auto before = Dump(registry, key);

  Output output;
  EXPECT_EQ(RunCommandLine({"repair", "uninstall"}, machine.services(), output), kFound) << output.err;
  EXPECT_EQ(registry.OpenKey(key, regaccess::kRead), status::kFileNotFound);
  output = {};
  EXPECT_EQ(RunCommandLine({"undo", "last"}, machine.services(), output), kNothingFound) << output.err;
  EXPECT_EQ(Dump(registry, key), before) << output.out;

  for (const char* child : {"Empty", "Sub"}) {
    registry.DeleteValue(key.Child(child), "Size");
    registry.DeleteKey(key.Child(child));
  }
  registry.DeleteValue(key, "DisplayName");
  registry.DeleteValue(key, "Blob");
  registry.DeleteKey(key);
}

}  // namespace
}  // namespace qb::cli
