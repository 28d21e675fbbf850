// When each page reads its state, and that looking at pages changes nothing.
#include <algorithm>
#include <functional>

#include "app/main_window_fixture.h"
#include "platform/app_settings.h"
#include "registry/registry_paths.h"

namespace qb::app {
namespace {

TEST_F(MainWindowTest, VisitingEveryPageAndTabWritesNothingAndStartMenuApplyStartsDisabled) {
  machine.registry.CreateKey({RegRoot::CurrentUser,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"});
  machine.registry.SetValue({RegRoot::CurrentUser,
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"},
                            RegValue::Dword("NoRun", 1));
  machine.registry.ClearWriteLog();
  Start();
  EXPECT_EQ(Form()["runchk"].Value(), 1);
  EXPECT_FALSE(Form()["applymenu"].Enabled());
  for (const char* button : {"Command1", "Command2", "Command4", "Command5", "Command6",
                             "Command7", "cpucmd", "syscmd"}) {
    Form()[button].RaiseClick();
  }
  for (int tab = 1; tab <= 3; ++tab) Form()["TabStrip1"].SelectTab(tab);
  for (int tab = 1; tab <= 2; ++tab) Form()["ExpTab"].SelectTab(tab);
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

class WallpaperPreviewTest : public MainWindowTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(WallpaperPreviewTest, ShowsTheStoredWallpaperUnlessItIsNone) {
  const RegKeyPath desktop{RegRoot::CurrentUser, "Control Panel\\Desktop"};
  machine.registry.CreateKey(desktop);
  machine.registry.SetValue(desktop, RegValue::String("Wallpaper", GetParam()));
  Start();
  const std::string stored = GetParam();
  const bool none = stored == "(None)" || stored == "(NONE)" || stored.empty();
  EXPECT_EQ(Form()["Image1"].PicturePath(), none ? "" : stored);
}

INSTANTIATE_TEST_SUITE_P(Values, WallpaperPreviewTest,
                         ::testing::Values("(None)", "(NONE)", "", "C:\\Windows\\sky.bmp"));

// The window comes up with what its first picture shows; every other page reads its state
// when it is first shown, once, and the monitor and drive facts once the window is up.
TEST_F(MainWindowTest, PagesNotShownAreReadWhenFirstShownAndOnlyOnce) {
  ASSERT_EQ(registry::RegWrite(machine.registry,
                               "HKCU\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page",
                               "http://example.test/"),
            status::kOk);
  ASSERT_EQ(registry::RegWrite(machine.registry, "HKCU\\Control Panel\\Mouse\\MouseSensitivity", "14"),
            status::kOk);
  machine.system.computer_name = "BENCH-PC";
  machine.registry.ClearWriteLog();
  const struct {
    const char* button;
    std::function<bool(ui::Form&)> read;
  } pages[] = {
      {"Command1", [](ui::Form& form) { return form["hometxt"].Text() == "http://example.test/"; }},
      {"Command6", [](ui::Form& form) { return form["SpeedSlider"].Value() == 14; }},
      {"Command2", [](ui::Form& form) { return form["txtComputerName"].Text() == "BENCH-PC"; }},
      {"Command7", [](ui::Form& form) { return form["combolng"].Items() == std::vector<std::string>{"English"}; }},
  };
  Start();
  for (const auto& page : pages) EXPECT_FALSE(page.read(Form())) << page.button << " was read at start-up";
  for (const auto& page : pages) {
    Form()[page.button].RaiseClick();
    EXPECT_TRUE(page.read(Form())) << page.button << " was not read when shown";
  }
  // Shown again: not read again (the processor speed is measured once).
  Form()["Command4"].RaiseClick();
  Form()["Command2"].RaiseClick();
  const auto& calls = machine.system.Calls();
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "MeasureProcessorMhz"), 1);
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

// A page read when first shown is read before its handlers run: an Apply reached before the
// page was ever shown (by a script, say) finds the stored settings and writes nothing.
class ApplyBeforeShownTest : public MainWindowTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(ApplyBeforeShownTest, FindsTheStoredSettingsAndWritesNothing) {
  const struct { const char* path; const char* value; const char* type; } stored[] = {
      {"HKCU\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page", "http://example.test/", "REG_SZ"},
      {"HKCU\\Software\\Microsoft\\Internet Explorer\\Main\\Window Title", "Browser", "REG_SZ"},
      {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System\\DisableRegistryTools", "1",
       "REG_DWORD"},
      {"HKCU\\Control Panel\\Mouse\\MouseSensitivity", "14", "REG_SZ"},
      {"HKCU\\Control Panel\\Mouse\\SwapMouseButtons", "0", "REG_SZ"},
      {"HKCU\\Control Panel\\Mouse\\DoubleClickSpeed", "800", "REG_SZ"},
      {"HKCU\\Control Panel\\Keyboard\\KeyboardSpeed", "20", "REG_SZ"},
      {"HKCU\\Control Panel\\Keyboard\\KeyboardDelay", "3", "REG_SZ"},
  };
  for (const auto& value : stored) {
    ASSERT_EQ(registry::RegWrite(machine.registry, value.path, value.value, value.type), status::kOk);
  }
  AppSettings(machine.registry).Save("Larkspan utilities", "mouse", "trails", "0");
  machine.registry.ClearWriteLog();
  Start();
  Form()[GetParam()].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_TRUE(machine.system_parameters.Calls().empty());
  EXPECT_TRUE(machine.dialogs.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, ApplyBeforeShownTest,
                         ::testing::Values("applycmd", "applyprivacy", "inputcmd"));

}  // namespace
}  // namespace qb::app
