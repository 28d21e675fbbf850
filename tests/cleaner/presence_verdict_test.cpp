#include <gtest/gtest.h>

#include "cleaner/path_text.h"
#include "cleaner/presence_test.h"
#include "platform/memory/memory_file_system.h"

namespace qb::cleaner {
namespace {

class PresenceVerdict : public ::testing::Test {
 protected:
  PresenceVerdict() {
    files.AddFile("C:\\Apps\\Normal.exe");
    files.AddFile("C:\\Apps\\ReadOnly.exe", fileattr::kReadOnly | fileattr::kArchive);
    files.AddFile("C:\\Apps\\Hidden.exe", fileattr::kHidden);
    files.AddFile("C:\\Apps\\System.dll", fileattr::kSystem | fileattr::kHidden);
    files.AddFile("C:\\Apps\\Tools\\run.exe");
    files.AddFile("C:\\Данные\\Отчёт.doc");
    files.AddFile("C:\\文档\\报告.txt");
    files.AddFolder("C:\\Apps\\Folder.exe");
  }
  MemoryFileSystem files;
  PresenceTest test{files, "C:\\Windows"};
};

TEST_F(PresenceVerdict, AFileThatExistsIsPresentWhateverItsAttributes) {
  for (const char* path : {"C:\\Apps\\Normal.exe", "c:\\apps\\readonly.EXE", "C:\\Apps\\Hidden.exe",
                           "C:\\APPS\\system.dll", "C:\\данные\\ОТЧЁТ.doc", "C:\\文档\\报告.txt"}) {
    EXPECT_EQ(test.Test(path), Presence::Present) << path;
  }
  EXPECT_EQ(test.Test("C:\\Apps\\Folder.exe"), Presence::Missing);  // a folder is not a file
  EXPECT_EQ(test.Test("C:\\Apps\\Gone.exe"), Presence::Missing);
  EXPECT_EQ(test.Test("C:\\Gone\\Gone.exe"), Presence::Missing);
}

TEST_F(PresenceVerdict, APlainPathIsOneAttributeQueryAndOnlyWildcardsAreListed) {
  test.Test("C:\\Apps\\Normal.exe");
  test.Test("C:\\Apps\\Gone.exe");  // and the folder it is in, once for the folder's paths
  test.Test("C:\\Apps\\Gone2.exe");
  EXPECT_EQ(files.CallCounts().get_attributes, 4u);
  EXPECT_EQ(files.CallCounts().find_files, 0u);

  EXPECT_EQ(test.Test("C:\\Apps\\*.exe"), Presence::Present);
  EXPECT_EQ(test.Test("C:\\Apps\\Hid?en.exe"), Presence::Present);
  EXPECT_EQ(test.Test("C:\\Apps\\Folder.ex?"), Presence::Missing);  // matches only a folder
  EXPECT_EQ(test.Test("C:\\Apps\\*.zip"), Presence::Missing);
  EXPECT_EQ(test.Test("C:\\A*\\Normal.exe"), Presence::Unknown);  // a wildcard in a folder
  EXPECT_EQ(files.CallCounts().find_files, 4u);
}

TEST_F(PresenceVerdict, PathsThatCannotBeConfirmedMissingAreUnknown) {
  files.AddDrive("D:\\", DriveType::CdRom, false);
  files.AddDrive("E:\\", DriveType::Removable, true);
  files.AddDrive("N:\\", DriveType::Remote, true);
  for (const char* path : {"", "run.exe", "Apps\\run.exe", "C:run.exe", "\\Apps\\run.exe",
                           "\\\\server\\share\\run.exe", "D:\\setup.exe", "E:\\gone.exe",
                           "N:\\gone.exe", "Z:\\gone.exe"}) {
    EXPECT_EQ(test.Test(path), Presence::Unknown) << path;
  }
  EXPECT_EQ(files.CallCounts().get_attributes, 0u);
}

TEST_F(PresenceVerdict, UnderAFolderHoldingAnotherVolumeOnlyAFixedDiskThatIsThereCanAnswer) {
  const uint32_t reparse = fileattr::kDirectory | fileattr::kReparsePoint;
  // A disk mounted in a folder and detached: the folder stays, its inside cannot be listed.
  files.AddFolder("C:\\Mount\\Backup", reparse);
  files.DenyListing("C:\\Mount\\Backup");
  files.AddDrive("C:\\Mount\\Stick\\", DriveType::Removable);
  files.AddFolder("C:\\Mount\\Stick\\Apps");
  files.AddFolder("C:\\Mount\\Stick", reparse);
  files.AddDrive("C:\\Mount\\Data\\", DriveType::Fixed);
  files.AddFolder("C:\\Mount\\Data\\Apps");
  files.AddFolder("C:\\Mount\\Data", reparse);
  files.AddFolder("C:\\Linked\\Apps");  // a link to a folder that is there
  files.AddFolder("C:\\Linked", reparse);
  for (const char* path : {"C:\\Mount\\Backup\\Apps\\app.exe", "C:\\Mount\\Backup\\app.exe",
                           "c:\\mount\\stick\\gone.exe", "C:\\Mount\\Stick\\Apps\\gone.exe"}) {
    EXPECT_EQ(test.Test(path), Presence::Unknown) << path;
  }
  for (const char* path : {"C:\\Mount\\Data\\Apps\\gone.exe", "C:\\Mount\\Gone\\gone.exe",
                           "C:\\Linked\\Apps\\gone.exe", "C:\\Linked\\gone.exe"}) {
    EXPECT_EQ(test.Test(path), Presence::Missing) << path;
  }
}

TEST_F(PresenceVerdict, AProgramWithArgumentsIsPresentWhenItsProgramPartExists) {
  EXPECT_EQ(test.TestProgram("c:\\apps\\tools\\run.exe -x"), Presence::Present);
  EXPECT_EQ(test.TestProgram("c:\\apps\\tools\\run.exe  /a /b.txt"), Presence::Present);
  EXPECT_EQ(test.TestProgram("c:\\apps\\tools\\gone.exe -x"), Presence::Missing);
  EXPECT_EQ(test.TestProgram("c:\\apps\\tools\\run"), Presence::Missing);
}

TEST_F(PresenceVerdict, TheSystemAndProgramsFoldersAreLookedUpInBothBitnesses) {
  files.AddFile("C:\\Windows\\SysWOW64\\old32.exe");
  files.AddFile("C:\\Windows\\System32\\only64.exe");
  files.AddFile("C:\\Program Files\\Tool\\tool.exe");
  files.AddFile("C:\\Program Files (x86)\\Old\\old.exe");
  // As a 32-bit program on a 64-bit machine sees them: its own programs folder first.
  PresenceTest wow64{files, "C:\\Windows", {"C:\\Program Files (x86)", "C:\\Program Files", "c:\\program files (x86)\\"}};
  for (const char* path : {"C:\\Windows\\System32\\old32.exe", "C:\\Windows\\SysWOW64\\only64.exe",
                           "C:\\Program Files (x86)\\Tool\\tool.exe", "C:\\PROGRAM FILES\\Old\\old.exe"}) {
    EXPECT_EQ(wow64.Test(path), Presence::Present) << path;
  }
  EXPECT_EQ(wow64.Test("C:\\Program Files (x86)\\Tool\\gone.exe"), Presence::Missing);
  EXPECT_EQ(wow64.Test("C:\\Windows\\System32\\gone.exe"), Presence::Missing);
  // Where the machine has one programs folder, "Program Files" stops being a twin of anything.
  EXPECT_EQ(test.Test("C:\\Program Files (x86)\\Tool\\tool.exe"), Presence::Missing);
}

TEST(PathText, QuotesToBlanksAndCandidates) {
  EXPECT_EQ(QuotesToBlanks("C:\\plain.exe"), "C:\\plain.exe");
  EXPECT_EQ(QuotesToBlanks("\"C:\\a b\\x.exe\""), " C:\\a b\\x.exe ");
  EXPECT_EQ(CleanProgramPath("\"C:\\Program Files\\Editor\\EDIT.exe\""),
            "c:\\program files\\editor\\edit.exe");
  EXPECT_EQ(ProgramCandidates("c:\\my.apps\\x.exe -a b.cmd"),
            std::vector<std::string>{"c:\\my.apps\\x.exe"});
  EXPECT_EQ(ProgramCandidates("c:\\a.exe  -x"), std::vector<std::string>{"c:\\a.exe"});
  EXPECT_TRUE(ProgramCandidates("c:\\tools\\run.exe").empty());
  EXPECT_TRUE(ContainsIgnoringCase("QuietUNINSTALLString", "uninstallstring"));
  EXPECT_FALSE(ContainsIgnoringCase("Uninstall", "uninstallstring"));
  EXPECT_TRUE(StartsWithIgnoringCase("c:\\windows\\SYSTEM32\\x.dll", "C:\\Windows\\System32\\"));
  EXPECT_TRUE(StartsWithIgnoringCase("C:\\ПАПКА\\x", "c:\\папка\\"));
  EXPECT_FALSE(StartsWithIgnoringCase("C:\\Win", "C:\\Windows\\"));
  EXPECT_TRUE(EqualsIgnoringCase("systemcomponent", "SystemComponent"));
  EXPECT_TRUE(IsAbsolutePath("C:\\x"));
  EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
  EXPECT_FALSE(IsAbsolutePath("C:x"));
  EXPECT_FALSE(IsAbsolutePath("x\\y"));
}

}  // namespace
}  // namespace qb::cleaner
