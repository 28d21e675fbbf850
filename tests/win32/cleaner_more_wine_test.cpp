// Help files, shared components and orphan shortcuts on the real registry and disk: real
// shortcut files made by the shell in a real folder tree (a directory link among them),
// real files with attributes; exactly the invalid entries go, and the registry backup and
// the shortcut copies put everything back.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "cleaner/categories.h"
#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/repair.h"
#include "cleaner_wine_support.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "win32/temp_path.h"

namespace qb::cleaner::testing {
namespace {

using win32::Wide;

class MoreCleanerOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    root = test_support::TempPath("QbTree");
    Folder(root);
  }
  void TearDown() override {
    for (const auto& [key, names] : values) {
      for (const auto& name : names) machine.registry.DeleteValue(key, name);
    }
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
      SetFileAttributesW(Wide(*it).c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileW(Wide(*it).c_str())) RemoveDirectoryW(Wide(*it).c_str());
    }
    for (const auto& folder : backup_folders) RemoveTree(folder);
  }
  void RemoveTree(const std::string& folder) {
    std::vector<FileEntry> entries;
    machine.files.FindFiles(folder + "\\*", entries);
    for (const auto& entry : entries) {
      const std::string path = folder + "\\" + entry.name;
      if (entry.attributes & fileattr::kDirectory) {
        RemoveTree(path);
      } else {
        machine.files.SetAttributes(path, fileattr::kNormal);
        machine.files.DeleteFile(path);
      }
    }
    machine.files.RemoveFolder(folder);
  }
  std::string Folder(const std::string& path) {
    EXPECT_TRUE(CreateDirectoryW(Wide(path).c_str(), nullptr)) << path;
    made.push_back(path);
    return path;
  }
  std::string File(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    EXPECT_EQ(machine.files.WriteFile(path, {'x'}), status::kOk) << path;
    made.push_back(path);
    SetFileAttributesW(Wide(path).c_str(), attributes);
    return path;
  }
  std::string Shortcut(const std::string& path, const std::string& target,
                       DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    EXPECT_EQ(machine.shortcuts.Create(path, target), status::kOk) << path;
    made.push_back(path);
    SetFileAttributesW(Wide(path).c_str(), attributes);
    return path;
  }
  RegKeyPath Area(std::string_view area) {
    return {RegRoot::LocalMachine, std::string(area),
            machine.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
  }
  void Value(const RegKeyPath& key, const RegValue& value) {
    ASSERT_EQ(machine.registry.CreateKey(key), status::kOk);
    ASSERT_EQ(machine.registry.SetValue(key, value), status::kOk);
    values[key].push_back(value.name);
  }
  bool HasValue(const RegKeyPath& key, const std::string& name) {
    RegValue value;
    return machine.registry.QueryValue(key, name, value) == status::kOk;
  }
  bool FileExists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  RepairOutcome Clean(const Category& category, ScanResult& scan, const std::string& drive = {}) {
    const Services services = machine.services();
    const registry::RegistryRoutines routines(services.registry, services.environment);
    PresenceTest presence(services.files, services.environment.WindowsFolder());
    Progress progress;
    EventPacer pacer(machine.clock, {});
    ScanContext context{services.registry, services.environment, routines, presence, progress, pacer,
                        &services.files, &services.shortcuts, drive, {}, BackupFolders(services)};
    scan = category.scan(context);
    RepairOutcome outcome = Repair(services, category, scan.removals, progress, pacer);
    if (category.removes_files && !outcome.backup_path.empty()) backup_folders.push_back(outcome.backup_path);
    if (!category.removes_files && !outcome.backup_path.empty()) made.push_back(outcome.backup_path);
    return outcome;
  }
  // Of our own test values, which were found.
  static std::set<std::string> Ours(const ScanResult& scan, std::string_view prefix) {
    std::set<std::string> names;
    for (const auto& removal : scan.removals) {
      const std::string name = removal.value_name ? *removal.value_name : removal.file;
      if (name.find(prefix) != std::string::npos) names.insert(name);
    }
    return names;
  }

  win32::Win32Machine machine;
  std::string root;
  std::vector<std::string> made;
  std::vector<std::string> backup_folders;
  std::map<RegKeyPath, std::vector<std::string>, bool (*)(const RegKeyPath&, const RegKeyPath&)> values{
      [](const RegKeyPath& a, const RegKeyPath& b) { return a.path < b.path; }};
};

TEST_F(MoreCleanerOnWine, HelpFilesAndSharedCountsOfMissingFilesGoAndTheBackupRestoresThem) {
  const std::string help = Folder(root + "\\Help");
  File(help + "\\QbTestKept.chm");
  File(help + "\\QbTestHidden.hlp", FILE_ATTRIBUTE_HIDDEN);
  Folder(root + "\\QbTestFolder");
  File(root + "\\QbTestShared.dll", FILE_ATTRIBUTE_SYSTEM);
  const RegKeyPath html = Area(kHtmlHelpArea);
  const RegKeyPath classic = Area(kClassicHelpArea);
  const RegKeyPath shared = Area(kSharedLibrariesArea);
  Value(html, RegValue::String("QbTestKept.chm", help));
  Value(html, RegValue::String("QbTestGone.chm", help + "\\"));
  Value(html, RegValue::String("QbTest\\Odd.chm", help));
  Value(classic, RegValue::String("QbTestGone.chm", help));
  Value(classic, RegValue::String("QbTestHidden.hlp", help));
  Value(classic, RegValue::String("QbTestNowhere.hlp", ""));
  Value(shared, RegValue::Dword(root + "\\QbTestShared.dll", 2));
  Value(shared, RegValue::Dword(root + "\\QbTestFolder", 1));
  Value(shared, RegValue::Dword(root + "\\QbTestGone.dll", 1));
  Value(shared, RegValue::Dword("QbTestBare.dll", 1));

  ScanResult scan;
  RepairOutcome outcome = Clean(kHelpFiles, scan);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_EQ(Ours(scan, "QbTest"), (std::set<std::string>{"QbTestGone.chm", "QbTest\\Odd.chm"}));
  EXPECT_FALSE(HasValue(html, "QbTestGone.chm"));
  EXPECT_FALSE(HasValue(html, "QbTest\\Odd.chm"));
  EXPECT_FALSE(HasValue(classic, "QbTestGone.chm"));
  for (const char* kept : {"QbTestHidden.hlp", "QbTestNowhere.hlp"}) EXPECT_TRUE(HasValue(classic, kept));
  EXPECT_TRUE(HasValue(html, "QbTestKept.chm"));
  const std::string help_backup = outcome.backup_path;

  outcome = Clean(kSharedLibraries, scan);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_EQ(Ours(scan, "QbTest"), std::set<std::string>{root + "\\QbTestGone.dll"});
  EXPECT_FALSE(HasValue(shared, root + "\\QbTestGone.dll"));
  EXPECT_TRUE(HasValue(shared, root + "\\QbTestFolder"));

  for (const auto& path : {help_backup, outcome.backup_path}) EXPECT_EQ(ImportWithRegedit(path), 0u) << path;
  EXPECT_TRUE(HasValue(html, "QbTestGone.chm"));
  EXPECT_TRUE(HasValue(html, "QbTest\\Odd.chm"));
  EXPECT_TRUE(HasValue(classic, "QbTestGone.chm"));
  EXPECT_TRUE(HasValue(shared, root + "\\QbTestGone.dll"));
}

TEST_F(MoreCleanerOnWine, OrphanShortcutsInARealTreeGoAndTheirCopiesPutThemBack) {
  const std::string target = File(root + "\\Target.exe");
  const std::string hidden_target = File(root + "\\HiddenTarget.exe", FILE_ATTRIBUTE_HIDDEN);
  const std::string folder_target = Folder(root + "\\TargetFolder");
  const std::string gone = File(root + "\\Gone.exe");
  const std::string desk = Folder(root + "\\Desk");
  const std::string deep = Folder(desk + "\\Deeper");
  const std::string kept[] = {
      Shortcut(desk + "\\QbTestLive.lnk", target),
      Shortcut(desk + "\\QbTestHiddenTarget.lnk", hidden_target),
      Shortcut(desk + "\\QbTestFolder.lnk", folder_target),
  };
  const std::string orphans[] = {
      Shortcut(deep + "\\QbTestDeep.LNK", gone),
      Shortcut(desk + "\\QbTestReadOnly.lnk", gone, FILE_ATTRIBUTE_READONLY),
      Shortcut(desk + "\\QbTestHidden.lnk", gone, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
  };
  std::map<std::string, std::vector<uint8_t>> bytes;
  for (const auto& path : orphans) machine.files.ReadFile(path, bytes[path]);
  File(desk + "\\QbTestNotAShortcutlnk");  // a name ending in lnk that the shell cannot read
  // A directory link back to the tree, where the system lets the test make one.
  const std::string link = desk + "\\Loop";
  const bool linked = CreateSymbolicLinkW(Wide(link).c_str(), Wide(desk).c_str(),
                                          SYMBOLIC_LINK_FLAG_DIRECTORY) &&
                      (GetFileAttributesW(Wide(link).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
  if (linked) made.insert(made.begin() + 1, link);
  DeleteFileW(Wide(gone).c_str());

  ScanResult scan;
  const RepairOutcome outcome = Clean(kOrphanShortcuts, scan, root);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  // Six shortcuts and a file whose name merely ends in lnk; nothing twice through the link.
  EXPECT_EQ(scan.lists[0].size(), 7u) << (linked ? "a directory link was walked" : "");
  // The deeper folder's first; a folder's own files in the order the system lists them.
  ASSERT_EQ(scan.lists[1].size(), 3u);
  EXPECT_EQ(scan.lists[1][0], orphans[0]);
  EXPECT_EQ(std::set<std::string>(scan.lists[1].begin(), scan.lists[1].end()),
            std::set<std::string>(std::begin(orphans), std::end(orphans)));
  EXPECT_EQ(scan.unreadable, 1u);
  EXPECT_EQ(outcome.repaired, 3u);
  for (const auto& path : orphans) EXPECT_FALSE(FileExists(path)) << path;
  for (const auto& path : kept) EXPECT_TRUE(FileExists(path)) << path;

  // Copying each back restores it byte for byte, attributes included.
  for (const auto& path : orphans) {
    const std::string copy = outcome.backup_path + "\\" + path.substr(0, 1) + path.substr(2);
    const DWORD attributes = GetFileAttributesW(Wide(copy).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << copy;
    ASSERT_TRUE(CopyFileW(Wide(copy).c_str(), Wide(path).c_str(), TRUE)) << path;
    std::vector<uint8_t> back;
    machine.files.ReadFile(path, back);
    EXPECT_EQ(back, bytes[path]) << path;
    EXPECT_EQ(GetFileAttributesW(Wide(path).c_str()) & 0x7, attributes & 0x7) << path;
  }
  if (!linked) std::printf("no directory link could be made here: the link case was not run\n");
}

}  // namespace
}  // namespace qb::cleaner::testing
