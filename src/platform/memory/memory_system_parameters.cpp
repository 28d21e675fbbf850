#include "platform/memory/memory_system_parameters.h"

namespace qb {

void MemorySystemParameters::BroadcastSettingChange(uint32_t action, std::string_view area) {
  calls_.push_back("BroadcastSettingChange " + std::to_string(action) + " " + std::string(area));
  if (on_broadcast) on_broadcast(action, area);
}

Status MemorySystemParameters::SetWallpaper(std::string_view image_path) {
  calls_.push_back("SetWallpaper " + std::string(image_path));
  if (wallpaper_result == status::kOk) wallpaper = std::string(image_path);
  return wallpaper_result;
}

}  // namespace qb
