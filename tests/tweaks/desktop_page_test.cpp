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

TEST_F(DesktopPageTest, RefusedWritesAreNamedInOneMessage) {
  LoadAndWire();
  machine.registry.DenyWrites(
      {RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies"});
  form["hideall"].SetValue(1);
  form["dskrightchk"].SetValue(1);
  form["applydesktop"].RaiseClick();
  ASSERT_EQ(machine.dialogs.Messages().size(), 1u);
  const std::string& text = machine.dialogs.Messages()[0].text;
  EXPECT_EQ(text.rfind("These changes were not saved:\n\n" + std::string(kPolicies) +
                           "Explorer\\NoDesktop\n    Access is denied.\n" +
                           std::string(kPolicies) + "Explorer\\NoViewContextMenu\n",
                       0),
            0u)
      << text;
  EXPECT_TRUE(machine.registry.WriteLog().empty());
}

}  // namespace
}  // namespace qb::tweaks::testing
