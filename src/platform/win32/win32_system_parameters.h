#pragma once
#include "platform/system_parameters.h"

namespace qb::win32 {

class Win32SystemParameters : public SystemParameters {
 public:
  void BroadcastSettingChange(uint32_t action, std::string_view area) override;
  int IconSize() override;
  Status SetWallpaper(std::string_view image_path) override;
};

}  // namespace qb::win32
