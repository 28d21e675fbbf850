// Every window of the program, and every control it shows, lies inside the work area at
// every DPI on common screens (pinned through the view's override, with a task bar along
// the top) and on the real monitor; none is drawn below its 96 DPI size; the main window
// grown for its monitor page fits too and is as high as before once the page is gone.
#include <optional>

#include "app/main_form_names.h"
#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32 {
namespace {

class WindowFitTest : public testing::ViewTest {
 protected:
  void ExpectFits(const Form& form, int dpi, const PixelRect& area, const std::string& where) {
    RECT window{};
    GetWindowRect(Hwnd(form), &window);
    const auto inside = [&](const RECT& r) {
      return r.left >= area.left && r.top >= area.top && r.right <= area.Right() && r.bottom <= area.Bottom() &&
             r.left >= window.left && r.top >= window.top && r.right <= window.right && r.bottom <= window.bottom;
    };
    EXPECT_TRUE(inside(window)) << where << ": window " << window.left << "," << window.top << " "
                                << window.right << "," << window.bottom;
    EXPECT_GE(window.right - window.left, TwipsToPixels(form.Width(), std::min(dpi, 96))) << where;
    for (const auto& control : form.Controls()) {
      RECT rect{};
      if (!IsWindowVisible(Hwnd(*control)) || !GetWindowRect(Hwnd(*control), &rect)) continue;
      EXPECT_TRUE(inside(rect)) << where << ": " << control->Name() << " " << rect.left << "," << rect.top
                                << " " << rect.right << "," << rect.bottom;
    }
  }
};

TEST_F(WindowFitTest, EveryWindowAndControlLiesInTheWorkAreaAtEveryDpiAndScreen) {
  qb::win32::Win32FileSystem files;
  skin::SkinInstance skin;
  ASSERT_TRUE(skin.LoadFile(files, qb::win32::Win32Environment().ApplicationFolder() + std::string(skin::kSkinFileName)));
  host_.SetSkin(skin.Get());
  const std::optional<PixelRect> screens[] = {
      PixelRect{0, 40, 1024, 728}, PixelRect{0, 40, 1280, 984}, PixelRect{0, 40, 1920, 1040}, std::nullopt};
  for (const auto& screen : screens) {
    host_.Dpi().SetWorkAreaOverride(screen);
    for (const auto& design : app::ProgramWindows()) {
      // Opened at 144 DPI; the display then changes to each other DPI.
      host_.Dpi().SetOverride(144);
      forms_.push_back(design.create());
      Form& form = *forms_.back();
      dress::SkinWindow(form, skin, design.element);
      dress::SkinForm(form, skin);
      app_.Show(form);
      for (const auto& control : form.Controls()) {
        if (!form.Children(control.get()).empty()) control->SetVisible(control->Name() != "SMframe");
      }
      const PixelRect area = host_.Dpi().WorkAreaOf(Hwnd(form));
      for (int dpi : {144, 96, 120, 192}) {
        const std::string where = design.name + " at " + std::to_string(dpi) + " DPI on " +
                                  std::to_string(area.width) + "x" + std::to_string(area.height);
        host_.Dpi().SetOverride(dpi);
        SendMessageW(Hwnd(form), WM_DISPLAYCHANGE, 32, MAKELPARAM(area.width, area.height));
        ExpectFits(form, dpi, area, where);
        if (design.name != "mainform") continue;
        RECT before{}, after{};
        GetWindowRect(Hwnd(form), &before);
        form.SetHeight(app::kMainHeightExpanded);
        form["SMframe"].SetVisible(true);
        ExpectFits(form, dpi, area, where + ", grown for the monitor page");
        form["SMframe"].SetVisible(false);
        form.SetHeight(app::kMainHeight);
        GetWindowRect(Hwnd(form), &after);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top) << where;
      }
      app_.Unload(form);
    }
  }
  host_.Dpi().SetOverride(0);
  host_.Dpi().SetWorkAreaOverride(std::nullopt);
}

}  // namespace
}  // namespace qb::ui::win32
