#pragma once
// The repair of the categories that delete files: every file is first copied, with its
// attributes, into the run's backup folder under its full original path ("C:\a\b.lnk" as
// "<run folder>\C\a\b.lnk"), so that copying it back restores it; a file whose copy cannot
// be made and read back alike is not deleted. Just before each deletion the file is judged
// again and compared with its copy. Copies of files that stayed are taken away again.
#include <string_view>
#include <vector>

#include "cleaner/repair.h"

namespace qb::cleaner {

// "2026-01-02 03.04.05 Orphan shortcuts"
std::string BackupFolderName(const LocalTime& time, std::string_view category);

RepairOutcome RepairFiles(const Services& services, const Category& category,
                          const std::vector<Removal>& removals, Progress& progress,
                          EventPacer& pacer);

}  // namespace qb::cleaner
