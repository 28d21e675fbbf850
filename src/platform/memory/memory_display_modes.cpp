#include "platform/memory/memory_display_modes.h"

#include <algorithm>

namespace qb {

long MemoryDisplayModes::ChangeSize(int width, int height) {
  calls_.push_back("ChangeSize " + std::to_string(width) + "x" + std::to_string(height));
  const auto same_size = [&](const DisplayMode& mode) {
    return mode.width == width && mode.height == height;
  };
  if (std::none_of(modes.begin(), modes.end(), same_size)) return dispchange::kBadMode;
  DisplayMode next = current.value_or(DisplayMode{});
  next.width = width;
  next.height = height;
  current = next;
  return dispchange::kSuccessful;
}

long MemoryDisplayModes::Restore(const DisplayMode& mode) {
  calls_.push_back("Restore " + std::to_string(mode.width) + "x" + std::to_string(mode.height) +
                   "x" + std::to_string(mode.bits_per_pixel) + "@" +
                   std::to_string(mode.frequency));
  if (std::find(modes.begin(), modes.end(), mode) == modes.end()) return dispchange::kBadMode;
  current = mode;
  return dispchange::kSuccessful;
}

}  // namespace qb
