#include "tweaks/tweak_binding.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_machine.h"
#include "registry/registry_paths.h"

namespace qb::tweaks {
namespace {

class TweakBindingTest : public ::testing::Test {
 protected:
  MemoryMachine machine;
  ui::Form form{"mainform", "Quill Box", 9600, 6390};
};

TEST_F(TweakBindingTest, SlidersAndTextBoxesLoadWhatTheyCanShow) {
  auto& slider = form.Add({.name = "SpeedSlider", .kind = ui::ControlKind::Slider, .value = 10,
                           .min = 1, .max = 20});
  auto& text = form.Add({.name = "hometxt", .kind = ui::ControlKind::TextBox, .text = "design"});
  const TweakBinding speed{"SpeedSlider", "HKCU\\Control Panel\\Mouse\\MouseSensitivity",
                           BindingKind::Slider, BindingUse::LoadOnly};
  const TweakBinding home{"hometxt", "HKCU\\Software\\QbTest\\Start Page", BindingKind::TextBox};

  EXPECT_FALSE(LoadBinding(form, machine.registry, home));  // missing: design text stays
  EXPECT_EQ(text.Text(), "design");
  registry::RegWrite(machine.registry, speed.path, "25");
  EXPECT_FALSE(LoadBinding(form, machine.registry, speed));  // outside the slider's range
  EXPECT_EQ(slider.Value(), 10);
  registry::RegWrite(machine.registry, speed.path, "14");
  EXPECT_TRUE(LoadBinding(form, machine.registry, speed));
  EXPECT_EQ(slider.Value(), 14);

  registry::RegWrite(machine.registry, home.path, 7, "REG_DWORD");
  EXPECT_FALSE(LoadBinding(form, machine.registry, home));  // a number is no text
  EXPECT_EQ(text.Text(), "design");

  // Read again with nothing to show, the user's change stays one for Apply to write.
  text.TextChangedByUser("mine");
  EXPECT_FALSE(LoadBinding(form, machine.registry, home));
  EXPECT_TRUE(text.Touched());
  EXPECT_TRUE(LoadBinding(form, machine.registry, speed));
  EXPECT_FALSE(slider.Touched());
}

TEST_F(TweakBindingTest, ApplySkipsLoadOnlyBindingsAndWritesTextAsItIs) {
  form.Add({.name = "SpeedSlider", .kind = ui::ControlKind::Slider, .value = 10, .max = 20});
  form.Add({.name = "changetxt", .kind = ui::ControlKind::TextBox});
  const TweakBinding bindings[] = {
      {"SpeedSlider", "HKCU\\Control Panel\\Mouse\\MouseSensitivity", BindingKind::Slider,
       BindingUse::LoadOnly},
      {"changetxt", "HKCU\\Software\\QbTest\\Window Title", BindingKind::TextBox},
  };
  UnsavedChanges unsaved;
  ApplyBindings(form, machine.registry, bindings, unsaved);
  EXPECT_TRUE(machine.registry.WriteLog().empty());  // an empty box and no value: no change
  form["changetxt"].SetText("Title");
  ApplyBindings(form, machine.registry, bindings, unsaved);
  EXPECT_TRUE(unsaved.Empty());
  EXPECT_EQ(machine.registry.WriteLog().back(), "SetValue HKCU\\Software\\QbTest [Window Title]");
  RegValue title;
  registry::RegRead(machine.registry, bindings[1].path, title);
  EXPECT_EQ(title, RegValue::String("Window Title", "Title"));
  RegValue speed;
  EXPECT_NE(registry::RegRead(machine.registry, bindings[0].path, speed), status::kOk);
}

}  // namespace
}  // namespace qb::tweaks
