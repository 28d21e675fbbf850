#include "app/window_catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/main_window.h"
#include "language/phrases.h"
#include "platform/ini_text.h"
#include "platform/memory/memory_machine.h"
#include "support/source_files.h"
#include "ui/headless_host.h"

namespace qb::app {
namespace {

// Every button of the main window pressed, and every button of each window that opens from
// it (the icon windows open from the icons window), on the in-memory machine: the names of
// the windows that opened.
std::set<std::string> WindowsTheButtonsOpen() {
  MemoryMachine machine;
  // The shipped skin gives the main window its title-bar buttons.
  machine.files.AddFile(machine.environment.application_folder + "\\winaquas.skn", fileattr::kArchive,
                        testing::ReadSourceBytes("resources/data/winaquas.skn"));
  ui::HeadlessHost host;
  ui::Application app{host};
  host.Attach(app);
  // With each option chosen in turn, as a button may open the window the option names.
  const auto press_every_button = [](ui::Form& form) {
    const auto press = [&] {
      for (const auto& control : form.Controls()) {
        if (control->Kind() == ui::ControlKind::CommandButton) control->RaiseClick();
      }
    };
    press();
    for (const auto& option : form.Controls()) {
      if (option->Kind() != ui::ControlKind::OptionButton) continue;
      option->SetValue(1);
      press();
    }
  };
  int depth = 0;
  host.on_modal = [&](ui::Form& form) {
    if (depth++ < 1) press_every_button(form);
    --depth;
  };
  class NoSplash : public ui::SplashScreen {
    void Show(const std::string&) override {}
    void Close() override {}
  } splash;
  MainWindow main(app, machine.services(), splash);
  app.Show(main.Form());
  press_every_button(main.Form());
  for (const std::string& title_button : main.Form().TitleButtons()) main.Form().on_title_button(title_button);
  return {host.modal.begin(), host.modal.end()};
}

// A window missing here escapes every check that walks all windows (captions that fit).
TEST(WindowCatalogueTest, EveryWindowTheButtonsOpenIsListed) {
  std::set<std::string> listed;
  for (const auto& window : ProgramWindows()) {
    EXPECT_TRUE(listed.insert(window.name).second) << window.name << " is listed twice";
  }
  const auto opened = WindowsTheButtonsOpen();
  EXPECT_GE(opened.size(), 8u) << ::testing::PrintToString(opened);
  for (const auto& name : opened) {
    EXPECT_TRUE(listed.count(name)) << "the window \"" << name << "\" is not in ProgramWindows()";
  }
}

TEST(WindowCatalogueTest, EachEntryMakesItsWindowWithTheControlsItNames) {
  const std::string english = testing::ReadSourceFile("resources/data/languages/English.ini");
  const auto has_key = [&](std::string_view key) {
    return english.find("\n" + std::string(key) + "=") != std::string::npos;
  };
  for (const auto& window : ProgramWindows()) {
    const auto form = window.create();
    ASSERT_TRUE(form) << window.name;
    EXPECT_EQ(form->Name(), window.name);
    EXPECT_FALSE(form->Controls().empty()) << window.name;
    EXPECT_FALSE(window.element.empty()) << window.name;
    if (!window.title_key.empty()) {
      EXPECT_TRUE(has_key(window.title_key)) << window.name;
    }
    for (const auto& coded : window.coded_captions) {
      EXPECT_TRUE(form->Find(coded.control)) << window.name << " has no " << coded.control;
      EXPECT_TRUE(has_key(coded.key)) << coded.key;
    }
  }
}

// The keys the program asks for and the keys English.ini holds are the same set, and a text
// given in code is the one the file holds, so that English users read what they always read.
TEST(WindowCatalogueTest, EveryKeyInUseIsInEnglishAndEnglishHoldsNoOther) {
  const IniText ini = IniText::Parse(testing::ReadSourceFile("resources/data/languages/English.ini"));
  std::map<std::string, std::string> english;
  for (const auto& entry : ini.FindSection("Vorlix")->entries) english.emplace(entry.key, entry.value);
  std::set<std::string> used;
  for (const auto& window : ProgramWindows()) {
    const auto form = window.create();
    for (const auto& control : form->Controls()) {
      if (!control->Tag().empty()) used.insert(control->Tag());
      for (const auto& column : control->Columns()) {
        if (!column.tag.empty()) used.insert(column.tag);
      }
    }
    if (!window.title_key.empty()) used.insert(std::string(window.title_key));
    for (const auto& coded : window.coded_captions) used.insert(std::string(coded.key));
  }
  for (const auto& tabs : kCodedTabCaptions) {
    for (auto key : tabs.keys) if (!key.empty()) used.insert(std::string(key));
  }
  std::set<std::string_view> phrase_keys;
  for (const auto& phrase : language::kPhrases) {
    EXPECT_TRUE(phrase_keys.insert(phrase.key).second) << phrase.key << " is taken twice";
    used.insert(std::string(phrase.key));
    EXPECT_GE(phrase.key, "8000");
    EXPECT_LE(phrase.key, "8999");
    EXPECT_EQ(english[std::string(phrase.key)], phrase.english) << phrase.key;
  }
  for (const auto& key : used) EXPECT_TRUE(english.count(key)) << "English.ini lacks " << key;
  for (const auto& [key, text] : english) {
    EXPECT_TRUE(used.count(key)) << "English.ini holds " << key << " (\"" << text << "\"), which nothing uses";
  }
}

}  // namespace
}  // namespace qb::app
