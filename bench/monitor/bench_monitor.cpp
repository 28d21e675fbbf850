// The monitor's cost over a minute: the real main window, its CPU & Memory page shown and
// the Speed slider at its fastest end (a reading every 300 ms, the memory panel every
// 300 ms), against a plain reference in the same process: a bare 300 ms timer that reads
// the processor times and the memory status and draws nothing. Prints processor time in
// percent of one core for both, their ratio, and the working set after 10 s and at the end.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32_machine.h"
#include "ui/win32/window_host.h"

namespace {

struct Usage {
  double cpu_seconds = 0;
  double wall_seconds = 0;
  size_t working_set = 0;
};

double Seconds(const FILETIME& time) {
  return static_cast<double>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
}

Usage Now() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  PROCESS_MEMORY_COUNTERS memory{};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  return {Seconds(kernel) + Seconds(user), static_cast<double>(GetTickCount64()) / 1000.0,
          memory.WorkingSetSize};
}

// Runs the thread's messages for the given time; every window keeps ticking and painting.
void Pump(int seconds) {
  const UINT_PTR stop = SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == stop) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  KillTimer(nullptr, stop);
}

class NoSplash : public qb::ui::SplashScreen {
 public:
  void Show(const std::string&) override {}
  void Close() override {}
};

struct Ui {
  explicit Ui(HINSTANCE instance) : host(instance, app), app(host) {}
  qb::ui::win32::WindowHost host;
  qb::ui::Application app;
};

void CALLBACK ReferenceTick(HWND, UINT, UINT_PTR, DWORD) {
  FILETIME idle{}, kernel{}, user{};
  GetSystemTimes(&idle, &kernel, &user);
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof(status);
  GlobalMemoryStatusEx(&status);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const int seconds = __argc > 1 ? std::max(15, _wtoi(__wargv[1])) : 60;
  AttachConsole(ATTACH_PARENT_PROCESS);
  std::FILE* out = std::fopen("CONOUT$", "w");
  if (!out) out = stdout;

  qb::win32::ComApartment com;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  double monitor_share = 0, reference_share = 0;
  {
    qb::win32::Win32Machine machine;
    Ui ui(instance);
    NoSplash splash;
    qb::app::MainWindow main(ui.app, machine.services(), splash);
    ui.app.Load(main.Form());
    ui.host.SetSkin(main.Skin().Get());
    ui.app.Show(main.Form());
    main.Form()["cpucmd"].RaiseClick();
    main.Form()["Slider2"].SetValue(1000);
    Pump(2);  // start-up painting is not what is measured

    const Usage start = Now();
    Pump(10);
    const Usage settled = Now();
    Pump(seconds - 10);
    const Usage end = Now();
    monitor_share = (end.cpu_seconds - start.cpu_seconds) / (end.wall_seconds - start.wall_seconds) * 100;
    std::fprintf(out, "monitor page, %d s at %d ms: processor %.3f %% of one core\n", seconds,
                 main.Form()["Timer1"].Interval(), monitor_share);
    std::fprintf(out, "working set after 10 s: %.1f MB, at the end: %.1f MB (growth %+.1f KB)\n",
                 settled.working_set / 1048576.0, end.working_set / 1048576.0,
                 (static_cast<double>(end.working_set) - static_cast<double>(settled.working_set)) / 1024.0);
    ui.host.CloseAll();
  }
  {
    const UINT_PTR tick = SetTimer(nullptr, 0, 300, ReferenceTick);
    const Usage start = Now();
    Pump(seconds);
    const Usage end = Now();
    KillTimer(nullptr, tick);
    reference_share = (end.cpu_seconds - start.cpu_seconds) / (end.wall_seconds - start.wall_seconds) * 100;
    std::fprintf(out, "reference (bare 300 ms timer reading the same figures): %.3f %% of one core\n",
                 reference_share);
  }
  std::fprintf(out, "ratio monitor / reference: %.1f\n",
               reference_share > 0 ? monitor_share / reference_share : 0.0);
  std::fflush(out);
  return 0;
}
