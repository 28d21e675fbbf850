// A fault in a handler or a window that Windows refuses must not end or hang the program:
// the view reports it once and goes on.
#include <stdexcept>

#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

class ViewFaults : public ViewTest {
 protected:
  ViewFaults() {
    host_.Faults().SetLog([this](const std::string& where, const std::string& what) {
      logged_.push_back(what);
    });
    host_.Faults().SetShow([this](HWND owner, const std::string& text) {
      shown_.push_back(text);
      if (during_show_) during_show_();
    });
  }

  std::vector<std::string> logged_;
  std::vector<std::string> shown_;
  std::function<void()> during_show_;
};

TEST_F(ViewFaults, AThrowingClickHandlerIsReportedAndTheWindowGoesOn) {
  Form& form = NewForm();
  auto& bad = form.Add({.name = "badcmd", .kind = ControlKind::CommandButton, .caption = "Bad",
                        .rect = {120, 120, 1200, 400}});
  auto& good = form.Add({.name = "goodcmd", .kind = ControlKind::CommandButton, .caption = "Good",
                         .rect = {120, 720, 1200, 400}});
  bad.on_click = [&] { form["no such control"].SetCaption("never"); };
  int good_clicks = 0;
  good.on_click = [&] { ++good_clicks; };
  app_.Show(form);

  Click(Hwnd(bad));
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].find("no such control"), std::string::npos) << shown_[0];
  ASSERT_EQ(logged_.size(), 1u);
  EXPECT_TRUE(IsWindow(Hwnd(form)));
  Click(Hwnd(good));
  EXPECT_EQ(good_clicks, 1);
  Click(Hwnd(bad));
  EXPECT_EQ(shown_.size(), 2u);  // each fault in its turn
}

TEST_F(ViewFaults, AFaultWhileTheMessageIsUpIsLoggedButNotShownAgain) {
  Form& form = NewForm();
  auto& bad = form.Add({.name = "badcmd", .kind = ControlKind::CommandButton, .caption = "Bad",
                        .rect = {120, 120, 1200, 400}});
  bad.on_click = [] { throw std::runtime_error("broken"); };
  app_.Show(form);
  // A repaint under the message box that fails again must not stack message boxes.
  during_show_ = [&] { SendMessageW(Hwnd(bad), BM_CLICK, 0, 0); };

  SendMessageW(Hwnd(bad), BM_CLICK, 0, 0);
  EXPECT_EQ(shown_.size(), 1u);
  EXPECT_EQ(logged_.size(), 2u);
}

TEST_F(ViewFaults, ATimerHandlerThatThrowsDoesNotStopTheLoop) {
  Form& form = NewForm();
  auto& timer = form.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 20});
  int ticks = 0;
  timer.on_timer = [&] {
    if (++ticks == 1) throw std::out_of_range("first tick");
  };
  app_.Show(form);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_EQ(shown_.size(), 1u);
}

// Refuses the creation of every window of this thread while it lives.
class RefuseWindows {
 public:
  RefuseWindows() : hook_(SetWindowsHookExW(WH_CBT, Refuse, nullptr, GetCurrentThreadId())) {}
  ~RefuseWindows() { UnhookWindowsHookEx(hook_); }
  bool Active() const { return hook_ != nullptr; }

 private:
  // A hook procedure keeps the system's calling convention, which a lambda does not on x86.
  static LRESULT CALLBACK Refuse(int code, WPARAM wparam, LPARAM lparam) {
    return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wparam, lparam);
  }

  HHOOK hook_;
};

TEST_F(ViewFaults, AWindowThatCannotBeCreatedIsReportedAndTheLoopDoesNotWait) {
  Form& form = NewForm("mainform");
  form.Add({.name = "okcmd", .kind = ControlKind::CommandButton, .caption = "OK", .rect = {120, 120, 1200, 400}});
  {
    RefuseWindows refuse;
    ASSERT_TRUE(refuse.Active());
    app_.Show(form);
  }
  EXPECT_EQ(Hwnd(form), nullptr);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].find("could not create the window"), std::string::npos) << shown_[0];
  EXPECT_EQ(host_.Run(), 0) << "nothing on the screen: the loop returns at once";
}

TEST_F(ViewFaults, AModalWindowThatCannotBeCreatedIsUnloaded) {
  Form& owner = NewForm("mainform");
  app_.Show(owner);
  Form& modal = NewForm("pchealth");
  {
    RefuseWindows refuse;
    app_.ShowModal(modal, &owner);
  }
  EXPECT_FALSE(app_.IsLoaded(modal));
  EXPECT_EQ(shown_.size(), 1u);
  EXPECT_TRUE(IsWindowEnabled(Hwnd(owner)));
}

}  // namespace
}  // namespace qb::ui::win32::testing
