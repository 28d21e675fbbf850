#pragma once
#include "platform/recycle_bin.h"

namespace qb::win32 {

class Win32RecycleBin : public RecycleBin {
 public:
  Status Empty(WindowHandle owner) override;
};

}  // namespace qb::win32
