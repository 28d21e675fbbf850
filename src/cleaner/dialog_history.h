#pragma once
// The current user's open/save dialog history: one subkey per file extension whose values
// hold full file paths. Values naming files that no longer exist are removed, one by one;
// keys stay. Lists: [0] every subkey name, [1] the data of every value that looks like a
// full path, [2] those whose file is missing, [3] "subkey\value name" per removal.
#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kDialogHistoryArea =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";

ScanResult ScanDialogHistory(ScanContext& context);

inline constexpr Category kDialogHistory{"Open and save history", &ScanDialogHistory};

}  // namespace qb::cleaner
