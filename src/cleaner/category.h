#pragma once
// What every cleaner category shares: the removals a scan decides on, the work lists it
// fills, and what it scans with.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/event_pacer.h"
#include "cleaner/presence_test.h"
#include "cleaner/progress.h"
#include "language/phrases.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shortcuts.h"
#include "registry/registry_routines.h"

namespace qb::cleaner {

// One thing a repair removes: a whole key (with everything below it), one value of it, or
// (for the categories that work on the disk) one file.
struct Removal {
  RegKeyPath key;
  std::optional<std::string> value_name;
  std::string file;  // when set, the file to delete; key and value_name are then unused
};

// A scan's findings: the category's four work lists, in the order the window names them
// (each category says what its lists hold), and the removals.
struct ScanResult {
  std::array<std::vector<std::string>, 4> lists;
  std::vector<Removal> removals;
  // In step with removals: the path that was found missing, empty where none is tested.
  std::vector<std::string> tested;
  // Findings the user always keeps (the exclusions), set aside with their tested paths:
  // never removed, counted apart.
  std::vector<Removal> excluded;
  std::vector<std::string> excluded_tested;
  size_t unreadable = 0;                     // items that could not be read, left in place
  std::vector<std::string> skipped_folders;  // folders that could not be listed, left unsearched
  // Why the drive or folder to search could not be listed at all (a drive that is not there
  // or holds no medium, a folder that is missing): nothing was searched, so nothing is known.
  Status search_failed = status::kOk;
};

struct ScanContext {
  Registry& registry;
  Environment& environment;
  const registry::RegistryRoutines& routines;
  PresenceTest& presence;
  Progress& progress;
  EventPacer& pacer;
  // What the categories that work on the disk need besides.
  FileSystem* files = nullptr;
  Shortcuts* shortcuts = nullptr;
  std::string drive;  // the drive to search ("C:"), or a folder ("C:\Users\Public")
  std::function<void(std::string_view)> status;     // a line of what is being done now
  std::vector<std::string> keep_out;                // folders a walk never enters: the backups
  // The status line while the shortcuts found are tested, in the reader's language.
  std::string wait_text{language::phrase::kWaitStatus.english};
};

struct Category {
  std::string_view name;  // as the backup file names it
  ScanResult (*scan)(ScanContext& context);
  // Judges one of the scan's removals again from the registry and the disk as they are
  // now: true while it is still invalid. A repair asks just before each removal.
  bool (*still_invalid)(ScanContext& context, const Removal& removal);
  // The removed values' keys keep an order list naming them ("MRUList", "MRUListEx"),
  // which must lose their names when they go.
  bool keeps_order_lists = false;
  // What a finding means, as the console program reports it.
  std::string_view verdict = "missing";
  // Removes files (its removals name files) rather than registry entries.
  bool removes_files = false;
};

// The direct subkeys of an area, in every view it lives in, each key once. The system
// shares some areas between the 64-bit and the 32-bit view (both show the same key); a key
// that both views show alike is taken once, from the 64-bit view, and an area whose first,
// middle and last keys read alike in both views is taken as shared. Both err towards
// looking at a key once: a 32-bit twin left unjudged stays, it is never wrongly removed. names receives each
// subkey's name, in step with the keys returned.
std::vector<RegKeyPath> AreaKeys(ScanContext& context, RegRoot root, std::string_view area,
                                 std::vector<std::string>& names);

// One value of an area, with the key (and view) it was read from.
struct AreaValue {
  RegKeyPath key;
  RegValue value;
};

// The values of an area's own key in every view it lives in, as stored. A 32-bit view
// whose values read exactly as the 64-bit view's is the same key shown twice and is taken
// once. An area that cannot be read gives nothing.
std::vector<AreaValue> AreaValues(ScanContext& context, RegRoot root, std::string_view area);

// The views in which a root's machine-wide keys live: both on a machine with separate
// 64-bit and 32-bit views, the one view otherwise. The current user's keys are one view.
std::vector<RegView> ViewsOf(const Registry& registry, RegRoot root);

}  // namespace qb::cleaner
