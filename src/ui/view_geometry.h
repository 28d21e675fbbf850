#pragma once
// Pixel arithmetic of the window view that needs no window: fitting a picture into a box,
// centring a window and keeping it on the screen, placing the buttons of a painted title bar.
#include <cstddef>
#include <vector>

namespace qb::ui {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool Contains(int x, int y) const { return x >= left && x < Right() && y >= top && y < Bottom(); }
  bool operator==(const PixelRect&) const = default;
};

// The largest rectangle with the picture's proportions inside the box, centred in it. A
// picture smaller than the box keeps its size unless enlarge is set. Empty for an empty
// picture or box.
PixelRect FitInside(int picture_width, int picture_height, const PixelRect& box, bool enlarge);

// A window of that size centred in the area; a window larger than the area is pinned to its
// top-left corner so its title stays reachable.
PixelRect CenterIn(int width, int height, const PixelRect& area);

// A window that must lie in the area, moved as little as needed; one larger than the area
// keeps the area's top-left corner, so its title stays reachable.
PixelRect KeepInside(const PixelRect& window, const PixelRect& area);

// The dots per inch at which a window designed in twips fits the area: the monitor's own
// when it fits, else the largest lower one that does, but never below the floor, under
// which the skin's 8 pt text would no longer be legible.
int FittingDpi(int width_twips, int height_twips, int dpi, const PixelRect& area, int floor_dpi);

// The painted title bar: square buttons right-aligned in the given order, the caption in
// what is left on the left.
struct TitleBarMetrics {
  int height = 0;  // of the bar
  int button = 0;  // side of a button
  int gap = 0;     // between buttons
  int margin = 0;  // from the window's edges
};

struct TitleBarLayout {
  PixelRect caption;
  std::vector<PixelRect> buttons;
};

TitleBarLayout LayOutTitleBar(int window_width, std::size_t button_count, const TitleBarMetrics& metrics);
// The index of the button under the point, -1 for none.
int TitleButtonAt(const TitleBarLayout& layout, int x, int y);

}  // namespace qb::ui
