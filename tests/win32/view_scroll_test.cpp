// A screen too small for the monitor page even at 96 DPI: the window stays inside the work
// area and its content scrolls, by the bar, the wheel and the focus; whole on a larger one.
#include "app/main_form_names.h"
#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

TEST_F(ViewTest, TheMonitorPageScrollsOnAScreenTooSmallAndIsWholeOnALargerOne) {
  qb::win32::Win32FileSystem files;
  skin::SkinInstance skin;
  ASSERT_TRUE(skin.LoadFile(files, qb::win32::Win32Environment().ApplicationFolder() + std::string(skin::kSkinFileName)));
  host_.SetSkin(skin.Get());
  host_.Dpi().SetOverride(96);
  host_.Dpi().SetWorkAreaOverride(PixelRect{0, 0, 800, 520});
  const auto design = app::ProgramWindows().front();
  Form& form = *forms_.emplace_back(design.create());
  dress::SkinWindow(form, skin, design.element);
  dress::SkinForm(form, skin);
  app_.Show(form);
  const HWND window = Hwnd(form);
  for (const auto& control : form.Controls()) {
    if (!form.Children(control.get()).empty() && !control->Container()) control->SetVisible(control->Name() == "SMframe");
  }
  form.SetHeight(app::kMainHeightExpanded);
  const auto in_view = [&](HWND control) {
    RECT client{}, place{};
    GetClientRect(window, &client);
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place.top >= 0 && place.left >= 0 && place.bottom <= client.bottom && place.right <= client.right;
  };
  RECT rect{};
  EXPECT_TRUE(GetWindowRect(window, &rect) && rect.left >= 0 && rect.top >= 0 && rect.right <= 800 && rect.bottom <= 520);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), WS_VSCROLL) << "the width fits";

  const HWND lowest = Hwnd(form["optimizecmd"]);  // the page's last row
  EXPECT_FALSE(in_view(lowest));
  SetFocus(lowest);
  EXPECT_TRUE(in_view(lowest));
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 10 * WHEEL_DELTA), 0);
  EXPECT_EQ(GetScrollPos(window, SB_VERT), 0);
  EXPECT_EQ(PlaceOf(Hwnd(form["SMframe"])).top, TwipsToPixels(form["SMframe"].Rect().top, 96));

  // A larger screen: whole, with its painted title.
  host_.Dpi().SetWorkAreaOverride(PixelRect{0, 0, 1280, 1024});
  SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1280, 1024));
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & (WS_VSCROLL | WS_POPUP), WS_POPUP);
  EXPECT_TRUE(in_view(lowest));
}

}  // namespace
}  // namespace qb::ui::win32::testing
