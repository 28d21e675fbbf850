#pragma once
// Application-path registrations whose program no longer exists: each key under the
// machine's App Paths area names a program in its default value. Lists: [0] every key
// name, [2] the program paths found present, [3] the key paths of the invalid
// registrations; [1] stays empty.
#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kAppPathsArea = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";

ScanResult ScanApplicationPaths(ScanContext& context);
bool ApplicationPathStillInvalid(ScanContext& context, const Removal& removal);

inline constexpr Category kApplicationPaths{"Application paths", &ScanApplicationPaths,
                                            &ApplicationPathStillInvalid};

}  // namespace qb::cleaner
