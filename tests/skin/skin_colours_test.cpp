#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "skin/colour_contrast.h"
#include "skin/high_contrast.h"
#include "support/source_files.h"

namespace qb::skin {
namespace {

TEST(ColourContrast, RatioFollowsRelativeLuminance) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.01);
  // Green weighs most, blue least.
  EXPECT_GT(ContrastRatio({0, 0, 0}, {0, 255, 0}), ContrastRatio({0, 0, 0}, {0, 0, 255}) * 5);
}

// Every text the shipped skin draws, enabled or not, against each shade it is drawn on.
TEST(ColourContrast, ShippedSkinTextIsReadableOnEveryFace) {
  std::string error;
  const auto skin = ParseSkin(testing::ReadSourceFile("resources/data/winaquas.skn"), error);
  ASSERT_TRUE(skin) << error;
  for (const auto& [name, style] : skin->elements) {
    for (const Color face : {style.face_top, style.face_bottom}) {
      EXPECT_GE(ContrastRatio(style.text, face), kReadableContrast) << name;
      EXPECT_GE(ContrastRatio(style.text_disabled, face), kReadableContrast) << name << " disabled";
    }
    if (style.title_height == 0) continue;
    for (const bool active : {true, false}) {
      const TitleLook look = TitleLookFor(style, active);
      for (const Color shade : {look.top, look.bottom, look.lightest}) {
        EXPECT_GE(ContrastRatio(look.ink, shade), kReadableContrast) << name << " title " << active;
      }
    }
  }
}

// In high contrast no colour of the skin may survive: every one drawn comes from the scheme,
// while the shapes stay.
TEST(HighContrast, SkinTakesEveryColourFromTheSystemScheme) {
  std::string error;
  const auto skin = ParseSkin(testing::ReadSourceFile("resources/data/winaquas.skn"), error);
  ASSERT_TRUE(skin) << error;
  SystemColours scheme;
  uint8_t n = 1;
  for (Color* c : {&scheme.window, &scheme.window_text, &scheme.button_face, &scheme.button_text,
                   &scheme.highlight, &scheme.highlight_text, &scheme.gray_text,
                   &scheme.active_caption, &scheme.caption_text}) {
    *c = {n, n, ++n};  // distinct and unlike any skin colour
  }
  auto key = [](Color c) { return std::tuple(c.r, c.g, c.b); };
  std::set<std::tuple<uint8_t, uint8_t, uint8_t>> allowed;
  for (Color c : {scheme.window, scheme.window_text, scheme.button_face, scheme.button_text,
                  scheme.highlight, scheme.gray_text, scheme.active_caption, scheme.caption_text}) {
    allowed.insert(key(c));
  }
  const Skin contrast = HighContrastSkin(*skin, scheme);
  ASSERT_EQ(contrast.elements.size(), skin->elements.size());
  for (const auto& [name, s] : contrast.elements) {
    for (Color c : {s.face_top, s.face_bottom, s.hot_top, s.hot_bottom, s.pressed_top,
                    s.pressed_bottom, s.border, s.text, s.text_disabled, s.accent, s.title_top,
                    s.title_bottom, s.title_text}) {
      EXPECT_TRUE(allowed.count(key(c))) << name;
    }
    EXPECT_EQ(s.corner_radius, skin->Find(name)->corner_radius) << name;
    EXPECT_EQ(s.title_buttons, skin->Find(name)->title_buttons) << name;
  }
  // A check box's box is a field in window colours, a button is button-faced.
  EXPECT_EQ(contrast.Find("check")->face_top, scheme.window);
  EXPECT_EQ(contrast.Find("check")->text, scheme.window_text);
  EXPECT_EQ(contrast.Find("Button")->face_bottom, scheme.button_face);
  EXPECT_EQ(contrast.Find("Button")->text, scheme.button_text);

  EXPECT_EQ(GraphColoursFor(false, scheme), GraphColours{});
  const GraphColours graph = GraphColoursFor(true, scheme);
  EXPECT_EQ(graph.background, scheme.window);
  EXPECT_EQ(graph.line, scheme.window_text);
}

}  // namespace
}  // namespace qb::skin
