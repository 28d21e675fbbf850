#pragma once
// A main window with just the Start Menu and Desktop tabs, on an in-memory machine.
#include <gtest/gtest.h>

#include <string>

#include "support/tweak_tabs.h"
#include "platform/memory/memory_machine.h"
#include "registry/registry_paths.h"
#include "tweaks/desktop_page.h"
#include "tweaks/start_menu_page.h"
#include "ui/form.h"

namespace qb::tweaks::testing {

inline constexpr std::string_view kPolicies =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\";

class TweakPageTest : public ::testing::Test {
 protected:
  TweakPageTest() {
    test_support::AddTweakTabs(form);
    machine.files.AddFolder(machine.environment.start_menu_folder);
    hooks.reskin = [this] { ++reskins; };
  }

  void Store(std::string_view full_path, uint32_t number) {
    ASSERT_EQ(registry::RegWrite(machine.registry, full_path, number, "REG_DWORD"), status::kOk);
  }
  void StoreText(std::string_view full_path, std::string_view text) {
    ASSERT_EQ(registry::RegWrite(machine.registry, full_path, text), status::kOk);
  }
  RegValue Read(std::string_view full_path) {
    RegValue value;
    registry::RegRead(machine.registry, full_path, value);
    return value;
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

  MemoryMachine machine;
  Services services = machine.services();
  ui::Form form{"mainform", "Quill Box", 9600, 6390};
  PageHooks hooks;
  int reskins = 0;
};

}  // namespace qb::tweaks::testing
