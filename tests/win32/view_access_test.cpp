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
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text = SUCCEEDED(object->get_accName(self, &name)) && name ? name : L"";
  SysFreeString(name);
  object->Release();
  return text;
}

TEST_F(ViewTest, ATextBoxAndAListAreNamedByTheirLabelsWhateverTheOrderTheyWereMadeIn) {
  const HRESULT com = CoInitialize(nullptr);
  Form& form = NewForm();
  Control& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .rect = {120, 120, 5000, 3000}});
  // Made before their labels, and a heading between, as forms are laid out.
  Control& box = form.Add({.name = "Text1", .kind = ControlKind::TextBox, .container = &frame,
                           .rect = {1500, 300, 2500, 300}, .text = "Ann"});
  Control& list = form.Add({.name = "List1", .kind = ControlKind::ListBox, .container = &frame,
                            .rect = {120, 1300, 3000, 1200}, .items = {"one"}});
  form.Add({.name = "Label1", .kind = ControlKind::Label, .container = &frame, .caption = "&Name:",
            .rect = {120, 330, 1200, 240}});
  form.Add({.name = "Label2", .kind = ControlKind::Label, .container = &frame, .caption = "Entries",
            .rect = {120, 1000, 2000, 240}});
  form.Add({.name = "Label3", .kind = ControlKind::Label, .container = &frame, .caption = "Heading",
            .rect = {120, 60, 4000, 200}});
  app_.Show(form);
  wchar_t class_name[16] = {};
  GetClassNameW(Hwnd(form["Label1"]), class_name, 16);
  EXPECT_EQ(lstrcmpiW(class_name, L"Static"), 0) << "a label is static text to Windows";
  EXPECT_EQ(GetWindow(Hwnd(box), GW_HWNDPREV), Hwnd(form["Label1"]));
  EXPECT_EQ(AccessibleName(Hwnd(box)), L"Name:");
  EXPECT_EQ(GetWindow(Hwnd(list), GW_HWNDPREV), Hwnd(form["Label2"]));

  // The label's access key moves the focus to the box it names.
  SetFocus(Hwnd(list));
  PostMessageW(Hwnd(list), WM_SYSCHAR, 'n', 1 << 29);
  host_.DoEvents();
  EXPECT_EQ(GetFocus(), Hwnd(box));
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace
}  // namespace qb::ui::win32::testing
