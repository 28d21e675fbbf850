// What only real files show: an ANSI file that receives text outside its code page.
#include <windows.h>

#include <gtest/gtest.h>

#include "contract/fixtures.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb {
namespace {

TEST(Win32ProfileStore, AnAnsiFileBecomesUnicodeRatherThanLosingText) {
  auto fixture = contract::MakeProfileFixture();
  const std::string path = fixture->PathOf("ansi.ini");
  // "café" in the Western code page; plain ASCII where the machine uses another one.
  const bool western = GetACP() == 1252;
  const std::string old_value = western ? "caf\xE9" : "cafe";
  const std::string bytes = "; old comment\r\n[s]\r\nold=" + old_value + "\r\n";
  {
    win32::ScopedFile file(CreateFileW(win32::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ASSERT_TRUE(file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                  &written, nullptr));
  }
  auto& store = fixture->Store();
  ASSERT_TRUE(store.WriteString(path, "s", "new", "Привет"));
  EXPECT_EQ(store.GetString(path, "s", "new", "-", 255), "Привет");
  EXPECT_EQ(store.GetString(path, "s", "old", "-", 255), western ? "café" : "cafe");
  EXPECT_NE(fixture->ReadText(path)->find("; old comment"), std::string::npos);
}

TEST(Win32ProfileStore, PlainTextKeepsTheFileInTheCodePage) {
  auto fixture = contract::MakeProfileFixture();
  const std::string path = fixture->PathOf("plain.ini");
  ASSERT_TRUE(fixture->Store().WriteString(path, "autorun", "icon", "drive.ico"));
  win32::ScopedFile file(CreateFileW(win32::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file);
  char first[2] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadFile(file.Get(), first, 2, &read, nullptr));
  EXPECT_EQ(std::string(first, 2), "[a");  // no byte order mark for plain text
}

TEST(Win32ProfileStore, WritingIntoAMissingFolderFails) {
  auto fixture = contract::MakeProfileFixture();
  EXPECT_FALSE(fixture->Store().WriteString(fixture->PathOf("no-such-folder\\x.ini"), "a", "b", "c"));
  EXPECT_FALSE(fixture->Store().WriteString(fixture->PathOf("no-such-folder\\y.ini"), "a", "b", "Я"));
}

}  // namespace
}  // namespace qb
