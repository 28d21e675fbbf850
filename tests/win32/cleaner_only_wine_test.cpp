// The companion on the real registry and disk with a list of chosen findings and a list of
// entries to keep: repair --only takes exactly the findings an edited check report names,
// and a plain repair of every category leaves what the user keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "cleaner/application_paths.h"
#include "cleaner/exclusions.h"
#include "cleaner_wine_support.h"
#include "cli/json_reader.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "win32/temp_path.h"

namespace qb::cleaner::testing {
namespace {

using win32::Wide;

class CompanionChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    had_exclusions = machine.files.ReadFile(ExclusionsPath(machine.environment), old_exclusions) == status::kOk;
  }
  void TearDown() override {
    for (const auto& name : {"Go1", "Go2", "Stay", "Kept"}) machine.registry.DeleteKey(App(name));
    if (had_exclusions) {
      machine.files.WriteFile(ExclusionsPath(machine.environment), old_exclusions);
    } else {
      machine.files.DeleteFile(ExclusionsPath(machine.environment));
    }
  }
  RegKeyPath App(const std::string& name) {
    return {RegRoot::LocalMachine, std::string(kAppPathsArea) + "\\QbTestOnly" + name + ".exe",
            machine.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
  }
  bool Exists(const RegKeyPath& key) { return machine.registry.OpenKey(key, regaccess::kRead) == status::kOk; }
  bool FileExists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  // Runs the companion; its exit code, and what it wrote. A file of its own for each run:
  // the last run's handle to its file may still be closing.
  DWORD Companion(const std::string& args, std::string& out) {
    const std::string output = root + "\\out" + std::to_string(++runs) + ".txt";
    const DWORD code = WaitForExit(StartCompanion(root + "\\Program", args, output), 300000);
    out = CompanionOutput(output);
    return code;
  }
  // A report's findings, one line each as written.
  static std::set<std::string> Findings(const std::string& report) {
    std::set<std::string> lines;
    size_t at = 0;
    while ((at = report.find("\n{\"category\"", at)) != std::string::npos) {
      const size_t end = report.find('\n', at + 1);
      std::string line = report.substr(at + 1, end - at - 1);
      if (line.ends_with(',')) line.pop_back();
      lines.insert(line);
      at = end;
    }
    return lines;
  }
  static std::string Report(const std::set<std::string>& findings) {
    std::string text = "{\"command\":\"check\",\"findings\":[";
    for (const auto& line : findings) text += (text.ends_with("[") ? "\n" : ",\n") + line;
    return text + "\n],\"counts\":{}}";
  }
  // The exclusions line that names a finding of a report.
  static std::string EntryOf(const std::string& line) {
    std::string error;
    const auto finding = cli::ParseJson(line, error);
    if (!finding) return {};
    if (const auto* file = finding->Find("file"); file && file->kind == cli::JsonValue::Kind::String) {
      return file->text;
    }
    const auto* value = finding->Find("value");
    return finding->Find("key")->text +
           (value && value->kind == cli::JsonValue::Kind::String ? " [" + value->text + "]" : "");
  }
  static size_t Repaired(const std::string& report) {
    size_t sum = 0;
    for (size_t at = 0; (at = report.find("\"repaired\":", at)) != std::string::npos; at += 11) {
      sum += std::stoul(report.substr(at + 11));
    }
    return sum;
  }

  win32::Win32Machine machine;
  test_support::TempFolder tree{"QbOnly"};
  const std::string root = tree.path;
  std::vector<uint8_t> old_exclusions;
  bool had_exclusions = false;
  int runs = 0;
};

TEST_F(CompanionChoice, RepairOnlyTakesTheListedFindingsAndARepairOfAllKeepsTheExcluded) {
  for (const auto& name : {"Go1", "Go2", "Stay", "Kept"}) {
    ASSERT_EQ(machine.registry.CreateKey(App(name)), status::kOk);
    machine.registry.SetValue(App(name), RegValue::String("", root + "\\Missing" + name + ".exe"));
  }
  const std::string desk = root + "\\Desk", kept_folder = root + "\\Kept";
  machine.files.CreateFolder(desk);
  machine.files.CreateFolder(kept_folder);
  const std::string go = desk + "\\QbTestOnlyGo.lnk", stay = desk + "\\QbTestOnlyStay.lnk",
                    kept = kept_folder + "\\QbTestOnlyKept.lnk";
  for (const auto& path : {go, stay, kept}) {
    ASSERT_EQ(machine.shortcuts.Create(path, root + "\\Gone.exe"), status::kOk) << path;
  }
  Exclusions exclusions;
  exclusions.Add(ExclusionEntry({App("Kept"), std::nullopt, {}}));
  exclusions.Add(kept_folder + "\\");
  ASSERT_EQ(SaveExclusions(machine.files, machine.environment, exclusions), status::kOk);
  const std::string where = " --json --folder \"" + root + "\"";

  std::string before;
  ASSERT_EQ(Companion("check all" + where, before), 1u) << before;
  const std::set<std::string> found = Findings(before);
  std::set<std::string> chosen, excluded;
  for (const auto& line : found) {
    if (line.find("QbTestOnlyGo") != std::string::npos) chosen.insert(line);
    if (line.find("\"verdict\":\"excluded\"") != std::string::npos) excluded.insert(line);
  }
  ASSERT_EQ(chosen.size(), 3u) << before.size() << before;
  ASSERT_EQ(excluded.size(), 2u) << before;
  for (const auto& line : excluded) EXPECT_NE(line.find("QbTestOnlyKept"), std::string::npos) << line;
  const std::string edited = root + "\\edited.json";
  ASSERT_EQ(machine.files.WriteFile(edited, [&] {
    const std::string text = Report(chosen);
    return std::vector<uint8_t>(text.begin(), text.end());
  }()), status::kOk);

  std::string repaired;
  EXPECT_EQ(Companion("repair all --only \"" + edited + "\"" + where, repaired), 1u) << repaired;
  EXPECT_EQ(Repaired(repaired), 3u) << repaired;
  std::string after;
  Companion("check all" + where, after);
  std::set<std::string> expected = found;
  for (const auto& line : chosen) expected.erase(line);
  EXPECT_EQ(Findings(after), expected);
  EXPECT_FALSE(Exists(App("Go1")));
  EXPECT_FALSE(Exists(App("Go2")));
  EXPECT_FALSE(FileExists(go));
  EXPECT_TRUE(Exists(App("Stay")));
  EXPECT_TRUE(FileExists(stay));

  // The prefix's own findings are kept as well, so that a repair of everything touches
  // only the test's entries: the two still found go, the excluded two stay.
  for (const auto& line : expected) {
    if (line.find("QbTestOnly") == std::string::npos) exclusions.Add(EntryOf(line));
  }
  ASSERT_EQ(SaveExclusions(machine.files, machine.environment, exclusions), status::kOk);
  std::string all;
  EXPECT_EQ(Companion("repair all" + where, all), 1u) << all;
  EXPECT_EQ(Repaired(all), 2u) << all;
  EXPECT_FALSE(Exists(App("Stay")));
  EXPECT_FALSE(FileExists(stay));
  EXPECT_TRUE(Exists(App("Kept")));
  EXPECT_TRUE(FileExists(kept));
}

}  // namespace
}  // namespace qb::cleaner::testing
