#include "monitor/processor_times_load.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qb::monitor {

std::optional<int> ProcessorTimesLoad::Sample() {
  ProcessorTimes now;
  if (!system_.Times(now)) return std::nullopt;
  const auto before = std::exchange(previous_, now);
  if (!before) return std::nullopt;
  // Kernel time includes idle time. Totals that went backwards (a wrapped or reset
  // counter) give no reading rather than a wild one.
  const uint64_t total_before = before->kernel + before->user;
  const uint64_t total_now = now.kernel + now.user;
  if (total_now <= total_before || now.idle < before->idle) return std::nullopt;
  const double total = static_cast<double>(total_now - total_before);
  const double idle = static_cast<double>(now.idle - before->idle);
  const double busy = std::clamp((1.0 - idle / total) * 100.0, 0.0, 100.0);
  return static_cast<int>(std::nearbyint(busy));
}

}  // namespace qb::monitor
