#pragma once
#include "platform/power.h"

namespace qb::win32 {

class Win32Power : public Power {
 public:
  Status Restart() override;
};

}  // namespace qb::win32
