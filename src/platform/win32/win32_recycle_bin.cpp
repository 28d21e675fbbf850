#include "platform/win32/win32_recycle_bin.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

// Exported by shell32, but the MinGW headers leave it out.
extern "C" void WINAPI SHUpdateRecycleBinIcon();

namespace qb::win32 {

Status Win32RecycleBin::Empty(WindowHandle owner) {
  const HRESULT result =
      SHEmptyRecycleBinW(reinterpret_cast<HWND>(owner), nullptr, SHERB_NOCONFIRMATION);
  ::SHUpdateRecycleBinIcon();
  // An empty bin answers with a failure code on some systems; it is no fault here.
  if (SUCCEEDED(result) || result == E_UNEXPECTED) return status::kOk;
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return HRESULT_CODE(result);
  return status::kInvalidParameter;
}

}  // namespace qb::win32
