// The view mirrors the model into real windows and turns real window events into model
// events, once each way.
#include "win32/view_fixture.h"

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"

namespace qb::ui::win32::testing {
namespace {

class ViewControls : public ViewTest, public ::testing::WithParamInterface<bool> {
 protected:
  // Each case runs with system drawing and with the skin (owner-drawn buttons).
  void SetUp() override {
    if (GetParam()) {
      skin_ = TestSkin();
      host_.SetSkin(&skin_);
    }
  }
  void Skin(Control& control, const char* element) {
    if (GetParam()) control.SetSkinElement(element);
  }
  skin::Skin skin_;
};

TEST_P(ViewControls, RealButtonClickReachesTheModelOnce) {
  Form& form = NewForm();
  auto& button = form.Add({.name = "applycmd", .kind = ControlKind::CommandButton, .caption = "&Apply",
                           .rect = {120, 120, 1200, 400}});
  Skin(button, "Button");
  int clicks = 0;
  button.on_click = [&] { ++clicks; };
  app_.Show(form);

  SendMessageW(Hwnd(button), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  Click(Hwnd(button));
  EXPECT_EQ(clicks, 2);
}

TEST_P(ViewControls, ModelChangesReachTheWindows) {
  Form& form = NewForm();
  auto& frame = form.Add({.name = "EXPFrame", .kind = ControlKind::Frame, .caption = "Explorer",
                          .rect = {100, 100, 4000, 3000}});
  Skin(frame, "frame");
  auto& button = form.Add({.name = "check2cmd", .kind = ControlKind::CommandButton, .container = &frame,
                           .caption = "Check", .rect = {200, 400, 1500, 400}});
  app_.Show(form);
  ASSERT_EQ(GetParent(Hwnd(button)), Hwnd(frame));

  button.SetCaption("Check && Repair");
  EXPECT_EQ(TextOf(Hwnd(button)), L"Check && Repair");
  form.SetCaption("Quill Box");
  EXPECT_EQ(TextOf(Hwnd(form)), L"Quill Box");

  button.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Hwnd(button)));
  frame.SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(Hwnd(frame)));
  EXPECT_FALSE(IsWindowVisible(Hwnd(button)));  // hidden with its container
  frame.SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(Hwnd(button)));
}

TEST_P(ViewControls, CheckBoxClicksCycleTheModelValue) {
  Form& form = NewForm();
  auto& box = form.Add({.name = "runchk", .kind = ControlKind::CheckBox, .caption = "Remove the Run command",
                        .rect = {120, 120, 3000, 300}});
  Skin(box, "check");
  int clicks = 0;
  box.on_click = [&] { ++clicks; };
  app_.Show(form);

  Click(Hwnd(box));
  EXPECT_EQ(box.Value(), 1);
  SendMessageW(Hwnd(box), BM_CLICK, 0, 0);
  EXPECT_EQ(box.Value(), 0);
  EXPECT_EQ(clicks, 2);
  box.SetValue(2);  // grey, set by the program
  Click(Hwnd(box));
  EXPECT_EQ(box.Value(), 1);
  EXPECT_EQ(GetWindowLongPtrW(Hwnd(box), GWL_STYLE) & BS_TYPEMASK, BS_3STATE);
  EXPECT_EQ(SendMessageW(Hwnd(box), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_P(ViewControls, OptionButtonClickSelectsItAndClearsItsSiblings) {
  Form& form = NewForm();
  auto& first = form.Add({.name = "opt", .kind = ControlKind::OptionButton, .index = 0, .caption = "One",
                          .rect = {120, 120, 2000, 300}, .value = 1});
  auto& second = form.Add({.name = "opt", .kind = ControlKind::OptionButton, .index = 1, .caption = "Two",
                           .rect = {120, 500, 2000, 300}});
  Skin(first, "radio");
  Skin(second, "radio");
  app_.Show(form);

  Click(Hwnd(second));
  EXPECT_EQ(second.Value(), 1);
  EXPECT_EQ(first.Value(), 0);
  EXPECT_EQ(SendMessageW(Hwnd(first), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageW(Hwnd(second), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_P(ViewControls, EveryKindIsCreatedAndPaints) {
  Form& form = NewForm("everyfrm", 9000, 7000);
  form.SetSkinElement("Form");
  auto& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .caption = "Frame && more",
                          .rect = {100, 100, 8500, 6000}});
  Skin(frame, "frame");
  int row = 0;
  for (int kind = 0; kind <= static_cast<int>(ControlKind::Graph); ++kind) {
    if (static_cast<ControlKind>(kind) == ControlKind::Frame) continue;
    auto& control = form.Add({.name = "c" + std::to_string(kind), .kind = static_cast<ControlKind>(kind),
                              .container = &frame, .caption = "&Caption",
                              .rect = {200 + (row % 2) * 4000, 300 + (row / 2) * 500, 3800, 450},
                              .items = {"one", "two"}, .columns = {{"Column", 1000}}});
    ++row;
    Skin(control, "Button");
    Skin(control, control.Kind() == ControlKind::CheckBox ? "check" : "Button");
  }
  form["c" + std::to_string(static_cast<int>(ControlKind::Graph))].SetPoints({10, 90, 40, 100, 0});
  form["c" + std::to_string(static_cast<int>(ControlKind::ListView))].SetRows({{{"cell", "sub"}, ""}});
  app_.Show(form);

  for (const auto& control : form.Controls()) {
    if (control->Kind() == ControlKind::Timer) {
      EXPECT_EQ(Hwnd(*control), nullptr);
    } else {
      EXPECT_TRUE(IsWindow(Hwnd(*control))) << KindName(control->Kind());
    }
  }
  // Every window paints now, through the skin painter or the system: right of the controls,
  // the frame shows its own face, the skin's or the system's button face.
  RedrawWindow(Hwnd(form), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT inside{};
  GetClientRect(Hwnd(frame), &inside);
  const qb::win32::ScopedWindowDc dc(Hwnd(frame));
  const COLORREF face = GetParam() ? RGB(236, 242, 250) : GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(GetPixel(dc.Get(), inside.right - 12, inside.bottom / 2), face);
}

INSTANTIATE_TEST_SUITE_P(PlainAndSkinned, ViewControls, ::testing::Bool());

TEST_F(ViewTest, TabClickSelectsTheTabInTheModel) {
  Form& form = NewForm();
  auto& tabs = form.Add({.name = "ExpTab", .kind = ControlKind::TabStrip, .rect = {120, 120, 5000, 2500},
                         .items = {"Explorer Options", "Privacy"}});
  int clicks = 0;
  tabs.on_click = [&] { ++clicks; };
  app_.Show(form);
  ASSERT_EQ(TabCtrl_GetCurSel(Hwnd(tabs)), 0);

  RECT second{};
  TabCtrl_GetItemRect(Hwnd(tabs), 1, &second);
  Click(Hwnd(tabs), {(second.left + second.right) / 2, (second.top + second.bottom) / 2});
  EXPECT_EQ(tabs.SelectedTab(), 2);
  EXPECT_EQ(clicks, 1);

  tabs.SelectTab(1);
  EXPECT_EQ(TabCtrl_GetCurSel(Hwnd(tabs)), 0);
  EXPECT_EQ(clicks, 2);  // the program's selection raises Click once, with no echo
}

TEST_F(ViewTest, TypedTextReachesTheModelWithoutEcho) {
  Form& form = NewForm();
  auto& text = form.Add({.name = "Text1", .kind = ControlKind::TextBox, .rect = {120, 120, 3000, 330}});
  int changes = 0;
  text.on_change = [&] { ++changes; };
  text.on_key_press = [](int& key) {
    if (key == 'x') key = 0;               // swallowed
    if (key == 'q') key = 'Q';             // replaced
  };
  app_.Show(form);
  HWND edit = Hwnd(text);

  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
  EXPECT_EQ(text.Text(), "abc");
  EXPECT_EQ(changes, 1);

  SendMessageW(edit, WM_CHAR, 'x', 0);
  SendMessageW(edit, WM_CHAR, 'q', 0);
  EXPECT_EQ(TextOf(edit).find(L'x'), std::wstring::npos);
  EXPECT_NE(TextOf(edit).find(L'Q'), std::wstring::npos);
  EXPECT_EQ(text.Text(), qb::win32::Narrow(TextOf(edit)));

  changes = 0;
  text.SetText("from the program");
  EXPECT_EQ(TextOf(edit), L"from the program");
  EXPECT_EQ(changes, 1);  // the model's Change only, not a second one from the window
}

// The System information boxes were editable: a locked box shows text but takes no typing.
TEST_F(ViewTest, ALockedTextBoxTakesNoTyping) {
  Form& form = NewForm();
  auto& text = form.Add({.name = "Text1", .kind = ControlKind::TextBox, .rect = {120, 120, 3000, 330},
                         .text = "QUILLPC", .locked = true});
  app_.Show(form);
  HWND edit = Hwnd(text);
  SetFocus(edit);
  SendMessageW(edit, WM_CHAR, 'x', 0);
  EXPECT_EQ(TextOf(edit), L"QUILLPC");
  EXPECT_EQ(text.Text(), "QUILLPC");
  text.SetText("QUILLPC2");  // the program still writes it
  EXPECT_EQ(TextOf(edit), L"QUILLPC2");
}

TEST_F(ViewTest, EnterInATextBoxReachesItsKeyPress) {
  Form& form = NewForm();
  auto& text = form.Add({.name = "Text1", .kind = ControlKind::TextBox, .rect = {120, 120, 3000, 330}});
  auto& button = form.Add({.name = "okcmd", .kind = ControlKind::CommandButton, .rect = {120, 600, 1200, 400}});
  std::vector<int> keys;
  text.on_key_press = [&](int& key) { keys.push_back(key); };
  app_.Show(form);
  SetFocus(Hwnd(text));

  // Through the message loop, where the window's keyboard navigation sees it first.
  PostMessageW(Hwnd(text), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(PumpUntil([&] { return !keys.empty(); }));
  EXPECT_EQ(keys, std::vector<int>{13});
  (void)button;
}

TEST_F(ViewTest, ListSelectionsReachTheModelAndBack) {
  Form& form = NewForm();
  auto& combo = form.Add({.name = "combolng", .kind = ControlKind::ComboBox, .rect = {120, 120, 2500, 315},
                          .items = {"English", "Deutsch"}, .combo_style = ComboStyle::DropDownList});
  auto& list = form.Add({.name = "proclist", .kind = ControlKind::ListView, .rect = {120, 600, 5000, 2000},
                         .columns = {{"Process", 2000}, {"ID", 800}}});
  list.SetRows({{{"a.exe", "1"}, ""}, {{"b.exe", "2"}, ""}});
  int combo_clicks = 0;
  int list_clicks = 0;
  combo.on_click = [&] { ++combo_clicks; };
  list.on_click = [&] { ++list_clicks; };
  app_.Show(form);

  // The user picks an entry: the combo box tells its parent.
  SendMessageW(Hwnd(combo), CB_SETCURSEL, 1, 0);
  SendMessageW(GetParent(Hwnd(combo)), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Hwnd(combo)));
  EXPECT_EQ(combo.ListIndex(), 1);
  EXPECT_EQ(combo.Text(), "Deutsch");
  EXPECT_EQ(combo_clicks, 1);

  ListView_SetItemState(Hwnd(list), 1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list_clicks, 1);
  list.SetListIndex(0);
  EXPECT_EQ(ListView_GetNextItem(Hwnd(list), -1, LVNI_SELECTED), 0);
  EXPECT_EQ(list_clicks, 2);  // no echo from the window's own notification
  EXPECT_EQ(ListView_GetItemCount(Hwnd(list)), 2);
}

TEST_F(ViewTest, FolderTreeOpensDownToTheModelPathAndReportsTheUsersChoice) {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);  // "C:\windows"
  Form& form = NewForm();
  auto& tree = form.Add({.name = "Dir1", .kind = ControlKind::FolderTree, .rect = {120, 120, 4000, 3000},
                         .text = qb::win32::Narrow(windows)});
  qb::win32::Win32FileSystem files;
  tree.ListFoldersFrom(&files);
  int changes = 0;
  tree.on_change = [&] { ++changes; };
  app_.Show(form);
  HWND window = Hwnd(tree);

  auto text_of = [&](HTREEITEM item) {
    wchar_t name[MAX_PATH] = {};
    TVITEMW data{};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = name;
    data.cchTextMax = MAX_PATH;
    TreeView_GetItem(window, &data);
    return std::wstring(name);
  };
  const HTREEITEM selected = TreeView_GetSelection(window);
  ASSERT_NE(selected, nullptr);
  EXPECT_EQ(_wcsicmp(text_of(selected).c_str(), windows + 3), 0);
  EXPECT_EQ(changes, 0);  // showing the model's path is no user choice

  const HTREEITEM root = TreeView_GetParent(window, selected);
  TreeView_SelectItem(window, root);
  EXPECT_EQ(tree.Text(), qb::win32::Narrow(std::wstring(windows, 3)));
  EXPECT_EQ(changes, 1);
}

TEST_F(ViewTest, UpDownAndProgressFollowTheModelRange) {
  Form& form = NewForm();
  auto& arrows = form.Add({.name = "UpDown1", .kind = ControlKind::UpDown, .rect = {120, 120, 300, 400},
                           .value = 5, .min = 1, .max = 10});
  auto& bar = form.Add({.name = "ProgressBar1", .kind = ControlKind::ProgressBar, .rect = {600, 120, 3000, 300}});
  int changes = 0;
  arrows.on_change = [&] { ++changes; };
  app_.Show(form);

  SendMessageW(Hwnd(arrows), WM_KEYDOWN, VK_UP, 0);  // the user steps up
  EXPECT_EQ(arrows.Value(), 6);
  EXPECT_EQ(changes, 1);
  arrows.SetRange(1, 3);  // the value is clamped and the window follows
  EXPECT_EQ(SendMessageW(Hwnd(arrows), UDM_GETPOS32, 0, 0), 3);

  bar.SetRange(0, 256);
  bar.SetValue(97);
  EXPECT_EQ(SendMessageW(Hwnd(bar), PBM_GETPOS, 0, 0), 97);
  EXPECT_EQ(SendMessageW(Hwnd(bar), PBM_GETRANGE, FALSE, 0), 256);
}

TEST_F(ViewTest, SliderKeysChangeTheModelValue) {
  Form& form = NewForm();
  auto& slider = form.Add({.name = "Slider2", .kind = ControlKind::Slider, .rect = {120, 120, 3000, 500},
                           .value = 300, .min = 300, .max = 1000});
  int changes = 0;
  slider.on_change = [&] { ++changes; };
  app_.Show(form);
  EXPECT_EQ(SendMessageW(Hwnd(slider), TBM_GETPOS, 0, 0), 300);

  SendMessageW(Hwnd(slider), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(slider.Value(), 301);
  EXPECT_GE(changes, 1);
  slider.SetValue(650);
  EXPECT_EQ(SendMessageW(Hwnd(slider), TBM_GETPOS, 0, 0), 650);
}

}  // namespace
}  // namespace qb::ui::win32::testing
