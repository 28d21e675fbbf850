#pragma once
#include "platform/system_colours.h"

namespace qb::win32 {

class Win32SystemColours : public SystemColours {
 public:
  ColourRef Get(int index) override;
  Status Set(int index, ColourRef colour) override;
};

}  // namespace qb::win32
