#include "cleaner_fixture.h"

namespace qb::cleaner::testing {
namespace {

class ApplicationPaths : public CleanerTest {
 protected:
  RegKeyPath Registration(std::string_view name, std::string_view program,
                          RegView view = RegView::Force64) {
    const RegKeyPath key = AppPath(name, view);
    Set(key, RegValue::String("", program));
    return key;
  }
};

TEST_F(ApplicationPaths, KeepsRegistrationsOfProgramsThatExist) {
  machine.files.AddFile("C:\\Program Files\\Editor\\edit.exe");
  machine.files.AddFile("C:\\Tools\\Hidden.exe", fileattr::kHidden | fileattr::kSystem);
  machine.files.AddFile("C:\\Tools\\run.exe");
  machine.files.AddFile("C:\\Программы\\Редактор.exe");
  machine.files.AddFile("C:\\ツール\\編集.exe");
  Registration("edit.exe", "\"C:\\Program Files\\Editor\\edit.exe\"");
  Registration("hidden.exe", "C:\\Tools\\Hidden.exe");
  Registration("run.exe", "C:\\Tools\\run.exe -x");
  Registration("mixed.exe", "c:\\TOOLS\\Run.EXE");
  Registration("cyrillic.exe", "C:\\Программы\\Редактор.exe");
  Registration("cjk.exe", "C:\\ツール\\編集.exe");
  Registration("bare.exe", "bare.exe");
  Registration("network.exe", "\\\\server\\share\\x.exe");
  Registration("plain.exe", "%ProgramFiles%\\x.exe");
  Set(AppPath("pathonly.exe"), RegValue::String("Path", "C:\\Gone"));
  Set(AppPath("expanded.exe"), RegValue::String("", "%ProgramFiles%\\Editor\\edit.exe", regtype::kExpandSz));

  const RepairOutcome outcome = ScanAndRepair(kApplicationPaths);
  EXPECT_TRUE(last_scan.removals.empty()) << last_scan.lists[3].front();
  EXPECT_EQ(outcome.repaired, 0u);
  EXPECT_EQ(last_scan.lists[2].size(), 7u);
  EXPECT_NE(std::find(last_scan.lists[2].begin(), last_scan.lists[2].end(),
                      "c:\\program files\\editor\\edit.exe"),
            last_scan.lists[2].end());
}

// A 32-bit program on a 64-bit machine expands %ProgramFiles% to the 32-bit programs folder,
// whichever view the registration is in.
TEST_F(ApplicationPaths, KeepsA64BitRegistrationAsA32BitProgramExpandsIt) {
  machine.environment.variables["ProgramFiles"] = "C:\\Program Files (x86)";
  machine.environment.variables["ProgramW6432"] = "C:\\Program Files";
  machine.files.AddFile("C:\\Program Files\\Tool\\tool.exe");
  Set(AppPath("tool.exe"), RegValue::String("", "%ProgramFiles%\\Tool\\tool.exe", regtype::kExpandSz));
  const RegKeyPath gone = Registration("gone.exe", "C:\\Program Files (x86)\\Gone\\gone.exe");

  ScanAndRepair(kApplicationPaths);
  ASSERT_EQ(last_scan.removals.size(), 1u);
  EXPECT_FALSE(Exists(gone));
  EXPECT_TRUE(Exists(AppPath("tool.exe")));
}

TEST_F(ApplicationPaths, RemovesRegistrationsWhoseProgramIsGoneWithEverythingInThem) {
  machine.files.AddFolder("C:\\Windows");
  const RegKeyPath gone = Registration("gone.exe", "C:\\Tools\\gone.exe");
  Set(gone, RegValue::String("Path", "C:\\Tools"));
  Key(gone, "SupportedProtocols");
  const RegKeyPath folder = Registration("folder.exe", "C:\\Windows");
  const RegKeyPath args = Registration("args.exe", "C:\\Tools\\gone.exe -x");
  const RegKeyPath old32 = Registration("old32.exe", "C:\\Old\\old32.exe", RegView::Force32);

  const RepairOutcome outcome = ScanAndRepair(kApplicationPaths);
  EXPECT_EQ(last_scan.removals.size(), 3u);  // C:\Windows has no "." and is not tested
  EXPECT_EQ(outcome.repaired, 3u);
  EXPECT_FALSE(Exists(gone));
  EXPECT_FALSE(Exists(args));
  EXPECT_FALSE(Exists(old32));
  EXPECT_TRUE(Exists(folder));
  EXPECT_EQ(last_scan.lists[3].front(), std::string(kAppPathsArea) + "\\args.exe");
}

TEST_F(ApplicationPaths, AFolderWithADotIsNotAProgram) {
  machine.files.AddFolder("C:\\Tools\\Suite.2024");
  Registration("suite.exe", "C:\\Tools\\Suite.2024");
  EXPECT_EQ(Scan(kApplicationPaths).removals.size(), 1u);
}

TEST_F(ApplicationPaths, ProgramsOnDrivesThatCannotAnswerStay) {
  machine.files.AddDrive("D:\\", DriveType::CdRom, false);
  machine.files.AddDrive("E:\\", DriveType::Removable);
  machine.files.AddDrive("N:\\", DriveType::Remote);
  Registration("cd.exe", "D:\\setup.exe");
  Registration("stick.exe", "E:\\portable.exe");
  Registration("share.exe", "N:\\tools\\share.exe");
  Registration("nodrive.exe", "Q:\\nothing.exe");
  EXPECT_TRUE(Scan(kApplicationPaths).removals.empty());
}

}  // namespace
}  // namespace qb::cleaner::testing
