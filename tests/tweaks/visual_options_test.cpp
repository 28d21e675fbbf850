#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "platform/app_settings.h"
#include "tweaks/display_resolution.h"
#include "tweaks/visual_options_page.h"

namespace qb::tweaks::testing {
namespace {

class VisualOptionsTest : public MainFormPageTest {
 protected:
  void WireAndLoad() {
    WireVisualOptionsPage(form, services, hooks);
    LoadVisualOptionsPage(form, services);
  }
};

// Fault guarded: font smoothing was not read, so every Visual Apply turned it off.
TEST_F(VisualOptionsTest, LoadShowsTheCurrentStateAndAnUntouchedApplyChangesNothing) {
  StoreText(kFontSmoothingPath, "2");
  Store(kOptimizePolicyPath, 1);
  StoreText(kWallpaperValuePath, "C:\\Pictures\\lake.bmp");
  machine.registry.ClearWriteLog();
  WireAndLoad();
  EXPECT_EQ(form["fsmooth"].Value(), 1);
  EXPECT_EQ(form["Check1"].Value(), 1);
  EXPECT_EQ(form["Image1"].PicturePath(), "C:\\Pictures\\lake.bmp");
  EXPECT_EQ(form["Picture2"].BackColour(), std::optional<uint32_t>(0x00A56E3A));

  form["applyvisualcmd"].RaiseClick();
  EXPECT_TRUE(machine.registry.WriteLog().empty());
  EXPECT_TRUE(machine.system_parameters.Calls().empty());
  EXPECT_TRUE(machine.display_modes.Calls().empty());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(VisualOptionsTest, SmoothingIsRememberedAndTheWallpaperSetOnlyWhenItsBoxIsChecked) {
  StoreText(kFontSmoothingPath, "0");
  StoreText(kWallpaperValuePath, "C:\\Pictures\\lake.bmp");
  WireAndLoad();
  form["fsmooth"].SetValue(1);
  form["Image1"].SetPicture("C:\\Windows\\wallpaper.bmp");
  form["applyvisualcmd"].RaiseClick();
  EXPECT_EQ(machine.system_parameters.Calls(),
            (std::vector<std::string>{"SystemParametersInfo 75 1 0 3"}));
  EXPECT_EQ(AppSettings(machine.registry).Get(kVisualApp, "visual", "smooth"), "1");
  form["wallpaperCheck"].SetValue(1);
  EXPECT_TRUE(form["wallpapercmd"].Enabled());
  form["applyvisualcmd"].RaiseClick();
  const auto& calls = machine.system_parameters.Calls();
  EXPECT_NE(std::find(calls.begin(), calls.end(), "SetWallpaper C:\\Windows\\wallpaper.bmp"), calls.end());
}

// Fault guarded: after a switch to a small size there was no way back from this page.
TEST_F(VisualOptionsTest, ANewSizeIsKeptOnlyOnYes) {
  WireAndLoad();
  EXPECT_FALSE(form["RCombo"].Enabled());
  form["ResolutionCheck"].SetValue(1);
  EXPECT_TRUE(form["RCombo"].Enabled());
  form["RCombo"].SetListIndex(3);  // 800x600
  form["applyvisualcmd"].RaiseClick();  // nobody answers: the question times out
  EXPECT_EQ(machine.display_modes.current, (DisplayMode{1920, 1080, 32, 60}));
  form["RCombo"].TextChangedByUser("640x480");
  machine.dialogs.ScriptAnswer(mb::kIdYes);
  form["applyvisualcmd"].RaiseClick();
  EXPECT_EQ(machine.display_modes.Calls(), (std::vector<std::string>{
                                               "ChangeSize 800x600", "Restore 1920x1080x32@60", "ChangeSize 640x480"}));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text.rfind("Keep these display settings?", 0), 0u);
  EXPECT_EQ(Messages()[1].timeout_ms, 15000u);
  EXPECT_EQ(machine.display_modes.current, (DisplayMode{640, 480, 32, 60}));
}

TEST_F(VisualOptionsTest, AnOldSizeThatCannotComeBackIsToldNotTakenForKept) {
  machine.display_modes.current = DisplayMode{1366, 768, 32, 60};  // a size the list lacks
  WireAndLoad();
  form["ResolutionCheck"].SetValue(1);
  form["RCombo"].TextChangedByUser("800x600");
  form["applyvisualcmd"].RaiseClick();  // nobody answers
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1].text, "The screen could not be set back to 1366x768: the display does not offer this size.");
}

TEST_F(VisualOptionsTest, ARefusedOrUnreadableSizeChangesNothingAndSaysSo) {
  WireAndLoad();
  form["ResolutionCheck"].SetValue(1);
  for (const char* typed : {"Select resolution", "1000x1000"}) {
    form["RCombo"].TextChangedByUser(typed);
    form["applyvisualcmd"].RaiseClick();
  }
  EXPECT_EQ(machine.display_modes.Calls(), (std::vector<std::string>{"ChangeSize 1000x1000"}));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_NE(Messages()[0].text.find("is not a screen size"), std::string::npos);
  EXPECT_EQ(Messages()[1].text,
            "The screen resolution was not changed to 1000x1000: the display does not offer "
            "this size.");
  EXPECT_EQ(machine.display_modes.current, (DisplayMode{1920, 1080, 32, 60}));
}

TEST_F(VisualOptionsTest, ScreenSizesAreReadAsTheUserTypesThem) {
  const struct { const char* text; std::optional<ScreenSize> size; } cases[] = {
      {"1024x768", ScreenSize{1024, 768}}, {" 640 X 480 ", ScreenSize{640, 480}},
      {"1280x1024x32", ScreenSize{1280, 1024}}, {"1024", std::nullopt},
      {"x768", std::nullopt}, {"0x0", std::nullopt}, {"wide x tall", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ParseScreenSize(c.text), c.size) << c.text;
}

TEST_F(VisualOptionsTest, OptimizeKeepsTheWindowResponsiveBetweenSteps) {
  int events = 0;
  hooks.do_events = [&events] { return ++events > 0; };
  WireAndLoad();
  form["optimizecmd"].RaiseClick();
  EXPECT_EQ(events, 21);
}

}  // namespace
}  // namespace qb::tweaks::testing
