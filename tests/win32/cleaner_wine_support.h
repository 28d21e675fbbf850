#pragma once
// What the cleaner's Windows tests share: running another program and waiting for it, and
// importing a backup the way a user restores one.
#include <windows.h>

#include <string>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::cleaner::testing {

// Starts the command line with no window shown; the process handle, or an empty one when it
// could not start.
inline win32::ScopedHandle StartProcess(std::wstring command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info)) {
    return win32::ScopedHandle();
  }
  CloseHandle(info.hThread);
  return win32::ScopedHandle(info.hProcess);
}

// The exit code, or the error that kept the process from starting or ending in time.
inline DWORD WaitForExit(const win32::ScopedHandle& process, DWORD timeout_ms = 120000) {
  if (!process) return GetLastError();
  if (WaitForSingleObject(process.Get(), timeout_ms) != WAIT_OBJECT_0) return WAIT_TIMEOUT;
  DWORD code = 1;
  GetExitCodeProcess(process.Get(), &code);
  return code;
}

inline DWORD ImportWithRegedit(const std::string& path) {
  return WaitForExit(StartProcess(L"regedit.exe /s \"" + win32::Wide(path) + L"\""));
}

}  // namespace qb::cleaner::testing
