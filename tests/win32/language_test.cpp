// The language catalogue against the real registry and real INI files.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dress/form_language.h"
#include "language/language_catalogue.h"
#include "language/language_list.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"
#include "win32/temp_path.h"

namespace qb::language {
namespace {

using dress::ApplyLanguage;

class Win32LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = test_support::TempPath("qb-language-");
    CreateDirectoryW(win32::Wide(folder_).c_str(), nullptr);
    CreateDirectoryW(win32::Wide(folder_ + "\\languages").c_str(), nullptr);
  }
  void TearDown() override {
    DeleteFileW(win32::Wide(LanguageFilePath(folder_, "English")).c_str());
    RemoveDirectoryW(win32::Wide(folder_ + "\\languages").c_str());
    RemoveDirectoryW(win32::Wide(folder_).c_str());
  }
  void WriteLanguage(const std::string& text) {
    win32::ScopedFile file(CreateFileW(win32::Wide(LanguageFilePath(folder_, "English")).c_str(),
                                       GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }

  std::string folder_;
  win32::Win32ProfileStore profile_;
};

TEST_F(Win32LanguageTest, CaptionsFromARealFileAreCutAt254Characters) {
  WriteLanguage("[Vorlix]\r\n7010=System Health\r\n7002=" + std::string(400, 'x') + "\r\n");
  EXPECT_EQ(LookUp(profile_, folder_, "7010", "English"), "System Health");
  EXPECT_EQ(LookUp(profile_, folder_, "7002", "English"), std::string(254, 'x'));
  EXPECT_EQ(LookUp(profile_, folder_, "9999", "English"), "");
  EXPECT_EQ(LookUp(profile_, folder_, "7010", ""), "System Health");  // an unset choice reads English
}

// Through the system's profile reader: a choice that leads nowhere falls back to English,
// and English removed, emptied or garbage leaves the design captions.
TEST_F(Win32LanguageTest, AnUnusableLanguageFileLeavesReadableCaptions) {
  ui::Form form{"mainform", "Quill Box", 1000, 1000};
  auto& apply = form.Add({.name = "applycmd", .kind = ui::ControlKind::CommandButton, .caption = "Apply",
                          .tag = "1016"});
  WriteLanguage("[Vorlix]\r\n1016=Apply now\r\n");
  for (const char* choice : {"", "Klingon", "..\\..\\windows\\win", "..\\languages\\English"}) {
    apply.SetCaption("Apply");
    ApplyLanguage(form, profile_, folder_, choice);
    EXPECT_EQ(apply.Caption(), "Apply now") << choice;
  }
  const std::string broken[] = {"", std::string("\xff\xfe\x00\x01[[=\r\n\x80garbage", 16),
                                "[Other]\r\n1016=Wrong\r\n"};
  for (const std::string& text : broken) {
    WriteLanguage(text);
    apply.SetCaption("Apply");
    ApplyLanguage(form, profile_, folder_, "English");
    EXPECT_EQ(apply.Caption(), "Apply");
    EXPECT_EQ(LookUp(profile_, folder_, "7010", "English", "System Health"), "System Health");
  }
  DeleteFileW(win32::Wide(LanguageFilePath(folder_, "English")).c_str());
  ApplyLanguage(form, profile_, folder_, "Klingon");
  EXPECT_EQ(apply.Caption(), "Apply");
}

TEST(Win32LanguageChoice, RoundTripsThroughTheRealRegistry) {
  win32::Win32Registry registry;
  AppSettings settings(registry);
  const RegKeyPath app{RegRoot::CurrentUser, "Software\\VB and VBA Program Settings\\Vorlix"};
  const std::string before = StoredChoice(settings);
  ASSERT_EQ(StoreChoice(settings, "English"), status::kOk);
  EXPECT_EQ(StoredChoice(settings), "English");
  RegValue raw;
  ASSERT_EQ(registry.QueryValue(app.Child("Language"), "lng", raw), status::kOk);
  EXPECT_EQ(raw.type, regtype::kSz);
  // Leave the prefix as it was found.
  if (before.empty()) {
    registry.DeleteValue(app.Child("Language"), "lng");
  } else {
    StoreChoice(settings, before);
  }
}

// The translations shipped beside the program, read by the system's own profile reader:
// their accented letters arrive whole and the list offers each of them.
TEST(Win32ShippedLanguages, AccentedCaptionsSurviveTheProfileReader) {
  win32::Win32Environment environment;
  win32::Win32FileSystem files;
  win32::Win32ProfileStore profile;
  const std::string folder = environment.ApplicationFolder();
  EXPECT_EQ(LookUp(profile, folder, "1016", "German"), "\u00dc&bernehmen");
  EXPECT_EQ(LookUp(profile, folder, "5018", "German"),
            "Befehl \u201eHerunterfahren\u201c entfernen");
  EXPECT_EQ(LookUp(profile, folder, "1007", "French"), "\u00c9&tat du syst\u00e8me");
  EXPECT_EQ(LookUp(profile, folder, "1020", "French"), "V\u00e9rifier && r\u00e9parer");
  const auto languages = AvailableLanguages(files, folder);
  ASSERT_FALSE(languages.empty());
  EXPECT_EQ(languages.front(), "English");
  EXPECT_THAT(languages, ::testing::IsSupersetOf({"French", "German"}));
}

}  // namespace
}  // namespace qb::language
