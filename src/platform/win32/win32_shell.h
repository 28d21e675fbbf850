#pragma once
#include "platform/shell.h"

namespace qb::win32 {

class Win32Shell : public Shell {
 public:
  intptr_t Execute(const ShellRequest& request) override;
};

}  // namespace qb::win32
