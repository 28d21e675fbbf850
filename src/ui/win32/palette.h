#pragma once
// The view's colours in one place: a skin element's colours as GDI values, and the colours
// of the graph control, which no skin element describes.
#include <windows.h>

#include "skin/skin.h"

namespace qb::ui::win32 {

inline COLORREF ToColorRef(skin::Color color) { return RGB(color.r, color.g, color.b); }

// Mixes two colours; amount 0 gives a, 255 gives b.
inline skin::Color Mix(skin::Color a, skin::Color b, int amount) {
  auto channel = [amount](int x, int y) { return static_cast<uint8_t>(x + (y - x) * amount / 255); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// The processor graph: a dark screen, a dim green grid and the bright green trace of a
// monitor.
struct GraphColors {
  skin::Color background{8, 16, 12};
  skin::Color grid{0, 88, 44};
  skin::Color line{0, 255, 0};
};

}  // namespace qb::ui::win32
