// Help files, shared components and orphan shortcuts on the real registry and disk: real
// shortcut files made by the shell in a real folder tree (a directory link among them),
// real files with attributes; exactly the invalid entries go, and the registry backup and
// the shortcut copies put everything back.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

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
  void TearDown() override {
    for (const auto& [key, name] : values) machine.registry.DeleteValue(key, name);
    for (const auto& path : backups) {
      if (!DeleteFileW(Wide(path).c_str())) test_support::RemoveTree(Wide(path));
    }
  }
  std::string Folder(const std::string& path) {
    EXPECT_TRUE(CreateDirectoryW(Wide(path).c_str(), nullptr)) << path;
    return path;
  }
  std::string File(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    EXPECT_EQ(machine.files.WriteFile(path, {'x'}), status::kOk) << path;
    SetFileAttributesW(Wide(path).c_str(), attributes);
    return path;
  }
  std::string Shortcut(const std::string& path, const std::string& target,
                       DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    EXPECT_EQ(machine.shortcuts.Create(path, target), status::kOk) << path;
    SetFileAttributesW(Wide(path).c_str(), attributes);
    return path;
  }
  RegKeyPath Area(std::string_view area) {
    return {RegRoot::LocalMachine, std::string(area),
            machine.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
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
    PresenceTest presence(services.files, services.environment);
    Progress progress;
    EventPacer pacer(machine.clock, {});
    ScanContext context{services.registry, services.environment, routines, presence, progress, pacer,
                        &services.files, &services.shortcuts, drive, {}, BackupFolders(services)};
    scan = category.scan(context);
    RepairOutcome outcome = Repair(services, category, scan.removals, progress, pacer);
    if (!outcome.backup_path.empty()) backups.push_back(outcome.backup_path);
    return outcome;
  }
  // Of our own test values, which were found.
  static std::set<std::string> Ours(const ScanResult& scan) {
    std::set<std::string> names;
    for (const auto& removal : scan.removals) {
      const std::string name = removal.value_name ? *removal.value_name : removal.file;
      if (name.find("QbTest") != std::string::npos) names.insert(name);
    }
    return names;
  }

  win32::Win32Machine machine;
  test_support::TempFolder tree{"QbTree"};
  const std::string root = tree.path;
  std::vector<std::pair<RegKeyPath, std::string>> values;
  std::vector<std::string> backups;
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
  const struct {
    const RegKeyPath& key;
    RegValue value;
    bool goes;
  } cases[] = {
      {html, RegValue::String("QbTestKept.chm", help), false},
      {html, RegValue::String("QbTestGone.chm", help + "\\"), true},
      {html, RegValue::String("QbTest\\Odd.chm", help), true},
      {classic, RegValue::String("QbTestGone.chm", help), true},
      {classic, RegValue::String("QbTestHidden.hlp", help), false},
      {classic, RegValue::String("QbTestNowhere.hlp", ""), false},
      {shared, RegValue::Dword(root + "\\QbTestShared.dll", 2), false},
      {shared, RegValue::Dword(root + "\\QbTestFolder", 1), false},
      {shared, RegValue::Dword(root + "\\QbTestGone.dll", 1), true},
      {shared, RegValue::Dword("QbTestBare.dll", 1), false},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(machine.registry.CreateKey(c.key), status::kOk);
    ASSERT_EQ(machine.registry.SetValue(c.key, c.value), status::kOk);
    values.emplace_back(c.key, c.value.name);
  }

  ScanResult scan;
  const RepairOutcome help_outcome = Clean(kHelpFiles, scan);
  ASSERT_TRUE(help_outcome.backed_up) << help_outcome.error;
  EXPECT_EQ(Ours(scan), (std::set<std::string>{"QbTestGone.chm", "QbTest\\Odd.chm"}));
  const RepairOutcome shared_outcome = Clean(kSharedLibraries, scan);
  ASSERT_TRUE(shared_outcome.backed_up) << shared_outcome.error;
  EXPECT_EQ(Ours(scan), std::set<std::string>{root + "\\QbTestGone.dll"});
  for (const auto& c : cases) EXPECT_EQ(HasValue(c.key, c.value.name), !c.goes) << c.value.name;

  for (const auto& path : {help_outcome.backup_path, shared_outcome.backup_path}) {
    EXPECT_EQ(ImportWithRegedit(path), 0u) << path;
  }
  for (const auto& c : cases) EXPECT_TRUE(HasValue(c.key, c.value.name)) << c.value.name;
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
