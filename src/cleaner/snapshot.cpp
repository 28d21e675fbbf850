#include "cleaner/snapshot.h"

#include <map>
#include <tuple>

namespace qb::cleaner {

bool KeySnapshot::operator==(const KeySnapshot& other) const {
  return values == other.values && subkeys == other.subkeys;
}

namespace {

SnapshotRead FromStatus(Status status) {
  return status == status::kFileNotFound ? SnapshotRead::Gone : SnapshotRead::Unreadable;
}

void AddTreeSections(RegRoot root, const std::string& path, const KeySnapshot& tree,
                     std::vector<RegFileKey>& sections) {
  sections.push_back({root, path, tree.values});
  for (const auto& [name, subtree] : tree.subkeys) {
    AddTreeSections(root, path + "\\" + name, subtree, sections);
  }
}

}  // namespace

SnapshotRead ReadKeyTree(Registry& registry, const RegKeyPath& key, KeySnapshot& tree) {
  tree = {};
  std::vector<std::string> names;
  if (const Status s = registry.EnumValues(key, tree.values); s != status::kOk) return FromStatus(s);
  if (const Status s = registry.EnumKeys(key, names); s != status::kOk) return FromStatus(s);
  tree.subkeys.reserve(names.size());
  for (auto& name : names) {
    KeySnapshot subtree;
    if (const SnapshotRead read = ReadKeyTree(registry, key.Child(name), subtree);
        read != SnapshotRead::Taken) {
      return read;
    }
    tree.subkeys.push_back({std::move(name), std::move(subtree)});
  }
  return SnapshotRead::Taken;
}

SnapshotRead ReadEntry(Registry& registry, const Removal& removal, EntrySnapshot& entry) {
  entry = {};
  entry.removal = removal;
  if (!removal.value_name) return ReadKeyTree(registry, removal.key, entry.tree);
  const Status read = registry.QueryValue(removal.key, *removal.value_name, entry.value);
  return read == status::kOk ? SnapshotRead::Taken : FromStatus(read);
}

bool StillMatches(Registry& registry, const EntrySnapshot& entry) {
  EntrySnapshot now;
  if (ReadEntry(registry, entry.removal, now) != SnapshotRead::Taken) return false;
  return entry.removal.value_name ? now.value == entry.value : now.tree == entry.tree;
}

std::vector<RegFileKey> BackupSections(const std::vector<EntrySnapshot>& entries,
                                       bool separate_views) {
  std::vector<RegFileKey> sections;
  std::map<std::tuple<RegRoot, std::string>, size_t> value_sections;
  for (const auto& entry : entries) {
    const RegKeyPath& key = entry.removal.key;
    const auto path = PhysicalPath(key.root, key.path, key.view, separate_views);
    if (!entry.removal.value_name) {
      AddTreeSections(key.root, path, entry.tree, sections);
      continue;
    }
    const auto [at, added] = value_sections.try_emplace({key.root, path}, sections.size());
    if (added) sections.push_back({key.root, path, {}});
    sections[at->second].values.push_back(entry.value);
  }
  return sections;
}

bool RegFileCanHold(const EntrySnapshot& entry, bool separate_views) {
  const auto sections = BackupSections({entry}, separate_views);
  std::vector<RegFileKey> parsed;
  std::string error;
  return ParseRegFile(EncodeRegFile(sections), parsed, error) && parsed == sections;
}

}  // namespace qb::cleaner
