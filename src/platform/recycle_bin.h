#pragma once
// The Recycle Bin of every drive.
#include "platform/shell.h"
#include "platform/status.h"

namespace qb {

class RecycleBin {
 public:
  virtual ~RecycleBin() = default;
  // Empties the bin of every drive without the shell's own question (the caller has asked)
  // and redraws the bin's icon. An empty bin is no failure.
  virtual Status Empty(WindowHandle owner) = 0;
};

}  // namespace qb
