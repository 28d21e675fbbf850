// What a screen reader meets in every window and page: check boxes and option buttons of the
// system's kinds with the state drawn, labels just before text boxes, lists and sliders, captioned buttons.
#include "app/window_catalogue.h"
#include "dress/skin_form.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

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
      const std::string where = form.Name() + ", in " + (control.Container() ? control.Container()->Name() : "-") +
                                ", " + control.Name();
      if (!window) continue;
      const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
      const auto state = [&] { return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0)); };
      // The spin buttons of a text box stand between it and its label, where Windows skips them.
      HWND before = GetWindow(window, GW_HWNDPREV);
      wchar_t kind[32] = {};
      while (before && GetClassNameW(before, kind, 32) && lstrcmpiW(kind, UPDOWN_CLASSW) == 0) {
        before = GetWindow(before, GW_HWNDPREV);
      }
      ++checked;
      if (control.Kind() == ControlKind::CheckBox || control.Kind() == ControlKind::OptionButton) {
        const bool check = control.Kind() == ControlKind::CheckBox;
        EXPECT_TRUE(check ? type == BS_3STATE || type == BS_CHECKBOX : type == BS_RADIOBUTTON) << where << " " << type;
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
