// The main window's captions from the language file, and the Language page.
#include <gmock/gmock.h>

#include "app/main_window_fixture.h"
#include "language/language_catalogue.h"

namespace qb::app {
namespace {

TEST_F(MainWindowTest, StoredLanguageCaptionsTheCodedFramesToo) {
  AppSettings settings(machine.registry);
  language::StoreChoice(settings, "English");
  machine.registry.ClearWriteLog();
  Start();
  EXPECT_EQ(Form()["SMframe"].Caption(), "System Monitoring");
  EXPECT_EQ(Form()["drivesframe"].Caption(), "Drives");
  EXPECT_EQ(Form()["Inputframe"].Caption(), "Input");
}

// With the language file removed, emptied or garbage, and the choice a missing language
// or a path, the window still has readable captions.
TEST_F(MainWindowTest, AnUnusableLanguageLeavesReadableCaptions) {
  const std::string english = folder + "\\languages\\English.ini";
  const std::string texts[] = {"", "\x7f\x45LF\x02\x01garbage=[[\n\xff"};
  for (const char* choice : {"", "Klingon", "..\\..\\windows\\win"}) {
    for (int variant = 0; variant < 3; ++variant) {
      machine.profile.RemoveFile(english);
      if (variant > 0) machine.profile.SetFile(english, texts[variant - 1]);
      AppSettings settings(machine.registry);
      language::StoreChoice(settings, choice);
      app.UnloadAll(ui::CloseReason::Code);
      Start();
      const std::string where = std::string("choice \"") + choice + "\", English variant " + std::to_string(variant);
      EXPECT_EQ(Form()["Command1"].Caption(), "Explorer") << where;
      EXPECT_EQ(Form()["syscmd"].Caption(), "System") << where;
      EXPECT_EQ(Form()["cpucmd"].Caption(), "CPU && Memory") << where;
      EXPECT_EQ(Form()["Applylangcmd"].Caption(), "Apply") << where;
      EXPECT_EQ(Form()["SMframe"].Caption(), "System Monitoring") << where;
    }
  }
}

// A new choice is in the open main window at once, page titles, tabs and the drive type
// included, and the message that says so is in it too.
TEST_F(MainWindowTest, LanguageApplyTranslatesTheOpenWindowAtOnce) {
  machine.files.AddFile(folder + "\\languages\\German.ini");
  machine.profile.SetFile(folder + "\\languages\\German.ini",
                          "[Vorlix]\n1026=Sprache\n8000=Systeminformationen\n8003=Startmen\xc3\xbc\n"
                          "8011=Festplatte\n8051=Gespeichert: %1.\n");
  Start();
  Form()["Command5"].RaiseClick();  // the drive facts are read, the type shown in English
  Form()["Command7"].RaiseClick();
  ui::Control& tabs = Form()["TabStrip1"];
  tabs.SetListIndex(1);
  Form()["combolng"].SetListIndex(1);
  ASSERT_EQ(Form()["combolng"].Text(), "German");
  Form()["Applylangcmd"].RaiseClick();
  EXPECT_EQ(AppSettings(machine.registry).Get("Vorlix", "Language", "lng"), "German");
  EXPECT_EQ(Form()["Command7"].Caption(), "Sprache");
  EXPECT_EQ(Form()["langFrame"].Caption(), "Sprache");
  EXPECT_EQ(Form()["SIFrame"].Caption(), "Systeminformationen");
  EXPECT_EQ(tabs.Items()[1], "Startmen\xc3\xbc");
  EXPECT_EQ(tabs.ListIndex(), 1);
  EXPECT_EQ(Form()["typelbl"].Caption(), "Festplatte");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text, "Gespeichert: German.");
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kOk | mb::kIconInformation);
}

TEST_F(MainWindowTest, LanguageListOffersEveryLanguageFileWithTheStoredOneSelected) {
  for (const char* name : {"German.ini", "English.ini", "French.ini", "notes.txt"}) {
    machine.files.AddFile(folder + "\\languages\\" + name);
  }
  AppSettings settings(machine.registry);
  language::StoreChoice(settings, "german");
  Start();
  Form()["Command7"].RaiseClick();
  ui::Control& list = Form()["combolng"];
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"English", "French", "German"}));
  EXPECT_EQ(list.Text(), "German");
  list.SetListIndex(1);
  Form()["Applylangcmd"].RaiseClick();
  EXPECT_EQ(language::StoredChoice(settings), "French");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, ::testing::HasSubstr("French"));
}

TEST_F(MainWindowTest, LanguageThatCannotBeStoredIsReportedNotAnnounced) {
  Start();
  machine.registry.DenyWrites({RegRoot::CurrentUser, "Software\\VB and VBA Program Settings"});
  Form()["Applylangcmd"].RaiseClick();
  EXPECT_EQ(language::StoredChoice(AppSettings(machine.registry)), "");
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_THAT(machine.dialogs.Messages()[0].text, ::testing::HasSubstr("could not be saved"));
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kOk | mb::kIconExclamation);
}

}  // namespace
}  // namespace qb::app
