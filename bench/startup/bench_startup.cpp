// Start-up of QuillBox.exe against two references, started in turn in one run on one machine
// after one unmeasured warm-up start of each: the plainest Win32 program
// (qb_bench_minimal_window.exe, one window) and the windows of Quill Box's first picture made
// the plainest way (qb_bench_controls_window.exe: the same classes and number of child
// windows, drawn by the system). The first ratio is the start-up goal's; the second tells
// Quill Box's own cost from the cost of the windows themselves.
// For every start: the time from CreateProcess until the program's main window is shown,
// until the program is idle after that window's first paint, the peak working set then, and
// the peak two seconds later (past the first ticks of the program's timers, which may load
// more), read before the window is asked to close. Each program is closed with WM_CLOSE and has
// ended before the next start (Quill Box lets one instance run at a time). Prints every
// start, the medians with their spread (lowest to highest) and the ratios of the medians
// Quill Box / each reference, then where Quill Box's time goes: each start-up step the program
// traces (QB_STARTUP_TRACE), in milliseconds after CreateProcess.
// Usage: qb_bench_startup.exe [warm starts of each, default 5]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Program {
  const char* name;
  std::wstring path;
  // The class and title of the main window; a splash or helper window has neither.
  const wchar_t* window_class;
  const wchar_t* title;
};

struct Start {
  double shown_ms = 0;
  double idle_ms = 0;
  double peak_mib = 0;
  double later_peak_mib = 0;
  std::vector<std::pair<std::string, double>> steps;  // traced steps, ms after CreateProcess
};

class Clock {
 public:
  Clock() { QueryPerformanceFrequency(&frequency_); }
  LARGE_INTEGER Now() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
  }
  double Milliseconds(LARGE_INTEGER from, long long to) const {
    return static_cast<double>(to - from.QuadPart) * 1000.0 / static_cast<double>(frequency_.QuadPart);
  }
  double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) const {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
};

class Process {
 public:
  explicit Process(const PROCESS_INFORMATION& info) : info_(info) {}
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() {
    // A start that failed half-way must not leave its program running into the next one.
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  HANDLE Handle() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Ended(DWORD wait_ms) const { return WaitForSingleObject(info_.hProcess, wait_ms) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION info_;
};

HWND ShownMainWindow(const Program& program, DWORD process_id) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, program.window_class, program.title)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// Long enough for a one-second timer to have ticked at least once after the window is idle.
constexpr DWORD kLaterMs = 2000;

std::optional<double> PeakMib(const Process& process, std::string& error) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  if (!GetProcessMemoryInfo(process.Handle(), &memory, sizeof(memory))) {
    error = "gave no memory figures (error " + std::to_string(GetLastError()) + ")";
    return std::nullopt;
  }
  return static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

// The steps the program traced into the file, in milliseconds after begin; the file goes.
std::vector<std::pair<std::string, double>> TracedSteps(const std::wstring& trace, const Clock& clock,
                                                        LARGE_INTEGER begin) {
  std::vector<std::pair<std::string, double>> steps;
  if (FILE* file = _wfopen(trace.c_str(), L"r")) {
    char name[64];
    long long counter = 0;
    while (std::fscanf(file, "%63s %lld", name, &counter) == 2) {
      steps.emplace_back(name, clock.Milliseconds(begin, counter));
    }
    std::fclose(file);
  }
  DeleteFileW(trace.c_str());
  return steps;
}

std::optional<Start> StartOnce(const Program& program, const Clock& clock, const std::wstring& trace,
                               std::string& error) {
  DeleteFileW(trace.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + program.path + L"\"";
  const std::wstring folder = FolderOf(program.path);
  const LARGE_INTEGER begin = clock.Now();
  if (!CreateProcessW(program.path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    error = "could not be started (error " + std::to_string(GetLastError()) + ")";
    return std::nullopt;
  }
  const Process process(info);

  // Polled every millisecond: the wait on the process is the pause, and an early end shows.
  const ULONGLONG deadline = GetTickCount64() + 60000;
  HWND window = nullptr;
  while (!(window = ShownMainWindow(program, process.Id()))) {
    if (process.Ended(1)) {
      DWORD code = 0;
      GetExitCodeProcess(process.Handle(), &code);
      error = "ended (exit code " + std::to_string(code) + ") before its main window was shown";
      return std::nullopt;
    }
    if (GetTickCount64() > deadline) {
      error = "showed no main window within 60 s";
      return std::nullopt;
    }
  }
  const LARGE_INTEGER shown = clock.Now();

  // The program answers a sent message only from its message loop, that is after the
  // window's first UpdateWindow; it is idle once the child windows' paints are done too.
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &answer) ||
      WaitForInputIdle(process.Handle(), 30000) != 0) {
    error = "did not become idle within 30 s of showing its window";
    return std::nullopt;
  }
  const LARGE_INTEGER idle = clock.Now();

  const auto peak = PeakMib(process, error);
  Sleep(kLaterMs);
  const auto later_peak = PeakMib(process, error);
  if (!peak || !later_peak) return std::nullopt;

  PostMessageW(window, WM_CLOSE, 0, 0);
  if (!process.Ended(30000)) {
    error = "did not end within 30 s of WM_CLOSE";
    return std::nullopt;
  }
  return Start{clock.Milliseconds(begin, shown), clock.Milliseconds(begin, idle), *peak, *later_peak,
               TracedSteps(trace, clock, begin)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Spread {
  double median = 0, low = 0, high = 0;
};

Spread SpreadOf(const std::vector<double>& values) {
  return {Median(values), *std::min_element(values.begin(), values.end()),
          *std::max_element(values.begin(), values.end())};
}

std::string Figure(const Spread& spread) {
  char text[64];
  std::snprintf(text, sizeof text, "%7.1f (%.1f-%.1f)", spread.median, spread.low, spread.high);
  return text;
}

constexpr size_t kPrograms = 3;
constexpr size_t kQuillBox = kPrograms - 1;

void PrintSummary(const Program (&programs)[kPrograms], const std::vector<Start> (&results)[kPrograms]) {
  const auto figures = [](const std::vector<Start>& starts, double Start::*field) {
    std::vector<double> values;
    for (const Start& start : starts) values.push_back(start.*field);
    return SpreadOf(values);
  };
  const std::pair<const char*, double Start::*> columns[] = {
      {"shown ms", &Start::shown_ms}, {"idle ms", &Start::idle_ms},
      {"peak MiB", &Start::peak_mib}, {"2 s later MiB", &Start::later_peak_mib}};
  std::printf("\nmedians of %zu warm starts each (lowest-highest); ratio of the medians and its "
              "spread (lowest / highest to highest / lowest)\n", results[0].size());
  for (const auto& [title, field] : columns) {
    std::printf("%s\n", title);
    const Spread quill = figures(results[kQuillBox], field);
    for (size_t which = 0; which < kPrograms; ++which) {
      const Spread spread = figures(results[which], field);
      std::printf("  %-16s %s", programs[which].name, Figure(spread).c_str());
      if (which != kQuillBox) {
        std::printf("   Quill Box / this: %.2f (%.2f-%.2f)", quill.median / spread.median,
                    quill.low / spread.high, quill.high / spread.low);
      }
      std::printf("\n");
    }
  }
}

// Where the time of the program's starts went, step by step, in the order of the first start.
void PrintSteps(const char* name, const std::vector<Start>& starts) {
  if (starts.empty() || starts.front().steps.empty()) return;
  std::map<std::string, std::vector<double>> by_step;
  for (const Start& start : starts) {
    for (const auto& [step, ms] : start.steps) by_step[step].push_back(ms);
  }
  std::printf("\n%s start-up steps, ms after CreateProcess: median (lowest-highest)\n", name);
  double previous = 0;
  for (const auto& [step, ms] : starts.front().steps) {
    const Spread spread = SpreadOf(by_step[step]);
    std::printf("  %-16s %s   +%.1f\n", step.c_str(), Figure(spread).c_str(), spread.median - previous);
    previous = spread.median;
  }
  std::vector<double> shown;
  for (const Start& start : starts) shown.push_back(start.shown_ms);
  std::printf("  %-16s %s   (seen by the benchmark)\n", "window shown", Figure(SpreadOf(shown)).c_str());
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return FolderOf(path);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int starts = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  const std::wstring folder = ProgramFolder();
  const Program programs[kPrograms] = {
      {"plain window", folder + L"\\qb_bench_minimal_window.exe", L"QbMinimalWindow", L"Minimal window"},
      {"plain controls", folder + L"\\qb_bench_controls_window.exe", L"QbControlsWindow",
       L"Controls window"},
      {"QuillBox.exe", folder + L"\\QuillBox.exe", L"QbForm", L"Quill Box"},
  };
  const Clock clock;
  std::string error;
  // Inherited by every program; only Quill Box writes to it.
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring trace = std::wstring(temp) + L"qb-startup-trace.txt";
  SetEnvironmentVariableW(L"QB_STARTUP_TRACE", trace.c_str());

  for (const Program& program : programs) {
    if (!StartOnce(program, clock, trace, error)) {
      std::printf("%s: warm-up start failed: %s\n", program.name, error.c_str());
      return 1;
    }
  }

  std::vector<Start> results[kPrograms];
  std::printf("%-16s %5s %10s %10s %10s %10s\n", "program", "start", "shown ms", "idle ms", "peak MiB",
              "2 s later");
  for (int round = 1; round <= starts; ++round) {
    for (size_t which = 0; which < kPrograms; ++which) {
      const auto start = StartOnce(programs[which], clock, trace, error);
      if (!start) {
        std::printf("%s: start %d failed: %s\n", programs[which].name, round, error.c_str());
        return 1;
      }
      std::printf("%-16s %5d %10.1f %10.1f %10.1f %10.1f\n", programs[which].name, round,
                  start->shown_ms, start->idle_ms, start->peak_mib, start->later_peak_mib);
      std::fflush(stdout);
      results[which].push_back(*start);
    }
  }

  PrintSummary(programs, results);
  PrintSteps(programs[kQuillBox].name, results[kQuillBox]);
  return 0;
}
