#include "cleaner/event_pacer.h"

namespace qb::cleaner {

bool EventPacer::Tick() {
  if (closing_ || !do_events_) return !closing_;
  const uint64_t now = clock_.TickCountMs();
  if (started_ && now - last_ < kIntervalMs) return true;
  started_ = true;
  last_ = now;
  closing_ = !do_events_();
  return !closing_;
}

}  // namespace qb::cleaner
