// What only real files show: an ANSI file that receives text outside its code page, and
// the byte forms a whole file is read in (or left to the system's reader).
#include <windows.h>

#include <gtest/gtest.h>

#include "contract/fixtures.h"
#include "platform/profile_read_cache.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb {
namespace {

void WriteBytes(const std::string& path, std::string_view bytes) {
  win32::ScopedFile file(CreateFileW(win32::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  ASSERT_TRUE(file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                &written, nullptr));
}

// "café" in the Western code page; plain ASCII where the machine uses another one.
bool Western() { return GetACP() == 1252; }

TEST(Win32ProfileStore, AnAnsiFileBecomesUnicodeRatherThanLosingText) {
  auto fixture = contract::MakeProfileFixture();
  const std::string path = fixture->PathOf("ansi.ini");
  const bool western = Western();
  const std::string old_value = western ? "caf\xE9" : "cafe";
  WriteBytes(path, "; old comment\r\n[s]\r\nold=" + old_value + "\r\n");
  auto& store = fixture->Store();
  ASSERT_TRUE(store.WriteString(path, "s", "new", "Привет"));
  EXPECT_EQ(store.GetString(path, "s", "new", "-", 255), "Привет");
  EXPECT_EQ(store.GetString(path, "s", "old", "-", 255), western ? "café" : "cafe");
  EXPECT_NE(fixture->ReadText(path)->find("; old comment"), std::string::npos);
}

// Whole files are read in the two forms every version reads alike and left to the reader
// in every other; either way the answers are the reader's.
TEST(Win32ProfileStore, WholeFilesAnswerAsTheReaderInEveryByteForm) {
  using namespace std::string_literals;
  const struct {
    const char* name;
    std::string bytes;
    bool read_whole;
  } forms[] = {
      {"ansi.ini", "[s]\r\nk=" + std::string(Western() ? "caf\xE9" : "cafe") + "\r\nq=\"x\"\r\n", true},
      {"utf16.ini", "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\x2F\x04\r\0\n\0"s, true},
      {"utf8.ini", "\xEF\xBB\xBF[s]\r\nk=\xD0\xAF\r\n", false},
      {"utf16be.ini", "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v"s, false},
      {"cr.ini", "[s]\rk=v\r", false},
      {"zero.ini", "[s]\r\nk=v\0w\r\n"s, false},
  };
  auto fixture = contract::MakeProfileFixture();
  auto& store = fixture->Store();
  for (const auto& form : forms) {
    const std::string path = fixture->PathOf(form.name);
    WriteBytes(path, form.bytes);
    EXPECT_EQ(store.ReadText(path).has_value(), form.read_whole) << form.name;
    ProfileReadCache cache(store);
    for (const char* key : {"k", "q", "none"}) {
      EXPECT_EQ(cache.GetString(path, "S", key, "-", 255), store.GetString(path, "S", key, "-", 255))
          << form.name << " " << key;
    }
  }
  EXPECT_EQ(store.ReadText("win.ini"), std::nullopt);  // a bare name is the reader's to find
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
