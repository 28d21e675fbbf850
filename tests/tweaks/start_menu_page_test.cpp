#include <gtest/gtest.h>

#include <algorithm>

#include "tweak_page_fixture.h"
#include "tweaks/control_panel_folder.h"

namespace qb::tweaks::testing {
namespace {

constexpr std::string_view kMenuDelay = "HKCU\\Control Panel\\Desktop\\MenuShowDelay";
constexpr std::string_view kDefaultMenuDelay =
    "HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop\\MenuShowDelay";
constexpr std::string_view kWheel = "HKCU\\Control Panel\\Desktop\\WheelScrollLines";
constexpr std::string_view kDefaultWheel =
    "HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop\\WheelScrollLines";

std::string PathOf(std::string_view control) {
  for (const auto& b : kStartMenuRestrictionBindings) {
    if (b.control == control) return std::string(b.path);
  }
  return {};
}

// The value names of the registry writes, in the order they were made.
std::vector<std::string> WrittenNames(const MemoryRegistry& registry) {
  std::vector<std::string> names;
  for (const auto& line : registry.WriteLog()) {
    if (line.rfind("SetValue ", 0) != 0) continue;
    const auto open = line.rfind('[');
    names.push_back(line.substr(open + 1, line.size() - open - 2));
  }
  return names;
}

using StartMenuPageTest = TweakPageTest;

TEST_F(StartMenuPageTest, LoadShowsEveryStoredSettingAndWritesNothing) {
  StoreText(kMenuDelay, "400");
  StoreText(kWheel, "3");
  int stored = 0;
  for (const auto& b : kStartMenuRestrictionBindings) Store(b.path, stored++ % 2);
  for (const auto& b : kDesktopBindings) Store(b.path, stored++ % 2);
  machine.files.AddFolder(StartMenuPath(kControlPanelFolderName));
  machine.registry.ClearWriteLog();

  LoadStartMenuPage(form, services);
  LoadDesktopPage(form, services);

  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_EQ(form["mdelaycombo"].Text(), "400");
  EXPECT_EQ(form["wheelcombo"].Text(), "3");
  const auto& delays = form["mdelaycombo"].Items();
  ASSERT_EQ(delays.size(), 999u);
  EXPECT_EQ(delays.front(), "1");
  EXPECT_EQ(delays.back(), "999");
  ASSERT_EQ(form["wheelcombo"].Items().size(), 100u);
  EXPECT_EQ(form["wheelcombo"].Items().back(), "100");
  EXPECT_EQ(form["expandcp"].Value(), 1);
  stored = 0;
  for (const auto& b : kStartMenuRestrictionBindings) {
    EXPECT_EQ(form[b.control].Value(), stored++ % 2) << b.control;
  }
  for (const auto& b : kDesktopBindings) EXPECT_EQ(form[b.control].Value(), stored++ % 2) << b.control;
}

TEST_F(StartMenuPageTest, LoadLeavesABoxAloneWhenItDoesNotTakeTheStoredValue) {
  form["runchk"].SetValue(1);    // stands for a box designed checked
  form["findchk"].SetValue(1);
  Store(PathOf("runchk"), 5);    // not a box state
  StoreText(PathOf("shutchk"), "1");  // a number kept as text still counts
  Store(PathOf("recentchk"), 2);      // grey
  LoadStartMenuPage(form, services);
  EXPECT_EQ(form["runchk"].Value(), 1);
  EXPECT_EQ(form["findchk"].Value(), 1);  // missing value
  EXPECT_EQ(form["shutchk"].Value(), 1);
  EXPECT_EQ(form["recentchk"].Value(), 2);
  EXPECT_EQ(form["expandcp"].Value(), 0);
  EXPECT_EQ(form["mdelaycombo"].Text(), "Choose");
}

TEST_F(StartMenuPageTest, OptionBoxesEnableApplyButRemoveFavoritesDoesNot) {
  LoadAndWire();
  form["favchk"].SetValue(1);
  EXPECT_FALSE(form["applymenu"].Enabled());
  for (const char* name : {"expandcp", "denydisplay", "shutchk", "runchk", "findchk",
                           "recentchk", "taskbarchk"}) {
    form["applymenu"].SetEnabled(false);
    form[name].SetValue(1);
    EXPECT_TRUE(form["applymenu"].Enabled()) << name;
  }
  form["runchk"].SetValue(0);  // nothing disables it again
  EXPECT_TRUE(form["applymenu"].Enabled());
}

TEST_F(StartMenuPageTest, YesWritesEverythingInTableOrderThenRestarts) {
  StoreText(kMenuDelay, "400");
  StoreText(kWheel, "3");
  LoadAndWire();
  form["mdelaycombo"].SetListIndex(249);
  form["wheelcombo"].SetText("5");
  for (const auto& b : kStartMenuRestrictionBindings) form[b.control].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);

  form["applymenu"].RaiseClick();

  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text, "Are you sure to restart?");
  EXPECT_EQ(machine.dialogs.Messages()[0].title, "");
  EXPECT_EQ(machine.dialogs.Messages()[0].style, mb::kYesNo);
  EXPECT_EQ(WrittenNames(machine.registry),
            (std::vector<std::string>{"MenuShowDelay", "MenuShowDelay", "WheelScrollLines",
                                      "WheelScrollLines", "NoDispCPL", "NoClose", "NoRun",
                                      "NoFind", "NoRecentDocsMenu", "NoFavoritesMenu",
                                      "NoTrayContextMenu"}));
  for (auto path : {kMenuDelay, kDefaultMenuDelay}) {
    EXPECT_EQ(Read(path), RegValue::String("MenuShowDelay", "250")) << path;
  }
  for (auto path : {kWheel, kDefaultWheel}) {
    EXPECT_EQ(Read(path), RegValue::String("WheelScrollLines", "5")) << path;
  }
  for (const auto& b : kStartMenuRestrictionBindings) {
    const std::string name(b.path.substr(b.path.rfind('\\') + 1));
    EXPECT_EQ(Read(b.path), RegValue::Dword(name, 1)) << b.control;
  }
  EXPECT_EQ(machine.power.RestartRequests(), 1);
}

// Fault guarded: Apply wrote every box whether or not it had changed, so settings the page
// only showed were written again and a standard user met refusals for values never touched.
TEST_F(StartMenuPageTest, YesWithNothingChangedWritesNothing) {
  StoreText(kMenuDelay, "400");
  StoreText(kDefaultMenuDelay, "400");
  Store(PathOf("runchk"), 1);
  LoadAndWire();
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.power.RestartRequests(), 1);
}

TEST_F(StartMenuPageTest, ATypedMenuDelayIsWrittenAsTyped) {
  LoadAndWire();
  form["mdelaycombo"].TextChangedByUser("1500");
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  EXPECT_EQ(Read(kMenuDelay).AsString(), "1500");
  EXPECT_EQ(Read(kDefaultMenuDelay).AsString(), "1500");
  EXPECT_EQ(Read(kMenuDelay).type, regtype::kSz);
}

TEST_F(StartMenuPageTest, AComboThatHoldsNoNumberKeepsTheStoredSetting) {
  StoreText(kDefaultWheel, "3");
  LoadAndWire();  // nothing stored for the current user: both combos still say "Choose"
  form["wheelcombo"].TextChangedByUser("lots");
  form["runchk"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  EXPECT_EQ(Read(kMenuDelay).type, regtype::kNone);
  EXPECT_EQ(Read(kDefaultWheel).AsString(), "3");
  EXPECT_EQ(Read(PathOf("runchk")), RegValue::Dword("NoRun", 1));  // the rest is applied
  EXPECT_EQ(machine.power.RestartRequests(), 1);
}

TEST_F(StartMenuPageTest, NoWritesNothingAndShowsTheStoredRestrictionsAgain) {
  StoreText(kMenuDelay, "400");
  Store(PathOf("runchk"), 1);
  Store(PathOf("shutchk"), 0);
  LoadAndWire();
  form["runchk"].SetValue(0);
  form["shutchk"].SetValue(1);
  form["findchk"].SetValue(1);    // nothing stored: shown clear again
  form["favchk"].SetValue(1);     // keeps what the user set
  form["expandcp"].SetValue(1);   // no folder: shown clear again
  form["mdelaycombo"].TextChangedByUser("10");
  machine.dialogs.ScriptAnswer(mb::kIdNo);

  form["applymenu"].RaiseClick();

  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_FALSE(Exists(StartMenuPath(kControlPanelFolderName)));
  EXPECT_EQ(form["runchk"].Value(), 1);
  EXPECT_EQ(form["shutchk"].Value(), 0);
  EXPECT_EQ(form["findchk"].Value(), 0);
  EXPECT_EQ(form["favchk"].Value(), 1);
  EXPECT_EQ(form["expandcp"].Value(), 0);
  EXPECT_EQ(form["mdelaycombo"].Text(), "10");
  EXPECT_EQ(reskins, 1);
  EXPECT_EQ(machine.power.RestartRequests(), 0);
}

TEST_F(StartMenuPageTest, ControlPanelFolderIsCreatedWhenWantedAndMissing) {
  LoadAndWire();
  EXPECT_EQ(form["expandcp"].Value(), 0);
  form["expandcp"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  uint32_t attributes = 0;
  ASSERT_EQ(machine.files.GetAttributes(StartMenuPath(
                "Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}"), attributes),
            status::kOk);
  EXPECT_TRUE(attributes & fileattr::kDirectory);
}

TEST_F(StartMenuPageTest, ControlPanelFolderAlreadyThereIsLeftAlone) {
  const std::string hidden = StartMenuPath("Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}");
  machine.files.AddFolder(hidden, fileattr::kDirectory | fileattr::kHidden);
  LoadAndWire();
  EXPECT_EQ(form["expandcp"].Value(), 1);  // hidden folders count
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  std::vector<FileEntry> entries;
  machine.files.FindFiles(StartMenuPath("*"), entries);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, "Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}");
}

TEST_F(StartMenuPageTest, ClearingRemovesOnlyTheFirstMatchingFolder) {
  machine.files.AddFolder(StartMenuPath("A.{21EC2020-3AEA-1069-A2DD-08002B30309D}"));
  machine.files.AddFolder(StartMenuPath("B.{21EC2020-3AEA-1069-A2DD-08002B30309D}"));
  LoadAndWire();
  EXPECT_EQ(form["expandcp"].Value(), 1);
  form["expandcp"].SetValue(0);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  EXPECT_FALSE(Exists(StartMenuPath("A.{21EC2020-3AEA-1069-A2DD-08002B30309D}")));
  EXPECT_TRUE(Exists(StartMenuPath("B.{21EC2020-3AEA-1069-A2DD-08002B30309D}")));
}

TEST_F(StartMenuPageTest, AnUnknownStartMenuFolderIsNeverGuessed) {
  machine.environment.start_menu_folder.clear();
  machine.files.AddFolder("C:\\Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}");
  LoadAndWire();
  EXPECT_EQ(form["expandcp"].Value(), 0);
  form["expandcp"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  ASSERT_EQ(machine.dialogs.Messages().size(), 2u);
  EXPECT_NE(machine.dialogs.Messages()[1].text.find("the Start Menu folder"), std::string::npos);
  EXPECT_EQ(machine.power.RestartRequests(), 0);
}

// Fault guarded: a standard user may not write the default user's profile, and the Apply
// stopped at that first refusal with one value written. Now every per-user value is saved,
// the refused twins are named once, and the restart follows for what was saved.
TEST_F(StartMenuPageTest, RefusedDefaultUserTwinsAreSkippedAndNamedOnce) {
  StoreText(kMenuDelay, "400");
  LoadAndWire();
  machine.registry.DenyWrites({RegRoot::Users, ".DEFAULT\\Control Panel\\Desktop"});
  form["mdelaycombo"].TextChangedByUser("100");
  form["wheelcombo"].TextChangedByUser("4");
  form["runchk"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  EXPECT_EQ(WrittenNames(machine.registry),
            (std::vector<std::string>{"MenuShowDelay", "WheelScrollLines", "NoRun"}));
  EXPECT_EQ(Read(kMenuDelay).AsString(), "100");
  ASSERT_EQ(machine.dialogs.Messages().size(), 2u);
  const auto& message = machine.dialogs.Messages()[1];
  EXPECT_EQ(message.text,
            "These changes were not saved:\n\n" + std::string(kDefaultMenuDelay) +
                "\n    Access is denied.\n" + std::string(kDefaultWheel) +
                "\n    Access is denied.\n\nChanging machine-wide settings and the settings of "
                "other users needs an administrator. Start Quill Box as an administrator to "
                "save them.");
  EXPECT_EQ(message.style, mb::kOk | mb::kIconExclamation);
  EXPECT_EQ(machine.power.RestartRequests(), 1);
}

// Fault guarded: a standard user may not write the restriction policies either, and with
// nothing saved the restart only cost the session.
TEST_F(StartMenuPageTest, WhenEveryChangeIsRefusedWindowsIsNotRestarted) {
  LoadAndWire();
  machine.registry.DenyWrites({RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies"});
  machine.registry.DenyWrites({RegRoot::Users, ".DEFAULT"});
  form["runchk"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  EXPECT_EQ(machine.dialogs.Messages().size(), 2u);
  EXPECT_EQ(machine.power.RestartRequests(), 0);
}

// A refused folder is named like a refused value; what was saved still takes effect.
TEST_F(StartMenuPageTest, ARefusedFolderChangeIsNamedAndTheRestIsSaved) {
  LoadAndWire();
  machine.files.DenyWrites(machine.environment.start_menu_folder);
  form["expandcp"].SetValue(1);
  form["runchk"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  ASSERT_EQ(machine.dialogs.Messages().size(), 2u);
  EXPECT_NE(machine.dialogs.Messages()[1].text.find(StartMenuPath(kControlPanelFolderName)),
            std::string::npos);
  EXPECT_EQ(Read(PathOf("runchk")), RegValue::Dword("NoRun", 1));
  EXPECT_EQ(machine.power.RestartRequests(), 1);
}

// Fault guarded: the restart was asked for without the shutdown privilege and failed
// silently; the user must hear that the changes wait for a restart.
TEST_F(StartMenuPageTest, ARefusedRestartIsExplained) {
  LoadAndWire();
  machine.power.Refuse(status::kPrivilegeNotHeld);
  form["runchk"].SetValue(1);
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  StartMenuApply(form, services, hooks);
  ASSERT_EQ(machine.dialogs.Messages().size(), 2u);
  const auto& message = machine.dialogs.Messages()[1];
  EXPECT_EQ(message.text,
            "The changes are saved. Windows could not be restarted (A required privilege is "
            "not held by the client), so they take effect after the next restart.");
  EXPECT_EQ(message.style, mb::kOk | mb::kIconInformation);
  EXPECT_EQ(Read(PathOf("runchk")), RegValue::Dword("NoRun", 1));
}

}  // namespace
}  // namespace qb::tweaks::testing
