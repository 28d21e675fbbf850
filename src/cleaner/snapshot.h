#pragma once
// What a removal will take away, read just before the backup is written and read again just
// before the removal: a removal goes ahead only while the registry still holds exactly
// what the backup holds, and it takes away only that.
#include <string>
#include <vector>

#include "cleaner/category.h"
#include "cleaner/reg_file.h"

namespace qb::cleaner {

// A key with everything below it, as read at one moment.
struct KeySnapshot {
  struct Subkey;
  std::vector<RegValue> values;
  std::vector<Subkey> subkeys;  // in enumeration order
  bool operator==(const KeySnapshot& other) const;
};

// A named struct rather than a pair: a pair of a type that is still being defined is
// rejected by some standard libraries.
struct KeySnapshot::Subkey {
  std::string name;
  KeySnapshot tree;
  bool operator==(const Subkey&) const = default;
};

// One removal with what it takes away: the key tree, or the value.
struct EntrySnapshot {
  Removal removal;
  KeySnapshot tree;
  RegValue value;
};

enum class SnapshotRead {
  Taken,
  Gone,        // the entry, or a part of it, went while it was read
  Unreadable,  // the system refused to read some part of it
};

SnapshotRead ReadKeyTree(Registry& registry, const RegKeyPath& key, KeySnapshot& tree);
SnapshotRead ReadEntry(Registry& registry, const Removal& removal, EntrySnapshot& entry);

// Whether the registry still holds exactly what the snapshot holds: the same values with the
// same types and data, the same subkeys, nothing more and nothing less.
bool StillMatches(Registry& registry, const EntrySnapshot& entry);

// The registry-file sections that hold the entries: a key before its subkeys, the values of
// one key together in one section.
std::vector<RegFileKey> BackupSections(const std::vector<EntrySnapshot>& entries,
                                       bool separate_views);

// Whether a registry file can hold the entry and give it back unchanged (a value name with
// a line break, for one, it cannot).
bool RegFileCanHold(const EntrySnapshot& entry, bool separate_views);

}  // namespace qb::cleaner
