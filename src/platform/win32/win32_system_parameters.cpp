#include "platform/win32/win32_system_parameters.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

Status LastErrorOr(Status fallback) {
  const DWORD error = GetLastError();
  return error ? static_cast<Status>(error) : fallback;
}

// How long one window may take to answer a broadcast before it is passed over.
constexpr UINT kBroadcastTimeoutMs = 5000;
}  // namespace

void Win32SystemParameters::BroadcastSettingChange(uint32_t action, std::string_view area) {
  // A plain SendMessage to every window waits for ever on one that hangs; the timeout
  // variant skips it.
  const std::wstring section = Wide(area);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, action,
                      reinterpret_cast<LPARAM>(section.c_str()), SMTO_ABORTIFHUNG,
                      kBroadcastTimeoutMs, &ignored);
}

int Win32SystemParameters::IconSize() { return GetSystemMetrics(SM_CXICON); }

Status Win32SystemParameters::SetWallpaper(std::string_view image_path) {
  std::wstring path = Wide(image_path);
  if (!SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, path.data(),
                             SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)) {
    return LastErrorOr(status::kInvalidParameter);
  }
  return status::kOk;
}

Status Win32SystemParameters::SetParameter(uint32_t action, uint32_t ui_param,
                                           intptr_t pv_value, uint32_t flags) {
  // These actions take their value itself in pvParam, not a pointer to it. Windows reads
  // the mouse speed from pvParam and ignores uiParam; Wine reads uiParam. Both carry it.
  if (action == SPI_SETMOUSESPEED && ui_param == 0) ui_param = static_cast<uint32_t>(pv_value);
  if (!SystemParametersInfoW(action, ui_param, reinterpret_cast<void*>(pv_value), flags)) {
    return LastErrorOr(status::kInvalidParameter);
  }
  return status::kOk;
}

Status Win32SystemParameters::SetDoubleClickTime(unsigned milliseconds) {
  if (!::SetDoubleClickTime(milliseconds)) return LastErrorOr(status::kInvalidParameter);
  return status::kOk;
}

std::optional<uint32_t> Win32SystemParameters::ReadParameter(uint32_t set_action) {
  if (set_action == spi::kSetDoubleClickTime) return GetDoubleClickTime();
  if (set_action == spi::kSetMouseButtonSwap) {
    return GetSystemMetrics(SM_SWAPBUTTON) ? 1u : 0u;
  }
  // Each setting's reading action, all of which answer into a 32-bit number.
  UINT get = 0;
  switch (set_action) {
    case spi::kSetKeyboardSpeed: get = SPI_GETKEYBOARDSPEED; break;
    case spi::kSetKeyboardDelay: get = SPI_GETKEYBOARDDELAY; break;
    case spi::kSetFontSmoothing: get = SPI_GETFONTSMOOTHING; break;
    case spi::kSetMouseTrails: get = SPI_GETMOUSETRAILS; break;
    case spi::kSetMouseSpeed: get = SPI_GETMOUSESPEED; break;
    default: return std::nullopt;
  }
  DWORD value = 0;
  if (!SystemParametersInfoW(get, 0, &value, 0)) return std::nullopt;
  return static_cast<uint32_t>(value);
}

std::string Win32SystemParameters::Wallpaper() {
  wchar_t path[MAX_PATH] = {};
  if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0)) return {};
  return Narrow(path);
}

}  // namespace qb::win32
