#pragma once
// Shortcut files on one drive whose target no longer exists. The drive is walked depth
// first (the shortcuts below a folder's subfolders come before its own), without entering
// junctions or symbolic links, skipping folders that cannot be listed and backups (any
// folder holding a backup marker, and the program's own backup folders). A shortcut is any
// file whose name ends in "lnk", whatever the case. Only a shortcut whose file target is
// confirmed missing is an orphan: a target that exists as a file (whatever its attributes)
// or a folder, one on a drive that cannot answer, and a shortcut with no file target stay;
// a file that cannot be read as a shortcut stays and is counted. Lists: [0] every shortcut
// in walk order, [1] the orphans.
#include "cleaner/category.h"

namespace qb::cleaner {

// Whether a file name counts as a shortcut's: it ends in "lnk", a dot or not.
bool IsShortcutName(std::string_view name);

ScanResult ScanOrphanShortcuts(ScanContext& context);
bool ShortcutStillOrphan(ScanContext& context, const Removal& removal);

inline constexpr Category kOrphanShortcuts{.name = "Orphan shortcuts",
                                           .scan = &ScanOrphanShortcuts,
                                           .still_invalid = &ShortcutStillOrphan,
                                           .verdict = "target missing",
                                           .removes_files = true};

}  // namespace qb::cleaner
