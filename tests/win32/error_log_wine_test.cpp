// The error log on the real file system: lines appended to a file that stays closed between
// them, and a program folder that refuses the file sending the log to the user's folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "errorlog/error_log.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "win32/temp_path.h"

namespace qb::errorlog {
namespace {

// The real system's services with the two folders pointed into a scratch folder.
class ScratchEnvironment : public win32::Win32Environment {
 public:
  std::string ApplicationFolder() override { return program; }
  std::string LocalAppDataFolder() override { return local; }
  std::string program, local;
};

class ErrorLogWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = test_support::TempPath("qb-log-");
    environment.program = root + "\\Program";
    environment.local = root + "\\Local";
    for (const auto& folder : {root, environment.program, environment.local}) {
      ASSERT_EQ(files.CreateFolder(folder), status::kOk) << folder;
    }
  }
  void TearDown() override {
    for (const auto& file : {environment.program + "\\PROGRAM.LOG",
                             environment.local + "\\Quill Box\\PROGRAM.LOG"}) {
      files.DeleteFile(file);
    }
    for (const auto& folder : {environment.program + "\\PROGRAM.LOG",
                               environment.local + "\\Quill Box", environment.local,
                               environment.program, root}) {
      files.RemoveFolder(folder);
    }
  }
  std::string Text(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (files.ReadFile(path, bytes) != status::kOk) return "<missing>";
    return std::string(bytes.begin(), bytes.end());
  }

  std::string root;
  ScratchEnvironment environment;
  win32::Win32FileSystem files;
};

TEST_F(ErrorLogWineTest, AppendsBesideTheProgramAndLeavesTheFileClosed) {
  ErrorLog log(files, environment);
  const std::string path = environment.program + "\\PROGRAM.LOG";
  EXPECT_EQ(log.LogError(5, "OpenProcess failed", "mdlMisc", "Kill_Process"), path);
  // Closed between entries: another program may take it away, and the next entry starts anew.
  EXPECT_EQ(files.DeleteFile(path), status::kOk);
  EXPECT_EQ(log.LogError(-1, "", "mdlMisc", "Kill_Process"), path);
  EXPECT_EQ(log.LogError(6, "CloseHandle failed", "mdlMisc", "Kill_Process"), path);
  EXPECT_EQ(Text(path),
            "ERROR: -1 at mdlMisc\\Kill_Process >>> \r\n"
            "ERROR: 6 at mdlMisc\\Kill_Process >>> CloseHandle failed\r\n");
}

// Wine running as the superuser enforces neither folder rights nor the read-only mark, so
// the program folder refuses the log the way the system refuses a file it cannot open for
// writing at all: the name is taken by a folder.
TEST_F(ErrorLogWineTest, AProgramFolderThatRefusesTheFileSendsItToLocalApplicationData) {
  const std::string refused = environment.program + "\\PROGRAM.LOG";
  ASSERT_EQ(files.CreateFolder(refused), status::kOk);
  ErrorLog log(files, environment);
  const std::string user_log = environment.local + "\\Quill Box\\PROGRAM.LOG";
  EXPECT_EQ(log.LogError(5, "OpenProcess failed", "mdlMisc", "Kill_Process"), user_log);
  EXPECT_EQ(log.LogError(6, "TerminateProcess failed", "mdlMisc", "Kill_Process"), user_log);
  EXPECT_EQ(Text(user_log),
            "ERROR: 5 at mdlMisc\\Kill_Process >>> OpenProcess failed\r\n"
            "ERROR: 6 at mdlMisc\\Kill_Process >>> TerminateProcess failed\r\n");
  uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes(refused, attributes), status::kOk);
  EXPECT_TRUE(attributes & fileattr::kDirectory);
}

}  // namespace
}  // namespace qb::errorlog
