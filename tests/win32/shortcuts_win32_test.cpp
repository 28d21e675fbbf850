// One shortcut service reading many shortcuts in a row, as the orphan walk does: each read
// gives that shortcut's own answer, whatever the one before it was, on any thread.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/text.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_shortcuts.h"
#include "win32/temp_path.h"

namespace qb::win32 {
namespace {

TEST(Win32ShortcutsInARow, EachReadAnswersForItsOwnFile) {
  const std::string folder = test_support::TempPath("qb-links-");
  Win32FileSystem files;
  ASSERT_EQ(files.CreateFolder(folder), status::kOk);
  Win32Shortcuts shortcuts;
  const std::string first = folder + "\\first.lnk", second = folder + "\\second.lnk";
  const std::string damaged = folder + "\\damaged.lnk";
  ASSERT_EQ(shortcuts.Create(first, "C:\\windows\\notepad.exe"), status::kOk);
  ASSERT_EQ(shortcuts.Create(second, "C:\\Missing folder\\tool.exe"), status::kOk);
  ASSERT_EQ(files.WriteFile(damaged, {'n', 'o', 't', ' ', 'a', ' ', 'l', 'i', 'n', 'k'}), status::kOk);

  const struct {
    const std::string& path;
    const char* target;  // nullptr: unreadable
  } reads[] = {{first, "C:\\windows\\notepad.exe"}, {damaged, nullptr},
               {second, "C:\\Missing folder\\tool.exe"}, {damaged, nullptr},
               {first, "C:\\windows\\notepad.exe"}};
  for (const auto& read : reads) {
    const ShortcutTarget target = shortcuts.ReadTarget(read.path);
    if (read.target) {
      EXPECT_EQ(target.error, 0) << read.path;
      EXPECT_TRUE(text::EqualsNoCase(target.path, read.target)) << read.path << ": " << target.path;
    } else {
      EXPECT_NE(target.error, 0) << read.path;
      EXPECT_EQ(target.path, "") << read.path;
    }
  }
  ShortcutTarget on_another_thread;
  std::thread([&] { on_another_thread = shortcuts.ReadTarget(second); }).join();
  EXPECT_EQ(on_another_thread.error, 0);
  EXPECT_EQ(on_another_thread.path, "C:\\Missing folder\\tool.exe");

  for (const auto& path : {first, second, damaged}) files.DeleteFile(path);
  files.RemoveFolder(folder);
}

// An installer's advertised shortcut keeps working while the icon file it reports is gone,
// so the cleaner must be able to tell it from a plain one.
TEST(Win32ShortcutsInARow, AnAdvertisedShortcutIsToldApart) {
  const std::string folder = test_support::TempPath("qb-links-");
  Win32FileSystem files;
  ASSERT_EQ(files.CreateFolder(folder), status::kOk);
  const std::string advertised = folder + "\\advertised.lnk";
  Win32Shortcuts shortcuts;
  ASSERT_EQ(shortcuts.Create(advertised, "C:\\Windows\\Installer\\{0}\\gone.ico"), status::kOk);
  // Marked as advertised the way installers write it: the header's flag and a block with the
  // product's descriptor before the closing block.
  std::vector<uint8_t> bytes;
  ASSERT_EQ(files.ReadFile(advertised, bytes), status::kOk);
  ASSERT_GT(bytes.size(), 80u);
  bytes[20] |= SLDF_HAS_DARWINID & 0xff;
  bytes[21] |= SLDF_HAS_DARWINID >> 8;
  EXP_DARWIN_LINK block{};
  block.dbh.cbSize = sizeof(block);
  block.dbh.dwSignature = EXP_DARWIN_ID_SIG;
  wcscpy(block.szwDarwinID, L"w_1^VX!!!!!!!!!MKKSkEXCELFiles>tW{~$4Q]c@II=l2xaTO5Z");
  const auto* raw = reinterpret_cast<const uint8_t*>(&block);
  bytes.insert(bytes.end() - 4, raw, raw + sizeof(block));
  ASSERT_EQ(files.WriteFile(advertised, bytes), status::kOk);
  const ShortcutTarget target = shortcuts.ReadTarget(advertised);
  EXPECT_EQ(target.error, 0);
  EXPECT_TRUE(target.advertised);
  EXPECT_FALSE(shortcuts.ReadTarget(advertised + ".missing").advertised);
  files.DeleteFile(advertised);
  files.RemoveFolder(folder);
}

}  // namespace
}  // namespace qb::win32
