#include "customise/font_install.h"

#include <gmock/gmock.h>

#include "customise_fixture.h"
#include "support/font_bytes.h"

namespace qb::customise {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using Outcome = FontInstall::Outcome;

const std::string kMachineFonts = "C:\\Windows\\Fonts";
const std::string kUserFonts = "C:\\Users\\user\\AppData\\Local\\Microsoft\\Windows\\Fonts";
const RegKeyPath kMachineList{RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"};
const RegKeyPath kUserList{RegRoot::CurrentUser, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"};

class FontInstallTest : public testing::CustomiseTest {
 protected:
  FontInstallTest() { machine.files.AddFolder(kMachineFonts); }

  void AddFont(const std::string& path, const std::u16string& family) {
    const auto bytes = test_support::SimpleFont(family);
    ASSERT_EQ(machine.files.AddFile(path, fileattr::kArchive, bytes), status::kOk);
  }
  std::string Listed(const RegKeyPath& key, std::string_view name) {
    RegValue value;
    if (machine.registry.QueryValue(key, name, value) != status::kOk) return "<none>";
    return value.AsString();
  }
};

TEST_F(FontInstallTest, TwoFontsInstalledOneAfterTheOtherBothRemainUnderTheirOwnNames) {
  AddFont("C:\\Downloads\\quill.ttf", u"Quill Sans");
  AddFont("C:\\Downloads\\ink.ttf", u"Ink Serif");
  EXPECT_EQ(InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers).outcome, Outcome::Installed);
  EXPECT_EQ(InstallFont(services, "C:\\Downloads\\ink.ttf", FontScope::AllUsers).outcome, Outcome::Installed);

  EXPECT_EQ(Read(kMachineFonts + "\\quill.ttf"), Read("C:\\Downloads\\quill.ttf"));
  EXPECT_EQ(Read(kMachineFonts + "\\ink.ttf"), Read("C:\\Downloads\\ink.ttf"));
  EXPECT_EQ(Listed(kMachineList, "Quill Sans (TrueType)"), "quill.ttf");
  EXPECT_EQ(Listed(kMachineList, "Ink Serif (TrueType)"), "ink.ttf");
  EXPECT_THAT(Listing(kMachineFonts), Not(Contains(HasSubstr("nnnew"))));
  EXPECT_THAT(machine.fonts.ScreenFonts(), Contains("Quill Sans"));
  EXPECT_THAT(machine.fonts.ScreenFonts(), Contains("Ink Serif"));
  EXPECT_THAT(machine.fonts.Calls(),
              ElementsAre("LoadFontFile C:\\Windows\\Fonts\\quill.ttf", "BroadcastFontChange",
                          "LoadFontFile C:\\Windows\\Fonts\\ink.ttf", "BroadcastFontChange"));
}

TEST_F(FontInstallTest, AFontAlreadyThereChangesNothingAndADifferentOneUnderItsFileNameIsRefused) {
  AddFont("C:\\Downloads\\quill.ttf", u"Quill Sans");
  ASSERT_EQ(InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers).outcome, Outcome::Installed);
  EXPECT_EQ(InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers).outcome,
            Outcome::AlreadyInstalled);
  // The same family in another file: the one in the list stays.
  AddFont("C:\\Downloads\\quill-copy.ttf", u"Quill Sans");
  EXPECT_EQ(InstallFont(services, "C:\\Downloads\\quill-copy.ttf", FontScope::AllUsers).outcome,
            Outcome::AlreadyInstalled);
  AddFont("C:\\Other\\quill.ttf", u"Ink Serif");
  const FontInstall other = InstallFont(services, "C:\\Other\\quill.ttf", FontScope::AllUsers);
  EXPECT_EQ(other.outcome, Outcome::NameTaken);
  EXPECT_THAT(DescribeInstall(services, other, "C:\\Other\\quill.ttf", FontScope::AllUsers),
              HasSubstr("A different font file named \"quill.ttf\" is already in C:\\Windows\\Fonts"));
  EXPECT_EQ(Read(kMachineFonts + "\\quill.ttf"), Read("C:\\Downloads\\quill.ttf"));
  EXPECT_EQ(Listed(kMachineList, "Quill Sans (TrueType)"), "quill.ttf");
  EXPECT_EQ(Listed(kMachineList, "Ink Serif (TrueType)"), "<none>");
  EXPECT_THAT(Listing(kMachineFonts), ElementsAre("quill.ttf"));
}

TEST_F(FontInstallTest, WithoutRightsToTheMachineFontsTheFontIsInstalledForTheUserWhereWindowsReadsIt) {
  AddFont("C:\\Downloads\\quill.ttf", u"Quill Sans");
  machine.files.DenyWrites(kMachineFonts);
  const FontInstall install = InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers);
  EXPECT_EQ(install.outcome, Outcome::Installed);
  EXPECT_EQ(install.scope, FontScope::CurrentUser);
  const std::string target = kUserFonts + "\\quill.ttf";
  EXPECT_EQ(Read(target), Read("C:\\Downloads\\quill.ttf"));
  EXPECT_EQ(Listed(kUserList, "Quill Sans (TrueType)"), target);
  EXPECT_EQ(Listed(kMachineList, "Quill Sans (TrueType)"), "<none>");
  EXPECT_THAT(machine.fonts.ScreenFonts(), Contains("Quill Sans"));
  EXPECT_THAT(DescribeInstall(services, install, "C:\\Downloads\\quill.ttf", FontScope::AllUsers),
              HasSubstr("installed for your account only"));

  // Before Windows 10 version 1809 a font of one user is gone at the next sign-in.
  AddFont("C:\\Downloads\\ink.ttf", u"Ink Serif");
  machine.system.version = {6, 3, 9600, platform_id::kWindowsNt, product_type::kWorkstation, ""};
  const FontInstall refused = InstallFont(services, "C:\\Downloads\\ink.ttf", FontScope::AllUsers);
  EXPECT_EQ(refused.outcome, Outcome::Failed);
  EXPECT_EQ(Listed(kUserList, "Ink Serif (TrueType)"), "<none>");
  EXPECT_THAT(DescribeInstall(services, refused, "C:\\Downloads\\ink.ttf", FontScope::AllUsers),
              HasSubstr("needs an administrator"));
}

// Fault guarded: the same font again, by a user who may not write the machine's list, was
// refused the list entry it already had and installed a second time for the user alone.
TEST_F(FontInstallTest, AFontInstalledForEveryoneIsAlreadyInstalledForAUserWithoutRights) {
  AddFont("C:\\Downloads\\quill.ttf", u"Quill Sans");
  ASSERT_EQ(InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers).outcome, Outcome::Installed);
  machine.files.DenyWrites(kMachineFonts);
  machine.registry.DenyWrites(kMachineList);
  EXPECT_EQ(InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers).outcome,
            Outcome::AlreadyInstalled);
  EXPECT_EQ(Listed(kUserList, "Quill Sans (TrueType)"), "<none>");
}

TEST_F(FontInstallTest, AMachineListThatRefusesTheEntryTakesTheCopyBack) {
  AddFont("C:\\Downloads\\quill.ttf", u"Quill Sans");
  machine.registry.CreateKey(kMachineList);
  machine.registry.DenyWrites(kMachineList);
  const FontInstall install = InstallFont(services, "C:\\Downloads\\quill.ttf", FontScope::AllUsers);
  EXPECT_EQ(install.scope, FontScope::CurrentUser);
  EXPECT_TRUE(Listing(kMachineFonts).empty());
  EXPECT_EQ(Listed(kUserList, "Quill Sans (TrueType)"), kUserFonts + "\\quill.ttf");
}

// A file with a name table alone was reported installed, copied and listed, though the
// system refused it: the system's verdict on the copy now decides.
TEST_F(FontInstallTest, NothingIsInstalledForACancelledDialogOrAFileThatIsNotAUsableFont) {
  Write("C:\\Downloads\\notes.ttf", "these are my notes, not a font");
  AddFont("C:\\Downloads\\hollow.ttf", u"Hollow");
  machine.fonts.refused_families = {"Hollow"};
  EXPECT_EQ(InstallFont(services, "", FontScope::AllUsers).outcome, Outcome::Cancelled);
  EXPECT_EQ(InstallFont(services, "C:\\Downloads\\gone.ttf", FontScope::AllUsers).outcome, Outcome::Failed);
  for (const char* file : {"C:\\Downloads\\notes.ttf", "C:\\Downloads\\hollow.ttf"}) {
    const FontInstall refused = InstallFont(services, file, FontScope::AllUsers);
    EXPECT_EQ(refused.outcome, Outcome::NotAFont) << file;
    EXPECT_EQ(DescribeInstall(services, refused, file, FontScope::AllUsers),
              "\"" + std::string(file) + "\" is not a usable font: Windows does not accept it. "
              "Nothing was installed.");
  }
  EXPECT_TRUE(Listing(kMachineFonts).empty());
  EXPECT_EQ(Listed(kMachineList, "Hollow (TrueType)"), "<none>");
  EXPECT_EQ(Listed(kUserList, "Hollow (TrueType)"), "<none>");
  EXPECT_THAT(machine.fonts.Calls(), ElementsAre("LoadFontFile " + kMachineFonts + "\\hollow.ttf"));
  EXPECT_EQ(DescribeInstall(services, {}, "", FontScope::AllUsers), "");
}

}  // namespace
}  // namespace qb::customise
