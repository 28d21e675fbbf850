#pragma once
// The primary display of the in-memory machine: a list of modes, the one shown, and every
// change asked for.
#include <string>
#include <vector>

#include "platform/display_modes.h"

namespace qb {

class MemoryDisplayModes : public DisplayModes {
 public:
  std::vector<DisplayMode> Modes() override { return modes; }
  std::optional<DisplayMode> Current() override { return current; }
  // Like the system, a size no listed mode has is refused with kBadMode.
  long ChangeSize(int width, int height) override;
  long Restore(const DisplayMode& mode) override;

  // Test controls.
  // One line per change, in order: "ChangeSize 640x480", "Restore 1920x1080x32@60".
  const std::vector<std::string>& Calls() const { return calls_; }
  std::vector<DisplayMode> modes{{800, 600, 32, 60},   {1024, 768, 32, 60}, {1280, 1024, 32, 60},
                                 {1920, 1080, 32, 60}, {1920, 1080, 32, 75}, {640, 480, 32, 60}};
  std::optional<DisplayMode> current = DisplayMode{1920, 1080, 32, 60};

 private:
  std::vector<std::string> calls_;
};

}  // namespace qb
