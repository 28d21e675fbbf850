#include "cleaner/progress.h"

#include <algorithm>
#include <climits>

namespace qb::cleaner {

void Progress::StartLoop(size_t count) {
  if (!bar_ || count < 2) return;
  bar_->SetRange(0, static_cast<int>(std::min<size_t>(count - 1, INT_MAX)));
}

void Progress::SetValue(size_t index) {
  if (!bar_ || index > static_cast<size_t>(bar_->Max())) return;
  if (static_cast<int>(index) != bar_->Value()) bar_->SetValue(static_cast<int>(index));
}

}  // namespace qb::cleaner
