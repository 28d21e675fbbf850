#pragma once
// Lets the window handle its pending events now and then during a long loop, so that it
// repaints and answers; often enough to feel live, seldom enough to cost nothing.
#include <cstdint>
#include <functional>

#include "platform/clock.h"

namespace qb::cleaner {

class EventPacer {
 public:
  static constexpr uint64_t kIntervalMs = 30;

  // do_events handles the pending events and returns false once the program is closing.
  // Without one, ticks do nothing.
  EventPacer(Clock& clock, std::function<bool()> do_events)
      : clock_(clock), do_events_(std::move(do_events)) {}

  // Handles events when the interval has passed (and on the first tick). False once the
  // program is closing: the loop should stop.
  bool Tick();
  bool Closing() const { return closing_; }

 private:
  Clock& clock_;
  std::function<bool()> do_events_;
  bool started_ = false;
  bool closing_ = false;
  uint64_t last_ = 0;
};

}  // namespace qb::cleaner
