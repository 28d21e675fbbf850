#pragma once
// The Recycle Bin of the in-memory machine: counts how often it was emptied.
#include "platform/recycle_bin.h"

namespace qb {

class MemoryRecycleBin : public RecycleBin {
 public:
  Status Empty(WindowHandle) override {
    ++empty_requests;
    return result;
  }

  int empty_requests = 0;
  Status result = status::kOk;
};

}  // namespace qb
