// The Privacy and Input pages and the display modes against the real registry and system.
// First: it takes back the plain names the system headers turn into macros.
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/main_form_layout.h"
#include "platform/memory/memory_machine.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_display_modes.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_parameters.h"
#include "registry/registry_paths.h"
#include "tweaks/display_resolution.h"
#include "tweaks/input_page.h"
#include "tweaks/privacy_page.h"
#include "support/services_with.h"
#include "win32/registry_keeper.h"

namespace qb::tweaks {
namespace {

using test_support::RegQuery;

class PagesWineTest : public ::testing::Test {
 protected:
  MemoryMachine machine;
  win32::Win32Registry reg;
  // Every value a test may change is put back as it was found.
  test_support::RegistryKeeper keeper{reg};
  win32::Win32Environment environment;
  win32::Win32SystemParameters system_parameters;
  win32::Win32DisplayModes display_modes;
  Services services = test_support::ServicesWith(
      machine.services(), {.registry = &reg, .environment = &environment,
                           .system_parameters = &system_parameters, .display_modes = &display_modes});
  std::unique_ptr<ui::Form> main_form = app::CreateMainForm();
  ui::Form& form = *main_form;
};

TEST_F(PagesWineTest, PrivacyApplyClearsTypedAddressesAndSetsThePolicy) {
  const std::string policy =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\"
      "DisableRegistryTools";
  keeper.Keep(policy);
  const std::string typed = "HKEY_CURRENT_USER\\" + std::string(kTypedUrlsKey) + "\\url1";
  ASSERT_EQ(registry::RegWrite(reg, typed, "http://example.invalid/"), status::kOk);

  WirePrivacyPage(form, services, {});
  LoadPrivacyPage(form, services);
  form["ieclearh"].SetValue(1);
  form["disableregchk"].SetValue(1);
  form["applyprivacy"].RaiseClick();

  EXPECT_TRUE(machine.dialogs.Messages().empty());
  const std::string shown =
      RegQuery("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
               "DisableRegistryTools");
  EXPECT_NE(shown.find("REG_DWORD"), std::string::npos) << shown;
  EXPECT_NE(shown.find("0x1"), std::string::npos) << shown;
  std::vector<RegValue> values;
  EXPECT_EQ(reg.EnumValues({RegRoot::CurrentUser, std::string(kTypedUrlsKey)}, values), status::kOk);
  EXPECT_TRUE(values.empty());
}

TEST_F(PagesWineTest, InputApplyReachesTheSystemAndTheRegistry) {
  for (const char* path : {"HKCU\\Control Panel\\Mouse\\MouseSensitivity",
                           "HKCU\\Control Panel\\Keyboard\\KeyboardSpeed",
                           "HKCU\\Control Panel\\Mouse\\DoubleClickSpeed"}) {
    keeper.Keep(path);
  }
  WireInputPage(form, services, {});
  LoadInputPage(form, services);
  const int speed = form["SpeedSlider"].Value() == 7 ? 8 : 7;
  form["SpeedSlider"].SetValue(speed);
  form["Repeatslider"].SetValue(form["Repeatslider"].Value() == 20 ? 21 : 20);
  form["DoubleSlider"].SetValue(form["DoubleSlider"].Value() == 3 ? 4 : 3);
  form["inputcmd"].RaiseClick();

  EXPECT_TRUE(machine.dialogs.Messages().empty()) << machine.dialogs.Messages().front().text;
  int live = 0;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &live, 0));
  EXPECT_EQ(live, speed);
  const std::string mouse = RegQuery("HKCU\\Control Panel\\Mouse", "MouseSensitivity");
  EXPECT_NE(mouse.find(std::to_string(speed)), std::string::npos) << mouse;
  const std::string double_click = RegQuery("HKCU\\Control Panel\\Mouse", "DoubleClickSpeed");
  const int milliseconds = DoubleClickMilliseconds(form["DoubleSlider"].Value());
  EXPECT_NE(double_click.find(std::to_string(milliseconds)), std::string::npos) << double_click;
  EXPECT_EQ(GetDoubleClickTime(), static_cast<UINT>(milliseconds));
}

TEST_F(PagesWineTest, TheResolutionListComesFromTheDisplay) {
  const auto current = display_modes.Current();
  ASSERT_TRUE(current.has_value());
  const auto sizes = OfferedSizes(display_modes);
  ASSERT_FALSE(sizes.empty());
  EXPECT_NE(std::find(sizes.begin(), sizes.end(), SizeText({current->width, current->height})),
            sizes.end());
  DEVMODEW first{};
  first.dmSize = sizeof first;
  ASSERT_TRUE(EnumDisplaySettingsW(nullptr, 0, &first));
  EXPECT_NE(std::find(sizes.begin(), sizes.end(),
                      SizeText({static_cast<int>(first.dmPelsWidth),
                                static_cast<int>(first.dmPelsHeight)})),
            sizes.end());
}

}  // namespace
}  // namespace qb::tweaks
