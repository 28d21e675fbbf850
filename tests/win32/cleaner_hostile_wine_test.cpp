// The cleaner on the real registry and disk while the world works against it: another
// program changing an entry during the repair, and a backup folder on a full disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "cleaner_wine_support.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "support/services_with.h"

namespace qb::cleaner::testing {
namespace {

// The program's folder where the test says, everything else as on the machine.
class MovedProgram : public win32::Win32Environment {
 public:
  explicit MovedProgram(std::string folder) : folder_(std::move(folder)) {}
  std::string ApplicationFolder() override { return folder_; }

 private:
  std::string folder_;
};

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
    PresenceTest presence(services.files, services.environment.WindowsFolder());
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
  for (int wait = 0; wait < 600 && !Exists(busy.Child("Added1")); ++wait) Sleep(50);
  ASSERT_TRUE(Exists(busy.Child("Added1")));

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
