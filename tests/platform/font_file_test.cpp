#include "platform/font_file.h"

#include <gtest/gtest.h>

#include "support/font_bytes.h"

namespace qb {
namespace {

using test_support::FontName;
using test_support::FontWithNames;

TEST(FontFile, ReadsFamilyAndFullNameOfTheWindowsRecords) {
  const auto names = ReadFontNames(test_support::SimpleFont(u"Quill Sans", u"Quill Sans Bold"));
  ASSERT_TRUE(names);
  EXPECT_EQ(names->family, "Quill Sans");
  EXPECT_EQ(names->full_name, "Quill Sans Bold");
  EXPECT_EQ(FontListName(*names), "Quill Sans Bold (TrueType)");
}

TEST(FontFile, PrefersEnglishWindowsNamesAndReadsTextBeyondAscii) {
  const auto names = ReadFontNames(FontWithNames({
      {.platform = 1, .encoding = 0, .language = 0, .id = 1, .text = u"Mac Name"},
      {.language = 0x0407, .id = 1, .text = u"Schrift \u00DC"},
      {.language = 0x0409, .id = 1, .text = u"\u0428\u0440\u0438\u0444\u0442"},
  }));
  ASSERT_TRUE(names);
  EXPECT_EQ(names->family, "\xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82");
  EXPECT_EQ(names->full_name, names->family) << "no full name: the family stands in";
}

TEST(FontFile, MacRomanNamesServeWhenNothingElseIsThere) {
  const auto names = ReadFontNames(
      FontWithNames({{.platform = 1, .encoding = 0, .language = 0, .id = 1, .text = u"Old Face"}}));
  ASSERT_TRUE(names);
  EXPECT_EQ(names->family, "Old Face");
}

TEST(FontFile, CffOutlinesAreListedAsOpenType) {
  const auto names = ReadFontNames(FontWithNames({{.id = 1, .text = u"Curvy"}}, 0x4F54544F));
  ASSERT_TRUE(names);
  EXPECT_EQ(FontListName(*names), "Curvy (OpenType)");
}

TEST(FontFile, ACollectionGivesItsFirstFont) {
  std::vector<uint8_t> collection;
  test_support::PutU32(collection, 0x74746366);  // "ttcf"
  test_support::PutU32(collection, 0x00010000);
  test_support::PutU32(collection, 1);
  test_support::PutU32(collection, 16);
  auto font = test_support::SimpleFont(u"Gathered");
  // The table offsets of a collection member count from the start of the collection.
  test_support::SetU32(font, 20, 28 + 16);
  collection.insert(collection.end(), font.begin(), font.end());
  const auto names = ReadFontNames(collection);
  ASSERT_TRUE(names);
  EXPECT_EQ(names->family, "Gathered");
}

TEST(FontFile, FilesThatAreNotFontsOrLieAboutTheirLengthGiveNothing) {
  const auto good = test_support::SimpleFont(u"Quill Sans");
  auto beyond_end = good;
  test_support::SetU32(beyond_end, 20, 4000);  // the name table's offset past the end
  auto long_string = good;
  long_string[28 + 6 + 8] = 0x7F;  // the record's length past the end
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
      {"empty", {}},
      {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}},
      {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 12)},
      {"cut in the name table", std::vector<uint8_t>(good.begin(), good.begin() + 40)},
      {"table past the end", beyond_end},
      {"string past the end", long_string},
      {"no family", FontWithNames({{.id = 4, .text = u"Only Full"}})},
      {"blank family", FontWithNames({{.id = 1, .text = u"   "}})},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_FALSE(ReadFontNames(bytes)) << name;
  }
  for (size_t cut = 0; cut < good.size(); ++cut) {
    EXPECT_FALSE(ReadFontNames(std::vector<uint8_t>(good.begin(), good.begin() + cut))) << cut;
  }
}

}  // namespace
}  // namespace qb
