// Closing the main window closes every other window, after the work in hand.
#include "app/main_window_fixture.h"
#include "cleaner/event_pacer.h"
#include "cleaner/uninstall_entries.h"

namespace qb::app {
namespace {

TEST_F(MainWindowTest, ClosingUnloadsEveryWindowAndCannotBeCancelled) {
  Start();
  ui::Form other("enumfrm", "Process manager", 3000, 3000);
  bool other_unloaded = false;
  other.on_unload = [&] { other_unloaded = true; };
  app.Load(other);
  EXPECT_TRUE(app.Unload(Form(), ui::CloseReason::WindowsShutdown));
  EXPECT_TRUE(other_unloaded);
  EXPECT_TRUE(app.Loaded().empty());
}

TEST_F(MainWindowTest, ClosingDuringACleanerRunWaitsForTheEntryInHandThenCloses) {
  Start();
  const RegKeyPath area{RegRoot::LocalMachine, std::string(cleaner::kUninstallArea), RegView::Force64};
  for (const char* name : {"OldTool", "OlderTool"}) machine.registry.CreateKey(area.Child(name));
  int close_requests = 0;
  host.on_modal = [&](ui::Form& health) {
    host.on_events = [&] {
      machine.clock.Advance(cleaner::EventPacer::kIntervalMs);
      if (close_requests++ == 0) {
        // Put off, not refused: the window stays until the cleaner has stopped.
        EXPECT_FALSE(app.Unload(Form(), ui::CloseReason::User));
        EXPECT_TRUE(app.IsLoaded(Form()));
      }
    };
    health["checkcmd"].RaiseClick();
    host.on_events = nullptr;
    EXPECT_FALSE(app.IsLoaded(health));
  };
  Form()["Command3"].RaiseClick();
  EXPECT_GT(close_requests, 0);
  EXPECT_FALSE(app.IsLoaded(Form()));  // closed as soon as the cleaner window was gone
  EXPECT_TRUE(app.Loaded().empty());
}

}  // namespace
}  // namespace qb::app
