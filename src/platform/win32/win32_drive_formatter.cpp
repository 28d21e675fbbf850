#include "platform/win32/win32_drive_formatter.h"

#include <windows.h>
#include <shlobj.h>

namespace qb::win32 {

void Win32DriveFormatter::ShowFormatDialog(WindowHandle owner, int drive_index) {
  // The documented default format id lets the dialog offer the drive's usual capacity.
  SHFormatDrive(reinterpret_cast<HWND>(owner), static_cast<UINT>(drive_index), SHFMT_ID_DEFAULT, 0);
}

}  // namespace qb::win32
