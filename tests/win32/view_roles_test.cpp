// What a screen reader learns of every control of every window, every page shown: check
// boxes and option buttons are the system's kinds with the state drawn, after a load and a
// click; a text box, list or slider has the static text naming it just before it; a button
// has a caption. A fault names the window, page and control.
#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

std::string Where(const Form& form, const Control& control) {
  std::string page;
  for (const Control* up = control.Container(); up; up = up->Container()) page = up->Name() + "/" + page;
  return form.Name() + ", page " + page + " " + control.Name();
}

TEST_F(ViewTest, EveryControlOfEveryWindowAndPageHasItsRoleStateAndName) {
  qb::win32::Win32FileSystem files;
  skin::SkinInstance skin;
  ASSERT_TRUE(skin.LoadFile(files, qb::win32::Win32Environment().ApplicationFolder() + std::string(skin::kSkinFileName)));
  host_.SetSkin(skin.Get());
  size_t checked = 0;
  for (const auto& design : app::ProgramWindows()) {
    Form& form = *forms_.emplace_back(design.create());
    dress::SkinWindow(form, skin, design.element);
    dress::SkinForm(form, skin);
    app_.Show(form);
    for (const auto& control : form.Controls()) {
      if (!form.Children(control.get()).empty()) control->SetVisible(true);  // every page built
      // A label the window fills as it loads names its control as well.
      const bool label = control->Kind() == ControlKind::Label || control->Kind() == ControlKind::SkinLabel;
      if (label && control->Caption().empty()) control->SetCaption("filled on loading");
    }
    for (const auto& owned : form.Controls()) {
      Control& control = *owned;
      const HWND window = Hwnd(control);
      const std::string where = Where(form, control);
      const LONG_PTR type = window ? GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK : -1;
      const auto state = [&] { return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0)); };
      // The spin buttons of a text box stand between it and its label, where Windows skips them.
      HWND before = window ? GetWindow(window, GW_HWNDPREV) : nullptr;
      wchar_t kind[32] = {};
      while (before && GetClassNameW(before, kind, 32) && lstrcmpiW(kind, UPDOWN_CLASSW) == 0) {
        before = GetWindow(before, GW_HWNDPREV);
      }
      if (!window) continue;
      ++checked;
      if (control.Kind() == ControlKind::CheckBox || control.Kind() == ControlKind::OptionButton) {
        const bool check = control.Kind() == ControlKind::CheckBox;
        EXPECT_TRUE(check ? type == BS_3STATE || type == BS_AUTO3STATE || type == BS_CHECKBOX || type == BS_AUTOCHECKBOX
                          : type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) << where << " type " << type;
        EXPECT_EQ(state(), control.Value()) << where << " as designed";
        control.SetValue(control.Value() == 0 ? 1 : 0);
        EXPECT_EQ(state(), control.Value()) << where << " after a load";
        const int loaded = control.Value();
        SendMessageW(window, BM_CLICK, 0, 0);
        EXPECT_EQ(state(), control.Value()) << where << " after a click";
        EXPECT_TRUE(check ? control.Value() != loaded : control.Value() == 1) << where << " unmoved by a click";
      } else if (control.Kind() == ControlKind::CommandButton) {
        EXPECT_FALSE(TextOf(window).empty()) << where << " is a button without a caption";
      } else if (control.Kind() == ControlKind::TextBox || control.Kind() == ControlKind::ComboBox ||
                 control.Kind() == ControlKind::ListBox || control.Kind() == ControlKind::ListView ||
                 control.Kind() == ControlKind::Slider) {
        EXPECT_TRUE(lstrcmpiW(kind, L"STATIC") == 0 && !TextOf(before).empty()) << where << " has no label";
      }
    }
    app_.Unload(form);
  }
  EXPECT_GT(checked, 200u);  // the whole catalogue was seen, not one window
}

}  // namespace
}  // namespace qb::ui::win32::testing
