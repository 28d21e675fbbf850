#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "platform/app_settings.h"
#include "tweaks/input_page.h"

namespace qb::tweaks::testing {
namespace {

constexpr std::string_view kMouseSpeed = "HKCU\\Control Panel\\Mouse\\MouseSensitivity";
constexpr std::string_view kKeyboardSpeed = "HKCU\\Control Panel\\Keyboard\\KeyboardSpeed";
constexpr std::string_view kKeyboardDelay = "HKCU\\Control Panel\\Keyboard\\KeyboardDelay";
constexpr std::string_view kSwap = "HKCU\\Control Panel\\Mouse\\SwapMouseButtons";

class InputPageTest : public MainFormPageTest {
 protected:
  void WireAndLoad() {
    WireInputPage(form, services, hooks);
    LoadInputPage(form, services);
  }
  std::string Preference(std::string_view key) {
    return AppSettings(machine.registry).Get(kMouseApp, kMouseSection, key, "(missing)");
  }
  // By default what Windows keeps for a user who never changed anything.
  void StoreSettings(const char* swap = "0", const char* trails = "0", const char* speed = "10",
                     const char* repeat = "31", const char* delay = "1", const char* double_click = "500") {
    StoreText(kMouseSpeed, speed);
    StoreText(kKeyboardSpeed, repeat);
    StoreText(kKeyboardDelay, delay);
    StoreText(kSwap, swap);
    StoreText(kDoubleClickPath, double_click);
    AppSettings(machine.registry).Save(kMouseApp, kMouseSection, "trails", trails);
    machine.registry.ClearWriteLog();
  }
};

// Fault guarded: the double-click slider was not read, so an Apply made for the mouse speed
// reset the double-click time; and the bin was emptied on every later Apply.
TEST_F(InputPageTest, LoadShowsTheCurrentSettingsAndAnUntouchedApplyChangesNothing) {
  StoreSettings("1", "1", "14", "20", "2", "800");
  WireAndLoad();
  EXPECT_EQ(form["SpeedSlider"].Value(), 14);
  EXPECT_EQ(form["Repeatslider"].Value(), 20);
  EXPECT_EQ(form["Delayslider"].Value(), 2);
  EXPECT_EQ(form["swapm"].Value(), 1);
  EXPECT_EQ(form["DoubleSlider"].Value(), 3);
  EXPECT_EQ(form["trails"].Value(), 1);
  form["inputcmd"].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_TRUE(machine.system_parameters.Calls().empty());
  EXPECT_EQ(machine.recycle_bin.empty_requests, 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(InputPageTest, MissingOrUnusableValuesLeaveTheDesignPositions) {
  StoreText(kMouseSpeed, "fast");
  StoreText(kKeyboardDelay, "9");
  WireAndLoad();
  EXPECT_EQ(form["SpeedSlider"].Value(), 10);
  EXPECT_EQ(form["Delayslider"].Value(), 1);
  EXPECT_EQ(form["DoubleSlider"].Value(), 6);
  EXPECT_EQ(form["trails"].Value(), 0);
}

TEST_F(InputPageTest, ApplyCallsTheSystemWithFlagsThreeInOrder) {
  StoreSettings();
  WireAndLoad();
  form["SpeedSlider"].SetValue(15);
  form["Repeatslider"].SetValue(12);
  form["Delayslider"].SetValue(3);
  form["DoubleSlider"].SetValue(3);
  form["swapm"].SetValue(1);
  form["trails"].SetValue(1);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.system_parameters.Calls(),
            (std::vector<std::string>{"SystemParametersInfo 113 0 15 3",
                                      "SystemParametersInfo 11 12 0 3",
                                      "SystemParametersInfo 23 3 0 3",
                                      "SetDoubleClickTime 800",
                                      "SystemParametersInfo 33 -1 0 3",
                                      "SystemParametersInfo 93 5 0 3"}));
  EXPECT_EQ(Read(kDoubleClickPath), RegValue::String("DoubleClickSpeed", "800"));
  EXPECT_EQ(Preference("swap"), "1");
  EXPECT_EQ(Preference("trails"), "1");
}

TEST_F(InputPageTest, ClearedBoxesTurnSwapAndTrailsOffAndAreStoredAsZero) {
  StoreSettings("1", "1");
  WireAndLoad();
  form["swapm"].SetValue(0);
  form["trails"].SetValue(0);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.system_parameters.Calls(),
            (std::vector<std::string>{"SystemParametersInfo 33 0 0 3",
                                      "SystemParametersInfo 93 0 0 3"}));
  EXPECT_EQ(Preference("swap"), "0");
  EXPECT_EQ(Preference("trails"), "0");
  // The next start shows the box cleared.
  form["trails"].SetValue(1);
  LoadInputPage(form, services);
  EXPECT_EQ(form["trails"].Value(), 0);
}

// Fault guarded: the comparison took a missing preference for "0", so a cleared box on a
// profile without one was never applied.
TEST_F(InputPageTest, ClearedTrailsAreAppliedOnAProfileWithoutThePreference) {
  WireAndLoad();
  form["trails"].SetValue(1);
  form["trails"].SetValue(0);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.system_parameters.Calls(), (std::vector<std::string>{"SystemParametersInfo 93 0 0 3"}));
  EXPECT_EQ(Preference("trails"), "0");

  // Trails turned on elsewhere since: the box's "off" still reaches Windows.
  machine.system_parameters.parameters[spi::kSetMouseTrails] = 5;
  form["trails"].SetValue(1);
  form["trails"].SetValue(0);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.system_parameters.Calls().size(), 2u);
}

// Fault guarded: Apply told the system every slider that differed from the stored setting,
// so a speed or delay another program set while the page was open was put back.
TEST_F(InputPageTest, SettingsChangedElsewhereStayUnlessTheUserChangedThemToo) {
  StoreSettings();
  WireAndLoad();
  for (auto path : {kMouseSpeed, kKeyboardSpeed, kKeyboardDelay}) StoreText(path, "3");
  form["Repeatslider"].SetValue(12);
  form["Repeatslider"].SetValue(31);  // back to what the page showed: still the user's choice
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.system_parameters.Calls(), (std::vector<std::string>{"SystemParametersInfo 11 31 0 3"}));
  EXPECT_EQ(Read(kKeyboardDelay).AsString(), "3");
}

TEST_F(InputPageTest, TheBinIsEmptiedOnceAndTheBoxCleared) {
  StoreSettings();
  WireAndLoad();
  form["recycle"].SetValue(1);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.recycle_bin.empty_requests, 1);
  EXPECT_EQ(form["recycle"].Value(), 0);
  form["SpeedSlider"].SetValue(3);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(machine.recycle_bin.empty_requests, 1);
}

TEST_F(InputPageTest, RefusalsAreNamedAndABinNotEmptiedStaysChecked) {
  StoreSettings();
  WireAndLoad();
  machine.recycle_bin.result = status::kAccessDenied;
  machine.system_parameters.parameter_result = status::kInvalidParameter;
  form["recycle"].SetValue(1);
  form["SpeedSlider"].SetValue(3);
  form["inputcmd"].RaiseClick();
  EXPECT_EQ(form["recycle"].Value(), 1);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find("Empty Recycle Bin"), std::string::npos);
  EXPECT_NE(Messages()[0].text.find("Mouse pointer speed"), std::string::npos);
}

TEST_F(InputPageTest, DoubleClickPositionsRoundToTheNearestStepWithinTheSlider) {
  const struct { long long ms; int position; } cases[] = {
      {1000, 1}, {800, 3}, {500, 6}, {440, 7}, {100, 10}, {20, 10}, {5000, 1}};
  for (const auto& c : cases) EXPECT_EQ(DoubleClickPosition(c.ms, 1, 10), c.position) << c.ms;
}

}  // namespace
}  // namespace qb::tweaks::testing
