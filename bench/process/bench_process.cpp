// Processor time of one refresh tick of the process list: 200 processes, the set unchanged
// (the usual tick) and changed (a rebuild with the selection kept). The yardstick is a plain
// copy of the same 200 names and ids into rows, measured in the same run; the real
// system's snapshot is timed on its own, as it lists only the processes running here.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/memory/memory_machine.h"
#include "platform/win32/win32_processes.h"
#include "process/process_window.h"
#include "ui/headless_host.h"

namespace {

double ProcessorMs() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto joined = [](const FILETIME& t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(joined(kernel) + joined(user)) / 10000.0;
}

// Milliseconds of processor time per call, over enough calls to rise above the clock's grain.
double PerCall(int calls, const std::function<void(int)>& work) {
  const double start = ProcessorMs();
  for (int i = 0; i < calls; ++i) work(i);
  return (ProcessorMs() - start) / calls;
}

}  // namespace

int main() {
  using namespace qb;
  constexpr int kProcesses = 200;
  constexpr int kCalls = 2000;
  MemoryMachine machine;
  for (int i = 0; i < kProcesses; ++i) {
    machine.processes.Add({.id = static_cast<uint32_t>(1000 + 4 * i),
                           .exe_file = "C:\\Program Files\\Vendor " + std::to_string(i) +
                                       "\\Program" + std::to_string(i) + ".exe"});
  }
  ui::HeadlessHost host;
  ui::Application app{host};
  host.Attach(app);
  skin::SkinInstance skin;
  process::ProcessWindow window(app, machine.services(), skin);
  app.Load(window.Form());
  window.Form()["info"].ListIndexChangedByUser(100);

  const double unchanged = PerCall(kCalls, [&](int) { window.Display(); });
  const double changed = PerCall(kCalls, [&](int i) {
    // One process ends and another takes its place between two ticks.
    machine.processes.running[150].id = 5000 + 4 * (i % 2);
    window.Display();
  });
  std::vector<ui::ListRow> rows;
  const double reference = PerCall(kCalls, [&](int) {
    std::vector<ProcessEntry> entries;
    machine.processes.Snapshot(entries);
    rows.clear();
    for (const auto& e : entries) rows.push_back({{e.exe_file, std::to_string(e.id)}, e.exe_file});
  });
  win32::Win32Processes real;
  std::vector<ProcessEntry> listed;
  const double snapshot = PerCall(200, [&](int) { real.Snapshot(listed); });

  std::printf("tick, set unchanged: %.4f ms (%.1f x the plain copy)\n", unchanged, unchanged / reference);
  std::printf("tick, set changed:   %.4f ms (%.1f x the plain copy)\n", changed, changed / reference);
  std::printf("plain copy of %d rows: %.4f ms\n", kProcesses, reference);
  std::printf("system snapshot of the %zu processes here: %.4f ms\n", listed.size(), snapshot);
  return changed < 5.0 && unchanged < 5.0 ? 0 : 1;
}
