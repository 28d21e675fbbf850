#pragma once
// A main window with just the Start Menu and Desktop tabs, on an in-memory machine.
#include <gtest/gtest.h>

#include <string>

#include "support/tweak_tabs.h"
#include "tweaks/desktop_page.h"
#include "tweaks/registry_page_fixture.h"
#include "tweaks/start_menu_page.h"
#include "ui/form.h"

namespace qb::tweaks::testing {

inline constexpr std::string_view kPolicies =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\";

class TweakPageTest : public RegistryPageTest {
 protected:
  TweakPageTest() {
    test_support::AddTweakTabs(form);
    machine.files.AddFolder(machine.environment.start_menu_folder);
    hooks.reskin = [this] { ++reskins; };
  }

  // Loads both tabs and wires them, as the main window's load does, then starts from a
  // clean write log with Apply disabled.
  void LoadAndWire() {
    LoadStartMenuPage(form, services);
    LoadDesktopPage(form, services);
    WireStartMenuPage(form, services, hooks);
    WireDesktopPage(form, services, hooks);
    form["applymenu"].SetEnabled(false);
    machine.registry.ClearWriteLog();
  }
  std::string StartMenuPath(std::string_view name) const {
    return machine.environment.start_menu_folder + "\\" + std::string(name);
  }
  bool Exists(const std::string& path) {
    uint32_t attributes = 0;
    return machine.files.GetAttributes(path, attributes) == status::kOk;
  }

  ui::Form form{"mainform", "Quill Box", 9600, 6390};
  int reskins = 0;
};

}  // namespace qb::tweaks::testing
