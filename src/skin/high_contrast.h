#pragma once
// Windows' high-contrast mode: the user has chosen the colours every program must use, so
// the skin keeps its shapes, fonts and title buttons but takes every colour from the system
// scheme; the processor graph does the same. Pure functions of the scheme's colours.
#include "skin/skin.h"

namespace qb::skin {

// The system colours the skinned drawing needs (GetSysColor's COLOR_* of the same names).
struct SystemColours {
  Color window{255, 255, 255};
  Color window_text{0, 0, 0};
  Color button_face{240, 240, 240};
  Color button_text{0, 0, 0};
  Color highlight{0, 120, 215};
  Color highlight_text{255, 255, 255};
  Color gray_text{109, 109, 109};
  Color active_caption{0, 0, 128};
  Color caption_text{255, 255, 255};
  bool operator==(const SystemColours&) const = default;
};

// The skin as drawn in high contrast: same elements, system colours only. A check box's
// or option button's box is a window-coloured field; everything else is button-faced.
Skin HighContrastSkin(const Skin& skin, const SystemColours& system);

// The processor graph: a dark screen, a dim green grid and the bright green trace of a
// monitor; in high contrast the window's colours with the grid in grey text.
struct GraphColours {
  Color background{8, 16, 12};
  Color grid{0, 88, 44};
  Color line{0, 255, 0};
  bool operator==(const GraphColours&) const = default;
};
GraphColours GraphColoursFor(bool high_contrast, const SystemColours& system);

}  // namespace qb::skin
