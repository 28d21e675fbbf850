#pragma once
// System Restore: a restore point asked for before a set of changes, so that the whole
// machine can be taken back to it from Windows itself, beside the program's own journal.
#include <cstdint>
#include <string_view>

#include "platform/status.h"

namespace qb {

class RestorePoints {
 public:
  virtual ~RestorePoints() = default;
  // Asks for a restore point with this description and ends its set of changes at once.
  // kOk gives the sequence number Windows answered with: that of a new point, or of a
  // recent one it kept instead (Windows makes at most one in its interval, a day by
  // default). kServiceDisabled: System Restore is turned off; kAccessDenied: it needs an
  // administrator; kModNotFound: this system has no System Restore; else why it refused.
  virtual Status Create(std::string_view description, int64_t& sequence) = 0;
};

}  // namespace qb
