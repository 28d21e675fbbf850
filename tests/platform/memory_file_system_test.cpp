#include "platform/memory/memory_file_system.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(WildcardMatch, FollowsTheSystemsRules) {
  EXPECT_TRUE(WildcardMatch("*.exe", "Tool.EXE"));
  EXPECT_FALSE(WildcardMatch("*.exe", "tool.exe.bak"));
  EXPECT_TRUE(WildcardMatch("*.*", "README"));  // "*.*" lists names without a dot too
  EXPECT_TRUE(WildcardMatch("*.*", "a.b.c"));
  EXPECT_TRUE(WildcardMatch("*", ".hidden"));
  EXPECT_TRUE(WildcardMatch("*.", "README"));  // names without an extension only
  EXPECT_FALSE(WildcardMatch("*.", "read.me"));
  EXPECT_TRUE(WildcardMatch("name?.txt", "name1.txt"));
  EXPECT_TRUE(WildcardMatch("name?.txt", "name.txt"));  // "?" may match nothing before a dot
  EXPECT_FALSE(WildcardMatch("name?.txt", "name12.txt"));
  EXPECT_TRUE(WildcardMatch("a??", "a"));
  EXPECT_FALSE(WildcardMatch("a?c", "ac"));
  EXPECT_TRUE(WildcardMatch("ПРОГРАММА.*", "программа.exe"));
  EXPECT_TRUE(WildcardMatch("程序*.exe", "程序1.exe"));
}

TEST(MemoryFileSystem, AnswersAttributesWithTheSystemsCodes) {
  MemoryFileSystem files;
  ASSERT_EQ(files.AddFile("C:\\Tools\\Hidden.exe", fileattr::kHidden | fileattr::kSystem), status::kOk);
  uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes("c:\\tools\\HIDDEN.EXE", attributes), status::kOk);
  EXPECT_EQ(attributes, fileattr::kHidden | fileattr::kSystem);
  EXPECT_EQ(files.GetAttributes("C:\\Tools", attributes), status::kOk);
  EXPECT_EQ(attributes, fileattr::kDirectory);
  EXPECT_EQ(files.GetAttributes("C:\\Tools\\missing.exe", attributes), status::kFileNotFound);
  EXPECT_EQ(files.GetAttributes("C:\\Nowhere\\missing.exe", attributes), status::kPathNotFound);
  EXPECT_EQ(files.GetAttributes("Q:\\x.exe", attributes), status::kPathNotFound);
  EXPECT_EQ(files.GetAttributes("C:\\Tools\\*.exe", attributes), 123);  // invalid name
  // Trailing dots and blanks of an element are dropped, "." and ".." resolved.
  EXPECT_EQ(files.GetAttributes("C:\\Tools\\.\\..\\Tools\\hidden.exe. ", attributes), status::kOk);
  EXPECT_EQ(files.CallCounts().get_attributes, 7u);
}

TEST(MemoryFileSystem, ListsHiddenAndSystemEntriesButNotDotEntries) {
  MemoryFileSystem files;
  files.AddFile("C:\\Dir\\b.txt", fileattr::kHidden);
  files.AddFile("C:\\Dir\\A.txt");
  files.AddFolder("C:\\Dir\\Sub.txt");
  std::vector<FileEntry> entries;
  ASSERT_EQ(files.FindFiles("C:\\Dir\\*.txt", entries), status::kOk);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "A.txt");
  EXPECT_EQ(entries[1].attributes, fileattr::kHidden);
  EXPECT_EQ(entries[2].attributes, fileattr::kDirectory);
  EXPECT_EQ(files.FindFiles("C:\\Dir\\*.exe", entries), status::kFileNotFound);
  EXPECT_EQ(files.FindFiles("C:\\Gone\\*.exe", entries), status::kPathNotFound);
}

TEST(MemoryFileSystem, DrivesWithoutAMediumAreNotReady) {
  MemoryFileSystem files;
  files.AddDrive("D:\\", DriveType::CdRom, false);
  files.AddDrive("\\\\server\\share", DriveType::Remote);
  EXPECT_EQ(files.DriveRoots(), (std::vector<std::string>{"C:\\", "D:\\"}));
  EXPECT_EQ(files.GetDriveType("d:"), DriveType::CdRom);
  EXPECT_EQ(files.GetDriveType("E:\\"), DriveType::NoRootDir);
  EXPECT_FALSE(files.DriveReady("D:\\"));
  uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes("D:\\setup.exe", attributes), status::kNotReady);
  std::vector<FileEntry> entries;
  EXPECT_EQ(files.FindFiles("D:\\*", entries), status::kNotReady);
  files.SetDriveReady("D:\\", true);
  EXPECT_EQ(files.GetAttributes("D:\\setup.exe", attributes), status::kFileNotFound);
  files.AddFile("\\\\server\\share\\doc.txt");
  EXPECT_EQ(files.GetAttributes("\\\\SERVER\\share\\DOC.txt", attributes), status::kOk);
}

TEST(MemoryFileSystem, WritesFilesAndFoldersAndRefusesWhereDenied) {
  MemoryFileSystem files;
  EXPECT_EQ(files.CreateFolder("C:\\New\\Deeper"), status::kPathNotFound);
  EXPECT_EQ(files.CreateFolder("C:\\New"), status::kOk);
  EXPECT_EQ(files.CreateFolder("C:\\New"), 183);
  EXPECT_EQ(files.WriteFile("C:\\New\\a.bin", {1, 2}), status::kOk);
  std::vector<uint8_t> bytes;
  EXPECT_EQ(files.ReadFile("C:\\NEW\\A.BIN", bytes), status::kOk);
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(files.CopyFile("C:\\New\\a.bin", "C:\\New\\b.bin", true), status::kOk);
  EXPECT_EQ(files.CopyFile("C:\\New\\a.bin", "C:\\New\\b.bin", true), status::kFileExists);
  EXPECT_EQ(files.RemoveFolder("C:\\New"), 145);  // not empty
  files.SetAttributes("C:\\New\\b.bin", fileattr::kReadOnly);
  EXPECT_EQ(files.DeleteFile("C:\\New\\b.bin"), status::kAccessDenied);

  files.DenyWrites("C:\\New");
  EXPECT_EQ(files.WriteFile("C:\\New\\c.bin", {}), status::kAccessDenied);
  EXPECT_EQ(files.CreateFolder("C:\\New\\Sub"), status::kAccessDenied);
  EXPECT_EQ(files.WriteFile("C:\\Other.bin", {}), status::kOk);
}

TEST(MemoryFileSystem, MovesAndRenamesAsTheSystemDoes) {
  MemoryFileSystem files;
  ASSERT_EQ(files.AddFile("C:\\Data\\new.tmp", fileattr::kArchive, {'n'}), status::kOk);
  ASSERT_EQ(files.AddFile("C:\\Data\\old.reg", fileattr::kArchive, {'o'}), status::kOk);
  EXPECT_EQ(files.MoveFile("C:\\Data\\new.tmp", "C:\\Data\\old.reg", false), 183);
  ASSERT_EQ(files.MoveFile("C:\\Data\\new.tmp", "C:\\Data\\OLD.reg", true), status::kOk);
  std::vector<uint8_t> bytes;
  ASSERT_EQ(files.ReadFile("C:\\Data\\old.reg", bytes), status::kOk);
  EXPECT_EQ(bytes, std::vector<uint8_t>{'n'});
  uint32_t attributes = 0;
  EXPECT_EQ(files.GetAttributes("C:\\Data\\new.tmp", attributes), status::kFileNotFound);
  // Folders move with what they hold, but never below themselves.
  ASSERT_EQ(files.MoveFile("C:\\Data", "C:\\Kept", false), status::kOk);
  EXPECT_EQ(files.GetAttributes("C:\\Kept\\OLD.reg", attributes), status::kOk);
  EXPECT_EQ(files.MoveFile("C:\\Kept", "C:\\Kept\\Inner", false), status::kAccessDenied);
  EXPECT_EQ(files.MoveFile("C:\\Missing", "C:\\Other", false), status::kFileNotFound);
  files.DenyWrites("C:\\Kept");
  EXPECT_EQ(files.MoveFile("C:\\Kept\\OLD.reg", "C:\\x.reg", false), status::kAccessDenied);
}

}  // namespace
}  // namespace qb
