#include "ui/win32/dpi.h"

#include "platform/win32/scoped.h"

namespace qb::ui::win32 {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up at run time: systems before Windows 10 1607 do not have it.
GetDpiForWindowFunction GetDpiForWindowEntry() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<GetDpiForWindowFunction>(
                      reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                : nullptr;
}

int ScreenDpi() {
  qb::win32::ScopedWindowDc screen(nullptr);
  return screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : Dpi::kStandard;
}

}  // namespace

Dpi DpiSource::ForWindow(HWND window) const {
  if (override_) return Dpi(override_);
  static const GetDpiForWindowFunction get_dpi_for_window = GetDpiForWindowEntry();
  if (window && get_dpi_for_window) {
    if (const UINT dpi = get_dpi_for_window(window)) return Dpi(static_cast<int>(dpi));
  }
  return Dpi(ScreenDpi());
}

PixelRect DpiSource::WorkAreaOf(HWND window) const {
  if (work_area_) return *work_area_;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  // A window not yet placed, or none, belongs to the primary monitor.
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  const RECT& area = info.rcWork;
  return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace qb::ui::win32
