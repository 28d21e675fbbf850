#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace qb::win32 {

uint64_t Win32Clock::TickCountMs() { return GetTickCount64(); }

LocalTime Win32Clock::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace qb::win32
