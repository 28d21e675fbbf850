#include "ui/view_geometry.h"

#include <algorithm>

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
