#pragma once
// System Restore of the in-memory machine: each point asked for is listed; the answer is
// set by the test (off, no rights, none on this system), and like Windows it can keep a
// recent point instead of making a new one.
#include <string>
#include <vector>

#include "platform/restore_points.h"

namespace qb {

class MemoryRestorePoints : public RestorePoints {
 public:
  Status Create(std::string_view description, int64_t& sequence) override {
    asked.emplace_back(description);
    if (answer != status::kOk) return answer;
    if (!keeps_recent || last == 0) ++last;
    sequence = last;
    return status::kOk;
  }

  // Test controls.
  std::vector<std::string> asked;  // the description of every point asked for
  Status answer = status::kOk;
  bool keeps_recent = false;  // answer with the last point instead of a new one
  int64_t last = 0;           // the newest point's sequence number
};

}  // namespace qb
