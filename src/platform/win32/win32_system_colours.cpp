#include "platform/win32/win32_system_colours.h"

#include <windows.h>

namespace qb::win32 {

ColourRef Win32SystemColours::Get(int index) { return GetSysColor(index); }

Status Win32SystemColours::Set(int index, ColourRef colour) {
  const INT elements[] = {index};
  const COLORREF colours[] = {colour};
  if (!SetSysColors(1, elements, colours)) {
    const DWORD error = GetLastError();
    return error ? static_cast<Status>(error) : status::kInvalidParameter;
  }
  return status::kOk;
}

}  // namespace qb::win32
