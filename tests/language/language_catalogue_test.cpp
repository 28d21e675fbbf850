#include "language/language_catalogue.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_registry.h"

namespace qb::language {
namespace {

constexpr const char* kFolder = "C:\\App";

class LanguageTest : public ::testing::Test {
 protected:
  void SetFile(const std::string& language, const std::string& text) {
    profile.SetFile(LanguageFilePath(kFolder, language), text);
  }
  MemoryProfileStore profile;
  ui::Form form{"f", "F", 1000, 1000};
};

TEST_F(LanguageTest, FilePathIsTheLanguagesFolderOfTheApplication) {
  EXPECT_EQ(LanguageFilePath(kFolder, "English"), "C:\\App\\languages\\English.ini");
  EXPECT_EQ(LanguageFilePath(kFolder, ""), "C:\\App\\languages\\.ini");
}

TEST_F(LanguageTest, ApplySetsCaptionsByTagAndLeavesTheRestAlone) {
  SetFile("English", "[Vorlix]\r\n1016=Apply\r\n2000=Processor usage\r\n1020=Check && Repair\r\n");
  auto& apply = form.Add({.name = "applycmd", .kind = ui::ControlKind::CommandButton,
                          .caption = "x", .tag = "1016"});
  auto& frame = form.Add({.name = "Frame7", .kind = ui::ControlKind::Frame, .tag = "2000"});
  auto& repair = form.Add({.name = "checkcmd", .kind = ui::ControlKind::CommandButton,
                           .tag = "1020"});
  auto& untagged = form.Add({.name = "Label1", .kind = ui::ControlKind::Label, .caption = "37 %"});
  auto& slider = form.Add({.name = "Slider1", .kind = ui::ControlKind::Slider, .tag = "1016"});
  auto& missing = form.Add({.name = "other", .kind = ui::ControlKind::Label, .caption = "design",
                            .tag = "9999"});
  ApplyLanguage(form, profile, kFolder, "English");
  EXPECT_EQ(apply.Caption(), "Apply");
  EXPECT_EQ(frame.Caption(), "Processor usage");
  EXPECT_EQ(repair.Caption(), "Check && Repair");
  EXPECT_EQ(untagged.Caption(), "37 %");
  EXPECT_EQ(slider.Caption(), "");  // no caption to set
  EXPECT_EQ(missing.Caption(), "");  // a missing key empties the caption
}

TEST_F(LanguageTest, MissingFileEmptiesEveryTaggedCaption) {
  auto& apply = form.Add({.name = "applycmd", .kind = ui::ControlKind::CommandButton,
                          .caption = "Apply", .tag = "1016"});
  ApplyLanguage(form, profile, kFolder, "Klingon");
  EXPECT_EQ(apply.Caption(), "");
  EXPECT_EQ(LookUp(profile, kFolder, "7010", "Klingon"), "");
}

TEST_F(LanguageTest, LongValuesAreCutTo254Characters) {
  const std::string long_text(300, 'w');
  SetFile("English", "[Vorlix]\r\n7010=" + long_text + "\r\n3000=" + std::string(254, 'z') + "\r\n");
  EXPECT_EQ(LookUp(profile, kFolder, "7010", "English"), std::string(254, 'w'));
  EXPECT_EQ(LookUp(profile, kFolder, "3000", "English"), std::string(254, 'z'));
}

TEST_F(LanguageTest, ChoiceIsStoredAsTheApplicationSetting) {
  MemoryRegistry registry;
  AppSettings settings(registry);
  EXPECT_EQ(StoredChoice(settings), "");
  StoreChoice(settings, "English");
  RegValue stored;
  ASSERT_EQ(registry.QueryValue({RegRoot::CurrentUser,
                                 "Software\\VB and VBA Program Settings\\Vorlix\\Language"},
                                "lng", stored),
            status::kOk);
  EXPECT_EQ(stored.type, regtype::kSz);
  EXPECT_EQ(stored.AsString(), "English");
  EXPECT_EQ(StoredChoice(settings), "English");
}

}  // namespace
}  // namespace qb::language
