#include "tweaks/wallpaper_choice.h"

#include <gtest/gtest.h>

#include <functional>

#include "main_form_fixture.h"
#include "tweaks/visual_options_page.h"

namespace qb::tweaks::testing {
namespace {

constexpr std::string_view kChosen = "C:\\Users\\user\\Pictures\\lake.jpg";

Picture TwoByTwo() { return {2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}}; }

class WallpaperChoiceTest : public MainFormPageTest {
 protected:
  WallpaperChoiceTest() {
    machine.files.AddFolder(machine.environment.windows_folder);
    machine.files.AddFolder(machine.environment.local_app_data);
    WireVisualOptionsPage(form, services, hooks);
    LoadVisualOptionsPage(form, services);
    form["wallpaperCheck"].SetValue(1);
  }
  bool Exists(const std::string& path) {
    uint32_t attributes = 0;
    return machine.files.GetAttributes(path, attributes) == status::kOk;
  }
  std::vector<uint8_t> Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    machine.files.ReadFile(path, bytes);
    return bytes;
  }
  std::string WindowsBitmap() const { return machine.environment.windows_folder + "\\wallpaper.bmp"; }
};

// Fault guarded: a choice rewrote the applied bitmap at once, so a choice never applied
// showed at the next refresh or logon. And a standard user may not write the Windows
// folder: the wallpaper then goes to the user's own application-data folder.
TEST_F(WallpaperChoiceTest, AChoiceStaysApartUntilApplyReplacesTheBitmap) {
  machine.images.AddPicture(kChosen, TwoByTwo());
  const std::string own_folder = machine.environment.local_app_data + "\\Quill Box";
  machine.files.AddFolder(own_folder);
  const std::vector<uint8_t> old{'o', 'l', 'd'};
  for (const std::string& folder : {machine.environment.windows_folder, own_folder}) {
    const std::string bitmap = folder + "\\wallpaper.bmp";
    ASSERT_EQ(machine.files.WriteFile(bitmap, old), status::kOk);
    if (folder == own_folder) machine.files.DenyWrites(machine.environment.windows_folder);
    machine.dialogs.ScriptFile(std::string(kChosen));
    const size_t calls = machine.system_parameters.Calls().size();
    form["wallpapercmd"].RaiseClick();
    EXPECT_EQ(machine.system_parameters.Calls().size(), calls);  // nothing before Apply
    EXPECT_EQ(Bytes(bitmap), old);
    const std::string chosen = form["Image1"].PicturePath();
    EXPECT_EQ(Bytes(chosen), EncodeBitmapFile(TwoByTwo()));
    form["applyvisualcmd"].RaiseClick();
    EXPECT_EQ(Bytes(bitmap), EncodeBitmapFile(TwoByTwo()));
    EXPECT_FALSE(Exists(chosen));
    EXPECT_EQ(form["Image1"].PicturePath(), bitmap);
    EXPECT_EQ(machine.system_parameters.Calls().back(), "SetWallpaper " + bitmap);
    EXPECT_TRUE(Messages().empty());
  }
}

// A choice not applied is removed when the page is read again or the window closes.
TEST_F(WallpaperChoiceTest, AChoiceNotAppliedIsRemoved) {
  machine.images.AddPicture(kChosen, TwoByTwo());
  const std::function<void()> leaving[] = {[this] { LoadVisualOptionsPage(form, services); },
                                           [this] { form.on_unload(); }};
  for (const auto& leave : leaving) {
    machine.dialogs.ScriptFile(std::string(kChosen));
    form["wallpapercmd"].RaiseClick();
    const std::string chosen = form["Image1"].PicturePath();
    ASSERT_TRUE(Exists(chosen));
    leave();
    EXPECT_FALSE(Exists(chosen));
    EXPECT_EQ(form["Image1"].PicturePath(), "");
  }
  EXPECT_FALSE(Exists(WindowsBitmap()));
}

TEST_F(WallpaperChoiceTest, ACancelledChoiceOrAFileThatIsNoPictureChangesNothing) {
  const std::string before = form["Image1"].PicturePath();
  form["wallpapercmd"].RaiseClick();  // cancelled
  EXPECT_TRUE(machine.images.Decoded().empty());
  EXPECT_TRUE(Messages().empty());
  machine.images.AddUndecodable(kChosen);
  machine.dialogs.ScriptFile(std::string(kChosen));
  form["wallpapercmd"].RaiseClick();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find("could not be read as a picture"), std::string::npos);
  EXPECT_FALSE(Exists(WindowsBitmap()));
  EXPECT_EQ(form["Image1"].PicturePath(), before);
}

}  // namespace
}  // namespace qb::tweaks::testing
