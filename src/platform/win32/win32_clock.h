#pragma once
#include "platform/clock.h"

namespace qb::win32 {

class Win32Clock : public Clock {
 public:
  uint64_t TickCountMs() override;
  LocalTime Now() override;
};

}  // namespace qb::win32
