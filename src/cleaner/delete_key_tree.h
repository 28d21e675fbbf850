#pragma once
// Removes a key with everything below it: subkeys first, deepest first, then the key's
// values one by one, then the key itself with the plain delete. Failures are passed over;
// whether the key is gone afterwards is the answer.
#include "cleaner/event_pacer.h"
#include "platform/registry.h"
#include "registry/registry_routines.h"

namespace qb::cleaner {

// True when the key no longer exists afterwards.
bool DeleteKeyTree(const registry::RegistryRoutines& routines, Registry& registry,
                   const RegKeyPath& key, EventPacer& pacer);

}  // namespace qb::cleaner
