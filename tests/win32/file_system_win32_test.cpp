// The Windows file-system service on the real system, side by side with the wildcard rules
// of the in-memory one, so that both answer alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "contract/fixtures.h"
#include "platform/memory/memory_file_system.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "win32/temp_path.h"

namespace qb::win32 {
namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = test_support::TempPath("qb-files-");
    ASSERT_EQ(files.CreateFolder(folder), status::kOk);
    for (const char* name : {"README", "a.txt", "a.b.c", "name.txt", "name1.txt", "name12.txt",
                             "Hidden.exe", "Программа.exe", "程序1.exe"}) {
      ASSERT_EQ(files.WriteFile(folder + "\\" + name, {'x'}), status::kOk) << name;
    }
    ASSERT_EQ(files.CreateFolder(folder + "\\Sub.dir"), status::kOk);
    ASSERT_EQ(files.SetAttributes(folder + "\\Hidden.exe", fileattr::kHidden | fileattr::kSystem),
              status::kOk);
  }
  void TearDown() override {
    std::vector<FileEntry> entries;
    files.FindFiles(folder + "\\*", entries);
    for (const auto& entry : entries) {
      const std::string path = folder + "\\" + entry.name;
      files.SetAttributes(path, fileattr::kNormal);
      if (entry.attributes & fileattr::kDirectory) {
        files.RemoveFolder(path);
      } else {
        files.DeleteFile(path);
      }
    }
    files.RemoveFolder(folder);
  }
  std::vector<std::string> Listed(std::string_view pattern) {
    std::vector<FileEntry> entries;
    files.FindFiles(folder + "\\" + std::string(pattern), entries);
    std::vector<std::string> names;
    for (const auto& entry : entries) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> Matched(std::string_view pattern) {
    std::vector<std::string> names;
    for (const auto& name : Listed("*")) {
      if (WildcardMatch(pattern, name)) names.push_back(name);
    }
    return names;
  }

  Win32FileSystem files;
  std::string folder;
};

TEST_F(Win32FileSystemTest, ListsWithTheSameWildcardRulesAsTheMemoryFileSystem) {
  ASSERT_EQ(Listed("*").size(), 10u);
  for (const char* pattern : {"*.*", "*.txt", "a.*", "*.c", "HIDDEN.EXE", "программа.*",
                              "程序?.exe", "?"}) {
    EXPECT_EQ(Listed(pattern), Matched(pattern)) << pattern;
  }
  // Wine matches "*." like "*" and lets "?" match exactly one character; Windows lists only
  // names without a dot for "*." and lets "?" match nothing before a dot, as the memory
  // file system does.
  if (!contract::RunningOnWine()) {
    for (const char* pattern : {"*.", "name?.txt"}) EXPECT_EQ(Listed(pattern), Matched(pattern)) << pattern;
  }
}

TEST_F(Win32FileSystemTest, AnswersAttributesAndTheSystemsCodes) {
  uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes(folder + "\\hidden.EXE", attributes), status::kOk);
  EXPECT_EQ(attributes & (fileattr::kHidden | fileattr::kSystem), fileattr::kHidden | fileattr::kSystem);
  EXPECT_EQ(files.GetAttributes(folder + "\\SUB.DIR", attributes), status::kOk);
  EXPECT_TRUE(attributes & fileattr::kDirectory);
  EXPECT_EQ(files.GetAttributes(folder + "\\программа.EXE", attributes), status::kOk);
  EXPECT_EQ(files.GetAttributes(folder + "\\gone.exe", attributes), status::kFileNotFound);
  EXPECT_EQ(files.GetAttributes(folder + "\\Gone\\gone.exe", attributes), status::kPathNotFound);
  std::vector<FileEntry> entries;
  EXPECT_EQ(files.FindFiles(folder + "\\*.zip", entries), status::kFileNotFound);
  EXPECT_EQ(files.CreateFolder(folder + "\\Sub.dir"), 183);
  EXPECT_EQ(files.CopyFile(folder + "\\a.txt", folder + "\\README", true), status::kFileExists);

  std::vector<uint8_t> bytes;
  ASSERT_EQ(files.WriteFile(folder + "\\data.bin", {0, 1, 2, 255}), status::kOk);
  ASSERT_EQ(files.ReadFile(folder + "\\DATA.BIN", bytes), status::kOk);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{0, 1, 2, 255}));
}

TEST_F(Win32FileSystemTest, KnowsItsDrives) {
  const auto roots = files.DriveRoots();
  ASSERT_FALSE(roots.empty());
  EXPECT_NE(std::find(roots.begin(), roots.end(), "C:\\"), roots.end());
  EXPECT_EQ(files.GetDriveType("C:\\"), DriveType::Fixed);
  EXPECT_TRUE(files.DriveReady("C:"));
  uint64_t total = 0, free = 0;
  EXPECT_EQ(files.DiskSpace("C:\\", total, free), status::kOk);
  EXPECT_GE(total, free);
  // A letter that no drive uses.
  for (char letter = 'Q'; letter <= 'Y'; ++letter) {
    const std::string root{letter, ':', '\\'};
    if (std::find(roots.begin(), roots.end(), root) != roots.end()) continue;
    EXPECT_EQ(files.GetDriveType(root), DriveType::NoRootDir);
    EXPECT_FALSE(files.DriveReady(root));
    break;
  }
}

TEST_F(Win32FileSystemTest, MovesReplaceOnlyWhenAsked) {
  const std::string from = folder + "\\backup.tmp";
  const std::string to = folder + "\\backup.reg";
  ASSERT_EQ(files.WriteFile(from, {'n', 'e', 'w'}), status::kOk);
  ASSERT_EQ(files.WriteFile(to, {'o', 'l', 'd'}), status::kOk);
  EXPECT_EQ(files.MoveFile(from, to, false), 183);
  ASSERT_EQ(files.MoveFile(from, to, true), status::kOk);
  std::vector<uint8_t> bytes;
  ASSERT_EQ(files.ReadFile(to, bytes), status::kOk);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{'n', 'e', 'w'}));
  uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes(from, attributes), status::kFileNotFound);
}

}  // namespace
}  // namespace qb::win32
