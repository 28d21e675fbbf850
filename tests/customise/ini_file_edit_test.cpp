#include "customise/ini_file_edit.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace qb::customise {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

std::vector<uint8_t> Utf16File(std::string_view utf8) {
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  for (char16_t unit : text::Utf8ToUtf16(utf8)) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

// Keys are matched without regard to case; ANSI text that stays ANSI is kept byte for byte.
TEST(IniFileEdit, SetsOrAddsTheKeyAndKeepsEveryOtherLineAsItWas) {
  const struct { std::string before; std::vector<IniSetting> settings; std::string after; } cases[] = {
      {"; made by hand\r\n[autorun]\r\nopen=setup.exe\r\nICON=old.ico\r\nlabel=Backup\r\n\r\n"
       "[Content]\r\nMusicFiles=true\r\n",
       {{"autorun", "icon", "D:\\My Icons\\new.ico"}},
       "; made by hand\r\n[autorun]\r\nopen=setup.exe\r\nICON=D:\\My Icons\\new.ico\r\n"
       "label=Backup\r\n\r\n[Content]\r\nMusicFiles=true\r\n"},
      {"", {{"autorun", "icon", "a b.ico"}}, "[autorun]\r\nicon=a b.ico\r\n"},
      {"[Other]\r\nx=1\r\n", {{".ShellClassInfo", "IconFile", "IconX.ico"}, {".ShellClassInfo", "IconIndex", "0"}},
       "[Other]\r\nx=1\r\n[.ShellClassInfo]\r\nIconFile=IconX.ico\r\nIconIndex=0\r\n"},
      {"[autorun]\r\nlabel=\xE4\r\n", {{"autorun", "icon", "a.ico"}}, "[autorun]\r\nlabel=\xE4\r\nicon=a.ico\r\n"},
  };
  for (const auto& c : cases) {
    const auto after = EditIniBytes(Bytes(c.before), c.settings);
    ASSERT_TRUE(after) << c.before;
    EXPECT_EQ(Text(*after), c.after);
  }
}

TEST(IniFileEdit, AUnicodeFileStaysUnicodeAndKeepsItsText) {
  const auto before = Utf16File("[.ShellClassInfo]\r\nInfoTip=Фото\r\n");
  const auto after = EditIniBytes(before, {{".ShellClassInfo", "IconFile", "IconX.ico"}});
  ASSERT_TRUE(after);
  EXPECT_EQ(*after, Utf16File("[.ShellClassInfo]\r\nInfoTip=Фото\r\nIconFile=IconX.ico\r\n"));
  EXPECT_EQ(ReadIniValue(*after, ".shellclassinfo", "infotip"), "Фото");
}

TEST(IniFileEdit, TextBeyondAsciiGoesIntoAUnicodeFileOrIsRefused) {
  // An all-ASCII file can become UTF-16 without changing a word of it.
  const auto upgraded = EditIniBytes(Bytes("[autorun]\r\nopen=a.exe\r\n"), {{"autorun", "icon", "C:\\Ярлык.ico"}});
  ASSERT_TRUE(upgraded);
  EXPECT_EQ(*upgraded, Utf16File("[autorun]\r\nopen=a.exe\r\nicon=C:\\Ярлык.ico\r\n"));
  // A file in some ANSI code page cannot: its own bytes would change meaning.
  EXPECT_FALSE(EditIniBytes(Bytes("[autorun]\r\nlabel=Fotos \xE4\r\n"), {{"autorun", "icon", "Ярлык.ico"}}));
}

TEST(IniFileEdit, AValueWithALineBreakIsRefusedRatherThanAddingLines) {
  for (const char* evil : {"a.ico\r\nopen=evil.exe", "a.ico\nopen=evil.exe"}) {
    EXPECT_FALSE(EditIniBytes({}, {{"autorun", "icon", evil}})) << evil;
  }
}

}  // namespace
}  // namespace qb::customise
