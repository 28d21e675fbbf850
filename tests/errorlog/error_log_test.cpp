#include "errorlog/error_log.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"

namespace qb::errorlog {
namespace {

std::string FileText(MemoryFileSystem& files, std::string_view path) {
  std::vector<uint8_t> bytes;
  if (files.ReadFile(path, bytes) != status::kOk) return "<missing>";
  return std::string(bytes.begin(), bytes.end());
}

TEST(ErrorLogEntry, IsTheFixedLineFormat) {
  struct Case {
    int32_t number;
    const char* description;
    const char* expected;
  } cases[] = {
      {5, "OpenProcess failed", "ERROR: 5 at mdlMisc\\Kill_Process >>> OpenProcess failed"},
      {-1, "x", "ERROR: -1 at mdlMisc\\Kill_Process >>> x"},
      {INT32_MIN, "low", "ERROR: -2147483648 at mdlMisc\\Kill_Process >>> low"},
      {0, "", "ERROR: 0 at mdlMisc\\Kill_Process >>> "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatEntry(c.number, c.description, "mdlMisc", "Kill_Process"), c.expected);
  }
}

TEST(ErrorLog, CreatesTheFileBesideTheProgramThenAppends) {
  MemoryMachine machine;
  ErrorLog log(machine.services());
  const std::string path = "C:\\Program Files\\Quill Box\\PROGRAM.LOG";
  EXPECT_EQ(log.LogError(5, "OpenProcess failed", "mdlMisc", "Kill_Process"), path);
  EXPECT_EQ(FileText(machine.files, path),
            "ERROR: 5 at mdlMisc\\Kill_Process >>> OpenProcess failed\r\n");
  EXPECT_EQ(log.LogError(-1, "", "mdlMisc", "Kill_Process"), path);
  EXPECT_EQ(FileText(machine.files, path),
            "ERROR: 5 at mdlMisc\\Kill_Process >>> OpenProcess failed\r\n"
            "ERROR: -1 at mdlMisc\\Kill_Process >>> \r\n");
}

TEST(ErrorLog, KeepsWhatTheFileAlreadyHeld) {
  MemoryMachine machine;
  const std::string path = "C:\\Program Files\\Quill Box\\PROGRAM.LOG";
  ASSERT_EQ(machine.files.AddFile(path, fileattr::kArchive, {'o', 'l', 'd', '\r', '\n'}), status::kOk);
  ErrorLog(machine.services()).WriteLogLine("new");
  EXPECT_EQ(FileText(machine.files, path), "old\r\nnew\r\n");
}

TEST(ErrorLog, AProgramFolderThatRefusesWritesSendsTheLineToTheUsersFolder) {
  MemoryMachine machine;
  machine.files.DenyWrites("C:\\Program Files");
  ErrorLog log(machine.services());
  const std::string user_log = "C:\\Users\\user\\AppData\\Local\\Quill Box\\PROGRAM.LOG";
  EXPECT_EQ(log.WriteLogLine("first"), user_log);
  EXPECT_EQ(log.WriteLogLine("second"), user_log);  // the folder exists the second time
  EXPECT_EQ(FileText(machine.files, user_log), "first\r\nsecond\r\n");
  EXPECT_EQ(FileText(machine.files, "C:\\Program Files\\Quill Box\\PROGRAM.LOG"), "<missing>");
}

TEST(ErrorLog, ALineNoFolderTakesIsDroppedQuietly) {
  MemoryMachine machine;
  machine.files.DenyWrites("C:\\");
  EXPECT_EQ(ErrorLog(machine.services()).LogError(5, "d", "m", "p"), "");
}

}  // namespace
}  // namespace qb::errorlog
