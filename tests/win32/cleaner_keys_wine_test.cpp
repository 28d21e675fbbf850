// The review list and the entries kept always, with nothing but keys on real windows: Tab
// walks every button in order and comes back round, Space turns the tick of the row in
// focus, Enter on "Remove" or Delete in the list takes an entry back from the file (the
// entry after it selected in its place), and Escape closes.
#include "cleaner/application_paths.h"
#include "cleaner/exclusions.h"
#include "cleaner/exclusions_window.h"
#include "cleaner/review_window.h"
#include "platform/win32/win32_machine.h"
#include "win32/view_fixture.h"

namespace qb::ui::win32::testing {
namespace {

class KeysOnWine : public ViewTest {
 protected:
  void SetUp() override {
    had_file = machine.files.ReadFile(Path(), old_file) == status::kOk;
  }
  void TearDown() override {
    if (had_file) {
      machine.files.WriteFile(Path(), old_file);
    } else {
      machine.files.DeleteFile(Path());
    }
  }
  std::string Path() { return cleaner::ExclusionsPath(machine.environment); }
  static HWND Focused() {
    GUITHREADINFO info{sizeof info};
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) ? info.hwndFocus : nullptr;
  }
  static void Press(WPARAM key) { PostMessageW(GetFocus(), WM_KEYDOWN, key, 1); }
  Form* Loaded(std::string_view name) {
    for (Form* form : app_.Loaded()) {
      if (form->Name() == name) return form;
    }
    return nullptr;
  }
  // Shows the window over an owner and runs the steps in turn from a timer, which ticks
  // inside the window's own loop: a step returns true once it is done. The window is closed
  // when a step never finishes, so a fault fails the test instead of hanging it.
  size_t Drive(Form& window, std::vector<std::function<bool()>> steps) {
    Form& owner = NewForm("mainform");
    Control& timer = owner.Add({.name = "Timer1", .kind = ControlKind::Timer, .interval = 30});
    size_t step = 0;
    int ticks = 0;
    timer.on_timer = [&] {
      if (++ticks > 1500) {
        if (Loaded(window.Name())) app_.Unload(window);
        return;
      }
      if (step < steps.size() && steps[step]()) ++step;
    };
    app_.Show(owner);
    app_.ShowModal(window, &owner);
    timer.SetEnabled(false);
    return step;
  }
  // Tab moves the focus to each control in turn, the last back to the first.
  std::vector<std::function<bool()>> TabThrough(const Form& form, std::vector<std::string> names) {
    std::vector<std::function<bool()>> steps;
    for (std::string& name : names) {
      steps.push_back([] { return Press(VK_TAB), true; });
      steps.push_back([this, &form, name] { return Focused() == Hwnd(form[name]); });
    }
    return steps;
  }

  qb::win32::Win32Machine machine;
  skin::SkinInstance skin;
  std::vector<uint8_t> old_file;
  bool had_file = false;
};

TEST_F(KeysOnWine, ReviewListTicksWithSpaceTabsRoundAndClosesWithEscape) {
  cleaner::ScanResult scan;
  for (const char* name : {"A", "B", "C"}) {
    scan.removals.push_back({{RegRoot::LocalMachine, std::string(cleaner::kAppPathsArea) + "\\QbTestKeys" + name + ".exe"}});
    scan.tested.push_back(std::string("C:\\QbNowhere\\") + name + ".exe");
  }
  cleaner::Exclusions exclusions;
  cleaner::ReviewWindow review(app_, machine.services(), skin, cleaner::kApplicationPaths, scan, exclusions);
  Form& form = review.Form();
  const auto list = [&] { return Hwnd(form["findings"]); };
  const auto ticks = [&] {
    std::vector<bool> shown;
    for (int row = 0; row < 3; ++row) shown.push_back(ListView_GetCheckState(list(), row) != 0);
    return shown;
  };
  std::vector<std::function<bool()>> steps = {
      [&] { return Loaded("reviewfrm") && Focused() == list() && ticks() == std::vector<bool>{true, true, true}; },
      [&] { return form["findings"].SetListIndex(1), Press(VK_SPACE), true; },
      [&] { return ticks() == std::vector<bool>{true, false, true} && !form["findings"].Rows()[1].checked; },
  };
  for (auto& step : TabThrough(form, {"tickall", "untickall", "keep", "repair", "cancel", "findings"})) {
    steps.push_back(std::move(step));
  }
  steps.push_back([] { return Press(VK_ESCAPE), true; });
  steps.push_back([] { return false; });  // the window closes from here
  const size_t reached = Drive(form, steps);
  EXPECT_EQ(reached, steps.size() - 1) << "the step that never finished";
  EXPECT_FALSE(review.RepairChosen());
  EXPECT_EQ(review.Ticked(), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(form["ticked"].Caption(), "Ticked: 2 of 3");
}

TEST_F(KeysOnWine, ExclusionsWindowTabsRoundRemovesWithEnterOrDeleteAndClosesWithEscape) {
  cleaner::Exclusions start;
  for (const char* entry : {"C:\\QbKeysOld", "HKEY_CURRENT_USER\\Software\\QbKeysTool", "C:\\QbKeys.lnk"}) {
    start.Add(entry);
  }
  ASSERT_EQ(cleaner::SaveExclusions(machine.files, machine.environment, start), status::kOk);
  cleaner::ExclusionsWindow window(app_, machine.services(), skin);
  Form& form = window.Form();
  const auto count = [&] { return SendMessageW(Hwnd(form["entries"]), LB_GETCOUNT, 0, 0); };
  std::vector<std::function<bool()>> steps = {
      [&] { return Loaded("exclusionsfrm") && Focused() == Hwnd(form["entries"]) && count() == 3; },
  };
  for (auto& step : TabThrough(form, {"remove", "close", "entries"})) steps.push_back(std::move(step));
  steps.push_back([&] { return form["entries"].SetListIndex(1), Press(VK_TAB), true; });
  steps.push_back([&] { return Focused() == Hwnd(form["remove"]) && (Press(VK_RETURN), true); });
  steps.push_back([&] { return count() == 2; });
  steps.push_back([&] { return SetFocus(Hwnd(form["entries"])), form["entries"].SetListIndex(0), Press(VK_DELETE), true; });
  steps.push_back([&] {
    return count() == 1 && Focused() == Hwnd(form["entries"]) && form["entries"].ListIndex() == 0 &&
           SendMessageW(Hwnd(form["entries"]), LB_GETCURSEL, 0, 0) == 0;
  });
  steps.push_back([] { return Press(VK_ESCAPE), true; });
  steps.push_back([] { return false; });
  const size_t reached = Drive(form, steps);
  EXPECT_EQ(reached, steps.size() - 1) << "the step that never finished";
  EXPECT_FALSE(Loaded("exclusionsfrm"));
  EXPECT_EQ(cleaner::LoadExclusions(machine.files, machine.environment).Entries(),
            (std::vector<std::string>{"C:\\QbKeys.lnk"}));
}

}  // namespace
}  // namespace qb::ui::win32::testing
