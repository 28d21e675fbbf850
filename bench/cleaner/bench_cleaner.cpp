// Fills the cleaner's three registry areas with a generated corpus (N entries each, half of
// them invalid) and reports how many entries per second each category scans, and
// separately repairs (backup and removal). Meant for a throwaway machine or Wine prefix:
// it writes to the machine-wide registry and leaves nothing of its corpus behind.
//
// Usage: qb_bench_cleaner [entries per category, default 20000]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cleaner/application_paths.h"
#include "cleaner/dialog_history.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"

namespace {

using namespace qb;
using namespace qb::cleaner;
using Clock = std::chrono::steady_clock;

constexpr int kFolders = 100;
constexpr int kHistoryKeys = 100;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

char Digit(int n) { return static_cast<char>('0' + n); }

std::string Number(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

class Bench {
 public:
  explicit Bench(int entries) : entries_(entries) {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    root_ = win32::Narrow(temp) + "QbBenchFiles";
  }

  void MakeFiles() {
    machine_.files.CreateFolder(root_);
    for (int f = 0; f < kFolders; ++f) machine_.files.CreateFolder(Folder(f));
    // Every even entry names a file that exists.
    for (int i = 0; i < entries_; i += 2) machine_.files.WriteFile(FilePath(i, ".exe"), {'M', 'Z'});
  }

  void FillUninstall() {
    const RegKeyPath area = Area(kUninstallArea);
    for (int i = 0; i < entries_; ++i) {
      const RegKeyPath key = area.Child("QbBench" + Number(i));
      machine_.registry.CreateKey(key);
      Set(key, RegValue::String("DisplayName", "Generated product " + Number(i)));
      Set(key, RegValue::String("DisplayVersion", "1.0." + std::to_string(i)));
      Set(key, RegValue::String("Publisher", "Bench Publisher"));
      Set(key, RegValue::String("InstallLocation", Folder(i % kFolders)));
      Set(key, RegValue::Dword("EstimatedSize", static_cast<uint32_t>(i)));
      if (i % 2 == 0) Set(key, RegValue::String("UninstallString", FilePath(i, ".exe") + " /uninstall"));
    }
  }

  void FillAppPaths() {
    const RegKeyPath area = Area(kAppPathsArea);
    for (int i = 0; i < entries_; ++i) {
      const RegKeyPath key = area.Child("qbbench" + Number(i) + ".exe");
      machine_.registry.CreateKey(key);
      Set(key, RegValue::String("", FilePath(i, ".exe")));
      Set(key, RegValue::String("Path", Folder(i % kFolders)));
    }
  }

  void FillHistory() {
    const RegKeyPath area{RegRoot::CurrentUser, std::string(kDialogHistoryArea)};
    const int per_key = (entries_ + kHistoryKeys - 1) / kHistoryKeys;
    for (int k = 0; k < kHistoryKeys; ++k) {
      const RegKeyPath key = area.Child("qb" + std::to_string(k));
      machine_.registry.CreateKey(key);
      std::string order;
      for (int v = 0; v < per_key && k * per_key + v < entries_; ++v) {
        const int i = k * per_key + v;
        const std::string name = "v" + std::to_string(v);
        Set(key, RegValue::String(name, FilePath(i, ".exe")));
        order += name;
      }
      Set(key, RegValue::String("MRUList", order));
    }
  }

  void Measure(const Category& category, const char* unit) {
    const registry::RegistryRoutines routines(machine_.registry, machine_.environment);
    PresenceTest presence(machine_.files, machine_.environment.WindowsFolder());
    Progress progress;
    EventPacer pacer(machine_.clock, {});
    ScanContext context{machine_.registry, routines, presence, progress, pacer};
    auto start = Clock::now();
    const ScanResult scan = category.scan(context);
    const double scan_seconds = Seconds(start);
    start = Clock::now();
    const RepairOutcome repair =
        Repair(machine_.services(), category.name, scan.removals, progress, pacer);
    const double repair_seconds = Seconds(start);
    const size_t scanned = category.scan == &ScanDialogHistory ? scan.lists[1].size() : scan.lists[0].size();
    std::printf("%-22s scan   %7zu %s in %6.2f s: %8.0f %s/s (%zu invalid)\n",
                std::string(category.name).c_str(), scanned, unit, scan_seconds,
                scanned / scan_seconds, unit, scan.removals.size());
    std::printf("%-22s repair %7zu %s in %6.2f s: %8.0f %s/s (%zu removed%s%s)\n", "",
                scan.removals.size(), unit, repair_seconds, scan.removals.size() / repair_seconds,
                unit, repair.repaired, repair.backed_up ? ", backup " : ", NO BACKUP: ",
                repair.backed_up ? repair.backup_path.c_str() : repair.error.c_str());
    std::fflush(stdout);
    if (!repair.backup_path.empty()) machine_.files.DeleteFile(repair.backup_path);
  }

  void CleanUp() {
    Remove(Area(kUninstallArea), "QbBench");
    Remove(Area(kAppPathsArea), "qbbench");
    Remove({RegRoot::CurrentUser, std::string(kDialogHistoryArea)}, "qb");
    for (int i = 0; i < entries_; i += 2) machine_.files.DeleteFile(FilePath(i, ".exe"));
    for (int f = 0; f < kFolders; ++f) machine_.files.RemoveFolder(Folder(f));
    machine_.files.RemoveFolder(root_);
  }

 private:
  RegKeyPath Area(std::string_view path) const {
    return {RegRoot::LocalMachine, std::string(path),
            machine_.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
  }
  std::string Folder(int f) const { return root_ + "\\Folder" + std::to_string(f); }
  std::string FilePath(int i, const char* extension) const {
    return Folder(i % kFolders) + "\\program" + Number(i) + extension;
  }
  void Set(const RegKeyPath& key, const RegValue& value) { machine_.registry.SetValue(key, value); }
  void Remove(const RegKeyPath& area, std::string_view prefix) {
    std::vector<std::string> names;
    machine_.registry.EnumKeys(area, names);
    const registry::RegistryRoutines routines(machine_.registry, machine_.environment);
    EventPacer pacer(machine_.clock, {});
    for (const auto& name : names) {
      if (name.starts_with(prefix)) qb::cleaner::Remove(routines, machine_.registry, {area.Child(name), {}}, pacer);
    }
  }

  int entries_;
  std::string root_;
  win32::Win32Machine machine_;
};

}  // namespace

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20000;
  Bench bench(entries);
  std::printf("Cleaner benchmark: %d entries per category, half of them invalid\n", entries);
  auto start = Clock::now();
  bench.MakeFiles();
  bench.FillUninstall();
  bench.FillAppPaths();
  bench.FillHistory();
  std::printf("corpus written in %.1f s\n", Seconds(start));
  std::fflush(stdout);
  bench.Measure(kUninstallEntries, "keys");
  bench.Measure(kApplicationPaths, "keys");
  bench.Measure(kDialogHistory, "values");
  bench.CleanUp();
  return 0;
}
