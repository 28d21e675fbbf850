#include "platform/memory/memory_system_parameters.h"

#include <algorithm>

namespace qb {

namespace {

// Where Windows keeps each stored setting, and the text it keeps.
void StoreInProfile(Registry& registry, uint32_t action, uint32_t ui_param, intptr_t pv_value) {
  const char* key = nullptr;
  const char* name = nullptr;
  std::string text;
  switch (action) {
    case spi::kSetMouseSpeed: key = "Control Panel\\Mouse"; name = "MouseSensitivity"; text = std::to_string(pv_value); break;
    case spi::kSetKeyboardSpeed: key = "Control Panel\\Keyboard"; name = "KeyboardSpeed"; text = std::to_string(ui_param); break;
    case spi::kSetKeyboardDelay: key = "Control Panel\\Keyboard"; name = "KeyboardDelay"; text = std::to_string(ui_param); break;
    case spi::kSetMouseButtonSwap: key = "Control Panel\\Mouse"; name = "SwapMouseButtons"; text = ui_param ? "1" : "0"; break;
    case spi::kSetFontSmoothing: key = "Control Panel\\Desktop"; name = "FontSmoothing"; text = ui_param ? "2" : "0"; break;
    case spi::kSetMouseTrails: key = "Control Panel\\Mouse"; name = "MouseTrails"; text = std::to_string(ui_param); break;
    default: return;
  }
  const RegKeyPath path{RegRoot::CurrentUser, key};
  registry.CreateKey(path);
  registry.SetValue(path, RegValue::String(name, text));
}

}  // namespace

void MemorySystemParameters::BroadcastSettingChange(uint32_t action, std::string_view area) {
  calls_.push_back("BroadcastSettingChange " + std::to_string(action) + " " + std::string(area));
  if (on_broadcast) on_broadcast(action, area);
}

Status MemorySystemParameters::SetWallpaper(std::string_view image_path) {
  calls_.push_back("SetWallpaper " + std::string(image_path));
  if (wallpaper_result == status::kOk) wallpaper = std::string(image_path);
  return wallpaper_result;
}

Status MemorySystemParameters::SetParameter(uint32_t action, uint32_t ui_param,
                                            intptr_t pv_value, uint32_t flags) {
  calls_.push_back("SystemParametersInfo " + std::to_string(action) + " " +
                   std::to_string(static_cast<int32_t>(ui_param)) + " " +
                   std::to_string(pv_value) + " " + std::to_string(flags));
  // Only the settings whose value travels by value, as the interface promises; the system
  // refuses an action it does not know.
  constexpr uint32_t kByValue[] = {spi::kSetKeyboardSpeed, spi::kSetKeyboardDelay,
                                   spi::kSetMouseButtonSwap, spi::kSetFontSmoothing,
                                   spi::kSetMouseTrails, spi::kSetMouseSpeed};
  if (std::find(std::begin(kByValue), std::end(kByValue), action) == std::end(kByValue)) {
    return status::kInvalidParameter;
  }
  if (parameter_result == status::kOk) {
    parameters[action] = action == spi::kSetMouseSpeed ? static_cast<uint32_t>(pv_value) : ui_param;
  }
  if (parameter_result == status::kOk && profile && (flags & spi::kUpdateIniFile)) {
    StoreInProfile(*profile, action, ui_param, pv_value);
  }
  return parameter_result;
}

std::optional<uint32_t> MemorySystemParameters::ReadParameter(uint32_t set_action) {
  const auto it = parameters.find(set_action);
  return it == parameters.end() ? 0u : it->second;
}

Status MemorySystemParameters::SetDoubleClickTime(unsigned milliseconds) {
  calls_.push_back("SetDoubleClickTime " + std::to_string(milliseconds));
  parameters[spi::kSetDoubleClickTime] = milliseconds;
  return status::kOk;
}

}  // namespace qb
