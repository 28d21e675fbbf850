// A repair removes exactly what its backup holds: entries that changed after the check,
// and anything added to them, stay; a backup is whole or absent.
#include "cleaner/run_summary.h"
#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

using MatchedRemoval = CleanerTest;

TEST_F(MatchedRemoval, ASubkeyAddedBeforeTheRemovalLeavesTheEntryWhole) {
  const RegKeyPath tool = Uninstall("OldTool");
  Set(Key(tool, "Sub"), RegValue::String("v", "x"));
  const RegKeyPath other = Uninstall("Other");
  int turns = 0;
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries, [&] {
    if (++turns == 1) Set(Key(tool, "Added"), RegValue::String("n", "x"));
    return true;
  });
  EXPECT_EQ(outcome.repaired, 1u);
  EXPECT_EQ(outcome.changed, 1u);
  EXPECT_TRUE(HasValue(tool.Child("Sub"), "v"));
  EXPECT_TRUE(HasValue(tool.Child("Added"), "n"));
  EXPECT_FALSE(Exists(other));
}

TEST_F(MatchedRemoval, ASubkeyAddedDuringTheRemovalSurvivesWithItsParent) {
  const RegKeyPath tool = Uninstall("OldTool");
  Set(Key(tool, "A"), RegValue::String("a", "x"));
  Set(Key(tool, "B"), RegValue::String("b", "x"));
  Set(tool, RegValue::String("DisplayName", "Old tool"));
  int turns = 0;
  // The first turn comes before the entry, the next ones at its values.
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries, [&] {
    if (++turns == 2) Set(Key(tool, "Added"), RegValue::String("n", "x"));
    return true;
  });
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_EQ(outcome.changed, 1u);
  EXPECT_TRUE(HasValue(tool.Child("Added"), "n"));
  EXPECT_FALSE(Exists(tool.Child("A")));
  EXPECT_FALSE(Exists(tool.Child("B")));
  // What went is in the backup, which is kept.
  const auto backup = BackupOf(outcome);
  ASSERT_EQ(backup.size(), 3u);
  EXPECT_EQ(backup[1].path, std::string(kUninstallArea) + "\\OldTool\\A");
}

TEST_F(MatchedRemoval, AnEntryThatIsNoLongerInvalidStays) {
  const RegKeyPath tool = Uninstall("OldTool");
  const RegKeyPath txt = History("txt");
  Set(txt, RegValue::String("a", "C:\\gone.txt"));
  Set(txt, RegValue::String("b", "C:\\gone2.txt"));
  // An installer completes the registration after the check; a value is pointed elsewhere
  // (still at a missing file); a file comes back.
  EXPECT_EQ(ScanAndRepair(kUninstallEntries, [&] {
              Set(tool, RegValue::String("UninstallString", "C:\\setup.exe /x"));
              return true;
            }).changed, 1u);
  EXPECT_TRUE(Exists(tool));
  const RepairOutcome history = ScanAndRepair(kDialogHistory, [&] {
    Set(txt, RegValue::String("a", "C:\\elsewhere.txt"));
    machine.files.AddFile("C:\\gone2.txt");
    return true;
  });
  EXPECT_EQ(history.repaired, 0u);
  EXPECT_EQ(history.changed, 2u);
  EXPECT_TRUE(HasValue(txt, "a"));
  EXPECT_TRUE(HasValue(txt, "b"));
  // Nothing went: the backup that stood for the removals is gone again.
  EXPECT_TRUE(history.backup_path.empty());
  EXPECT_EQ(FilesIn("C:\\Program Files\\Quill Box\\Backups").size(), 0u);
}

TEST_F(MatchedRemoval, ABackupThatDoesNotFitLeavesNoFileAnywhere) {
  const RegKeyPath tool = Uninstall("OldTool");
  Set(tool, RegValue::Binary("Big", std::vector<uint8_t>(4000, 7)));
  machine.files.AddFolder("C:\\Program Files\\Quill Box\\Backups");
  machine.files.AddFolder("C:\\Users\\user\\AppData\\Local\\Quill Box\\Backups");
  machine.files.LimitSpace("C:\\", 1000);
  // Each folder's reason is said in the window's words, here English in brackets.
  const RepairOutcome outcome =
      ScanAndRepair(kUninstallEntries, {}, [](const language::Phrase& phrase, auto values) {
        return "[" + language::InEnglish(phrase, values) + "]";
      });
  EXPECT_FALSE(outcome.backed_up);
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_EQ(outcome.error.rfind("[cannot write C:\\Program Files\\Quill Box\\Backups\\", 0), 0u) << outcome.error;
  EXPECT_NE(outcome.error.find("(error 112)]; [cannot write C:\\Users\\"), std::string::npos) << outcome.error;
  EXPECT_TRUE(Exists(tool));
  EXPECT_TRUE(FilesIn("C:\\Program Files\\Quill Box\\Backups").empty());
  EXPECT_TRUE(FilesIn("C:\\Users\\user\\AppData\\Local\\Quill Box\\Backups").empty());
}

TEST_F(MatchedRemoval, ABackupFolderThatFailsIsLeftEmptyBeforeTheNextIsTried) {
  machine.files.AddDrive("D:\\", DriveType::Fixed);
  machine.environment.application_folder = "D:\\Quill Box";
  machine.files.AddFolder("D:\\Quill Box\\Backups");
  machine.files.LimitSpace("D:\\", 100);
  Set(Uninstall("OldTool"), RegValue::Binary("Big", std::vector<uint8_t>(400, 7)));
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  ASSERT_TRUE(outcome.backed_up) << outcome.error;
  EXPECT_TRUE(outcome.backup_in_local_data);
  EXPECT_EQ(outcome.repaired, 1u);
  EXPECT_TRUE(FilesIn("D:\\Quill Box\\Backups").empty());
  const auto notes = RunNotes(last_scan, outcome);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0], "The program's folder cannot hold backups, so the backup was saved in " +
                          outcome.backup_path);
}

TEST_F(MatchedRemoval, RefusedRemovalsAreCountedAndSaidOnce) {
  const RegKeyPath one = Uninstall("One");
  const RegKeyPath two = Uninstall("Two");
  Set(two, RegValue::String("v", "x"));
  machine.registry.DenyWrites({RegRoot::LocalMachine, std::string(kUninstallArea), RegView::Force64});
  const RepairOutcome outcome = ScanAndRepair(kUninstallEntries);
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_EQ(outcome.refused, 2u);
  EXPECT_TRUE(Exists(one));
  // A backup that stands for nothing removed is taken away again.
  EXPECT_TRUE(outcome.backup_path.empty());
  EXPECT_TRUE(FilesIn("C:\\Program Files\\Quill Box\\Backups").empty());
  EXPECT_EQ(RunNotes(last_scan, outcome),
            std::vector<std::string>{
                "Windows refused to remove 2 entries: removing them needs an administrator."});
}

}  // namespace
}  // namespace qb::cleaner::testing
