#pragma once
// Ending the Windows session: the one way the program restarts the machine.
#include "platform/status.h"

namespace qb {

class Power {
 public:
  virtual ~Power() = default;
  // Asks Windows to restart. kOk means the restart has begun and the program is about to be
  // closed; anything else means the machine keeps running (no right to shut down, or
  // another program refused).
  virtual Status Restart() = 0;
};

}  // namespace qb
