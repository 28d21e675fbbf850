#include <gtest/gtest.h>

#include "skin/skin.h"
#include "skin/skin_form.h"
#include "support/source_files.h"

namespace qb::skin {
namespace {

TEST(SkinFile, ShippedSkinDefinesEveryElementTheProgramUses) {
  std::string error;
  const auto skin = ParseSkin(testing::ReadSourceFile("resources/data/winaquas.skn"), error);
  ASSERT_TRUE(skin) << error;
  for (const char* element : {"Form", "SmallForm", "Button", "system", "cpu", "Label", "frame",
                              "check", "radio", "Statusbar", "Tab"}) {
    EXPECT_NE(skin->Find(element), nullptr) << element;
  }
  EXPECT_EQ(skin->Find("Form")->title_buttons,
            (std::vector<std::string>{"help", "about", "minimize", "close"}));
  EXPECT_EQ(skin->Find("SmallForm")->title_buttons, std::vector<std::string>{"close"});
  // "Base" copies the element it names before the section's own keys.
  EXPECT_EQ(skin->Find("cpu")->face_bottom, skin->Find("system")->face_bottom);
  EXPECT_EQ(skin->Find("cpu")->corner_radius, skin->Find("Button")->corner_radius);
  EXPECT_TRUE(skin->Find("system")->bold);
}

TEST(SkinFile, MalformedSkinsAreRejectedWithAReason) {
  const char* broken[] = {
      "",                                                   // empty
      "garbage\x01\x02",                                    // not INI at all
      "[Form]\nFaceTop=#FFFFFF\n",                          // no format header
      "[Skin]\nFormat=2\n[Form]\n",                         // a format we cannot read
      "[Skin]\nFormat=1\n[Form]\nFaceTop=#GGGGGG\n",        // bad colour
      "[Skin]\nFormat=1\n[Form]\nCornerRadius=-4\n",        // out of range
      "[Skin]\nFormat=1\n[cpu]\nBase=system\n",             // unknown base
      "[Skin]\nFormat=1\n",                                 // no elements
  };
  for (const char* text : broken) {
    std::string error;
    EXPECT_FALSE(ParseSkin(text, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

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
  SkinInstance skin;
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
  SkinInstance skin;
  EXPECT_FALSE(skin.LoadText("not a skin"));
  skin.ApplyToForm(form, "SmallForm");
  SkinForm(form, skin);
  EXPECT_EQ(form.SkinElement(), "");
  EXPECT_EQ(button.SkinElement(), "");
}

}  // namespace
}  // namespace qb::skin
