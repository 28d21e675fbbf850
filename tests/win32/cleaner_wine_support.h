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

// The companion started from a copy of it in its own program folder (its backups go there),
// its output in a file.
inline win32::ScopedHandle StartCompanion(const std::string& program, const std::string& args,
                                          const std::string& output) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring cli = self;
  cli = cli.substr(0, cli.find_last_of(L'\\')) + L"\\quillbox-cli.exe";
  const std::wstring exe = win32::Wide(program + "\\quillbox-cli.exe");
  CreateDirectoryW(win32::Wide(program).c_str(), nullptr);
  if (!CopyFileW(cli.c_str(), exe.c_str(), TRUE) && GetLastError() != ERROR_FILE_EXISTS) return {};
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  win32::ScopedFile out(CreateFileW(win32::Wide(output).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                    &inherit, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = out.Get();
  std::wstring command = L"\"" + exe + L"\" " + win32::Wide(args);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info)) {
    return {};
  }
  CloseHandle(info.hThread);
  return win32::ScopedHandle(info.hProcess);
}

// What a companion wrote, read in every sharing mode: the ended process's handle to the file
// may still be closing.
inline std::string CompanionOutput(const std::string& output) {
  win32::ScopedFile file(CreateFileW(win32::Wide(output).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, 0, nullptr));
  std::string text(1 << 22, '\0');
  DWORD read = 0;
  if (!file || !ReadFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &read, nullptr)) read = 0;
  text.resize(read);
  return text;
}

inline DWORD ImportWithRegedit(const std::string& path) {
  return WaitForExit(StartProcess(L"regedit.exe /s \"" + win32::Wide(path) + L"\""));
}

}  // namespace qb::cleaner::testing
