#pragma once
// System parameters of the in-memory machine: every call is recorded, nothing is drawn.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/system_parameters.h"

namespace qb {

class MemorySystemParameters : public SystemParameters {
 public:
  void BroadcastSettingChange(uint32_t action, std::string_view area) override;
  int IconSize() override { return icon_size; }
  Status SetWallpaper(std::string_view image_path) override;
  Status SetParameter(uint32_t action, uint32_t ui_param, intptr_t pv_value,
                      uint32_t flags) override;
  Status SetDoubleClickTime(unsigned milliseconds) override;
  std::optional<uint32_t> ReadParameter(uint32_t set_action) override;
  std::string Wallpaper() override { return wallpaper; }

  // Test controls.
  // One line per call, in order: "BroadcastSettingChange 42 WindowMetrics",
  // "SetWallpaper C:\Windows\wallpaper.bmp", "SystemParametersInfo 113 0 10 3" (action,
  // uiParam as a signed number, pvParam, flags), "SetDoubleClickTime 800".
  const std::vector<std::string>& Calls() const { return calls_; }
  // Called at each broadcast, so a test can look at the machine as the windows would.
  std::function<void(uint32_t action, std::string_view area)> on_broadcast;
  int icon_size = 32;
  std::string wallpaper;
  Status wallpaper_result = status::kOk;
  Status parameter_result = status::kOk;
  // The registry the user's profile lives in: a setting stored with SPIF_UPDATEINIFILE is
  // written there as Windows writes it ("Control Panel" text values), so a reader of the
  // profile sees it. None keeps the profile as it is.
  Registry* profile = nullptr;
  // The settings as SetParameter and SetDoubleClickTime left them, by set action.
  std::map<uint32_t, uint32_t> parameters;

 private:
  std::vector<std::string> calls_;
};

}  // namespace qb
