#include "cleaner/reg_file.h"

#include <gtest/gtest.h>

namespace qb::cleaner {
namespace {

TEST(RegFile, WritesEachTypeAsTheRegistryEditorDoes) {
  EXPECT_EQ(ValueLine(RegValue::String("", "C:\\Tools\\run.exe")), "@=\"C:\\\\Tools\\\\run.exe\"");
  EXPECT_EQ(ValueLine(RegValue::String("Say \"hi\"", "a\"b")), "\"Say \\\"hi\\\"\"=\"a\\\"b\"");
  EXPECT_EQ(ValueLine(RegValue::Dword("n", 0xA1)), "\"n\"=dword:000000a1");
  EXPECT_EQ(ValueLine(RegValue::Binary("b", {0x0A, 0xFF})), "\"b\"=hex:0a,ff");
  EXPECT_EQ(ValueLine(RegValue::String("e", "%x%", regtype::kExpandSz)),
            "\"e\"=hex(2):25,00,78,00,25,00,00,00");
  EXPECT_EQ(ValueLine(RegValue::MultiString("m", {"a"})), "\"m\"=hex(7):61,00,00,00,00,00");
  EXPECT_EQ(ValueLine(RegValue::Qword("q", 1)), "\"q\"=hex(b):01,00,00,00,00,00,00,00");
  EXPECT_EQ(ValueLine(RegValue::Binary("none", {}, regtype::kNone)), "\"none\"=hex(0):");
  EXPECT_EQ(ValueLine(RegValue::Binary("odd", {1}, regtype::kResourceList)), "\"odd\"=hex(8):01");
}

TEST(RegFile, StringsThatQuotesCannotCarryAreWrittenAsHex) {
  // No terminator, an embedded NUL, a line break, and a short DWORD: the quoted and dword
  // forms would import different bytes.
  EXPECT_EQ(ValueLine(RegValue{"raw", regtype::kSz, {0x41, 0x00}}), "\"raw\"=hex(1):41,00");
  EXPECT_EQ(ValueLine(RegValue{"empty", regtype::kSz, {}}), "\"empty\"=hex(1):");
  EXPECT_EQ(ValueLine(RegValue{"nul", regtype::kSz, {0x41, 0, 0, 0, 0x42, 0, 0, 0}}),
            "\"nul\"=hex(1):41,00,00,00,42,00,00,00");
  EXPECT_EQ(ValueLine(RegValue::String("lines", "a\r\nb")).substr(0, 15), "\"lines\"=hex(1):");
  EXPECT_EQ(ValueLine(RegValue{"short", regtype::kDword, {1, 2}}), "\"short\"=hex(4):01,02");
}

TEST(RegFile, BreaksLongHexDataLikeTheEditor) {
  const std::string line = ValueLine(RegValue::Binary("data", std::vector<uint8_t>(40, 0xAB)));
  EXPECT_EQ(line.substr(0, 12), "\"data\"=hex:a");
  size_t start = 0;
  int lines = 0;
  for (size_t end; (end = line.find("\r\n", start)) != std::string::npos; start = end + 2, ++lines) {
    const auto text = line.substr(start, end - start);
    EXPECT_LE(text.size(), 80u);
    EXPECT_EQ(text.back(), '\\');
    EXPECT_EQ(line.substr(end + 2, 2), "  ");
  }
  EXPECT_EQ(lines, 1);
}

TEST(RegFile, ReadsBackEveryValueByteForByte) {
  std::vector<RegFileKey> keys{
      {RegRoot::LocalMachine,
       "SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Старый [1]",
       {RegValue::String("", "C:\\Programme\\程序.exe"), RegValue::String("Quote\\\"", "\"x\"\\"),
        RegValue::Dword("SystemComponent", 0xFFFFFFFF), RegValue::Binary("b", std::vector<uint8_t>(300, 7)),
        RegValue::String("e", "%SystemRoot%\\a.exe", regtype::kExpandSz),
        RegValue::MultiString("m", {"one", "два"}), RegValue::Qword("q", 0x0102030405060708),
        RegValue{"raw", regtype::kSz, {0x41, 0x00}}, RegValue{"nul", regtype::kSz, {}},
        RegValue::Binary("none", {}, regtype::kNone)}},
      {RegRoot::LocalMachine, "SOFTWARE\\Empty", {}},
      {RegRoot::CurrentUser, "Software\\x", {RegValue::String("a", "")}},
  };
  const auto bytes = EncodeRegFile(keys);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFE);
  std::vector<RegFileKey> parsed;
  std::string error;
  ASSERT_TRUE(ParseRegFile(bytes, parsed, error)) << error;
  EXPECT_EQ(parsed, keys);
  EXPECT_TRUE(RegFileText(keys).starts_with("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\"));
}

TEST(RegFile, RefusesWhatIsNotABackup) {
  std::vector<RegFileKey> parsed;
  std::string error;
  const auto encode = [](std::string_view text) {
    std::vector<uint8_t> bytes{0xFF, 0xFE};
    for (char c : text) bytes.insert(bytes.end(), {static_cast<uint8_t>(c), 0});
    return bytes;
  };
  EXPECT_FALSE(ParseRegFile({'W', 'i'}, parsed, error));
  EXPECT_FALSE(ParseRegFile(encode("REGEDIT4\r\n"), parsed, error));
  EXPECT_FALSE(ParseRegFile(encode("Windows Registry Editor Version 5.00\r\n\"a\"=\"b\"\r\n"), parsed, error));
  EXPECT_FALSE(ParseRegFile(encode("Windows Registry Editor Version 5.00\r\n[-HKEY_CURRENT_USER\\x]\r\n"), parsed, error));
  EXPECT_FALSE(ParseRegFile(encode("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=-\r\n"), parsed, error));
  EXPECT_FALSE(ParseRegFile(encode("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:0g\r\n"), parsed, error));
  EXPECT_TRUE(ParseRegFile(encode("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\x]\r\n; note\r\n@=dword:00000001\r\n"), parsed, error)) << error;
  ASSERT_EQ(parsed.size(), 1u);
  EXPECT_EQ(parsed[0].values, std::vector<RegValue>{RegValue::Dword("", 1)});
}

TEST(RegFile, PlacesThe32BitViewUnderItsPhysicalPath) {
  EXPECT_EQ(PhysicalPath(RegRoot::LocalMachine, "SOFTWARE\\A", RegView::Force32, true),
            "SOFTWARE\\WOW6432Node\\A");
  EXPECT_EQ(PhysicalPath(RegRoot::LocalMachine, "SOFTWARE\\A", RegView::Force64, true), "SOFTWARE\\A");
  EXPECT_EQ(PhysicalPath(RegRoot::LocalMachine, "SOFTWARE\\A", RegView::Force32, false), "SOFTWARE\\A");
  EXPECT_EQ(PhysicalPath(RegRoot::CurrentUser, "Software\\A", RegView::Force32, true), "Software\\A");
  EXPECT_EQ(PhysicalPath(RegRoot::LocalMachine, "SOFTWARE\\Wow6432Node\\A", RegView::Force32, true),
            "SOFTWARE\\Wow6432Node\\A");
}

}  // namespace
}  // namespace qb::cleaner
