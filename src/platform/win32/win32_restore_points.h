#pragma once
#include "platform/restore_points.h"

namespace qb::win32 {

// System Restore through srclient.dll, loaded when a point is asked for: a system without
// System Restore (a server, Wine) has no such library, and the program must start there.
class Win32RestorePoints : public RestorePoints {
 public:
  Status Create(std::string_view description, int64_t& sequence) override;
};

}  // namespace qb::win32
