// Orphan shortcuts: the walk, what counts as an orphan, and the copies that make every
// deletion undoable.
#include "cleaner/repair_lock.h"
#include "cleaner/run_summary.h"
#include "cleaner_fixture.h"
#include "cli/command_line.h"
#include "support/services_with.h"

namespace qb::cleaner::testing {
namespace {

class OrphanShortcuts : public CleanerTest {
 protected:
  std::string Shortcut(const std::string& path, std::string_view target,
                       uint32_t attributes = fileattr::kArchive) {
    EXPECT_EQ(machine.files.AddFile(path, attributes, {'L', 0, 0, 0, static_cast<uint8_t>(path.size())}),
              status::kOk);
    machine.shortcuts.SetTarget(path, target);
    return path;
  }
  bool FileExists(std::string_view path) {
    uint32_t attributes = 0;
    return machine.files.GetAttributes(path, attributes) == status::kOk;
  }
};

TEST_F(OrphanShortcuts, WalksDeeperFoldersFirstAndTakesEveryNameEndingInLnk) {
  Shortcut("C:\\top.lnk", "C:\\gone.exe");
  Shortcut("C:\\A\\report.LNK", "C:\\gone.exe");
  Shortcut("C:\\A\\B\\deep.lnk", "C:\\gone.exe");
  Shortcut("C:\\A\\B\\filelnk", "C:\\gone.exe");
  Shortcut("C:\\Z\\z.lnk", "C:\\gone.exe");
  machine.files.AddFile("C:\\A\\notes.txt");
  const ScanResult scan = Scan(kOrphanShortcuts);
  EXPECT_EQ(scan.lists[0], (std::vector<std::string>{"C:\\A\\B\\deep.lnk", "C:\\A\\B\\filelnk",
                                                     "C:\\A\\report.LNK", "C:\\Z\\z.lnk", "C:\\top.lnk"}));
  EXPECT_EQ(scan.lists[1], scan.lists[0]);
  // The status line showed each folder, then the wait.
  EXPECT_EQ(statuses.front(), "C:\\");
  EXPECT_NE(std::find(statuses.begin(), statuses.end(), "C:\\A\\B"), statuses.end());
  EXPECT_EQ(statuses.back(), "Wait ...");
}

TEST_F(OrphanShortcuts, AnUnlistableFolderIsSkippedAndJunctionsAreNotEntered) {
  Shortcut("C:\\Locked\\in.lnk", "C:\\gone.exe");
  Shortcut("C:\\Open\\after.lnk", "C:\\gone.exe");
  machine.files.DenyListing("C:\\Locked");
  machine.files.AddFolder("C:\\Users\\user\\Documents");
  Shortcut("C:\\Users\\user\\Documents\\doc.lnk", "C:\\gone.exe");
  // A compatibility junction that leads back to the same tree.
  machine.files.AddFolder("C:\\Users\\user\\My Documents", fileattr::kDirectory | fileattr::kReparsePoint | fileattr::kHidden);
  Shortcut("C:\\Users\\user\\My Documents\\doc.lnk", "C:\\gone.exe");
  const ScanResult scan = Scan(kOrphanShortcuts);
  EXPECT_EQ(scan.lists[0], (std::vector<std::string>{"C:\\Open\\after.lnk", "C:\\Users\\user\\Documents\\doc.lnk"}));
  EXPECT_EQ(scan.skipped_folders, std::vector<std::string>{"C:\\Locked"});
  EXPECT_EQ(RunNotes(scan, {}), std::vector<std::string>{"1 folder could not be listed and was skipped."});
}

TEST_F(OrphanShortcuts, OnlyAConfirmedMissingFileTargetMakesAnOrphan) {
  machine.files.AddFile("C:\\Apps\\hidden.exe", fileattr::kHidden | fileattr::kSystem);
  machine.files.AddFolder("C:\\Apps\\Folder");
  machine.files.AddDrive("E:\\", DriveType::Removable);
  machine.files.AddDrive("F:\\", DriveType::Fixed, false);
  const std::string stays[] = {
      Shortcut("C:\\s\\hidden.lnk", "C:\\Apps\\hidden.exe"),
      Shortcut("C:\\s\\folder.lnk", "C:\\Apps\\Folder"),
      Shortcut("C:\\s\\removable.lnk", "E:\\gone.exe"),
      Shortcut("C:\\s\\not ready.lnk", "F:\\gone.exe"),
      Shortcut("C:\\s\\network.lnk", "\\\\server\\share\\gone.exe"),
      Shortcut("C:\\s\\web.lnk", ""),  // a web address or shell item: no file target
      Shortcut("C:\\s\\relative.lnk", "gone.exe"),
  };
  // An installer's shortcut reports its product's icon file, which may be gone.
  const std::string advertised = Shortcut("C:\\s\\advertised.lnk", "");
  machine.shortcuts.SetTarget(advertised, "C:\\Windows\\Installer\\{1}\\gone.ico", true);
  Shortcut("C:\\s\\damaged.lnk", "");
  machine.shortcuts.SetUnreadable("C:\\s\\damaged.lnk", static_cast<int32_t>(0x80004005), "Unspecified error");
  machine.files.AddFile("C:\\s\\textlnk");  // not a shortcut at all
  const std::string orphan = Shortcut("C:\\s\\orphan.lnk", "  C:\\Apps\\gone.exe ");

  const RepairOutcome outcome = ScanAndRepair(kOrphanShortcuts);
  EXPECT_EQ(last_scan.lists[1], std::vector<std::string>{orphan});
  EXPECT_EQ(last_scan.tested, std::vector<std::string>{"C:\\Apps\\gone.exe"});
  EXPECT_EQ(last_scan.unreadable, 2u);
  EXPECT_EQ(outcome.repaired, 1u);
  for (const auto& path : stays) EXPECT_TRUE(FileExists(path)) << path;
  EXPECT_TRUE(FileExists(advertised));
  EXPECT_FALSE(FileExists(orphan));
  // One summary for every file that could not be read, no message per file.
  EXPECT_EQ(RunNotes(last_scan, outcome),
            std::vector<std::string>{"2 files could not be read as a shortcut and stayed."});
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

TEST_F(OrphanShortcuts, ReadOnlyAndHiddenOrphansGoAndTheirCopiesCanBePutBack) {
  machine.clock.SetNow({2026, 5, 6, 7, 8, 9});
  const std::string read_only = Shortcut("C:\\Users\\Desk\\ro.lnk", "C:\\gone.exe", fileattr::kReadOnly);
  const std::string hidden = Shortcut("C:\\Users\\Desk\\hid.lnk", "C:\\gone.exe", fileattr::kHidden | fileattr::kSystem);
  const RepairOutcome outcome = ScanAndRepair(kOrphanShortcuts);
  EXPECT_EQ(outcome.repaired, 2u);
  EXPECT_FALSE(FileExists(read_only));
  EXPECT_FALSE(FileExists(hidden));
  const std::string run = "C:\\Program Files\\Quill Box\\Backups\\2026-05-06 07.08.09 Orphan shortcuts";
  EXPECT_EQ(outcome.backup_path, run);
  uint32_t attributes = 0;
  machine.files.GetAttributes(run + "\\C\\Users\\Desk\\ro.lnk", attributes);
  EXPECT_EQ(attributes, fileattr::kReadOnly);
  machine.files.GetAttributes(run + "\\C\\Users\\Desk\\hid.lnk", attributes);
  EXPECT_EQ(attributes, fileattr::kHidden | fileattr::kSystem);
  // Copying back restores the file exactly.
  ASSERT_EQ(machine.files.CopyFile(run + "\\C\\Users\\Desk\\ro.lnk", read_only, true), status::kOk);
  std::vector<uint8_t> bytes;
  machine.files.ReadFile(read_only, bytes);
  EXPECT_EQ(bytes.size(), 5u);

  // The next walk does not take the copies for orphans.
  machine.files.SetAttributes(read_only, fileattr::kNormal);
  machine.files.DeleteFile(read_only);
  EXPECT_TRUE(Scan(kOrphanShortcuts).lists[0].empty());
}

TEST_F(OrphanShortcuts, AShortcutPointedElsewhereOrNotCopiedFirstStays) {
  const std::string path = Shortcut("C:\\x\\orphan.lnk", "C:\\gone.exe");
  machine.files.AddFile("C:\\there.exe");
  const RepairOutcome outcome = ScanAndRepair(kOrphanShortcuts, [&] {
    machine.shortcuts.SetTarget(path, "C:\\there.exe");
    return true;
  });
  EXPECT_EQ(outcome.changed, 1u);
  EXPECT_TRUE(FileExists(path));
  // No copy is kept of what stayed, nor the run's folder.
  EXPECT_TRUE(outcome.backup_path.empty());
  EXPECT_TRUE(FilesIn("C:\\Program Files\\Quill Box\\Backups").empty());

  // A shortcut that cannot be copied first is not deleted.
  machine.shortcuts.SetTarget(path, "C:\\gone.exe");
  machine.files.DenyWrites("C:\\Program Files\\Quill Box\\Backups");
  machine.files.DenyWrites("C:\\Users\\user\\AppData\\Local");
  const RepairOutcome refused = ScanAndRepair(kOrphanShortcuts);
  EXPECT_EQ(refused.repaired, 0u);
  EXPECT_FALSE(refused.backed_up);
  EXPECT_TRUE(FileExists(path));
}


// Another program rewrites the shortcut, keeping its size, while the repair judges it again:
// the copy would be of a version nobody judged, so the file stays and no copy is kept.
TEST_F(OrphanShortcuts, AShortcutRewrittenWhileJudgedStays) {
  struct Rewriting : Shortcuts {
    MemoryShortcuts& inner;
    MemoryFileSystem& files;
    Rewriting(MemoryShortcuts& inner, MemoryFileSystem& files) : inner(inner), files(files) {}
    ShortcutTarget ReadTarget(std::string_view path) override {
      files.WriteFile(path, {'N', 'E', 'W', '!', '!'});
      return inner.ReadTarget(path);
    }
    Status Create(std::string_view path, std::string_view target) override { return inner.Create(path, target); }
  } rewriting(machine.shortcuts, machine.files);
  const std::string path = Shortcut("C:\\x\\orphan.lnk", "C:\\gone.exe");
  last_scan = Scan(kOrphanShortcuts);
  ASSERT_EQ(last_scan.removals.size(), 1u);
  Progress progress;
  EventPacer pacer(machine.clock, {});
  const RepairOutcome outcome =
      Repair(test_support::ServicesWith(machine.services(), {.shortcuts = &rewriting}), kOrphanShortcuts,
             last_scan.removals, progress, pacer);
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_EQ(outcome.changed, 1u);
  EXPECT_TRUE(FileExists(path));
  EXPECT_TRUE(FilesIn("C:\\Program Files\\Quill Box\\Backups").empty());
}


class ShortcutBackups : public OrphanShortcuts {
 protected:
  std::string Marker(const std::string& run) {
    std::vector<uint8_t> bytes;
    machine.files.ReadFile(run + "\\QuillBox backup.txt", bytes);
    return {bytes.begin(), bytes.end()};
  }
  const std::string run = "C:\\Program Files\\Quill Box\\Backups\\2026-01-02 03.04.05 Orphan shortcuts";
};

// Two repairs at once deleted files twice over, each counting them, and lost copies.
TEST_F(ShortcutBackups, ARepairWhileAnotherRunsIsRefusedAndARunCountsOnlyItsOwnDeletions) {
  std::vector<std::string> orphans;
  for (int i = 0; i < 4; ++i) orphans.push_back(Shortcut("C:\\d\\" + std::to_string(i) + ".lnk", "C:\\gone.exe"));
  {
    const auto window = machine.locks.Take(kRepairLockName, 0);
    cli::Output output;
    EXPECT_EQ(cli::RunCommandLine({"repair", "shortcuts"}, machine.services(), output), cli::kFailed);
    EXPECT_NE(output.err.find("another repair is running"), std::string::npos) << output.err;
    EXPECT_EQ(cli::RunCommandLine({"check", "shortcuts"}, machine.services(), output), cli::kFound);
  }
  EXPECT_TRUE(FileExists(orphans[0]));
  // Another program removes the second file before the run reaches it.
  int turn = 0;
  const RepairOutcome outcome = ScanAndRepair(kOrphanShortcuts, [&] {
    // From its first copy on, the run's folder says it is not finished.
    if (++turn >= 2) {
      EXPECT_NE(Marker(run).find("State: incomplete"), std::string::npos) << turn;
    }
    if (turn == 2) machine.files.DeleteFile(orphans[1]);
    return true;
  });
  EXPECT_EQ(outcome.repaired, 3u);
  EXPECT_EQ(outcome.changed, 1u);
  EXPECT_EQ(FilesIn(run + "\\C\\d"), (std::vector<std::string>{"0.lnk", "2.lnk", "3.lnk"}));
  EXPECT_NE(Marker(run).find("State: complete\r\nFiles: 3"), std::string::npos) << Marker(run);
}

// Another copy of the program judged this one's backed-up copies orphans and deleted them.
TEST_F(ShortcutBackups, AFolderHoldingABackupMarkerIsNeverSearchedWhoeverWroteIt) {
  for (const std::string other : {"C:\\Old Quill Box\\Backups\\2025-01-01 00.00.00 Orphan shortcuts",
                                  "C:\\Users\\user\\Saved backup"}) {
    machine.files.AddFile(other + "\\quillbox BACKUP.txt");
    Shortcut(other + "\\C\\Desk\\old.lnk", "C:\\gone.exe");
  }
  const std::string orphan = Shortcut("C:\\Desk\\new.lnk", "C:\\gone.exe");
  EXPECT_EQ(Scan(kOrphanShortcuts).lists[0], std::vector<std::string>{orphan});
}

// A full program disk kept every shortcut as "could not be backed up" and left empty folders.
TEST_F(ShortcutBackups, CopiesGoToLocalDataWhenTheProgramsDiskIsFullAndNoEmptyFolderStays) {
  machine.files.AddDrive("D:\\", DriveType::Fixed);
  machine.environment.application_folder = "D:\\Quill Box";
  const std::string local = "C:\\Users\\user\\AppData\\Local\\Quill Box\\Backups\\2026-01-02 03.04.05 Orphan shortcuts";
  const struct {
    uint64_t room;  // on D: for the marker and one copy, or for the marker alone
    bool local_writable;
    size_t repaired;
  } cases[] = {{1500, true, 3}, {500, false, 0}};
  for (const auto& c : cases) {
    machine.files.AddFolder("D:\\Quill Box");
    machine.files.LimitSpace("D:\\", c.room);
    if (!c.local_writable) machine.files.DenyWrites("C:\\Users\\user\\AppData\\Local");
    for (const char* name : {"a", "b", "c"}) {
      const std::string path = std::string("C:\\Desk\\") + name + ".lnk";
      machine.files.AddFile(path, fileattr::kArchive, std::vector<uint8_t>(1000, 'L'));
      machine.shortcuts.SetTarget(path, "C:\\gone.exe");
    }
    const RepairOutcome outcome = ScanAndRepair(kOrphanShortcuts);
    EXPECT_EQ(outcome.repaired, c.repaired);
    EXPECT_EQ(outcome.not_backed_up, 3 - c.repaired);
    if (c.repaired > 0) {
      EXPECT_EQ(outcome.earlier_backup_path, "D:\\Quill Box\\Backups\\2026-01-02 03.04.05 Orphan shortcuts");
      EXPECT_EQ(FilesIn(outcome.earlier_backup_path + "\\C\\Desk"), std::vector<std::string>{"a.lnk"});
      EXPECT_EQ(outcome.backup_path, local);
      EXPECT_EQ(FilesIn(local + "\\C\\Desk"), (std::vector<std::string>{"b.lnk", "c.lnk"}));
      EXPECT_NE(Marker(outcome.earlier_backup_path).find("State: complete"), std::string::npos);
      machine.files.RemoveDrive("D:\\");
      machine.files.AddDrive("D:\\", DriveType::Fixed);
    } else {
      EXPECT_TRUE(FilesIn("D:\\Quill Box").empty());
    }
  }
}

}  // namespace
}  // namespace qb::cleaner::testing
