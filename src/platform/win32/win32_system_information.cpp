#include "platform/win32/win32_system_information.h"

#include <windows.h>
#include <lmcons.h>

#if defined(__i386__) || defined(__x86_64__)
#include <x86intrin.h>
#define QB_HAS_TIME_STAMP_COUNTER 1
#endif

#include "platform/win32/wide.h"

namespace qb::win32 {

namespace {

OsVersion FromRecord(const OSVERSIONINFOEXW& record) {
  return {record.dwMajorVersion, record.dwMinorVersion, record.dwBuildNumber & 0xFFFF,
          record.dwPlatformId, record.wProductType, Narrow(record.szCSDVersion)};
}

uint64_t Ticks(const FILETIME& time) {
  return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

bool Win32SystemInformation::ReportedVersion(OsVersion& version) {
  OSVERSIONINFOEXW record{};
  record.dwOSVersionInfoSize = sizeof(record);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  // The point of this query is the answer the compatibility layer gives the program.
  if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&record))) return false;
#pragma GCC diagnostic pop
  version = FromRecord(record);
  return true;
}

// The kernel's own answer ignores compatibility shims; it has no import library entry in
// every toolchain, so it is looked up by name.
bool Win32SystemInformation::TrueVersion(OsVersion& version) {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const auto get = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                               reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                         : nullptr;
  OSVERSIONINFOEXW record{};
  record.dwOSVersionInfoSize = sizeof(record);
  if (!get || get(&record) != 0) return ReportedVersion(version);
  version = FromRecord(record);
  return true;
}

int Win32SystemInformation::ProcessorCount() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return info.dwNumberOfProcessors > 0 ? static_cast<int>(info.dwNumberOfProcessors) : 1;
}

bool Win32SystemInformation::Memory(MemoryFigures& figures) {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  if (!GlobalMemoryStatusEx(&status)) return false;
  figures = {status.ullTotalPhys, status.ullAvailPhys, status.ullTotalPageFile,
             status.ullAvailPageFile};
  return true;
}

bool Win32SystemInformation::Times(ProcessorTimes& times) {
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user)) return false;
  times = {Ticks(idle), Ticks(kernel), Ticks(user)};
  return true;
}

std::string Win32SystemInformation::ComputerName() {
  wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD chars = MAX_COMPUTERNAME_LENGTH + 1;
  return GetComputerNameW(name, &chars) ? Narrow({name, chars}) : std::string();
}

std::string Win32SystemInformation::UserName() {
  wchar_t name[UNLEN + 1] = {};
  DWORD chars = UNLEN + 1;
  if (!GetUserNameW(name, &chars) || chars == 0) return {};
  return Narrow({name, chars - 1});  // the count includes the terminator
}

bool Win32SystemInformation::FirmwareTables(std::vector<uint8_t>& data) {
  constexpr DWORD kRawSmbios = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';
  const UINT size = GetSystemFirmwareTable(kRawSmbios, 0, nullptr, 0);
  if (size == 0) return false;
  data.assign(size, 0);
  const UINT written = GetSystemFirmwareTable(kRawSmbios, 0, data.data(), size);
  if (written == 0 || written > size) return false;
  data.resize(written);
  return true;
}

// The time-stamp counter runs at the processor's rated clock on every processor of the
// last fifteen years, whatever its current power state; timed against the performance
// counter over a short sleep it gives that rate.
double Win32SystemInformation::MeasureProcessorMhz() {
#ifdef QB_HAS_TIME_STAMP_COUNTER
  LARGE_INTEGER frequency{}, start{}, end{};
  if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) return 0;
  QueryPerformanceCounter(&start);
  const unsigned long long cycles_start = __rdtsc();
  Sleep(50);
  QueryPerformanceCounter(&end);
  const unsigned long long cycles_end = __rdtsc();
  const double seconds =
      static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  if (seconds <= 0) return 0;
  return static_cast<double>(cycles_end - cycles_start) / seconds / 1e6;
#else
  return 0;
#endif
}

}  // namespace qb::win32
