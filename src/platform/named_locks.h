#pragma once
// Locks that every process of the machine shares by name: while one process holds a name,
// every other attempt to take it waits or is refused. A lock is held by the object Take
// returns and let go when that object goes, or when its process ends in any way.
#include <cstdint>
#include <memory>
#include <string_view>

namespace qb {

class HeldLock {
 public:
  virtual ~HeldLock() = default;
};

class NamedLocks {
 public:
  virtual ~NamedLocks() = default;
  // Takes the lock, waiting up to wait_ms for its holder to let it go; null when another
  // holder keeps it, or when the system will not let this process reach the name (another
  // user's process holds it).
  virtual std::unique_ptr<HeldLock> Take(std::string_view name, uint32_t wait_ms) = 0;
};

}  // namespace qb
