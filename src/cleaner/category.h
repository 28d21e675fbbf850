#pragma once
// What every cleaner category shares: the removals a scan decides on, the work lists it
// fills, and what it scans with.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cleaner/event_pacer.h"
#include "cleaner/presence_test.h"
#include "cleaner/progress.h"
#include "platform/registry.h"
#include "registry/registry_routines.h"

namespace qb::cleaner {

// One thing a repair removes: a whole key (with everything below it), or one value of it.
struct Removal {
  RegKeyPath key;
  std::optional<std::string> value_name;
  bool operator==(const Removal&) const = default;
};

// A scan's findings: the category's four work lists, in the order the window names them
// (each category says what its lists hold), and the removals.
struct ScanResult {
  std::array<std::vector<std::string>, 4> lists;
  std::vector<Removal> removals;
};

struct ScanContext {
  Registry& registry;
  Environment& environment;
  const registry::RegistryRoutines& routines;
  PresenceTest& presence;
  Progress& progress;
  EventPacer& pacer;
};

struct Category {
  std::string_view name;  // as the backup file names it
  ScanResult (*scan)(ScanContext& context);
};

// The direct subkeys of an area, in every view it lives in, each key once. The system
// shares some areas between the 64-bit and the 32-bit view (both show the same key); a key
// that both views show alike is taken once, from the 64-bit view, and an area whose first,
// middle and last keys read alike in both views is taken as shared. Both err towards
// looking at a key once: a 32-bit twin left unjudged stays, it is never wrongly removed. names receives each
// subkey's name, in step with the keys returned.
std::vector<RegKeyPath> AreaKeys(ScanContext& context, RegRoot root, std::string_view area,
                                 std::vector<std::string>& names);

// The views in which a root's machine-wide keys live: both on a machine with separate
// 64-bit and 32-bit views, the one view otherwise. The current user's keys are one view.
std::vector<RegView> ViewsOf(const Registry& registry, RegRoot root);

}  // namespace qb::cleaner
