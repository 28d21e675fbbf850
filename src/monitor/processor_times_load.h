#pragma once
// The load of all processors together from the system's running totals of idle, kernel
// and user time: the measure the monitor falls back on where the performance data has no
// processor object (Wine; machines with disabled or damaged counters).
#include <optional>

#include "platform/system_information.h"

namespace qb::monitor {

class ProcessorTimesLoad {
 public:
  explicit ProcessorTimesLoad(SystemInformation& system) : system_(system) {}

  // The busy share since the previous call, in percent 0..100; nothing when the times
  // cannot be read or no time has passed. The first call only takes the starting point.
  std::optional<int> Sample();

 private:
  SystemInformation& system_;
  std::optional<ProcessorTimes> previous_;
};

}  // namespace qb::monitor
