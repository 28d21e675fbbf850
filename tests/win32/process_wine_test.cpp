// The process list against the real system: a program started by the test is listed at
// the next refresh, "Terminate" ends it (its start time in the listing matching the
// system's, or it would be taken for another process) and the list then drops it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "platform/win32/win32_machine.h"
#include "process/process_window.h"
#include "ui/headless_host.h"
#include "win32/cleaner_wine_support.h"
#include "win32/poll.h"

namespace qb::process {
namespace {

int RowOf(ui::Control& list, DWORD id) {
  for (size_t i = 0; i < list.Rows().size(); ++i) {
    if (list.Rows()[i].cells[1] == std::to_string(id)) return static_cast<int>(i);
  }
  return -1;
}

// Refreshes the window as its timer does until the condition holds; false when it still
// does not after a generous limit (a loaded machine starts a program slowly).
bool RefreshUntil(ui::Form& form, const std::function<bool()>& done) {
  return done() || test_support::PollUntil([&] {
    form["Timer1"].RaiseTimer();
    return done();
  }, 30000, 50);
}

TEST(ProcessWineTest, AStartedProgramIsListedEndedAndDropped) {
  win32::Win32Machine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  host.Attach(app);
  skin::SkinInstance main_skin;
  ProcessWindow window(app, machine.services(), main_skin);
  app.Load(window.Form());
  ui::Control& list = window.Form()["info"];
  ASSERT_FALSE(list.Rows().empty());
  EXPECT_GE(RowOf(list, GetCurrentProcessId()), 0);

  const win32::ScopedHandle process = cleaner::testing::StartProcess(L"notepad.exe");
  ASSERT_TRUE(process);
  const DWORD id = GetProcessId(process.Get());

  ASSERT_TRUE(RefreshUntil(window.Form(), [&] { return RowOf(list, id) >= 0; })) << "never listed";
  const int row = RowOf(list, id);
  EXPECT_STRCASEEQ(list.Rows()[row].cells[0].c_str(), "notepad.exe");

  list.ListIndexChangedByUser(row);
  window.Form()["terminatecmd"].RaiseClick();
  EXPECT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
  EXPECT_TRUE(RefreshUntil(window.Form(), [&] { return RowOf(list, id) < 0; })) << "still listed";
  EXPECT_EQ(list.SelectedRow(), -1);  // a second click must find nothing to end
}

}  // namespace
}  // namespace qb::process
