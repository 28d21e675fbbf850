#pragma once
#include "platform/display_modes.h"

namespace qb::win32 {

class Win32DisplayModes : public DisplayModes {
 public:
  std::vector<DisplayMode> Modes() override;
  std::optional<DisplayMode> Current() override;
  long ChangeSize(int width, int height) override;
  long Restore(const DisplayMode& mode) override;
};

}  // namespace qb::win32
