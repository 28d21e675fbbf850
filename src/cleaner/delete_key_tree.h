#pragma once
// Removes a key with everything below it that its snapshot holds: subkeys first, deepest
// first, then the key's values one by one, then the key itself with the plain delete.
// What was added after the snapshot stays, and so does every key that holds it: the plain
// delete refuses a key with subkeys, and a key that has gained values is not deleted.
#include "cleaner/event_pacer.h"
#include "cleaner/snapshot.h"
#include "platform/registry.h"

namespace qb::cleaner {

struct DeleteResult {
  bool gone = false;     // the key (or value) no longer exists afterwards
  bool refused = false;  // the system refused some part: it needs rights the program lacks
  bool touched = false;  // something was removed, whether or not all of it went
};

DeleteResult DeleteKeyTree(Registry& registry, const RegKeyPath& key, const KeySnapshot& tree,
                           EventPacer& pacer);

}  // namespace qb::cleaner
