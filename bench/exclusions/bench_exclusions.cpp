// What the entries a user always keeps cost a run: the uninstall-entries category scanned the
// way the window and the console program run it (read the list of entries to keep, scan, set
// the kept findings aside) over N entries of which half are invalid, once with no list and
// once with a list of 10,000 entries (one in ten naming a finding of the corpus, the others
// keys, values and files elsewhere). The two take turns, ROUNDS rounds each; the report gives
// each one's median with its spread (lowest to highest) and the ratio of the medians.
// On Windows it works on the real registry and the user's own list (put back afterwards):
// meant for a throwaway machine or Wine prefix. Elsewhere it runs on the memory machine.
//
// Usage: qb_bench_exclusions [N, default 20000] [ROUNDS, default 7]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cleaner/exclusions.h"
#include "cleaner/uninstall_entries.h"
#ifdef _WIN32
#include "platform/win32/win32_machine.h"
using Machine = qb::win32::Win32Machine;
#else
#include "platform/memory/memory_machine.h"
using Machine = qb::MemoryMachine;
#endif

namespace {

using namespace qb;
using namespace qb::cleaner;
using Stopwatch = std::chrono::steady_clock;

constexpr int kExclusions = 10000;
constexpr std::string_view kPrefix = "QbBenchKeep";

struct Figures {
  double median = 0, low = 0, high = 0;
};

Figures Summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

std::string Name(int n) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%06d", kPrefix.data(), n);
  return text;
}

RegKeyPath Area(Machine& machine) {
  return {RegRoot::LocalMachine, std::string(kUninstallArea),
          machine.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
}

// Even entries have an uninstall command and stay; odd ones are findings.
void Fill(Machine& machine, int entries) {
  for (int i = 0; i < entries; ++i) {
    const RegKeyPath key = Area(machine).Child(Name(i));
    machine.registry.CreateKey(key);
    machine.registry.SetValue(key, RegValue::String("DisplayName", Name(i)));
    if (i % 2 == 0) machine.registry.SetValue(key, RegValue::String("UninstallString", "C:\\x.exe /u"));
  }
}

void Empty(Machine& machine, int entries) {
  for (int i = 0; i < entries; ++i) machine.registry.DeleteKey(Area(machine).Child(Name(i)));
}

Exclusions LongList(Machine& machine, int entries) {
  Exclusions list;
  for (int i = 0; i < kExclusions; ++i) {
    if (i % 10 == 0 && 2 * i + 1 < entries) {
      list.Add(ExclusionEntry({Area(machine).Child(Name(2 * i + 1)), std::nullopt, {}}));
    } else if (i % 3 == 0) {
      list.Add("HKEY_CURRENT_USER\\Software\\QbElsewhere\\Key" + std::to_string(i));
    } else if (i % 3 == 1) {
      list.Add("HKEY_LOCAL_MACHINE\\Software\\QbElsewhere [Value" + std::to_string(i) + "]");
    } else {
      list.Add("C:\\QbElsewhere\\Folder" + std::to_string(i) + "\\file.lnk");
    }
  }
  return list;
}

// One run as the window makes it; the findings left to repair. list_seconds receives the
// time spent on the list itself: reading it and setting the kept findings aside.
size_t Run(Machine& machine, double& list_seconds) {
  const Services services = machine.services();
  const registry::RegistryRoutines routines(services.registry, services.environment);
  PresenceTest presence(services.files, services.environment);
  Progress progress;
  EventPacer pacer(services.clock, {});
  ScanContext context{services.registry, services.environment, routines, presence, progress, pacer};
  auto start = Stopwatch::now();
  const Exclusions exclusions = LoadExclusions(services.files, services.environment);
  list_seconds = std::chrono::duration<double>(Stopwatch::now() - start).count();
  ScanResult scan = kUninstallEntries.scan(context);
  start = Stopwatch::now();
  SetAsideExcluded(exclusions, scan);
  list_seconds += std::chrono::duration<double>(Stopwatch::now() - start).count();
  return scan.removals.size();
}

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20000;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  Machine machine;
  const std::string path = ExclusionsPath(machine.environment);
  std::vector<uint8_t> users_list;
  const bool had_list = machine.files.ReadFile(path, users_list) == status::kOk;
  Fill(machine, entries);
  const Exclusions long_list = LongList(machine, entries);

  std::vector<double> without, with, list_part;
  double list_seconds = 0;
  size_t found_without = 0, found_with = 0;
  for (int round = 0; round < rounds; ++round) {
    machine.files.DeleteFile(path);
    auto start = Stopwatch::now();
    found_without = Run(machine, list_seconds);
    without.push_back(std::chrono::duration<double>(Stopwatch::now() - start).count());

    SaveExclusions(machine.files, machine.environment, long_list);
    start = Stopwatch::now();
    found_with = Run(machine, list_seconds);
    with.push_back(std::chrono::duration<double>(Stopwatch::now() - start).count());
    list_part.push_back(list_seconds);
  }
  machine.files.DeleteFile(path);
  if (had_list) machine.files.WriteFile(path, users_list);
  Empty(machine, entries);

  const Figures a = Summarise(without), b = Summarise(with), c = Summarise(list_part);
  std::printf("uninstall entries: %d (%zu findings without a list, %zu with %d entries kept)\n", entries,
              found_without, found_with, kExclusions);
  std::printf("no list:        median %.3f s (%.3f to %.3f) over %d rounds\n", a.median, a.low, a.high, rounds);
  std::printf("10,000 entries: median %.3f s (%.3f to %.3f)\n", b.median, b.low, b.high);
  std::printf("  of which the list (read, set aside): median %.3f s (%.3f to %.3f)\n", c.median, c.low, c.high);
  std::printf("ratio of the medians: %.3f (spread %.3f to %.3f)\n", b.median / a.median, b.low / a.high,
              b.high / a.low);
  return 0;
}
