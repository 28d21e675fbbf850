// Fills the cleaner's registry areas with a generated corpus (N entries each, half of them
// invalid) and a tree of 5,000 shortcuts (half of them orphans), and reports how many
// entries per second each category scans, beside a plain scanner on the wide API in the
// same run (and, for the shortcut walk, "dir /s /b" of the same tree), and separately
// repairs (backup and removal). Meant for a throwaway machine or Wine prefix:
// it writes to the machine-wide registry and leaves nothing of its corpus behind.
//
// The history and application-path repairs are timed again with every change journaled.
//
// Then it times the shortcut repair on its own: ORPHANS orphan shortcuts (default 20,000, in
// folders of PER_FOLDER, default 1,000) repaired through the path the window and the
// console program take, against a plain copy-then-delete on the wide API over the same
// corpus, three rounds each in turn; it reports the ratio of the medians and the spread.
//
// Usage: qb_bench_cleaner [entries per category, default 20000] [ORPHANS] [PER_FOLDER]
//        qb_bench_cleaner --repair-only [ORPHANS] [PER_FOLDER]
//        qb_bench_cleaner --journaled-only [ENTRIES]  (the journal's cost on the registry repairs)
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cleaner/categories.h"
#include "cleaner/delete_key_tree.h"
#include "cleaner/dialog_history.h"
#include "cleaner/repair.h"
#include "cleaner/uninstall_entries.h"
#include "journal/journal_place.h"
#include "journal/journaling_file_system.h"
#include "journal/journaling_registry.h"
#include "platform/win32/scoped.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_machine.h"
#include "support/services_with.h"
#include "win32/moved_program.h"

namespace {

using namespace qb;
using namespace qb::cleaner;
using Stopwatch = std::chrono::steady_clock;

constexpr int kFolders = 100;
constexpr int kHistoryKeys = 100;
constexpr int kShortcuts = 5000;

double Seconds(Stopwatch::time_point since) {
  return std::chrono::duration<double>(Stopwatch::now() - since).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
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

// Help files and shared components: the values of one key, each a path to look up.
size_t ScanValues(std::string_view area_path, bool name_is_path) {
  HKEY area = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, Path(area_path).c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &area)) return 0;
  size_t invalid = 0;
  wchar_t name[16384];
  wchar_t data[4096];
  for (DWORD i = 0;; ++i) {
    DWORD chars = 16384, bytes = sizeof data - sizeof(wchar_t), type = 0;
    if (RegEnumValueW(area, i, name, &chars, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes) !=
        ERROR_SUCCESS) {
      break;
    }
    data[bytes / sizeof(wchar_t)] = 0;
    std::wstring path = name_is_path ? std::wstring(name, chars) : std::wstring(data) + L"\\" + name;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) ++invalid;
  }
  RegCloseKey(area);
  return invalid;
}

// Orphan shortcuts: a recursive listing, each shortcut loaded by the shell and its target
// looked up.
void WalkShortcuts(const std::wstring& folder, IShellLinkW* link, IPersistFile* file, size_t& found,
                   size_t& orphans) {
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return;
  std::vector<std::wstring> files;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      WalkShortcuts(folder + L"\\" + name, link, file, found, orphans);
    } else if (name.size() >= 3 && _wcsicmp(name.c_str() + name.size() - 3, L"lnk") == 0) {
      files.push_back(folder + L"\\" + name);
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
  for (const auto& path : files) {
    ++found;
    wchar_t target[MAX_PATH] = {};
    if (!link || FAILED(file->Load(path.c_str(), STGM_READ)) ||
        link->GetPath(target, MAX_PATH, nullptr, 0) != S_OK) {
      continue;
    }
    if (GetFileAttributesW(target) == INVALID_FILE_ATTRIBUTES) ++orphans;
  }
}

size_t ScanShortcuts(const std::string& root, bool read_targets) {
  win32::ComPtr<IShellLinkW> link;
  win32::ComPtr<IPersistFile> file;
  if (read_targets) {
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid());
    link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
  }
  size_t found = 0, orphans = 0;
  WalkShortcuts(Path(root), read_targets ? link.Get() : nullptr, file.Get(), found, orphans);
  return read_targets ? orphans : found;
}

// A shortcut repair: each file copied into a mirror of its path under the backup folder,
// then deleted.
size_t RepairShortcuts(const std::vector<std::string>& files, const std::string& backup) {
  CreateDirectoryW(Path(backup).c_str(), nullptr);
  std::wstring made;
  size_t deleted = 0;
  for (const auto& file : files) {
    const std::wstring from = Path(file);
    const std::wstring to = Path(backup) + L"\\" + from.substr(0, 1) + from.substr(2);
    const std::wstring folder = to.substr(0, to.find_last_of(L'\\'));
    if (folder != made) {
      for (size_t at = Path(backup).size() + 1; at != std::wstring::npos; at = folder.find(L'\\', at + 1)) {
        CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
      }
      CreateDirectoryW(folder.c_str(), nullptr);
      made = folder;
    }
    if (CopyFileW(from.c_str(), to.c_str(), TRUE) && DeleteFileW(from.c_str())) ++deleted;
  }
  return deleted;
}

}  // namespace plain

// Reads no shortcut: a scan with it measures the walk alone.
class NoShortcuts : public Shortcuts {
 public:
  ShortcutTarget ReadTarget(std::string_view) override { return {}; }
  Status Create(std::string_view, std::string_view) override { return status::kOk; }
};

struct Spread {
  double median, low, high;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

// The plain reference's speed as a share of ours: the ratio of the medians, and its spread from
// our slowest against its fastest to our fastest against its slowest.
std::string SpeedRatio(const Spread& plain, const Spread& ours) {
  char text[64];
  std::snprintf(text, sizeof text, "ratio %.0f%% (spread %.0f%% to %.0f%%)", 100.0 * plain.median / ours.median,
                100.0 * plain.low / ours.high, 100.0 * plain.high / ours.low);
  return text;
}

// Seconds "cmd /c dir /s /b" takes to list the same tree, its output thrown away.
double DirSeconds(const std::string& root) {
  std::wstring command = L"cmd.exe /c dir /s /b \"" + win32::Wide(root) + L"\" >nul";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const auto start = Stopwatch::now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info)) {
    return -1;
  }
  WaitForSingleObject(info.hProcess, INFINITE);
  const double seconds = Seconds(start);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return seconds;
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

  void FillHelpAndShared() {
    const RegKeyPath help = Area(kHtmlHelpArea);
    const RegKeyPath shared = Area(kSharedLibrariesArea);
    machine_.registry.CreateKey(help);
    machine_.registry.CreateKey(shared);
    for (int i = 0; i < entries_; ++i) {
      Set(help, RegValue::String("program" + Number(i) + ".exe", Folder(i % kFolders)));
      Set(shared, RegValue::Dword(FilePath(i, ".exe"), 1));
    }
  }

  // kShortcuts shortcuts in a tree of 10 folders of 10 folders, half of them orphans.
  void MakeShortcuts() {
    const std::string links = Links();
    machine_.files.CreateFolder(links);
    for (int a = 0; a < 10; ++a) {
      machine_.files.CreateFolder(links + "\\" + std::to_string(a));
      for (int b = 0; b < 10; ++b) machine_.files.CreateFolder(LinkFolder(a * 10 + b));
    }
    // Two shortcuts made through the shell, one to a file that exists and one to a missing
    // file, then copied: making each through the shell costs far more than the walk measured.
    const std::string templates[] = {links + "\\present.lnk", links + "\\orphan.lnk"};
    machine_.shortcuts.Create(templates[0], FilePath(0, ".exe"));
    machine_.shortcuts.Create(templates[1], FilePath(1, ".exe"));
    for (int i = 0; i < kShortcuts; ++i) {
      machine_.files.CopyFile(templates[i % 2], LinkFolder(i % 100) + "\\link" + Number(i) + ".lnk",
                              true);
    }
    for (const auto& path : templates) machine_.files.DeleteFile(path);
  }

  void MeasureShortcuts() {
    const std::string links = Links();
    NoShortcuts none;
    const auto scan_with = [&](Shortcuts& shortcuts, ScanResult& scan) {
      const registry::RegistryRoutines routines(machine_.registry, machine_.environment);
      PresenceTest presence(machine_.files, machine_.environment);
      Progress progress;
      EventPacer pacer(machine_.clock, {});
      ScanContext context{machine_.registry, machine_.environment, routines, presence, progress, pacer,
                          &machine_.files, &shortcuts, links};
      const auto start = Stopwatch::now();
      scan = kOrphanShortcuts.scan(context);
      return Seconds(start);
    };
    const auto timed = [](auto&& work) {
      const auto start = Stopwatch::now();
      work();
      return Seconds(start);
    };
    // Each takes turns with its plain reference; the walk lasts a tenth of a second, so it
    // gets more rounds than the scan.
    ScanResult walk, scan;
    std::vector<double> walks, plain_walks, scans, plain_scans, dirs;
    for (int round = 0; round < 7; ++round) {
      plain_walks.push_back(timed([&] { plain::ScanShortcuts(links, false); }));
      walks.push_back(scan_with(none, walk));
    }
    for (int round = 0; round < 5; ++round) {
      dirs.push_back(DirSeconds(links));
      plain_scans.push_back(timed([&] { plain::ScanShortcuts(links, true); }));
      scans.push_back(scan_with(machine_.shortcuts, scan));
    }
    const Spread walked = SpreadOf(walks), scanned = SpreadOf(scans), dir = SpreadOf(dirs);
    const double n = static_cast<double>(walk.lists[0].size());
    std::printf("%-22s walk   %7zu shortcuts, median %6.3f s: %8.0f shortcuts/s; plain walk %8.0f/s, "
                "%s; dir /s /b %.2f s, %.0f%% of its time\n",
                "Orphan shortcuts", walk.lists[0].size(), walked.median, n / walked.median,
                n / Median(plain_walks), SpeedRatio(SpreadOf(plain_walks), walked).c_str(), dir.median,
                100.0 * walked.median / dir.median);
    std::printf("%-22s scan   %7zu shortcuts, median %6.2f s: %8.0f shortcuts/s (%zu orphans); plain scanner "
                "%8.0f shortcuts/s, %s\n",
                "", scan.lists[0].size(), scanned.median, n / scanned.median, scan.removals.size(),
                n / Median(plain_scans), SpeedRatio(SpreadOf(plain_scans), scanned).c_str());
    Progress progress;
    EventPacer pacer(machine_.clock, {});
    // Backups on the corpus's disk, as for a program installed on C:; under Wine, a program
    // folder reached through the host's drive makes each new file several times dearer.
    machine_.files.CreateFolder(root_ + "\\Program");
    test_support::MovedProgram environment(root_ + "\\Program");
    const Services services = test_support::ServicesWith(machine_.services(), {.environment = &environment});
    const auto start = Stopwatch::now();
    const RepairOutcome repair = Repair(services, kOrphanShortcuts, scan.removals, progress, pacer);
    const double repair_seconds = Seconds(start);
    std::printf("%-22s repair %7zu shortcuts in %6.2f s: %8.0f shortcuts/s (%zu deleted, copies in %s)\n", "",
                scan.removals.size(), repair_seconds, scan.removals.size() / repair_seconds, repair.repaired,
                repair.backup_path.c_str());
    std::fflush(stdout);
    if (!repair.backup_path.empty()) RemoveTree(repair.backup_path);
  }

  // orphans orphan shortcuts, per_folder to a folder, repaired by the plain copy-then-delete,
  // by the cleaner, and by the cleaner with every change journaled (as the program and the
  // companion run it) in turn, each over a corpus of its own made just before.
  void MeasureShortcutRepair(int orphans, int per_folder) {
    const std::string corpus = root_ + "\\Orphans";
    const std::string program = root_ + "\\Program";
    machine_.files.CreateFolder(root_);
    machine_.files.CreateFolder(program);
    // The repair's backups land beside the plain repair's, on the same disk.
    test_support::MovedProgram environment(program);
    const Services services = test_support::ServicesWith(machine_.services(), {.environment = &environment});
    const std::string model = root_ + "\\model.lnk";
    machine_.shortcuts.Create(model, root_ + "\\gone\\program.exe");
    journal::Journal journal(machine_.files, root_ + "\\journal.qbj");
    journal::JournalingRegistry journaled_registry(machine_.registry, journal, machine_.clock);
    journal::JournalingFileSystem journaled_files(machine_.files, journal, machine_.clock);
    journaled_files.Exclude(program + "\\Backups");
    const Services journaled = test_support::ServicesWith(
        services, {.registry = &journaled_registry, .files = &journaled_files});
    enum class Turn { Plain, Cleaner, Journaled };
    std::vector<double> ours, plains, journaling;
    size_t repaired = 0;
    for (int round = 0; round < 3; ++round) {
      for (const Turn turn : {Turn::Plain, Turn::Cleaner, Turn::Journaled}) {
        const auto files = MakeOrphans(corpus, model, orphans, per_folder);
        const auto start = Stopwatch::now();
        if (turn == Turn::Plain) {
          plain::RepairShortcuts(files, root_ + "\\PlainBackup");
          plains.push_back(Seconds(start));
        } else {
          if (turn == Turn::Journaled) {
            journal.Hold();  // as the program and the companion hold it through an action
            const uint64_t action = journal.BeginAction(machine_.clock.Now(), "Orphan shortcuts", "repair");
            journaled_registry.SetAction(action);
            journaled_files.SetAction(action);
          }
          std::vector<Removal> removals;
          for (const auto& file : files) removals.push_back({.file = file});
          Progress progress;
          EventPacer pacer(machine_.clock, [] { return true; });
          const RepairOutcome outcome = Repair(turn == Turn::Journaled ? journaled : services, kOrphanShortcuts,
                                               removals, progress, pacer);
          (turn == Turn::Journaled ? journaling : ours).push_back(Seconds(start));
          if (turn == Turn::Journaled) journal.Release();
          repaired = outcome.repaired;
        }
        RemoveTree(root_ + "\\PlainBackup");
        RemoveTree(program + "\\Backups");
        RemoveTree(corpus);
        machine_.files.DeleteFile(root_ + "\\journal.qbj");
      }
    }
    const Spread mine = SpreadOf(ours), plain = SpreadOf(plains), journaled_spread = SpreadOf(journaling);
    std::printf("%-22s repair %7d orphans (%d a folder), 3 rounds: median %6.2f s (%.2f to %.2f), "
                "%6.0f shortcuts/s (%zu deleted); plain copy-then-delete median %6.2f s (%.2f to %.2f), "
                "%6.0f/s; ratio of medians %.0f%% (plain / cleaner, spread %.0f%% to %.0f%%)\n",
                "Orphan shortcuts", orphans, per_folder, mine.median, mine.low, mine.high,
                orphans / mine.median, repaired, plain.median, plain.low, plain.high,
                orphans / plain.median, 100.0 * plain.median / mine.median, 100.0 * plain.low / mine.high,
                100.0 * plain.high / mine.low);
    std::printf("%-22s journaled: median %6.2f s (%.2f to %.2f), %6.0f shortcuts/s; ratio of medians %.0f%% "
                "(journaled / cleaner, spread %.0f%% to %.0f%%)\n",
                "", journaled_spread.median, journaled_spread.low, journaled_spread.high,
                orphans / journaled_spread.median, 100.0 * journaled_spread.median / mine.median,
                100.0 * journaled_spread.low / mine.high, 100.0 * journaled_spread.high / mine.low);
    std::fflush(stdout);
    machine_.files.DeleteFile(model);
    machine_.files.RemoveFolder(program);
    machine_.files.RemoveFolder(root_);
  }

  // Seconds the plain scanner takes over the same area.
  double PlainSeconds(const Category& category) {
    const auto start = Stopwatch::now();
    if (category.scan == &ScanHelpFiles || category.scan == &ScanSharedLibraries) {
      plain::ScanValues(category.scan == &ScanHelpFiles ? kHtmlHelpArea : kSharedLibrariesArea,
                        category.scan == &ScanSharedLibraries);
    } else if (category.scan == &ScanDialogHistory) {
      plain::ScanHistory();
    } else {
      const auto scan = category.scan == &ScanUninstallEntries ? &plain::ScanUninstall : &plain::ScanAppPaths;
      // The corpus is in the 64-bit view; the cleaner also looks through the 32-bit one.
      scan(KEY_WOW64_64KEY);
    }
    return Seconds(start);
  }

  void Measure(const Category& category, const char* unit) {
    const registry::RegistryRoutines routines(machine_.registry, machine_.environment);
    PresenceTest presence(machine_.files, machine_.environment);
    Progress progress;
    EventPacer pacer(machine_.clock, {});
    ScanContext context{machine_.registry, machine_.environment, routines, presence, progress, pacer};
    // The scan and the plain scanner take turns, five times each, and the medians are
    // compared: scans of a few hundred milliseconds move with every other process.
    ScanResult scan;
    std::vector<double> scans, plains;
    for (int round = 0; round < 5; ++round) {
      plains.push_back(PlainSeconds(category));
      const auto at = Stopwatch::now();
      scan = category.scan(context);
      scans.push_back(Seconds(at));
    }
    const double scan_seconds = Median(scans);
    const double plain_seconds = Median(plains);
    const std::string ratio = SpeedRatio(SpreadOf(plains), SpreadOf(scans));
    const auto start = Stopwatch::now();
    const RepairOutcome repair =
        Repair(machine_.services(), category, scan.removals, progress, pacer);
    const double repair_seconds = Seconds(start);
    const size_t scanned = category.scan == &ScanDialogHistory || category.scan == &ScanSharedLibraries
                               ? scan.lists[1].size()
                           : category.scan == &ScanHelpFiles ? static_cast<size_t>(entries_)
                                                             : scan.lists[0].size();
    std::printf("%-22s scan   %7zu %s, median %6.2f s: %8.0f %s/s (%zu invalid); plain scanner %8.0f %s/s, "
                "%s\n",
                std::string(category.name).c_str(), scanned, unit, scan_seconds,
                scanned / scan_seconds, unit, scan.removals.size(), scanned / plain_seconds, unit,
                ratio.c_str());
    std::printf("%-22s repair %7zu %s in %6.2f s: %8.0f %s/s (%zu removed%s%s)\n", "",
                scan.removals.size(), unit, repair_seconds, scan.removals.size() / repair_seconds,
                unit, repair.repaired, repair.backed_up ? ", backup " : ", NO BACKUP: ",
                repair.backed_up ? repair.backup_path.c_str() : repair.error.c_str());
    std::fflush(stdout);
    if (!repair.backup_path.empty()) machine_.files.DeleteFile(repair.backup_path);
  }

  // A registry category filled again before each repair, repaired by the cleaner and by the
  // cleaner with every change journaled (as the program and the companion run it), three
  // rounds in turn: what the journal adds to a repair of the category's removals.
  void MeasureJournaledRepair(const Category& category, void (Bench::*fill)(), const char* unit) {
    const registry::RegistryRoutines routines(machine_.registry, machine_.environment);
    PresenceTest presence(machine_.files, machine_.environment);
    Progress progress;
    EventPacer pacer(machine_.clock, {});
    ScanContext context{machine_.registry, machine_.environment, routines, presence, progress, pacer};
    const std::string journal_path = root_ + "\\journal.qbj";
    journal::JournaledServices journaled(machine_.services(), journal_path);
    std::vector<double> plain, recorded;
    size_t removals = 0;
    for (int round = 0; round < 3; ++round) {
      for (const bool journaling : {false, true}) {
        (this->*fill)();
        const ScanResult scan = category.scan(context);
        removals = scan.removals.size();
        const auto start = Stopwatch::now();
        const uint64_t action = journaling ? journaled.Begin(std::string(category.name), "repair") : 0;
        const RepairOutcome repair = Repair(journaling ? journaled.cleaner() : machine_.services(), category,
                                            scan.removals, progress, pacer);
        if (journaling) journaled.Finish(action, std::string(category.name), "repaired");
        (journaling ? recorded : plain).push_back(Seconds(start));
        if (!repair.backup_path.empty()) machine_.files.DeleteFile(repair.backup_path);
      }
    }
    machine_.files.DeleteFile(journal_path);
    const Spread mine = SpreadOf(plain), with = SpreadOf(recorded);
    std::printf("%-22s journaled repair of %zu %s, 3 rounds: median %6.2f s (%.2f to %.2f) against %6.2f s "
                "(%.2f to %.2f); ratio of medians %.0f%% (journaled / cleaner, spread %.0f%% to %.0f%%)\n",
                "", removals, unit, with.median, with.low, with.high, mine.median, mine.low, mine.high,
                100.0 * with.median / mine.median, 100.0 * with.low / mine.high, 100.0 * with.high / mine.low);
    std::fflush(stdout);
  }

  void CleanUp() {
    Remove(Area(kUninstallArea), "QbBench");
    Remove(Area(kAppPathsArea), "qbbench");
    Remove({RegRoot::CurrentUser, std::string(kDialogHistoryArea)}, "qb");
    RemoveValues(Area(kHtmlHelpArea), "program");
    RemoveValues(Area(kSharedLibrariesArea), root_);
    RemoveTree(Links());
    for (int i = 0; i < entries_; i += 2) machine_.files.DeleteFile(FilePath(i, ".exe"));
    for (int f = 0; f < kFolders; ++f) machine_.files.RemoveFolder(Folder(f));
    machine_.files.RemoveFolder(root_);
  }

 private:
  std::vector<std::string> MakeOrphans(const std::string& corpus, const std::string& model, int orphans,
                                       int per_folder) {
    std::vector<std::string> files;
    machine_.files.CreateFolder(corpus);
    for (int i = 0; i < orphans; ++i) {
      const std::string folder = corpus + "\\" + std::to_string(i / per_folder);
      if (i % per_folder == 0) machine_.files.CreateFolder(folder);
      files.push_back(folder + "\\link" + Number(i) + ".lnk");
      machine_.files.CopyFile(model, files.back(), true);
    }
    return files;
  }
  RegKeyPath Area(std::string_view path) const {
    return {RegRoot::LocalMachine, std::string(path),
            machine_.registry.HasSeparateViews() ? RegView::Force64 : RegView::Native};
  }
  std::string Folder(int f) const { return root_ + "\\Folder" + std::to_string(f); }
  std::string Links() const { return root_ + "\\Links"; }
  std::string LinkFolder(int f) const {
    return Links() + "\\" + std::to_string(f / 10) + "\\" + std::to_string(f % 10);
  }
  void RemoveValues(const RegKeyPath& area, std::string_view prefix) {
    std::vector<RegValue> values;
    machine_.registry.EnumValues(area, values);
    for (const auto& value : values) {
      if (value.name.starts_with(prefix)) machine_.registry.DeleteValue(area, value.name);
    }
  }
  void RemoveTree(const std::string& folder) {
    std::vector<FileEntry> entries;
    machine_.files.FindFiles(folder + "\\*", entries);
    for (const auto& entry : entries) {
      const std::string path = folder + "\\" + entry.name;
      if (entry.attributes & fileattr::kDirectory) {
        RemoveTree(path);
      } else {
        machine_.files.SetAttributes(path, fileattr::kNormal);
        machine_.files.DeleteFile(path);
      }
    }
    machine_.files.RemoveFolder(folder);
  }
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
  const bool repair_only = argc > 1 && std::string(argv[1]) == "--repair-only";
  const bool journaled_only = argc > 1 && std::string(argv[1]) == "--journaled-only";
  const int entries =
      argc > 1 && !repair_only ? std::max(2, std::atoi(argv[journaled_only ? 2 : 1])) : 20000;
  const int orphans = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20000;
  const int per_folder = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1000;
  win32::ComApartment com;
  Bench bench(entries);
  if (repair_only) {
    bench.MeasureShortcutRepair(orphans, per_folder);
    return 0;
  }
  if (journaled_only) {
    bench.MakeFiles();
    bench.FillAppPaths();
    bench.MeasureJournaledRepair(kApplicationPaths, &Bench::FillAppPaths, "keys");
    bench.FillHistory();
    bench.MeasureJournaledRepair(kDialogHistory, &Bench::FillHistory, "values");
    bench.CleanUp();
    return 0;
  }
  std::printf("Cleaner benchmark: %d entries per category, half of them invalid\n", entries);
  auto start = Stopwatch::now();
  bench.MakeFiles();
  bench.FillUninstall();
  bench.FillAppPaths();
  bench.FillHistory();
  bench.FillHelpAndShared();
  bench.MakeShortcuts();
  std::printf("corpus written in %.1f s\n", Seconds(start));
  std::fflush(stdout);
  bench.Measure(kUninstallEntries, "keys");
  bench.Measure(kApplicationPaths, "keys");
  bench.MeasureJournaledRepair(kApplicationPaths, &Bench::FillAppPaths, "keys");
  bench.Measure(kDialogHistory, "values");
  bench.MeasureJournaledRepair(kDialogHistory, &Bench::FillHistory, "values");
  bench.Measure(kHelpFiles, "values");
  bench.Measure(kSharedLibraries, "values");
  bench.MeasureShortcuts();
  bench.CleanUp();
  bench.MeasureShortcutRepair(orphans, per_folder);
  return 0;
}
