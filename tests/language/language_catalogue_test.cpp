#include "language/language_catalogue.h"

#include <gtest/gtest.h>

#include "dress/form_language.h"
#include "platform/memory/memory_profile.h"
#include "platform/memory/memory_registry.h"

namespace qb::language {
namespace {

// The language pass over a window is where a choice's fallbacks show.
using dress::ApplyLanguage;

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
  EXPECT_EQ(missing.Caption(), "design");  // a key the file lacks keeps the caption
}

TEST_F(LanguageTest, AnEmptyValueIsACaptionOfItsOwn) {
  SetFile("English", "[Vorlix]\r\n7014=\r\n");
  auto& sub = form.Add({.name = "VoptionsFrame", .kind = ui::ControlKind::Frame, .caption = "x", .tag = "7014"});
  ApplyLanguage(form, profile, kFolder, "English");
  EXPECT_EQ(sub.Caption(), "");
}

TEST(LanguageName, OnlyAPlainFileNameIsALanguage) {
  struct Case {
    const char* name;
    bool plain;
  } cases[] = {
      {"English", true},        {"Deutsch (Schweiz)", true}, {"Fran\xC3\xA7" "ais", true},
      {"", false},              {".", false},                 {"..", false},
      {"..\\..\\windows\\win", false}, {"../win", false}, {"C:English", false},
      {"\\\\server\\share\\x", false}, {"English.", false}, {"English ", false},
      {"a*b", false},           {"tab\there", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPlainLanguageName(c.name), c.plain) << c.name;
  EXPECT_TRUE(IsPlainLanguageName(std::string(kMaxLanguageNameLength, 'a')));
  EXPECT_FALSE(IsPlainLanguageName(std::string(kMaxLanguageNameLength + 1, 'a')));
}

// A language choice that leads nowhere must not leave the windows without captions.
class UnusableLanguageTest : public LanguageTest {
 protected:
  UnusableLanguageTest() {
    form.Add({.name = "applycmd", .kind = ui::ControlKind::CommandButton, .caption = "Apply", .tag = "1016"});
    form.Add({.name = "Command1", .kind = ui::ControlKind::CommandButton, .caption = "Explorer", .tag = "7003"});
  }
  std::string Apply(const std::string& choice) {
    ApplyLanguage(form, profile, kFolder, choice);
    return form["applycmd"].Caption() + "|" + form["Command1"].Caption();
  }
};

TEST_F(UnusableLanguageTest, AChoiceWithoutAUsableFileFallsBackToEnglish) {
  SetFile("English", "[Vorlix]\r\n1016=Apply now\r\n7003=Explore\r\n");
  SetFile("Empty", "");
  SetFile("Garbage", std::string("\x89PNG\r\n\x1a\n\0\0[junk\xff\xfe=\x01", 20));
  SetFile("OtherSection", "[Other]\r\n1016=Wrong\r\n");
  SetFile("Deutsch", "[Vorlix]\r\n1016=Anwenden\r\n");
  for (const char* choice : {"", "Klingon", "Empty", "Garbage", "OtherSection", "..\\English", "C:\\App\\languages\\English"}) {
    EXPECT_EQ(Apply(choice), "Apply now|Explore") << choice;
  }
  // A file with some of the keys is used; the keys it lacks keep what they showed.
  EXPECT_EQ(Apply("Deutsch"), "Anwenden|Explore");
  EXPECT_EQ(LookUp(profile, kFolder, "7003", "Klingon"), "Explore");
  EXPECT_EQ(LookUp(profile, kFolder, "7003", "Deutsch"), "Explore");
}

TEST_F(UnusableLanguageTest, WithEnglishMissingEmptyOrGarbageTheDesignCaptionsStay) {
  const char* englishes[] = {nullptr, "", "\xff\xfe\x00garbage\n=\n[[", "[Vorlix]\r\nnot a key\r\n"};
  for (const char* english : englishes) {
    profile = MemoryProfileStore();
    if (english) SetFile("English", english);
    EXPECT_EQ(Apply("Klingon"), "Apply|Explorer") << (english ? english : "(no file)");
    EXPECT_EQ(Apply(""), "Apply|Explorer");
    EXPECT_EQ(LookUp(profile, kFolder, "7010", "Klingon", "System Health"), "System Health");
  }
}

TEST_F(UnusableLanguageTest, APathAsTheChoiceIsNeverRead) {
  // The system's own INI file, reached from the languages folder.
  profile.SetFile("C:\\App\\languages\\..\\..\\windows\\win.ini", "[Vorlix]\r\n1016=from win.ini\r\n");
  SetFile("English", "[Vorlix]\r\n1016=Apply\r\n");
  EXPECT_EQ(Apply("..\\..\\windows\\win"), "Apply|Explorer");
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
