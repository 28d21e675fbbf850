#include "cleaner/delete_key_tree.h"

namespace qb::cleaner {

namespace {

void DeleteTree(const registry::RegistryRoutines& routines, Registry& registry,
                const RegKeyPath& key, EventPacer& pacer) {
  const registry::RootKey root{key.root, key.view};
  // Both lists are taken before anything below the key changes.
  const auto subkeys = routines.EnumRegistryKeys(root, key.path);
  const auto values = routines.EnumRegistryValues(root, key.path);
  for (const auto& name : subkeys) DeleteTree(routines, registry, key.Child(name), pacer);
  for (const auto& value : values) {
    pacer.Tick();
    registry.DeleteValue(key, value.name);
  }
  registry.DeleteKey(key);
}

}  // namespace

bool DeleteKeyTree(const registry::RegistryRoutines& routines, Registry& registry,
                   const RegKeyPath& key, EventPacer& pacer) {
  DeleteTree(routines, registry, key, pacer);
  return registry.OpenKey(key, regaccess::kRead) == status::kFileNotFound;
}

}  // namespace qb::cleaner
