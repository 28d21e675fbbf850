#pragma once
// The repair of the categories that delete files. One file at a time: it is read, judged
// again, copied into the run's backup folder (backup_run.h) and the copy read back, and only
// then deleted; a file whose copy cannot be made stays. A file counts as repaired only when
// this run's own deletion took it away: one that another program removed first does not.
#include <vector>

#include "cleaner/repair.h"

namespace qb::cleaner {

RepairOutcome RepairFiles(const Services& services, const Category& category,
                          const std::vector<Removal>& removals, Progress& progress,
                          EventPacer& pacer, const language::Wording& say = language::InEnglish);

}  // namespace qb::cleaner
