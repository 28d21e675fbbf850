#pragma once
#include "platform/named_locks.h"

namespace qb::win32 {

// A named mutex per lock. A name starting "Global\" is one for every session of the
// machine. The mutex is created on Take and closed with the held lock, so an unheld name
// does not linger; a holder that dies lets it go (the next taker finds it abandoned and
// takes it). A thread that holds a name and takes it again gets it again, as with every
// mutex of the system.
class Win32NamedLocks : public NamedLocks {
 public:
  std::unique_ptr<HeldLock> Take(std::string_view name, uint32_t wait_ms) override;
};

}  // namespace qb::win32
