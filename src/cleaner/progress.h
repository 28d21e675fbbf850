#pragma once
// A category's progress bar: 0-based, minimum 0. A maximum below 1 (a loop over 0 or 1
// items) leaves the previous maximum in place, and a value the bar cannot show is skipped.
#include <cstddef>

#include "ui/control.h"

namespace qb::cleaner {

class Progress {
 public:
  explicit Progress(ui::Control* bar = nullptr) : bar_(bar) {}

  // Prepares the bar for a loop over count items.
  void StartLoop(size_t count);
  void SetValue(size_t index);

 private:
  ui::Control* bar_;
};

}  // namespace qb::cleaner
