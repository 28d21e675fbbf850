#pragma once
// Small registry routines on a root and a key path below it (no root name in the path).
#include <string>
#include <string_view>

#include "language/wording.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/registry.h"

namespace qb::registry {

// The REG_SZ value's text; empty when the key or value is missing or the value holds
// another type.
std::string ReadStringValue(Registry& registry, RegRoot root, std::string_view key_path,
                            std::string_view value_name);
// Stores text as REG_SZ, creating the key when needed.
Status WriteStringValue(Registry& registry, RegRoot root, std::string_view key_path,
                        std::string_view value_name, std::string_view text);
// Deletes a key that has no subkeys.
Status DeleteRegKey(Registry& registry, RegRoot root, std::string_view key_path);
// Deletes one value. The key is opened for full access first, and that open's code is the
// result when it fails, so a missing key gives its own code and deletes nothing.
Status DeleteRegValue(Registry& registry, RegRoot root, std::string_view key_path,
                      std::string_view value_name);
// Creates parent\name (the parent alone when the name is blank). A failure shows
// "Cannot Create Sub Key !!" with the system's reason, in the words say gives it, and
// gives the system's code.
Status CreateSubKey(Registry& registry, Dialogs& dialogs, Environment& environment, RegRoot root,
                    std::string_view parent_path, std::string_view name,
                    const language::Wording& say = language::InEnglish);

}  // namespace qb::registry
