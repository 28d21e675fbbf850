#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

HANDLE AsHandle(ProcessHandle handle) { return reinterpret_cast<HANDLE>(handle); }
Status LastError() { return static_cast<Status>(GetLastError()); }
uint64_t Joined(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The creation time of a process the snapshot listed; 0 when it may not be asked (the
// limited right is enough for most processes of other users, not for protected ones).
uint64_t CreationTime(DWORD id) {
  ScopedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!process || !GetProcessTimes(process.Get(), &created, &exited, &kernel, &user)) return 0;
  return Joined(created);
}

}  // namespace

Status Win32Processes::Snapshot(std::vector<ProcessEntry>& entries) {
  entries.clear();
  ScopedFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return LastError();
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
       more = Process32NextW(snapshot.Get(), &entry)) {
    entry.szExeFile[MAX_PATH - 1] = L'\0';
    entries.push_back({entry.th32ProcessID, Narrow(entry.szExeFile), CreationTime(entry.th32ProcessID)});
    entry.dwSize = sizeof entry;
  }
  return status::kOk;
}

Status Win32Processes::Open(uint32_t id, ProcessHandle& handle) {
  const HANDLE process = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, id);
  handle = reinterpret_cast<ProcessHandle>(process);
  return process ? status::kOk : LastError();
}

Status Win32Processes::ExitCode(ProcessHandle handle, uint32_t& code) {
  DWORD exit_code = 0;
  if (!GetExitCodeProcess(AsHandle(handle), &exit_code)) return LastError();
  code = exit_code;
  return status::kOk;
}

Status Win32Processes::Terminate(ProcessHandle handle, uint32_t exit_code) {
  return TerminateProcess(AsHandle(handle), exit_code) ? status::kOk : LastError();
}

Status Win32Processes::Close(ProcessHandle handle) {
  return CloseHandle(AsHandle(handle)) ? status::kOk : LastError();
}

bool Win32Processes::IsCritical(ProcessHandle handle) {
  // Only Windows 8.1 and later can say; earlier systems leave it to the names of the core
  // processes.
  using IsProcessCriticalFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto is_critical = kernel ? reinterpret_cast<IsProcessCriticalFunction>(
                                        reinterpret_cast<void*>(GetProcAddress(kernel, "IsProcessCritical")))
                                  : nullptr;
  BOOL critical = FALSE;
  return is_critical && is_critical(AsHandle(handle), &critical) && critical;
}

Status Win32Processes::StartTime(ProcessHandle handle, uint64_t& time) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (!GetProcessTimes(AsHandle(handle), &created, &exited, &kernel, &user)) return LastError();
  time = Joined(created);
  return status::kOk;
}

uint64_t Win32Processes::Now() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return Joined(now);
}

uint32_t Win32Processes::CurrentProcessId() { return GetCurrentProcessId(); }

}  // namespace qb::win32
