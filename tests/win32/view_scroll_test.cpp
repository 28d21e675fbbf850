// A screen too small for a window even at 96 DPI: the window stays inside the work area and
// its content scrolls, with the bars, the wheel and the focus; on a larger screen it is
// whole again, with its painted title.
#include "app/main_form_names.h"
#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

class ViewScrollTest : public ViewTest {
 protected:
  void SetUp() override {
    const std::string folder = environment_.ApplicationFolder();
    ASSERT_TRUE(skin_.LoadFile(files_, folder + std::string(skin::kSkinFileName))) << skin_.Error();
    host_.SetSkin(skin_.Get());
    host_.Dpi().SetOverride(96);
  }
  void TearDown() override {
    host_.Dpi().SetOverride(0);
    host_.Dpi().SetWorkAreaOverride(std::nullopt);
  }
  void ScreenChanged(HWND window, const PixelRect& area) {
    host_.Dpi().SetWorkAreaOverride(area);
    SendMessageW(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(area.width, area.height));
  }
  static int Position(HWND window) { return GetScrollPos(window, SB_VERT); }
  // Whether the control is wholly inside the window's client area.
  static bool InView(HWND window, HWND control) {
    RECT client{}, place{};
    GetClientRect(window, &client);
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return place.top >= 0 && place.left >= 0 && place.bottom <= client.bottom && place.right <= client.right;
  }

  qb::win32::Win32Environment environment_;
  qb::win32::Win32FileSystem files_;
  skin::SkinInstance skin_;
};

TEST_F(ViewScrollTest, TheMonitorPageScrollsOnAScreenTooSmallAndIsWholeOnALargerOne) {
  const auto designs = app::ProgramWindows();
  const auto& design = designs.front();
  ASSERT_EQ(design.name, "mainform");
  Form& form = *forms_.emplace_back(design.create());
  dress::SkinWindow(form, skin_, design.element);
  dress::SkinForm(form, skin_);
  const PixelRect small{0, 0, 800, 520};
  host_.Dpi().SetWorkAreaOverride(small);
  app_.Show(form);
  const HWND window = Hwnd(form);
  for (const auto& control : form.Controls()) {
    const bool page = !form.Children(control.get()).empty() && !control->Container();
    if (page) control->SetVisible(control->Name() == "SMframe");
  }
  form.SetHeight(app::kMainHeightExpanded);
  host_.DoEvents();

  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= small.width && rect.bottom <= small.height)
      << rect.right << "x" << rect.bottom;
  ASSERT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL);
  SCROLLINFO info{sizeof(info), SIF_ALL};
  GetScrollInfo(window, SB_VERT, &info);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(static_cast<int>(info.nPage), client.bottom);
  EXPECT_GT(info.nMax + 1, static_cast<int>(info.nPage)) << "a range to scroll through";

  // The lowest control of the page, out of view, comes into view with the focus.
  HWND lowest = nullptr;
  for (const auto& control : form.Controls()) {
    const HWND handle = Hwnd(*control);
    if (!handle || !IsWindowVisible(handle) || !IsChild(Hwnd(form["SMframe"]), handle)) continue;
    RECT place{}, best{};
    GetWindowRect(handle, &place);
    if (lowest) GetWindowRect(lowest, &best);
    if (!lowest || place.bottom > best.bottom) lowest = handle;
  }
  ASSERT_NE(lowest, nullptr);
  EXPECT_FALSE(InView(window, lowest));
  SetFocus(lowest);
  EXPECT_TRUE(InView(window, lowest));
  EXPECT_GT(Position(window), 0);

  // The wheel turned away from the user goes back up, to the page's top.
  SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 10 * WHEEL_DELTA), 0);
  EXPECT_EQ(Position(window), 0);
  EXPECT_EQ(PlaceOf(Hwnd(form["SMframe"])).top, TwipsToPixels(form["SMframe"].Rect().top, 96));
  // A scroll bar's arrow moves one step down.
  SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_GT(Position(window), 0);

  // A larger screen: the whole window, its painted title, no bar, the controls in place.
  ScreenChanged(window, {0, 0, 1280, 1024});
  EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_POPUP);
  EXPECT_TRUE(InView(window, lowest));
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(app::kMainHeightExpanded, 96));
}

}  // namespace
}  // namespace qb::ui::win32::testing
