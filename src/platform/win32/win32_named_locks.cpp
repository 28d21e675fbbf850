#include "platform/win32/win32_named_locks.h"

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

class HeldMutex : public HeldLock {
 public:
  explicit HeldMutex(ScopedHandle mutex) : mutex_(std::move(mutex)) {}
  ~HeldMutex() override { ReleaseMutex(mutex_.Get()); }

 private:
  ScopedHandle mutex_;
};

}  // namespace

std::unique_ptr<HeldLock> Win32NamedLocks::Take(std::string_view name, uint32_t wait_ms) {
  // Another user's mutex of that name cannot be opened at all (access denied): it exists,
  // so its process holds it or is waiting for it.
  ScopedHandle mutex(CreateMutexW(nullptr, FALSE, Wide(name).c_str()));
  if (!mutex) return nullptr;
  const DWORD waited = WaitForSingleObject(mutex.Get(), wait_ms);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) return nullptr;
  return std::make_unique<HeldMutex>(std::move(mutex));
}

}  // namespace qb::win32
