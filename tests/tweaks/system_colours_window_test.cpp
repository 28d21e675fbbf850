#include "tweaks/system_colours_window.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "ui/headless_host.h"

namespace qb::tweaks {
namespace {

class SystemColoursWindowTest : public ::testing::Test {
 protected:
  SystemColoursWindowTest() { host.Attach(app); }

  // Opens the window and runs the test's steps while it is up.
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

TEST_F(SystemColoursWindowTest, ListsTheThirteenElementsWithTheirIndexes) {
  const int indexes[] = {2, 3, 9, 19, 10, 11, 17, 18, 13, 14, 4, 7, 1};
  ASSERT_EQ(kScreenElements.size(), std::size(indexes));
  for (size_t i = 0; i < kScreenElements.size(); ++i) {
    EXPECT_EQ(kScreenElements[i].index, indexes[i]) << kScreenElements[i].text;
  }
  WhileOpen([](ui::Form& form) {
    ASSERT_EQ(form["List1"].Items().size(), 13u);
    EXPECT_EQ(form["List1"].Items()[3], "Inctive Window Caption Text");
    EXPECT_EQ(form["List1"].Items()[12], "Background");
  });
}

TEST_F(SystemColoursWindowTest, TitleComesFromTheLanguageFile) {
  machine.profile.SetFile("C:\\Program Files\\Quill Box\\languages\\English.ini",
                          "[Vorlix]\r\n7012=Farben\r\n3027=Element\r\n");
  WhileOpen([](ui::Form& form) {
    EXPECT_EQ(form.Caption(), "Farben");
    EXPECT_EQ(form["SkinLabel1"].Caption(), "Element");
  });
}

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

TEST_F(SystemColoursWindowTest, ChosenColourIsAppliedToTheChosenElement) {
  machine.system_colours.colours[syscolour::kMenu] = 0x00D4D0C8;
  machine.dialogs.ScriptColour(0x000000FF);
  WhileOpen([](ui::Form& form) {
    form["List1"].ListIndexChangedByUser(10);  // Menu
    EXPECT_EQ(form["Picture1"].BackColour(), std::optional<uint32_t>(0x00D4D0C8));
    form["Command2"].RaiseClick();
    EXPECT_EQ(form["Picture1"].BackColour(), std::optional<uint32_t>(0x000000FF));
    form["Command1"].RaiseClick();
  });
  EXPECT_EQ(machine.system_colours.Calls(), std::vector<std::string>{"SetSysColors 4 0x0000FF"});
}

// Fault guarded: a cancelled colour dialog put black into the preview, and Apply painted it.
TEST_F(SystemColoursWindowTest, ACancelledDialogKeepsThePreview) {
  machine.system_colours.colours[syscolour::kHighlight] = 0x00C56A31;
  WhileOpen([](ui::Form& form) {
    form["List1"].ListIndexChangedByUser(8);  // Highlight
    form["Command2"].RaiseClick();            // nothing scripted: cancelled
    EXPECT_EQ(form["Picture1"].BackColour(), std::optional<uint32_t>(0x00C56A31));
    form["Command1"].RaiseClick();
  });
  EXPECT_EQ(machine.system_colours.Calls(), std::vector<std::string>{"SetSysColors 13 0xC56A31"});
}

TEST_F(SystemColoursWindowTest, CloseUnloadsTheWindow) {
  bool loaded = true;
  WhileOpen([&](ui::Form& form) {
    form["Command3"].RaiseClick();
    loaded = app.IsLoaded(form);
  });
  EXPECT_FALSE(loaded);
}

}  // namespace
}  // namespace qb::tweaks
