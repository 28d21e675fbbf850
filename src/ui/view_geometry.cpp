#include "ui/view_geometry.h"

#include <algorithm>

#include "ui/geometry.h"

namespace qb::ui {

PixelRect FitInside(int picture_width, int picture_height, const PixelRect& box, bool enlarge) {
  if (picture_width <= 0 || picture_height <= 0 || box.width <= 0 || box.height <= 0) return {};
  int width = picture_width;
  int height = picture_height;
  const bool too_big = width > box.width || height > box.height;
  if (too_big || enlarge) {
    // Compare the proportions in 64 bits: a wide picture is limited by the box's width.
    const long long by_width = static_cast<long long>(box.width) * picture_height;
    const long long by_height = static_cast<long long>(box.height) * picture_width;
    if (by_width <= by_height) {
      width = box.width;
      height = static_cast<int>(std::max(1LL, by_width / picture_width));
    } else {
      height = box.height;
      width = static_cast<int>(std::max(1LL, by_height / picture_height));
    }
  }
  return {box.left + (box.width - width) / 2, box.top + (box.height - height) / 2, width, height};
}

PixelRect CenterIn(int width, int height, const PixelRect& area) {
  const int left = area.left + std::max(0, (area.width - width) / 2);
  const int top = area.top + std::max(0, (area.height - height) / 2);
  return {left, top, width, height};
}

PixelRect KeepInside(const PixelRect& window, const PixelRect& area) {
  const int left = std::max(area.left, std::min(window.left, area.Right() - window.width));
  const int top = std::max(area.top, std::min(window.top, area.Bottom() - window.height));
  return {left, top, window.width, window.height};
}

int FittingDpi(int width_twips, int height_twips, int dpi, const PixelRect& area, int floor_dpi) {
  const auto fits = [&](int at) {
    return TwipsToPixels(width_twips, at) <= area.width && TwipsToPixels(height_twips, at) <= area.height;
  };
  const int floor = std::min(dpi, floor_dpi);
  if (fits(dpi) || width_twips <= 0 || height_twips <= 0) return dpi;
  // The proportional guess, then down past the rounding of edges.
  const double by_width = static_cast<double>(area.width) * kTwipsPerInch / width_twips;
  const double by_height = static_cast<double>(area.height) * kTwipsPerInch / height_twips;
  int fitted = std::min(dpi, static_cast<int>(std::min(by_width, by_height)));
  while (fitted > floor && !fits(fitted)) --fitted;
  return std::max(fitted, floor);
}

TitleBarLayout LayOutTitleBar(int window_width, std::size_t button_count,
                              const TitleBarMetrics& metrics) {
  TitleBarLayout layout;
  const int top = std::max(0, (metrics.height - metrics.button) / 2);
  int right = window_width - metrics.margin;
  layout.buttons.resize(button_count);
  for (std::size_t i = button_count; i-- > 0;) {
    layout.buttons[i] = {right - metrics.button, top, metrics.button, metrics.button};
    right -= metrics.button + metrics.gap;
  }
  const int caption_right = button_count ? layout.buttons.front().left - metrics.gap : right;
  layout.caption = {metrics.margin, 0, std::max(0, caption_right - metrics.margin), metrics.height};
  return layout;
}

int TitleButtonAt(const TitleBarLayout& layout, int x, int y) {
  for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
    if (layout.buttons[i].Contains(x, y)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace qb::ui
