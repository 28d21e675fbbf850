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
#include "cleaner/delete_key_tree.h"
#include "cleaner/dialog_history.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"

namespace {

using namespace qb;
using namespace qb::cleaner;
using Stopwatch = std::chrono::steady_clock;

constexpr int kFolders = 100;
constexpr int kHistoryKeys = 100;

double Seconds(Stopwatch::time_point since) {
  return std::chrono::duration<double>(Stopwatch::now() - since).count();
}


std::string Number(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", n);
  return text;
}

// What a plain scanner on the wide API does for each category, with no conversion and no
// service layer: the yardstick for the cleaner's own scans on the same machine and load.
namespace plain {

std::wstring Path(std::string_view path) { return win32::Wide(path); }

std::vector<std::wstring> SubkeyNames(HKEY area) {
  std::vector<std::wstring> names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD chars = 256;
    if (RegEnumKeyExW(area, i, name, &chars, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, chars);
  }
  return names;
}

size_t ScanUninstall(REGSAM view) {
  HKEY area = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Path(kUninstallArea).c_str(), 0, KEY_READ | view, &area)) return 0;
  size_t invalid = 0;
  for (const auto& name : SubkeyNames(area)) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(area, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    bool command = false;
    wchar_t value[16384];
    BYTE data[4096];
    for (DWORD i = 0;; ++i) {
      DWORD chars = 16384, bytes = sizeof data, type = 0;
      const LONG result = RegEnumValueW(key, i, value, &chars, nullptr, &type, data, &bytes);
      if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA) break;
      CharLowerBuffW(value, chars);
      if (std::wstring_view(value, chars).find(L"uninstallstring") != std::wstring_view::npos) command = true;
    }
    RegCloseKey(key);
    if (!command && name.find(L'{') == std::wstring::npos) ++invalid;
  }
  RegCloseKey(area);
  return invalid;
}

size_t ScanAppPaths(REGSAM view) {
  HKEY area = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Path(kAppPathsArea).c_str(), 0, KEY_READ | view, &area)) return 0;
  size_t invalid = 0;
  for (const auto& name : SubkeyNames(area)) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(area, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    wchar_t data[4096];
    DWORD bytes = sizeof data - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes) == ERROR_SUCCESS &&
        type == REG_SZ) {
      data[bytes / sizeof(wchar_t)] = 0;
      if (GetFileAttributesW(data) == INVALID_FILE_ATTRIBUTES) ++invalid;
    }
    RegCloseKey(key);
  }
  RegCloseKey(area);
  return invalid;
}

size_t ScanHistory() {
  HKEY area = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Path(kDialogHistoryArea).c_str(), 0, KEY_READ, &area)) return 0;
  size_t invalid = 0;
  for (const auto& name : SubkeyNames(area)) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(area, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    wchar_t value[16384];
    wchar_t data[4096];
    for (DWORD i = 0;; ++i) {
      DWORD chars = 16384, bytes = sizeof data - sizeof(wchar_t), type = 0;
      if (RegEnumValueW(key, i, value, &chars, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes) !=
          ERROR_SUCCESS) {
        break;
      }
      data[bytes / sizeof(wchar_t)] = 0;
      if (type == REG_SZ && wcsstr(data, L":\\") && GetFileAttributesW(data) == INVALID_FILE_ATTRIBUTES) {
        ++invalid;
      }
    }
    RegCloseKey(key);
  }
  RegCloseKey(area);
  return invalid;
}

}  // namespace plain

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

  // Seconds the plain scanner takes over the same area.
  double PlainSeconds(const Category& category) {
    const auto start = Stopwatch::now();
    if (category.scan == &ScanDialogHistory) {
      plain::ScanHistory();
    } else {
      const auto scan = category.scan == &ScanUninstallEntries ? &plain::ScanUninstall : &plain::ScanAppPaths;
      // The corpus is in the 64-bit view; the cleaner also looks through the 32-bit one.
      scan(KEY_WOW64_64KEY);
    }
    return Seconds(start);
  }

  void Measure(const Category& category, const char* unit) {
    const double plain_before = PlainSeconds(category);
    const registry::RegistryRoutines routines(machine_.registry, machine_.environment);
    PresenceTest presence(machine_.files, machine_.environment.WindowsFolder());
    Progress progress;
    EventPacer pacer(machine_.clock, {});
    ScanContext context{machine_.registry, machine_.environment, routines, presence, progress, pacer};
    auto start = Stopwatch::now();
    const ScanResult scan = category.scan(context);
    const double scan_seconds = Seconds(start);
    // The plain scanner runs before and after, so that both see the same warm caches and
    // a change of load on the machine shows in both.
    const double plain_seconds = (plain_before + PlainSeconds(category)) / 2;
    start = Stopwatch::now();
    const RepairOutcome repair =
        Repair(machine_.services(), category, scan.removals, progress, pacer);
    const double repair_seconds = Seconds(start);
    const size_t scanned = category.scan == &ScanDialogHistory ? scan.lists[1].size() : scan.lists[0].size();
    std::printf("%-22s scan   %7zu %s in %6.2f s: %8.0f %s/s (%zu invalid); plain scanner %8.0f %s/s, "
                "ratio %.0f%%\n",
                std::string(category.name).c_str(), scanned, unit, scan_seconds,
                scanned / scan_seconds, unit, scan.removals.size(), scanned / plain_seconds, unit,
                100.0 * plain_seconds / scan_seconds);
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
    EventPacer pacer(machine_.clock, {});
    for (const auto& name : names) {
      if (!name.starts_with(prefix)) continue;
      KeySnapshot tree;
      ReadKeyTree(machine_.registry, area.Child(name), tree);
      DeleteKeyTree(machine_.registry, area.Child(name), tree, pacer);
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
  auto start = Stopwatch::now();
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
