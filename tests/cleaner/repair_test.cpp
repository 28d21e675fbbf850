#include "cleaner/backup.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using Repairs = CleanerTest;

TEST_F(Repairs, DeleteKeyTreeRemovesDeepestFirstThroughThePlainDelete) {
  const RegKeyPath top{RegRoot::CurrentUser, "Software\\Tree"};
  Set(Key(Key(Key(top, "A"), "B"), "C"), RegValue::String("deep", "x"));
  Set(Key(top, "Z"), RegValue::String("z", "x"));
  Set(Key({RegRoot::CurrentUser, "Software"}, "Tree"), RegValue::String("top", "x"));
  machine.registry.ClearWriteLog();
  int events = 0;
  EventPacer pacer(machine.clock, [&] {
    ++events;
    machine.clock.Advance(EventPacer::kIntervalMs);
    return true;
  });
  const registry::RegistryRoutines routines(machine.registry, machine.environment);
  EXPECT_TRUE(DeleteKeyTree(routines, machine.registry, top, pacer));
  EXPECT_EQ(machine.registry.WriteLog(),
            (std::vector<std::string>{
                "DeleteValue HKCU\\Software\\Tree\\A\\B\\C [deep]", "DeleteKey HKCU\\Software\\Tree\\A\\B\\C",
                "DeleteKey HKCU\\Software\\Tree\\A\\B", "DeleteKey HKCU\\Software\\Tree\\A",
                "DeleteValue HKCU\\Software\\Tree\\Z [z]", "DeleteKey HKCU\\Software\\Tree\\Z",
                "DeleteValue HKCU\\Software\\Tree [top]", "DeleteKey HKCU\\Software\\Tree"}));
  EXPECT_EQ(events, 3);  // before each value
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
  EXPECT_EQ(outcome.backup_path,
            "C:\\Program Files\\Quill Box\\Backups\\2026-03-04 05.06.07 Uninstall entries.reg");
  std::vector<uint8_t> bytes;
  ASSERT_EQ(machine.files.ReadFile(outcome.backup_path, bytes), status::kOk);
  std::vector<RegFileKey> keys;
  std::string error;
  ASSERT_TRUE(ParseRegFile(bytes, keys, error)) << error;
  EXPECT_EQ(keys, before);

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
  EXPECT_EQ(outcome.repaired, 1u);
}

TEST_F(Repairs, AnEntryARegistryFileCannotHoldIsNotRemoved) {
  // A registry file has no way to write a line break in a value name.
  const RegKeyPath odd = Uninstall("Odd");
  Set(odd, RegValue::String("two\r\nlines", "x"));
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_FALSE(outcome.backed_up);
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_TRUE(Exists(odd));
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
