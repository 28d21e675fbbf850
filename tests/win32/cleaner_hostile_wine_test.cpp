// The cleaner on the real registry and disk while the world works against it: another
// program changing an entry during the repair, a backup folder on a full disk, two console
// repairs started at once, and a second copy of the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "cleaner_wine_support.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "support/services_with.h"
#include "win32/moved_program.h"
#include "win32/poll.h"
#include "win32/temp_path.h"

namespace qb::cleaner::testing {
namespace {

using test_support::MovedProgram;

class HostileCleaner : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const auto& path : backups) machine.files.DeleteFile(path);
    EventPacer pacer(machine.clock, {});
    KeySnapshot tree;
    if (ReadKeyTree(machine.registry, busy, tree) == SnapshotRead::Taken) {
      DeleteKeyTree(machine.registry, busy, tree, pacer);
    }
  }
  RepairOutcome Clean(const Services& services) {
    const registry::RegistryRoutines routines(services.registry, services.environment);
    PresenceTest presence(services.files, services.environment);
    Progress progress;
    EventPacer pacer(machine.clock, {});
    ScanContext context{services.registry, services.environment, routines, presence, progress, pacer};
    const ScanResult scan = kUninstallEntries.scan(context);
    RepairOutcome outcome = Repair(services, kUninstallEntries, scan.removals, progress, pacer);
    if (!outcome.backup_path.empty()) backups.push_back(outcome.backup_path);
    return outcome;
  }
  bool Exists(const RegKeyPath& key) {
    return machine.registry.OpenKey(key, regaccess::kRead) == status::kOk;
  }

  win32::Win32Machine machine;
  RegKeyPath busy = RegKeyPath{RegRoot::LocalMachine, std::string(kUninstallArea),
                               machine.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native}
                        .Child("QbTestBusy");
  std::vector<std::string> backups;
};

TEST_F(HostileCleaner, AnotherProgramAddingSubkeysDuringARepairLosesNothing) {
  constexpr int kOld = 1500;
  constexpr int kAdded = 25;
  const auto old_name = [](int i) { return "Old" + std::to_string(i); };
  for (int i = 0; i < kOld; ++i) {
    ASSERT_EQ(machine.registry.CreateKey(busy.Child(old_name(i))), status::kOk);
    machine.registry.SetValue(busy.Child(old_name(i)), RegValue::Dword("n", i));
  }
  // Another program adds subkeys, one after another, for as long as the repair runs.
  const std::wstring key = L"HKLM\\" + win32::Wide(kUninstallArea) + L"\\QbTestBusy\\Added";
  win32::ScopedHandle adder = StartProcess(
      L"cmd.exe /c for /L %i in (1,1," + std::to_wstring(kAdded) + L") do @reg add \"" + key +
      L"%i\" /v n /d x /f >nul");
  ASSERT_TRUE(adder);
  ASSERT_TRUE(test_support::PollUntil([&] { return Exists(busy.Child("Added1")); }, 30000));

  const RepairOutcome outcome = Clean(machine.services());
  EXPECT_EQ(WaitForExit(adder), 0u);
  // Whatever went is in the backup: once it is imported, every key is there again.
  if (!outcome.backup_path.empty()) {
    EXPECT_EQ(ImportWithRegedit(outcome.backup_path), 0u);
  }
  for (int i = 0; i < kOld; ++i) {
    RegValue value;
    ASSERT_EQ(machine.registry.QueryValue(busy.Child(old_name(i)), "n", value), status::kOk) << i;
    EXPECT_EQ(value.AsDword(), static_cast<uint32_t>(i));
  }
  for (int i = 1; i <= kAdded; ++i) {
    EXPECT_TRUE(Exists(busy.Child("Added" + std::to_string(i)))) << i;
  }
  std::printf("repaired %zu, left as changed %zu, backup %s\n", outcome.repaired, outcome.changed,
              outcome.backup_path.empty() ? "none kept" : outcome.backup_path.c_str());
}

// Needs a small RAM disk mapped to a drive (scripts/wine-env.sh: qb_full_disk), named by
// QB_FULL_DRIVE.
TEST_F(HostileCleaner, ABackupFolderOnAFullDiskKeepsNoFile) {
  const char* drive = std::getenv("QB_FULL_DRIVE");
  if (!drive || !*drive) GTEST_SKIP() << "no full-disk drive (QB_FULL_DRIVE) set up";
  const std::string program = std::string(drive) + "\\QbTestProgram";
  machine.files.CreateFolder(program);
  ASSERT_EQ(machine.registry.CreateKey(busy), status::kOk);
  // Several times what the disk holds.
  machine.registry.SetValue(busy, RegValue::Binary("Big", std::vector<uint8_t>(64 * 1024, 0x5A)));
  MovedProgram environment(program);
  const Services moved =
      test_support::ServicesWith(machine.services(), {.environment = &environment});

  const RepairOutcome outcome = Clean(moved);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_TRUE(outcome.backup_in_local_data);
  EXPECT_FALSE(Exists(busy));
  std::vector<FileEntry> left;
  machine.files.FindFiles(program + "\\Backups\\*", left);
  for (const auto& file : left) ADD_FAILURE() << "left on the full disk: " << file.name;
  machine.files.RemoveFolder(program + "\\Backups");
  machine.files.RemoveFolder(program);
}

}  // namespace
}  // namespace qb::cleaner::testing

namespace qb::cleaner::testing {
namespace {

// The "repaired" count of a companion's --json output; 0 when it has none.
size_t RepairedIn(const std::string& output) {
  const std::string text = CompanionOutput(output);
  const auto at = text.find("\"repaired\":");
  return at == std::string::npos ? 0 : std::stoul(text.substr(at + 11));
}

// Two companions over the same orphans deleted some twice over (counting both) and lost the
// copies of others; a second copy of the program took the first one's backups for orphans.
TEST(CompanionsAtOnce, EveryDeletedShortcutHasOneCopyAndNoCopysBackupsAreCleaned) {
  constexpr int kOrphans = 3000;
  win32::Win32Machine machine;
  test_support::TempFolder tree{"QbTwoRepairs"};
  const std::string links = tree.path + "\\Links", first = tree.path + "\\First";
  ASSERT_EQ(machine.shortcuts.Create(tree.path + "\\model.lnk", tree.path + "\\gone.exe"), status::kOk);
  machine.files.CreateFolder(links);
  std::vector<std::string> orphans;
  for (int i = 0; i < kOrphans; ++i) {
    if (i % 100 == 0) machine.files.CreateFolder(links + "\\" + std::to_string(i / 100));
    orphans.push_back(links + "\\" + std::to_string(i / 100) + "\\" + std::to_string(i) + ".lnk");
    ASSERT_EQ(machine.files.CopyFile(tree.path + "\\model.lnk", orphans.back(), true), status::kOk);
  }
  machine.files.DeleteFile(tree.path + "\\model.lnk");

  const std::string args = "repair shortcuts --json --folder \"" + links + "\"";
  win32::ScopedHandle one = StartCompanion(first, args, tree.path + "\\one.json");
  win32::ScopedHandle two = StartCompanion(first, args, tree.path + "\\two.json");
  const DWORD codes[] = {WaitForExit(one, 300000), WaitForExit(two, 300000)};
  const size_t counts[] = {RepairedIn(tree.path + "\\one.json"), RepairedIn(tree.path + "\\two.json")};
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(codes[i] == 1 || (counts[i] == 0 && (codes[i] == 0 || codes[i] == 2))) << codes[i];
  }
  EXPECT_EQ(counts[0] + counts[1], static_cast<size_t>(kOrphans));
  // Every copy lies in a run folder of the first program's backups or of the local data.
  std::vector<std::string> runs;
  for (const auto& base : {first + "\\Backups", machine.environment.LocalAppDataFolder() + "\\Quill Box\\Backups"}) {
    std::vector<FileEntry> entries;
    machine.files.FindFiles(base + "\\*", entries);
    for (const auto& entry : entries) runs.push_back(base + "\\" + entry.name);
  }
  std::set<std::string> used;
  const auto copies_of = [&](const std::string& orphan) {
    int copies = 0;
    for (const auto& run : runs) {
      const std::string copy = run + "\\" + orphan.substr(0, 1) + orphan.substr(2);
      if (GetFileAttributesW(win32::Wide(copy).c_str()) == INVALID_FILE_ATTRIBUTES) continue;
      ++copies;
      used.insert(run);
    }
    return copies;
  };
  for (const auto& orphan : orphans) {
    EXPECT_EQ(GetFileAttributesW(win32::Wide(orphan).c_str()), INVALID_FILE_ATTRIBUTES) << orphan;
    ASSERT_EQ(copies_of(orphan), 1) << orphan;
  }

  // A second copy of the program, searching the folder that holds the first one's backups.
  EXPECT_EQ(WaitForExit(StartCompanion(tree.path + "\\Second",
                                       "repair shortcuts --folder \"" + tree.path + "\"",
                                       tree.path + "\\second.txt")),
            0u);
  for (const auto& orphan : orphans) ASSERT_EQ(copies_of(orphan), 1) << orphan;
  for (const auto& run : used) {
    if (!run.starts_with(first)) test_support::RemoveTree(win32::Wide(run));
  }
}

}  // namespace
}  // namespace qb::cleaner::testing
