// How INI files are read and written, checked against whichever profile store the test
// program was built with: the memory one natively, the system's functions under Windows.
// Every reading is checked twice: asked of the store key by key, and answered from the
// whole file as the store gives it to a read cache.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "contract/fixtures.h"
#include "platform/profile_read_cache.h"

namespace qb {
namespace {

using ::testing::HasSubstr;

class ProfileContract : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { fixture_ = contract::MakeProfileFixture(); }
  ProfileStore& store() { return fixture_->Store(); }
  bool WholeFile() const { return GetParam(); }
  std::string Get(const std::string& file, std::string_view section, std::string_view key,
                  std::string_view fallback = "(none)", size_t buffer = 255) {
    if (!WholeFile()) return store().GetString(file, section, key, fallback, buffer);
    // A file the fixture wrote must be given whole; a cache made now sees its latest text.
    if (fixture_->ReadText(file)) {
      EXPECT_TRUE(store().ReadText(file)) << file;
    }
    ProfileReadCache cache(store());
    return cache.GetString(file, section, key, fallback, buffer);
  }

  std::unique_ptr<contract::ProfileFixture> fixture_;
};

TEST_P(ProfileContract, BufferKeepsOneCharacterForTheTerminator) {
  const std::string long_value(300, 'v');
  const std::string exact(254, 'e');
  const auto file = fixture_->NewFile(
      "cut.ini", "[s]\r\nlong=" + long_value + "\r\nexact=" + exact + "\r\nword=abcdef\r\n");
  EXPECT_EQ(Get(file, "s", "long"), std::string(254, 'v'));
  EXPECT_EQ(Get(file, "s", "exact"), exact);
  EXPECT_EQ(Get(file, "s", "word", "", 4), "abc");
  EXPECT_EQ(Get(file, "s", "word", "", 1), "");
  EXPECT_EQ(Get(file, "s", "word", "", 0), "");
  // The fallback is cut the same way.
  EXPECT_EQ(Get(file, "s", "missing", "fallback", 5), "fall");
}

TEST_P(ProfileContract, MissingFileSectionOrKeyGivesTheFallback) {
  const auto file = fixture_->NewFile("f.ini", "[present]\r\nkey=value\r\nbare\r\n");
  EXPECT_EQ(Get(fixture_->PathOf("absent.ini"), "present", "key"), "(none)");
  EXPECT_EQ(Get(file, "absent", "key"), "(none)");
  EXPECT_EQ(Get(file, "present", "absent"), "(none)");
  EXPECT_EQ(Get(file, "present", "bare"), "(none)");  // a line without '=' has no value
  EXPECT_EQ(Get(file, "present", "key"), "value");
  // Reading never creates the file.
  EXPECT_EQ(fixture_->ReadText(fixture_->PathOf("absent.ini")), std::nullopt);
}

TEST_P(ProfileContract, SectionAndKeyNamesIgnoreCase) {
  const auto file = fixture_->NewFile("case.ini", "[Vorlix]\r\nCaption=Text\r\n[Язык]\r\nКлюч=да\r\n");
  EXPECT_EQ(Get(file, "VORLIX", "caption"), "Text");
  EXPECT_EQ(Get(file, "vorlix", "CAPTION"), "Text");
  // Wine's profile functions fold the case of ASCII letters only; Windows, and the answers
  // from a whole file everywhere, fold all.
  EXPECT_EQ(Get(file, "ЯЗЫК", "ключ"), contract::RunningOnWine() && !WholeFile() ? "(none)" : "да");
}

TEST_P(ProfileContract, AnEmptyKeyNameFindsTheNamelessLine) {
  const auto file = fixture_->NewFile("e.ini", "[s]\r\n=nameless\r\n[t]\r\nk=v\r\n");
  EXPECT_EQ(Get(file, "s", ""), "nameless");
  EXPECT_EQ(Get(file, "t", ""), "(none)");
}

TEST_P(ProfileContract, BlanksAroundNamesAndValuesAreDropped) {
  const auto file = fixture_->NewFile(
      "blanks.ini", "  [s]  \r\n   key   =   spaced value   \r\n\tTab\t=\tx\t\r\nempty=\r\n");
  EXPECT_EQ(Get(file, "s", "key"), "spaced value");
  EXPECT_EQ(Get(file, "s", "tab"), "x");
  EXPECT_EQ(Get(file, "s", "empty"), "");
  EXPECT_EQ(Get(file, " s ", " key "), "spaced value");
}

TEST_P(ProfileContract, FallbackLosesTrailingBlanks) {
  const auto file = fixture_->NewFile("d.ini", "[s]\r\n");
  EXPECT_EQ(Get(file, "s", "missing", "  default   "), "  default");
}

TEST_P(ProfileContract, OnePairOfQuotesAroundAValueIsDropped) {
  const auto file = fixture_->NewFile(
      "q.ini", "[s]\r\ndouble=\"a b \"\r\nsingle='x'\r\nhalf=\"open\r\ninner=a\"b\"\r\n");
  EXPECT_EQ(Get(file, "s", "double"), "a b ");
  EXPECT_EQ(Get(file, "s", "single"), "x");
  EXPECT_EQ(Get(file, "s", "half"), "\"open");
  EXPECT_EQ(Get(file, "s", "inner"), "a\"b\"");
}

TEST_P(ProfileContract, CommentLinesAreNotKeysOfTheirOwnName) {
  const auto file = fixture_->NewFile("c.ini", "[s]\r\n;key=commented\r\nkey=real\r\n");
  EXPECT_EQ(Get(file, "s", "key"), "real");
}

TEST_P(ProfileContract, FirstOfTwoEqualKeysOrSectionsWins) {
  const auto file = fixture_->NewFile(
      "dup.ini", "[s]\r\nk=first\r\nK=second\r\n[d]\r\na=1\r\n[D]\r\nb=2\r\na=3\r\n");
  EXPECT_EQ(Get(file, "s", "k"), "first");
  EXPECT_EQ(Get(file, "d", "a"), "1");
  EXPECT_EQ(Get(file, "d", "b"), "(none)");  // the second [D] is never searched
}

TEST_P(ProfileContract, ValuesKeepEqualsSignsAndSemicolons) {
  const auto file = fixture_->NewFile("v.ini", "[s]\r\neq=a=b\r\ninline=v ; not a comment\r\n");
  EXPECT_EQ(Get(file, "s", "eq"), "a=b");
  EXPECT_EQ(Get(file, "s", "inline"), "v ; not a comment");
}

TEST_P(ProfileContract, WriteCreatesTheFileAndTheSection) {
  const auto file = fixture_->PathOf("new.ini");
  ASSERT_TRUE(store().WriteString(file, "Section", "Key", "Value"));
  EXPECT_EQ(fixture_->ReadText(file), "[Section]\r\nKey=Value\r\n");
  EXPECT_EQ(Get(file, "section", "key"), "Value");

  ASSERT_TRUE(store().WriteString(file, "Other", "k", "v"));
  EXPECT_EQ(Get(file, "Other", "k"), "v");
  EXPECT_EQ(Get(file, "Section", "Key"), "Value");
}

TEST_P(ProfileContract, WriteReplacesAKeyInPlaceAndKeepsTheRest) {
  const auto file = fixture_->NewFile(
      "edit.ini", "; kept comment\r\n[a]\r\none=1\r\nTwo=2\r\n[b]\r\nthree=3\r\n");
  ASSERT_TRUE(store().WriteString(file, "A", "two", "zwei"));
  ASSERT_TRUE(store().WriteString(file, "a", "four", "4"));
  EXPECT_EQ(Get(file, "a", "one"), "1");
  EXPECT_EQ(Get(file, "a", "two"), "zwei");
  EXPECT_EQ(Get(file, "a", "four"), "4");
  EXPECT_EQ(Get(file, "b", "three"), "3");
  const auto text = fixture_->ReadText(file);
  ASSERT_TRUE(text);
  EXPECT_THAT(*text, HasSubstr("; kept comment"));
  EXPECT_THAT(*text, HasSubstr("Two=zwei"));  // the key keeps its spelling in the file
  EXPECT_EQ(text->find("two="), std::string::npos);
  // The new key joins its own section, before the next one.
  EXPECT_LT(text->find("four=4"), text->find("[b]"));
}

TEST_P(ProfileContract, WrittenValuesLoseLeadingBlanks) {
  const auto file = fixture_->PathOf("lead.ini");
  ASSERT_TRUE(store().WriteString(file, "s", "k", "   lead and trail   "));
  EXPECT_EQ(Get(file, "s", "k"), "lead and trail");
}

TEST_P(ProfileContract, NonLatinTextWrittenIntoANewFileIsKept) {
  // The system's writer makes new files in the ANSI code page, where this text would
  // become '?' while the write reports success.
  const auto file = fixture_->PathOf("new-unicode.ini");
  ASSERT_TRUE(store().WriteString(file, "Раздел", "ключ", "значение 中文"));
  EXPECT_EQ(Get(file, "Раздел", "ключ"), "значение 中文");
  ASSERT_TRUE(store().WriteString(file, "Раздел", "plain", "ascii"));
  EXPECT_EQ(Get(file, "Раздел", "ключ"), "значение 中文");
  EXPECT_EQ(Get(file, "Раздел", "plain"), "ascii");
}

TEST_P(ProfileContract, NonLatinTextRoundTrips) {
  const auto file = fixture_->NewFile("u.ini", "[Надписи]\r\n101=Файл\r\n");
  EXPECT_EQ(Get(file, "Надписи", "101"), "Файл");
  ASSERT_TRUE(store().WriteString(file, "Надписи", "102", "編集"));
  EXPECT_EQ(Get(file, "Надписи", "102"), "編集");
}

INSTANTIATE_TEST_SUITE_P(, ProfileContract, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WholeFile" : "KeyByKey"; });

}  // namespace
}  // namespace qb
