#pragma once
#include "platform/system_parameters.h"

namespace qb::win32 {

class Win32SystemParameters : public SystemParameters {
 public:
  void BroadcastSettingChange(uint32_t action, std::string_view area) override;
  int IconSize() override;
  Status SetWallpaper(std::string_view image_path) override;
  Status SetParameter(uint32_t action, uint32_t ui_param, intptr_t pv_value,
                      uint32_t flags) override;
  Status SetDoubleClickTime(unsigned milliseconds) override;
  std::optional<uint32_t> ReadParameter(uint32_t set_action) override;
  std::string Wallpaper() override;
};

}  // namespace qb::win32
