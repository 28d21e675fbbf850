#include <gtest/gtest.h>

#include "tweak_page_fixture.h"

namespace qb::tweaks::testing {
namespace {

using DesktopPageTest = TweakPageTest;

TEST_F(DesktopPageTest, EitherButtonWritesEveryBoxAtOnce) {
  LoadAndWire();
  for (const char* button : {"applydesktop", "desktopCommand"}) {
    const int checked = button == std::string("applydesktop") ? 1 : 0;
    for (const auto& b : kDesktopBindings) form[b.control].SetValue(checked);
    machine.registry.ClearWriteLog();
    form[button].RaiseClick();
    for (const auto& b : kDesktopBindings) {
      const std::string name(b.path.substr(b.path.rfind('\\') + 1));
      EXPECT_EQ(Read(b.path), RegValue::Dword(name, checked)) << button << " " << b.control;
    }
    EXPECT_EQ(machine.registry.WriteLog().back(),
              "SetValue HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer "
              "[NoViewContextMenu]");
  }
  EXPECT_TRUE(machine.dialogs.Messages().empty());
  EXPECT_TRUE(machine.system_parameters.Calls().empty());
  EXPECT_EQ(machine.power.RestartRequests(), 0);
}

TEST_F(DesktopPageTest, AFailedWriteIsReportedAndTheRestIsNotWritten) {
  LoadAndWire();
  machine.registry.DenyWrites(
      {RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies"});
  form["applydesktop"].RaiseClick();
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  EXPECT_EQ(machine.dialogs.Messages()[0].text,
            "This change could not be saved:\n" + std::string(kPolicies) +
                "Explorer\\NoDesktop\n\nAccess is denied.");
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

}  // namespace
}  // namespace qb::tweaks::testing
