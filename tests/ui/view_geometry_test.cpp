#include "ui/view_geometry.h"

#include <gtest/gtest.h>

namespace qb::ui {
namespace {

TEST(FitInside, KeepsProportionsAndCentres) {
  // Wide picture in a square box: limited by the width.
  EXPECT_EQ(FitInside(400, 200, {0, 0, 100, 100}, false), (PixelRect{0, 25, 100, 50}));
  // Tall picture: limited by the height, centred across.
  EXPECT_EQ(FitInside(100, 400, {10, 10, 100, 100}, false), (PixelRect{47, 10, 25, 100}));
  // Smaller than the box: kept as it is unless enlarging is asked for.
  EXPECT_EQ(FitInside(20, 10, {0, 0, 100, 100}, false), (PixelRect{40, 45, 20, 10}));
  EXPECT_EQ(FitInside(20, 10, {0, 0, 100, 100}, true), (PixelRect{0, 25, 100, 50}));
  // Exact fit.
  EXPECT_EQ(FitInside(100, 100, {0, 0, 100, 100}, true), (PixelRect{0, 0, 100, 100}));
}

TEST(FitInside, DegenerateAndHugeSizes) {
  EXPECT_EQ(FitInside(0, 10, {0, 0, 100, 100}, true), PixelRect{});
  EXPECT_EQ(FitInside(10, 10, {0, 0, 0, 100}, true), PixelRect{});
  EXPECT_EQ(FitInside(-5, 10, {0, 0, 100, 100}, true), PixelRect{});
  // A sliver keeps at least one pixel; products beyond 32 bits do not overflow.
  EXPECT_EQ(FitInside(100000, 1, {0, 0, 100, 100}, false).height, 1);
  EXPECT_EQ(FitInside(2000000000, 1000000000, {0, 0, 1000, 1000}, false), (PixelRect{0, 250, 1000, 500}));
}

TEST(CenterIn, CentresAndPinsOversizedWindows) {
  EXPECT_EQ(CenterIn(100, 50, {0, 0, 1000, 800}), (PixelRect{450, 375, 100, 50}));
  EXPECT_EQ(CenterIn(100, 50, {200, 100, 100, 50}), (PixelRect{200, 100, 100, 50}));
  EXPECT_EQ(CenterIn(2000, 900, {10, 20, 1000, 800}), (PixelRect{10, 20, 2000, 900}));
}

TEST(FitOnScreen, WindowsMoveOnlyAsFarAsNeededAndShrinkOnlyToTheFloor) {
  EXPECT_EQ(KeepInside({1000, 900, 400, 300}, {0, 40, 1280, 984}), (PixelRect{880, 724, 400, 300}));
  EXPECT_EQ(KeepInside({-50, 10, 1301, 300}, {0, 40, 1280, 984}), (PixelRect{0, 40, 1301, 300}));
  // System Health at 144 DPI is 1301 px wide: the next DPI down that fits 1280 px.
  EXPECT_EQ(FittingDpi(13005, 5835, 144, {0, 0, 1280, 984}, 96), 141);
  EXPECT_EQ(FittingDpi(13005, 5835, 144, {0, 0, 640, 440}, 96), 96);  // too big even so
  EXPECT_EQ(FittingDpi(13005, 5835, 72, {0, 0, 640, 440}, 96), 72);   // never enlarged
}

TEST(TitleBar, ButtonsRightAlignedInOrderAndHitTested) {
  const TitleBarMetrics metrics{24, 16, 4, 6};
  const TitleBarLayout layout = LayOutTitleBar(300, 3, metrics);
  ASSERT_EQ(layout.buttons.size(), 3u);
  EXPECT_EQ(layout.buttons[2], (PixelRect{278, 4, 16, 16}));  // last name, rightmost
  EXPECT_EQ(layout.buttons[1], (PixelRect{258, 4, 16, 16}));
  EXPECT_EQ(layout.buttons[0], (PixelRect{238, 4, 16, 16}));
  EXPECT_EQ(layout.caption, (PixelRect{6, 0, 228, 24}));

  EXPECT_EQ(TitleButtonAt(layout, 278, 4), 2);
  EXPECT_EQ(TitleButtonAt(layout, 293, 19), 2);
  EXPECT_EQ(TitleButtonAt(layout, 294, 10), -1);  // right edge is outside
  EXPECT_EQ(TitleButtonAt(layout, 275, 10), -1);  // in the gap
  EXPECT_EQ(TitleButtonAt(layout, 100, 10), -1);
}

TEST(TitleBar, NoButtonsAndTooNarrowWindows) {
  const TitleBarMetrics metrics{24, 16, 4, 6};
  const TitleBarLayout none = LayOutTitleBar(300, 0, metrics);
  EXPECT_TRUE(none.buttons.empty());
  EXPECT_EQ(none.caption, (PixelRect{6, 0, 288, 24}));
  const TitleBarLayout narrow = LayOutTitleBar(30, 4, metrics);
  EXPECT_EQ(narrow.caption.width, 0);  // never negative
}

}  // namespace
}  // namespace qb::ui
