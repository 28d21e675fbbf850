#pragma once
#include "platform/power.h"

namespace qb {

// Restarts are counted, never carried out; the machine can be told to refuse them.
class MemoryPower : public Power {
 public:
  Status Restart() override {
    ++restarts_;
    return result_;
  }

  // Test controls.
  int RestartRequests() const { return restarts_; }
  void Refuse(Status code) { result_ = code; }

 private:
  int restarts_ = 0;
  Status result_ = status::kOk;
};

}  // namespace qb
