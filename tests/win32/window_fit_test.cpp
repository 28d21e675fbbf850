// Every window of the program, and every control it shows, lies inside the work area of its
// monitor at every DPI on every common screen size; a window that had to be drawn smaller
// is never drawn below its 96 DPI size. The DPI and the work area are pinned through the
// view's override, so that one virtual screen serves every combination; one pass uses the
// real monitor as Windows reports it.
#include <windows.h>

#include <optional>
#include <sstream>
#include <vector>

#include "app/main_form_names.h"
#include "app/main_window.h"
#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_machine.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32 {
namespace {

// A task bar along the top edge: an area that does not start at the screen's corner.
constexpr int kTaskBar = 40;

std::string Describe(const RECT& rect) {
  std::ostringstream text;
  text << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
  return text.str();
}

bool Inside(const RECT& rect, const RECT& area) {
  return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
         rect.bottom <= area.bottom;
}

class WindowFitTest : public testing::ViewTest {
 protected:
  void SetUp() override {
    const std::string folder = environment_.ApplicationFolder();
    ASSERT_TRUE(skin_.LoadFile(files_, folder + std::string(skin::kSkinFileName))) << skin_.Error();
    host_.SetSkin(skin_.Get());
  }
  void TearDown() override {
    host_.Dpi().SetOverride(0);
    host_.Dpi().SetWorkAreaOverride(std::nullopt);
  }

  // The window, and each control window that shows, inside the area; the window not
  // drawn smaller than at 96 DPI.
  void ExpectFits(const Form& form, int dpi, const RECT& area, const std::string& where) {
    RECT window{};
    GetWindowRect(Hwnd(form), &window);
    EXPECT_TRUE(Inside(window, area)) << where << ": window " << Describe(window) << " outside " << Describe(area);
    const int floor = std::min(dpi, Dpi::kStandard);
    EXPECT_GE(window.right - window.left, TwipsToPixels(form.Width(), floor)) << where << ": drawn too small";
    int seen = 0;
    for (const auto& control : form.Controls()) {
      HWND handle = Hwnd(*control);
      if (!handle || !IsWindowVisible(handle)) continue;
      ++seen;
      RECT rect{};
      GetWindowRect(handle, &rect);
      EXPECT_TRUE(Inside(rect, area) && Inside(rect, window))
          << where << ": " << control->Name() << " " << Describe(rect) << ", window " << Describe(window);
    }
    EXPECT_GT(seen, 2) << where;
  }

  // Shows the window as the program designs it, with every page and tab shown.
  Form& Show(const app::WindowDesign& design) {
    forms_.push_back(design.create());
    Form& form = *forms_.back();
    dress::SkinWindow(form, skin_, design.element);
    dress::SkinForm(form, skin_);
    app_.Show(form);
    for (const auto& control : form.Controls()) {
      if (!form.Children(control.get()).empty()) control->SetVisible(true);
    }
    host_.DoEvents();
    return form;
  }

  // The main window also grown for its monitor page, and as high as before once it is gone.
  void ExpectFitsGrownAndBack(Form& form, int dpi, const RECT& area, const std::string& where) {
    Control& monitor = form["SMframe"];
    RECT before{};
    GetWindowRect(Hwnd(form), &before);
    form.SetHeight(app::kMainHeightExpanded);
    monitor.SetVisible(true);
    ExpectFits(form, dpi, area, where + ", grown for the monitor");
    monitor.SetVisible(false);
    form.SetHeight(app::kMainHeight);
    RECT after{};
    GetWindowRect(Hwnd(form), &after);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top) << where;
    EXPECT_EQ(after.right - after.left, before.right - before.left) << where;
  }

  // Each window opened at the first DPI, then the display changes to each of the others.
  void CheckEveryWindow(const std::vector<int>& dpis, const RECT& area, const std::string& screen) {
    for (const auto& design : app::ProgramWindows()) {
      host_.Dpi().SetOverride(dpis.front());
      Form& form = Show(design);
      ASSERT_NE(Hwnd(form), nullptr) << design.name;
      const bool main = design.name == "mainform";
      // The monitor page shows only in the window grown for it.
      if (main) form["SMframe"].SetVisible(false);
      for (int dpi : dpis) {
        const std::string where = design.name + " at " + std::to_string(dpi) + " DPI on " + screen;
        host_.Dpi().SetOverride(dpi);
        if (dpi != dpis.front()) SendMessageW(Hwnd(form), WM_DISPLAYCHANGE, 32, MAKELPARAM(area.right, area.bottom));
        ExpectFits(form, dpi, area, where);
        if (main) ExpectFitsGrownAndBack(form, dpi, area, where);
      }
      app_.Unload(form);
    }
  }

  qb::win32::Win32Environment environment_;
  qb::win32::Win32FileSystem files_;
  skin::SkinInstance skin_;
};

TEST_F(WindowFitTest, EveryWindowLiesInTheWorkAreaAtEveryDpiOnEveryScreenSize) {
  const SIZE screens[] = {{1024, 768}, {1280, 1024}, {1920, 1080}};
  for (const SIZE& screen : screens) {
    const PixelRect area{0, kTaskBar, static_cast<int>(screen.cx), static_cast<int>(screen.cy) - kTaskBar};
    host_.Dpi().SetWorkAreaOverride(area);
    const std::string name = std::to_string(screen.cx) + "x" + std::to_string(screen.cy);
    CheckEveryWindow({144, 96, 120, 192}, {area.left, area.top, area.Right(), area.Bottom()}, name);
  }
}

TEST_F(WindowFitTest, EveryWindowLiesInTheRealMonitorsWorkArea) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  CheckEveryWindow({192}, info.rcWork, "the real monitor");
}

// The program's own main window, on the real screen at 192 DPI: the monitor page makes it
// taller, and the next page gives the room back.
TEST_F(WindowFitTest, TheMainWindowGivesBackTheMonitorsRoom) {
  qb::win32::Win32Machine machine;
  struct : SplashScreen {
    void Show(const std::string&) override {}
    void Close() override {}
  } splash;
  host_.Dpi().SetOverride(192);
  app::MainWindow main(app_, machine.services(), splash);
  app_.Load(main.Form());
  ASSERT_FALSE(main.EndedAsSecondInstance()) << "another Quill Box runs in this prefix";
  app_.Show(main.Form());
  HWND window = Hwnd(main.Form());
  ASSERT_NE(window, nullptr);
  const auto height = [&] {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
  };
  const int before = height();
  SendMessageW(Hwnd(main.Form()["cpucmd"]), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return height() > before; })) << "the monitor page makes the window taller";
  SendMessageW(Hwnd(main.Form()["Command4"]), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return height() == before; })) << height() << " after, " << before << " before";
  app_.Unload(main.Form());
}

}  // namespace
}  // namespace qb::ui::win32
