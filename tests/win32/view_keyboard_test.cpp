// The keys of the program's windows on real windows: what Tab reaches, Enter and Escape.
#include "app/window_catalogue.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

// A key pressed on the focused control, through the host's message loop.
void PressKey(WindowHost& host, WPARAM key, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
  host.DoEvents();
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

TEST_F(ViewTest, TabReachesOnlyShownUsableControlsAndLeavesAMultiLineBox) {
  Form& form = NewForm();
  Control& first = form.Add({.name = "first", .kind = ControlKind::CommandButton, .caption = "One",
                             .rect = {120, 120, 1200, 360}});
  Control& page = form.Add({.name = "page", .kind = ControlKind::Frame, .rect = {120, 600, 3000, 1000}});
  Control& hidden_box = form.Add({.name = "box", .kind = ControlKind::CheckBox, .container = &page,
                                  .caption = "Hidden", .rect = {120, 240, 2000, 300}});
  form.Add({.name = "off", .kind = ControlKind::CommandButton, .caption = "Off",
            .rect = {120, 1700, 1200, 360}, .enabled = false});
  Control& preview = form.Add({.name = "preview", .kind = ControlKind::TextBox, .rect = {120, 2200, 3000, 800},
                               .multiline = true});
  Control& last = form.Add({.name = "last", .kind = ControlKind::CommandButton, .caption = "Two",
                            .rect = {3300, 2200, 1200, 360}});
  int clicks = 0;
  last.on_click = [&] { ++clicks; };
  app_.Show(form);
  ASSERT_TRUE(Hwnd(hidden_box)) << "the page was shown: its controls have windows";
  page.SetVisible(false);
  EXPECT_EQ(GetFocus(), Hwnd(first)) << "a window opens with the focus on its first control";

  std::vector<HWND> forward;
  for (int press = 0; press < 3; ++press) {
    PressKey(host_, VK_TAB);
    forward.push_back(GetFocus());
  }
  EXPECT_EQ(forward, (std::vector<HWND>{Hwnd(preview), Hwnd(last), Hwnd(first)}));
  PressKey(host_, VK_TAB, true);
  EXPECT_EQ(GetFocus(), Hwnd(last)) << "Shift+Tab goes back round the window";

  PressKey(host_, VK_RETURN);
  EXPECT_EQ(clicks, 1) << "Enter presses the focused button";
  EXPECT_EQ(hidden_box.Value(), 0);
}

// A handler that disables or hides the button just pressed, another window in between, and
// a new skin or high contrast (which give every command button a new window) leave the
// keyboard on a control of the window, as a dialog does.
TEST_F(ViewTest, TheFocusStaysOnAControlWhenItsOwnGoesAndComesBackAfterAnotherWindow) {
  Form& form = NewForm();
  Control& run = form.Add({.name = "run", .kind = ControlKind::CommandButton, .caption = "Run",
                           .rect = {120, 120, 1200, 360}});
  Control& other = form.Add({.name = "other", .kind = ControlKind::CommandButton, .caption = "Other",
                             .rect = {120, 600, 1200, 360}});
  Control& last = form.Add({.name = "last", .kind = ControlKind::CommandButton, .caption = "Last",
                            .rect = {120, 1080, 1200, 360}});
  run.on_click = [&] { run.SetEnabled(false); };
  app_.Show(form);
  SetFocus(Hwnd(run));
  PressKey(host_, VK_RETURN);
  EXPECT_EQ(GetFocus(), Hwnd(other)) << "disabled while it had the focus";
  other.SetVisible(false);
  EXPECT_EQ(GetFocus(), Hwnd(last)) << "hidden while it had the focus";

  const HWND window = GetAncestor(Hwnd(last), GA_ROOT);
  const HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, window, nullptr,
                                     nullptr, nullptr);
  SetActiveWindow(popup);
  SetFocus(popup);
  DestroyWindow(popup);
  SetActiveWindow(window);
  EXPECT_EQ(GetFocus(), Hwnd(last)) << "back from another window";

  const HWND old_window = Hwnd(last);
  const skin::Skin skin = TestSkin();
  host_.SetSkin(&skin);
  EXPECT_NE(Hwnd(last), old_window);
  EXPECT_EQ(GetFocus(), Hwnd(last)) << "made anew for a skin";
  host_.SetSkin(nullptr);
  EXPECT_EQ(GetFocus(), Hwnd(last)) << "made anew without one";
}

TEST_F(ViewTest, F1AndTheSystemMenuPressTheTitleBarsButtons) {
  const skin::Skin skin = TestSkin();
  host_.SetSkin(&skin);
  Form& form = NewForm("mainform");
  form.SetSkinElement("Form");
  form.SetTitleButtons({"help", "about", "close"});
  form.SetTitleButtonCaption("about", "&About");
  form.Add({.name = "button", .kind = ControlKind::CommandButton, .caption = "Button", .rect = {120, 600, 1200, 360}});
  std::vector<std::string> pressed;
  form.on_title_button = [&](const std::string& name) { pressed.push_back(name); };
  app_.Show(form);
  PressKey(host_, VK_F1);
  EXPECT_EQ(pressed, std::vector<std::string>{"help"});

  // Alt+Space offers the buttons that have words, where a screen reader reads them.
  const HWND window = Hwnd(form);
  const HMENU menu = GetSystemMenu(window, FALSE);
  UINT about = 0;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[32]{};
    GetMenuStringW(menu, i, text, 32, MF_BYPOSITION);
    if (std::wstring(text) == L"&About") about = GetMenuItemID(menu, i);
  }
  ASSERT_NE(about, 0u);
  SendMessageW(window, WM_SYSCOMMAND, about, 0);
  EXPECT_EQ(pressed, (std::vector<std::string>{"help", "about"}));
  host_.SetSkin(nullptr);
}

TEST_F(ViewTest, EnterLeavesASkinnedCheckBoxAlone) {
  const skin::Skin skin = TestSkin();
  host_.SetSkin(&skin);
  Form& form = NewForm();
  Control& box = form.Add({.name = "box", .kind = ControlKind::CheckBox, .caption = "Box",
                           .rect = {120, 120, 2000, 300}});
  box.SetSkinElement("check");
  app_.Show(form);
  SetFocus(Hwnd(box));
  PressKey(host_, VK_RETURN);
  EXPECT_EQ(box.Value(), 0) << "a skinned check box is not a command button";
  host_.SetSkin(nullptr);
}

TEST_F(ViewTest, SpaceTicksASkinnedCheckBoxAndArrowsChooseWithinAnOptionGroup) {
  const skin::Skin skin = TestSkin();
  host_.SetSkin(&skin);
  Form& form = NewForm();
  Control& box = form.Add({.name = "box", .kind = ControlKind::CheckBox, .caption = "Box", .rect = {120, 120, 2000, 300}});
  Control& group = form.Add({.name = "frame", .kind = ControlKind::Frame, .rect = {120, 600, 3000, 1500}});
  std::vector<Control*> options;
  for (int i = 0; i < 3; ++i) {
    options.push_back(&form.Add({.name = "opt", .kind = ControlKind::OptionButton, .container = &group,
                                 .index = i, .caption = "Option", .rect = {120, 240 + 400 * i, 2000, 300},
                                 .value = i == 1}));
  }
  box.SetSkinElement("check");
  for (Control* option : options) option->SetSkinElement("radio");
  app_.Show(form);
  const auto checked = [&](const Control& control) { return SendMessageW(Hwnd(control), BM_GETCHECK, 0, 0); };
  const auto style = [&](const Control& control) { return GetWindowLongPtrW(Hwnd(control), GWL_STYLE); };
  EXPECT_EQ(style(*options[1]) & (BS_TYPEMASK | WS_GROUP), BS_RADIOBUTTON);
  EXPECT_TRUE(style(*options[0]) & WS_GROUP);
  EXPECT_EQ(style(*options[0]) & WS_TABSTOP, 0) << "only the chosen option is a stop for Tab";

  SetFocus(Hwnd(box));
  PressKey(host_, VK_SPACE);
  EXPECT_EQ(box.Value(), 1);
  EXPECT_EQ(checked(box), BST_CHECKED);
  PressKey(host_, VK_TAB);
  EXPECT_EQ(GetFocus(), Hwnd(*options[1])) << "Tab enters the group at the chosen option";

  PressKey(host_, VK_DOWN);
  EXPECT_EQ(GetFocus(), Hwnd(*options[2]));
  EXPECT_EQ(std::vector<LRESULT>({checked(*options[0]), checked(*options[1]), checked(*options[2])}),
            std::vector<LRESULT>({BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED}));
  EXPECT_TRUE(style(*options[2]) & WS_TABSTOP);
  PressKey(host_, VK_RIGHT);
  EXPECT_EQ(checked(*options[0]), BST_CHECKED) << "the arrows go round the group";
  PressKey(host_, VK_TAB);
  EXPECT_EQ(GetFocus(), Hwnd(box)) << "Tab leaves the group";
  host_.SetSkin(nullptr);
}

TEST_F(ViewTest, EscapeClosesAWindowOverAnotherButNotTheMainWindow) {
  Form& owner = NewForm("mainform");
  Form& small = NewForm("frmabout");
  small.Add({.name = "Command1", .kind = ControlKind::CommandButton, .caption = "Close",
             .rect = {120, 120, 1200, 360}});
  auto& timer = small.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 10});
  timer.on_timer = [&] {
    timer.SetEnabled(false);
    SetFocus(Hwnd(small["Command1"]));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  };
  app_.Show(owner);
  app_.ShowModal(small, &owner);
  EXPECT_FALSE(app_.IsLoaded(small));

  SetFocus(Hwnd(owner));
  PostMessageW(Hwnd(owner), WM_KEYDOWN, VK_ESCAPE, 1);
  host_.DoEvents();
  EXPECT_TRUE(app_.IsLoaded(owner));
}

// Every window of the program over the main one, as designed: Tab goes round the controls one
// can see and use, in reading order within each frame, back to the first; Escape closes it.
TEST_F(ViewTest, TabGoesRoundEveryWindowInReadingOrderAndEscapeClosesEachSmallOne) {
  const auto designs = app::ProgramWindows();
  Form& owner = *forms_.emplace_back(designs.front().create());
  app_.Show(owner);
  for (const auto& design : designs) {
    Form& form = design.name == owner.Name() ? owner : *forms_.emplace_back(design.create());
    const auto walk = [&] {
      std::vector<HWND> stops{GetFocus()};
      while (stops.size() < 300) {
        PressKey(host_, VK_TAB);
        if (GetFocus() == stops.front()) break;
        const HWND stop = GetFocus(), before = stops.back();
        for (HWND up = stop; up && up != Hwnd(form); up = GetParent(up)) {
          EXPECT_TRUE(IsWindowVisible(up) && IsWindowEnabled(up)) << design.name << " reaches a hidden or disabled control";
        }
        const RECT a = PlaceOf(before), b = PlaceOf(stop);
        EXPECT_TRUE(GetParent(stop) != GetParent(before) || (b.top > a.top - (a.bottom - a.top) / 2 && (b.left > a.left || b.top > a.top)))
            << design.name << ": Tab goes up or left within a frame";
        stops.push_back(stop);
      }
      EXPECT_EQ(GetFocus(), stops.front()) << design.name << ": Tab never comes back round";
      if (&form != &owner) PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    };
    if (&form == &owner) {
      walk();
      continue;
    }
    auto& timer = form.Add({.name = "walk", .kind = ControlKind::Timer, .interval = 10});
    timer.on_timer = [&] {
      timer.SetEnabled(false);
      walk();
    };
    app_.ShowModal(form, &owner);
    EXPECT_FALSE(app_.IsLoaded(form)) << design.name << " stays open after Escape";
  }
}

}  // namespace
}  // namespace qb::ui::win32::testing
