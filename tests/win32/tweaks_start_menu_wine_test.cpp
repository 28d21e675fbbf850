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

namespace qb::tweaks {
namespace {

using win32::Wide;

// What `reg query` prints for one value.
std::string RegQuery(const std::string& key, const std::string& value) {
  const std::wstring command = L"reg query \"" + Wide(key) + L"\" /v " + Wide(value) + L" 2>&1";
  std::string output;
  if (FILE* pipe = _wpopen(command.c_str(), L"rt")) {
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
    _pclose(pipe);
  }
  return output;
}

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
        Saved saved{std::string(binding.path), {}, false};
        saved.present = registry::RegRead(reg, binding.path, saved.value) == status::kOk;
        saved_.push_back(std::move(saved));
      }
    }
    start_menu_ = environment.StartMenuFolder();
    folder_ = start_menu_ + "\\" + std::string(kControlPanelFolderName);
    folder_existed_ = IsFolder(folder_);
  }
  void TearDown() override {
    for (const auto& saved : saved_) {
      const auto where = registry::ParseValuePath(saved.path);
      if (saved.present) {
        reg.SetValue(where->key, saved.value);
      } else {
        reg.DeleteValue(where->key, where->value_name);
      }
    }
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

  struct Saved {
    std::string path;
    RegValue value;
    bool present;
  };
  std::vector<Saved> saved_;
  std::string start_menu_;
  std::string folder_;
  bool folder_existed_ = false;

  MemoryMachine machine;
  win32::Win32Registry reg;
  win32::Win32FileSystem files;
  win32::Win32Environment environment;
  win32::Win32Shortcuts shortcuts;
  Services services{.registry = reg, .profile = machine.profile, .instance = machine.instance,
                    .environment = environment, .shell = machine.shell,
                    .dialogs = machine.dialogs, .clock = machine.clock, .files = files,
                    .system_parameters = machine.system_parameters, .power = machine.power,
                    .shortcuts = shortcuts, .system = machine.system,
                    .formatter = machine.formatter,
                    .images = machine.images,
                    .display_modes = machine.display_modes,
                    .system_colours = machine.system_colours,
                    .recycle_bin = machine.recycle_bin,
                    .fonts = machine.fonts,
                    .processes = machine.processes};
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
