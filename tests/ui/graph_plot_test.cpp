#include "ui/graph_plot.h"

#include <gtest/gtest.h>

#include <limits>

namespace qb::ui {
namespace {

TEST(PlotLine, SpreadsSamplesFromEdgeToEdgeWithHundredOnTop) {
  const auto points = PlotLine({0, 50, 100}, 101, 101);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[0], (PlotPoint{0, 100}));
  EXPECT_EQ(points[1], (PlotPoint{50, 50}));
  EXPECT_EQ(points[2], (PlotPoint{100, 0}));  // newest on the right edge
}

TEST(PlotLine, ClampsOutOfRangeAndNonNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const auto points = PlotLine({-20, 250, nan, inf}, 31, 11);
  ASSERT_EQ(points.size(), 4u);
  EXPECT_EQ(points[0].y, 10);
  EXPECT_EQ(points[1].y, 0);
  EXPECT_EQ(points[2].y, 10);
  EXPECT_EQ(points[3].y, 10);
  for (const PlotPoint& point : points) {
    EXPECT_GE(point.x, 0);
    EXPECT_LE(point.x, 30);
  }
}

TEST(PlotLine, NothingToDrawForTooFewSamplesOrNoRoom) {
  EXPECT_TRUE(PlotLine({}, 100, 100).empty());
  EXPECT_TRUE(PlotLine({42}, 100, 100).empty());
  EXPECT_TRUE(PlotLine({1, 2}, 1, 100).empty());
  EXPECT_TRUE(PlotLine({1, 2}, 100, 0).empty());
}

TEST(SampleStep, PixelsBetweenSamplesAtLeastOne) {
  EXPECT_EQ(SampleStep(31, 301), 10);
  EXPECT_EQ(SampleStep(1000, 100), 1);
  EXPECT_EQ(SampleStep(0, 100), 1);
  EXPECT_EQ(SampleStep(2, 0), 1);
}

TEST(GridPhase, ScrollsLeftOneStepPerSampleAndWraps) {
  EXPECT_EQ(GridPhase(0, 3, 12), 0);
  EXPECT_EQ(GridPhase(1, 3, 12), 9);
  EXPECT_EQ(GridPhase(2, 3, 12), 6);
  EXPECT_EQ(GridPhase(4, 3, 12), 0);
  EXPECT_EQ(GridPhase(5, 5, 12), 11);  // 25 pixels moved: one past two cells
  // A counter near its end stays within the cell.
  const int phase = GridPhase(std::numeric_limits<unsigned long long>::max(), 7, 12);
  EXPECT_GE(phase, 0);
  EXPECT_LT(phase, 12);
  EXPECT_EQ(GridPhase(3, 0, 12), 0);
  EXPECT_EQ(GridPhase(3, 4, 0), 0);
}

}  // namespace
}  // namespace qb::ui
