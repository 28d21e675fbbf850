#pragma once
// Narrowing a scan down to the findings a repair may take. The window's review list and a
// console repair given a list of findings both choose this way, and so do the exclusions:
// what is not chosen is never passed to a repair, so it is neither backed up nor removed.
#include <vector>

#include "cleaner/category.h"

namespace qb::cleaner {

// Keeps in scan.removals (and scan.tested, in step) the findings whose chosen[i] is true, in
// their order. The others are dropped, or with set_aside moved to scan.excluded (and
// excluded_tested), counted apart as kept. A finding beyond the end of chosen is dropped.
void KeepOnly(ScanResult& scan, const std::vector<bool>& chosen, bool set_aside = false);

}  // namespace qb::cleaner
