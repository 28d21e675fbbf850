#include "customise/ini_file_edit.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace qb::customise {
namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }
std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

std::vector<uint8_t> Utf16File(std::string_view utf8, bool big_endian = false) {
  std::vector<uint8_t> bytes{0xFF, 0xFE};
  for (char16_t unit : text::Utf8ToUtf16(utf8)) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  if (big_endian) {
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
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

// A UTF-16BE file was given ASCII lines (mixed encoding, odd byte count); each encoding
// and line end is now kept, and the file reads back with its old text and the new key.
TEST(IniFileEdit, EachEncodingAndLineEndIsKept) {
  const std::string before = "[autorun]\r\nlabel=Фото\r\n";
  const std::string after = "[autorun]\r\nlabel=Фото\r\nicon=a.ico\r\n";
  const struct { const char* name; std::vector<uint8_t> before, after; } cases[] = {
      {"UTF-16LE", Utf16File(before), Utf16File(after)},
      {"UTF-16BE", Utf16File(before, true), Utf16File(after, true)},
      {"UTF-8 with BOM", Bytes("\xEF\xBB\xBF" + before), Bytes("\xEF\xBB\xBF" + after)},
      {"ANSI", Bytes("[autorun]\r\nlabel=\xC4\r\n"), Bytes("[autorun]\r\nlabel=\xC4\r\nicon=a.ico\r\n")},
      {"LF", Bytes("[autorun]\nlabel=x\n"), Bytes("[autorun]\nlabel=x\nicon=a.ico\n")},
      {"UTF-16BE, LF", Utf16File("[x]\n", true), Utf16File("[x]\n[autorun]\nicon=a.ico\n", true)},
  };
  for (const auto& c : cases) {
    const auto edited = EditIniBytes(c.before, {{"autorun", "icon", "a.ico"}});
    ASSERT_TRUE(edited) << c.name;
    EXPECT_EQ(*edited, c.after) << c.name;
    EXPECT_EQ(ReadIniValue(*edited, "AUTORUN", "Icon"), "a.ico") << c.name;
  }
  // A stray byte after the last character could not be written back.
  auto odd = Utf16File(before, true);
  odd.push_back('x');
  EXPECT_FALSE(EditIniBytes(odd, {{"autorun", "icon", "a.ico"}}));
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
