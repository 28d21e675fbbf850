#pragma once
// The window manager's system-wide settings that the program changes, and the message that
// tells every top-level window a setting has changed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace qb {

// Actions named in a setting-change message (the SPI_ codes of the system).
namespace spi {
constexpr uint32_t kNone = 0;
constexpr uint32_t kSetKeyboardSpeed = 11;
constexpr uint32_t kSetDeskWallpaper = 20;
constexpr uint32_t kSetKeyboardDelay = 23;
constexpr uint32_t kSetDoubleClickTime = 32;
constexpr uint32_t kSetMouseButtonSwap = 33;
constexpr uint32_t kSetNonClientMetrics = 42;
constexpr uint32_t kSetFontSmoothing = 75;
constexpr uint32_t kSetMouseTrails = 93;
constexpr uint32_t kSetMouseSpeed = 113;
// Store the change in the user profile and tell every window about it.
constexpr uint32_t kUpdateIniFile = 1;
constexpr uint32_t kSendChange = 2;
constexpr uint32_t kStoreAndBroadcast = kUpdateIniFile | kSendChange;
}  // namespace spi

class SystemParameters {
 public:
  virtual ~SystemParameters() = default;
  // Sends the setting-change message (WM_SETTINGCHANGE, the former WM_WININICHANGE) to every
  // top-level window; area names the changed section ("WindowMetrics") or is empty. A window
  // that does not answer within a few seconds is skipped rather than waited for.
  virtual void BroadcastSettingChange(uint32_t action, std::string_view area) = 0;
  // The width in pixels of a large icon as the system draws it now.
  virtual int IconSize() = 0;
  // Shows the picture as the desktop wallpaper, stores the choice in the user profile and
  // tells every window (SPI_SETDESKWALLPAPER with SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE).
  virtual Status SetWallpaper(std::string_view image_path) = 0;
  // SystemParametersInfo for the settings whose value travels in uiParam or, as a number,
  // in pvParam (mouse speed, keyboard speed and delay, button swap, trails, smoothing).
  virtual Status SetParameter(uint32_t action, uint32_t ui_param, intptr_t pv_value,
                              uint32_t flags) = 0;
  // The time between two clicks that makes a double click, for every program at once.
  virtual Status SetDoubleClickTime(unsigned milliseconds) = 0;

  // The value now of the setting a SetParameter action (or kSetDoubleClickTime) changes, as
  // that action takes it; none when the system cannot say.
  virtual std::optional<uint32_t> ReadParameter(uint32_t set_action) = 0;
  // The desktop wallpaper's file now; empty for none.
  virtual std::string Wallpaper() = 0;
};

}  // namespace qb
