#pragma once
// Importing a profile in the window: what it would change, read before anything is written,
// and then the same writes the console companion makes, setting by setting through the table.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "tweaks/settings_profile.h"

namespace qb::tweaks {

// One setting the profile would change.
struct PendingChange {
  const ProfileEntry* entry = nullptr;
  std::optional<std::string> current;  // nothing: not set on this machine
};

// The settings of a fault-free profile whose value differs from the machine's, in the order
// of the table; empty for a profile with faults, which is never applied.
std::vector<PendingChange> PendingChanges(const Profile& profile, const Services& services);

struct Refusal {
  std::string name;
  std::string what;    // the part not saved; for a value not read back, the value asked for
  std::string reason;  // the system's text; empty: written, but not read back as asked
};

struct ImportResult {
  std::vector<std::string> applied;  // names
  std::vector<Refusal> refused;
  bool needs_administrator = false;
  // A Start menu or desktop setting was applied: the shell reads them when the user signs in.
  bool needs_sign_in = false;
};

// Writes each pending change through writer (the journaled services where a history is kept)
// and counts it as applied only when reader then reads it as the profile says.
ImportResult ApplyChanges(const std::vector<PendingChange>& changes, const Services& writer,
                          const Services& reader);

}  // namespace qb::tweaks
