#pragma once
// Waiting for what another thread or process does: the condition is checked every few
// milliseconds until it holds or a generous limit has passed, so that a loaded machine is
// waited for and an idle one is not.
#include <windows.h>

#include <functional>

namespace qb::test_support {

inline bool PollUntil(const std::function<bool()>& done, DWORD limit_ms = 10000, DWORD every_ms = 10) {
  const ULONGLONG limit = GetTickCount64() + limit_ms;
  while (!done()) {
    if (GetTickCount64() >= limit) return false;
    Sleep(every_ms);
  }
  return true;
}

}  // namespace qb::test_support
