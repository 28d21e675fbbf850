#pragma once
#include <cstdint>

namespace qb {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since the system started; wraps like the system's tick counter.
  virtual uint64_t TickCountMs() = 0;
  virtual LocalTime Now() = 0;
};

}  // namespace qb
