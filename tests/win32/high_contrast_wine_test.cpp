// In Windows' high-contrast mode the skin steps aside: the program's windows draw with the
// scheme's colours, switch while open when the scheme is switched, and take the skin back after.
#include <iterator>
#include <map>

#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "skin/skin_instance.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

constexpr int kElements[] = {COLOR_WINDOW,    COLOR_WINDOWTEXT,    COLOR_BTNFACE,
                             COLOR_BTNTEXT,   COLOR_HIGHLIGHT,     COLOR_HIGHLIGHTTEXT,
                             COLOR_GRAYTEXT,  COLOR_ACTIVECAPTION, COLOR_CAPTIONTEXT};
// A black scheme: the shipped skin is pale, nothing of it is black or pure white.
constexpr COLORREF kScheme[] = {RGB(0, 0, 0),     RGB(255, 255, 255), RGB(0, 0, 0),
                                RGB(255, 255, 255), RGB(0, 255, 255), RGB(0, 0, 0),
                                RGB(63, 242, 63),  RGB(128, 0, 128),  RGB(255, 255, 255)};
constexpr int kCount = static_cast<int>(std::size(kElements));

class HighContrastTest : public ViewTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < kCount; ++i) saved_colours_[i] = GetSysColor(kElements[i]);
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(saved_), &saved_, 0);
    const std::string path = environment_.ApplicationFolder() + std::string(skin::kSkinFileName);
    ASSERT_TRUE(skin_.LoadFile(files_, path)) << skin_.Error();
    host_.SetSkin(skin_.Get());
  }
  void TearDown() override {
    HIGHCONTRASTW contrast = saved_;
    SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, SPIF_SENDCHANGE);
    SetSysColors(kCount, kElements, saved_colours_);
  }

  // What the user does in the control panel: the switch, then the scheme's colours. Where
  // Windows refuses the switch (Wine keeps it off), the host stands in for it and the change
  // is announced as Windows would.
  void Switch(bool on) {
    HIGHCONTRASTW contrast = saved_;
    contrast.dwFlags = on ? (contrast.dwFlags | HCF_HIGHCONTRASTON) : (contrast.dwFlags & ~HCF_HIGHCONTRASTON);
    const bool switched = SystemParametersInfoW(SPI_SETHIGHCONTRAST, sizeof(contrast), &contrast, SPIF_SENDCHANGE);
    if (!switched) host_.SetHighContrastOverride(on);
    SetSysColors(kCount, kElements, on ? kScheme : saved_colours_);
    if (!switched) {
      for (HWND window : open_) SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    }
  }

  Form& Open(std::string_view name) {
    for (const auto& design : app::ProgramWindows()) {
      if (design.name != name) continue;
      Form& form = *forms_.emplace_back(design.create());
      dress::SkinWindow(form, skin_, design.element);
      dress::SkinForm(form, skin_);
      app_.Show(form);
      open_.push_back(Hwnd(form));
      return form;
    }
    ADD_FAILURE() << name << " is not a window of the program";
    return NewForm();
  }

  using Ranked = std::multimap<int, COLORREF, std::greater<>>;

  // The colours a window is painted with, most frequent first.
  static Ranked Colours(HWND window) {
    RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(window, &client);
    const qb::win32::ScopedWindowDc dc(window);
    std::map<COLORREF, int> counts;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) ++counts[GetPixel(dc.Get(), x, y)];
    }
    Ranked ranked;
    for (const auto& [colour, count] : counts) ranked.emplace(count, colour);
    return ranked;
  }

  // The first label with a caption the screen shows: no other window over its middle (a
  // label lets the mouse through to its frame; another window over it would take it).
  HWND ShownLabel(const Form& form) const {
    for (const auto& control : form.Controls()) {
      const bool label = control->Kind() == ControlKind::Label || control->Kind() == ControlKind::SkinLabel;
      HWND window = Hwnd(*control);
      if (!label || control->Caption().empty() || !IsWindowVisible(window)) continue;
      RECT place{};
      GetWindowRect(window, &place);
      const HWND hit = WindowFromPoint({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
      if (hit == window || IsChild(hit, window)) return window;
    }
    ADD_FAILURE() << form.Name() << " shows no label";
    return nullptr;
  }

  static bool Has(const Ranked& colours, COLORREF wanted) {
    for (const auto& [count, colour] : colours) {
      if (colour == wanted) return true;
    }
    return false;
  }

  qb::win32::Win32Environment environment_;
  qb::win32::Win32FileSystem files_;
  skin::SkinInstance skin_;
  HIGHCONTRASTW saved_{sizeof(HIGHCONTRASTW)};
  COLORREF saved_colours_[kCount] = {};
  std::vector<HWND> open_;
};

TEST_F(HighContrastTest, OpenWindowsTakeTheSchemeWhenItIsSwitchedOnAndTheSkinBackAfter) {
  Form& main = Open("mainform");
  Form& about = Open("frmabout");
  const HWND labels[] = {ShownLabel(main), ShownLabel(about)};
  const HWND graph = Hwnd(main["cpuhist"]);
  ASSERT_TRUE(labels[0] && labels[1] && IsWindowVisible(graph));
  const COLORREF graph_face = Colours(graph).begin()->second;
  std::vector<COLORREF> skin_faces;
  for (HWND label : labels) {
    skin_faces.push_back(Colours(label).begin()->second);
    EXPECT_NE(skin_faces.back(), kScheme[2]) << "the skin is black already";
  }

  Switch(true);
  for (HWND label : labels) {
    const Ranked colours = Colours(label);
    EXPECT_EQ(colours.begin()->second, kScheme[2]) << TextOf(label) << ": the face is not the scheme's";
    EXPECT_TRUE(Has(colours, kScheme[3])) << TextOf(label) << ": the text is not in the scheme's colour";
  }
  EXPECT_EQ(Colours(graph).begin()->second, kScheme[0]) << "the graph keeps its own screen";

  Switch(false);
  for (size_t i = 0; i < std::size(labels); ++i) {
    EXPECT_EQ(Colours(labels[i]).begin()->second, skin_faces[i]) << TextOf(labels[i]) << ": the skin did not come back";
  }
  EXPECT_EQ(Colours(graph).begin()->second, graph_face);
}

}  // namespace
}  // namespace qb::ui::win32::testing
