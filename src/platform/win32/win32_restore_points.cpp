#include "platform/win32/win32_restore_points.h"

#include <windows.h>
#include <srrestoreptapi.h>

#include <cwchar>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

using SetRestorePoint = BOOL(WINAPI*)(PRESTOREPOINTINFOW, PSTATEMGRSTATUS);

// What a refusal means to the user; a call that failed without a status says so by the
// thread's last error.
Status Refusal(const STATEMGRSTATUS& answer) {
  const DWORD code = answer.nStatus != ERROR_SUCCESS ? answer.nStatus : GetLastError();
  return code == ERROR_SUCCESS ? static_cast<Status>(ERROR_INTERNAL_ERROR)
                               : static_cast<Status>(code);
}

}  // namespace

Status Win32RestorePoints::Create(std::string_view description, int64_t& sequence) {
  // Only from the system folder: a library of that name beside the program or in the
  // current folder must never be the one loaded.
  const ScopedLibrary library(
      LoadLibraryExW(L"srclient.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  if (!library) return status::kModNotFound;
  const auto set = reinterpret_cast<SetRestorePoint>(
      reinterpret_cast<void*>(GetProcAddress(library.Get(), "SRSetRestorePointW")));
  if (!set) return status::kModNotFound;

  RESTOREPOINTINFOW begin{};
  begin.dwEventType = BEGIN_SYSTEM_CHANGE;
  begin.dwRestorePtType = MODIFY_SETTINGS;
  const std::wstring text = Wide(description);
  wcsncpy(begin.szDescription, text.c_str(), MAX_DESC_W - 1);
  STATEMGRSTATUS answer{};
  if (!set(&begin, &answer) || answer.nStatus != ERROR_SUCCESS) return Refusal(answer);
  // Sequence numbers start at 1: a "success" without one (a stand-in library that only
  // answers yes) made no point, and is a system without System Restore.
  if (answer.llSequenceNumber <= 0) return status::kModNotFound;
  sequence = answer.llSequenceNumber;

  // The snapshot is taken when the set of changes begins. Ending the set at once means a
  // program closed hard never leaves System Restore waiting for an end it cannot see; the
  // point is whole either way. An end that fails leaves the point as it is.
  RESTOREPOINTINFOW end{};
  end.dwEventType = END_SYSTEM_CHANGE;
  end.dwRestorePtType = MODIFY_SETTINGS;
  end.llSequenceNumber = answer.llSequenceNumber;
  STATEMGRSTATUS ended{};
  set(&end, &ended);
  return status::kOk;
}

}  // namespace qb::win32
