#include "monitor/processor_speed.h"

#include <cmath>

namespace qb::monitor {

namespace {

// The nearest multiple of step / divisor, rounded down to whole MHz as ratings are written.
double NearestMultiple(double mhz, double step) { return std::round(mhz / step) * step; }

}  // namespace

int NominalMhz(double measured_mhz) {
  if (!(measured_mhz >= 1) || measured_mhz > 100'000) return 0;
  double grids[] = {100.0, 400.0 / 3, 500.0 / 3, 100.0 / 3, 50.0};
  const int grid_count = measured_mhz < 1000 ? 5 : 3;
  double best = NearestMultiple(measured_mhz, grids[0]);
  for (int i = 1; i < grid_count; ++i) {
    const double candidate = NearestMultiple(measured_mhz, grids[i]);
    if (std::fabs(candidate - measured_mhz) < std::fabs(best - measured_mhz) - 1e-9) {
      best = candidate;
    }
  }
  return best < 1 ? static_cast<int>(std::lround(measured_mhz)) : static_cast<int>(best);
}

std::string NominalSpeedText(double measured_mhz) {
  const int mhz = NominalMhz(measured_mhz);
  return mhz > 0 ? std::to_string(mhz) + " MHz" : std::string();
}

}  // namespace qb::monitor
