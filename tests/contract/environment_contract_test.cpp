// The folders, variables and error texts of the machine, checked against whichever
// environment the test program was built with: the memory one natively, the real one under
// Windows.
#include <gtest/gtest.h>

#include "contract/fixtures.h"
#include "platform/text.h"

namespace qb {
namespace {

class EnvironmentContract : public ::testing::Test {
 protected:
  void SetUp() override { fixture_ = contract::MakeEnvironmentFixture(); }
  Environment& environment() { return fixture_->Service(); }

  std::unique_ptr<contract::EnvironmentFixture> fixture_;
};

TEST_F(EnvironmentContract, FoldersAreFullPathsOfFoldersThatExist) {
  const std::pair<const char*, std::string> folders[] = {
      {"application", environment().ApplicationFolder()},
      {"local application data", environment().LocalAppDataFolder()},
      {"Windows", environment().WindowsFolder()},
      {"Start Menu", environment().StartMenuFolder()},
  };
  for (const auto& [what, folder] : folders) {
    ASSERT_GE(folder.size(), 3u) << what;
    EXPECT_EQ(folder.substr(1, 2), ":\\") << what << ": " << folder;
    EXPECT_NE(folder.back(), '\\') << what << ": " << folder;
    uint32_t attributes = 0;
    EXPECT_EQ(fixture_->Files().GetAttributes(folder, attributes), status::kOk) << what << ": " << folder;
    EXPECT_TRUE(attributes & fileattr::kDirectory) << what << ": " << folder;
  }
}

TEST_F(EnvironmentContract, VariablesExpandAsTheSystemExpandsThem) {
  const std::string windows = environment().WindowsFolder();
  struct Case {
    std::string text;
    std::string expanded;
  };
  const Case cases[] = {
      {"%SystemRoot%", windows},
      {"%windir%\\System32", windows + "\\System32"},
      {"%SYSTEMROOT%", windows},  // names ignore case
      {"%SystemRoot%%windir%", windows + windows},
      {"", ""},
      {"plain text", "plain text"},
      {"%QbNoSuchVariable%", "%QbNoSuchVariable%"},
      {"100% sure", "100% sure"},
      {"%", "%"},
      {"%%", "%%"},
      // An unknown name stays as written with both its signs; neither opens another name.
      {"%%SystemRoot%", "%%SystemRoot%"},
      {"%QbNoSuch%SystemRoot%", "%QbNoSuch%SystemRoot%"},
      {"%QbNoSuch%%SystemRoot%", "%QbNoSuch%" + windows},
      {"a%QbNoSuch%b%SystemRoot%", "a%QbNoSuch%b" + windows},
      {"Файл %windir% 中文", "Файл " + windows + " 中文"},
  };
  for (const auto& c : cases) EXPECT_EQ(environment().ExpandVariables(c.text), c.expanded) << c.text;
}

TEST_F(EnvironmentContract, ErrorTextsAreTheSystemsWithoutTrailingPeriodOrBreak) {
  const bool wine = contract::RunningOnWine();
  struct Case {
    Status code;
    const char* windows;
    const char* wine;  // where Wine's message table says it otherwise
  };
  const Case cases[] = {
      {status::kFileNotFound, "The system cannot find the file specified", "File not found"},
      {status::kPathNotFound, "The system cannot find the path specified", "Path not found"},
      {status::kAccessDenied, "Access is denied", "Access denied"},
      {status::kNotReady, "The device is not ready", "Not ready"},
      {status::kFileExists, "The file exists", "File exists"},
      {status::kDirNotEmpty, "The directory is not empty", "Directory is not empty"},
      {status::kAlreadyExists, "Cannot create a file when that file already exists", "File already exists"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(environment().ErrorText(c.code), wine ? c.wine : c.windows) << c.code;
  }
  for (Status code : {status::kOk, status::kInvalidHandle, status::kWriteFault, status::kBadNetPath,
                      status::kInvalidParameter, status::kMoreData, status::kNoMoreItems,
                      status::kBadKey, status::kCantOpenKey, status::kPrivilegeNotHeld,
                      Status{123}, Status{267}, Status{17}, Status{112}}) {
    const std::string text = environment().ErrorText(code);
    ASSERT_FALSE(text.empty()) << code;
    EXPECT_EQ(std::string_view(".\r ").find(text.back()), std::string_view::npos) << code << ": " << text;
    EXPECT_EQ(text.find('\n'), std::string::npos) << code << ": " << text;
    EXPECT_NE(text.rfind("Error ", 0), 0u) << code << " has no text of its own: " << text;
  }
  EXPECT_EQ(environment().ErrorText(987654), "Error 987654");
}

}  // namespace
}  // namespace qb
