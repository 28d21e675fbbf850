// What assistive technology and the keyboard learn from the windows: the name Windows'
// accessibility gives a text box or a list from the label before it, and access keys.
#include <oleacc.h>

#include "platform/win32/wide.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

// The name Windows' accessibility reports for the window, as a screen reader asks for it.
std::wstring AccessibleName(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"(no accessible object)";
  }
  VARIANT self{};  // VT_EMPTY, 0: the object itself
  self.vt = VT_I4;
  BSTR name = nullptr;
  std::wstring text = SUCCEEDED(object->get_accName(self, &name)) && name ? name : L"";
  SysFreeString(name);
  object->Release();
  return text;
}

TEST_F(ViewTest, ATextBoxIsNamedByItsLabelWhateverTheOrderTheyWereMadeIn) {
  const HRESULT com = CoInitialize(nullptr);
  Form& form = NewForm();
  Control& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .rect = {120, 120, 5000, 3000}});
  // Made before its label.
  Control& box = form.Add({.name = "Text1", .kind = ControlKind::TextBox, .container = &frame, .rect = {1500, 300, 2500, 300}});
  Control& list = form.Add({.name = "List1", .kind = ControlKind::ListBox, .container = &frame,
                            .rect = {120, 1300, 3000, 1200}, .items = {"one"}});
  form.Add({.name = "Label1", .kind = ControlKind::Label, .container = &frame, .caption = "&Name:",
            .rect = {120, 330, 1200, 240}});
  app_.Show(form);
  EXPECT_EQ(GetWindow(Hwnd(box), GW_HWNDPREV), Hwnd(form["Label1"]));
  EXPECT_EQ(AccessibleName(Hwnd(box)), L"Name:");

  // The label's access key moves the focus to the box it names.
  SetFocus(Hwnd(list));
  PostMessageW(Hwnd(list), WM_SYSCHAR, 'n', 1 << 29);
  host_.DoEvents();
  EXPECT_EQ(GetFocus(), Hwnd(box));
  if (SUCCEEDED(com)) CoUninitialize();
}

TEST_F(ViewTest, AFramesAccessKeyMovesTheFocusToItsFirstUsableControlUnlessItsButtonHasTheLetter) {
  Form& form = NewForm();
  Control& ok = form.Add({.name = "ok", .kind = ControlKind::CommandButton, .caption = "OK", .rect = {120, 120, 1200, 360}});
  form.Add({.name = "pagecmd", .kind = ControlKind::CommandButton, .caption = "&Page", .tag = "9",
            .rect = {1500, 120, 1200, 360}});
  Control& page = form.Add({.name = "page", .kind = ControlKind::Frame, .caption = "&Page", .tag = "9",
                            .rect = {120, 600, 5000, 3000}});
  Control& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .container = &page, .caption = "&Options",
                             .rect = {120, 300, 4000, 2000}});
  form.Add({.name = "off", .kind = ControlKind::CheckBox, .container = &frame, .caption = "Off", .rect = {120, 300, 2000, 300}})
      .SetEnabled(false);
  Control& on = form.Add({.name = "on", .kind = ControlKind::CheckBox, .container = &frame, .caption = "On",
                          .rect = {120, 700, 2000, 300}});
  app_.Show(form);
  const auto focus = [] {
    GUITHREADINFO info{.cbSize = sizeof(GUITHREADINFO)};
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return info.hwndFocus;
  };
  EXPECT_EQ(TextOf(Hwnd(page)), L"Page");  // the letter is the button's alone
  EXPECT_EQ(TextOf(Hwnd(frame)), L"&Options");
  // Alt and the letter, then the letter alone from a button, which takes no typing.
  for (const UINT message : {WM_SYSCHAR, WM_CHAR}) {
    SetFocus(Hwnd(ok));
    PostMessageW(Hwnd(ok), message, 'o', message == WM_SYSCHAR ? 1 << 29 : 0);
    EXPECT_TRUE(PumpUntil([&] { return focus() == Hwnd(on); })) << message;
    EXPECT_EQ(on.Value(), 0);  // reached, not ticked
  }
}

}  // namespace
}  // namespace qb::ui::win32::testing
