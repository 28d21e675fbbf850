#include <gtest/gtest.h>

#include "skin/skin.h"
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

}  // namespace
}  // namespace qb::skin
