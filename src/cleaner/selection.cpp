#include "cleaner/selection.h"

namespace qb::cleaner {

void KeepOnly(ScanResult& scan, const std::vector<bool>& chosen, bool set_aside) {
  size_t kept = 0;
  for (size_t i = 0; i < scan.removals.size(); ++i) {
    if (i >= chosen.size() || !chosen[i]) {
      if (set_aside) {
        scan.excluded.push_back(std::move(scan.removals[i]));
        scan.excluded_tested.push_back(std::move(scan.tested[i]));
      }
      continue;
    }
    if (kept != i) {  // a string moved onto itself would be left empty
      scan.removals[kept] = std::move(scan.removals[i]);
      scan.tested[kept] = std::move(scan.tested[i]);
    }
    ++kept;
  }
  scan.removals.resize(kept);
  scan.tested.resize(kept);
}

}  // namespace qb::cleaner
