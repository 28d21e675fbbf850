#include "dress/skin_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/source_files.h"

namespace qb::dress {
namespace {

TEST(SkinForm, ElementsByKindWithTheTwoNamedButtons) {
  ui::Form form("mainform", "Quill Box", 1000, 1000);
  using ui::ControlKind;
  auto& frame = form.Add({.name = "Frame1", .kind = ControlKind::Frame});
  const struct { const char* name; ControlKind kind; const char* element; } cases[] = {
      {"syscmd", ControlKind::CommandButton, "system"},
      {"cpucmd", ControlKind::CommandButton, "cpu"},
      {"Syscmd", ControlKind::CommandButton, "Button"},  // names compare exactly
      {"applycmd", ControlKind::CommandButton, "Button"},
      {"lblTitle", ControlKind::SkinLabel, "Label"},
      {"syscmd", ControlKind::Frame, "frame"},  // a frame named syscmd is still a frame
      {"runchk", ControlKind::CheckBox, "check"},
      {"Option1", ControlKind::OptionButton, "radio"},
      {"Label1", ControlKind::Label, ""},
      {"changetxt", ControlKind::TextBox, ""},
      {"RCombo", ControlKind::ComboBox, ""},
      {"lst", ControlKind::ListBox, ""},
      {"Slider1", ControlKind::Slider, ""},
      {"ProgressBar1", ControlKind::ProgressBar, ""},
      {"TabStrip1", ControlKind::TabStrip, ""},
      {"Picture2", ControlKind::Picture, ""},
      {"Timer1", ControlKind::Timer, ""},
      {"cpuhist", ControlKind::Graph, ""},
  };
  std::vector<ui::Control*> controls;
  for (const auto& c : cases) {
    controls.push_back(&form.Add({.name = c.name, .kind = c.kind, .container = &frame}));
  }
  skin::SkinInstance skin;
  ASSERT_TRUE(skin.LoadText(testing::ReadSourceFile("resources/data/winaquas.skn")));
  SkinForm(form, skin);
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_EQ(ElementFor(*controls[i]), cases[i].element) << cases[i].name;
    EXPECT_EQ(controls[i]->SkinElement(), cases[i].element) << cases[i].name;
  }
  EXPECT_EQ(frame.SkinElement(), "frame");
}

TEST(SkinForm, AnEmptyInstanceSkinsNothing) {
  ui::Form form("f", "F", 1000, 1000);
  auto& button = form.Add({.name = "applycmd", .kind = ui::ControlKind::CommandButton});
  skin::SkinInstance skin;
  EXPECT_FALSE(skin.LoadText("not a skin"));
  SkinWindow(form, skin, "SmallForm");
  SkinForm(form, skin);
  EXPECT_EQ(form.SkinElement(), "");
  EXPECT_EQ(button.SkinElement(), "");
}

}  // namespace
}  // namespace qb::dress
