// Windows as a whole: DPI, modal windows, the message pump, close requests, timers and the
// skinned title bar.
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

TEST_F(ViewTest, TwipsBecomePixelsAtTheOverriddenDpi) {
  // A form 6000 twips wide, at 96 and at 144 pixels per inch.
  const struct { int dpi; int form_width; } cases[] = {{96, 400}, {144, 600}};
  for (const auto [dpi, form_width] : cases) {
    host_.Dpi().SetOverride(dpi);
    Form& form = NewForm("dpi" + std::to_string(dpi));
    auto& button = form.Add({.name = "b", .kind = ControlKind::CommandButton, .rect = {1440, 720, 1440, 360}});
    app_.Show(form);
    const RECT place = PlaceOf(Hwnd(button));
    EXPECT_EQ(place.left, dpi);
    EXPECT_EQ(place.top, dpi / 2);
    EXPECT_EQ(place.right - place.left, dpi);
    EXPECT_EQ(place.bottom - place.top, dpi / 4);
    RECT outer{};
    GetWindowRect(Hwnd(form), &outer);
    EXPECT_EQ(outer.right - outer.left, form_width);
    app_.Unload(form);
  }
}

TEST_F(ViewTest, ControlsOnASkinnedFormSitBelowItsTitleBar) {
  const skin::Skin skin = TestSkin();
  host_.SetSkin(&skin);
  host_.Dpi().SetOverride(144);
  Form& form = NewForm();
  form.SetSkinElement("Form");
  auto& button = form.Add({.name = "b", .kind = ControlKind::CommandButton, .rect = {0, 0, 1440, 360}});
  auto& frame = form.Add({.name = "frame", .kind = ControlKind::Frame, .rect = {0, 500, 3000, 2000}});
  frame.SetSkinElement("frame");
  auto& inner = form.Add({.name = "inner", .kind = ControlKind::CheckBox, .container = &frame,
                          .rect = {100, 300, 2000, 300}});
  inner.SetSkinElement("check");
  app_.Show(form);
  EXPECT_EQ(PlaceOf(Hwnd(button)).top, 36);  // under a title bar 24 pixels high at 96 DPI
  EXPECT_EQ(PlaceOf(Hwnd(inner)).top, 30);  // inside a frame: no title bar
  EXPECT_FALSE(GetWindowLongPtrW(Hwnd(form), GWL_STYLE) & WS_CAPTION);
  RECT outer{};
  GetWindowRect(Hwnd(form), &outer);
  EXPECT_EQ(outer.bottom - outer.top, 400);  // 4000 twips: the title bar is inside

  host_.SetSkin(nullptr);  // back to the system's frame; the button still works
  EXPECT_TRUE(GetWindowLongPtrW(Hwnd(form), GWL_STYLE) & WS_CAPTION);
  int clicks = 0;
  button.on_click = [&] { ++clicks; };
  SendMessageW(Hwnd(button), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  // The frame keeps its window, so the controls in it are still there and still work.
  ASSERT_TRUE(IsWindow(Hwnd(inner)));
  EXPECT_EQ(GetParent(Hwnd(inner)), Hwnd(frame));
  SendMessageW(Hwnd(inner), BM_CLICK, 0, 0);
  EXPECT_EQ(inner.Value(), 1);
  EXPECT_EQ(SendMessageW(Hwnd(inner), BM_GETCHECK, 0, 0), BST_CHECKED);
}

// What a window has to tell as it opens (a damaged journal, an unreadable list) is told over
// it: its window is there and shown when on_shown runs, modal or not.
TEST_F(ViewTest, AModalWindowExistsAndIsShownWhenItsOnShownRuns) {
  Form& owner = NewForm("owner");
  Form& modal = NewForm("modal");
  app_.Show(owner);
  bool shown = false;
  modal.on_shown = [&] {
    const HWND window = Hwnd(modal);
    shown = window && IsWindowVisible(window) && !IsWindowEnabled(Hwnd(owner));
    app_.Unload(modal);
  };
  app_.ShowModal(modal, &owner);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(owner)));
}

TEST_F(ViewTest, TitleBarButtonsReportTheirNamesAndCloseCloses) {
  const skin::Skin skin = TestSkin();
  host_.SetSkin(&skin);
  Form& form = NewForm("mainform");
  form.SetSkinElement("Form");
  std::vector<std::string> pressed;
  form.on_title_button = [&](const std::string& name) { pressed.push_back(name); };
  CloseReason reason = CloseReason::Code;
  form.on_query_unload = [&](CloseReason why, bool&) { reason = why; };
  app_.Show(form);
  HWND window = Hwnd(form);

  // Walk the title bar from the right: the buttons are where it is not a caption.
  RECT client{};
  GetClientRect(window, &client);
  std::vector<POINT> buttons;
  bool in_button = false;
  for (int x = client.right - 1; x >= 0; --x) {
    POINT screen{x, 12};
    ClientToScreen(window, &screen);
    const bool caption = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTCAPTION;
    if (!caption && !in_button && x < client.right - 2) buttons.push_back({x - 4, 12});
    in_button = !caption;
  }
  ASSERT_EQ(buttons.size(), 2u);  // "close" (rightmost), then "about"
  Click(window, buttons[1]);
  EXPECT_EQ(pressed, std::vector<std::string>{"about"});
  Click(window, buttons[0]);
  EXPECT_FALSE(app_.IsLoaded(form));
  EXPECT_EQ(reason, CloseReason::User);
  EXPECT_EQ(Hwnd(form), nullptr);
}

TEST_F(ViewTest, AMinimizeTheApplicationAsksForMinimizesTheWindow) {
  Form& form = NewForm("mainform");
  app_.Show(form);
  app_.TitleButtonClicked(form, "minimize");
  EXPECT_TRUE(IsIconic(Hwnd(form)));
  EXPECT_TRUE(app_.IsLoaded(form));
}

TEST_F(ViewTest, ShowModalDisablesTheOwnerAndReturnsAfterUnload) {
  Form& owner = NewForm("mainform");
  Form& dialog = NewForm("frmabout");
  bool owner_enabled_meanwhile = true;
  CloseReason reason = CloseReason::Code;
  dialog.on_query_unload = [&](CloseReason why, bool&) { reason = why; };
  auto& timer = dialog.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 10});
  timer.on_timer = [&] {
    owner_enabled_meanwhile = IsWindowEnabled(Hwnd(owner));
    // The user closes the window: the request goes through the application.
    PostMessageW(Hwnd(dialog), WM_CLOSE, 0, 0);
    timer.SetEnabled(false);
  };
  app_.Show(owner);

  app_.ShowModal(dialog, &owner);
  EXPECT_FALSE(app_.IsLoaded(dialog));
  EXPECT_FALSE(owner_enabled_meanwhile);
  EXPECT_EQ(reason, CloseReason::User);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(owner)));
}

TEST_F(ViewTest, DoEventsHandlesWaitingMessagesUntilTheProgramCloses) {
  Form& form = NewForm();
  app_.Show(form);
  PostMessageW(Hwnd(form), WM_CLOSE, 0, 0);
  EXPECT_TRUE(host_.DoEvents());
  EXPECT_FALSE(app_.IsLoaded(form));

  PostQuitMessage(0);
  EXPECT_FALSE(host_.DoEvents());
}

TEST_F(ViewTest, WindowsShutdownUnloadsWithItsReasonAndCancelKeepsTheWindow) {
  Form& form = NewForm();
  std::vector<CloseReason> reasons;
  bool refuse = true;
  form.on_query_unload = [&](CloseReason why, bool& cancel) {
    reasons.push_back(why);
    cancel = refuse;
  };
  app_.Show(form);
  SendMessageW(Hwnd(form), WM_CLOSE, 0, 0);
  EXPECT_TRUE(app_.IsLoaded(form));
  EXPECT_TRUE(IsWindow(Hwnd(form)));

  refuse = false;
  EXPECT_TRUE(SendMessageW(Hwnd(form), WM_QUERYENDSESSION, 0, 0));
  SendMessageW(Hwnd(form), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(app_.IsLoaded(form));
  EXPECT_EQ(reasons, (std::vector<CloseReason>{CloseReason::User, CloseReason::WindowsShutdown}));
}

TEST_F(ViewTest, EnabledTimersTickAndDisabledOnesDoNot) {
  Form& form = NewForm();
  auto& running = form.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 10});
  auto& stopped = form.Add({.name = "Timer2", .kind = ControlKind::Timer, .enabled = false, .interval = 10});
  int ticks = 0;
  int stopped_ticks = 0;
  running.on_timer = [&] { ++ticks; };
  stopped.on_timer = [&] { ++stopped_ticks; };
  app_.Show(form);

  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(stopped_ticks, 0);
  running.SetEnabled(false);
  stopped.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return stopped_ticks >= 1; }));
}

// A window opens with the windows it shows: the controls of a hidden page get theirs when the
// page is first shown, as the model has them by then; a timer on it ticks from the start.
TEST_F(ViewTest, AHiddenPagesControlsGetWindowsWhenItIsFirstShown) {
  Form& form = NewForm();
  auto& shown = form.Add({.name = "VisualFrame", .kind = ControlKind::Frame, .rect = {100, 100, 4000, 2000}});
  auto& apply = form.Add({.name = "applycmd", .kind = ControlKind::CommandButton, .container = &shown,
                          .caption = "Apply", .rect = {200, 400, 1500, 400}});
  auto& page = form.Add({.name = "SIFrame", .kind = ControlKind::Frame, .rect = {100, 100, 4000, 2000},
                         .visible = false});
  auto& tab = form.Add({.name = "OptionsFrame", .kind = ControlKind::Frame, .container = &page,
                        .rect = {100, 300, 3000, 1500}});
  auto& box = form.Add({.name = "txtRAM", .kind = ControlKind::TextBox, .container = &tab,
                        .rect = {200, 300, 2000, 330}});
  auto& timer = form.Add({.name = "Timer1", .kind = ControlKind::Timer, .container = &page, .interval = 10});
  int ticks = 0;
  timer.on_timer = [&] { ++ticks; };
  app_.Show(form);

  EXPECT_TRUE(IsWindowVisible(Hwnd(apply)));
  EXPECT_EQ(Hwnd(page), nullptr);
  EXPECT_EQ(Hwnd(tab), nullptr);
  EXPECT_EQ(Hwnd(box), nullptr);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));

  box.SetText("8 GB");  // read while the page is still hidden
  page.SetVisible(true);
  ASSERT_NE(Hwnd(box), nullptr);
  EXPECT_TRUE(IsWindowVisible(Hwnd(page)));
  EXPECT_EQ(GetParent(Hwnd(page)), Hwnd(form));
  EXPECT_EQ(GetParent(Hwnd(box)), Hwnd(tab));
  EXPECT_EQ(GetParent(Hwnd(tab)), Hwnd(page));
  EXPECT_EQ(TextOf(Hwnd(box)), L"8 GB");
  EXPECT_TRUE(IsWindowVisible(Hwnd(box)));
  // Hidden and shown again: the same windows, not a second set.
  const HWND first = Hwnd(box);
  page.SetVisible(false);
  page.SetVisible(true);
  EXPECT_EQ(Hwnd(box), first);
  EXPECT_EQ(FindWindowExW(Hwnd(tab), first, nullptr, nullptr), nullptr);
}

// The control added last lies on top, as the model's z-order has it, at the start and when a
// page is built later; a control brought to the front goes on top.
TEST_F(ViewTest, ControlWindowsStandInTheModelsZOrder) {
  Form& form = NewForm();
  auto& page = form.Add({.name = "EXPFrame", .kind = ControlKind::Frame, .rect = {100, 100, 4000, 2000},
                         .visible = false});
  std::vector<Control*> on_page;
  for (const char* name : {"first", "second", "third"}) {
    on_page.push_back(&form.Add({.name = name, .kind = ControlKind::Frame, .container = &page,
                                 .rect = {100, 300, 3000, 1500}}));
  }
  std::vector<Control*> on_form;
  for (const char* name : {"Command1", "Command2", "Command3"}) {
    on_form.push_back(&form.Add({.name = name, .kind = ControlKind::CommandButton, .caption = name,
                                 .rect = {4200, 100, 1200, 400}}));
  }
  const auto from_top = [&](HWND parent) {
    std::vector<HWND> order;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      order.push_back(child);
    }
    return order;
  };
  app_.Show(form);
  EXPECT_EQ(from_top(Hwnd(form)),
            (std::vector<HWND>{Hwnd(*on_form[2]), Hwnd(*on_form[1]), Hwnd(*on_form[0])}));
  page.SetVisible(true);
  EXPECT_EQ(from_top(Hwnd(page)),
            (std::vector<HWND>{Hwnd(*on_page[2]), Hwnd(*on_page[1]), Hwnd(*on_page[0])}));
  // Added before the buttons and built after them, it still lies below them.
  EXPECT_EQ(from_top(Hwnd(form)),
            (std::vector<HWND>{Hwnd(*on_form[2]), Hwnd(*on_form[1]), Hwnd(*on_form[0]), Hwnd(page)}));
  on_page[0]->BringToFront();
  EXPECT_EQ(from_top(Hwnd(page)).front(), Hwnd(*on_page[0]));
}

TEST_F(ViewTest, RunEndsWhenTheLastWindowIsUnloaded) {
  Form& form = NewForm();
  auto& timer = form.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 10});
  timer.on_timer = [&] { app_.Unload(form); };
  app_.Show(form);
  EXPECT_EQ(host_.Run(), 0);
  EXPECT_FALSE(app_.IsLoaded(form));
}

}  // namespace
}  // namespace qb::ui::win32::testing
