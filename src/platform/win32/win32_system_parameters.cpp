#include "platform/win32/win32_system_parameters.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {
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
    const DWORD error = GetLastError();
    return error ? static_cast<Status>(error) : status::kInvalidParameter;
  }
  return status::kOk;
}

}  // namespace qb::win32
