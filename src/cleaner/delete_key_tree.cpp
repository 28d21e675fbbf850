#include "cleaner/delete_key_tree.h"

namespace qb::cleaner {

namespace {

void Note(Status status, DeleteResult& result) {
  if (status == status::kOk) result.touched = true;
  if (status::Refused(status)) result.refused = true;
}

void DeleteTree(Registry& registry, const RegKeyPath& key, const KeySnapshot& tree,
                EventPacer& pacer, DeleteResult& result) {
  for (const auto& [name, subtree] : tree.subkeys) {
    DeleteTree(registry, key.Child(name), subtree, pacer, result);
  }
  for (const auto& value : tree.values) {
    pacer.Tick();
    Note(registry.DeleteValue(key, value.name), result);
  }
  // A value or subkey written since the snapshot would go with the key: such a key stays.
  std::vector<RegValue> values_left;
  std::vector<std::string> keys_left;
  if (registry.EnumValues(key, values_left) != status::kOk || !values_left.empty() ||
      registry.EnumKeys(key, keys_left) != status::kOk || !keys_left.empty()) {
    return;
  }
  Note(registry.DeleteKey(key), result);
}

}  // namespace

DeleteResult DeleteKeyTree(Registry& registry, const RegKeyPath& key, const KeySnapshot& tree,
                           EventPacer& pacer) {
  DeleteResult result;
  DeleteTree(registry, key, tree, pacer, result);
  result.gone = registry.OpenKey(key, regaccess::kRead) == status::kFileNotFound;
  return result;
}

}  // namespace qb::cleaner
