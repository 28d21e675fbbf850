// What a screen reader learns of every control of every window, every page shown: a check
// box and an option button are the system's kinds and report the state drawn, after a load
// and after a click; a text box, list or slider is named by a label; a button has a caption.
#include <oleacc.h>

#include <sstream>

#include "app/main_form_language.h"
#include "app/window_catalogue.h"
#include "dress/form_language.h"
#include "dress/skin_form.h"
#include "language/language_catalogue.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_environment.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_profile.h"
#include "ui/label_pairing.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

std::wstring AccessibleName(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"";
  }
  VARIANT self{};
  self.vt = VT_I4;
  BSTR name = nullptr;
  std::wstring text = SUCCEEDED(object->get_accName(self, &name)) && name ? name : L"";
  SysFreeString(name);
  object->Release();
  return text;
}

// "mainform, page Visual/Frame3, Check1": where a fault is, as a developer looks for it.
std::string Where(const Form& form, const Control& control) {
  std::string page;
  for (const Control* up = control.Container(); up; up = up->Container()) {
    page = up->Name() + (page.empty() ? "" : "/" + page);
  }
  return form.Name() + ", page " + (page.empty() ? "(window)" : page) + ", " + control.Name();
}

class ViewRolesTest : public ViewTest {
 protected:
  void SetUp() override {
    com_ = CoInitialize(nullptr);
    folder_ = environment_.ApplicationFolder();
    ASSERT_TRUE(skin_.LoadFile(files_, folder_ + std::string(skin::kSkinFileName))) << skin_.Error();
    host_.SetSkin(skin_.Get());
  }
  void TearDown() override {
    if (SUCCEEDED(com_)) CoUninitialize();
  }

  void Translate(Form& form, const app::WindowDesign& design) {
    if (design.name == "mainform") {
      app::ApplyChosenLanguage(form, profile_, folder_, "English");
    } else if (design.controls_translated) {
      dress::ApplyLanguage(form, profile_, folder_, "English");
    }
  }

  // The text the static just before the window (in the window order) gives it as a name.
  static std::wstring LabelBefore(HWND window) {
    const HWND before = GetWindow(window, GW_HWNDPREV);
    wchar_t class_name[16] = {};
    if (!before || !GetClassNameW(before, class_name, 16) || lstrcmpiW(class_name, L"STATIC") != 0) return L"";
    return TextOf(before);
  }

  void CheckIndicator(Control& control, const std::string& where) {
    const HWND window = Hwnd(control);
    const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    const bool check = control.Kind() == ControlKind::CheckBox;
    if (check) {
      EXPECT_TRUE(type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE)
          << where << " is no check box to Windows (type " << type << ")";
    } else {
      EXPECT_TRUE(type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
          << where << " is no option button to Windows (type " << type << ")";
    }
    const auto state = [&] { return static_cast<int>(SendMessageW(window, BM_GETCHECK, 0, 0)); };
    EXPECT_EQ(state(), control.Value()) << where << " as designed";
    // Loaded by the program, then clicked by the user (a grey box cannot be loaded into a
    // two-state one, so the load goes from the other end).
    control.SetValue(control.Value() == 0 ? 1 : 0);
    EXPECT_EQ(state(), control.Value()) << where << " after a load";
    const int before = control.Value();
    SendMessageW(window, BM_CLICK, 0, 0);
    EXPECT_EQ(state(), control.Value()) << where << " after a click";
    if (check) EXPECT_NE(control.Value(), before) << where << " a click changed nothing";
    if (!check) EXPECT_EQ(control.Value(), 1) << where << " a click did not choose it";
  }

  void CheckControl(Form& form, Control& control) {
    const HWND window = Hwnd(control);
    if (!window) return;
    const std::string where = Where(form, control);
    switch (control.Kind()) {
      case ControlKind::CheckBox:
      case ControlKind::OptionButton:
        CheckIndicator(control, where);
        ++checked_;
        break;
      case ControlKind::CommandButton:
        EXPECT_FALSE(TextOf(window).empty()) << where << " is a button without a caption";
        ++checked_;
        break;
      case ControlKind::TextBox:
      case ControlKind::ComboBox:
      case ControlKind::ListBox:
      case ControlKind::ListView:
      case ControlKind::Slider:
        EXPECT_TRUE(!LabelBefore(window).empty() || !AccessibleName(window).empty())
            << where << " has no label or name a screen reader finds";
        ++checked_;
        break;
      default:
        break;
    }
  }

  HRESULT com_ = E_FAIL;
  qb::win32::Win32Environment environment_;
  qb::win32::Win32FileSystem files_;
  qb::win32::Win32ProfileStore profile_;
  skin::SkinInstance skin_;
  std::string folder_;
  size_t checked_ = 0;
};

TEST_F(ViewRolesTest, EveryControlOfEveryWindowAndPageHasItsRoleStateAndName) {
  for (const auto& design : app::ProgramWindows()) {
    Form& form = *forms_.emplace_back(design.create());
    Translate(form, design);
    dress::SkinWindow(form, skin_, design.element);
    dress::SkinForm(form, skin_);
    app_.Show(form);
    ASSERT_NE(Hwnd(form), nullptr) << design.name;
    // Every page and tab gets its windows when first shown.
    for (const auto& control : form.Controls()) {
      if (!form.Children(control.get()).empty()) control->SetVisible(true);
    }
    // A label the window fills as it loads names its control as well, once it has a text.
    for (const auto& control : form.Controls()) {
      const bool label = control->Kind() == ControlKind::Label || control->Kind() == ControlKind::SkinLabel;
      if (label && control->Caption().empty()) control->SetCaption("filled on loading");
    }
    host_.DoEvents();
    for (const auto& control : form.Controls()) CheckControl(form, *control);
    app_.Unload(form);
  }
  EXPECT_GT(checked_, 120u);  // the whole catalogue was seen, not one window
}

}  // namespace
}  // namespace qb::ui::win32::testing
