#include "monitor/processor_speed.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qb::monitor {
namespace {

TEST(ProcessorSpeed, MeasurementsAreNamedByTheNearestRating) {
  const struct {
    double measured;
    int rating;
  } cases[] = {{2394, 2400}, {2407.3, 2400}, {2660, 2666}, {2671, 2666}, {1830, 1833},
               {3192, 3200}, {3330, 3333}, {232, 233},   {448, 450},   {299.4, 300},
               {4999, 5000}, {1000.2, 1000}, {66.5, 66}};
  for (const auto& c : cases) EXPECT_EQ(NominalMhz(c.measured), c.rating) << c.measured;
}

TEST(ProcessorSpeed, TextIsEmptyWithoutAMeasurement) {
  EXPECT_EQ(NominalSpeedText(2394), "2400 MHz");
  EXPECT_EQ(NominalSpeedText(0), "");
  EXPECT_EQ(NominalSpeedText(-5), "");
  EXPECT_EQ(NominalSpeedText(std::nan("")), "");
}

}  // namespace
}  // namespace qb::monitor
