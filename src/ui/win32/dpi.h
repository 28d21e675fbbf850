#pragma once
// Dots per inch and work area of the monitor a window is on, and the twips/pixel arithmetic
// that uses them. The source can be pinned to one value and one area so that a high-DPI
// layout on a small screen can be checked on whatever screen the tests have.
#include <windows.h>

#include <optional>

#include "ui/geometry.h"
#include "ui/view_geometry.h"

namespace qb::ui::win32 {

class Dpi {
 public:
  static constexpr int kStandard = 96;

  explicit Dpi(int dots_per_inch = kStandard)
      : value_(dots_per_inch > 0 ? dots_per_inch : kStandard) {}

  int Value() const { return value_; }
  int FromTwips(int twips) const { return TwipsToPixels(twips, value_); }
  int ToTwips(int pixels) const { return PixelsToTwips(pixels, value_); }
  // A size given in pixels at 96 DPI (skin sizes, margins), at this DPI.
  int Scale(int pixels_at_96) const { return MulDiv(pixels_at_96, value_, kStandard); }
  bool operator==(const Dpi&) const = default;

 private:
  int value_;
};

class DpiSource {
 public:
  // 0 removes the override and follows the monitors again.
  void SetOverride(int dots_per_inch) { override_ = dots_per_inch > 0 ? dots_per_inch : 0; }
  bool Overridden() const { return override_ != 0; }
  // The window's DPI: GetDpiForWindow where the system has it, else the screen's.
  Dpi ForWindow(HWND window) const;
  // The part of the window's monitor that is not taken by task bars.
  PixelRect WorkAreaOf(HWND window) const;
  void SetWorkAreaOverride(std::optional<PixelRect> area) { work_area_ = area; }

 private:
  int override_ = 0;
  std::optional<PixelRect> work_area_;
};

}  // namespace qb::ui::win32
