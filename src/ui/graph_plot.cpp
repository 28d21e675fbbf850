#include "ui/graph_plot.h"

#include <algorithm>
#include <cmath>

namespace qb::ui {

int SampleStep(std::size_t sample_count, int width) {
  if (sample_count < 2 || width <= 1) return 1;
  return std::max(1, static_cast<int>((width - 1) / static_cast<long long>(sample_count - 1)));
}

std::vector<PlotPoint> PlotLine(const std::vector<double>& samples, int width, int height) {
  std::vector<PlotPoint> points;
  if (samples.size() < 2 || width <= 1 || height <= 1) return points;
  points.reserve(samples.size());
  const double last = static_cast<double>(samples.size() - 1);
  const int bottom = height - 1;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const double value = std::isfinite(samples[i]) ? std::clamp(samples[i], 0.0, 100.0) : 0.0;
    const int x = static_cast<int>(std::lround(i * (width - 1) / last));
    const int y = bottom - static_cast<int>(std::lround(value * bottom / 100.0));
    points.push_back({x, y});
  }
  return points;
}

int GridPhase(unsigned long long samples_taken, int step, int cell) {
  if (cell <= 0 || step <= 0) return 0;
  const unsigned long long moved = (samples_taken % static_cast<unsigned long long>(cell)) *
                                   static_cast<unsigned long long>(step);
  return static_cast<int>((cell - static_cast<long long>(moved % cell)) % cell);
}

}  // namespace qb::ui
