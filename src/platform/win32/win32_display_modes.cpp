#include "platform/win32/win32_display_modes.h"

#include <windows.h>

namespace qb::win32 {

namespace {

DEVMODEW EmptyRecord() {
  DEVMODEW record{};
  record.dmSize = sizeof(record);
  return record;
}

DisplayMode ModeOf(const DEVMODEW& record) {
  return {static_cast<int>(record.dmPelsWidth), static_cast<int>(record.dmPelsHeight),
          static_cast<int>(record.dmBitsPerPel), static_cast<int>(record.dmDisplayFrequency)};
}

}  // namespace

std::vector<DisplayMode> Win32DisplayModes::Modes() {
  std::vector<DisplayMode> modes;
  DEVMODEW record = EmptyRecord();
  for (DWORD number = 0; EnumDisplaySettingsW(nullptr, number, &record); ++number) {
    modes.push_back(ModeOf(record));
    record = EmptyRecord();
  }
  return modes;
}

std::optional<DisplayMode> Win32DisplayModes::Current() {
  DEVMODEW record = EmptyRecord();
  if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &record)) return std::nullopt;
  return ModeOf(record);
}

long Win32DisplayModes::ChangeSize(int width, int height) {
  // Only the size is flagged, so the system keeps the depth and rate the display has.
  DEVMODEW record = EmptyRecord();
  record.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  record.dmPelsWidth = static_cast<DWORD>(width);
  record.dmPelsHeight = static_cast<DWORD>(height);
  return ChangeDisplaySettingsW(&record, 0);
}

long Win32DisplayModes::Restore(const DisplayMode& mode) {
  DEVMODEW record = EmptyRecord();
  record.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  record.dmPelsWidth = static_cast<DWORD>(mode.width);
  record.dmPelsHeight = static_cast<DWORD>(mode.height);
  if (mode.bits_per_pixel > 0) {
    record.dmFields |= DM_BITSPERPEL;
    record.dmBitsPerPel = static_cast<DWORD>(mode.bits_per_pixel);
  }
  if (mode.frequency > 1) {
    record.dmFields |= DM_DISPLAYFREQUENCY;
    record.dmDisplayFrequency = static_cast<DWORD>(mode.frequency);
  }
  return ChangeDisplaySettingsW(&record, 0);
}

}  // namespace qb::win32
