#pragma once
// Where the start-up time goes, for the start-up benchmark: when QB_STARTUP_TRACE names a
// file, every step appends "<step> <performance counter>" to it as the program ends. The
// counter is the machine's, so the benchmark, which read it just before CreateProcess, can
// turn each line into milliseconds since the start. Without the variable nothing is
// measured or written.
#include <windows.h>

#include <string>

namespace qb::app {

class StartupTrace {
 public:
  StartupTrace() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"QB_STARTUP_TRACE", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) path_.assign(path, length);
  }
  StartupTrace(const StartupTrace&) = delete;
  StartupTrace& operator=(const StartupTrace&) = delete;
  ~StartupTrace() {
    if (path_.empty() || lines_.empty()) return;
    const HANDLE file = CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, lines_.data(), static_cast<DWORD>(lines_.size()), &written, nullptr);
    CloseHandle(file);
  }

  void Step(const char* name) {
    if (path_.empty()) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    lines_ += std::string(name) + " " + std::to_string(now.QuadPart) + "\n";
  }

 private:
  std::wstring path_;
  std::string lines_;
};

}  // namespace qb::app
