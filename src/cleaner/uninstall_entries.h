#pragma once
// Software-removal registrations that can no longer uninstall anything: keys under the
// machine's uninstall area with no uninstall command. Lists: [0] every key name, [1] the
// names of the invalid registrations.
#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kUninstallArea = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

ScanResult ScanUninstallEntries(ScanContext& context);
bool UninstallEntryStillInvalid(ScanContext& context, const Removal& removal);

inline constexpr Category kUninstallEntries{.name = "Uninstall entries",
                                            .scan = &ScanUninstallEntries,
                                            .still_invalid = &UninstallEntryStillInvalid,
                                            .verdict = "no uninstall command"};

}  // namespace qb::cleaner
