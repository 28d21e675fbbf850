#include "platform/font_file.h"

#include <gtest/gtest.h>

#include "support/font_bytes.h"

namespace qb {
namespace {

using test_support::FontWithNames;

// Windows records in English come first; a missing full name takes the family's.
TEST(FontFile, ReadsTheFamilyFullAndListNames) {
  const struct { const char* what; std::vector<uint8_t> bytes; const char* family; const char* list_name; } cases[] = {
      {"windows records", test_support::SimpleFont(u"Quill Sans", u"Quill Sans Bold"), "Quill Sans",
       "Quill Sans Bold (TrueType)"},
      {"english beyond ascii",
       FontWithNames({{.platform = 1, .encoding = 0, .language = 0, .id = 1, .text = u"Mac Name"},
                      {.language = 0x0407, .id = 1, .text = u"Schrift \u00DC"},
                      {.language = 0x0409, .id = 1, .text = u"\u0428\u0440\u0438\u0444\u0442"}}),
       "\xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82", "\xD0\xA8\xD1\x80\xD0\xB8\xD1\x84\xD1\x82 (TrueType)"},
      {"mac roman only", FontWithNames({{.platform = 1, .encoding = 0, .language = 0, .id = 1, .text = u"Old Face"}}),
       "Old Face", "Old Face (TrueType)"},
      {"cff outlines", FontWithNames({{.id = 1, .text = u"Curvy"}}, 0x4F54544F), "Curvy", "Curvy (OpenType)"},
  };
  for (const auto& c : cases) {
    const auto names = ReadFontNames(c.bytes);
    ASSERT_TRUE(names) << c.what;
    EXPECT_EQ(names->family, c.family) << c.what;
    EXPECT_EQ(FontListName(*names), c.list_name) << c.what;
  }
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
