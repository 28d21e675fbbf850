#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/snapshot.h"
#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using Repairs = CleanerTest;

TEST_F(Repairs, DeleteKeyTreeRemovesDeepestFirstThroughThePlainDelete) {
  const RegKeyPath top{RegRoot::CurrentUser, "Software\\Tree"};
  Set(Key(Key(Key(top, "A"), "B"), "C"), RegValue::String("deep", "x"));
  Set(Key(top, "Z"), RegValue::String("z", "x"));
  Set(Key({RegRoot::CurrentUser, "Software"}, "Tree"), RegValue::String("top", "x"));
  KeySnapshot tree;
  ASSERT_EQ(ReadKeyTree(machine.registry, top, tree), SnapshotRead::Taken);
  machine.registry.ClearWriteLog();
  int events = 0;
  EventPacer pacer(machine.clock, [&] {
    ++events;
    machine.clock.Advance(EventPacer::kIntervalMs);
    return true;
  });
  const DeleteResult result = DeleteKeyTree(machine.registry, top, tree, pacer);
  EXPECT_TRUE(result.gone);
  EXPECT_TRUE(result.touched);
  EXPECT_FALSE(result.refused);
  EXPECT_EQ(machine.registry.WriteLog(),
            (std::vector<std::string>{
                "DeleteValue HKCU\\Software\\Tree\\A\\B\\C [deep]", "DeleteKey HKCU\\Software\\Tree\\A\\B\\C",
                "DeleteKey HKCU\\Software\\Tree\\A\\B", "DeleteKey HKCU\\Software\\Tree\\A",
                "DeleteValue HKCU\\Software\\Tree\\Z [z]", "DeleteKey HKCU\\Software\\Tree\\Z",
                "DeleteValue HKCU\\Software\\Tree [top]", "DeleteKey HKCU\\Software\\Tree"}));
  EXPECT_EQ(events, 3);  // before each value
}

TEST_F(Repairs, DeleteKeyTreeLeavesWhatWasAddedAfterTheSnapshotWithEveryKeyAboveIt) {
  const RegKeyPath top{RegRoot::CurrentUser, "Software\\Tree"};
  Set(Key(top, "A"), RegValue::String("a", "x"));
  KeySnapshot tree;
  ASSERT_EQ(ReadKeyTree(machine.registry, top, tree), SnapshotRead::Taken);
  Set(Key(Key(top, "A"), "New"), RegValue::String("n", "x"));
  Set(top, RegValue::String("later", "x"));
  EventPacer pacer(machine.clock, {});
  const DeleteResult result = DeleteKeyTree(machine.registry, top, tree, pacer);
  EXPECT_FALSE(result.gone);
  EXPECT_TRUE(result.touched);
  EXPECT_FALSE(HasValue(top.Child("A"), "a"));
  EXPECT_TRUE(HasValue(top.Child("A").Child("New"), "n"));
  EXPECT_TRUE(HasValue(top, "later"));
}

TEST_F(Repairs, AKeyThatCannotBeRemovedIsNotCountedAsRepaired) {
  const RegKeyPath locked = Uninstall("Locked");
  Set(Key(locked, "Sub"), RegValue::String("v", "x"));
  Uninstall("Free");
  machine.registry.DenyWrites(locked.Child("Sub"));
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_EQ(last_scan.removals.size(), 2u);
  EXPECT_EQ(outcome.repaired, 1u);
  EXPECT_TRUE(Exists(locked));
  // The next run finds the one that failed again.
  EXPECT_EQ(Scan(kUninstallEntries).lists[1], std::vector<std::string>{"Locked"});
}

TEST_F(Repairs, TheBackupHoldsEverythingRemovedAndGoesBesideTheProgram) {
  const RegKeyPath tool = Uninstall("OldTool");
  Set(tool, RegValue::String("DisplayName", "Old tool"));
  Set(Key(tool, "Sub"), RegValue::Binary("bytes", {1, 2, 3}));
  const RegKeyPath old32 = Uninstall("Old32", RegView::Force32);
  Set(old32, RegValue::Dword("n", 5));
  machine.clock.SetNow({2026, 3, 4, 5, 6, 7});
  const auto before = std::vector<RegFileKey>{
      {RegRoot::LocalMachine, std::string(kUninstallArea) + "\\OldTool", {RegValue::String("DisplayName", "Old tool")}},
      {RegRoot::LocalMachine, std::string(kUninstallArea) + "\\OldTool\\Sub", {RegValue::Binary("bytes", {1, 2, 3})}},
      {RegRoot::LocalMachine,
       "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Old32", {RegValue::Dword("n", 5)}},
  };
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_FALSE(outcome.backup_in_local_data);
  EXPECT_EQ(outcome.backup_path,
            "C:\\Program Files\\Quill Box\\Backups\\2026-03-04 05.06.07 Uninstall entries.reg");
  EXPECT_EQ(BackupOf(outcome), before);
  // Only the finished file is left in the folder.
  EXPECT_EQ(FilesIn("C:\\Program Files\\Quill Box\\Backups"),
            std::vector<std::string>{"2026-03-04 05.06.07 Uninstall entries.reg"});

  // A second backup in the same second gets a name of its own.
  Uninstall("Another");
  EXPECT_EQ(ScanAndRepair(kUninstallEntries).backup_path,
            "C:\\Program Files\\Quill Box\\Backups\\2026-03-04 05.06.07 Uninstall entries (2).reg");
}

TEST_F(Repairs, AProgramFolderThatCannotBeWrittenSendsTheBackupToLocalData) {
  machine.files.DenyWrites("C:\\Program Files\\Quill Box");
  Uninstall("OldTool");
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_TRUE(outcome.backup_path.starts_with("C:\\Users\\user\\AppData\\Local\\Quill Box\\Backups\\"));
  EXPECT_TRUE(outcome.backup_in_local_data);
  EXPECT_EQ(outcome.repaired, 1u);
  EXPECT_TRUE(FilesIn("C:\\Program Files\\Quill Box\\Backups").empty());
}

TEST_F(Repairs, AnEntryNoBackupCanHoldIsKeptAndCountedWhileTheRestIsCleaned) {
  // A registry file has no way to write a line break in a value name, and a key the
  // system will not let the program read cannot be copied at all.
  const RegKeyPath odd = Uninstall("Odd");
  Set(Key(odd, "Deeper"), RegValue::String("two\r\nlines", "x"));
  const RegKeyPath sealed = Uninstall("Sealed");
  Set(Key(sealed, "Inner"), RegValue::String("v", "x"));
  machine.registry.DenyReads(sealed.Child("Inner"));
  const RegKeyPath free = Uninstall("Free");
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_EQ(last_scan.removals.size(), 3u);
  EXPECT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_EQ(outcome.repaired, 1u);
  EXPECT_EQ(outcome.not_backed_up, 2u);
  EXPECT_TRUE(Exists(odd));
  EXPECT_TRUE(Exists(sealed));
  EXPECT_FALSE(Exists(free));
  EXPECT_EQ(BackupOf(outcome).size(), 1u);

  // Nothing else to remove: no backup is written, and nothing is said to be missing.
  machine.files.DenyWrites("C:\\");
  const RepairOutcome again = ScanAndRepair(kUninstallEntries);
  EXPECT_FALSE(again.backed_up);
  EXPECT_TRUE(again.error.empty());
  EXPECT_EQ(again.not_backed_up, 2u);
}

TEST_F(Repairs, NoBackupMeansNoRemoval) {
  machine.files.DenyWrites("C:\\");
  const RegKeyPath tool = Uninstall("OldTool");
  const RegKeyPath txt = History("txt");
  Set(txt, RegValue::String("a", "C:\\gone.txt"));
  machine.registry.ClearWriteLog();
  for (const Category* category : {&kUninstallEntries, &kDialogHistory}) {
    const RepairOutcome outcome = ScanAndRepair(*category);
    EXPECT_EQ(last_scan.removals.size(), 1u);
    EXPECT_FALSE(outcome.backed_up);
    EXPECT_EQ(outcome.repaired, 0u);
    EXPECT_NE(outcome.error.find("Backups"), std::string::npos) << outcome.error;
  }
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_TRUE(Exists(tool));
  EXPECT_TRUE(HasValue(txt, "a"));
}

}  // namespace
}  // namespace qb::cleaner::testing
