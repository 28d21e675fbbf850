// The cleaner on the real registry and real files: a mixed area of valid and invalid
// entries is cleaned, exactly the invalid ones go, and importing the backups with the
// system's registry editor brings every removed key and value back as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <set>

#include "cleaner/application_paths.h"
#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/dialog_history.h"
#include "cleaner/path_text.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "platform/text.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "cleaner_wine_support.h"
#include "win32/temp_path.h"

namespace qb {
// Readable failures: a value's name, type and bytes.
inline void PrintTo(const RegValue& value, std::ostream* out) {
  *out << "\"" << value.name << "\" type " << value.type << " [";
  for (uint8_t byte : value.data) *out << ' ' << std::hex << int(byte) << std::dec;
  *out << " ]";
}
}  // namespace qb

namespace qb::cleaner {
namespace {

using testing::ImportWithRegedit;
using win32::Wide;

// Every key below an area with its values, by physical path, in both views.
using AreaState = std::map<std::string, std::vector<RegValue>>;

void Collect(Registry& registry, const RegKeyPath& key, AreaState& state) {
  std::vector<RegValue> values;
  if (registry.EnumValues(key, values) != status::kOk) return;
  state[std::string(RootFileName(key.root)) + "\\" +
        PhysicalPath(key.root, key.path, key.view, registry.HasSeparateViews())] = values;
  std::vector<std::string> names;
  registry.EnumKeys(key, names);
  for (const auto& name : names) Collect(registry, key.Child(name), state);
}

AreaState StateOf(Registry& registry) {
  AreaState state;
  for (RegView view : ViewsOf(registry, RegRoot::LocalMachine)) {
    Collect(registry, {RegRoot::LocalMachine, std::string(kUninstallArea), view}, state);
    Collect(registry, {RegRoot::LocalMachine, std::string(kAppPathsArea), view}, state);
  }
  Collect(registry, {RegRoot::CurrentUser, std::string(kDialogHistoryArea)}, state);
  return state;
}

class CleanerOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = test_support::TempPath("QbCleaner");
    MakeFolder(folder);
  }
  void TearDown() override {
    Registry& registry = machine.registry;
    for (RegView view : ViewsOf(registry, RegRoot::LocalMachine)) {
      for (auto area : {kUninstallArea, kAppPathsArea}) {
        RemoveTestKeys(registry, {RegRoot::LocalMachine, std::string(area), view});
      }
    }
    RemoveTestKeys(registry, {RegRoot::CurrentUser, std::string(kDialogHistoryArea)});
    for (const auto& path : backups) DeleteFileW(Wide(path).c_str());
    for (auto it = created.rbegin(); it != created.rend(); ++it) {
      SetFileAttributesW(Wide(*it).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileW(Wide(*it).c_str())) RemoveDirectoryW(Wide(*it).c_str());
    }
  }
  void RemoveTestKeys(Registry& registry, const RegKeyPath& area) {
    std::vector<std::string> names;
    registry.EnumKeys(area, names);
    EventPacer pacer(machine.clock, {});
    for (const auto& name : names) {
      if (!name.starts_with("QbTest")) continue;
      KeySnapshot tree;
      ReadKeyTree(registry, area.Child(name), tree);
      DeleteKeyTree(registry, area.Child(name), tree, pacer);
    }
  }
  void MakeFolder(const std::string& path) {
    ASSERT_EQ(machine.files.CreateFolder(path), status::kOk) << path;
    created.push_back(path);
  }
  std::string MakeFile(const std::string& name, uint32_t attributes = fileattr::kNormal) {
    const std::string path = folder + "\\" + name;
    EXPECT_EQ(machine.files.WriteFile(path, {'M', 'Z'}), status::kOk) << path;
    created.push_back(path);
    if (attributes != fileattr::kNormal) machine.files.SetAttributes(path, attributes);
    return path;
  }
  RegKeyPath Entry(std::string_view area, std::string_view name, RegView view = RegView::Force64) {
    RegKeyPath key{RegRoot::LocalMachine, std::string(area), view};
    if (!machine.registry.HasSeparateViews()) key.view = RegView::Native;
    key = key.Child(name);
    EXPECT_EQ(machine.registry.CreateKey(key), status::kOk);
    return key;
  }
  void Set(const RegKeyPath& key, const RegValue& value) {
    EXPECT_EQ(machine.registry.SetValue(key, value), status::kOk);
  }
  bool Exists(const RegKeyPath& key) {
    return machine.registry.OpenKey(key, regaccess::kRead) == status::kOk;
  }
  RepairOutcome Clean(const Category& category, ScanResult& scan) {
    const registry::RegistryRoutines routines(machine.registry, machine.environment);
    PresenceTest presence(machine.files, machine.environment);
    Progress progress;
    EventPacer pacer(machine.clock, {});
    ScanContext context{machine.registry, machine.environment, routines, presence, progress, pacer};
    scan = category.scan(context);
    RepairOutcome outcome = Repair(machine.services(), category, scan.removals, progress, pacer);
    if (!outcome.backup_path.empty()) backups.push_back(outcome.backup_path);
    return outcome;
  }
  // Removals outside the test's own entries must name programs or files that are missing.
  void ExpectSensible(const ScanResult& scan, const std::set<std::string>& ours) {
    for (const auto& removal : scan.removals) {
      const auto name = removal.key.path.substr(removal.key.path.find_last_of('\\') + 1);
      if (ours.count(name)) continue;
      ADD_FAILURE() << "an entry of the prefix was judged invalid: " << removal.key.path;
    }
  }

  win32::Win32Machine machine;
  std::string folder;
  std::vector<std::string> created;
  std::vector<std::string> backups;
};

TEST_F(CleanerOnWine, RemovesExactlyTheInvalidEntriesAndTheBackupsRestoreThem) {
  MakeFolder(folder + "\\Program Files");
  MakeFolder(folder + "\\Программа");
  MakeFolder(folder + "\\程序");
  MakeFolder(folder + "\\Folder.exe");
  const std::string normal = MakeFile("Normal.exe");
  const std::string hidden = MakeFile("Hidden.exe", fileattr::kHidden);
  const std::string system = MakeFile("System.exe", fileattr::kSystem | fileattr::kHidden);
  const std::string spaced = MakeFile("Program Files\\Spaced App.exe");
  const std::string cyrillic = MakeFile("Программа\\Редактор.exe");
  const std::string cjk = MakeFile("程序\\编辑器.exe");
  const std::string document = MakeFile("Report.TXT");

  // Application paths: valid ones in every shape, invalid ones beside them.
  std::set<std::string> invalid_apps, valid_apps;
  const auto app = [&](std::string name, std::string program, bool valid,
                       RegView view = RegView::Force64) {
    const RegKeyPath key = Entry(kAppPathsArea, name, view);
    Set(key, RegValue::String("", program));
    Set(key, RegValue::String("Path", folder));
    (valid ? valid_apps : invalid_apps).insert(name);
    return key;
  };
  app("QbTestNormal.exe", normal, true);
  app("QbTestHidden.exe", hidden, true);
  app("QbTestSystem.exe", system, true);
  app("QbTestQuoted.exe", "\"" + spaced + "\"", true);
  app("QbTestArgs.exe", "\"" + spaced + "\" /open -x", true);
  app("QbTestMixed.exe", text::ToLowerAscii(normal), true);
  app("QbTestCyrillic.exe", cyrillic, true);
  app("QbTestCjk.exe", cjk, true);
  app("QbTest32Valid.exe", normal, true, RegView::Force32);
  const RegKeyPath gone = app("QbTestGone.exe", folder + "\\Gone.exe", false);
  Set(Entry(kAppPathsArea, "QbTestGone.exe\\SupportedTypes"), RegValue::String(".txt", ""));
  app("QbTestFolder.exe", folder + "\\Folder.exe", false);
  app("QbTestGoneCyrillic.exe", folder + "\\Программа\\Удалён.exe", false);
  app("QbTestGoneArgs.exe", "\"" + folder + "\\Program Files\\Gone App.exe\" -x", false);
  app("QbTest32Gone.exe", folder + "\\Gone32.exe", false, RegView::Force32);

  // Uninstall registrations.
  Set(Entry(kUninstallArea, "QbTestHasCommand"), RegValue::String("UninstallString", normal));
  Set(Entry(kUninstallArea, "QbTestQuiet"), RegValue::String("QuietUninstallString", "x"));
  Set(Entry(kUninstallArea, "QbTest{8E1A2B3C-0000-4000-8000-000000000001}"), RegValue::String("DisplayName", "x"));
  Set(Entry(kUninstallArea, "QbTestComponent"), RegValue::Dword("SystemComponent", 1));
  const RegKeyPath no_command = Entry(kUninstallArea, "QbTestNoCommand");
  Set(no_command, RegValue::String("DisplayName", "Отчёт 报告"));
  Set(no_command, RegValue::Binary("Blob", {0, 1, 2, 0xFE}));
  Set(no_command, RegValue::String("Icon", "%SystemRoot%\\x.ico", regtype::kExpandSz));
  Set(no_command, RegValue::MultiString("List", {"a", "б"}));
  Set(no_command, RegValue::Qword("Size", 1ull << 40));
  // What only the hex forms carry, long data over several lines, and names to escape.
  Set(no_command, RegValue::String("", "default \"quoted\" C:\\path\\"));
  Set(no_command, RegValue::Binary("None", {}, regtype::kNone));
  Set(no_command, RegValue{"Unterminated", regtype::kSz, {0x41, 0x00, 0x42, 0x00}});
  Set(no_command, RegValue{"Embedded NUL", regtype::kSz, {0x41, 0, 0, 0, 0x42, 0, 0, 0}});
  Set(no_command, RegValue::String("Two lines", "one\r\ntwo"));
  Set(no_command, RegValue::Binary("Long", std::vector<uint8_t>(700, 0x5A)));
  Set(no_command, RegValue::String("Name \"with\" back\\slash", "x"));
  Set(no_command, RegValue::Binary("Odd type", {1, 2, 3}, 0x20));
  Set(Entry(kUninstallArea, "QbTestNoCommand\\Deeper\\Deepest"), RegValue::Dword("n", 7));
  const RegKeyPath no_command32 = Entry(kUninstallArea, "QbTest32NoCommand", RegView::Force32);
  Set(no_command32, RegValue::String("DisplayName", "32"));

  // Open/save history.
  const RegKeyPath history{RegRoot::CurrentUser, std::string(kDialogHistoryArea) + "\\QbTestTxt"};
  ASSERT_EQ(machine.registry.CreateKey(history), status::kOk);
  Set(history, RegValue::String("a", text::ToLowerAscii(document)));
  Set(history, RegValue::String("b", folder + "\\Deleted.txt"));
  Set(history, RegValue::String("c", hidden));
  Set(history, RegValue::String("d", cyrillic));
  Set(history, RegValue::String("e", folder + "\\程序\\已删除.txt"));
  Set(history, RegValue::String("MRUList", "edcba"));

  const AreaState before = StateOf(machine.registry);

  ScanResult scan;
  RepairOutcome outcome = Clean(kApplicationPaths, scan);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_EQ(outcome.repaired, invalid_apps.size());
  ExpectSensible(scan, invalid_apps);
  for (const auto& name : invalid_apps) {
    for (RegView view : ViewsOf(machine.registry, RegRoot::LocalMachine)) {
      EXPECT_FALSE(Exists(RegKeyPath{RegRoot::LocalMachine, std::string(kAppPathsArea), view}.Child(name))) << name;
    }
  }
  for (const auto& name : valid_apps) {
    const RegView view = name.starts_with("QbTest32") ? RegView::Force32 : RegView::Force64;
    EXPECT_TRUE(Exists(RegKeyPath{RegRoot::LocalMachine, std::string(kAppPathsArea), view}.Child(name))) << name;
  }
  EXPECT_FALSE(Exists(gone));

  outcome = Clean(kUninstallEntries, scan);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  ExpectSensible(scan, {"QbTestNoCommand", "QbTest32NoCommand"});
  EXPECT_EQ(outcome.repaired, scan.removals.size());
  EXPECT_FALSE(Exists(no_command));
  EXPECT_FALSE(Exists(no_command32));
  EXPECT_TRUE(Exists(Entry(kUninstallArea, "QbTestComponent")));

  outcome = Clean(kDialogHistory, scan);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_EQ(scan.lists[3], (std::vector<std::string>{"QbTestTxt\\b", "QbTestTxt\\e"}));
  EXPECT_EQ(outcome.repaired, 2u);
  std::vector<RegValue> left;
  machine.registry.EnumValues(history, left);
  std::vector<std::string> left_names;
  for (const auto& value : left) left_names.push_back(value.name);
  EXPECT_EQ(left_names, (std::vector<std::string>{"a", "c", "d", "MRUList"}));

  // Restoring every backup brings the areas back exactly as they were, but for one thing no
  // registry file can say: the system stores a string that lacks its terminator with one
  // when the editor's buffer holds a NUL just past it, so such a value comes back ended.
  const auto ended = [](std::vector<RegValue> values) {
    for (auto& value : values) {
      const bool text = value.type == regtype::kSz || value.type == regtype::kExpandSz;
      const size_t n = value.data.size();
      if (text && n >= 2 && n % 2 == 0 && (value.data[n - 2] || value.data[n - 1])) {
        value.data.insert(value.data.end(), {0, 0});
      }
    }
    return values;
  };
  ASSERT_EQ(backups.size(), 3u);
  for (const auto& path : backups) EXPECT_EQ(ImportWithRegedit(path), 0u) << path;
  const AreaState after = StateOf(machine.registry);
  for (const auto& [key, values] : before) {
    const auto found = after.find(key);
    ASSERT_NE(found, after.end()) << "not restored: " << key;
    if (key.find("OpenSaveMRU") != std::string::npos) {
      // The editor appends restored values after the ones that stayed.
      std::map<std::string, RegValue> a, b;
      for (const auto& v : values) a[v.name] = v;
      for (const auto& v : found->second) b[v.name] = v;
      EXPECT_EQ(a, b) << key;
    } else {
      EXPECT_EQ(found->second, ended(values)) << key;
    }
  }
  EXPECT_EQ(after.size(), before.size());
}

}  // namespace
}  // namespace qb::cleaner
