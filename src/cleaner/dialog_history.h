#pragma once
// The current user's open/save dialog history: one subkey per file extension whose values
// hold full file paths. Values naming files that no longer exist are removed, one by one,
// and their names leave the key's order lists; keys stay. Lists: [0] every subkey name, [1] the data of every value that looks like a
// full path, [2] those whose file is missing, [3] "subkey\value name" per removal.
#include "cleaner/category.h"

namespace qb::cleaner {

inline constexpr std::string_view kDialogHistoryArea =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU";

ScanResult ScanDialogHistory(ScanContext& context);
bool HistoryValueStillInvalid(ScanContext& context, const Removal& removal);

// Removed values leave the key's order lists too.
inline constexpr Category kDialogHistory{.name = "Open and save history",
                                         .scan = &ScanDialogHistory,
                                         .still_invalid = &HistoryValueStillInvalid,
                                         .keeps_order_lists = true};

}  // namespace qb::cleaner
