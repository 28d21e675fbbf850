#pragma once
// Reference counts of shared components whose file no longer exists. One machine-wide key
// holds a value per shared file, named with the file's full path; the count is not read.
// Values are removed one by one; the key stays. Installers register folders there too: an
// existing folder is present. A name without a folder part cannot be confirmed missing
// and stays. Lists: [1] every value name, [3] the names of the missing ones.
#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kSharedLibrariesArea =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDlls";

ScanResult ScanSharedLibraries(ScanContext& context);
bool SharedLibraryStillInvalid(ScanContext& context, const Removal& removal);

inline constexpr Category kSharedLibraries{"Shared components", &ScanSharedLibraries,
                                           &SharedLibraryStillInvalid};

}  // namespace qb::cleaner
