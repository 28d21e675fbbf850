#include "platform/win32/win32_drive_formatter.h"

#include <windows.h>
#include <shlobj.h>

namespace qb::win32 {

FormatOutcome Win32DriveFormatter::ShowFormatDialog(WindowHandle owner, int drive_index) {
  // The documented default format id lets the dialog offer the drive's usual capacity.
  const DWORD result = SHFormatDrive(reinterpret_cast<HWND>(owner), static_cast<UINT>(drive_index),
                                     SHFMT_ID_DEFAULT, 0);
  switch (result) {
    case SHFMT_CANCEL: return FormatOutcome::Cancelled;
    case SHFMT_NOFORMAT: return FormatOutcome::CannotFormat;
    case SHFMT_ERROR: return FormatOutcome::Failed;
    default: return FormatOutcome::Formatted;  // the id of the format last done
  }
}

}  // namespace qb::win32
