#include "platform/win32/win32_power.h"

#include <windows.h>

#include "platform/win32/scoped.h"

namespace qb::win32 {

namespace {

// The NT family refuses to end the session unless the process has switched on its
// shutdown privilege first.
Status EnableShutdownPrivilege() {
  ScopedHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                        token.Receive())) {
    return static_cast<Status>(GetLastError());
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
    return static_cast<Status>(GetLastError());
  }
  // Succeeds without enabling anything when the account lacks the privilege; only the
  // last error tells.
  if (!AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr)) {
    return static_cast<Status>(GetLastError());
  }
  return GetLastError() == ERROR_NOT_ALL_ASSIGNED ? status::kPrivilegeNotHeld : status::kOk;
}

}  // namespace

Status Win32Power::Restart() {
  if (const Status privilege = EnableShutdownPrivilege(); privilege != status::kOk) {
    return privilege;
  }
  if (!ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MAJOR_OPERATINGSYSTEM |
                                     SHTDN_REASON_MINOR_RECONFIG | SHTDN_REASON_FLAG_PLANNED)) {
    return static_cast<Status>(GetLastError());
  }
  return status::kOk;
}

}  // namespace qb::win32
