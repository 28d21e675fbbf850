// The Start Menu and Desktop tabs against the real registry and file system. The restart
// goes to a recording double: a test never restarts anything.
// First: it takes back the plain names the system headers turn into macros.
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/tweak_tabs.h"
#include "platform/memory/memory_machine.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shortcuts.h"
#include "registry/registry_paths.h"
#include "tweaks/control_panel_folder.h"
#include "tweaks/desktop_page.h"
#include "tweaks/start_menu_page.h"
#include "support/services_with.h"
#include "win32/registry_keeper.h"

namespace qb::tweaks {
namespace {

using win32::Wide;

using test_support::RegQuery;

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class StartMenuWineTest : public ::testing::Test {
 protected:
  StartMenuWineTest() {
    test_support::AddTweakTabs(form);
  }

  // Every value the tabs write is put back as it was found.
  void SetUp() override {
    for (const auto& table : {std::span<const TweakBinding>(kMenuTimingBindings),
                              std::span<const TweakBinding>(kStartMenuRestrictionBindings),
                              std::span<const TweakBinding>(kDesktopBindings)}) {
      for (const auto& binding : table) {
        keeper.Keep(binding.path);
      }
    }
    start_menu_ = environment.StartMenuFolder();
    folder_ = start_menu_ + "\\" + std::string(kControlPanelFolderName);
    folder_existed_ = IsFolder(folder_);
  }
  void TearDown() override {
    if (folder_existed_) {
      CreateDirectoryW(Wide(folder_).c_str(), nullptr);
    } else {
      RemoveDirectoryW(Wide(folder_).c_str());
    }
  }

  void LoadAndWire() {
    LoadStartMenuPage(form, services);
    LoadDesktopPage(form, services);
    WireStartMenuPage(form, services, {});
    WireDesktopPage(form, services, {});
  }
  void AnswerYesAndApply() {
    machine.dialogs.ScriptAnswer(mb::kIdYes);
    form["applymenu"].RaiseClick();
  }

  std::string start_menu_;
  std::string folder_;
  bool folder_existed_ = false;

  MemoryMachine machine;
  win32::Win32Registry reg;
  test_support::RegistryKeeper keeper{reg};
  win32::Win32FileSystem files;
  win32::Win32Environment environment;
  win32::Win32Shortcuts shortcuts;
  Services services = test_support::ServicesWith(
      machine.services(), {.registry = &reg, .environment = &environment, .files = &files,
                           .shortcuts = &shortcuts});
  ui::Form form{"mainform", "Quill Box", 9600, 6390};
};

TEST_F(StartMenuWineTest, ApplyWritesRestrictionsAsDwordsThatRegSees) {
  LoadAndWire();
  for (const char* name : {"runchk", "shutchk", "taskbarchk", "denydisplay"}) form[name].SetValue(1);
  for (const char* name : {"findchk", "recentchk", "favchk"}) form[name].SetValue(0);
  form["mdelaycombo"].TextChangedByUser("1500");
  AnswerYesAndApply();

  ASSERT_EQ(machine.dialogs.Messages().size(), 1u) << machine.dialogs.Messages().back().text;
  EXPECT_EQ(machine.power.RestartRequests(), 1);
  const std::string explorer =
      "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
  for (const char* value : {"NoRun", "NoClose", "NoTrayContextMenu"}) {
    const std::string shown = RegQuery(explorer, value);
    EXPECT_NE(shown.find("REG_DWORD"), std::string::npos) << value << ": " << shown;
    EXPECT_NE(shown.find("0x1"), std::string::npos) << value << ": " << shown;
  }
  // Cleared boxes are not restrictions: absent or 0, whichever the machine had.
  for (const char* value : {"NoFind", "NoRecentDocsMenu", "NoFavoritesMenu"}) {
    EXPECT_EQ(RegQuery(explorer, value).find("0x1"), std::string::npos) << value;
  }
  const std::string display = RegQuery(
      "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", "NoDispCPL");
  EXPECT_NE(display.find("REG_DWORD"), std::string::npos) << display;
  const std::string delay = RegQuery("HKEY_USERS\\.DEFAULT\\Control Panel\\Desktop", "MenuShowDelay");
  EXPECT_NE(delay.find("REG_SZ"), std::string::npos) << delay;
  EXPECT_NE(delay.find("1500"), std::string::npos) << delay;
}

TEST_F(StartMenuWineTest, TheControlPanelFolderIsCreatedAndRemovedOnDisk) {
  ASSERT_FALSE(start_menu_.empty());
  ASSERT_TRUE(IsFolder(start_menu_)) << start_menu_;
  RemoveDirectoryW(Wide(folder_).c_str());

  LoadAndWire();
  EXPECT_EQ(form["expandcp"].Value(), 0);
  form["expandcp"].SetValue(1);
  AnswerYesAndApply();
  EXPECT_TRUE(IsFolder(folder_)) << folder_;

  LoadStartMenuPage(form, services);
  EXPECT_EQ(form["expandcp"].Value(), 1);
  form["expandcp"].SetValue(0);
  AnswerYesAndApply();
  EXPECT_FALSE(IsFolder(folder_)) << folder_;
  EXPECT_EQ(machine.dialogs.Messages().size(), 2u);  // the two prompts, nothing else
  EXPECT_EQ(machine.power.RestartRequests(), 2);
}

TEST_F(StartMenuWineTest, DesktopApplyWritesDwords) {
  LoadAndWire();
  form["hideall"].SetValue(0);
  form["ieiconchk"].SetValue(1);
  form["dskrightchk"].SetValue(0);
  form["desktopCommand"].RaiseClick();
  const std::string shown = RegQuery(
      "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoInternetIcon");
  EXPECT_NE(shown.find("REG_DWORD"), std::string::npos) << shown;
  EXPECT_NE(shown.find("0x1"), std::string::npos) << shown;
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

}  // namespace
}  // namespace qb::tweaks
