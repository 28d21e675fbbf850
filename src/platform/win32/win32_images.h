#pragma once
#include "platform/images.h"

namespace qb::win32 {

// Decodes through the Windows Imaging Component. COM must be initialised on the calling
// thread (the entry point and the test programs do so).
class Win32Images : public Images {
 public:
  Status Decode(std::string_view path, int max_side, Picture& picture) override;
};

}  // namespace qb::win32
