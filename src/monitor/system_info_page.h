#pragma once
// The System information page: eleven facts about the machine, read once at start-up from
// the system's own sources.
#include <string>

#include "platform/services.h"
#include "ui/form.h"

namespace qb::monitor {

// The product name the system stores for itself, mended where it is known to be stale:
// Windows 11 still calls itself "Windows 10 ..." there.
std::string OperatingSystemName(const std::string& stored_name, const OsVersion& version);

// "Native" when the program is told the true version, otherwise which version the
// compatibility settings make it believe; in the chosen language.
std::string CompatibilityText(const Services& services, const OsVersion& reported,
                              const OsVersion& actual);

// Fills the page's boxes. Each fact is read on its own: one that cannot be read leaves its
// box as it was and the others are still filled.
void FillSystemInformation(ui::Form& form, const Services& services);

}  // namespace qb::monitor
