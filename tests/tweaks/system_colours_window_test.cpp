#include "tweaks/system_colours_window.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::tweaks {
namespace {

class SystemColoursWindowTest : public ::testing::Test {
 protected:
  SystemColoursWindowTest() { host.Attach(app); }
  void WhileOpen(std::function<void(ui::Form&)> steps) {
    host.on_modal = std::move(steps);
    SystemColoursWindow window(app, machine.services(), main_skin);
    app.ShowModal(window.Form(), nullptr);
  }

  MemoryMachine machine;
  ui::HeadlessHost host;
  ui::Application app{host};
  skin::SkinInstance main_skin;
};

// Fault guarded: Apply before a choice painted the scroll bar (index 0), which the list
// does not offer.
TEST_F(SystemColoursWindowTest, ApplyWaitsForAChosenElement) {
  WhileOpen([this](ui::Form& form) {
    EXPECT_FALSE(form["Command1"].Enabled());
    form["List1"].ListIndexChangedByUser(0);
    EXPECT_TRUE(form["Command1"].Enabled());
  });
  EXPECT_TRUE(machine.system_colours.Calls().empty());
}

// Fault guarded: a cancelled colour dialog put black into the preview, and Apply painted it.
// And Apply without a new colour put back the one read at the choice of the element, which
// another program may have changed since.
TEST_F(SystemColoursWindowTest, OnlyAChosenColourIsAppliedToTheChosenElement) {
  machine.system_colours.colours[syscolour::kMenu] = 0x00D4D0C8;
  machine.system_colours.colours[syscolour::kHighlight] = 0x00C56A31;
  const struct { int row; std::optional<uint32_t> chosen; uint32_t shown; const char* call; } cases[] = {
      {10, 0x000000FF, 0x000000FF, "SetSysColors 4 0x0000FF"},  // Menu
      {8, std::nullopt, 0x00C56A31, "SetSysColors 4 0x0000FF"},  // Highlight, cancelled
  };
  for (const auto& c : cases) {
    if (c.chosen) machine.dialogs.ScriptColour(*c.chosen);
    WhileOpen([&](ui::Form& form) {
      form["List1"].ListIndexChangedByUser(c.row);
      form["Command2"].RaiseClick();
      EXPECT_EQ(form["Picture1"].BackColour(), std::optional<uint32_t>(c.shown)) << c.row;
      form["Command1"].RaiseClick();
      form["Command3"].RaiseClick();  // Close
      EXPECT_FALSE(app.IsLoaded(form));
    });
    EXPECT_EQ(machine.system_colours.Calls().back(), c.call);
  }
  EXPECT_EQ(machine.system_colours.Calls().size(), 1u);
}

}  // namespace
}  // namespace qb::tweaks
