#include "tweaks/wallpaper_choice.h"

#include <gtest/gtest.h>

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
  std::string WindowsBitmap() const { return machine.environment.windows_folder + "\\wallpaper.bmp"; }
};

// Fault guarded: a standard user may not write the Windows folder, and the wallpaper was
// lost; it now goes to the user's own application-data folder.
TEST_F(WallpaperChoiceTest, AChosenPictureBecomesABitmapThatApplySets) {
  machine.images.AddPicture(kChosen, TwoByTwo());
  const std::string own = machine.environment.local_app_data + "\\Quill Box\\wallpaper.bmp";
  for (const std::string& bitmap : {WindowsBitmap(), own}) {
    if (bitmap == own) machine.files.DenyWrites(machine.environment.windows_folder);
    machine.dialogs.ScriptFile(std::string(kChosen));
    const size_t calls = machine.system_parameters.Calls().size();
    form["wallpapercmd"].RaiseClick();
    EXPECT_EQ(machine.system_parameters.Calls().size(), calls);  // nothing before Apply
    std::vector<uint8_t> bytes;
    ASSERT_EQ(machine.files.ReadFile(bitmap, bytes), status::kOk);
    EXPECT_EQ(bytes, EncodeBitmapFile(TwoByTwo()));
    EXPECT_FALSE(Exists(bitmap + ".new"));
    EXPECT_EQ(form["Image1"].PicturePath(), bitmap);
    EXPECT_TRUE(Messages().empty());
    form["applyvisualcmd"].RaiseClick();
    EXPECT_EQ(machine.system_parameters.Calls().back(), "SetWallpaper " + bitmap);
  }
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
