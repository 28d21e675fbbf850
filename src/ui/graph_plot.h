#pragma once
// Where the graph control draws: the line through the samples and the scrolling grid. The
// newest sample sits on the right edge and older ones run to the left, like a monitor
// trace; each new sample moves the grid one step to the left.
#include <cstddef>
#include <vector>

namespace qb::ui {

struct PlotPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PlotPoint&) const = default;
};

// The points of the line in a width x height area. The samples (oldest first) are spread
// so the oldest is on the left edge; values are clamped to 0..100, 100 on the top row and 0
// on the bottom row. Fewer than two samples draw no line.
std::vector<PlotPoint> PlotLine(const std::vector<double>& samples, int width, int height);

// Horizontal distance between two samples in PlotLine, at least 1 pixel.
int SampleStep(std::size_t sample_count, int width);

// The x of the first vertical grid line: the grid scrolls left by step pixels per sample
// taken, wrapping every cell pixels.
int GridPhase(unsigned long long samples_taken, int step, int cell);

}  // namespace qb::ui
