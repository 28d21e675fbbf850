// Writing into INI text edits it in place, as the system does with a file on disk: a
// rewrite from the parsed form would lose comments and lines outside any section.
#include <gtest/gtest.h>

#include "platform/ini_text.h"

namespace qb {
namespace {

TEST(IniTextEdit, ReplacesOnlyTheValueOfTheFirstMatchingKey) {
  const std::string text = "; header comment\r\n[A]\r\n  One = 1 \r\n; note\r\none=dup\r\n[b]\r\n";
  EXPECT_EQ(IniText::Edit(text, " a ", "ONE", "  new"),
            "; header comment\r\n[A]\r\n  One=new\r\n; note\r\none=dup\r\n[b]\r\n");
}

TEST(IniTextEdit, AddsAMissingKeyAfterTheLastLineOfItsSection) {
  EXPECT_EQ(IniText::Edit("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3"),
            "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
  EXPECT_EQ(IniText::Edit("[a]\r\nx=1", "a", "z", "3"), "[a]\r\nx=1\r\nz=3\r\n");
  EXPECT_EQ(IniText::Edit("[a]", "A", "z", "3"), "[a]\r\nz=3\r\n");
  // Only the first of two sections of one name takes the new key.
  EXPECT_EQ(IniText::Edit("[a]\r\n[b]\r\n[a]\r\n", "a", "k", "v"), "[a]\r\nk=v\r\n[b]\r\n[a]\r\n");
}

TEST(IniTextEdit, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(IniText::Edit("", "s", "k", "v"), "[s]\r\nk=v\r\n");
  EXPECT_EQ(IniText::Edit("orphan line", "s", "k", "v"), "orphan line\r\n[s]\r\nk=v\r\n");
  // A commented-out header or key is not the real one.
  EXPECT_EQ(IniText::Edit(";[s]\r\n", "s", "k", "v"), ";[s]\r\n[s]\r\nk=v\r\n");
  EXPECT_EQ(IniText::Edit("[s]\r\n;k=old\r\n", "s", "k", "v"), "[s]\r\n;k=old\r\nk=v\r\n");
}

TEST(IniTextParse, LinesWithoutEqualsOrClosingBracketAreKeysWithoutValues) {
  const auto ini = IniText::Parse("[s]\r\nbare\r\n[broken\r\nk=v\r\n");
  ASSERT_EQ(ini.Sections().size(), 1u);
  EXPECT_EQ(ini.Get("s", "bare"), std::nullopt);
  EXPECT_EQ(ini.Get("s", "k"), "v");  // "[broken" opened no section
  EXPECT_EQ(ini.Get(" s ", " K "), "v");
}

}  // namespace
}  // namespace qb
