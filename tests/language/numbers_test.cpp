// Numbers in the marks of each shipped language, read from its file as the program does.
#include "language/numbers.h"

#include <gtest/gtest.h>

#include "language/language_catalogue.h"
#include "platform/memory/memory_profile.h"
#include "platform/text.h"
#include "support/source_files.h"

namespace qb::language {
namespace {

constexpr const char* kFolder = "C:\\App";

TEST(NumberMarksTest, EachShippedLanguageGroupsThousandsAndMarksDecimalsItsOwnWay) {
  MemoryProfileStore profile;
  for (const char* language : {"English", "German", "French"}) {
    const auto bytes = testing::ReadSourceBytes("resources/data/languages/" + std::string(language) + ".ini");
    const bool utf16 = text::HasUtf16LeMark(bytes);
    profile.SetFile(LanguageFilePath(kFolder, language),
                    utf16 ? text::Utf16ToUtf8(text::Utf16LeUnits(bytes, 2)) : std::string(bytes.begin(), bytes.end()));
  }
  const struct {
    const char* language;
    const char* large;  // 1234567.25
    const char* count;  // -1234
  } cases[] = {
      {"English", "1,234,567.25", "-1,234"},
      {"German", "1.234.567,25", "-1.234"},
      {"French", "1\u202f234\u202f567,25", "-1\u202f234"},
  };
  for (const auto& c : cases) {
    const NumberMarks marks = MarksOf(profile, kFolder, c.language);
    EXPECT_EQ(Marked("1234567.25", marks), c.large) << c.language;
    EXPECT_EQ(Marked("-1234", marks), c.count) << c.language;
    EXPECT_EQ(Marked("999", marks), "999") << c.language;
    for (const char* not_plain : {"", "12.", "1.2.3", "1,234", "7 MB", "-"}) {
      EXPECT_EQ(Marked(not_plain, marks), not_plain) << c.language;
    }
  }
  // A language whose file leaves the marks out writes numbers the English way.
  profile.SetFile(LanguageFilePath(kFolder, "Plain"), "[Vorlix]\r\n8000=x\r\n");
  EXPECT_EQ(Marked("12345.5", MarksOf(profile, kFolder, "Plain")), "12,345.5");
}

}  // namespace
}  // namespace qb::language
