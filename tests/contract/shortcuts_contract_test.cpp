// Shortcut files as the cleaner and the registry tools read them, checked against whichever
// shortcut service the test program was built with: the memory one natively, the shell's
// under Windows. Each test works in a scratch folder of its own.
#include <gtest/gtest.h>

#include "contract/fixtures.h"

namespace qb {
namespace {

// The system's result for one of its own error codes.
constexpr int32_t FromCode(Status code) {
  return static_cast<int32_t>(0x80070000u | static_cast<uint32_t>(code));
}

class ShortcutsContract : public ::testing::Test {
 protected:
  void SetUp() override { fixture_ = contract::MakeShortcutFixture(); }
  Shortcuts& shortcuts() { return fixture_->Service(); }

  std::unique_ptr<contract::ShortcutFixture> fixture_;
};

TEST_F(ShortcutsContract, TargetsReadBackAsWritten) {
  const std::string folder = fixture_->PathOf("");
  std::vector<std::string> targets = {
      fixture_->NotAShortcut("tool.exe", "MZ"),
      folder.substr(0, folder.size() - 1),             // a folder
      fixture_->PathOf("gone.exe"),                     // a file that is not there
      fixture_->PathOf("with blanks and, commas.txt"),  // not there either
  };
  // Wine's shortcuts keep the target in the ANSI code page only, so letters outside it
  // read back as '?'; Windows keeps them.
  if (!contract::RunningOnWine()) targets.push_back(fixture_->NotAShortcut("Программа 程序.exe", "MZ"));
  int n = 0;
  for (const auto& target : targets) {
    const std::string link = fixture_->PathOf("link" + std::to_string(++n) + ".lnk");
    ASSERT_EQ(shortcuts().Create(link, target), status::kOk) << target;
    const ShortcutTarget read = shortcuts().ReadTarget(link);
    EXPECT_EQ(read.error, 0) << target << ": " << read.error_text;
    EXPECT_EQ(read.error_text, "") << target;
    EXPECT_EQ(read.path, target);
  }
}

TEST_F(ShortcutsContract, ANewShortcutReplacesTheOldAndNamesIgnoreCase) {
  const std::string link = fixture_->PathOf("Tool.lnk");
  const std::string first = fixture_->NotAShortcut("first.exe", "MZ");
  const std::string second = fixture_->NotAShortcut("second.exe", "MZ");
  ASSERT_EQ(shortcuts().Create(link, first), status::kOk);
  ASSERT_EQ(shortcuts().Create(fixture_->PathOf("TOOL.LNK"), second), status::kOk);
  EXPECT_EQ(shortcuts().ReadTarget(link).path, second);
  EXPECT_EQ(shortcuts().ReadTarget(fixture_->PathOf("tool.lnk")).path, second);
}

TEST_F(ShortcutsContract, UnreadableShortcutsGiveTheSystemsErrorAndItsText) {
  struct Case {
    const char* what;
    std::string path;
    int32_t error;  // 0: any failure (the shell says E_FAIL, "Unspecified error")
  };
  const Case cases[] = {
      {"missing", fixture_->PathOf("missing.lnk"), FromCode(status::kFileNotFound)},
      {"in a missing folder", fixture_->PathOf("Missing\\x.lnk"), FromCode(status::kPathNotFound)},
      {"empty", fixture_->NotAShortcut("empty.lnk", ""), 0},
      {"text", fixture_->NotAShortcut("text.lnk", "[InternetShortcut]\r\nURL=http://x\r\n"), 0},
      {"short header", fixture_->NotAShortcut("short.lnk", std::string("L\0\0\0", 4)), 0},
  };
  for (const auto& c : cases) {
    const ShortcutTarget read = shortcuts().ReadTarget(c.path);
    EXPECT_EQ(read.path, "") << c.what;
    if (c.error) {
      EXPECT_EQ(read.error, c.error) << c.what;
    } else {
      EXPECT_LT(read.error, 0) << c.what;
    }
    // The texts the program shows come in one form, whoever gives them.
    ASSERT_FALSE(read.error_text.empty()) << c.what;
    EXPECT_NE(read.error_text.back(), '.') << c.what << ": " << read.error_text;
    EXPECT_EQ(read.error_text.find('\n'), std::string::npos) << c.what << ": " << read.error_text;
    if ((static_cast<uint32_t>(read.error) & 0xFFFF0000u) == 0x80070000u) {
      EXPECT_EQ(read.error_text, fixture_->Texts().ErrorText(read.error & 0xFFFF)) << c.what;
    }
  }
}

}  // namespace
}  // namespace qb
