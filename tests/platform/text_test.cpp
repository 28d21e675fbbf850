// UTF-8 <-> UTF-16 at the system boundary and the case folding used for registry and file
// names. Bad input must never turn into a different valid character: an overlong '/' or
// an encoded surrogate passed on as itself could slip past a path or name check.
#include <gtest/gtest.h>

#include "platform/text.h"

namespace qb::text {
namespace {

TEST(TextConversion, RoundTripsEveryPlaneIncludingSurrogatePairs) {
  const std::string samples[] = {"plain", "Привет", "中文", "é", "\xF0\x9F\x98\x80 smile",
                                 "\xF4\x8F\xBF\xBF", std::string("nul\0inside", 10)};
  for (const auto& sample : samples) EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(sample)), sample);
  EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\xD83D\xDE00");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
}

TEST(TextConversion, LoneSurrogatesInUtf16BecomeReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(u"\xD83D"), "\xEF\xBF\xBD");  // high half at the very end
  EXPECT_EQ(Utf16ToUtf8(u"\xDE00\xD83D"), "\xEF\xBF\xBD\xEF\xBF\xBD");  // halves swapped
}

TEST(TextConversion, InvalidUtf8BecomesOneReplacementPerBadSequence) {
  const std::u16string bad = u"\xFFFD";
  EXPECT_EQ(Utf8ToUtf16("\xFF"), bad);
  EXPECT_EQ(Utf8ToUtf16("\x80"), bad);                       // stray continuation byte
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a" + bad);               // cut short at the end
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8" "A"), bad + u"A");        // cut short before ASCII
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), bad + bad);             // overlong '/'
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\xAF"), bad + bad + bad);   // overlong '/' in three bytes
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), bad + bad + bad);   // an encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), bad + bad + bad + bad);  // past U+10FFFF
  EXPECT_EQ(Utf8ToUtf16("\xF8\x88\x80\x80\x80"), std::u16string(5, u'\xFFFD'));
}

TEST(TextCaseFolding, UpperCasesTheCommonAlphabetsUnitByUnit) {
  EXPECT_EQ(UpperUtf16(u"abcxyz"), u"ABCXYZ");
  EXPECT_EQ(UpperUtf16(u"\u00E9\u00FE\u00F7\u00FF\u00DF"), u"\u00C9\u00DE\u00F7\u0178\u00DF");
  EXPECT_EQ(UpperUtf16(u"\u0101\u013A\u017E\u0149"), u"\u0100\u0139\u017D\u0149");
  EXPECT_EQ(UpperUtf16(u"\u03B1\u03C9"), u"\u0391\u03A9");
  EXPECT_EQ(UpperUtf16(u"\u0430\u044F\u0451\u045F"), u"\u0410\u042F\u0401\u040F");
  EXPECT_EQ(UpperUtf16(u"\uFF41\u4E2D\xD83D\xDE00"), u"\uFF21\u4E2D\xD83D\xDE00");
}

TEST(TextCaseFolding, ComparesNamesTheWayTheRegistrySortsThem) {
  EXPECT_TRUE(EqualsNoCase("Software", "SOFTWARE"));
  EXPECT_TRUE(EqualsNoCase("Ёлка", "ёЛКА"));
  EXPECT_FALSE(EqualsNoCase("Software", "Softwar"));
  EXPECT_FALSE(EqualsNoCase("e", "é"));
  EXPECT_EQ(CompareNoCase("abc", "ABC"), 0);
  EXPECT_LT(CompareNoCase("a", "B"), 0);
  EXPECT_LT(CompareNoCase("Z", "_"), 0);  // upper-cased units: 'Z' 0x5A before '_' 0x5F
  EXPECT_LT(CompareNoCase("B", "B2"), 0);
  EXPECT_GT(CompareNoCase("Я", "a"), 0);
}

}  // namespace
}  // namespace qb::text
